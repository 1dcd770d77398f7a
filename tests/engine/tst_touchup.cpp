#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "ImageFilters.h"

#include <Magick++.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Pixel = std::array<int, 4>; // 8-bit red, green, blue, alpha
using Rows = std::vector<std::vector<Pixel>>;

Pixel Grey(int value, int alpha = 255)
{
    return { value, value, value, alpha };
}

// Built from 8-bit samples, so every value lands on an exact quantum.
Magick::Image MakeImage(const Rows &rows)
{
    std::vector<unsigned char> bytes;
    for (const auto &row : rows)
        for (const Pixel &pixel : row)
            bytes.insert(bytes.end(), pixel.begin(), pixel.end());
    Magick::Image image;
    image.read(rows.front().size(), rows.size(), "RGBA", Magick::CharPixel, bytes.data());
    return image;
}

Magick::Image MakeFilled(int width, int height, const Pixel &pixel)
{
    return MakeImage(Rows(size_t(height), std::vector<Pixel>(size_t(width), pixel)));
}

std::vector<unsigned char> Samples(Magick::Image image)
{
    std::vector<unsigned char> bytes(image.columns() * image.rows() * 4);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, bytes.data());
    return bytes;
}

Pixel PixelAt(Magick::Image image, int x, int y)
{
    unsigned char bytes[4];
    image.write(x, y, 1, 1, "RGBA", Magick::CharPixel, bytes);
    return { bytes[0], bytes[1], bytes[2], bytes[3] };
}

bool ApplyFilter(Magick::Image &image, int id, const QList<double> &numbers = {})
{
    CImageFilters filters;
    filters.target = &image;
    filters.sourcePath = QStringLiteral("/photos/holiday.png");
    filters.record.id = id;
    filters.record.active = true;
    filters.record.numberCount = quint8(numbers.size());
    for (qsizetype i = 0; i < numbers.size(); ++i)
        filters.record.numbers[size_t(i)] = numbers[i];
    return filters.Apply();
}

// A sample after ImageMagick's gamma correction.
double Gamma(double sample, double gamma)
{
    return 255.0 * std::pow(sample / 255.0, 1.0 / gamma);
}

// Empty when every colour sample lies within `tolerance` of the expected one.
QString RgbMismatch(const Pixel &actual, const QList<double> &expected, double tolerance)
{
    for (int channel = 0; channel < 3; ++channel) {
        if (std::abs(actual[channel] - expected[channel]) > tolerance)
            return QStringLiteral("got %1, %2, %3; expected about %4, %5, %6")
                .arg(actual[0])
                .arg(actual[1])
                .arg(actual[2])
                .arg(expected[0])
                .arg(expected[1])
                .arg(expected[2]);
    }
    return QString();
}

#define VERIFY_RGB(actual, expected, tolerance)                                                    \
    do {                                                                                           \
        const QString mismatch = RgbMismatch(actual, expected, tolerance);                         \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                        \
    } while (false)

QList<double> GreyLevels(double value)
{
    return { value, value, value };
}

// A soft vertical edge from 100 to 150 in the middle of a 16 x 16 photo.
Magick::Image MakeEdge()
{
    std::vector<Pixel> row;
    for (int x = 0; x < 16; ++x)
        row.push_back(Grey(x < 8 ? 100 : 150));
    return MakeImage(Rows(16, row));
}

} // namespace

class CTestTouchUp : public QObject
{
    Q_OBJECT

private slots:
    void automaticToneFilters_data();
    void automaticToneFilters();
    void equalizeKeepsTransparency_data();
    void equalizeKeepsTransparency();
    void autoGamma_data();
    void autoGamma();
    void adjustments_data();
    void adjustments();
    void reduceNoise_data();
    void reduceNoise();
    void enhanceFailsOnATinyPhoto();
    void sharpening_data();
    void sharpening();
    void pageExtremesKeepSizeAndTransparency_data();
    void pageExtremesKeepSizeAndTransparency();
    void valuesOutsideThePageFail_data();
    void valuesOutsideThePageFail();
};

