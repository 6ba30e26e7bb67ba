#include "qt/companion/companion_windows.h"

#include "designs/messages.h"
#include "platform/program_start.h"
#include "qt/companion/notes_window.h"
#include "qt/companion/web_link_window.h"
#include "qt/design/error_reporter.h"
#include "qt/design/to_qstring.h"

namespace varnel {

namespace {

template<typename Window> void showWindow(Window *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

CompanionWindows::CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, QObject *parent)
    : QObject(parent)
    , m_reporter(reporter)
    , m_starter(starter)
{
    m_watch.setInterval(200);
    connect(&m_watch, &QTimer::timeout, this, &CompanionWindows::collectEndedPrograms);
}

CompanionWindows::~CompanionWindows()
{
    delete m_notes;
    delete m_webLink;
}

Form2 *CompanionWindows::notes() const
{
    return m_notes;
}

Web *CompanionWindows::webLink() const
{
    return m_webLink;
}

void CompanionWindows::showNotes()
{
    if (!m_notes) {
        m_notes = new Form2;
        m_notes->setAttribute(Qt::WA_DeleteOnClose);
    }
    showWindow(m_notes.data());
}

void CompanionWindows::showWebLink()
{
    if (!m_webLink) {
        m_webLink = new Web(m_reporter, m_starter);
        m_webLink->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_webLink, &Web::openerStarted, this, &CompanionWindows::watchStartedPrograms);
    }
    showWindow(m_webLink.data());
}

void CompanionWindows::watchStartedPrograms()
{
    if (!m_watch.isActive())
        m_watch.start();
}

void CompanionWindows::collectEndedPrograms()
{
    for (const FailedProgram &failed : m_starter.collectFailures())
        m_reporter.notify(m_webLink, ErrorKind::ProgramFailed, toQString(linkEndFailureMessage(failed)));
    if (!m_starter.anyRunning())
        m_watch.stop();
}

} // namespace varnel
