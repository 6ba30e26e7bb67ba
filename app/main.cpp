// varnel: starts with the main window and runs until its last window closes.
#include "platform/display_probe.h"
#include "platform/program_start.h"
#include "ui/companion/companion_windows.h"
#include "ui/design/application.h"
#include "ui/design/error_reporter.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// --help and --version answer without a display, so the parsing runs in a
// core application of its own, before the window system is started. The
// window program takes no other options.
void handleCommandLine(int argc, char **argv)
{
    QCoreApplication core(argc, argv);
    varnel::setApplicationIdentity();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dimensions of an omnidirectional circularly polarised antenna.\n"
                       "Type the frequency in MHz and press COMPUTE; varnel-calc gives the same "
                       "results on the command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(core); // prints and exits for --help, --version and unknown options
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "varnel: takes no arguments; try varnel --help\n");
        std::exit(2);
    }
}

} // namespace

int main(int argc, char **argv)
{
    handleCommandLine(argc, argv);
    if (const std::string problem = varnel::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "varnel: %s; use varnel-calc for the same results on the command line.\n",
                     problem.c_str());
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