void CTestTouchUp::automaticToneFilters_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<int>>("input");
    QTest::addColumn<QList<int>>("expected");

    // Four tones in equal shares: stretched linearly, or moved by Equalize to their
    // cumulative share of the photo.
    const QList<int> tones { 64, 96, 160, 192 };
    QTest::newRow("Auto Contrast")
        << int(FilterId::AutoContrast) << tones << QList<int> { 0, 64, 191, 255 };
    QTest::newRow("Auto Levels") << int(FilterId::AutoLevels) << tones
                                 << QList<int> { 0, 64, 191, 255 };
    QTest::newRow("Equalize") << int(FilterId::Equalize) << QList<int> { 32, 64, 96, 128 }
                              << QList<int> { 64, 128, 191, 255 };
}

void CTestTouchUp::automaticToneFilters()
{
    QFETCH(int, id);
    QFETCH(QList<int>, input);
    QFETCH(QList<int>, expected);

    std::vector<Pixel> row;
    for (int tone : input)
        row.push_back(Grey(tone));
    Magick::Image image = MakeImage({ row });
    QVERIFY(ApplyFilter(image, id));
    for (int x = 0; x < int(input.size()); ++x)
        VERIFY_RGB(PixelAt(image, x, 0), GreyLevels(expected[x]), 1.0);
}

void CTestTouchUp::equalizeKeepsTransparency_data()
{
    QTest::addColumn<bool>("palette");

    QTest::newRow("true colour") << false;
    QTest::newRow("palette") << true;
}

void CTestTouchUp::equalizeKeepsTransparency()
{
    QFETCH(bool, palette);

    // A shadow fading out over dark tones: its transparency must come through untouched.
    Magick::Image image = MakeImage(
        { { Grey(32, 0), Grey(64, 64), Grey(96, 128), Grey(128, 200), Grey(160, 255) } });
    if (palette) {
        image.quantizeColors(8);
        image.quantize();
        QCOMPARE(image.classType(), Magick::PseudoClass);
    }
    QVERIFY(ApplyFilter(image, FilterId::Equalize));
    const QList<int> alphas { 0, 64, 128, 200, 255 };
    for (int x = 0; x < 5; ++x)
        QCOMPARE(PixelAt(image, x, 0)[3], alphas[x]);
    QCOMPARE(PixelAt(image, 4, 0)[0], 255);
}

void CTestTouchUp::autoGamma_data()
{
    QTest::addColumn<QList<int>>("tones");
    QTest::addColumn<bool>("greyscale");
    QTest::addColumn<int>("probe");
    QTest::addColumn<double>("expected");

    // gamma = 2 x (1 - mean / 255), held between 0.1 and 1.9.
    QTest::newRow("mid grey stays") << QList<int> { 128 } << false << 128 << Gamma(128, 0.996);
    QTest::newRow("dark photo is lightened")
        << QList<int> { 51, 51 } << false << 51 << Gamma(51, 1.6);
    QTest::newRow("bright photo is darkened")
        << QList<int> { 204, 204 } << false << 204 << Gamma(204, 0.4);
    QTest::newRow("greyscale photo is measured like grey")
        << QList<int> { 51, 51 } << true << 51 << Gamma(51, 1.6);

    // One pixel among 99 black or white ones: the gamma would be about 1.99 or almost 0.
    QList<int> nearlyBlack(99, 0);
    nearlyBlack.append(128);
    QTest::newRow("black photo holds at 1.9") << nearlyBlack << false << 128 << Gamma(128, 1.9);
    QList<int> nearlyWhite(99, 255);
    nearlyWhite.append(250);
    QTest::newRow("white photo holds at 0.1") << nearlyWhite << false << 250 << Gamma(250, 0.1);
}

