#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageFilters.h"
#include "WatermarkOverlays.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <Magick++.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

using Pixel = std::array<int, 4>; // 8-bit red, green, blue, alpha

const Pixel Red { 255, 0, 0, 255 };
const Pixel Blue { 0, 0, 255, 255 };
const Pixel Green { 0, 255, 0, 255 };
const Pixel Yellow { 255, 255, 0, 255 };
const Pixel PhotoGrey { 100, 100, 100, 255 };

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A picture whose left part (the first `split` columns) has one colour and the rest another;
// with split 0 the whole picture has the second colour.
Magick::Image Picture(int width, int height, const Pixel &left, const Pixel &right, int split)
{
    std::vector<unsigned char> bytes;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int sample : (x < split ? left : right))
                bytes.push_back(static_cast<unsigned char>(sample));
        }
    }
    Magick::Image image;
    image.read(size_t(width), size_t(height), "RGBA", Magick::CharPixel, bytes.data());
    return image;
}

Magick::Image Solid(int width, int height, const Pixel &colour)
{
    return Picture(width, height, colour, colour, 0);
}

// An opaque photo as the reader hands it on: no alpha channel.
Magick::Image Photo(int width, int height)
{
    Magick::Image photo = Solid(width, height, PhotoGrey);
    photo.matte(false);
    return photo;
}

std::vector<unsigned char> Bytes(Magick::Image image)
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

bool Near(const Pixel &actual, const Pixel &expected, int tolerance = 1)
{
    for (size_t channel = 0; channel < 4; ++channel) {
        if (std::abs(actual[channel] - expected[channel]) > tolerance)
            return false;
    }
    return true;
}

QByteArray Describe(const Pixel &pixel)
{
    return QByteArray::number(pixel[0]) + ',' + QByteArray::number(pixel[1]) + ','
        + QByteArray::number(pixel[2]) + ',' + QByteArray::number(pixel[3]);
}

// The bounding box of the pixels that differ between two pictures of one size.
QRect ChangedBox(const Magick::Image &before, const Magick::Image &after)
{
    const std::vector<unsigned char> old = Bytes(before);
    const std::vector<unsigned char> now = Bytes(after);
    const int width = int(before.columns());
    QRect box;
    for (size_t at = 0; at < old.size(); at += 4) {
        if (std::equal(old.begin() + at, old.begin() + at + 4, now.begin() + at))
            continue;
        const int pixel = int(at / 4);
        box |= QRect(pixel % width, pixel / width, 1, 1);
    }
    return box;
}

QString WritePicture(const QTemporaryDir &folder, const QString &name, Magick::Image picture)
{
    const QString path = folder.filePath(name);
    Magick::Blob blob;
    picture.write(&blob, "PNG");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(static_cast<const char *>(blob.data()), qint64(blob.length()));
    return path;
}

SFilterRecord LogoRecord(const QString &path, int anchor, double marginX, double marginY,
    double scale = 100, double rotation = 0, double transparency = 0)
{
    SFilterRecord record;
    record.id = FilterId::WatermarkLogo;
    record.active = true;
    record.numberCount = WatermarkLogoSlot::NumberCount;
    record.numbers[WatermarkLogoSlot::Placement] = anchor;
    record.numbers[WatermarkLogoSlot::DeltaX] = marginX;
    record.numbers[WatermarkLogoSlot::DeltaY] = marginY;
    record.numbers[WatermarkLogoSlot::Scale] = scale;
    record.numbers[WatermarkLogoSlot::Rotation] = rotation;
    record.numbers[WatermarkLogoSlot::Transparency] = transparency;
    record.textCount = WatermarkLogoSlot::TextCount;
    record.texts[WatermarkLogoSlot::LogoPath] = path;
    return record;
}

