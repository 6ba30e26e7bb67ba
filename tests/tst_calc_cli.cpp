#include "app/calc_cli.h"

#include <QTest>

#include <sstream>

using namespace varnel;

class TestCalcCli : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void sheetShowsEveryRow();
};

void TestCalcCli::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString design = "\t237.99\t40\t126\t193\t9.5\t33.21\t9.96\t0.374\t9.37\t1.575\t4.961\t7.598\n";
    QTest::newRow("tsv argument") << QStringList {"--tsv", "137.5"} << ""
                                  << "." << 0 << "137.5" + design << "";
    QTest::newRow("negative frequency is no option")
        << QStringList {"--tsv", "-137.5"} << ""
        << "." << 0 << "-137.5\t-237.99\t-40\t-126\t-193\t50.8\t132.55\t39.76\t2\t-9.37\t-1.575\t-4.961\t-7.598\n"
        << "";
    QTest::newRow("tsv stdin, CR LF and an error") << QStringList {"--tsv"} << "137.500\r\nabc\n"
                                                   << "." << 1 << "137.500" + design + "abc\tERROR\tType mismatch\n"
                                                   << "varnel-calc: 'abc': Type mismatch\n";
    QTest::newRow("stdin line taken as it stands") << QStringList {"--tsv"} << " 137.5 \n\n"
                                                   << "." << 1 << " 137.5 " + design + "\tERROR\tType mismatch\n"
                                                   << "varnel-calc: '': Type mismatch\n";
    QTest::newRow("comma locale") << QStringList {"--tsv", "137,5"} << ""
                                  << "," << 0
                                  << "137,5\t237,99\t40\t126\t193\t9,5\t33,21\t9,96\t0,374\t9,37\t1,575\t4,961\t7,598\n"
                                  << "";
    QTest::newRow("zero fails, the rest goes on")
        << QStringList {"--tsv", "0", "137.5"} << ""
        << "." << 1 << "0\tERROR\tDivision by zero\n137.5" + design << "varnel-calc: '0': Division by zero\n";
    QTest::newRow("unknown option") << QStringList {"--frobnicate"} << ""
                                    << "." << 2 << ""
                                    << "varnel-calc: unknown option '--frobnicate'\nTry 'varnel-calc --help'.\n";
    QTest::newRow("after -- everything is a frequency") << QStringList {"--tsv", "--", "--help"} << ""
                                                        << "." << 1 << "--help\tERROR\tType mismatch\n"
                                                        << "varnel-calc: '--help': Type mismatch\n";
}

void TestCalcCli::run()
{
    QFETCH(QStringList, args);
    QFETCH(QString, input);
    QFETCH(QString, separator);
    std::vector<std::string> argv;
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    std::istringstream in(input.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    QTEST(runCalcCli(argv, in, out, err, separator.toStdString()), "status");
    QTEST(QString::fromStdString(out.str()), "out");
    QTEST(QString::fromStdString(err.str()), "err");
}

void TestCalcCli::sheetShowsEveryRow()
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(runCalcCli({"137.5"}, in, out, err, "."), 0);
    const QString expected = "Frequency 137.5 MHz\n"
                             "  Element Diameter is                           9.5 MM  0.374 INCH\n"
                             "  The vertical element height is             237.99 MM   9.37 INCH\n"
                             "  The dipole center gap and vertical gap is      40 MM  1.575 INCH\n"
                             "  The horizontal end sections are               126 MM  4.961 INCH\n"
                             "  The horizontal sides are                      193 MM  7.598 INCH\n"
                             "  The parallel tuning capacitor is            33.21 PF\n"
                             "  The series tuning capacitor is               9.96 PF\n";
    QCOMPARE(QString::fromStdString(out.str()), expected);
}

QTEST_APPLESS_MAIN(TestCalcCli)
#include "tst_calc_cli.moc"
