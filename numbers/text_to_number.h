// Text to Single, as the user types a frequency.
#pragma once

#include "numbers/error_kind.h"

#include <optional>
#include <string_view>

namespace varnel {

struct SingleParse
{
    float value = 0.0f;
    ErrorKind error = ErrorKind::None;
};

// Reads a plain decimal number: blanks around it (numbers/blanks.h), an
// optional sign, digits with at most one decimal point, and an optional
// exponent. The decimal point is a dot, or the caller's locale's separator:
// a frequency has no thousands to group, so "137.500" is 137.5 in every
// locale, and "137,5" too where the comma is the separator. Words such as "inf" or "nan", hexadecimal and
// thousands separators are not numbers here. The result is the Single nearest
// to the decimal text itself, never rounded through a double first.
// Not a number gives TypeMismatch; beyond the Single range, Overflow; a
// magnitude too small for a Single becomes zero or a subnormal, silently.
// Runs in time linear in the text, however long.
SingleParse parseSingle(std::string_view text, std::string_view decimalSeparator);

// A number an option takes, read as parseSingle reads it, then as the
// shortest decimal that gives that Single: 0.66 stays 0.66, not the Single
// nearest it. Nothing for text that is not a finite number.
std::optional<double> parseTypedNumber(std::string_view text, std::string_view decimalSeparator);

} // namespace varnel
