#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageFilters.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>

#include <Magick++.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

#include "FilterTestSupport.h"

using FilterTest::Record;

namespace {

using MagickCore::Quantum;

struct SRgba
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
};

double Argb(int red, int green, int blue)
{
    return double(0xFF000000u | quint32(red) << 16 | quint32(green) << 8 | quint32(blue));
}

const double White = Argb(255, 255, 255);
const double Red = Argb(255, 0, 0);

// Frame records draw over red; the photos are pure green, which no frame picture holds.
SFilterRecord FrameRecord(int id, int number, bool blurred = false, bool transparent = false)
{
    if (id == FilterId::ShapeFrame)
        return Record(id, { double(number), Red, blurred ? 1.0 : 0.0, transparent ? 1.0 : 0.0, 0 });
    return Record(id, { double(number), Red, transparent ? 1.0 : 0.0, 0 });
}

Magick::Image Solid(size_t width, size_t height, int red, int green, int blue)
{
    return Magick::Image(Magick::Geometry(width, height),
        Magick::ColorRGB(red / 255.0, green / 255.0, blue / 255.0));
}

Magick::Image Green(size_t width, size_t height)
{
    return Solid(width, height, 0, 255, 0);
}

// Red falls from left to right and green grows downwards, so crops show in the pixels.
Magick::Image Ramp(size_t width, size_t height)
{
    std::vector<unsigned char> rgb(width * height * 3, 90);
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            rgb[(y * width + x) * 3] = (unsigned char)(255 - x * 255 / (width - 1));
            rgb[(y * width + x) * 3 + 1] = (unsigned char)(y * 255 / (height - 1));
        }
    }
    Magick::Image image;
    image.read(width, height, "RGB", Magick::CharPixel, rgb.data());
    return image;
}

std::vector<unsigned char> Samples(const Magick::Image &image, ssize_t x, ssize_t y, size_t width,
    size_t height, const char *map = "RGBA")
{
    std::vector<unsigned char> samples(width * height * strlen(map));
    Magick::Image(image).write(x, y, width, height, map, Magick::CharPixel, samples.data());
    return samples;
}

SRgba PixelAt(const Magick::Image &image, ssize_t x, ssize_t y)
{
    const std::vector<unsigned char> rgba = Samples(image, x, y, 1, 1);
    return { rgba[0], rgba[1], rgba[2], rgba[3] };
}

bool Near(const SRgba &pixel, int red, int green, int blue, int tolerance = 2)
{
    return std::abs(pixel.red - red) <= tolerance && std::abs(pixel.green - green) <= tolerance
        && std::abs(pixel.blue - blue) <= tolerance;
}

bool SamePixels(const Magick::Image &left, const Magick::Image &right)
{
    return left.columns() == right.columns() && left.rows() == right.rows()
        && Samples(left, 0, 0, left.columns(), left.rows())
        == Samples(right, 0, 0, right.columns(), right.rows());
}

// The share of a rectangle's pixels that show the green photo, opaque.
double GreenShare(const Magick::Image &image, ssize_t x, ssize_t y, size_t width, size_t height)
{
    const std::vector<unsigned char> rgba = Samples(image, x, y, width, height);
    size_t green = 0;
    for (size_t at = 0; at < rgba.size(); at += 4)
        green += rgba[at + 3] == 255 && Near({ rgba[at], rgba[at + 1], rgba[at + 2] }, 0, 255, 0);
    return double(green) / double(width * height);
}

// The share of the outermost ring of pixels that shows the green photo.
double GreenRing(const Magick::Image &image)
{
    const size_t w = image.columns();
    const size_t h = image.rows();
    return (GreenShare(image, 0, 0, w, 1) * double(w)
               + GreenShare(image, 0, ssize_t(h - 1), w, 1) * double(w)
               + GreenShare(image, 0, 0, 1, h) * double(h)
               + GreenShare(image, ssize_t(w - 1), 0, 1, h) * double(h))
        / double(2 * (w + h));
}

