#include "qt/drawing/bitmap_files.h"

#include <QFile>

#include <cstdint>

namespace varnel {

namespace {

quint32 le16(const QByteArray &data, qsizetype at)
{
    return static_cast<quint8>(data[at]) | static_cast<quint32>(static_cast<quint8>(data[at + 1])) << 8;
}

quint32 le32(const QByteArray &data, qsizetype at)
{
    return le16(data, at) | le16(data, at + 2) << 16;
}

// Little-endian writers for the Windows bitmap structures.
void put16(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

} // namespace

QByteArray iconImageData(int size, int bitsPerPixel, const std::vector<QRgb> &palette,
                         const std::function<int(int, int)> &indexAt,
                         const std::function<bool(int, int)> &transparentAt)
{
    const int colourRow = static_cast<int>(bitmapRowBytes(size, bitsPerPixel));
    const int maskRow = static_cast<int>(bitmapRowBytes(size, 1));
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0); // BI_RGB
    put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * size));
    put32(out, 0);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, 0);
    for (QRgb colour : palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < size; ++x) {
            const int index = transparentAt(x, y) ? 0 : indexAt(x, y);
            const int bit = x * bitsPerPixel;
            row[bit / 8] = static_cast<char>(row[bit / 8] | (index << (8 - bitsPerPixel - bit % 8)));
        }
        out += row;
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (transparentAt(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

QByteArray iconFile(int type, const std::vector<IconFileImage> &images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<int>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const IconFileImage &image : images) {
        out.append(static_cast<char>(image.size % 256));
        out.append(static_cast<char>(image.size % 256));
        out.append(static_cast<char>(image.colours % 256));
        out.append('\0');
        put16(out, type == 2 ? image.hotSpotX : 1);
        put16(out, type == 2 ? image.hotSpotY : image.bitsPerPixel);
        put32(out, static_cast<std::uint32_t>(image.data.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(image.data.size());
    }
    for (const IconFileImage &image : images)
        out += image.data;
    return out;
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage readBmp(const QByteArray &file)
{
    if (file.size() < 54 || !file.startsWith("BM"))
        return {};
    const qsizetype pixels = le32(file, 10);
    const auto width = static_cast<qint32>(le32(file, 18));
    const auto height = static_cast<qint32>(le32(file, 22));
    if (le32(file, 14) < 40 || le16(file, 28) != 24 || le32(file, 30) != 0 || width <= 0 || height <= 0 || width > 4096
        || height > 4096)
        return {};
    const qsizetype stride = bitmapRowBytes(width, 24);
    if (pixels + stride * height > file.size())
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        const char *row = file.constData() + pixels + stride * (height - 1 - y);
        uchar *out = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<uchar>(row[3 * x + 2]);
            out[3 * x + 1] = static_cast<uchar>(row[3 * x + 1]);
            out[3 * x + 2] = static_cast<uchar>(row[3 * x]);
        }
    }
    return image;
}

QList<IconImage> readIconFile(const QByteArray &file)
{
    QList<IconImage> images;
    if (file.size() < 6 || le16(file, 0) != 0 || (le16(file, 2) != 1 && le16(file, 2) != 2))
        return images;
    const bool cursor = le16(file, 2) == 2;
    const quint32 count = le16(file, 4);
    if (6 + 16 * qsizetype(count) > file.size())
        return images;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        const qsizetype offset = le32(file, entry + 12);
        if (offset + 40 > file.size())
            continue;
        const auto width = static_cast<qint32>(le32(file, offset + 4));
        const auto height = static_cast<qint32>(le32(file, offset + 8)) / 2; // colours, then the mask
        const int bits = static_cast<int>(le16(file, offset + 14));
        if ((bits != 1 && bits != 4) || width <= 0 || width > 256 || height <= 0 || height > 256)
            continue;
        const quint32 paletteSize = le32(file, offset + 32) ? le32(file, offset + 32) : (1u << bits);
        const qsizetype palette = offset + le32(file, offset);
        const qsizetype colours = palette + 4 * qsizetype(paletteSize);
        const qsizetype mask = colours + bitmapRowBytes(width, bits) * height;
        if (paletteSize > 16 || mask + bitmapRowBytes(width, 1) * height > file.size())
            continue;

        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            const qsizetype colourRow = colours + bitmapRowBytes(width, bits) * (height - 1 - y);
            const qsizetype maskRow = mask + bitmapRowBytes(width, 1) * (height - 1 - y);
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const auto maskByte = static_cast<quint8>(file[maskRow + x / 8]);
                if (maskByte & (0x80 >> (x % 8))) {
                    out[x] = qRgba(0, 0, 0, 0);
                    continue;
                }
                const auto byte = static_cast<quint8>(file[colourRow + (x * bits) / 8]);
                const quint32 index = bits == 1 ? (byte >> (7 - x % 8)) & 1 : (x % 2 ? byte & 0x0f : byte >> 4);
                const qsizetype at = palette + 4 * qsizetype(std::min(index, paletteSize - 1));
                out[x] = qRgb(static_cast<quint8>(file[at + 2]), static_cast<quint8>(file[at + 1]),
                              static_cast<quint8>(file[at]));
            }
        }
        const QPoint hotSpot = cursor ? QPoint(int(le16(file, entry + 4)), int(le16(file, entry + 6))) : QPoint();
        images.append({image, hotSpot});
    }
    return images;
}

} // namespace varnel
