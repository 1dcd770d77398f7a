#include "ImageCache.h"
#include "TestMain.h"

#include <QGuiApplication>
#include <QThread>

#include <memory>
#include <thread>
#include <vector>

// The test images (tst_imagecache.qrc):
//   Plain.png 4x4 and Plain@2x.png 8x8, both rgb(10,200,10);
//   Icons-Minimal-{Dark,Light}.png 4x4 and their @2x 8x8, rgb(40,40,40) dark, 230 grey light;
//   Strip.png: 2 columns x 7 rows of 8 px tiles, Strip@2x.png the same with 16 px tiles;
//   Sheet-Dark.png: 4 x 2 tiles of 16 px (no light variant); Short.png: 1 x 3 tiles of 8 px.
// A tile's colour names its place: red 20 + 30 x row, green by column, blue 255 in @2x.
static QColor TileColour(int column, int row, int blue)
{
    static constexpr int green[] = { 60, 200, 160, 210 };
    return QColor(20 + 30 * row, green[column], blue);
}

static void UseImageResources(bool present)
{
    if (present)
        Q_INIT_RESOURCE(tst_imagecache);
    else
        Q_CLEANUP_RESOURCE(tst_imagecache);
}

struct STile
{
    int column;
    int row;
};
Q_DECLARE_METATYPE(QList<STile>)

class TestImageCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newCacheIsDarkAndNormalResolution();
    void resourcePath_data();
    void resourcePath();
    void loadsTheVariantAsked_data();
    void loadsTheVariantAsked();
    void sameImageHandedOutTwice();
    void bothThemesKeptAfterSwitching();
    void missingResourceIsNullAndLookedForOnce();
    void keptImageOutlivesItsResource();
    void threadsAskingAtOnceShareOneImage();

    void splitIconStrip_data();
    void splitIconStrip();
    void splitIconStripOffGuiThreadGivesNoIcons();
    void stripIconsFollowTheVariantHandedOut();
};

void TestImageCache::init()
{
    CImageCache::DeleteInstance();
    UseImageResources(true);
}

void TestImageCache::cleanup()
{
    CImageCache::DeleteInstance();
    UseImageResources(true);
}

void TestImageCache::newCacheIsDarkAndNormalResolution()
{
    CImageCache *cache = CImageCache::instance();
    QCOMPARE(CImageCache::instance(), cache);
    QVERIFY(cache->IsDarkTheme());
    QVERIFY(!cache->IsHighDpi());
    QCOMPARE(cache->ImageResourcePath("Icons-Minimal.png", true, true),
        QStringLiteral(":/Icons-Minimal-Dark.png"));
}

void TestImageCache::resourcePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("allowHighDpi");
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("path");

    QTest::newRow("dark, @2x wanted on a normal screen")
        << "Icons-Minimal.png" << true << true << false << true << ":/Icons-Minimal-Dark.png";
    QTest::newRow("dark, @2x on a high-DPI screen")
        << "Icons-Minimal.png" << true << true << true << true << ":/Icons-Minimal-Dark@2x.png";
    QTest::newRow("light, @2x on a high-DPI screen")
        << "Icons-Minimal.png" << true << true << true << false << ":/Icons-Minimal-Light@2x.png";
    QTest::newRow("light, normal screen")
        << "Icons-Minimal.png" << true << false << false << false << ":/Icons-Minimal-Light.png";
    QTest::newRow("@2x not allowed on a high-DPI screen")
        << "Icons-Minimal.png" << true << false << true << true << ":/Icons-Minimal-Dark.png";
    QTest::newRow("unthemed @2x") << "DialogTip-Banner.png" << false << true << true << true
                                  << ":/DialogTip-Banner@2x.png";
    QTest::newRow("unthemed plain")
        << "Icons-Frames.png" << false << false << true << false << ":/Icons-Frames.png";
    QTest::newRow("suffix is after the last dot") << "Icons.Filters-48.png" << true << true << true
                                                  << true << ":/Icons.Filters-48-Dark@2x.png";
    QTest::newRow("no suffix") << "Banner" << true << true << true << true << ":/Banner-Dark@2x";
    QTest::newRow("dot in a folder is no suffix")
        << "v1.2/Logo" << false << true << true << true << ":/v1.2/Logo@2x";
    QTest::newRow("case kept") << "icons-minimal.PNG" << true << false << false << true
                               << ":/icons-minimal-Dark.PNG";
}

void TestImageCache::resourcePath()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, allowHighDpi);
    QFETCH(bool, highDpi);
    QFETCH(bool, dark);
    QFETCH(QString, path);

    CImageCache *cache = CImageCache::instance();
    cache->SetHighDpi(highDpi);
    cache->SetDarkTheme(dark);
    QCOMPARE(cache->ImageResourcePath(name, themed, allowHighDpi), path);
}

