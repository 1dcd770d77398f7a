#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageFilters.h"

#include <Magick++.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "FilterTestSupport.h"

using namespace FilterTest;

namespace {

using MagickCore::Quantum;



Magick::Image Solid(size_t width, size_t height, int red, int green, int blue)
{
    return Magick::Image(Magick::Geometry(width, height),
        Magick::ColorRGB(red / 255.0, green / 255.0, blue / 255.0));
}

// A warm photo with a cool block and a white bar: edges, colours and flat parts.
Magick::Image Photo()
{
    Magick::Image image = Solid(40, 30, 200, 60, 30);
    image.draw(Magick::DrawableList { Magick::DrawableFillColor(Magick::ColorRGB(0.1, 0.3, 0.9)),
        Magick::DrawableRectangle(10, 8, 29, 21),
        Magick::DrawableFillColor(Magick::ColorRGB(1.0, 1.0, 1.0)),
        Magick::DrawableRectangle(0, 26, 39, 28) });
    return image;
}



// The 8-bit RGBA sample values at a point.
QList<int> Pixel(Magick::Image image, int x, int y)
{
    unsigned char rgba[4];
    image.write(x, y, 1, 1, "RGBA", Magick::CharPixel, rgba);
    return { rgba[0], rgba[1], rgba[2], rgba[3] };
}

QList<int> Rgb(int red, int green, int blue)
{
    return { red, green, blue, 255 };
}

} // namespace

class TestEffects : public QObject
{
    Q_OBJECT

private slots:
    void blackWhiteAveragesRoundingHalfUp_data();
    void blackWhiteAveragesRoundingHalfUp();
    void blackWhiteKeepsAlphaAndPhotoDetails();
    void blackWhiteTurnsCmykAndPalettePhotosGrey();
    void negateInvertsEveryColour();
    void shadeGreyOnlyWhenAsked();
    void solarizeThresholdOnSampleScale_data();
    void solarizeThresholdOnSampleScale();
    void sepiaTonesWithoutBurningMidtones();
    void noiseKindsFollowThePageOrder();
    void spreadKeepsFractionalRadius();
    void valuesOutsideThePageFailUntouched_data();
    void valuesOutsideThePageFailUntouched();
};

void TestEffects::blackWhiteAveragesRoundingHalfUp_data()
{
    QTest::addColumn<QList<int>>("colour");
    QTest::addColumn<int>("grey");
    QTest::newRow("61 / 3 rounds down") << QList<int> { 10, 20, 31 } << 20;
    QTest::newRow("62 / 3 rounds up") << QList<int> { 10, 20, 32 } << 21;
    QTest::newRow("black") << QList<int> { 0, 0, 0 } << 0;
    QTest::newRow("white") << QList<int> { 255, 255, 255 } << 255;
    QTest::newRow("pure red") << QList<int> { 255, 0, 0 } << 85;
    QTest::newRow("near white") << QList<int> { 254, 255, 255 } << 255;
}

void TestEffects::blackWhiteAveragesRoundingHalfUp()
{
    QFETCH(QList<int>, colour);
    QFETCH(int, grey);
    Magick::Image photo = Solid(5, 4, colour[0], colour[1], colour[2]);
    QVERIFY(ApplyTo(photo, Record(FilterId::BlackWhite, {})));
    QCOMPARE(Pixel(photo, 0, 0), Rgb(grey, grey, grey));
    QCOMPARE(Pixel(photo, 4, 3), Rgb(grey, grey, grey));
}

