// Readers for the program's own uncompressed image files: 24-bit BMP, and
// icon and cursor files of 1 or 4 bits per pixel. Qt reads these too, but
// only after loading every image-format plugin to ask which one claims the
// file, which costs the start-up more than drawing the window. The writer of
// the icon and cursor files, for the asset generator, sits beside them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>

#include <functional>
#include <vector>

namespace varnel {

// A 24-bit, uncompressed, bottom-up BMP; a null image for anything else.
QImage readBmp(const QByteArray &file);

struct IconImage
{
    QImage image; // ARGB32, transparent where the AND mask says so
    QPoint hotSpot; // cursors only
};

// Every 1- or 4-bit image of an icon (.ico) or cursor (.cur) file; empty
// when the file is not one.
QList<IconImage> readIconFile(const QByteArray &file);

// Bytes in one stored row of a bitmap: rows are padded to whole 32-bit words.
constexpr qsizetype bitmapRowBytes(qsizetype width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// One image of an icon or cursor file: BITMAPINFOHEADER (height doubled for
// the two masks), palette, colour bits and the AND mask, rows bottom-up.
QByteArray iconImageData(int size, int bitsPerPixel, const std::vector<QRgb> &palette,
                         const std::function<int(int, int)> &indexAt,
                         const std::function<bool(int, int)> &transparentAt);

struct IconFileImage
{
    int size;
    int colours;
    int bitsPerPixel;
    int hotSpotX; // cursors only; icons store planes and bit count here
    int hotSpotY;
    QByteArray data; // from iconImageData
};

// The ICONDIR and its entries, then the images. Type 1 is an icon, 2 a cursor.
QByteArray iconFile(int type, const std::vector<IconFileImage> &images);

// The bytes of a file or resource; empty when it cannot be read.
QByteArray readWholeFile(const QString &path);

} // namespace varnel
