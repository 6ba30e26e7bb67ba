// The web link window. A click on the link hands one fixed command line to
// the program-start service; the window stays open.
#pragma once

#include "qt/design/window_builder.h"

#include <string>

class QLabel;

namespace varnel {

class ErrorReporter;
class ProgramStarter;

class Web final : public DesignWindow
{
    Q_OBJECT

public:
    Web(ErrorReporter &reporter, ProgramStarter &starter, QWidget *parent = nullptr);

    QLabel *link() const { return m_link; }

signals:
    // An opener was started; whether it succeeds is known only when it ends.
    void openerStarted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onLinkClicked();

    ErrorReporter &m_reporter;
    ProgramStarter &m_starter;
    QLabel *m_link = nullptr;
    bool m_pressedOnLink = false;
};

} // namespace varnel
