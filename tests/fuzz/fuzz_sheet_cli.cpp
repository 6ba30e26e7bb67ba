// libFuzzer target over varnel-sheet's command line, as the library: the
// options, the frequency, the paper, the feed gap and the large page, then
// the layout and both writers, with no file written. The bytes are the
// arguments, split at NUL; an argument for -o is given when none is. The
// contract: a usage error is one line and exit 2; a refusal one line and
// exit 1 or 2; a sheet that is planned has no text its fonts cannot show,
// nothing off its pages, and makes a whole PDF and a whole SVG.
#include "app/sheet_cli.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_layout.h"
#include "tests/shared/page_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void broken(const char *why, const std::string &detail)
{
    std::fprintf(stderr, "contract broken: %s: %s\n", why, detail.c_str());
    std::abort();
}

bool oneLine(const std::string &text)
{
    return !text.empty() && text.find('\n') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= bytes.size();) {
        const auto end = std::min(bytes.find('\0', start), bytes.size());
        args.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    bool output = false;
    for (const std::string &arg : args)
        output = output || arg == "-o" || arg.starts_with("--output");
    if (!output)
        args.insert(args.end(), {"-o", "sheet.pdf"});
    for (const char *separator : {".", ","}) {
        varnel::SheetSystem system;
        system.decimalSeparator = separator;
        system.today = "2026-12-09";
        system.sourceDateEpoch = "1765238400";
        const varnel::SheetPlan plan = varnel::planSheet(args, system);
        if (!plan.usageError.empty()) {
            if (plan.status != varnel::kExitUsage || !oneLine(plan.usageError))
                broken("a usage error is not one line with status 2", plan.usageError);
            continue;
        }
        if (!plan.failure.empty()) {
            if ((plan.status != varnel::kExitCannotCompute && plan.status != varnel::kExitUsage)
                || !oneLine(plan.failure))
                broken("a refusal is not one line with status 1 or 2", plan.failure);
            continue;
        }
        if (!plan.ready())
            continue; // --help or --version
        const varnel::SheetLayout layout = varnel::describeSheet(plan.data, plan.request.pages);
        if (!layout.refusal.empty())
            broken("a planned sheet holds a text its fonts cannot show", layout.refusal);
        for (const varnel::Page &page : layout.pages) {
            if (const std::string off = varnel::testing::offPage(page); !off.empty())
                broken("a sheet draws off its page", plan.request.frequency + ": " + off);
        }
        for (const varnel::SheetFormat format : {varnel::SheetFormat::Pdf, varnel::SheetFormat::Svg}) {
            varnel::SheetRequest request = plan.request;
            request.format = format;
            if (request.pages != varnel::SheetPages::LargeTemplate)
                request.pages = varnel::formatFacts(format).pages;
            const varnel::SheetFile file = varnel::sheetFile(request, plan.data, {});
            if (!file.error.empty())
                broken("a planned sheet was not written", file.error);
            const bool whole = format == varnel::SheetFormat::Pdf
                ? file.bytes.starts_with("%PDF-1.6\n") && file.bytes.ends_with("%%EOF\n")
                : file.bytes.starts_with("<?xml") && file.bytes.ends_with("</svg>\n");
            if (!whole)
                broken("a file is not whole", plan.request.frequency);
        }
    }
    return 0;
}
