#include "window/Quorvex.h"

#include "rules/Amounts.h"
#include "rules/ChipNames.h"
#include "rules/MoneyCheck.h"
#include "rules/Payout.h"
#include "rules/Staking.h"
#include "runtime/ProgramEnd.h"
#include "window/CaptionLabel.h"
#include "window/ChipKeys.h"
#include "window/CommandButton.h"
#include "window/Design.h"

#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace quorvex {
namespace {

QPushButton& makeButton(QWidget& window, const design::ButtonDesign& design) {
    auto* button = new CommandButton(QString::fromLatin1(design.caption), window);
    button->setObjectName(QString::fromLatin1(design.name));
    button->setGeometry(toPixels(design.place));
    button->setFont(design::fontOf(design::buttonFont));
    button->setVisible(design.visible);
    return *button;
}

CaptionLabel& makeLabel(QWidget& window, const char* name) {
    for (const auto& design : design::labels)
        if (std::string_view(design.name) == name)
            return *new CaptionLabel(window, design);
    throw rt::RunError::noSuchElement();
}

ChipImage& makeFirstChip(QWidget& window, const ChipPicture& picture) {
    auto* chip = new ChipImage(window, picture, 0);
    chip->setGeometry(toPixels(design::chipPlace));
    chip->hide();
    return *chip;
}

ChipImage* copyChip(const ChipImage& original, std::int16_t index) {
    auto* chip = new ChipImage(*original.parentWidget(), original.picture(), index);
    chip->setGeometry(original.geometry());
    return chip;
}

CaptionLabel* copyLabel(const CaptionLabel& original, std::int16_t) {
    return new CaptionLabel(original);
}

void setLeft(QWidget& control, int twips) {
    control.move(toPixels(twips), control.y());
}
void setTop(QWidget& control, int twips) {
    control.move(control.x(), toPixels(twips));
}

std::vector<QWidget*> buttonsByTabIndex(const QWidget& window) {
    auto designs = design::buttons;
    std::ranges::sort(designs, {}, &design::ButtonDesign::tabIndex);
    std::vector<QWidget*> buttons;
    for (const auto& design : designs)
        buttons.push_back(window.findChild<QPushButton*>(QString::fromLatin1(design.name),
                                                         Qt::FindDirectChildrenOnly));
    return buttons;
}

QString reelDescription(std::int16_t reel) {
    return QStringLiteral("Reel %1").arg(reel + 1);
}

} // namespace

// Members are built in declaration order, which is the controls' creation order.
Quorvex::Quorvex(rt::Messages& messages, rt::RandomSource& random)
    : messages_(messages), random_(random), chipPicture_(":/assets/chip.svg"),
      Reset(makeButton(*this, design::buttons[0])), Done(makeButton(*this, design::buttons[1])),
      End(makeButton(*this, design::buttons[2])), Bet(makeButton(*this, design::buttons[3])),
      Spin(makeButton(*this, design::buttons[4])),
      Dollar(makeFirstChip(*this, chipPicture_), copyChip), Amt(makeLabel(*this, "Amt")),
      Digit(makeLabel(*this, "Digit"), copyLabel), Comment(makeLabel(*this, "Comment")),
      MoneyLabel(makeLabel(*this, "MoneyLabel")), Money(makeLabel(*this, "Money")) {
    setWindowTitle(design::windowTitle);
    setFixedSize(toPixels(design::clientWidth), toPixels(design::clientHeight));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette background = palette();
    background.setColor(QPalette::Window, design::windowBackground);
    setPalette(background);
    setAutoFillBackground(true);
    setTabOrder();
}

