#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/text_to_number.h"

#include <QTest>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

using namespace varnel;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseHugeTextAtOnce_data();
    void parseHugeTextAtOnce();
    void roundSingle_data();
    void roundSingle();
    void roundDouble_data();
    void roundDouble();
    void formatSingle_data();
    void formatSingle();
    void formatDouble_data();
    void formatDouble();
};

void TestNumbers::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<float>("value");

    const auto ok = ErrorKind::None;
    const auto mismatch = ErrorKind::TypeMismatch;
    const auto overflow = ErrorKind::Overflow;
    QTest::newRow("plain") << "137.5"
                           << "." << ok << 137.5f;
    QTest::newRow("trailing zeros") << "137.500"
                                    << "." << ok << 137.5f;
    QTest::newRow("blanks around") << "  \t137.5 "
                                   << "." << ok << 137.5f;
    QTest::newRow("plus sign") << "+7.1"
                               << "." << ok << 7.1f;
    QTest::newRow("minus sign") << "-137.5"
                                << "." << ok << -137.5f;
    QTest::newRow("leading separator") << ".5"
                                       << "." << ok << 0.5f;
    QTest::newRow("trailing separator") << "5."
                                        << "." << ok << 5.0f;
    QTest::newRow("exponent") << "1.375E2"
                              << "." << ok << 137.5f;
    QTest::newRow("small e, signed exponent") << "1375e-1"
                                              << "." << ok << 137.5f;
    QTest::newRow("comma locale") << "137,5"
                                  << "," << ok << 137.5f;
    QTest::newRow("dot in comma locale") << "137.5"
                                         << "," << mismatch << 0.0f;
    QTest::newRow("comma in dot locale") << "137,5"
                                         << "." << mismatch << 0.0f;
    QTest::newRow("thousands separator") << "1,000.5"
                                         << "." << mismatch << 0.0f;
    QTest::newRow("empty") << ""
                           << "." << mismatch << 0.0f;
    QTest::newRow("blanks only") << "   "
                                 << "." << mismatch << 0.0f;
    QTest::newRow("letters") << "abc"
                             << "." << mismatch << 0.0f;
    QTest::newRow("number then letters") << "137.5MHz"
                                         << "." << mismatch << 0.0f;
    QTest::newRow("blank inside") << "13 7.5"
                                  << "." << mismatch << 0.0f;
    QTest::newRow("inf is no number") << "inf"
                                      << "." << mismatch << 0.0f;
    QTest::newRow("nan is no number") << "nan"
                                      << "." << mismatch << 0.0f;
    QTest::newRow("hexadecimal") << "0x1p3"
                                 << "." << mismatch << 0.0f;
    QTest::newRow("lone separator") << "."
                                    << "." << mismatch << 0.0f;
    QTest::newRow("lone sign") << "-"
                               << "." << mismatch << 0.0f;
    QTest::newRow("two separators") << "1.2.3"
                                    << "." << mismatch << 0.0f;
    QTest::newRow("bare exponent") << "1e"
                                   << "." << mismatch << 0.0f;
    QTest::newRow("exponent without mantissa") << "e5"
                                               << "." << mismatch << 0.0f;
    QTest::newRow("line break inside") << "137\n.5"
                                       << "." << mismatch << 0.0f;
    // Nearest Single to the decimal itself: through a double first, the
    // first of these would round to 1.00000012.
    QTest::newRow("just above a Single halfway") << "1.000000059604644775390625000000000001"
                                                 << "." << ok << std::nextafter(1.0f, 2.0f);
    QTest::newRow("exact Single halfway, ties to even") << "1.000000059604644775390625"
                                                        << "." << ok << 1.0f;
    QTest::newRow("largest Single") << "3.4028234663852886e38"
                                    << "." << ok << std::numeric_limits<float>::max();
    QTest::newRow("just below overflow") << "3.40282356e38"
                                         << "." << ok << std::numeric_limits<float>::max();
    QTest::newRow("rounds to infinity") << "3.4028236e38"
                                        << "." << overflow << 0.0f;
    QTest::newRow("1e39") << "1e39"
                          << "." << overflow << 0.0f;
    QTest::newRow("-1e39") << "-1e39"
                           << "." << overflow << 0.0f;
    QTest::newRow("subnormal") << "1e-45"
                               << "." << ok << std::numeric_limits<float>::denorm_min();
    QTest::newRow("tiny rounds to zero") << "1e-50"
                                         << "." << ok << 0.0f;
    QTest::newRow("zero with huge exponent") << "0e999999"
                                             << "." << ok << 0.0f;
    QTest::newRow("many leading zeros") << "0000000000000000000000137.5"
                                        << "." << ok << 137.5f;
}

