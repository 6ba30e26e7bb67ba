#pragma once

#include <QCursor>

namespace varnel {

// The program's pointing hand, index finger up, its hot spot at the finger's
// tip. Qt's own reader drops a cursor file's hot spot, so the file is read
// here, header and all.
QCursor handCursor();

} // namespace varnel
