// The paper the user's locale names. glibc keeps it in LC_PAPER; other C
// libraries have no such category, and the caller falls back to the
// measurement system.
#pragma once

#include <optional>

namespace varnel {

enum class Paper { A4, Letter };

// The paper of the C library's current LC_PAPER when a locale of the user's
// sets it (not C or POSIX, whose A4 is nobody's choice) and it is A4 or
// Letter; nothing otherwise. setlocale(LC_ALL, "") comes first.
std::optional<Paper> localePaper();

} // namespace varnel
