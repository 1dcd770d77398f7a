#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "ImageFilters.h"
#include "TestPhotos.h"

#include <QTemporaryDir>

#include <Magick++.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Pixel = std::array<int, 4>; // 8-bit red, green, blue, alpha

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Every pixel names where it was made: red is x and green is y (both modulo 256), so the
// pixel at the new top-left corner tells where a crop, flip, rotation or roll took it from.
Magick::Image MakeCoordinates(int width, int height)
{
    std::vector<unsigned char> bytes;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes.push_back(static_cast<unsigned char>(x % 256));
            bytes.push_back(static_cast<unsigned char>(y % 256));
            bytes.push_back(50);
            bytes.push_back(255);
        }
    }
    Magick::Image image;
    image.read(size_t(width), size_t(height), "RGBA", Magick::CharPixel, bytes.data());
    image.matte(false);
    return image;
}

Magick::Image MakePixels(const std::vector<Pixel> &pixels)
{
    std::vector<unsigned char> bytes;
    for (const Pixel &pixel : pixels)
        for (int sample : pixel)
            bytes.push_back(static_cast<unsigned char>(sample));
    Magick::Image image;
    image.read(pixels.size(), 1, "RGBA", Magick::CharPixel, bytes.data());
    return image;
}

Pixel PixelAt(Magick::Image image, int x, int y)
{
    unsigned char bytes[4];
    image.write(x, y, 1, 1, "RGBA", Magick::CharPixel, bytes);
    return { bytes[0], bytes[1], bytes[2], bytes[3] };
}

// Where a pixel of a coordinate image came from.
QPoint Origin(const Magick::Image &image, int x, int y)
{
    const Pixel pixel = PixelAt(image, x, y);
    return QPoint(pixel[0], pixel[1]);
}

QSize SizeOf(const Magick::Image &image)
{
    return QSize(int(image.columns()), int(image.rows()));
}

QByteArray Signature(Magick::Image image)
{
    return QByteArray::fromStdString(image.signature(true));
}

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

bool ApplyFilter(Magick::Image &image, int id, const QList<double> &numbers = {})
{
    CImageFilters filters;
    filters.target = &image;
    filters.sourcePath = QStringLiteral("/photos/holiday.png");
    filters.record = MakeRecord(id, numbers);
    return filters.Apply();
}

// A colour as the colour buttons save it: 0xAARRGGBB.
double Argb(int red, int green, int blue, int alpha = 255)
{
    return double(
        (quint32(alpha) << 24) | (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue));
}

} // namespace

class TestTransform : public QObject
{
    Q_OBJECT

private slots:
    void autoRotate_data();
    void autoRotate();
    void autoRotateUprightsACameraJpegOnce();
    void autoCrop_data();
    void autoCrop();
    void colorReplaceSwapsColoursWithinTheTolerance_data();
    void colorReplaceSwapsColoursWithinTheTolerance();
    void colorReplaceFlattensTransparency();
    void crop_data();
    void crop();
    void cropIgnoresAPageOffsetAndLeavesNone();
    void cropInPercentConvertsForEachPage();
    void flip_data();
    void flip();
    void resize_data();
    void resize();
    void resizeAdvancedSetsSizeAndResolution_data();
    void resizeAdvancedSetsSizeAndResolution();
    void roll_data();
    void roll();
    void rotate_data();
    void rotate();
    void thumbnail_data();
    void thumbnail();
    void valuesOutsideThePageFail_data();
    void valuesOutsideThePageFail();
};

