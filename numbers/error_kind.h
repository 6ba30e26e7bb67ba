// The run-time errors the program can meet. The core hands them back as
// values; only the user interface turns one into a message.
#pragma once

#include <string_view>

namespace varnel {

enum class ErrorKind {
    None,
    TypeMismatch,
    Overflow,
    DivisionByZero,
    InvalidOperation,
    CannotStartProgram,
    ProgramFailed, // started, then ended with a failure of its own
};

// The user-facing name of an error, as a message box names it.
std::string_view errorName(ErrorKind kind);

} // namespace varnel
