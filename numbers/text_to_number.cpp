#include "numbers/text_to_number.h"

#include "numbers/blanks.h"
#include "numbers/number_text.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace varnel {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// More digits than this cannot change the nearest Single once a sticky digit
// stands for the rest (a Single halfway point needs at most 112 digits).
constexpr std::size_t kMaxSignificantDigits = 200;
// Decimal exponents (of 0.ddd form) past these are out of range whatever the digits.
constexpr std::int64_t kOverflowExponent = 40;
constexpr std::int64_t kUnderflowExponent = -50;
constexpr std::int64_t kExponentCap = 1'000'000'000;

SingleParse mismatch()
{
    return {0.0f, ErrorKind::TypeMismatch};
}

} // namespace

SingleParse parseSingle(std::string_view text, std::string_view decimalSeparator)
{
    if (decimalSeparator.empty())
        decimalSeparator = ".";

    text = trimBlanks(text);
    std::size_t pos = 0;
    const std::size_t end = text.size();

    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The significant digits (leading zeros dropped) and the decimal exponent
    // that makes their value 0.ddd x 10^exponent.
    std::string digits;
    std::int64_t exponent = 0;
    bool anyDigit = false;
    bool sticky = false;
    bool afterSeparator = false;
    while (pos < end) {
        const char c = text[pos];
        if (isDigit(c)) {
            anyDigit = true;
            if (digits.empty() && c == '0') {
                if (afterSeparator)
                    --exponent;
            } else {
                if (digits.size() < kMaxSignificantDigits)
                    digits.push_back(c);
                else if (c != '0')
                    sticky = true;
                if (!afterSeparator)
                    ++exponent;
            }
            ++pos;
        } else if (!afterSeparator && c == '.') {
            afterSeparator = true;
            ++pos;
        } else if (!afterSeparator && text.substr(pos, decimalSeparator.size()) == decimalSeparator) {
            afterSeparator = true;
            pos += decimalSeparator.size();
        } else {
            break;
        }
    }
    if (!anyDigit)
        return mismatch();

    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        if (pos == end || !isDigit(text[pos]))
            return mismatch();
        std::int64_t written = 0;
        for (; pos < end && isDigit(text[pos]); ++pos) {
            if (written < kExponentCap)
                written = written * 10 + (text[pos] - '0');
        }
        exponent += negativeExponent ? -written : written;
    }
    if (pos != end)
        return mismatch();

    const float zero = negative ? -0.0f : 0.0f;
    // A sticky digit stands right after the kept ones, so their zeros stay.
    while (!sticky && !digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return {zero, ErrorKind::None};
    if (exponent > kOverflowExponent)
        return {0.0f, ErrorKind::Overflow};
    if (exponent < kUnderflowExponent)
        return {zero, ErrorKind::None};

    std::string canonical;
    canonical.reserve(digits.size() + 16);
    if (negative)
        canonical.push_back('-');
    canonical += "0.";
    canonical += digits;
    if (sticky)
        canonical.push_back('1');
    canonical.push_back('e');
    canonical += std::to_string(exponent);

    float value = 0.0f;
    const auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc::result_out_of_range)
        return exponent > 0 ? SingleParse {0.0f, ErrorKind::Overflow} : SingleParse {zero, ErrorKind::None};
    if (ec != std::errc() || ptr != canonical.data() + canonical.size())
        return mismatch();
    return {value, ErrorKind::None};
}

std::optional<double> parseTypedNumber(std::string_view text, std::string_view decimalSeparator)
{
    const SingleParse parsed = parseSingle(text, decimalSeparator);
    if (parsed.error != ErrorKind::None)
        return std::nullopt;
    // Read back without the C library's locale.
    const std::string typed = formatSingle(parsed.value, ".");
    double value = 0;
    std::from_chars(typed.data(), typed.data() + typed.size(), value);
    return value;
}

} // namespace varnel
