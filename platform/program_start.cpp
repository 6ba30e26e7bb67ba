#include "platform/program_start.h"

#include "numbers/blanks.h"

#include <algorithm>
#include <cctype>
#include <cstring>

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

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

StartResult failure(std::string detail)
{
    return {ErrorKind::CannotStartProgram, 0, std::move(detail)};
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
    std::string_view rest = trimBlanks(commandLine);
    if (!rest.empty() && rest.front() == '"') {
        const auto close = rest.find('"', 1);
        const auto end = close == std::string_view::npos ? rest.size() : close;
        parsed.program.assign(rest.substr(1, end - 1));
        rest = trimBlanks(rest.substr(std::min(rest.size(), end + 1)));
    } else {
        const auto programEnd = std::find_if(rest.begin(), rest.end(), isBlank);
        parsed.program.assign(rest.begin(), programEnd);
        rest = trimBlanks(rest.substr(parsed.program.size()));
    }
    parsed.rest.assign(rest);

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
        rest = trimBlanks(rest.substr(length));
    }
    return parsed;
}

#if defined(_WIN32)

namespace {

StartResult systemFailure(DWORD code)
{
    char *message = nullptr;
    const DWORD length
        = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<char *>(&message), 0, nullptr);
    std::string text(message ? message : "", length);
    if (message)
        LocalFree(message);
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == '.'))
        text.pop_back();
    if (text.empty())
        text = "System error";
    return failure(text + " (error " + std::to_string(code) + ")");
}

// Strict: text that is not UTF-8 is an error, never a shortened string.
bool toWide(const std::string &text, std::wstring &wide)
{
    wide.clear();
    if (text.empty())
        return true;
    const int size
        = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0)
        return false;
    wide.resize(static_cast<std::size_t>(size));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(),
                               size)
        == size;
}

} // namespace

SystemProgramStarter::~SystemProgramStarter() = default;
void SystemProgramStarter::reapFinished() { }

StartResult SystemProgramStarter::start(std::string_view commandLine, WindowStyle style)
{
    if (commandLine.find('\0') != std::string_view::npos)
        return failure("The command line contains a NUL character");
    const ParsedCommand parsed = parseCommandLine(commandLine);
    if (parsed.program.empty())
        return failure("The command line names no program");
    std::wstring program;
    std::wstring rest;
    if (!toWide(parsed.program, program) || !toWide(parsed.rest, rest))
        return systemFailure(GetLastError());

    if (parsed.openWithDefaultHandler) {
        if (rest.empty())
            return failure("Nothing to open");
        SHELLEXECUTEINFOW info {};
        info.cbSize = sizeof info;
        // No system dialog on failure: the caller reports it, once.
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = rest.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info))
            return systemFailure(GetLastError());
        const double id = info.hProcess ? GetProcessId(info.hProcess) : 0;
        if (info.hProcess)
            CloseHandle(info.hProcess);
        return {ErrorKind::None, id, {}};
    }

    // The program is found here, as CreateProcess would (".exe" appended,
    // the usual search order), and handed over by its full path and quoted,
    // so CreateProcess never guesses where an unquoted path with blanks ends.
    std::wstring path(MAX_PATH, L'\0');
    DWORD found = SearchPathW(nullptr, program.c_str(), L".exe", static_cast<DWORD>(path.size()), path.data(), nullptr);
    if (found >= path.size()) {
        path.resize(found);
        found = SearchPathW(nullptr, program.c_str(), L".exe", static_cast<DWORD>(path.size()), path.data(), nullptr);
    }
    if (found == 0 || found >= path.size())
        return systemFailure(GetLastError());
    path.resize(found);
    std::wstring line = L"\"" + program + L"\"";
    if (!rest.empty())
        line += L" " + rest;

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return systemFailure(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {ErrorKind::None, static_cast<double>(process.dwProcessId), {}};
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
    // An argument vector ends each string at a NUL; cutting there silently
    // would start something other than what was asked for.
    if (commandLine.find('\0') != std::string_view::npos)
        return failure("The command line contains a NUL character");
    ParsedCommand parsed = parseCommandLine(commandLine);
    if (parsed.program.empty())
        return failure("The command line names no program");
    if (parsed.openWithDefaultHandler && parsed.arguments.empty())
        return failure("Nothing to open");
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
    if (const int error = ::posix_spawnp(&pid, parsed.program.c_str(), nullptr, nullptr, argv.data(), environ);
        error != 0)
        return failure(std::string(std::strerror(error)) + " (error " + std::to_string(error) + ")");
    m_children.push_back(pid);
    return {ErrorKind::None, static_cast<double>(pid), {}};
}

#endif

} // namespace varnel
