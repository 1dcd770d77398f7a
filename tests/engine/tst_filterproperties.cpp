#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageFilters.h"
#include "TestPhotos.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <Magick++.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "FilterTestSupport.h"

using namespace FilterTest;

namespace {

using MagickCore::Quantum;

// An 8-bit RGB copy of a photo, for measuring and for building expected pictures by hand.
struct SPicture
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char *At(int x, int y) const
    {
        return rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
    }
    unsigned char *At(int x, int y)
    {
        return rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
    }
    double Luma(int x, int y) const
    {
        const unsigned char *pixel = At(x, y);
        return (pixel[0] + pixel[1] + pixel[2]) / 3.0;
    }
};

SPicture PictureOf(Magick::Image image)
{
    SPicture picture;
    picture.width = int(image.columns());
    picture.height = int(image.rows());
    picture.rgb.resize(size_t(picture.width) * size_t(picture.height) * 3);
    image.write(0, 0, image.columns(), image.rows(), "RGB", Magick::CharPixel, picture.rgb.data());
    return picture;
}

Magick::Image ImageOf(const SPicture &picture)
{
    Magick::Image image;
    image.read(size_t(picture.width), size_t(picture.height), "RGB", Magick::CharPixel,
        picture.rgb.data());
    return image;
}

unsigned char Clamp(double value)
{
    return static_cast<unsigned char>(std::clamp(std::lround(value), 0L, 255L));
}

// A landscape as a camera might see it: a sky gradient over a sloping field, a sun, a house
// with a window, a dark pole, and sensor noise. Nothing in it is symmetric, so a mirrored or
// wrongly turned result cannot pass for the right one.
SPicture MakeScene(int width, int height, quint32 seed = 11)
{
    SPicture scene;
    scene.width = width;
    scene.height = height;
    scene.rgb.resize(size_t(width) * size_t(height) * 3);
    QRandomGenerator noise(seed);
    const double horizon = height * 0.55;
    const double sunX = width * 0.78;
    const double sunY = height * 0.2;
    const double sunRadius = std::min(width, height) * 0.09;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double v = double(y) / height;
            std::array<double, 3> colour;
            if (y < horizon + (u - 0.5) * height * 0.1)
                colour = { 70 + 80 * v, 120 + 60 * v, 220 - 40 * v };
            else
                colour = { 90 + 60 * u, 150 - 60 * v, 60 };
            if (std::hypot(x - sunX, y - sunY) < sunRadius)
                colour = { 250, 220, 120 };
            if (u >= 0.12 && u < 0.38 && v >= 0.42 && v < 0.8)
                colour = (u >= 0.2 && u < 0.27 && v >= 0.5 && v < 0.6)
                    ? std::array<double, 3> { 30, 30, 40 }
                    : std::array<double, 3> { 180, 60, 50 };
            if (std::abs(x - (0.55 * width + (v - 0.3) * width * 0.1)) < 1.5 && v > 0.3)
                colour = { 35, 30, 25 };
            unsigned char *pixel = scene.At(x, y);
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = Clamp(colour[size_t(channel)] + noise.bounded(-8, 9));
        }
    }
    return scene;
}

Magick::Image MakeScenePhoto(int width, int height)
{
    return ImageOf(MakeScene(width, height));
}

// A record as a settings page saves it: the page's count of numbers, nothing else.
SFilterRecord PageRecord(int id, const QList<double> &numbers = {})
{
    SFilterRecord record;
    record.id = id;
    record.active = true;
    record.numberCount = quint8(numbers.size());
    for (qsizetype i = 0; i < numbers.size(); ++i)
        record.numbers[size_t(i)] = numbers[i];
    return record;
}

bool ApplyRecord(Magick::Image &image, const SFilterRecord &record)
{
    CImageFilters filters;
    filters.target = &image;
    filters.record = record;
    filters.sourcePath = QStringLiteral("/photos/Trip/field.jpg");
    return filters.Apply();
}

bool Apply(Magick::Image &image, int id, const QList<double> &numbers = {})
{
    return ApplyRecord(image, PageRecord(id, numbers));
}

QSize SizeOf(const Magick::Image &image)
{
    return QSize(int(image.columns()), int(image.rows()));
}

double MeanLuma(const SPicture &picture)
{
    double sum = 0.0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            sum += picture.Luma(x, y);
    return sum / picture.width / picture.height;
}

double LumaSpread(const SPicture &picture)
{
    const double mean = MeanLuma(picture);
    double sum = 0.0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            sum += std::pow(picture.Luma(x, y) - mean, 2.0);
    return std::sqrt(sum / picture.width / picture.height);
}

// How much detail the picture holds: the mean squared step between neighbours.
double EdgeEnergy(const SPicture &picture)
{
    double sum = 0.0;
    for (int y = 0; y + 1 < picture.height; ++y) {
        for (int x = 0; x + 1 < picture.width; ++x) {
            sum += std::pow(picture.Luma(x + 1, y) - picture.Luma(x, y), 2.0);
            sum += std::pow(picture.Luma(x, y + 1) - picture.Luma(x, y), 2.0);
        }
    }
    return sum / (picture.width - 1) / (picture.height - 1);
}

double MeanAbsoluteDifference(const SPicture &left, const SPicture &right)
{
    double sum = 0.0;
    for (size_t i = 0; i < left.rgb.size(); ++i)
        sum += std::abs(int(left.rgb[i]) - int(right.rgb[i]));
    return sum / double(left.rgb.size());
}

// The first pixel where `actual` differs from `expected`, or an empty text.
QString FirstDifference(const SPicture &actual, const SPicture &expected)
{
    if (actual.width != expected.width || actual.height != expected.height)
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width)
            .arg(actual.height)
            .arg(expected.width)
            .arg(expected.height);
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if (!std::equal(actual.At(x, y), actual.At(x, y) + 3, expected.At(x, y)))
                return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
        }
    }
    return QString();
}

#define VERIFY_SAME_PICTURE(actual, expected)                                                      \
    do {                                                                                           \
        const QString difference = FirstDifference(actual, expected);                              \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                    \
    } while (false)

