#include "qt/companion/web_link_window.h"

#include "designs/messages.h"
#include "designs/web_link_window_design.h"
#include "platform/program_start.h"
#include "qt/design/error_reporter.h"
#include "qt/design/to_qstring.h"

#include <QLabel>
#include <QMouseEvent>

namespace varnel {

Web::Web(ErrorReporter &reporter, ProgramStarter &starter, QWidget *parent)
    : DesignWindow(kWebDesign, parent)
    , m_reporter(reporter)
    , m_starter(starter)
{
    m_link = control<QLabel>("lblWebPage");
    m_link->installEventFilter(this);
}

// A click is a press and a release of the left button over the link.
bool Web::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressedOnLink = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_pressedOnLink && mouse->button() == Qt::LeftButton
                && m_link->rect().contains(mouse->position().toPoint());
            m_pressedOnLink = false;
            if (click)
                onLinkClicked();
        }
    }
    return DesignWindow::eventFilter(watched, event);
}

void Web::onLinkClicked()
{
    const std::string commandLine = webPageCommandLine();
    // The task identifier is of no use here; a failure is reported and the
    // program goes on.
    const StartResult result = m_starter.start(commandLine, WindowStyle::Hidden);
    if (result.error != ErrorKind::None) {
        m_reporter.report(this, result.error, toQString(linkStartFailureMessage(result)));
        return;
    }
    emit openerStarted();
}

} // namespace varnel
