// CSV, RFC 4180: a header line, then a line per frequency, with a dot in
// every locale. The input as given and the frequency as computed are both
// there, and an error is in the last column.
#include "app/output_format.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "numbers/number_text.h"
#include "numbers/unicode_text.h"

#include <ostream>

namespace varnel {

namespace {

// A field with a comma or a quote is quoted, and its quotes doubled; line
// breaks never reach here, they are escaped.
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

class CsvFormatter final : public Formatter
{
public:
    using Formatter::Formatter;

    void begin(std::ostream &out) override
    {
        out << "input,frequency_mhz";
        for (const ResultFieldInfo &field : kResultFields)
            out << ',' << columnKey(field);
        out << ",outside_design";
        if (m_settings.fraction != 0) {
            for (Quantity quantity : tapeQuantities())
                out << ',' << tapeKey(quantity) << ',' << tapeErrorKey(quantity);
        }
        for (const std::string &key : extraKeys(m_settings))
            out << ',' << key;
        out << ",error\r\n";
    }

    void row(std::ostream &out, const ComputedRow &row) override
    {
        const std::string_view separator = m_settings.decimalSeparator;
        out << csvField(escapedInput(row.input)) << ',' << formatSingle(row.state.Frequency, ".");
        for (const std::string &text : row.result.texts)
            out << ',' << withDot(text, separator);
        out << ',' << (outsideDesign(row.state.Frequency) ? "true" : "false");
        if (m_settings.fraction != 0) {
            for (Quantity quantity : tapeQuantities()) {
                const InchFraction tape = tapeReading(storedValue(row.state, quantity), m_settings.fraction);
                out << ',' << tape.text << ',';
                if (!tape.text.empty())
                    out << signedMillimetres(tape.errorMillimetres, ".");
            }
        }
        for (const std::string &cell : extraCells(m_settings, row.state, "."))
            out << ',' << cell;
        out << ",\r\n";
    }

    void error(std::ostream &out, std::string_view input, ErrorKind error) override
    {
        const std::size_t empty = 1 + kResultFieldCount + 1 + (m_settings.fraction ? 2 * tapeQuantities().size() : 0)
            + extraKeys(m_settings).size();
        out << csvField(escapedInput(input)) << std::string(empty, ',') << ',' << csvField(errorName(error)) << "\r\n";
    }
};

} // namespace

std::unique_ptr<Formatter> makeCsvFormatter(FormatSettings settings)
{
    return std::make_unique<CsvFormatter>(std::move(settings));
}

} // namespace varnel
