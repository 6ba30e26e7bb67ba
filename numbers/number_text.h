// Number to text, the way the program shows every result.
#pragma once

#include <string>
#include <string_view>

namespace varnel {

// At most 7 significant digits for a Single, 15 for a Double, rounded from
// the exact binary value (ties to even). Trailing zeros and a bare separator
// are dropped, magnitudes below one get a leading zero, negative zero shows
// as "0", and there are no thousands separators. From 1E+07 (1E+15 for a
// Double) upwards and below 1E-04 the exponent form 1.234568E+07 is used.
std::string formatSingle(float value, std::string_view decimalSeparator);
std::string formatDouble(double value, std::string_view decimalSeparator);

} // namespace varnel