void TestNumbers::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(ErrorKind, error);
    QFETCH(float, value);
    const QByteArray utf8 = text.toUtf8();
    const QByteArray sep = separator.toUtf8();
    const SingleParse parsed = parseSingle(utf8.toStdString(), sep.toStdString());
    QCOMPARE(parsed.error, error);
    if (error == ErrorKind::None) {
        QCOMPARE(parsed.value, value);
        QCOMPARE(std::signbit(parsed.value), text.trimmed().startsWith(QLatin1Char('-')));
    }
}

void TestNumbers::parseHugeTextAtOnce_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<float>("value");

    const QByteArray megabyte(1 << 20, '1');
    QTest::newRow("a megabyte of digits") << megabyte << ErrorKind::Overflow << 0.0f;
    QTest::newRow("a megabyte of fraction") << QByteArray("0." + megabyte) << ErrorKind::None << 0.11111111f;
    QTest::newRow("a megabyte of leading zeros")
        << QByteArray(QByteArray(1 << 20, '0') + "137.5") << ErrorKind::None << 137.5f;
    QTest::newRow("a megabyte exponent") << QByteArray("1e-" + megabyte) << ErrorKind::None << 0.0f;
    QTest::newRow("a megabyte of letters") << QByteArray(1 << 20, 'x') << ErrorKind::TypeMismatch << 0.0f;
    // Digits far beyond what is kept still decide a rounding.
    QTest::newRow("halfway then a far sticky digit")
        << QByteArray("1.000000059604644775390625" + QByteArray(5000, '0') + "1") << ErrorKind::None
        << std::nextafter(1.0f, 2.0f);
}

void TestNumbers::parseHugeTextAtOnce()
{
    QFETCH(QByteArray, text);
    const auto start = std::chrono::steady_clock::now();
    const SingleParse parsed = parseSingle({text.constData(), static_cast<std::size_t>(text.size())}, ".");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    QTEST(parsed.error, "error");
    if (parsed.error == ErrorKind::None)
        QTEST(parsed.value, "value");
    QVERIFY(elapsed < std::chrono::milliseconds(500));
}

void TestNumbers::roundSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<float>("rounded");

    QTest::newRow("0.125 ties to even 0.12") << 0.125f << 2 << 0.12f;
    QTest::newRow("0.375 ties to even 0.38") << 0.375f << 2 << 0.38f;
    QTest::newRow("-0.125 ties to -0.12") << -0.125f << 2 << -0.12f;
    // Held as 2.67499995 and 0.00499999989: below the tie their text suggests.
    QTest::newRow("2.675 is below the tie") << 2.675f << 2 << 2.67f;
    QTest::newRow("0.005 is below the tie") << 0.005f << 2 << 0.0f;
    QTest::newRow("0.015625 at 3 places ties to even") << 0.015625f << 3 << 0.016f;
    QTest::newRow("237.988907 to 237.99") << 237.988907f << 2 << 237.99f;
    QTest::newRow("40.0000381 to 40") << 40.0000381f << 2 << 40.0f;
    QTest::newRow("27.9375 to 27.94") << 27.9375f << 2 << 27.94f;
    QTest::newRow("tiny to zero") << 1e-30f << 2 << 0.0f;
    QTest::newRow("large unchanged") << 3.0e20f << 2 << 3.0e20f;
    QTest::newRow("half to even 0") << 0.5f << 0 << 0.0f;
    QTest::newRow("1.5 to even 2") << 1.5f << 0 << 2.0f;
}

