// Writes the program's images into a folder (by default assets/ of the source
// tree). Run it after changing a painter and commit what it writes.
#include "artwork/asset_painters.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Painting needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VARNEL_ASSETS_DIR);
    QDir().mkpath(folder);
    const QDir dir(folder);

    const struct
    {
        const char *file;
        QImage image;
    } images[] = {
        {"antenna_photo.bmp", varnel::assets::antennaPhoto()},
        {"dimension_diagram.bmp", varnel::assets::dimensionDiagram()},
        {"capacitor_sketch.bmp", varnel::assets::capacitorSketch()},
    };
    const struct
    {
        const char *file;
        QByteArray bytes;
    } files[] = {
        {"hand.cur", varnel::assets::handCursorFile()},
        {"varnel.ico", varnel::assets::applicationIconFile()},
    };
    for (const auto &entry : files) {
        QFile file(dir.filePath(QString::fromLatin1(entry.file)));
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.bytes) != entry.bytes.size()) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        std::printf("%s\n", qPrintable(file.fileName()));
    }
    // Renderings for icon themes: icons/hicolor/SIZExSIZE/apps/varnel.png.
    for (int size : varnel::assets::kThemeIconSizes) {
        const QString folder = dir.filePath(QStringLiteral("icons/hicolor/%1x%1/apps").arg(size));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/varnel.png");
        if (!varnel::assets::applicationIcon(size).save(path)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
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
