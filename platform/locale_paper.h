// The paper the user's locale names. glibc keeps it in LC_PAPER; other C
// libraries have no such category, and the measurement system decides.
#pragma once

#include "platform/paper.h"

#include <optional>

namespace varnel {

// The paper of the C library's current LC_PAPER when a locale of the user's
// sets it (not C or POSIX, whose A4 is nobody's choice) and it is one of
// kPapers; nothing otherwise. setlocale(LC_ALL, "") comes first.
std::optional<Paper> localePaper();

// The paper the user works with: LC_PAPER's where it names one; failing
// that, Letter where the measurement system (LC_MEASUREMENT) is the US one
// and A4 elsewhere. On Windows, the paper of the user's region settings.
Paper userPaper();

} // namespace varnel