SFilterRecord MaskRecord(
    const QString &landscape, const QString &portrait, double rotateMask, double transparency = 0)
{
    SFilterRecord record;
    record.id = FilterId::WatermarkMask;
    record.active = true;
    record.numberCount = WatermarkMaskSlot::NumberCount;
    record.numbers[WatermarkMaskSlot::RotateForPortrait] = rotateMask;
    record.numbers[WatermarkMaskSlot::Transparency] = transparency;
    record.textCount = WatermarkMaskSlot::TextCount;
    record.texts[WatermarkMaskSlot::MaskPath] = landscape;
    record.texts[WatermarkMaskSlot::PortraitMaskPath] = portrait;
    return record;
}

bool ApplyTo(CImageFilters &filters, Magick::Image &photo, const SFilterRecord &record)
{
    filters.target = &photo;
    filters.record = record;
    filters.sourcePath = QStringLiteral("/photos/beach.jpg");
    return filters.Apply();
}

bool ApplyTo(Magick::Image &photo, const SFilterRecord &record)
{
    CImageFilters filters;
    return ApplyTo(filters, photo, record);
}

} // namespace

Q_DECLARE_METATYPE(Pixel)

class TestWatermark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void logoLandsAtTheAnchor_data();
    void logoLandsAtTheAnchor();
    void logoIsScaledAndTurned_data();
    void logoIsScaledAndTurned();
    void turnedLogoHasSeeThroughCorners();
    void transparencyBlendsTheLogo_data();
    void transparencyBlendsTheLogo();
    void logoIsReadOncePerFilterObject();
    void logoNameImageMagickWouldInterpret();
    void leadingPrefixNamesAreReadAsPlainFiles_data();
    void leadingPrefixNamesAreReadAsPlainFiles();
    void colourLogoOnAGreyPhotoKeepsItsColour();

    void maskCoversThePhotoInItsOrientation_data();
    void maskCoversThePhotoInItsOrientation();
    void maskTransparencyBlends();
    void maskIsReadOncePerFilterObject();

    void missingOrUnreadableFileFailsUntouched_data();
    void missingOrUnreadableFileFailsUntouched();
    void valuesOutsideThePageFail_data();
    void valuesOutsideThePageFail();

    void previewPlacesTheLogoLikeTheBatch_data();
    void previewPlacesTheLogoLikeTheBatch();
    void previewFailsWithoutALogo();

private:
    QTemporaryDir folder;
    QString redLogo; // 20 x 10, opaque red
    QString landscapeMask; // 40 x 20: left half red, right half blue
    QString portraitMask; // 20 x 40: green, turned so that its top is green, bottom yellow
};

void TestWatermark::initTestCase()
{
    QVERIFY(folder.isValid());
    redLogo = WritePicture(folder, QStringLiteral("logo.png"), Solid(20, 10, Red));
    landscapeMask
        = WritePicture(folder, QStringLiteral("landscape.png"), Picture(40, 20, Red, Blue, 20));
    Magick::Image portrait = Picture(40, 20, Green, Yellow, 20);
    portrait.rotate(90); // left (green) becomes the top
    portraitMask = WritePicture(folder, QStringLiteral("portrait.png"), portrait);
    QVERIFY(!redLogo.isEmpty() && !landscapeMask.isEmpty() && !portraitMask.isEmpty());
}

void TestWatermark::logoLandsAtTheAnchor_data()
{
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QPoint>("margins");
    QTest::addColumn<QRect>("expected");

    // A 20 x 10 logo on a 200 x 120 photo, margins 7 and 5.
    const QSize photo(200, 120);
    const QPoint margins(7, 5);
    QTest::newRow("0 top left") << photo << 0 << margins << QRect(7, 5, 20, 10);
    QTest::newRow("1 top centre") << photo << 1 << margins << QRect(97, 5, 20, 10);
    QTest::newRow("2 top right") << photo << 2 << margins << QRect(173, 5, 20, 10);
    QTest::newRow("3 middle left") << photo << 3 << margins << QRect(7, 60, 20, 10);
    QTest::newRow("4 centre") << photo << 4 << margins << QRect(97, 60, 20, 10);
    QTest::newRow("5 middle right") << photo << 5 << margins << QRect(173, 60, 20, 10);
    QTest::newRow("6 bottom left") << photo << 6 << margins << QRect(7, 105, 20, 10);
    QTest::newRow("7 bottom centre") << photo << 7 << margins << QRect(97, 105, 20, 10);
    QTest::newRow("8 bottom right") << photo << 8 << margins << QRect(173, 105, 20, 10);
    // The logo's centre lies 10 pixels right of the photo's centre (100, 60).
    QTest::newRow("centre moved right") << photo << 4 << QPoint(10, 0) << QRect(100, 55, 20, 10);
    // (201 - 20) / 2 = 90.5 and (121 - 10) / 2 = 55.5 round up.
    QTest::newRow("half pixel rounds up")
        << QSize(201, 121) << 4 << QPoint(0, 0) << QRect(91, 56, 20, 10);
    // Negative margins push the logo over the edge; the photo keeps only what lands on it.
    QTest::newRow("past the corner") << photo << 8 << QPoint(-5, -4) << QRect(185, 114, 15, 6);
}

