// The construction notes as the notes window gives them, reflowed for
// print with the gap note in its red, what follows them, and the footer of
// the sheet's own pages.
#include "sheet/page_kinds.h"

#include "sheet/page_drawing.h"

namespace varnel {

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
