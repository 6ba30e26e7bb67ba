// What the PNG module of varnel-sheet exports, and where it lies.
#pragma once

#include "sheet/page.h"

#include <string>
#include <vector>

// Paints the pages, one below the other, into `png`; false when it cannot.
// Both sides are built by the same compiler from the same tree.
extern "C" bool varnelSheetPng(const std::vector<varnel::Page> &pages, std::string &png);
using VarnelSheetPng = bool (*)(const std::vector<varnel::Page> &, std::string &);

inline constexpr const char *kSheetPngModule = "varnel-sheet-png.so";
inline constexpr const char *kSheetPngSymbol = "varnelSheetPng";
