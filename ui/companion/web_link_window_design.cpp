#include "ui/companion/web_link_window_design.h"

namespace varnel {

namespace {

using namespace colours;
using namespace fonts;
constexpr auto Label = ControlKind::Label;

// Labels: static text that takes no focus, so nothing here is reachable
// from the keyboard; only a mouse click opens the page.
// clang-format off
constexpr ControlDesign kControls[] = {
    // name, kind, text, left, top, width, height, background, text colour, font, align, multi-line, tab stop, inside, sized to image, pointer
    {"Label1", Label, "The link will be opened in your default browser.", 525, 75, 2265, 390, buttonFace, buttonText, standard, Align::Centre},
    {"Label2", Label, "Click Link Below to ", 450, 750, 2490, 345, buttonFace, buttonText, standard, Align::Centre},
    {"lblWebPage", Label, WebPageAddress, 525, 1335, 2205, 255, buttonFace, blue, underlined, Align::Left, false, false, {}, false, Pointer::Hand},
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
