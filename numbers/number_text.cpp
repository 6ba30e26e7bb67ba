#include "numbers/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace varnel {

namespace {

constexpr int kSmallestFixedExponent = -4;

std::string formatSignificant(double value, int significantDigits, std::string_view separator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";
    if (separator.empty())
        separator = ".";

    // to_chars prints the exact binary value rounded to the precision asked,
    // ties to even: "d.dddddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                      significantDigits - 1);
    const std::string_view printed(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = printed.find('e');
    std::string digits;
    for (char c : printed.substr(0, ePos)) {
        if (c != '.')
            digits.push_back(c);
    }
    const int exponent = std::atoi(std::string(printed.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= significantDigits || exponent < kSmallestFixedExponent) {
        text += digits[0];
        if (digits.size() > 1) {
            text += separator;
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += separator;
            text += digits.substr(integerDigits);
        }
    } else {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

} // namespace

std::string formatSingle(float value, std::string_view decimalSeparator)
{
    return formatSignificant(value, 7, decimalSeparator);
}

std::string formatDouble(double value, std::string_view decimalSeparator)
{
    return formatSignificant(value, 15, decimalSeparator);
}

} // namespace varnel
