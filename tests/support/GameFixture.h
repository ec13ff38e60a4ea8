#pragma once

#include "app/Program.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

// Answers every modal message box as a player would, pressing OK, and remembers what it said.
class MessageAnswerer : public QObject {
public:
    explicit MessageAnswerer(int pollMilliseconds = 5) {
        connect(&poll_, &QTimer::timeout, this, [this] { answer(); });
        poll_.start(pollMilliseconds);
    }

    QStringList texts;
    QStringList titles;
    bool onlyOkWithoutIcon = true;
    bool applicationModal = true;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts << box->text();
        titles << box->windowTitle();
        onlyOkWithoutIcon &= box->buttons().size() == 1 && box->button(QMessageBox::Ok) &&
                             box->icon() == QMessageBox::NoIcon;
        applicationModal &= box->windowModality() == Qt::ApplicationModal;
        box->button(QMessageBox::Ok)->click();
    }

    QTimer poll_;
};

// A started game; records how the program ended. By default the generator is scripted.
struct Game {
    explicit Game(rt::RandomSource* source = nullptr) {
        rt::RandomSource& used = source ? *source : random;
        program = std::make_unique<quorvex::Program>(quorvex::ProjectSettings{}, used,
                                                     [this](int code) { exitCodes << code; });
        startResult = program->start();
        // As a player meets it: its first frame shown, its icon and descriptions given.
        finished = !startResult && QTest::qWaitFor([this] { return program->finished(); });
    }

    quorvex::Quorvex& window() { return program->window(); }
    quorvex::Announcer& announcer() { return program->announcer(); }

    ScriptedRandom random;
    QList<int> exitCodes;
    std::optional<int> startResult;
    bool finished = false;
    std::unique_ptr<quorvex::Program> program;
};
