#include "calc/module1.h"
#include "platform/text_to_number.h"

#include <QTest>

#include <cmath>

using namespace varnel;

namespace {

float single(const char *text)
{
    const SingleParse parsed = parseSingle(text, ".");
    Q_ASSERT(parsed.error == ErrorKind::None);
    return parsed.value;
}

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private slots:
    void referenceResults_data();
    void referenceResults();
    void bandEdges_data();
    void bandEdges();
    void failureStoresBeforeRaising_data();
    void failureStoresBeforeRaising();
    void failureKeepsEarlierValues();
};

void TestCalculator::referenceResults_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("side");
    QTest::addColumn<float>("end");
    QTest::addColumn<float>("gap");
    QTest::addColumn<float>("diameter");
    QTest::addColumn<float>("coefficient");
    QTest::addColumn<float>("parallel");
    QTest::addColumn<float>("series");

    // Nine significant digits name one Single exactly.
    QTest::newRow("137.5 design point") << "137.5" << 237.988907f << 193.000122f << 126.000053f << 40.0000381f << 9.5f
                                        << 0.000008f << 33.2072716f << 9.96218109f;
    QTest::newRow("435 band 1") << "435" << 75.2263794f << 61.0057869f << 39.8276024f << 12.6436911f << 6.35f
                                << 0.00001f << 12.1724138f << 3.6517241f;
    QTest::newRow("160 band 1") << "160" << 204.521729f << 165.859482f << 108.281296f << 34.3750343f << 6.35f
                                << 0.00001f << 27.9375f << 8.38125038f;
    QTest::newRow("50 band 3") << "50" << 654.469543f << 530.750366f << 346.500153f << 110.000107f << 12.7f << 0.000045f
                               << 78.9000015f << 23.6700001f;
    QTest::newRow("14.2 band 4") << "14.2" << 2304.47021f << 1868.83923f << 1220.07092f << 387.324341f << 25.4f
                                 << 0.00015f << 247.816895f << 74.3450699f;
    QTest::newRow("7.1 band 5") << "7.1" << 4608.94043f << 3737.67847f << 2440.14185f << 774.648682f << 50.8f << 0.0005f
                                << 488.028168f << 146.408447f;
    QTest::newRow("-137.5 band 5") << "-137.5" << -237.988907f << -193.000122f << -126.000053f << -40.0000381f << 50.8f
                                   << 0.0005f << 132.545456f << 39.7636375f;
}

void TestCalculator::referenceResults()
{
    QFETCH(QString, input);
    Module1 state;
    QCOMPARE(state.ComputeLengths(single(qPrintable(input))), ErrorKind::None);
    state.SelectElementDiameter();
    QCOMPARE(state.ComputeCapacitors(), ErrorKind::None);

    // Exact equality of the stored Singles, not a tolerance.
    QTEST(state.VerticalHeight, "height");
    QTEST(state.HorizontalSide, "side");
    QTEST(state.HorizontalEnd, "end");
    QTEST(state.CenterGap, "gap");
    QTEST(state.ElementDiameter, "diameter");
    QTEST(state.CapCoefficient, "coefficient");
    QTEST(state.ParallelCap, "parallel");
    QTEST(state.SeriesCap, "series");
}

void TestCalculator::bandEdges_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<float>("diameter");
    QTest::addColumn<float>("parallel");

    QTest::newRow("160 is band 1") << "160" << 6.35f << 27.9375f;
    QTest::newRow("159.9999 is band 2") << "159.9999" << 9.5f << 28.8750172f;
    QTest::newRow("159.999999 rounds to 160") << "159.999999" << 6.35f << 27.9375f;
    QTest::newRow("110 is band 2") << "110" << 9.5f << 40.9090919f;
    QTest::newRow("30 is band 3") << "30" << 12.7f << 122.5f;
    QTest::newRow("10 is band 4") << "10" << 25.4f << 333.0f;
    QTest::newRow("0.1 is band 5") << "0.1" << 50.8f << 24149.998f;
    QTest::newRow("-1 is band 5") << "-1" << 50.8f << -2250.0f;
    QTest::newRow("1e38 is band 1") << "1e38" << 6.35f << 3.0f;
}

void TestCalculator::bandEdges()
{
    QFETCH(QString, input);
    Module1 state;
    QCOMPARE(state.ComputeLengths(single(qPrintable(input))), ErrorKind::None);
    state.SelectElementDiameter();
    QCOMPARE(state.ComputeCapacitors(), ErrorKind::None);
    QTEST(state.ElementDiameter, "diameter");
    QTEST(state.ParallelCap, "parallel");
}

void TestCalculator::failureStoresBeforeRaising_data()
{
    QTest::addColumn<float>("frequency");
    QTest::addColumn<ErrorKind>("error");

    QTest::newRow("zero") << 0.0f << ErrorKind::DivisionByZero;
    QTest::newRow("negative zero") << -0.0f << ErrorKind::DivisionByZero;
    QTest::newRow("1e-35") << 1e-35f << ErrorKind::Overflow;
    QTest::newRow("-1e-35") << -1e-35f << ErrorKind::Overflow;
    QTest::newRow("smallest subnormal") << std::nextafter(0.0f, 1.0f) << ErrorKind::Overflow;
}

void TestCalculator::failureStoresBeforeRaising()
{
    QFETCH(float, frequency);
    Module1 state;
    QTEST(state.ComputeLengths(frequency), "error");
    QCOMPARE(state.Frequency, frequency);
    QVERIFY(std::isinf(state.VerticalHeight));
    // Nothing after the failing step ran.
    QCOMPARE(state.HorizontalSide, 0.0f);
    QCOMPARE(state.CenterGap, 0.0f);
}

void TestCalculator::failureKeepsEarlierValues()
{
    Module1 state;
    QCOMPARE(state.ComputeLengths(137.5f), ErrorKind::None);
    state.SelectElementDiameter();
    QCOMPARE(state.ComputeCapacitors(), ErrorKind::None);
    QCOMPARE(state.ComputeLengths(0.0f), ErrorKind::DivisionByZero);
    QCOMPARE(state.HorizontalSide, 193.000122f);
    QCOMPARE(state.ParallelCap, 33.2072716f);

    // 9.6e-35 is about where the first length stops overflowing.
    QCOMPARE(state.ComputeLengths(9.7e-35f), ErrorKind::None);
    QCOMPARE(state.ComputeLengths(9.5e-35f), ErrorKind::Overflow);
}

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
