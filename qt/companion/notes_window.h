// The notes window: construction notes, the dimension diagram with its four
// labels and the capacitor sketch. Static content only; it has no handlers.
#pragma once

#include <QWidget>

namespace varnel {

class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
};

} // namespace varnel
