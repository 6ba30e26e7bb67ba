// The Windows classes that the designs' windows and controls are made of,
// registered once per program, and the resources they load.
#pragma once

#include "designs/window_design.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace varnel::win32 {

inline constexpr wchar_t kWindowClass[] = L"VarnelWindow";

HINSTANCE instance();
// The designs' window class, run by `windowProc`, and the picture box's.
void registerClasses(WNDPROC windowProc);
// ":/assets/antenna_photo.bmp" names the resource ANTENNA_PHOTO.
std::wstring bitmapResource(std::string_view image);
DWORD windowStyle(const WindowDesign &design);

// The class, styles and extended styles of a control of the design.
struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};
ControlClass controlClass(const ControlDesign &control);

} // namespace varnel::win32