void TestTransform::autoRotate_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    // Where the stored top-left and top-right pixels of a 4 x 3 photo are shown upright.
    QTest::addColumn<QPoint>("topLeftGoesTo");
    QTest::addColumn<QPoint>("topRightGoesTo");

    QTest::newRow("0 unknown") << 0 << QSize(4, 3) << QPoint(0, 0) << QPoint(3, 0);
    QTest::newRow("1 top-left") << 1 << QSize(4, 3) << QPoint(0, 0) << QPoint(3, 0);
    QTest::newRow("2 top-right") << 2 << QSize(4, 3) << QPoint(3, 0) << QPoint(0, 0);
    QTest::newRow("3 bottom-right") << 3 << QSize(4, 3) << QPoint(3, 2) << QPoint(0, 2);
    QTest::newRow("4 bottom-left") << 4 << QSize(4, 3) << QPoint(0, 2) << QPoint(3, 2);
    // Stored rows are the photo's columns from here on.
    QTest::newRow("5 left-top") << 5 << QSize(3, 4) << QPoint(0, 0) << QPoint(0, 3);
    QTest::newRow("6 right-top") << 6 << QSize(3, 4) << QPoint(2, 0) << QPoint(2, 3);
    QTest::newRow("7 right-bottom") << 7 << QSize(3, 4) << QPoint(2, 3) << QPoint(2, 0);
    QTest::newRow("8 left-bottom") << 8 << QSize(3, 4) << QPoint(0, 3) << QPoint(0, 0);
}

void TestTransform::autoRotate()
{
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QPoint, topLeftGoesTo);
    QFETCH(QPoint, topRightGoesTo);

    Magick::Image image = MakeCoordinates(4, 3);
    image.orientation(Magick::OrientationType(orientation));
    QVERIFY(ApplyFilter(image, FilterId::AutoRotate));
    QCOMPARE(SizeOf(image), size);
    QCOMPARE(Origin(image, topLeftGoesTo.x(), topLeftGoesTo.y()), QPoint(0, 0));
    QCOMPARE(Origin(image, topRightGoesTo.x(), topRightGoesTo.y()), QPoint(3, 0));
    QCOMPARE(image.orientation(), Magick::TopLeftOrientation);
}

void TestTransform::autoRotateUprightsACameraJpegOnce()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("camera.jpg"));
    TestPhotos::SExifFacts facts;
    facts.orientation = 6;
    TestPhotos::WriteJpegWithExif(path, facts, 64, 48);

    Magick::Image image;
    image.read(path.toStdString());
    QCOMPARE(image.orientation(), Magick::RightTopOrientation);
    QVERIFY(ApplyFilter(image, FilterId::AutoRotate));
    QCOMPARE(SizeOf(image), QSize(48, 64));

    // A second run finds the photo upright and leaves it so.
    const QByteArray upright = Signature(image);
    QVERIFY(ApplyFilter(image, FilterId::AutoRotate));
    QCOMPARE(Signature(image), upright);

    // The written file says it is upright, so viewers do not turn it a second time.
    const QString written = folder.filePath(QStringLiteral("written.jpg"));
    image.write("JPEG:" + written.toStdString());
    Magick::Image reread;
    reread.read(written.toStdString());
    QCOMPARE(SizeOf(reread), QSize(48, 64));
    QCOMPARE(reread.orientation(), Magick::TopLeftOrientation);
}

void TestTransform::autoCrop_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QList<double>>("numbers"); // preset, turned, custom width, height, anchor
    QTest::addColumn<QRect>("region");

    const QSize landscape(400, 300);
    const QSize upright(300, 400);
    // 400 / 1.777777 = 225.0003: the preset is the truncated decimal, not 16/9.
    QTest::newRow("16:9 centred") << landscape << QList<double> { 0, 1, 0, 0, 1 }
                                  << QRect(0, 38, 400, 225);
    QTest::newRow("16:9 at the bottom")
        << landscape << QList<double> { 0, 1, 0, 0, 2 } << QRect(0, 75, 400, 225);
    QTest::newRow("16:9 turned, centred")
        << upright << QList<double> { 0, 1, 0, 0, 1 } << QRect(38, 0, 225, 400);
    QTest::newRow("16:9 turned, right")
        << upright << QList<double> { 0, 1, 0, 0, 2 } << QRect(75, 0, 225, 400);
    // Not turned, an upright photo keeps its width: 300 / 1.777777 = 168.75.
    QTest::newRow("16:9 upright, not turned")
        << upright << QList<double> { 0, 0, 0, 0, 1 } << QRect(0, 116, 300, 169);
    QTest::newRow("1:1 centred") << landscape << QList<double> { 4, 1, 0, 0, 1 }
                                 << QRect(50, 0, 300, 300);
    QTest::newRow("custom 2:1 at the bottom")
        << landscape << QList<double> { 5, 1, 2, 1, 2 } << QRect(0, 100, 400, 200);
    QTest::newRow("custom 1:3 on a wide photo")
        << landscape << QList<double> { 5, 0, 1, 3, 2 } << QRect(300, 0, 100, 300);
    // A custom term of 0 (where the page starts) names no proportion: the photo stays whole.
    QTest::newRow("custom 0:9 keeps the photo")
        << landscape << QList<double> { 5, 1, 0, 9, 1 } << QRect(0, 0, 400, 300);
    QTest::newRow("custom 16:0 keeps the photo")
        << upright << QList<double> { 5, 1, 16, 0, 2 } << QRect(0, 0, 300, 400);
}

