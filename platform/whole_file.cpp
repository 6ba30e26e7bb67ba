#include "platform/whole_file.h"

#ifdef _WIN32
#include "numbers/unicode_text.h"

#include <windows.h>

namespace varnel {

namespace {

// The system's words for an error, without the full stop and line end
// that FormatMessage adds: "There is not enough space on the disk".
std::string reason(DWORD error)
{
    wchar_t *buffer = nullptr;
    const DWORD length
        = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring words(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!words.empty()
           && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L'.' || words.back() == L' '))
        words.pop_back();
    if (words.empty())
        return "error " + std::to_string(error);
    return utf8Of(words, BadText::Replace).value_or(std::string());
}

} // namespace

// The path is UTF-8, as the program holds every text. The new file is
// flushed before it takes the target's name in one step.
std::string writeWholeFile(const std::string &path, std::string_view bytes)
{
    // A name that is not UTF-8 names no file Windows has.
    const std::optional<std::wstring> wide = wideOf(path);
    if (!wide)
        return "the file's name is not valid UTF-8";
    const std::wstring &target = *wide;
    const std::size_t slash = target.find_last_of(L"/\\:");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    const std::wstring name = slash == std::wstring::npos ? target : target.substr(slash + 1);
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary
            = folder + L"." + name + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return reason(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return reason(ERROR_FILE_EXISTS);
    const auto failed = [&](DWORD error) {
        CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return reason(error);
    };
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return failed(GetLastError());
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file))
        return failed(GetLastError());
    CloseHandle(file);
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return reason(error);
    }
    return {};
}

} // namespace varnel

#else

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varnel {

namespace {

// `stat` names a function too; the alias spares the struct keyword.
using FileStatus = struct stat;

std::string reason(int error)
{
    return std::strerror(error ? error : EIO);
}

// The file a name stands for: a link's target, so that writing through a
// link replaces the file, as writing it in place would.
std::string resolvedTarget(const std::string &path)
{
    FileStatus status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    return path; // a dangling link: replaced by the file itself
}

// A new name beside the target, made with the umask as any new file is.
int createBeside(const std::string &target, std::string &temporary)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string writeWholeFile(const std::string &path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0)
        return reason(errno);
    const auto failed = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return reason(error);
    };
    // Replacing a file keeps what it allowed.
    FileStatus existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if ((replacing && ::fchmod(fd, existing.st_mode & 07777) != 0) || !writeAll(fd, bytes) || ::fsync(fd) != 0)
        return failed(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return reason(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return reason(error);
    }
    return {};
}

} // namespace varnel

#endif
