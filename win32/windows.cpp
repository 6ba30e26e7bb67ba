#include "win32/windows.h"

#include "calc/compute_command.h"
#include "designs/main_window_design.h"
#include "designs/messages.h"
#include "designs/notes_window_design.h"
#include "designs/web_link_window_design.h"
#include "win32/accessibility.h"
#include "win32/text.h"

namespace varnel::win32 {

namespace {

int openWindows = 0;

class EditWriter final : public FieldWriter
{
public:
    explicit EditWriter(const MainWindow &window)
        : m_window(window)
    {
    }

    void write(ResultField field, const std::string &text) override
    {
        const HWND edit = m_window.control(kResultFields[static_cast<std::size_t>(field)].name);
        SetWindowTextW(edit, widen(text).c_str());
    }

private:
    const MainWindow &m_window;
};

} // namespace

UINT systemDpi()
{
    return GetDpiForSystem();
}

void countWindow(DesignWindow &window)
{
    ++openWindows;
    auto previous = std::move(window.onDestroyed);
    window.onDestroyed = [previous = std::move(previous)] {
        if (--openWindows == 0)
            PostQuitMessage(0);
        if (previous)
            previous();
    };
}

MainWindow::MainWindow(ErrorReporter &reporter, CompanionWindows &companions,
                       std::function<std::string()> decimalSeparator, UINT dpi)
    : DesignWindow(kForm1Design, dpi)
    , m_reporter(reporter)
    , m_companions(companions)
    , m_decimalSeparator(std::move(decimalSeparator))
{
    for (const ControlDesign &control : kForm1Design.controls) {
        if (const std::string name = form1AccessibleName(control.name); !name.empty())
            describeForScreenReaders(this->control(control.name), name, {});
    }
}

void MainWindow::focusFirst()
{
    SetFocus(control("Picture1"));
}

bool MainWindow::onCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED || !control)
        return false;
    if (control == this->control("Command1"))
        onComputeClicked();
    else if (control == this->control("Command2"))
        m_companions.showNotes();
    else if (control == this->control("Command3"))
        m_companions.showWebLink();
    else
        return false;
    (void)id;
    return true;
}

// Reads the input, runs the calculator and writes the fields in the
// command's order; a failure comes before the first write and is told.
void MainWindow::onComputeClicked()
{
    const std::string input = windowText(control("Text3"));
    // Read at each press, as the Qt window does: the user may have changed
    // the locale since the program started.
    const std::string separator = m_decimalSeparator();
    EditWriter writer(*this);
    const ErrorKind error = runCompute(m_state, input, separator, writer);
    if (error != ErrorKind::None)
        m_reporter.report(hwnd(), error, computeErrorDetail(error, input, separator));
}

NotesWindow::NotesWindow(UINT dpi)
    : DesignWindow(kForm2Design, dpi)
{
}

WebLinkWindow::WebLinkWindow(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi)
    : DesignWindow(kWebDesign, dpi)
    , m_reporter(reporter)
    , m_starter(starter)
    , m_hand(static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), L"HAND", IMAGE_CURSOR, 0, 0, 0)))
{
    describeForScreenReaders(control("lblWebPage"), WebPageAddress, {});
}

bool WebLinkWindow::onCommand(int, int code, HWND control)
{
    if (code != STN_CLICKED || control != this->control("lblWebPage"))
        return false;
    const StartResult result = m_starter.start(webPageCommandLine(), WindowStyle::Hidden);
    if (result.error != ErrorKind::None)
        m_reporter.report(hwnd(), result.error, linkStartFailureDetail(result.program, result.detail));
    return true;
}

bool WebLinkWindow::onSetCursor(HWND over)
{
    if (over != control("lblWebPage") || !m_hand)
        return false;
    SetCursor(m_hand);
    return true;
}

CompanionWindows::CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi)
    : m_reporter(reporter)
    , m_starter(starter)
    , m_dpi(dpi)
{
}

void CompanionWindows::showNotes()
{
    if (!m_notes) {
        m_notes = std::make_unique<NotesWindow>(m_dpi);
        countWindow(*m_notes);
        auto counted = std::move(m_notes->onDestroyed);
        m_notes->onDestroyed = [this, counted = std::move(counted)] {
            counted();
            m_notes.reset();
        };
    }
    m_notes->show();
}

void CompanionWindows::showWebLink()
{
    if (!m_webLink) {
        m_webLink = std::make_unique<WebLinkWindow>(m_reporter, m_starter, m_dpi);
        countWindow(*m_webLink);
        auto counted = std::move(m_webLink->onDestroyed);
        m_webLink->onDestroyed = [this, counted = std::move(counted)] {
            counted();
            m_webLink.reset();
        };
    }
    m_webLink->show();
}

} // namespace varnel::win32
