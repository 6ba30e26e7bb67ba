#include "win32/main/main_window.h"

#include "designs/main_window_design.h"
#include "designs/messages.h"
#include "win32/companion/companion_windows.h"
#include "win32/design/accessibility.h"
#include "win32/design/text.h"

namespace varnel::win32 {

namespace {

class EditWriter final : public FieldWriter
{
public:
    explicit EditWriter(const Form1Controls &controls)
        : m_controls(controls)
    {
    }

    void write(ResultField field, const std::string &text) override
    {
        SetWindowTextW(m_controls.result(field), widen(text).c_str());
    }

private:
    const Form1Controls &m_controls;
};

} // namespace

Form1::Form1(ErrorReporter &reporter, CompanionWindows &companions, std::function<std::string()> decimalSeparator,
             UINT dpi)
    : DesignWindow(kForm1Design, dpi)
    , m_reporter(reporter)
    , m_companions(companions)
    , m_decimalSeparator(std::move(decimalSeparator))
{
    m_controls.text3 = control("Text3");
    m_controls.picture1 = control("Picture1");
    m_controls.command1 = control("Command1");
    m_controls.command2 = control("Command2");
    m_controls.command3 = control("Command3");
    for (const ResultFieldInfo &field : kResultFields)
        m_controls.results[static_cast<std::size_t>(field.field)] = control(field.name);
    for (const ScreenReaderName &named : form1ScreenReaderNames())
        describeForScreenReaders(control(named.control), named.name, {});

    onClick("Command1", [this] { onComputeClicked(); });
    onClick("Command2", [this] { m_companions.showNotes(); });
    onClick("Command3", [this] { m_companions.showWebLink(); });
}

// Reads the input, runs the calculator and writes the fields in the
// command's order; a failure comes before the first write and is told.
void Form1::onComputeClicked()
{
    const std::string input = windowText(m_controls.text3);
    // Read at each press: the user may have changed the locale since the
    // program started.
    const std::string separator = m_decimalSeparator();
    EditWriter writer(m_controls);
    const ErrorKind error = runCompute(m_state, input, separator, writer);
    if (error != ErrorKind::None)
        m_reporter.report(hwnd(), error, computeErrorDetail(error, input, separator));
}

} // namespace varnel::win32
