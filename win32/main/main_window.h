// The main window, Form1: frequency in, twelve result fields out.
//
// As in qt/main/main_window.h: its child windows come from kForm1Design
// through the builder; Form1Controls names the ones the handlers use, found
// once. The calculator state lives here, for the whole run, and only the
// COMPUTE handler touches it.
#pragma once

#include "calc/antenna_calculator.h"
#include "calc/compute_command.h"
#include "win32/design/error_reporter.h"
#include "win32/design/window_builder.h"

#include <array>
#include <functional>
#include <string>

namespace varnel::win32 {

class CompanionWindows;

struct Form1Controls
{
    HWND text3 = nullptr; // the frequency, MHz
    HWND picture1 = nullptr;
    HWND command1 = nullptr; // COMPUTE
    HWND command2 = nullptr; // NOTES
    HWND command3 = nullptr; // WEBSITE
    std::array<HWND, kResultFieldCount> results {}; // by ResultField
    HWND result(ResultField field) const { return results[static_cast<std::size_t>(field)]; }
};

class Form1 final : public DesignWindow
{
public:
    // `decimalSeparator` is asked at each COMPUTE.
    Form1(ErrorReporter &reporter, CompanionWindows &companions, std::function<std::string()> decimalSeparator,
          UINT dpi);

    const Form1Controls &controls() const { return m_controls; }

private:
    void onComputeClicked();

    ErrorReporter &m_reporter;
    CompanionWindows &m_companions;
    std::function<std::string()> m_decimalSeparator;
    Form1Controls m_controls;
    Module1 m_state;
};

} // namespace varnel::win32
