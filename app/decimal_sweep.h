// --sweep FROM:TO:STEP: frequencies stepped exactly in decimal, so that
// 144:146:0.1 ends on 146 itself, never on 145.99999.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

inline constexpr std::size_t kMaxSweepSteps = 1'000'000;

struct SweepResult
{
    std::vector<std::string> frequencies; // decimal texts with '.'
    std::string error; // empty on success; one line otherwise
};

// Each number is a plain decimal (sign, digits, a '.' or the locale's
// separator), at most 15 significant digits, 9 decimals and below a billion;
// STEP is not zero and leads from FROM towards TO. TO is included when the
// steps land on it.
SweepResult expandSweep(std::string_view range, std::string_view decimalSeparator);

} // namespace varnel
