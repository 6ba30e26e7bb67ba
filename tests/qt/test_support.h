// Shared pieces of the window tests.
#pragma once

#include "platform/program_start.h"
#include "qt/design/error_reporter.h"
#include "qt/design/to_qstring.h"
#include "qt/design/window_builder.h"

#include "designs/window_design.h"
#include <QFontInfo>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QTest>

#include <QTextEdit>
#include <cstdlib>

#include <clocale>

namespace varnel::testing {

// A program start that always succeeds and starts nothing.
struct NullStarter final : ProgramStarter
{
    StartResult start(std::string_view, WindowStyle) override { return {ErrorKind::None, 1, "xdg-open", {}}; }
};

// Records what would have been a blocking message box.
class RecordingReporter final : public ErrorReporter
{
public:
    struct Report
    {
        ErrorKind kind;
        QString detail;
        bool modal;
    };
    QList<Report> reports;
    void report(QWidget *, ErrorKind kind, const QString &detail) override { reports.append({kind, detail, true}); }
    void notify(QWidget *, ErrorKind kind, const QString &detail) override { reports.append({kind, detail, false}); }
};

inline QString designText(const ControlDesign &control)
{
    return toQString(control.text);
}

// A text box's text as stored, line breaks back as CR LF.
inline QString storedText(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *edit = qobject_cast<QTextEdit *>(widget))
        return edit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return {};
}

// Switches the C library's locale, which the window reads at each press, as
// a user's LANG would. The test locales are made by the build (LOCPATH);
// false when this one is not there.
inline bool useLocale(const char *name)
{
    return std::setlocale(LC_ALL, name) != nullptr;
}

// The named system colours as the user sees them: the test's own table, so
// that a wrong mapping in the builder shows.
inline QColor expectedColour(const Colour &colour)
{
    struct Named
    {
        Colour::Kind kind;
        QPalette::ColorRole role;
    };
    static constexpr Named kNamed[] = {
        {Colour::Kind::Window, QPalette::Base}, // behind editable text
        {Colour::Kind::WindowText, QPalette::Text},   {Colour::Kind::MenuText, QPalette::WindowText},
        {Colour::Kind::ButtonFace, QPalette::Button}, {Colour::Kind::ButtonText, QPalette::ButtonText},
    };
    if (colour.kind == Colour::Kind::Rgb)
        return QColor(static_cast<int>(colour.rgb >> 16), static_cast<int>((colour.rgb >> 8) & 0xff),
                      static_cast<int>(colour.rgb & 0xff));
    for (const Named &named : kNamed) {
        if (named.kind == colour.kind)
            return QApplication::palette().color(named.role);
    }
    return {};
}

// What a picture box's canvas paints by itself, without the labels on it,
// in the screen's pixels.
inline QImage paintedPicture(QWidget *canvas)
{
    const qreal scale = canvas->devicePixelRatioF();
    QImage image((QSizeF(canvas->size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    canvas->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// How far a picture box's canvas, as painted at the screen's scale, lies
// from its 96-DPI image: the mean difference of a channel (0 to 255), each
// painted pixel against the image's pixel at the same point.
inline double differenceFromImage(const QImage &painted, const QImage &image, qreal scale)
{
    long long total = 0;
    long long count = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            const int sx = int((x + 0.5) / scale);
            const int sy = int((y + 0.5) / scale);
            if (sx >= image.width() || sy >= image.height())
                continue;
            const QColor a = painted.pixelColor(x, y);
            const QColor b = image.pixelColor(sx, sy);
            total
                += (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue())) / 3;
            ++count;
        }
    }
    return count ? double(total) / double(count) : 255.0;
}

// Checks one control of a built window against its design row: geometry,
// font, colours, text, alignment, focus and stacking.
inline void verifyControl(QWidget *window, const WindowDesign &design, std::size_t index)
{
    const ControlDesign &control = design.controls[index];
    const QString name = toQString(control.name);
    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));

    // Picture boxes sized to their image land on the stored size too. Worked
    // out here, not by the builder's rule: 15 twips a pixel, to the nearest
    // (no design length falls on a half).
    const auto pixels = [](int twips) { return (twips + 7) / 15; };
    QCOMPARE(widget->geometry(),
             QRect(pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height)));
    // The face shown is the design's family, or where that is missing one
    // of its metric twins, never whatever fontconfig offers instead.
    const QString shown = QFontInfo(widget->font()).family();
    QVERIFY2(designFontFamilies().contains(shown), qPrintable(shown));
    QCOMPARE(widget->font().pointSizeF(), control.font.pointSize);
    QCOMPARE(widget->font().bold(), control.font.bold);
    QCOMPARE(widget->font().italic(), control.font.italic);
    QCOMPARE(widget->font().underline(), control.font.underline);
    QCOMPARE(widget->focusPolicy() == Qt::StrongFocus, control.tabStop);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());

    if (control.kind == ControlKind::TextBox) {
        QCOMPARE(storedText(widget), designText(control));
        QCOMPARE(qobject_cast<QTextEdit *>(widget) != nullptr, control.multiLine);
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            QVERIFY(!line->isReadOnly());
        if (auto *edit = qobject_cast<QTextEdit *>(widget))
            QVERIFY(!edit->isReadOnly());
        const QPalette palette = widget->palette();
        QCOMPARE(palette.color(QPalette::Base), expectedColour(control.background));
        QCOMPARE(palette.color(QPalette::Text), expectedColour(control.foreground));
        if (!control.tabStop)
            QCOMPARE(widget->focusPolicy(), Qt::ClickFocus); // a caption still takes the caret
    }
    if (control.kind == ControlKind::Label) {
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->text(), designText(control));
        QVERIFY(label->wordWrap());
        QVERIFY(label->autoFillBackground());
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        const QPalette palette = widget->palette();
        QCOMPARE(palette.color(QPalette::Window), expectedColour(control.background));
        QCOMPARE(palette.color(QPalette::WindowText), expectedColour(control.foreground));
    }
    const bool hand = widget->cursor().shape() == Qt::BitmapCursor;
    QCOMPARE(hand, control.pointer == Pointer::Hand);

    // Stacking: every later control of the same parent that overlaps this
    // one lies above it.
    for (std::size_t later = index + 1; later < design.controls.size(); ++later) {
        const ControlDesign &other = design.controls[later];
        if (other.parent != control.parent)
            continue;
        auto *otherWidget = window->findChild<QWidget *>(toQString(other.name));
        if (!otherWidget || !otherWidget->geometry().intersects(widget->geometry()))
            continue;
        const QObjectList siblings = widget->parentWidget()->children();
        QVERIFY2(siblings.indexOf(otherWidget) > siblings.indexOf(widget),
                 qPrintable(name + QStringLiteral(" under ") + otherWidget->objectName()));
    }
}

} // namespace varnel::testing