// A picture made by reading each of its pixels from `source` at the point `from` names.
template<typename From> SPicture Remapped(const SPicture &source, int width, int height, From from)
{
    SPicture result;
    result.width = width;
    result.height = height;
    result.rgb.resize(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QPoint at = from(x, y);
            std::copy(source.At(at.x(), at.y()), source.At(at.x(), at.y()) + 3, result.At(x, y));
        }
    }
    return result;
}

SPicture Region(const SPicture &source, const QRect &region)
{
    return Remapped(source, region.width(), region.height(),
        [&](int x, int y) { return QPoint(region.x() + x, region.y() + y); });
}

// Which pixel of the upright W x H picture a camera stores at x, y under each EXIF
// orientation: the tag names the side of the upright picture that the stored rows and columns
// run along (6: the first row is the right side, top to bottom).
QPoint UprightFromStored(int orientation, int x, int y, int width, int height)
{
    switch (orientation) {
    case 2:
        return QPoint(width - 1 - x, y);
    case 3:
        return QPoint(width - 1 - x, height - 1 - y);
    case 4:
        return QPoint(x, height - 1 - y);
    case 5:
        return QPoint(y, x);
    case 6:
        return QPoint(width - 1 - y, x);
    case 7:
        return QPoint(width - 1 - y, height - 1 - x);
    case 8:
        return QPoint(y, height - 1 - x);
    default:
        return QPoint(x, y);
    }
}

// The upright W x H picture of `stored` under the orientation.
SPicture UprightOf(const SPicture &stored, int orientation, int width, int height)
{
    SPicture upright;
    upright.width = width;
    upright.height = height;
    upright.rgb.resize(stored.rgb.size());
    for (int y = 0; y < stored.height; ++y) {
        for (int x = 0; x < stored.width; ++x) {
            const QPoint at = UprightFromStored(orientation, x, y, width, height);
            std::copy(stored.At(x, y), stored.At(x, y) + 3, upright.At(at.x(), at.y()));
        }
    }
    return upright;
}

// A colour as the colour buttons save it: 0xAARRGGBB.
double Argb(int red, int green, int blue)
{
    return double((0xFFu << 24) | (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue));
}

} // namespace

class TestFilterProperties : public QObject
{
    Q_OBJECT

private slots:
    void cropKeepsExactlyTheRegion_data();
    void cropKeepsExactlyTheRegion();
    void resizeEveryMode_data();
    void resizeEveryMode();
    void resizeAdvancedPrintsAtTheInchesOfThePage_data();
    void resizeAdvancedPrintsAtTheInchesOfThePage();
    void thumbnailFitsTheBox_data();
    void thumbnailFitsTheBox();
    void rotateByQuarterTurnsMovesEveryPixel_data();
    void rotateByQuarterTurnsMovesEveryPixel();
    void rotateByAnyAngleGrowsTheCanvas();
    void rotateHonoursTheOrientationCondition_data();
    void rotateHonoursTheOrientationCondition();
    void autoRotateUprightsEveryExifOrientation_data();
    void autoRotateUprightsEveryExifOrientation();
    void flipTwiceIsIdentity_data();
    void flipTwiceIsIdentity();
    void rollMovesEveryPixelByTheOffsets_data();
    void rollMovesEveryPixelByTheOffsets();
    void colorReplaceChangesOnlyPixelsWithinTheTolerance_data();
    void colorReplaceChangesOnlyPixelsWithinTheTolerance();
    void autoCropRemovesAUniformBorder_data();
    void autoCropRemovesAUniformBorder();
    void negateTwiceIsIdentity();
    void brightnessRaisesTheMean();
    void contrastWidensTheSpread_data();
    void contrastWidensTheSpread();
    void levelsMapTheirPoints_data();
    void levelsMapTheirPoints();
    void detailFilters_data();
    void detailFilters();
    void blackWhiteGivesEqualChannels();
    void sepiaGivesAWarmGrey();
    void everyEffectChangesThePhotoAndKeepsItsSize_data();
    void everyEffectChangesThePhotoAndKeepsItsSize();
};

void TestFilterProperties::cropKeepsExactlyTheRegion_data()
{
    QTest::addColumn<QList<double>>("numbers"); // left, top, width, height, unit
    QTest::addColumn<QRect>("region");

    // The photo is 301 x 203. The page's default keeps the centred 70 % in whole pixels.
    QTest::newRow("page default") << QList<double> { 45, 30, 211, 142, 0 }
                                  << QRect(45, 30, 211, 142);
    // 15 % of 301 is 45.15 and 70 % is 210.7: cut, not rounded.
    QTest::newRow("percent") << QList<double> { 15, 15, 70, 70, 1 } << QRect(45, 30, 210, 142);
    QTest::newRow("two decimals") << QList<double> { 33.33, 0.5, 33.34, 99.5, 1 }
                                  << QRect(100, 1, 100, 201);
    QTest::newRow("past the corner")
        << QList<double> { 250, 150, 200, 200, 0 } << QRect(250, 150, 51, 53);
    QTest::newRow("one pixel") << QList<double> { 300, 202, 1, 1, 0 } << QRect(300, 202, 1, 1);
}

void TestFilterProperties::cropKeepsExactlyTheRegion()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QRect, region);

    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::Crop, numbers));
    QCOMPARE(SizeOf(photo), region.size());
    VERIFY_SAME_PICTURE(PictureOf(photo), Region(scene, region));
}

