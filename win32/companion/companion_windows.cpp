#include "win32/companion/companion_windows.h"

#include "win32/design/application.h"

namespace varnel::win32 {

CompanionWindows::CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi)
    : m_reporter(reporter)
    , m_starter(starter)
    , m_dpi(dpi)
{
}

void CompanionWindows::showNotes()
{
    if (!m_notes) {
        m_notes = std::make_unique<Form2>(m_dpi);
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
        m_webLink = std::make_unique<Web>(m_reporter, m_starter, m_dpi);
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
