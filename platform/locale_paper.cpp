#include "platform/locale_paper.h"

#include <clocale>
#include <string_view>

#if defined(__GLIBC__)
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
    if (height == 279 && width == 216)
        return Paper::Letter;
    if (height == 297 && width == 210)
        return Paper::A4;
#endif
    return std::nullopt;
}

} // namespace varnel
