#include "app/sheet_cli.h"

#include "app/command_line.h"
#include "sheet/sheet_content.h"
#include "varnel/build_info.h"

#include <array>
#include <ostream>

namespace varnel {

namespace {

constexpr std::string_view kProgram = "varnel-sheet";

constexpr std::array<OptionSpec, 4> kOptions {{
    {"--output", 'o', "FILE", "the file to write: .pdf, .svg or .png"},
#ifdef _WIN32
    {"--page", 0, "SIZE",
     "a4 or letter; by default the paper of your\n"
     "Region settings"},
#else
    {"--page", 0, "SIZE",
     "a4 or letter; by default the paper your locale names\n"
     "(LC_PAPER, then LC_MEASUREMENT)"},
#endif
    {"--version", 'v', {}, "show the version and exit"},
    {"--help", 'h', {}, "show this help and exit"},
}};

std::string usage()
{
    std::string text = "Usage: varnel-sheet [OPTION]... FREQ -o FILE\n\n"
                       "Writes a build sheet for the antenna at FREQ MHz: how the lengths make one\n"
                       "square loop and two verticals, a plan and a side view to scale, the\n"
                       "capacitors' wiring, the cut list in mm, inch and sixteenths, the tubing,\n"
                       "both capacitors with their nearest E12 parts, and the construction notes;\n"
                       "in a PDF, where the loop fits the paper, a full-size template follows.\n"
                       "The file's suffix chooses PDF, SVG or PNG; it is written whole or not at\n"
                       "all. A sheet is drawn for 0.1 to 10000 MHz; above the 250 MHz the design\n"
                       "is made for, or where the lengths cannot be built from the tubing, it\n"
                       "carries a warning. A negative FREQ is a frequency, not an option (it has\n"
                       "no sheet); -- ends the options. SOURCE_DATE_EPOCH, when set, fixes the\n"
                       "date, so that the same FREQ always gives the same bytes.\n"
#ifdef _WIN32
                       "PNG is drawn on Linux only; here, write PDF or SVG.\n"
#endif
                       "\n";
    return text + optionsHelp(kOptions, 20) + "\n" + exitStatusHelp(kToolExitStatuses);
}

} // namespace

int runSheetCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, const SheetSystem &system)
{
    const auto fail = [&](int status, const std::string &message) {
        err << kProgram << ": " << message << '\n';
        return status;
    };
    const auto usageError = [&](const std::string &message) {
        err << usageErrorText(kProgram, message);
        return kExitUsage;
    };

    const CommandLine line = parseOptions(withSystemHelpNames(args), kOptions);
    if (!line.error.empty())
        return usageError(line.error);
    std::vector<std::string> frequencies;
    std::string output;
    std::optional<std::string> page;
    for (const CommandLineItem &item : line.items) {
        const std::string_view name = item.option ? item.option->name : std::string_view();
        if (name == "--help")
            return writeAnswer(out, err, kProgram, "help", usage());
        if (name == "--version")
            return writeAnswer(out, err, kProgram, "version", "varnel-sheet " VARNEL_VERSION "\n");
        if (!item.option)
            frequencies.push_back(item.value);
        else if (name == "--output")
            output = item.value;
        else if (name == "--page")
            page = item.value;
    }
    if (frequencies.size() != 1)
        return usageError("give one frequency in MHz");
    if (output.empty())
        return usageError("give the file to write with -o FILE (.pdf, .svg or .png)");
    // The name's bytes as given: a file name need not be in the locale's
    // encoding, nor in any.
    if (!sheetFormatFor(output))
        return usageError(escapedPath(output) + ": the file's suffix must be .pdf, .svg or .png");
    Paper paper = system.paper;
    if (page) {
        std::string size = *page;
        for (char &c : size)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (size == "a4")
            paper = Paper::A4;
        else if (size == "letter")
            paper = Paper::Letter;
        else
            return usageError("--page takes a4 or letter, not '" + escapedInput(*page) + "'");
    }
    std::optional<long long> epoch;
    if (system.sourceDateEpoch) {
        epoch = sourceDateEpoch(*system.sourceDateEpoch);
        if (!epoch)
            return usageError("SOURCE_DATE_EPOCH must be whole seconds since 1970 up to the year 9999, not '"
                              + escapedInput(*system.sourceDateEpoch) + "'");
    }

    SheetData data = computeSheet(frequencies.front(), system.decimalSeparator);
    if (data.texts.error != ErrorKind::None)
        return fail(kExitCannotCompute,
                    "'" + shortenedForMessage(escapedInput(frequencies.front()))
                        + "': " + std::string(errorName(data.texts.error)));
    if (const std::string refusal = sheetRefusal(data); !refusal.empty())
        return fail(kExitCannotCompute, refusal);
    data.page = paper;
    data.date = epoch ? isoDate(*epoch) : system.today;
    data.version = VARNEL_VERSION;

    bool cannotDraw = false;
    if (const std::string error = writeSheet(output, data, epoch.value_or(system.now), system.png, &cannotDraw);
        !error.empty())
        return fail(cannotDraw ? kExitCannotCompute : kExitWriteFailed, escapedPath(error));
    for (const std::string &warning : sheetWarnings(data))
        err << kProgram << ": warning: " << warning << '\n';
    return kExitOk;
}

} // namespace varnel
