#include "test_support.h"
#include "tests/shared/test_environment.h"

#include "designs/messages.h"
#include "designs/notes_window_design.h"
#include "designs/web_link_window_design.h"
#include "platform/locale_numbers.h"
#include "platform/program_start.h"
#include "qt/companion/companion_windows.h"
#include "qt/companion/notes_window.h"
#include "qt/companion/web_link_window.h"
#include "qt/design/application.h"
#include "qt/design/picture_box.h"
#include "qt/main/main_window.h"

#include <QAccessible>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <sys/wait.h>

#include <memory>

using namespace varnel;
using namespace varnel::testing;

namespace {

class RecordingStarter final : public ProgramStarter
{
public:
    struct Call
    {
        std::string commandLine;
        WindowStyle style;
    };
    std::vector<Call> calls;
    bool fail = false;
    StartResult start(std::string_view commandLine, WindowStyle style) override
    {
        calls.push_back({std::string(commandLine), style});
        return fail ? StartResult {ErrorKind::CannotStartProgram, 0, "xdg-open", "No such file or directory (error 2)"}
                    : StartResult {ErrorKind::None, 4242, "xdg-open", {}};
    }
};

template<typename T> int countTopLevel()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<T *>(widget) != nullptr;
    return count;
}

} // namespace

class TestCompanions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void notesFollowTheDesign_data();
    void notesFollowTheDesign();
    void notesTextsWordForWord();
    void notesTabCycle();
    void notesPicturesAtScale();
    void everyTextReadsOnEveryTheme();
    void notesTwiceIsOneWindow();
    void notesReloadAfterClose();
    void mainWindowClosesAlone();

    void webFollowsTheDesign_data();
    void webFollowsTheDesign();
    void webWindowFrameAndPlace();
    void linkClicksStartTheCommand_data();
    void linkClicksStartTheCommand();
    void linkFailureIsReported();
    void openerThatFailsIsReportedOnce();
    void messageTextCanBeCopied();
    void nothingTakesFocus();

private:
    QWidget *showNotes();
    Web *showWeb();

    std::unique_ptr<RecordingReporter> m_reporter;
    std::unique_ptr<RecordingStarter> m_starter;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<CompanionWindows> m_companions;
};

void TestCompanions::initTestCase()
{
    setUpApplication(*qApp);
    // The tests close every window many times; the program's quitting on
    // the last one is checked through its signal instead.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestCompanions::init()
{
    m_reporter = std::make_unique<RecordingReporter>();
    m_starter = std::make_unique<RecordingStarter>();
    m_companions = std::make_unique<CompanionWindows>(*m_reporter, *m_starter);
    m_form1 = std::make_unique<Form1>(*m_reporter, *m_companions, localeDecimalSeparator);
    m_form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
}

void TestCompanions::cleanup()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_companions.reset();
    m_form1.reset();
    m_starter.reset();
    m_reporter.reset();
}

QWidget *TestCompanions::showNotes()
{
    QTest::mouseClick(m_form1->controls().command2, Qt::LeftButton);
    QWidget *notes = m_companions->notes();
    if (notes && !QTest::qWaitForWindowExposed(notes))
        return nullptr;
    return notes;
}

Web *TestCompanions::showWeb()
{
    QTest::mouseClick(m_form1->controls().command3, Qt::LeftButton);
    Web *web = m_companions->webLink();
    if (web && !QTest::qWaitForWindowExposed(web))
        return nullptr;
    return web;
}

void TestCompanions::notesFollowTheDesign_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kForm2Design.controls.size(); ++i)
        QTest::newRow(kForm2Design.controls[i].name.data()) << static_cast<int>(i);
}

void TestCompanions::notesFollowTheDesign()
{
    QFETCH(int, index);
    QWidget *notes = showNotes();
    QVERIFY(notes);
    QCOMPARE(notes->windowTitle(), QStringLiteral("notes"));
    QCOMPARE(notes->size(), QSize(562, 442));
    QCOMPARE(notes->palette().color(QPalette::Window), QColor(255, 224, 192));
    verifyControl(notes, kForm2Design, static_cast<std::size_t>(index));
}

