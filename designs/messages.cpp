#include "designs/messages.h"

#include "designs/web_link_window_design.h"
#include "numbers/utf8.h"

#include <cstdint>

namespace varnel {

namespace {

// The next character of UTF-8 text; a byte that starts none is U+FFFD.
char32_t nextCharacter(std::string_view &text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || text.size() < static_cast<std::size_t>(length)) {
        text.remove_prefix(1);
        return 0xFFFD;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            text.remove_prefix(1);
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    text.remove_prefix(static_cast<std::size_t>(length));
    return c;
}

std::string replaced(std::string_view pattern, std::string_view first, std::string_view second = {})
{
    std::string text(pattern);
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, first);
    if (const auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, second);
    return text;
}

} // namespace

std::string quotedInput(std::string_view input)
{
    constexpr int kMaxShown = 40;
    std::string shown = "\u201C";
    int count = 0;
    while (!input.empty() && count < kMaxShown) {
        const char32_t c = nextCharacter(input);
        ++count;
        if (c < 0x20)
            appendUtf8(shown, 0x2400 + c); // the control pictures: ␉ ␊ ␍
        else if (c == 0x7F)
            appendUtf8(shown, 0x2421);
        else if (c == 0xA0)
            appendUtf8(shown, 0x237D); // ⍽, the no-break space's picture
        else
            appendUtf8(shown, c);
    }
    if (!input.empty())
        shown += "\u2026";
    return shown + "\u201D";
}

std::string computeErrorDetail(ErrorKind kind, std::string_view input, std::string_view decimalSeparator)
{
    // A dot is always understood; the locale's own separator is shown too
    // where it is a comma. Other separators may be missing from the font.
    const std::string_view example = decimalSeparator == "," ? "137,5 or 137.5" : "137.5";
    const std::string quoted = quotedInput(input);
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return replaced("The frequency %1 is not a number. Type the frequency in MHz, for example %2.", quoted,
                        example);
    case ErrorKind::Overflow:
        return replaced("The frequency %1 is too large or too small to compute.", quoted);
    case ErrorKind::DivisionByZero:
        return replaced("The frequency %1 is zero. Type a frequency in MHz other than zero.", quoted);
    default:
        return replaced("The frequency %1 could not be computed.", quoted);
    }
}

std::string webPageCommandLine()
{
    return "start.exe " + std::string(WebPageAddress) + "/";
}

std::string linkFailureDetail(std::string_view program, std::string_view reason)
{
    return "The web page could not be opened: " + std::string(program) + " " + std::string(reason)
        + ".\n\nThe address, to open in a browser by hand:\n" + std::string(WebPageAddress) + "/";
}

std::string linkNoOpenerDetail(std::string_view program, std::string_view reason)
{
    return "The web page could not be opened: no program is set to open web addresses (" + std::string(program) + " "
        + std::string(reason) + ").\n\nThe address, to open in a browser by hand:\n" + std::string(WebPageAddress)
        + "/";
}

std::string linkStartFailureDetail(std::string_view program, std::string_view systemReason)
{
    return linkFailureDetail(program, "could not be started (" + std::string(systemReason) + ")");
}

} // namespace varnel
