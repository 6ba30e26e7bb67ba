// How the Windows front end tells the user of a failure: through this
// interface, so that tests observe it without a message box blocking them.
#pragma once

#include "numbers/error_kind.h"

#include <windows.h>

#include <string>

namespace varnel::win32 {

class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    // A modal message box, titled with the program's name, naming the error,
    // with `detail` (UTF-8) in its body; the program goes on after OK.
    virtual void report(HWND owner, ErrorKind kind, const std::string &detail) = 0;
};

class MessageBoxReporter final : public ErrorReporter
{
public:
    void report(HWND owner, ErrorKind kind, const std::string &detail) override;
};

} // namespace varnel::win32
