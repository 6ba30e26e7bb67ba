#include "app/calc_cli.h"

#include "app/decimal_sweep.h"
#include "calc/compute_command.h"
#include "calc/inch_fraction.h"
#include "numbers/blanks.h"
#include "numbers/number_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>

namespace varnel {

namespace {

constexpr std::string_view kUsageHead = R"(Usage: varnel-calc [OPTION]... [FREQ]...

Computes the dimensions of the omnidirectional circularly polarised antenna
for each operating frequency FREQ in MHz, exactly as the varnel window shows
them: element lengths in mm and inch, tubing diameter, and the parallel and
series tuning capacitors in pF.

With no FREQ and no --sweep, frequencies are read from standard input, one
per line; blank lines and lines starting with # are skipped.

A dot is always a decimal point; so is your locale's separator (LC_NUMERIC),
like the comma in 137,5. The text and TSV outputs use your locale's
separator, CSV and JSON always a dot. A negative frequency such as -137.5 is
a frequency, not an option; use -- to end the options before any other text
that starts with '-'. A negative frequency, or one above the 250 MHz the
design is made for, computes as the window does, with a warning.

Options:
  --format F      text (the default), tsv, csv or json
  --tsv           the same as --format tsv
  --header        with tsv: a first line naming the columns
  --fraction D    also show each inch length as the nearest fraction with
                  denominator D (8, 16, 32 or 64) and its error in mm
  --sweep A:B:S   the frequencies from A to B in steps of S MHz, stepped
                  exactly in decimal (144:146:0.1 ends on 146)
  --version       show the version and exit
  --help          show this help and exit

The columns of tsv, csv and json, after the input frequency:
)";

constexpr std::string_view kUsageTail = R"(A frequency that fails gives its input, ERROR and the error's name in tsv,
the error in the last column in csv, and an object with its input and error
in json; the error also goes to standard error.

Exit status: 0 when every frequency computed, 1 when any failed, 2 for a
usage error, 4 when the results could not be written (a full disk, a closed
output, a pipe whose reader has gone).
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
// lengths, its inch field; with `fraction`, the inches as a tape shows them.
void printSheet(std::ostream &out, std::string_view input, const ComputeTexts &result, const Module1 &state,
                int fraction)
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
        if (const ResultFieldInfo *inch = findResultField(row.quantity, Unit::Inch)) {
            out << "  " << padLeft(text(inch), inchWidth) << ' ' << unitName(Unit::Inch);
            if (fraction != 0) {
                const InchFraction tape
                    = nearestFraction(static_cast<double>(storedValue(state, row.quantity)) / 25.4, fraction);
                if (!tape.text.empty()) {
                    char error[32];
                    std::snprintf(error, sizeof error, "%+.2f", tape.errorMillimetres);
                    out << "  " << tape.text << " in (" << error << " mm)";
                }
            }
        }
        out << '\n';
    }
}

const QuantityInfo &quantityInfo(Quantity quantity)
{
    for (const QuantityInfo &info : kQuantities) {
        if (info.quantity == quantity)
            return info;
    }
    return kQuantities.front();
}

// "vertical_height_mm": a result's name in csv and json.
std::string columnKey(const ResultFieldInfo &field)
{
    return std::string(quantityInfo(field.quantity).key) + "_" + std::string(unitKey(field.unit));
}

std::string usage()
{
    std::string columns;
    for (const ResultFieldInfo &field : kResultFields) {
        const std::string what
            = std::string(quantityInfo(field.quantity).what) + ", " + std::string(unitName(field.unit));
        columns += "  " + what + std::string(what.size() < 30 ? 30 - what.size() : 1, ' ') + columnKey(field) + "\n";
    }
    return std::string(kUsageHead) + columns + "\n" + std::string(kUsageTail);
}

// Machine formats speak with a dot in every locale; the texts are the
// window's, only their separator differs.
std::string withDot(std::string text, std::string_view separator)
{
    if (separator == ".")
        return text;
    const auto at = text.find(separator);
    if (at != std::string::npos)
        text.replace(at, separator.size(), ".");
    return text;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, and
// its quotes doubled.
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// A shown text as a JSON number of the same value: whole numbers stay
// whole, the rest read back as the nearest double, which prints with the
// same digits.
nlohmann::ordered_json jsonNumber(const std::string &dotted)
{
    if (dotted.find_first_of(".E") == std::string::npos) {
        long long whole = 0;
        const auto [end, ec] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), whole);
        if (ec == std::errc() && end == dotted.data() + dotted.size())
            return whole;
    }
    double value = 0;
    std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
    return value;
}

bool isOption(const std::string &arg)
{
    return arg.size() > 1 && arg[0] == '-' && !looksLikeNumber(arg);
}

} // namespace

