// The text format: the window's grid, a block per frequency, for people.
#include "app/output_format.h"
#include "calc/capacitor_build.h"
#include "calc/corner_bends.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "calc/length_frequency.h"
#include "calc/standard_parts.h"

#include <algorithm>
#include <ostream>

namespace varnel {

namespace {

std::string padLeft(std::string_view text, std::size_t width)
{
    std::string padded(width > text.size() ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

std::string padRight(std::string_view text, std::size_t width)
{
    std::string padded(text);
    padded.resize(std::max(width, text.size()), ' ');
    return padded;
}

class TextFormatter final : public Formatter
{
public:
    using Formatter::Formatter;

    // A row per quantity, its value field and, for lengths, its inch field;
    // with --fraction, the inches as a tape shows them; for the capacitors,
    // the part to buy.
    void row(std::ostream &out, const ComputedRow &row) override
    {
        const auto text = [&](const ResultFieldInfo *field) -> std::string_view {
            return field ? row.result.texts[static_cast<std::size_t>(field->field)] : std::string_view();
        };
        const auto value = [](Quantity quantity) {
            const ResultFieldInfo *mm = findResultField(quantity, Unit::Millimetre);
            return mm ? mm : findResultField(quantity, Unit::Picofarad);
        };
        std::size_t captionWidth = 0;
        std::size_t valueWidth = 0;
        std::size_t inchWidth = 0;
        for (const QuantityInfo &info : kQuantities) {
            captionWidth = std::max(captionWidth, info.caption().size());
            valueWidth = std::max(valueWidth, text(value(info.quantity)).size());
            inchWidth = std::max(inchWidth, text(findResultField(info.quantity, Unit::Inch)).size());
        }
        const std::string_view separator = m_settings.decimalSeparator;
        if (!m_first)
            out << '\n';
        m_first = false;
        // The frequency as the window holds it, never the typed text.
        out << "Frequency " << shownFrequency(row.state.Frequency, separator) << " MHz\n";
        for (const QuantityInfo &info : kQuantities) {
            const ResultFieldInfo *shown = value(info.quantity);
            out << "  " << padRight(info.caption(), captionWidth) << "  " << padLeft(text(shown), valueWidth) << ' '
                << unitName(shown->unit);
            if (const ResultFieldInfo *inch = findResultField(info.quantity, Unit::Inch)) {
                out << "  " << padLeft(text(inch), inchWidth) << ' ' << unitName(Unit::Inch);
                if (m_settings.fraction != 0) {
                    const std::string tape
                        = tapeText(tapeReading(storedValue(row.state, info.quantity), m_settings.fraction), separator);
                    if (!tape.empty())
                        out << "  " << tape;
                }
            } else if (shown->unit == Unit::Picofarad) {
                const std::string part = partText(nearestE12(storedValue(row.state, info.quantity)), separator);
                if (!part.empty())
                    out << "  nearest E12 part " << part;
                if (m_settings.parts) {
                    const double picofarads = storedValue(row.state, info.quantity);
                    if (const std::optional<PartPair> pair = nearerPair(picofarads))
                        out << "\n    or " << pairText(*pair, picofarads, separator);
                    if (const std::optional<CoaxStub> stub = openStub(picofarads, row.state.Frequency, m_settings.coax))
                        out << "\n    or " << stubText(*stub, m_settings.coax, separator);
                }
            }
            out << '\n';
        }
        if (m_settings.cornerRadius) {
            const BentLoopResult bent = bentDesignLoop(row.state, *m_settings.cornerRadius, separator);
            if (const std::optional<BentLoop> &loop = bent.loop)
                out << "  " << bentSidesText(*loop, separator) << ";\n    " << bentRunsText(*loop, separator) << ".\n  "
                    << bentTubeText(*loop, separator) << ".\n  " << kElbowNote << '\n';
        }
        if (m_settings.costs) {
            if (const std::string cost = millimetreCostText(row.state, separator); !cost.empty())
                out << "  " << cost << '\n';
        }
    }

    // The error goes to standard error only; the text has nothing to show.
    void error(std::ostream &, std::string_view, ErrorKind) override { }

private:
    bool m_first = true;
};

} // namespace

std::unique_ptr<Formatter> makeTextFormatter(FormatSettings settings)
{
    return std::make_unique<TextFormatter>(std::move(settings));
}

} // namespace varnel
