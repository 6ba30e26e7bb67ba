#include "app/calc_cli.h"
#include "app/calc_options.h"
#include "app/decimal_sweep.h"
#include "platform/locale_numbers.h"
#include "tests/shared/test_environment.h"
#include "varnel/build_info.h"

#include <doctest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace varnel;

namespace {

const std::string kDesign = "\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\n";

// ASCII text in UTF-16 with its byte-order mark, as Windows' editors write it.
std::string utf16(std::string_view ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        bytes += bigEndian ? '\0' : c;
        bytes += bigEndian ? c : '\0';
    }
    return bytes;
}

// An input for each control character, between two digits: JSON must
// escape every one of them, CSV and TSV echo them escaped.
std::vector<std::string> everyControlCharacter()
{
    std::vector<std::string> inputs;
    for (int c = 0; c < 0x20; ++c)
        inputs.push_back({'1', static_cast<char>(c), '2'});
    inputs.push_back({'1', '\x7F', '2'});
    return inputs;
}

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
         "varnel-calc: warning: -137.5 MHz is outside the 0 to 250 MHz the design is made for; computed as the window "
         "does\n"},
        {"tsv stdin, CR LF and an error",
         {"--tsv"},
         "137.500\r\nabc\n",
         ".",
         1,
         "137.500" + kDesign + "abc\tERROR\tType mismatch\n",
         "varnel-calc: 'abc': Type mismatch\n"},
        {"stdin line taken as it stands, blank and # lines skipped",
         {"--tsv"},
         " 137.5 \n\n  \n# a note\n",
         ".",
         0,
         " 137.5 " + kDesign,
         ""},
        {"tsv header names the columns",
         {"--tsv", "--header", "137.5"},
         "",
         ".",
         0,
         "frequency_mhz\tvertical_height_mm\tcentre_gap_mm\thorizontal_end_mm\thorizontal_side_mm\telement_diameter_mm"
         "\tparallel_capacitor_pf\tseries_capacitor_pf\telement_diameter_in\tvertical_height_in\tcentre_gap_in"
         "\thorizontal_end_in\thorizontal_side_in\n137.5"
             + kDesign,
         ""},
        {"above 250 MHz warns, status unchanged",
         {"--tsv", "300"},
         "",
         ".",
         0,
         "300\t109.08\t18.33\t57.75\t88.46\t6.35\t16.3\t4.89\t0.25\t4.294\t0.722\t2.274\t3.483\n",
         "varnel-calc: warning: 300 MHz is outside the 0 to 250 MHz the design is made for; computed as the window "
         "does\n"},
        {"utf-16 little-endian input, as Notepad writes it, with CR LF",
         {"--tsv"},
         utf16("137.5\r\nx", false),
         ".",
         1,
         "137.5" + kDesign + "x\tERROR\tType mismatch\n",
         "varnel-calc: 'x': Type mismatch\n"},
        {"utf-16 big-endian input with LF, a lone surrogate shown as U+FFFD",
         {"--tsv"},
         utf16("137.5\n", true) + std::string("\xD8\0", 2),
         ".",
         1,
         "137.5" + kDesign + "\xEF\xBF\xBD\tERROR\tType mismatch\n",
         "varnel-calc: '\xEF\xBF\xBD': Type mismatch\n"},
        {"utf-16 little-endian input, a surrogate pair read as the one character it makes",
         {"--tsv"},
         std::string("\xFF\xFE\x3D\xD8\x00\xDE\n\0", 8),
         ".",
         1,
         "\xF0\x9F\x98\x80\tERROR\tType mismatch\n",
         "varnel-calc: '\xF0\x9F\x98\x80': Type mismatch\n"},
        {"a byte that is not utf-8 is echoed as \\xHH in tsv and on standard error",
         {"--tsv"},
         "1\xFC"
         "2\n",
         ".",
         1,
         "1\\xFC2\tERROR\tType mismatch\n",
         "varnel-calc: '1\\xFC2': Type mismatch\n"},
        {"an overlong slash and an encoded surrogate are no characters: echoed as their bytes",
         {"--tsv"},
         "\xC0\xAF\n1\xED\xA0\xBD\n",
         ".",
         1,
         "\\xC0\\xAF\tERROR\tType mismatch\n1\\xED\\xA0\\xBD\tERROR\tType mismatch\n",
         "varnel-calc: '\\xC0\\xAF': Type mismatch\nvarnel-calc: '1\\xED\\xA0\\xBD': Type mismatch\n"},
        {"a long input is shortened on standard error as the window's message shortens it",
         {"--tsv", std::string(45, '9') + "x"},
         "",
         ".",
         1,
         std::string(45, '9') + "x\tERROR\tType mismatch\n",
         "varnel-calc: '" + std::string(40, '9') + "\u2026': Type mismatch\n"},
        {"a swept frequency in tsv takes the locale's separator, as the rest of its row",
         {"--tsv", "--sweep", "1,5:2:0,5"},
         "",
         ",",
         0,
         "1,5\t21815,65\t3666,67\t11550\t17691,68\t50,8\t1750\t525\t2\t858,884\t144,357\t454,725\t696,523\n"
         "2\t16361,74\t2750\t8662,5\t13268,76\t50,8\t1350\t405\t2\t644,163\t108,268\t341,043\t522,392\n",
         ""},
        {"a sweep steps exactly in decimal",
         {"--sweep", "145.8:146:0.1", "--format=tsv"},
         "",
         ".",
         0,
         "145.8\t224.44\t37.72\t118.83\t182.01\t9.5\t31.45\t9.44\t0.374\t8.836\t1.485\t4.678\t7.166\n"
         "145.9\t224.29\t37.7\t118.75\t181.89\t9.5\t31.43\t9.43\t0.374\t8.83\t1.484\t4.675\t7.161\n"
         "146\t224.13\t37.67\t118.66\t181.76\t9.5\t31.41\t9.42\t0.374\t8.824\t1.483\t4.672\t7.156\n",
         ""},
        {"fractional inches on the sheet",
         {"--fraction", "16", "137.5"},
         "",
         ".",
         0,
         "Frequency 137.5 MHz\n"
         "  Element Diameter is                           9.5 MM  0.374 INCH  3/8 in (+0.02 mm)\n"
         "  The vertical element height is             237.99 MM   9.37 INCH  9 3/8 in (+0.14 mm)\n"
         "  The dipole center gap and vertical gap is      40 MM  1.575 INCH  1 9/16 in (-0.31 mm)\n"
         "  The horizontal end sections are               126 MM  4.961 INCH  4 15/16 in (-0.59 mm)\n"
         "  The horizontal sides are                      193 MM  7.598 INCH  7 5/8 in (+0.67 mm)\n"
         "  The parallel tuning capacitor is            33.21 PF  nearest E12 part 33 pF, which may be 29.7 to 36.3 "
         "pF\n"
         "  The series tuning capacitor is               9.96 PF  nearest E12 part 10 pF, which may be 9.5 to 10.5 "
         "pF\n",
         ""},
        {"version", {"--version"}, "", ".", 0, "varnel-calc " VARNEL_VERSION "\n", ""},
        {"json with an input that is not UTF-8: the byte as \\xHH, as in every format",
         {"--format", "json", "14\xff"},
         "",
         ".",
         1,
         "[\n  {\n    \"input\": \"14\\\\xFF\",\n    \"error\": \"Type mismatch\"\n  }\n]\n",
         "varnel-calc: '14\\xFF': Type mismatch\n"},
        {"unknown format",
         {"--format", "xml"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --format takes text, tsv, csv or json, not 'xml'\nTry 'varnel-calc --help'.\n"},
        {"odd fraction",
         {"--fraction=10", "1"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --fraction takes 8, 16, 32 or 64, not '10'\nTry 'varnel-calc --help'.\n"},
        {"a value with a line break, echoed on the one line of the usage error",
         {"--format", "x\nml", "1"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --format takes text, tsv, csv or json, not 'x\\nml'\nTry 'varnel-calc --help'.\n"},
        // 136.09 MHz worked in Python: its SIDE is 195.0002 mm, 136.089's 195.0012.
        {"--from finds the design for a length already cut",
         {"--tsv", "--from", "side=195", "--from", "end=126"},
         "",
         ".",
         0,
         "136.09\t240.45\t40.41\t127.31\t195\t9.5\t33.53\t10.06\t0.374\t9.467\t1.591\t5.012\t7.677\t694341.21\t"
         "563629.47\n137.5\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\t708759.19\t"
         "575336.16\n",
         ""},
        // The bends at 137.5 MHz with R 15 worked by hand (see the core's
        // table): runs 169.44, 114.22, 15.22, arcs 23.56, one tube 732.
        {"--corner-radius in csv: the bent loop's columns",
         {"--format", "csv", "--corner-radius", "15", "137.5"},
         "",
         ".",
         0,
         "input,frequency_mhz,vertical_height_mm,centre_gap_mm,horizontal_end_mm,horizontal_side_mm,element_diameter_"
         "mm,parallel_capacitor_pf,series_capacitor_pf,element_diameter_in,vertical_height_in,centre_gap_in,"
         "horizontal_end_in,horizontal_side_in,outside_design,corner_radius_mm,bent_side_mm,bent_end_mm,bent_rest_mm,"
         "side_run_mm,end_run_mm,rest_run_mm,corner_arc_mm,tube_length_mm,bend_1_start_mm,bend_1_end_mm,bend_2_start_"
         "mm,bend_2_end_mm,bend_3_start_mm,bend_3_end_mm,bend_4_start_mm,bend_4_end_mm,error\r\n"
         "137.5,137.5,237.99,40,126,193,9.5,33.21,9.96,0.374,9.37,1.575,4.961,7.598,false,15,199.44,129.22,30.22,"
         "169.44,114.22,15.22,23.56,732,114.22,137.78,307.22,330.78,500.22,523.78,693.22,716.78,\r\n",
         ""},
        {"--corner-radius in csv: a failed input keeps every column",
         {"--format", "csv", "--corner-radius", "15", "abc"},
         "",
         ".",
         1,
         "input,frequency_mhz,vertical_height_mm,centre_gap_mm,horizontal_end_mm,horizontal_side_mm,element_diameter_"
         "mm,parallel_capacitor_pf,series_capacitor_pf,element_diameter_in,vertical_height_in,centre_gap_in,"
         "horizontal_end_in,horizontal_side_in,outside_design,corner_radius_mm,bent_side_mm,bent_end_mm,bent_rest_mm,"
         "side_run_mm,end_run_mm,rest_run_mm,corner_arc_mm,tube_length_mm,bend_1_start_mm,bend_1_end_mm,bend_2_start_"
         "mm,bend_2_end_mm,bend_3_start_mm,bend_3_end_mm,bend_4_start_mm,bend_4_end_mm,error\r\n"
             + std::string("abc") + std::string(31, ',') + ",Type mismatch\r\n",
         "varnel-calc: 'abc': Type mismatch\n"},
        {"--corner-radius too tight for the rest: the design, no bends, status 1 (a usage error writes nothing)",
         {"--tsv", "--corner-radius", "40", "137.5"},
         "",
         ".",
         1,
         "137.5\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598" + std::string(17, '\t')
             + "\n",
         "varnel-calc: --corner-radius at 137.5 MHz: with corners of 40 mm radius a straight run would be -4.42 mm, "
         "shorter than the 9.5 mm tube is wide\n"},
        {"--corner-radius takes a radius",
         {"--corner-radius", "0", "137.5"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --corner-radius takes a centre-line radius in mm, up to 10000, not '0'\nTry 'varnel-calc "
         "--help'.\n"},
        {"--from names a length it knows",
         {"--from", "width=3"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --from takes side, height, end or gap, then = and a length in mm, not 'width=3'\nTry "
         "'varnel-calc --help'.\n"},
        // Pairs worked by hand (68 + 10 pF may be 61.2 + 9.5 to 74.8 + 10.5);
        // stubs by Python's math.atan for 75 ohm foam cable.
        {"--parts in csv: each capacitor as a pair and as a stub",
         {"--format", "csv", "--parts", "--coax", "75:0.82", "50.1"},
         "",
         ".",
         0,
         "input,frequency_mhz,vertical_height_mm,centre_gap_mm,horizontal_end_mm,horizontal_side_mm,element_diameter_"
         "mm,"
         "parallel_capacitor_pf,series_capacitor_pf,element_diameter_in,vertical_height_in,centre_gap_in,horizontal_"
         "end_"
         "in,horizontal_side_in,outside_design,parallel_capacitor_pair_below_pf,parallel_capacitor_pair_top_up_pf,"
         "parallel_capacitor_pair_sum_pf,parallel_capacitor_pair_low_pf,parallel_capacitor_pair_high_pf,parallel_"
         "capacitor_stub_mm,series_capacitor_pair_below_pf,series_capacitor_pair_top_up_pf,series_capacitor_pair_sum_"
         "pf,"
         "series_capacitor_pair_low_pf,series_capacitor_pair_high_pf,series_capacitor_stub_mm,error\r\n"
         "50.1,50.1,653.16,109.78,345.81,529.69,12.7,78.77,23.63,0.5,25.715,4.322,13.615,20.854,false,68,10,78,70.7,"
         "85.3,841.4,22,1.5,23.5,20.8,26.2,397.4,\r\n",
         ""},
        // At the design point one part is as near as any pair: the stubs only.
        {"--parts in tsv, a comma locale",
         {"--tsv", "--parts", "137,5"},
         "",
         ",",
         0,
         "137,5\t237,99\t40\t126\t193\t9,5\t33,21\t9,96\t0,374\t9,37\t1,575\t4,961\t7,598\t\t\t\t\t\t220,"
         "3\t\t\t\t\t\t93,1\n",
         ""},
        {"--coax takes an impedance and a velocity factor",
         {"--coax", "75,0.82", "1"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --coax takes an impedance of 10 to 300 ohm and a velocity factor of 0.5 to 1, as 50:0.66, not "
         "'75,0.82'\nTry 'varnel-calc --help'.\n"},
        {"sweep the wrong way",
         {"--sweep", "146:144:0.1"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --sweep: the step must lead from FROM to TO: '146:144:0.1'\nTry 'varnel-calc --help'.\n"},
        {"a sweep with a control character, echoed escaped",
         {"--sweep", "144:146:0.1\x07"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --sweep needs plain decimal numbers (at most 15 digits, 9 decimals, below a billion): "
         "'144:146:0.1\\x07'\nTry 'varnel-calc --help'.\n"},
        {"option without its value",
         {"--sweep"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --sweep needs a value\nTry 'varnel-calc --help'.\n"},
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
        {"a byte-order mark before the first line is skipped",
         {"--tsv"},
         "\xEF\xBB\xBF"
         "137.5\n\xEF\xBB\xBF"
         "1\n",
         ".",
         1,
         "137.5" + kDesign
             + "\xEF\xBB\xBF"
               "1\tERROR\tType mismatch\n",
         "varnel-calc: '\xEF\xBB\xBF"
         "1': Type mismatch\n"},
        {"an input with a tab or a line break stays one row",
         {"--tsv", "1\t2", "3\n4\\"},
         "",
         ".",
         1,
         "1\\t2\tERROR\tType mismatch\n3\\n4\\\\\tERROR\tType mismatch\n",
         "varnel-calc: '1\\t2': Type mismatch\nvarnel-calc: '3\\n4\\\\': Type mismatch\n"},
        {"csv keeps the input as given beside the frequency computed",
         {"--format", "csv", " +1e2 ", "0"},
         "",
         ".",
         1,
         "input,frequency_mhz,vertical_height_mm,centre_gap_mm,horizontal_end_mm,horizontal_side_mm,"
         "element_diameter_mm,parallel_capacitor_pf,series_capacitor_pf,element_diameter_in,vertical_height_in,"
         "centre_gap_in,horizontal_end_in,horizontal_side_in,outside_design,error\r\n"
         " +1e2 ,100,327.23,55,173.25,265.38,12.7,46.2,13.86,0.5,12.883,2.165,6.821,10.448,false,\r\n"
         "0,,,,,,,,,,,,,,,Division by zero\r\n",
         "varnel-calc: '0': Division by zero\n"},
        {"csv: 250 MHz is the design's, 250.01 outside it, and a quote in an input is doubled",
         {"--format", "csv", "250", "250.01", "1\"2"},
         "",
         ".",
         1,
         "input,frequency_mhz,vertical_height_mm,centre_gap_mm,horizontal_end_mm,horizontal_side_mm,"
         "element_diameter_mm,parallel_capacitor_pf,series_capacitor_pf,element_diameter_in,vertical_height_in,"
         "centre_gap_in,horizontal_end_in,horizontal_side_in,outside_design,error\r\n"
         "250,250,130.89,22,69.3,106.15,6.35,18.96,5.69,0.25,5.153,0.866,2.728,4.179,false,\r\n"
         "250.01,250.01,130.89,22,69.3,106.15,6.35,18.96,5.69,0.25,5.153,0.866,2.728,4.179,true,\r\n"
         "\"1\"\"2\",,,,,,,,,,,,,,,Type mismatch\r\n",
         "varnel-calc: '1\"2': Type mismatch\n"
         "varnel-calc: warning: 250.01 MHz is outside the 0 to 250 MHz the design is made for; computed as the "
         "window does\n"},
        {"tape readings follow the tsv columns",
         {"--tsv", "--header", "--fraction", "8", "137.5"},
         "",
         ".",
         0,
         "frequency_mhz\tvertical_height_mm\tcentre_gap_mm\thorizontal_end_mm\thorizontal_side_mm\telement_diameter_mm"
         "\tparallel_capacitor_pf\tseries_capacitor_pf\telement_diameter_in\tvertical_height_in\tcentre_gap_in"
         "\thorizontal_end_in\thorizontal_side_in\telement_diameter_tape_in\telement_diameter_tape_error_mm"
         "\tvertical_height_tape_in\tvertical_height_tape_error_mm\tcentre_gap_tape_in\tcentre_gap_tape_error_mm"
         "\thorizontal_end_tape_in\thorizontal_end_tape_error_mm\thorizontal_side_tape_in"
         "\thorizontal_side_tape_error_mm\n"
         "137.5\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598"
         "\t3/8\t+0.02\t9 3/8\t+0.14\t1 5/8\t+1.27\t5\t+1.00\t7 5/8\t+0.67\n",
         ""},
        {"a sweep above the design warns once",
         {"--tsv", "--sweep", "430:432:1"},
         "",
         ".",
         0,
         "430\t76.1\t12.79\t40.29\t61.72\t6.35\t12.28\t3.68\t0.25\t2.996\t0.504\t1.586\t2.43\n"
         "431\t75.92\t12.76\t40.2\t61.57\t6.35\t12.26\t3.68\t0.25\t2.989\t0.502\t1.583\t2.424\n"
         "432\t75.75\t12.73\t40.1\t61.43\t6.35\t12.24\t3.67\t0.25\t2.982\t0.501\t1.579\t2.418\n",
         "varnel-calc: warning: 3 frequencies are outside the 0 to 250 MHz the design is made for, the first 430 "
         "MHz; computed as the window does\n"},
        {"lengths the tubing cannot make warn once, after the design's warning",
         {"--tsv", "1296", "585", "137.5"},
         "",
         ".",
         0,
         "1296\t25.25\t4.24\t13.37\t20.48\t6.35\t6.08\t1.82\t0.25\t0.994\t0.167\t0.526\t0.806\n"
         "585\t55.94\t9.4\t29.62\t45.36\t6.35\t9.82\t2.95\t0.25\t2.202\t0.37\t1.166\t1.786\n137.5"
             + kDesign,
         "varnel-calc: warning: 2 frequencies are outside the 0 to 250 MHz the design is made for, the first 1296 "
         "MHz; computed as the window does\n"
         "varnel-calc: warning: 2 frequencies give lengths no antenna can be built from, the first: at 1296 MHz the "
         "feed gap, 4.24 mm, is narrower than the 6.35 mm tubing, and the rest of the feed side, 2.87 mm, is shorter "
         "than the tube is wide\n"},
        {"-v is the version", {"-v"}, "", ".", 0, "varnel-calc " VARNEL_VERSION "\n", ""},
        {"--header means nothing to json",
         {"--format=json", "--header"},
         "",
         ".",
         2,
         "",
         "varnel-calc: --header goes with --format tsv (csv always has one)\nTry 'varnel-calc --help'.\n"},
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
         "  The parallel tuning capacitor is            33.21 PF  nearest E12 part 33 pF, which may be 29.7 to 36.3 "
         "pF\n"
         "  The series tuning capacitor is               9.96 PF  nearest E12 part 10 pF, which may be 9.5 to 10.5 "
         "pF\n",
         ""},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.tag));
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
        INFO(std::string(row.locale));
        const testing::ScopedLocale locale(row.locale);
        if (!locale.ok()) {
            MESSAGE("locale not made here; skipped");
            continue;
        }
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runCalcCli({"--tsv", row.input}, in, out, err, localeDecimalSeparator()) == 0);
        CHECK(out.str() == row.out);
    }
}

// A stream that refuses every write, like a full disk or a closed pipe.
struct RefusingBuffer : std::streambuf
{
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
};

TEST_CASE("a failed write is a failure, never a success")
{
    const struct
    {
        std::vector<std::string> args;
        const char *message;
    } rows[] = {
        {{"--format", "text", "137.5", "50"}, "varnel-calc: cannot write the results: "},
        {{"--format", "tsv", "137.5", "50"}, "varnel-calc: cannot write the results: "},
        {{"--format", "csv", "137.5", "50"}, "varnel-calc: cannot write the results: "},
        {{"--format", "json", "137.5", "50"}, "varnel-calc: cannot write the results: "},
        {{"--help"}, "varnel-calc: cannot write the help: "},
        {{"--version"}, "varnel-calc: cannot write the version: "},
    };
    for (const auto &row : rows) {
        const std::string what = row.args.size() > 1 ? row.args[1] : row.args[0];
        INFO(what);
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::istringstream in;
        std::ostringstream err;
        CHECK(runCalcCli(row.args, in, out, err, ".") == kExitWriteFailed);
        const std::string message = err.str();
        CHECK(message.starts_with(row.message));
        CHECK(std::count(message.begin(), message.end(), '\n') == 1);
    }
}

// CSV and JSON carry the TSV's numbers, with a dot in every locale.
TEST_CASE("csv and json agree with tsv")
{
    const struct
    {
        const char *separator;
        std::vector<std::string> inputs;
    } rows[] = {
        {".", {"137.5", "435", "0.0501", "1e38", "-137.5", "abc", "0", "7.1"}},
        {",", {"137,5", "14,2", "0,1", "x,y"}},
        {".", everyControlCharacter()},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.separator));
        auto run = [&](const char *format) {
            std::vector<std::string> args {"--format", format};
            args.insert(args.end(), row.inputs.begin(), row.inputs.end());
            std::istringstream in;
            std::ostringstream out;
            std::ostringstream err;
            runCalcCli(args, in, out, err, row.separator);
            return out.str();
        };
        std::istringstream tsv(run("tsv"));
        std::istringstream csv(run("csv"));
        const auto json = nlohmann::json::parse(run("json"));
        REQUIRE(json.is_array());
        REQUIRE(json.size() == row.inputs.size());
        std::string tsvLine;
        std::string csvLine;
        std::getline(csv, csvLine); // the header
        CHECK(csvLine.starts_with("input,frequency_mhz,vertical_height_mm,"));
        for (std::size_t i = 0; std::getline(tsv, tsvLine); ++i) {
            INFO(std::string(tsvLine));
            REQUIRE(std::getline(csv, csvLine));
            const nlohmann::json &object = json[i];
            CHECK(object["input"] == row.inputs[i]);
            std::vector<std::string> cells;
            for (std::size_t start = 0;;) {
                const auto tab = tsvLine.find('\t', start);
                cells.push_back(tsvLine.substr(start, tab - start));
                if (tab == std::string::npos)
                    break;
                start = tab + 1;
            }
            if (cells.size() == 3 && cells[1] == "ERROR") {
                CHECK(object["error"] == cells[2]);
                CHECK(csvLine.ends_with("," + cells[2] + "\r"));
                continue;
            }
            REQUIRE(cells.size() == 13);
            std::string dotted = cells[1];
            for (std::size_t c = 2; c < cells.size(); ++c)
                dotted += "," + cells[c];
            if (std::string_view(row.separator) == ",") {
                for (std::size_t c = 1; c < cells.size(); ++c)
                    std::replace(cells[c].begin(), cells[c].end(), ',', '.');
                dotted = cells[1];
                for (std::size_t c = 2; c < cells.size(); ++c)
                    dotted += "," + cells[c];
            }
            const std::string outside = object["outside_design"].get<bool>() ? "true" : "false";
            CHECK(csvLine.ends_with("," + dotted + "," + outside + ",\r"));
            // The frequency as computed, the same number in both.
            const auto frequency = csvLine.substr(csvLine[0] == '"' ? csvLine.find("\",") + 2 : csvLine.find(',') + 1);
            CHECK(std::stod(frequency.substr(0, frequency.find(','))) == object["frequency_mhz"].get<double>());
            std::size_t c = 1;
            for (const char *key :
                 {"vertical_height_mm", "centre_gap_mm", "horizontal_end_mm", "horizontal_side_mm",
                  "element_diameter_mm", "parallel_capacitor_pf", "series_capacitor_pf", "element_diameter_in",
                  "vertical_height_in", "centre_gap_in", "horizontal_end_in", "horizontal_side_in"}) {
                INFO(std::string(key));
                REQUIRE(object.contains(key));
                CHECK(object[key].get<double>() == std::stod(cells[c++]));
            }
        }
    }
}

TEST_CASE("sweeps step exactly in decimal")
{
    const struct
    {
        const char *range;
        const char *separator;
        std::vector<std::string> frequencies;
        bool fails;
    } rows[] = {
        {"0.1:0.3:0.1", ".", {"0.1", "0.2", "0.3"}, false},
        {"-1:1:0.5", ".", {"-1", "-0.5", "0", "0.5", "1"}, false},
        {"2:1:-0.25", ".", {"2", "1.75", "1.5", "1.25", "1"}, false},
        {"137.5:137.5:1", ".", {"137.5"}, false},
        {"1,5:2:0,25", ",", {"1.5", "1.75", "2"}, false},
        {"1:2.05:0.5", ".", {"1", "1.5", "2"}, false}, // ends before passing TO
        {"1:2", ".", {}, true},
        {"1:2:3:4", ".", {}, true},
        {"1:2:0", ".", {}, true},
        {"1:2:-1", ".", {}, true},
        {"a:b:c", ".", {}, true},
        {"1:2:0.0000000001", ".", {}, true}, // finer than 9 decimals
        {"0:1000000:0.5", ".", {}, true}, // too many
        {"1e3:2e3:1", ".", {}, true},
        {"999999999.5:999999999.5:1", ".", {"999999999.5"}, false}, // just below a billion
        {"1000000000:1000000001:1", ".", {}, true}, // a billion is too far
        {"146666666680000:146666666680001:1", ".", {}, true}, // found by the fuzzer
    };
    for (const auto &row : rows) {
        INFO(std::string(row.range));
        std::string error;
        const std::optional<DecimalSweep> sweep = DecimalSweep::parse(row.range, row.separator, error);
        CHECK(error.empty() == !row.fails);
        CHECK(sweep.has_value() == !row.fails);
        std::vector<std::string> frequencies;
        for (std::size_t n = 0; sweep && n < sweep->size(); ++n)
            frequencies.push_back(sweep->at(n));
        CHECK(frequencies == row.frequencies);
    }
}

// The help and the prompt say what holds on the system they run on: how
// typed input ends, where the decimal separator comes from, what a broken
// pipe does, and only the exit statuses the tool can give. Under Wine this
// is the Windows build's.
TEST_CASE("the help and the prompt in the system's own terms")
{
#ifdef _WIN32
    const std::vector<std::vector<std::string>> asks {{"/?"}, {"-?"}, {"--help"}};
    const std::string inputEnd = "Ctrl+Z then Enter";
    const std::vector<std::string> said {"Ctrl+Z then Enter", "Region", "that is a write error, status 4"};
    const std::vector<std::string> unsaid {"Ctrl-D", "LC_NUMERIC", "SIGPIPE", "graphical display"};
#else
    const std::vector<std::vector<std::string>> asks {{"-h"}, {"--help"}};
    const std::string inputEnd = "Ctrl-D";
    const std::vector<std::string> said {"Ctrl-D", "LC_NUMERIC", "SIGPIPE (status 141"};
    const std::vector<std::string> unsaid {"Ctrl+Z", "Region", "graphical display"};
#endif
    for (const std::vector<std::string> &ask : asks) {
        INFO(ask.front());
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runCalcCli(ask, in, out, err, ".") == 0);
        for (const std::string &words : said)
            CHECK(out.str().find(words) != std::string::npos);
        for (const std::string &words : unsaid)
            CHECK(out.str().find(words) == std::string::npos);
    }
    std::istringstream empty;
    std::ostringstream out;
    std::ostringstream err;
    CHECK(runCalcCli({}, empty, out, err, ".", true) == 0);
    CHECK(err.str()
          == "varnel-calc: type one frequency in MHz per line, then " + inputEnd + " (try 'varnel-calc --help')\n");
#ifndef _WIN32
    // Elsewhere "/?" is no option: an input that is no number.
    std::istringstream in;
    std::ostringstream quizOut;
    std::ostringstream quizErr;
    CHECK(runCalcCli({"/?"}, in, quizOut, quizErr, ".") == 1);
#endif
}
