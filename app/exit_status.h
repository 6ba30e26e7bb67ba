// The exit statuses of varnel, varnel-calc and varnel-sheet: one table, so
// the three programs, their help and their manual pages say the same.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace varnel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotCompute = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoDisplay = 3;
inline constexpr int kExitWriteFailed = 4;

struct ExitStatusInfo
{
    int status;
    std::string_view meaning;
};

inline constexpr std::array<ExitStatusInfo, 5> kExitStatuses {{
    {kExitOk, "done"},
    {kExitCannotCompute, "a frequency could not be computed (or, for a sheet, drawn)"},
    {kExitUsage, "a usage error: an unknown option, a missing or wrong value"},
    {kExitNoDisplay, "no graphical display answers (varnel only)"},
    {kExitWriteFailed, "the output could not be written (a full disk, a closed output)"},
}};

// The table as each program's --help ends with it: the statuses that
// program can give, or all of them.
inline std::string exitStatusHelp(std::initializer_list<int> statuses = {})
{
    std::string text = "Exit status:\n";
    for (const ExitStatusInfo &row : kExitStatuses) {
        if (statuses.size() != 0 && std::find(statuses.begin(), statuses.end(), row.status) == statuses.end())
            continue;
        text.append("  ").append(std::to_string(row.status)).append("  ").append(row.meaning).append("\n");
    }
    return text;
}

// What varnel-calc and varnel-sheet can give: they need no display.
inline constexpr std::initializer_list<int> kToolExitStatuses {kExitOk, kExitCannotCompute, kExitUsage,
                                                               kExitWriteFailed};

} // namespace varnel
