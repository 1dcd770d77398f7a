#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageFilters.h"
#include "ImageManager.h"

#include <QStringList>

#include <Magick++.h>

#include <cmath>
#include <limits>
#include <vector>

#include "FilterTestSupport.h"

using namespace FilterTest;

namespace {

Magick::Image Grey(size_t width, size_t height, int sample)
{
    return Magick::Image(Magick::Geometry(width, height),
        Magick::ColorRGB(sample / 255.0, sample / 255.0, sample / 255.0));
}

Magick::Image Photo()
{
    Magick::Image image = Grey(40, 30, 90);
    image.draw(Magick::DrawableList { Magick::DrawableFillColor(Magick::ColorRGB(0.9, 0.4, 0.1)),
        Magick::DrawableRectangle(8, 6, 27, 19) });
    return image;
}

int RedAt(Magick::Image image, int x, int y)
{
    unsigned char rgb[3];
    image.write(x, y, 1, 1, "RGB", Magick::CharPixel, rgb);
    return rgb[0];
}

} // namespace

class TestFilterApply : public QObject
{
    Q_OBJECT

private slots:
    void failsWithoutAPhoto();
    void splitsTheSourcePath_data();
    void splitsTheSourcePath();
    void pathPartsFollowEachCall();
    void unknownIdFailsUntouched_data();
    void unknownIdFailsUntouched();
    void annotateAndFrameIdsReachTheirHandlers_data();
    void annotateAndFrameIdsReachTheirHandlers();
    void warningFailsTheStep();
    void everyGroupIsDispatched_data();
    void everyGroupIsDispatched();
    void raiseBevelsAQuarterOfThePercentage_data();
    void raiseBevelsAQuarterOfThePercentage();
    void raiseOfZeroKeepsThePhoto();
    void raiseOutsideThePageFails_data();
    void raiseOutsideThePageFails();
    void shrunkByAverageIsTheBlockAverage_data();
    void shrunkByAverageIsTheBlockAverage();
};

void TestFilterApply::failsWithoutAPhoto()
{
    CImageFilters filters;
    filters.record = Record(FilterId::Negate);
    filters.sourcePath = QStringLiteral("/photos/beach.jpg");
    QVERIFY(!filters.Apply());

    Magick::Image empty;
    filters.target = &empty;
    QVERIFY(!filters.Apply());
    QVERIFY(!empty.isValid());
    // Nothing was worked out either.
    QVERIFY(filters.fileName.isEmpty());
    QVERIFY(filters.folder.isEmpty());
}

void TestFilterApply::splitsTheSourcePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("folderName");

    // name, path, folder, file name, base name, extension, folder name
    const QList<QStringList> rows {
        { "full path", "C:/Photos/Holiday/beach.jpg", "C:/Photos/Holiday", "beach.jpg", "beach",
            "jpg", "Holiday" },
        { "case kept", "/srv/In/IMG_01.JPG", "/srv/In", "IMG_01.JPG", "IMG_01", "JPG", "In" },
        { "no folder", "beach.jpg", "", "beach.jpg", "beach", "jpg", "" },
        { "root folder", "/beach.jpg", "", "beach.jpg", "beach", "jpg", "" },
        { "dot only in folder", "C:/a.b/photo", "C:/a.b", "photo", "photo", "", "a.b" },
        { "no dot anywhere", "photo", "", "photo", "photo", "", "" },
        { "two dots", "/home/ann/archive.tar.gz", "/home/ann", "archive.tar.gz", "archive.tar",
            "gz", "ann" },
        { "hidden file", "/home/ann/.hidden", "/home/ann", ".hidden", "", "hidden", "ann" },
        { "trailing dot", "/srv/shots/IMG.", "/srv/shots", "IMG.", "IMG", "", "shots" },
        { "trailing slash", "C:/Photos/", "C:/Photos", "", "", "", "Photos" },
        { "empty", "", "", "", "", "", "" },
    };
    for (const QStringList &row : rows)
        QTest::newRow(qPrintable(row[0]))
            << row[1] << row[2] << row[3] << row[4] << row[5] << row[6];
}

