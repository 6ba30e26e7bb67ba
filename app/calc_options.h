// varnel-calc's command line: which format, which extras, and the
// frequencies in the order given (plain arguments and sweeps).
#pragma once

#include "app/command_line.h"
#include "app/decimal_sweep.h"
#include "app/output_format.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// A frequency as given, or a sweep of them.
struct FrequencySource
{
    std::string text;
    std::optional<DecimalSweep> sweep;
};

struct CalcOptions
{
    const FormatInfo *format = &outputFormats().front();
    bool header = false; // TSV: a first line naming the columns
    int fraction = 0; // 0, or the denominator of fractional inches
    bool parts = false; // each capacitor as a pair of parts and as a coax stub
    Coax coax = kSolidPolyethylene;
    std::optional<double> cornerRadius; // mm
    bool fromLength = false; // --from: a loop already cut
    bool help = false;
    bool version = false;
    std::vector<FrequencySource> sources;
    std::string error; // a usage error, one line

    // How many frequencies the sources hold.
    std::size_t frequencyCount() const;
};

// The options, for the parser and the help.
std::span<const OptionSpec> calcOptionSpecs();

// The command line (without the program name). A negative number is a
// frequency, not an option.
CalcOptions parseCalcOptions(const std::vector<std::string> &args, std::string_view decimalSeparator);

} // namespace varnel
