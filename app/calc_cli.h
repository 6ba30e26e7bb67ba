// varnel-calc: the compute command for scripts and printing.
#pragma once

#include "app/exit_status.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Runs the command line `args` (without the program name). Returns one of
// the exit statuses. `decimalSeparator` is the user's locale's;
// `inputIsTerminal` says that standard input is a terminal, so a reminder
// of what it expects is due.
int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator, bool inputIsTerminal = false);

} // namespace varnel
