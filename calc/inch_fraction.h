// Inches as a builder's tape shows them: the nearest fraction with a given
// denominator, in lowest terms, and how far it lies from the exact length.
#pragma once

#include <string>
#include <string_view>

namespace varnel {

struct InchFraction
{
    std::string text; // "9 3/8", "3/16", "12", "-1 1/2"; empty beyond any tape
    double errorMillimetres = 0; // the fraction minus the exact length
};

// `denominator` is 8, 16, 32 or 64. Ties go to the even sixty-fourth (or
// whichever unit), like every rounding in the program.
InchFraction nearestFraction(double inches, int denominator);

// The tape reading for a length in millimetres, as varnel-calc and the
// build sheet both print it.
InchFraction tapeReading(float millimetres, int denominator);

// The error with its sign and two decimals, "+0.14" or "-0.31", in the
// locale's notation; a reading that is exact to the hundredth is "+0.00".
std::string signedMillimetres(double millimetres, std::string_view decimalSeparator);

// "9 3/8 in (+0.14 mm)": the reading and how much longer the tape's mark is
// than the length; empty beyond any tape.
std::string tapeText(const InchFraction &reading, std::string_view decimalSeparator);

} // namespace varnel
