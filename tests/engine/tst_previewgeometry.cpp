#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageFilters.h"
#include "TestPhotos.h"

#include <Magick++.h>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

SFilterRecord MakeRecord(int id, const QList<double> &numbers)
{
    SFilterRecord record;
    record.id = id;
    record.active = true;
    record.numberCount = quint8(numbers.size());
    for (qsizetype i = 0; i < numbers.size(); ++i)
        record.numbers[size_t(i)] = numbers[i];
    return record;
}

QSize SizeOf(const Magick::Image &image)
{
    return QSize(int(image.columns()), int(image.rows()));
}

} // namespace

class TestPreviewGeometry : public QObject
{
    Q_OBJECT

private slots:
    void cropRectangle_data();
    void cropRectangle();
    void resizePicture_data();
    void resizePicture();
    void resizeAdjustsTheCallersOwnRecordWhenItIsTheTarget();
    void resizeFillsAnEmptyTargetFromTheSource();
    void resizeWithoutAGeometryChangesNothing_data();
    void resizeWithoutAGeometryChangesNothing();
};

void TestPreviewGeometry::cropRectangle_data()
{
    QTest::addColumn<QList<double>>("numbers"); // left, top, width, height, unit
    QTest::addColumn<QSize>("view");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("rectangle");

    const QSize view(800, 600);
    QTest::newRow("percent ignores the zoom")
        << QList<double> { 10, 10, 50, 50, 1 } << view << 0.25 << QRect(80, 60, 400, 300);
    // 2.75 rounds up to 3; widths are cut.
    QTest::newRow("pixels at a quarter")
        << QList<double> { 11, 11, 100, 100, 0 } << view << 0.25 << QRect(3, 3, 25, 25);
    QTest::newRow("half rounds up, width cut")
        << QList<double> { 2, 6, 7, 7, 0 } << view << 0.25 << QRect(1, 2, 1, 1);
    QTest::newRow("percent of an odd view")
        << QList<double> { 12.5, 50, 25, 25, 1 } << QSize(101, 40) << 3.0 << QRect(13, 20, 25, 10);
    QTest::newRow("damaged record")
        << QList<double> { NaN, 0, 10, 10, 0 } << view << 1.0 << QRect();
}

void TestPreviewGeometry::cropRectangle()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, view);
    QFETCH(double, scale);
    QFETCH(QRect, rectangle);

    const SFilterRecord record = MakeRecord(FilterId::Crop, numbers);
    QCOMPARE(CImageFilters::UpdateCrop(record, view.width(), view.height(), scale), rectangle);
}

void TestPreviewGeometry::resizePicture_data()
{
    // The preview picture is 40 x 30, shown in a 400 x 300 view.
    // width, height, keep aspect, mode, unit, do not enlarge
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("pixelRatio");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("rectangle");
    QTest::addColumn<QList<double>>("stored"); // the adjusted width and height

    QTest::newRow("stretched without keep-aspect")
        << QList<double> { 200, 200, 0, 0, 0, 0 } << 0.5 << 1.0 << QSize(100, 100)
        << QRect(150, 100, 100, 100) << QList<double> { 200, 200 };
    // The larger value is the long side, the other follows the view: 200 x 150.
    QTest::newRow("kept aspect") << QList<double> { 200, 100, 1, 0, 0, 0 } << 0.5 << 1.0
                                 << QSize(100, 75) << QRect(150, 113, 100, 75)
                                 << QList<double> { 200, 150 };
    QTest::newRow("high-density screen")
        << QList<double> { 200, 100, 1, 0, 0, 0 } << 0.5 << 2.0 << QSize(200, 150)
        << QRect(150, 113, 100, 75) << QList<double> { 200, 150 };
    QTest::newRow("percent") << QList<double> { 50, 50, 1, 0, 1, 0 } << 0.5 << 1.0
                             << QSize(200, 150) << QRect(100, 75, 200, 150)
                             << QList<double> { 50, 50 };
    // The adjusted record holds the aspect-adjusted percentages.
    QTest::newRow("percent, adjusted")
        << QList<double> { 50, 20, 1, 0, 1, 0 } << 1.0 << 1.0 << QSize(200, 150)
        << QRect(100, 75, 200, 150) << QList<double> { 50, 50 };
    QTest::newRow("width only") << QList<double> { 100, 0, 1, 1, 0, 0 } << 1.0 << 1.0
                                << QSize(100, 75) << QRect(150, 113, 100, 75)
                                << QList<double> { 100, 75 };
    QTest::newRow("fit inside") << QList<double> { 100, 100, 1, 3, 0, 0 } << 1.0 << 1.0
                                << QSize(100, 75) << QRect(150, 113, 100, 75)
                                << QList<double> { 100, 75 };
    QTest::newRow("a fifth of a pixel is still one")
        << QList<double> { 0.2, 0, 1, 1, 0, 0 } << 1.0 << 1.0 << QSize(1, 1)
        << QRect(200, 150, 1, 1) << QList<double> { 0.2, 0.15 };
    // Enlarging past the photo's own size fills the view instead.
    QTest::newRow("no enlarging, width")
        << QList<double> { 80, 0, 1, 1, 0, 1 } << 1.0 << 1.0 << QSize(400, 300)
        << QRect(0, 0, 400, 300) << QList<double> { 80, 60 };
    QTest::newRow("no enlarging, stretched box")
        << QList<double> { 80, 80, 0, 0, 0, 1 } << 1.0 << 2.0 << QSize(800, 600)
        << QRect(0, 0, 400, 300) << QList<double> { 80, 80 };
    QTest::newRow("no enlarging, fit one side smaller")
        << QList<double> { 80, 20, 0, 3, 0, 1 } << 1.0 << 1.0 << QSize(80, 60)
        << QRect(160, 120, 80, 60) << QList<double> { 80, 60 };
}

