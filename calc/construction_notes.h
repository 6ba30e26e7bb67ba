// The construction notes, shown in the notes window and printed on the
// build sheet.
#pragma once

#include <string_view>

namespace varnel {

// Kept word for word, trailing blanks, double blanks and all: each line ends
// in CR LF, the last one included.
// clang-format off
inline constexpr std::string_view kGeneralNotes =
    "This design scales well across all bands up to 250 mhz. Beyond that the pattern starts to increase in \r\n"
    "elevation and points skyward. It would be possible to use it on 440 for satellite work. It will go right down to \r\n"
    "160 meters but who would want that? \r\n"
    "The element size is set by the frequency. If you would like a different diameter, e-mail me.\r\n"
    "The design originates at 137.5 for wefax and designed to accept standard 33 pf and 10 pf capacitors here. \r\n"
    "Remember that capacitors under 10 pf may be plus or minus .5 and over 10 may be out 10%. For receive \r\n"
    "only, test the capacitors to get the exact amount. Transceivers can use variable trimmer capacitors and set \r\n"
    "using swr measurements.\r\n"
    "The rotation of the polarization is set by looking at the antenna from the feed point. If the left side goes to a \r\n"
    "downward vertical element, it is RHCP (ie  WEFAX). If the left element points up, it is a LHCP antenna.\r\n"
    "Having both polarizations, this antenna will work horizontal bases and vertical mobiles, is great for monitoring \r\n"
    "openings and could also be used as a beacon xmit antenna\r\n"
    "The original design had a round loop for the horizontal portion. Not only was this harder to model and scale, but \r\n"
    "fabrication would be more critical and difficult. The solution was to just make it square. All dimensions are taken to \r\n"
    "the center of the elements. I just flatten the end of the elements in a vise and drill bolt holes at the correct \r\n"
    "dimensions. If using copper tubing, you may still solder the joints for a stronger mechanical and electrical \r\n"
    "connection.You may use copper elbows but adjust the dimensions slightly longer. The radius around the corners is \r\n"
    "shorter than a square and the radius also produces a capacitance effect further shortening it.\r\n";

inline constexpr std::string_view kGapNote =
    "The gap dimension is the same at the feedpoint and the distance between the vertical elements.  This must be maintained at 137.5 mhz and above. For lower and hf frequencies, the feed gap may be reduced to a reasonable amount to reach with the coax. The amount you remove from the gap must be added onto the two end pieces at the feed side of the antenna to maintain the correct perimeter and vertical element gap.\r\n";
// clang-format on

} // namespace varnel
