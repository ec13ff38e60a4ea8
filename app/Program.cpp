#include "app/Program.h"

#include "app/EventBinding.h"
#include "app/FirstFrame.h"
#include "app/WindowIcon.h"
#include "window/access/Accessibility.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <iterator>

namespace quorvex {
namespace {

QIcon windowIcon() {
    // QIcon owns its engine.
    return QIcon(
        new WindowIcon(QStringLiteral(":/assets/icons/quorvex-%1.png"),
                       QList<int>(std::begin(project::iconSides), std::end(project::iconSides))));
}

} // namespace

const ProjectSettings& Program::applied(const ProjectSettings& settings) {
    // The application name is the window's class (WM_CLASS) and the desktop file name its
    // Wayland app id: both must be the id the menu entry and icon are installed under.
    const QString id = QString::fromLatin1(settings.applicationId);
    QCoreApplication::setApplicationName(id);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(project::version));
    QGuiApplication::setDesktopFileName(id);
    if (settings.localeId == 1033)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installAccessibility();
    return settings;
}

Program::Program(const ProjectSettings& settings, rt::RandomSource& random,
                 EventGate::Terminate terminate)
    : messages_(QString::fromLatin1(applied(settings).applicationTitle)),
      gate_(messages_,
            [this, terminate = std::move(terminate)](int exitCode) {
                window_.hide(); // the program has ended, so nothing of it stays on screen
                if (terminate)
                    terminate(exitCode);
            }),
      window_(messages_, random), announcer_(*new Announcer(window_)) {}

std::optional<int> Program::start() {
    gate_.run([this] { window_.Form_Load(); });
    if (gate_.ended())
        return gate_.exitCode();
    bindEvents(window_, announcer_, gate_);
    afterFirstFrame(window_, [this] { finishStartUp(); });
    window_.show();
    window_.Spin.setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

// Read on X when the icon is set (all seven sizes, for _NET_WM_ICON) and by screen readers:
// none of it is in the first frame.
void Program::finishStartUp() {
    QGuiApplication::setWindowIcon(windowIcon());
    window_.describe();
    finished_ = true;
}

} // namespace quorvex