void TestNumbers::roundSingle()
{
    QFETCH(float, value);
    QFETCH(int, places);
    QTEST(roundToPlaces(value, places), "rounded");
}

void TestNumbers::roundDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.0625 ties to even 0.062") << 0.0625 << 3 << 0.062;
    QTest::newRow("0.1875 ties to even 0.188") << 0.1875 << 3 << 0.188;
    QTest::newRow("-0.0625 ties to -0.062") << -0.0625 << 3 << -0.062;
    // Held as 1.00049999999999994 and 0.37449999999999999956: below the tie,
    // although value * 1000 in double arithmetic lands on it.
    QTest::newRow("1.0005 is below the tie") << 1.0005 << 3 << 1.0;
    QTest::newRow("0.3745 is below the tie") << 0.3745 << 3 << 0.374;
    QTest::newRow("2.0005 as Single is below the tie") << double(2.0005f) << 3 << 2.0;
    QTest::newRow("9.5 / 25.4") << 9.5 / 25.4 << 3 << 0.374;
    QTest::newRow("237.99 / 25.4") << double(237.99f) / 25.4 << 3 << 9.37;
    QTest::newRow("large unchanged") << 1e300 << 3 << 1e300;
    QTest::newRow("negative tiny to -0") << -1e-200 << 3 << -0.0;
}

void TestNumbers::roundDouble()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, rounded);
    const double result = roundToPlaces(value, places);
    QCOMPARE(result, rounded);
    QCOMPARE(std::signbit(result), std::signbit(rounded));
}

void TestNumbers::formatSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("237.99") << 237.99f << "."
                            << "237.99";
    QTest::newRow("trailing zeros dropped") << 40.0f << "."
                                            << "40";
    QTest::newRow("Single 6.3499999 shows 6.35") << 6.35f << "."
                                                 << "6.35";
    QTest::newRow("leading zero") << 0.9f << "."
                                  << "0.9";
    QTest::newRow("negative") << -237.99f << "."
                              << "-237.99";
    QTest::newRow("negative zero") << -0.0f << "."
                                   << "0";
    QTest::newRow("comma separator") << 33.21f << ","
                                     << "33,21";
    QTest::newRow("seven digits") << 327234.75f << "."
                                  << "327234.8";
    QTest::newRow("tie at 7 digits to even") << 1234567.5f << "."
                                             << "1234568";
    QTest::newRow("tie at 7 digits to even down") << 1234566.5f << "."
                                                  << "1234566";
    QTest::newRow("last fixed") << 9999999.0f << "."
                                << "9999999";
    QTest::newRow("rounds up into exponent") << 9999999.5f << "."
                                             << "1E+07";
    QTest::newRow("exponent form") << 12345678.0f << "."
                                   << "1.234568E+07";
    QTest::newRow("exponent with comma") << 12345678.0f << ","
                                         << "1,234568E+07";
    QTest::newRow("big exponent") << 3e38f << "."
                                  << "3E+38";
    QTest::newRow("small fixed") << 0.0001f << "."
                                 << "0.0001";
    QTest::newRow("small exponent") << 0.00001f << "."
                                    << "1E-05";
}

void TestNumbers::formatSingle()
{
    QFETCH(float, value);
    QFETCH(QString, separator);
    QTEST(QString::fromStdString(varnel::formatSingle(value, separator.toStdString())), "text");
}

void TestNumbers::formatDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("0.374") << 0.374 << "0.374";
    QTest::newRow("9.37 not 9.370") << 9.37 << "9.37";
    QTest::newRow("whole") << 2.0 << "2";
    QTest::newRow("fifteen digits") << 12883.258 << "12883.258";
    QTest::newRow("0.1 + 0.2 at 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("exponent from 1e15") << 1e15 << "1E+15";
    QTest::newRow("below 1e15 fixed") << 999999999999999.0 << "999999999999999";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void TestNumbers::formatDouble()
{
    QFETCH(double, value);
    QTEST(QString::fromStdString(varnel::formatDouble(value, ".")), "text");
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
