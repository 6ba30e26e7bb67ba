// varnel-sheet: writes the build sheet for one frequency as PDF, SVG or PNG.
// It opens no window and needs no display.
#include "app/command_line.h"
#include "app/exit_status.h"
#include "platform/locale_numbers.h"
#include "sheet/build_sheet.h"
#include "varnel/build_info.h"

#include <QDateTime>
#include <QGuiApplication>

#include <array>
#include <cstdio>
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
                       "Writes a one-page build sheet for the antenna at FREQ MHz: the dimension\n"
                       "diagram with its lengths, the cut list in mm, inch and sixteenths, the\n"
                       "tubing, both capacitors with their nearest E12 parts, and the construction\n"
                       "notes. The file's suffix chooses PDF, SVG or PNG; it is written whole or\n"
                       "not at all. A sheet is drawn for 0.1 to 10000 MHz; above the 250 MHz the\n"
                       "design is made for it carries a warning. A negative FREQ is a frequency,\n"
                       "not an option (it has no sheet); -- ends the options.\n\n";
    return text + varnel::optionsHelp(kOptions, 20) + "\n" + varnel::exitStatusHelp();
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

// Help and version are answered before Qt starts: they need no fonts.
int printed(const std::string &text)
{
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? varnel::kExitOk : varnel::kExitWriteFailed;
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
        if (name == "--help")
            return printed(usage());
        if (name == "--version")
            return printed("varnel-sheet " VARNEL_VERSION "\n");
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
    const QString path = QString::fromLocal8Bit(output);
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

    // Fonts and painting, no window: the offscreen platform serves anywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);

    varnel::SheetData data = varnel::computeSheet(frequencies.front(), varnel::localeDecimalSeparator());
    if (data.texts.error != varnel::ErrorKind::None) {
        std::string message = "'";
        message.append(varnel::escapedInput(frequencies.front()))
            .append("': ")
            .append(varnel::errorName(data.texts.error));
        return fail(varnel::kExitCannotCompute, message);
    }
    if (const QString refusal = varnel::sheetRefusal(data); !refusal.isEmpty())
        return fail(varnel::kExitCannotCompute, refusal.toStdString());
    data.page = paper ? *paper : varnel::paperForLocale();
    // A reproducible build of the sheet can fix its date.
    bool fixed = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&fixed);
    data.date = fixed ? QDateTime::fromSecsSinceEpoch(epoch).toUTC().date() : QDate::currentDate();
    data.version = QStringLiteral(VARNEL_VERSION);

    if (const QString error = varnel::writeSheet(path, data); !error.isEmpty())
        return fail(varnel::kExitWriteFailed, error.toStdString());
    if (const QString warning = varnel::sheetWarning(data); !warning.isEmpty())
        std::fprintf(stderr, "varnel-sheet: warning: %s\n", qPrintable(warning));
    return varnel::kExitOk;
}