bool ApplyWith(CImageFilters &filters, Magick::Image &image, const SFilterRecord &record)
{
    filters.target = &image;
    filters.record = record;
    filters.sourcePath = QStringLiteral("/photos/holiday/beach.jpg");
    return filters.Apply();
}

bool ApplyTo(Magick::Image &image, const SFilterRecord &record)
{
    CImageFilters filters;
    return ApplyWith(filters, image, record);
}

QString FramesFolder()
{
    return Platform::ProgramDataFolder() + QStringLiteral("/Frames/");
}

// The one side image the filters hold; false when they hold none or several.
bool OnlyKept(const CImageFilters &filters, SSideImageKey &key)
{
    const QList<SSideImageKey> keys = filters.sideImages->Keys();
    if (keys.size() != 1)
        return false;
    key = keys.first();
    return true;
}

SSideImageKey FrameKey(const QString &file)
{
    return { ESideImageReader::Frame, FramesFolder() + file };
}

// The share of each frame picture's width and height that the photo fills.
const double PictureWindows[][2] { { 0.72, 0.62 }, { 0.76, 0.63 }, { 0.94, 0.91 }, { 0.86, 0.82 } };
const double VintageWindows[][2] { { 0.88, 0.80 }, { 0.72, 0.66 }, { 0.73, 0.71 }, { 0.86, 0.62 },
    { 0.92, 0.89 }, { 0.67, 0.62 }, { 0.76, 0.59 }, { 0.86, 0.71 }, { 0.85, 0.63 } };

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void masksChangeTheBorderAndKeepTheCentre_data();
    void masksChangeTheBorderAndKeepTheCentre();
    void transparentMaskKeepsThePhotosOwnAlpha();
    void picturesFitThePhotoIntoTheirWindow_data();
    void picturesFitThePhotoIntoTheirWindow();
    void pictureFrameTrimsTheSideTheFrameIsShortOf();
    void pageOffsetOfAnEarlierCropIsIgnored_data();
    void pageOffsetOfAnEarlierCropIsIgnored();
    void portraitTurnsGrungeButNotShapeMasks();
    void everyFrameChoiceKeepsItsOwnPicture();
    void randomFrameStaysInRangeAndVaries_data();
    void randomFrameStaysInRangeAndVaries();
    void missingOrBrokenFrameFailsTheStep_data();
    void missingOrBrokenFrameFailsTheStep();
    void polaroidCardSizes_data();
    void polaroidCardSizes();
    void polaroidTurnsTheCardAndKeepsItsPage();
    void shadowGrowsBySigmaOverTransparency();
    void simpleBorderSizes_data();
    void simpleBorderSizes();
    void greyPhotoTakesColouredFrames_data();
    void greyPhotoTakesColouredFrames();
    void valuesThePagesNeverOfferFail_data();
    void valuesThePagesNeverOfferFail();
};

void TestFrames::masksChangeTheBorderAndKeepTheCentre_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("blurred");
    for (int number = 0; number < 6; ++number) {
        QTest::addRow("shape %d", number + 1) << int(FilterId::ShapeFrame) << number << false;
        QTest::addRow("shape %db", number + 1) << int(FilterId::ShapeFrame) << number << true;
        QTest::addRow("grunge %d", number + 1) << int(FilterId::GrungeFrame) << number << false;
    }
}

void TestFrames::masksChangeTheBorderAndKeepTheCentre()
{
    QFETCH(int, id);
    QFETCH(int, number);
    QFETCH(bool, blurred);

    Magick::Image photo = Green(400, 300);
    QVERIFY(ApplyTo(photo, FrameRecord(id, number, blurred)));
    QCOMPARE(photo.columns(), size_t(400));
    QCOMPARE(photo.rows(), size_t(300));
    QVERIFY(!photo.matte());

    // The middle fifth shows the photo; cracked glass crosses it near its point of impact.
    const std::vector<unsigned char> green = Samples(photo, 160, 120, 80, 60, "G");
    const double centre = std::accumulate(green.begin(), green.end(), 0.0) / 255.0 / 4800.0;
    QVERIFY2(centre > (id == FilterId::ShapeFrame && number == 4 ? 0.6 : 0.9),
        qPrintable(QString::number(centre)));
    QVERIFY(GreenRing(photo) < 0.1);
    QVERIFY(Near(PixelAt(photo, 0, 0), 255, 0, 0, 8));
}

