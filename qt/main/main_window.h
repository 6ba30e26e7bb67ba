// The main window: frequency in, twelve result fields out.
//
// Its widgets come from kForm1Design through the builder; Form1Controls
// names the ones the handlers use, found once. The calculator state lives
// here, for the whole run, and only the COMPUTE handler touches it.
#pragma once

#include "calc/antenna_calculator.h"
#include "calc/compute_command.h"
#include "qt/design/window_builder.h"

#include <array>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace varnel {

class CompanionWindows;
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

class Form1 final : public DesignWindow
{
    Q_OBJECT

public:
    // `decimalSeparator` is asked at each COMPUTE.
    Form1(ErrorReporter &reporter, CompanionWindows &companions, std::function<std::string()> decimalSeparator,
          QWidget *parent = nullptr);

    const Form1Controls &controls() const { return m_controls; }

private:
    void onComputeClicked();

    ErrorReporter &m_reporter;
    CompanionWindows &m_companions;
    std::function<std::string()> m_decimalSeparator;
    Form1Controls m_controls;
    Module1 m_state;
};

} // namespace varnel
