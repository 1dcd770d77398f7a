#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ImageConversion.h"
#include "ImageManager.h"
#include "TestPhotos.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <Magick++.h>

using namespace TestPhotos;

namespace {

// A 4 x 2 picture with exact 8-bit colours; the last pixel is half transparent.
Magick::Image MakeSwatch()
{
    const unsigned char rgba[] = { 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 12, 34, 56, 255,
        200, 100, 50, 255, 1, 2, 3, 255, 250, 251, 252, 255, 90, 80, 70, 128 };
    Magick::Image image;
    image.read(4, 2, "RGBA", Magick::CharPixel, rgba);
    return image;
}

} // namespace

class TestImageConversion : public QObject
{
    Q_OBJECT

private slots:
    void magickToQImage();
    void magickToQImageOfOtherSpaces_data();
    void magickToQImageOfOtherSpaces();
    void magickToQImageOffTheGuiThread();
    void magickToQImageOfScaledOpaquePhotoIsOpaque();
    void pixmapOfRectangle_data();
    void pixmapOfRectangle();
    void checkerboard();
    void scale_data();
    void scale();
    void pixmapWithOpacity_data();
    void pixmapWithOpacity();
    void photoInfoSizes_data();
    void photoInfoSizes();
    void photoInfoOfCameraPhoto_data();
    void photoInfoOfCameraPhoto();
    void photoInfoOfMissingPhoto();

private:
    QTemporaryDir m_folder;
};

void TestImageConversion::magickToQImage()
{
    const QImage image = MagickToQImage(MakeSwatch());
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(4, 2));
    QCOMPARE(image.pixel(0, 0), qRgba(255, 0, 0, 255));
    QCOMPARE(image.pixel(1, 0), qRgba(0, 255, 0, 255));
    QCOMPARE(image.pixel(3, 0), qRgba(12, 34, 56, 255));
    QCOMPARE(image.pixel(2, 1), qRgba(250, 251, 252, 255));
    // Not premultiplied: the colour of a half-transparent pixel stays as it is.
    QCOMPARE(image.pixel(3, 1), qRgba(90, 80, 70, 128));

    QVERIFY(MagickToQImage(Magick::Image()).isNull());
}

void TestImageConversion::magickToQImageOfOtherSpaces_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("opaque rgb") << "rgb";
    QTest::newRow("grey") << "grey";
    QTest::newRow("cmyk") << "cmyk";
    QTest::newRow("16-bit") << "deep";
}

void TestImageConversion::magickToQImageOfOtherSpaces()
{
    QFETCH(QString, kind);
    Magick::Image image(Magick::Geometry(6, 4), Magick::ColorRGB(0.8, 0.2, 0.1));
    if (kind == QLatin1String("grey")) {
        image.type(Magick::GrayscaleType);
    } else if (kind == QLatin1String("cmyk")) {
        image.colorSpace(Magick::CMYKColorspace);
    } else if (kind == QLatin1String("deep")) {
        image.depth(16);
    }
    const QImage converted = MagickToQImage(image);
    QCOMPARE(converted.size(), QSize(6, 4));
    const QColor color = converted.pixelColor(3, 2);
    QCOMPARE(color.alpha(), 255);
    if (kind == QLatin1String("grey")) {
        QCOMPARE(color.red(), color.green());
        QCOMPARE(color.green(), color.blue());
    } else {
        QVERIFY2(qAbs(color.red() - 204) <= 2 && qAbs(color.green() - 51) <= 2
                && qAbs(color.blue() - 26) <= 2,
            qPrintable(color.name()));
    }
}

void TestImageConversion::magickToQImageOffTheGuiThread()
{
    QImage converted;
    QThread *worker
        = QThread::create([&converted]() { converted = MagickToQImage(MakePhoto(120, 80)); });
    worker->start();
    QVERIFY(worker->wait(30000));
    delete worker;
    QCOMPARE(converted.size(), QSize(120, 80));
    QCOMPARE(converted.pixelColor(0, 0).red(), 255);
}

void TestImageConversion::pixmapOfRectangle_data()
{
    QTest::addColumn<QRect>("rectangle");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("firstPixel"); // in the image
    QTest::newRow("inside") << QRect(1, 0, 2, 2) << QSize(2, 2) << QPoint(1, 0);
    QTest::newRow("whole") << QRect(0, 0, 4, 2) << QSize(4, 2) << QPoint(0, 0);
    QTest::newRow("beyond the right edge") << QRect(2, 1, 10, 10) << QSize(2, 1) << QPoint(2, 1);
    QTest::newRow("above and left") << QRect(-3, -3, 5, 4) << QSize(2, 1) << QPoint(0, 0);
    QTest::newRow("outside") << QRect(10, 10, 3, 3) << QSize() << QPoint();
}