CalcOptions parseCalcOptions(const std::vector<std::string> &args, std::string_view decimalSeparator)
{
    CalcOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // --name=value and --name value alike.
        std::string name = arg;
        std::optional<std::string> value;
        if (!optionsEnded && arg.starts_with("--") && arg.find('=') != std::string::npos) {
            name = arg.substr(0, arg.find('='));
            value = arg.substr(arg.find('=') + 1);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < args.size())
                return args[++i];
            options.error = name + " needs a value";
            return std::nullopt;
        };
        if (optionsEnded || !isOption(arg)) {
            options.frequencies.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else if (name == "--tsv") {
            options.format = OutputFormat::Tsv;
        } else if (name == "--header") {
            options.header = true;
        } else if (name == "--format") {
            const auto format = takeValue();
            if (!format)
                return options;
            if (*format == "text")
                options.format = OutputFormat::Text;
            else if (*format == "tsv")
                options.format = OutputFormat::Tsv;
            else if (*format == "csv")
                options.format = OutputFormat::Csv;
            else if (*format == "json")
                options.format = OutputFormat::Json;
            else {
                options.error = "--format takes text, tsv, csv or json, not '" + *format + "'";
                return options;
            }
        } else if (name == "--fraction") {
            const auto denominator = takeValue();
            if (!denominator)
                return options;
            if (*denominator == "8" || *denominator == "16" || *denominator == "32" || *denominator == "64") {
                options.fraction = std::stoi(*denominator);
            } else {
                options.error = "--fraction takes 8, 16, 32 or 64, not '" + *denominator + "'";
                return options;
            }
        } else if (name == "--sweep") {
            const auto range = takeValue();
            if (!range)
                return options;
            SweepResult sweep = expandSweep(*range, decimalSeparator);
            if (!sweep.error.empty()) {
                options.error = sweep.error;
                return options;
            }
            options.frequencies.insert(options.frequencies.end(), sweep.frequencies.begin(), sweep.frequencies.end());
        } else {
            options.error = "unknown option '" + arg + "'";
            return options;
        }
        if (value && name != "--format" && name != "--fraction" && name != "--sweep") {
            options.error = name + " takes no value";
            return options;
        }
    }
    if (options.header && options.format != OutputFormat::Tsv)
        options.error = "--header goes with --format tsv (csv always has one)";
    return options;
}

int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator, bool inputIsTerminal)
{
    const CalcOptions options = parseCalcOptions(args, decimalSeparator);
    if (!options.error.empty()) {
        err << "varnel-calc: " << options.error << "\nTry 'varnel-calc --help'.\n";
        return kExitUsage;
    }
    // Every write is checked: a full disk or a closed pipe is a failure,
    // never a silent success.
    auto written = [&] {
        out.flush();
        if (out)
            return true;
        err << "varnel-calc: cannot write the results: " << std::strerror(errno ? errno : EIO) << '\n';
        return false;
    };
    if (options.help || options.version) {
        if (options.help)
            out << usage();
        else
            out << "varnel-calc " VARNEL_VERSION "\n";
        return written() ? kExitOk : kExitWriteFailed;
    }

    Module1 state;
    bool anyFailed = false;
    bool first = true;
    nlohmann::ordered_json jsonResults = nlohmann::ordered_json::array();

    if (options.format == OutputFormat::Csv || (options.format == OutputFormat::Tsv && options.header)) {
        const char separator = options.format == OutputFormat::Csv ? ',' : '\t';
        out << "frequency_mhz";
        for (const ResultFieldInfo &field : kResultFields)
            out << separator << columnKey(field);
        if (options.format == OutputFormat::Csv)
            out << ",error";
        out << (options.format == OutputFormat::Csv ? "\r\n" : "\n");
    }

    auto computeOne = [&](const std::string &input) {
        const ComputeTexts result = computeTexts(state, input, decimalSeparator);
        if (result.error != ErrorKind::None) {
            anyFailed = true;
            const std::string_view name = errorName(result.error);
            err << "varnel-calc: '" << input << "': " << name << '\n';
            switch (options.format) {
            case OutputFormat::Tsv:
                out << input << "\tERROR\t" << name << '\n';
                break;
            case OutputFormat::Csv:
                out << csvField(input) << std::string(kResultFieldCount, ',') << ',' << csvField(name) << "\r\n";
                break;
            case OutputFormat::Json:
                jsonResults.push_back({{"input", input}, {"error", name}});
                break;
            case OutputFormat::Text:
                break;
            }
            return;
        }
        // One write a line: standard error is unbuffered.
        if (state.Frequency < 0)
            err << "varnel-calc: warning: " + input + " MHz is negative; computed as the window does\n";
        else if (state.Frequency > 250)
            err << "varnel-calc: warning: " + input + " MHz is above the 250 MHz the design is made for\n";
        switch (options.format) {
        case OutputFormat::Text:
            if (!first)
                out << '\n';
            printSheet(out, input, result, state, options.fraction);
            break;
        case OutputFormat::Tsv:
            out << input;
            for (const std::string &text : result.texts)
                out << '\t' << text;
            out << '\n';
            break;
        case OutputFormat::Csv:
            out << csvField(withDot(input, decimalSeparator));
            for (const std::string &text : result.texts)
                out << ',' << withDot(text, decimalSeparator);
            out << ",\r\n";
            break;
        case OutputFormat::Json: {
            nlohmann::ordered_json object;
            object["input"] = input;
            object["frequency_mhz"] = jsonNumber(formatSingle(state.Frequency, "."));
            for (const ResultFieldInfo &field : kResultFields)
                object[columnKey(field)]
                    = jsonNumber(withDot(result.texts[static_cast<std::size_t>(field.field)], decimalSeparator));
            jsonResults.push_back(std::move(object));
            break;
        }
        }
        first = false;
    };

    if (!options.frequencies.empty()) {
        for (const std::string &input : options.frequencies) {
            computeOne(input);
            if (!out)
                break;
        }
    } else {
        if (inputIsTerminal)
            err << "varnel-calc: type one frequency in MHz per line, then Ctrl-D (try 'varnel-calc --help')\n";
        std::string line;
        while (out && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const std::string_view content = trimBlanks(line);
            if (content.empty() || content.front() == '#')
                continue;
            computeOne(line);
        }
    }
    // An input that is not UTF-8 (a stray byte on standard input) is shown
    // with U+FFFD in its "input" string; JSON allows nothing else there.
    if (options.format == OutputFormat::Json)
        out << jsonResults.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    if (!written())
        return kExitWriteFailed;
    return anyFailed ? kExitSomeFailed : kExitOk;
}

} // namespace varnel