void TestWatermark::logoLandsAtTheAnchor()
{
    QFETCH(QSize, photoSize);
    QFETCH(int, anchor);
    QFETCH(QPoint, margins);
    QFETCH(QRect, expected);

    Magick::Image photo = Photo(photoSize.width(), photoSize.height());
    const Magick::Image before = photo;
    QVERIFY(ApplyTo(photo, LogoRecord(redLogo, anchor, margins.x(), margins.y())));
    QCOMPARE(ChangedBox(before, photo), expected);
    const QPoint inside = expected.center();
    QCOMPARE(PixelAt(photo, inside.x(), inside.y()), Red);
    QCOMPARE(QSize(int(photo.columns()), int(photo.rows())), photoSize);
}

void TestWatermark::logoIsScaledAndTurned_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QRect>("expected");

    // The 20 x 10 logo at the top left with margins 3 and 4.
    QTest::newRow("half size") << 50.0 << 0.0 << QRect(3, 4, 10, 5);
    QTest::newRow("two and a half times") << 250.0 << 0.0 << QRect(3, 4, 50, 25);
    QTest::newRow("turned a quarter") << 100.0 << 90.0 << QRect(3, 4, 10, 20);
    QTest::newRow("turned a quarter, half size") << 50.0 << 270.0 << QRect(3, 4, 5, 10);
}

void TestWatermark::logoIsScaledAndTurned()
{
    QFETCH(double, scale);
    QFETCH(double, rotation);
    QFETCH(QRect, expected);

    Magick::Image photo = Photo(120, 80);
    const Magick::Image before = photo;
    QVERIFY(ApplyTo(photo, LogoRecord(redLogo, 0, 3, 4, scale, rotation)));
    QCOMPARE(ChangedBox(before, photo), expected);
}

