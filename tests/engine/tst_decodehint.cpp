#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "FilterIds.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "ProcessThread.h"
#include "TestPhotos.h"
#include "UserProfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int RunTimeoutMs = 120000;

// Large enough that a 1600-pixel box lets libjpeg decode at half scale (4800 / 1600 = 3,
// 3200 / 1600 = 2).
constexpr size_t PhotoWidth = 4800;
constexpr size_t PhotoHeight = 3200;

SFilterRecord MakeFilter(int id, const QList<double> &numbers, bool active = true)
{
    SFilterRecord record;
    record.id = id;
    record.name = QStringLiteral("step %1").arg(id);
    record.active = active;
    record.numberCount = quint8(numbers.size());
    for (qsizetype index = 0; index < numbers.size(); ++index)
        record.numbers[size_t(index)] = numbers.at(index);
    return record;
}

// Width, height, keep proportions, mode 0 (fit), pixels, may enlarge.
SFilterRecord LongEdgeResize(double side)
{
    return MakeFilter(FilterId::Resize, { side, side, 1.0, 0.0, 0.0, 0.0 });
}

// Photographic content: fractal noise with fine detail under a broad diagonal gradient, and
// hard-edged shapes, so that a wrong scale, shift or colour shows in the pixels.
Magick::Image MakeLargePhoto(size_t width, size_t height)
{
    Magick::SetRandomSeed(11); // plasma is random: the same photo every run
    Magick::Image photo;
    photo.size(Magick::Geometry(width, height));
    photo.read("plasma:fractal");
    Magick::Image gradient;
    gradient.size(Magick::Geometry(height, width));
    gradient.read("gradient:#203060-#f0c080");
    gradient.rotate(90.0);
    photo.composite(gradient, 0, 0, Magick::OverlayCompositeOp);
    photo.strokeColor(Magick::ColorRGB(0.05, 0.05, 0.05));
    photo.fillColor(Magick::ColorRGB(0.95, 0.95, 0.9));
    photo.strokeWidth(12.0);
    photo.draw(Magick::DrawableRectangle(
        double(width) * 0.1, double(height) * 0.1, double(width) * 0.3, double(height) * 0.45));
    photo.draw(Magick::DrawableCircle(
        double(width) * 0.7, double(height) * 0.6, double(width) * 0.8, double(height) * 0.6));
    photo.type(Magick::TrueColorType);
    return photo;
}

void WriteLargeJpeg(const QString &path)
{
    Magick::Image photo = MakeLargePhoto(PhotoWidth, PhotoHeight);
    TestPhotos::SExifFacts facts = TestPhotos::CameraFacts();
    facts.orientation = 0;
    facts.thumbnail = false;
    const QByteArray exif = TestPhotos::MakeExifBlock(facts);
    photo.profile("EXIF", Magick::Blob(exif.constData(), size_t(exif.size())));
    photo.quality(90);
    photo.write("JPEG:" + path.toStdString());
}

QByteArray RgbBytes(Magick::Image image)
{
    QByteArray rgb(qsizetype(image.columns() * image.rows() * 3), Qt::Uninitialized);
    image.write(0, 0, image.columns(), image.rows(), "RGB", Magick::CharPixel, rgb.data());
    return rgb;
}

// Mean absolute difference per sample on the 0-255 scale; the images have the same size.
double MeanDifference(const Magick::Image &first, const Magick::Image &second)
{
    const QByteArray a = RgbBytes(first);
    const QByteArray b = RgbBytes(second);
    if (a.size() != b.size() || a.isEmpty())
        return 255.0;
    double total = 0.0;
    for (qsizetype index = 0; index < a.size(); ++index)
        total += std::abs(int(quint8(a.at(index))) - int(quint8(b.at(index))));
    return total / double(a.size());
}

} // namespace

class TestDecodeHint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void hintFollowsTheFirstActiveStep_data();
    void hintFollowsTheFirstActiveStep();
    void reducedDecodeGivesTheSameResize();
    void hintIsIgnoredWhereItCannotHelp();
    void batchRunWritesTheFullResize();

private:
    QTemporaryDir root;
    QString largeJpeg;
};

void TestDecodeHint::initTestCase()
{
    QVERIFY(root.isValid());
    CUserProfile::instance()->LoadSettings();
    largeJpeg = root.filePath(QStringLiteral("large.jpg"));
    WriteLargeJpeg(largeJpeg);
}