void CTestTouchUp::autoGamma()
{
    QFETCH(QList<int>, tones);
    QFETCH(bool, greyscale);
    QFETCH(int, probe);
    QFETCH(double, expected);

    std::vector<Pixel> row;
    for (int tone : tones)
        row.push_back(Grey(tone));
    Magick::Image image = MakeImage({ row });
    if (greyscale) {
        image.type(Magick::GrayscaleType);
        QCOMPARE(image.colorSpace(), Magick::GRAYColorspace);
    }
    QVERIFY(ApplyFilter(image, FilterId::AutoGamma));
    VERIFY_RGB(PixelAt(image, int(tones.indexOf(probe)), 0), GreyLevels(expected), 1.0);
}

void CTestTouchUp::adjustments_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QList<int>>("input");
    QTest::addColumn<QList<double>>("expected");

    const QList<int> grey64 { 64, 64, 64 };
    const QList<int> grey128 { 128, 128, 128 };
    const QList<int> red { 200, 40, 40 };

    // Brightness: brightness (p0 + 100) x 200/201 percent, then gamma (p1 + 100) x 2/201.
    QTest::newRow("Brightness zero is nearly neutral")
        << int(FilterId::Brightness) << QList<double> { 0, 0 } << grey128
        << GreyLevels(Gamma(128 * 0.995, 0.995));
    QTest::newRow("Brightness full lightness doubles")
        << int(FilterId::Brightness) << QList<double> { 100, 0 } << grey64
        << GreyLevels(Gamma(64 * 1.99, 0.995));
    QTest::newRow("Brightness full gamma lightens")
        << int(FilterId::Brightness) << QList<double> { 0, 100 } << grey128
        << GreyLevels(Gamma(128 * 0.995, 1.99));
    QTest::newRow("Brightness lowest goes black")
        << int(FilterId::Brightness) << QList<double> { -100, -100 } << QList<int> { 255, 255, 255 }
        << GreyLevels(0);

    // Contrast: a sigmoidal curve of strength (p0 - 0.5) x 15/101 around the midpoint
    // (p1 + 82.58) x 155/101 on the 0-255 scale.
    QTest::newRow("Contrast zero leaves the photo")
        << int(FilterId::Contrast) << QList<double> { 0, 0 } << grey64 << GreyLevels(64);
    QTest::newRow("Contrast more")
        << int(FilterId::Contrast) << QList<double> { 50, 0 } << grey64 << GreyLevels(29.9);
    QTest::newRow("Contrast less")
        << int(FilterId::Contrast) << QList<double> { -50, 0 } << grey64 << GreyLevels(91.7);
    QTest::newRow("Contrast more, lighter")
        << int(FilterId::Contrast) << QList<double> { 50, 50 } << grey128 << GreyLevels(224.7);
    QTest::newRow("Contrast less, darker")
        << int(FilterId::Contrast) << QList<double> { -50, -50 } << grey128 << GreyLevels(62.9);

    // Color Balance: one gamma per channel, (p + 10) x 10/101.
    QTest::newRow("Color Balance zeros are nearly neutral")
        << int(FilterId::ColorBalance) << QList<double> { 0, 0, 0 } << grey128
        << GreyLevels(Gamma(128, 0.990));
    QTest::newRow("Color Balance warmer")
        << int(FilterId::ColorBalance) << QList<double> { 90, 0, -10 } << grey128
        << QList<double> { Gamma(128, 9.9), Gamma(128, 0.99), 0 };

    // Hue/Saturation: brightness, saturation and hue in percent, (p + 100) x 200/201.
    QTest::newRow("Hue/Saturation zeros are nearly neutral")
        << int(FilterId::HueSaturation) << QList<double> { 0, 0, 0 } << red
        << QList<double> { 199, 40, 42.5 };
    QTest::newRow("Hue/Saturation no saturation is grey")
        << int(FilterId::HueSaturation) << QList<double> { 0, -100, 0 } << red << GreyLevels(119.4);
    QTest::newRow("Hue/Saturation half a turn is cyan")
        << int(FilterId::HueSaturation) << QList<double> { 100, 0, 0 } << red
        << QList<double> { 40, 199, 194 };
    QTest::newRow("Hue/Saturation no lightness is black")
        << int(FilterId::HueSaturation) << QList<double> { 0, 0, -100 } << red << GreyLevels(0);

    // Levels: points move in steps of 255/404 from each end (99 puts them at 62.48 and
    // 192.52); the middle default 40 is a gamma of 0.990.
    const double low = 99.0 * 255.0 / 404.0;
    const double gamma = 40.0 * 10.0 / 404.0;
    const double leveled = 255.0 * std::pow((100.0 - low) / (255.0 - 2 * low), 1.0 / gamma);
    const QList<int> grey100 { 100, 100, 100 };
    QTest::newRow("Levels defaults keep black and white")
        << int(FilterId::Levels) << QList<double> { 0, 40, 0, 0 } << QList<int> { 0, 128, 255 }
        << QList<double> { 0, Gamma(128, gamma), 255 };
    QTest::newRow("Levels points on all channels")
        << int(FilterId::Levels) << QList<double> { 99, 40, 99, 0 } << QList<int> { 60, 100, 200 }
        << QList<double> { 0, leveled, 255 };
    QTest::newRow("Levels red only") << int(FilterId::Levels) << QList<double> { 99, 40, 99, 1 }
                                     << grey100 << QList<double> { leveled, 100, 100 };
    QTest::newRow("Levels blue only") << int(FilterId::Levels) << QList<double> { 99, 40, 99, 3 }
                                      << grey100 << QList<double> { 100, 100, leveled };
    QTest::newRow("Levels fractional channel is cut")
        << int(FilterId::Levels) << QList<double> { 99, 40, 99, 2.9 } << grey100
        << QList<double> { 100, leveled, 100 };
    QTest::newRow("Levels middle at 0 keeps only white")
        << int(FilterId::Levels) << QList<double> { 0, 0, 0, 0 } << QList<int> { 128, 254, 255 }
        << QList<double> { 0, 0, 255 };
}

