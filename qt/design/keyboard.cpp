#include "qt/design/keyboard.h"

#include <QKeyEvent>
#include <QPushButton>

namespace varnel {

namespace {

// Enter or Return on a focused button presses it, as on Windows. Qt ties
// that to "auto default" buttons, which also draw the default-button frame
// and let Enter in a text box press them; the designs want neither.
class EnterPressesButton final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *button = qobject_cast<QPushButton *>(watched);
            if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->animateClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void pressOnEnter(QPushButton *button)
{
    button->installEventFilter(new EnterPressesButton(button));
}

Qt::FocusPolicy designFocusPolicy(const ControlDesign &control)
{
    if (control.tabStop)
        return Qt::StrongFocus;
    // A caption still takes the caret when clicked; a label never takes focus.
    return control.kind == ControlKind::Label ? Qt::NoFocus : Qt::ClickFocus;
}

} // namespace varnel
