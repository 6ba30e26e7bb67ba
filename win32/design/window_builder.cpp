#include "win32/design/window_builder.h"

#include "win32/design/accessibility.h"
#include "win32/design/layout.h"
#include "win32/design/text.h"
#include "win32/design/window_class.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace varnel::win32 {

DesignWindow::DesignWindow(const WindowDesign &design, UINT dpi)
    : m_design(design)
    , m_dpi(dpi)
{
    registerClasses(&DesignWindow::windowProc);
    build();
}

DesignWindow::~DesignWindow()
{
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        const HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(hwnd);
    }
    for (auto &[design, font] : m_fonts)
        DeleteObject(font);
    for (auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
    for (const auto &image : m_pictures)
        DeleteObject(image->bitmap);
}

void DesignWindow::build()
{
    const DWORD style = windowStyle(m_design) | WS_CLIPCHILDREN;
    RECT frame {0, 0, twipsToPixels(m_design.clientWidth, m_dpi), twipsToPixels(m_design.clientHeight, m_dpi)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, m_dpi);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (!m_design.defaultPosition) {
        x = twipsToPixels(m_design.left, m_dpi) + frame.left;
        y = twipsToPixels(m_design.top, m_dpi) + frame.top;
    }
    // No owner: each window stands on its own in the task bar.
    m_hwnd = CreateWindowExW(0, kWindowClass, widen(m_design.title).c_str(), style, x, y, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, instance(), nullptr);
    if (!m_hwnd)
        std::abort(); // out of window handles: nothing this program can do
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    for (std::size_t i = 0; i < m_design.controls.size(); ++i) {
        const ControlDesign &row = m_design.controls[i];
        HWND parent = m_hwnd;
        if (!row.parent.empty())
            parent = control(row.parent);
        const ControlClass kind = controlClass(row);
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style;
        if (row.tabStop)
            style |= WS_TABSTOP;
        if (row.kind == ControlKind::PictureBox)
            style |= WS_CLIPCHILDREN;
        const std::wstring text = row.kind == ControlKind::PictureBox ? std::wstring() : widen(row.text);
        HWND hwnd = CreateWindowExW(kind.exStyle, kind.name, text.c_str(), style, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(i))), instance(), nullptr);
        if (!hwnd)
            std::abort();
        if (row.kind == ControlKind::TextBox)
            SendMessageW(hwnd, EM_LIMITTEXT, 0, 0); // any text, any length
        if (row.kind == ControlKind::PictureBox) {
            auto image = std::make_unique<PictureImage>();
            image->bitmap = static_cast<HBITMAP>(
                LoadImageW(instance(), bitmapResource(row.text).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            if (image->bitmap) {
                BITMAP info {};
                GetObjectW(image->bitmap, sizeof info, &info);
                image->width = info.bmWidth;
                image->height = info.bmHeight;
            }
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(image.get()));
            m_pictures.push_back(std::move(image));
        }
        if (!row.description.empty())
            describeForScreenReaders(hwnd, {}, row.description);
        m_controls.push_back(hwnd);
    }
    // A higher tab index lies on top; children are made at the bottom of
    // their siblings, so each is lifted above those made before it.
    for (HWND hwnd : m_controls)
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    applyDpi(m_dpi);
}

HWND DesignWindow::control(std::string_view name) const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_design.controls[i].name == name)
            return m_controls[i];
    }
    std::abort(); // a misspelt control name
}

const ControlDesign *DesignWindow::designOf(HWND control) const
{
    const int index = indexOf(control);
    return index < 0 ? nullptr : &m_design.controls[static_cast<std::size_t>(index)];
}

int DesignWindow::indexOf(HWND control) const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] == control)
            return static_cast<int>(i);
    }
    return -1;
}

void DesignWindow::show(int command)
{
    if (IsIconic(m_hwnd))
        command = SW_RESTORE;
    ShowWindow(m_hwnd, command);
    SetForegroundWindow(m_hwnd);
    // As Qt does with a window it shows: the focus on the first control
    // that Tab visits, unless it is in the window already.
    const HWND focus = GetFocus();
    if (focus != m_hwnd && IsChild(m_hwnd, focus))
        return;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_design.controls[i].tabStop) {
            SetFocus(m_controls[i]);
            return;
        }
    }
}

void DesignWindow::onClick(std::string_view control, std::function<void()> handler)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_design.controls[i].name == control) {
            m_clickHandlers.emplace_back(controlId(i), std::move(handler));
            return;
        }
    }
    std::abort(); // a misspelt control name
}

bool DesignWindow::onSetCursor(HWND)
{
    return false;
}

LRESULT CALLBACK DesignWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *window = reinterpret_cast<DesignWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->m_hwnd = nullptr;
        // Last, and moved out first: it may delete the window's object.
        if (auto destroyed = std::move(window->onDestroyed))
            destroyed();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->handle(message, wParam, lParam);
}

LRESULT DesignWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 brushFor(colourRef(resolveWindowBackground(m_design.background, systemColours()))));
        return 1;
    }
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
        // A new theme, or high contrast switched: every control repaints
        // in the colours the rule gives on it.
        RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush = controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_COMMAND:
        // BN_CLICKED and STN_CLICKED are the same code.
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            for (const auto &[id, handler] : m_clickHandlers) {
                if (id == LOWORD(wParam)) {
                    handler();
                    return 0;
                }
            }
        }
        break;
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

} // namespace varnel::win32
