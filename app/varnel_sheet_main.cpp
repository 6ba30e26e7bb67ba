// varnel-sheet: writes the build sheet for one frequency as PDF, SVG or PNG.
// It opens no window and needs no display.
#include "app/command_line.h"
#include "app/exit_status.h"
#include "platform/locale_numbers.h"
#include "sheet/sheet_file.h"
#include "varnel/build_info.h"

#include <QDate>
#include <QGuiApplication>
#include <QHashSeed>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::array<varnel::OptionSpec, 4> kOptions {{
    {"--output", 'o', "FILE", "the file to write: .pdf, .svg or .png"},
    {"--page", 0, "SIZE",
     "a4 or letter; by default the paper your locale names\n"
     "(LC_PAPER, then LC_MEASUREMENT)"},
    {"--version", 'v', {}, "show the version and exit"},
    {"--help", 'h', {}, "show this help and exit"},
}};

std::string usage()
{
    std::string text = "Usage: varnel-sheet [OPTION]... FREQ -o FILE\n\n"
                       "Writes a build sheet for the antenna at FREQ MHz: how the lengths make one\n"
                       "square loop and two verticals, a plan and a side view to scale, the\n"
                       "capacitors' wiring, the cut list in mm, inch and sixteenths, the tubing,\n"
                       "both capacitors with their nearest E12 parts, and the construction notes;\n"
                       "in a PDF, where the loop fits the paper, a full-size template follows.\n"
                       "The file's suffix chooses PDF, SVG or PNG; it is written whole or not at\n"
                       "all. A sheet is drawn for 0.1 to 10000 MHz; above the 250 MHz the design\n"
                       "is made for, or where the lengths cannot be built from the tubing, it\n"
                       "carries a warning. A negative FREQ is a frequency, not an option (it has\n"
                       "no sheet); -- ends the options. SOURCE_DATE_EPOCH, when set, fixes the\n"
                       "date, so that the same FREQ always gives the same bytes.\n\n";
    return text + varnel::optionsHelp(kOptions, 20) + "\n" + varnel::exitStatusHelp(varnel::kToolExitStatuses);
}

// Qt's own chatter (a missing XDG_RUNTIME_DIR, say) is no business of a
// command-line tool's user; its real failures still get through.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnel-sheet: %s\n", qPrintable(message));
}

int fail(int status, const std::string &message)
{
    std::fprintf(stderr, "varnel-sheet: %s\n", message.c_str());
    return status;
}

int usageError(const std::string &message)
{
    return fail(varnel::kExitUsage, message + "\nTry 'varnel-sheet --help'.");
}

void warn(const std::string &warning)
{
    std::fprintf(stderr, "varnel-sheet: warning: %s\n", warning.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const varnel::CommandLine line
        = varnel::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), kOptions);
    if (!line.error.empty())
        return usageError(line.error);
    std::vector<std::string> frequencies;
    std::string output;
    std::string page;
    bool pageGiven = false;
    for (const varnel::CommandLineItem &item : line.items) {
        const std::string_view name = item.option ? item.option->name : std::string_view();
        // Answered before Qt starts: they need no fonts.
        if (name == "--help")
            return varnel::writeAnswer("varnel-sheet", "help", usage());
        if (name == "--version")
            return varnel::writeAnswer("varnel-sheet", "version", "varnel-sheet " VARNEL_VERSION "\n");
        if (!item.option)
            frequencies.push_back(item.value);
        else if (name == "--output")
            output = item.value;
        else if (name == "--page") {
            page = item.value;
            pageGiven = true;
        }
    }
    if (frequencies.size() != 1)
        return usageError("give one frequency in MHz");
    if (output.empty())
        return usageError("give the file to write with -o FILE (.pdf, .svg or .png)");
    // The name's bytes as given: a file name need not be in the locale's
    // encoding, nor in any.
    const std::string &path = output;
    if (!varnel::sheetFormatFor(path))
        return usageError(output + ": the file's suffix must be .pdf, .svg or .png");
    std::optional<varnel::Paper> paper;
    if (pageGiven) {
        const QString size = QString::fromStdString(page).toLower();
        if (size == QLatin1String("a4"))
            paper = varnel::Paper::A4;
        else if (size == QLatin1String("letter"))
            paper = varnel::Paper::Letter;
        else
            return usageError("--page takes a4 or letter, not '" + page + "'");
    }

    std::optional<long long> epoch;
    if (const char *value = std::getenv("SOURCE_DATE_EPOCH"); value && *value) {
        epoch = varnel::sourceDateEpoch(value);
        if (!epoch)
            return usageError(std::string("SOURCE_DATE_EPOCH must be whole seconds since 1970 up to the year 9999, "
                                          "not '")
                              + varnel::escapedInput(value) + "'");
    }

    // The same sheet, the same bytes: Qt orders the fonts in a PDF by a
    // hash that is otherwise seeded afresh in every run.
    QHashSeed::setDeterministicGlobalSeed();
    // Fonts and painting, no window: the offscreen platform serves anywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);

    varnel::SheetData data = varnel::computeSheet(frequencies.front(), varnel::localeDecimalSeparator());
    if (data.texts.error != varnel::ErrorKind::None) {
        std::string message = "'";
        message.append(varnel::shortenedForMessage(varnel::escapedInput(frequencies.front())))
            .append("': ")
            .append(varnel::errorName(data.texts.error));
        return fail(varnel::kExitCannotCompute, message);
    }
    if (const std::string refusal = varnel::sheetRefusal(data); !refusal.empty())
        return fail(varnel::kExitCannotCompute, refusal);
    data.page = paper ? *paper : varnel::paperForLocale();
    data.date = epoch ? varnel::isoDate(*epoch) : QDate::currentDate().toString(Qt::ISODate).toStdString();
    data.version = VARNEL_VERSION;

    if (const std::string error = varnel::writeSheet(path, data, epoch); !error.empty())
        return fail(varnel::kExitWriteFailed, varnel::escapedInput(error));
    for (const std::string &warning : varnel::sheetWarnings(data))
        warn(warning);
    return varnel::kExitOk;
}
