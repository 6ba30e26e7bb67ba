// --sweep FROM:TO:STEP: frequencies stepped exactly in decimal, so that
// 144:146:0.1 ends on 146 itself, never on 145.99999. A sweep is a range,
// not a list: each frequency is made when it is computed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The limits that the help and the manual page state.
inline constexpr std::size_t kMaxSweepValues = 1'000'000;
inline constexpr int kMaxSweepDecimals = 9;
inline constexpr int kMaxSweepDigits = 15;

class DecimalSweep
{
public:
    // Each number is a plain decimal (sign, digits, a '.' or the locale's
    // separator), at most 15 significant digits, 9 decimals and below a
    // billion; STEP is not zero and leads from FROM towards TO. TO is
    // included when the steps land on it. On failure, `error` says why in
    // one line.
    static std::optional<DecimalSweep> parse(std::string_view range, std::string_view decimalSeparator,
                                             std::string &error);

    std::size_t size() const { return m_count; }
    // The n-th frequency as a decimal text with '.'.
    std::string at(std::size_t n) const;

private:
    DecimalSweep(std::int64_t from, std::int64_t step, std::size_t count)
        : m_from(from)
        , m_step(step)
        , m_count(count)
    {
    }

    std::int64_t m_from = 0; // in units of 1e-9
    std::int64_t m_step = 0;
    std::size_t m_count = 0;
};

} // namespace varnel