void TestCompanions::notesTextsWordForWord()
{
    QCOMPARE(kGeneralNotes.size(), 1765u);
    QCOMPARE(kGapNote.size(), 415u);
    const QString notes = QString::fromLatin1(kGeneralNotes.data(), static_cast<qsizetype>(kGeneralNotes.size()));
    QCOMPARE(notes.count(QStringLiteral("\r\n")), 18);
    QVERIFY(notes.endsWith(QStringLiteral("shortening it.\r\n")));
    QVERIFY(notes.contains(QStringLiteral("RHCP (ie  WEFAX)")));
    QVERIFY(notes.contains(QStringLiteral("connection.You may")));
    QVERIFY(notes.contains(QStringLiteral("want that? \r\n")));
    QVERIFY(QString::fromLatin1(kGapNote.data()).contains(QStringLiteral("elements.  This")));

    // The diagram's labels lie inside the picture box and are clipped by it.
    QWidget *window = showNotes();
    QVERIFY(window);
    auto *diagram = window->findChild<PictureBox *>(QStringLiteral("Picture1"));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("Text3"))->parentWidget(), diagram->canvas());
    QCOMPARE(diagram->canvas()->size(), QSize(200, 174));
    // The drawings are described for screen readers.
    for (const char *name : {"Picture1", "Picture2"}) {
        QAccessibleInterface *picture
            = QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(QLatin1String(name)));
        QVERIFY2(picture->text(QAccessible::Description).size() > 40, name);
    }
}

// Both drawings fill their boxes at the screen's scale as at scale 1, and
// the diagram's labels lie over the same points of it (they are placed in
// its 96-DPI pixels, which Qt scales with the image).
void TestCompanions::notesPicturesAtScale()
{
    QWidget *window = showNotes();
    QVERIFY(window);
    for (const char *name : {"Picture1", "Picture2"}) {
        auto *box = window->findChild<PictureBox *>(QLatin1String(name));
        const qreal scale = box->canvas()->devicePixelRatioF();
        const QImage shown = paintedPicture(box->canvas());
        QCOMPARE(shown.size(), (QSizeF(box->pixmap().deviceIndependentSize()) * scale).toSize());
        const double difference = differenceFromImage(shown, box->pixmap().toImage(), scale);
        QVERIFY2(difference <= (scale == 1 ? 0 : 8), qPrintable(QString::number(difference)));
    }
    auto *diagram = window->findChild<PictureBox *>(QStringLiteral("Picture1"));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("Text2"))->mapTo(diagram->canvas(), QPoint()),
             QPoint((2520 + 7) / 15, (480 + 7) / 15));
}

namespace {

// WCAG's contrast ratio, worked out here apart from the program's rule.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// A theme as Fusion and qt6ct's schemes give one.
QPalette themePalette(const QColor &window, const QColor &text, const QColor &base, const QColor &button)
{
    QPalette palette(button, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, button);
    return palette;
}

// Each text of a window by its name, with the colours it is painted in.
QHash<QString, std::pair<QColor, QColor>> textColours(QWidget *window)
{
    QHash<QString, std::pair<QColor, QColor>> colours;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QTextEdit *>(widget))
            colours[widget->objectName()]
                = {widget->palette().color(QPalette::Base), widget->palette().color(QPalette::Text)};
        else if (auto *label = qobject_cast<QLabel *>(widget))
            colours[label->objectName()]
                = {label->palette().color(QPalette::Window), label->palette().color(QPalette::WindowText)};
    }
    return colours;
}

} // namespace

// Under a dark and a high-contrast palette every text of the three windows
// reads: 4.5:1 at least, or where the design's own colours give less on
// the light theme, no less than there.
void TestCompanions::everyTextReadsOnEveryTheme()
{
    const auto allTexts = [this] {
        QHash<QString, std::pair<QColor, QColor>> texts;
        const auto add = [&](const QString &window, QWidget *widget) {
            const auto colours = textColours(widget);
            for (auto it = colours.begin(); it != colours.end(); ++it)
                texts[window + QLatin1Char('.') + it.key()] = it.value();
        };
        add(QStringLiteral("Form1"), m_form1.get());
        add(QStringLiteral("Form2"), showNotes());
        add(QStringLiteral("web"), showWeb());
        return texts;
    };
    const auto light = allTexts();
    QCOMPARE(light.size(), 27 + 7 + 3); // Form1's text boxes, Form2's, the link window's labels
    const QPalette original = QApplication::palette();
    const struct
    {
        const char *name;
        QPalette palette;
    } themes[] = {
        {"dark", themePalette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42), QColor(53, 53, 53))},
        {"high-contrast black", themePalette(Qt::black, Qt::white, Qt::black, Qt::black)},
        {"high-contrast white", themePalette(Qt::white, Qt::black, Qt::white, Qt::white)},
    };
    for (const auto &theme : themes) {
        QApplication::setPalette(theme.palette);
        cleanup();
        init();
        const auto shown = allTexts();
        for (auto it = light.begin(); it != light.end(); ++it) {
            const double floor = std::min(4.5, contrast(it->first, it->second));
            const auto &[background, text] = shown.value(it.key());
            const double ratio = contrast(background, text);
            QVERIFY2(ratio >= floor - 0.01,
                     qPrintable(QStringLiteral("%1 on %2: %3 on %4, %5:1 (at least %6)")
                                    .arg(it.key(), QLatin1String(theme.name), text.name(), background.name())
                                    .arg(ratio, 0, 'f', 2)
                                    .arg(floor, 0, 'f', 2)));
        }
    }
    QApplication::setPalette(original);
}

