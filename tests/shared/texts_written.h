// The texts COMPUTE writes for some inputs: one table for the core's test
// and the window's, so the two cannot drift apart. Plain data, so the core's
// tests read it on every platform without Qt.
#pragma once

#include <string_view>

namespace varnel::testing {

struct TextsWrittenRow
{
    const char *tag;
    const char *input;
    const char *separator; // the locale's decimal separator
    // Blank separated, in the write order Text10 Text15 Text20 Text16 Text5
    // Text22 Text25 Text7 Text12 Text17 Text11 Text18.
    std::string_view texts;
};

inline constexpr TextsWrittenRow kTextsWritten[] = {
    {"137.500 as designed", "137.500", ".", "237.99 40 126 193 9.5 33.21 9.96 0.374 9.37 1.575 4.961 7.598"},
    {"137.5", "137.5", ".", "237.99 40 126 193 9.5 33.21 9.96 0.374 9.37 1.575 4.961 7.598"},
    {"435", "435", ".", "75.23 12.64 39.83 61.01 6.35 12.17 3.65 0.25 2.962 0.498 1.568 2.402"},
    {"50", "50", ".", "654.47 110 346.5 530.75 12.7 78.9 23.67 0.5 25.767 4.331 13.642 20.896"},
    {"14.2", "14.2", ".", "2304.47 387.32 1220.07 1868.84 25.4 247.82 74.35 1 90.727 15.249 48.034 73.576"},
    {"7.1", "7.1", ".", "4608.94 774.65 2440.14 3737.68 50.8 488.03 146.41 2 181.454 30.498 96.069 147.153"},
    {"-137.5", "-137.5", ".", "-237.99 -40 -126 -193 50.8 132.55 39.76 2 -9.37 -1.575 -4.961 -7.598"},
    {"1e38 shows zero lengths", "1e38", ".", "0 0 0 0 6.35 3 0.9 0.25 0 0 0 0"},
    {"300 above the hint", "300", ".", "109.08 18.33 57.75 88.46 6.35 16.3 4.89 0.25 4.294 0.722 2.274 3.483"},
    {"0.1 needs seven digits", "0.1", ".",
     "327234.8 55000.05 173250.1 265375.2 50.8 24150 7245 2 12883.258 2165.356 6820.869 10447.841"},
    {"comma locale", "137,5", ",", "237,99 40 126 193 9,5 33,21 9,96 0,374 9,37 1,575 4,961 7,598"},
};

} // namespace varnel::testing