void TestFrames::transparentMaskKeepsThePhotosOwnAlpha()
{
    Magick::Image photo = Green(400, 300);
    photo.matte(true);
    photo.opacity(QuantumRange / 2);
    QVERIFY(ApplyTo(photo, FrameRecord(FilterId::ShapeFrame, 0, false, true)));
    QCOMPARE(PixelAt(photo, 0, 0).alpha, 0);
    QVERIFY(std::abs(PixelAt(photo, 200, 150).alpha - 128) <= 1);
}

void TestFrames::picturesFitThePhotoIntoTheirWindow_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("fx");
    QTest::addColumn<double>("fy");
    for (int number = 0; number < 4; ++number) {
        QTest::addRow("picture %d", number + 1)
            << int(FilterId::PictureFrame) << number << PictureWindows[number][0]
            << PictureWindows[number][1];
    }
    for (int number = 0; number < 9; ++number) {
        QTest::addRow("vintage %d", number + 1)
            << int(FilterId::VintageFrame) << number << VintageWindows[number][0]
            << VintageWindows[number][1];
    }
}

void TestFrames::picturesFitThePhotoIntoTheirWindow()
{
    QFETCH(int, id);
    QFETCH(int, number);
    QFETCH(double, fx);
    QFETCH(double, fy);

    // The frame fills the box the window asks for, on one side exactly, and keeps its shape.
    Magick::Image photo = Green(600, 400);
    QVERIFY(ApplyTo(photo, FrameRecord(id, number)));
    const auto wantedWidth = size_t(600 / fx);
    const auto wantedHeight = size_t(400 / fy);
    QVERIFY(photo.columns() <= wantedWidth && photo.rows() <= wantedHeight);
    QVERIFY(photo.columns() == wantedWidth || photo.rows() == wantedHeight);
    QVERIFY(!photo.matte());
    QCOMPARE(GreenRing(photo), 0.0);

    // Across the middle the photo shows over the window's share, less the frame's overlap.
    const double across = GreenShare(photo, 0, ssize_t(photo.rows() / 2), photo.columns(), 1);
    const double down = GreenShare(photo, ssize_t(photo.columns() / 2), 0, 1, photo.rows());
    QVERIFY2(across > fx - 0.03 && across <= fx, qPrintable(QString::number(across)));
    QVERIFY2(down > fy - 0.03 && down <= fy, qPrintable(QString::number(down)));

    // A portrait photo turns the frame; on a transparent background the outside is clear.
    Magick::Image portrait = Green(400, 600);
    QVERIFY(ApplyTo(portrait, FrameRecord(id, number, false, true)));
    QVERIFY(portrait.columns() <= size_t(400 / fy) && portrait.rows() <= size_t(600 / fx));
    const double portraitAcross
        = GreenShare(portrait, 0, ssize_t(portrait.rows() / 2), portrait.columns(), 1);
    QVERIFY2(portraitAcross > fy - 0.03, qPrintable(QString::number(portraitAcross)));
    QVERIFY(portrait.matte());
    if (id == FilterId::VintageFrame && number == 7) // torn paper: the corners lie outside it
        QCOMPARE(PixelAt(portrait, 0, 0).alpha, 0);
}