void TestFilterApply::splitsTheSourcePath()
{
    QFETCH(QString, path);
    Magick::Image photo = Grey(4, 4, 100);
    CImageFilters filters;
    filters.target = &photo;
    filters.record = Record(FilterId::Negate);
    filters.sourcePath = path;
    QVERIFY(filters.Apply());

    QTEST(filters.folder, "folder");
    QTEST(filters.fileName, "fileName");
    QTEST(filters.baseName, "baseName");
    QTEST(filters.extension, "extension");
    QTEST(filters.folderName, "folderName");
    QCOMPARE(filters.sourcePath, path);
}

void TestFilterApply::pathPartsFollowEachCall()
{
    Magick::Image photo = Grey(4, 4, 100);
    CImageFilters filters;
    filters.target = &photo;
    filters.record = Record(FilterId::Negate);
    filters.sourcePath = QStringLiteral("/first/one.png");
    QVERIFY(filters.Apply());

    // The next photo's step fails, yet its keywords must not show the previous photo.
    filters.sourcePath = QStringLiteral("two");
    filters.record = Record(6000);
    QVERIFY(!filters.Apply());
    QCOMPARE(filters.fileName, QStringLiteral("two"));
    QCOMPARE(filters.folder, QString());
    QCOMPARE(filters.extension, QString());
    QCOMPARE(filters.folderName, QString());
}

void TestFilterApply::unknownIdFailsUntouched_data()
{
    QTest::addColumn<int>("id");
    for (int id : { 0, -1, 42, 999, 2000, 2006, 3010, 3110, 4001, 5001, 5090, 6000, 1 << 30 })
        QTest::addRow("%d", id) << id;
}

void TestFilterApply::unknownIdFailsUntouched()
{
    QFETCH(int, id);
    Magick::Image photo = Photo();
    CTraceLines::lines.clear();
    const CTraceLines trace;
    QVERIFY(!ApplyTo(photo, Record(id, { 20, 1 })));
    QVERIFY(SamePixels(photo, Photo()));
    QCOMPARE(CTraceLines::lines, QStringList());
}

void TestFilterApply::annotateAndFrameIdsReachTheirHandlers_data()
{
    QTest::addColumn<int>("id");
    for (int id : { FilterId::Comment, FilterId::Date, FilterId::WatermarkText,
             FilterId::WatermarkLogo, FilterId::WatermarkMask, FilterId::ShapeFrame,
             FilterId::GrungeFrame, FilterId::PictureFrame, FilterId::VintageFrame,
             FilterId::Polaroid, FilterId::Shadow, FilterId::SimpleBorder })
        QTest::addRow("%d", id) << id;
}

void TestFilterApply::annotateAndFrameIdsReachTheirHandlers()
{
    // Whatever each handler makes of an empty record, the id must be dispatched to it.
    QFETCH(int, id);
    Magick::Image photo = Photo();
    CTraceLines::lines.clear();
    const CTraceLines trace;
    ApplyTo(photo, Record(id, {}));
    for (const QString &line : std::as_const(CTraceLines::lines))
        QVERIFY2(!line.contains(QStringLiteral("not available")), qPrintable(line));
}

void TestFilterApply::warningFailsTheStep()
{
    // A truncated JPEG decodes with a warning that the photo carries into its first operation.
    Magick::Image photo = Grey(6, 6, 100);
    photo.modifyImage();
    MagickCore::ThrowMagickException(&photo.image()->exception, GetMagickModule(),
        MagickCore::CorruptImageWarning, "Premature end of JPEG file", "`%s'", "beach.jpg");

    CTraceLines::lines.clear();
    const CTraceLines trace;
    QVERIFY(!ApplyTo(photo, Record(FilterId::Negate)));
    const QStringList lines = CTraceLines::lines;
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(QStringLiteral(" CImageFilters::Apply. ! ImageFilters::Apply "
                                              "Error: ")),
        qPrintable(lines[0]));
    QVERIFY(lines[0].contains(QStringLiteral("Premature end of JPEG file")));
}

