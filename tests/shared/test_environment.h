// What a test changes about its process, undone when its scope ends,
// however it ends (an early return, a failed check that throws): an
// environment variable, PATH with a folder in front, the C library's
// locale, and a scratch folder of its own. Every suite uses these, never a
// restore by hand at the end of a test.
#pragma once

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace varnel::testing {

// Sets, or with no value clears, an environment variable for one scope.
class ScopedVariable
{
public:
    ScopedVariable(std::string name, const std::optional<std::string> &value)
        : m_name(std::move(name))
    {
        if (const char *current = std::getenv(m_name.c_str()))
            m_old = current;
        set(value);
    }
    // A null value clears the variable.
    ScopedVariable(std::string name, const char *value)
        : ScopedVariable(std::move(name), value ? std::optional<std::string>(value) : std::nullopt)
    {
    }
    ~ScopedVariable() { set(m_old); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    void set(const std::optional<std::string> &value) const
    {
#ifdef _WIN32
        // The C library's and the system's environment both, so that a
        // started program sees it too; an empty value clears it.
        _putenv_s(m_name.c_str(), value ? value->c_str() : "");
#else
        if (value)
            ::setenv(m_name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
#endif
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

// PATH with `folder` searched first.
class ScopedPathPrefix
{
public:
    explicit ScopedPathPrefix(const std::filesystem::path &folder)
        : m_path("PATH", folder.string() + kSeparator + (std::getenv("PATH") ? std::getenv("PATH") : ""))
    {
    }

private:
#ifdef _WIN32
    static constexpr char kSeparator = ';';
#else
    static constexpr char kSeparator = ':';
#endif
    ScopedVariable m_path;
};

// The C library's locale (every category) for one scope.
class ScopedLocale
{
public:
    explicit ScopedLocale(const char *name)
    {
        if (const char *current = std::setlocale(LC_ALL, nullptr))
            m_old = current;
        m_ok = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;
    // False when the C library has no such locale here.
    bool ok() const { return m_ok; }

private:
    std::string m_old = "C";
    bool m_ok = false;
};

inline long long processId()
{
#ifdef _WIN32
    return _getpid();
#else
    return ::getpid();
#endif
}

// A new folder in the temporary folder, named `name` and a unique tail,
// removed with everything in it at the end of the scope.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string &name)
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = std::filesystem::temp_directory_path()
            / (name + "-" + std::to_string(processId()) + "-" + std::to_string(stamp % 1000000007));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace varnel::testing
