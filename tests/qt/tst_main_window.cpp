#include "test_support.h"
#include "tests/shared/texts_written.h"

#include "designs/main_window_design.h"
#include "platform/locale_numbers.h"
#include "qt/companion/companion_windows.h"
#include "qt/design/application.h"
#include "qt/design/picture_box.h"
#include "qt/main/main_window.h"
#include "varnel/build_info.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

using namespace varnel;
using namespace varnel::testing;

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void controlsFollowTheDesign_data();
    void controlsFollowTheDesign();
    void photographUnscaledAndCropped();
    void initialFocusAndTabCycle();
    void computeByClick_data();
    void computeByClick();
    void computeInLocale_data();
    void computeInLocale();
    void errorLeavesFieldsAndProgram_data();
    void errorLeavesFieldsAndProgram();
    void enterDoesNotCompute();
    void enterOnAButtonPressesIt_data();
    void enterOnAButtonPressesIt();
    void resizeMovesNothing();
    void screenReadersHearRowAndColumn_data();
    void screenReadersHearRowAndColumn();

private:
    QStringList resultTexts() const;
    void typeFrequency(const QString &text);

    std::unique_ptr<RecordingReporter> m_reporter;
    std::unique_ptr<NullStarter> m_starter;
    std::unique_ptr<CompanionWindows> m_companions;
    std::unique_ptr<Form1> m_form;
};

void TestForm1::initTestCase()
{
    setUpApplication(*qApp);
}

void TestForm1::init()
{
    QVERIFY(useLocale("C.UTF-8"));
    m_reporter = std::make_unique<RecordingReporter>();
    m_starter = std::make_unique<NullStarter>();
    m_companions = std::make_unique<CompanionWindows>(*m_reporter, *m_starter);
    m_form = std::make_unique<Form1>(*m_reporter, *m_companions, localeDecimalSeparator);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestForm1::cleanup()
{
    m_form.reset();
    m_reporter.reset();
    useLocale("C.UTF-8");
}

QStringList TestForm1::resultTexts() const
{
    QStringList texts;
    for (QLineEdit *field : m_form->controls().results)
        texts << field->text();
    return texts;
}

void TestForm1::typeFrequency(const QString &text)
{
    QLineEdit *input = m_form->controls().text3;
    QTest::mouseClick(input, Qt::LeftButton);
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input, Qt::Key_Delete);
    QTest::keyClicks(input, text);
    QCOMPARE(input->text(), text);
}

void TestForm1::window()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("VAR-NEL"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("varnel"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(VARNEL_VERSION));
    QVERIFY(!QApplication::windowIcon().isNull());
    // The .ico's own drawings for the title bar; docks and task switchers
    // take the theme's large sizes through the desktop entry.
    QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize> {QSize(16, 16), QSize(32, 32)}));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.varnel"));
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->size(), QSize(506, 414));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(255, 224, 192));
    QVERIFY(m_form->autoFillBackground());
    QVERIFY(!m_form->controls().command1->isDefault());
    QVERIFY(!m_form->controls().command1->autoDefault());
}

void TestForm1::controlsFollowTheDesign_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kForm1Design.controls.size(); ++i)
        QTest::newRow(kForm1Design.controls[i].name.data()) << static_cast<int>(i);
}

void TestForm1::controlsFollowTheDesign()
{
    QFETCH(int, index);
    verifyControl(m_form.get(), kForm1Design, static_cast<std::size_t>(index));
}

void TestForm1::photographUnscaledAndCropped()
{
    PictureBox *box = m_form->controls().picture1;
    QCOMPARE(box->pixmap().size(), QSize(103, 186));
    // 101 x 181 of it shows inside the 2-pixel border, at any scale.
    QCOMPARE(box->canvas()->geometry(), QRect(2, 2, 101, 181));
    const QImage shown = paintedPicture(box->canvas());
    const QImage photo = box->pixmap().toImage();
    const qreal scale = box->canvas()->devicePixelRatioF();
    QCOMPARE(shown.size(), (QSizeF(101, 181) * scale).toSize());
    // The same pixels at scale 1; on a scaled screen smoothed, but over
    // the same points (unscaled, or grey beyond the image, is 40 and more).
    QVERIFY2(differenceFromImage(shown, photo, scale) <= (scale == 1 ? 0 : 8),
             qPrintable(QString::number(differenceFromImage(shown, photo, scale))));
}

void TestForm1::initialFocusAndTabCycle()
{
    const QStringList cycle {"Picture1", "Text3",  "Text5",  "Text7",    "Command1", "Text10",
                             "Text12",   "Text15", "Text17", "Text20",   "Text11",   "Text16",
                             "Text18",   "Text22", "Text25", "Command2", "Command3", "Picture1"};
    QCOMPARE(QApplication::focusWidget()->objectName(), cycle.first());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

void TestForm1::computeByClick_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("texts");
    for (const TextsWrittenRow &row : kTextsWritten) {
        QTest::newRow(row.tag) << row.input << row.separator
                               << QString::fromLatin1(row.texts.data(), qsizetype(row.texts.size())).split(u' ');
    }
}

