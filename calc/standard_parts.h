// The capacitor a builder buys: the nearest E12 standard value, and the
// spread the construction notes allow for it.
#pragma once

#include <string>
#include <string_view>

namespace varnel {

// A value as its two significant digits times a power of ten, so that it
// prints exactly: 1500 pF is {15, 2}, 8.2 pF is {82, -1}.
struct Decimal
{
    long long digits = 0;
    int exponent = 0;
};

struct StandardPart
{
    Decimal value; // in pF
    Decimal low; // what a part of that value may measure, in pF
    Decimal high;
};

// The nearest E12 value to a positive, finite capacitance in pF; nothing
// (digits 0) for any other. Parts of 10 pF and less may be off by 0.5 pF,
// larger ones by 10 % (never below 0 pF).
StandardPart nearestE12(double picofarads);
// A part of `value` pF with that spread.
StandardPart partOf(Decimal value);

// Exact sums of decimals, and a decimal's value as the nearest double.
Decimal operator+(Decimal a, Decimal b);
double decimalValue(Decimal d);

// The part's value as its label and a builder's catalogue give it: pF
// below 1000 pF, nF from there ("1.5 nF", "22 nF"), µF from 1 µF; never an
// exponent. With `unitOf`, in that value's unit instead.
std::string capacitanceText(Decimal picofarads, std::string_view decimalSeparator);
std::string capacitanceText(Decimal picofarads, Decimal unitOf, std::string_view decimalSeparator);

// The value in pF as a plain number, for the machine formats: "1500", "1.5".
std::string picofaradNumber(Decimal picofarads, std::string_view decimalSeparator);

// "33 pF, which may be 29.7 to 36.3 pF"; empty when there is no part.
std::string partText(const StandardPart &part, std::string_view decimalSeparator);

} // namespace varnel
