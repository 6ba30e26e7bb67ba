// varnel.exe: starts with the main window and runs until its last window
// closes.
#include "platform/locale_numbers.h"
#include "platform/program_start.h"
#include "win32/companion/companion_windows.h"
#include "win32/design/application.h"
#include "win32/design/error_reporter.h"
#include "win32/main/main_window.h"

#include <objbase.h>
#include <windows.h>

#include <clocale>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    // Numbers follow the user's locale, as on Linux; the dot always works.
    std::setlocale(LC_ALL, "");
    // The accessibility service is a COM object.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    varnel::win32::MessageBoxReporter reporter;
    varnel::SystemProgramStarter starter;
    const UINT dpi = varnel::win32::systemDpi();
    varnel::win32::CompanionWindows companions(reporter, starter, dpi);
    {
        varnel::win32::Form1 form1(reporter, companions, varnel::localeDecimalSeparator, dpi);
        varnel::win32::countWindow(form1);
        form1.show(show);

        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (varnel::win32::DesignWindow::translateDesignKeys(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}
