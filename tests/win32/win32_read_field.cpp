// Asks a running varnel.exe about one of its windows, found by its title,
// for the end-to-end check:
//   win32_read_field TITLE CONTROL     the control's text
//   win32_read_field TITLE CONTROL at  the screen point at its centre
//   win32_read_field TITLE             the window's rectangle: x y width height
#include "designs/main_window_design.h"
#include "designs/notes_window_design.h"
#include "designs/web_link_window_design.h"
#include "win32/design/text.h"
#include "win32/design/window_builder.h"

#include <cstdio>
#include <string>

namespace {

// Another process's control answers WM_GETTEXT; GetWindowText would not ask it.
std::string textOf(HWND control)
{
    const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return varnel::win32::narrow(text);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2)
        return 2;
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window)
        return 1;
    if (argc == 2) {
        RECT at;
        GetWindowRect(window, &at);
        std::printf("%ld %ld %ld %ld\n", at.left, at.top, at.right - at.left, at.bottom - at.top);
        return 0;
    }
    const std::string title = varnel::win32::narrow(argv[1]);
    const std::string name = varnel::win32::narrow(argv[2]);
    for (const varnel::WindowDesign *design : {&varnel::kForm1Design, &varnel::kForm2Design, &varnel::kWebDesign}) {
        if (design->title != title)
            continue;
        for (std::size_t i = 0; i < design->controls.size(); ++i) {
            if (design->controls[i].name != name)
                continue;
            const HWND control = GetDlgItem(window, varnel::win32::controlId(i));
            if (argc == 4) {
                RECT at;
                GetWindowRect(control, &at);
                std::printf("%ld %ld\n", (at.left + at.right) / 2, (at.top + at.bottom) / 2);
            } else {
                std::printf("%s\n", textOf(control).c_str());
            }
            return 0;
        }
    }
    return 1;
}
