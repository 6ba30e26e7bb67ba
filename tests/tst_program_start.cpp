#include "platform/program_start.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace varnel;

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void startExeOpensWithTheDefaultHandler();
    void startsWithoutShell();
    void missingProgramFails_data();
    void missingProgramFails();
};

void TestProgramStart::parse_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("defaultHandler");

    QTest::newRow("the link's command") << "start.exe https://example.org/varnel/"
                                        << "start.exe" << QStringList {"https://example.org/varnel/"} << true;
    QTest::newRow("START.EXE in capitals") << "START.EXE https://example.org/"
                                           << "START.EXE" << QStringList {"https://example.org/"} << true;
    QTest::newRow("start keeps the rest whole") << "start a b;c"
                                                << "start" << QStringList {"a b;c"} << true;
    QTest::newRow("other program, blank separated") << "  echo one  two "
                                                    << "echo" << QStringList {"one", "two"} << false;
    QTest::newRow("empty") << ""
                           << "" << QStringList {} << false;
}

void TestProgramStart::parse()
{
    QFETCH(QString, commandLine);
    const ParsedCommand parsed = parseCommandLine(commandLine.toStdString());
    QTEST(QString::fromStdString(parsed.program), "program");
    QStringList arguments;
    for (const std::string &argument : parsed.arguments)
        arguments << QString::fromStdString(argument);
    QTEST(arguments, "arguments");
    QTEST(parsed.openWithDefaultHandler, "defaultHandler");
}

// A stand-in xdg-open on PATH records the arguments it was given.
void TestProgramStart::startExeOpensWithTheDefaultHandler()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("args"));
    QFile script(dir.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + oldPath);
    SystemProgramStarter starter;
    // A semicolon and a dollar sign would mean something to a shell.
    const StartResult result = starter.start("start.exe https://example.org/a;b$HOME/", WindowStyle::Hidden);
    qputenv("PATH", oldPath);

    QCOMPARE(result.error, ErrorKind::None);
    QVERIFY(result.taskId > 0);
    QTRY_VERIFY(QFile::exists(record));
    QFile recorded(record);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(recorded.readAll(), QByteArray("1|https://example.org/a;b$HOME/|"));
}

void TestProgramStart::startsWithoutShell()
{
    SystemProgramStarter starter;
    const StartResult result = starter.start("true and arguments", WindowStyle::Hidden);
    QCOMPARE(result.error, ErrorKind::None);
    QVERIFY(result.taskId > 0);
}

void TestProgramStart::missingProgramFails_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("no such program") << "/nonexistent/varnel-test-program";
    QTest::newRow("empty") << "";
    QTest::newRow("start without target") << "start.exe ";
}

void TestProgramStart::missingProgramFails()
{
    QFETCH(QString, commandLine);
    SystemProgramStarter starter;
    QCOMPARE(starter.start(commandLine.toStdString(), WindowStyle::Hidden).error, ErrorKind::CannotStartProgram);
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"
