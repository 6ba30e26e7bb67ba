#include "artwork/asset_painters.h"
#include "qt/drawing/bitmap_files.h"
#include "varnel/build_info.h"

#include <QFile>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cstdlib>

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void committedImagesMatchTheirPainters_data();
    void committedImagesMatchTheirPainters();
    void dimensionMarksAreBlack_data();
    void dimensionMarksAreBlack();
    void iconAndCursorFiles_data();
    void iconAndCursorFiles();
    void themeIcons();
    void versionRecord();
    void ownReadersAgreeWithQt_data();
    void ownReadersAgreeWithQt();
    void ownReadersRejectOtherFiles();
};

namespace {

int word(const QByteArray &bytes, qsizetype at)
{
    return static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8;
}

qint64 dword(const QByteArray &bytes, qsizetype at)
{
    return word(bytes, at) | static_cast<qint64>(word(bytes, at + 2)) << 16;
}

// Antialiased painting can differ by a rounding step between CPUs and Qt
// versions (their SIMD paths round premultiplied alpha differently), so a
// painted image is compared in premultiplied form, channel by channel, with
// this tolerance. A wrong shape or colour differs by far more.
constexpr int kPaintTolerance = 2;

// Empty when the two images agree within the tolerance; otherwise where and
// by how much they differ most.
QString paintDifference(const QImage &committed, const QImage &painted)
{
    if (committed.size() != painted.size())
        return QStringLiteral("sizes differ");
    const QImage a = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int worst = 0;
    QPoint where;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int difference = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (difference > worst) {
                worst = difference;
                where = {x, y};
            }
        }
    }
    if (worst <= kPaintTolerance)
        return {};
    return QStringLiteral("differs by %1 levels at (%2, %3); run make_assets after changing a painter")
        .arg(worst)
        .arg(where.x())
        .arg(where.y());
}

QByteArray readAsset(const QString &file)
{
    QFile f(QStringLiteral(VARNEL_ASSETS_DIR "/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestAssets::committedImagesMatchTheirPainters_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("painted");
    QTest::addColumn<QSize>("size");

    QTest::newRow("antenna photograph") << "antenna_photo.bmp" << varnel::assets::antennaPhoto() << QSize(103, 186);
    QTest::newRow("dimension diagram") << "dimension_diagram.bmp" << varnel::assets::dimensionDiagram()
                                       << QSize(200, 174);
    QTest::newRow("capacitor sketch") << "capacitor_sketch.bmp" << varnel::assets::capacitorSketch() << QSize(225, 60);
}

void TestAssets::committedImagesMatchTheirPainters()
{
    QFETCH(QString, file);
    QFETCH(QImage, painted);
    const QImage committed(QStringLiteral(VARNEL_ASSETS_DIR "/") + file);
    QVERIFY2(!committed.isNull(), qPrintable(file));
    QTEST(committed.size(), "size");
    QVERIFY(committed.depth() == 24 || committed.depth() == 32); // 24-bit files, loaded as RGB888 or RGB32
    QVERIFY(!committed.hasAlphaChannel());
    QCOMPARE(painted.format(), QImage::Format_RGB888);
    const QString difference = paintDifference(committed, painted);
    QVERIFY2(difference.isEmpty(), qPrintable(file + QLatin1String(": ") + difference));
}

// The level and upright marks of the dimension diagram are black, not the
// half-black of a one-pixel line drawn between two pixels; the committed
// file is checked, as the user sees it.
void TestAssets::dimensionMarksAreBlack_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("black");

    QTest::newRow("HEIGHT arrow's shaft, high") << QPoint(12, 40) << true;
    QTest::newRow("HEIGHT arrow's shaft, middle") << QPoint(12, 60) << true;
    QTest::newRow("HEIGHT arrow's shaft, low") << QPoint(12, 90) << true;
    QTest::newRow("beside the shaft, left") << QPoint(11, 60) << false;
    QTest::newRow("beside the shaft, right") << QPoint(13, 60) << false;
    QTest::newRow("extension line at the element's top") << QPoint(20, 23) << true;
    QTest::newRow("extension line at the loop") << QPoint(30, 99) << true;
}

void TestAssets::dimensionMarksAreBlack()
{
    QFETCH(QPoint, at);
    QFETCH(bool, black);
    const QImage diagram(QStringLiteral(VARNEL_ASSETS_DIR "/dimension_diagram.bmp"));
    QVERIFY(!diagram.isNull());
    const QColor colour = diagram.pixelColor(at);
    if (black) {
        QVERIFY2(colour.red() <= kPaintTolerance && colour.green() <= kPaintTolerance
                     && colour.blue() <= kPaintTolerance,
                 qPrintable(colour.name()));
    } else {
        // The drawing's light cyan, within the tolerance of any rasteriser.
        QVERIFY2(std::abs(colour.red() - 127) <= kPaintTolerance && std::abs(colour.green() - 253) <= kPaintTolerance
                     && std::abs(colour.blue() - 255) <= kPaintTolerance,
                 qPrintable(colour.name()));
    }
}

// Read as the system reads them: ICONDIR, one ICONDIRENTRY per image, and
// each image's BITMAPINFOHEADER with its height doubled for the AND mask.
void TestAssets::iconAndCursorFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("painted");
    QTest::addColumn<int>("type");
    // per image: width, colour count, first WORD (planes / hot spot x), second WORD (bit count / hot spot y), bits
    QTest::addColumn<QList<QList<int>>>("images");

    QTest::newRow("hand cursor") << "hand.cur" << varnel::assets::handCursorFile() << 2
                                 << QList<QList<int>> {{32, 2, 13, 9, 1}};
    QTest::newRow("application icon") << "varnel.ico" << varnel::assets::applicationIconFile() << 1
                                      << QList<QList<int>> {{32, 2, 1, 1, 1}, {32, 16, 1, 4, 4}, {16, 16, 1, 4, 4}};
}

