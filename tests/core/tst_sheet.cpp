#include "app/sheet_cli.h"
#include "calc/construction_notes.h"
#include "sheet/pdf_writer.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_layout.h"
#include "sheet/standard_fonts.h"
#include "tests/shared/test_environment.h"

#include <doctest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace varnel;

namespace {

SheetData sheetFor(const std::string &frequency, const std::string &separator, Paper paper)
{
    SheetData data = computeSheet(frequency, separator);
    data.page = paper;
    data.version = "1.0.0";
    data.date = "2026-12-09";
    return data;
}

std::string describe(std::size_t page, const TextBlock &text)
{
    const auto rect = [](const Rect &r) {
        std::ostringstream out;
        out.precision(4);
        out << "(" << r.x << "," << r.y << " " << r.width << "x" << r.height << ")";
        return out.str();
    };
    return "page " + std::to_string(page + 1) + " '" + text.text.substr(0, 40) + "' used " + rect(text.used) + " of "
        + rect(text.box);
}

std::vector<std::string> words(const std::string &text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        all.push_back(word);
    return all;
}

// The last number a label says, in either notation: "SIDE\n193" is 193,
// "HEIGHT\n237,99" 237.99.
double lastNumber(const std::string &label)
{
    double found = NAN;
    for (std::string word : words(label)) {
        for (char &c : word)
            c = c == ',' ? '.' : c;
        char *end = nullptr;
        const double value = std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0')
            found = value;
    }
    return found;
}

// "1:4" is 0.25, "2.5:1" 2.5.
double scaleOf(const std::string &text)
{
    const std::size_t colon = text.find(':');
    return std::strtod(text.substr(0, colon).c_str(), nullptr) / std::strtod(text.substr(colon + 1).c_str(), nullptr);
}

struct SheetRow
{
    const char *frequency;
    const char *separator;
    std::size_t pages; // on A4, then Letter: 2 without a template
    std::size_t letterPages;
};

constexpr SheetRow kSheets[] = {
    {"0.1", ".", 2, 2}, // the lowest
    {"0.1234567", ".", 2, 2}, // seven digits
    {"1.8", ".", 2, 2}, // 160 m
    {"14,2", ",", 2, 2},      {"137,5", ",", 2, 2}, {"140", ".", 2, 4}, // a template on Letter only
    {"144", ".", 4, 4}, // 2 m
    {"160", ".", 4, 4}, // the vertical on a page of its own
    {"250", ".", 3, 3}, // the design's last, the vertical beside the loop
    {"250.01", ".", 3, 3}, // with its warning
    {"435", ".", 3, 3},       {"584", ".", 3, 3}, // the rest a tube wide
    {"585", ".", 2, 2}, // the rest shorter than the tube is wide
    {"1296", ",", 2, 2}, // the gap too narrow
    {"10000", ",", 2, 2}, // the highest
};

} // namespace

