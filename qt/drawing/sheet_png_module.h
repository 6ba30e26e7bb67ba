// What the PNG module of varnel-sheet exports, and where it lies.
#pragma once

#include "sheet/page.h"
#include "varnel/build_info.h"

#include <string>
#include <vector>

// What both sides of the boundary must agree on: the build's version, the
// boundary's own revision (raised whenever what crosses it changes) and
// the sizes of what crosses it. The program asks the module for its own
// before it calls it, so that a module of another build left beside the
// program is refused, not called with pages it would read otherwise.
inline std::string sheetPngBoundary()
{
    constexpr int kRevision = 2; // 2: a clip is a scope
    return VARNEL_VERSION "/" + std::to_string(kRevision) + "/" + std::to_string(sizeof(varnel::Page)) + "/"
        + std::to_string(sizeof(varnel::Item)) + "/" + std::to_string(sizeof(std::vector<varnel::Page>)) + "/"
        + std::to_string(sizeof(std::string));
}
extern "C" const char *varnelSheetPngBoundary();
using VarnelSheetPngBoundary = const char *(*)();
inline constexpr const char *kSheetPngBoundarySymbol = "varnelSheetPngBoundary";

// Paints the pages, one below the other, into `png`; false when it cannot.
extern "C" bool varnelSheetPng(const std::vector<varnel::Page> &pages, std::string &png);
using VarnelSheetPng = bool (*)(const std::vector<varnel::Page> &, std::string &);

inline constexpr const char *kSheetPngModule = "varnel-sheet-png.so";
inline constexpr const char *kSheetPngSymbol = "varnelSheetPng";
