#include "sheet/build_sheet.h"

#include <QTest>

using namespace varnel;

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void nearestE12_data();
    void nearestE12();
    void formatBySuffix_data();
    void formatBySuffix();
};

void TestSheet::nearestE12_data()
{
    QTest::addColumn<double>("picofarads");
    QTest::addColumn<double>("part");

    QTest::newRow("33.21 at the design point") << 33.21 << 33.0;
    QTest::newRow("9.96 rounds up a decade") << 9.96 << 10.0;
    QTest::newRow("12.17 at 435 MHz") << 12.17 << 12.0;
    QTest::newRow("3.65") << 3.65 << 3.9;
    QTest::newRow("247.82") << 247.82 << 270.0;
    QTest::newRow("24150 at 0.1 MHz") << 24150.0 << 22000.0;
    QTest::newRow("0.9 below 1") << 0.9 << 0.82;
    QTest::newRow("negative has none") << -2250.0 << 0.0;
    QTest::newRow("zero has none") << 0.0 << 0.0;
}

void TestSheet::nearestE12()
{
    QFETCH(double, picofarads);
    QTEST(varnel::nearestE12(picofarads), "part");
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

QTEST_APPLESS_MAIN(TestSheet)
#include "tst_sheet.moc"