void TestFilterApply::everyGroupIsDispatched_data()
{
    QTest::addColumn<SFilterRecord>("record");
    const QList<SFilterRecord> records {
        Record(FilterId::Raise, { 20, 1 }),
        Record(FilterId::Blur, { 20 }),
        Record(FilterId::Charcoal, { 20, 8 }),
        Record(FilterId::Edge, { 1 }),
        Record(FilterId::Emboss, { 20, 8 }),
        Record(FilterId::GaussianBlur, { 20, 10 }),
        Record(FilterId::BlackWhite),
        Record(FilterId::Implode, { 42 }),
        Record(FilterId::Negate),
        Record(FilterId::Noise, { 4 }),
        Record(FilterId::OilPaint, { 5 }),
        Record(FilterId::Sepia, { 50, 50 }),
        Record(FilterId::Solarize, { 50 }),
        Record(FilterId::Shade, { 36, 36, 1 }),
        Record(FilterId::Spread, { 8 }),
        Record(FilterId::Swirl, { 30 }),
        Record(FilterId::Wave, { 15, 25 }),
        // Touch-Up and Transform steps that plainly change this photo.
        Record(FilterId::AutoContrast),
        Record(FilterId::AutoLevels),
        Record(FilterId::Brightness, { 50, 0 }),
        Record(FilterId::ColorBalance, { 40, 0, 0 }),
        Record(FilterId::Equalize),
        Record(FilterId::HueSaturation, { 0, 50, 0 }),
        Record(FilterId::Sharpen, { 50 }),
        Record(FilterId::Crop, { 0, 0, 20, 10, 0 }),
        Record(FilterId::Flip, { 1, 0 }),
        Record(FilterId::Resize, { 20, 15, 1, 0, 0, 0 }),
        Record(FilterId::Roll, { 5, 0, 0 }),
        Record(FilterId::Rotate, { 90, 0 }),
        Record(FilterId::Thumbnail, { 20, 15, 0 }),
    };
    for (const SFilterRecord &record : records)
        QTest::addRow("%d", record.id) << record;
}

void TestFilterApply::everyGroupIsDispatched()
{
    QFETCH(SFilterRecord, record);
    Magick::Image photo = Photo();
    QVERIFY(ApplyTo(photo, record));
    QVERIFY(!SamePixels(photo, Photo()));
}

void TestFilterApply::raiseBevelsAQuarterOfThePercentage_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("effect");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("lighter");
    // 60 rows is the shorter side: 20 % gives 60 * 0.05 = 3 pixels.
    QTest::newRow("raised 20") << 20.0 << 1.0 << 3 << true;
    QTest::newRow("lowered 20") << 20.0 << 0.0 << 3 << false;
    QTest::newRow("raised 99") << 99.0 << 1.0 << 14 << true;
    QTest::newRow("raised 10 truncates 1.5") << 10.0 << 1.0 << 1 << true;
}

void TestFilterApply::raiseBevelsAQuarterOfThePercentage()
{
    QFETCH(double, percent);
    QFETCH(double, effect);
    QFETCH(int, width);
    QFETCH(bool, lighter);

    Magick::Image photo = Grey(100, 60, 128);
    QVERIFY(ApplyTo(photo, Record(FilterId::Raise, { percent, effect })));
    QCOMPARE(photo.columns(), size_t(100));
    QCOMPARE(photo.rows(), size_t(60));

    // The left edge at mid height: lit when raised, shaded when lowered, up to the width.
    const int edge = RedAt(photo, width - 1, 30);
    QVERIFY2(lighter ? edge > 128 : edge < 128, qPrintable(QString::number(edge)));
    QCOMPARE(RedAt(photo, width, 30), 128);
    QCOMPARE(RedAt(photo, 50, 30), 128);
}

