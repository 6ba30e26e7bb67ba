#include "calc/capacitor_build.h"
#include "calc/compute_command.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "calc/standard_parts.h"
#include "numbers/number_text.h"
#include "tests/shared/texts_written.h"

#include <doctest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace varnel;
using namespace varnel::testing;

namespace {

struct RecordingWriter : FieldWriter
{
    std::vector<std::pair<ResultField, std::string>> writes;
    void write(ResultField field, const std::string &text) override { writes.emplace_back(field, text); }
};

std::string joined(const ComputeTexts &result)
{
    std::string all;
    for (const std::string &text : result.texts)
        all += (all.empty() ? "" : " ") + text;
    return all;
}

} // namespace

TEST_CASE("texts written")
{
    for (const TextsWrittenRow &row : kTextsWritten) {
        INFO(std::string(row.tag));
        Module1 state;
        // Twice: a second press writes the same texts.
        for (int press = 0; press < 2; ++press) {
            const ComputeTexts result = computeTexts(state, row.input, row.separator);
            CHECK(result.error == ErrorKind::None);
            CHECK(joined(result) == row.texts);
        }
    }
}

TEST_CASE("each field is written once, in order")
{
    Module1 state;
    RecordingWriter writer;
    REQUIRE(runCompute(state, "137.5", ".", writer) == ErrorKind::None);
    REQUIRE(writer.writes.size() == kResultFieldCount);
    for (std::size_t i = 0; i < kResultFieldCount; ++i)
        CHECK(writer.writes[i].first == static_cast<ResultField>(i));
}

TEST_CASE("a failure writes nothing")
{
    const struct
    {
        const char *input;
        ErrorKind error;
    } rows[] = {
        {"abc", ErrorKind::TypeMismatch},     {"", ErrorKind::TypeMismatch},     {"1e39", ErrorKind::Overflow},
        {"0", ErrorKind::DivisionByZero},     {"-0", ErrorKind::DivisionByZero}, {"1e-35", ErrorKind::Overflow},
        {"1e-50", ErrorKind::DivisionByZero}, // reads as zero
    };
    for (const auto &row : rows) {
        INFO(std::string(row.input));
        Module1 state;
        RecordingWriter writer;
        CHECK(runCompute(state, row.input, ".", writer) == row.error);
        CHECK(writer.writes.empty());
    }
}

TEST_CASE("inches as a tape shows them")
{
    const struct
    {
        double inches;
        int denominator;
        const char *text;
    } rows[] = {
        {9.37, 8, "9 3/8"},      {9.37, 16, "9 3/8"}, {0.1875, 16, "3/16"},
        {12.0, 64, "12"},        {-1.5, 8, "-1 1/2"}, {1.0 / 128, 64, "0"}, // a tie goes to the even unit
        {3.0 / 128, 64, "1/32"}, {0.001, 8, "0"},     {1e30, 64, ""}, // beyond any tape
    };
    for (const auto &row : rows) {
        INFO(std::string(row.text));
        const InchFraction tape = nearestFraction(row.inches, row.denominator);
        CHECK(tape.text == row.text);
        if (!tape.text.empty())
            CHECK(std::abs(tape.errorMillimetres) <= 25.4 / row.denominator / 2 + 1e-9);
    }
}

// The words varnel-calc and the build sheet both print for a length.
TEST_CASE("a tape reading with its error")
{
    const struct
    {
        float millimetres;
        const char *separator;
        const char *text;
    } rows[] = {
        {237.985f, ".", "9 3/8 in (+0.14 mm)"},   {40.0f, ",", "1 9/16 in (-0,31 mm)"},
        {25.4f, ".", "1 in (+0.00 mm)"}, // exact
        {25.401f, ".", "1 in (+0.00 mm)"}, // short by a thousandth: no "-0.00"
        {-237.985f, ".", "-9 3/8 in (-0.14 mm)"}, {3.0e30f, ".", ""}, // beyond any tape
    };
    for (const auto &row : rows) {
        INFO(std::string(row.text));
        CHECK(tapeText(tapeReading(row.millimetres, 16), row.separator) == row.text);
    }
}