void TestTransform::autoCrop()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QRect, region);

    Magick::Image image = MakeCoordinates(photo.width(), photo.height());
    QVERIFY(ApplyFilter(image, FilterId::AutoCrop, numbers));
    QCOMPARE(SizeOf(image), region.size());
    QCOMPARE(Origin(image, 0, 0), QPoint(region.x() % 256, region.y() % 256));
}

void TestTransform::colorReplaceSwapsColoursWithinTheTolerance_data()
{
    QTest::addColumn<QList<double>>("numbers"); // tolerance, from, to, from kind, to kind
    QTest::addColumn<QList<Pixel>>("expected");

    // The photo: grey 100, a red-tinted grey 30 samples away, white, black.
    const double grey = Argb(100, 100, 100);
    const double blue = Argb(0, 0, 255);
    const Pixel greyPixel { 100, 100, 100, 255 };
    const Pixel tinted { 130, 100, 100, 255 };
    const Pixel white { 255, 255, 255, 255 };
    const Pixel black { 0, 0, 0, 255 };
    const Pixel bluePixel { 0, 0, 255, 255 };
    const Pixel clear { 0, 0, 0, 0 };

    QTest::newRow("exact colour only") << QList<double> { 0, grey, blue, 0, 0 }
                                       << QList<Pixel> { bluePixel, tinted, white, black };
    // ImageMagick spreads the tolerance over the three channels: 30 / sqrt(3) = 17.3.
    QTest::newRow("tolerance 10 misses the tint") << QList<double> { 10, grey, blue, 0,
        0 } << QList<Pixel> { bluePixel, tinted, white, black };
    QTest::newRow("tolerance 20 takes the tint") << QList<double> { 20, grey, blue, 0,
        0 } << QList<Pixel> { bluePixel, bluePixel, white, black };
    QTest::newRow("white to black") << QList<double> { 0, grey, blue, 2, 3 }
                                    << QList<Pixel> { greyPixel, tinted, black, black };
    QTest::newRow("colour to transparency")
        << QList<double> { 20, grey, blue, 0, 1 } << QList<Pixel> { clear, clear, white, black };
    // Only red, green and blue of a saved colour count: a zero alpha byte is still opaque.
    QTest::newRow("alpha byte ignored") << QList<double> { 0, Argb(100, 100, 100, 0),
        Argb(0, 0, 255, 0), 0, 0 } << QList<Pixel> { bluePixel, tinted, white, black };
}

void TestTransform::colorReplaceSwapsColoursWithinTheTolerance()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QList<Pixel>, expected);

    Magick::Image image = MakePixels({ { 100, 100, 100, 255 }, { 130, 100, 100, 255 },
        { 255, 255, 255, 255 }, { 0, 0, 0, 255 } });
    image.matte(false);
    QVERIFY(ApplyFilter(image, FilterId::ColorReplace, numbers));
    for (int x = 0; x < int(expected.size()); ++x) {
        Pixel actual = PixelAt(image, x, 0);
        if (expected[x][3] == 0)
            QCOMPARE(actual[3], 0);
        else
            QCOMPARE(actual, expected[x]);
    }
    // The tolerance is not left behind for later steps.
    QCOMPARE(image.colorFuzz(), 0.0);
}