void TestWatermark::turnedLogoHasSeeThroughCorners()
{
    Magick::Image photo = Photo(100, 100);
    const Magick::Image before = photo;
    QVERIFY(ApplyTo(photo, LogoRecord(redLogo, 4, 0, 0, 100, 45)));

    // A 20 x 10 logo turned by 45 degrees spans about 22 x 22 around the centre; the corners
    // of that square are the photo's own pixels, neither black nor white.
    const QRect box = ChangedBox(before, photo);
    QVERIFY2(box.width() >= 20 && box.width() <= 24 && box.height() >= 20 && box.height() <= 24,
        qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
    QVERIFY(qAbs(box.center().x() - 50) <= 1 && qAbs(box.center().y() - 50) <= 1);
    for (const QPoint corner :
        { box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight() })
        QVERIFY2(Near(PixelAt(photo, corner.x(), corner.y()), PhotoGrey, 30),
            Describe(PixelAt(photo, corner.x(), corner.y())));
    QCOMPARE(PixelAt(photo, 50, 50), Red);
}

void TestWatermark::transparencyBlendsTheLogo_data()
{
    QTest::addColumn<int>("logoAlpha");
    QTest::addColumn<double>("transparency");
    QTest::addColumn<int>("expectedAlpha"); // the logo's alpha after lowering

    QTest::newRow("opaque") << 255 << 0.0 << 255;
    QTest::newRow("15 % lowers by 38") << 255 << 15.0 << 217;
    // 50 x 2.55 is just below 127.5: alpha 255 loses 127.
    QTest::newRow("50 % lowers by 127") << 255 << 50.0 << 128;
    QTest::newRow("100 % leaves alpha 1") << 255 << 100.0 << 1;
    QTest::newRow("already faint parts vanish") << 100 << 50.0 << 0;
}

void TestWatermark::transparencyBlendsTheLogo()
{
    QFETCH(int, logoAlpha);
    QFETCH(double, transparency);
    QFETCH(int, expectedAlpha);

    const QString path = WritePicture(folder, QStringLiteral("alpha-%1.png").arg(logoAlpha),
        Solid(10, 10, { 255, 0, 0, logoAlpha }));
    Magick::Image photo = Solid(30, 30, Blue);
    photo.matte(false);
    QVERIFY(ApplyTo(photo, LogoRecord(path, 4, 0, 0, 100, 0, transparency)));
    // Red over blue with the logo's alpha a: red a, blue 255 - a.
    const Pixel blended { expectedAlpha, 0, 255 - expectedAlpha, 255 };
    QVERIFY2(Near(PixelAt(photo, 15, 15), blended), Describe(PixelAt(photo, 15, 15)));
    QCOMPARE(PixelAt(photo, 2, 2), Blue);
}

void TestWatermark::logoIsReadOncePerFilterObject()
{
    QTemporaryDir own;
    const QString first = WritePicture(own, QStringLiteral("first.png"), Solid(8, 8, Red));
    const QString second = WritePicture(own, QStringLiteral("second.png"), Solid(8, 8, Green));

    CImageFilters filters;
    Magick::Image photo = Photo(40, 40);
    QVERIFY(ApplyTo(filters, photo, LogoRecord(first, 0, 0, 0)));
    QCOMPARE(PixelAt(photo, 4, 4), Red);

    // The next photo of the batch gets the logo without the file.
    QVERIFY(QFile::remove(first));
    Magick::Image next = Photo(40, 40);
    QVERIFY(ApplyTo(filters, next, LogoRecord(first, 0, 0, 0, 100, 0, 50)));
    QVERIFY2(Near(PixelAt(next, 4, 4), { 178, 50, 50, 255 }), Describe(PixelAt(next, 4, 4)));

    // Another path reads that file, and the first one is still held: a chain may use both.
    Magick::Image third = Photo(40, 40);
    QVERIFY(ApplyTo(filters, third, LogoRecord(second, 0, 0, 0)));
    QCOMPARE(PixelAt(third, 4, 4), Green);
    Magick::Image fourth = Photo(40, 40);
    QVERIFY(ApplyTo(filters, fourth, LogoRecord(first, 0, 0, 0)));
    QCOMPARE(PixelAt(fourth, 4, 4), Red);
}

void TestWatermark::logoNameImageMagickWouldInterpret()
{
    const QString path
        = WritePicture(folder, QStringLiteral("logo%d[1]x:2.png"), Solid(6, 6, Green));
    Magick::Image photo = Photo(20, 20);
    QVERIFY(ApplyTo(photo, LogoRecord(path, 0, 2, 2)));
    QCOMPARE(PixelAt(photo, 4, 4), Green);
    QCOMPARE(PixelAt(photo, 10, 10), PhotoGrey);
}

void TestWatermark::leadingPrefixNamesAreReadAsPlainFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("onDisk");

    for (const char *name : { "label:x.png", "@file.png", "|cmd.png", "|touch ran.png" }) {
        QTest::addRow("%s on disk", name) << QString::fromUtf8(name) << true;
        QTest::addRow("%s missing", name) << QString::fromUtf8(name) << false;
    }
}

