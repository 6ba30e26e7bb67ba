#include "win32/design/application.h"

#include <utility>

namespace varnel::win32 {

namespace {

int openWindows = 0;

} // namespace

UINT systemDpi()
{
    return GetDpiForSystem();
}

void countWindow(DesignWindow &window)
{
    ++openWindows;
    auto previous = std::move(window.onDestroyed);
    window.onDestroyed = [previous = std::move(previous)] {
        if (--openWindows == 0)
            PostQuitMessage(0);
        if (previous)
            previous();
    };
}

} // namespace varnel::win32
