#include "app/Program.h"

#include "app/EventBinding.h"
#include "window/Accessibility.h"
#include "window/Typefaces.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace quorvex {

const ProjectSettings& Program::applied(const ProjectSettings& settings) {
    QCoreApplication::setApplicationName(QString::fromLatin1(settings.productName));
    QCoreApplication::setApplicationVersion("1.00");
    QGuiApplication::setDesktopFileName("quorvex");
    QGuiApplication::setWindowIcon(QIcon(":/assets/quorvex.ico"));
    if (settings.localeId == 1033)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installTypefaceSubstitutes();
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
      window_(messages_, random) {}

std::optional<int> Program::start() {
    gate_.run([this] { window_.Form_Load(); });
    if (gate_.ended())
        return gate_.exitCode();
    bindEvents(window_, gate_);
    window_.show();
    window_.Spin.setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

} // namespace quorvex