// Names as a typed relative path gives them, so the prefix is the first character ImageMagick
// sees: never a coder, a file list or a command.
void TestWatermark::leadingPrefixNamesAreReadAsPlainFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, onDisk);

    QTemporaryDir here;
    QVERIFY(here.isValid());
    const QString before = QDir::currentPath();
    const auto restore = qScopeGuard([before]() { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(here.path()));
    if (onDisk)
        QVERIFY(!WritePicture(here, name, Solid(6, 6, Green)).isEmpty());
    const QStringList files = QDir(here.path()).entryList(QDir::Files);

    for (const SFilterRecord &record :
        { LogoRecord(name, 0, 2, 2), MaskRecord(name, QString(), 1) }) {
        Magick::Image photo = Photo(20, 20);
        QCOMPARE(ApplyTo(photo, record), onDisk);
        QCOMPARE(PixelAt(photo, 4, 4), onDisk ? Green : PhotoGrey);
    }
    QCOMPARE(QDir(here.path()).entryList(QDir::Files), files);
}

void TestWatermark::colourLogoOnAGreyPhotoKeepsItsColour()
{
    // A greyscale JPEG decodes into ImageMagick's grey colour space.
    Magick::Blob greyJpeg;
    Magick::Image grey = Photo(40, 40);
    grey.type(Magick::GrayscaleType);
    grey.write(&greyJpeg, "JPEG");
    Magick::Image photo(greyJpeg);
    QCOMPARE(photo.colorSpace(), Magick::GRAYColorspace);
    QVERIFY(ApplyTo(photo, LogoRecord(redLogo, 0, 0, 0)));

    // Written and read back as a JPEG, the logo is still red and the photo still grey.
    Magick::Blob blob;
    photo.write(&blob, "JPEG");
    Magick::Image reread(blob);
    QVERIFY2(Near(PixelAt(reread, 10, 5), Red, 25), Describe(PixelAt(reread, 10, 5)));
    QVERIFY2(Near(PixelAt(reread, 30, 30), PhotoGrey, 3), Describe(PixelAt(reread, 30, 30)));
}

void TestWatermark::maskCoversThePhotoInItsOrientation_data()
{
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<double>("rotateMask");
    // The colours at the centres of the top-left, top-right, bottom-left, bottom-right quarters.
    QTest::addColumn<QList<Pixel>>("quarters");

    QTest::newRow("landscape photo") << QSize(90, 50) << 1.0 << QList { Red, Blue, Red, Blue };
    QTest::newRow("square photo, no turning")
        << QSize(60, 60) << 0.0 << QList { Red, Blue, Red, Blue };
    // Turned clockwise: the overlay's left half comes to the top.
    QTest::newRow("portrait photo, turned overlay")
        << QSize(50, 90) << 1.0 << QList { Red, Red, Blue, Blue };
    QTest::newRow("portrait photo, own overlay")
        << QSize(50, 90) << 0.0 << QList { Green, Green, Yellow, Yellow };
}

void TestWatermark::maskCoversThePhotoInItsOrientation()
{
    QFETCH(QSize, photoSize);
    QFETCH(double, rotateMask);
    QFETCH(QList<Pixel>, quarters);

    const int width = photoSize.width();
    const int height = photoSize.height();
    Magick::Image photo = Photo(width, height);
    const Magick::Image before = photo;
    QVERIFY(ApplyTo(photo, MaskRecord(landscapeMask, portraitMask, rotateMask)));

    QCOMPARE(QSize(int(photo.columns()), int(photo.rows())), photoSize);
    QCOMPARE(ChangedBox(before, photo), QRect(0, 0, width, height));
    const QPoint centres[] = { { width / 4, height / 4 }, { width * 3 / 4, height / 4 },
        { width / 4, height * 3 / 4 }, { width * 3 / 4, height * 3 / 4 } };
    for (int quarter = 0; quarter < 4; ++quarter) {
        const Pixel actual = PixelAt(photo, centres[quarter].x(), centres[quarter].y());
        QVERIFY2(Near(actual, quarters[quarter], 2), Describe(actual));
    }
}

