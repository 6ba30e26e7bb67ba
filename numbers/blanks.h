// What counts as blank around a typed or pasted text: spaces, tabs, line
// breaks and no-break spaces (U+00A0, as UTF-8). Pasting a number from a
// web page or a spreadsheet brings these along.
#pragma once

#include <cstddef>
#include <string_view>

namespace varnel {

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The length of the blank that `text` starts with (or, `atEnd`, ends with);
// 0 when there is none.
constexpr std::size_t blankLength(std::string_view text, bool atEnd)
{
    constexpr std::string_view noBreakSpace = "\xC2\xA0";
    if (text.empty())
        return 0;
    if (isBlank(atEnd ? text.back() : text.front()))
        return 1;
    return (atEnd ? text.ends_with(noBreakSpace) : text.starts_with(noBreakSpace)) ? noBreakSpace.size() : 0;
}

constexpr std::string_view trimBlanks(std::string_view text)
{
    while (const std::size_t length = blankLength(text, false))
        text.remove_prefix(length);
    while (const std::size_t length = blankLength(text, true))
        text.remove_suffix(length);
    return text;
}

} // namespace varnel
