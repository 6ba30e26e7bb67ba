#include "win32/companion/companion_windows.h"

#include "win32/design/application.h"

#include <utility>

namespace varnel::win32 {

namespace {

// Made on first use and counted among the program's windows; forgotten
// once the user has closed it, so the next show makes it afresh.
template<typename Window, typename Make> void showOne(std::unique_ptr<Window> &window, Make make)
{
    if (!window) {
        window = make();
        countWindow(*window);
        auto counted = std::move(window->onDestroyed);
        window->onDestroyed = [&window, counted = std::move(counted)] {
            counted();
            window.reset();
        };
    }
    window->show();
}

} // namespace

CompanionWindows::CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, UINT dpi)
    : m_reporter(reporter)
    , m_starter(starter)
    , m_dpi(dpi)
{
}

void CompanionWindows::showNotes()
{
    showOne(m_notes, [this] { return std::make_unique<Form2>(m_dpi); });
}

void CompanionWindows::showWebLink()
{
    showOne(m_webLink, [this] { return std::make_unique<Web>(m_reporter, m_starter, m_dpi); });
}

} // namespace varnel::win32
