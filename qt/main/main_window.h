// The main window: frequency in, twelve result fields out.
//
// Its widgets come from kForm1Design through the shared builder; Form1Controls
// names the ones the handlers use, found once. The calculator state lives
// here, for the whole run, and only the COMPUTE handler touches it.
#pragma once

#include "calc/antenna_calculator.h"
#include "calc/compute_command.h"
#include "qt/design/window_builder.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace varnel {

class ErrorReporter;
class PictureBox;

struct Form1Controls
{
    QLineEdit *text3 = nullptr; // the frequency, MHz
    PictureBox *picture1 = nullptr;
    QPushButton *command1 = nullptr; // COMPUTE
    QPushButton *command2 = nullptr; // NOTES
    QPushButton *command3 = nullptr; // WEBSITE
    std::array<QLineEdit *, kResultFieldCount> results {}; // by ResultField
    QLineEdit *result(ResultField field) const { return results[static_cast<std::size_t>(field)]; }
};

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(ErrorReporter &reporter, QWidget *parent = nullptr);

    const Form1Controls &controls() const { return m_controls; }

signals:
    void notesRequested();
    void websiteRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onComputeClicked();
    void nameForScreenReaders(const BuiltControls &built);

    ErrorReporter &m_reporter;
    Form1Controls m_controls;
    Module1 m_calculator;
    bool m_shownBefore = false;
};

// The body of the message for a failed compute of `input`, with an example
// in the user's notation.
QString computeErrorDetail(ErrorKind kind, const QString &input, const QString &decimalSeparator);

} // namespace varnel
