// The notes window: construction notes, the dimension diagram with its four
// labels and the capacitor sketch. Static content only; it has no handlers.
#pragma once

#include "qt/design/window_builder.h"

namespace varnel {

class Form2 final : public DesignWindow
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
};

} // namespace varnel
