// A loop whose corners are bent, or made with elbows, to a centre-line
// radius R. Each corner's path is (2 - pi/2) R shorter than the square's,
// so each side grows by that much and the loop's centre line, gap end to
// gap end, stays the design's; the gap stays, and so do the verticals.
// Every length is in whole hundredths of a mm, as printed: an arc is
// pi R / 2 rounded, and a side grows by 2 R less that arc, so that every
// sum adds up on paper and the total is the design's exactly.
#pragma once

#include "calc/antenna_calculator.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The straight loop as built, in mm as printed: SIDE, and the feed side's
// END, gap and rest, which add up to SIDE. The gap is the loop's break,
// which the bends leave as it is.
struct StraightLoop
{
    double side = 0;
    double end = 0;
    double gap = 0;
    double rest = 0;
};

// The design's own loop, from the lengths as the window shows them.
StraightLoop designLoop(const Module1 &state);

struct BentLoop
{
    double radius = 0; // R, mm
    double growth = 0; // each side's growth, (2 - pi/2) R
    double side = 0; // SIDE with its growth: between the tangents' meeting points
    double end = 0; // END and the rest, each with half the feed side's growth
    double rest = 0; // (the odd hundredth to END), so the gap stays where it was
    double arc = 0; // each corner's arc, pi R / 2
    double wholeRun = 0; // a whole side's straight run between its two arcs
    double endRun = 0; // END's straight run, from the gap to its arc
    double restRun = 0; // the rest's
    double total = 0; // one tube, gap end to gap end: the design's centre line
    // From END's end at the gap along the tube: where each of the four
    // bends starts and ends.
    std::array<double, 8> marks {};
};

// The bent loop, or why there is none, in one line: R less than half the
// tube, or a straight run shorter than the tube is wide.
struct BentLoopResult
{
    std::optional<BentLoop> loop;
    std::string refusal;
};
BentLoopResult bentLoop(const StraightLoop &straight, double radius, double tubeDiameter,
                        std::string_view decimalSeparator);

// The design's own loop bent to `radius`.
BentLoopResult bentDesignLoop(const Module1 &state, double radius, std::string_view decimalSeparator);

// The same words in every tool. "Corners bent to a radius of 15 mm on the
// centre line: each side 199.44 mm between the tangents' meeting points,
// END 129.22 mm and the rest 30.22 mm".
std::string bentSidesText(const BentLoop &loop, std::string_view decimalSeparator);
// "straight runs: 169.44 mm on each whole side, 114.22 mm for END and
// 15.22 mm for the rest; each corner's arc 23.56 mm".
std::string bentRunsText(const BentLoop &loop, std::string_view decimalSeparator);
// "Bent from one tube of 732 mm, the design's centre line: from its end at
// the gap, the bends run from 114.22 to 137.78, ... and 693.22 to 716.78 mm".
std::string bentTubeText(const BentLoop &loop, std::string_view decimalSeparator);
inline constexpr std::string_view kElbowNote
    = "With elbows, add each elbow's socket depth to each straight run it goes into. The corners' extra "
      "capacitance, which the notes mention, is not computed: trim by measurement.";
// What --corner-radius takes: a radius in mm, in the locale's notation,
// above 0 and at most 10 m; nothing for anything else.
std::optional<double> parseCornerRadius(std::string_view text, std::string_view decimalSeparator);
inline constexpr std::string_view kCornerRadiusHelp = "a centre-line radius in mm, up to 10000";

} // namespace varnel
