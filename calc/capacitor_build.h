// A capacitor a builder can make up when the nearest E12 part is too far
// off: the E12 part below the value topped up by a second one in parallel,
// or an open-ended piece of coax whose reactance at the frequency is the
// capacitor's. Both in every tool's words, computed here once.
#pragma once

#include "calc/standard_parts.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

struct PartPair
{
    StandardPart below; // the E12 part below the value
    StandardPart topUp; // the E12 part, 1 pF and up, that brings the sum nearest
    Decimal sum; // pF
    Decimal low; // what the two may measure, each part as its tolerance allows
    Decimal high;
};

// The pair for a positive, finite capacitance in pF, where it comes nearer
// to it than the nearest single part; nothing otherwise.
std::optional<PartPair> nearerPair(double picofarads);

// "22 pF and 1.5 pF in parallel make 23.5 pF, 0.13 pF under, which may be
// 20.8 to 26.2 pF".
std::string pairText(const PartPair &pair, double picofarads, std::string_view decimalSeparator);

// A cable by its characteristic impedance and velocity factor.
struct Coax
{
    double impedance = 50; // ohm
    double velocityFactor = 0.66;
};
inline constexpr Coax kSolidPolyethylene {50, 0.66};
// "75:0.82" in the locale's notation: an impedance of 10 to 300 ohm and a
// velocity factor of 0.5 to 1; nothing for anything else.
std::optional<Coax> parseCoax(std::string_view text, std::string_view decimalSeparator);
inline constexpr std::string_view kCoaxTakes
    = "an impedance of 10 to 300 ohm and a velocity factor of 0.5 to 1, as 50:0.66";

struct CoaxStub
{
    double millimetres = 0;
    // Longer than an eighth of a wavelength in the cable: its reactance
    // then changes with frequency faster than a capacitor's does.
    bool pastEighthWave = false;
};

// The open stub whose input reactance at `megahertz` is that of
// `picofarads`: (VF c / 2 pi f) atan(2 pi f C Z0). Nothing where either
// is not positive and finite.
std::optional<CoaxStub> openStub(double picofarads, double megahertz, const Coax &coax);

// "an open-ended piece of 50 ohm coax with a velocity factor of 0.66,
// 220.3 mm long: cut it a little long and trim it while measuring", and
// where it is past an eighth of a wavelength, what that means.
std::string stubText(const CoaxStub &stub, const Coax &coax, std::string_view decimalSeparator);

// The arc tangent by + - * / and one square root alone, which every CPU
// and C library round alike, so that a stub's length prints the same
// everywhere.
double portableAtan(double x);

} // namespace varnel
