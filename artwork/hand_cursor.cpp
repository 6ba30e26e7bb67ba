// The link's pointing hand, as a cursor file.
#include "artwork/asset_painters.h"
#include "qt/drawing/bitmap_files.h"

namespace varnel::assets {

namespace {

// White with a black outline; '.' is transparent.
// clang-format off
const char *const kHand[32] = {
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        ".............##.................",
        "............#oo#................",
        "............#oo#................",
        "............#oo#................",
        "............#oo#................",
        "............#oo###..............",
        "............#oo#oo##............",
        "............#oo#oo#o##..........",
        "............#oo#oo#oo#o#........",
        "........###.#oo#oo#oo#oo#.......",
        "........#oo##oooooooooooo#......",
        "........#ooo#ooooooooooooo#.....",
        ".........#oo#ooooooooooooo#.....",
        ".........#oooooooooooooooo#.....",
        "..........#ooooooooooooooo#.....",
        "..........#oooooooooooooo#......",
        "...........#ooooooooooooo#......",
        "...........#oooooooooooo#.......",
        "............#ooooooooooo#.......",
        "............#############.......",
        "............#############.......",
        "............#############.......",
        "................................",
};
// clang-format on

} // namespace

QByteArray handCursorFile()
{
    auto at = [](int x, int y) { return kHand[y][x]; };
    const QByteArray image = iconImageData(
        32, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, [&](int x, int y) { return at(x, y) == 'o' ? 1 : 0; },
        [&](int x, int y) { return at(x, y) == '.'; });
    return iconFile(2, {{32, 2, 1, kHandHotSpotX, kHandHotSpotY, image}});
}

} // namespace varnel::assets
