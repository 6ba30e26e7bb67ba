#include "app/calc_options.h"

#include "calc/corner_bends.h"
#include "calc/length_frequency.h"
#include "numbers/unicode_text.h"

#include <array>

namespace varnel {

namespace {

constexpr std::array<OptionSpec, 11> kOptions {{
    {"--format", 0, "F", "the output format, one of those below"},
    {"--tsv", 0, {}, "the same as --format tsv"},
    {"--header", 0, {}, "with tsv: a first line naming the columns"},
    {"--fraction", 0, "D",
     "also give each inch length as the nearest\n"
     "fraction with denominator D (8, 16, 32 or 64)\n"
     "and how much longer that mark is, in mm; in\n"
     "every format"},
    {"--sweep", 0, "FROM:TO:STEP",
     "the frequencies from FROM to TO in steps of\n"
     "STEP MHz, exact in decimal (144:146:0.1 ends\n"
     "on 146); at most 1000000 of them, and each\n"
     "number at most 15 digits, 9 decimals and\n"
     "below a billion MHz"},
    {"--parts",
     0,
     {},
     "also give each capacitor as two E12 parts in\n"
     "parallel, where they come nearer than one, and\n"
     "as an open coax stub; in every format"},
    {"--coax", 0, "Z:VF",
     "the stub's cable: impedance in ohm and velocity\n"
     "factor (50:0.66, solid polyethylene, unless\n"
     "given)"},
    {"--from", 0, "LENGTH",
     "the design whose length comes nearest to one\n"
     "already cut, to 0.001 MHz: side=195, height=,\n"
     "end= or gap= and the length in mm; with what\n"
     "1 mm too long on SIDE and HEIGHT costs in\n"
     "frequency, in every format"},
    {"--corner-radius", 0, "MM",
     "the loop's corners bent, or made with elbows, to\n"
     "a centre-line radius of MM: each side grows so\n"
     "that the loop's centre line stays the design's;\n"
     "the straight runs, arcs, the tube's length and\n"
     "where each bend starts and ends, in every format"},
    kVersionOption,
    kHelpOption,
}};

} // namespace

std::size_t CalcOptions::frequencyCount() const
{
    std::size_t count = 0;
    for (const FrequencySource &source : sources)
        count += source.sweep ? source.sweep->size() : 1;
    return count;
}

std::span<const OptionSpec> calcOptionSpecs()
{
    return kOptions;
}

CalcOptions parseCalcOptions(const std::vector<std::string> &args, std::string_view decimalSeparator)
{
    CalcOptions options;
    CommandLine line = parseOptions(withSystemHelpNames(args), kOptions);
    if (!line.error.empty()) {
        options.error = std::move(line.error);
        return options;
    }
    for (CommandLineItem &item : line.items) {
        const std::string_view name = item.option ? item.option->name : std::string_view();
        if (!item.option) {
            options.sources.push_back({std::move(item.value), std::nullopt});
        } else if (name == "--help") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else if (name == "--tsv") {
            options.format = findFormat("tsv");
        } else if (name == "--header") {
            options.header = true;
        } else if (name == "--format") {
            options.format = findFormat(item.value);
            if (!options.format) {
                std::string names;
                for (const FormatInfo &format : outputFormats())
                    names += (names.empty()                            ? ""
                                  : &format == &outputFormats().back() ? " or "
                                                                       : ", ")
                        + std::string(format.name);
                options.error = "--format takes " + names + ", not '" + escapedInput(item.value) + "'";
                return options;
            }
        } else if (name == "--fraction") {
            if (item.value == "8" || item.value == "16" || item.value == "32" || item.value == "64") {
                options.fraction = std::stoi(item.value);
            } else {
                options.error = "--fraction takes 8, 16, 32 or 64, not '" + escapedInput(item.value) + "'";
                return options;
            }
        } else if (name == "--parts") {
            options.parts = true;
        } else if (name == "--coax") {
            const std::optional<Coax> coax = parseCoax(item.value, decimalSeparator);
            if (!coax) {
                options.error = "--coax takes " + std::string(kCoaxTakes) + ", not '" + escapedInput(item.value) + "'";
                return options;
            }
            options.coax = *coax;
        } else if (name == "--from") {
            FromResult from = frequencyFromLength(item.value, decimalSeparator);
            if (!from.error.empty()) {
                options.error = std::move(from.error);
                return options;
            }
            options.sources.push_back({std::move(from.frequency), std::nullopt});
            options.fromLength = true;
        } else if (name == "--corner-radius") {
            const std::optional<double> radius = parseCornerRadius(item.value, decimalSeparator);
            if (!radius) {
                options.error = "--corner-radius takes " + std::string(kCornerRadiusHelp) + ", not '"
                    + escapedInput(item.value) + "'";
                return options;
            }
            options.cornerRadius = radius;
        } else if (name == "--sweep") {
            std::optional<DecimalSweep> sweep = DecimalSweep::parse(item.value, decimalSeparator, options.error);
            if (!sweep)
                return options;
            options.sources.push_back({std::move(item.value), sweep});
        }
    }
    if (options.header && !options.format->takesHeader)
        options.error = "--header goes with --format tsv (csv always has one)";
    return options;
}

} // namespace varnel
