#include "sheet/sheet_content.h"

#include "calc/antenna_build.h"
#include "calc/construction_notes.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "calc/standard_parts.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"

#include <cmath>

namespace varnel {

namespace {

std::string millimetres(const SheetData &data, Quantity quantity)
{
    return fieldText(data, quantity, Unit::Millimetre);
}

std::string tapeOf(float length, const SheetData &data)
{
    const std::string tape = tapeText(tapeReading(length, kTapeDenominator), data.decimalSeparator);
    return tape.empty() ? "-" : tape;
}

} // namespace

SheetData computeSheet(const std::string &input, const std::string &decimalSeparator)
{
    SheetData data;
    data.decimalSeparator = decimalSeparator;
    data.texts = computeTexts(data.state, input, decimalSeparator);
    return data;
}

PageSize pageMillimetres(Paper page)
{
    const PaperFacts &paper = paperFacts(page);
    return {paper.width, paper.height};
}

std::string shownFrequency(const SheetData &data)
{
    return varnel::shownFrequency(data.state.Frequency, data.decimalSeparator);
}

std::string sheetRefusal(const SheetData &data)
{
    const float frequency = data.state.Frequency;
    if (!(data.state.VerticalHeight > 0) || !(data.state.HorizontalSide > 0) || !(data.state.HorizontalEnd > 0)
        || !(data.state.CenterGap > 0))
        return shownFrequency(data) + " MHz gives lengths that are not positive, so there is nothing to build";
    if (frequency < kSheetLowestMHz || frequency > kSheetHighestMHz)
        return shownFrequency(data) + " MHz is outside the " + numberText(data, kSheetLowestMHz) + " to "
            + numberText(data, kSheetHighestMHz) + " MHz a build sheet is drawn for";
    return {};
}

std::vector<std::string> sheetWarnings(const SheetData &data)
{
    std::vector<std::string> warnings;
    OutsideDesignTally outside;
    outside.add(data.state.Frequency, data.decimalSeparator);
    if (std::string warning = outside.warning(); !warning.empty())
        warnings.push_back(std::move(warning));
    BuildProblemTally unbuildable;
    unbuildable.add(data.state, data.decimalSeparator);
    if (std::string warning = unbuildable.warning(); !warning.empty())
        warnings.push_back(std::move(warning));
    return warnings;
}

bool buildable(const SheetData &data)
{
    return buildProblem(data.state, data.decimalSeparator).empty();
}

std::string sheetTitle(const SheetData &data)
{
    return "Build sheet for " + shownFrequency(data) + " MHz";
}

std::string notesTitle(const SheetData &data)
{
    return "Construction notes for " + shownFrequency(data) + " MHz";
}

std::string templateTitle(const SheetData &data)
{
    return "Full-size template for " + shownFrequency(data) + " MHz";
}

std::string fieldText(const SheetData &data, Quantity quantity, Unit unit)
{
    const ResultFieldInfo *field = findResultField(quantity, unit);
    return field ? data.texts.texts[static_cast<std::size_t>(field->field)] : std::string();
}

FeedSide feedSide(const SheetData &data)
{
    // The lengths as printed, so that every sum adds up on paper.
    const double side = shownHundredths(data.state.HorizontalSide);
    const double designEnd = shownHundredths(data.state.HorizontalEnd);
    const double designGap = shownHundredths(data.state.CenterGap);
    FeedSide built;
    built.verticalsApart = designGap / 100;
    const double gap = data.feedGap ? shownHundredths(*data.feedGap) : designGap;
    const double removed = designGap - gap;
    const double end = designEnd + std::ceil(removed / 2);
    built.end = end / 100;
    built.gap = gap / 100;
    built.rest = (side - end - gap) / 100;
    // Square, SIDE is the design's own, as every drawing has always drawn it.
    built.side = data.state.HorizontalSide;
    built.narrowed = removed != 0;
    built.square = {side / 100, built.end, built.gap, built.rest};
    if (data.cornerRadius) {
        BentLoopResult bent
            = bentLoop(built.square, *data.cornerRadius, data.state.ElementDiameter, data.decimalSeparator);
        if (bent.loop) {
            built.side = bent.loop->side;
            built.end = bent.loop->end;
            built.rest = bent.loop->rest;
        }
        built.bends = bent.loop;
        built.bendRefusal = std::move(bent.refusal);
    }
    return built;
}

std::string sideText(const SheetData &data)
{
    const std::optional<BentLoop> bends = feedSide(data).bends;
    return bends ? lengthText(data, bends->side) : millimetres(data, Quantity::HorizontalSide);
}

std::string cornerRadiusRefusal(const SheetData &data)
{
    return feedSide(data).bendRefusal;
}

std::optional<PrintedBar> parsePrintedBar(std::string_view text, std::string_view separator)
{
    // A semicolon separates the two, and so does a comma unless it is the
    // locale's decimal one.
    std::size_t split = text.find(';');
    if (split == std::string_view::npos && separator != ",")
        split = text.find(',');
    const std::optional<double> across = parseTypedNumber(text.substr(0, split), separator);
    const std::optional<double> down
        = split == std::string_view::npos ? across : parseTypedNumber(text.substr(split + 1), separator);
    const auto fair = [](const std::optional<double> &mm) { return mm && *mm >= 90 && *mm <= 110; };
    if (!fair(across) || !fair(down))
        return std::nullopt;
    return PrintedBar {*across, *down};
}

std::string printerNote(const SheetData &data)
{
    if (!data.printedBar)
        return {};
    const PrintedBar &bar = *data.printedBar;
    if (bar.across == bar.down)
        return "drawn for a printer that printed 100 mm as " + numberText(data, bar.across) + " mm";
    return "drawn for a printer that printed 100 mm as " + numberText(data, bar.across) + " mm across and "
        + numberText(data, bar.down) + " mm down";
}

std::string numberText(const SheetData &data, double value)
{
    return formatDouble(value, data.decimalSeparator);
}

std::string lengthText(const SheetData &data, double millimetres)
{
    return millimetreText(millimetres, data.decimalSeparator);
}

std::string inchLengthText(const SheetData &data, double millimetres)
{
    return inchText(millimetres, data.decimalSeparator);
}

std::string feedGapRefusal(const SheetData &data, float gap)
{
    const std::string design = millimetres(data, Quantity::CenterGap);
    if (!(data.state.Frequency < kDesignPointMHz))
        return "--feed-gap narrows the gap below " + numberText(data, kDesignPointMHz)
            + " MHz only; at and above it the gap stays the design's " + design + " mm";
    if (!(gap >= data.state.ElementDiameter))
        return "--feed-gap " + formatSingle(gap, data.decimalSeparator) + " is narrower than the "
            + millimetres(data, Quantity::ElementDiameter) + " mm tubing";
    if (!(roundToPlaces(gap, 2) <= roundToPlaces(data.state.CenterGap, 2)))
        return "--feed-gap " + formatSingle(gap, data.decimalSeparator) + " is wider than the design's " + design
            + " mm gap";
    return {};
}

std::string feedGapNote(const SheetData &data)
{
    const FeedSide built = feedSide(data);
    if (!built.narrowed)
        return {};
    const double removed = built.verticalsApart - built.gap;
    return "The feed gap is narrowed from " + lengthText(data, built.verticalsApart) + " to "
        + lengthText(data, built.gap) + " mm, as the notes allow below " + numberText(data, kDesignPointMHz)
        + " MHz: the " + lengthText(data, removed) + " mm taken out are added to the two end pieces at the feed side ("
        + "END " + millimetres(data, Quantity::HorizontalEnd) + " becomes " + lengthText(data, built.end)
        + " mm, the rest " + lengthText(data, feedSideRestMillimetres(data.state)) + " becomes "
        + lengthText(data, built.rest) + " mm), so the feed side stays " + millimetres(data, Quantity::HorizontalSide)
        + " mm, the gap's centre stays where it was and the verticals stay " + lengthText(data, built.verticalsApart)
        + " mm apart.";
}

std::string antennaReading(const SheetData &data)
{
    const FeedSide built = feedSide(data);
    const std::string side = millimetres(data, Quantity::HorizontalSide);
    const std::string apart = lengthText(data, built.verticalsApart);
    std::string reading = "How the lengths go together: the loop is a square of four sides of SIDE, " + side
        + " mm, between the centre lines of the tubing. Three sides are whole; the fourth, the feed side, is END, "
        + lengthText(data, built.end) + " mm, from the gap to its corner, then the feed gap, "
        + lengthText(data, built.gap) + " mm, then the rest of the side, " + lengthText(data, built.rest)
        + " mm (SIDE - END - GAP; the design's two end pieces at the feed side are END and this rest). "
          "Two verticals of HEIGHT, "
        + millimetres(data, Quantity::VerticalHeight) + " mm, stand on the side opposite the gap, "
        + (built.narrowed ? "the design's GAP, " + apart + " mm," : "the gap's " + apart + " mm")
        + " apart, one rising and one falling. The design gives no distance for where along that side they "
          "stand, nor for joints and overlaps: the verticals are drawn where the notes window's diagram puts them, "
          "near a corner. Each drawing is true to the scale it states.";
    if (built.narrowed)
        reading += " " + feedGapNote(data);
    if (built.bends)
        reading += " " + bentSidesText(*built.bends, data.decimalSeparator)
            + ", so that the loop's centre line, gap "
              "end to gap end, stays the design's; "
            + bentRunsText(*built.bends, data.decimalSeparator) + ". The drawings show the bends.";
    return reading;
}

std::string polarisationRule()
{
    return "Polarisation: look at the antenna from the feed point. If the left side goes to the downward vertical, "
           "it is RHCP, as drawn here (weather satellites); if the left side goes to the upward one, it is LHCP.";
}

std::string feedSideSum(const SheetData &data)
{
    const FeedSide built = feedSide(data);
    return std::string("Feed side: END + ") + (built.narrowed ? "feed gap" : "GAP")
        + " + rest = " + lengthText(data, built.end) + " + " + lengthText(data, built.gap) + " + "
        + lengthText(data, built.rest) + " = " + sideText(data) + " mm, the side of the square.";
}

std::string centreLineSum(const SheetData &data)
{
    const FeedSide built = feedSide(data);
    const std::optional<BentLoop> &bends = built.bends;
    if (!bends)
        return {};
    return "Centre line, gap end to gap end: END's run + 3 side runs + the rest's run + 4 arcs = "
        + lengthText(data, bends->endRun) + " + 3 x " + lengthText(data, bends->wholeRun) + " + "
        + lengthText(data, bends->restRun) + " + 4 x " + lengthText(data, bends->arc) + " = "
        + lengthText(data, bends->total) + " mm, as the square's 4 x " + lengthText(data, built.square.side) + " - "
        + lengthText(data, built.square.gap) + ".";
}

std::vector<CutRow> cutList(const SheetData &data)
{
    const auto row = [&](std::string piece, std::string count, Quantity quantity) {
        return CutRow {std::move(piece), std::move(count), millimetres(data, quantity),
                       fieldText(data, quantity, Unit::Inch), tapeOf(storedValue(data.state, quantity), data)};
    };
    const auto built = [&](std::string piece, std::string count, double length) {
        return CutRow {std::move(piece), std::move(count), lengthText(data, length), inchLengthText(data, length),
                       tapeOf(static_cast<float>(length), data)};
    };
    const FeedSide side = feedSide(data);
    std::vector<CutRow> rows;
    if (const std::optional<BentLoop> &bends = side.bends) {
        rows = {
            row("Vertical element (one up, one down)", "2", Quantity::VerticalHeight),
            built("Loop side: straight run between two bends", "3", bends->wholeRun),
            built("Feed side: END's straight run, from the gap", "1", bends->endRun),
            built("Feed side: the rest's straight run", "1", bends->restRun),
            built("Corner: arc of " + lengthText(data, bends->radius) + " mm radius", "4", bends->arc),
        };
    } else {
        rows = {
            row("Vertical element (one up, one down)", "2", Quantity::VerticalHeight),
            row("Loop side (the three whole sides)", "3", Quantity::HorizontalSide),
            // END as the window shows it, to the tape too, unless it is lengthened.
            side.narrowed ? built("Feed side: END, from the gap to its corner", "1", side.end)
                          : row("Feed side: END, from the gap to its corner", "1", Quantity::HorizontalEnd),
            built("Feed side: the rest (SIDE - END - GAP)", "1", side.rest),
        };
    }
    if (side.narrowed) {
        rows.push_back(built("Feed gap, narrowed", "-", side.gap));
        rows.push_back(row("The verticals' spacing, the design's GAP", "-", Quantity::CenterGap));
    } else {
        rows.push_back(row("Feed gap, and the verticals' spacing", "-", Quantity::CenterGap));
    }
    return rows;
}

std::vector<std::string> partLines(const SheetData &data)
{
    const auto capacitor = [&](const char *name, Quantity quantity) {
        const std::string shown = fieldText(data, quantity, Unit::Picofarad);
        const std::string part = partText(nearestE12(storedValue(data.state, quantity)), data.decimalSeparator);
        return std::string(name) + " capacitor: " + shown + " pF; "
            + (part.empty() ? std::string("no standard part") : "nearest E12 part " + part) + ".";
    };
    return {
        "Tubing: " + millimetres(data, Quantity::ElementDiameter) + " mm ("
            + fieldText(data, Quantity::ElementDiameter, Unit::Inch) + " in) diameter.",
        capacitor("Parallel", Quantity::ParallelCap),
        capacitor("Series", Quantity::SeriesCap),
        "Or use trimmer capacitors set by SWR measurement, as for a transceiver.",
    };
}

std::vector<CapacitorChoice> capacitorChoices(const SheetData &data)
{
    std::vector<CapacitorChoice> choices;
    for (const auto &[name, quantity] :
         {std::pair {"Parallel", Quantity::ParallelCap}, std::pair {"Series", Quantity::SeriesCap}}) {
        const double picofarads = storedValue(data.state, quantity);
        CapacitorChoice choice {name, fieldText(data, quantity, Unit::Picofarad) + " pF", "-", "-"};
        if (const std::optional<PartPair> pair = nearerPair(picofarads))
            choice.pair = pairText(*pair, picofarads, data.decimalSeparator);
        if (const std::optional<CoaxStub> stub = openStub(picofarads, data.state.Frequency, data.coax))
            choice.stub
                = lengthText(data, roundToPlaces(stub->millimetres, 1)) + " mm" + (stub->pastEighthWave ? " *" : "");
        choices.push_back(std::move(choice));
    }
    return choices;
}

std::string stubHeading(const SheetData &data)
{
    return "Open stub of " + numberText(data, data.coax.impedance) + " ohm coax, velocity factor "
        + numberText(data, data.coax.velocityFactor);
}

std::string stubNote(const SheetData &data)
{
    std::string note = "Two parts in parallel top up the part below the value. Cut a stub a little long and trim it "
                       "while measuring.";
    for (const CapacitorChoice &choice : capacitorChoices(data)) {
        if (choice.stub.ends_with(" *")) {
            note += " * longer than an eighth of a wavelength in the cable, so its reactance changes faster with "
                    "frequency than a capacitor's.";
            break;
        }
    }
    return note;
}

std::vector<std::string> noteParagraphs()
{
    std::vector<std::string> paragraphs;
    std::string paragraph;
    for (std::string_view notes : {kGeneralNotes, kGapNote}) {
        while (!notes.empty()) {
            const std::size_t end = notes.find("\r\n");
            std::string_view line = notes.substr(0, end);
            notes.remove_prefix(end == std::string_view::npos ? notes.size() : end + 2);
            const bool runsOn = line.ends_with(' ');
            while (line.ends_with(' '))
                line.remove_suffix(1);
            if (!paragraph.empty())
                paragraph += ' ';
            paragraph += line;
            if (!runsOn) {
                paragraphs.push_back(std::move(paragraph));
                paragraph.clear();
            }
        }
    }
    if (!paragraph.empty())
        paragraphs.push_back(std::move(paragraph));
    return paragraphs;
}

DrawingScale drawingScale(double length, double room)
{
    // Tried from the largest power of ten down; 1e-6 is far below any
    // sheet. The powers are written out, not computed, so that every
    // system's library finds the same scale.
    const double powers[] = {1e3, 1e2, 1e1, 1, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6};
    const double mantissas[] = {5, 4, 2.5, 2, 1};
    for (double power : powers) {
        for (double mantissa : mantissas) {
            const double factor = mantissa * power;
            if (length * factor > room)
                continue;
            // Written with the locale-free digits a scale is always written in.
            const double printed = factor >= 1 ? factor : 1 / factor;
            std::string digits = formatDouble(printed, ".");
            return {factor, factor >= 1 ? digits + ":1" : "1:" + digits};
        }
    }
    return {1e-6, "1:1000000"};
}

} // namespace varnel