// Laid out as the PDF lays it: every text inside its box and the page's
// margins, and none over another (the footer included); and every length a
// drawing promises measures what its label says at the scale it states.
TEST_CASE("every page whole and true to its scale")
{
    constexpr double slack = 0.2; // mm: a glyph's side bearing
    for (const SheetRow &row : kSheets) {
        for (Paper paper : {Paper::A4, Paper::Letter}) {
            const std::string sheet = std::string(row.frequency) + (paper == Paper::A4 ? " on A4" : " on Letter");
            INFO(sheet);
            const SheetData data = sheetFor(row.frequency, row.separator, paper);
            REQUIRE(data.texts.error == ErrorKind::None);
            REQUIRE(sheetRefusal(data).empty());
            const std::vector<Page> pages = describeSheet(data, SheetPages::WithTemplate);
            CHECK(pages.size() == (paper == Paper::A4 ? row.pages : row.letterPages));
            CHECK(describeSheet(data, SheetPages::SheetOnly).size() == 2);
            for (std::size_t n = 0; n < pages.size(); ++n) {
                const Page &page = pages[n];
                const PageSize size = pageMillimetres(paper);
                CHECK(page.width == size.width);
                CHECK(page.height == size.height);
                // Every text in the PDF's fonts: none refused, none dropped.
                for (const Item &item : page.items) {
                    if (const auto *run = std::get_if<TextRun>(&item)) {
                        INFO(run->text);
                        CHECK(winAnsi(run->text).has_value());
                    }
                }
                for (const TextBlock &text : page.texts) {
                    INFO(describe(n, text));
                    CHECK(text.box.contains(text.used, slack));
                    CHECK(page.textArea.contains(text.used));
                }
                for (std::size_t a = 0; a < page.texts.size(); ++a) {
                    for (std::size_t b = a + 1; b < page.texts.size(); ++b) {
                        const Rect &one = page.texts[a].used;
                        const Rect &other = page.texts[b].used;
                        const double across = std::min(one.right(), other.right()) - std::max(one.x, other.x);
                        const double down = std::min(one.bottom(), other.bottom()) - std::max(one.y, other.y);
                        INFO(describe(n, page.texts[a]) << " overlaps " << describe(n, page.texts[b]));
                        CHECK((across < slack || down < slack));
                    }
                }
                for (const DrawnLength &length : page.lengths) {
                    INFO("page " << n + 1 << ": '" << length.label << "' at " << length.scale);
                    const double said = lastNumber(length.label);
                    const double scale = scaleOf(length.scale);
                    const double drawn = std::hypot(length.to.x - length.from.x, length.to.y - length.from.y);
                    // A label is rounded to 0.01 mm, and the rest of the feed
                    // side is the difference of three such labels, so that
                    // they add up on paper; the drawing is not rounded.
                    CHECK(std::abs(drawn - said * scale) <= 0.015 * std::max(scale, 1.0) + 0.002);
                    bool stated = length.scale == "1:1";
                    for (const TextBlock &text : page.texts)
                        stated = stated || text.text.ends_with(", " + length.scale);
                    CHECK(stated);
                }
            }
            // The drawings that promise lengths: the plan and side view on
            // the sheet, the template and its check bar.
            CHECK(pages[0].lengths.size() == 7);
            for (std::size_t n = 2; n < pages.size(); ++n)
                CHECK(pages[n].lengths.size() >= 2);
        }
    }
}

TEST_CASE("the template fits, or the sheet says why")
{
    struct Row
    {
        const char *frequency;
        Paper paper;
        const char *why; // empty: drawn
    };
    const Row rows[] = {
        {"137.5", Paper::A4,
         "No full-size template: the loop, 193 mm square between centre lines with 9.5 mm tubing, is larger than the "
         "194 by 245 mm a A4 page leaves for it."},
        {"137.5", Paper::Letter,
         "No full-size template: the loop, 193 mm square between centre lines with 9.5 mm tubing, is larger than the "
         "199.9 by 227.4 mm a Letter page leaves for it."},
        {"144", Paper::A4, ""},
        {"1296", Paper::A4, "No full-size template: these lengths cannot be built."},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency));
        const TemplatePlan plan = templatePlan(sheetFor(row.frequency, ".", row.paper));
        CHECK(plan.why == row.why);
        CHECK(plan.drawn == plan.why.empty());
    }
}

// Every word of both notes, in order, and the gap note a paragraph of its own.
TEST_CASE("the notes reflowed into paragraphs")
{
    const std::vector<std::string> paragraphs = noteParagraphs();
    REQUIRE(paragraphs.size() == 6);
    std::string joined;
    for (const std::string &paragraph : paragraphs) {
        CHECK(paragraph.find('\n') == std::string::npos);
        joined += paragraph + " ";
    }
    CHECK(words(joined) == words(std::string(kGeneralNotes) + std::string(kGapNote)));
    CHECK(words(paragraphs.back()) == words(std::string(kGapNote)));
    CHECK(paragraphs[3].starts_with("Having both polarizations"));
}

TEST_CASE("drawing scales")
{
    struct Row
    {
        double length;
        double room;
        const char *scale;
    };
    const Row rows[] = {
        {193.0, 59.0, "1:4"}, // 193 mm in 59
        {118.0, 59.0, "1:2"}, // exactly at the room
        {61.01, 58.0, "1:2"},     {58.0, 58.0, "1:1"}, // fits as it is
        {2.65, 58.0, "20:1"}, // enlarged
        {26537.6, 58.0, "1:500"}, {20.48, 58.0, "2.5:1"},
    };
    for (const Row &row : rows) {
        INFO(row.length, " in ", row.room);
        const DrawingScale scale = drawingScale(row.length, row.room);
        CHECK(scale.text == row.scale);
        CHECK(row.length * scale.factor <= row.room);
    }
}

