#include "ui/main/main_window.h"

#include "platform/locale_numbers.h"
#include "ui/design/error_reporter.h"
#include "ui/design/picture_box.h"
#include "ui/design/to_qstring.h"
#include "ui/design/window_builder.h"
#include "ui/main/main_window_design.h"

#include <QLineEdit>
#include <QPushButton>

namespace varnel {

namespace {

class LineEditWriter final : public FieldWriter
{
public:
    explicit LineEditWriter(const Form1Controls &controls)
        : m_controls(controls)
    {
    }

    void write(ResultField field, const std::string &text) override
    {
        QLineEdit *edit = m_controls.result(field);
        edit->setText(QString::fromStdString(text));
        edit->setCursorPosition(0); // show a long text from its start
    }

private:
    const Form1Controls &m_controls;
};

// The quoted input in a message, shortened, with what cannot be seen made
// visible: a pasted page must not make a message box taller than the
// screen, and a stray tab or no-break space must not hide in it.
QString quoted(const QString &input)
{
    constexpr qsizetype kMaxShown = 40;
    QString shown;
    for (const QChar c : input.left(kMaxShown)) {
        if (c.unicode() < 0x20)
            shown += QChar(0x2400 + c.unicode()); // the control pictures: ␉ ␊ ␍
        else if (c.unicode() == 0x7f)
            shown += QChar(0x2421);
        else if (c.unicode() == 0xa0)
            shown += QChar(0x237d); // ⍽, the no-break space's picture
        else
            shown += c;
    }
    if (input.size() > kMaxShown)
        shown += QChar(0x2026);
    return QChar(0x201C) + shown + QChar(0x201D);
}

} // namespace

QString computeErrorDetail(ErrorKind kind, const QString &input, const QString &decimalSeparator)
{
    // A dot is always understood; the locale's own separator is shown too
    // where it is a comma. Other separators may be missing from the font.
    QString example = QStringLiteral("137.5");
    if (decimalSeparator == QLatin1String(","))
        example = QStringLiteral("137,5 or 137.5");
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return Form1::tr("The frequency %1 is not a number. Type the frequency in MHz, for example %2.")
            .arg(quoted(input), example);
    case ErrorKind::Overflow:
        return Form1::tr("The frequency %1 is too large or too small to compute.").arg(quoted(input));
    case ErrorKind::DivisionByZero:
        return Form1::tr("The frequency %1 is zero. Type a frequency in MHz other than zero.").arg(quoted(input));
    default:
        return Form1::tr("The frequency %1 could not be computed.").arg(quoted(input));
    }
}

Form1::Form1(ErrorReporter &reporter, QWidget *parent)
    : QWidget(parent)
    , m_reporter(reporter)
{
    const BuiltControls built = buildWindow(kForm1Design, this);
    m_controls.text3 = built.get<QLineEdit>("Text3");
    m_controls.picture1 = built.get<PictureBox>("Picture1");
    m_controls.command1 = built.get<QPushButton>("Command1");
    m_controls.command2 = built.get<QPushButton>("Command2");
    m_controls.command3 = built.get<QPushButton>("Command3");
    for (const ResultFieldInfo &field : kResultFields)
        m_controls.results[static_cast<std::size_t>(field.field)] = built.get<QLineEdit>(field.name);
    nameForScreenReaders();

    connect(m_controls.command1, &QPushButton::clicked, this, &Form1::onComputeClicked);
    connect(m_controls.command2, &QPushButton::clicked, this, &Form1::notesRequested);
    connect(m_controls.command3, &QPushButton::clicked, this, &Form1::websiteRequested);
}

// A screen reader meets the fields one by one, away from their captions:
// each says its row and its column ("The vertical element height is, MM").
void Form1::nameForScreenReaders()
{
    m_controls.text3->setAccessibleName(tr("Input frequency in MHz"));
    for (const ResultFieldInfo &field : kResultFields) {
        for (const QuantityInfo &quantity : kQuantities) {
            if (quantity.quantity == field.quantity) {
                m_controls.result(field.field)
                    ->setAccessibleName(toQString(quantity.caption) + QLatin1String(", ")
                                        + toQString(unitName(field.unit)));
            }
        }
    }
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The first control in tab order that Tab visits; the input is one Tab away.
    if (!m_shownBefore) {
        m_shownBefore = true;
        m_controls.picture1->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::onComputeClicked()
{
    const QString input = m_controls.text3->text();
    const QByteArray text = input.toUtf8();
    // Read at each press, from the same place as varnel-calc.
    const std::string separator = localeDecimalSeparator();
    LineEditWriter writer(m_controls);
    const ErrorKind error
        = runCompute(m_calculator, {text.constData(), static_cast<std::size_t>(text.size())}, separator, writer);
    // The error was met before the first field was written, so every result
    // still shows what it did; the program goes on.
    if (error != ErrorKind::None)
        m_reporter.report(this, error, computeErrorDetail(error, input, toQString(separator)));
}

} // namespace varnel