void TestFrames::pictureFrameTrimsTheSideTheFrameIsShortOf()
{
    // Picture Frame 1 on a 1000 x 800 photo aims at 1388 x 1290 and keeps its own shape.
    Magick::Image art;
    art.ping((FramesFolder() + QStringLiteral("PictureFrame1.gif")).toStdString());
    const double scale = std::min(1388.0 / double(art.columns()), 1290.0 / double(art.rows()));
    Magick::Image photo = Ramp(1000, 800);
    QVERIFY(ApplyTo(photo, FrameRecord(FilterId::PictureFrame, 0)));
    QCOMPARE(photo.columns(), size_t(std::lround(double(art.columns()) * scale)));
    QCOMPARE(photo.rows(), size_t(std::lround(double(art.rows()) * scale)));

    // It came out lower than 1290: trunc(((1290 - rows) / 2) * 0.62) rows go at the top and at
    // the bottom; the photo keeps its width and is centred.
    const size_t trim = size_t(double((1290 - photo.rows()) / 2) * 0.62);
    const size_t shown = 800 - 2 * trim;
    const SRgba middle = PixelAt(photo, ssize_t(photo.columns() - 1000) / 2 + 500,
        ssize_t(photo.rows() - shown) / 2 + ssize_t(shown / 2));
    QVERIFY(std::abs(middle.green - int((trim + shown / 2) * 255 / 799)) <= 1);
    QVERIFY(std::abs(middle.red - int(255 - 500 * 255 / 999)) <= 1);
}

void TestFrames::pageOffsetOfAnEarlierCropIsIgnored_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::newRow("shape frame") << FrameRecord(FilterId::ShapeFrame, 3);
    QTest::newRow("grunge frame") << FrameRecord(FilterId::GrungeFrame, 1);
    QTest::newRow("picture frame") << FrameRecord(FilterId::PictureFrame, 1);
    QTest::newRow("vintage frame") << FrameRecord(FilterId::VintageFrame, 6);
    QTest::newRow("polaroid") << Record(FilterId::Polaroid, { 20, 0, White, 0 });
    QTest::newRow("shadow") << Record(FilterId::Shadow, { 50, 6, Red, 0 });
    QTest::newRow("simple border") << Record(FilterId::SimpleBorder, { 4, 6, 8, 10, 0, Red, 0 });
}

void TestFrames::pageOffsetOfAnEarlierCropIsIgnored()
{
    QFETCH(SFilterRecord, record);
    // A portrait cut from a wider photo keeps the page offset of the cut.
    Magick::Image cut = Green(900, 600);
    cut.crop(Magick::Geometry(450, 600, 300, 0));
    QCOMPARE(cut.page().xOff(), ssize_t(300));
    Magick::Image plain = Green(450, 600);
    QVERIFY(ApplyTo(cut, record));
    QVERIFY(ApplyTo(plain, record));
    QVERIFY(SamePixels(cut, plain));
}

void TestFrames::portraitTurnsGrungeButNotShapeMasks()
{
    // A mask that keeps its left half: turned for a portrait photo it keeps the top half.
    Magick::Image leftHalf = Solid(80, 60, 255, 255, 255);
    leftHalf.draw(Magick::DrawableList { Magick::DrawableFillColor(Magick::Color("black")),
        Magick::DrawableRectangle(0, 0, 39, 59) });

    for (const int id : { FilterId::ShapeFrame, FilterId::GrungeFrame }) {
        CImageFilters filters;
        Magick::Image first = Green(60, 80);
        QVERIFY(ApplyWith(filters, first, FrameRecord(id, 0)));
        SSideImageKey kept;
        QVERIFY(OnlyKept(filters, kept));
        filters.sideImages->Keep(kept, leftHalf);

        Magick::Image portrait = Green(60, 80);
        QVERIFY(ApplyWith(filters, portrait, FrameRecord(id, 0)));
        const bool topKept = Near(PixelAt(portrait, 45, 10), 0, 255, 0);
        const bool leftKept = Near(PixelAt(portrait, 10, 70), 0, 255, 0);
        QCOMPARE(topKept, id == FilterId::GrungeFrame);
        QCOMPARE(leftKept, id == FilterId::ShapeFrame);
    }
}

