// varnel-calc's output formats: each is a Formatter (begin, a row per
// computed frequency, an error per failed one, end), and one table names
// them for the option parser, the help and the tests.
#pragma once

#include "app/command_line.h"
#include "calc/capacitor_build.h"
#include "calc/compute_command.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// One computed frequency, as every format receives it.
struct ComputedRow
{
    std::string_view input; // as given, or for a sweep as it makes it: "1.5"
    bool swept = false; // from a sweep, so not typed by the user
    const ComputeTexts &result; // the window's twelve texts, in the locale's notation
    const Module1 &state; // as the compute left it
};

struct FormatSettings
{
    std::string decimalSeparator; // the locale's
    bool header = false; // TSV: a first line naming the columns
    int fraction = 0; // 0, or the denominator of the tape readings
    bool parts = false; // each capacitor as a pair of parts and as a coax stub
    Coax coax = kSolidPolyethylene;
    std::optional<double> cornerRadius; // mm: the loop's corners bent to it
    bool costs = false; // what 1 mm too long on SIDE and HEIGHT costs in frequency
};

class Formatter
{
public:
    explicit Formatter(FormatSettings settings)
        : m_settings(std::move(settings))
    {
    }
    virtual ~Formatter() = default;
    virtual void begin(std::ostream &) { }
    virtual void row(std::ostream &out, const ComputedRow &row) = 0;
    virtual void error(std::ostream &out, std::string_view input, ErrorKind error) = 0;
    virtual void end(std::ostream &) { }

protected:
    FormatSettings m_settings;
};

struct FormatInfo
{
    std::string_view name; // for --format
    std::string_view summary; // for --help
    bool takesHeader; // whether --header means anything to it
    std::unique_ptr<Formatter> (*make)(FormatSettings settings);
};

// Text first: it is the default.
std::span<const FormatInfo> outputFormats();
const FormatInfo *findFormat(std::string_view name);

std::unique_ptr<Formatter> makeTextFormatter(FormatSettings settings);
std::unique_ptr<Formatter> makeTsvFormatter(FormatSettings settings);
std::unique_ptr<Formatter> makeCsvFormatter(FormatSettings settings);
std::unique_ptr<Formatter> makeJsonFormatter(FormatSettings settings);

// What the formats share.

const QuantityInfo &quantityInfo(Quantity quantity);

// "vertical_height_mm": a result's name in the machine formats.
std::string columnKey(const ResultFieldInfo &field);

// The lengths a tape measures: those with an inch field, in write order.
// Each gives two columns with --fraction: "vertical_height_tape_in" (the
// reading, "9 3/8") and "vertical_height_tape_error_mm" (+0.14).
std::span<const Quantity> tapeQuantities();
std::string tapeKey(Quantity quantity);
std::string tapeErrorKey(Quantity quantity);

// With --parts, for each capacitor: the pair of E12 parts in parallel that
// comes nearer than one ("parallel_pair_below_pf", "_top_up_pf", "_sum_pf",
// "_low_pf", "_high_pf"; empty where one part is as near) and the length of
// the open coax stub ("parallel_stub_mm"). The keys, and a row's cells in
// the same order, its numbers in `decimalSeparator`'s notation.
std::span<const std::string> partKeys();
std::vector<std::string> partCells(const Module1 &state, const Coax &coax, std::string_view decimalSeparator);
// The columns the options add after the tape readings, in this order:
// --parts's, then with --corner-radius the bent loop's ("corner_radius_mm",
// "bent_side_mm", ..., "bend_4_end_mm"; empty where the loop cannot be
// bent so), then with --from what a millimetre costs ("side_mm_cost_hz",
// "height_mm_cost_hz", in Hz). A row's cells in the same order, empty for none.
std::vector<std::string> extraKeys(const FormatSettings &settings);
std::vector<std::string> extraCells(const FormatSettings &settings, const Module1 &state,
                                    std::string_view decimalSeparator);
// The capacitors the columns are for.
inline constexpr Quantity kCapacitors[] = {Quantity::ParallelCap, Quantity::SeriesCap};

// Machine formats speak with a dot in every locale; the texts are the
// window's, only their separator differs.
std::string withDot(std::string text, std::string_view separator);

} // namespace varnel
