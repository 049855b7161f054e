#include "keymap.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// X11 and Wayland key codes of the main row's "1" .. "0" (evdev codes + 8).
// They name the physical keys, whatever symbol Shift or the layout puts on them.
constexpr quint32 kX11Digit1 = 10;
constexpr quint32 kX11Digit0 = 19;

bool hasX11KeyCodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

pirumo::KeyCode virtualKeyCode(const QKeyEvent &event)
{
    using namespace pirumo;
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= kX11Digit1 && scanCode <= kX11Digit0 && hasX11KeyCodes())
        return static_cast<KeyCode>(kDigit0 + (scanCode - kX11Digit1 + 1) % 10);

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
    default:
        return kNoKey;
    }
}

std::int16_t shiftState(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0)
                                     | (modifiers & Qt::ControlModifier ? 2 : 0)
                                     | (modifiers & Qt::AltModifier ? 4 : 0));
}
