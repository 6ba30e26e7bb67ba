#include "calc/compute_command.h"
#include "texts_written.h"

#include <QTest>

#include <vector>

using namespace varnel;

namespace {

struct RecordingWriter : FieldWriter
{
    std::vector<std::pair<ResultField, std::string>> writes;
    void write(ResultField field, const std::string &text) override { writes.emplace_back(field, text); }
};

} // namespace

class TestCompute : public QObject
{
    Q_OBJECT

private slots:
    void textsWritten_data();
    void textsWritten();
    void writesEachFieldOnceInOrder();
    void failureWritesNothing_data();
    void failureWritesNothing();
};

void TestCompute::textsWritten_data()
{
    testing::addTextsWrittenRows();
}

void TestCompute::textsWritten()
{
    QFETCH(QString, input);
    QFETCH(QString, separator);
    QFETCH(QStringList, texts);
    Module1 state;
    // Twice: a second press writes the same texts.
    for (int press = 0; press < 2; ++press) {
        const ComputeTexts result = computeTexts(state, input.toStdString(), separator.toStdString());
        QCOMPARE(result.error, ErrorKind::None);
        QStringList actual;
        for (const std::string &text : result.texts)
            actual << QString::fromStdString(text);
        QCOMPARE(actual, texts);
    }
}

void TestCompute::writesEachFieldOnceInOrder()
{
    Module1 state;
    RecordingWriter writer;
    QCOMPARE(runCompute(state, "137.5", ".", writer), ErrorKind::None);
    QCOMPARE(writer.writes.size(), kWriteOrder.size());
    for (std::size_t i = 0; i < kWriteOrder.size(); ++i)
        QCOMPARE(writer.writes[i].first, kWriteOrder[i]);
}

void TestCompute::failureWritesNothing_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<ErrorKind>("error");

    QTest::newRow("letters") << "abc" << ErrorKind::TypeMismatch;
    QTest::newRow("empty") << "" << ErrorKind::TypeMismatch;
    QTest::newRow("1e39") << "1e39" << ErrorKind::Overflow;
    QTest::newRow("0") << "0" << ErrorKind::DivisionByZero;
    QTest::newRow("-0") << "-0" << ErrorKind::DivisionByZero;
    QTest::newRow("1e-35") << "1e-35" << ErrorKind::Overflow;
    QTest::newRow("1e-50 reads as zero") << "1e-50" << ErrorKind::DivisionByZero;
}

void TestCompute::failureWritesNothing()
{
    QFETCH(QString, input);
    Module1 state;
    RecordingWriter writer;
    QTEST(runCompute(state, input.toStdString(), ".", writer), "error");
    QVERIFY(writer.writes.empty());
}

QTEST_APPLESS_MAIN(TestCompute)
#include "tst_compute.moc"
