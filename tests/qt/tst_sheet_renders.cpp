// The sheet's files as other programs read them: qpdf finds no fault,
// pdffonts lists the two standard fonts, poppler and MuPDF render the PDF,
// xmllint and librsvg take the SVG, the PDF's and the SVG's line art agree,
// and the template's check bar measures 100 mm in a render at 254 dpi.
#include "qt/drawing/page_painter.h"
#include "sheet/pdf_writer.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_layout.h"
#include "sheet/standard_fonts.h"
#include "sheet/svg_writer.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace varnel;

class TestSheetRenders : public QObject
{
    Q_OBJECT

private slots:
    void readersTakeIt_data();
    void readersTakeIt();
    void checkBarMeasures_data();
    void checkBarMeasures();
    void widthsAsPublished_data();
    void widthsAsPublished();
    void emptyShapesDrawNothing();

private:
    QTemporaryDir m_folder;
};

namespace {

// The file a request for `format` makes, at 2025-12-09 00:00 UTC.
SheetFile fileOf(SheetFormat format, const SheetData &data)
{
    SheetRequest request;
    request.format = format;
    request.pages = formatFacts(format).pages;
    request.created = 1765238400;
    return sheetFile(request, data, {});
}

SheetData sheetFor(const std::string &frequency, Paper paper)
{
    SheetData data = computeSheet(frequency, ".");
    data.page = paper;
    data.version = "1.0.0";
    data.date = "2025-12-09";
    return data;
}

QString writeFile(const QString &path, const std::string &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        return {};
    return path;
}

// Runs a reader; its standard output, or nothing with the reason.
QByteArray run(const QString &program, const QStringList &arguments, QString &failure)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        failure = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ")
            + QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return process.readAllStandardOutput();
}

// WinAnsi's codes 32 to 255 by their glyph names, as the PDF reference
// lists them; empty where the code has no character.
const char *const kWinAnsiNames[224] = {
    "space",
    "exclam",
    "quotedbl",
    "numbersign",
    "dollar",
    "percent",
    "ampersand",
    "quotesingle",
    "parenleft",
    "parenright",
    "asterisk",
    "plus",
    "comma",
    "hyphen",
    "period",
    "slash",
    "zero",
    "one",
    "two",
    "three",
    "four",
    "five",
    "six",
    "seven",
    "eight",
    "nine",
    "colon",
    "semicolon",
    "less",
    "equal",
    "greater",
    "question",
    "at",
    "A",
    "B",
    "C",
    "D",
    "E",
    "F",
    "G",
    "H",
    "I",
    "J",
    "K",
    "L",
    "M",
    "N",
    "O",
    "P",
    "Q",
    "R",
    "S",
    "T",
    "U",
    "V",
    "W",
    "X",
    "Y",
    "Z",
    "bracketleft",
    "backslash",
    "bracketright",
    "asciicircum",
    "underscore",
    "grave",
    "a",
    "b",
    "c",
    "d",
    "e",
    "f",
    "g",
    "h",
    "i",
    "j",
    "k",
    "l",
    "m",
    "n",
    "o",
    "p",
    "q",
    "r",
    "s",
    "t",
    "u",
    "v",
    "w",
    "x",
    "y",
    "z",
    "braceleft",
    "bar",
    "braceright",
    "asciitilde",
    "",
    "Euro",
    "",
    "quotesinglbase",
    "florin",
    "quotedblbase",
    "ellipsis",
    "dagger",
    "daggerdbl",
    "circumflex",
    "perthousand",
    "Scaron",
    "guilsinglleft",
    "OE",
    "",
    "Zcaron",
    "",
    "",
    "quoteleft",
    "quoteright",
    "quotedblleft",
    "quotedblright",
    "bullet",
    "endash",
    "emdash",
    "tilde",
    "trademark",
    "scaron",
    "guilsinglright",
    "oe",
    "",
    "zcaron",
    "Ydieresis",
    "space",
    "exclamdown",
    "cent",
    "sterling",
    "currency",
    "yen",
    "brokenbar",
    "section",
    "dieresis",
    "copyright",
    "ordfeminine",
    "guillemotleft",
    "logicalnot",
    "hyphen",
    "registered",
    "macron",
    "degree",
    "plusminus",
    "twosuperior",
    "threesuperior",
    "acute",
    "mu",
    "paragraph",
    "periodcentered",
    "cedilla",
    "onesuperior",
    "ordmasculine",
    "guillemotright",
    "onequarter",
    "onehalf",
    "threequarters",
    "questiondown",
    "Agrave",
    "Aacute",
    "Acircumflex",
    "Atilde",
    "Adieresis",
    "Aring",
    "AE",
    "Ccedilla",
    "Egrave",
    "Eacute",
    "Ecircumflex",
    "Edieresis",
    "Igrave",
    "Iacute",
    "Icircumflex",
    "Idieresis",
    "Eth",
    "Ntilde",
    "Ograve",
    "Oacute",
    "Ocircumflex",
    "Otilde",
    "Odieresis",
    "multiply",
    "Oslash",
    "Ugrave",
    "Uacute",
    "Ucircumflex",
    "Udieresis",
    "Yacute",
    "Thorn",
    "germandbls",
    "agrave",
    "aacute",
    "acircumflex",
    "atilde",
    "adieresis",
    "aring",
    "ae",
    "ccedilla",
    "egrave",
    "eacute",
    "ecircumflex",
    "edieresis",
    "igrave",
    "iacute",
    "icircumflex",
    "idieresis",
    "eth",
    "ntilde",
    "ograve",
    "oacute",
    "ocircumflex",
    "otilde",
    "odieresis",
    "divide",
    "oslash",
    "ugrave",
    "uacute",
    "ucircumflex",
    "udieresis",
    "yacute",
    "thorn",
    "ydieresis",
};

