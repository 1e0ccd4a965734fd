#include "keys.h"

#include <QKeyEvent>

namespace desktop {

namespace {

// X11's key codes of the letter keys the core names (evdev + 8), for a layout that types
// another script's letter with them.
rt::Key letterAt(quint32 scanCode) {
    switch (scanCode) {
    case 54:
        return rt::Key::KeyC;
    case 39:
        return rt::Key::KeyS;
    case 33:
        return rt::Key::KeyP;
    default:
        return rt::Key::Other;
    }
}

} // namespace

rt::KeyPress keyPressOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    const bool keypad = m & Qt::KeypadModifier;
    rt::KeyPress press{rt::Key::Other, bool(m & Qt::ControlModifier), bool(m & Qt::ShiftModifier),
                       bool(m & Qt::AltModifier)};
    switch (event.key()) {
    case Qt::Key_Up:
        press.key = rt::Key::ArrowUp;
        break;
    case Qt::Key_Down:
        press.key = rt::Key::ArrowDown;
        break;
    case Qt::Key_Left:
        press.key = rt::Key::ArrowLeft;
        break;
    case Qt::Key_Right:
        press.key = rt::Key::ArrowRight;
        break;
    case Qt::Key_PageUp:
        press.key = rt::Key::PageUp;
        break;
    case Qt::Key_PageDown:
        press.key = rt::Key::PageDown;
        break;
    case Qt::Key_Home:
        press.key = rt::Key::Home;
        break;
    case Qt::Key_End:
        press.key = rt::Key::End;
        break;
    case Qt::Key_Escape:
        press.key = rt::Key::Escape;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press.key = rt::Key::Enter;
        break;
    case Qt::Key_Space:
        press.key = rt::Key::Space;
        break;
    case Qt::Key_Tab:
        press.key = rt::Key::Tab;
        break;
    case Qt::Key_Backtab: // Shift+Tab, as Qt names it
        press.key = rt::Key::Tab;
        press.shift = true;
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        press.key = keypad ? rt::Key::NumpadAdd : rt::Key::Equal;
        break;
    case Qt::Key_Minus:
        press.key = keypad ? rt::Key::NumpadSubtract : rt::Key::Minus;
        break;
    case Qt::Key_0:
        press.key = keypad ? rt::Key::Numpad0 : rt::Key::Digit0;
        break;
    case Qt::Key_C:
        press.key = rt::Key::KeyC;
        break;
    case Qt::Key_S:
        press.key = rt::Key::KeyS;
        break;
    case Qt::Key_P:
        press.key = rt::Key::KeyP;
        break;
    case Qt::Key_Menu:
        press.key = rt::Key::ContextMenu;
        break;
    case Qt::Key_F10:
        press.key = rt::Key::F10;
        break;
    default:
        press.key = letterAt(event.nativeScanCode());
    }
    return press;
}

} // namespace desktop
