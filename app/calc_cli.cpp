#include "app/calc_cli.h"

#include "app/calc_options.h"
#include "calc/antenna_build.h"
#include "calc/corner_bends.h"
#include "calc/design_range.h"
#include "numbers/blanks.h"
#include "numbers/number_text.h"
#include "numbers/unicode_text.h"
#include "varnel/build_info.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace varnel {

namespace {

constexpr std::string_view kUsageHead = R"(Usage: varnel-calc [OPTION]... [FREQ]...

Computes the dimensions of the omnidirectional circularly polarised antenna
for each operating frequency FREQ in MHz, exactly as the varnel window shows
them: element lengths in mm and inch, tubing diameter, and the parallel and
series tuning capacitors in pF.

With no FREQ and no --sweep, frequencies are read from standard input, one
per line, in UTF-8 or, where they begin with its byte-order mark, UTF-16
(as Notepad's "Unicode" writes); blank lines and lines starting with # are
skipped, and so is a UTF-8 byte-order mark at the start. )"
#ifdef _WIN32
                                        R"(Typed at the
console, the input ends with Ctrl+Z then Enter.

A dot is always a decimal point; so is the decimal symbol of your Region
settings, like the comma in 137,5. The text and TSV outputs use that)"
#else
                                        R"(Typed at a
terminal, the input ends with Ctrl-D.

A dot is always a decimal point; so is your locale's separator (LC_NUMERIC),
like the comma in 137,5. The text and TSV outputs use your locale's)"
#endif
                                        R"(
separator, CSV and JSON always a dot. A negative frequency such as -137.5 is
a frequency, not an option; use -- to end the options before any other text
that starts with '-'. Frequencies above the 250 MHz the design is made for,
or negative, compute as the window does; one warning at the end says how
many there were, and CSV and JSON flag each (outside_design). Where the
feed gap is narrower than the tubing, or the rest of the feed side beside
it shorter than the tube is wide (from about 585 MHz), another warning says
so, once.

)";

constexpr std::string_view kUsageTail = R"(A frequency that fails gives its input, ERROR and the error's name in tsv,
the error in the last column in csv, and an object with its input and error
in json; the error also goes to standard error, with at most 40 characters
of the input. An input is echoed with control characters, backslashes and
bytes that are not UTF-8 escaped (\t, \n, \\, \xFC), so that one input is
always one row and the output valid UTF-8.

)";

#ifdef _WIN32
constexpr std::string_view kPipeNote = R"(
When the reader of a pipe goes away (varnel-calc ... | more, closed early),
that is a write error, status 4.
)";
constexpr std::string_view kTypedInputEnd = "Ctrl+Z then Enter";
#else
constexpr std::string_view kPipeNote = R"(
When the reader of a pipe goes away (varnel-calc ... | head -1), varnel-calc
ends as other tools do, by the signal SIGPIPE (status 141 in a shell); where
SIGPIPE is ignored, that is a write error, status 4.
)";
constexpr std::string_view kTypedInputEnd = "Ctrl-D";
#endif

std::string usage()
{
    std::string text = std::string(kUsageHead) + optionsHelp(calcOptionSpecs(), 26);
    text += "\nThe formats (--format F):\n";
    for (const FormatInfo &format : outputFormats())
        text += "  " + std::string(format.name) + std::string(8 - format.name.size(), ' ') + std::string(format.summary)
            + "\n";
    text += "\nThe columns of tsv, csv and json, after the input frequency:\n";
    for (const ResultFieldInfo &field : kResultFields) {
        const std::string what
            = std::string(quantityInfo(field.quantity).what) + ", " + std::string(unitName(field.unit));
        text += "  " + what + std::string(what.size() < 30 ? 30 - what.size() : 1, ' ') + columnKey(field) + "\n";
    }
    text += "csv begins with input and frequency_mhz (the frequency as computed), and\n"
            "csv and json add outside_design (true or false). With --fraction, each\n"
            "length adds KEY_tape_in and KEY_tape_error_mm after these, like\n"
            "vertical_height_tape_in. With --parts, each capacitor adds KEY_pair_below_pf,\n"
            "KEY_pair_top_up_pf, KEY_pair_sum_pf, KEY_pair_low_pf, KEY_pair_high_pf\n"
            "(empty where one part is as near) and KEY_stub_mm, like\n"
            "series_capacitor_stub_mm. With --corner-radius: corner_radius_mm,\n"
            "bent_side_mm, bent_end_mm, bent_rest_mm, side_run_mm, end_run_mm,\n"
            "rest_run_mm, corner_arc_mm, tube_length_mm and bend_1_start_mm to\n"
            "bend_4_end_mm, from the tube's end at the gap (empty where the loop cannot\n"
            "be bent so). With --from: side_mm_cost_hz and height_mm_cost_hz.\n\n";
    return text + std::string(kUsageTail) + exitStatusHelp(kToolExitStatuses) + std::string(kPipeNote);
}

} // namespace

int runCalcCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err,
               std::string_view decimalSeparator, bool inputIsTerminal)
{
    const CalcOptions options = parseCalcOptions(args, decimalSeparator);
    if (!options.error.empty()) {
        err << usageErrorText("varnel-calc", options.error);
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
    if (options.help)
        return writeAnswer(out, err, "varnel-calc", "help", usage());
    if (options.version)
        return writeAnswer(out, err, "varnel-calc", "version", "varnel-calc " VARNEL_VERSION "\n");

    const std::unique_ptr<Formatter> formatter
        = options.format->make({std::string(decimalSeparator), options.header, options.fraction, options.parts,
                                options.coax, options.cornerRadius, options.fromLength});
    Module1 state;
    bool anyFailed = false;
    OutsideDesignTally outside;
    BuildProblemTally unbuildable;

    const auto computeOne = [&](std::string_view input, bool swept = false) {
        const ComputeTexts result = computeTexts(state, input, decimalSeparator);
        if (result.error != ErrorKind::None) {
            anyFailed = true;
            // One write a line: standard error is unbuffered.
            err << "varnel-calc: '" + shortenedForMessage(escapedInput(input))
                    + "': " + std::string(errorName(result.error)) + "\n";
            formatter->error(out, input, result.error);
            return;
        }
        outside.add(state.Frequency, decimalSeparator);
        unbuildable.add(state, decimalSeparator);
        // A loop that cannot be bent so is still the design; its row says
        // nothing of bends, and the run ends as one whose bends could not all
        // be computed. Not as a usage error: that writes no output at all.
        if (options.cornerRadius) {
            const BentLoopResult bent = bentDesignLoop(state, *options.cornerRadius, decimalSeparator);
            if (!bent.loop) {
                anyFailed = true;
                err << "varnel-calc: --corner-radius at " + shownFrequency(state.Frequency, decimalSeparator)
                        + " MHz: " + bent.refusal + "\n";
            }
        }
        formatter->row(out, {input, swept, result, state});
    };

    formatter->begin(out);
    if (!options.sources.empty()) {
        for (const FrequencySource &source : options.sources) {
            const std::size_t count = source.sweep ? source.sweep->size() : 1;
            for (std::size_t n = 0; n < count && out; ++n)
                computeOne(source.sweep ? source.sweep->at(n) : source.text, source.sweep.has_value());
        }
    } else {
        if (inputIsTerminal)
            err << "varnel-calc: type one frequency in MHz per line, then " << kTypedInputEnd
                << " (try 'varnel-calc --help')\n";
        InputLines lines(in);
        std::string line;
        for (bool firstLine = true; out && lines.next(line); firstLine = false) {
            // Editors on Windows begin a UTF-8 file with a byte-order mark.
            if (firstLine && line.starts_with("\xEF\xBB\xBF"))
                line.erase(0, 3);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const std::string_view content = trimBlanks(line);
            if (content.empty() || content.front() == '#')
                continue;
            computeOne(line);
        }
    }
    formatter->end(out);
    if (const std::string warning = outside.warning(); !warning.empty())
        err << "varnel-calc: warning: " + warning + "\n";
    if (const std::string warning = unbuildable.warning(); !warning.empty())
        err << "varnel-calc: warning: " + warning + "\n";
    if (!written())
        return kExitWriteFailed;
    return anyFailed ? kExitCannotCompute : kExitOk;
}

} // namespace varnel
