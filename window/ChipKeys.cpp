#include "window/ChipKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>

namespace quorvex {
namespace {

// With Shift held a digit key carries whatever its layout puts there ("!", "=", ...), so the
// key's place on the keyboard decides: the digit row is 1 to 9, then 0.
std::optional<std::int16_t> digitRowPlace(const QKeyEvent& event) {
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        const quint32 virtualKey = event.nativeVirtualKey(); // '0' to '9' on every layout
        if (virtualKey >= '0' && virtualKey <= '9')
            return static_cast<std::int16_t>(virtualKey - '0');
        return std::nullopt;
    }
    constexpr quint32 firstDigitKeycode = 10; // X and Wayland key codes of "1" to "0"
    const quint32 code = event.nativeScanCode();
    if (code >= firstDigitKeycode && code < firstDigitKeycode + 10)
        return static_cast<std::int16_t>((code - firstDigitKeycode + 1) % 10);
    return std::nullopt;
}

std::optional<std::int16_t> chipOfKey(const QKeyEvent& event) {
    if (const auto digit = digitRowPlace(event))
        return digit;
    // Qt's codes of digit and letter keys are their characters, letters in upper case.
    const auto found = std::find(chipKeys.begin(), chipKeys.end(), event.key());
    if (found == chipKeys.end())
        return std::nullopt;
    return static_cast<std::int16_t>(found - chipKeys.begin());
}

} // namespace

std::optional<ChipKey> chipKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers allowed = Qt::ShiftModifier | Qt::KeypadModifier;
    if (event.modifiers() & ~allowed)
        return std::nullopt;
    const auto chip = chipOfKey(event);
    if (!chip)
        return std::nullopt;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    return ChipKey{*chip, shift ? rightButton : leftButton};
}

QString keyOfChip(std::int16_t chip) {
    return QString(QChar(chipKeys.at(static_cast<std::size_t>(chip))));
}

QString chipKeysDescription() {
    return QStringLiteral("the keys %1 to %2, %3 and %4 stake the chip with that many zeros (%3 "
                          "ten, %4 eleven); with Shift held they name it.")
        .arg(keyOfChip(0), keyOfChip(9), keyOfChip(10), keyOfChip(11));
}

} // namespace quorvex