void TestTransform::colorReplaceFlattensTransparency()
{
    // Clear, half-covered black and opaque red pixels, with a resolution that must survive.
    Magick::Image image = MakePixels({ { 0, 0, 0, 0 }, { 0, 0, 0, 128 }, { 255, 0, 0, 255 } });
    image.density(Magick::Geometry(300, 300));
    image.backgroundColor(Magick::ColorRGB(0.0, 1.0, 0.0));

    QVERIFY(ApplyFilter(image, FilterId::ColorReplace, { 0, Argb(1, 2, 3), Argb(1, 2, 3), 1, 2 }));
    QVERIFY(!image.matte());
    QCOMPARE(PixelAt(image, 0, 0), (Pixel { 255, 255, 255, 255 }));
    const Pixel half = PixelAt(image, 1, 0);
    QVERIFY2(std::abs(half[0] - 127) <= 1 && half[0] == half[1] && half[1] == half[2],
        qPrintable(QStringLiteral("half-covered pixel %1").arg(half[0])));
    QCOMPARE(PixelAt(image, 2, 0), (Pixel { 255, 0, 0, 255 }));
    QCOMPARE(image.density().width(), size_t(300));
    // The photo's own background colour (used by later rotations) is its own again.
    QCOMPARE(Magick::ColorRGB(image.backgroundColor()).green(), 1.0);
}

void TestTransform::crop_data()
{
    QTest::addColumn<QList<double>>("numbers"); // left, top, width, height, unit
    QTest::addColumn<QRect>("region");

    // The photo is 40 x 30.
    QTest::newRow("pixels") << QList<double> { 5, 6, 10, 8, 0 } << QRect(5, 6, 10, 8);
    QTest::newRow("percent") << QList<double> { 25, 10, 50, 50, 1 } << QRect(10, 3, 20, 15);
    QTest::newRow("region past the edge is clipped")
        << QList<double> { 30, 20, 50, 50, 0 } << QRect(30, 20, 10, 10);
}

void TestTransform::crop()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QRect, region);

    Magick::Image image = MakeCoordinates(40, 30);
    QVERIFY(ApplyFilter(image, FilterId::Crop, numbers));
    QCOMPARE(SizeOf(image), region.size());
    QCOMPARE(Origin(image, 0, 0), region.topLeft());
    QCOMPARE(Origin(image, region.width() - 1, region.height() - 1), region.bottomRight());
    QCOMPARE(image.page().xOff(), ssize_t(0));
    QCOMPARE(image.page().width(), size_t(region.width()));
}

void TestTransform::cropIgnoresAPageOffsetAndLeavesNone()
{
    // A frame placed at 10,10 on a larger canvas, as animated GIFs hold them: the crop is
    // taken from the frame's own pixels.
    Magick::Image image = MakeCoordinates(40, 30);
    image.page(Magick::Geometry(100, 100, 10, 10));
    QVERIFY(ApplyFilter(image, FilterId::Crop, { 2, 3, 8, 6, 0 }));
    QCOMPARE(SizeOf(image), QSize(8, 6));
    QCOMPARE(Origin(image, 0, 0), QPoint(2, 3));
    const Magick::Geometry page = image.page();
    QCOMPARE(page.xOff(), ssize_t(0));
    QCOMPARE(page.yOff(), ssize_t(0));
    QCOMPARE(page.width(), size_t(8));
    QCOMPARE(page.height(), size_t(6));
}

void TestTransform::cropInPercentConvertsForEachPage()
{
    // The owner applies one object to every page of a document in turn.
    Magick::Image first = MakeCoordinates(40, 30);
    Magick::Image second = MakeCoordinates(80, 20);
    CImageFilters filters;
    filters.record = MakeRecord(FilterId::Crop, { 50, 50, 50, 50, 1 });
    const SFilterRecord stored = filters.record;

    filters.target = &first;
    QVERIFY(filters.Apply());
    filters.target = &second;
    QVERIFY(filters.Apply());

    QCOMPARE(filters.record, stored);
    QCOMPARE(SizeOf(first), QSize(20, 15));
    QCOMPARE(Origin(first, 0, 0), QPoint(20, 15));
    QCOMPARE(SizeOf(second), QSize(40, 10));
    QCOMPARE(Origin(second, 0, 0), QPoint(40, 10));
}

