#include "platform/locale_numbers.h"

#include <clocale>

namespace varnel {

std::string localeDecimalSeparator()
{
    const std::lconv *conventions = std::localeconv();
    if (!conventions || !conventions->decimal_point || !*conventions->decimal_point)
        return ".";
    return conventions->decimal_point;
}

} // namespace varnel
