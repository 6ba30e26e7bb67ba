#include "tools/asset_painters.h"

#include <QTest>

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void committedImagesMatchTheirPainters_data();
    void committedImagesMatchTheirPainters();
};

void TestAssets::committedImagesMatchTheirPainters_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("painted");
    QTest::addColumn<QSize>("size");

    QTest::newRow("antenna photograph") << "antenna_photo.png" << varnel::assets::antennaPhoto() << QSize(103, 186);
}

void TestAssets::committedImagesMatchTheirPainters()
{
    QFETCH(QString, file);
    QFETCH(QImage, painted);
    const QImage committed(QStringLiteral(VARNEL_ASSETS_DIR "/") + file);
    QVERIFY2(!committed.isNull(), qPrintable(file));
    QTEST(committed.size(), "size");
    QCOMPARE(committed.depth(), 32); // loaded as RGB32 from a 24-bit file
    QVERIFY(!committed.hasAlphaChannel());
    QCOMPARE(painted.format(), QImage::Format_RGB888);
    // Pixel for pixel: run tools/make_assets after changing a painter.
    QCOMPARE(committed.convertToFormat(QImage::Format_RGB888), painted);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
