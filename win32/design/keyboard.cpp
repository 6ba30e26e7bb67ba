// The designs' keyboard rules, for the message loop: Tab and Shift+Tab
// move through the controls in tab-index order, Enter on a focused button
// presses it, Enter in a one-line text box does nothing. The class is
// window_builder's; this file holds its keyboard part, as
// qt/design/keyboard does for Qt.
#include "win32/design/window_builder.h"

namespace varnel::win32 {

void DesignWindow::moveFocus(HWND from, bool backwards)
{
    const int count = static_cast<int>(m_controls.size());
    int at = indexOf(from);
    for (int step = 0; step < count; ++step) {
        at = backwards ? (at <= 0 ? count - 1 : at - 1) : (at + 1) % count;
        const HWND candidate = m_controls[static_cast<std::size_t>(at)];
        if (m_design.controls[static_cast<std::size_t>(at)].tabStop && IsWindowVisible(candidate)
            && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            if (m_design.controls[static_cast<std::size_t>(at)].kind == ControlKind::TextBox)
                SendMessageW(candidate, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool DesignWindow::translateDesignKeys(const MSG &message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    auto *window = root ? reinterpret_cast<DesignWindow *>(GetWindowLongPtrW(root, GWLP_USERDATA)) : nullptr;
    if (!window || window->m_hwnd != root)
        return false;
    const ControlDesign *row = window->designOf(message.hwnd);
    const bool tabChar = message.message == WM_CHAR && message.wParam == L'\t';
    const bool returnChar = message.message == WM_CHAR && message.wParam == L'\r';
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        window->moveFocus(message.hwnd, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (tabChar)
        return true; // the key has moved the focus; no tab goes into a box
    if (row && row->kind == ControlKind::Button && message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    // Enter in a one-line box does not compute, nor beep.
    if (row && row->kind == ControlKind::TextBox && !row->multiLine && returnChar)
        return true;
    return false;
}

} // namespace varnel::win32
