#include "qt/main/main_window.h"

#include "designs/main_window_design.h"
#include "designs/messages.h"
#include "platform/locale_numbers.h"
#include "qt/design/error_reporter.h"
#include "qt/design/picture_box.h"
#include "qt/design/to_qstring.h"
#include "qt/design/window_builder.h"

#include <QLineEdit>
#include <QPushButton>

namespace varnel {

namespace {

class LineEditWriter final : public FieldWriter
{
public:
    explicit LineEditWriter(const Form1Controls &controls)
        : m_controls(controls)
    {
    }

    void write(ResultField field, const std::string &text) override
    {
        QLineEdit *edit = m_controls.result(field);
        edit->setText(QString::fromStdString(text));
        edit->setCursorPosition(0); // show a long text from its start
    }

private:
    const Form1Controls &m_controls;
};

} // namespace

QString computeErrorDetail(ErrorKind kind, const QString &input, const QString &decimalSeparator)
{
    return QString::fromStdString(
        varnel::computeErrorDetail(kind, input.toStdString(), decimalSeparator.toStdString()));
}

Form1::Form1(ErrorReporter &reporter, QWidget *parent)
    : QWidget(parent)
    , m_reporter(reporter)
{
    const BuiltControls built = buildWindow(kForm1Design, this);
    m_controls.text3 = built.get<QLineEdit>("Text3");
    m_controls.picture1 = built.get<PictureBox>("Picture1");
    m_controls.command1 = built.get<QPushButton>("Command1");
    m_controls.command2 = built.get<QPushButton>("Command2");
    m_controls.command3 = built.get<QPushButton>("Command3");
    for (const ResultFieldInfo &field : kResultFields)
        m_controls.results[static_cast<std::size_t>(field.field)] = built.get<QLineEdit>(field.name);
    nameForScreenReaders(built);

    connect(m_controls.command1, &QPushButton::clicked, this, &Form1::onComputeClicked);
    connect(m_controls.command2, &QPushButton::clicked, this, &Form1::notesRequested);
    connect(m_controls.command3, &QPushButton::clicked, this, &Form1::websiteRequested);
}

// A screen reader meets the fields one by one, away from their captions:
// each says its row and its column ("The vertical element height is, MM").
void Form1::nameForScreenReaders(const BuiltControls &built)
{
    for (const ControlDesign &control : kForm1Design.controls) {
        if (const std::string name = form1AccessibleName(control.name); !name.empty())
            built.widget(control.name)->setAccessibleName(QString::fromStdString(name));
    }
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The first control in tab order that Tab visits; the input is one Tab away.
    if (!m_shownBefore) {
        m_shownBefore = true;
        m_controls.picture1->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::onComputeClicked()
{
    const QString input = m_controls.text3->text();
    const QByteArray text = input.toUtf8();
    // Read at each press, from the same place as varnel-calc.
    const std::string separator = localeDecimalSeparator();
    LineEditWriter writer(m_controls);
    const ErrorKind error
        = runCompute(m_calculator, {text.constData(), static_cast<std::size_t>(text.size())}, separator, writer);
    // The error was met before the first field was written, so every result
    // still shows what it did; the program goes on.
    if (error != ErrorKind::None)
        m_reporter.report(this, error, computeErrorDetail(error, input, toQString(separator)));
}

} // namespace varnel