void TestFrames::everyFrameChoiceKeepsItsOwnPicture()
{
    CImageFilters filters;
    Magick::Image first = Green(80, 60);
    QVERIFY(ApplyWith(filters, first, FrameRecord(FilterId::ShapeFrame, 1)));
    SSideImageKey kept;
    QVERIFY(OnlyKept(filters, kept));
    QCOMPARE(kept, FrameKey(QStringLiteral("ShapeFrame2.jpg")));

    // An all-white picture in the cache proves the next photo is framed from it, not the file.
    const Magick::Image allWhite = Solid(8, 6, 255, 255, 255);
    filters.sideImages->Keep(kept, allWhite);
    Magick::Image second = Green(80, 60);
    QVERIFY(ApplyWith(filters, second, FrameRecord(FilterId::ShapeFrame, 1)));
    QVERIFY(Near(PixelAt(second, 40, 30), 255, 0, 0));

    // The other edge style and another number are read from their own files.
    Magick::Image blurred = Green(80, 60);
    QVERIFY(ApplyWith(filters, blurred, FrameRecord(FilterId::ShapeFrame, 1, true)));
    QVERIFY(Near(PixelAt(blurred, 40, 30), 0, 255, 0));
    filters.sideImages->Keep(FrameKey(QStringLiteral("ShapeFrame2b.jpg")), allWhite);
    Magick::Image other = Green(80, 60);
    QVERIFY(ApplyWith(filters, other, FrameRecord(FilterId::ShapeFrame, 0, true)));
    QVERIFY(Near(PixelAt(other, 40, 30), 0, 255, 0));

    // The earlier choice is still kept, and so is another family's picture.
    Magick::Image again = Green(80, 60);
    QVERIFY(ApplyWith(filters, again, FrameRecord(FilterId::ShapeFrame, 1)));
    QVERIFY(Near(PixelAt(again, 40, 30), 255, 0, 0));
    Magick::Image vintage = Green(80, 60);
    QVERIFY(ApplyWith(filters, vintage, FrameRecord(FilterId::VintageFrame, 2)));
    QCOMPARE(filters.sideImages->Keys(),
        (QList<SSideImageKey> { FrameKey(QStringLiteral("ShapeFrame2b.jpg")),
            FrameKey(QStringLiteral("ShapeFrame1b.jpg")),
            FrameKey(QStringLiteral("ShapeFrame2.jpg")),
            FrameKey(QStringLiteral("VintageFrame3.gif")) }));
}

void TestFrames::randomFrameStaysInRangeAndVaries_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("count");
    QTest::newRow("shape") << int(FilterId::ShapeFrame) << 6;
    QTest::newRow("grunge") << int(FilterId::GrungeFrame) << 6;
    QTest::newRow("picture") << int(FilterId::PictureFrame) << 4;
    QTest::newRow("vintage") << int(FilterId::VintageFrame) << 9;
}

void TestFrames::randomFrameStaysInRangeAndVaries()
{
    QFETCH(int, id);
    QFETCH(int, count);
    SFilterRecord record = FrameRecord(id, 0);
    // Grunge, Picture and Vintage Frame share one slot layout.
    record.numbers[id == FilterId::ShapeFrame ? int(ShapeFrameSlot::RandomFrame)
                                              : int(GrungeFrameSlot::RandomFrame)]
        = 1;
    CImageFilters filters;
    const QRegularExpression numbered(QStringLiteral("Frame(\\d+)\\.(jpg|gif)$"));
    QSet<int> chosen;
    for (int photo = 0; photo < 40; ++photo) {
        Magick::Image image = Green(24, 16);
        QVERIFY(ApplyWith(filters, image, record));
        // Only the last draw is kept.
        SSideImageKey kept;
        QVERIFY(OnlyKept(filters, kept));
        const QRegularExpressionMatch match = numbered.match(kept.path);
        QVERIFY2(match.hasMatch(), qPrintable(kept.path));
        const int number = match.captured(1).toInt() - 1;
        QVERIFY(number >= 0 && number < count);
        chosen.insert(number);
    }
    QVERIFY(chosen.size() > 1);
}

void TestFrames::missingOrBrokenFrameFailsTheStep_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<QByteArray>("garbage");
    const QByteArray junk("GIF89a and then nothing that a picture needs");
    QTest::newRow("missing mask") << "GrungeFrame3.jpg" << FrameRecord(FilterId::GrungeFrame, 2)
                                  << QByteArray();
    QTest::newRow("broken picture")
        << "VintageFrame9.gif" << FrameRecord(FilterId::VintageFrame, 8) << junk;
}