TEST_CASE("SOURCE_DATE_EPOCH")
{
    struct Row
    {
        const char *value;
        const char *date; // empty: refused
    };
    const Row rows[] = {
        {"0", "1970-01-01"},
        {"1765324799", "2025-12-09"}, // a day's last second
        {"1765324800", "2025-12-10"},
        {"253402300799", "9999-12-31"},
        {"253402300800", ""}, // year 10000
        {"99999999999999", ""},
        {"-1", ""},
        {"1.5", ""},
        {" 1", ""},
        {"", ""},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.value));
        const std::optional<long long> epoch = sourceDateEpoch(row.value);
        CHECK((epoch ? isoDate(*epoch) : std::string()) == row.date);
    }
}

TEST_CASE("frequencies a sheet is refused for")
{
    struct Row
    {
        const char *frequency;
        const char *reason; // empty: drawn
    };
    const Row rows[] = {
        {"-137.5", "-137.5 MHz gives lengths that are not positive, so there is nothing to build"},
        {"1e-30", "1E-30 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"0.0999", "0.0999 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"10001", "10001 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"1e38", "1E+38 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"0.1", ""},
        {"10000", ""},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency));
        const SheetData data = computeSheet(row.frequency, ".");
        REQUIRE(data.texts.error == ErrorKind::None);
        CHECK(sheetRefusal(data) == row.reason);
    }
}

TEST_CASE("the format by the file's suffix")
{
    struct Row
    {
        const char *path;
        int format; // -1: refused
    };
    const Row rows[] = {
        {"sheet.pdf", int(SheetFormat::Pdf)},
        {"/tmp/SHEET.PDF", int(SheetFormat::Pdf)},
        {"a.b.svg", int(SheetFormat::Svg)},
        {"sheet.png", int(SheetFormat::Png)},
        {"sheet", -1},
        {"sheet.doc", -1},
        {"pdf.sheet", -1},
        {"x.pdf/sheet", -1}, // a folder's suffix only
        {"out/.pdf", -1}, // a hidden file named .pdf
    };
    for (const Row &row : rows) {
        INFO(std::string(row.path));
        const std::optional<SheetFormat> format = sheetFormatFor(row.path);
        CHECK((format ? int(*format) : -1) == row.format);
    }
}

// Widths as Adobe publishes them for Helvetica, summed by hand: ten digits
// of 556 are 5.56 em, at 10 pt 55.6 pt.
TEST_CASE("text measured by the standard fonts' widths")
{
    struct Row
    {
        const char *text;
        Face face;
        double points; // the width, in points at 10 pt
    };
    const Row rows[] = {
        {"0123456789", Face::Regular, 55.6},
        {"Cut list", Face::Bold, 33.89}, // C 722 u 611 t 333 blank 278 l 278 i 278 s 556 t 333
        {"MHz", Face::Regular, 20.55}, // M 833 H 722 z 500
        {"\xC2\xB5"
         "F",
         Face::Regular, 11.67}, // micro 556, F 611
        {"W", Face::Bold, 9.44},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.text));
        CHECK(textWidth({row.face, 10}, row.text) == doctest::Approx(row.points * kMillimetresPerPoint).epsilon(1e-9));
    }
}

// What the PDF's fonts can say, and a refusal in one line for what they
// cannot, never a character dropped.
TEST_CASE("text in the PDF's encoding")
{
    struct Row
    {
        const char *text;
        const char *bytes; // nullptr: refused
        const char *missing;
    };
    const Row rows[] = {
        {"137,5 MHz", "137,5 MHz", ""},
        {"22 \xC2\xB5"
         "F",
         "22 \xB5"
         "F",
         ""}, // micro
        {"\xE2\x80\x93", "\x96", ""}, // en dash, 0x96 in WinAnsi
        {"1\xD9\xAB"
         "5",
         nullptr, "U+066B"}, // the Arabic decimal separator
        {"f\xFCr", nullptr, "byte \\xFC"}, // not UTF-8
        {"\xF0\x9F\x98\x80", nullptr, "U+1F600"},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.text));
        const std::optional<std::string> bytes = winAnsi(row.text);
        CHECK(bytes.has_value() == (row.bytes != nullptr));
        if (bytes && row.bytes)
            CHECK(*bytes == row.bytes);
        CHECK(firstCharacterWithoutWinAnsi(row.text) == row.missing);
        if (!row.bytes) {
            Page page;
            page.items.emplace_back(TextRun {{10, 10}, {}, kBlack, row.text});
            const PdfResult pdf = writePdf({page}, {"title", "varnel-sheet", 0});
            CHECK(pdf.bytes.empty());
            CHECK(pdf.error.find(row.missing) != std::string::npos);
        }
    }
}