void TestFilterProperties::resizeEveryMode_data()
{
    QTest::addColumn<QSize>("photo");
    // width, height, keep proportions, mode, unit, never enlarge
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("proportional");

    const QSize wide(300, 200);
    const QSize tall(200, 300);
    // Width & Height, proportions kept: the larger value is the long side.
    QTest::newRow("box, wide") << wide << QList<double> { 240, 180, 1, 0, 0, 0 } << QSize(240, 160)
                               << true;
    QTest::newRow("box, tall") << tall << QList<double> { 240, 180, 1, 0, 0, 0 } << QSize(160, 240)
                               << true;
    QTest::newRow("box, stretched")
        << wide << QList<double> { 100, 150, 0, 0, 0, 0 } << QSize(100, 150) << false;
    QTest::newRow("box, percent") << wide << QList<double> { 50, 50, 1, 0, 1, 0 } << QSize(150, 100)
                                  << true;
    QTest::newRow("box, 130 percent")
        << tall << QList<double> { 130, 130, 1, 0, 1, 0 } << QSize(260, 390) << true;
    // Fixed Width and Fixed Height: the other side follows.
    QTest::newRow("width, wide") << wide << QList<double> { 150, 100, 1, 1, 0, 0 }
                                 << QSize(150, 100) << true;
    QTest::newRow("width, tall") << tall << QList<double> { 150, 225, 1, 1, 0, 0 }
                                 << QSize(150, 225) << true;
    QTest::newRow("height, wide") << wide << QList<double> { 180, 120, 1, 2, 0, 0 }
                                  << QSize(180, 120) << true;
    QTest::newRow("height, tall") << tall << QList<double> { 80, 120, 1, 2, 0, 0 } << QSize(80, 120)
                                  << true;
    QTest::newRow("height, enlarging")
        << wide << QList<double> { 450, 300, 1, 2, 0, 0 } << QSize(450, 300) << true;
    // Fixed Width & Height: the photo fits inside the box.
    QTest::newRow("fit, wide") << wide << QList<double> { 100, 100, 1, 3, 0, 0 } << QSize(100, 67)
                               << true;
    QTest::newRow("fit, tall") << tall << QList<double> { 100, 100, 1, 3, 0, 0 } << QSize(67, 100)
                               << true;
    QTest::newRow("fit, flat box")
        << tall << QList<double> { 400, 30, 1, 3, 0, 0 } << QSize(20, 30) << true;
    // Don't upscale: an enlarging step leaves the photo as it is; a shrinking one still runs.
    QTest::newRow("no upscale, box")
        << wide << QList<double> { 600, 400, 1, 0, 0, 1 } << wide << true;
    QTest::newRow("no upscale, width")
        << wide << QList<double> { 301, 0, 1, 1, 0, 1 } << wide << true;
    QTest::newRow("no upscale, height")
        << wide << QList<double> { 0, 201, 1, 2, 0, 1 } << wide << true;
    QTest::newRow("no upscale, height shrinks")
        << tall << QList<double> { 0, 150, 1, 2, 0, 1 } << QSize(100, 150) << true;
    QTest::newRow("no upscale, fit")
        << wide << QList<double> { 600, 400, 1, 3, 0, 1 } << wide << true;
    QTest::newRow("no upscale, box shrinks")
        << wide << QList<double> { 150, 100, 1, 0, 0, 1 } << QSize(150, 100) << true;
}

void TestFilterProperties::resizeEveryMode()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);
    QFETCH(bool, proportional);

    Magick::Image image = MakeScenePhoto(photo.width(), photo.height());
    const Magick::Image before = image;
    QVERIFY(Apply(image, FilterId::Resize, numbers));
    QCOMPARE(SizeOf(image), size);
    if (size == photo) {
        QVERIFY(SamePixels(image, before));
        return;
    }
    // The proportions stay within the one pixel a whole-pixel side can be off.
    if (proportional) {
        const double expected = double(photo.width()) / photo.height();
        QVERIFY(std::abs(size.width() - size.height() * expected) <= 1.0);
    }
    // Scaling keeps the picture: a scaled-back copy looks like the photo.
    Magick::Image back = image;
    back.scale(Magick::Geometry(
        QStringLiteral("%1x%2!").arg(photo.width()).arg(photo.height()).toStdString()));
    QVERIFY(MeanAbsoluteDifference(PictureOf(back), PictureOf(before)) < 12.0);
}

void TestFilterProperties::resizeAdvancedPrintsAtTheInchesOfThePage_data()
{
    // As the page saves them for a 360 x 240 photo at 72 DPI: pixels, inches, DPI, locks.
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dpi");

    // Only the resolution changes: same pixels, smaller print.
    QTest::newRow("150 DPI") << QList<double> { 360, 240, 2.4, 1.6, 150, 150, 1, 1 }
                             << QSize(360, 240) << 150;
    // Two inches wide at 72 DPI: 144 pixels, the height follows the photo.
    QTest::newRow("two inches") << QList<double> { 144, 95, 2.0, 1.33, 72, 72, 1, 1 }
                                << QSize(144, 96) << 72;
    // Six by two inches at 300 DPI without the proportions lock.
    QTest::newRow("stretched print")
        << QList<double> { 1800, 600, 6.0, 2.0, 300, 300, 0, 1 } << QSize(1800, 600) << 300;
    QTest::newRow("half the pixels")
        << QList<double> { 180, 120, 2.5, 1.67, 72, 72, 1, 1 } << QSize(180, 120) << 72;
}

void TestFilterProperties::resizeAdvancedPrintsAtTheInchesOfThePage()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);
    QFETCH(int, dpi);

    Magick::Image image = MakeScenePhoto(360, 240);
    image.resolutionUnits(Magick::PixelsPerInchResolution);
    image.density(Magick::Geometry(72, 72));
    QVERIFY(Apply(image, FilterId::ResizeAdvanced, numbers));
    QCOMPARE(SizeOf(image), size);

    // The print is as wide as the page said, to within a pixel at that resolution.
    QCOMPARE(image.resolutionUnits(), Magick::PixelsPerInchResolution);
    QCOMPARE(int(image.density().width()), dpi);
    QVERIFY(std::abs(double(image.columns()) / dpi - numbers[ResizeAdvancedSlot::DocumentWidth])
        <= 1.0 / dpi + 0.005);
    QVERIFY(std::abs(double(image.rows()) / dpi - numbers[ResizeAdvancedSlot::DocumentHeight])
        <= 1.0 / dpi + 0.01);

    // The resolution reaches the written file.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("print.jpg")).toStdString();
    image.write("JPEG:" + path);
    Magick::Image reread(path);
    QCOMPARE(SizeOf(reread), size);
    QCOMPARE(reread.resolutionUnits(), Magick::PixelsPerInchResolution);
    QCOMPARE(int(std::lround(reread.xResolution())), dpi);
    QCOMPARE(int(std::lround(reread.yResolution())), dpi);
}

