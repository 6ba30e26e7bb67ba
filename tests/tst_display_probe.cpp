// Which display the window program can use, asked before Qt starts: the
// environment as the user's session sets it, and sockets that answer or not.
#include "platform/display_probe.h"

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

namespace {

// A fresh directory for the socket, removed afterwards.
struct ScratchDir
{
    std::filesystem::path path;
    ScratchDir()
    {
        char pattern[] = "/tmp/varnel-display-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// Sets or clears an environment variable for one scope.
struct ScopedEnv
{
    std::string name;
    std::optional<std::string> old;
    ScopedEnv(std::string variable, const char *value)
        : name(std::move(variable))
    {
        if (const char *current = std::getenv(name.c_str()))
            old = current;
        value ? ::setenv(name.c_str(), value, 1) : ::unsetenv(name.c_str());
    }
    ~ScopedEnv() { old ? ::setenv(name.c_str(), old->c_str(), 1) : ::unsetenv(name.c_str()); }
};

} // namespace

TEST_CASE("the display the window can use is found before Qt starts")
{
    // A listening socket stands in for a running Wayland compositor.
    ScratchDir dir;
    const std::string socketPath = (dir.path / "wayland-test").string();
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
        ScopedEnv platform("QT_QPA_PLATFORM", row.platform);
        ScopedEnv display("DISPLAY", row.display);
        ScopedEnv wayland("WAYLAND_DISPLAY", row.wayland);
        ScopedEnv session("XDG_SESSION_TYPE", row.session);
        const DisplayChoice choice = chooseDisplay([&](std::string_view name) {
            return name == "wayland" ? row.waylandInstalled : name == "xcb" || name == "offscreen";
        });
        CHECK(choice.platform == row.chosen);
        CHECK(choice.problem == row.problem);
    }
    ::close(listener);
}

#endif
