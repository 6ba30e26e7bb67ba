#include "tests/shared/compute_contract.h"

#include <doctest.h>

using namespace varnel;

// The checker behind the fuzzer must catch a garbled text, or the fuzzer
// proves nothing.

TEST_CASE("good inputs keep the contract")
{
    const struct
    {
        const char *input;
        const char *separator;
    } rows[] = {
        {"137.5", "."},
        {"-137.5", "."},
        {"0.1", "."},
        {"1e38", "."},
        {"1e-33", "."},
        {"3e-34", "."},
        {"159.9999", "."},
        {"abc", "."},
        {"0", "."},
        {"1e-35", "."},
        {"14,2", ","},
        {"0.001", "."}, // needs exponent lengths
        // Rounded to 109780.55, held as the Single 109780.546875, shown as 109780.5.
        {"0.0501", "."},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.input));
        CHECK(checkCompute(row.input, row.separator) == "");
    }
}

TEST_CASE("a garbled text breaks it")
{
    const struct
    {
        const char *tag;
        std::size_t field; // index in write order
        const char *text;
    } rows[] = {
        {"wrong rounding", 0, "237.98"},
        {"one place short", 0, "237.9"},
        {"inch off by a thousandth", 8, "9.369"},
        {"negative zero", 1, "-0"},
        {"missing leading zero", 7, ".374"},
        {"not a number", 5, "33.2.1"},
        {"NaN", 6, "NaN"},
        {"empty", 4, ""},
        {"exponent off by ten", 3, "1.93E+03"},
        {"trailing zero", 8, "9.370"},
        {"thousands separator", 3, "1,93"},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        Module1 state;
        ComputeTexts result = computeTexts(state, "137.5", ".");
        REQUIRE(checkComputeTexts(state, result, ".") == "");
        result.texts[row.field] = row.text;
        CHECK(checkComputeTexts(state, result, ".") != "");
    }
}