void TestFilterProperties::thumbnailFitsTheBox_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QList<double>>("numbers"); // width, height, method
    QTest::addColumn<QSize>("size");

    // The page's default: 120 x 120, resized to fit.
    const QList<double> defaults { 120, 120, 0 };
    QTest::newRow("default, wide") << QSize(300, 200) << defaults << QSize(120, 80);
    QTest::newRow("default, tall") << QSize(200, 300) << defaults << QSize(80, 120);
    QTest::newRow("default, square") << QSize(250, 250) << defaults << QSize(120, 120);
    QTest::newRow("default, smaller photo") << QSize(90, 60) << defaults << QSize(120, 80);
    QTest::newRow("fit a flat box")
        << QSize(300, 200) << QList<double> { 200, 50, 0 } << QSize(75, 50);
    QTest::newRow("stretch") << QSize(300, 200) << QList<double> { 120, 120, 1 } << QSize(120, 120);
    QTest::newRow("stretch tall") << QSize(200, 300) << QList<double> { 160, 90, 1 }
                                  << QSize(160, 90);
}

void TestFilterProperties::thumbnailFitsTheBox()
{
    QFETCH(QSize, photo);
    QFETCH(QList<double>, numbers);
    QFETCH(QSize, size);

    Magick::Image image = MakeScenePhoto(photo.width(), photo.height());
    QVERIFY(Apply(image, FilterId::Thumbnail, numbers));
    QCOMPARE(SizeOf(image), size);
    const auto boxWidth = size_t(numbers[ThumbnailSlot::Width]);
    const auto boxHeight = size_t(numbers[ThumbnailSlot::Height]);
    QVERIFY(image.columns() <= boxWidth && image.rows() <= boxHeight);
    if (numbers[ThumbnailSlot::Method] == 0.0) {
        QVERIFY(image.columns() == boxWidth || image.rows() == boxHeight);
        const double expected = double(photo.width()) / photo.height();
        QVERIFY(std::abs(size.width() - size.height() * expected) <= 1.0);
    }
}

void TestFilterProperties::rotateByQuarterTurnsMovesEveryPixel_data()
{
    QTest::addColumn<double>("angle");
    QTest::newRow("0") << 0.0;
    QTest::newRow("90") << 90.0;
    QTest::newRow("180") << 180.0;
    QTest::newRow("270") << 270.0;
}

void TestFilterProperties::rotateByQuarterTurnsMovesEveryPixel()
{
    QFETCH(double, angle);

    const SPicture scene = MakeScene(301, 203);
    const int w = scene.width;
    const int h = scene.height;
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::Rotate, { angle, 0 }));

    // Clockwise: each pixel of the result reads the source where the turn came from.
    SPicture expected;
    if (angle == 90.0)
        expected = Remapped(scene, h, w, [&](int x, int y) { return QPoint(y, h - 1 - x); });
    else if (angle == 180.0)
        expected
            = Remapped(scene, w, h, [&](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); });
    else if (angle == 270.0)
        expected = Remapped(scene, h, w, [&](int x, int y) { return QPoint(w - 1 - y, x); });
    else
        expected = scene;
    VERIFY_SAME_PICTURE(PictureOf(photo), expected);
}

void TestFilterProperties::rotateByAnyAngleGrowsTheCanvas()
{
    // A slanted photo needs a larger canvas, whose corners show the photo's background.
    Magick::Image photo = MakeScenePhoto(300, 200);
    photo.backgroundColor(Magick::ColorRGB(0.0, 1.0, 0.0));
    QVERIFY(Apply(photo, FilterId::Rotate, { 30, 0 }));
    const double radians = std::numbers::pi / 6.0;
    const double width = 300 * std::cos(radians) + 200 * std::sin(radians);
    const double height = 300 * std::sin(radians) + 200 * std::cos(radians);
    QVERIFY2(std::abs(photo.columns() - width) <= 4.0 && std::abs(photo.rows() - height) <= 4.0,
        qPrintable(QStringLiteral("%1 x %2").arg(photo.columns()).arg(photo.rows())));
    const SPicture turned = PictureOf(photo);
    const unsigned char *corner = turned.At(0, 0);
    QCOMPARE(QList<int>({ corner[0], corner[1], corner[2] }), QList<int>({ 0, 255, 0 }));
    // The middle of the photo is still the photo.
    const unsigned char *middle = turned.At(turned.width / 2, turned.height / 2);
    QVERIFY(!(middle[0] == 0 && middle[1] == 255 && middle[2] == 0));

    // Turning back by the same amount only ever grows it further, never crops.
    QVERIFY(Apply(photo, FilterId::Rotate, { 330, 0 }));
    QVERIFY(photo.columns() >= 300 && photo.rows() >= 200);
}

void TestFilterProperties::rotateHonoursTheOrientationCondition_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<double>("condition"); // 0 all, 1 only portrait, 2 only landscape
    QTest::addColumn<bool>("turned");

    const QSize wide(240, 160);
    const QSize tall(160, 240);
    const QSize square(200, 200);
    QTest::newRow("all photos, wide") << wide << 0.0 << true;
    QTest::newRow("all photos, tall") << tall << 0.0 << true;
    QTest::newRow("only portrait, wide") << wide << 1.0 << false;
    QTest::newRow("only portrait, tall") << tall << 1.0 << true;
    QTest::newRow("only portrait, square") << square << 1.0 << true;
    QTest::newRow("only landscape, wide") << wide << 2.0 << true;
    QTest::newRow("only landscape, tall") << tall << 2.0 << false;
    QTest::newRow("only landscape, square") << square << 2.0 << true;
}

void TestFilterProperties::rotateHonoursTheOrientationCondition()
{
    QFETCH(QSize, photo);
    QFETCH(double, condition);
    QFETCH(bool, turned);

    Magick::Image image = MakeScenePhoto(photo.width(), photo.height());
    const Magick::Image before = image;
    QVERIFY(Apply(image, FilterId::Rotate, { 90, condition }));
    if (!turned) {
        QVERIFY(SamePixels(image, before));
        return;
    }
    QCOMPARE(SizeOf(image), photo.transposed());
    QVERIFY(!SamePixels(image, before));
}

