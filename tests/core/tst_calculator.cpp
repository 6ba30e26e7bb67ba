#include "calc/antenna_build.h"
#include "calc/antenna_calculator.h"
#include "calc/corner_bends.h"
#include "calc/length_frequency.h"
#include "numbers/text_to_number.h"

#include <doctest.h>

#include <cmath>
#include <string>

using namespace varnel;

namespace {

float single(const char *text)
{
    const SingleParse parsed = parseSingle(text, ".");
    REQUIRE(parsed.error == ErrorKind::None);
    return parsed.value;
}

Module1 computed(const char *input)
{
    Module1 state;
    REQUIRE(state.ComputeLengths(single(input)) == ErrorKind::None);
    state.SelectElementDiameter();
    REQUIRE(state.ComputeCapacitors() == ErrorKind::None);
    return state;
}

} // namespace

TEST_CASE("reference results")
{
    // Nine significant digits name one Single exactly; the comparison is
    // exact equality of the stored Singles, not a tolerance.
    const struct
    {
        const char *tag;
        const char *input;
        float height, side, end, gap, diameter, coefficient, parallel, series;
    } rows[] = {
        {"137.5 design point", "137.5", 237.988907f, 193.000122f, 126.000053f, 40.0000381f, 9.5f, 0.000008f,
         33.2072716f, 9.96218109f},
        {"435 band 1", "435", 75.2263794f, 61.0057869f, 39.8276024f, 12.6436911f, 6.35f, 0.00001f, 12.1724138f,
         3.6517241f},
        {"160 band 1", "160", 204.521729f, 165.859482f, 108.281296f, 34.3750343f, 6.35f, 0.00001f, 27.9375f,
         8.38125038f},
        {"50 band 3", "50", 654.469543f, 530.750366f, 346.500153f, 110.000107f, 12.7f, 0.000045f, 78.9000015f,
         23.6700001f},
        {"14.2 band 4", "14.2", 2304.47021f, 1868.83923f, 1220.07092f, 387.324341f, 25.4f, 0.00015f, 247.816895f,
         74.3450699f},
        {"7.1 band 5", "7.1", 4608.94043f, 3737.67847f, 2440.14185f, 774.648682f, 50.8f, 0.0005f, 488.028168f,
         146.408447f},
        {"-137.5 band 5", "-137.5", -237.988907f, -193.000122f, -126.000053f, -40.0000381f, 50.8f, 0.0005f, 132.545456f,
         39.7636375f},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        const Module1 state = computed(row.input);
        CHECK(state.VerticalHeight == row.height);
        CHECK(state.HorizontalSide == row.side);
        CHECK(state.HorizontalEnd == row.end);
        CHECK(state.CenterGap == row.gap);
        CHECK(state.ElementDiameter == row.diameter);
        CHECK(state.CapCoefficient == row.coefficient);
        CHECK(state.ParallelCap == row.parallel);
        CHECK(state.SeriesCap == row.series);
    }
}

TEST_CASE("band edges")
{
    const struct
    {
        const char *tag;
        const char *input;
        float diameter, parallel;
    } rows[] = {
        {"160 is band 1", "160", 6.35f, 27.9375f},
        {"159.9999 is band 2", "159.9999", 9.5f, 28.8750172f},
        {"159.999999 rounds to 160", "159.999999", 6.35f, 27.9375f},
        {"110 is band 2", "110", 9.5f, 40.9090919f},
        {"30 is band 3", "30", 12.7f, 122.5f},
        {"10 is band 4", "10", 25.4f, 333.0f},
        {"0.1 is band 5", "0.1", 50.8f, 24149.998f},
        {"-1 is band 5", "-1", 50.8f, -2250.0f},
        {"1e38 is band 1", "1e38", 6.35f, 3.0f},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        const Module1 state = computed(row.input);
        CHECK(state.ElementDiameter == row.diameter);
        CHECK(state.ParallelCap == row.parallel);
    }
}

