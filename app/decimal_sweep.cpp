#include "app/decimal_sweep.h"

#include "numbers/blanks.h"
#include "numbers/unicode_text.h"

#include <cstdint>

namespace varnel {

namespace {

constexpr int kScaleDigits = kMaxSweepDecimals; // every number is held as an integer count of 1e-9

// A decimal as an integer number of 1e-9; nothing if it is not one we take.
std::optional<std::int64_t> scaled(std::string_view text, std::string_view separator)
{
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    int digits = 0;
    int decimals = -1; // -1: no separator yet
    bool anyDigit = false;
    while (!text.empty()) {
        const char c = text.front();
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (decimals >= 0 && ++decimals > kScaleDigits)
                return std::nullopt;
            if (value != 0 || c != '0')
                ++digits;
            if (digits > kMaxSweepDigits)
                return std::nullopt;
            value = value * 10 + (c - '0');
            text.remove_prefix(1);
        } else if (decimals < 0 && c == '.') {
            decimals = 0;
            text.remove_prefix(1);
        } else if (decimals < 0 && !separator.empty() && text.starts_with(separator)) {
            decimals = 0;
            text.remove_prefix(separator.size());
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    // In units of 1e-9 the value must stay below 1e18, so that differences
    // and steps stay inside 64 bits: at most a billion MHz, which is plenty.
    constexpr std::int64_t kLimit = 1'000'000'000'000'000'000;
    for (int i = decimals < 0 ? 0 : decimals; i < kScaleDigits; ++i) {
        if (value >= kLimit / 10)
            return std::nullopt;
        value *= 10;
    }
    return negative ? -value : value;
}

std::string decimalText(std::int64_t value)
{
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    if (digits.size() <= kScaleDigits)
        digits.insert(0, kScaleDigits + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - kScaleDigits);
    std::string fraction = digits.substr(digits.size() - kScaleDigits);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return negative && text != "0" ? "-" + text : text;
}

} // namespace

std::optional<DecimalSweep> DecimalSweep::parse(std::string_view range, std::string_view decimalSeparator,
                                                std::string &error)
{
    const auto first = range.find(':');
    const auto second = first == std::string_view::npos ? first : range.find(':', first + 1);
    if (second == std::string_view::npos || range.find(':', second + 1) != std::string_view::npos) {
        error = "--sweep takes FROM:TO:STEP in MHz, like 144:146:0.1";
        return std::nullopt;
    }
    const auto from = scaled(range.substr(0, first), decimalSeparator);
    const auto to = scaled(range.substr(first + 1, second - first - 1), decimalSeparator);
    const auto step = scaled(range.substr(second + 1), decimalSeparator);
    if (!from || !to || !step) {
        error = "--sweep needs plain decimal numbers (at most 15 digits, 9 decimals, below a billion): '"
            + escapedInput(range) + "'";
        return std::nullopt;
    }
    if (*step == 0 || (*to - *from) / *step < 0) {
        error = "--sweep: the step must lead from FROM to TO: '" + escapedInput(range) + "'";
        return std::nullopt;
    }
    // At most 15 digits each, so |to - from| stays far inside 64 bits.
    const std::int64_t steps = (*to - *from) / *step;
    if (steps >= static_cast<std::int64_t>(kMaxSweepValues)) {
        error = "--sweep: more than " + std::to_string(kMaxSweepValues) + " frequencies";
        return std::nullopt;
    }
    return DecimalSweep(*from, *step, static_cast<std::size_t>(steps) + 1);
}

std::string DecimalSweep::at(std::size_t n) const
{
    return decimalText(m_from + static_cast<std::int64_t>(n) * m_step);
}

} // namespace varnel
