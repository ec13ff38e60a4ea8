#include "window/ChipKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace quorvex {
namespace {

constexpr std::int16_t stakeButton = 1, nameButton = 2;

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
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::int16_t>(key - Qt::Key_0);
    if (key == Qt::Key_A || key == Qt::Key_B)
        return static_cast<std::int16_t>(10 + key - Qt::Key_A);
    return std::nullopt;
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
    return ChipKey{*chip, shift ? nameButton : stakeButton};
}

} // namespace quorvex
