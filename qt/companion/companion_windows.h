// The program-wide references to the two companion windows, and the show
// operation behind NOTES and WEBSITE.
//
// Each window is created on first use and shown modeless, with no owner, so
// it is independent of the main window: it stays open when the main window
// closes, and the program ends with the last window. A second click brings
// the same window forward. Closing a window deletes it, so the next click
// loads it afresh from its design and any on-screen edits are gone.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace varnel {

class Form2;
class ProgramStarter;
class Web;
class ErrorReporter;

class CompanionWindows : public QObject
{
    Q_OBJECT

public:
    CompanionWindows(ErrorReporter &reporter, ProgramStarter &starter, QObject *parent = nullptr);
    ~CompanionWindows() override;

    void showNotes();
    void showWebLink();

    Form2 *notes() const;
    Web *webLink() const;

private:
    void watchStartedPrograms();
    void collectEndedPrograms();

    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    // While a started opener runs, its end is looked for now and then: a
    // failure is reported once, without blocking, and every ended one is
    // reaped. The link window may be closed by then; the watch goes on.
    QTimer m_watch;
    QPointer<Form2> m_notes;
    QPointer<Web> m_webLink;
};

} // namespace varnel
