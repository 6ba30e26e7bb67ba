// The compute command without its window: frequency text in, twelve result
// texts out, written one by one in a fixed order between the calculator's
// stages. The main window and varnel-calc both run it.
#pragma once

#include "calc/antenna_calculator.h"
#include "numbers/error_kind.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// The result fields by their control names, in the order they are written.
enum class ResultField : std::uint8_t {
    Text10,
    Text15,
    Text20,
    Text16,
    Text5,
    Text22,
    Text25,
    Text7,
    Text12,
    Text17,
    Text11,
    Text18,
};
inline constexpr std::size_t kResultFieldCount = 12;

// An inch field shows the millimetres divided by this, and so does every
// inch that varnel-calc and the build sheet print.
inline constexpr double kMillimetresPerInch = 25.4;

// What a field shows: a value of the calculator state, in the unit of its
// column (an inch field shows the millimetres / 25.4).
enum class Quantity : std::uint8_t {
    ElementDiameter,
    VerticalHeight,
    CenterGap,
    HorizontalEnd,
    HorizontalSide,
    ParallelCap,
    SeriesCap,
};
enum class Unit : std::uint8_t { Millimetre, Inch, Picofarad };

struct ResultFieldInfo
{
    ResultField field;
    std::string_view name; // the control's name
    Quantity quantity;
    Unit unit;
};

// One row per field, in write order (the enum's order). The window's grid
// rows are the quantities in their own order, each with its row caption.
inline constexpr std::array<ResultFieldInfo, kResultFieldCount> kResultFields {{
    {ResultField::Text10, "Text10", Quantity::VerticalHeight, Unit::Millimetre},
    {ResultField::Text15, "Text15", Quantity::CenterGap, Unit::Millimetre},
    {ResultField::Text20, "Text20", Quantity::HorizontalEnd, Unit::Millimetre},
    {ResultField::Text16, "Text16", Quantity::HorizontalSide, Unit::Millimetre},
    {ResultField::Text5, "Text5", Quantity::ElementDiameter, Unit::Millimetre},
    {ResultField::Text22, "Text22", Quantity::ParallelCap, Unit::Picofarad},
    {ResultField::Text25, "Text25", Quantity::SeriesCap, Unit::Picofarad},
    {ResultField::Text7, "Text7", Quantity::ElementDiameter, Unit::Inch},
    {ResultField::Text12, "Text12", Quantity::VerticalHeight, Unit::Inch},
    {ResultField::Text17, "Text17", Quantity::CenterGap, Unit::Inch},
    {ResultField::Text11, "Text11", Quantity::HorizontalEnd, Unit::Inch},
    {ResultField::Text18, "Text18", Quantity::HorizontalSide, Unit::Inch},
}};

struct QuantityInfo
{
    Quantity quantity;
    // The row caption as the window stores it, trailing blank and line
    // break included; the window's design takes it from here.
    std::string_view storedCaption;
    std::string_view what; // short, for column headings: "vertical height"
    std::string_view key; // for machine formats: "vertical_height"

    // The caption as words, without what trails it in the window.
    constexpr std::string_view caption() const
    {
        std::string_view text = storedCaption;
        while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n'))
            text.remove_suffix(1);
        return text;
    }
};

// In the window's grid order, top to bottom.
inline constexpr std::array<QuantityInfo, 7> kQuantities {{
    {Quantity::ElementDiameter, "Element Diameter is ", "element diameter", "element_diameter"},
    {Quantity::VerticalHeight, "The vertical element height is\r\n", "vertical height", "vertical_height"},
    {Quantity::CenterGap, "The dipole center gap and vertical gap is\r\n", "centre gap", "centre_gap"},
    {Quantity::HorizontalEnd, "The horizontal end sections are\r\n", "horizontal end", "horizontal_end"},
    {Quantity::HorizontalSide, "The horizontal sides are", "horizontal side", "horizontal_side"},
    {Quantity::ParallelCap, "The parallel tuning capacitor is", "parallel capacitor", "parallel_capacitor"},
    {Quantity::SeriesCap, "The series tuning capacitor is", "series capacitor", "series_capacitor"},
}};

// The window's stored caption of a row.
constexpr std::string_view storedCaption(Quantity quantity)
{
    for (const QuantityInfo &info : kQuantities) {
        if (info.quantity == quantity)
            return info.storedCaption;
    }
    return {};
}

// The heading of a unit's column in the window: MM, INCH or PF.
constexpr std::string_view unitName(Unit unit)
{
    return unit == Unit::Millimetre ? "MM" : unit == Unit::Inch ? "INCH" : "PF";
}

// The unit in a machine format's key: mm, in or pf.
constexpr std::string_view unitKey(Unit unit)
{
    return unit == Unit::Millimetre ? "mm" : unit == Unit::Inch ? "in" : "pf";
}

// The field that shows `quantity` in `unit`, if the window has one.
constexpr const ResultFieldInfo *findResultField(Quantity quantity, Unit unit)
{
    for (const ResultFieldInfo &info : kResultFields) {
        if (info.quantity == quantity && info.unit == unit)
            return &info;
    }
    return nullptr;
}

// The calculator's stored value behind a quantity (millimetres or pF).
float storedValue(const Module1 &state, Quantity quantity);

class FieldWriter
{
public:
    virtual ~FieldWriter() = default;
    virtual void write(ResultField field, const std::string &text) = 0;
};

// Reads `input` as a Single, runs the three stages on `state` and writes each
// field once, in write order. Every failure that input can cause comes before
// the first write, so on error nothing has been written.
ErrorKind runCompute(Module1 &state, std::string_view input, std::string_view decimalSeparator, FieldWriter &out);

struct ComputeTexts
{
    ErrorKind error = ErrorKind::None;
    std::array<std::string, kResultFieldCount> texts; // in write order
};

ComputeTexts computeTexts(Module1 &state, std::string_view input, std::string_view decimalSeparator);

} // namespace varnel
