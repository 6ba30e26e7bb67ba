#include "tests/shared/compute_contract.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace varnel {

namespace {

// The value of a shown text, read independently of the program's parser.
std::optional<double> readBack(std::string_view shown, std::string_view separator)
{
    std::string text;
    const auto at = shown.find(separator);
    if (at == std::string_view::npos) {
        text = shown;
    } else {
        text.append(shown.substr(0, at)).append(".").append(shown.substr(at + separator.size()));
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

struct Shown
{
    double source; // the exact stored value the field was made from
    int places; // decimals it is rounded to (the result held as `single` or double), or -1
    bool single; // converted as a Single (7 significant digits) or a Double (15)
};

// The value the field should show, by an independent road: the C library's
// printf rounds the exact binary value (ties to even) and strtof / strtod
// take the nearest Single or Double.
double expectedValue(const Shown &shown)
{
    char buffer[512];
    double rounded = shown.source;
    if (shown.places >= 0) {
        std::snprintf(buffer, sizeof buffer, "%.*f", shown.places, shown.source);
        rounded = shown.single ? static_cast<double>(std::strtof(buffer, nullptr)) : std::strtod(buffer, nullptr);
    }
    std::snprintf(buffer, sizeof buffer, "%.*e", shown.single ? 6 : 14, rounded);
    return std::strtod(buffer, nullptr);
}

std::string checkOne(std::string_view field, const std::string &text, const Shown &shown, std::string_view separator)
{
    auto fail
        = [&](std::string_view why) { return std::string(field) + " shows \"" + text + "\": " + std::string(why); };
    if (text.empty())
        return fail("empty");
    if (text.find("NaN") != std::string::npos || text.find("Inf") != std::string::npos)
        return fail("not a finite number");
    const std::optional<double> value = readBack(text, separator);
    if (!value)
        return fail("does not read back as a number");
    if (*value == 0 && text != "0")
        return fail("zero not shown as 0");
    if (text.size() > 1 && text.front() == '0' && text.substr(1, separator.size()) != separator)
        return fail("leading zero");
    const std::string_view magnitude = text.front() == '-' ? std::string_view(text).substr(1) : std::string_view(text);
    if (magnitude.substr(0, separator.size()) == separator)
        return fail("no leading zero");
    const auto mantissaEnd = std::min(text.find('E'), text.size());
    if (text.find(separator) != std::string::npos && text[mantissaEnd - 1] == '0')
        return fail("trailing zero");

    // Within half a unit of its last significant place of the value it was
    // converted from; since the digits shown are the nearest ones, that is
    // equality with the independently rounded value.
    const double expected = expectedValue(shown);
    if (*value != expected) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", expected);
        return fail(std::string("expected the value ") + buffer);
    }
    return {};
}

} // namespace

std::string checkComputeTexts(const Module1 &state, const ComputeTexts &result, std::string_view separator)
{
    switch (result.error) {
    case ErrorKind::None:
        break;
    case ErrorKind::TypeMismatch:
    case ErrorKind::Overflow:
    case ErrorKind::DivisionByZero:
        return {};
    default:
        return "unexpected error " + std::string(errorName(result.error));
    }
    for (const ResultFieldInfo &field : kResultFields) {
        const float value = storedValue(state, field.quantity);
        // Inches in double, to 3 places; the diameter unrounded; the rest
        // as Singles to 2 places.
        const Shown shown = field.unit == Unit::Inch      ? Shown {static_cast<double>(value) / 25.4, 3, false}
            : field.quantity == Quantity::ElementDiameter ? Shown {value, -1, true}
                                                          : Shown {value, 2, true};
        std::string failure
            = checkOne(field.name, result.texts[static_cast<std::size_t>(field.field)], shown, separator);
        if (!failure.empty())
            return failure;
    }
    return {};
}

std::string checkCompute(std::string_view input, std::string_view decimalSeparator)
{
    Module1 state;
    const ComputeTexts result = computeTexts(state, input, decimalSeparator);
    return checkComputeTexts(state, result, decimalSeparator);
}

} // namespace varnel
