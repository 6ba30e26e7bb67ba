// The construction notes as the notes window gives them, reflowed for
// print with the gap note in its red; each capacitor from parts or a piece
// of coax; what follows them; and the footer of the sheet's own pages.
#include "sheet/page_kinds.h"

#include "sheet/page_drawing.h"

#include <algorithm>

namespace varnel {

namespace {

// Each capacitor from parts or a piece of coax, as a small table.
double capacitorTable(PageDrawing &d, double width, double y)
{
    const double columns[] = {0, 18, 38, 128, width};
    const auto row = [&](double top, const std::string(&cells)[4]) {
        double height = 0;
        for (int c = 0; c < 4; ++c)
            height = std::max(
                height,
                d.p.measure({0, 0, columns[c + 1] - columns[c] - 1.5, 1000}, AlignLeft | Wrap, cells[c]).height);
        for (int c = 0; c < 4; ++c)
            d.p.text({kSheetMargin + columns[c], top, columns[c + 1] - columns[c] - 1.5, height + 0.3},
                     AlignLeft | AlignTop | Wrap, cells[c]);
        return height + 0.6;
    };
    d.p.setFont(bold());
    const std::string headings[4] = {"Capacitor", "Value", "Two E12 parts in parallel", stubHeading(d.data)};
    y += row(y, headings);
    d.p.line({kSheetMargin, y}, {kSheetMargin + width, y}, thin(0.25));
    y += 0.5;
    d.p.setFont(regular());
    for (const CapacitorChoice &choice : capacitorChoices(d.data)) {
        const std::string cells[4] = {choice.name, choice.value, choice.pair, choice.stub};
        y += row(y, cells);
    }
    y += 0.8;
    return y + d.paragraph(kSheetMargin, y, width, stubNote(d.data)) + kSectionGap;
}

// A loop bent from one tube, and what elbows add: the sheet's first page
// has no room for it.
double bendsSection(PageDrawing &d, double width, double y)
{
    const std::optional<BentLoop> bends = feedSide(d.data).bends;
    if (!bends)
        return y;
    d.p.setFont(bold(11));
    d.p.text({kSheetMargin, y, width, 6}, AlignLeft | AlignVCenter,
             "The corners bent to " + lengthText(d.data, bends->radius) + " mm");
    y += 6.5;
    d.p.setFont(regular());
    y += d.paragraph(kSheetMargin, y, width, centreLineSum(d.data)) + 0.8;
    y += d.paragraph(kSheetMargin, y, width, bentTubeText(*bends, d.data.decimalSeparator) + ".") + 0.8;
    return y + d.paragraph(kSheetMargin, y, width, std::string(kElbowNote)) + kSectionGap;
}

} // namespace

void describeNotesPage(PageBuilder &builder, const SheetData &data, PageSize size, const std::string &templateNote)
{
    PageDrawing d(builder, data);
    const double width = size.width - 2 * kSheetMargin;
    double y = kSheetMargin
        + d.title(width, notesTitle(data),
                  "As the notes window gives them. The last paragraph is the note on the feed gap.");
    const std::vector<std::string> paragraphs = noteParagraphs();
    builder.setFont(regular(kTextPoints + 1));
    for (std::size_t n = 0; n < paragraphs.size(); ++n) {
        if (n + 1 == paragraphs.size())
            builder.setTextColour(kGapNoteRed);
        y += d.paragraph(kSheetMargin, y, width, paragraphs[n]) + 2.2;
    }
    builder.setTextColour(kBlack);
    y += kSectionGap;
    // The notes say what a part's tolerance does; here is how to come nearer.
    builder.setFont(bold(11));
    builder.text({kSheetMargin, y, width, 6}, AlignLeft | AlignVCenter, "The capacitors from parts or a piece of coax");
    y = capacitorTable(d, width, y + 6.5);
    y = bendsSection(d, width, y);
    builder.setFont(bold());
    d.paragraph(kSheetMargin, y, width, templateNote);
}

void describeFooter(PageBuilder &builder, const SheetData &data, PageSize size, std::size_t page, std::size_t pages)
{
    const double width = size.width - 2 * kSheetMargin;
    const double top = size.height - kSheetMargin - kFooterHeight;
    builder.setFont(regular(8));
    builder.line({kSheetMargin, top + 0.3}, {kSheetMargin + width, top + 0.3}, thin(0.2));
    builder.text({kSheetMargin, top + 0.8, width, kFooterHeight - 0.8}, AlignLeft | AlignVCenter,
                 "varnel " + data.version + ", " + data.date + ". Page " + std::to_string(page) + " of "
                     + std::to_string(pages) + ". The numbers are the varnel window's for this frequency.");
}

} // namespace varnel