void TestTransform::flip_data()
{
    QTest::addColumn<QList<double>>("numbers"); // upside down, mirror
    QTest::addColumn<QPoint>("topLeftGoesTo");

    // The photo is 4 x 3.
    QTest::newRow("upside down") << QList<double> { 1, 0 } << QPoint(0, 2);
    QTest::newRow("mirrored") << QList<double> { 0, 1 } << QPoint(3, 0);
    QTest::newRow("both") << QList<double> { 1, 1 } << QPoint(3, 2);
    QTest::newRow("neither") << QList<double> { 0, 0 } << QPoint(0, 0);
    // Only exactly 1 asks for a flip.
    QTest::newRow("half a yes") << QList<double> { 0.5, 2 } << QPoint(0, 0);
}

void TestTransform::flip()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QPoint, topLeftGoesTo);

    Magick::Image image = MakeCoordinates(4, 3);
    QVERIFY(ApplyFilter(image, FilterId::Flip, numbers));
    QCOMPARE(SizeOf(image), QSize(4, 3));
    QCOMPARE(Origin(image, topLeftGoesTo.x(), topLeftGoesTo.y()), QPoint(0, 0));
}

void TestTransform::resize_data()
{
    QTest::addColumn<QSize>("photo");
    // width, height, keep proportions, mode, unit, never enlarge
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QSize>("size");

    const QSize landscape(40, 30);
    const QSize upright(30, 40);
    QTest::newRow("box, larger value is the long side")
        << upright << QList<double> { 80, 60, 1, 0, 0, 0 } << QSize(60, 80);
    QTest::newRow("box on a landscape photo")
        << landscape << QList<double> { 20, 10, 1, 0, 0, 0 } << QSize(20, 15);
    QTest::newRow("exact size stretches")
        << landscape << QList<double> { 50, 20, 0, 0, 0, 0 } << QSize(50, 20);
    QTest::newRow("half size in percent")
        << landscape << QList<double> { 50, 50, 1, 0, 1, 0 } << QSize(20, 15);
    QTest::newRow("width only") << landscape << QList<double> { 20, 999, 1, 1, 0, 0 }
                                << QSize(20, 15);
    QTest::newRow("fit inside") << landscape << QList<double> { 20, 20, 1, 3, 0, 0 }
                                << QSize(20, 15);

    // Never enlarge: a step that would enlarge leaves the photo as it is.
    QTest::newRow("no enlarging, box")
        << landscape << QList<double> { 80, 60, 1, 0, 0, 1 } << landscape;
    QTest::newRow("no enlarging, width")
        << landscape << QList<double> { 41, 0, 1, 1, 0, 1 } << landscape;
    QTest::newRow("no enlarging, fit both larger")
        << landscape << QList<double> { 80, 60, 1, 3, 0, 1 } << landscape;
    QTest::newRow("no enlarging, fit one smaller")
        << landscape << QList<double> { 80, 15, 1, 3, 0, 1 } << QSize(20, 15);
}

void TestTransform::resize()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);

    Magick::Image image = TestPhotos::MakePhoto(size_t(photo.width()), size_t(photo.height()));
    const QByteArray before = Signature(image);
    QVERIFY(ApplyFilter(image, FilterId::Resize, numbers));
    QCOMPARE(SizeOf(image), size);
    if (size == photo)
        QCOMPARE(Signature(image), before);
}

void TestTransform::resizeAdvancedSetsSizeAndResolution_data()
{
    QTest::addColumn<QSize>("photo");
    // width, height, inches (unused), resolutions, keep proportions, uniform (unused)
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QSize>("size");

    QTest::newRow("kept proportions")
        << QSize(40, 30) << QList<double> { 20, 20, 0, 0, 150, 200, 1, 1 } << QSize(20, 15);
    QTest::newRow("exact") << QSize(40, 30) << QList<double> { 20, 20, 0, 0, 150, 200, 0, 1 }
                           << QSize(20, 20);
    QTest::newRow("resolutions are cut")
        << QSize(40, 30) << QList<double> { 80, 60, 0, 0, 150.9, 200.9, 0, 0 } << QSize(80, 60);
}

