#include "calc/compute_command.h"

#include "numbers/fp_guard.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "numbers/text_to_number.h"

namespace varnel {

namespace {

constexpr int kMillimetrePlaces = 2;
constexpr int kInchPlaces = 3;

} // namespace

float storedValue(const Module1 &state, Quantity quantity)
{
    switch (quantity) {
    case Quantity::ElementDiameter:
        return state.ElementDiameter;
    case Quantity::VerticalHeight:
        return state.VerticalHeight;
    case Quantity::CenterGap:
        return state.CenterGap;
    case Quantity::HorizontalEnd:
        return state.HorizontalEnd;
    case Quantity::HorizontalSide:
        return state.HorizontalSide;
    case Quantity::ParallelCap:
        return state.ParallelCap;
    case Quantity::SeriesCap:
        return state.SeriesCap;
    }
    return 0.0f;
}

ErrorKind runCompute(Module1 &state, std::string_view input, std::string_view decimalSeparator, FieldWriter &out)
{
    const SingleParse frequency = parseSingle(input, decimalSeparator);
    if (frequency.error != ErrorKind::None)
        return frequency.error;

    if (const ErrorKind error = state.ComputeLengths(frequency.value); error != ErrorKind::None)
        return error;
    auto writeRounded = [&](ResultField field, float value) {
        out.write(field, formatSingle(roundToPlaces(value, kMillimetrePlaces), decimalSeparator));
    };
    writeRounded(ResultField::Text10, state.VerticalHeight);
    writeRounded(ResultField::Text15, state.CenterGap);
    writeRounded(ResultField::Text20, state.HorizontalEnd);
    writeRounded(ResultField::Text16, state.HorizontalSide);

    state.SelectElementDiameter();
    out.write(ResultField::Text5, formatSingle(state.ElementDiameter, decimalSeparator));

    if (const ErrorKind error = state.ComputeCapacitors(); error != ErrorKind::None)
        return error;
    writeRounded(ResultField::Text22, state.ParallelCap);
    writeRounded(ResultField::Text25, state.SeriesCap);

    FpGuard guard;
    for (auto [field, millimetres] :
         {std::pair {ResultField::Text7, state.ElementDiameter}, std::pair {ResultField::Text12, state.VerticalHeight},
          std::pair {ResultField::Text17, state.CenterGap}, std::pair {ResultField::Text11, state.HorizontalEnd},
          std::pair {ResultField::Text18, state.HorizontalSide}}) {
        const double inches = guard.divide(millimetres, kMillimetresPerInch);
        if (const ErrorKind error = guard.check(); error != ErrorKind::None)
            return error;
        out.write(field, formatDouble(roundToPlaces(inches, kInchPlaces), decimalSeparator));
    }
    return ErrorKind::None;
}

ComputeTexts computeTexts(Module1 &state, std::string_view input, std::string_view decimalSeparator)
{
    struct Collector : FieldWriter
    {
        ComputeTexts result;
        void write(ResultField field, const std::string &text) override
        {
            result.texts[static_cast<std::size_t>(field)] = text;
        }
    } collector;
    collector.result.error = runCompute(state, input, decimalSeparator, collector);
    return collector.result;
}

} // namespace varnel
