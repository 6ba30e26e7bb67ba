// The compute command without its window: frequency text in, twelve result
// texts out, written one by one in a fixed order between the calculator's
// stages. The main window and varnel-calc both run it.
#pragma once

#include "calc/antenna_calculator.h"
#include "numbers/error_kind.h"

#include <array>
#include <string>
#include <string_view>

namespace varnel {

// The result fields by their control names, in the order they are written.
enum class ResultField {
    Text10, // vertical element height, mm
    Text15, // centre gap and vertical gap, mm
    Text20, // horizontal end section, mm
    Text16, // horizontal side, mm
    Text5, // element diameter, mm, unrounded
    Text22, // parallel capacitor, pF
    Text25, // series capacitor, pF
    Text7, // element diameter, inch
    Text12, // vertical element height, inch
    Text17, // centre gap and vertical gap, inch
    Text11, // horizontal end section, inch
    Text18, // horizontal side, inch
};

inline constexpr std::size_t kResultFieldCount = 12;
inline constexpr std::array<ResultField, kResultFieldCount> kWriteOrder {
    ResultField::Text10, ResultField::Text15, ResultField::Text20, ResultField::Text16,
    ResultField::Text5,  ResultField::Text22, ResultField::Text25, ResultField::Text7,
    ResultField::Text12, ResultField::Text17, ResultField::Text11, ResultField::Text18,
};

std::string_view fieldName(ResultField field);

class FieldWriter
{
public:
    virtual ~FieldWriter() = default;
    virtual void write(ResultField field, const std::string &text) = 0;
};

// Reads `input` as a Single, runs the three stages on `state` and writes each
// field once, in kWriteOrder. Every failure that input can cause comes before
// the first write, so on error nothing has been written.
ErrorKind runCompute(Module1 &state, std::string_view input, std::string_view decimalSeparator, FieldWriter &out);

struct ComputeTexts
{
    ErrorKind error = ErrorKind::None;
    std::array<std::string, kResultFieldCount> texts; // in kWriteOrder
};

ComputeTexts computeTexts(Module1 &state, std::string_view input, std::string_view decimalSeparator);

} // namespace varnel