void Quorvex::describe() {
    Money.setAccessibleDescription("Money");
    Amt.setAccessibleDescription("Stake");
    Comment.setAccessibleDescription("Message");
    for (std::int16_t i = 0; i < Digit.count(); ++i)
        Digit[i].setAccessibleDescription(reelDescription(i));
    for (std::int16_t i = 0; i < Dollar.count(); ++i)
        Dollar[i].setAccessibleName(QString::fromLatin1(chipName(i)));
    End.setAccessibleDescription("Ends the game.");
    Bet.setAccessibleDescription(QStringLiteral("Shows the chips. While they are shown, ") +
                                 chipKeysDescription());
}

void Quorvex::setTabOrder() {
    // The buttons by tab index, the last leading back to the first; labels and chips take no
    // focus.
    const std::vector<QWidget*> chain = buttonsByTabIndex(*this);
    for (std::size_t i = 0; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[(i + 1) % chain.size()]);
}

void Quorvex::moneycheck(const rt::Variant& kind) {
    quorvex::moneycheck(*this, messages_, kind);
}

void Quorvex::duplicate() {
    for (std::int16_t i = 1; i < reelCount; ++i) {
        CaptionLabel& reel = Digit.load(i);
        setLeft(reel, design::reelPlace.left + design::reelPitch * i);
        setTop(reel, design::reelPlace.top);
        reel.setVisible(true);
    }
    for (std::int16_t i = 1; i < chipCount; ++i) {
        ChipImage& chip = Dollar.load(i);
        setTop(chip, design::chipPlace.top + design::chipRowPitch * (i / design::chipColumns));
        setLeft(chip, design::chipPlace.left + design::chipColumnPitch * (i % design::chipColumns));
        chip.setVisible(false);
    }
}

void Quorvex::Form_Load() {
    random_.randomize();
    duplicate();
}

void Quorvex::Spin_Click() {
    spin_.spin(*this, random_);
}

void Quorvex::Bet_Click() {
    showChips(true);
    Done.setVisible(true);
    Spin.setVisible(false);
    moneycheck(std::int16_t{checkAtBet});
}

void Quorvex::Done_Click() {
    showChips(false);
    Done.setVisible(false);
    Spin.setVisible(true);
    moneycheck(std::int16_t{checkAtDone});
}

void Quorvex::Reset_Click() {
    Spin.setVisible(true);
    Bet.setVisible(true);
    Done.setVisible(false);
    showChips(false);
    setCaption(Label::Money, design::startingBankroll);
    setCaption(Label::Comment, design::startingComment);
    for (std::int16_t i = 0; i < reelCount; ++i)
        setReelCaption(i, design::startingReel);
    setCaption(Label::Amt, design::startingStake);
}

void Quorvex::End_Click() {
    rt::endProgram();
}

void Quorvex::Dollar_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t, float,
                               float) {
    if (Button == rightButton)
        messages_.show(chipName(Index));
    else if (Button == leftButton)
        stakeChip(*this, Index);
}

void Quorvex::keyPressEvent(QKeyEvent* event) {
    const auto key = chipKeyOf(*event);
    if (!key || key->chip >= Dollar.count() || !Dollar[key->chip].isVisible()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) // a held key stakes once, as a held mouse button does
        Dollar[key->chip].press(key->button, ChipImage::shiftCode(event->modifiers()));
}

void Quorvex::showChips(bool shown) {
    for (std::int16_t i = 0; i < chipCount; ++i)
        Dollar[i].setVisible(shown);
}

QLabel& Quorvex::label(Label which) const {
    switch (which) {
    case Label::Money:
        return Money;
    case Label::Amt:
        return Amt;
    case Label::Comment:
        return Comment;
    }
    throw rt::RunError::noSuchElement();
}

std::string Quorvex::caption(Label which) const {
    return label(which).text().toStdString();
}

void Quorvex::setCaption(Label which, const std::string& text) {
    label(which).setText(QString::fromStdString(text));
}

std::string Quorvex::reelCaption(std::int16_t reel) const {
    return Digit[reel].text().toStdString();
}

void Quorvex::setReelCaption(std::int16_t reel, const std::string& text) {
    Digit[reel].setText(QString::fromStdString(text));
}

} // namespace quorvex