void TestFilterProperties::autoRotateUprightsEveryExifOrientation_data()
{
    QTest::addColumn<int>("orientation");
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::addRow("orientation %d", orientation) << orientation;
}

void TestFilterProperties::autoRotateUprightsEveryExifOrientation()
{
    QFETCH(int, orientation);

    // What the camera saw, and what it stored for this orientation.
    const SPicture upright = MakeScene(240, 160);
    const bool swapped = orientation >= 5;
    const int storedWidth = swapped ? upright.height : upright.width;
    const int storedHeight = swapped ? upright.width : upright.height;
    const SPicture stored = Remapped(upright, storedWidth, storedHeight, [&](int x, int y) {
        return UprightFromStored(orientation, x, y, upright.width, upright.height);
    });

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("camera.jpg"));
    {
        Magick::Image camera = ImageOf(stored);
        TestPhotos::SExifFacts facts;
        facts.orientation = orientation;
        facts.make = "Tarrow";
        const QByteArray exif = TestPhotos::MakeExifBlock(facts);
        camera.profile("EXIF", Magick::Blob(exif.constData(), size_t(exif.size())));
        camera.orientation(Magick::OrientationType(orientation));
        camera.quality(95);
        camera.write("JPEG:" + path.toStdString());
    }

    Magick::Image photo(path.toStdString());
    QCOMPARE(int(photo.orientation()), orientation);
    const SPicture decoded = PictureOf(photo);
    QVERIFY(Apply(photo, FilterId::AutoRotate));

    // Upright: the upright size, every pixel moved exactly, and the scene as the camera saw it.
    QCOMPARE(SizeOf(photo), QSize(upright.width, upright.height));
    QCOMPARE(photo.orientation(), Magick::TopLeftOrientation);
    const SPicture result = PictureOf(photo);
    VERIFY_SAME_PICTURE(result, UprightOf(decoded, orientation, upright.width, upright.height));
    QVERIFY(MeanAbsoluteDifference(result, upright) < 6.0);

    // Once upright it stays upright, also for a viewer reading the written file.
    QVERIFY(Apply(photo, FilterId::AutoRotate));
    VERIFY_SAME_PICTURE(PictureOf(photo), result);
    const QString written = folder.filePath(QStringLiteral("upright.jpg"));
    photo.write("JPEG:" + written.toStdString());
    Magick::Image reread(written.toStdString());
    QCOMPARE(reread.orientation(), Magick::TopLeftOrientation);
    QCOMPARE(SizeOf(reread), QSize(upright.width, upright.height));
}

void TestFilterProperties::flipTwiceIsIdentity_data()
{
    QTest::addColumn<QList<double>>("numbers"); // vertically, horizontally
    QTest::newRow("vertically") << QList<double> { 1, 0 };
    QTest::newRow("horizontally") << QList<double> { 0, 1 };
    QTest::newRow("both") << QList<double> { 1, 1 };
}

void TestFilterProperties::flipTwiceIsIdentity()
{
    QFETCH(QList<double>, numbers);

    Magick::Image photo = MakeScenePhoto(301, 203);
    photo.matte(true);
    const Magick::Image before = photo;
    QVERIFY(Apply(photo, FilterId::Flip, numbers));
    QCOMPARE(SizeOf(photo), QSize(301, 203));
    QVERIFY(!SamePixels(photo, before));
    // Both flips together are half a turn.
    if (numbers[FlipSlot::Vertical] == 1.0 && numbers[FlipSlot::Horizontal] == 1.0) {
        Magick::Image turned = before;
        QVERIFY(Apply(turned, FilterId::Rotate, { 180, 0 }));
        QVERIFY(SamePixels(photo, turned));
    }
    QVERIFY(Apply(photo, FilterId::Flip, numbers));
    QVERIFY(SamePixels(photo, before));
}

void TestFilterProperties::rollMovesEveryPixelByTheOffsets_data()
{
    QTest::addColumn<QList<double>>("numbers"); // columns, rows, unit
    QTest::addColumn<QPoint>("shift"); // in pixels

    // The photo is 301 x 203.
    QTest::newRow("pixels") << QList<double> { 37, 11, 0 } << QPoint(37, 11);
    QTest::newRow("columns only") << QList<double> { 150, 0, 0 } << QPoint(150, 0);
    QTest::newRow("rows only") << QList<double> { 0, 202, 0 } << QPoint(0, 202);
    // 25 % of 301 is 75.25 and 50 % of 203 is 101.5: cut.
    QTest::newRow("percent") << QList<double> { 25, 50, 1 } << QPoint(75, 101);
    QTest::newRow("a whole turn and more")
        << QList<double> { 602 + 5, 203 * 3 + 7, 0 } << QPoint(5, 7);
    QTest::newRow("nothing") << QList<double> { 0, 0, 0 } << QPoint(0, 0);
}

void TestFilterProperties::rollMovesEveryPixelByTheOffsets()
{
    QFETCH(QList<double>, numbers);
    QFETCH(QPoint, shift);

    const SPicture scene = MakeScene(301, 203);
    const int w = scene.width;
    const int h = scene.height;
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::Roll, numbers));

    // Each pixel moved right and down by the shift, wrapping round at the edges.
    VERIFY_SAME_PICTURE(PictureOf(photo), Remapped(scene, w, h, [&](int x, int y) {
        return QPoint(((x - shift.x()) % w + w) % w, ((y - shift.y()) % h + h) % h);
    }));

    // Rolling on by the rest of the photo brings it back.
    QVERIFY(Apply(
        photo, FilterId::Roll, { double((w - shift.x()) % w), double((h - shift.y()) % h), 0 }));
    VERIFY_SAME_PICTURE(PictureOf(photo), scene);
}

void TestFilterProperties::colorReplaceChangesOnlyPixelsWithinTheTolerance_data()
{
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("toKind"); // 0 the chosen colour, 2 white, 3 black

    QTest::newRow("exact colour") << 0.0 << 0;
    QTest::newRow("tolerance 4") << 4.0 << 0;
    QTest::newRow("tolerance 10") << 10.0 << 0;
    QTest::newRow("tolerance 10 to white") << 10.0 << 2;
    QTest::newRow("tolerance 40 to black") << 40.0 << 3;
    QTest::newRow("tolerance 99") << 99.0 << 0;
}

