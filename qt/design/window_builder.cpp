#include "qt/design/window_builder.h"

#include "qt/design/cursors.h"
#include "qt/design/keyboard.h"
#include "qt/design/picture_box.h"
#include "qt/design/to_qstring.h"
#include "qt/drawing/bitmap_files.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <cmath>
#include <limits>

namespace varnel {

namespace {

Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// Each maker gives the widget its font before its text, so the text is laid
// out once, in its own font, and the parent's font is never loaded for it.
template<typename Widget> Widget *makeWidget(const ControlDesign &control, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setFont(designFont(control.font));
    return widget;
}

QWidget *makeTextBox(const ControlDesign &control, QWidget *parent)
{
    const QString text = toQString(control.text);
    if (!control.multiLine) {
        auto *edit = makeWidget<QLineEdit>(control, parent);
        edit->setText(text);
        edit->setAlignment(toQt(control.align) | Qt::AlignVCenter);
        edit->setMaxLength(std::numeric_limits<int>::max()); // any text, any length
        edit->setCursorPosition(0);
        applyColours(edit, control, QPalette::Base, QPalette::Text, true);
        return edit;
    }
    auto *edit = makeWidget<QTextEdit>(control, parent);
    edit->setAcceptRichText(false);
    edit->setTabChangesFocus(true); // Tab moves on, as in every other box
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->document()->setDocumentMargin(0);
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(toQt(control.align));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->document()->setDefaultTextOption(option);
    // The stored text breaks lines with CR LF; the document with paragraphs.
    edit->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // The designs were laid out for a bitmap font whose lines are one pixel
    // taller than its size; an outline font's own spacing is looser and would
    // push the second line of a two-line caption out of its box.
    QTextBlockFormat spacing;
    spacing.setLineHeight(std::round(control.font.pointSize * 96.0 / 72.0) + 1, QTextBlockFormat::FixedHeight);
    QTextCursor all(edit->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
    applyColours(edit, control, QPalette::Base, QPalette::Text, true);
    return edit;
}

QWidget *makeControl(const ControlDesign &control, QWidget *parent)
{
    switch (control.kind) {
    case ControlKind::TextBox:
        return makeTextBox(control, parent);
    case ControlKind::PictureBox: {
        auto *box = makeWidget<PictureBox>(control, parent);
        box->setPixmap(QPixmap::fromImage(readBmp(readWholeFile(toQString(control.text)))));
        return box;
    }
    case ControlKind::Button: {
        auto *button = makeWidget<QPushButton>(control, parent);
        button->setText(toQString(control.text));
        button->setAutoDefault(false); // Enter in a text box must not press it
        pressOnEnter(button);
        return button;
    }
    case ControlKind::Label: {
        auto *label = makeWidget<QLabel>(control, parent);
        label->setText(toQString(control.text));
        label->setWordWrap(true);
        label->setAlignment(toQt(control.align) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        applyColours(label, control, QPalette::Window, QPalette::WindowText, false);
        return label;
    }
    }
    return nullptr;
}

} // namespace

QWidget *BuiltControls::widget(std::string_view name) const
{
    QWidget *found = m_widgets.value(toQString(name));
    // A misspelt name is a programming error; a null pointer would only
    // crash later, somewhere else.
    if (!found)
        qFatal("No control named %.*s in this design", static_cast<int>(name.size()), name.data());
    return found;
}

void BuiltControls::insert(std::string_view name, QWidget *widget)
{
    m_widgets.insert(toQString(name), widget);
}

DesignWindow::DesignWindow(const WindowDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
{
    QWidget *window = this;
    window->setObjectName(toQString(design.name));
    window->setWindowTitle(toQString(design.title));
    window->setFont(designFont(fonts::standard));
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::All, QPalette::Window,
                     toQColor(resolveWindowBackground(design.background, systemColours(QApplication::palette()))));
    window->setPalette(palette);

    const QRect client = pixelRect(design.left, design.top, design.clientWidth, design.clientHeight);
    if (design.frame == Frame::FixedSingle) {
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        window->setFixedSize(client.size());
    }
    if (design.defaultPosition)
        window->resize(client.size());
    else
        window->setGeometry(client); // a top-level's geometry is its client area

    BuiltControls &controls = m_controls;
    // Created in tab order: Qt stacks later siblings on top and chains focus
    // in creation order, so the tab index gives both.
    for (const ControlDesign &control : design.controls) {
        QWidget *parent = window;
        if (!control.parent.empty()) {
            if (auto *box = controls.get<PictureBox>(control.parent))
                parent = box->canvas();
        }
        QWidget *widget = makeControl(control, parent);
        widget->setObjectName(toQString(control.name));
        if (!control.description.empty())
            widget->setAccessibleDescription(toQString(control.description));
        widget->setFocusPolicy(designFocusPolicy(control));
        widget->setGeometry(pixelRect(control.left, control.top, control.width, control.height));
        if (auto *box = qobject_cast<PictureBox *>(widget); box && control.autoSize)
            box->sizeToPixmap();
        if (control.pointer == Pointer::Hand)
            widget->setCursor(handCursor());
        controls.insert(control.name, widget);
    }
}

void DesignWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    for (const ControlDesign &row : m_design.controls) {
        if (row.tabStop) {
            control(row.name)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace varnel
