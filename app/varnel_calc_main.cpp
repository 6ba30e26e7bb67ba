#include "app/calc_cli.h"
#include "platform/locale_numbers.h"

#include <clocale>
#include <iostream>

#if defined(_WIN32)
#include <io.h>
#define VARNEL_ISATTY _isatty
#else
#include <unistd.h>
#define VARNEL_ISATTY isatty
#endif

int main(int argc, char **argv)
{
    // Numbers follow the user's locale, as in the window program.
    std::setlocale(LC_ALL, "");
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return varnel::runCalcCli(args, std::cin, std::cout, std::cerr, varnel::localeDecimalSeparator(),
                              VARNEL_ISATTY(0) != 0);
}
