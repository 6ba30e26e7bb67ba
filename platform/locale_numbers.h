// The user's locale, as far as numbers go. The window and varnel-calc both
// ask here, so they can never disagree about the separator.
#pragma once

#include <string>

namespace varnel {

// The decimal separator of the C library's current LC_NUMERIC, as UTF-8
// ("." in C, "," in de_DE, "٫" where the locale says so). The program calls
// setlocale(LC_ALL, "") first; QApplication does it on Unix.
std::string localeDecimalSeparator();

} // namespace varnel