// varnel-sheet's command line: what it writes, where it refuses, and the
// one line it says, on every system.
TEST_CASE("varnel-sheet's command line")
{
    testing::ScratchFolder folder("varnel-sheet-cli");
    const std::string pdf = (folder.path() / "sheet.pdf").string();
    const std::string svg = (folder.path() / "sheet.svg").string();
    const std::string png = (folder.path() / "sheet.png").string();
    struct Row
    {
        std::vector<std::string> args;
        const char *epoch; // SOURCE_DATE_EPOCH; nullptr: unset
        int status;
        std::string said; // the first line on standard error; empty: none
        std::string file; // written, and begins so; empty: none
    };
    const Row rows[] = {
        {{"137.5", "-o", pdf}, "1765238400", kExitOk, "", "%PDF-1.6"},
        {{"--page=LETTER", "137.5", "-o", pdf}, "0", kExitOk, "", "%PDF-1.6"},
        {{"435", "--output", svg},
         nullptr,
         kExitOk,
         "varnel-sheet: warning: 435 MHz is outside the 0 to 250 MHz the design is made for; computed as the window "
         "does",
         "<?xml"},
        {{}, nullptr, kExitUsage, "varnel-sheet: give one frequency in MHz", ""},
        {{"137.5"}, nullptr, kExitUsage, "varnel-sheet: give the file to write with -o FILE (.pdf, .svg or .png)", ""},
        {{"137.5", "-o", "sheet.doc"},
         nullptr,
         kExitUsage,
         "varnel-sheet: sheet.doc: the file's suffix must be .pdf, .svg or .png",
         ""},
        {{"--page", "a5", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --page takes a4 or letter, not 'a5'",
         ""},
        {{"--colour", "137.5", "-o", pdf}, nullptr, kExitUsage, "varnel-sheet: unknown option '--colour'", ""},
        {{"137.5", "-o", pdf},
         "1.5",
         kExitUsage,
         "varnel-sheet: SOURCE_DATE_EPOCH must be whole seconds since 1970 up to the year 9999, not '1.5'",
         ""},
        {{"abc", "-o", pdf}, nullptr, kExitCannotCompute, "varnel-sheet: 'abc': Type mismatch", ""},
        {{"-137.5", "-o", pdf},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: -137.5 MHz gives lengths that are not positive, so there is nothing to build",
         ""},
        {{"137.5", "-o", png},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: " + png + ": PNG cannot be drawn here; write the sheet as PDF or SVG",
         ""},
        {{"--help"}, nullptr, kExitOk, "", ""},
#ifdef _WIN32
        {{"/?"}, nullptr, kExitOk, "", ""},
#endif
    };
    for (const Row &row : rows) {
        std::string line;
        for (const std::string &arg : row.args)
            line += arg + " ";
        INFO(line);
        std::filesystem::remove(pdf);
        std::filesystem::remove(svg);
        SheetSystem system;
        system.decimalSeparator = ".";
        system.today = "2026-12-09";
        if (row.epoch)
            system.sourceDateEpoch = row.epoch;
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runSheetCli(row.args, out, err, system) == row.status);
        const std::string said = err.str();
        CHECK(said.substr(0, said.find('\n')) == row.said);
        const bool help = !row.args.empty() && (row.args[0] == "--help" || row.args[0] == "/?");
        CHECK(out.str().starts_with("Usage: varnel-sheet ") == help);
        const std::string written = row.args.size() > 2 ? row.args.back() : std::string();
        const bool exists = !written.empty() && std::filesystem::exists(written);
        CHECK(exists == !row.file.empty());
        if (exists) {
            std::ifstream file(written, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            CHECK(bytes.starts_with(row.file));
            // Letter is 612 by 792 points, A4 595.2756 by 841.8898.
            if (row.args[0] == "--page=LETTER")
                CHECK(bytes.find("/MediaBox [0 0 612 792]") != std::string::npos);
            else if (row.file == "%PDF-1.6")
                CHECK(bytes.find("/MediaBox [0 0 595.2756 841.8898]") != std::string::npos);
        }
    }
}
