#include "keys.h"

namespace win {

namespace {

rt::Key keyOf(WPARAM vk) {
    switch (vk) {
    case VK_UP:
        return rt::Key::ArrowUp;
    case VK_DOWN:
        return rt::Key::ArrowDown;
    case VK_LEFT:
        return rt::Key::ArrowLeft;
    case VK_RIGHT:
        return rt::Key::ArrowRight;
    case VK_PRIOR:
        return rt::Key::PageUp;
    case VK_NEXT:
        return rt::Key::PageDown;
    case VK_HOME:
        return rt::Key::Home;
    case VK_END:
        return rt::Key::End;
    case VK_ESCAPE:
        return rt::Key::Escape;
    case VK_RETURN:
        return rt::Key::Enter;
    case VK_SPACE:
        return rt::Key::Space;
    case VK_TAB:
        return rt::Key::Tab;
    case VK_OEM_PLUS:
        return rt::Key::Equal;
    case VK_OEM_MINUS:
        return rt::Key::Minus;
    case '0':
        return rt::Key::Digit0;
    case VK_ADD:
        return rt::Key::NumpadAdd;
    case VK_SUBTRACT:
        return rt::Key::NumpadSubtract;
    case VK_NUMPAD0:
        return rt::Key::Numpad0;
    case 'C':
        return rt::Key::KeyC;
    case 'S':
        return rt::Key::KeyS;
    case 'P':
        return rt::Key::KeyP;
    case VK_APPS:
        return rt::Key::ContextMenu;
    case VK_F10:
        return rt::Key::F10;
    default:
        return rt::Key::Other;
    }
}

bool held(int vk) {
    return GetKeyState(vk) & 0x8000;
}

} // namespace

rt::KeyPress keyPressOf(const MSG& msg) {
    return {keyOf(msg.wParam), held(VK_CONTROL), held(VK_SHIFT), held(VK_MENU)};
}

} // namespace win
