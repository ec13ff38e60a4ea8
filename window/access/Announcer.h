#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace quorvex {

// Speaks to screen readers: each announcement shows a notification that assistive tools
// read out. Nothing of it is drawn.
class Announcer final : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget& window);

    /* an empty text announces nothing */
    void announce(const QString& text);
    const QString& text() const { return text_; }
    QWidget& window() const;

signals:
    /* after each announcement, for whoever else listens */
    void announced(const QString& text);

private:
    QString text_;
};

} // namespace quorvex
