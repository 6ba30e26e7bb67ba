// One of each companion window, as qt/companion/companion_windows has them:
// made on first use, shown again while open, made afresh from its design
// after the user has closed it.
#pragma once

#include "platform/program_start.h"
#include "win32/companion/notes_window.h"
#include "win32/companion/web_link_window.h"
#include "win32/design/error_reporter.h"

#include <memory>

namespace varnel::win32 {

class CompanionWindows
{
public:
    CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi);

    void showNotes();
    void showWebLink();
    Form2 *notes() const { return m_notes.get(); }
    Web *webLink() const { return m_webLink.get(); }

private:
    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    UINT m_dpi;
    std::unique_ptr<Form2> m_notes;
    std::unique_ptr<Web> m_webLink;
};

} // namespace varnel::win32
