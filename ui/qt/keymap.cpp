#include "keymap.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <optional>

namespace {

// X11 and Wayland key codes of the main row's "1" .. "0" (evdev codes + 8).
constexpr quint32 kX11Digit1 = 10;
constexpr quint32 kX11Digit0 = 19;

// macOS kVK_ANSI_ codes of the main row's "0" .. "9" and of the keypad's.
constexpr quint32 kMacDigits[] = {0x1D, 0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19};
constexpr quint32 kMacKeypadDigits[] = {0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C};

std::optional<pirumo::KeyCode> physicalDigit(const QKeyEvent &event, KeySource source)
{
    using namespace pirumo;
    if (source == KeySource::X11) {
        const quint32 scanCode = event.nativeScanCode();
        if (scanCode >= kX11Digit1 && scanCode <= kX11Digit0)
            return static_cast<KeyCode>(kDigit0 + (scanCode - kX11Digit1 + 1) % 10);
    } else if (source == KeySource::MacOS) {
        for (int digit = 0; digit < 10; ++digit) {
            if (event.nativeVirtualKey() == kMacDigits[digit])
                return static_cast<KeyCode>(kDigit0 + digit);
            if (event.nativeVirtualKey() == kMacKeypadDigits[digit])
                return static_cast<KeyCode>(kNumpad0 + digit);
        }
    }
    return std::nullopt;
}

} // namespace

KeySource currentKeySource()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return KeySource::X11;
    if (platform == QLatin1String("windows"))
        return KeySource::Windows;
    if (platform == QLatin1String("cocoa"))
        return KeySource::MacOS;
    return KeySource::Other;
}

pirumo::KeyCode virtualKeyCode(const QKeyEvent &event, KeySource source)
{
    using namespace pirumo;
    if (source == KeySource::Windows && event.nativeVirtualKey() != 0)
        return static_cast<KeyCode>(event.nativeVirtualKey());
    if (const auto digit = physicalDigit(event, source))
        return *digit;

    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const KeyCode zero = event.modifiers() & Qt::KeypadModifier ? kNumpad0 : kDigit0;
        return static_cast<KeyCode>(zero + (key - Qt::Key_0));
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kReturn;
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Space:
        return kSpace;
    case Qt::Key_Up:
        return kUp;
    case Qt::Key_Down:
        return kDown;
    case Qt::Key_C:
        return kLetterC;
    case Qt::Key_S:
        return kLetterS;
    case Qt::Key_V:
        return kLetterV;
    case Qt::Key_Insert:
        return kInsert;
    case Qt::Key_F1:
        return kF1;
    case Qt::Key_F2:
        return kF2;
    default:
        return kNoKey;
    }
}

std::int16_t shiftState(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? pirumo::kShiftBit : 0)
                                     | (modifiers & Qt::ControlModifier ? pirumo::kCtrlBit : 0)
                                     | (modifiers & Qt::AltModifier ? pirumo::kAltBit : 0));
}
