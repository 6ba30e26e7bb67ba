// TSV: a line per frequency, the window's texts in the locale's notation,
// so a spreadsheet in that locale reads them as numbers.
#include "app/output_format.h"
#include "calc/inch_fraction.h"
#include "numbers/unicode_text.h"

#include <ostream>

namespace varnel {

namespace {

class TsvFormatter final : public Formatter
{
public:
    using Formatter::Formatter;

    void begin(std::ostream &out) override
    {
        if (!m_settings.header)
            return;
        out << "frequency_mhz";
        for (const ResultFieldInfo &field : kResultFields)
            out << '\t' << columnKey(field);
        if (m_settings.fraction != 0) {
            for (Quantity quantity : tapeQuantities())
                out << '\t' << tapeKey(quantity) << '\t' << tapeErrorKey(quantity);
        }
        for (const std::string &key : extraKeys(m_settings))
            out << '\t' << key;
        out << '\n';
    }

    void row(std::ostream &out, const ComputedRow &row) override
    {
        // A swept frequency is the program's own number, written as every
        // other number on the row is, so a spreadsheet in this locale reads
        // it as one; a typed input is echoed as it was typed.
        if (row.swept) {
            std::string shown(row.input);
            if (const std::size_t dot = shown.find('.'); dot != std::string::npos)
                shown.replace(dot, 1, m_settings.decimalSeparator);
            out << shown;
        } else {
            out << escapedInput(row.input);
        }
        for (const std::string &text : row.result.texts)
            out << '\t' << text;
        if (m_settings.fraction != 0) {
            for (Quantity quantity : tapeQuantities()) {
                const InchFraction tape = tapeReading(storedValue(row.state, quantity), m_settings.fraction);
                out << '\t' << tape.text << '\t';
                if (!tape.text.empty())
                    out << signedMillimetres(tape.errorMillimetres, m_settings.decimalSeparator);
            }
        }
        for (const std::string &cell : extraCells(m_settings, row.state, m_settings.decimalSeparator))
            out << '\t' << cell;
        out << '\n';
    }

    void error(std::ostream &out, std::string_view input, ErrorKind error) override
    {
        out << escapedInput(input) << "\tERROR\t" << errorName(error) << '\n';
    }
};

} // namespace

std::unique_ptr<Formatter> makeTsvFormatter(FormatSettings settings)
{
    return std::make_unique<TsvFormatter>(std::move(settings));
}

} // namespace varnel
