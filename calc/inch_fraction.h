// Inches as a builder's tape shows them: the nearest fraction with a given
// denominator, in lowest terms.
#pragma once

#include <string>

namespace varnel {

struct InchFraction
{
    std::string text; // "9 3/8", "3/16", "12", "-1 1/2"
    double errorMillimetres = 0; // the fraction minus the exact length
};

// `denominator` is 8, 16, 32 or 64. Ties go to the even sixty-fourth (or
// whichever unit), like every rounding in the program.
InchFraction nearestFraction(double inches, int denominator);

} // namespace varnel
