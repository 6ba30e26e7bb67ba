#include "platform/display_probe.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string_view>

#if defined(__linux__) || defined(__FreeBSD__)
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

namespace varnel {

#if defined(__linux__) || defined(__FreeBSD__)

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool connects(int domain, const sockaddr *address, socklen_t length)
{
    const int fd = ::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, address, length) == 0;
    ::close(fd);
    return connected;
}

// A local socket by path, or (for X) by the same name in Linux's abstract
// namespace, where X servers listen too.
bool localSocketAnswers(const std::string &path, bool alsoAbstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (connects(AF_UNIX, reinterpret_cast<const sockaddr *>(&address), sizeof address))
        return true;
#if defined(__linux__)
    if (alsoAbstract) {
        sockaddr_un abstract {};
        abstract.sun_family = AF_UNIX;
        std::memcpy(abstract.sun_path + 1, path.c_str(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        return connects(AF_UNIX, reinterpret_cast<const sockaddr *>(&abstract), length);
    }
#else
    (void)alsoAbstract;
#endif
    return false;
}

bool tcpAnswers(const std::string &host, int port)
{
    addrinfo hints {};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (addrinfo *at = found; at && !answered; at = at->ai_next)
        answered = connects(at->ai_family, at->ai_addr, at->ai_addrlen);
    ::freeaddrinfo(found);
    return answered;
}

// DISPLAY is [host]:number[.screen]; no host (or "unix") means this machine.
bool xDisplayAnswers(const std::string &display)
{
    const auto colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    const std::string rest = display.substr(colon + 1);
    const std::string number = rest.substr(0, rest.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (host.empty() || host == "unix")
        return localSocketAnswers("/tmp/.X11-unix/X" + number, true);
    if (host.front() == '/') // launchd-style socket paths
        return localSocketAnswers(display.substr(0, display.find('.', colon)), false);
    return tcpAnswers(host, 6000 + std::atoi(number.c_str()));
}

constexpr std::string_view kWaylandPackage
    = "Qt's Wayland platform plugin is not installed (Debian package: qt6-wayland)";

std::string waylandSocket(const std::string &name)
{
    return name.front() == '/' ? name : environment("XDG_RUNTIME_DIR") + "/" + name;
}

// Why `platform` (one entry of QT_QPA_PLATFORM, maybe with ":options")
// cannot start; empty when it can.
std::string platformProblem(std::string_view platform, const std::function<bool(std::string_view)> &installed)
{
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name.starts_with("wayland")) {
        if (!installed("wayland"))
            return std::string(kWaylandPackage);
        const std::string wayland = environment("WAYLAND_DISPLAY");
        if (wayland.empty())
            return "QT_QPA_PLATFORM names Wayland, but WAYLAND_DISPLAY is not set";
        if (!localSocketAnswers(waylandSocket(wayland), false))
            return "the Wayland display " + wayland + " named by WAYLAND_DISPLAY does not answer";
        return {};
    }
    if (!installed(name))
        return "Qt's platform plugin '" + std::string(name) + "' named by QT_QPA_PLATFORM is not installed";
    if (name == "xcb") {
        const std::string display = environment("DISPLAY");
        if (display.empty())
            return "QT_QPA_PLATFORM names X (xcb), but DISPLAY is not set";
        if (!xDisplayAnswers(display))
            return "the display " + display + " named by DISPLAY does not answer";
    }
    // Another platform was chosen on purpose (offscreen, a VNC, ...).
    return {};
}

} // namespace

DisplayChoice chooseDisplay(const std::function<bool(std::string_view)> &installed)
{
    const std::string platforms = environment("QT_QPA_PLATFORM");
    if (!platforms.empty()) {
        // As Qt does: the first of the list that starts.
        std::string firstProblem;
        for (std::size_t start = 0; start <= platforms.size();) {
            const std::size_t end = std::min(platforms.find(';', start), platforms.size());
            const std::string platform = platforms.substr(start, end - start);
            start = end + 1;
            if (platform.empty())
                continue;
            std::string problem = platformProblem(platform, installed);
            if (problem.empty())
                return {platform, {}};
            if (firstProblem.empty())
                firstProblem = std::move(problem);
        }
        return {{}, firstProblem.empty() ? "QT_QPA_PLATFORM names no platform" : firstProblem};
    }

    const std::string wayland = environment("WAYLAND_DISPLAY");
    const bool waylandAnswers = !wayland.empty() && localSocketAnswers(waylandSocket(wayland), false);
    const bool waylandUsable = waylandAnswers && installed("wayland");
    const std::string display = environment("DISPLAY");
    const bool xAnswers = !display.empty() && xDisplayAnswers(display);
    if (waylandUsable && environment("XDG_SESSION_TYPE") == "wayland")
        return {"wayland", {}};
    if (xAnswers && installed("xcb"))
        return {"xcb", {}};
    if (waylandUsable)
        return {"wayland", {}};
    if (waylandAnswers)
        return {{}, "the Wayland display " + wayland + " answers, but " + std::string(kWaylandPackage)};
    if (xAnswers)
        return {{}, "Qt's X platform plugin is not installed (Debian package: libqt6gui6)"};
    if (display.empty() && wayland.empty())
        return {{}, "no graphical display found (DISPLAY is not set)"};
    if (!display.empty())
        return {{}, "the display " + display + " named by DISPLAY does not answer"};
    return {{}, "the Wayland display " + wayland + " does not answer"};
}

#else

DisplayChoice chooseDisplay(const std::function<bool(std::string_view)> &)
{
    return {};
}

#endif

} // namespace varnel
