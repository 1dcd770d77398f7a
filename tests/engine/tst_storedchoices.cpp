#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageFilters.h"
#include "Rounding.h"
#include "StoredValues.h"

#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <Magick++.h>

#include <limits>

#include "FilterTestSupport.h"

using FilterTest::Record;

namespace {

constexpr double White = 4294967295.0;
constexpr double Black = 4278190080.0; // 0xFF000000
constexpr double SignedBlack = -16777216.0; // the same 32 bits read as a signed number
constexpr double Lavender = 4290493439.0; // rgb(187, 187, 255), the pages' default colour
constexpr double Red = 4294901760.0;
const QString Font = QStringLiteral("DejaVu Sans");

// A portrait photo (so that the rotate and mask choices tell portrait from landscape) over a
// colour ramp, with white, black and lavender patches for Color Replace and a noisy patch for
// the noise filters.
Magick::Image Photo()
{
    constexpr int width = 240;
    constexpr int height = 320;
    QByteArray rgb(width * height * 3, Qt::Uninitialized);
    QRandomGenerator random(11);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uchar *pixel = reinterpret_cast<uchar *>(rgb.data()) + (y * width + x) * 3;
            const bool patch = y >= 10 && y < 30;
            if (patch && x >= 10 && x < 30) {
                pixel[0] = pixel[1] = pixel[2] = 255;
            } else if (patch && x >= 40 && x < 60) {
                pixel[0] = pixel[1] = pixel[2] = 0;
            } else if (patch && x >= 70 && x < 90) {
                pixel[0] = pixel[1] = 187;
                pixel[2] = 255;
            } else if (y >= 60 && y < 100 && x >= 10 && x < 50) {
                for (int channel = 0; channel < 3; ++channel)
                    pixel[channel] = uchar(random.bounded(256));
            } else {
                pixel[0] = uchar(255 - x * 255 / (width - 1));
                pixel[1] = uchar(y * 255 / (height - 1));
                pixel[2] = uchar(x * 255 / (width - 1));
            }
        }
    }
    Magick::Image image;
    image.read(width, height, "RGB", Magick::CharPixel, rgb.constData());
    return image;
}

struct SOutcome
{
    bool applied = false;
    Magick::Image image;
};

SOutcome Apply(const SFilterRecord &record, const QString &sourcePath)
{
    SOutcome outcome { false, Photo() };
    // Noise and spread draw random numbers; a fixed seed also makes ImageMagick run them in
    // one thread, so equal settings give equal pixels.
    Magick::SetRandomSeed(7);
    outcome.applied = FilterTest::ApplyTo(outcome.image, record, sourcePath);
    return outcome;
}

// The text filters as their pages start: each list slot holds the page's default item.
SFilterRecord Comment()
{
    return Record(FilterId::Comment, { 7, 0, 10, 6, White, 0, 1, 0, 0, 0, 0 },
        { QStringLiteral("Hi\nthere, a longer line"), Font });
}

SFilterRecord Date()
{
    return Record(FilterId::Date,
        { 0, 0, 8, 6, White, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, Black, 10, 1, 0, Black, 50, 15,
            315, 5, 0, Black, 50, 10 },
        { Font, QString(), QStringLiteral("+0000+00+00 +00+00+00") });
}

SFilterRecord WatermarkText()
{
    return Record(FilterId::WatermarkText, { 7, 0, 50, 6, White, 0, 0, 0, 0, 0, 0, 0 },
        { QStringLiteral("Hi there"), Font, QString() });
}

SFilterRecord With(SFilterRecord record, int slot, double value)
{
    record.numbers[size_t(slot)] = value;
    return record;
}

} // namespace

class TestStoredChoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void choiceIsTheWholeStoredNumberWithinTheList();
    void listChoiceOutsideItsListIsThePagesDefault_data();
    void listChoiceOutsideItsListIsThePagesDefault();
    void colourKeepsAll32BitsWhateverTheSign_data();
    void colourKeepsAll32BitsWhateverTheSign();
    void bothRoundingsAgreeFromZeroUp_data();
    void bothRoundingsAgreeFromZeroUp();