void TestEffects::blackWhiteKeepsAlphaAndPhotoDetails()
{
    Magick::Image photo = Solid(6, 6, 10, 20, 31);
    photo.density(Magick::Geometry(300, 300));
    photo.attribute("comment", "harbour at dawn");
    photo.matte(true);
    // An opacity that is no whole 8-bit step: an 8-bit round trip of alpha would move it.
    {
        Magick::Pixels view(photo);
        MagickCore::PixelPacket *pixels = view.get(0, 0, 6, 6);
        for (int i = 0; i < 36; ++i)
            pixels[i].opacity = Quantum(1000 + i);
        view.sync();
    }

    QVERIFY(ApplyTo(photo, Record(FilterId::BlackWhite, {})));

    QCOMPARE(Pixel(photo, 2, 3).mid(0, 3), QList<int>({ 20, 20, 20 }));
    Magick::Pixels after(photo);
    const MagickCore::PixelPacket *kept = after.getConst(0, 0, 6, 6);
    for (int i = 0; i < 36; ++i)
        QCOMPARE(int(kept[i].opacity), 1000 + i);
    QCOMPARE(photo.density().width(), size_t(300));
    QCOMPARE(QString::fromStdString(photo.attribute("comment")), QStringLiteral("harbour at dawn"));

    Magick::Image opaque = Solid(3, 3, 90, 30, 60);
    QVERIFY(ApplyTo(opaque, Record(FilterId::BlackWhite, {})));
    QVERIFY(!opaque.matte());
    QCOMPARE(Pixel(opaque, 1, 1), Rgb(60, 60, 60));
}

void TestEffects::blackWhiteTurnsCmykAndPalettePhotosGrey()
{
    Magick::Image cmyk = Solid(4, 4, 255, 255, 255);
    cmyk.colorSpace(Magick::CMYKColorspace);
    QVERIFY(ApplyTo(cmyk, Record(FilterId::BlackWhite, {})));
    QCOMPARE(Pixel(cmyk, 1, 1), Rgb(255, 255, 255));

    Magick::Image gif = Photo();
    gif.magick("GIF");
    Magick::Blob blob;
    gif.write(&blob);
    Magick::Image palette(blob);
    QCOMPARE(palette.classType(), Magick::PseudoClass);
    const QList<int> before = Pixel(palette, 15, 15);
    const int grey = (before[0] + before[1] + before[2] + 1) / 3;
    QVERIFY(ApplyTo(palette, Record(FilterId::BlackWhite, {})));
    QCOMPARE(Pixel(palette, 15, 15), Rgb(grey, grey, grey));
    QCOMPARE(Pixel(palette, 2, 2)[0], Pixel(palette, 2, 2)[2]);
}

void TestEffects::negateInvertsEveryColour()
{
    Magick::Image photo = Solid(4, 4, 10, 20, 30);
    photo.pixelColor(1, 1, Magick::ColorRGB(100 / 255.0, 100 / 255.0, 100 / 255.0));
    QVERIFY(ApplyTo(photo, Record(FilterId::Negate, {})));
    QCOMPARE(Pixel(photo, 0, 0), Rgb(245, 235, 225));
    QCOMPARE(Pixel(photo, 1, 1), Rgb(155, 155, 155));
}

void TestEffects::shadeGreyOnlyWhenAsked()
{
    Magick::Image grey = Photo();
    QVERIFY(ApplyTo(grey, Record(FilterId::Shade, { 36, 36, 1 })));
    const QList<int> relief = Pixel(grey, 20, 15);
    QCOMPARE(relief[0], relief[1]);
    QCOMPARE(relief[1], relief[2]);

    Magick::Image coloured = Photo();
    QVERIFY(ApplyTo(coloured, Record(FilterId::Shade, { 36, 36, 0 })));
    const QList<int> shaded = Pixel(coloured, 20, 15);
    QVERIFY(shaded[0] != shaded[2]);
}

void TestEffects::solarizeThresholdOnSampleScale_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("sample");
    QTest::addColumn<int>("result");
    QTest::newRow("0 leaves white") << 0.0 << 255 << 255;
    QTest::newRow("0 leaves mid grey") << 0.0 << 200 << 200;
    QTest::newRow("50 keeps below 130") << 50.0 << 120 << 120;
    QTest::newRow("50 inverts above 130") << 50.0 << 140 << 115;
    QTest::newRow("99 inverts 3") << 99.0 << 3 << 252;
    QTest::newRow("99 keeps 2") << 99.0 << 2 << 2;
}

void TestEffects::solarizeThresholdOnSampleScale()
{
    QFETCH(double, amount);
    QFETCH(int, sample);
    QFETCH(int, result);
    Magick::Image photo = Solid(3, 3, sample, sample, sample);
    QVERIFY(ApplyTo(photo, Record(FilterId::Solarize, { amount })));
    QCOMPARE(Pixel(photo, 1, 1), Rgb(result, result, result));
}