void TestDecodeHint::hintFollowsTheFirstActiveStep_data()
{
    QTest::addColumn<QList<SFilterRecord>>("chain");
    QTest::addColumn<QSize>("expected");

    const SFilterRecord crop = MakeFilter(FilterId::Crop, { 0.0, 0.0, 100.0, 100.0 });
    QTest::newRow("long edge") << QList<SFilterRecord> { LongEdgeResize(1600.0) }
                               << QSize(1600, 1600);
    QTest::newRow("long edge given as the height") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 800.0, 1599.5, 1.0, 0.0, 0.0, 0.0 })
    } << QSize(1600, 1600);
    QTest::newRow("exact size") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1200.0, 900.0, 0.0, 0.0, 0.0, 0.0 })
    } << QSize(1200, 900);
    QTest::newRow("both sides") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1200.0, 900.0, 1.0, 3.0, 0.0, 0.0 })
    } << QSize(1200, 900);
    QTest::newRow("thumbnail") << QList<SFilterRecord> {
        MakeFilter(FilterId::Thumbnail, { 320.7, 240.0, 2.0 })
    } << QSize(320, 240);
    QTest::newRow("inactive crop first") << QList<SFilterRecord> {
        MakeFilter(FilterId::Crop, { 0.0, 0.0, 100.0, 100.0 }, false), LongEdgeResize(1600.0), crop
    } << QSize(1600, 1600);

    // A mode or unit the page's list does not hold is the page's default, as the step reads it.
    QTest::newRow("mode -1 is width and height") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1600.0, 1600.0, 1.0, -1.0, 0.0, 0.0 })
    } << QSize(1600, 1600);
    QTest::newRow("method 3 is fit")
        << QList<SFilterRecord> { MakeFilter(FilterId::Thumbnail, { 320.0, 240.0, 3.0 }) }
        << QSize(320, 240);

    QTest::newRow("crop first") << QList<SFilterRecord> { crop, LongEdgeResize(1600.0) } << QSize();
    QTest::newRow("empty chain") << QList<SFilterRecord> {} << QSize();
    QTest::newRow("only inactive steps") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1600.0, 1600.0, 1.0, 0.0, 0.0, 0.0 }, false)
    } << QSize();
    QTest::newRow("percent") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 25.0, 25.0, 1.0, 0.0, 1.0, 0.0 })
    } << QSize();
    QTest::newRow("width only") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1600.0, 1600.0, 1.0, 1.0, 0.0, 0.0 })
    } << QSize();
    QTest::newRow("height only") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { 1600.0, 1600.0, 1.0, 2.0, 0.0, 0.0 })
    } << QSize();
    QTest::newRow("damaged width") << QList<SFilterRecord> {
        MakeFilter(FilterId::Resize, { std::nan(""), 1600.0, 1.0, 0.0, 0.0, 0.0 })
    } << QSize();
    QTest::newRow("zero thumbnail")
        << QList<SFilterRecord> { MakeFilter(FilterId::Thumbnail, { 0.0, 240.0, 0.0 }) } << QSize();
}

void TestDecodeHint::hintFollowsTheFirstActiveStep()
{
    QFETCH(QList<SFilterRecord>, chain);
    QFETCH(QSize, expected);
    QCOMPARE(CProcessThread::DecodeSizeHint(chain), expected);
}

void TestDecodeHint::reducedDecodeGivesTheSameResize()
{
    const SFilterRecord resize = LongEdgeResize(1600.0);
    const QSize hint = CProcessThread::DecodeSizeHint({ resize });
    QCOMPARE(hint, QSize(1600, 1600));

    CImageManager full;
    QVERIFY(full.Read(largeJpeg));
    QCOMPARE(int(full.image.columns()), int(PhotoWidth));

    CImageManager reduced;
    reduced.SetDecodeSizeHint(hint);
    QVERIFY(reduced.Read(largeJpeg));
    // The hint took effect: half scale, never below the box.
    QCOMPARE(int(reduced.image.columns()), int(PhotoWidth / 2));
    QCOMPARE(int(reduced.image.rows()), int(PhotoHeight / 2));
    // The photo is still described at its own size, with its metadata.
    QCOMPARE(reduced.GetImageProperties().Width, quint64(PhotoWidth));
    QCOMPARE(reduced.GetImageProperties().Height, quint64(PhotoHeight));
    QCOMPARE(reduced.GetImageProperties().Model, full.GetImageProperties().Model);

    QVERIFY(full.ApplyFilter(resize));
    QVERIFY(reduced.ApplyFilter(resize));
    QCOMPARE(int(reduced.image.columns()), int(full.image.columns()));
    QCOMPARE(int(reduced.image.rows()), int(full.image.rows()));
    QCOMPARE(int(full.image.columns()), 1600);
    QCOMPARE(int(full.image.rows()), 1067);

    const double difference = MeanDifference(full.image, reduced.image);
    qInfo("Mean difference with and without the hint: %.3f of 255", difference);
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));
    // The measure does see a real change: a one-pixel shift of the same result.
    Magick::Image shifted = full.image;
    shifted.roll(Magick::Geometry(0, 0, 1, 0));
    QVERIFY(MeanDifference(full.image, shifted) > 4.0 * difference);
}