void TestImageConversion::pixmapOfRectangle()
{
    QFETCH(QRect, rectangle);
    QFETCH(QSize, size);
    QFETCH(QPoint, firstPixel);
    CImageManager manager;
    manager.SetImage(MakeSwatch());
    const QPixmap pixmap = manager.GetPixmap(rectangle);
    if (!size.isValid()) {
        QVERIFY(pixmap.isNull());
        return;
    }
    QCOMPARE(pixmap.size(), size);
    const QImage shown = pixmap.toImage();
    QVERIFY(!shown.hasAlphaChannel());
    const QImage expected = MagickToQImage(MakeSwatch());
    const QColor want = expected.pixelColor(firstPixel);
    const QColor got = shown.pixelColor(0, 0);
    QCOMPARE(got.red(), want.red());
    QCOMPARE(got.green(), want.green());
    QCOMPARE(got.blue(), want.blue());
    // The preview is opaque even where the photo is not.
    QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1).alpha(), 255);
}

void TestImageConversion::checkerboard()
{
    // No alpha: left alone.
    CImageManager opaque;
    opaque.SetImage(MakePhoto(40, 30));
    QVERIFY(opaque.AddCheckerboardBackground());
    QCOMPARE(opaque.image.compare(MakePhoto(40, 30), Magick::RootMeanSquaredErrorMetric), 0.0);

    // Transparent left half: the checkerboard shows there, the opaque half is unchanged.
    const QString path = m_folder.path() + QStringLiteral("/alpha.png");
    WriteAlphaPng16(path, 40, 30);
    CImageManager transparent;
    QVERIFY(transparent.Read(path));
    const QImage before = MagickToQImage(transparent.image);
    QVERIFY(transparent.AddCheckerboardBackground());
    const QImage after = MagickToQImage(transparent.image);
    QCOMPARE(after.size(), QSize(40, 30));
    QSet<QRgb> backdrop;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            QCOMPARE(qAlpha(after.pixel(x, y)), 255);
            backdrop.insert(after.pixel(x, y));
        }
    }
    QVERIFY(backdrop.size() >= 2);
    QCOMPARE(after.pixel(35, 10), before.pixel(35, 10));

    CImageManager empty;
    QVERIFY(!empty.AddCheckerboardBackground());
}

void TestImageConversion::scale_data()
{
    QTest::addColumn<QSize>("from");
    QTest::addColumn<double>("percent");
    QTest::addColumn<QSize>("to");
    QTest::newRow("half, rounded up") << QSize(101, 75) << 50.0 << QSize(51, 38);
    QTest::newRow("double") << QSize(10, 5) << 200.0 << QSize(20, 10);
    QTest::newRow("a third of a tiny image") << QSize(3, 3) << 10.0 << QSize(1, 1);
    QTest::newRow("unchanged") << QSize(64, 48) << 100.0 << QSize(64, 48);
}

void TestImageConversion::scale()
{
    QFETCH(QSize, from);
    QFETCH(double, percent);
    QFETCH(QSize, to);
    CImageManager manager;
    manager.SetImage(MakePhoto(size_t(from.width()), size_t(from.height())));
    QVERIFY(manager.Scale(percent));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), to);

    QVERIFY(!manager.Scale(0));
    CImageManager empty;
    QVERIFY(!empty.Scale(50));
}

void TestImageConversion::pixmapWithOpacity_data()
{
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("alpha"); // of an opaque pixel afterwards
    QTest::newRow("unchanged") << 255 << 255;
    QTest::newRow("half") << 128 << 128;
    QTest::newRow("invisible") << 0 << 0;
}

void TestImageConversion::pixmapWithOpacity()
{
    QFETCH(int, opacity);
    QFETCH(int, alpha);
    QImage source(8, 6, QImage::Format_ARGB32);
    source.fill(QColor(200, 40, 10));
    source.setPixelColor(0, 0, QColor(10, 20, 30, 100));
    const QPixmap pixmap = QPixmap::fromImage(source);

    const QImage faded = PixmapWithOpacity(pixmap, opacity).toImage();
    QCOMPARE(faded.size(), source.size());
    const QColor opaquePixel = faded.pixelColor(4, 3);
    QVERIFY(qAbs(opaquePixel.alpha() - alpha) <= 1);
    if (alpha > 0) {
        QVERIFY(qAbs(opaquePixel.red() - 200) <= 2);
        QVERIFY(qAbs(opaquePixel.green() - 40) <= 2);
        // The translucent corner is faded by the same factor.
        QVERIFY(qAbs(faded.pixelColor(0, 0).alpha() - 100 * alpha / 255) <= 1);
    }
    QVERIFY(PixmapWithOpacity(QPixmap(), 255).isNull());
}

