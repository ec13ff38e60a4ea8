#pragma once

#include "rules/Captions.h"
#include "rules/ReelSpin.h"
#include "runtime/Messages.h"
#include "runtime/RandomSource.h"
#include "runtime/Variant.h"
#include "window/CaptionLabel.h"
#include "window/ChipImage.h"
#include "window/ChipPicture.h"
#include "window/ControlArray.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cstdint>

namespace quorvex {

// The game's one window. It holds every control, the handlers its events are bound to and
// the captions the rules read and write. Handlers may raise rt::RunError or rt::ProgramEnd;
// whoever binds the events catches them.
class Quorvex final : public QWidget, public Captions {
    Q_OBJECT

    // Declared first: the controls below are built from them.
    rt::Messages& messages_;
    rt::RandomSource& random_;
    const ChipPicture chipPicture_;
    ReelSpin spin_;

public:
    Quorvex(rt::Messages& messages, rt::RandomSource& random);

    // The window's own procedures.
    void moneycheck(const rt::Variant& kind);
    /* once per run: a second call is a run-time error */
    void duplicate();
    /* the accessible names and descriptions, once every element exists */
    void describe();

    // Event handlers.
    void Form_Load();
    void Spin_Click();
    void Bet_Click();
    void Done_Click();
    void Reset_Click();
    void End_Click();
    void Dollar_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                          float Y);

    // Captions.
    std::string caption(Label label) const override;
    void setCaption(Label label, const std::string& text) override;
    std::string reelCaption(std::int16_t reel) const override;
    void setReelCaption(std::int16_t reel, const std::string& text) override;

    // The controls, by their names.
    QPushButton& Reset;
    QPushButton& Done;
    QPushButton& End;
    QPushButton& Bet;
    QPushButton& Spin;
    ControlArray<ChipImage> Dollar;
    QLabel& Amt;
    ControlArray<CaptionLabel> Digit;
    QLabel& Comment;
    QLabel& MoneyLabel;
    QLabel& Money;

    const ChipPicture& chipPicture() const { return chipPicture_; }

protected:
    // The chip keys, which the focused button leaves to its window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel& label(Label which) const;
    void showChips(bool shown);
    void setTabOrder();
};

} // namespace quorvex
