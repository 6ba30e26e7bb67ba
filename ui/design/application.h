#pragma once

class QApplication;

namespace varnel {

// Name, version, style and fonts shared by the program and its window tests,
// so that both see the windows the same way.
void setUpApplication(QApplication &app);

} // namespace varnel