void TestFrames::missingOrBrokenFrameFailsTheStep()
{
    QFETCH(QString, file);
    QFETCH(SFilterRecord, record);
    QFETCH(QByteArray, garbage);

    CImageFilters filters;
    const Magick::Image original = Green(80, 60);
    Magick::Image photo = original;
    {
        // The file goes aside (garbage in its place) and comes back whatever happens.
        const QString path = FramesFolder() + file;
        const QString kept = path + QStringLiteral(".kept");
        QVERIFY(QFile::rename(path, kept));
        const auto restore = qScopeGuard([&] {
            QFile::remove(path);
            QFile::rename(kept, path);
        });
        QFile broken(path);
        QVERIFY(garbage.isEmpty() || (broken.open(QIODevice::WriteOnly) && broken.write(garbage)));
        broken.close();

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QRegularExpression::escape(file)));
        QVERIFY(!ApplyWith(filters, photo, record));
        QVERIFY(SamePixels(photo, original));
        QVERIFY(filters.sideImages->Keys().isEmpty());
    }
    // Once the file is back, the same object frames the photo.
    QVERIFY(ApplyWith(filters, photo, record));
    QVERIFY(!SamePixels(photo, original));
}

void TestFrames::polaroidCardSizes_data()
{
    QTest::addColumn<QList<int>>("photo"); // width, height
    QTest::addColumn<double>("strip");
    QTest::addColumn<bool>("keepWhole");
    QTest::addColumn<QList<int>>("card"); // crop x, crop y, border, width, height
    // Square from x 100, b = 32, strip 20 % of 800 = 160: 864 x 992.
    QTest::newRow("landscape square")
        << QList { 1000, 800 } << 20.0 << false << QList { 100, 0, 32, 864, 992 };
    QTest::newRow("portrait square")
        << QList { 800, 1000 } << 20.0 << false << QList { 0, 100, 32, 864, 992 };
    // The whole photo: b = 1000 / 25, the strip 20 % of its height.
    QTest::newRow("whole") << QList { 1000, 800 } << 20.0 << true << QList { 0, 0, 40, 1080, 1000 };
    // Small photos keep a border of 3 pixels.
    QTest::newRow("tiny") << QList { 40, 30 } << 0.0 << true << QList { 0, 0, 3, 46, 33 };
}

void TestFrames::polaroidCardSizes()
{
    QFETCH(QList<int>, photo);
    QFETCH(double, strip);
    QFETCH(bool, keepWhole);
    QFETCH(QList<int>, card);
    const int border = card[2];

    const Magick::Image original = Ramp(size_t(photo[0]), size_t(photo[1]));
    Magick::Image result = original;
    QVERIFY(ApplyTo(result,
        Record(FilterId::Polaroid, { strip, 0, Argb(250, 245, 230), keepWhole ? 1.0 : 0 })));
    QCOMPARE(int(result.columns()), card[3]);
    QCOMPARE(int(result.rows()), card[4]);
    QVERIFY(!result.matte());

    // The card's colour beside the photo (the edge line shades it a little) and below it.
    QVERIFY(Near(PixelAt(result, border / 2, card[4] / 2), 250, 245, 230, 4));
    const int stripRows = card[4] - border - (keepWhole ? photo[1] : std::min(photo[0], photo[1]));
    if (stripRows > 0)
        QVERIFY(Near(PixelAt(result, card[3] / 2, card[4] - 1 - stripRows / 2), 250, 245, 230));
    // The photo sits at (b, b), cut where the square came from.
    const SRgba shown = PixelAt(result, border + 5, border + 5);
    const SRgba source = PixelAt(original, card[0] + 5, card[1] + 5);
    QVERIFY(Near(shown, source.red, source.green, source.blue));
}

