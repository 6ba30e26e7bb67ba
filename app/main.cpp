// varnel: starts with the main window and runs until its last window closes.
#include "platform/program_start.h"
#include "ui/companion/companion_windows.h"
#include "ui/design/application.h"
#include "ui/design/error_reporter.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt's window system plugin aborts with a long message;
// say it in one line instead.
bool displayReachable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayReachable()) {
        std::fputs("varnel: no graphical display found (DISPLAY is not set); "
                   "use varnel-calc for the same results on the command line.\n",
                   stderr);
        return 3;
    }
    QApplication app(argc, argv);
    varnel::setUpApplication(app);

    varnel::MessageBoxReporter reporter;
    varnel::SystemProgramStarter starter;
    varnel::CompanionWindows companions(reporter, starter);
    varnel::Form1 form1(reporter);
    QObject::connect(&form1, &varnel::Form1::notesRequested, &companions, &varnel::CompanionWindows::showNotes);
    QObject::connect(&form1, &varnel::Form1::websiteRequested, &companions, &varnel::CompanionWindows::showWebLink);
    form1.show();
    return QApplication::exec();
}