void TestTransform::resizeAdvancedSetsSizeAndResolution()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);

    Magick::Image image = TestPhotos::MakePhoto(size_t(photo.width()), size_t(photo.height()));
    image.resolutionUnits(Magick::PixelsPerCentimeterResolution);
    image.density(Magick::Geometry(28, 28));
    QVERIFY(ApplyFilter(image, FilterId::ResizeAdvanced, numbers));
    QCOMPARE(SizeOf(image), size);
    QCOMPARE(image.resolutionUnits(), Magick::PixelsPerInchResolution);
    QCOMPARE(image.density().width(), size_t(150));
    QCOMPARE(image.density().height(), size_t(200));
}

void TestTransform::roll_data()
{
    QTest::addColumn<QList<double>>("numbers"); // across, down, unit
    QTest::addColumn<QPoint>("topLeftGoesTo");

    // The photo is 8 x 6.
    QTest::newRow("pixels") << QList<double> { 3, 2, 0 } << QPoint(3, 2);
    QTest::newRow("percent") << QList<double> { 50, 50, 1 } << QPoint(4, 3);
    QTest::newRow("percent cut after converting") << QList<double> { 30, 30, 1 } << QPoint(2, 1);
    QTest::newRow("more than a whole turn") << QList<double> { 11, 13, 0 } << QPoint(3, 1);
    QTest::newRow("leftwards and upwards") << QList<double> { -1, -1, 0 } << QPoint(7, 5);
}

void TestTransform::roll()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QPoint, topLeftGoesTo);

    Magick::Image image = MakeCoordinates(8, 6);
    QVERIFY(ApplyFilter(image, FilterId::Roll, numbers));
    QCOMPARE(SizeOf(image), QSize(8, 6));
    QCOMPARE(Origin(image, topLeftGoesTo.x(), topLeftGoesTo.y()), QPoint(0, 0));
    // Wrapped around: what left at the far edge came in at the near one.
    QCOMPARE(Origin(image, (topLeftGoesTo.x() + 7) % 8, (topLeftGoesTo.y() + 5) % 6), QPoint(7, 5));
}

void TestTransform::rotate_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QList<double>>("numbers"); // angle, which photos
    QTest::addColumn<bool>("turned");

    const QSize landscape(4, 3);
    const QSize upright(3, 4);
    const QSize square(3, 3);
    QTest::newRow("all, landscape") << landscape << QList<double> { 90, 0 } << true;
    QTest::newRow("not landscape: landscape stays")
        << landscape << QList<double> { 90, 1 } << false;
    QTest::newRow("not landscape: upright turns") << upright << QList<double> { 90, 1 } << true;
    QTest::newRow("not portrait: upright stays") << upright << QList<double> { 90, 2 } << false;
    QTest::newRow("square under condition 1") << square << QList<double> { 90, 1 } << true;
}

void TestTransform::rotate()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(bool, turned);

    Magick::Image image = MakeCoordinates(photo.width(), photo.height());
    QVERIFY(ApplyFilter(image, FilterId::Rotate, numbers));
    if (!turned) {
        QCOMPARE(SizeOf(image), photo);
        QCOMPARE(Origin(image, 0, 0), QPoint(0, 0));
        return;
    }
    // Clockwise: the top-left corner goes to the top-right.
    QCOMPARE(SizeOf(image), photo.transposed());
    QCOMPARE(Origin(image, photo.height() - 1, 0), QPoint(0, 0));
}

