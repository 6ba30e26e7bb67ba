#include "app/output_format.h"

#include "calc/corner_bends.h"
#include "calc/length_frequency.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

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

std::span<const std::string> partKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all;
        for (Quantity quantity : kCapacitors) {
            const std::string name(quantityInfo(quantity).key);
            for (const char *part :
                 {"_pair_below_pf", "_pair_top_up_pf", "_pair_sum_pf", "_pair_low_pf", "_pair_high_pf", "_stub_mm"})
                all.push_back(name + part);
        }
        return all;
    }();
    return keys;
}

std::vector<std::string> partCells(const Module1 &state, const Coax &coax, std::string_view separator)
{
    std::vector<std::string> cells;
    for (Quantity quantity : kCapacitors) {
        const double picofarads = storedValue(state, quantity);
        if (const std::optional<PartPair> pair = nearerPair(picofarads)) {
            for (Decimal value : {pair->below.value, pair->topUp.value, pair->sum, pair->low, pair->high})
                cells.push_back(picofaradNumber(value, separator));
        } else {
            cells.insert(cells.end(), 5, std::string());
        }
        const std::optional<CoaxStub> stub = openStub(picofarads, state.Frequency, coax);
        cells.push_back(stub ? formatDouble(roundToPlaces(stub->millimetres, 1), separator) : std::string());
    }
    return cells;
}

std::vector<std::string> extraKeys(const FormatSettings &settings)
{
    std::vector<std::string> keys;
    if (settings.parts)
        keys.assign(partKeys().begin(), partKeys().end());
    if (settings.cornerRadius) {
        for (const char *key : {"corner_radius_mm", "bent_side_mm", "bent_end_mm", "bent_rest_mm", "side_run_mm",
                                "end_run_mm", "rest_run_mm", "corner_arc_mm", "tube_length_mm"})
            keys.emplace_back(key);
        for (int bend = 1; bend <= 4; ++bend) {
            keys.push_back("bend_" + std::to_string(bend) + "_start_mm");
            keys.push_back("bend_" + std::to_string(bend) + "_end_mm");
        }
    }
    if (settings.costs) {
        keys.emplace_back("side_mm_cost_hz");
        keys.emplace_back("height_mm_cost_hz");
    }
    return keys;
}

std::vector<std::string> extraCells(const FormatSettings &settings, const Module1 &state, std::string_view separator)
{
    std::vector<std::string> cells;
    if (settings.parts)
        cells = partCells(state, settings.coax, separator);
    if (settings.cornerRadius) {
        const BentLoopResult bent = bentLoop(designLoop(state), *settings.cornerRadius, state.ElementDiameter, ".");
        if (const std::optional<BentLoop> &loop = bent.loop) {
            for (double value : {loop->radius, loop->side, loop->end, loop->rest, loop->wholeRun, loop->endRun,
                                 loop->restRun, loop->arc, loop->total})
                cells.push_back(formatDouble(value, separator));
            for (double mark : loop->marks)
                cells.push_back(formatDouble(mark, separator));
        } else {
            cells.insert(cells.end(), 17, std::string());
        }
    }
    if (settings.costs) {
        for (Quantity quantity : {Quantity::HorizontalSide, Quantity::VerticalHeight}) {
            const std::optional<double> cost = millimetreCost(state, quantity);
            cells.push_back(cost ? formatDouble(roundToPlaces(*cost * 1e6, 2), separator) : std::string());
        }
    }
    return cells;
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