void TestCompanions::notesTabCycle()
{
    QWidget *notes = showNotes();
    QVERIFY(notes);
    notes->findChild<QWidget *>(QStringLiteral("Text1"))->setFocus();
    for (const char *name : {"Picture1", "Picture2", "Text1", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
}

void TestCompanions::notesTwiceIsOneWindow()
{
    QWidget *first = showNotes();
    QVERIFY(first);
    QWidget *second = showNotes();
    QCOMPARE(second, first);
    QCOMPARE(countTopLevel<Form2>(), 1);
    // Modeless, with no owner.
    QVERIFY(!first->parentWidget());
    QVERIFY(!first->isModal());
}

void TestCompanions::notesReloadAfterClose()
{
    QWidget *notes = showNotes();
    QVERIFY(notes);
    auto *text = notes->findChild<QTextEdit *>(QStringLiteral("Text1"));
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral("edited"));
    QVERIFY(storedText(text).endsWith(QStringLiteral("edited")));
    notes->close();
    QTRY_VERIFY(!m_companions->notes()); // deleted later

    QWidget *again = showNotes();
    QVERIFY(again);
    QCOMPARE(storedText(again->findChild<QTextEdit *>(QStringLiteral("Text1"))),
             QString::fromLatin1(kGeneralNotes.data(), static_cast<qsizetype>(kGeneralNotes.size())));
    QCOMPARE(countTopLevel<Form2>(), 1);
}

void TestCompanions::mainWindowClosesAlone()
{
    QWidget *notes = showNotes();
    QVERIFY(notes);
    QApplication::setQuitOnLastWindowClosed(true);
    m_form1->close();
    QVERIFY(notes->isVisible());
    // The program runs on until the notes close too; a watchdog ends a
    // loop that would not stop by itself.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    QTimer::singleShot(50, notes, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
}

void TestCompanions::webFollowsTheDesign_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kWebDesign.controls.size(); ++i)
        QTest::newRow(kWebDesign.controls[i].name.data()) << static_cast<int>(i);
}

void TestCompanions::webFollowsTheDesign()
{
    QFETCH(int, index);
    Web *web = showWeb();
    QVERIFY(web);
    verifyControl(web, kWebDesign, static_cast<std::size_t>(index));
}