void CTestTouchUp::adjustments()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);
    QFETCH(QList<int>, input);
    QFETCH(QList<double>, expected);

    Magick::Image image = MakeFilled(3, 2, { input[0], input[1], input[2], 255 });
    QVERIFY(ApplyFilter(image, id, numbers));
    VERIFY_RGB(PixelAt(image, 1, 1), expected, 1.5);
}

void CTestTouchUp::reduceNoise_data()
{
    QTest::addColumn<double>("algorithm");
    QTest::addColumn<bool>("speckLowered");

    // Both smooth fine grain. Enhancement averages only near-alike neighbours, so a lone
    // speck counts as detail; despeckling wears it down.
    QTest::newRow("Enhance") << 0.0 << false;
    QTest::newRow("Despeckle") << 1.0 << true;
}

void CTestTouchUp::reduceNoise()
{
    QFETCH(double, algorithm);
    QFETCH(bool, speckLowered);

    Rows speckRows(9, std::vector<Pixel>(9, Grey(100)));
    speckRows[4][4] = Grey(255);
    Magick::Image speck = MakeImage(speckRows);
    QVERIFY(ApplyFilter(speck, FilterId::ReduceNoise, { algorithm }));
    const int centre = PixelAt(speck, 4, 4)[0];
    QVERIFY2(speckLowered ? centre < 250 : centre == 255, qPrintable(QString::number(centre)));
    VERIFY_RGB(PixelAt(speck, 2, 4), GreyLevels(100), 1.0);

    Rows grainRows(9, std::vector<Pixel>(9));
    for (size_t y = 0; y < 9; ++y)
        for (size_t x = 0; x < 9; ++x)
            grainRows[y][x] = Grey((x + y) % 2 ? 120 : 136);
    Magick::Image grain = MakeImage(grainRows);
    QVERIFY(ApplyFilter(grain, FilterId::ReduceNoise, { algorithm }));
    VERIFY_RGB(PixelAt(grain, 4, 4), GreyLevels(128), 4.0);
    VERIFY_RGB(PixelAt(grain, 5, 4), GreyLevels(128), 4.0);
}

