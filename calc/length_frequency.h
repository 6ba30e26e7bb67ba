// Lengths and frequencies the other way round. Every length is a fixed
// fraction of the wavelength, so a length too long by 1 mm is the design
// for a lower frequency; and a loop already cut is the design for the
// frequency whose length comes nearest to it, whose capacitors then fit it.
#pragma once

#include "calc/compute_command.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// How far 1 mm too long on `quantity` (a length) lowers the frequency its
// lengths are the design for: f - f', where the design length at f' is the
// stored one plus 1 mm. In MHz; nothing for a length that is not positive.
std::optional<double> millimetreCost(const Module1 &state, Quantity quantity);
// "0.71 MHz", below 0.1 MHz in kHz ("7.59 kHz"), below 0.1 kHz in Hz.
std::string frequencyStepText(double megahertz, std::string_view decimalSeparator);
// "1 mm too long on SIDE lowers the frequency these lengths are made for by
// 0.71 MHz, on HEIGHT by 0.58 MHz."
std::string millimetreCostText(const Module1 &state, std::string_view decimalSeparator);

// The frequency, to 0.001 MHz, whose design `quantity` (SIDE, HEIGHT, END or
// the gap) comes nearest to `millimetres`, the lower one on a tie; as the
// text a user would type for it ("136.089"). Nothing for a length that is
// not positive and finite, or whose frequency is below 0.001 MHz or above
// a million.
std::optional<std::string> designFrequencyFor(Quantity quantity, double millimetres);

// What --from names: "side=195", "height=240", "end=126" or "gap=40", the
// length in the locale's notation.
struct LengthAsBuilt
{
    Quantity quantity = Quantity::HorizontalSide;
    double millimetres = 0;
};
std::optional<LengthAsBuilt> parseLengthAsBuilt(std::string_view text, std::string_view decimalSeparator);
// The frequency, as typed, for --from's value; or why there is none, in one
// line that names the option.
struct FromResult
{
    std::string frequency;
    std::string error;
};
FromResult frequencyFromLength(std::string_view text, std::string_view decimalSeparator);
inline constexpr std::string_view kFromHelp = "side, height, end or gap, then = and a length in mm";

} // namespace varnel
