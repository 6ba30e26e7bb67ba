#include "app/sheet_cli.h"

#include "app/command_line.h"
#include "calc/corner_bends.h"
#include "calc/length_frequency.h"
#include "numbers/text_to_number.h"
#include "numbers/unicode_text.h"
#include "sheet/sheet_content.h"
#include "sheet/template_plan.h"
#include "varnel/build_info.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>

namespace varnel {

namespace {

constexpr std::string_view kProgram = "varnel-sheet";

// The papers' command-line words: "a4 or letter".
std::string paperWords()
{
    std::string words;
    for (std::size_t n = 0; n < std::size(kPapers); ++n)
        words += std::string(n == 0 ? "" : n + 1 == std::size(kPapers) ? " or " : ", ") + std::string(kPapers[n].word);
    return words;
}

#ifdef _WIN32
const std::string kPageHelp = paperWords()
    + "; by default the paper of your\n"
      "Region settings";
#else
const std::string kPageHelp = paperWords()
    + "; by default the paper your locale names\n"
      "(LC_PAPER, then LC_MEASUREMENT)";
#endif

// The large sheets of each paper's series: "the smallest of A3 to A0\n(Tabloid
// to ANSI E with Letter paper)".
std::string largeSheetWords()
{
    std::string words;
    for (const PaperFacts &paper : kPapers) {
        const std::string series
            = std::string(paper.largeSheets.front().name) + " to " + std::string(paper.largeSheets.back().name);
        words += words.empty() ? "the smallest of " + series
                               : "\n(" + series + " with " + std::string(paper.name) + " paper)";
    }
    return words;
}

const std::string kLargePageHelp = "write the full-size template alone on one large\n"
                                   "page for a copy shop: "
    + largeSheetWords()
    + " that holds\n"
      "it; .pdf or .svg";

const std::string kOutputHelp = "the file to write: " + suffixWords();

#ifdef _WIN32
const std::string kPrintedBarHelp = "what the 100 mm bar measured when the template\n"
                                    "was printed at Actual size, across or across,down:\n"
                                    "the template's pages are drawn to undo it; 90 to\n"
                                    "110";
#else
const std::string kPrintedBarHelp = "what the 100 mm bar measured when the template\n"
                                    "was printed at 100 %, across or across,down: the\n"
                                    "template's pages are drawn to undo it; 90 to 110";
#endif

const std::array<OptionSpec, 10> kOptions {{
    {"--output", 'o', "FILE", kOutputHelp},
    {"--feed-gap", 0, "MM",
     "below 137.5 MHz, narrow the feed gap to MM, as the\n"
     "notes allow: what it loses goes to the two end\n"
     "pieces at the feed side, half to each; the\n"
     "verticals stay the design's gap apart"},
    {"--from", 0, "LENGTH",
     "in place of FREQ, the design whose length comes\n"
     "nearest to one already cut, to 0.001 MHz:\n"
     "side=195, height=, end= or gap= and the length\n"
     "in mm"},
    {"--corner-radius", 0, "MM",
     "the loop's corners bent, or made with elbows, to a\n"
     "centre-line radius of MM: each side grows so that\n"
     "the centre line stays the design's; the drawings,\n"
     "template and cut list show the bends"},
    {"--coax", 0, "Z:VF",
     "the cable for the capacitors cut from coax:\n"
     "impedance in ohm and velocity factor (50:0.66,\n"
     "solid polyethylene, unless given)"},
    {"--printed-bar", 0, "MM[,MM]", kPrintedBarHelp},
    {"--large-page", 0, {}, kLargePageHelp},
    {"--page", 0, "SIZE", kPageHelp},
    kVersionOption,
    kHelpOption,
}};

std::string usage()
{
    std::string text = "Usage: varnel-sheet [OPTION]... FREQ -o FILE\n\n"
                       "Writes a build sheet for the antenna at FREQ MHz: how the lengths make one\n"
                       "square loop and two verticals, a plan and a side view to scale, the\n"
                       "capacitors' wiring, the cut list in mm, inch and sixteenths, the tubing,\n"
                       "both capacitors with their nearest E12 parts, and the construction notes;\n"
                       "in a PDF, a full-size template follows, on one page where the loop fits\n"
                       "it and across up to 12 overlapping sheets where it does not.\n"
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

SheetPlan planSheet(const std::vector<std::string> &args, const SheetSystem &system)
{
    SheetPlan plan;
    const auto fail = [&](int status, std::string message) {
        plan.status = status;
        plan.failure = std::move(message);
        return plan;
    };
    const auto usageError = [&](std::string message) {
        plan.status = kExitUsage;
        plan.usageError = std::move(message);
        return plan;
    };
    const auto answer = [&](const char *what, std::string text) {
        plan.status = kExitOk;
        plan.answerOf = what;
        plan.answer = std::move(text);
        return plan;
    };

    const CommandLine line = parseOptions(withSystemHelpNames(args), kOptions);
    if (!line.error.empty())
        return usageError(line.error);
    std::vector<std::string> frequencies;
    SheetRequest &request = plan.request;
    std::optional<std::string> page;
    std::optional<std::string> feedGap;
    std::optional<std::string> from;
    std::optional<std::string> cornerRadius;
    std::optional<std::string> coax;
    std::optional<std::string> printedBar;
    bool largePage = false;
    for (const CommandLineItem &item : line.items) {
        const std::string_view name = item.option ? item.option->name : std::string_view();
        if (name == "--help")
            return answer("help", usage());
        if (name == "--version")
            return answer("version", "varnel-sheet " VARNEL_VERSION "\n");
        if (!item.option)
            frequencies.push_back(item.value);
        else if (name == "--output")
            request.output = item.value;
        else if (name == "--page")
            page = item.value;
        else if (name == "--feed-gap")
            feedGap = item.value;
        else if (name == "--large-page")
            largePage = true;
        else if (name == "--from")
            from = item.value;
        else if (name == "--corner-radius")
            cornerRadius = item.value;
        else if (name == "--coax")
            coax = item.value;
        else if (name == "--printed-bar")
            printedBar = item.value;
    }
    if (from) {
        if (!frequencies.empty())
            return usageError("give one frequency in MHz, or --from, not both");
        FromResult found = frequencyFromLength(*from, system.decimalSeparator);
        if (!found.error.empty())
            return usageError(found.error);
        frequencies.push_back(std::move(found.frequency));
    }
    if (frequencies.size() != 1)
        return usageError("give one frequency in MHz");
    request.frequency = frequencies.front();
    if (request.output.empty())
        return usageError("give the file to write with -o FILE (" + suffixWords() + ")");
    // The name's bytes as given: a file name need not be in the locale's
    // encoding, nor in any.
    const std::optional<SheetFormat> format = sheetFormatFor(request.output);
    if (!format)
        return usageError(escapedPath(request.output) + ": the file's suffix must be " + suffixWords());
    request.format = *format;
    const SheetFormatFacts &facts = formatFacts(request.format);
    request.paper = system.paper;
    if (page) {
        std::string size = *page;
        for (char &c : size)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        const auto named = std::find_if(std::begin(kPapers), std::end(kPapers),
                                        [&](const PaperFacts &paper) { return paper.word == size; });
        if (named == std::end(kPapers))
            return usageError("--page takes " + paperWords() + ", not '" + escapedInput(*page) + "'");
        request.paper = named->paper;
    }
    if (largePage && !facts.largePage)
        return usageError("--large-page writes " + largePageSuffixWords() + ", not "
                          + std::string(facts.suffixWithArticle));
    request.pages = largePage ? SheetPages::LargeTemplate : facts.pages;
    if (feedGap) {
        const SingleParse parsed = parseSingle(*feedGap, system.decimalSeparator);
        if (parsed.error != ErrorKind::None)
            return usageError("--feed-gap takes a width in mm, not '" + escapedInput(*feedGap) + "'");
        request.feedGap = parsed.value;
    }
    if (cornerRadius) {
        request.cornerRadius = parseCornerRadius(*cornerRadius, system.decimalSeparator);
        if (!request.cornerRadius)
            return usageError("--corner-radius takes " + std::string(kCornerRadiusHelp) + ", not '"
                              + escapedInput(*cornerRadius) + "'");
    }
    if (coax) {
        const std::optional<Coax> cable = parseCoax(*coax, system.decimalSeparator);
        if (!cable)
            return usageError("--coax takes " + std::string(kCoaxTakes) + ", not '" + escapedInput(*coax) + "'");
        request.coax = *cable;
    }
    if (printedBar) {
        request.printedBar = parsePrintedBar(*printedBar, system.decimalSeparator);
        if (!request.printedBar)
            return usageError("--printed-bar takes what the 100 mm bar measured, 90 to 110 mm, not '"
                              + escapedInput(*printedBar)
                              + "': a printer further off is scaling to fit the page; print at 100 % and measure "
                                "again");
    }
    std::optional<long long> epoch;
    if (system.sourceDateEpoch) {
        epoch = sourceDateEpoch(*system.sourceDateEpoch);
        if (!epoch)
            return usageError("SOURCE_DATE_EPOCH must be whole seconds since 1970 up to the year 9999, not '"
                              + escapedInput(*system.sourceDateEpoch) + "'");
    }
    request.created = epoch.value_or(system.now);
    request.date = epoch ? isoDate(*epoch) : system.today;

    SheetData &data = plan.data;
    data = computeSheet(request, system.decimalSeparator);
    if (data.texts.error != ErrorKind::None)
        return fail(kExitCannotCompute,
                    "'" + shortenedForMessage(escapedInput(request.frequency))
                        + "': " + std::string(errorName(data.texts.error)));
    if (const std::string refusal = sheetRefusal(data); !refusal.empty())
        return fail(kExitCannotCompute, refusal);
    if (request.feedGap) {
        if (const std::string refusal = feedGapRefusal(data, *request.feedGap); !refusal.empty())
            return fail(kExitUsage, refusal);
    }
    if (const std::string refusal = cornerRadiusRefusal(data); !refusal.empty())
        return fail(kExitUsage, "--corner-radius: " + refusal);
    if (request.pages == SheetPages::LargeTemplate) {
        if (const std::string refusal = largePageRefusal(data, facts.withArticle); !refusal.empty())
            return fail(kExitCannotCompute, refusal);
    }
    data.version = VARNEL_VERSION;
    return plan;
}

int runSheetCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, const SheetSystem &system)
{
    const SheetPlan plan = planSheet(args, system);
    if (!plan.usageError.empty()) {
        err << usageErrorText(kProgram, plan.usageError);
        return plan.status;
    }
    if (!plan.failure.empty()) {
        err << kProgram << ": " << plan.failure << '\n';
        return plan.status;
    }
    if (plan.answerOf)
        return writeAnswer(out, err, kProgram, plan.answerOf, plan.answer);
    bool cannotDraw = false;
    if (const std::string error = writeSheet(plan.request, plan.data, system.png, &cannotDraw); !error.empty()) {
        err << kProgram << ": " << escapedPath(error) << '\n';
        return cannotDraw ? kExitCannotCompute : kExitWriteFailed;
    }
    for (const std::string &warning : sheetWarnings(plan.data))
        err << kProgram << ": warning: " << warning << '\n';
    return kExitOk;
}

} // namespace varnel
