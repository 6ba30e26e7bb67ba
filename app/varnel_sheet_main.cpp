// varnel-sheet: writes the build sheet for one frequency as PDF, SVG or PNG.
// It opens no window and needs no display.
#include "platform/locale_numbers.h"
#include "sheet/build_sheet.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's own chatter (a missing XDG_RUNTIME_DIR, say) is no business of a
// command-line tool's user; its real failures still get through.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnel-sheet: %s\n", qPrintable(message));
}

int fail(int status, const QString &message)
{
    std::fprintf(stderr, "varnel-sheet: %s\n", qPrintable(message));
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts and painting, no window: the offscreen platform serves anywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnel-sheet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a one-page build sheet for the antenna at FREQ MHz: the dimension diagram with its lengths, the "
        "cut list in mm, inch and sixteenths, the tubing, both capacitors with their nearest E12 parts, and the "
        "construction notes. The file's suffix chooses PDF, SVG or PNG.\n\n"
        "Exit status: 0 when the sheet was written, 1 when FREQ cannot be computed, 2 for a usage error, 4 when "
        "the file cannot be written (nothing is left half written)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The file to write: .pdf, .svg or .png."), QStringLiteral("FILE"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("a4 or letter; by default the paper of your locale's measurement "
                                                 "system."),
                                  QStringLiteral("SIZE"));
    parser.addOption(output);
    parser.addOption(page);
    parser.addPositionalArgument(QStringLiteral("FREQ"), QStringLiteral("The operating frequency in MHz."));
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        return fail(2, QStringLiteral("give one frequency in MHz; try varnel-sheet --help"));
    if (!parser.isSet(output))
        return fail(2, QStringLiteral("give the file to write with -o FILE (.pdf, .svg or .png)"));
    const QString path = parser.value(output);
    if (!varnel::sheetFormatFor(path))
        return fail(2, QStringLiteral("%1: the file's suffix must be .pdf, .svg or .png").arg(path));

    varnel::SheetData data
        = varnel::computeSheet(parser.positionalArguments().first().toStdString(), varnel::localeDecimalSeparator());
    if (data.texts.error != varnel::ErrorKind::None) {
        const std::string_view name = varnel::errorName(data.texts.error);
        return fail(
            1,
            QStringLiteral("'%1': %2")
                .arg(parser.positionalArguments().first(), QString::fromUtf8(name.data(), qsizetype(name.size()))));
    }
    data.page = varnel::pageSizeForLocale();
    if (parser.isSet(page)) {
        const QString size = parser.value(page).toLower();
        if (size == QLatin1String("a4"))
            data.page = varnel::PageSize::A4;
        else if (size == QLatin1String("letter"))
            data.page = varnel::PageSize::Letter;
        else
            return fail(2, QStringLiteral("--page takes a4 or letter, not '%1'").arg(parser.value(page)));
    }
    // A reproducible build of the sheet can fix its date.
    bool fixed = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&fixed);
    data.date = fixed ? QDateTime::fromSecsSinceEpoch(epoch).toUTC().date() : QDate::currentDate();
    data.version = QStringLiteral(VARNEL_VERSION);

    if (const QString error = varnel::writeSheet(path, data); !error.isEmpty())
        return fail(4, error);
    return 0;
}
