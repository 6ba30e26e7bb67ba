#include "calc/construction_notes.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_painter.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

using namespace varnel;

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void everyPageWhole_data();
    void everyPageWhole();
    void templateFits_data();
    void templateFits();
    void notesReflowed();
    void scale_data();
    void scale();
    void sourceDate_data();
    void sourceDate();
    void refused_data();
    void refused();
    void formatBySuffix_data();
    void formatBySuffix();
};

namespace {

SheetData sheetFor(const QString &frequency, const QString &separator, Paper paper)
{
    SheetData data = computeSheet(frequency.toStdString(), separator.toStdString());
    data.page = paper;
    data.version = "1.0.0";
    data.date = "2026-12-09";
    return data;
}

QString describe(const PlacedText &text)
{
    const auto rect = [](const QRectF &r) {
        return QStringLiteral("(%1,%2 %3x%4)")
            .arg(r.x(), 0, 'f', 1)
            .arg(r.y(), 0, 'f', 1)
            .arg(r.width(), 0, 'f', 1)
            .arg(r.height(), 0, 'f', 1);
    };
    return QStringLiteral("page %1 '%2' used %3 of %4")
        .arg(text.page + 1)
        .arg(text.text.left(40), rect(text.used), rect(text.box));
}

} // namespace

void TestSheet::everyPageWhole_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("pages"); // on A4, then on Letter: 2 without a template
    QTest::addColumn<int>("letterPages");

    QTest::newRow("0.1, the lowest") << "0.1"
                                     << "." << 2 << 2;
    QTest::newRow("0.1234567, seven digits") << "0.1234567"
                                             << "." << 2 << 2;
    QTest::newRow("1.8, 160 m") << "1.8"
                                << "." << 2 << 2;
    QTest::newRow("14.2 with a comma") << "14,2"
                                       << "," << 2 << 2;
    QTest::newRow("137.5 with a comma") << "137,5"
                                        << "," << 2 << 2;
    QTest::newRow("140, a template on Letter only") << "140"
                                                    << "." << 2 << 4;
    QTest::newRow("144, 2 m") << "144"
                              << "." << 4 << 4;
    QTest::newRow("160, the vertical on a page of its own") << "160"
                                                            << "." << 4 << 4;
    QTest::newRow("250, the design's last, the vertical beside the loop") << "250"
                                                                          << "." << 3 << 3;
    QTest::newRow("250.01 with its warning") << "250.01"
                                             << "." << 3 << 3;
    QTest::newRow("435 with its warning") << "435"
                                          << "." << 3 << 3;
    QTest::newRow("584, the rest a tube wide") << "584"
                                               << "." << 3 << 3;
    QTest::newRow("585, the rest shorter than the tube is wide") << "585"
                                                                 << "." << 2 << 2;
    QTest::newRow("1296, the gap too narrow") << "1296"
                                              << "," << 2 << 2;
    QTest::newRow("10000, the highest") << "10000"
                                        << "," << 2 << 2;
}

// Laid out as the PDF lays it: every text inside its box and the page's
// margins, and none over another (the footer included).
void TestSheet::everyPageWhole()
{
    QFETCH(QString, frequency);
    QFETCH(QString, separator);
    QFETCH(int, pages);
    QFETCH(int, letterPages);
    for (Paper paper : {Paper::A4, Paper::Letter}) {
        const SheetData data = sheetFor(frequency, separator, paper);
        QCOMPARE(int(data.texts.error), int(ErrorKind::None));
        QVERIFY(sheetRefusal(data).empty());
        QImage canvas = sheetCanvas(data, 1);
        QPainter p(&canvas);
        const SheetLayout layout
            = paintSheet(p, data, kPngDotsPerInch / 25.4, SheetPages::WithTemplate, [&] { canvas.fill(Qt::white); });
        QCOMPARE(layout.pages, paper == Paper::A4 ? pages : letterPages);
        constexpr double slack = 0.2; // mm: a glyph's side bearing
        for (const PlacedText &text : layout.texts) {
            QVERIFY2(text.box.adjusted(-slack, -slack, slack, slack).contains(text.used), qPrintable(describe(text)));
            QVERIFY2(textArea(data, text.page).contains(text.used), qPrintable(describe(text)));
        }
        for (std::size_t a = 0; a < layout.texts.size(); ++a) {
            for (std::size_t b = a + 1; b < layout.texts.size(); ++b) {
                const PlacedText &one = layout.texts[a];
                const PlacedText &other = layout.texts[b];
                const QRectF common = one.used.intersected(other.used);
                QVERIFY2(one.page != other.page || common.width() < slack || common.height() < slack,
                         qPrintable(describe(one) + QStringLiteral(" overlaps ") + describe(other)));
            }
        }
    }
}

void TestSheet::templateFits_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("why"); // empty: drawn

    QTest::newRow("137.5 on A4: 202.5 mm against 194")
        << "137.5" << int(Paper::A4)
        << "No full-size template: the loop, 193 mm square between centre lines with 9.5 mm tubing, is larger "
           "than the 194 by 245 mm a A4 page leaves for it.";
    QTest::newRow("137.5 on Letter: against 199.9")
        << "137.5" << int(Paper::Letter)
        << "No full-size template: the loop, 193 mm square between centre lines with 9.5 mm tubing, is larger "
           "than the 199.9 by 227.4 mm a Letter page leaves for it.";
    QTest::newRow("144 on A4") << "144" << int(Paper::A4) << "";
    QTest::newRow("1296 cannot be built")
        << "1296" << int(Paper::A4) << "No full-size template: these lengths cannot be built.";
}

