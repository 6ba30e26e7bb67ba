#include "platform/program_start.h"
#include "tests/shared/test_environment.h"

#include <doctest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace varnel;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// What a started stand-in wrote, once it has written it. The record is
// renamed into place, but on Windows the renaming handle can still hold it
// for a moment after it appears (a sharing violation, read as nothing), so
// reading is retried too, not only waiting for the name.
std::string awaitRecord(const fs::path &record)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        if (std::ifstream in {record, std::ios::binary}) {
            std::string text {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (!text.empty() || std::chrono::steady_clock::now() >= deadline)
                return text;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

TEST_CASE("command lines taken apart")
{
    const struct
    {
        const char *tag;
        std::string commandLine;
        std::string program;
        std::vector<std::string> arguments;
        bool defaultHandler;
    } rows[] = {
        {"the link's command", "start.exe https://example.net/omni/", "start.exe", {"https://example.net/omni/"}, true},
        {"START.EXE in capitals", "START.EXE https://example.net/", "START.EXE", {"https://example.net/"}, true},
        {"start keeps the rest whole", "start a b;c", "start", {"a b;c"}, true},
        {"other program, blank separated", "  echo one  two ", "echo", {"one", "two"}, false},
        {"quoted program path with blanks", "\"C:\\Program Files\\x.exe\" a", "C:\\Program Files\\x.exe", {"a"}, false},
        {"unquoted path ends at its first blank", "C:\\Program Files\\x.exe", "C:\\Program", {"Files\\x.exe"}, false},
        {"empty", "", "", {}, false},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        const ParsedCommand parsed = splitProgramCommand(row.commandLine);
        CHECK(parsed.program == row.program);
        CHECK(parsed.arguments == row.arguments);
        CHECK(parsed.openWithDefaultHandler == row.defaultHandler);
    }
}

TEST_CASE("command lines that cannot start")
{
    const struct
    {
        const char *tag;
        std::string commandLine;
    } rows[] = {
        {"no such program", "/nonexistent/varnel-test-program"},
        {"empty", ""},
        {"blanks only", "   "},
        {"start without target", "start.exe "},
        {"an embedded NUL", "start.exe https://example.net/\0; rm"s},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        SystemProgramStarter starter;
        const StartResult result = starter.start(row.commandLine, WindowStyle::Hidden);
        CHECK(result.error == ErrorKind::CannotStartProgram);
        CHECK(result.taskId == 0);
        CHECK(!result.detail.empty());
    }
}

#if !defined(_WIN32)

namespace {

// A stand-in program that records its arguments, one per line.
fs::path writeRecorder(const fs::path &dir, const std::string &name, const fs::path &record)
{
    const fs::path script = dir / name;
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << record.string() << ".tmp' && mv '"
                          << record.string() << ".tmp' '" << record.string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

} // namespace

TEST_CASE("start.exe opens its target with the desktop's handler, as one argument")
{
    testing::ScratchFolder dir("varnel start");
    const fs::path record = dir.path() / "args";
    writeRecorder(dir.path(), "xdg-open", record);
    testing::ScopedPathPrefix path(dir.path());
    SystemProgramStarter starter;
    // A semicolon and a dollar sign would mean something to a shell.
    const StartResult result = starter.start("start.exe https://example.net/a;b$HOME/", WindowStyle::Hidden);
    CHECK(result.error == ErrorKind::None);
    CHECK(result.taskId > 0);
    CHECK(awaitRecord(record) == "1\nhttps://example.net/a;b$HOME/\n");
}

TEST_CASE("other programs start without a shell")
{
    testing::ScratchFolder dir("varnel start");
    const fs::path record = dir.path() / "args";
    const fs::path recorder = writeRecorder(dir.path(), "recorder", record);
    SystemProgramStarter starter;
    // A shell would expand the variable and the star and end at the semicolon.
    const StartResult result = starter.start("  \"" + recorder.string() + "\" a;b $HOME * 'q'", WindowStyle::Hidden);
    CHECK(result.error == ErrorKind::None);
    CHECK(result.taskId > 0);
    CHECK(awaitRecord(record) == "4\na;b\n$HOME\n*\n'q'\n");
}

// xdg-open ends with 3 where no tool it knows can open the address; an
// opener that is not installed at all is the same news. Other failures
// are not.
TEST_CASE("an opener that finds nothing to open web addresses is told apart")
{
    const struct
    {
        int status;
        bool noOpener;
    } rows[] = {{3, true}, {4, false}};
    for (const auto &row : rows) {
        INFO(row.status);
        testing::ScratchFolder dir("varnel start");
        const fs::path opener = dir.path() / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\nexit " << row.status << "\n";
        fs::permissions(opener, fs::perms::owner_all);
        testing::ScopedPathPrefix path(dir.path());
        SystemProgramStarter starter;
        REQUIRE(starter.start("start.exe https://example.net/", WindowStyle::Hidden).error == ErrorKind::None);
        std::vector<FailedProgram> failed;
        for (int wait = 0; wait < 400 && failed.empty(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            failed = starter.collectFailures();
        }
        REQUIRE(failed.size() == 1);
        CHECK(failed[0].noOpener == row.noOpener);
    }
    testing::ScratchFolder empty("varnel start");
    const testing::ScopedVariable path("PATH", empty.path().string());
    SystemProgramStarter starter;
    const StartResult missing = starter.start("start.exe https://example.net/", WindowStyle::Hidden);
    CHECK(missing.error == ErrorKind::CannotStartProgram);
    CHECK(missing.noOpener);
}

TEST_CASE("the system's reason reaches the report")
{
    SystemProgramStarter starter;
    const StartResult result = starter.start("/nonexistent/varnel-test-program", WindowStyle::Hidden);
    CHECK(result.detail.find("(error 2)") != std::string::npos); // ENOENT
}

#else

namespace {

// program_start_helper.exe, built beside this test, writes its own command
// line to the file that VARNEL_RECORD names.
fs::path helperExe()
{
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return fs::path(self).parent_path() / "program_start_helper.exe";
}

struct Helper
{
    // A name with a blank in it, as a user's folder may have.
    testing::ScratchFolder dir {"varnel start"};
    fs::path record = dir.path() / "record.txt";
    fs::path exe = dir.path() / "sub dir" / "helper.exe";
    testing::ScopedVariable recordVariable {"VARNEL_RECORD", record.string()};
    Helper()
    {
        fs::create_directories(exe.parent_path());
        fs::copy_file(helperExe(), exe);
    }
};

std::string utf8(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Built by appending: GCC 12 misreads literal + string + literal under -O3
// (a false -Wrestrict).
std::string quoted(const fs::path &path)
{
    std::string text(1, '"');
    text.append(utf8(path)).push_back('"');
    return text;
}

} // namespace

TEST_CASE("a quoted path with blanks starts that program, after leading blanks")
{
    Helper helper;
    SystemProgramStarter starter;
    const StartResult result = starter.start("   " + quoted(helper.exe) + " a;b %PATH%  ", WindowStyle::Hidden);
    CHECK(result.error == ErrorKind::None);
    CHECK(result.taskId > 0);
    CHECK(awaitRecord(helper.record) == quoted(helper.exe) + " a;b %PATH%");
}

TEST_CASE("an unquoted path with blanks is not guessed at")
{
    Helper helper;
    SystemProgramStarter starter;
    // CreateProcess alone would try "...\sub.exe", then find "...\sub dir\helper.exe".
    const StartResult result = starter.start(utf8(helper.exe), WindowStyle::Hidden);
    CHECK(result.error == ErrorKind::CannotStartProgram);
    CHECK(result.detail.find("(error 2)") != std::string::npos);
    CHECK(!fs::exists(helper.record));
}

TEST_CASE("start.exe hands its target to the shell")
{
    Helper helper;
    SystemProgramStarter starter;
    const StartResult result = starter.start("start.exe " + utf8(helper.exe), WindowStyle::Hidden);
    CHECK(result.error == ErrorKind::None);
    CHECK(!awaitRecord(helper.record).empty());
}

TEST_CASE("failures carry the system's reason")
{
    const struct
    {
        const char *tag;
        std::string commandLine;
        const char *code;
    } rows[] = {
        {"missing program", "C:\\nonexistent\\varnel-test-program.exe", "(error 2)"},
        {"invalid UTF-8", "helper \xff\xfe", "(error 1113)"},
        {"shell cannot open it", "start.exe C:\\nonexistent\\varnel-test-file.varnel", "(error "},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        SystemProgramStarter starter;
        const StartResult result = starter.start(row.commandLine, WindowStyle::Hidden);
        CHECK(result.error == ErrorKind::CannotStartProgram);
        CHECK(result.detail.find(row.code) != std::string::npos);
    }
}

#endif
