// UTF-8, as the core speaks, to UTF-16, as the Windows API does, and back.
#pragma once

#include "numbers/unicode_text.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace varnel::win32 {

// Texts from the core are UTF-8; a window's may hold whatever was pasted
// into it, and is shown, so what UTF-16 cannot say becomes U+FFFD.
inline std::wstring widen(std::string_view text)
{
    return wideOf(text, BadText::Replace).value_or(std::wstring());
}

inline std::string narrow(std::wstring_view text)
{
    return utf8Of(text, BadText::Replace).value_or(std::string());
}

// A window's text, whatever its length.
inline std::string windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
}

} // namespace varnel::win32