TEST_CASE("a failing step stores before it raises")
{
    const struct
    {
        const char *tag;
        float frequency;
        ErrorKind error;
    } rows[] = {
        {"zero", 0.0f, ErrorKind::DivisionByZero},
        {"negative zero", -0.0f, ErrorKind::DivisionByZero},
        {"1e-35", 1e-35f, ErrorKind::Overflow},
        {"-1e-35", -1e-35f, ErrorKind::Overflow},
        {"smallest subnormal", std::nextafter(0.0f, 1.0f), ErrorKind::Overflow},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        Module1 state;
        CHECK(state.ComputeLengths(row.frequency) == row.error);
        CHECK(state.Frequency == row.frequency);
        CHECK(std::isinf(state.VerticalHeight));
        // Nothing after the failing step ran.
        CHECK(state.HorizontalSide == 0.0f);
        CHECK(state.CenterGap == 0.0f);
    }
}

TEST_CASE("a failure keeps the values stored earlier")
{
    Module1 state = computed("137.5");
    CHECK(state.ComputeLengths(0.0f) == ErrorKind::DivisionByZero);
    CHECK(state.HorizontalSide == 193.000122f);
    CHECK(state.ParallelCap == 33.2072716f);

    // 9.6e-35 is about where the first length stops overflowing.
    CHECK(state.ComputeLengths(9.7e-35f) == ErrorKind::None);
    CHECK(state.ComputeLengths(9.5e-35f) == ErrorKind::Overflow);
}

// The rest of the feed side from the shown lengths, so END + GAP + rest is
// SIDE as printed; and the sentence for lengths the tubing cannot make.
TEST_CASE("the feed side adds up, and what cannot be built is told")
{
    const struct
    {
        const char *input;
        const char *separator;
        double rest;
        std::string problem;
    } rows[] = {
        {"137.5", ".", 27, ""}, // 193 - 126 - 40
        {"435", ".", 8.54, ""}, // 61.01 - 39.83 - 12.64
        {"159.9", ".", 23.21, ""}, // 165.96 - 108.35 - 34.4, 9.5 mm tubing
        {"584", ".", 6.35, ""}, // 45.44 - 29.67 - 9.42: as wide as the tube, just
        {"585", ".", 6.34, "at 585 MHz the rest of the feed side, 6.34 mm, is shorter than the 6.35 mm tubing is wide"},
        {"1296", ",", 2.87,
         "at 1296 MHz the feed gap, 4,24 mm, is narrower than the 6,35 mm tubing, and the rest of the feed side, "
         "2,87 mm, is shorter than the tube is wide"},
        {"-137.5", ".", -27, ""}, // no antenna at all: nothing to say
    };
    for (const auto &row : rows) {
        INFO(row.input);
        const Module1 state = computed(row.input);
        CHECK(feedSideRestMillimetres(state) == doctest::Approx(row.rest).epsilon(1e-12));
        CHECK(buildProblem(state, row.separator) == row.problem);
    }

    BuildProblemTally tally;
    for (const char *input : {"137.5", "1296", "585", "435"})
        tally.add(computed(input), ".");
    CHECK(tally.count() == 2);
    CHECK(tally.warning()
          == "2 frequencies give lengths no antenna can be built from, the first: at 1296 MHz the feed gap, 4.24 mm, "
             "is narrower than the 6.35 mm tubing, and the rest of the feed side, 2.87 mm, is shorter than the tube "
             "is wide");
}

