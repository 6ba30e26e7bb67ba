// The three windows of the Windows front end and what their buttons and
// link do. The compute command, the messages and the command line are the
// core's and the designs'; what is here is only how Windows shows them.
#pragma once

#include "calc/antenna_calculator.h"
#include "platform/program_start.h"
#include "win32/design_window.h"
#include "win32/error_reporter.h"

#include <functional>
#include <memory>
#include <string>

namespace varnel::win32 {

class CompanionWindows;

// Form1: frequency in, twelve result fields out.
class MainWindow final : public DesignWindow
{
public:
    // `decimalSeparator` is asked at each COMPUTE.
    MainWindow(ErrorReporter &reporter, CompanionWindows &companions, std::function<std::string()> decimalSeparator,
               UINT dpi);

    // The first control that Tab visits gets the focus, as the design has
    // it: the photograph, one Tab before the input.
    void focusFirst();

protected:
    bool onCommand(int id, int code, HWND control) override;

private:
    void onComputeClicked();

    ErrorReporter &m_reporter;
    CompanionWindows &m_companions;
    std::function<std::string()> m_decimalSeparator;
    Module1 m_state;
};

// Form2, the construction notes.
class NotesWindow final : public DesignWindow
{
public:
    explicit NotesWindow(UINT dpi);
};

// web, whose link hands one command line to the system.
class WebLinkWindow final : public DesignWindow
{
public:
    WebLinkWindow(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi);

protected:
    bool onCommand(int id, int code, HWND control) override;
    bool onSetCursor(HWND over) override;

private:
    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    HCURSOR m_hand = nullptr;
};

// One of each companion window: made on first use, shown again while open,
// made afresh from its design after the user has closed it.
class CompanionWindows
{
public:
    CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi);

    void showNotes();
    void showWebLink();
    NotesWindow *notes() const { return m_notes.get(); }
    WebLinkWindow *webLink() const { return m_webLink.get(); }

private:
    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    UINT m_dpi;
    std::unique_ptr<NotesWindow> m_notes;
    std::unique_ptr<WebLinkWindow> m_webLink;
};

// The program ends with its last window: each window counts itself in when
// made and out when gone, and the last out ends the message loop.
void countWindow(DesignWindow &window);

// The DPI of the screen, for windows not yet on one.
UINT systemDpi();

} // namespace varnel::win32