// The part a builder buys, as the sheet and varnel-calc name it, and the
// pair that tops up the part below where it comes nearer: the sums and
// spreads worked by hand (220 pF may be 198 to 242, 27 pF 24.3 to 29.7).
TEST_CASE("the nearest E12 part and its spread")
{
    const struct
    {
        double picofarads;
        const char *separator;
        const char *text;
        const char *pair; // empty: the single part is as near
    } rows[] = {
        {33.21, ".", "33 pF, which may be 29.7 to 36.3 pF", ""}, // at the design point
        {9.96, ".", "10 pF, which may be 9.5 to 10.5 pF", ""}, // 8.2 and 1.8 pF are no nearer
        {12.17, ",", "12 pF, which may be 10,8 to 13,2 pF", ""},
        {3.65, ".", "3.9 pF, which may be 3.4 to 4.4 pF", ""},
        // Halfway as written: the lower part, as each distance rounds on its
        // own; a fused multiply-add (aarch64) would find 1.5 pF nearer.
        {1.35, ".", "1.2 pF, which may be 0.7 to 1.7 pF", ""},
        {247.82, ".", "270 pF, which may be 243 to 297 pF",
         "220 pF and 27 pF in parallel make 247 pF, 0.82 pF under, which may be 222.3 to 271.7 pF"},
        // 50.1 MHz: 1.63 pF short with one part, 0.13 pF with two.
        {23.63, ".", "22 pF, which may be 19.8 to 24.2 pF",
         "22 pF and 1.5 pF in parallel make 23.5 pF, 0.13 pF under, which may be 20.8 to 26.2 pF"},
        {78.77, ",", "82 pF, which may be 73,8 to 90,2 pF",
         "68 pF and 10 pF in parallel make 78 pF, 0,77 pF under, which may be 70,7 to 85,3 pF"},
        {1497.0, ".", "1.5 nF, which may be 1.35 to 1.65 nF", ""}, // 1.8 MHz: never 1.5e+03
        {24150.0, ".", "22 nF, which may be 19.8 to 24.2 nF",
         "22 nF and 2.2 nF in parallel make 24.2 nF, 50 pF over, which may be 21.78 to 26.62 nF"},
        {0.9, ".", "0.82 pF, which may be 0.32 to 1.32 pF", ""},
        {0.45, ".", "0.47 pF, which may be 0 to 0.97 pF", ""}, // never below nothing
        {2.2e6, ".", "2.2 \u00B5F, which may be 1.98 to 2.42 \u00B5F", ""},
        {-2250.0, ".", "", ""}, // no part for what is not a capacitance
        {0.0, ".", "", ""},
        {INFINITY, ".", "", ""},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.text));
        CHECK(partText(nearestE12(row.picofarads), row.separator) == row.text);
        const std::optional<PartPair> pair = nearerPair(row.picofarads);
        CHECK((pair ? pairText(*pair, row.picofarads, row.separator) : std::string()) == row.pair);
    }
}

// An open stub's length as Python's math.atan gives it for
// (VF c / 2 pi f) atan(2 pi f C Z0); an eighth of a wavelength where the
// angle passes pi/4.
TEST_CASE("a capacitor cut from coax")
{
    const struct
    {
        double picofarads;
        double megahertz;
        Coax coax;
        double millimetres;
        bool pastEighth;
    } rows[] = {
        {33.21, 137.5, kSolidPolyethylene, 220.3301489314993, true}, // 329 mm by 101 pF/m
        {9.96, 137.5, kSolidPolyethylene, 93.05303208910439, false},
        {23.63, 50.1, kSolidPolyethylene, 223.810893774825, false},
        {78.77, 50.1, kSolidPolyethylene, 560.7082373288706, true},
        {33.21, 137.5, {75, 0.82}, 323.17914687313197, true}, // foam 75 ohm
    };
    for (const auto &row : rows) {
        INFO(row.picofarads, " pF at ", row.megahertz, " MHz");
        const std::optional<CoaxStub> stub = openStub(row.picofarads, row.megahertz, row.coax);
        REQUIRE(stub.has_value());
        CHECK(stub->millimetres == doctest::Approx(row.millimetres).epsilon(1e-12));
        CHECK(stub->pastEighthWave == row.pastEighth);
    }
    CHECK_FALSE(openStub(-1, 137.5, kSolidPolyethylene).has_value());
    CHECK_FALSE(openStub(33.21, 0, kSolidPolyethylene).has_value());
    CHECK(stubText(*openStub(33.21, 137.5, kSolidPolyethylene), kSolidPolyethylene, ",")
          == "an open-ended piece of 50 ohm coax with a velocity factor of 0,66, 220,3 mm long: cut it a little long "
             "and trim it while measuring; it is longer than an eighth of a wavelength in the cable, so its reactance "
             "changes faster with frequency than a capacitor's");
    // The arc tangent against Python's, to a unit or two in the last place.
    const double tangents[][2] = {{0, 0},
                                  {0.1, 0.09966865249116204},
                                  {0.2679, 0.26175349007165205},
                                  {0.5, 0.4636476090008061},
                                  {1, 0.7853981633974483},
                                  {1.4345, 0.962014609194569},
                                  {3, 1.2490457723982544},
                                  {100, 1.5607966601082315},
                                  {-2, -1.1071487177940904}};
    for (const auto &[x, angle] : tangents) {
        INFO(x);
        CHECK(portableAtan(x) == doctest::Approx(angle).epsilon(1e-15));
    }
}

TEST_CASE("frequencies outside the design")
{
    const struct
    {
        std::vector<float> frequencies;
        const char *warning;
    } rows[] = {
        {{137.5f, 250.0f, 0.1f}, ""},
        {{300.0f}, "300 MHz is outside the 0 to 250 MHz the design is made for; computed as the window does"},
        {{137.5f, -137.5f, 430.0f, 440.0f},
         "3 frequencies are outside the 0 to 250 MHz the design is made for, the first -137.5 MHz; computed as the "
         "window does"},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.warning));
        OutsideDesignTally tally;
        for (float frequency : row.frequencies)
            tally.add(frequency, ".");
        CHECK(tally.warning() == row.warning);
    }
}