void TestSheet::templateFits()
{
    QFETCH(QString, frequency);
    QFETCH(int, paper);
    const TemplatePlan plan = templatePlan(sheetFor(frequency, ".", Paper(paper)));
    QTEST(QString::fromStdString(plan.why), "why");
    QCOMPARE(plan.drawn, plan.why.empty());
}

// Every word of both notes, in order, and the gap note a paragraph of its own.
void TestSheet::notesReflowed()
{
    const std::vector<std::string> paragraphs = noteParagraphs();
    QCOMPARE(paragraphs.size(), std::size_t(6));
    const auto words
        = [](QString text) { return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts); };
    QString joined;
    for (const std::string &paragraph : paragraphs) {
        QVERIFY(!QString::fromStdString(paragraph).contains(QLatin1Char('\n')));
        joined += QString::fromStdString(paragraph) + QLatin1Char(' ');
    }
    const QString notes = QString::fromLatin1(kGeneralNotes.data(), qsizetype(kGeneralNotes.size()))
        + QString::fromLatin1(kGapNote.data(), qsizetype(kGapNote.size()));
    QCOMPARE(words(joined), words(notes));
    QCOMPARE(words(QString::fromStdString(paragraphs.back())),
             words(QString::fromLatin1(kGapNote.data(), qsizetype(kGapNote.size()))));
    QVERIFY(paragraphs[3].starts_with("Having both polarizations"));
}

void TestSheet::scale_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("room");
    QTest::addColumn<QString>("scale");

    QTest::newRow("193 mm in 59: 1:4") << 193.0 << 59.0 << "1:4";
    QTest::newRow("exactly at the room: 1:2") << 118.0 << 59.0 << "1:2";
    QTest::newRow("61.01 in 58: 1:2") << 61.01 << 58.0 << "1:2";
    QTest::newRow("fits as it is: 1:1") << 58.0 << 58.0 << "1:1";
    QTest::newRow("2.65 mm enlarged: 20:1") << 2.65 << 58.0 << "20:1";
    QTest::newRow("26.5 m: 1:500") << 26537.6 << 58.0 << "1:500";
    QTest::newRow("20.48 mm: 2.5:1") << 20.48 << 58.0 << "2.5:1";
}

void TestSheet::scale()
{
    QFETCH(double, length);
    QFETCH(double, room);
    const DrawingScale scale = drawingScale(length, room);
    QTEST(QString::fromStdString(scale.text), "scale");
    QVERIFY(length * scale.factor <= room);
}

void TestSheet::sourceDate_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("date"); // empty: refused

    QTest::newRow("the epoch") << "0"
                               << "1970-01-01";
    QTest::newRow("a day's last second") << "1765324799"
                                         << "2025-12-09";
    QTest::newRow("the next day") << "1765324800"
                                  << "2025-12-10";
    QTest::newRow("the last second of 9999") << "253402300799"
                                             << "9999-12-31";
    QTest::newRow("year 10000") << "253402300800"
                                << "";
    QTest::newRow("far beyond") << "99999999999999"
                                << "";
    QTest::newRow("negative") << "-1"
                              << "";
    QTest::newRow("a fraction") << "1.5"
                                << "";
    QTest::newRow("a blank before") << " 1"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSheet::sourceDate()
{
    QFETCH(QString, value);
    const std::optional<long long> epoch = sourceDateEpoch(value.toStdString());
    QTEST(epoch ? QString::fromStdString(isoDate(*epoch)) : QString(), "date");
}

void TestSheet::refused_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("reason"); // empty: drawn

    QTest::newRow("negative") << "-137.5"
                              << "-137.5 MHz gives lengths that are not positive, so there is nothing to build";
    QTest::newRow("far below") << "1e-30"
                               << "1E-30 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for";
    QTest::newRow("just below") << "0.0999"
                                << "0.0999 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for";
    QTest::newRow("above") << "10001"
                           << "10001 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for";
    QTest::newRow("1e38") << "1e38"
                          << "1E+38 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for";
    QTest::newRow("the lowest") << "0.1"
                                << "";
    QTest::newRow("the highest") << "10000"
                                 << "";
}

void TestSheet::refused()
{
    QFETCH(QString, frequency);
    const SheetData data = computeSheet(frequency.toStdString(), ".");
    QCOMPARE(int(data.texts.error), int(ErrorKind::None));
    QTEST(QString::fromStdString(sheetRefusal(data)), "reason");
}

void TestSheet::formatBySuffix_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format"); // -1: refused

    QTest::newRow("pdf") << "sheet.pdf" << int(SheetFormat::Pdf);
    QTest::newRow("upper-case PDF") << "/tmp/SHEET.PDF" << int(SheetFormat::Pdf);
    QTest::newRow("svg") << "a.b.svg" << int(SheetFormat::Svg);
    QTest::newRow("png") << "sheet.png" << int(SheetFormat::Png);
    QTest::newRow("no suffix") << "sheet" << -1;
    QTest::newRow("another suffix") << "sheet.doc" << -1;
    QTest::newRow("pdf inside the name only") << "pdf.sheet" << -1;
    QTest::newRow("a folder's suffix only") << "x.pdf/sheet" << -1;
    QTest::newRow("a hidden file named .pdf") << "out/.pdf" << -1;
}

void TestSheet::formatBySuffix()
{
    QFETCH(QString, path);
    const std::optional<SheetFormat> format = sheetFormatFor(path.toStdString());
    QTEST(format ? int(*format) : -1, "format");
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
