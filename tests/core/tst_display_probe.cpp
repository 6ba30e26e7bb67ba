// Which display the window program can use, asked before Qt starts: the
// environment as the user's session sets it, and sockets that answer or not.
#include "platform/display_probe.h"
#include "tests/shared/test_environment.h"

#include <doctest.h>

#if defined(__linux__)

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace varnel;

TEST_CASE("the display the window can use is found before Qt starts")
{
    // A listening socket stands in for a running Wayland compositor.
    testing::ScratchFolder dir("varnel-display");
    const std::string socketPath = (dir.path() / "wayland-test").string();
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    REQUIRE(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
    REQUIRE(::listen(listener, 4) == 0);

    const struct
    {
        const char *tag;
        const char *platform;
        const char *display;
        const char *wayland;
        const char *session;
        bool waylandInstalled;
        const char *chosen;
        std::string problem; // empty: the window may start
    } rows[] = {
        {"nothing set", nullptr, nullptr, nullptr, nullptr, true, "",
         "no graphical display found (DISPLAY is not set)"},
        {"an X display nobody serves", nullptr, ":77", nullptr, nullptr, true, "",
         "the display :77 named by DISPLAY does not answer"},
        {"a malformed DISPLAY", nullptr, "nonsense", nullptr, nullptr, true, "",
         "the display nonsense named by DISPLAY does not answer"},
        {"a live Wayland socket", nullptr, nullptr, socketPath.c_str(), nullptr, true, "wayland", ""},
        {"a Wayland session", nullptr, ":77", socketPath.c_str(), "wayland", true, "wayland", ""},
        {"Wayland without its plugin", nullptr, nullptr, socketPath.c_str(), "wayland", false, "",
         "the Wayland display " + socketPath
             + " answers, but Qt's Wayland platform plugin is not installed (Debian package: qt6-wayland)"},
        {"a dead Wayland socket", nullptr, nullptr, "/nonexistent/wayland-0", nullptr, true, "",
         "the Wayland display /nonexistent/wayland-0 does not answer"},
        {"offscreen chosen on purpose", "offscreen", nullptr, nullptr, nullptr, true, "offscreen", ""},
        {"a plugin nobody installed", "vnc", nullptr, nullptr, nullptr, true, "",
         "Qt's platform plugin 'vnc' named by QT_QPA_PLATFORM is not installed"},
        {"xcb chosen, no server", "xcb", ":77", nullptr, nullptr, true, "",
         "the display :77 named by DISPLAY does not answer"},
        {"wayland chosen, none named", "wayland", nullptr, nullptr, nullptr, true, "",
         "QT_QPA_PLATFORM names Wayland, but WAYLAND_DISPLAY is not set"},
        {"wayland chosen, its plugin missing", "wayland", nullptr, socketPath.c_str(), nullptr, false, "",
         "Qt's Wayland platform plugin is not installed (Debian package: qt6-wayland)"},
        {"the first of a list that starts", "wayland;offscreen", nullptr, nullptr, nullptr, true, "offscreen", ""},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        testing::ScopedVariable platform("QT_QPA_PLATFORM", row.platform);
        testing::ScopedVariable display("DISPLAY", row.display);
        testing::ScopedVariable wayland("WAYLAND_DISPLAY", row.wayland);
        testing::ScopedVariable session("XDG_SESSION_TYPE", row.session);
        const DisplayChoice choice = chooseDisplay([&](std::string_view name) {
            return name == "wayland" ? row.waylandInstalled : name == "xcb" || name == "offscreen";
        });
        CHECK(choice.platform == row.chosen);
        CHECK(choice.problem == row.problem);
    }
    ::close(listener);
}

#endif
