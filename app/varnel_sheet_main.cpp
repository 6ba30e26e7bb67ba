// varnel-sheet: writes the build sheet for one frequency as PDF, SVG or PNG.
// It opens no window and needs no display; Qt starts only to paint a PNG.
#include "app/command_line.h"
#include "app/sheet_cli.h"
#include "numbers/unicode_text.h"
#include "platform/locale_numbers.h"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef VARNEL_SHEET_PNG_DIR
#include "qt/drawing/sheet_png_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace {

// Beside the program in the build tree; where it is installed, in
// libexec/varnel/, found from the program's own place.
std::vector<std::string> pngModulePlaces()
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    std::string folder(self, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    return {folder + kSheetPngModule, folder + VARNEL_SHEET_PNG_DIR "/" + kSheetPngModule};
}

varnel::SheetFile paintPng(const std::vector<varnel::Page> &pages)
{
    std::string tried;
    for (const std::string &place : pngModulePlaces()) {
        void *module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (tried.empty())
                tried = dlerror();
            continue;
        }
        const auto boundary = reinterpret_cast<VarnelSheetPngBoundary>(dlsym(module, kSheetPngBoundarySymbol));
        if (!boundary || boundary() != sheetPngBoundary())
            return {{},
                    "PNG is drawn by " + place + ", which belongs to another build of varnel-sheet"
                        + "; reinstall varnel, or write the sheet as PDF or SVG"};
        const auto paint = reinterpret_cast<VarnelSheetPng>(dlsym(module, kSheetPngSymbol));
        varnel::SheetFile file;
        if (!paint || !paint(pages, file.bytes))
            file.error = "the sheet could not be drawn";
        // The module stays loaded: Qt's exit handlers run from it.
        return file;
    }
    return {{},
            "PNG is drawn by " + std::string(kSheetPngModule) + ", which cannot be loaded (" + tried
                + "); write the sheet as PDF or SVG"};
}

} // namespace
#endif

namespace {

std::string today(std::time_t now)
{
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}

int run(const std::vector<std::string> &args)
{
    // Numbers and paper follow the user's locale, as in the window program.
    std::setlocale(LC_ALL, "");
    varnel::SheetSystem system;
    system.decimalSeparator = varnel::localeDecimalSeparator();
    system.paper = varnel::userPaper();
    if (const char *value = std::getenv("SOURCE_DATE_EPOCH"); value && *value)
        system.sourceDateEpoch = value;
    const std::time_t now = std::time(nullptr);
    system.now = static_cast<long long>(now);
    system.today = today(now);
#ifdef VARNEL_SHEET_PNG_DIR
    system.png = paintPng;
#endif
    return varnel::runSheetCli(args, std::cout, std::cerr, system);
}

} // namespace

#ifdef _WIN32
// The arguments in UTF-16, as Windows holds them, so a file name in any
// script reaches the file system as the user typed it.
int wmain(int argc, wchar_t **argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        // Strict: a name changed on the way would be another file's.
        std::optional<std::string> arg = varnel::utf8Of(std::wstring_view(argv[i]));
        if (!arg) {
            std::cerr << varnel::usageErrorText(
                "varnel-sheet", "argument " + std::to_string(i) + " is not valid Unicode: it holds a lone surrogate");
            return varnel::kExitUsage;
        }
        args.push_back(std::move(*arg));
    }
    return run(args);
}
#else
int main(int argc, char **argv)
{
    return run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