void TestFilterProperties::colorReplaceChangesOnlyPixelsWithinTheTolerance()
{
    QFETCH(double, tolerance);
    QFETCH(int, toKind);

    // The house wall is (180, 60, 50) under noise of up to 8 per channel.
    const std::array<int, 3> wall { 180, 60, 50 };
    const std::array<int, 3> chosen { 20, 200, 240 };
    const std::array<int, 3> replacement = toKind == 2 ? std::array<int, 3> { 255, 255, 255 }
        : toKind == 3                                  ? std::array<int, 3> { 0, 0, 0 }
                                                       : chosen;
    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::ColorReplace,
        { tolerance, Argb(wall[0], wall[1], wall[2]), Argb(chosen[0], chosen[1], chosen[2]), 0,
            double(toKind) }));
    const SPicture result = PictureOf(photo);
    QCOMPARE(photo.colorFuzz(), 0.0);

    // ImageMagick's tolerance is a sphere around the colour that holds the cube of the
    // tolerance on every channel; between the two either outcome is fair.
    int replaced = 0;
    for (int y = 0; y < scene.height; ++y) {
        for (int x = 0; x < scene.width; ++x) {
            const unsigned char *before = scene.At(x, y);
            const unsigned char *after = result.At(x, y);
            double squares = 0.0;
            double largest = 0.0;
            for (int channel = 0; channel < 3; ++channel) {
                const double step = std::abs(before[channel] - wall[size_t(channel)]);
                squares += step * step;
                largest = std::max(largest, step);
            }
            const bool isReplacement = after[0] == replacement[0] && after[1] == replacement[1]
                && after[2] == replacement[2];
            const bool isKept = std::equal(before, before + 3, after);
            const QString where = QStringLiteral("at %1,%2").arg(x).arg(y);
            if (largest <= tolerance)
                QVERIFY2(isReplacement, qPrintable(where + QStringLiteral(" within")));
            else if (std::sqrt(squares) > std::sqrt(3.0) * tolerance + 0.01)
                QVERIFY2(isKept, qPrintable(where + QStringLiteral(" outside")));
            else
                QVERIFY2(isKept || isReplacement, qPrintable(where));
            replaced += isReplacement && !isKept ? 1 : 0;
        }
    }
    // Noise of up to 8 puts the whole wall within a tolerance of 10.
    if (tolerance >= 10.0)
        QVERIFY2(replaced > 301 * 203 / 20, qPrintable(QString::number(replaced)));
}

void TestFilterProperties::autoCropRemovesAUniformBorder_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("content"); // where the photo lies on a uniform black border
    QTest::addColumn<QList<double>>("numbers"); // ratio, turn for portrait, custom, anchor

    // Letterbox bars above and below a 16:9 picture: the page's default centred 16:9.
    QTest::newRow("letterbox") << QSize(400, 300) << QRect(0, 38, 400, 225)
                               << QList<double> { 0, 1, 0, 0, 1 };
    // Pillarbox bars beside a square picture.
    QTest::newRow("pillarbox") << QSize(400, 300) << QRect(50, 0, 300, 300)
                               << QList<double> { 4, 1, 0, 0, 1 };
    // A strip only at the bottom, kept clear of with "Left/Top".
    QTest::newRow("bottom strip") << QSize(300, 250) << QRect(0, 0, 300, 200)
                                  << QList<double> { 2, 1, 0, 0, 0 };
    // A strip only on the left of a portrait photo, with the ratio turned for it.
    QTest::newRow("left strip, portrait")
        << QSize(300, 400) << QRect(33, 0, 267, 400) << QList<double> { 2, 1, 0, 0, 2 };
    QTest::newRow("custom 5:2") << QSize(400, 300) << QRect(0, 70, 400, 160)
                                << QList<double> { 5, 0, 5, 2, 1 };
}

void TestFilterProperties::autoCropRemovesAUniformBorder()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, content);
    QFETCH(QList<double>, numbers);

    const SPicture scene = MakeScene(content.width(), content.height());
    SPicture framed;
    framed.width = frame.width();
    framed.height = frame.height();
    framed.rgb.assign(size_t(frame.width()) * size_t(frame.height()) * 3, 0);
    for (int y = 0; y < content.height(); ++y)
        for (int x = 0; x < content.width(); ++x)
            std::copy(
                scene.At(x, y), scene.At(x, y) + 3, framed.At(content.x() + x, content.y() + y));

    Magick::Image photo = ImageOf(framed);
    QVERIFY(Apply(photo, FilterId::AutoCrop, numbers));
    VERIFY_SAME_PICTURE(PictureOf(photo), scene);
    QCOMPARE(photo.page().xOff(), ssize_t(0));
    QCOMPARE(photo.page().yOff(), ssize_t(0));
}

void TestFilterProperties::negateTwiceIsIdentity()
{
    // A half-transparent photo: the colours turn, the transparency does not.
    Magick::Image photo = MakeScenePhoto(301, 203);
    photo.matte(true);
    photo.opacity(QuantumRange / 3);
    const Magick::Image before = photo;
    QVERIFY(Apply(photo, FilterId::Negate));
    const SPicture negated = PictureOf(photo);
    const SPicture original = PictureOf(before);
    for (size_t i = 0; i < original.rgb.size(); ++i)
        QCOMPARE(int(negated.rgb[i]), 255 - int(original.rgb[i]));
    std::vector<quint16> alpha = Quanta(photo);
    const std::vector<quint16> alphaBefore = Quanta(before);
    for (size_t i = 3; i < alpha.size(); i += 4)
        QCOMPARE(alpha[i], alphaBefore[i]);
    QVERIFY(Apply(photo, FilterId::Negate));
    QVERIFY(SamePixels(photo, before));
}

