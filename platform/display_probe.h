// Which graphical display the window program can use, asked before the
// window system is started: Qt's platform plugin ends the program with a
// long message and an abort when it cannot connect or is not installed, and
// suggests reinstalling.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace varnel {

struct DisplayChoice
{
    std::string platform; // the Qt platform to start: "wayland", "xcb", or QT_QPA_PLATFORM's choice
    std::string problem; // when none can start: why not, in one line
};

// Reads QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY and DISPLAY, and
// connects to the displays they name. `installed` says whether Qt's
// platform plugin of a name ("wayland", "xcb", "offscreen") is there. A
// platform the user names is taken if it can start; otherwise Wayland in a
// Wayland session, then X, then Wayland.
DisplayChoice chooseDisplay(const std::function<bool(std::string_view)> &installed);

} // namespace varnel
