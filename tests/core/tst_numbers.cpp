#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"
#include "numbers/unicode_text.h"

#include <doctest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

using namespace varnel;

namespace {

constexpr auto ok = ErrorKind::None;
constexpr auto mismatch = ErrorKind::TypeMismatch;
constexpr auto overflow = ErrorKind::Overflow;

struct ParseRow
{
    const char *tag;
    const char *text;
    const char *separator;
    ErrorKind error;
    float value;
};

const ParseRow kParseRows[] = {
    {"plain", "137.5", ".", ok, 137.5f},
    {"trailing zeros", "137.500", ".", ok, 137.5f},
    {"blanks around", "  \t137.5 ", ".", ok, 137.5f},
    {"pasted with a line break", "14.2\n", ".", ok, 14.2f},
    {"pasted with CR LF", "14.2\r\n", ".", ok, 14.2f},
    {"no-break spaces around",
     "\xC2\xA0"
     "14.2\xC2\xA0",
     ".", ok, 14.2f},
    {"half a no-break space", "14.2\xC2", ".", mismatch, 0.0f},
    {"plus sign", "+7.1", ".", ok, 7.1f},
    {"minus sign", "-137.5", ".", ok, -137.5f},
    {"leading separator", ".5", ".", ok, 0.5f},
    {"trailing separator", "5.", ".", ok, 5.0f},
    {"exponent", "1.375E2", ".", ok, 137.5f},
    {"small e, signed exponent", "1375e-1", ".", ok, 137.5f},
    {"comma locale", "137,5", ",", ok, 137.5f},
    {"dot in comma locale", "137.5", ",", ok, 137.5f},
    {"design text 137.500 in comma locale", "137.500", ",", ok, 137.5f},
    {"dot and comma together", "1.000,5", ",", mismatch, 0.0f},
    {"Arabic separator",
     "137\xD9\xAB"
     "5",
     "\xD9\xAB", ok, 137.5f},
    {"dot where the separator is Arabic", "137.5", "\xD9\xAB", ok, 137.5f},
    {"Arabic separator in a dot locale",
     "137\xD9\xAB"
     "5",
     ".", mismatch, 0.0f},
    {"comma in dot locale", "137,5", ".", mismatch, 0.0f},
    {"thousands separator", "1,000.5", ".", mismatch, 0.0f},
    {"empty", "", ".", mismatch, 0.0f},
    {"blanks only", "   ", ".", mismatch, 0.0f},
    {"letters", "abc", ".", mismatch, 0.0f},
    {"number then letters", "137.5MHz", ".", mismatch, 0.0f},
    {"blank inside", "13 7.5", ".", mismatch, 0.0f},
    {"inf is no number", "inf", ".", mismatch, 0.0f},
    {"nan is no number", "nan", ".", mismatch, 0.0f},
    {"hexadecimal", "0x1p3", ".", mismatch, 0.0f},
    {"lone separator", ".", ".", mismatch, 0.0f},
    {"lone sign", "-", ".", mismatch, 0.0f},
    {"two separators", "1.2.3", ".", mismatch, 0.0f},
    {"bare exponent", "1e", ".", mismatch, 0.0f},
    {"exponent without mantissa", "e5", ".", mismatch, 0.0f},
    {"line break inside", "137\n.5", ".", mismatch, 0.0f},
    // Nearest Single to the decimal itself: through a double first, the
    // first of these would round to 1.00000012.
    {"just above a Single halfway", "1.000000059604644775390625000000000001", ".", ok, 1.00000012f},
    {"exact Single halfway, ties to even", "1.000000059604644775390625", ".", ok, 1.0f},
    {"largest Single", "3.4028234663852886e38", ".", ok, std::numeric_limits<float>::max()},
    {"just below overflow", "3.40282356e38", ".", ok, std::numeric_limits<float>::max()},
    {"rounds to infinity", "3.4028236e38", ".", overflow, 0.0f},
    {"1e39", "1e39", ".", overflow, 0.0f},
    {"-1e39", "-1e39", ".", overflow, 0.0f},
    {"subnormal", "1e-45", ".", ok, std::numeric_limits<float>::denorm_min()},
    {"tiny rounds to zero", "1e-50", ".", ok, 0.0f},
    {"zero with huge exponent", "0e999999", ".", ok, 0.0f},
    {"many leading zeros", "0000000000000000000000137.5", ".", ok, 137.5f},
};

} // namespace