void TestAssets::iconAndCursorFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, painted);
    QFETCH(int, type);
    QFETCH(QList<QList<int>>, images);
    const QByteArray bytes = readAsset(file);
    QCOMPARE(bytes, painted);

    QCOMPARE(word(bytes, 0), 0);
    QCOMPARE(word(bytes, 2), type);
    QCOMPARE(word(bytes, 4), images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const QList<int> &expected = images[i];
        QCOMPARE(int(quint8(bytes[entry])), expected[0]);
        QCOMPARE(int(quint8(bytes[entry + 1])), expected[0]);
        QCOMPARE(int(quint8(bytes[entry + 2])), expected[1]);
        QCOMPARE(word(bytes, entry + 4), expected[2]);
        QCOMPARE(word(bytes, entry + 6), expected[3]);
        const qint64 size = dword(bytes, entry + 8);
        const qint64 offset = dword(bytes, entry + 12);
        QVERIFY(offset + size <= bytes.size());
        QCOMPARE(dword(bytes, offset), 40);
        QCOMPARE(dword(bytes, offset + 4), expected[0]);
        QCOMPARE(dword(bytes, offset + 8), 2 * expected[0]);
        QCOMPARE(word(bytes, offset + 14), expected[4]);
        const int rowBytes = ((expected[0] * expected[4] + 31) / 32) * 4;
        const int maskRowBytes = ((expected[0] + 31) / 32) * 4;
        QCOMPARE(size, 40 + 4 * (1 << expected[4]) + (rowBytes + maskRowBytes) * expected[0]);
    }

    // Qt reads them too; the cursor's hot spot is opaque, its corner is not.
    const QImage image(QStringLiteral(VARNEL_ASSETS_DIR "/") + file);
    QCOMPARE(image.size(), QSize(32, 32));
    if (type == 2) {
        QCOMPARE(qAlpha(image.pixel(13, 9)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(13, 8)), 0); // nothing above the finger's tip
    }
}

