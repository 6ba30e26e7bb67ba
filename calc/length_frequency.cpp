#include "calc/length_frequency.h"

#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"
#include "numbers/unicode_text.h"

#include <cmath>

namespace varnel {

namespace {

double divisorOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::VerticalHeight:
        return kVerticalHeightDivisor;
    case Quantity::HorizontalSide:
        return kHorizontalSideDivisor;
    case Quantity::HorizontalEnd:
        return kHorizontalEndDivisor;
    case Quantity::CenterGap:
        return kCenterGapDivisor;
    case Quantity::ElementDiameter:
    case Quantity::ParallelCap:
    case Quantity::SeriesCap:
        break;
    }
    return 0;
}

// "136.089" for 136089 thousandths: written from the integer, exactly.
std::string thousandthsText(long long thousandths)
{
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return std::to_string(thousandths / 1000) + (fraction.empty() ? "" : "." + fraction);
}

// The length the calculator stores for the frequency typed as `text`.
std::optional<float> designLength(Quantity quantity, const std::string &text)
{
    const SingleParse parsed = parseSingle(text, ".");
    Module1 state;
    if (parsed.error != ErrorKind::None || state.ComputeLengths(parsed.value) != ErrorKind::None)
        return std::nullopt;
    return storedValue(state, quantity);
}

} // namespace

std::optional<double> millimetreCost(const Module1 &state, Quantity quantity)
{
    const double divisor = divisorOf(quantity);
    const double length = storedValue(state, quantity);
    if (divisor == 0 || !(length > 0) || !std::isfinite(length))
        return std::nullopt;
    // f' = 300000 / (divisor (L + 1)).
    return static_cast<double>(state.Frequency) - kWavelengthNumerator / (divisor * (length + 1));
}

std::string frequencyStepText(double megahertz, std::string_view separator)
{
    if (std::fabs(megahertz) >= 0.1)
        return formatDouble(roundToPlaces(megahertz, 2), separator) + " MHz";
    if (std::fabs(megahertz) >= 0.0001)
        return formatDouble(roundToPlaces(megahertz * 1000, 2), separator) + " kHz";
    return formatDouble(roundToPlaces(megahertz * 1000000, 2), separator) + " Hz";
}

std::string millimetreCostText(const Module1 &state, std::string_view separator)
{
    const std::optional<double> side = millimetreCost(state, Quantity::HorizontalSide);
    const std::optional<double> height = millimetreCost(state, Quantity::VerticalHeight);
    if (!side || !height)
        return {};
    return "1 mm too long on SIDE lowers the frequency these lengths are made for by "
        + frequencyStepText(*side, separator) + ", on HEIGHT by " + frequencyStepText(*height, separator) + ".";
}

std::optional<std::string> designFrequencyFor(Quantity quantity, double millimetres)
{
    const double divisor = divisorOf(quantity);
    if (divisor == 0 || !(millimetres > 0) || !std::isfinite(millimetres))
        return std::nullopt;
    const double guess = kWavelengthNumerator / (divisor * millimetres) * 1000;
    if (!(guess >= 0.5) || !(guess <= 1e9))
        return std::nullopt;
    // The stored lengths are Singles: look a few thousandths either side.
    std::optional<std::string> best;
    double bestOff = 0;
    const auto centre = static_cast<long long>(std::llround(guess));
    for (long long thousandths = centre - 3; thousandths <= centre + 3; ++thousandths) {
        if (thousandths < 1)
            continue;
        const std::string text = thousandthsText(thousandths);
        const std::optional<float> length = designLength(quantity, text);
        if (!length)
            continue;
        const double off = std::fabs(static_cast<double>(*length) - millimetres);
        if (!best || off < bestOff) {
            best = text;
            bestOff = off;
        }
    }
    return best;
}

std::optional<LengthAsBuilt> parseLengthAsBuilt(std::string_view text, std::string_view separator)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = text.substr(0, equals);
    LengthAsBuilt length;
    if (name == "side")
        length.quantity = Quantity::HorizontalSide;
    else if (name == "height")
        length.quantity = Quantity::VerticalHeight;
    else if (name == "end")
        length.quantity = Quantity::HorizontalEnd;
    else if (name == "gap")
        length.quantity = Quantity::CenterGap;
    else
        return std::nullopt;
    const SingleParse parsed = parseSingle(text.substr(equals + 1), separator);
    if (parsed.error != ErrorKind::None)
        return std::nullopt;
    length.millimetres = parsed.value;
    return length;
}

FromResult frequencyFromLength(std::string_view text, std::string_view separator)
{
    const std::optional<LengthAsBuilt> length = parseLengthAsBuilt(text, separator);
    if (!length)
        return {{}, "--from takes " + std::string(kFromHelp) + ", not '" + escapedInput(text) + "'"};
    const std::optional<std::string> frequency = designFrequencyFor(length->quantity, length->millimetres);
    if (!frequency)
        return {{}, "--from: no frequency from 0.001 to 1000000 MHz has that length: '" + escapedInput(text) + "'"};
    return {*frequency, {}};
}

} // namespace varnel
