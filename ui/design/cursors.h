#pragma once

#include <QCursor>

namespace varnel {

// The program's pointing hand, index finger up, its hot spot at the finger's
// tip. Cursor files keep their hot spot in a header Qt does not read, so it
// is given here.
QCursor handCursor();

} // namespace varnel
