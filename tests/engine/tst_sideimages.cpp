#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "FilterIds.h"
#include "FilterSlots.h"
#include "FiltersEnum.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "SideImageCache.h"
#include "TestPhotos.h"
#include "UserProfile.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <Magick++.h>

#include <list>

namespace {

constexpr int RunTimeoutMs = 120000;
constexpr size_t PageWidth = 120;
constexpr size_t PageHeight = 80;
constexpr double White = 4294967295.0;
constexpr double Black = 4278190080.0;

SFilterRecord Logo(const QString &path)
{
    SFilterRecord record;
    record.id = FilterId::WatermarkLogo;
    record.name = QStringLiteral("Watermark Logo");
    record.active = true;
    record.numberCount = WatermarkLogoSlot::NumberCount;
    record.numbers[WatermarkLogoSlot::Placement] = 8;
    record.numbers[WatermarkLogoSlot::Scale] = 100;
    record.numbers[WatermarkLogoSlot::Transparency] = 20;
    record.textCount = WatermarkLogoSlot::TextCount;
    record.texts[WatermarkLogoSlot::LogoPath] = path;
    return record;
}

// Today's date in the texture, small enough for the test's pages.
SFilterRecord TexturedDate(const QString &texture)
{
    SFilterRecord record;
    record.id = FilterId::Date;
    record.name = QStringLiteral("Date");
    record.active = true;
    record.numberCount = DateSlot::NumberCount;
    const std::initializer_list<double> numbers { 4, 10, 0, 6, White, 0, 2, 0, 0, 0, 0, 0, 0, 0, 1,
        1, 0, 0, Black, 10, 1, 0, Black, 50, 15, 315, 5, 0, Black, 50, 10 };
    std::copy(numbers.begin(), numbers.end(), record.numbers.begin());
    record.textCount = DateSlot::TextCount;
    record.texts[DateSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    record.texts[DateSlot::TexturePath] = texture;
    record.texts[DateSlot::Correction] = QStringLiteral("+0000+00+00 +00+00+00");
    return record;
}

SFilterRecord PictureFrame()
{
    SFilterRecord record;
    record.id = FilterId::PictureFrame;
    record.name = QStringLiteral("Picture Frame");
    record.active = true;
    record.numberCount = PictureFrameSlot::NumberCount;
    record.numbers[PictureFrameSlot::Frame] = 1;
    record.numbers[PictureFrameSlot::BackgroundColor] = White;
    return record;
}

SFilterRecord Mask(const QString &path)
{
    SFilterRecord record;
    record.id = FilterId::WatermarkMask;
    record.name = QStringLiteral("Watermark Mask");
    record.active = true;
    record.numberCount = WatermarkMaskSlot::NumberCount;
    record.numbers[WatermarkMaskSlot::RotateForPortrait] = 1;
    record.numbers[WatermarkMaskSlot::Transparency] = 60;
    record.textCount = WatermarkMaskSlot::TextCount;
    record.texts[WatermarkMaskSlot::MaskPath] = path;
    return record;
}

QByteArray Rgba(Magick::Image image)
{
    QByteArray bytes(qsizetype(image.columns() * image.rows() * 4), Qt::Uninitialized);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, bytes.data());
    return bytes;
}

QString WritePicture(const QString &path, const Magick::Color &color)
{
    Magick::Image picture(Magick::Geometry(24, 12), color);
    picture.write("PNG:" + path.toStdString());
    return path;
}

} // namespace

class TestSideImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void eachSideImageIsDecodedOncePerWorker_data();
    void eachSideImageIsDecodedOncePerWorker();
    void keptSideImageGivesThePictureOfAFreshRead_data();
    void keptSideImageGivesThePictureOfAFreshRead();
    void keptPicturesStayWithinTheLimit();

private:
    QTemporaryDir root;
    QString logo;
    QString otherLogo;
    QString texture;
    QString sourceFolder;
    QString outFolder;
};

void TestSideImages::initTestCase()
{
    QVERIFY(root.isValid());
    CUserProfile::instance()->LoadSettings();
    CFiltersEnum::instance()->GenerateList();
    logo = WritePicture(root.filePath(QStringLiteral("logo.png")), Magick::Color("red"));
    otherLogo = WritePicture(root.filePath(QStringLiteral("other.png")), Magick::Color("blue"));
    texture = WritePicture(root.filePath(QStringLiteral("texture.png")), Magick::Color("orange"));
}

void TestSideImages::init()
{
    static int caseNumber = 0;
    ++caseNumber;
    sourceFolder = root.filePath(QStringLiteral("case%1/in").arg(caseNumber));
    outFolder = root.filePath(QStringLiteral("case%1/out").arg(caseNumber));
    QVERIFY(QDir().mkpath(sourceFolder));
    QVERIFY(QDir().mkpath(outFolder));

    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->ClearScriptState();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("TIF");
    profile->UpdateOutputExtension();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->MultipageWrite = 0;
    profile->QdvLog = false;
}

