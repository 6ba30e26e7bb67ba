#include "platform/whole_file.h"

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