TEST_CASE("text to Single")
{
    for (const ParseRow &row : kParseRows) {
        INFO(std::string(row.tag));
        const SingleParse parsed = parseSingle(row.text, row.separator);
        CHECK(parsed.error == row.error);
        if (row.error == ErrorKind::None) {
            CHECK(parsed.value == row.value);
            const std::string_view text = row.text;
            const auto first = text.find_first_not_of(" \t");
            CHECK(std::signbit(parsed.value) == (first != std::string_view::npos && text[first] == '-'));
        }
    }
}

TEST_CASE("huge texts are read at once")
{
    const std::string megabyte(1 << 20, '1');
    const struct
    {
        const char *tag;
        std::string text;
        ErrorKind error;
        float value;
    } rows[] = {
        {"a megabyte of digits", megabyte, overflow, 0.0f},
        {"a megabyte of fraction", "0." + megabyte, ok, 0.11111111f},
        {"a megabyte of leading zeros", std::string(1 << 20, '0') + "137.5", ok, 137.5f},
        {"a megabyte exponent", "1e-" + megabyte, ok, 0.0f},
        {"a megabyte of letters", std::string(1 << 20, 'x'), mismatch, 0.0f},
        // Digits far beyond what is kept still decide a rounding.
        {"halfway then a far sticky digit", "1.000000059604644775390625" + std::string(5000, '0') + "1", ok,
         1.00000012f},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        const auto start = std::chrono::steady_clock::now();
        const SingleParse parsed = parseSingle(row.text, ".");
        const auto elapsed = std::chrono::steady_clock::now() - start;
        CHECK(parsed.error == row.error);
        if (parsed.error == ErrorKind::None)
            CHECK(parsed.value == row.value);
        CHECK(elapsed < std::chrono::milliseconds(500));
    }
}

TEST_CASE("rounding a Single to places")
{
    const struct
    {
        const char *tag;
        float value;
        int places;
        float rounded;
    } rows[] = {
        {"0.125 ties to even 0.12", 0.125f, 2, 0.12f},
        {"0.375 ties to even 0.38", 0.375f, 2, 0.38f},
        {"-0.125 ties to -0.12", -0.125f, 2, -0.12f},
        // Held as 2.67499995 and 0.00499999989: below the tie their text suggests.
        {"2.675 is below the tie", 2.675f, 2, 2.67f},
        {"0.005 is below the tie", 0.005f, 2, 0.0f},
        {"0.015625 at 3 places ties to even", 0.015625f, 3, 0.016f},
        {"237.988907 to 237.99", 237.988907f, 2, 237.99f},
        {"40.0000381 to 40", 40.0000381f, 2, 40.0f},
        {"27.9375 to 27.94", 27.9375f, 2, 27.94f},
        {"tiny to zero", 1e-30f, 2, 0.0f},
        {"large unchanged", 3.0e20f, 2, 3.0e20f},
        {"half to even 0", 0.5f, 0, 0.0f},
        {"1.5 to even 2", 1.5f, 0, 2.0f},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        CHECK(roundToPlaces(row.value, row.places) == row.rounded);
    }
}

TEST_CASE("rounding a Double to places")
{
    const struct
    {
        const char *tag;
        double value;
        int places;
        double rounded;
    } rows[] = {
        {"0.0625 ties to even 0.062", 0.0625, 3, 0.062},
        {"0.1875 ties to even 0.188", 0.1875, 3, 0.188},
        {"-0.0625 ties to -0.062", -0.0625, 3, -0.062},
        // Held as 1.00049999999999994 and 0.37449999999999999956: below the
        // tie, although value * 1000 in double arithmetic lands on it.
        {"1.0005 is below the tie", 1.0005, 3, 1.0},
        {"0.3745 is below the tie", 0.3745, 3, 0.374},
        {"2.0005 as Single is below the tie", double(2.0005f), 3, 2.0},
        {"9.5 / 25.4", 9.5 / 25.4, 3, 0.374},
        {"237.99 / 25.4", double(237.99f) / 25.4, 3, 9.37},
        {"large unchanged", 1e300, 3, 1e300},
        {"negative tiny to -0", -1e-200, 3, -0.0},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        const double result = roundToPlaces(row.value, row.places);
        CHECK(result == row.rounded);
        CHECK(std::signbit(result) == std::signbit(row.rounded));
    }
}

