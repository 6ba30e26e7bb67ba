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

// The part a builder buys, as the sheet and varnel-calc name it.
TEST_CASE("the nearest E12 part and its spread")
{
    const struct
    {
        double picofarads;
        const char *separator;
        const char *text;
    } rows[] = {
        {33.21, ".", "33 pF, which may be 29.7 to 36.3 pF"}, // at the design point
        {9.96, ".", "10 pF, which may be 9.5 to 10.5 pF"}, // rounds up a decade, still "10 pF and less"
        {12.17, ",", "12 pF, which may be 10,8 to 13,2 pF"},
        {3.65, ".", "3.9 pF, which may be 3.4 to 4.4 pF"},
        // Halfway as written: the lower part, as each distance rounds on its
        // own; a fused multiply-add (aarch64) would find 1.5 pF nearer.
        {1.35, ".", "1.2 pF, which may be 0.7 to 1.7 pF"},
        {247.82, ".", "270 pF, which may be 243 to 297 pF"},
        {1497.0, ".", "1.5 nF, which may be 1.35 to 1.65 nF"}, // 1.8 MHz: never 1.5e+03
        {24150.0, ".", "22 nF, which may be 19.8 to 24.2 nF"},
        {0.9, ".", "0.82 pF, which may be 0.32 to 1.32 pF"},
        {0.45, ".", "0.47 pF, which may be 0 to 0.97 pF"}, // never below nothing
        {2.2e6, ".", "2.2 \u00B5F, which may be 1.98 to 2.42 \u00B5F"},
        {-2250.0, ".", ""}, // no part for what is not a capacitance
        {0.0, ".", ""},
        {INFINITY, ".", ""},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.text));
        CHECK(partText(nearestE12(row.picofarads), row.separator) == row.text);
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