void TestFilterProperties::brightnessRaisesTheMean()
{
    // Lightness from the bottom of the page's range to its top, gamma at 0, then gamma up.
    const Magick::Image photo = MakeScenePhoto(301, 203);
    double previous = -1.0;
    for (double lightness : { -100.0, -50.0, -10.0, 0.0, 10.0, 50.0 }) {
        Magick::Image image = photo;
        QVERIFY(Apply(image, FilterId::Brightness, { lightness, 0 }));
        QCOMPARE(SizeOf(image), QSize(301, 203));
        const double mean = MeanLuma(PictureOf(image));
        QVERIFY2(mean > previous, qPrintable(QStringLiteral("%1: %2").arg(lightness).arg(mean)));
        previous = mean;
    }
    const double original = MeanLuma(PictureOf(photo));
    Magick::Image lighter = photo;
    QVERIFY(Apply(lighter, FilterId::Brightness, { 30, 0 }));
    QVERIFY(MeanLuma(PictureOf(lighter)) > original + 10.0);
    Magick::Image lifted = photo;
    QVERIFY(Apply(lifted, FilterId::Brightness, { 0, 60 }));
    QVERIFY(MeanLuma(PictureOf(lifted)) > original + 10.0);
    Magick::Image darker = photo;
    QVERIFY(Apply(darker, FilterId::Brightness, { 0, -60 }));
    QVERIFY(MeanLuma(PictureOf(darker)) < original - 10.0);
}

void TestFilterProperties::contrastWidensTheSpread_data()
{
    QTest::addColumn<double>("contrast");
    QTest::addColumn<int>("direction"); // 1 wider, -1 narrower, 0 as it was

    QTest::newRow("-50") << -50.0 << -1;
    QTest::newRow("-20") << -20.0 << -1;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("20") << 20.0 << 1;
    QTest::newRow("50") << 50.0 << 1;
}

void TestFilterProperties::contrastWidensTheSpread()
{
    QFETCH(double, contrast);
    QFETCH(int, direction);

    Magick::Image photo = MakeScenePhoto(301, 203);
    const double before = LumaSpread(PictureOf(photo));
    QVERIFY(Apply(photo, FilterId::Contrast, { contrast, 0 }));
    const double after = LumaSpread(PictureOf(photo));
    const QString found = QStringLiteral("%1 -> %2").arg(before).arg(after);
    if (direction > 0)
        QVERIFY2(after > before * 1.05, qPrintable(found));
    else if (direction < 0)
        QVERIFY2(after < before * 0.95, qPrintable(found));
    else
        QVERIFY2(std::abs(after - before) < 0.5, qPrintable(found));

    // Stronger contrast spreads further.
    if (contrast > 0.0 && contrast < 50.0) {
        Magick::Image stronger = MakeScenePhoto(301, 203);
        QVERIFY(Apply(stronger, FilterId::Contrast, { contrast + 20.0, 0 }));
        QVERIFY(LumaSpread(PictureOf(stronger)) > after);
    }
}

void TestFilterProperties::levelsMapTheirPoints_data()
{
    QTest::addColumn<QList<double>>("numbers"); // black, middle, white, channel
    QTest::newRow("all channels") << QList<double> { 60, 40, 60, 0 };
    QTest::newRow("red") << QList<double> { 99, 40, 30, 1 };
    QTest::newRow("green, darker middle") << QList<double> { 40, 20, 40, 2 };
    QTest::newRow("blue, lighter middle") << QList<double> { 20, 80, 80, 3 };
}

void TestFilterProperties::levelsMapTheirPoints()
{
    QFETCH(QList<double>, numbers);

    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::Levels, numbers));
    const SPicture result = PictureOf(photo);

    // The points move from each end in steps of a 404th of the range.
    const double black = numbers[LevelsSlot::BlackPoint] * 255.0 / 404.0;
    const double white = 255.0 - numbers[LevelsSlot::WhitePoint] * 255.0 / 404.0;
    const int channelChoice = int(numbers[LevelsSlot::Channel]);
    for (int channel = 0; channel < 3; ++channel) {
        const bool leveled = channelChoice == 0 || channelChoice == channel + 1;
        // Each input value has one output, and the outputs keep the inputs' order.
        std::map<int, int> outputs;
        for (int y = 0; y < scene.height; ++y) {
            for (int x = 0; x < scene.width; ++x) {
                const int in = scene.At(x, y)[channel];
                const int out = result.At(x, y)[channel];
                if (!leveled) {
                    QCOMPARE(out, in);
                    continue;
                }
                const auto found = outputs.emplace(in, out);
                QCOMPARE(found.first->second, out);
                if (in <= black)
                    QCOMPARE(out, 0);
                if (in >= white)
                    QCOMPARE(out, 255);
            }
        }
        int previous = -1;
        for (const auto &[in, out] : outputs) {
            QVERIFY2(out >= previous, qPrintable(QStringLiteral("%1 -> %2").arg(in).arg(out)));
            previous = out;
        }
        // The middle between the points lands where the gamma puts it.
        if (leveled && numbers[LevelsSlot::MiddleGamma] == 40.0) {
            const int middle = int(std::lround((black + white) / 2.0));
            if (outputs.count(middle) != 0)
                QVERIFY(std::abs(outputs[middle] - 127.5) < 4.0);
        }
    }
}

void TestFilterProperties::detailFilters_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<int>("direction"); // 1 more detail, -1 less

    QTest::newRow("Sharpen default") << int(FilterId::Sharpen) << QList<double> { 20 } << 1;
    QTest::newRow("Sharpen strong") << int(FilterId::Sharpen) << QList<double> { 80 } << 1;
    QTest::newRow("Sharpen Advanced")
        << int(FilterId::SharpenAdvanced) << QList<double> { 60, 40, 0 } << 1;
    QTest::newRow("Blur") << int(FilterId::Blur) << QList<double> { 20 } << -1;
    QTest::newRow("Gaussian Blur") << int(FilterId::GaussianBlur) << QList<double> { 20, 20 } << -1;
    QTest::newRow("Reduce Noise enhance")
        << int(FilterId::ReduceNoise) << QList<double> { 0 } << -1;
    QTest::newRow("Reduce Noise despeckle")
        << int(FilterId::ReduceNoise) << QList<double> { 1 } << -1;
}

