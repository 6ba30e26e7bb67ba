// The web link window, web: a click on its link hands one command line to
// the system, which opens the author's page in the default browser.
#pragma once

#include "platform/program_start.h"
#include "win32/design/error_reporter.h"
#include "win32/design/window_builder.h"

namespace varnel::win32 {

class Web final : public DesignWindow
{
public:
    Web(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi);

    HWND link() const { return m_link; }

protected:
    bool onSetCursor(HWND over) override;

private:
    void onLinkClicked();

    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    HWND m_link = nullptr; // lblWebPage
    HCURSOR m_hand = nullptr;
};

} // namespace varnel::win32
