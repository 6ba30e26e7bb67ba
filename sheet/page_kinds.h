// The kinds of page a build sheet is made of, each laid out by a function
// of its own into the builder it is given: the sheet itself and the
// construction notes (sheet_page, notes_page), and the full-size template
// on one page or a large one (loop_template_page), its vertical on a page
// of its own (vertical_page), and, across several sheets, the map of how
// they go together (map_page) and each tile (tile_page). The order of the
// pages and their sizes are sheet_layout's.
#pragma once

#include "sheet/page_builder.h"
#include "sheet/sheet_content.h"
#include "sheet/template_plan.h"

#include <cstddef>
#include <string>

namespace varnel {

// The reading, the plan and side views, the capacitors' wiring, the parts
// and the cut list.
void describeSheetPage(PageBuilder &builder, const SheetData &data, PageSize size);
// The notes as the notes window gives them, and `templateNote` on what
// follows them.
void describeNotesPage(PageBuilder &builder, const SheetData &data, PageSize size, const std::string &templateNote);
// The line at the foot of the sheet's own pages.
void describeFooter(PageBuilder &builder, const SheetData &data, PageSize size, std::size_t page, std::size_t pages);

// The loop on one page of `size`, the paper's or a large one, with the
// vertical beside it where `verticalBeside`; `where` names a large page.
// Without either, the page says that the verticals are cut by a tape,
// unless `verticalPage`.
void describeLoopTemplate(PageBuilder &builder, const SheetData &data, PageSize size, bool verticalBeside,
                          bool verticalPage, const std::string &where);
void describeVerticalTemplate(PageBuilder &builder, const SheetData &data, PageSize size);
void describeTemplateMap(PageBuilder &builder, const SheetData &data, const TemplatePlan &plan, PageSize size);
void describeTile(PageBuilder &builder, const SheetData &data, const TemplatePlan &plan, std::size_t index,
                  PageSize size);

} // namespace varnel
