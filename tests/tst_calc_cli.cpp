#include "app/calc_cli.h"
#include "platform/locale_numbers.h"

#include <doctest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <vector>

using namespace varnel;

namespace {

const std::string kDesign = "\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\n";

} // namespace

TEST_CASE("command lines")
{
    const struct
    {
        const char *tag;
        std::vector<std::string> args;
        std::string input;
        const char *separator;
        int status;
        std::string out;
        std::string err;
    } rows[] = {
        {"tsv argument", {"--tsv", "137.5"}, "", ".", 0, "137.5" + kDesign, ""},
        {"negative frequency is no option",
         {"--tsv", "-137.5"},
         "",
         ".",
         0,
         "-137.5\t-237.99\t-40\t-126\t-193\t50.8\t132.55\t39.76\t2\t-9.37\t-1.575\t-4.961\t-7.598\n",
         ""},
        {"tsv stdin, CR LF and an error",
         {"--tsv"},
         "137.500\r\nabc\n",
         ".",
         1,
         "137.500" + kDesign + "abc\tERROR\tType mismatch\n",
         "varnel-calc: 'abc': Type mismatch\n"},
        {"stdin line taken as it stands",
         {"--tsv"},
         " 137.5 \n\n",
         ".",
         1,
         " 137.5 " + kDesign + "\tERROR\tType mismatch\n",
         "varnel-calc: '': Type mismatch\n"},
        {"comma locale",
         {"--tsv", "137,5"},
         "",
         ",",
         0,
         "137,5\t237,99\t40\t126\t193\t9,5\t33,21\t9,96\t0,374\t9,37\t1,575\t4,961\t7,598\n",
         ""},
        {"zero fails, the rest goes on",
         {"--tsv", "0", "137.5"},
         "",
         ".",
         1,
         "0\tERROR\tDivision by zero\n137.5" + kDesign,
         "varnel-calc: '0': Division by zero\n"},
        {"unknown option",
         {"--frobnicate"},
         "",
         ".",
         2,
         "",
         "varnel-calc: unknown option '--frobnicate'\nTry 'varnel-calc --help'.\n"},
        {"after -- everything is a frequency",
         {"--tsv", "--", "--help"},
         "",
         ".",
         1,
         "--help\tERROR\tType mismatch\n",
         "varnel-calc: '--help': Type mismatch\n"},
        {"the sheet shows every row",
         {"137.5"},
         "",
         ".",
         0,
         "Frequency 137.5 MHz\n"
         "  Element Diameter is                           9.5 MM  0.374 INCH\n"
         "  The vertical element height is             237.99 MM   9.37 INCH\n"
         "  The dipole center gap and vertical gap is      40 MM  1.575 INCH\n"
         "  The horizontal end sections are               126 MM  4.961 INCH\n"
         "  The horizontal sides are                      193 MM  7.598 INCH\n"
         "  The parallel tuning capacitor is            33.21 PF\n"
         "  The series tuning capacitor is               9.96 PF\n",
         ""},
    };
    for (const auto &row : rows) {
        INFO(row.tag);
        std::istringstream in(row.input);
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runCalcCli(row.args, in, out, err, row.separator) == row.status);
        CHECK(out.str() == row.out);
        CHECK(err.str() == row.err);
    }
}

// The separator as varnel-calc's main takes it, in real locales (made by the
// build; LOCPATH). In fa_IR the C library's separator is ".", as in the window.
TEST_CASE("the tool in the user's locale")
{
    const struct
    {
        const char *locale;
        std::string input;
        std::string out;
    } rows[] = {
        {"C.UTF-8", "137.500", "137.500\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\n"},
        {"de_DE.UTF-8", "137.500",
         "137.500\t237,99\t40\t126\t193\t9,5\t33,21\t9,96\t0,374\t9,37\t1,575\t4,961\t7,598\n"},
        {"fr_FR.UTF-8", "14,2",
         "14,2\t2304,47\t387,32\t1220,07\t1868,84\t25,4\t247,82\t74,35\t1\t90,727\t15,249\t48,034\t73,576\n"},
        {"fa_IR.UTF-8", "137.5", "137.5\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\n"},
    };
    for (const auto &row : rows) {
        INFO(row.locale);
        if (!std::setlocale(LC_ALL, row.locale)) {
            MESSAGE("locale not made here; skipped");
            continue;
        }
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runCalcCli({"--tsv", row.input}, in, out, err, localeDecimalSeparator()) == 0);
        CHECK(out.str() == row.out);
    }
    std::setlocale(LC_ALL, "C");
}