void TestFrames::polaroidTurnsTheCardAndKeepsItsPage()
{
    // A 300 x 300 square, b = 12, strip 75: the 324 x 387 card turned on its side.
    Magick::Image quarter = Ramp(400, 300);
    QVERIFY(ApplyTo(quarter, Record(FilterId::Polaroid, { 25, 90, White, 0 })));
    QCOMPARE(quarter.columns(), size_t(387));
    QCOMPARE(quarter.rows(), size_t(324));

    // The corners a slight turn uncovers are white, and the page is the card's own.
    Magick::Image tilted = Ramp(400, 300);
    QVERIFY(ApplyTo(tilted, Record(FilterId::Polaroid, { 25, 10, White, 0 })));
    QVERIFY(tilted.columns() > 324 && tilted.rows() > 387);
    QVERIFY(Near(PixelAt(tilted, 0, 0), 255, 255, 255));
    const Magick::Geometry page = tilted.page();
    QVERIFY(page.xOff() == 0 && page.yOff() == 0);
    QVERIFY(page.width() == 0 || page.width() == tilted.columns());
    QVERIFY(page.height() == 0 || page.height() == tilted.rows());
}

void TestFrames::shadowGrowsBySigmaOverTransparency()
{
    Magick::Image photo = Solid(100, 80, 40, 90, 200);
    QVERIFY(ApplyTo(photo, Record(FilterId::Shadow, { 80, 10, Red, 0 })));
    // ShadowImage adds 2 sigma on each side; the photo stays at the top left.
    QCOMPARE(photo.columns(), size_t(140));
    QCOMPARE(photo.rows(), size_t(120));
    QVERIFY(photo.page().xOff() == 0 && photo.page().yOff() == 0);
    QVERIFY(Near(PixelAt(photo, 50, 40), 40, 90, 200));
    QCOMPARE(PixelAt(photo, 50, 40).alpha, 255);
    // Far from the photo nothing is painted: transparent, not black.
    QVERIFY(PixelAt(photo, 139, 0).alpha <= 3);
    QVERIFY(PixelAt(photo, 0, 119).alpha <= 3);
    // Beside the photo's lower right corner lies the red shadow, at most as opaque as asked.
    const SRgba shade = PixelAt(photo, 110, 90);
    QVERIFY2(shade.alpha > 60 && shade.alpha <= 205, qPrintable(QString::number(shade.alpha)));
    QVERIFY(Near(shade, 255, 0, 0, 40));

    // Over white it is opaque; sigma 0 keeps the size.
    Magick::Image flat = Solid(100, 80, 40, 90, 200);
    QVERIFY(ApplyTo(flat, Record(FilterId::Shadow, { 50, 5, Argb(0, 0, 0), 1 })));
    QCOMPARE(flat.columns(), size_t(120));
    QVERIFY(!flat.matte());
    QVERIFY(Near(PixelAt(flat, 119, 0), 255, 255, 255));
    QVERIFY(PixelAt(flat, 105, 85).red < 230);
    Magick::Image sharp = Solid(100, 80, 40, 90, 200);
    QVERIFY(ApplyTo(sharp, Record(FilterId::Shadow, { 50, 0, Red, 0 })));
    QCOMPARE(sharp.columns(), size_t(100));
    QCOMPARE(sharp.rows(), size_t(80));
}

void TestFrames::simpleBorderSizes_data()
{
    QTest::addColumn<QList<int>>("photo"); // width, height
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<QList<int>>("result"); // left, top, width, height
    const double lilac = 4290493439.0; // the page's default, rgb(187, 187, 255)
    QTest::newRow("pixels, each side")
        << QList { 100, 50 } << Record(FilterId::SimpleBorder, { 5, 7, 3, 9, 0, lilac, 0 })
        << QList { 3, 5, 112, 62 };
    // 10 % of the height on top and bottom, 10 % of the width left and right.
    QTest::newRow("percent, uniform")
        << QList { 1000, 500 } << Record(FilterId::SimpleBorder, { 10, 0, 0, 0, 1, lilac, 1 })
        << QList { 100, 50, 1200, 600 };
    QTest::newRow("percent, fractions")
        << QList { 90, 30 } << Record(FilterId::SimpleBorder, { 10, 10, 5, 5, 1, lilac, 0 })
        << QList { 4, 3, 99, 36 };
    QTest::newRow("none") << QList { 40, 30 }
                          << Record(FilterId::SimpleBorder, { 0, 0, 0, 0, 0, lilac, 0 })
                          << QList { 0, 0, 40, 30 };
}

