#include "win32/design/window_class.h"

#include "win32/design/picture_box.h"

namespace varnel::win32 {

namespace {

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

} // namespace

HINSTANCE instance()
{
    return GetModuleHandleW(nullptr);
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

} // namespace varnel::win32
