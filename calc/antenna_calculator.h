// The antenna dimension calculator: its state and its three stages.
//
// Every length is a fixed fraction of the free-space wavelength 300000 / f mm;
// the tubing diameter and the capacitor law change in five frequency bands.
// Values are held as Singles; each intermediate is a double and is rounded to
// Single only where it is stored. The stages run in the order
// ComputeLengths, SelectElementDiameter, ComputeCapacitors, and the caller
// reads results straight from the state between them.
#pragma once

#include "numbers/error_kind.h"

#include <array>

namespace varnel {

struct Band
{
    float lowerBound; // MHz; a frequency below it belongs to the next band
    float elementDiameter; // mm
    float capCoefficient; // pF per mm of wavelength per MHz
    double referenceFrequency; // MHz
    double baseConstant;
};

// Highest band first. The thresholds are tested strictly and in this order,
// each test overriding the one before, so a frequency equal to a bound
// belongs to the band above it. Band 1 takes 230 MHz as its reference, not 160.
inline constexpr std::array<Band, 5> kBands {{
    {160.0f, 6.35f, 0.00001f, 230.0, 0.0156},
    {110.0f, 9.5f, 0.000008f, 160.0, 0.0154},
    {30.0f, 12.7f, 0.000045f, 110.0, 0.01585},
    {10.0f, 25.4f, 0.00015f, 30.0, 0.0141},
    {0.0f, 50.8f, 0.0005f, 10.0, 0.013}, // every frequency below 10, zero and negatives too
}};

inline constexpr double kWavelengthNumerator = 300000.0; // mm x MHz
inline constexpr double kVerticalHeightDivisor = 9.1677303;
inline constexpr double kHorizontalSideDivisor = 11.30475;
inline constexpr double kHorizontalEndDivisor = 17.31601;
inline constexpr double kCenterGapDivisor = 54.5454;
inline constexpr double kSeriesToParallel = 0.3;

// The calculator state: one for the whole run, all zero at start, never reset.
// A failing stage leaves what it stored before and at the failing step, and
// the rest from the previous compute.
struct Module1
{
    float CenterGap = 0.0f; // mm, the feed gap and the gap between the verticals
    float HorizontalEnd = 0.0f; // mm
    float HorizontalSide = 0.0f; // mm
    float VerticalHeight = 0.0f; // mm
    float CapCoefficient = 0.0f;
    float ParallelCap = 0.0f; // pF
    float SeriesCap = 0.0f; // pF
    float Frequency = 0.0f; // MHz
    float ElementDiameter = 0.0f; // mm

    // Stores f and the four lengths. Fails with DivisionByZero (f = 0) or
    // Overflow (0 < |f| below about 9.6e-35), always at VerticalHeight.
    ErrorKind ComputeLengths(float f);
    void SelectElementDiameter();
    // Cannot fail for a frequency that passed ComputeLengths, but is guarded.
    ErrorKind ComputeCapacitors();
};

} // namespace varnel
