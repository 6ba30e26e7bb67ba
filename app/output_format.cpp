#include "app/output_format.h"

#include <array>

namespace varnel {

namespace {

constexpr std::array<FormatInfo, 4> kFormats {{
    {"text", "the window's grid, a block per frequency (the default)", false, makeTextFormatter},
    {"tsv", "a line per frequency, tab-separated, the locale's separator", true, makeTsvFormatter},
    {"csv", "RFC 4180 with a header line, a dot in every locale", false, makeCsvFormatter},
    {"json", "an array of objects with named keys and numbers", false, makeJsonFormatter},
}};

constexpr std::array<Quantity, 5> kTapeQuantities {Quantity::ElementDiameter, Quantity::VerticalHeight,
                                                   Quantity::CenterGap, Quantity::HorizontalEnd,
                                                   Quantity::HorizontalSide};

} // namespace

std::span<const FormatInfo> outputFormats()
{
    return kFormats;
}

const FormatInfo *findFormat(std::string_view name)
{
    for (const FormatInfo &format : kFormats) {
        if (format.name == name)
            return &format;
    }
    return nullptr;
}

const QuantityInfo &quantityInfo(Quantity quantity)
{
    for (const QuantityInfo &info : kQuantities) {
        if (info.quantity == quantity)
            return info;
    }
    return kQuantities.front();
}

std::string columnKey(const ResultFieldInfo &field)
{
    // Appended, not added: GCC 12 at -O3 sees a false overlap in a + b.
    std::string key(quantityInfo(field.quantity).key);
    return key.append("_").append(unitKey(field.unit));
}

std::span<const Quantity> tapeQuantities()
{
    return kTapeQuantities;
}

std::string tapeKey(Quantity quantity)
{
    std::string key(quantityInfo(quantity).key);
    return key.append("_tape_in");
}

std::string tapeErrorKey(Quantity quantity)
{
    std::string key(quantityInfo(quantity).key);
    return key.append("_tape_error_mm");
}

std::string withDot(std::string text, std::string_view separator)
{
    if (separator == "." || separator.empty())
        return text;
    // Overwritten and shortened rather than replaced: GCC 12 at -O3 sees a
    // false overlap in replace().
    const auto at = text.find(separator);
    if (at != std::string::npos) {
        text[at] = '.';
        text.erase(at + 1, separator.size() - 1);
    }
    return text;
}

} // namespace varnel
