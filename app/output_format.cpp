#include "app/output_format.h"

#include "calc/corner_bends.h"
#include "calc/length_frequency.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <array>
#include <iterator>
#include <tuple>
#include <utility>

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

namespace {

// The bent loop's columns, and then where each bend starts and ends.
constexpr std::pair<const char *, double BentLoop::*> kBendColumns[] = {
    {"corner_radius_mm", &BentLoop::radius}, {"bent_side_mm", &BentLoop::side},    {"bent_end_mm", &BentLoop::end},
    {"bent_rest_mm", &BentLoop::rest},       {"side_run_mm", &BentLoop::wholeRun}, {"end_run_mm", &BentLoop::endRun},
    {"rest_run_mm", &BentLoop::restRun},     {"corner_arc_mm", &BentLoop::arc},    {"tube_length_mm", &BentLoop::total},
};
constexpr std::size_t kBendMarks = std::tuple_size_v<decltype(BentLoop::marks)>;

} // namespace

std::vector<std::string> extraKeys(const FormatSettings &settings)
{
    std::vector<std::string> keys;
    if (settings.parts)
        keys.assign(partKeys().begin(), partKeys().end());
    if (settings.cornerRadius) {
        for (const auto &[key, value] : kBendColumns)
            keys.emplace_back(key);
        for (std::size_t mark = 0; mark < kBendMarks; ++mark)
            keys.push_back("bend_" + std::to_string(mark / 2 + 1) + (mark % 2 ? "_end_mm" : "_start_mm"));
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
        if (const std::optional<BentLoop> loop = bentDesignLoop(state, *settings.cornerRadius, ".").loop) {
            for (const auto &[key, value] : kBendColumns)
                cells.push_back(formatDouble((*loop).*value, separator));
            for (double mark : loop->marks)
                cells.push_back(formatDouble(mark, separator));
        } else {
            cells.insert(cells.end(), std::size(kBendColumns) + kBendMarks, std::string());
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
