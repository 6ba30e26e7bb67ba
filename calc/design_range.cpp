#include "calc/design_range.h"

#include "numbers/number_text.h"

namespace varnel {

std::string outsideDesignWarning(std::size_t count, std::string_view firstShown)
{
    const std::string range = " outside the 0 to 250 MHz the design is made for";
    const std::string tail = "; computed as the window does";
    if (count == 1)
        return std::string(firstShown) + " MHz is" + range + tail;
    return std::to_string(count) + " frequencies are" + range + ", the first " + std::string(firstShown) + " MHz"
        + tail;
}

std::string shownFrequency(float frequencyMHz, std::string_view decimalSeparator)
{
    return formatSingle(frequencyMHz, decimalSeparator);
}

} // namespace varnel