TEST_CASE("Single to text")
{
    const struct
    {
        const char *tag;
        float value;
        const char *separator;
        const char *text;
    } rows[] = {
        {"237.99", 237.99f, ".", "237.99"},
        {"trailing zeros dropped", 40.0f, ".", "40"},
        {"Single 6.3499999 shows 6.35", 6.35f, ".", "6.35"},
        {"leading zero", 0.9f, ".", "0.9"},
        {"negative", -237.99f, ".", "-237.99"},
        {"negative zero", -0.0f, ".", "0"},
        {"comma separator", 33.21f, ",", "33,21"},
        {"seven digits", 327234.75f, ".", "327234.8"},
        {"tie at 7 digits to even", 1234567.5f, ".", "1234568"},
        {"tie at 7 digits to even down", 1234566.5f, ".", "1234566"},
        {"last fixed", 9999999.0f, ".", "9999999"},
        {"rounds up into exponent", 9999999.5f, ".", "1E+07"},
        {"exponent form", 12345678.0f, ".", "1.234568E+07"},
        {"exponent with comma", 12345678.0f, ",", "1,234568E+07"},
        {"big exponent", 3e38f, ".", "3E+38"},
        {"small fixed", 0.0001f, ".", "0.0001"},
        {"small exponent", 0.00001f, ".", "1E-05"},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        CHECK(formatSingle(row.value, row.separator) == row.text);
    }
}

TEST_CASE("Double to text")
{
    const struct
    {
        const char *tag;
        double value;
        const char *text;
    } rows[] = {
        {"0.374", 0.374, "0.374"},
        {"9.37 not 9.370", 9.37, "9.37"},
        {"whole", 2.0, "2"},
        {"fifteen digits", 12883.258, "12883.258"},
        {"0.1 + 0.2 at 15 digits", 0.1 + 0.2, "0.3"},
        {"exponent from 1e15", 1e15, "1E+15"},
        {"below 1e15 fixed", 999999999999999.0, "999999999999999"},
        {"negative zero", -0.0, "0"},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
        CHECK(formatDouble(row.value, ".") == row.text);
    }
}

// UTF-16 units written out by hand from the Unicode tables: U+00FC is one
// unit, U+1F600 the pair D83D DE00. Strict, nothing for what is not text;
// with Replace, U+FFFD (EF BF BD) in its place.
TEST_CASE("text between UTF-8 and UTF-16")
{
    struct Row
    {
        const char *tag;
        std::string utf8;
        std::u16string utf16;
        bool valid;
    };
    const Row rows[] = {
        {"ASCII", "137.5 MHz", u"137.5 MHz", true},
        {"empty", "", u"", true},
        {"u umlaut", "f\xC3\xBCr", {u'f', 0x00FC, u'r'}, true},
        {"astral", "\xF0\x9F\x98\x80", {0xD83D, 0xDE00}, true},
        {"U+FFFF, the last unit", "\xEF\xBF\xBF", {0xFFFF}, true},
        {"lone high surrogate",
         "a\xEF\xBF\xBD"
         "b",
         {u'a', 0xD83D, u'b'},
         false},
        {"lone low surrogate at the end", "a\xEF\xBF\xBD", {u'a', 0xDE00}, false},
        {"pair reversed", "\xEF\xBF\xBD\xEF\xBF\xBD", {0xDE00, 0xD83D}, false},
    };
    for (const Row &row : rows) {
        INFO(row.tag);
        const std::optional<std::string> back = utf8Of(row.utf16);
        CHECK(back.has_value() == row.valid);
        CHECK(utf8Of(row.utf16, BadText::Replace) == row.utf8);
        if (row.valid) {
            CHECK(*back == row.utf8);
            CHECK(utf16Of(row.utf8) == row.utf16);
        }
    }
    struct Bytes
    {
        const char *tag;
        const char *utf8;
    };
    // Not UTF-8: refused whole, never converted in part.
    const Bytes invalid[] = {
        {"overlong slash", "a\xC0\xAF"},        {"overlong NUL", "\xE0\x80\x80"}, {"encoded surrogate", "\xED\xA0\xBD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"}, {"cut short", "f\xC3"},           {"Latin-1", "f\xFCr"},
    };
    for (const Bytes &row : invalid) {
        INFO(row.tag);
        CHECK_FALSE(utf16Of(row.utf8).has_value());
        const std::optional<std::u16string> shown = utf16Of(row.utf8, BadText::Replace);
        REQUIRE(shown.has_value());
        CHECK(shown->find(u'\uFFFD') != std::u16string::npos);
    }
}
