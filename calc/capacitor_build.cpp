#include "calc/capacitor_build.h"

#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace varnel {

namespace {

constexpr std::array<long long, 12> kE12Steps {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr double kLightMetresPerSecond = 299792458;

// The decade of `picofarads`' first digit, as an E12 step's exponent: a
// value from 10 to 99.9 pF has its steps at exponent 0.
int decadeOf(double picofarads)
{
    return static_cast<int>(std::floor(std::log10(picofarads))) - 1;
}

std::string picofaradText(double value, std::string_view separator)
{
    return formatDouble(roundToPlaces(value, 2), separator);
}

} // namespace

std::optional<PartPair> nearerPair(double picofarads)
{
    if (!(picofarads > 0) || !std::isfinite(picofarads))
        return std::nullopt;
    // The largest E12 value below: in the value's decade, or the last of
    // the one before.
    Decimal below;
    for (int decade = decadeOf(picofarads) - 1; decade <= decadeOf(picofarads); ++decade) {
        for (long long step : kE12Steps) {
            const Decimal candidate {step, decade};
            if (decimalValue(candidate) < picofarads)
                below = candidate;
        }
    }
    if (below.digits == 0)
        return std::nullopt;
    // The top-up nearest to what is missing, 1 pF and up; the smaller on a
    // tie.
    const double missing = picofarads - decimalValue(below);
    Decimal topUp;
    double bestOff = 0;
    for (int decade = -1; decade <= std::max(-1, decadeOf(missing) + 1); ++decade) {
        for (long long step : kE12Steps) {
            const Decimal candidate {step, decade};
            const double off = std::fabs(decimalValue(below + candidate) - picofarads);
            if (topUp.digits == 0 || off < bestOff) {
                topUp = candidate;
                bestOff = off;
            }
        }
    }
    const StandardPart single = nearestE12(picofarads);
    if (!(bestOff < std::fabs(decimalValue(single.value) - picofarads)))
        return std::nullopt;
    PartPair pair;
    pair.below = partOf(below);
    pair.topUp = partOf(topUp);
    pair.sum = below + topUp;
    pair.low = pair.below.low + pair.topUp.low;
    pair.high = pair.below.high + pair.topUp.high;
    return pair;
}

std::string pairText(const PartPair &pair, double picofarads, std::string_view separator)
{
    const double off = decimalValue(pair.sum) - picofarads;
    std::string low = capacitanceText(pair.low, pair.sum, separator);
    low.erase(low.rfind(' '));
    return capacitanceText(pair.below.value, separator) + " and " + capacitanceText(pair.topUp.value, separator)
        + " in parallel make " + capacitanceText(pair.sum, separator) + ", " + picofaradText(std::fabs(off), separator)
        + (off < 0 ? " pF under" : " pF over") + ", which may be " + low + " to "
        + capacitanceText(pair.high, pair.sum, separator);
}

std::optional<Coax> parseCoax(std::string_view text, std::string_view separator)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::optional<double> impedance = parseTypedNumber(text.substr(0, colon), separator);
    const std::optional<double> factor = parseTypedNumber(text.substr(colon + 1), separator);
    if (!impedance || !factor || !(*impedance >= 10) || !(*impedance <= 300) || !(*factor >= 0.5) || !(*factor <= 1))
        return std::nullopt;
    return Coax {*impedance, *factor};
}

double portableAtan(double x)
{
    if (x < 0)
        return -portableAtan(-x);
    if (x > 1)
        return std::numbers::pi / 2 - portableAtan(1 / x);
    // Below tan(pi/12) the series converges fast; above it, shift by pi/6:
    // atan x = pi/6 + atan((x sqrt 3 - 1) / (x + sqrt 3)).
    const double root3 = std::sqrt(3.0);
    if (x > 2 - root3)
        return std::numbers::pi / 6 + portableAtan((x * root3 - 1) / (x + root3));
    // x - x^3/3 + x^5/5 - ...: below 0.268, 0.072 a term, so 16 terms are
    // far below a double's last digit. Summed from the smallest.
    const double square = x * x;
    double sum = 0;
    for (int n = 16; n >= 0; --n) {
        double power = x;
        for (int k = 0; k < n; ++k)
            power *= square;
        sum += (n % 2 ? -power : power) / (2 * n + 1);
    }
    return sum;
}

std::optional<CoaxStub> openStub(double picofarads, double megahertz, const Coax &coax)
{
    if (!(picofarads > 0) || !std::isfinite(picofarads) || !(megahertz > 0) || !std::isfinite(megahertz)
        || !(coax.impedance > 0) || !(coax.velocityFactor > 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * megahertz * 1e6;
    const double angle = portableAtan(omega * picofarads * 1e-12 * coax.impedance);
    CoaxStub stub;
    stub.millimetres = coax.velocityFactor * kLightMetresPerSecond / omega * angle * 1000;
    // An eighth of a wavelength is an angle of pi/4.
    stub.pastEighthWave = angle > std::numbers::pi / 4;
    return stub;
}

std::string stubText(const CoaxStub &stub, const Coax &coax, std::string_view separator)
{
    std::string text = "an open-ended piece of " + formatDouble(coax.impedance, separator)
        + " ohm coax with a velocity factor of " + formatDouble(coax.velocityFactor, separator) + ", "
        + formatDouble(roundToPlaces(stub.millimetres, 1), separator)
        + " mm long: cut it a little long and trim it while measuring";
    if (stub.pastEighthWave)
        text += "; it is longer than an eighth of a wavelength in the cable, so its reactance changes faster with "
                "frequency than a capacitor's";
    return text;
}

} // namespace varnel
