#include "sheet/build_sheet.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace varnel;

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits_data();
    void everyTextFits();
    void refused_data();
    void refused();
    void formatBySuffix_data();
    void formatBySuffix();
};

void TestSheet::everyTextFits_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("paper");

    QTest::newRow("0.1, the lowest, on Letter") << "0.1"
                                                << "." << int(Paper::Letter);
    QTest::newRow("1.8, 160 m") << "1.8"
                                << "." << int(Paper::A4);
    QTest::newRow("137.5 with a comma") << "137,5"
                                        << "," << int(Paper::A4);
    QTest::newRow("435 with its warning") << "435"
                                          << "." << int(Paper::A4);
    QTest::newRow("2000 on Letter") << "2000"
                                    << "." << int(Paper::Letter);
    QTest::newRow("10000, the highest") << "10000"
                                        << "," << int(Paper::A4);
    QTest::newRow("0.1234567, seven digits") << "0.1234567"
                                             << "." << int(Paper::A4);
}

// Laid out at the PNG's resolution; a text that needs more room than its box
// would run into its neighbour or off the page.
void TestSheet::everyTextFits()
{
    QFETCH(QString, frequency);
    QFETCH(QString, separator);
    QFETCH(int, paper);
    SheetData data = computeSheet(frequency.toStdString(), separator.toStdString());
    QCOMPARE(int(data.texts.error), int(ErrorKind::None));
    QVERIFY(sheetRefusal(data).isEmpty());
    data.page = Paper(paper);
    data.version = QStringLiteral("1.0.0");
    data.date = QDate(2026, 12, 9);
    QImage image(1275, 1754, QImage::Format_RGB32);
    QPainter p(&image);
    const QStringList overflows = paintSheet(p, data, 150 / 25.4);
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1String(" | "))));
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
    QTEST(sheetRefusal(data), "reason");
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
}

void TestSheet::formatBySuffix()
{
    QFETCH(QString, path);
    const std::optional<SheetFormat> format = sheetFormatFor(path);
    QTEST(format ? int(*format) : -1, "format");
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
