// varnel-calc: the compute command for scripts and printing.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Exit statuses, as the help states them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteFailed = 4;

enum class OutputFormat { Text, Tsv, Csv, Json };

struct CalcOptions
{
    OutputFormat format = OutputFormat::Text;
    bool header = false; // TSV: a first line naming the columns
    int fraction = 0; // 0, or the denominator of fractional inches
    bool help = false;
    bool version = false;
    std::vector<std::string> frequencies; // from the arguments and --sweep
    std::string error; // a usage error, one line
};

// The command line (without the program name). A negative number is a
// frequency, not an option.
CalcOptions parseCalcOptions(const std::vector<std::string> &args, std::string_view decimalSeparator);

// Runs the command line `args`. Returns one of the exit statuses above.
// `decimalSeparator` is the user's locale's; `inputIsTerminal` says that
// standard input is a terminal, so a reminder of what it expects is due.
int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator, bool inputIsTerminal = false);

} // namespace varnel