void TestImageConversion::photoInfoSizes_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("sizeLine");
    QTest::newRow("empty") << 0 << "Size: N/A";
    QTest::newRow("one kilobyte") << 1024 << "Size: 1.00 KB";
    QTest::newRow("just below a megabyte") << 1048575 << "Size: 1024.00 KB";
    QTest::newRow("one megabyte") << 1048576 << "Size: 1.00 MB";
}

void TestImageConversion::photoInfoSizes()
{
    QFETCH(int, bytes);
    QFETCH(QString, sizeLine);
    // Bytes that are no photo: the file lines stay, the photo lines are left out.
    const QString path = m_folder.path() + QStringLiteral("/holiday.photo.jpg");
    QVERIFY(WriteBytes(path, RandomBytes(bytes)));
    const QStringList lines = PhotoInfoText(path).split(QLatin1Char('\n'));
    QCOMPARE(lines,
        (QStringList {
            QStringLiteral("Name: holiday.photo"), QStringLiteral("Type: JPG"), sizeLine }));
}

void TestImageConversion::photoInfoOfCameraPhoto_data()
{
    QTest::addColumn<QByteArray>("make");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QString>("camera"); // empty: no camera line
    QTest::newRow("model repeats the make")
        << QByteArray("Canon") << QByteArray("Canon EOS 5D") << "Camera: Canon EOS 5D";
    QTest::newRow("model repeats the make's first word")
        << QByteArray("NIKON CORPORATION") << QByteArray("NIKON D750") << "Camera: NIKON D750";
    QTest::newRow("model without the make")
        << QByteArray("Canon") << QByteArray("EOS R5") << "Camera: Canon EOS R5";
    QTest::newRow("model only") << QByteArray() << QByteArray("X100V") << "Camera: X100V";
    QTest::newRow("neither") << QByteArray() << QByteArray() << "";
}

void TestImageConversion::photoInfoOfCameraPhoto()
{
    QFETCH(QByteArray, make);
    QFETCH(QByteArray, model);
    QFETCH(QString, camera);
    SExifFacts facts;
    facts.make = make;
    facts.model = model;
    facts.dateTimeOriginal = "2021:07:14 09:30:15";
    const QString path = m_folder.path() + QStringLiteral("/IMG_0001.JPG");
    WriteJpegWithExif(path, facts, 64, 48);

    QStringList expected { QStringLiteral("Name: IMG_0001"), QStringLiteral("Type: JPG") };
    const QStringList lines = PhotoInfoText(path).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 2), expected);
    QVERIFY(lines.at(2).startsWith(QLatin1String("Size: ")) && lines.at(2).endsWith(" KB"));
    QCOMPARE(lines.at(3), QStringLiteral("Dimensions: 64x48"));
    QCOMPARE(lines.at(4), QStringLiteral("Date: 2021-07-14 09:30"));
    QCOMPARE(lines.value(5), camera);
    QCOMPARE(lines.size(), camera.isEmpty() ? 5 : 6);
}

void TestImageConversion::photoInfoOfMissingPhoto()
{
    QCOMPARE(PhotoInfoText(m_folder.path() + QStringLiteral("/gone.jpg")),
        QStringLiteral("Photo not found"));
}

void TestImageConversion::magickToQImageOfScaledOpaquePhotoIsOpaque()
{
    // A photo without a matte channel, scaled: IM6 leaves its opacity slots undefined.
    for (int round = 0; round < 4; ++round) {
        Magick::Image photo(Magick::Geometry(640, 480), Magick::ColorRGB(0.2, 0.5, 0.8));
        photo.matte(false);
        photo.scale(Magick::Geometry(320, 240));
        QVERIFY(!photo.matte());
        const QImage image = MagickToQImage(photo);
        QCOMPARE(image.size(), QSize(320, 240));
        for (int y = 0; y < image.height(); y += 37)
            for (int x = 0; x < image.width(); x += 41)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
    }
}

QUENDRASIL_TEST_MAIN_WITH(TestImageConversion, QGuiApplication, InitializeImageEngine)
#include "tst_imageconversion.moc"
