#include "win32/companion/web_link_window.h"

#include "designs/messages.h"
#include "designs/web_link_window_design.h"
#include "win32/design/accessibility.h"

namespace varnel::win32 {

Web::Web(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi)
    : DesignWindow(kWebDesign, dpi)
    , m_reporter(reporter)
    , m_starter(starter)
    , m_link(control("lblWebPage"))
    , m_hand(static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), L"HAND", IMAGE_CURSOR, 0, 0, 0)))
{
    describeForScreenReaders(m_link, WebPageAddress, {});
    onClick("lblWebPage", [this] { onLinkClicked(); });
}

// The task identifier is of no use here; a failure is told and the program
// goes on.
void Web::onLinkClicked()
{
    const StartResult result = m_starter.start(webPageCommandLine(), WindowStyle::Hidden);
    if (result.error != ErrorKind::None)
        m_reporter.report(hwnd(), result.error, linkStartFailureMessage(result));
}

bool Web::onSetCursor(HWND over)
{
    if (over != m_link || !m_hand)
        return false;
    SetCursor(m_hand);
    return true;
}

} // namespace varnel::win32