void TestFilterApply::raiseOfZeroKeepsThePhoto()
{
    Magick::Image photo = Photo();
    QVERIFY(ApplyTo(photo, Record(FilterId::Raise, { 0, 1 })));
    QVERIFY(SamePixels(photo, Photo()));

    // A thumbnail too small for a whole pixel of bevel.
    Magick::Image small = Grey(3, 3, 128);
    QVERIFY(ApplyTo(small, Record(FilterId::Raise, { 20, 1 })));
    QVERIFY(SamePixels(small, Grey(3, 3, 128)));
}

void TestFilterApply::raiseOutsideThePageFails_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("effect");
    QTest::newRow("percent 100") << 100.0 << 1.0;
    QTest::newRow("percent -1") << -1.0 << 1.0;
    QTest::newRow("percent nan") << std::numeric_limits<double>::quiet_NaN() << 1.0;
}

void TestFilterApply::raiseOutsideThePageFails()
{
    QFETCH(double, percent);
    QFETCH(double, effect);
    Magick::Image photo = Photo();
    QVERIFY(!ApplyTo(photo, Record(FilterId::Raise, { percent, effect })));
    QVERIFY(SamePixels(photo, Photo()));
}

void TestFilterApply::shrunkByAverageIsTheBlockAverage_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("made"); // else invalid: the caller scales the usual way
    QTest::newRow("to a tenth") << "colour" << 120 << 80 << true;
    QTest::newRow("blocks of uneven size") << "colour" << 97 << 41 << true;
    QTest::newRow("one pixel") << "colour" << 1 << 1 << true;
    QTest::newRow("grey") << "grey" << 100 << 70 << true;
    QTest::newRow("same size") << "colour" << 1200 << 800 << true;
    QTest::newRow("larger") << "colour" << 1300 << 800 << false;
    QTest::newRow("transparent") << "alpha" << 120 << 80 << false;
}

void TestFilterApply::shrunkByAverageIsTheBlockAverage()
{
    QFETCH(QString, photo);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(bool, made);
    // Fine detail in every channel: stripes, a ramp and a checker.
    std::vector<unsigned char> rgb(1200 * 800 * 3);
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 1200; ++x) {
            unsigned char *pixel = &rgb[size_t(y * 1200 + x) * 3];
            pixel[0] = x % 7 < 3 ? 240 : 20;
            pixel[1] = (unsigned char)(x * 255 / 1199);
            pixel[2] = ((x / 5 + y / 5) % 2) * 200 + 30;
        }
    }
    Magick::Image image(1200, 800, "RGB", Magick::CharPixel, rgb.data());
    if (photo == QLatin1String("grey"))
        image.type(Magick::GrayscaleType);
    else if (photo == QLatin1String("alpha"))
        image.matte(true);
    const Magick::Image shrunk = CImageManager::ShrunkByAverage(image, size_t(columns), size_t(rows));
    QCOMPARE(shrunk.isValid(), made);
    if (!made)
        return;
    QCOMPARE(int(shrunk.columns()), columns);
    QCOMPARE(int(shrunk.rows()), rows);
    Magick::Image scaled = image;
    Magick::Geometry size { size_t(columns), size_t(rows) };
    size.aspect(true);
    scaled.scale(size);
    const std::vector<quint16> a = Quanta(shrunk);
    const std::vector<quint16> b = Quanta(scaled);
    double difference = 0;
    for (size_t i = 0; i < a.size(); ++i)
        difference += std::abs(int(a[i]) - int(b[i]));
    QVERIFY2(difference / double(a.size()) / 65535.0 < 0.01,
        qPrintable(QString::number(difference / double(a.size()) / 65535.0)));
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterApply, QCoreApplication, InitializeImageEngine)
#include "tst_filterapply.moc"
