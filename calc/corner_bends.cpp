#include "calc/corner_bends.h"

#include "calc/antenna_build.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"

#include <cmath>
#include <numbers>

namespace varnel {

namespace {

double hundredths(double millimetres)
{
    return std::nearbyint(roundToPlaces(millimetres, 2) * 100);
}

std::string shown(double hundredthsOfMm, std::string_view separator)
{
    return formatDouble(hundredthsOfMm / 100, separator);
}

std::string mm(double millimetres, std::string_view separator)
{
    return formatDouble(millimetres, separator) + " mm";
}

} // namespace

StraightLoop designLoop(const Module1 &state)
{
    const double side = shownHundredths(state.HorizontalSide);
    const double end = shownHundredths(state.HorizontalEnd);
    const double gap = shownHundredths(state.CenterGap);
    return {side / 100, end / 100, gap / 100, (side - end - gap) / 100};
}

std::optional<double> parseCornerRadius(std::string_view text, std::string_view separator)
{
    const std::optional<double> radius = parseTypedNumber(text, separator);
    if (!radius || !(*radius > 0) || !(*radius <= 10000))
        return std::nullopt;
    return radius;
}

std::string bentSidesText(const BentLoop &loop, std::string_view separator)
{
    return "Corners bent to a radius of " + mm(loop.radius, separator) + " on the centre line: each side "
        + mm(loop.side, separator) + " between the tangents' meeting points, END " + mm(loop.end, separator)
        + " and the rest " + mm(loop.rest, separator);
}

std::string bentRunsText(const BentLoop &loop, std::string_view separator)
{
    return "straight runs: " + mm(loop.wholeRun, separator) + " on each whole side, " + mm(loop.endRun, separator)
        + " for END and " + mm(loop.restRun, separator) + " for the rest; each corner's arc " + mm(loop.arc, separator);
}

std::string bentTubeText(const BentLoop &loop, std::string_view separator)
{
    std::string text = "Bent from one tube of " + mm(loop.total, separator)
        + ", the design's centre line: from its end at the gap, the bends run from ";
    for (std::size_t bend = 0; bend < 4; ++bend)
        text += std::string(bend == 0       ? ""
                                : bend == 3 ? " and "
                                            : ", ")
            + formatDouble(loop.marks[2 * bend], separator) + " to "
            + formatDouble(loop.marks[2 * bend + 1], separator);
    return text + " mm";
}

BentLoopResult bentLoop(const StraightLoop &straight, double radius, double tubeDiameter, std::string_view separator)
{
    BentLoopResult result;
    const double r = hundredths(radius);
    const double tube = hundredths(tubeDiameter);
    if (!(radius > 0) || !std::isfinite(radius) || !(2 * r >= tube)) {
        result.refusal = "a corner radius of " + formatDouble(roundToPlaces(radius, 2), separator)
            + " mm is less than half the " + shown(tube, separator) + " mm tubing";
        return result;
    }
    const double arc = std::nearbyint(std::numbers::pi * r / 2);
    const double growth = 2 * r - arc;
    const double side = hundredths(straight.side) + growth;
    const double end = hundredths(straight.end) + std::ceil(growth / 2);
    const double rest = hundredths(straight.rest) + std::floor(growth / 2);
    BentLoop loop;
    loop.radius = r / 100;
    loop.growth = growth / 100;
    loop.side = side / 100;
    loop.end = end / 100;
    loop.rest = rest / 100;
    loop.arc = arc / 100;
    const double wholeRun = side - 2 * r;
    const double endRun = end - r;
    const double restRun = rest - r;
    loop.wholeRun = wholeRun / 100;
    loop.endRun = endRun / 100;
    loop.restRun = restRun / 100;
    loop.total = (endRun + restRun + 3 * wholeRun + 4 * arc) / 100;
    for (double run : {wholeRun, endRun, restRun}) {
        if (!(run >= tube)) {
            result.refusal = "with corners of " + shown(r, separator) + " mm radius a straight run would be "
                + shown(run, separator) + " mm, shorter than the " + shown(tube, separator) + " mm tube is wide";
            return result;
        }
    }
    double at = endRun;
    for (std::size_t bend = 0; bend < 4; ++bend) {
        loop.marks[2 * bend] = at / 100;
        at += arc;
        loop.marks[2 * bend + 1] = at / 100;
        at += wholeRun;
    }
    result.loop = loop;
    return result;
}

BentLoopResult bentDesignLoop(const Module1 &state, double radius, std::string_view separator)
{
    return bentLoop(designLoop(state), radius, state.ElementDiameter, separator);
}

} // namespace varnel
