// The frequencies the antenna is designed for, and what both tools say
// about the others. The window itself computes any frequency silently:
// its caption "(Maximum 250 mhz  See NOTES)" is all it says.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

inline constexpr double kDesignLimitMHz = 250;

// Above the design's 250 MHz, or negative (0 cannot be computed at all).
constexpr bool outsideDesign(float frequencyMHz)
{
    return frequencyMHz < 0 || frequencyMHz > kDesignLimitMHz;
}

// One line for a whole run, without the program's name: how many computed
// frequencies lay outside the design and which came first, as the window
// shows it ("430").
std::string outsideDesignWarning(std::size_t count, std::string_view firstShown);

// A frequency as the window holds and shows it: "137.5", "1E-30".
std::string shownFrequency(float frequencyMHz, std::string_view decimalSeparator);

// A count of outside frequencies and the first of them, for that warning.
class OutsideDesignTally
{
public:
    // The first outside frequency is kept as the window shows it, in the
    // locale's notation.
    void add(float frequencyMHz, std::string_view decimalSeparator)
    {
        if (!outsideDesign(frequencyMHz))
            return;
        if (m_count++ == 0)
            m_first = shownFrequency(frequencyMHz, decimalSeparator);
    }
    std::size_t count() const { return m_count; }
    // Empty when every frequency lay inside.
    std::string warning() const { return m_count ? outsideDesignWarning(m_count, m_first) : std::string(); }

private:
    std::size_t m_count = 0;
    std::string m_first;
};

} // namespace varnel