void TestPreviewGeometry::resizePicture()
{
    QFETCH(QList<double>, numbers);
    QFETCH(double, scale);
    QFETCH(double, pixelRatio);
    QFETCH(QSize, picture);
    QFETCH(QRect, rectangle);
    QFETCH(QList<double>, stored);

    const Magick::Image source = TestPhotos::MakePhoto(40, 30);
    const SFilterRecord record = MakeRecord(FilterId::Resize, numbers);

    // Without an adjusted record only the picture and the rectangle come back.
    Magick::Image target = source;
    QCOMPARE(CImageFilters::UpdateResize(source, target, record, 400, 300, scale, pixelRatio),
        rectangle);
    QCOMPARE(SizeOf(target), picture);
    QCOMPARE(record, MakeRecord(FilterId::Resize, numbers));

    // Asked for, the adjusted record differs from the caller's only in width and height, and
    // the picture and rectangle are the same as without it.
    Magick::Image second = source;
    SFilterRecord adjusted = MakeRecord(FilterId::Blur, { 1, 2, 3 });
    QCOMPARE(
        CImageFilters::UpdateResize(source, second, record, 400, 300, scale, pixelRatio, &adjusted),
        rectangle);
    QCOMPARE(SizeOf(second), picture);
    QCOMPARE(record, MakeRecord(FilterId::Resize, numbers));
    QCOMPARE(adjusted.numbers[ResizeSlot::Width], stored[0]);
    QCOMPARE(adjusted.numbers[ResizeSlot::Height], stored[1]);
    // Everything else, the id and counts included, is the caller's.
    SFilterRecord expected = record;
    expected.numbers[ResizeSlot::Width] = adjusted.numbers[ResizeSlot::Width];
    expected.numbers[ResizeSlot::Height] = adjusted.numbers[ResizeSlot::Height];
    QCOMPARE(adjusted, expected);
}

void TestPreviewGeometry::resizeAdjustsTheCallersOwnRecordWhenItIsTheTarget()
{
    // A caller that wants its record adjusted in place passes the record itself.
    const Magick::Image source = TestPhotos::MakePhoto(40, 30);
    Magick::Image target = source;
    SFilterRecord record = MakeRecord(FilterId::Resize, { 50, 20, 1, 0, 1, 0 });
    QCOMPARE(CImageFilters::UpdateResize(source, target, record, 400, 300, 1.0, 1.0, &record),
        QRect(100, 75, 200, 150));
    QCOMPARE(SizeOf(target), QSize(200, 150));
    QCOMPARE(record, MakeRecord(FilterId::Resize, { 50, 50, 1, 0, 1, 0 }));

    // Adjusting twice is stable: the adjusted size already has the view's proportion.
    Magick::Image again = source;
    const SFilterRecord once = record;
    QCOMPARE(CImageFilters::UpdateResize(source, again, record, 400, 300, 1.0, 1.0, &record),
        QRect(100, 75, 200, 150));
    QCOMPARE(record, once);
}

void TestPreviewGeometry::resizeFillsAnEmptyTargetFromTheSource()
{
    const Magick::Image source = TestPhotos::MakePhoto(40, 30);
    Magick::Image target;
    const SFilterRecord record = MakeRecord(FilterId::Resize, { 50, 50, 1, 0, 1, 0 });
    QCOMPARE(CImageFilters::UpdateResize(source, target, record, 400, 300, 1.0, 1.0),
        QRect(100, 75, 200, 150));
    QCOMPARE(SizeOf(target), QSize(200, 150));
}

void TestPreviewGeometry::resizeWithoutAGeometryChangesNothing_data()
{
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<int>("sourceWidth");

    QTest::newRow("width NaN") << QList<double> { NaN, 50, 1, 0, 0, 0 } << QSize(400, 300) << 40;
    QTest::newRow("empty view") << QList<double> { 50, 50, 1, 0, 1, 0 } << QSize(400, 0) << 40;
    QTest::newRow("empty picture") << QList<double> { 50, 50, 1, 0, 0, 0 } << QSize(400, 300) << 0;
}

void TestPreviewGeometry::resizeWithoutAGeometryChangesNothing()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, view);
    QFETCH(int, sourceWidth);

    const Magick::Image source
        = sourceWidth > 0 ? TestPhotos::MakePhoto(size_t(sourceWidth), 30) : Magick::Image();
    Magick::Image target = TestPhotos::MakePhoto(40, 30);
    const SFilterRecord record = MakeRecord(FilterId::Resize, numbers);
    SFilterRecord adjusted = MakeRecord(FilterId::Blur, { 1, 2, 3 });
    QCOMPARE(CImageFilters::UpdateResize(
                 source, target, record, view.width(), view.height(), 1.0, 1.0, &adjusted),
        QRect());
    QCOMPARE(SizeOf(target), QSize(40, 30));
    // The adjusted record is the caller's unchanged. A NaN never equals itself, so compare the
    // settings one by one where they are numbers.
    QCOMPARE(adjusted.id, record.id);
    QCOMPARE(adjusted.numberCount, record.numberCount);
    for (int i = 0; i < ResizeSlot::NumberCount; ++i) {
        if (!std::isnan(record.numbers[size_t(i)]))
            QCOMPARE(adjusted.numbers[size_t(i)], record.numbers[size_t(i)]);
        else
            QVERIFY(std::isnan(adjusted.numbers[size_t(i)]));
    }
}

QUENDRASIL_TEST_MAIN_WITH(TestPreviewGeometry, QCoreApplication, InitializeImageEngine)
#include "tst_previewgeometry.moc"
