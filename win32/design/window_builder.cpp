#include "win32/design/window_builder.h"

#include "win32/design/accessibility.h"
#include "win32/design/text.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace varnel::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"VarnelWindow";

HINSTANCE instance()
{
    return GetModuleHandleW(nullptr);
}

void registerClass(const wchar_t *name, WNDPROC procedure, HICON icon = nullptr, HICON smallIcon = nullptr)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    RegisterClassExW(&windowClass);
}

void registerClasses(WNDPROC windowProc)
{
    static const bool registered = [windowProc] {
        // The application icon of the resource, in the title bar and the
        // task bar; a test program has none and gets the default.
        registerClass(kWindowClass, windowProc,
                      static_cast<HICON>(LoadImageW(instance(), L"IDI_ICON1", IMAGE_ICON, 32, 32, 0)),
                      static_cast<HICON>(LoadImageW(instance(), L"IDI_ICON1", IMAGE_ICON, 16, 16, 0)));
        registerPictureClass();
        return true;
    }();
    (void)registered;
}

// ":/assets/antenna_photo.bmp" names the resource ANTENNA_PHOTO.
std::wstring bitmapResource(std::string_view image)
{
    image = image.substr(image.find_last_of('/') + 1);
    image = image.substr(0, image.find('.'));
    std::wstring name;
    for (char c : image)
        name += static_cast<wchar_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return name;
}

DWORD windowStyle(const WindowDesign &design)
{
    return design.frame == Frame::FixedSingle ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                                              : WS_OVERLAPPEDWINDOW;
}

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(const ControlDesign &control)
{
    switch (control.kind) {
    case ControlKind::TextBox: {
        const DWORD align = control.align == Align::Centre ? ES_CENTER
            : control.align == Align::Right                ? ES_RIGHT
                                                           : ES_LEFT;
        const DWORD lines = control.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
        return {L"EDIT", align | lines, WS_EX_CLIENTEDGE};
    }
    case ControlKind::PictureBox:
        return {kPictureClass, 0, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::Label: {
        const DWORD align = control.align == Align::Centre ? SS_CENTER
            : control.align == Align::Right                ? SS_RIGHT
                                                           : SS_LEFT;
        return {L"STATIC", align | SS_NOTIFY, 0};
    }
    }
    return {L"STATIC", 0, 0};
}

} // namespace

namespace {

int twipsToPixels(int twips, UINT dpi)
{
    return varnel::twipsToPixels(twips, static_cast<int>(dpi));
}

} // namespace

RECT designRect(const ControlDesign &control, UINT dpi)
{
    const int left = twipsToPixels(control.left, dpi);
    const int top = twipsToPixels(control.top, dpi);
    return {left, top, left + twipsToPixels(control.width, dpi), top + twipsToPixels(control.height, dpi)};
}

namespace {

const SystemColours *g_testTheme = nullptr;

Rgb systemRgb(int index)
{
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

SystemColours systemColours()
{
    if (g_testTheme)
        return *g_testTheme;
    HIGHCONTRASTW contrast {sizeof contrast, 0, nullptr};
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return {systemRgb(COLOR_WINDOW),  systemRgb(COLOR_WINDOWTEXT), systemRgb(COLOR_MENUTEXT),
            systemRgb(COLOR_BTNFACE), systemRgb(COLOR_BTNTEXT),    high};
}

void useThemeForTesting(const SystemColours *theme)
{
    g_testTheme = theme;
}

COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

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

LRESULT DesignWindow::controlColours(HDC dc, HWND control)
{
    const ControlDesign *row = designOf(control);
    if (!row || row->background.kind == Colour::Kind::Unset)
        return 0;
    // By the designs' one rule: as designed on a light theme, readable on
    // a dark one, the user's own colours in high contrast.
    const ColourPair pair
        = resolvePair(row->background, row->foreground, systemColours(), row->kind == ControlKind::TextBox);
    const COLORREF background = colourRef(pair.background);
    SetBkColor(dc, background);
    if (row->foreground.kind != Colour::Kind::Unset)
        SetTextColor(dc, colourRef(pair.foreground));
    return reinterpret_cast<LRESULT>(brushFor(background));
}

HBRUSH DesignWindow::brushFor(COLORREF colour)
{
    for (auto &[made, brush] : m_brushes) {
        if (made == colour)
            return brush;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    m_brushes.emplace_back(colour, brush);
    return brush;
}

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
