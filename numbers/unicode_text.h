// Text at the programs' edges, where it comes in from a user, a file or the
// system and goes out in a message or an echo. Every text inside is UTF-8;
// this is the one place that checks it, decodes it, reads UTF-16, escapes
// what an echo must not hold raw, and shortens what a message quotes.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// At most this many characters of an input are quoted in a message, the
// window's or a tool's: a pasted page must not make one line a screenful.
inline constexpr std::size_t kMaxQuotedCharacters = 40;

void appendUtf8(std::string &out, char32_t c);

// Takes the first character off `text`. Where the first byte begins no
// character (a stray continuation byte, a sequence cut short, an overlong
// form, a surrogate, a value above U+10FFFF), that one byte is taken off
// and nothing returned: the caller shows it as its byte or as U+FFFD, and
// decoding goes on at the next byte.
std::optional<char32_t> decodeUtf8(std::string_view &text);

// The text cut to its first kMaxQuotedCharacters characters, an ellipsis
// after it where anything was cut.
std::string shortenedForMessage(std::string_view utf8);

// An argument or input line as one line of valid UTF-8, to echo it:
// backslash and control characters written as \\, \t, \n, \r and \xHH,
// and so is every byte that is not part of a UTF-8 character ("\xFC").
std::string escapedInput(std::string_view input);

// A file name, or a line that holds one, to echo it: as escapedInput, but
// on Windows, where a backslash separates folders, backslashes stay as they
// are.
std::string escapedPath(std::string_view path);

// The text with every byte that is not part of a UTF-8 character written
// as \xHH, and nothing else changed: for JSON, which escapes the rest its
// own way.
std::string validUtf8(std::string_view input);

// UTF-8 to UTF-16, as the Windows API holds text, and back. Strict by
// default: where the text is not valid (a byte that begins no UTF-8
// character, a lone surrogate in UTF-16) there is nothing, never a text
// shortened or changed. With Replace, each such byte or surrogate becomes
// U+FFFD, for text that is only shown.
enum class BadText { Refuse, Replace };
std::optional<std::u16string> utf16Of(std::string_view utf8, BadText bad = BadText::Refuse);
std::optional<std::string> utf8Of(std::u16string_view utf16, BadText bad = BadText::Refuse);
#ifdef _WIN32
// The same for the Windows API's wide strings, which are UTF-16.
inline std::optional<std::wstring> wideOf(std::string_view utf8, BadText bad = BadText::Refuse)
{
    const std::optional<std::u16string> units = utf16Of(utf8, bad);
    if (!units)
        return std::nullopt;
    return std::wstring(units->begin(), units->end());
}
inline std::optional<std::string> utf8Of(std::wstring_view wide, BadText bad = BadText::Refuse)
{
    return utf8Of(std::u16string(wide.begin(), wide.end()), bad);
}
#endif

// A stream a line at a time, as UTF-8: in UTF-8 as it comes, or in UTF-16
// where it begins with UTF-16's byte-order mark (as Notepad's "Unicode" and
// PowerShell 5's ">" write files), little- or big-endian. What UTF-16
// cannot say (a lone surrogate) becomes U+FFFD; an odd last byte stays a
// byte, for the echo to show.
class InputLines
{
public:
    explicit InputLines(std::istream &in);

    // The next line without its LF, or false at the end.
    bool next(std::string &line);

private:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

    std::istream &m_in;
    Encoding m_encoding = Encoding::Utf8;
};

} // namespace varnel