void TestForm1::computeByClick()
{
    QFETCH(QString, input);
    QFETCH(QString, separator);
    QFETCH(QStringList, texts);
    // The window takes the separator from the user's locale.
    if (!useLocale(separator == QLatin1String(",") ? "de_DE.UTF-8" : "C.UTF-8"))
        QSKIP("the test locales were not made (Debian package: locales)");
    QCOMPARE(m_form->controls().result(ResultField::Text7)->text(), QStringLiteral(".375"));
    typeFrequency(input);
    QTest::mouseClick(m_form->controls().command1, Qt::LeftButton);
    QCOMPARE(resultTexts(), texts);
    QCOMPARE(m_form->controls().text3->text(), input); // never rewritten
    QVERIFY(m_reporter->reports.isEmpty());
}

// The first click in a comma locale computes the design's own "137.500";
// a dot is always a decimal point, the locale's separator too, and results
// show the locale's separator. In fa_IR the C library says "." where Qt
// would say "٫": the window follows the C library, as varnel-calc does.
void TestForm1::computeInLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("diameterInch");

    QTest::newRow("de_DE, the stored 137.500") << QByteArray("de_DE.UTF-8") << "137.500"
                                               << "237,99"
                                               << "0,374";
    QTest::newRow("de_DE, 137,5") << QByteArray("de_DE.UTF-8") << "137,5"
                                  << "237,99"
                                  << "0,374";
    QTest::newRow("fr_FR, 14.2") << QByteArray("fr_FR.UTF-8") << "14.2"
                                 << "2304,47"
                                 << "1";
    QTest::newRow("fa_IR, 137.5") << QByteArray("fa_IR.UTF-8") << "137.5"
                                  << "237.99"
                                  << "0.374";
    QTest::newRow("pasted with a line break") << QByteArray("C.UTF-8") << "14.2\n"
                                              << "2304.47"
                                              << "1";
}

void TestForm1::computeInLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, input);
    if (!useLocale(locale.constData()))
        QSKIP("the test locales were not made (Debian package: locales)");
    // Set as a paste would: a line edit takes no line break from the keyboard.
    m_form->controls().text3->setText(input);
    QTest::mouseClick(m_form->controls().command1, Qt::LeftButton);
    QVERIFY2(m_reporter->reports.isEmpty(),
             qPrintable(m_reporter->reports.isEmpty() ? QString() : m_reporter->reports.first().detail));
    QTEST(m_form->controls().result(ResultField::Text10)->text(), "height");
    QTEST(m_form->controls().result(ResultField::Text7)->text(), "diameterInch");
}

void TestForm1::errorLeavesFieldsAndProgram_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<QString>("shown"); // in the message, invisible characters made visible

    QTest::newRow("letters") << "abc" << ErrorKind::TypeMismatch << "abc";
    QTest::newRow("empty") << "" << ErrorKind::TypeMismatch << "";
    QTest::newRow("0") << "0" << ErrorKind::DivisionByZero << "0";
    QTest::newRow("1e39") << "1e39" << ErrorKind::Overflow << "1e39";
    QTest::newRow("1e-35") << "1e-35" << ErrorKind::Overflow << "1e-35";
    QTest::newRow("a comma where the dot is the separator") << "137,5" << ErrorKind::TypeMismatch << "137,5";
    QTest::newRow("a tab inside") << "13\t7.5" << ErrorKind::TypeMismatch << "13\u24097.5";
    QTest::newRow("a no-break space inside") << "13\u00a07.5" << ErrorKind::TypeMismatch << "13\u237d7.5";
}

void TestForm1::errorLeavesFieldsAndProgram()
{
    QFETCH(QString, input);
    QFETCH(ErrorKind, error);
    QFETCH(QString, shown);
    // Both before any compute (placeholders) and after one.
    for (bool computedFirst : {false, true}) {
        if (computedFirst) {
            typeFrequency(QStringLiteral("50"));
            QTest::mouseClick(m_form->controls().command1, Qt::LeftButton);
        }
        const QStringList before = resultTexts();
        m_reporter->reports.clear();
        m_form->controls().text3->setText(input); // as pasted: the keyboard types no tab here
        QTest::mouseClick(m_form->controls().command1, Qt::LeftButton);
        QCOMPARE(m_reporter->reports.size(), 1);
        QCOMPARE(m_reporter->reports.first().kind, error);
        QVERIFY(m_reporter->reports.first().detail.contains(QChar(0x201C) + shown + QChar(0x201D)));
        QCOMPARE(resultTexts(), before);
        QVERIFY(m_form->isVisible());
    }
    // And the program still computes.
    typeFrequency(QStringLiteral("137.5"));
    QTest::mouseClick(m_form->controls().command1, Qt::LeftButton);
    QCOMPARE(m_form->controls().result(ResultField::Text10)->text(), QStringLiteral("237.99"));
}