void TestEffects::sepiaTonesWithoutBurningMidtones()
{
    // With the threshold taken as raw quanta instead of samples every pixel above a few
    // quanta would turn white.
    Magick::Image photo = Solid(4, 4, 128, 128, 128);
    QVERIFY(ApplyTo(photo, Record(FilterId::Sepia, { 50, 50 })));
    const QList<int> toned = Pixel(photo, 2, 2);
    QVERIFY2(toned[0] < 230, qPrintable(QString::number(toned[0])));
    QVERIFY(toned[0] > toned[1]);
    QVERIFY(toned[1] > toned[2]);
    QCOMPARE(photo.columns(), size_t(4));
}

void TestEffects::noiseKindsFollowThePageOrder()
{
    // Impulse noise (index 2) only ever sets samples to black or white; Gaussian noise
    // (index 0) spreads them around the original value.
    const auto samplesAfter = [](double kind) {
        Magick::Image photo = Solid(64, 64, 128, 128, 128);
        if (!ApplyTo(photo, Record(FilterId::Noise, { kind })))
            return std::set<int>();
        std::vector<unsigned char> rgb(64 * 64 * 3);
        photo.write(0, 0, 64, 64, "RGB", Magick::CharPixel, rgb.data());
        return std::set<int>(rgb.begin(), rgb.end());
    };

    const std::set<int> impulse = samplesAfter(2);
    QVERIFY(impulse.size() > 1);
    for (int sample : impulse)
        QVERIFY2(
            sample == 0 || sample == 128 || sample == 255, qPrintable(QString::number(sample)));

    const std::set<int> gaussian = samplesAfter(0);
    QVERIFY(gaussian.size() > 3);
    QVERIFY(samplesAfter(4).size() > 3);
}

void TestEffects::spreadKeepsFractionalRadius()
{
    // Each pixel's red and green tell the column and row it came from. Amount 3 is a radius of
    // 1.2 pixels: sources up to three columns away, where a whole-pixel radius of 1 reaches
    // only two.
    Magick::Image photo = Solid(24, 24, 0, 0, 0);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            photo.pixelColor(x, y, Magick::ColorRGB(x * 10 / 255.0, y * 10 / 255.0, 0.0));
    QVERIFY(ApplyTo(photo, Record(FilterId::Spread, { 3 })));
    QCOMPARE(photo.columns(), size_t(24));
    QCOMPARE(photo.rows(), size_t(24));

    int farthest = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 3; x < 21; ++x)
            farthest = std::max(farthest, std::abs(Pixel(photo, x, y)[0] / 10 - x));
    QCOMPARE(farthest, 3);
}

void TestEffects::valuesOutsideThePageFailUntouched_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::addColumn<SFilterRecord>("record");
    QTest::newRow("blur 100") << Record(FilterId::Blur, { 100 });
    QTest::newRow("blur nan") << Record(FilterId::Blur, { nan });
    QTest::newRow("edge 0") << Record(FilterId::Edge, { 0 });
    QTest::newRow("edge 6") << Record(FilterId::Edge, { 6 });
    QTest::newRow("gaussian blur infinite") << Record(FilterId::GaussianBlur, { infinity, 0 });
    QTest::newRow("oil paint 11") << Record(FilterId::OilPaint, { 11 });
    QTest::newRow("sepia tone 200") << Record(FilterId::Sepia, { 200, 50 });
    QTest::newRow("solarize 100") << Record(FilterId::Solarize, { 100 });
    QTest::newRow("shade azimuth 150") << Record(FilterId::Shade, { 150, 36, 1 });
    QTest::newRow("shade flag nan") << Record(FilterId::Shade, { 36, 36, nan });
    QTest::newRow("swirl 361") << Record(FilterId::Swirl, { 361 });
    QTest::newRow("wave length -1") << Record(FilterId::Wave, { 15, -1 });
}

void TestEffects::valuesOutsideThePageFailUntouched()
{
    QFETCH(SFilterRecord, record);
    Magick::Image photo = Photo();
    QVERIFY(!ApplyTo(photo, record));
    QVERIFY(SamePixels(photo, Photo()));
}

QUENDRASIL_TEST_MAIN_WITH(TestEffects, QCoreApplication, InitializeImageEngine)
#include "tst_effects.moc"