void TestWatermark::maskTransparencyBlends()
{
    Magick::Image photo = Photo(40, 20);
    QVERIFY(ApplyTo(photo, MaskRecord(landscapeMask, QString(), 1, 50)));
    // Alpha 128 of 255: red 100 + (255 - 100) x 128 / 255, the others 100 x 127 / 255.
    QVERIFY2(Near(PixelAt(photo, 5, 10), { 178, 50, 50, 255 }), Describe(PixelAt(photo, 5, 10)));
    QVERIFY2(Near(PixelAt(photo, 35, 10), { 50, 50, 178, 255 }), Describe(PixelAt(photo, 35, 10)));
}

void TestWatermark::maskIsReadOncePerFilterObject()
{
    QTemporaryDir own;
    const QString path = WritePicture(own, QStringLiteral("mask.png"), Solid(40, 20, Blue));
    CImageFilters filters;
    Magick::Image photo = Photo(60, 40);
    QVERIFY(ApplyTo(filters, photo, MaskRecord(path, QString(), 1)));
    QVERIFY(QFile::remove(path));

    // The cached overlay serves the next photo, turned for a portrait one.
    Magick::Image next = Photo(30, 50);
    QVERIFY(ApplyTo(filters, next, MaskRecord(path, QString(), 1)));
    QCOMPARE(PixelAt(next, 15, 25), Blue);
    QCOMPARE(PixelAt(next, 0, 49), Blue);
}

void TestWatermark::missingOrUnreadableFileFailsUntouched_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<QSize>("photoSize");

    const QString missing = folder.filePath(QStringLiteral("missing.png"));
    const QString notImage = folder.filePath(QStringLiteral("notes.png"));
    QFile notes(notImage);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("These are notes, not a picture.\n");
    notes.close();

    const QSize landscape(40, 30);
    const QSize portrait(30, 40);
    QTest::newRow("logo missing") << LogoRecord(missing, 8, 5, 5) << landscape;
    QTest::newRow("logo path empty") << LogoRecord(QString(), 8, 5, 5) << landscape;
    QTest::newRow("logo not a picture") << LogoRecord(notImage, 8, 5, 5) << landscape;
    QTest::newRow("logo is a folder") << LogoRecord(folder.path(), 8, 5, 5) << landscape;
    QTest::newRow("mask missing") << MaskRecord(missing, portraitMask, 0) << landscape;
    QTest::newRow("mask not a picture") << MaskRecord(notImage, portraitMask, 1) << portrait;
    // A portrait photo with its own overlay needs that file, not the landscape one.
    QTest::newRow("portrait mask missing") << MaskRecord(landscapeMask, missing, 0) << portrait;
}

void TestWatermark::missingOrUnreadableFileFailsUntouched()
{
    QFETCH(SFilterRecord, record);
    QFETCH(QSize, photoSize);

    Magick::Image photo = Photo(photoSize.width(), photoSize.height());
    const Magick::Image before = photo;
    QVERIFY(!ApplyTo(photo, record));
    QCOMPARE(ChangedBox(before, photo), QRect());
}

void TestWatermark::valuesOutsideThePageFail_data()
{
    QTest::addColumn<SFilterRecord>("record");

    QTest::newRow("margin 30001") << LogoRecord(redLogo, 0, 30001, 0);
    QTest::newRow("margin NaN") << LogoRecord(redLogo, 0, 0, NaN);
    QTest::newRow("scale 1001") << LogoRecord(redLogo, 0, 0, 0, 1001);
    QTest::newRow("scale -1") << LogoRecord(redLogo, 0, 0, 0, -1);
    QTest::newRow("rotation 360") << LogoRecord(redLogo, 0, 0, 0, 100, 360);
    QTest::newRow("rotation -90") << LogoRecord(redLogo, 0, 0, 0, 100, -90);
    QTest::newRow("logo transparency 101") << LogoRecord(redLogo, 0, 0, 0, 100, 0, 101);
    QTest::newRow("mask transparency -1") << MaskRecord(landscapeMask, portraitMask, 1, -1);
}

