#include "tests/compute_contract.h"

#include <QTest>

using namespace varnel;

// The checker behind the fuzzer must catch a garbled text, or the fuzzer
// proves nothing.
class TestContract : public QObject
{
    Q_OBJECT

private slots:
    void goodInputsKeepIt_data();
    void goodInputsKeepIt();
    void garbledTextBreaksIt_data();
    void garbledTextBreaksIt();
};

void TestContract::goodInputsKeepIt_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("separator");
    for (const char *input : {"137.5", "-137.5", "0.1", "1e38", "1e-33", "3e-34", "159.9999", "abc", "0", "1e-35"})
        QTest::newRow(input) << QByteArray(input) << QByteArray(".");
    QTest::newRow("comma 14,2") << QByteArray("14,2") << QByteArray(",");
    QTest::newRow("0.001 needs exponent lengths") << QByteArray("0.001") << QByteArray(".");
    // Rounded to 109780.55, held as the Single 109780.546875, shown as 109780.5.
    QTest::newRow("0.0501 rounds twice") << QByteArray("0.0501") << QByteArray(".");
}

void TestContract::goodInputsKeepIt()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, separator);
    QCOMPARE(QString::fromStdString(checkCompute(input.toStdString(), separator.toStdString())), QString());
}

void TestContract::garbledTextBreaksIt_data()
{
    QTest::addColumn<int>("field"); // index in write order
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("wrong rounding") << 0 << QByteArray("237.98");
    QTest::newRow("one place short") << 0 << QByteArray("237.9");
    QTest::newRow("inch off by a thousandth") << 8 << QByteArray("9.369");
    QTest::newRow("negative zero") << 1 << QByteArray("-0");
    QTest::newRow("missing leading zero") << 7 << QByteArray(".374");
    QTest::newRow("not a number") << 5 << QByteArray("33.2.1");
    QTest::newRow("NaN") << 6 << QByteArray("NaN");
    QTest::newRow("empty") << 4 << QByteArray();
    QTest::newRow("exponent off by ten") << 3 << QByteArray("1.93E+03");
    QTest::newRow("trailing zero") << 8 << QByteArray("9.370");
    QTest::newRow("thousands separator") << 3 << QByteArray("1,93");
}

void TestContract::garbledTextBreaksIt()
{
    QFETCH(int, field);
    QFETCH(QByteArray, text);
    Module1 state;
    ComputeTexts result = computeTexts(state, "137.5", ".");
    QCOMPARE(QString::fromStdString(checkComputeTexts(state, result, ".")), QString());
    result.texts[static_cast<std::size_t>(field)] = text.toStdString();
    QVERIFY(!checkComputeTexts(state, result, ".").empty());
}

QTEST_APPLESS_MAIN(TestContract)
#include "tst_contract.moc"
