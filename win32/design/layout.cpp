#include "win32/design/layout.h"

#include "win32/design/text.h"
#include "win32/design/window_builder.h"

#include <cmath>

namespace varnel::win32 {

RECT designRect(const ControlDesign &control, UINT dpi)
{
    const int left = twipsToPixels(control.left, dpi);
    const int top = twipsToPixels(control.top, dpi);
    return {left, top, left + twipsToPixels(control.width, dpi), top + twipsToPixels(control.height, dpi)};
}

void DesignWindow::applyDpi(UINT dpi)
{
    m_dpi = dpi;
    for (auto &[design, font] : m_fonts)
        DeleteObject(font);
    m_fonts.clear();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlDesign &row = m_design.controls[i];
        RECT at = designRect(row, dpi);
        auto *image = row.kind == ControlKind::PictureBox
            ? reinterpret_cast<PictureImage *>(GetWindowLongPtrW(m_controls[i], GWLP_USERDATA))
            : nullptr;
        if (image)
            image->dpi = dpi;
        if (image && row.autoSize) {
            // The image at this DPI, and the sunken border around it.
            const SIZE scaled = scaledImage(*image);
            RECT size {0, 0, scaled.cx, scaled.cy};
            AdjustWindowRectExForDpi(&size, WS_CHILD, FALSE, WS_EX_CLIENTEDGE, dpi);
            at.right = at.left + (size.right - size.left);
            at.bottom = at.top + (size.bottom - size.top);
        }
        SetWindowPos(m_controls[i], nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row.font)), FALSE);
        if (row.kind == ControlKind::TextBox) {
            // A pixel each side, as the designer's boxes had: "MM" fits its box.
            SendMessageW(m_controls[i], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
        }
        if (row.kind == ControlKind::TextBox && row.multiLine) {
            // The last line of a two-line caption is laid out even where the
            // box cuts it, as the designer saw it, instead of left out.
            RECT format;
            GetClientRect(m_controls[i], &format);
            format.bottom += static_cast<LONG>(twipsToPixels(kTwipsPerPixel * 16, dpi));
            SendMessageW(m_controls[i], EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
        }
    }
    // The client area at its design size; the frame is whatever the system
    // draws around it at this window's DPI.
    RECT window;
    RECT client;
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    POINT origin {0, 0};
    ClientToScreen(m_hwnd, &origin);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = window.left;
    int y = window.top;
    if (!m_design.defaultPosition) {
        x = twipsToPixels(m_design.left, dpi) - (origin.x - window.left);
        y = twipsToPixels(m_design.top, dpi) - (origin.y - window.top);
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(m_hwnd, nullptr, x, y, twipsToPixels(m_design.clientWidth, dpi) + frameWidth,
                 twipsToPixels(m_design.clientHeight, dpi) + frameHeight, flags);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

HFONT DesignWindow::fontFor(const FontDesign &font)
{
    for (auto &[design, made] : m_fonts) {
        if (design == font)
            return made;
    }
    // Points to pixels at this DPI, as the designer's 8.25 pt is 11 px at 96.
    const int height = -static_cast<int>(std::lround(font.pointSize * m_dpi / 72.0));
    HFONT made = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, widen(kDesignFontFamily).c_str());
    m_fonts.emplace_back(font, made);
    return made;
}

} // namespace varnel::win32
