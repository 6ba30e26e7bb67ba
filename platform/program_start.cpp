#include "platform/program_start.h"

#include "numbers/blanks.h"
#include "numbers/unicode_text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

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

StartResult failure(std::string program, std::string detail)
{
    return {ErrorKind::CannotStartProgram, 0, std::move(program), std::move(detail)};
}

#if defined(__APPLE__)
constexpr const char *kDefaultHandler = "open";
#else
constexpr const char *kDefaultHandler = "xdg-open";
#endif

} // namespace

ParsedCommand splitProgramCommand(std::string_view commandLine)
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

StartResult systemFailure(std::string program, DWORD code)
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
    return failure(std::move(program), text + " (error " + std::to_string(code) + ")");
}

constexpr const char *kWindowsShell = "the Windows shell";

} // namespace

SystemProgramStarter::~SystemProgramStarter() = default;

// The shell hands the address on and returns; a failure it reports at once.
std::vector<FailedProgram> SystemProgramStarter::collectFailures()
{
    return {};
}

bool SystemProgramStarter::anyRunning() const
{
    return false;
}

StartResult SystemProgramStarter::start(std::string_view commandLine, WindowStyle style)
{
    if (commandLine.find('\0') != std::string_view::npos)
        return failure({}, "The command line contains a NUL character");
    const ParsedCommand parsed = splitProgramCommand(commandLine);
    if (parsed.program.empty())
        return failure({}, "The command line names no program");
    const std::string shown = parsed.openWithDefaultHandler ? kWindowsShell : parsed.program;
    // Strict: text that is not UTF-8 is an error, never a shortened string.
    const std::optional<std::wstring> wideProgram = wideOf(parsed.program);
    const std::optional<std::wstring> wideRest = wideOf(parsed.rest);
    if (!wideProgram || !wideRest)
        return systemFailure(shown, ERROR_NO_UNICODE_TRANSLATION);
    const std::wstring &program = *wideProgram;
    const std::wstring &rest = *wideRest;

    if (parsed.openWithDefaultHandler) {
        if (rest.empty())
            return failure(shown, "Nothing to open");
        SHELLEXECUTEINFOW info {};
        info.cbSize = sizeof info;
        // No system dialog on failure: the caller reports it, once.
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = rest.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info)) {
            const DWORD code = GetLastError();
            StartResult result = systemFailure(shown, code);
            // The shell finds no program for the address's scheme.
            result.noOpener = code == ERROR_NO_ASSOCIATION || code == ERROR_FILE_NOT_FOUND
                || code == ERROR_PATH_NOT_FOUND || code == SE_ERR_NOASSOC;
            return result;
        }
        const double id = info.hProcess ? GetProcessId(info.hProcess) : 0;
        if (info.hProcess)
            CloseHandle(info.hProcess);
        return {ErrorKind::None, id, shown, {}};
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
        return systemFailure(shown, GetLastError());
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
        return systemFailure(shown, GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {ErrorKind::None, static_cast<double>(process.dwProcessId), shown, {}};
}

#else

SystemProgramStarter::~SystemProgramStarter()
{
    // Whatever still runs is left to run; what has ended is reaped.
    collectFailures();
}

std::vector<FailedProgram> SystemProgramStarter::collectFailures()
{
    std::erase_if(m_children, [this](const Child &child) {
        int status = 0;
        if (::waitpid(static_cast<pid_t>(child.pid), &status, WNOHANG) == 0)
            return false; // still running
        std::string reason;
        if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
            reason = "exited with status " + std::to_string(WEXITSTATUS(status));
        else if (WIFSIGNALED(status))
            reason = "was ended by signal " + std::to_string(WTERMSIG(status));
        // xdg-open's 3: no tool it knows can open the address.
        const bool noOpener = child.program == kDefaultHandler && WIFEXITED(status) && WEXITSTATUS(status) == 3;
        if (!reason.empty())
            m_failures.push_back({static_cast<double>(child.pid), child.program, reason, noOpener});
        return true;
    });
    return std::exchange(m_failures, {});
}

bool SystemProgramStarter::anyRunning() const
{
    return !m_children.empty();
}

StartResult SystemProgramStarter::start(std::string_view commandLine, WindowStyle)
{
    // Reaped here too, so no ended opener lingers as a zombie; its failure
    // waits for collectFailures.
    const std::vector<FailedProgram> ended = collectFailures();
    m_failures.insert(m_failures.end(), ended.begin(), ended.end());
    // An argument vector ends each string at a NUL; cutting there silently
    // would start something other than what was asked for.
    if (commandLine.find('\0') != std::string_view::npos)
        return failure({}, "The command line contains a NUL character");
    ParsedCommand parsed = splitProgramCommand(commandLine);
    if (parsed.program.empty())
        return failure({}, "The command line names no program");
    if (parsed.openWithDefaultHandler)
        parsed.program = kDefaultHandler;
    if (parsed.openWithDefaultHandler && parsed.arguments.empty())
        return failure(parsed.program, "Nothing to open");

    std::vector<char *> argv;
    argv.push_back(parsed.program.data());
    for (std::string &argument : parsed.arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be executed as an error
    // here, and never involves a shell.
    if (const int error = ::posix_spawnp(&pid, parsed.program.c_str(), nullptr, nullptr, argv.data(), environ);
        error != 0) {
        StartResult result
            = failure(parsed.program, std::string(std::strerror(error)) + " (error " + std::to_string(error) + ")");
        result.noOpener = parsed.openWithDefaultHandler && error == ENOENT;
        return result;
    }
    m_children.push_back({pid, parsed.program});
    return {ErrorKind::None, static_cast<double>(pid), parsed.program, {}};
}

#endif

} // namespace varnel
