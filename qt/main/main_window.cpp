#include "qt/main/main_window.h"

#include "designs/main_window_design.h"
#include "designs/messages.h"
#include "qt/companion/companion_windows.h"
#include "qt/design/error_reporter.h"
#include "qt/design/picture_box.h"
#include "qt/design/to_qstring.h"

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

Form1::Form1(ErrorReporter &reporter, CompanionWindows &companions, std::function<std::string()> decimalSeparator,
             QWidget *parent)
    : DesignWindow(kForm1Design, parent)
    , m_reporter(reporter)
    , m_companions(companions)
    , m_decimalSeparator(std::move(decimalSeparator))
{
    m_controls.text3 = control<QLineEdit>("Text3");
    m_controls.picture1 = control<PictureBox>("Picture1");
    m_controls.command1 = control<QPushButton>("Command1");
    m_controls.command2 = control<QPushButton>("Command2");
    m_controls.command3 = control<QPushButton>("Command3");
    for (const ResultFieldInfo &field : kResultFields)
        m_controls.results[static_cast<std::size_t>(field.field)] = control<QLineEdit>(field.name);
    for (const ScreenReaderName &named : form1ScreenReaderNames())
        control(named.control)->setAccessibleName(toQString(named.name));

    connect(m_controls.command1, &QPushButton::clicked, this, &Form1::onComputeClicked);
    connect(m_controls.command2, &QPushButton::clicked, &m_companions, &CompanionWindows::showNotes);
    connect(m_controls.command3, &QPushButton::clicked, &m_companions, &CompanionWindows::showWebLink);
}

// Reads the input, runs the calculator and writes the fields in the
// command's order; a failure comes before the first write and is told.
void Form1::onComputeClicked()
{
    const std::string input = m_controls.text3->text().toStdString();
    // Read at each press: the user may have changed the locale since the
    // program started.
    const std::string separator = m_decimalSeparator();
    LineEditWriter writer(m_controls);
    const ErrorKind error = runCompute(m_state, input, separator, writer);
    if (error != ErrorKind::None)
        m_reporter.report(this, error, toQString(computeErrorDetail(error, input, separator)));
}

} // namespace varnel
