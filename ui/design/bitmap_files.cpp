#include "ui/design/bitmap_files.h"

#include <QFile>

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

qsizetype rowBytes(qsizetype width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace

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
    const qsizetype stride = rowBytes(width, 24);
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
        const qsizetype mask = colours + rowBytes(width, bits) * height;
        if (paletteSize > 16 || mask + rowBytes(width, 1) * height > file.size())
            continue;

        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            const qsizetype colourRow = colours + rowBytes(width, bits) * (height - 1 - y);
            const qsizetype maskRow = mask + rowBytes(width, 1) * (height - 1 - y);
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
