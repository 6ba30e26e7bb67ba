// varnel-calc: the compute command for scripts and printing.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Runs the command line `args` (without the program name). Returns the exit
// status: 0 when every frequency computed, 1 when any failed, 2 on a usage
// error. `decimalSeparator` is the user's locale's.
int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator);

} // namespace varnel