void TestImageCache::loadsTheVariantAsked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("allowHighDpi");
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("colour");

    const QColor dark(40, 40, 40), light(230, 230, 230), plain(10, 200, 10);
    QTest::newRow("dark") << "Icons-Minimal.png" << true << true << false << true << 4 << dark;
    QTest::newRow("dark @2x") << "Icons-Minimal.png" << true << true << true << true << 8 << dark;
    QTest::newRow("light") << "Icons-Minimal.png" << true << true << false << false << 4 << light;
    QTest::newRow("light @2x") << "Icons-Minimal.png" << true << true << true << false << 8
                               << light;
    QTest::newRow("@2x not allowed")
        << "Icons-Minimal.png" << true << false << true << false << 4 << light;
    QTest::newRow("unthemed") << "Plain.png" << false << true << false << true << 4 << plain;
    QTest::newRow("unthemed @2x") << "Plain.png" << false << true << true << true << 8 << plain;
}

void TestImageCache::loadsTheVariantAsked()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, allowHighDpi);
    QFETCH(bool, highDpi);
    QFETCH(bool, dark);
    QFETCH(int, size);
    QFETCH(QColor, colour);

    CImageCache *cache = CImageCache::instance();
    cache->SetHighDpi(highDpi);
    cache->SetDarkTheme(dark);
    const QImage image = cache->GetImage(name, themed, allowHighDpi);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(size - 1, size - 1), colour);
}

void TestImageCache::sameImageHandedOutTwice()
{
    CImageCache *cache = CImageCache::instance();
    const QImage first = cache->GetImage("Plain.png", false, true);
    const QImage second = cache->GetImage("Plain.png", false, true);
    QVERIFY(!first.isNull());
    QCOMPARE(second.cacheKey(), first.cacheKey()); // the same pixels, not a second load

    // A caller painting on its copy does not change what the next caller gets.
    QImage changed = cache->GetImage("Plain.png", false, true);
    changed.fill(Qt::red);
    QCOMPARE(cache->GetImage("Plain.png", false, true).pixelColor(0, 0), QColor(10, 200, 10));
}

void TestImageCache::bothThemesKeptAfterSwitching()
{
    CImageCache *cache = CImageCache::instance();
    const QImage dark = cache->GetImage("Icons-Minimal.png", true, true);
    cache->SetDarkTheme(false);
    const QImage light = cache->GetImage("Icons-Minimal.png", true, true);
    QVERIFY(light.cacheKey() != dark.cacheKey());
    QCOMPARE(light.pixelColor(0, 0), QColor(230, 230, 230));

    cache->SetDarkTheme(true);
    QCOMPARE(cache->GetImage("Icons-Minimal.png", true, true).cacheKey(), dark.cacheKey());
    cache->SetDarkTheme(false);
    QCOMPARE(cache->GetImage("Icons-Minimal.png", true, true).cacheKey(), light.cacheKey());
}

void TestImageCache::missingResourceIsNullAndLookedForOnce()
{
    CImageCache *cache = CImageCache::instance();
    QVERIFY(cache->GetImage("Nothing.png", false, true).isNull());
    QVERIFY(cache->GetImage("Nothing.png", false, true).isNull());
    // Sheet-Dark.png has no light variant.
    cache->SetDarkTheme(false);
    QVERIFY(cache->GetImage("Sheet.png", true, false).isNull());

    // Once found missing, it is not looked for again, even when it turns up later.
    UseImageResources(false);
    QVERIFY(cache->GetImage("Plain.png", false, false).isNull());
    UseImageResources(true);
    QVERIFY(cache->GetImage("Plain.png", false, false).isNull());
    CImageCache::DeleteInstance();
    QVERIFY(!CImageCache::instance()->GetImage("Plain.png", false, false).isNull());
}

void TestImageCache::keptImageOutlivesItsResource()
{
    CImageCache *cache = CImageCache::instance();
    const qint64 key = cache->GetImage("Strip.png", false, false).cacheKey();
    UseImageResources(false);
    const QImage again = cache->GetImage("Strip.png", false, false);
    QVERIFY(!again.isNull());
    QCOMPARE(again.cacheKey(), key);
}

