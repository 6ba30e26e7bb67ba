#include "app/calc_cli.h"

#include "calc/compute_command.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace varnel {

namespace {

constexpr std::string_view kUsageHead = R"(Usage: varnel-calc [--tsv] [FREQ...]

Computes the dimensions of the omnidirectional circularly polarised antenna
for each operating frequency FREQ in MHz, exactly as the varnel window shows
them: element lengths in mm and inch, tubing diameter, and the parallel and
series tuning capacitors in pF.

With no FREQ, one frequency is read from each line of standard input, the
line taken as it stands (only its line ending removed).

Numbers are read and written with the decimal separator of your locale
(LC_NUMERIC), like 137.5 or 137,5. A negative frequency such as -137.5 is a
frequency, not an option; use -- to end the options before any other text
that starts with '-'.

Options:
  --tsv     one line per frequency: the input, then the twelve results
            separated by tabs, in this order:
)";

constexpr std::string_view kUsageTail
    = R"(            A frequency that fails gives its input, ERROR and the error's name.
  --help    show this help and exit

Errors name the input and the kind (Type mismatch, Overflow, Division by
zero) on standard error. Exit status: 0 when every frequency computed, 1 when
any failed, 2 for a usage error.
)";

bool looksLikeNumber(std::string_view arg)
{
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= 'a' && arg[1] <= 'z') && !(arg[1] >= 'A' && arg[1] <= 'Z')
        && arg[1] != '-';
}

std::string padLeft(std::string_view text, std::size_t width)
{
    std::string padded(width > text.size() ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

std::string padRight(std::string_view text, std::size_t width)
{
    std::string padded(text);
    padded.resize(std::max(width, text.size()), ' ');
    return padded;
}

// The window's grid as text: a row per quantity, its value field and, for
// lengths, its inch field.
void printSheet(std::ostream &out, std::string_view input, const ComputeTexts &result)
{
    const auto text = [&](const ResultFieldInfo *field) -> std::string_view {
        return field ? result.texts[static_cast<std::size_t>(field->field)] : std::string_view();
    };
    const auto value = [](Quantity quantity) {
        const ResultFieldInfo *mm = findResultField(quantity, Unit::Millimetre);
        return mm ? mm : findResultField(quantity, Unit::Picofarad);
    };
    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    std::size_t inchWidth = 0;
    for (const QuantityInfo &row : kQuantities) {
        captionWidth = std::max(captionWidth, row.caption.size());
        valueWidth = std::max(valueWidth, text(value(row.quantity)).size());
        inchWidth = std::max(inchWidth, text(findResultField(row.quantity, Unit::Inch)).size());
    }
    out << "Frequency " << input << " MHz\n";
    for (const QuantityInfo &row : kQuantities) {
        const ResultFieldInfo *shown = value(row.quantity);
        out << "  " << padRight(row.caption, captionWidth) << "  " << padLeft(text(shown), valueWidth) << ' '
            << unitName(shown->unit);
        if (const ResultFieldInfo *inch = findResultField(row.quantity, Unit::Inch))
            out << "  " << padLeft(text(inch), inchWidth) << ' ' << unitName(Unit::Inch);
        out << '\n';
    }
}

std::string usage()
{
    std::string columns;
    for (const ResultFieldInfo &field : kResultFields) {
        for (const QuantityInfo &quantity : kQuantities) {
            if (quantity.quantity == field.quantity)
                columns
                    += "              " + std::string(quantity.what) + ", " + std::string(unitName(field.unit)) + "\n";
        }
    }
    return std::string(kUsageHead) + columns + std::string(kUsageTail);
}

} // namespace

int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator)
{
    bool tsv = false;
    bool optionsEnded = false;
    std::vector<std::string> frequencies;
    for (const std::string &arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--tsv") {
            tsv = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << usage();
            return 0;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !looksLikeNumber(arg)) {
            err << "varnel-calc: unknown option '" << arg << "'\nTry 'varnel-calc --help'.\n";
            return 2;
        } else {
            frequencies.push_back(arg);
        }
    }

    bool anyFailed = false;
    bool first = true;
    Module1 state;
    auto computeOne = [&](const std::string &input) {
        const ComputeTexts result = computeTexts(state, input, decimalSeparator);
        if (result.error != ErrorKind::None) {
            anyFailed = true;
            err << "varnel-calc: '" << input << "': " << errorName(result.error) << '\n';
            if (tsv)
                out << input << "\tERROR\t" << errorName(result.error) << '\n';
            return;
        }
        if (tsv) {
            out << input;
            for (const std::string &text : result.texts)
                out << '\t' << text;
            out << '\n';
        } else {
            if (!first)
                out << '\n';
            printSheet(out, input, result);
        }
        first = false;
    };

    if (!frequencies.empty()) {
        for (const std::string &input : frequencies)
            computeOne(input);
    } else {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            computeOne(line);
        }
    }
    out.flush();
    return anyFailed ? 1 : 0;
}

} // namespace varnel