void TestSideImages::eachSideImageIsDecodedOncePerWorker_data()
{
    QTest::addColumn<QList<SFilterRecord>>("chain");
    QTest::addColumn<int>("sideImages");
    QTest::addColumn<bool>("multicore");
    QTest::addColumn<bool>("document");

    const QList<SFilterRecord> stamped { Logo(logo), TexturedDate(texture), PictureFrame() };
    QTest::newRow("every page of each file, one worker") << stamped << 3 << false << false;
    QTest::newRow("every page of each file, several workers") << stamped << 3 << true << false;
    QTest::newRow("one document of the run") << stamped << 3 << true << true;
    QTest::newRow("two logos in one chain")
        << QList<SFilterRecord> { Logo(logo), Logo(otherLogo) } << 2 << false << false;
    // A random frame is drawn, and read, for each of the 12 pages.
    SFilterRecord randomFrame = PictureFrame();
    randomFrame.numbers[PictureFrameSlot::RandomFrame] = 1;
    QTest::newRow("a random frame") << QList<SFilterRecord> { randomFrame } << 12 << false << false;
}

void TestSideImages::eachSideImageIsDecodedOncePerWorker()
{
    QFETCH(QList<SFilterRecord>, chain);
    QFETCH(int, sideImages);
    QFETCH(bool, multicore);
    QFETCH(bool, document);

    QStringList rejected;
    for (int index = 0; index < 4; ++index) {
        std::list<Magick::Image> pages;
        for (int page = 0; page < 3; ++page)
            pages.push_back(TestPhotos::MakePhoto(PageWidth, PageHeight));
        const QString path = sourceFolder + QStringLiteral("/p%1.tif").arg(index);
        Magick::writeImages(pages.begin(), pages.end(), "TIFF:" + path.toStdString(), true);
        CListImages::instance()->AddImage(path, rejected);
    }
    QVERIFY(rejected.isEmpty());
    for (const SFilterRecord &record : std::as_const(chain))
        CListFilters::instance()->Append(record);
    CUserProfile::instance()->UseMulticore = multicore;
    CUserProfile::instance()->OutputOptions.Multipage = document;

    const quint64 decodedBefore = SideImageDecodeCount();
    CBatchCore core;
    QVERIFY(core.Start());
    QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs));
    QCOMPARE(core.ErrorTotal(), 0);

    // Every worker has photos (fewer workers than photos), so each reads each side image once.
    QCOMPARE(SideImageDecodeCount() - decodedBefore, quint64(sideImages * core.WorkerCount()));
    QCOMPARE(core.WrittenFiles().size(), document ? 1 : 12);
    for (const QString &written : core.WrittenFiles()) {
        CImageManager output;
        QVERIFY(output.Read(written));
        const bool framed = output.image.columns() > PageWidth;
        QCOMPARE(framed, chain.last().id == FilterId::PictureFrame);
    }
}

void TestSideImages::keptSideImageGivesThePictureOfAFreshRead_data()
{
    QTest::addColumn<SFilterRecord>("record");
    SFilterRecord turned = Logo(logo);
    turned.numbers[WatermarkLogoSlot::Rotation] = 30;
    turned.numbers[WatermarkLogoSlot::Scale] = 150;
    QTest::newRow("logo, faded and turned") << turned;
    QTest::newRow("mask") << Mask(texture);
    QTest::newRow("picture frame") << PictureFrame();
    SFilterRecord date = TexturedDate(texture);
    date.numbers[DateSlot::Shown] = 0; // the file's time: the same for every stamp
    QTest::newRow("date texture") << date;
}

void TestSideImages::keptSideImageGivesThePictureOfAFreshRead()
{
    QFETCH(SFilterRecord, record);
    // What a photo does to its copy of a kept picture leaves the kept one as it was read: the
    // third photo of a worker comes out as the first, and a portrait one as with a fresh read.
    CImageManager worker;
    worker.path = logo;
    QByteArray first;
    for (int photo = 0; photo < 3; ++photo) {
        worker.SetImage(TestPhotos::MakePhoto(PageWidth, PageHeight));
        QVERIFY(worker.ApplyFilter(record));
        if (photo == 0)
            first = Rgba(worker.image);
        else
            QVERIFY(Rgba(worker.image) == first);
    }
    // A portrait photo turns the mask and the frame.
    worker.SetImage(TestPhotos::MakePhoto(PageHeight, PageWidth));
    QVERIFY(worker.ApplyFilter(record));
    const QByteArray portrait = Rgba(worker.image);

    CImageManager fresh;
    fresh.path = logo;
    fresh.SetImage(TestPhotos::MakePhoto(PageHeight, PageWidth));
    QVERIFY(fresh.ApplyFilter(record));
    QVERIFY(Rgba(fresh.image) == portrait);
}

void TestSideImages::keptPicturesStayWithinTheLimit()
{
    // A preview's manager lives through many chains: the picture used longest ago makes room.
    CSideImageCache cache;
    const Magick::Image picture(Magick::Geometry(2, 2), Magick::Color("green"));
    const auto key = [](int number) {
        return SSideImageKey { ESideImageReader::Overlay,
            QStringLiteral("/logos/%1.png").arg(number) };
    };
    for (int number = 0; number < CSideImageCache::MaximumEntries; ++number)
        cache.Keep(key(number), picture);
    Magick::Image found;
    QVERIFY(cache.Find(key(0), found));
    cache.Keep(key(CSideImageCache::MaximumEntries), picture);

    QCOMPARE(cache.Keys().size(), CSideImageCache::MaximumEntries);
    QVERIFY(cache.Find(key(0), found));
    QVERIFY(!cache.Find(key(1), found));
    QVERIFY(cache.Find(key(CSideImageCache::MaximumEntries), found));
    // The same file read by another reader is another picture.
    QVERIFY(!cache.Find({ ESideImageReader::Texture, key(0).path }, found));
}

QUENDRASIL_TEST_MAIN_WITH(TestSideImages, QGuiApplication, InitializeImageEngine)
#include "tst_sideimages.moc"
