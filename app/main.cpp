// varnel: starts with the main window and runs until its last window closes.
#include "app/command_line.h"
#include "app/exit_status.h"
#include "numbers/unicode_text.h"
#include "platform/display_probe.h"
#include "platform/locale_numbers.h"
#include "platform/program_start.h"
#include "qt/companion/companion_windows.h"
#include "qt/design/application.h"
#include "qt/design/error_reporter.h"
#include "qt/main/main_window.h"
#include "varnel/build_info.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array<varnel::OptionSpec, 2> kOptions {{
    varnel::kVersionOption,
    varnel::kHelpOption,
}};

// Qt's own options, which every Qt program takes: those that take a value
// (also as -style=Fusion), then those that do not.
constexpr std::array<std::string_view, 12> kQtOptionsWithValue {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-style",           "-stylesheet",         "-display",       "-geometry"};
constexpr std::array<std::string_view, 5> kQtFlags {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

std::string usage()
{
    std::string text = "Usage: varnel [QT-OPTION]... [OPTION]\n\n"
                       "Dimensions of an omnidirectional circularly polarised antenna. Type the\n"
                       "frequency in MHz and press COMPUTE; varnel-calc gives the same results on\n"
                       "the command line, varnel-sheet a printable build sheet.\n\n"
                       "Qt's own options come first, as every Qt program takes them: -style NAME,\n"
                       "-platform NAME, -reverse, -qwindowgeometry GEOMETRY and the rest.\n\n";
    return text + varnel::optionsHelp(kOptions, 16) + "\n" + varnel::exitStatusHelp();
}

// Takes Qt's own options off the front of the arguments; what is left is
// varnel's. Sets `platformGiven` when the user names the platform.
std::vector<std::string> withoutQtOptions(int argc, char **argv, bool &platformGiven, std::string &error)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t at = 0;
    while (at < args.size()) {
        const std::string &arg = args[at];
        const std::string name = arg.substr(0, arg.find('='));
        const bool takesValue
            = std::find(kQtOptionsWithValue.begin(), kQtOptionsWithValue.end(), name) != kQtOptionsWithValue.end();
        if (takesValue) {
            platformGiven = platformGiven || name == "-platform";
            if (name == arg && at + 1 == args.size()) {
                error = name + " needs a value";
                return {};
            }
            at += name == arg ? 2 : 1;
        } else if (std::find(kQtFlags.begin(), kQtFlags.end(), arg) != kQtFlags.end()) {
            at += 1;
        } else {
            break;
        }
    }
    return {args.begin() + static_cast<std::ptrdiff_t>(at), args.end()};
}

// --help and --version answer without a display, before the window system
// is started. The window program takes no other arguments of its own; Qt's
// come before them and are Qt's. Returns whether the user named Qt's
// platform.
bool handleCommandLine(int argc, char **argv)
{
    bool platformGiven = false;
    std::string qtError;
    const std::vector<std::string> own = withoutQtOptions(argc, argv, platformGiven, qtError);
    if (!qtError.empty()) {
        std::fputs(varnel::usageErrorText("varnel", qtError).c_str(), stderr);
        std::exit(varnel::kExitUsage);
    }
    const varnel::CommandLine line = varnel::parseOptions(own, kOptions);
    std::string error = line.error;
    for (const varnel::CommandLineItem &item : line.items) {
        if (error.empty() && !item.option)
            error = "takes no arguments, not '" + varnel::escapedInput(item.value) + "'";
    }
    if (!error.empty()) {
        std::fputs(varnel::usageErrorText("varnel", error).c_str(), stderr);
        std::exit(varnel::kExitUsage);
    }
    for (const varnel::CommandLineItem &item : line.items) {
        const bool help = item.option->name == "--help";
        std::exit(varnel::writeAnswer("varnel", help ? "help" : "version",
                                      help ? usage() : std::string("varnel " VARNEL_VERSION "\n")));
    }
    return platformGiven;
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
    // A platform the user names is Qt's to start; otherwise the one found
    // to answer.
    const bool platformGiven = handleCommandLine(argc, argv);
    const varnel::DisplayChoice display
        = platformGiven ? varnel::DisplayChoice {} : varnel::chooseDisplay(platformInstalled);
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
    varnel::Form1 form1(reporter, companions, varnel::localeDecimalSeparator);
    form1.show();
    return QApplication::exec();
}
