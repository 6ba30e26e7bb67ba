// Long use of the real windows: thousands of frequencies typed or pasted
// into the input and computed, and the companion windows opened and closed
// hundreds of times. Every press must agree with the core, the program must
// live on, and memory must not grow with use.
#include "test_support.h"

#include "platform/locale_numbers.h"
#include "platform/program_start.h"
#include "qt/companion/companion_windows.h"
#include "qt/companion/notes_window.h"
#include "qt/companion/web_link_window.h"
#include "qt/design/application.h"
#include "qt/main/main_window.h"

#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>

#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define VARNEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARNEL_ASAN 1
#endif
#endif

using namespace varnel;
using namespace varnel::testing;

namespace {

// Resident memory of this process, in KiB.
qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// A margin for allocator noise; a leak of one window or one text per press
// over hundreds of presses is far beyond it.
constexpr qint64 kMarginKiB = 4096;

// Frequencies of every kind, the same on every run.
QStringList soakInputs(int count)
{
    QRandomGenerator random(20261208);
    const QStringList fixed {"137.5", "137.500", "",    "abc",      "0",     "-0",   "1e39", "1e-35",   "1e-50", "1e38",
                             "3e38",  "-137.5",  "160", "159.9999", "0.1",   " 50 ", "14,2", "1.375E2", "12e",   "+7.1",
                             "0x10",  "inf",     "nan", "9.7e-35",  "2.675", "300",  "-1",   "1,000"};
    QStringList inputs;
    for (int i = 0; i < count; ++i) {
        switch (random.bounded(6)) {
        case 0:
            inputs << fixed[random.bounded(fixed.size())];
            break;
        case 1:
            inputs << QString::number(random.bounded(1, 1000));
            break;
        case 2:
            inputs << QString::number(random.generateDouble() * 500, 'f', random.bounded(0, 7));
            break;
        case 3:
            inputs << QString::number((random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-40, 40)), 'g',
                                      random.bounded(1, 10));
            break;
        case 4: {
            QString junk;
            for (int c = random.bounded(1, 12); c > 0; --c)
                junk += QChar(u"0123456789.,eE+- xyz"[random.bounded(20)]);
            inputs << junk;
            break;
        }
        default:
            inputs << QString::number(random.bounded(1, 400)) + QStringLiteral(".")
                    + QString::number(random.bounded(0, 100));
        }
    }
    return inputs;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void thousandsOfPresses();
    void companionsOpenAndCloseHundredsOfTimes();

private:
    void enter(QLineEdit *input, const QString &text, bool paste);
};

void TestSoak::initTestCase()
{
    setUpApplication(*qApp);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSoak::enter(QLineEdit *input, const QString &text, bool paste)
{
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty() || paste) {
        QTest::keyClick(input, Qt::Key_Delete);
        if (!text.isEmpty()) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        }
    } else {
        QTest::keyClicks(input, text);
    }
}

void TestSoak::thousandsOfPresses()
{
    RecordingReporter reporter;
    NullStarter starter;
    CompanionWindows companions(reporter, starter);
    Form1 form(reporter, companions, localeDecimalSeparator);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLineEdit *input = form.controls().text3;
    QTest::mouseClick(input, Qt::LeftButton);

    QStringList inputs = soakInputs(2000);
    // Pasted, not typed: a megabyte of digits, and text with line breaks.
    // The megabytes come within the first hundred presses: the input's undo
    // history keeps what each edit removed (some 24 bytes a character) until
    // the window closes, which is the line edit's design, not a leak.
    const QString megabyte(1 << 20, QLatin1Char('7'));
    inputs.insert(40, megabyte);
    inputs.insert(70, megabyte);
    inputs.insert(60, QStringLiteral("137.5\n200"));
    inputs.insert(1200, QStringLiteral("435\r\n"));

    qint64 afterHundred = 0;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const bool paste = inputs[i].size() > 64 || inputs[i].contains(QLatin1Char('\n'));
        enter(input, inputs[i], paste);
        QStringList before;
        for (QLineEdit *field : form.controls().results)
            before << field->text();
        const qsizetype reportsBefore = reporter.reports.size();

        QTest::mouseClick(form.controls().command1, Qt::LeftButton);

        // What the core computes for the text the input really holds.
        Module1 core;
        const QByteArray typed = input->text().toUtf8();
        const ComputeTexts expected = computeTexts(core, typed.toStdString(), ".");
        QStringList after;
        for (QLineEdit *field : form.controls().results)
            after << field->text();
        if (expected.error == ErrorKind::None) {
            QStringList texts;
            for (const std::string &text : expected.texts)
                texts << QString::fromStdString(text);
            QCOMPARE(after, texts);
            QCOMPARE(reporter.reports.size(), reportsBefore);
        } else {
            QCOMPARE(after, before);
            QCOMPARE(reporter.reports.size(), reportsBefore + 1);
            QCOMPARE(reporter.reports.last().kind, expected.error);
        }
        QVERIFY(form.isVisible());
        if (i == 99)
            afterHundred = residentKiB();
    }
    const qint64 atEnd = residentKiB();
    qInfo("%lld presses; resident memory after 100: %lld KiB, after the last: %lld KiB", qint64(inputs.size()),
          afterHundred, atEnd);
    QVERIFY2(afterHundred > 0 && atEnd > 0, "the resident memory cannot be read");
#ifndef VARNEL_ASAN // the sanitizer holds freed memory back on purpose
    QVERIFY2(atEnd <= afterHundred + kMarginKiB, "memory grows with use");
#endif
}

void TestSoak::companionsOpenAndCloseHundredsOfTimes()
{
    RecordingReporter reporter;
    NullStarter starter;
    CompanionWindows companions(reporter, starter);
    Form1 form(reporter, companions, localeDecimalSeparator);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto count = [](const char *className) {
        int n = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            n += widget->inherits(className);
        return n;
    };
    qint64 afterFifty = 0;
    constexpr int kRounds = 300;
    for (int round = 0; round < kRounds; ++round) {
        QTest::mouseClick(form.controls().command2, Qt::LeftButton);
        QTest::mouseClick(form.controls().command3, Qt::LeftButton);
        QTest::mouseClick(form.controls().command2, Qt::LeftButton); // again while open
        QCOMPARE(count("varnel::Form2"), 1);
        QCOMPARE(count("varnel::Web"), 1);
        companions.notes()->close();
        companions.webLink()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(count("varnel::Form2"), 0);
        QCOMPARE(count("varnel::Web"), 0);
        if (round == 49)
            afterFifty = residentKiB();
    }
    const qint64 atEnd = residentKiB();
    qInfo("%d rounds; resident memory after 50: %lld KiB, after the last: %lld KiB", kRounds, afterFifty, atEnd);
    QVERIFY2(afterFifty > 0 && atEnd > 0, "the resident memory cannot be read");
#ifndef VARNEL_ASAN
    QVERIFY2(atEnd <= afterFifty + kMarginKiB, "memory grows with use");
#endif
    QVERIFY(reporter.reports.isEmpty());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
