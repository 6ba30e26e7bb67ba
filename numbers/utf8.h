// UTF-8, as every text of the program is held: writing a character, and
// reading one strictly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

inline void appendUtf8(std::string &out, char32_t c)
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

// Takes the first character off `text`. Nothing, and its first byte taken
// off, where that byte begins no character: a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate or a value above
// U+10FFFF.
inline std::optional<char32_t> decodeUtf8(std::string_view &text)
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

} // namespace varnel