private:
    QTemporaryDir folder;
    QString photoPath; // an existing file, so that the Date finds a file time
    QString logoPath;
    QString landscapeMaskPath;
    QString portraitMaskPath;
};

void TestStoredChoices::initTestCase()
{
    QVERIFY(folder.isValid());
    const auto write = [this](const QString &name, Magick::Image picture) {
        const QString path = folder.filePath(name);
        picture.write(path.toStdString());
        return path;
    };
    photoPath = write(QStringLiteral("photo.png"), Photo());
    QFile photo(photoPath);
    QVERIFY(photo.open(QIODevice::ReadWrite));
    QVERIFY(photo.setFileTime(
        QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9)), QFileDevice::FileModificationTime));
    logoPath = write(QStringLiteral("logo.png"),
        Magick::Image(Magick::Geometry(20, 20), Magick::ColorRGB(1.0, 0.0, 0.0)));
    Magick::Image landscape(Magick::Geometry(40, 30), Magick::ColorRGB(0.0, 0.0, 1.0));
    landscape.draw(Magick::DrawableRectangle(0, 0, 19, 29));
    landscapeMaskPath = write(QStringLiteral("landscape.png"), landscape);
    portraitMaskPath = write(QStringLiteral("portrait.png"),
        Magick::Image(Magick::Geometry(30, 40), Magick::ColorRGB(0.0, 1.0, 0.0)));
}

// Fractions are cut as the pages cut them; what lies outside the list is the fallback.
void TestStoredChoices::choiceIsTheWholeStoredNumberWithinTheList()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QList<std::pair<double, int>> cases { { 0, 0 }, { 2.7, 2 }, { 3.99, 3 }, { -0.5, 0 },
        { 4, 9 }, { -1, 9 }, { 1e300, 9 }, { nan, 9 } };
    for (const auto &[stored, expected] : cases)
        QCOMPARE(ChoiceOf(stored, 4, 9), expected);
}

void TestStoredChoices::listChoiceOutsideItsListIsThePagesDefault_data()
{
    QTest::addColumn<SFilterRecord>("record"); // the list slot holds the page's default
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("other"); // another item, which must draw something else
    QTest::addColumn<double>("stored");

    // The page's list has `count` items.
    const auto rows
        = [](const char *name, const SFilterRecord &record, int slot, int count, int other) {
              const double nan = std::numeric_limits<double>::quiet_NaN();
              for (const double stored : { -1.0, double(count), 1e300, nan }) {
                  QTest::addRow("%s %g", name, stored) << record << slot << other << stored;
              }
          };
    const SFilterRecord shape = Record(FilterId::ShapeFrame, { 0, White, 0, 0, 0 });
    const SFilterRecord autoCrop = Record(FilterId::AutoCrop, { 0, 1, 0, 0, 1 });
    const SFilterRecord colorReplace = Record(FilterId::ColorReplace, { 0, Lavender, Red, 0, 0 });
    const SFilterRecord resize = Record(FilterId::Resize, { 100, 100, 1, 0, 0, 0 });

    rows("comment placement", Comment(), CommentSlot::Placement, 9, 0);
    rows("comment alignment", Comment(), CommentSlot::Alignment, 3, 0);
    rows("date shown", Date(), DateSlot::Shown, 6, 1);
    rows("date layout", Date(), DateSlot::DateLayout, 12, 10);
    rows("date placement", Date(), DateSlot::Placement, 9, 0);
    rows("time layout", Date(), DateSlot::TimeLayout, 4, 2);
    rows("date separator", Date(), DateSlot::Separator, 5, 1);
    rows("watermark placement", WatermarkText(), WatermarkTextSlot::Placement, 9, 0);
    rows("logo placement", Record(FilterId::WatermarkLogo, { 8, 10, 10, 100, 0, 0 }, { logoPath }),
        WatermarkLogoSlot::Placement, 9, 0);
    rows("mask for portraits",
        Record(FilterId::WatermarkMask, { 1, 0 }, { landscapeMaskPath, portraitMaskPath }),
        WatermarkMaskSlot::RotateForPortrait, 2, 0);
    rows("shape frame", shape, ShapeFrameSlot::Frame, 6, 1);
    rows("shape edges", shape, ShapeFrameSlot::Edges, 2, 1);
    rows("grunge frame", Record(FilterId::GrungeFrame, { 0, White, 0, 0 }), GrungeFrameSlot::Frame,
        6, 1);
    rows("picture frame", Record(FilterId::PictureFrame, { 0, White, 0, 0 }),
        PictureFrameSlot::Frame, 4, 1);
    rows("vintage frame", Record(FilterId::VintageFrame, { 0, White, 0, 0 }),
        VintageFrameSlot::Frame, 9, 1);
    rows("raise effect", Record(FilterId::Raise, { 20, 1 }), RaiseSlot::Effect, 2, 0);
    rows("border unit", Record(FilterId::SimpleBorder, { 10, 10, 10, 10, 0, White, 1 }),
        SimpleBorderSlot::Unit, 2, 1);
    rows("noise type", Record(FilterId::Noise, { 4 }), NoiseSlot::Type, 5, 0);
    rows("levels channel", Record(FilterId::Levels, { 10, 40, 10, 0 }), LevelsSlot::Channel, 4, 1);
    rows("reduce noise", Record(FilterId::ReduceNoise, { 0 }), ReduceNoiseSlot::Algorithm, 2, 1);
    rows("auto crop ratio", autoCrop, AutoCropSlot::AspectRatio, 6, 4);
    rows("auto crop region", autoCrop, AutoCropSlot::Region, 3, 0);
    rows("replaced colour", colorReplace, ColorReplaceSlot::OriginalSource, 4, 2);
    rows("new colour", colorReplace, ColorReplaceSlot::NewSource, 4, 2);
    rows("crop unit", Record(FilterId::Crop, { 10, 10, 50, 50, 0 }), CropSlot::Unit, 2, 1);
    rows("resize mode", resize, ResizeSlot::Mode, 4, 1);
    rows("resize unit", resize, ResizeSlot::Unit, 2, 1);
    rows("roll unit", Record(FilterId::Roll, { 10, 20, 0 }), RollSlot::Unit, 2, 1);
    rows("rotate condition", Record(FilterId::Rotate, { 90, 0 }), RotateSlot::Condition, 3, 2);
    // The page lists fit and stretch; the engine also takes 2, fill.
    rows("thumbnail method", Record(FilterId::Thumbnail, { 60, 60, 0 }), ThumbnailSlot::Method, 3,
        1);
}