void TestImageCache::threadsAskingAtOnceShareOneImage()
{
    CImageCache *cache = CImageCache::instance();
    cache->SetHighDpi(true);
    std::vector<qint64> keys(8, 0);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < keys.size(); ++i) {
        threads.emplace_back([cache, &keys, i] {
            for (int round = 0; round < 50; ++round) {
                const QString name
                    = round % 2 ? QStringLiteral("Plain.png") : QStringLiteral("Strip.png");
                const QImage image = cache->GetImage(name, false, true);
                if (name == QLatin1String("Strip.png"))
                    keys[i] = image.isNull() ? -1 : image.cacheKey();
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    const qint64 key = cache->GetImage("Strip.png", false, true).cacheKey();
    QCOMPARE(cache->GetImage("Strip.png", false, true).size(), QSize(32, 112));
    for (qint64 threadKey : keys)
        QCOMPARE(threadKey, key);
}

void TestImageCache::splitIconStrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<int>("iconSize");
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QList<STile>>("tiles");

    // Seven rows: 0, 1, 5, 4, 3, 2 and then row 0 again.
    const QList<STile> stripOrder = { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 1, 1 }, { 0, 5 }, { 1, 5 },
        { 0, 4 }, { 1, 4 }, { 0, 3 }, { 1, 3 }, { 0, 2 }, { 1, 2 }, { 0, 0 }, { 1, 0 } };
    QTest::newRow("seven rows") << "Strip.png" << false << true << false << 8 << 8 << 0
                                << stripOrder;
    QTest::newRow("high-DPI doubles the edge and takes @2x")
        << "Strip.png" << false << true << true << 8 << 16 << 255 << stripOrder;
    QTest::newRow("two rows of four, themed")
        << "Sheet.png" << true << true << false << 16 << 16 << 0
        << QList<STile> { { 0, 0 }, { 1, 0 }, { 2, 0 }, { 3, 0 }, { 0, 1 }, { 1, 1 }, { 2, 1 },
               { 3, 1 } };
    // Rows the order names but the sheet lacks give the sheet's own row, not blank icons.
    QTest::newRow("sheet shorter than the order")
        << "Short.png" << false << true << false << 8 << 8 << 0
        << QList<STile> { { 0, 0 }, { 0, 1 }, { 0, 2 } };
    QTest::newRow("edge larger than the sheet")
        << "Strip.png" << false << true << false << 100 << 100 << 0 << QList<STile> {};
    QTest::newRow("zero size") << "Strip.png" << false << true << false << 0 << 0 << 0
                               << QList<STile> {};
    QTest::newRow("negative size")
        << "Strip.png" << false << true << true << -8 << 0 << 0 << QList<STile> {};
    QTest::newRow("huge size on high-DPI")
        << "Strip.png" << false << true << true << 0x7fffffff << 0 << 0 << QList<STile> {};
    QTest::newRow("missing sheet")
        << "Nothing.png" << false << true << false << 8 << 8 << 0 << QList<STile> {};
    QTest::newRow("missing theme variant")
        << "Sheet.png" << true << false << false << 16 << 16 << 0 << QList<STile> {};
}

void TestImageCache::splitIconStrip()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, dark);
    QFETCH(bool, highDpi);
    QFETCH(int, iconSize);
    QFETCH(int, edge);
    QFETCH(int, blue);
    QFETCH(QList<STile>, tiles);

    CImageCache *cache = CImageCache::instance();
    cache->SetDarkTheme(dark);
    cache->SetHighDpi(highDpi);
    const std::unique_ptr<QList<QIcon>> icons(cache->SplitIconStrip(name, themed, iconSize));
    QVERIFY(icons);
    QCOMPARE(icons->size(), tiles.size());
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        const QIcon &icon = icons->at(i);
        QCOMPARE(icon.availableSizes(), QList<QSize> { QSize(edge, edge) });
        const QImage tile = icon.pixmap(QSize(edge, edge)).toImage();
        QCOMPARE(tile.size(), QSize(edge, edge));
        const QColor expected = TileColour(tiles[i].column, tiles[i].row, blue);
        QCOMPARE(tile.pixelColor(0, 0), expected);
        QCOMPARE(tile.pixelColor(edge - 1, edge - 1), expected);
    }
}

void TestImageCache::splitIconStripOffGuiThreadGivesNoIcons()
{
    CImageCache *cache = CImageCache::instance();
    QList<QIcon> *icons = nullptr;
    std::thread worker([&] { icons = cache->SplitIconStrip("Strip.png", false, 8); });
    worker.join();
    QVERIFY(icons);
    QVERIFY(icons->isEmpty());
    delete icons;
    // Its image requests from that thread still work.
    QImage image;
    std::thread reader([&] { image = cache->GetImage("Strip.png", false, true); });
    reader.join();
    QCOMPARE(image.size(), QSize(16, 56));
}

// Icons are cut at the logical size times the ratio of the variant handed out; a sheet's
// first row makes the strip, GridIcon reaches any cell.
void TestImageCache::stripIconsFollowTheVariantHandedOut()
{
    CImageCache *cache = CImageCache::instance();
    for (const bool highDpi : { false, true }) {
        cache->SetHighDpi(highDpi);
        const QList<QIcon> icons = cache->StripIcons(QStringLiteral("Plain.png"), false, 4);
        QCOMPARE(icons.size(), 1);
        QVERIFY(!icons.first().isNull());
    }
    cache->SetHighDpi(false);
    cache->SetDarkTheme(true); // the sheet has no light variant
    QCOMPARE(cache->StripIcons(QStringLiteral("Short.png"), false, 8).size(), 1);
    QCOMPARE(cache->StripIcons(QStringLiteral("Sheet.png"), true, 16).size(), 4);
    QVERIFY(!cache->GridIcon(QStringLiteral("Sheet.png"), true, 3, 1, 16).isNull());
    QVERIFY(cache->GridIcon(QStringLiteral("Sheet.png"), true, 4, 1, 16).isNull());
    QVERIFY(cache->GridIcon(QStringLiteral("Sheet.png"), true, 0, 2, 16).isNull());
    QVERIFY(cache->StripIcons(QStringLiteral("Missing.png"), false, 8).isEmpty());
}

QUENDRASIL_TEST_MAIN(TestImageCache, QGuiApplication)
#include "tst_imagecache.moc"
