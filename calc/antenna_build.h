// How the calculator's lengths make one antenna a builder can cut: the
// square loop of four sides, one of them, the feed side, made of END, the
// feed gap and the rest of the side; two verticals the gap apart. And when
// those lengths cannot be built from the chosen tubing.
#pragma once

#include "calc/antenna_calculator.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// A length as the window shows it, in whole hundredths of a mm: rounded to
// two decimals, then to a Single's seven significant digits, so 265375.2 mm
// is 26537520. Exact for every length below 2^53 hundredths, far beyond
// any antenna.
double shownHundredths(float millimetres);

// The rest of the feed side, SIDE - END - GAP, from the lengths as the
// window shows them (two decimals), so that END, the gap and the rest add up
// to SIDE exactly as printed: 193 - 126 - 40 = 27 mm at 137.5 MHz.
double feedSideRestMillimetres(const Module1 &state);

// A length the way the window's millimetre and inch fields show one.
std::string millimetreText(double millimetres, std::string_view decimalSeparator);
std::string inchText(double millimetres, std::string_view decimalSeparator);

// Why these lengths cannot be built from their tubing, as one sentence
// without the program's name ("at 1296 MHz the feed gap, 4.24 mm, is
// narrower than the 6.35 mm tubing, ..."); empty when they can. Tubes whose
// centre lines are closer than a diameter touch, and a piece shorter than
// the tube is wide is no piece. Lengths that are not positive have no
// antenna at all, and nothing is said of them here.
std::string buildProblem(const Module1 &state, std::string_view decimalSeparator);

// The same for a whole run of frequencies, once: the first one's sentence,
// and how many there were.
class BuildProblemTally
{
public:
    void add(const Module1 &state, std::string_view decimalSeparator);
    std::size_t count() const { return m_count; }
    // Empty when every antenna could be built.
    std::string warning() const;

private:
    std::size_t m_count = 0;
    std::string m_first;
};

} // namespace varnel
