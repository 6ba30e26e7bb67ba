// A window of the Windows front end, built from its design: the one builder
// of this toolkit, as qt/design/window_builder is Qt's. Every control is a
// child window of its class (win32/design/window_class) at its design
// rectangle (win32/design/layout), in its font and colours
// (win32/design/theme), stacked so that a higher tab index lies on top; Tab
// moves through the controls in tab-index order (win32/design/keyboard).
// The window's state lives in its object, which the window procedure
// reaches through GWLP_USERDATA.
#pragma once

#include "designs/window_design.h"
#include "win32/design/layout.h"
#include "win32/design/picture_box.h"
#include "win32/design/theme.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace varnel::win32 {

// The control's id, for WM_COMMAND: above IDOK and IDCANCEL, so that a
// dialog key never reads as a control.
constexpr int controlId(std::size_t index)
{
    return 100 + static_cast<int>(index);
}

class DesignWindow
{
public:
    DesignWindow(const WindowDesign &design, UINT dpi);
    virtual ~DesignWindow();
    DesignWindow(const DesignWindow &) = delete;
    DesignWindow &operator=(const DesignWindow &) = delete;

    HWND hwnd() const { return m_hwnd; }
    const WindowDesign &design() const { return m_design; }
    UINT dpi() const { return m_dpi; }
    // The child window of the design row named `name`; a misspelt name is a
    // programming error and ends the program.
    HWND control(std::string_view name) const;
    // The design row of a child window, or null.
    const ControlDesign *designOf(HWND control) const;

    // Shown, restored if minimised, and brought to the front.
    void show(int command = SW_SHOWNORMAL);

    // Lays the controls out and makes the fonts anew for `dpi`.
    void applyDpi(UINT dpi);

    // Called once the window is gone (closed by the user or destroyed);
    // the object may be deleted from here.
    std::function<void()> onDestroyed;

    // Runs `handler` when the control named `control` is clicked (a button
    // pressed, a label with SS_NOTIFY clicked), found by its id.
    void onClick(std::string_view control, std::function<void()> handler);

    // The design's keyboard rules, for the message loop: Tab and Shift+Tab
    // move through the controls in tab-index order, Enter on a focused
    // button presses it, Enter in a one-line text box does nothing. True
    // when the message was one of them and is handled.
    static bool translateDesignKeys(const MSG &message);

protected:
    virtual bool onSetCursor(HWND over);
    // The index of a control in the design, or -1.
    int indexOf(HWND control) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void build();
    HFONT fontFor(const FontDesign &font);
    LRESULT controlColours(HDC dc, HWND control);
    HBRUSH brushFor(COLORREF colour);
    void moveFocus(HWND from, bool backwards);

    const WindowDesign &m_design;
    UINT m_dpi;
    HWND m_hwnd = nullptr;
    std::vector<HWND> m_controls; // in design order
    std::vector<std::pair<FontDesign, HFONT>> m_fonts;
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;
    std::vector<std::unique_ptr<PictureImage>> m_pictures;
    std::vector<std::pair<int, std::function<void()>>> m_clickHandlers; // by control id
};

} // namespace varnel::win32
