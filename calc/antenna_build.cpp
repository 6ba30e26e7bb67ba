#include "calc/antenna_build.h"

#include "calc/compute_command.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <charconv>
#include <cmath>

namespace varnel {

namespace {

std::string shownLength(float millimetres, std::string_view decimalSeparator)
{
    return formatSingle(roundToPlaces(millimetres, 2), decimalSeparator);
}

} // namespace

double shownHundredths(float millimetres)
{
    // Read back from the text itself: from 100000 mm on, a Single's seven
    // digits leave fewer than two decimals, and a sum must add up as printed.
    const std::string shown = shownLength(millimetres, ".");
    double value = 0;
    std::from_chars(shown.data(), shown.data() + shown.size(), value);
    return std::nearbyint(value * 100);
}

double feedSideRestMillimetres(const Module1 &state)
{
    return (shownHundredths(state.HorizontalSide) - shownHundredths(state.HorizontalEnd)
            - shownHundredths(state.CenterGap))
        / 100;
}

std::string millimetreText(double millimetres, std::string_view decimalSeparator)
{
    return formatDouble(roundToPlaces(millimetres, 2), decimalSeparator);
}

std::string inchText(double millimetres, std::string_view decimalSeparator)
{
    return formatDouble(roundToPlaces(millimetres / kMillimetresPerInch, 3), decimalSeparator);
}

std::string buildProblem(const Module1 &state, std::string_view decimalSeparator)
{
    const double diameter = state.ElementDiameter;
    const double rest = feedSideRestMillimetres(state);
    if (!(state.CenterGap > 0))
        return {};
    const bool gapTooNarrow = state.CenterGap < diameter;
    // The rest of the feed side is the shortest piece at every frequency
    // (0.012 of a wavelength against the gap's 0.018), so it is the one to
    // measure against the tube.
    const bool restTooShort = rest < diameter;
    if (!gapTooNarrow && !restTooShort)
        return {};
    const std::string tube = formatSingle(state.ElementDiameter, decimalSeparator) + " mm tubing";
    std::string sentence = "at " + formatSingle(state.Frequency, decimalSeparator) + " MHz ";
    const std::string restPiece = "the rest of the feed side, " + millimetreText(rest, decimalSeparator) + " mm,";
    if (gapTooNarrow) {
        sentence
            += "the feed gap, " + shownLength(state.CenterGap, decimalSeparator) + " mm, is narrower than the " + tube;
        if (restTooShort)
            sentence += ", and " + restPiece + " is shorter than the tube is wide";
    } else {
        sentence += restPiece + " is shorter than the " + tube + " is wide";
    }
    return sentence;
}

void BuildProblemTally::add(const Module1 &state, std::string_view decimalSeparator)
{
    std::string problem = buildProblem(state, decimalSeparator);
    if (problem.empty())
        return;
    if (m_count++ == 0)
        m_first = std::move(problem);
}

std::string BuildProblemTally::warning() const
{
    if (m_count == 0)
        return {};
    if (m_count == 1)
        return m_first + "; no antenna can be built from these lengths";
    return std::to_string(m_count) + " frequencies give lengths no antenna can be built from, the first: " + m_first;
}

} // namespace varnel
