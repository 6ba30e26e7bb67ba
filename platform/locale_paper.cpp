#include "platform/locale_paper.h"

#include <clocale>
#include <cmath>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__GLIBC__)
#include <langinfo.h>

#include <cstring>
#endif

namespace varnel {

std::optional<Paper> localePaper()
{
#if defined(__GLIBC__) && defined(LC_PAPER)
    const char *name = std::setlocale(LC_PAPER, nullptr);
    const std::string_view locale = name ? name : "C";
    if (locale == "C" || locale == "POSIX" || locale.starts_with("C."))
        return std::nullopt;
    // glibc hands the millimetres as a word in the place of a string: the
    // first bytes of the pointer hold it.
    const auto millimetres = [](nl_item item) {
        const char *string = nl_langinfo(item);
        unsigned int word = 0;
        std::memcpy(&word, &string, sizeof word);
        return word;
    };
    const unsigned int height = millimetres(_NL_PAPER_HEIGHT);
    const unsigned int width = millimetres(_NL_PAPER_WIDTH);
    for (const PaperFacts &paper : kPapers) {
        if (std::lround(paper.width) == long(width) && std::lround(paper.height) == long(height))
            return paper.paper;
    }
#endif
    return std::nullopt;
}

Paper userPaper()
{
#if defined(_WIN32)
    DWORD size = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&size), sizeof size / sizeof(wchar_t))) {
        for (const PaperFacts &paper : kPapers) {
            for (const unsigned code : paper.windowsCodes) {
                if (code != 0 && code == size)
                    return paper.paper;
            }
        }
    }
    return Paper::A4;
#else
    if (const std::optional<Paper> paper = localePaper())
        return *paper;
#if defined(__GLIBC__) && defined(LC_MEASUREMENT)
    // 1 metric, 2 the US system.
    if (nl_langinfo(_NL_MEASUREMENT_MEASUREMENT)[0] == 2)
        return Paper::Letter;
#endif
    return Paper::A4;
#endif
}

} // namespace varnel
