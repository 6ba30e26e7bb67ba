// Program start: runs a command line as a separate process and returns at
// once with its task identifier, without waiting for it.
#pragma once

#include "numbers/error_kind.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The classic window styles of a started program's main window.
enum class WindowStyle : int {
    Hidden = 0,
    NormalFocus = 1,
    MinimizedFocus = 2,
    MaximizedFocus = 3,
    NormalNoFocus = 4,
    MinimizedNoFocus = 6,
};

struct StartResult
{
    ErrorKind error = ErrorKind::None;
    double taskId = 0; // the process id
    // The program really asked to run: xdg-open for "start.exe" on Linux.
    std::string program;
    // On failure, what the system said, with its error number, for the
    // user's report ("No such file or directory (error 2)").
    std::string detail;
    // The failure means that nothing on this system is set to open web
    // addresses: no default browser, no opener installed.
    bool noOpener = false;
};

// A started program that has ended with a failure: an opener with no
// browser or no handler for the address, say.
struct FailedProgram
{
    double taskId = 0;
    std::string program;
    std::string reason; // "exited with status 3", "was killed by signal 9"
    bool noOpener = false; // as StartResult's
};

class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    virtual StartResult start(std::string_view commandLine, WindowStyle style) = 0;
    // Reaps every started program that has ended, without waiting, and
    // returns those that failed, each once.
    virtual std::vector<FailedProgram> collectFailures() { return {}; }
    // Whether a started program may still be running (and be collected).
    virtual bool anyRunning() const { return false; }
};

// A command line taken apart at its blanks (numbers/blanks.h); no shell ever sees it. The
// program may be written in double quotes, so that a path with blanks names
// one program; arguments are never unquoted.
struct ParsedCommand
{
    std::string program;
    std::vector<std::string> arguments;
    std::string rest; // everything after the program, as written, trimmed
    // "start.exe X" (or "start X") asks to open X with the desktop's default
    // handler: X is then the whole rest of the line, as one argument.
    bool openWithDefaultHandler = false;
};

ParsedCommand splitProgramCommand(std::string_view commandLine);

// Starts processes on this machine. "start.exe" exists on no current
// desktop, so a request for it opens its argument with the default handler
// (xdg-open on Linux and the BSDs, open on macOS, the shell on Windows);
// the style cannot hide another program's window there and is not passed on.
// Any other program is the command line's first word (or quoted path), run
// exactly: never through a shell, and on Windows never by CreateProcess's
// guessing where an unquoted path with blanks ends. A command line with a NUL
// character, or on Windows one that is not valid UTF-8, is refused.
class SystemProgramStarter final : public ProgramStarter
{
public:
    SystemProgramStarter() = default;
    SystemProgramStarter(const SystemProgramStarter &) = delete;
    SystemProgramStarter &operator=(const SystemProgramStarter &) = delete;
    ~SystemProgramStarter() override;

    StartResult start(std::string_view commandLine, WindowStyle style) override;
    std::vector<FailedProgram> collectFailures() override;
    bool anyRunning() const override;

private:
    struct Child
    {
        long pid;
        std::string program;
    };
    std::vector<Child> m_children; // started, not yet reaped
    std::vector<FailedProgram> m_failures; // reaped, not yet collected
};

} // namespace varnel