void TestForm1::enterDoesNotCompute()
{
    const QStringList before = resultTexts();
    typeFrequency(QStringLiteral("50"));
    QTest::keyClick(m_form->controls().text3, Qt::Key_Return);
    QTest::keyClick(m_form->controls().text3, Qt::Key_Enter);
    QCOMPARE(resultTexts(), before);
    QVERIFY(m_reporter->reports.isEmpty());
}

void TestForm1::enterOnAButtonPressesIt_data()
{
    QTest::addColumn<int>("tabs"); // from the input
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");

    QTest::newRow("Return on COMPUTE") << 3 << int(Qt::Key_Return) << "Command1";
    QTest::newRow("Enter on COMPUTE") << 3 << int(Qt::Key_Enter) << "Command1";
    QTest::newRow("Space on COMPUTE") << 3 << int(Qt::Key_Space) << "Command1";
    QTest::newRow("Return on NOTES") << 14 << int(Qt::Key_Return) << "Command2";
    QTest::newRow("Enter on WEBSITE") << 15 << int(Qt::Key_Enter) << "Command3";
}

void TestForm1::enterOnAButtonPressesIt()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, button);
    typeFrequency(QStringLiteral("50"));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), button);
    auto *pushButton = qobject_cast<QPushButton *>(QApplication::focusWidget());
    QVERIFY(pushButton);
    QSignalSpy clicked(pushButton, &QPushButton::clicked);
    QTest::keyClick(pushButton, static_cast<Qt::Key>(key));
    QTRY_COMPARE(clicked.size(), 1);
    if (button == QLatin1String("Command1"))
        QCOMPARE(m_form->controls().result(ResultField::Text10)->text(), QStringLiteral("654.47"));
    QVERIFY(!pushButton->isDefault()); // no default-button frame
}

void TestForm1::resizeMovesNothing()
{
    QHash<QString, QRect> before;
    for (const ControlDesign &control : kForm1Design.controls) {
        const QString name = toQString(control.name);
        before.insert(name, m_form->findChild<QWidget *>(name)->geometry());
    }
    m_form->resize(900, 700);
    QCoreApplication::processEvents();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(m_form->findChild<QWidget *>(it.key())->geometry(), it.value());
}

// What a screen reader announces, through Qt's accessibility interfaces.
void TestForm1::screenReadersHearRowAndColumn_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("the input") << "Text3"
                               << "Input frequency in MHz";
    QTest::newRow("diameter, mm") << "Text5"
                                  << "Element Diameter is, MM";
    QTest::newRow("diameter, inch") << "Text7"
                                    << "Element Diameter is, INCH";
    QTest::newRow("height, mm") << "Text10"
                                << "The vertical element height is, MM";
    QTest::newRow("height, inch (Text12)") << "Text12"
                                           << "The vertical element height is, INCH";
    QTest::newRow("end, inch (Text11)") << "Text11"
                                        << "The horizontal end sections are, INCH";
    QTest::newRow("gap, mm") << "Text15"
                             << "The dipole center gap and vertical gap is, MM";
    QTest::newRow("side, inch") << "Text18"
                                << "The horizontal sides are, INCH";
    QTest::newRow("parallel capacitor") << "Text22"
                                        << "The parallel tuning capacitor is, PF";
    QTest::newRow("series capacitor") << "Text25"
                                      << "The series tuning capacitor is, PF";
    QTest::newRow("COMPUTE keeps its text") << "Command1"
                                            << "COMPUTE";
    QTest::newRow("NOTES keeps its text") << "Command2"
                                          << "NOTES";
}

void TestForm1::screenReadersHearRowAndColumn()
{
    QFETCH(QString, control);
    auto *widget = m_form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QTEST(accessible->text(QAccessible::Name), "name");
    // A field is announced by its name, then by what it holds, which is
    // still the design's text: the name is not written on screen.
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        const auto row = std::find_if(kForm1Design.controls.begin(), kForm1Design.controls.end(),
                                      [&](const ControlDesign &c) { return toQString(c.name) == control; });
        QVERIFY(row != kForm1Design.controls.end());
        QCOMPARE(line->text(), toQString(row->text));
        QCOMPARE(accessible->text(QAccessible::Value), line->text());
    }
    QAccessibleInterface *photo = QAccessible::queryAccessibleInterface(m_form->controls().picture1);
    QVERIFY(photo->text(QAccessible::Description).startsWith(QLatin1String("Photograph of the antenna")));
}

QTEST_MAIN(TestForm1)
#include "tst_main_window.moc"