void TestAssets::themeIcons()
{
    for (int size : varnel::assets::kThemeIconSizes) {
        const QImage committed(QStringLiteral(VARNEL_ASSETS_DIR "/icons/hicolor/%1x%1/apps/varnel.png").arg(size));
        QCOMPARE(committed.size(), QSize(size, size));
        QVERIFY(committed.hasAlphaChannel());
        const QString difference = paintDifference(committed, varnel::assets::applicationIcon(size));
        QVERIFY2(difference.isEmpty(), qPrintable(QString::number(size) + QLatin1String(" px: ") + difference));
    }
}

void TestAssets::versionRecord()
{
    QFile rc(QStringLiteral(VARNEL_RC_FILE));
    QVERIFY(rc.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(rc.readAll());
    // From the build's version: 1.2.3 is 1,2,3,0 and "1.02".
    const QStringList version = QStringLiteral(VARNEL_VERSION).split(QLatin1Char('.'));
    QCOMPARE(version.size(), 3);
    const QString numeric = version.join(QLatin1Char(',')) + QLatin1String(",0");
    const QString shown = QStringLiteral("%1.%2").arg(version[0]).arg(version[1].toInt(), 2, 10, QLatin1Char('0'));
    const QStringList lines {QLatin1String("FILEVERSION ") + numeric,
                             QLatin1String("PRODUCTVERSION ") + numeric,
                             QLatin1String("BLOCK \"040904B0\""),
                             QStringLiteral("VALUE \"FileVersion\", \"%1\"").arg(shown),
                             QStringLiteral("VALUE \"ProductVersion\", \"%1\"").arg(shown),
                             QLatin1String("VALUE \"ProductName\", \"varnel\""),
                             QLatin1String("VALUE \"InternalName\", \"varnel\""),
                             QLatin1String("VALUE \"OriginalFilename\", \"varnel.exe\""),
                             QLatin1String("VALUE \"Translation\", 0x409"),
                             QLatin1String("/assets/varnel.ico\"")};
    for (const QString &line : lines)
        QVERIFY2(text.contains(line), qPrintable(line));
}

// The program reads its own images without Qt's plugins; Qt's readers are
// the oracle here.
void TestAssets::ownReadersAgreeWithQt_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("images");
    QTest::newRow("photograph") << "antenna_photo.bmp" << 1;
    QTest::newRow("dimension diagram") << "dimension_diagram.bmp" << 1;
    QTest::newRow("capacitor sketch") << "capacitor_sketch.bmp" << 1;
    QTest::newRow("hand cursor") << "hand.cur" << 1;
    QTest::newRow("application icon") << "varnel.ico" << 3;
}

void TestAssets::ownReadersAgreeWithQt()
{
    QFETCH(QString, file);
    QFETCH(int, images);
    const QString path = QStringLiteral(VARNEL_ASSETS_DIR "/") + file;
    const QByteArray bytes = varnel::readWholeFile(path);
    if (file.endsWith(QLatin1String(".bmp"))) {
        const QImage ours = varnel::readBmp(bytes);
        QCOMPARE(ours.convertToFormat(QImage::Format_RGB32), QImage(path).convertToFormat(QImage::Format_RGB32));
        return;
    }
    const QList<varnel::IconImage> ours = varnel::readIconFile(bytes);
    QCOMPARE(ours.size(), images);
    QImageReader reader(path);
    for (int i = 0; i < images; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage theirs = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(ours[i].image, theirs);
    }
    if (file.endsWith(QLatin1String(".cur")))
        QCOMPARE(ours.first().hotSpot, QPoint(13, 9));
}

void TestAssets::ownReadersRejectOtherFiles()
{
    const QByteArray bmp = varnel::readWholeFile(QStringLiteral(VARNEL_ASSETS_DIR "/antenna_photo.bmp"));
    const QByteArray ico = varnel::readWholeFile(QStringLiteral(VARNEL_ASSETS_DIR "/varnel.ico"));
    QVERIFY(varnel::readBmp(QByteArray()).isNull());
    QVERIFY(varnel::readBmp(bmp.left(100)).isNull()); // cut short
    QVERIFY(varnel::readBmp(ico).isNull());
    QVERIFY(varnel::readIconFile(bmp).isEmpty());
    QVERIFY(varnel::readIconFile(ico.left(30)).isEmpty()); // entries promise more than there is
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
