#include "designs/messages.h"

#include "designs/web_link_window_design.h"
#include "numbers/unicode_text.h"

namespace varnel {

namespace {

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
    // One character past the limit is enough to know that the quote is cut.
    std::string shown;
    for (std::size_t count = 0; !input.empty() && count <= kMaxQuotedCharacters; ++count) {
        const char32_t c = decodeUtf8(input).value_or(0xFFFD);
        if (c < 0x20)
            appendUtf8(shown, 0x2400 + c); // the control pictures: ␉ ␊ ␍
        else if (c == 0x7F)
            appendUtf8(shown, 0x2421);
        else if (c == 0xA0)
            appendUtf8(shown, 0x237D); // ⍽, the no-break space's picture
        else
            appendUtf8(shown, c);
    }
    return "\u201C" + shortenedForMessage(shown) + "\u201D";
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

std::string linkStartFailureMessage(const StartResult &result)
{
    return result.noOpener ? linkNoOpenerDetail(result.program, "could not be started")
                           : linkStartFailureDetail(result.program, result.detail);
}

std::string linkEndFailureMessage(const FailedProgram &failed)
{
    return failed.noOpener ? linkNoOpenerDetail(failed.program, failed.reason)
                           : linkFailureDetail(failed.program, failed.reason);
}

} // namespace varnel
