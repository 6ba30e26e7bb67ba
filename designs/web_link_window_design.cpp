#include "designs/web_link_window_design.h"

namespace varnel {

namespace {

using namespace colours;
using namespace controls;
using namespace fonts;
constexpr auto L = Align::Left;
constexpr auto C = Align::Centre;

// Labels: static text that takes no focus, so nothing here is reachable
// from the keyboard; only a mouse click opens the page.
// clang-format off
constexpr ControlDesign kControls[] = {
    //     name          text                                                 left top   width height background colour font align pointer
    label("Label1",     "The link will be opened in your default browser.", {525, 75,   2265, 390}, buttonFace, buttonText, standard, C),
    label("Label2",     "Click Link Below to ",                             {450, 750,  2490, 345}, buttonFace, buttonText, standard, C),
    described("Link: opens this address in your default browser",
    label("lblWebPage", WebPageAddress,                                     {525, 1335, 2205, 255}, buttonFace, blue, underlined, L, Pointer::Hand)),
};
// clang-format on

} // namespace

const WindowDesign kWebDesign {
    .name = "web",
    .title = "Web Page Link",
    .clientWidth = 3315,
    .clientHeight = 1845,
    .background = buttonFace,
    .frame = Frame::FixedSingle,
    .defaultPosition = false,
    .left = 2130,
    .top = 1695,
    .controls = kControls,
};

} // namespace varnel