// Windows-1252's characters for the codes 128 to 159, from Unicode's
// mapping table; 0 where it has none.
const char16_t kCodePage1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

void TestSheetRenders::readersTakeIt_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("paper");

    QTest::newRow("137.5 on A4, a template on two sheets") << "137.5" << int(Paper::A4);
    QTest::newRow("146 on Letter, a template") << "146" << int(Paper::Letter);
    QTest::newRow("435 on A4, a warning") << "435" << int(Paper::A4);
}

void TestSheetRenders::readersTakeIt()
{
    QFETCH(QString, frequency);
    QFETCH(int, paper);
    QVERIFY(m_folder.isValid());
    const SheetData data = sheetFor(frequency.toStdString(), Paper(paper));
    const QString base = m_folder.filePath(frequency);
    const SheetFile pdf = fileOf(SheetFormat::Pdf, data);
    const SheetFile svg = fileOf(SheetFormat::Svg, data);
    QVERIFY(pdf.error.empty() && svg.error.empty());
    const QString pdfPath = writeFile(base + QStringLiteral(".pdf"), pdf.bytes);
    const QString svgPath = writeFile(base + QStringLiteral(".svg"), svg.bytes);
    QVERIFY(!pdfPath.isEmpty() && !svgPath.isEmpty());

    QString failure;
    run(QStringLiteral(VARNEL_QPDF), {QStringLiteral("--check"), pdfPath}, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // The request to print at actual size, as qpdf finds it in the document
    // catalogue that the trailer names.
    const QByteArray trailer
        = run(QStringLiteral(VARNEL_QPDF), {QStringLiteral("--show-object=trailer"), pdfPath}, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QRegularExpressionMatch root
        = QRegularExpression(QStringLiteral("/Root (\\d+) 0 R")).match(QString::fromLatin1(trailer));
    QVERIFY2(root.hasMatch(), trailer.constData());
    const QByteArray catalogue
        = run(QStringLiteral(VARNEL_QPDF), {QStringLiteral("--show-object=") + root.captured(1), pdfPath}, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(catalogue.contains("/ViewerPreferences << /PrintScaling /None >>"), catalogue.constData());
    const QByteArray fonts = run(QStringLiteral(VARNEL_PDFFONTS), {pdfPath}, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QList<QByteArray> lines = fonts.trimmed().split('\n');
    QCOMPARE(lines.size(), 4); // two lines of headings, a line per font
    QVERIFY2(lines[2].startsWith("Helvetica ") && lines[3].startsWith("Helvetica-Bold "), fonts.constData());
    QVERIFY2(lines[2].contains("WinAnsi") && lines[3].contains("WinAnsi"), fonts.constData());
    run(QStringLiteral(VARNEL_MUTOOL),
        {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-o"),
         base + QStringLiteral("-mupdf-%d.png"), pdfPath},
        failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(!QImage(base + QStringLiteral("-mupdf-1.png")).isNull());
    run(QStringLiteral(VARNEL_XMLLINT), {QStringLiteral("--noout"), svgPath}, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // The first page from both files at 100 dpi, their texts blanked out by
    // the boxes the layout gave them: the fonts each reader finds differ,
    // the lines, bands and arrows must not.
    constexpr int dpi = 100;
    run(QStringLiteral(VARNEL_PDFTOPPM),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
         QStringLiteral("1"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdfPath,
         base + QStringLiteral("-pdf")},
        failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    run(QStringLiteral(VARNEL_RSVG_CONVERT),
        {QStringLiteral("-d"), QString::number(dpi), QStringLiteral("-p"), QString::number(dpi), QStringLiteral("-b"),
         QStringLiteral("white"), QStringLiteral("-o"), base + QStringLiteral("-svg.png"), svgPath},
        failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QImage fromPdf = QImage(base + QStringLiteral("-pdf.png")).convertToFormat(QImage::Format_RGB32);
    QImage fromSvg = QImage(base + QStringLiteral("-svg.png")).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!fromPdf.isNull() && !fromSvg.isNull());
    const SheetLayout layout = describeSheet(data, SheetPages::SheetOnly);
    const Page &page = layout.pages.front();
    const double dots = dpi / 25.4;
    QVERIFY(std::abs(fromPdf.width() - page.width * dots) <= 1);
    QCOMPARE(fromSvg.width(), fromPdf.width());
    QVERIFY(fromSvg.height() >= fromPdf.height()); // the SVG holds the second page too
    for (const TextBlock &text : layout.promises.front().texts) {
        const QRect box(int(std::floor((text.used.x - 1) * dots)), int(std::floor((text.used.y - 1) * dots)),
                        int(std::ceil((text.used.width + 2) * dots)), int(std::ceil((text.used.height + 2) * dots)));
        for (QImage *image : {&fromPdf, &fromSvg}) {
            for (int y = std::max(0, box.top()); y <= std::min(fromPdf.height() - 1, box.bottom()); ++y) {
                for (int x = std::max(0, box.left()); x <= std::min(fromPdf.width() - 1, box.right()); ++x)
                    image->setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    }
    // Renderers shade a hairline and an antialiased edge each their own
    // way; what is drawn, and where, must agree: every inked pixel of one
    // render has ink within a pixel of it in the other.
    const auto inked = [](const QImage &image, int x, int y) {
        const QRgb c = image.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 215;
    };
    long long ink = 0;
    long long unmatched = 0;
    for (const auto &[one, other] : {std::pair {&fromPdf, &fromSvg}, std::pair {&fromSvg, &fromPdf}}) {
        for (int y = 1; y + 1 < fromPdf.height(); ++y) {
            for (int x = 1; x + 1 < fromPdf.width(); ++x) {
                if (!inked(*one, x, y))
                    continue;
                ++ink;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy) {
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = inked(*other, x + dx, y + dy);
                }
                unmatched += !near;
            }
        }
    }
    QVERIFY(ink > 2000);
    QVERIFY2(
        unmatched * 100 <= ink,
        qPrintable(
            QStringLiteral("%1 of %2 inked pixels have no ink near them in the other render").arg(unmatched).arg(ink)));
}

void TestSheetRenders::checkBarMeasures_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("page"); // the template page with the bar, from 1

    QTest::newRow("146 on A4, the vertical's page") << "146" << int(Paper::A4) << 4;
    QTest::newRow("435 on Letter, beside the loop") << "435" << int(Paper::Letter) << 3;
    QTest::newRow("137.5 on A4, tile A1") << "137.5" << int(Paper::A4) << 4;
    QTest::newRow("50.1 on A4, tile D2, landscape") << "50.1" << int(Paper::A4) << 11;
}

// At 254 dpi a pixel is 0.1 mm: the bar's row, from its first dark pixel
// to its last, is 100 mm and the outline's width.
void TestSheetRenders::checkBarMeasures()
{
    QFETCH(QString, frequency);
    QFETCH(int, paper);
    QFETCH(int, page);
    const SheetData data = sheetFor(frequency.toStdString(), Paper(paper));
    const std::vector<PagePromises> pages = describeSheet(data, SheetPages::WithTemplate).promises;
    QVERIFY(int(pages.size()) >= page);
    const QString base = m_folder.filePath(QStringLiteral("bar-") + frequency);
    const QString pdfPath = writeFile(base + QStringLiteral(".pdf"), fileOf(SheetFormat::Pdf, data).bytes);
    QString failure;
    run(QStringLiteral(VARNEL_PDFTOPPM),
        {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
         QString::number(page), QStringLiteral("-gray"), QStringLiteral("-singlefile"), pdfPath, base},
        failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QImage render(base + QStringLiteral(".pgm"));
    QVERIFY(!render.isNull());
    // Its words say where it is; the render, how long it is: from 5 mm
    // before where it should begin to 5 mm past where it should end.
    const DrawnLength *bar = nullptr;
    for (const DrawnLength &length : pages[std::size_t(page - 1)].lengths) {
        if (length.label == "This bar is 100 mm long")
            bar = &length;
    }
    QVERIFY(bar);
    const int row = int(std::lround((bar->from.y + 1.5) * 10));
    int first = -1;
    int last = -1;
    for (int x = int(bar->from.x * 10) - 50; x < int(bar->to.x * 10) + 50; ++x) {
        if (qGray(render.pixel(x, row)) < 128) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    QVERIFY(first >= 0);
    const double measured = (last - first + 1) / 10.0;
    QVERIFY2(std::abs(measured - 100.2) <= 0.25, qPrintable(QStringLiteral("the bar measures %1 mm").arg(measured)));
}

QTEST_MAIN(TestSheetRenders)
// Every width of both faces against the metrics URW publish for Nimbus
// Sans, Helvetica's metric twin, read from their AFM files by glyph name.
void TestSheetRenders::widthsAsPublished_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("afm");
    QTest::newRow("Helvetica") << int(Face::Regular) << QStringLiteral(VARNEL_URW_AFM_DIR "/NimbusSans-Regular.afm");
    QTest::newRow("Helvetica-Bold") << int(Face::Bold) << QStringLiteral(VARNEL_URW_AFM_DIR "/NimbusSans-Bold.afm");
}

void TestSheetRenders::widthsAsPublished()
{
    QFETCH(int, face);
    QFETCH(QString, afm);
    QFile file(afm);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(afm));
    // "C 65 ; WX 667 ; N A ; B ..."
    QHash<QByteArray, int> widths;
    const QRegularExpression metric(QStringLiteral("^C -?\\d+ ; WX (\\d+) ; N (\\S+) ;"));
    while (!file.atEnd()) {
        const QRegularExpressionMatch match = metric.match(QString::fromLatin1(file.readLine()));
        if (match.hasMatch())
            widths.insert(match.captured(2).toLatin1(), match.captured(1).toInt());
    }
    QVERIFY(widths.size() > 300);
    int compared = 0;
    for (int code = 32; code < 256; ++code) {
        const char *name = kWinAnsiNames[code - 32];
        if (!*name)
            continue;
        const char16_t character = code >= 0x80 && code < 0xA0 ? kCodePage1252[code - 0x80] : char16_t(code);
        const std::string utf8 = QString(QChar(character)).toStdString();
        QVERIFY2(widths.contains(name), name);
        QCOMPARE(textUnits(Face(face), utf8), long(widths.value(name)));
        ++compared;
    }
    QCOMPARE(compared, 218);
}

// A shape with neither fill nor stroke is nothing to draw: the PDF and the
// SVG say nothing of it, and the painter leaves the picture white (it once
// read a fill that was not there).
void TestSheetRenders::emptyShapesDrawNothing()
{
    Page page;
    page.width = 20;
    page.height = 20;
    page.items.emplace_back(Shape {Shape::Kind::Rectangle, {}, {2, 2, 10, 10}, std::nullopt, std::nullopt});
    page.items.emplace_back(Shape {Shape::Kind::Ellipse, {}, {4, 4, 8, 8}, std::nullopt, std::nullopt});
    page.items.emplace_back(Shape {Shape::Kind::Polygon, {{1, 1}, {9, 1}, {5, 9}}, {}, std::nullopt, std::nullopt});
    const PdfResult pdf = writePdf({page}, {"empty", "test", 0});
    QVERIFY(pdf.error.empty());
    const std::size_t stream = pdf.bytes.find("stream\n");
    const std::string content = pdf.bytes.substr(stream, pdf.bytes.find("endstream") - stream);
    QVERIFY2(content.find(" re") == std::string::npos && content.find(" c\n") == std::string::npos
                 && content.find(" l\n") == std::string::npos,
             content.c_str());
    const std::string svg = writeSvg({page}, "empty");
    // The XML line, svg, title and its end, the page's group, its white and
    // the group's end, the end of svg: no more.
    QCOMPARE(int(std::count(svg.begin(), svg.end(), '<')), 8);
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paintPage(p, page, 4);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
    }
}

#include "tst_sheet_renders.moc"
