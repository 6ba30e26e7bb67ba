#include "numbers/error_kind.h"

namespace varnel {

std::string_view errorName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::None:
        return "No error";
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::InvalidOperation:
        return "Invalid procedure call or argument";
    case ErrorKind::CannotStartProgram:
        return "File not found";
    case ErrorKind::ProgramFailed:
        return "Program failed";
    }
    return "Unknown error";
}

} // namespace varnel