void TestTransform::thumbnail_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QList<double>>("numbers"); // width, height, mode
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("topLeftFrom"); // for the fills, which keep their scale

    QTest::newRow("fit") << QSize(40, 30) << QList<double> { 20, 20, 0 } << QSize(20, 15)
                         << QPoint(-1, -1);
    QTest::newRow("stretch") << QSize(40, 30) << QList<double> { 20, 20, 1 } << QSize(20, 20)
                             << QPoint(-1, -1);
    // 3000 x 2000 filled at 200 x 100 and 100 x 200, at a tenth of the size.
    // At the region's own size the scale keeps the pixels, so the cut shows.
    QTest::newRow("fill wide region")
        << QSize(300, 200) << QList<double> { 300, 150, 2 } << QSize(300, 150) << QPoint(0, 25);
    QTest::newRow("fill tall region")
        << QSize(300, 200) << QList<double> { 100, 200, 2 } << QSize(100, 200) << QPoint(100, 0);
    // The region is cut to 2 x 10, which a plain fit would take to 1 x 7.
    QTest::newRow("fill, region off the proportion")
        << QSize(10, 10) << QList<double> { 2, 7, 2 } << QSize(2, 7) << QPoint(-1, -1);
}

void TestTransform::thumbnail()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);
    QFETCH(QPoint, topLeftFrom);

    Magick::Image image = MakeCoordinates(photo.width(), photo.height());
    QVERIFY(ApplyFilter(image, FilterId::Thumbnail, numbers));
    QCOMPARE(SizeOf(image), size);
    if (topLeftFrom.x() >= 0)
        QCOMPARE(Origin(image, 0, 0), topLeftFrom);
}

void TestTransform::valuesOutsideThePageFail_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");

    const double grey = Argb(100, 100, 100);
    QTest::newRow("auto crop, custom -1:9")
        << int(FilterId::AutoCrop) << QList<double> { 5, 1, -1, 9, 1 };
    QTest::newRow("auto crop, sliver")
        << int(FilterId::AutoCrop) << QList<double> { 5, 0, 99, 1, 1 };
    QTest::newRow("colour replace, tolerance -1")
        << int(FilterId::ColorReplace) << QList<double> { -1, grey, grey, 2, 3 };
    QTest::newRow("crop starting at 100 %")
        << int(FilterId::Crop) << QList<double> { 100, 0, 10, 10, 1 };
    QTest::newRow("crop of no width") << int(FilterId::Crop) << QList<double> { 0, 0, 0, 10, 0 };
    QTest::newRow("crop under a pixel") << int(FilterId::Crop) << QList<double> { 0, 0, 1, 1, 1 };
    QTest::newRow("crop from the left of the photo")
        << int(FilterId::Crop) << QList<double> { -5, 0, 10, 10, 0 };
    QTest::newRow("crop of NaN") << int(FilterId::Crop) << QList<double> { 0, 0, NaN, 10, 0 };
    QTest::newRow("resize to 0 %") << int(FilterId::Resize) << QList<double> { 0, 0, 1, 0, 1, 0 };
    QTest::newRow("resize to no height")
        << int(FilterId::Resize) << QList<double> { 20, 0, 0, 0, 0, 0 };
    QTest::newRow("resize to a box of no height")
        << int(FilterId::Resize) << QList<double> { 20, 0, 1, 3, 0, 0 };
    QTest::newRow("resize to NaN")
        << int(FilterId::Resize) << QList<double> { NaN, 20, 1, 1, 0, 0 };
    QTest::newRow("resize advanced, 0 dpi")
        << int(FilterId::ResizeAdvanced) << QList<double> { 20, 20, 0, 0, 0, 0, 1, 1 };
    QTest::newRow("roll by NaN") << int(FilterId::Roll) << QList<double> { NaN, 0, 0 };
    QTest::newRow("rotate by infinity")
        << int(FilterId::Rotate) << QList<double> { std::numeric_limits<double>::infinity(), 0 };
    QTest::newRow("thumbnail of no width")
        << int(FilterId::Thumbnail) << QList<double> { 0.9, 20, 1 };
}

void TestTransform::valuesOutsideThePageFail()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);

    Magick::Image image = MakeCoordinates(40, 30);
    const QByteArray before = Signature(image);
    QVERIFY(!ApplyFilter(image, id, numbers));
    QCOMPARE(SizeOf(image), QSize(40, 30));
    QCOMPARE(Signature(image), before);
    QCOMPARE(image.colorFuzz(), 0.0);
}

QUENDRASIL_TEST_MAIN_WITH(TestTransform, QCoreApplication, InitializeImageEngine)
#include "tst_transform.moc"
