#include "numbers/unicode_text.h"

#include <algorithm>
#include <istream>

namespace varnel {

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char32_t> decodeUtf8(std::string_view &text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 1;
    char32_t c = lead;
    char32_t least = 0;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0x80) {
        text.remove_prefix(1);
        return std::nullopt;
    }
    if (text.size() < length) {
        text.remove_prefix(1);
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            text.remove_prefix(1);
            return std::nullopt;
        }
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        text.remove_prefix(1);
        return std::nullopt;
    }
    text.remove_prefix(length);
    return c;
}

std::string shortenedForMessage(std::string_view utf8)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && characters++ == kMaxQuotedCharacters)
            return std::string(utf8.substr(0, i)) + "\u2026";
    }
    return std::string(utf8);
}

namespace {

void appendHex(std::string &text, unsigned char byte)
{
    constexpr char hex[] = "0123456789ABCDEF";
    text.append("\\x").append(1, hex[byte >> 4]).append(1, hex[byte & 15]);
}

// Every character as it is, every byte that begins none as \xHH, and what
// `special` writes for the ASCII it claims.
template<typename Special> std::string withBadBytesEscaped(std::string_view input, Special special)
{
    std::string text;
    text.reserve(input.size());
    while (!input.empty()) {
        const auto byte = static_cast<unsigned char>(input.front());
        if (byte < 0x80 && special(text, static_cast<char>(byte))) {
            input.remove_prefix(1);
            continue;
        }
        const std::string_view rest = input;
        if (decodeUtf8(input))
            text.append(rest.substr(0, rest.size() - input.size()));
        else
            appendHex(text, byte); // so every output stays UTF-8, and the byte can be read off it
    }
    return text;
}

std::string escaped(std::string_view input, bool backslashPlain)
{
    const auto plain = [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (backslashPlain || c != '\\') && byte >= 0x20 && byte < 0x7F;
    };
    if (std::all_of(input.begin(), input.end(), plain))
        return std::string(input);
    return withBadBytesEscaped(input, [&](std::string &text, char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' && !backslashPlain)
            text += "\\\\";
        else if (c == '\t')
            text += "\\t";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else if (byte < 0x20 || byte == 0x7F)
            appendHex(text, byte);
        else
            return false;
        return true;
    });
}

} // namespace

std::string escapedInput(std::string_view input)
{
    return escaped(input, false);
}

std::string escapedPath(std::string_view path)
{
#ifdef _WIN32
    return escaped(path, true);
#else
    return escaped(path, false);
#endif
}

std::string validUtf8(std::string_view input)
{
    return withBadBytesEscaped(input, [](std::string &, char) { return false; });
}

InputLines::InputLines(std::istream &in)
    : m_in(in)
{
    const int first = m_in.get();
    if (first == std::char_traits<char>::eof())
        return;
    const int second = m_in.peek();
    if (first == 0xFF && second == 0xFE)
        m_encoding = Encoding::Utf16LittleEndian;
    else if (first == 0xFE && second == 0xFF)
        m_encoding = Encoding::Utf16BigEndian;
    if (m_encoding == Encoding::Utf8)
        m_in.unget();
    else
        m_in.get();
}

std::optional<std::u16string> utf16Of(std::string_view utf8, BadText bad)
{
    std::u16string units;
    units.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<char32_t> c = decodeUtf8(utf8);
        if (!c && bad == BadText::Refuse)
            return std::nullopt;
        const char32_t character = c.value_or(0xFFFD);
        if (character >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(character);
        }
    }
    return units;
}

std::optional<std::string> utf8Of(std::u16string_view utf16, BadText bad)
{
    std::string utf8;
    utf8.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        char32_t character = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00
            && utf16[i + 1] <= 0xDFFF) {
            character = 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            if (bad == BadText::Refuse)
                return std::nullopt;
            character = 0xFFFD;
        }
        appendUtf8(utf8, character);
    }
    return utf8;
}

bool InputLines::next(std::string &line)
{
    if (m_encoding == Encoding::Utf8)
        return static_cast<bool>(std::getline(m_in, line));
    line.clear();
    bool any = false;
    char32_t pendingHigh = 0;
    for (;;) {
        const int a = m_in.get();
        if (a == std::char_traits<char>::eof())
            break;
        any = true;
        const int b = m_in.get();
        if (b == std::char_traits<char>::eof()) {
            line += static_cast<char>(a);
            break;
        }
        const char32_t unit
            = m_encoding == Encoding::Utf16LittleEndian ? char32_t(a | (b << 8)) : char32_t((a << 8) | b);
        if (pendingHigh && unit >= 0xDC00 && unit <= 0xDFFF) {
            appendUtf8(line, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh = 0;
            continue;
        }
        if (pendingHigh) {
            appendUtf8(line, 0xFFFD);
            pendingHigh = 0;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            pendingHigh = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            appendUtf8(line, 0xFFFD);
        else if (unit == '\n')
            return true;
        else
            appendUtf8(line, unit);
    }
    if (pendingHigh)
        appendUtf8(line, 0xFFFD);
    return any;
}

} // namespace varnel
