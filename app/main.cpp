// varnel: starts with the main window and runs until its last window closes.
#include "app/command_line.h"
#include "app/exit_status.h"
#include "platform/display_probe.h"
#include "platform/program_start.h"
#include "qt/companion/companion_windows.h"
#include "qt/design/application.h"
#include "qt/design/error_reporter.h"
#include "qt/main/main_window.h"
#include "varnel/build_info.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array<varnel::OptionSpec, 2> kOptions {{
    {"--version", 'v', {}, "show the version and exit"},
    {"--help", 'h', {}, "show this help and exit"},
}};

std::string usage()
{
    std::string text = "Usage: varnel [OPTION]\n\n"
                       "Dimensions of an omnidirectional circularly polarised antenna. Type the\n"
                       "frequency in MHz and press COMPUTE; varnel-calc gives the same results on\n"
                       "the command line, varnel-sheet a printable build sheet.\n\n";
    return text + varnel::optionsHelp(kOptions, 16) + "\n" + varnel::exitStatusHelp();
}

// --help and --version answer without a display, before the window system
// is started. The window program takes no other arguments.
void handleCommandLine(int argc, char **argv)
{
    const varnel::CommandLine line
        = varnel::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), kOptions);
    std::string error = line.error;
    for (const varnel::CommandLineItem &item : line.items) {
        if (error.empty() && !item.option)
            error = "takes no arguments, not '" + varnel::escapedInput(item.value) + "'";
    }
    if (!error.empty()) {
        std::fprintf(stderr, "varnel: %s\nTry 'varnel --help'.\n", error.c_str());
        std::exit(varnel::kExitUsage);
    }
    for (const varnel::CommandLineItem &item : line.items) {
        const bool help = item.option->name == "--help";
        std::exit(varnel::writeAnswer("varnel", help ? "help" : "version",
                                      help ? usage() : std::string("varnel " VARNEL_VERSION "\n")));
    }
}

// Whether Qt's platform plugin of `name` is installed where Qt looks for it.
bool platformInstalled(std::string_view name)
{
    QStringList folders {QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platforms")};
    for (const QString &path : qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << path + QLatin1String("/platforms");
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    const QString prefix = QLatin1String("libq") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && !QDir(folder).entryList({prefix + QLatin1Char('*')}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    handleCommandLine(argc, argv);
    const varnel::DisplayChoice display = varnel::chooseDisplay(platformInstalled);
    if (!display.problem.empty()) {
        std::fprintf(stderr, "varnel: %s; use varnel-calc for the same results on the command line.\n",
                     display.problem.c_str());
        return varnel::kExitNoDisplay;
    }
    // The platform that was found to answer, given to Qt alone: programs the
    // link starts keep the user's environment.
    std::vector<char *> arguments(argv, argv + argc);
    std::string platformOption = "-platform";
    std::string platform = display.platform;
    if (!platform.empty()) {
        arguments.insert(arguments.begin() + 1, {platformOption.data(), platform.data()});
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
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
