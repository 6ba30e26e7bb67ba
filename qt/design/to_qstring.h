// The program's texts are UTF-8 string views; Qt wants QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace varnel {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace varnel