void TestFilterProperties::detailFilters()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);
    QFETCH(int, direction);

    Magick::Image photo = MakeScenePhoto(301, 203);
    const double before = EdgeEnergy(PictureOf(photo));
    QVERIFY(Apply(photo, id, numbers));
    QCOMPARE(SizeOf(photo), QSize(301, 203));
    const double after = EdgeEnergy(PictureOf(photo));
    const QString found = QStringLiteral("%1 -> %2").arg(before).arg(after);
    if (direction > 0)
        QVERIFY2(after > before * 1.1, qPrintable(found));
    else
        QVERIFY2(after < before * 0.9, qPrintable(found));
}

void TestFilterProperties::blackWhiteGivesEqualChannels()
{
    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::BlackWhite));
    QCOMPARE(SizeOf(photo), QSize(301, 203));
    const SPicture grey = PictureOf(photo);
    for (int y = 0; y < grey.height; ++y) {
        for (int x = 0; x < grey.width; ++x) {
            const unsigned char *pixel = grey.At(x, y);
            QVERIFY2(pixel[0] == pixel[1] && pixel[1] == pixel[2],
                qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
            // Each grey is its pixel's brightness, never further than the rounding.
            QVERIFY(std::abs(pixel[0] - scene.Luma(x, y)) <= 0.5);
        }
    }
}

void TestFilterProperties::sepiaGivesAWarmGrey()
{
    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, FilterId::Sepia, { 50, 50 }));
    QCOMPARE(SizeOf(photo), QSize(301, 203));
    const SPicture toned = PictureOf(photo);

    // One hue for the whole photo, red over green over blue, and the old light and shade.
    double warmth = 0.0;
    double sumX = 0.0, sumY = 0.0, sumXY = 0.0, sumXX = 0.0, sumYY = 0.0;
    const int count = toned.width * toned.height;
    for (int y = 0; y < toned.height; ++y) {
        for (int x = 0; x < toned.width; ++x) {
            const unsigned char *pixel = toned.At(x, y);
            QVERIFY2(pixel[0] + 1 >= pixel[1] && pixel[1] + 1 >= pixel[2],
                qPrintable(QStringLiteral("%1, %2, %3 at %4,%5")
                               .arg(pixel[0])
                               .arg(pixel[1])
                               .arg(pixel[2])
                               .arg(x)
                               .arg(y)));
            warmth += pixel[0] - pixel[2];
            const double before = scene.Luma(x, y);
            const double after = toned.Luma(x, y);
            sumX += before;
            sumY += after;
            sumXY += before * after;
            sumXX += before * before;
            sumYY += after * after;
        }
    }
    QVERIFY2(warmth / count > 15.0, qPrintable(QString::number(warmth / count)));
    const double covariance = sumXY / count - sumX / count * sumY / count;
    const double correlation = covariance
        / std::sqrt((sumXX / count - std::pow(sumX / count, 2.0))
            * (sumYY / count - std::pow(sumY / count, 2.0)));
    QVERIFY2(correlation > 0.8, qPrintable(QString::number(correlation)));
}

void TestFilterProperties::everyEffectChangesThePhotoAndKeepsItsSize_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<int>("taller"); // rows the canvas gains

    // The pages' defaults; Blur and Gaussian Blur start at 0, which leaves a photo as it is,
    // so their rows take a value the user would pick.
    QTest::newRow("Blur") << int(FilterId::Blur) << QList<double> { 10 } << 0;
    QTest::newRow("Charcoal") << int(FilterId::Charcoal) << QList<double> { 20, 8 } << 0;
    QTest::newRow("Edge") << int(FilterId::Edge) << QList<double> { 1 } << 0;
    QTest::newRow("Emboss") << int(FilterId::Emboss) << QList<double> { 20, 8 } << 0;
    QTest::newRow("Gaussian Blur") << int(FilterId::GaussianBlur) << QList<double> { 10, 10 } << 0;
    QTest::newRow("Black & White") << int(FilterId::BlackWhite) << QList<double> {} << 0;
    QTest::newRow("Implode") << int(FilterId::Implode) << QList<double> { 42 } << 0;
    QTest::newRow("Negate") << int(FilterId::Negate) << QList<double> {} << 0;
    for (int kind = 0; kind < 5; ++kind)
        QTest::addRow("Noise %d", kind)
            << int(FilterId::Noise) << QList<double> { double(kind) } << 0;
    QTest::newRow("Oil Paint") << int(FilterId::OilPaint) << QList<double> { 0 } << 0;
    QTest::newRow("Oil Paint 10") << int(FilterId::OilPaint) << QList<double> { 10 } << 0;
    QTest::newRow("Sepia") << int(FilterId::Sepia) << QList<double> { 50, 50 } << 0;
    QTest::newRow("Solarize") << int(FilterId::Solarize) << QList<double> { 50 } << 0;
    QTest::newRow("Shade") << int(FilterId::Shade) << QList<double> { 36, 36, 1 } << 0;
    QTest::newRow("Shade in colour") << int(FilterId::Shade) << QList<double> { 36, 36, 0 } << 0;
    QTest::newRow("Spread") << int(FilterId::Spread) << QList<double> { 8 } << 0;
    QTest::newRow("Swirl") << int(FilterId::Swirl) << QList<double> { 30 } << 0;
    // ImageMagick's wave adds twice the amplitude in rows so that no crest is cut off.
    QTest::newRow("Wave") << int(FilterId::Wave) << QList<double> { 15, 25 } << 30;
}

void TestFilterProperties::everyEffectChangesThePhotoAndKeepsItsSize()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);
    QFETCH(int, taller);

    // An odd size, so that an effect that pads or trims by a pixel shows.
    const SPicture scene = MakeScene(301, 203);
    Magick::Image photo = ImageOf(scene);
    QVERIFY(Apply(photo, id, numbers));
    QCOMPARE(SizeOf(photo), QSize(301, 203 + taller));
    if (taller != 0)
        return;
    const double change = MeanAbsoluteDifference(PictureOf(photo), scene);
    QVERIFY2(change > 1.0, qPrintable(QString::number(change)));
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterProperties, QCoreApplication, InitializeImageEngine)
#include "tst_filterproperties.moc"