void TestStoredChoices::listChoiceOutsideItsListIsThePagesDefault()
{
    QFETCH(SFilterRecord, record);
    QFETCH(int, slot);
    QFETCH(int, other);
    QFETCH(double, stored);

    const SOutcome expected = Apply(record, photoPath);
    QVERIFY(expected.applied);
    if (stored < 0) {
        // The row can tell the default from another item at all.
        const SOutcome otherItem = Apply(With(record, slot, other), photoPath);
        QVERIFY(otherItem.applied);
        QVERIFY(!FilterTest::SamePixels(otherItem.image, expected.image));
    }

    const SFilterRecord damaged = With(record, slot, stored);
    const SOutcome outcome = Apply(damaged, photoPath);
    QVERIFY(outcome.applied);
    QVERIFY(FilterTest::SamePixels(outcome.image, expected.image));

    // The interactive previews lay the crop and the resize out from the same choices.
    if (record.id == FilterId::Crop) {
        QCOMPARE(CImageFilters::UpdateCrop(damaged, 400, 300, 0.5),
            CImageFilters::UpdateCrop(record, 400, 300, 0.5));
    } else if (record.id == FilterId::Resize) {
        const Magick::Image source = Photo();
        Magick::Image fromDamaged;
        Magick::Image fromDefault;
        QCOMPARE(CImageFilters::UpdateResize(source, fromDamaged, damaged, 400, 300, 0.5, 1.0),
            CImageFilters::UpdateResize(source, fromDefault, record, 400, 300, 0.5, 1.0));
        QVERIFY(FilterTest::SamePixels(fromDamaged, fromDefault));
    }
}