void CTestTouchUp::enhanceFailsOnATinyPhoto()
{
    // ImageMagick cannot enhance anything under 5 pixels a side; the photo must survive.
    Magick::Image image = MakeFilled(4, 9, { 200, 40, 40, 255 });
    const std::vector<unsigned char> before = Samples(image);
    QVERIFY(!ApplyFilter(image, FilterId::ReduceNoise, { 0 }));
    QCOMPARE(image.columns(), size_t(4));
    QVERIFY(Samples(image) == before);

    QVERIFY(ApplyFilter(image, FilterId::ReduceNoise, { 1 }));
}

void CTestTouchUp::sharpening_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<bool>("sharpened");

    QTest::newRow("Sharpen strongest") << int(FilterId::Sharpen) << QList<double> { 99 } << true;
    QTest::newRow("Sharpen Advanced strong")
        << int(FilterId::SharpenAdvanced) << QList<double> { 99, 99, 0 } << true;
    QTest::newRow("Sharpen Advanced no amount")
        << int(FilterId::SharpenAdvanced) << QList<double> { 0, 99, 0 } << false;
    // The threshold is 10 x 3/110 of the full range, above this soft edge's contrast.
    QTest::newRow("Sharpen Advanced edge under the threshold")
        << int(FilterId::SharpenAdvanced) << QList<double> { 99, 99, 10 } << false;
}

void CTestTouchUp::sharpening()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);
    QFETCH(bool, sharpened);

    Magick::Image image = MakeEdge();
    QVERIFY(ApplyFilter(image, id, numbers));
    const int dark = PixelAt(image, 7, 8)[0];
    const int light = PixelAt(image, 8, 8)[0];
    const QString found = QStringLiteral("%1 %2").arg(dark).arg(light);
    if (sharpened)
        QVERIFY2(dark < 90 && light > 160, qPrintable(found));
    else
        QVERIFY2(std::abs(dark - 100) <= 1 && std::abs(light - 150) <= 1, qPrintable(found));
    // Flat ground away from the edge stays.
    VERIFY_RGB(PixelAt(image, 0, 8), GreyLevels(100), 1.0);
}

void CTestTouchUp::pageExtremesKeepSizeAndTransparency_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<bool>("alphaKept");

    QTest::newRow("Auto Contrast") << int(FilterId::AutoContrast) << QList<double> {} << true;
    QTest::newRow("Auto Gamma") << int(FilterId::AutoGamma) << QList<double> {} << true;
    QTest::newRow("Auto Levels") << int(FilterId::AutoLevels) << QList<double> {} << true;
    QTest::newRow("Brightness low")
        << int(FilterId::Brightness) << QList<double> { -100, -100 } << true;
    QTest::newRow("Brightness high")
        << int(FilterId::Brightness) << QList<double> { 100, 100 } << true;
    QTest::newRow("Contrast low") << int(FilterId::Contrast) << QList<double> { -50, -50 } << true;
    QTest::newRow("Contrast high") << int(FilterId::Contrast) << QList<double> { 50, 50 } << true;
    QTest::newRow("Color Balance low")
        << int(FilterId::ColorBalance) << QList<double> { -10, -10, -10 } << true;
    QTest::newRow("Color Balance high")
        << int(FilterId::ColorBalance) << QList<double> { 90, 90, 90 } << true;
    QTest::newRow("Equalize") << int(FilterId::Equalize) << QList<double> {} << true;
    QTest::newRow("Hue/Saturation low")
        << int(FilterId::HueSaturation) << QList<double> { -100, -100, -100 } << true;
    QTest::newRow("Hue/Saturation high")
        << int(FilterId::HueSaturation) << QList<double> { 100, 100, 100 } << true;
    QTest::newRow("Levels low") << int(FilterId::Levels) << QList<double> { 0, 0, 0, 0 } << true;
    QTest::newRow("Levels high") << int(FilterId::Levels) << QList<double> { 99, 99, 99, 3 }
                                 << true;
    QTest::newRow("Reduce Noise enhance")
        << int(FilterId::ReduceNoise) << QList<double> { 0 } << true;
    // Despeckling works on transparency as on a colour, edges included.
    QTest::newRow("Reduce Noise despeckle")
        << int(FilterId::ReduceNoise) << QList<double> { 1 } << false;
    QTest::newRow("Sharpen low") << int(FilterId::Sharpen) << QList<double> { 0 } << true;
    QTest::newRow("Sharpen high") << int(FilterId::Sharpen) << QList<double> { 99 } << true;
    QTest::newRow("Sharpen Advanced low")
        << int(FilterId::SharpenAdvanced) << QList<double> { 0, 0, 0 } << true;
    QTest::newRow("Sharpen Advanced high")
        << int(FilterId::SharpenAdvanced) << QList<double> { 99, 99, 10 } << true;
}

