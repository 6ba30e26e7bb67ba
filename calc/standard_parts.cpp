#include "calc/standard_parts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace varnel {

namespace {

constexpr std::array<long long, 13> kE12 {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82, 100};

double valueOf(Decimal d)
{
    return static_cast<double>(d.digits) * std::pow(10.0, d.exponent);
}

// Drops trailing zero digits into the exponent: {150, 1} is {15, 2}.
Decimal normalised(Decimal d)
{
    while (d.digits != 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

// The power of ten of the unit: 0 for pF, 3 for nF, 6 for µF.
int unitExponent(Decimal picofarads)
{
    const Decimal d = normalised(picofarads);
    const int magnitude = d.exponent + static_cast<int>(std::to_string(d.digits).size()) - 1;
    return magnitude >= 6 ? 6 : magnitude >= 3 ? 3 : 0;
}

std::string plainDecimal(Decimal d, int shift, std::string_view separator)
{
    d = normalised(d);
    const int exponent = d.exponent - shift;
    std::string digits = std::to_string(d.digits);
    if (exponent >= 0)
        return digits + std::string(static_cast<std::size_t>(exponent), '0');
    const auto decimals = static_cast<std::size_t>(-exponent);
    if (digits.size() <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    return digits.substr(0, digits.size() - decimals) + std::string(separator.empty() ? "." : separator)
        + digits.substr(digits.size() - decimals);
}

} // namespace

StandardPart partOf(Decimal value)
{
    const Decimal best = normalised(value);
    StandardPart part {best, {}, {}};
    if (best.digits == 0)
        return part;
    if (valueOf(best) <= 10) {
        // ±0.5 pF, in units of the value's last digit (at most 0.1 pF).
        const int exponent = std::min(best.exponent, -1);
        long long digits = best.digits;
        for (int e = best.exponent; e > exponent; --e)
            digits *= 10;
        long long half = 5;
        for (int e = -1; e > exponent; --e)
            half *= 10;
        part.low = {std::max(digits - half, 0LL), exponent};
        part.high = {digits + half, exponent};
    } else {
        part.low = {best.digits * 9, best.exponent - 1};
        part.high = {best.digits * 11, best.exponent - 1};
    }
    return part;
}

StandardPart nearestE12(double picofarads)
{
    if (!(picofarads > 0) || !std::isfinite(picofarads))
        return {};
    const int decade = static_cast<int>(std::floor(std::log10(picofarads))) - 1;
    Decimal best;
    for (long long step : kE12) {
        const Decimal candidate {step, decade};
        if (best.digits == 0 || std::fabs(valueOf(candidate) - picofarads) < std::fabs(valueOf(best) - picofarads))
            best = candidate;
    }
    return partOf(best);
}

Decimal operator+(Decimal a, Decimal b)
{
    const int exponent = std::min(a.exponent, b.exponent);
    for (; a.exponent > exponent; --a.exponent)
        a.digits *= 10;
    for (; b.exponent > exponent; --b.exponent)
        b.digits *= 10;
    return normalised({a.digits + b.digits, exponent});
}

double decimalValue(Decimal d)
{
    return valueOf(d);
}

std::string capacitanceText(Decimal picofarads, Decimal unitOf, std::string_view decimalSeparator)
{
    if (picofarads.digits == 0)
        return "0 pF";
    const int unit = unitExponent(unitOf);
    const char *name = unit == 6 ? " \u00B5F" : unit == 3 ? " nF" : " pF";
    return plainDecimal(picofarads, unit, decimalSeparator) + name;
}

std::string capacitanceText(Decimal picofarads, std::string_view decimalSeparator)
{
    return capacitanceText(picofarads, picofarads, decimalSeparator);
}

std::string picofaradNumber(Decimal picofarads, std::string_view decimalSeparator)
{
    return plainDecimal(picofarads, 0, decimalSeparator);
}

std::string partText(const StandardPart &part, std::string_view decimalSeparator)
{
    if (part.value.digits == 0)
        return {};
    std::string low = capacitanceText(part.low, part.value, decimalSeparator);
    low.erase(low.rfind(' ')); // the unit is said once, after the range
    return capacitanceText(part.value, decimalSeparator) + ", which may be " + low + " to "
        + capacitanceText(part.high, part.value, decimalSeparator);
}

} // namespace varnel
