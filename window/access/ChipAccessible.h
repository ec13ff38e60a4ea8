#pragma once

#include <QAccessibleWidget>

namespace quorvex {

class ChipImage;

// A chip as assistive tools see it: a button named for its value whose Press stakes it and
// whose ShowMenu names it, as a left and a right press do.
class ChipAccessible final : public QAccessibleWidget {
public:
    explicit ChipAccessible(ChipImage& chip);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ChipImage& chip() const;
};

} // namespace quorvex
