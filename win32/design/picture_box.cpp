#include "win32/design/picture_box.h"

#include "designs/window_design.h"

namespace varnel::win32 {

// The image at a DPI: its 96-DPI pixels scaled by dpi / 96, as every
// control's rectangle is, so that the labels over it stay on the points of
// the image they name.
SIZE scaledImage(const PictureImage &image)
{
    return {MulDiv(image.width, static_cast<int>(image.dpi), kDesignDpi),
            MulDiv(image.height, static_cast<int>(image.dpi), kDesignDpi)};
}

namespace {

// At 96 DPI the pixels as they are; at any other DPI scaled with Windows'
// smoothing filter. The images are a photograph and two drawings with
// hand-drawn lines: a filter serves every DPI a monitor may have (125 %,
// 175 %, ...) from the one bitmap, keeps varnel.exe small and its start
// quick, and is what Windows itself does for pictures in per-monitor
// programs.
void paintPicture(HWND hwnd, HDC dc)
{
    const auto *image = reinterpret_cast<const PictureImage *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!image || !image->bitmap)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, image->bitmap);
    const SIZE size = scaledImage(*image);
    if (size.cx == image->width && size.cy == image->height) {
        BitBlt(dc, 0, 0, image->width, image->height, memory, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, image->width, image->height, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

// A picture box: its image at the top left of its client area, inside the
// sunken border; its child controls are clipped by it, and what they ask
// of their window (colours, clicks) goes to the top-level window.
LRESULT CALLBACK pictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        paintPicture(hwnd, dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintPicture(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_SETCURSOR:
        if (message != WM_SETCURSOR || reinterpret_cast<HWND>(wParam) != hwnd)
            return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

void registerPictureClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = pictureProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kPictureClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace varnel::win32
