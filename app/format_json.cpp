// JSON: an array of objects with ordered, named keys. Numbers carry the
// window's value with a dot in every locale; each object is written as its
// frequency is computed, so a long sweep is never held whole.
#include "app/output_format.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "numbers/number_text.h"
#include "numbers/unicode_text.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <ostream>

namespace varnel {

namespace {

using Json = nlohmann::ordered_json;

// A shown text as a JSON number of the same value: whole numbers stay
// whole, the rest read back as the nearest double, which prints with the
// same digits.
Json jsonNumber(std::string dotted)
{
    if (dotted.starts_with('+'))
        dotted.erase(0, 1);
    if (dotted.find_first_of(".E") == std::string::npos) {
        long long whole = 0;
        const auto [end, ec] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), whole);
        if (ec == std::errc() && end == dotted.data() + dotted.size())
            return whole;
    }
    double value = 0;
    std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
    return value;
}

class JsonFormatter final : public Formatter
{
public:
    using Formatter::Formatter;

    void begin(std::ostream &out) override { out << '['; }

    void row(std::ostream &out, const ComputedRow &row) override
    {
        const std::string_view separator = m_settings.decimalSeparator;
        Json object;
        object["input"] = validUtf8(row.input);
        object["frequency_mhz"] = jsonNumber(formatSingle(row.state.Frequency, "."));
        for (const ResultFieldInfo &field : kResultFields)
            object[columnKey(field)]
                = jsonNumber(withDot(row.result.texts[static_cast<std::size_t>(field.field)], separator));
        object["outside_design"] = outsideDesign(row.state.Frequency);
        if (m_settings.fraction != 0) {
            for (Quantity quantity : tapeQuantities()) {
                const InchFraction tape = tapeReading(storedValue(row.state, quantity), m_settings.fraction);
                if (tape.text.empty()) {
                    object[tapeKey(quantity)] = nullptr;
                    object[tapeErrorKey(quantity)] = nullptr;
                } else {
                    object[tapeKey(quantity)] = tape.text;
                    object[tapeErrorKey(quantity)] = jsonNumber(signedMillimetres(tape.errorMillimetres, "."));
                }
            }
        }
        const std::vector<std::string> keys = extraKeys(m_settings);
        const std::vector<std::string> cells = extraCells(m_settings, row.state, ".");
        for (std::size_t n = 0; n < cells.size(); ++n) {
            if (cells[n].empty())
                object[keys[n]] = nullptr;
            else
                object[keys[n]] = jsonNumber(cells[n]);
        }
        write(out, object);
    }

    void error(std::ostream &out, std::string_view input, ErrorKind error) override
    {
        write(out, Json {{"input", validUtf8(input)}, {"error", errorName(error)}});
    }

    void end(std::ostream &out) override { out << (m_first ? "]\n" : "\n]\n"); }

private:
    // As one array dumped with an indent of two: each object on lines of
    // its own, indented once. An input's bytes that are not UTF-8 come as
    // \xHH, as in every other format; should anything else slip through,
    // U+FFFD stands in for it, as JSON allows nothing else there.
    void write(std::ostream &out, const Json &object)
    {
        std::string text = object.dump(2, ' ', false, Json::error_handler_t::replace);
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 3))
            text.replace(at, 1, "\n  ");
        out << (m_first ? "\n  " : ",\n  ") << text;
        m_first = false;
    }

    bool m_first = true;
};

} // namespace

std::unique_ptr<Formatter> makeJsonFormatter(FormatSettings settings)
{
    return std::make_unique<JsonFormatter>(std::move(settings));
}

} // namespace varnel