void TestDecodeHint::hintIsIgnoredWhereItCannotHelp()
{
    // Ping reports the full size whatever the hint.
    CImageManager pinging;
    pinging.SetDecodeSizeHint(QSize(1600, 1600));
    QVERIFY(pinging.Ping(largeJpeg));
    QCOMPARE(pinging.GetImageProperties().Width, quint64(PhotoWidth));

    // Another format decodes at full size.
    const QString png = root.filePath(QStringLiteral("photo.png"));
    TestPhotos::MakePhoto(800, 600).write("PNG:" + png.toStdString());
    CImageManager other;
    other.SetDecodeSizeHint(QSize(100, 100));
    QVERIFY(other.Read(png));
    QCOMPARE(int(other.image.columns()), 800);

    // A box larger than half the photo gains nothing, and one larger than the photo must
    // not make ImageMagick's reader enlarge the decode.
    const QString small = root.filePath(QStringLiteral("small.jpg"));
    TestPhotos::WriteJpegWithExif(small, TestPhotos::SExifFacts(), 1000, 800);
    for (const QSize &box : { QSize(600, 500), QSize(5000, 5000), QSize(5000, 100) }) {
        CImageManager manager;
        manager.SetDecodeSizeHint(box);
        QVERIFY(manager.Read(small));
        QCOMPARE(int(manager.image.columns()), 1000);
        QCOMPARE(int(manager.image.rows()), 800);
    }

    // The preview cache holds full-size photos.
    CImageManager preview;
    preview.previewMode = true;
    preview.SetDecodeSizeHint(QSize(1600, 1600));
    QVERIFY(preview.Read(largeJpeg));
    QCOMPARE(int(preview.image.columns()), int(PhotoWidth));
    CIMImageCache::instance()->Clear();

    // An empty size turns the hint off again.
    CImageManager cleared;
    cleared.SetDecodeSizeHint(QSize(1600, 1600));
    cleared.SetDecodeSizeHint(QSize());
    QVERIFY(cleared.Read(largeJpeg));
    QCOMPARE(int(cleared.image.columns()), int(PhotoWidth));
}

void TestDecodeHint::batchRunWritesTheFullResize()
{
    const QString outFolder = root.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(outFolder));
    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    QStringList rejected;
    CListImages::instance()->AddImage(largeJpeg, rejected);
    QVERIFY(rejected.isEmpty());
    CListFilters::instance()->Append(LongEdgeResize(1600.0));

    CUserProfile *profile = CUserProfile::instance();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("JPG");
    profile->UpdateOutputExtension();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->Quality = 85;

    CBatchCore core;
    QVERIFY(core.Start());
    QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs));
    QCOMPARE(core.ErrorTotal(), 0);
    const QStringList written = QDir(outFolder).entryList(QDir::Files);
    QCOMPARE(written.size(), 1);

    CImageManager check;
    QVERIFY(check.Read(outFolder + QLatin1Char('/') + written.first()));
    QCOMPARE(int(check.image.columns()), 1600);
    QCOMPARE(int(check.image.rows()), 1067);
    // The photo's metadata went along.
    QCOMPARE(check.GetImageProperties().Model, QStringLiteral("Canon EOS 5D"));

    CImageManager full;
    QVERIFY(full.Read(largeJpeg));
    QVERIFY(full.ApplyFilter(LongEdgeResize(1600.0)));
    const double difference = MeanDifference(full.image, check.image);
    QVERIFY2(difference < 4.0, qPrintable(QString::number(difference)));
}

QUENDRASIL_TEST_MAIN_WITH(TestDecodeHint, QCoreApplication, InitializeImageEngine)
#include "tst_decodehint.moc"
