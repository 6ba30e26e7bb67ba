// Readers for the program's own uncompressed image files: 24-bit BMP, and
// icon and cursor files of 1 or 4 bits per pixel. Qt reads these too, but
// only after loading every image-format plugin to ask which one claims the
// file, which costs the start-up more than drawing the window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

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

// The bytes of a file or resource; empty when it cannot be read.
QByteArray readWholeFile(const QString &path);

} // namespace varnel
