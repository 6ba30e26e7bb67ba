#include "platform/program_start.h"

#include <algorithm>
#include <cctype>

#if defined(_WIN32)
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char **environ;
#endif

namespace varnel {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

#if defined(__APPLE__)
constexpr const char *kDefaultHandler = "open";
#else
constexpr const char *kDefaultHandler = "xdg-open";
#endif

} // namespace

ParsedCommand parseCommandLine(std::string_view commandLine)
{
    ParsedCommand parsed;
    std::string_view rest = trimmed(commandLine);
    const auto programEnd = std::find_if(rest.begin(), rest.end(), isBlank);
    parsed.program.assign(rest.begin(), programEnd);
    rest = trimmed(rest.substr(parsed.program.size()));

    if (equalsIgnoringCase(parsed.program, "start.exe") || equalsIgnoringCase(parsed.program, "start")) {
        parsed.openWithDefaultHandler = true;
        if (!rest.empty())
            parsed.arguments.emplace_back(rest);
        return parsed;
    }
    while (!rest.empty()) {
        const auto end = std::find_if(rest.begin(), rest.end(), isBlank);
        const auto length = static_cast<std::size_t>(end - rest.begin());
        parsed.arguments.emplace_back(rest.substr(0, length));
        rest = trimmed(rest.substr(length));
    }
    return parsed;
}

#if defined(_WIN32)

SystemProgramStarter::~SystemProgramStarter() = default;
void SystemProgramStarter::reapFinished() { }

StartResult SystemProgramStarter::start(std::string_view commandLine, WindowStyle style)
{
    const ParsedCommand parsed = parseCommandLine(commandLine);
    if (parsed.program.empty())
        return {ErrorKind::CannotStartProgram, 0};
    auto wide = [](const std::string &text) {
        std::wstring result(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0)),
                            L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), static_cast<int>(result.size()));
        result.pop_back();
        return result;
    };
    if (parsed.openWithDefaultHandler) {
        if (parsed.arguments.empty())
            return {ErrorKind::CannotStartProgram, 0};
        SHELLEXECUTEINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpVerb = L"open";
        const std::wstring target = wide(parsed.arguments.front());
        info.lpFile = target.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info))
            return {ErrorKind::CannotStartProgram, 0};
        const double id = info.hProcess ? GetProcessId(info.hProcess) : 0;
        if (info.hProcess)
            CloseHandle(info.hProcess);
        return {ErrorKind::None, id};
    }
    std::wstring line = wide(std::string(commandLine));
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {ErrorKind::CannotStartProgram, 0};
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {ErrorKind::None, static_cast<double>(process.dwProcessId)};
}

#else

SystemProgramStarter::~SystemProgramStarter()
{
    reapFinished();
}

void SystemProgramStarter::reapFinished()
{
    std::erase_if(m_children, [](long pid) { return ::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG) != 0; });
}

StartResult SystemProgramStarter::start(std::string_view commandLine, WindowStyle)
{
    reapFinished();
    ParsedCommand parsed = parseCommandLine(commandLine);
    if (parsed.program.empty() || (parsed.openWithDefaultHandler && parsed.arguments.empty()))
        return {ErrorKind::CannotStartProgram, 0};
    if (parsed.openWithDefaultHandler)
        parsed.program = kDefaultHandler;

    std::vector<char *> argv;
    argv.push_back(parsed.program.data());
    for (std::string &argument : parsed.arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be executed as an error
    // here, and never involves a shell.
    if (::posix_spawnp(&pid, parsed.program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return {ErrorKind::CannotStartProgram, 0};
    m_children.push_back(pid);
    return {ErrorKind::None, static_cast<double>(pid)};
}

#endif

} // namespace varnel
