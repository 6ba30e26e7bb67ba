// The option syntax that varnel, varnel-calc and varnel-sheet share:
// --name, --name=value, --name value, -x and -x value; "--" ends the
// options, and an argument such as -137.5 is a negative frequency, never an
// option.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

struct OptionSpec
{
    std::string_view name; // "--format"
    char shortName = 0; // 'o' for -o; 0 for none
    std::string_view valueName = {}; // "F" when the option takes a value
    std::string_view help = {}; // for --help; lines after the first indented
};

// The two options every program answers, last in each of their tables.
inline constexpr OptionSpec kVersionOption {"--version", 'v', {}, "show the version and exit"};
inline constexpr OptionSpec kHelpOption {"--help", 'h', {}, "show this help and exit"};

// An option with its value, or an operand (a frequency), in command-line
// order: varnel-calc computes in that order.
struct CommandLineItem
{
    const OptionSpec *option = nullptr; // null for an operand
    std::string value;
};

struct CommandLine
{
    std::vector<CommandLineItem> items;
    std::string error; // a usage error, one line; the items are then unfinished
};

// Whether `arg` is to be read as an option at all: it starts with '-', is
// more than that, and is no negative number ("-137.5", "-,5", "-.5").
bool looksLikeOption(std::string_view arg);

CommandLine parseOptions(const std::vector<std::string> &args, std::span<const OptionSpec> options);

// The arguments with Windows' own ways to ask a tool for its help, /? and
// -?, read as --help there; elsewhere as they are.
std::vector<std::string> withSystemHelpNames(std::vector<std::string> args);

// A usage error as every program says it, in two lines: "varnel-calc: no
// such option\nTry 'varnel-calc --help'.\n".
std::string usageErrorText(std::string_view program, std::string_view message);

// Writes a --help or --version answer to standard output. Its exit status:
// done, or, when the text cannot be written (a full disk, a closed output),
// a write error, said in one line on standard error ("varnel: cannot write
// the help: No space left on device").
int writeAnswer(std::string_view program, std::string_view what, std::string_view text);
// The same on streams, for the tools whose output a test reads.
int writeAnswer(std::ostream &out, std::ostream &err, std::string_view program, std::string_view what,
                std::string_view text);

// The "Options:" part of a --help: a line per option, "  -o, --output FILE"
// padded to `nameWidth`, then its help, its further lines indented to match.
std::string optionsHelp(std::span<const OptionSpec> options, std::size_t nameWidth);

} // namespace varnel
