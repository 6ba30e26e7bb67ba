// Writes the program's images into a folder (by default assets/ of the source
// tree). Run it after changing a painter and commit what it writes.
#include "tools/asset_painters.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VARNEL_ASSETS_DIR);
    QDir().mkpath(folder);
    const QDir dir(folder);

    const struct
    {
        const char *file;
        QImage image;
    } images[] = {
        {"antenna_photo.png", varnel::assets::antennaPhoto()},
    };
    for (const auto &entry : images) {
        const QString path = dir.filePath(QString::fromLatin1(entry.file));
        if (!entry.image.save(path)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