void TestFrames::simpleBorderSizes()
{
    QFETCH(QList<int>, photo);
    QFETCH(SFilterRecord, record);
    QFETCH(QList<int>, result);
    const int left = result[0];
    const int top = result[1];

    Magick::Image image = Green(size_t(photo[0]), size_t(photo[1]));
    QVERIFY(ApplyTo(image, record));
    QCOMPARE(int(image.columns()), result[2]);
    QCOMPARE(int(image.rows()), result[3]);
    QVERIFY(Near(PixelAt(image, left, top), 0, 255, 0));
    QVERIFY(Near(PixelAt(image, left + photo[0] - 1, top + photo[1] - 1), 0, 255, 0));
    if (left > 0 && top > 0) {
        QVERIFY(Near(PixelAt(image, left - 1, top), 187, 187, 255));
        QVERIFY(Near(PixelAt(image, left, top - 1), 187, 187, 255));
        QVERIFY(Near(PixelAt(image, result[2] - 1, result[3] - 1), 187, 187, 255));
    }
}

void TestFrames::greyPhotoTakesColouredFrames_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<int>("x"); // where the colour shows; negative counts from the right
    QTest::addColumn<int>("y"); // negative counts from the bottom
    QTest::newRow("shape frame") << FrameRecord(FilterId::ShapeFrame, 0) << 1 << 100;
    QTest::newRow("picture frame") << FrameRecord(FilterId::PictureFrame, 0) << 12 << 150;
    QTest::newRow("shadow") << Record(FilterId::Shadow, { 50, 5, Red, 0 }) << -3 << -3;
}

void TestFrames::greyPhotoTakesColouredFrames()
{
    QFETCH(SFilterRecord, record);
    QFETCH(int, x);
    QFETCH(int, y);
    // A greyscale JPEG, framed and written as JPEG again.
    Magick::Image grey = Solid(300, 200, 128, 128, 128);
    grey.type(Magick::GrayscaleType);
    grey.magick("JPEG");
    Magick::Blob blob;
    grey.write(&blob);
    Magick::Image photo(blob);
    QCOMPARE(photo.colorSpace(), Magick::GRAYColorspace);

    QVERIFY(ApplyTo(photo, record));
    photo.magick("JPEG");
    Magick::Blob written;
    photo.write(&written);
    const Magick::Image result(written);
    const SRgba edge = PixelAt(
        result, x < 0 ? ssize_t(result.columns()) + x : x, y < 0 ? ssize_t(result.rows()) + y : y);
    const int spread = std::max({ edge.red, edge.green, edge.blue })
        - std::min({ edge.red, edge.green, edge.blue });
    QVERIFY2(spread > 30,
        qPrintable(QStringLiteral("%1 %2 %3").arg(edge.red).arg(edge.green).arg(edge.blue)));
}

void TestFrames::valuesThePagesNeverOfferFail_data()
{
    QTest::addColumn<SFilterRecord>("record");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("random NaN") << Record(FilterId::PictureFrame, { 0, White, 0, nan });
    QTest::newRow("polaroid strip 361") << Record(FilterId::Polaroid, { 361, 0, White, 0 });
    QTest::newRow("shadow opacity 100") << Record(FilterId::Shadow, { 100, 5, White, 0 });
    QTest::newRow("border 30001") << Record(
        FilterId::SimpleBorder, { 30001, 0, 0, 0, 0, White, 0 });
}

void TestFrames::valuesThePagesNeverOfferFail()
{
    QFETCH(SFilterRecord, record);
    const Magick::Image original = Green(40, 30);
    Magick::Image photo = original;
    QVERIFY(!ApplyTo(photo, record));
    QVERIFY(SamePixels(photo, original));
}

QUENDRASIL_TEST_MAIN_WITH(TestFrames, QCoreApplication, InitializeImageEngine)
#include "tst_frames.moc"