void CTestTouchUp::pageExtremesKeepSizeAndTransparency()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);
    QFETCH(bool, alphaKept);

    // A half-transparent photo with some tonal range to work on.
    Rows rows(8, std::vector<Pixel>(12));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            rows[size_t(y)][size_t(x)] = { 40 + x * 15, 60 + y * 10, 120, 128 };
    Magick::Image image = MakeImage(rows);
    QVERIFY(ApplyFilter(image, id, numbers));
    QCOMPARE(image.columns(), size_t(12));
    QCOMPARE(image.rows(), size_t(8));
    if (!alphaKept)
        return;
    const std::vector<unsigned char> samples = Samples(image);
    for (size_t i = 3; i < samples.size(); i += 4)
        QVERIFY2(samples[i] == 128, qPrintable(QStringLiteral("alpha %1").arg(samples[i])));
}

void CTestTouchUp::valuesOutsideThePageFail_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("numbers");

    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("Brightness gamma") << int(FilterId::Brightness) << QList<double> { 0, -101 };
    QTest::newRow("Brightness not a number")
        << int(FilterId::Brightness) << QList<double> { notANumber, 0 };
    QTest::newRow("Contrast") << int(FilterId::Contrast) << QList<double> { 51, 0 };
    QTest::newRow("Color Balance red")
        << int(FilterId::ColorBalance) << QList<double> { -11, 0, 0 };
    QTest::newRow("Hue/Saturation lightness")
        << int(FilterId::HueSaturation) << QList<double> { 0, 0, 200 };
    QTest::newRow("Levels black") << int(FilterId::Levels) << QList<double> { 100, 40, 0, 0 };
    QTest::newRow("Levels middle") << int(FilterId::Levels) << QList<double> { 0, -1, 0, 0 };
    QTest::newRow("Reduce Noise algorithm 2") << int(FilterId::ReduceNoise) << QList<double> { 2 };
    QTest::newRow("Sharpen") << int(FilterId::Sharpen) << QList<double> { 150 };
    QTest::newRow("Sharpen infinite")
        << int(FilterId::Sharpen) << QList<double> { std::numeric_limits<double>::infinity() };
    QTest::newRow("Sharpen Advanced radius")
        << int(FilterId::SharpenAdvanced) << QList<double> { 0, -0.5, 0 };
    QTest::newRow("Sharpen Advanced threshold")
        << int(FilterId::SharpenAdvanced) << QList<double> { 0, 0, 11 };
}

void CTestTouchUp::valuesOutsideThePageFail()
{
    QFETCH(int, id);
    QFETCH(QList<double>, numbers);

    Magick::Image image = MakeImage({ { Grey(30), { 200, 40, 40, 255 }, Grey(220) } });
    const std::vector<unsigned char> before = Samples(image);
    QVERIFY(!ApplyFilter(image, id, numbers));
    QVERIFY(Samples(image) == before);
}

QUENDRASIL_TEST_MAIN_WITH(CTestTouchUp, QCoreApplication, InitializeImageEngine)
#include "tst_touchup.moc"