void TestCompanions::webWindowFrameAndPlace()
{
    Web *web = showWeb();
    QVERIFY(web);
    QCOMPARE(web->objectName(), QStringLiteral("web"));
    QCOMPARE(web->windowTitle(), QStringLiteral("Web Page Link"));
    QCOMPARE(web->geometry(), QRect(142, 113, 221, 123));
    QCOMPARE(web->minimumSize(), web->maximumSize());
    QVERIFY(web->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(web->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(web->link()->text(), QStringLiteral(VARNEL_WEB_PAGE_ADDRESS));
    // A screen reader hears the address, and that it is a link.
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(web->link());
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral(VARNEL_WEB_PAGE_ADDRESS));
    QVERIFY(link->text(QAccessible::Description).startsWith(QLatin1String("Link")));
    QCOMPARE(web->link()->cursor().hotSpot(), QPoint(13, 9));
    QCOMPARE(web->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(showWeb(), web);
    QCOMPARE(countTopLevel<Web>(), 1);
}

void TestCompanions::linkClicksStartTheCommand_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("commands");

    QTest::newRow("one click on the link") << "lblWebPage" << 1 << 1;
    QTest::newRow("two clicks start it twice") << "lblWebPage" << 2 << 2;
    QTest::newRow("first label") << "Label1" << 1 << 0;
    QTest::newRow("second label") << "Label2" << 1 << 0;
    QTest::newRow("window background") << "web" << 1 << 0;
}

void TestCompanions::linkClicksStartTheCommand()
{
    QFETCH(QString, target);
    QFETCH(int, clicks);
    Web *web = showWeb();
    QVERIFY(web);
    QWidget *widget = target == QLatin1String("web") ? web : web->findChild<QWidget *>(target);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(widget, Qt::LeftButton, {}, target == QLatin1String("web") ? QPoint(5, 5) : QPoint());
    QTEST(static_cast<int>(m_starter->calls.size()), "commands");
    for (const RecordingStarter::Call &call : m_starter->calls) {
        // Ends in "/" although the label shows the address without it.
        QCOMPARE(call.commandLine, std::string("start.exe " VARNEL_WEB_PAGE_ADDRESS "/"));
        QCOMPARE(call.style, WindowStyle::Hidden);
    }
    QVERIFY(web->isVisible());
    QVERIFY(m_reporter->reports.isEmpty());
}

void TestCompanions::linkFailureIsReported()
{
    Web *web = showWeb();
    QVERIFY(web);
    m_starter->fail = true;
    QTest::mouseClick(web->link(), Qt::LeftButton);
    QCOMPARE(m_reporter->reports.size(), 1);
    QCOMPARE(m_reporter->reports.first().kind, ErrorKind::CannotStartProgram);
    // The opener really used, the system's reason and the address to copy;
    // never the "start.exe" that exists on no desktop.
    const QString detail = m_reporter->reports.first().detail;
    QVERIFY2(detail.contains(QLatin1String("xdg-open could not be started")), qPrintable(detail));
    QVERIFY(detail.contains(QLatin1String("(error 2)")));
    QVERIFY(detail.contains(QLatin1String("\n" VARNEL_WEB_PAGE_ADDRESS "/")));
    QVERIFY(!detail.contains(QLatin1String("start.exe")));
    QVERIFY(web->isVisible());
    QVERIFY(m_form1->isVisible());
}

// A real opener (a stand-in xdg-open on PATH) that starts, then exits with
// failure, as xdg-open does with no browser: reported once, without
// blocking, and reaped.
void TestCompanions::openerThatFailsIsReportedOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile opener(dir.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 3\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
    SystemProgramStarter starter;
    CompanionWindows companions(*m_reporter, starter);
    companions.showWebLink();
    Web *web = companions.webLink();
    QVERIFY(QTest::qWaitForWindowExposed(web));
    {
        const testing::ScopedPathPrefix path(dir.path().toStdString());
        QTest::mouseClick(web->link(), Qt::LeftButton);
    }

    QTRY_COMPARE(m_reporter->reports.size(), 1);
    const RecordingReporter::Report report = m_reporter->reports.first();
    QCOMPARE(report.kind, ErrorKind::ProgramFailed);
    QVERIFY(!report.modal);
    // xdg-open's 3: nothing is set to open web addresses; said so, with
    // the address to copy.
    QVERIFY2(report.detail.contains(QLatin1String("no program is set to open web addresses (xdg-open exited with "
                                                  "status 3)")),
             qPrintable(report.detail));
    QVERIFY(report.detail.endsWith(QStringLiteral("\n") + QLatin1String(WebPageAddress.data()) + QLatin1Char('/')));
    QTest::qWait(600);
    QCOMPARE(m_reporter->reports.size(), 1);
    QVERIFY(!starter.anyRunning());
    // No child left unreaped: nothing is waiting to be waited for.
    errno = 0;
    QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
}

// The address in a failure message can be selected and copied.
void TestCompanions::messageTextCanBeCopied()
{
    MessageBoxReporter reporter;
    reporter.notify(nullptr, ErrorKind::ProgramFailed,
                    QString::fromStdString(linkFailureDetail("xdg-open", "exited with status 3")));
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<QMessageBox *>(widget))
            box = candidate;
    }
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    bool addressSelectable = false;
    for (QLabel *label : box->findChildren<QLabel *>()) {
        if (label->text().contains(QLatin1String(VARNEL_WEB_PAGE_ADDRESS "/")))
            addressSelectable = label->textInteractionFlags() & Qt::TextSelectableByMouse;
    }
    QVERIFY(addressSelectable);
    box->close();
}

void TestCompanions::nothingTakesFocus()
{
    Web *web = showWeb();
    QVERIFY(web);
    for (QWidget *child : web->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(web, Qt::Key_Tab);
    QTest::keyClick(web, Qt::Key_Return);
    QTest::keyClick(web, Qt::Key_Space);
    QVERIFY(m_starter->calls.empty());
}

QTEST_MAIN(TestCompanions)
#include "tst_companion_windows.moc"