// Worked in Python from the same formula and Single rounding: the length
// the calculator stores for each typed frequency, searched a thousandth of
// a MHz at a time; and f - 300000 / (divisor (L + 1)) for a millimetre.
TEST_CASE("lengths and frequencies the other way round")
{
    const struct
    {
        Quantity quantity;
        double millimetres;
        const char *frequency; // nullptr: none
    } lengths[] = {
        {Quantity::HorizontalSide, 195, "136.09"}, // 0.00023 mm off; 136.089 is 0.0012 off
        {Quantity::VerticalHeight, 240, "136.348"}, {Quantity::HorizontalEnd, 126, "137.5"},
        {Quantity::CenterGap, 40, "137.5"},         {Quantity::HorizontalSide, 529.69, "50.1"},
        {Quantity::CenterGap, 0.55, "10000.01"},    {Quantity::HorizontalSide, 0, nullptr},
        {Quantity::HorizontalSide, -193, nullptr},  {Quantity::ParallelCap, 33.21, nullptr}, // not a length
    };
    for (const auto &row : lengths) {
        INFO(row.millimetres);
        const std::optional<std::string> found = designFrequencyFor(row.quantity, row.millimetres);
        CHECK(found.has_value() == (row.frequency != nullptr));
        if (found && row.frequency)
            CHECK(*found == row.frequency);
    }
    const struct
    {
        float frequency;
        const char *separator;
        const char *cost;
    } costs[] = {
        {137.5f, ".",
         "1 mm too long on SIDE lowers the frequency these lengths are made for by 0.71 MHz, on HEIGHT by 0.58 MHz."},
        {14.2f, ",",
         "1 mm too long on SIDE lowers the frequency these lengths are made for by 7,59 kHz, on HEIGHT by 6,16 kHz."},
        {1.8f, ".",
         "1 mm too long on SIDE lowers the frequency these lengths are made for by 0.12 kHz, on HEIGHT by 98.98 Hz."},
        {0.1f, ".",
         "1 mm too long on SIDE lowers the frequency these lengths are made for by 0.37 Hz, on HEIGHT by 0.3 Hz."},
    };
    for (const auto &row : costs) {
        INFO(row.frequency);
        Module1 state;
        REQUIRE(state.ComputeLengths(row.frequency) == ErrorKind::None);
        CHECK(millimetreCostText(state, row.separator) == row.cost);
    }
}

// A loop bent to a radius, worked by hand in hundredths at 137.5 MHz (SIDE
// 193, END 126, gap 40, rest 27, 9.5 mm tube). R 15: an arc of 23.56 (pi
// 15 / 2 = 23.5619), so each side grows 30 - 23.56 = 6.44; END and the rest
// 3.22 each; runs 199.44 - 30, 129.22 - 15 and 30.22 - 15; the tube
// 114.22 + 15.22 + 3 x 169.44 + 4 x 23.56 = 732 = 4 x 193 - 40.
TEST_CASE("corners bent to a radius")
{
    const StraightLoop design {193, 126, 40, 27};
    const BentLoopResult bent = bentLoop(design, 15, 9.5, ".");
    REQUIRE(bent.loop.has_value());
    const BentLoop &loop = *bent.loop;
    CHECK(loop.arc == doctest::Approx(23.56));
    CHECK(loop.growth == doctest::Approx(6.44));
    CHECK(loop.side == doctest::Approx(199.44));
    CHECK(loop.end == doctest::Approx(129.22));
    CHECK(loop.rest == doctest::Approx(30.22));
    CHECK(loop.wholeRun == doctest::Approx(169.44));
    CHECK(loop.endRun == doctest::Approx(114.22));
    CHECK(loop.restRun == doctest::Approx(15.22));
    CHECK(loop.total == doctest::Approx(732));
    const double marks[] = {114.22, 137.78, 307.22, 330.78, 500.22, 523.78, 693.22, 716.78};
    for (std::size_t n = 0; n < 8; ++n)
        CHECK(loop.marks[n] == doctest::Approx(marks[n]));
    // The last bend's end and the rest's run reach the tube's other end.
    CHECK(loop.marks[7] + loop.restRun == doctest::Approx(loop.total));
    // R 15.02: an arc of 23.59 (23.5933), a growth of 6.45, whose odd
    // hundredth goes to END: 129.23 and 30.22.
    const std::optional<BentLoop> odd = bentLoop(design, 15.02, 9.5, ".").loop;
    REQUIRE(odd.has_value());
    CHECK(odd->end == doctest::Approx(129.23));
    CHECK(odd->rest == doctest::Approx(30.22));
    CHECK(odd->side == doctest::Approx(199.45));

    const struct
    {
        double radius;
        const char *refusal;
    } refused[] = {
        {4, "a corner radius of 4 mm is less than half the 9.5 mm tubing"},
        {0, "a corner radius of 0 mm is less than half the 9.5 mm tubing"},
        // The rest: 27 + 8.58 - 40.
        {40, "with corners of 40 mm radius a straight run would be -4.42 mm, shorter than the 9.5 mm tube is wide"},
    };
    for (const auto &row : refused) {
        INFO(row.radius);
        const BentLoopResult result = bentLoop(design, row.radius, 9.5, ".");
        CHECK_FALSE(result.loop.has_value());
        CHECK(result.refusal == row.refusal);
    }
}
