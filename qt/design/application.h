#pragma once

class QApplication;

namespace varnel {

// The program's name and version, for Qt and its command-line parser.
void setApplicationIdentity();

// Name, version, style and fonts shared by the program and its window tests,
// so that both see the windows the same way.
void setUpApplication(QApplication &app);

} // namespace varnel