void TestStoredChoices::colourKeepsAll32BitsWhateverTheSign_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<int>("slot");

    const auto dateWith = [](int flagSlot) { return With(Date(), flagSlot, 1); };
    QTest::newRow("comment text") << Comment() << int(CommentSlot::TextColor);
    QTest::newRow("date text") << Date() << int(DateSlot::TextColor);
    QTest::newRow("date stroke") << dateWith(DateSlot::UseStroke) << int(DateSlot::StrokeColor);
    QTest::newRow("date shadow") << dateWith(DateSlot::UseShadow) << int(DateSlot::ShadowColor);
    QTest::newRow("date box") << dateWith(DateSlot::UseBox) << int(DateSlot::BoxColor);
    QTest::newRow("watermark text") << WatermarkText() << int(WatermarkTextSlot::TextColor);
    QTest::newRow("shape frame") << Record(FilterId::ShapeFrame, { 0, White, 0, 0, 0 })
                                 << int(ShapeFrameSlot::BackgroundColor);
    QTest::newRow("grunge frame") << Record(FilterId::GrungeFrame, { 0, White, 0, 0 })
                                  << int(GrungeFrameSlot::BackgroundColor);
    QTest::newRow("vintage frame") << Record(FilterId::VintageFrame, { 0, White, 0, 0 })
                                   << int(VintageFrameSlot::BackgroundColor);
    QTest::newRow("polaroid") << Record(FilterId::Polaroid, { 25, 0, White, 0 })
                              << int(PolaroidSlot::BorderColor);
    QTest::newRow("shadow") << Record(FilterId::Shadow, { 50, 5, White, 0 })
                            << int(ShadowSlot::Color);
    QTest::newRow("simple border")
        << Record(FilterId::SimpleBorder, { 10, 10, 10, 10, 0, White, 1 })
        << int(SimpleBorderSlot::Color);
    QTest::newRow("replaced colour") << Record(FilterId::ColorReplace, { 0, White, Red, 0, 0 })
                                     << int(ColorReplaceSlot::OriginalColor);
    QTest::newRow("new colour") << Record(FilterId::ColorReplace, { 0, Lavender, White, 0, 0 })
                                << int(ColorReplaceSlot::NewColor);
}

void TestStoredChoices::colourKeepsAll32BitsWhateverTheSign()
{
    QFETCH(SFilterRecord, record);
    QFETCH(int, slot);

    const SOutcome unsignedBlack = Apply(With(record, slot, Black), photoPath);
    const SOutcome signedBlack = Apply(With(record, slot, SignedBlack), photoPath);
    const SOutcome white = Apply(With(record, slot, White), photoPath);
    QVERIFY(unsignedBlack.applied);
    QVERIFY(signedBlack.applied);
    QVERIFY(white.applied);
    QVERIFY(FilterTest::SamePixels(signedBlack.image, unsignedBlack.image));
    QVERIFY(!FilterTest::SamePixels(white.image, unsignedBlack.image));
}

void TestStoredChoices::bothRoundingsAgreeFromZeroUp_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("halfUp");
    QTest::addColumn<double>("integerPartHalfUp");
    QTest::newRow("0") << 0.0 << 0.0 << 0.0;
    QTest::newRow("2.49") << 2.49 << 2.0 << 2.0;
    QTest::newRow("2.5") << 2.5 << 3.0 << 3.0;
    QTest::newRow("-2.5") << -2.5 << -2.0 << -2.0;
    QTest::newRow("-2.7") << -2.7 << -3.0 << -2.0; // the engine cuts below 0
    QTest::newRow("-0.4") << -0.4 << 0.0 << 0.0;
}

void TestStoredChoices::bothRoundingsAgreeFromZeroUp()
{
    QFETCH(double, value);
    QFETCH(double, halfUp);
    QFETCH(double, integerPartHalfUp);
    QCOMPARE(RoundedHalfUp(value), halfUp);
    QCOMPARE(RoundHalfUp(value), int(halfUp));
    QCOMPARE(RoundIntegerPartHalfUp(value), integerPartHalfUp);
    // A damaged record's number is held at the ends of an int.
    QCOMPARE(RoundHalfUp(1e300), std::numeric_limits<int>::max());
    QCOMPARE(Truncated(std::nan("")), 0);
}

QUENDRASIL_TEST_MAIN_WITH(TestStoredChoices, QGuiApplication, InitializeImageEngine)
#include "tst_storedchoices.moc"
