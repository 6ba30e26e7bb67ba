// Whether a graphical display answers, asked before the window system is
// started: Qt's platform plugin ends the program with a long message and an
// abort when it cannot connect, and suggests reinstalling.
#pragma once

#include <string>

namespace varnel {

// Empty when a Wayland or X display named by the environment accepts a
// connection (or the platform needs no such check); otherwise why not, in
// one line.
std::string displayProblem();

} // namespace varnel