void TestWatermark::valuesOutsideThePageFail()
{
    QFETCH(SFilterRecord, record);

    Magick::Image photo = Photo(40, 30);
    const Magick::Image before = photo;
    QVERIFY(!ApplyTo(photo, record));
    QCOMPARE(ChangedBox(before, photo), QRect());
}

void TestWatermark::previewPlacesTheLogoLikeTheBatch_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<double>("scale"); // shown pixels per photo pixel
    QTest::addColumn<double>("pixelRatio");
    QTest::addColumn<QSize>("imageSize"); // device pixels
    QTest::addColumn<QRect>("expected"); // on a shown photo of 100 x 60
    QTest::addColumn<int>("alpha"); // at the logo's centre

    // The 20 x 10 logo.
    QTest::newRow("bottom right, photo shown at half size")
        << LogoRecord(redLogo, 8, 10, 6) << 0.5 << 1.0 << QSize(10, 5) << QRect(85, 52, 10, 5)
        << 255;
    QTest::newRow("centre on a double-density screen")
        << LogoRecord(redLogo, 4, 0, 0) << 0.5 << 2.0 << QSize(20, 10) << QRect(45, 28, 10, 5)
        << 255;
    QTest::newRow("top left, twice the size") << LogoRecord(redLogo, 0, 3, 4, 200) << 1.0 << 1.0
                                              << QSize(40, 20) << QRect(3, 4, 40, 20) << 255;
    QTest::newRow("turned a quarter") << LogoRecord(redLogo, 2, 0, 0, 100, 90) << 1.0 << 1.0
                                      << QSize(10, 20) << QRect(90, 0, 10, 20) << 255;
    QTest::newRow("half transparent") << LogoRecord(redLogo, 0, 0, 0, 100, 0, 50) << 1.0 << 1.0
                                      << QSize(20, 10) << QRect(0, 0, 20, 10) << 128;
    QTest::newRow("scaled to nothing")
        << LogoRecord(redLogo, 0, 5, 5, 0) << 1.0 << 1.0 << QSize(0, 0) << QRect(5, 5, 0, 0) << 0;
}

void TestWatermark::previewPlacesTheLogoLikeTheBatch()
{
    QFETCH(SFilterRecord, record);
    QFETCH(double, scale);
    QFETCH(double, pixelRatio);
    QFETCH(QSize, imageSize);
    QFETCH(QRect, expected);
    QFETCH(int, alpha);

    QImage logo;
    QRect rectangle;
    QVERIFY(UpdateWatermarkLogo(logo, rectangle, record, 100, 60, scale, pixelRatio));
    QCOMPARE(rectangle, expected);
    if (imageSize.isEmpty()) {
        QVERIFY(logo.isNull());
        return;
    }
    QCOMPARE(logo.size(), imageSize);
    QCOMPARE(logo.devicePixelRatio(), pixelRatio);
    const QColor centre = logo.pixelColor(logo.width() / 2, logo.height() / 2);
    QVERIFY2(qAbs(centre.alpha() - alpha) <= 1, QByteArray::number(centre.alpha()));
    QVERIFY2(centre.red() >= 250 && centre.green() == 0 && centre.blue() == 0,
        qPrintable(centre.name(QColor::HexArgb)));
}

void TestWatermark::previewFailsWithoutALogo()
{
    QImage logo(4, 4, QImage::Format_ARGB32);
    QRect rectangle(1, 2, 3, 4);
    const QString missing = folder.filePath(QStringLiteral("gone.png"));
    QVERIFY(!UpdateWatermarkLogo(logo, rectangle, LogoRecord(missing, 8, 0, 0), 100, 60, 1, 1));
    QVERIFY(logo.isNull());
    QCOMPARE(rectangle, QRect());
    QVERIFY(
        !UpdateWatermarkLogo(logo, rectangle, LogoRecord(redLogo, 8, 0, 0, 1001), 100, 60, 1, 1));
}

QUENDRASIL_TEST_MAIN_WITH(TestWatermark, QGuiApplication, InitializeImageEngine)
#include "tst_watermark.moc"
