// varnel-sheet: the build sheet for one frequency, as PDF, SVG or PNG.
#pragma once

#include "app/exit_status.h"
#include "platform/locale_paper.h"
#include "sheet/sheet_file.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// What the program takes from the system it runs on.
struct SheetSystem
{
    std::string decimalSeparator; // the user's locale's
    Paper paper = Paper::A4; // the user's, when --page is not given
    std::optional<std::string> sourceDateEpoch; // SOURCE_DATE_EPOCH, when set and not empty
    long long now = 0; // seconds since 1970
    std::string today; // "2026-12-09", in the user's time zone
    PngPainter png; // none where PNG cannot be painted
};

// The command line read and checked and the sheet computed: all that comes
// before the file is made. Where the run ends here, `status` says how, with
// one of the texts below.
struct SheetPlan
{
    int status = kExitOk;
    std::string usageError; // a usage error's message
    std::string failure; // why no sheet, in one line without the program's name
    const char *answerOf = nullptr; // "help" or "version": `answer` is for standard output
    std::string answer;
    SheetRequest request;
    SheetData data;
    bool ready() const { return usageError.empty() && failure.empty() && !answerOf; }
};
SheetPlan planSheet(const std::vector<std::string> &args, const SheetSystem &system);

// Runs the command line `args` (without the program name). Returns one of
// the exit statuses.
int runSheetCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, const SheetSystem &system);

} // namespace varnel
