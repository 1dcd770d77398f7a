#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "ImageManager.h"
#include "TestPhotos.h"
#include "UserProfile.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <Magick++.h>

#include <atomic>

using namespace TestPhotos;
using MagickCore::Quantum;

namespace {

// Collects the trace lines written while it lives.
class CTraceCapture
{
public:
    CTraceCapture()
    {
        active = this;
        previous = qInstallMessageHandler(&CTraceCapture::Handler);
    }
    ~CTraceCapture()
    {
        qInstallMessageHandler(previous);
        active = nullptr;
    }
    int Count(const QString &text) const
    {
        QMutexLocker locker(&lock);
        int count = 0;
        for (const QString &line : lines)
            count += line.contains(text) ? 1 : 0;
        return count;
    }

private:
    static void Handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (active) {
            QMutexLocker locker(&active->lock);
            active->lines << message;
        }
    }
    static inline CTraceCapture *active = nullptr;
    QtMessageHandler previous = nullptr;
    mutable QMutex lock;
    QStringList lines;
};

// Counts progress reports and can ask for the running operation to stop.
class CProgressCounter : public CImageProgressReceiver
{
public:
    void OnImageProgress(SProgressState &state) override
    {
        ++reports;
        lastPercent = state.percent;
        if (abortAfter > 0 && reports >= abortAfter)
            state.abort = true;
    }
    int reports = 0;
    int lastPercent = -1;
    int abortAfter = 0;
};

QString RawSample()
{
    return QStringLiteral(QUENDRASIL_TEST_DATA_DIR "/IMG_5952.CR2");
}

} // namespace

class TestImageReading : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void engineSetUp();
    void readerChoice_data();
    void readerChoice();
    void cameraJpegProperties();
    void propertyTexts_data();
    void propertyTexts();
    void pageCounts_data();
    void pageCounts();
    void multipageSource_data();
    void multipageSource();
    void appendedPages();
    void filtersOnPages_data();
    void filtersOnPages();
    void cmykSourceBecomesSRGB_data();
    void cmykSourceBecomesSRGB();
    void alphaPng16();
    void badFiles_data();
    void badFiles();
    void postScriptDocuments_data();
    void postScriptDocuments();
    void decompressionBombs();
    void interpretedNames_data();
    void interpretedNames();
    void warningKeepsMetadata();
    void previewCache();
    void previewCacheSkipsGrey();
    void previewCacheSharedByThreads();
    void progressAndAbort();
    void rawPhoto();
    void rawExtensionOnOtherFile();

private:
    QString Path(const QString &name) const { return m_folder.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_folder;
};

void TestImageReading::init()
{
    QVERIFY(m_folder.isValid());
}

void TestImageReading::cleanup()
{
    CImageManager::SetPreviewThread(nullptr);
    CIMImageCache::instance()->Clear();
}

void TestImageReading::engineSetUp()
{
    // The project's policy lifts the system's 256 MiB / 16000 px ceilings.
    QVERIFY(MagickCore::GetMagickResourceLimit(MagickCore::MemoryResource)
        > MagickCore::MagickSizeType(256) * 1024 * 1024);
    QCOMPARE(MagickCore::GetMagickResourceLimit(MagickCore::WidthResource), 64000u);
    QCOMPARE(MagickCore::GetMagickResourceLimit(MagickCore::HeightResource), 64000u);
    QVERIFY(!qEnvironmentVariable("MAGICK_CONFIGURE_PATH").isEmpty());

    for (const QString &coder : ImageDeniedCoders()) {
        const QByteArray name = coder.toLatin1();
        QVERIFY2(!MagickCore::IsRightsAuthorized(
                     MagickCore::CoderPolicyDomain, MagickCore::ReadPolicyRights, name.constData()),
            name.constData());
    }
    for (const char *coder : { "PDF", "PS", "EPS", "JPEG", "PNG", "TIFF", "PATTERN" }) {
        QVERIFY2(MagickCore::IsRightsAuthorized(
                     MagickCore::CoderPolicyDomain, MagickCore::ReadPolicyRights, coder),
            coder);
    }
    QVERIFY(!MagickCore::IsRightsAuthorized(
        MagickCore::PathPolicyDomain, MagickCore::ReadPolicyRights, "@/etc/passwd"));
}

void TestImageReading::readerChoice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("reader");
    QTest::newRow("canon raw, upper") << "/photos/IMG_1.CR2" << 2;
    QTest::newRow("canon raw, lower") << "/photos/img_1.cr2" << 2;
    QTest::newRow("nikon raw, mixed") << "/photos/a.Nef" << 2;
    QTest::newRow("dng") << "/photos/a.dng" << 2;
    QTest::newRow("jpeg upper") << "/photos/a.JPG" << 1;
    QTest::newRow("jpeg lower") << "/photos/a.jpeg" << 1;
    QTest::newRow("raw word in folder only") << "/photos/cr2/a.png" << 1;
    QTest::newRow("no extension") << "/photos/readme" << 1;
}

void TestImageReading::readerChoice()
{
    QFETCH(QString, path);
    QFETCH(int, reader);
    CImageManager manager;
    QCOMPARE(manager.GetReaderType(path), reader);
}

void TestImageReading::cameraJpegProperties()
{
    const QString path = Path("camera.jpg");
    WriteJpegWithExif(path, CameraFacts(), 64, 48);

    CImageManager manager;
    QVERIFY2(manager.Read(path), qPrintable(manager.GetErrorText()));
    QVERIFY(manager.image.isValid());
    const SImageProperties read = manager.GetImageProperties();
    QCOMPARE(read.Width, 64u);
    QCOMPARE(read.Height, 48u);
    QCOMPARE(read.Orientation, 6);
    QCOMPARE(read.Make, QStringLiteral("Canon"));
    QCOMPARE(read.Model, QStringLiteral("Canon EOS 5D"));
    QCOMPARE(read.Artist, QStringLiteral("Ada Example"));
    QCOMPARE(read.DateTimeOriginal, QStringLiteral("2021:07:14 09:30:15"));
    QCOMPARE(read.GPSLatitude, QStringLiteral("52\u00B031'28.56\"N"));
    QCOMPARE(read.GPSLongitude, QStringLiteral("13\u00B024'0\"E"));
    QCOMPARE(read.GPSPosition, read.GPSLatitude + QLatin1Char(' ') + read.GPSLongitude);
    QCOMPARE(read.GPSAltitude, QStringLiteral("-125.0 m"));
    QCOMPARE(read.Exposure, QStringLiteral("1/4000 sec"));
    QCOMPARE(read.Aperture, QStringLiteral("f/2.8"));
    QCOMPARE(read.ISO, QStringLiteral("ISO-400"));
    QVERIFY(!manager.cmykSource);
    // The embedded thumbnail the thumbnail loader looks for is in place.
    QVERIFY(!manager.image.attribute("exif:thumbnail:JPEGInterchangeFormatLength").empty());

    // A ping gives the same facts without pixels.
    CImageManager pinged;
    QVERIFY(pinged.Ping(path));
    const SImageProperties facts = pinged.GetImageProperties();
    QCOMPARE(facts.Width, 64u);
    QCOMPARE(facts.DateTimeOriginal, read.DateTimeOriginal);
    QCOMPARE(facts.GPSPosition, read.GPSPosition);
    QCOMPARE(facts.Orientation, 6);

    // A photo without EXIF gives empty texts, never "ISO-" alone.
    const QString plain = Path("plain.jpg");
    MakePhoto(20, 10).write("JPEG:" + plain.toStdString());
    QVERIFY(manager.Read(plain));
    const SImageProperties none = manager.GetImageProperties();
    QVERIFY(none.Make.isEmpty());
    QVERIFY(none.ISO.isEmpty());
    QVERIFY(none.GPSPosition.isEmpty());
    QCOMPARE(none.Orientation, 0);
    QCOMPARE(none.Width, 20u);
}

void TestImageReading::propertyTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("expected");

    QTest::newRow("aperture 28/10") << "aperture"
                                    << "28/10"
                                    << ""
                                    << "f/2.8";
    QTest::newRow("aperture 8/1") << "aperture"
                                  << "8/1"
                                  << ""
                                  << "f/8";
    QTest::newRow("aperture without denominator") << "aperture"
                                                  << "8"
                                                  << ""
                                                  << "";
    QTest::newRow("aperture zero denominator") << "aperture"
                                               << "8/0"
                                               << ""
                                               << "";

    QTest::newRow("exposure 1/250") << "exposure"
                                    << "1/250"
                                    << ""
                                    << "1/250 sec";
    QTest::newRow("exposure 10/2500") << "exposure"
                                      << "10/2500"
                                      << ""
                                      << "1/250 sec";
    QTest::newRow("exposure 1/4000") << "exposure"
                                     << "1/4000"
                                     << ""
                                     << "1/4000 sec";
    QTest::newRow("exposure 2/1") << "exposure"
                                  << "2/1"
                                  << ""
                                  << "2 sec";
    QTest::newRow("exposure 5/10") << "exposure"
                                   << "5/10"
                                   << ""
                                   << "0.5 sec";
    QTest::newRow("exposure 13/10") << "exposure"
                                    << "13/10"
                                    << ""
                                    << "1.3 sec";
    QTest::newRow("exposure 1/3") << "exposure"
                                  << "1/3"
                                  << ""
                                  << "1/3 sec";
    QTest::newRow("exposure 4/10") << "exposure"
                                   << "4/10"
                                   << ""
                                   << "1/2.5 sec";
    QTest::newRow("exposure absent") << "exposure"
                                     << ""
                                     << ""
                                     << "";
    QTest::newRow("exposure zero") << "exposure"
                                   << "0/1"
                                   << ""
                                   << "";

    QTest::newRow("gps whole") << "gps"
                               << "52/1, 31/1, 28/1"
                               << "N"
                               << "52\u00B031'28\"N";
    QTest::newRow("gps seconds in hundredths") << "gps"
                                               << "52/1, 31/1, 2856/100"
                                               << "N"
                                               << "52\u00B031'28.56\"N";
    QTest::newRow("gps minutes with decimals") << "gps"
                                               << "13/1, 3125/100, 0/1"
                                               << "E"
                                               << "13\u00B031.25'0\"E";
    QTest::newRow("gps zero denominator") << "gps"
                                          << "13/1, 24/1, 0/0"
                                          << "W"
                                          << "13\u00B024'0\"W";
    QTest::newRow("gps two values") << "gps"
                                    << "52/1, 31/1"
                                    << "N"
                                    << "";

    QTest::newRow("altitude below sea") << "altitude"
                                        << "1250/10"
                                        << "1"
                                        << "-125.0 m";
    QTest::newRow("altitude above sea") << "altitude"
                                        << "125/10"
                                        << "0"
                                        << "12.5 m";
    QTest::newRow("altitude without slash") << "altitude"
                                            << "300"
                                            << "0"
                                            << "";
    QTest::newRow("altitude zero denominator") << "altitude"
                                               << "300/0"
                                               << ""
                                               << "300.0 m";
}

void TestImageReading::propertyTexts()
{
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    QString text;
    if (kind == QLatin1String("aperture"))
        text = ApertureText(value);
    else if (kind == QLatin1String("exposure"))
        text = ExposureText(value);
    else if (kind == QLatin1String("gps"))
        text = GPSCoordinateText(value, reference);
    else
        text = GPSAltitudeText(value, reference);
    QCOMPARE(text, expected);
}

void TestImageReading::pageCounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pages");
    QTest::newRow("jpeg") << "one.jpg" << 1;
    QTest::newRow("three-page tiff") << "three.tif" << 3;
    QTest::newRow("three-page pdf") << "three.pdf" << 3;
    QTest::newRow("random bytes") << "noise.tif" << 0;
    QTest::newRow("missing") << "missing.png" << 0;
}

void TestImageReading::pageCounts()
{
    QFETCH(QString, name);
    QFETCH(int, pages);
    MakePhoto(20, 10).write("JPEG:" + Path("one.jpg").toStdString());
    WriteMultipageFile("TIFF:" + Path("three.tif"), 3);
    WriteMultipageFile("PDF:" + Path("three.pdf"), 3);
    WriteBytes(Path("noise.tif"), RandomBytes(3000));

    CImageManager manager;
    QCOMPARE(manager.GetPageCount(Path(name)), pages);
}

void TestImageReading::multipageSource_data()
{
    QTest::addColumn<int>("layers");
    QTest::newRow("each layer") << 0;
    QTest::newRow("flatten") << 1;
    QTest::newRow("first layer") << 2;
}

void TestImageReading::multipageSource()
{
    QFETCH(int, layers);
    const QString path = Path("pages.tif");
    WriteMultipageFile("TIFF:" + path, 3);

    CImageManager manager;
    manager.options.MultipageWrite = layers;
    QVERIFY(manager.Read(Path("pages.tif"))); // an image left from an earlier read
    QVERIFY2(manager.ReadMultipage(path), qPrintable(manager.GetErrorText()));
    QVERIFY(manager.multipage);
    QCOMPARE(manager.pages.size(), 3);
    QCOMPARE(manager.pages[2].columns(), 50u);
    QCOMPARE(manager.GetImageProperties().Width, 30u);
    // Only flattening makes a current image; otherwise the pages are the photo.
    QCOMPARE(manager.image.isValid(), layers == 1);
    if (layers == 1)
        QCOMPARE(manager.image.columns(), 30u);

    // A plain read afterwards is single-page again.
    QVERIFY(manager.Read(path));
    QVERIFY(!manager.multipage);
    QCOMPARE(manager.image.columns(), 30u);
}

void TestImageReading::appendedPages()
{
    MakePhoto(20, 10).write("JPEG:" + Path("a.jpg").toStdString());
    MakePhoto(30, 12).write("PNG:" + Path("b.png").toStdString());
    CImageManager manager;
    QVERIFY(manager.ReadAppendPage(Path("a.jpg")));
    QVERIFY(!manager.ReadAppendPage(Path("missing.jpg")));
    QVERIFY(manager.ReadAppendPage(Path("b.png")));
    QCOMPARE(manager.pages.size(), 2);
    QCOMPARE(manager.pages[1].columns(), 30u);
    QVERIFY(!manager.image.isValid());
}

void TestImageReading::filtersOnPages_data()
{
    QTest::addColumn<int>("layers");
    QTest::addColumn<QList<bool>>("negated"); // per page, then the current image last
    QTest::newRow("each layer") << 0 << QList<bool> { true, true, true, false };
    QTest::newRow("flatten") << 1 << QList<bool> { false, false, false, true };
    QTest::newRow("first layer only") << 2 << QList<bool> { true, false, false, false };
}

void TestImageReading::filtersOnPages()
{
    QFETCH(int, layers);
    QFETCH(QList<bool>, negated);
    const QString path = Path("pages.tif");
    WriteMultipageFile("TIFF:" + path, 3);
    SFilterRecord negate;
    negate.id = FilterId::Negate;
    negate.active = true;

    CImageManager manager;
    manager.options.MultipageWrite = layers;
    QVERIFY(manager.ReadMultipage(path));
    QVERIFY(manager.ApplyFilterToMultipage(negate));
    // The top-left pixel of every test page is pure red; negated it is cyan.
    const auto isCyan = [](Magick::Image page) {
        unsigned char rgb[3] = {};
        page.write(0, 0, 1, 1, "RGB", Magick::CharPixel, rgb);
        return rgb[0] < 10 && rgb[1] > 245 && rgb[2] > 245;
    };
    for (int index = 0; index < 3; ++index)
        QCOMPARE(isCyan(manager.pages[index]), negated[index]);
    QCOMPARE(manager.image.isValid() && isCyan(manager.image), negated[3]);

    // A document's filter touches only the page just appended.
    CImageManager document;
    QVERIFY(!document.ApplyFilterToCurrentPage(negate));
    QVERIFY(document.ReadAppendPage(path));
    QVERIFY(document.ReadAppendPage(path));
    QVERIFY(document.ApplyFilterToCurrentPage(negate));
    QVERIFY(!isCyan(document.pages.first()));
    QVERIFY(isCyan(document.pages.last()));

    // A single image, and an id no filter has.
    QVERIFY(document.Read(path));
    QVERIFY(document.ApplyFilter(negate));
    QVERIFY(isCyan(document.image));
    SFilterRecord unknown;
    unknown.id = 9999;
    QVERIFY(!document.ApplyFilter(unknown));
}

void TestImageReading::cmykSourceBecomesSRGB_data()
{
    QTest::addColumn<bool>("withProfile");
    QTest::addColumn<bool>("multipageRoad");
    QTest::newRow("no profile, single") << false << false;
    QTest::newRow("own profile, single") << true << false;
    QTest::newRow("no profile, multi-page road") << false << true;
}

void TestImageReading::cmykSourceBecomesSRGB()
{
    QFETCH(bool, withProfile);
    QFETCH(bool, multipageRoad);
    const QByteArray cmykProfile = ReadBytes(Platform::ProgramDataFolder() + "/RSWOP.ICM");
    QVERIFY(!cmykProfile.isEmpty());
    const QString path = Path("cmyk.jpg");
    if (withProfile) {
        // Tag the sRGB photo first so that ImageMagick converts it into the CMYK profile.
        Magick::Image image = MakePhoto(48, 32);
        const QByteArray srgb = ReadBytes(Platform::ProgramDataFolder() + "/sRGB.icm");
        image.profile("ICC", Magick::Blob(srgb.constData(), size_t(srgb.size())));
        image.profile("ICC", Magick::Blob(cmykProfile.constData(), size_t(cmykProfile.size())));
        image.write("JPEG:" + path.toStdString());
    } else {
        WriteCmykJpeg(path);
    }

    CImageManager manager;
    Magick::Image result;
    if (multipageRoad) {
        QVERIFY(manager.ReadMultipage(path));
        result = manager.pages.first();
    } else {
        QVERIFY(manager.Read(path));
        result = manager.image;
    }
    QVERIFY(manager.cmykSource);
    QCOMPARE(manager.embeddedProfile.length() > 0, withProfile);
    QCOMPARE(result.colorSpace(), Magick::sRGBColorspace);
    // The left edge was red, the right edge blue.
    const Magick::ColorRGB left = result.pixelColor(1, 16);
    const Magick::ColorRGB right = result.pixelColor(46, 16);
    QVERIFY2(left.red() > 0.6 && left.blue() < 0.4, qPrintable(QString::number(left.red())));
    QVERIFY(right.blue() > 0.5 && right.red() < 0.4);
}

void TestImageReading::alphaPng16()
{
    const QString path = Path("alpha16.png");
    WriteAlphaPng16(path);
    CImageManager manager;
    QVERIFY(manager.Read(path));
    QVERIFY(manager.image.matte());
    QCOMPARE(manager.image.depth(), 16u);
    QVERIFY(manager.image.pixelColor(2, 2).alphaQuantum() == QuantumRange); // transparent
    QVERIFY(manager.image.pixelColor(38, 2).alphaQuantum() == 0); // opaque
}

void TestImageReading::postScriptDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QSize>("size"); // at 72 dpi, one pixel a point
    QTest::addColumn<int>("pages");
    QTest::addColumn<QPoint>("redPixel"); // a pixel the document paints red

    const QByteArray redBox = "1 0 0 setrgbcolor 0 0 200 200 rectfill showpage\n";
    QTest::newRow("eps, box on the second line")
        << "box.eps"
        << "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 200 200\n" + redBox << QSize(200, 200) << 1
        << QPoint(100, 100);
    QTest::newRow("eps, lines ending in CR")
        << "mac.eps"
        << "%!PS-Adobe-3.0 EPSF-3.0\r%%BoundingBox: 0 0 200 200\r" + redBox << QSize(200, 200) << 1
        << QPoint(100, 100);
    QTest::newRow("eps, lines ending in CR LF")
        << "dos.eps"
        << "%!PS-Adobe-3.0 EPSF-3.0\r\n%%BoundingBox: 0 0 200 200\r\n" + redBox << QSize(200, 200)
        << 1 << QPoint(100, 100);
    QTest::newRow("eps, box away from the origin")
        << "offset.eps"
        << QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 100 50 300 150\n"
                      "1 0 0 setrgbcolor 100 50 200 100 rectfill showpage\n")
        << QSize(200, 100) << 1 << QPoint(2, 97);
    QTest::newRow("ps without a box is a letter page")
        << "page.ps" << QByteArray("%!PS\n1 0 0 setrgbcolor 0 0 100 100 rectfill showpage\n")
        << QSize(612, 792) << 1 << QPoint(50, 750);
    QTest::newRow("two-page ps") << "two.ps"
                                 << QByteArray(
                                        "%!PS-Adobe-3.0\n%%Pages: 2\n%%BoundingBox: 0 0 300 100\n"
                                        "1 0 0 setrgbcolor 0 0 300 100 rectfill showpage\n"
                                        "0 0 1 setrgbcolor 0 0 300 100 rectfill showpage\n")
                                 << QSize(300, 100) << 2 << QPoint(150, 50);
}

// PostScript reads at 72 dpi in the size its bounding box gives, whatever line the box is on.
void TestImageReading::postScriptDocuments()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, document);
    QFETCH(QSize, size);
    QFETCH(int, pages);
    QFETCH(QPoint, redPixel);
    const QString path = Path(name);
    QVERIFY(WriteBytes(path, document));

    CImageManager manager;
    QCOMPARE(manager.GetPageCount(path), pages);
    QVERIFY2(manager.Ping(path), qPrintable(manager.GetErrorText()));
    QCOMPARE(QSize(int(manager.properties.Width), int(manager.properties.Height)), size);
    QVERIFY2(manager.Read(path), qPrintable(manager.GetErrorText()));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), size);
    const Magick::ColorRGB red
        = manager.image.pixelColor(size_t(redPixel.x()), size_t(redPixel.y()));
    QVERIFY(red.red() > 0.9 && red.green() < 0.1 && red.blue() < 0.1);
}

void TestImageReading::badFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray secret = "reference-target.png";
    Magick::Blob jpeg;
    MakeNoisyPhoto(200, 150).write(&jpeg, "JPEG");
    Magick::Blob png;
    MakeNoisyPhoto(200, 150).write(&png, "PNG");
    const QByteArray jpegBytes = BlobBytes(jpeg);
    const QByteArray pngBytes = BlobBytes(png);

    QTest::newRow("zero bytes") << "empty.jpg" << QByteArray() << "empty";
    QTest::newRow("random bytes as jpeg") << "noise.jpg" << RandomBytes(5000) << "Not a JPEG file";
    QTest::newRow("random bytes as png")
        << "noise.png" << RandomBytes(5000) << "improper image header";
    QTest::newRow("png bytes named jpg") << "wrong.jpg" << pngBytes << "Not a JPEG file";
    QTest::newRow("jpeg cut in its header") << "head.jpg" << jpegBytes.left(120) << "JPEG";
    QTest::newRow("jpeg cut in its scan")
        << "half.jpg" << jpegBytes.left(jpegBytes.size() / 2) << "truncated";
    QTest::newRow("png cut short") << "half.png" << pngBytes.left(pngBytes.size() / 2) << "";
    QTest::newRow("mvg naming a file")
        << "naming.mvg" << MvgNaming("/etc/passwd") << "security policy";
    QTest::newRow("svg naming a file")
        << "naming.svg" << SvgNaming("/etc/passwd") << "security policy";
    QTest::newRow("svg named jpg") << "vector.jpg" << SvgNaming("/etc/passwd") << "Not a JPEG file";
    QTest::newRow("mvg named png") << "vector.png" << MvgNaming(secret) << "improper image header";
    QTest::newRow("msl script") << "script.msl"
                                << QByteArray("<image><read filename=\"/etc/passwd\"/></image>")
                                << "security policy";
    QTest::newRow("unknown extension") << "photo.xyz" << jpegBytes << "Unknown photo file type";
    QTest::newRow("no extension") << "photo" << jpegBytes << "Unknown photo file type";
    QTest::newRow("format this build lacks") << "photo.jxl" << jpegBytes << "cannot be read";
}

void TestImageReading::badFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = Path(name);
    QVERIFY(WriteBytes(path, bytes));

    CImageManager manager;
    QVERIFY(!manager.Read(path));
    QVERIFY(!manager.image.isValid());
    QVERIFY2(manager.GetErrorText().contains(reason, Qt::CaseInsensitive),
        qPrintable(manager.GetErrorText()));

    QVERIFY(!manager.ReadMultipage(path));
    QVERIFY(manager.pages.isEmpty());
    // Pings and page counts read only the headers, which a file cut short still has whole.
    if (!name.startsWith(QLatin1String("half"))) {
        QCOMPARE(manager.GetPageCount(path), 0);
        QVERIFY(!manager.Ping(path));
    }
}

void TestImageReading::decompressionBombs()
{
    // A header that promises 900 megapixels with almost no data behind it.
    const QString bomb = Path("bomb.ppm");
    QVERIFY(WriteBytes(bomb, QByteArray("P6\n30000 30000\n255\n") + RandomBytes(64)));
    CImageManager manager;
    QVERIFY(!manager.Read(bomb));
    QVERIFY2(manager.GetErrorText().contains("too large"), qPrintable(manager.GetErrorText()));
    QVERIFY(!manager.Ping(bomb));

    // More frames than allowed: a multi-page read is refused, the first frame still reads.
    // (PGM frames simply follow each other, so such a file is quick to make.)
    const QString frames = Path("frames.pgm");
    QVERIFY(WriteBytes(
        frames, QByteArray("P5\n1 1\n255\n\x80").repeated(CImageManager::MaximumFrameCount + 1)));
    QVERIFY(!manager.ReadMultipage(frames));
    QVERIFY2(manager.GetErrorText().contains("frames"), qPrintable(manager.GetErrorText()));
    QCOMPARE(manager.GetPageCount(frames), 0);
    QVERIFY(manager.Read(frames));
    QCOMPARE(manager.image.columns(), 1u);
}

void TestImageReading::interpretedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("frame selection") << "shot[0].png";
    QTest::newRow("size selection") << "shot[10x10].png";
    QTest::newRow("frame number") << "shot%d.png";
    QTest::newRow("file list") << "@shot.png";
    // Relative, from the folder: ImageMagick would run "shot.png" as a command.
    QTest::newRow("pipe") << "|shot.png";
    // With the folders, the path fills almost all of the 4095 bytes Linux allows, more than
    // ImageMagick's name buffer holds once the coder is put in front.
    QTest::newRow("path near the system's limit") << "<deep>";
}

void TestImageReading::interpretedNames()
{
    QFETCH(QString, name);
    // A decoy that ImageMagick would read instead if it interpreted the name.
    MakePhoto(80, 60).write("PNG:" + Path("shot.png").toStdString());
    MakePhoto(80, 60).write("PNG:" + Path("shot0.png").toStdString());
    QString path = Path(name);
    if (name == QLatin1String("<deep>")) {
        QString folder = m_folder.path();
        while (folder.size() < 4090 - 250)
            folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(folder));
        path = folder + QLatin1Char('/') + QString(4090 - folder.size() - 5, QLatin1Char('f'))
            + QStringLiteral(".png");
        QCOMPARE(path.size(), 4090);
    }
    Magick::Blob blob;
    MakePhoto(41, 31).write(&blob, "PNG");
    QVERIFY(WriteBytes(path, BlobBytes(blob)));
    const QString before = QDir::currentPath();
    const auto back = qScopeGuard([&before]() { QDir::setCurrent(before); });
    if (name.startsWith(QLatin1Char('|'))) {
        QDir::setCurrent(m_folder.path());
        path = name;
    }

    CImageManager manager;
    QVERIFY2(manager.Read(path), qPrintable(manager.GetErrorText()));
    QCOMPARE(manager.image.columns(), 41u);
    QVERIFY(manager.Ping(path));
    QCOMPARE(manager.GetImageProperties().Width, 41u);
    QCOMPARE(manager.GetPageCount(path), 1);
    QVERIFY(manager.ReadMultipage(path));
    QCOMPARE(manager.pages.first().rows(), 31u);
}

void TestImageReading::warningKeepsMetadata()
{
    // Stray bytes before the end marker make libjpeg warn; the photo itself is whole.
    const QString clean = Path("clean.jpg");
    WriteJpegWithExif(clean, CameraFacts());
    QByteArray bytes = ReadBytes(clean);
    QVERIFY(bytes.endsWith("\xFF\xD9"));
    bytes.insert(bytes.size() - 2, QByteArray(7, '\x00'));
    const QString warned = Path("warned.jpg");
    QVERIFY(WriteBytes(warned, bytes));

    CImageManager manager;
    QVERIFY(manager.Read(warned));
    QVERIFY2(
        manager.GetErrorText().contains("Corrupt JPEG data"), qPrintable(manager.GetErrorText()));
    QCOMPARE(manager.GetImageProperties().Make, QStringLiteral("Canon"));
    QCOMPARE(manager.GetImageProperties().Orientation, 6);
    QVERIFY(manager.Ping(warned));
}

void TestImageReading::previewCache()
{
    const QString first = Path("first.png");
    const QString second = Path("second.png");
    WriteAlphaPng16(first, 40, 30);
    MakePhoto(50, 20).write("PNG:" + second.toStdString());

    CImageManager preview;
    preview.previewMode = true;
    {
        CTraceCapture trace;
        QVERIFY(preview.Read(first));
        QCOMPARE(trace.Count("- Cache hit"), 0);
        const Magick::Image decoded = preview.image;
        QVERIFY(preview.Read(first));
        QCOMPARE(trace.Count("- Cache hit"), 1);
        QCOMPARE(trace.Count("- Read with ImageMagick"), 1);
        QCOMPARE(preview.image.columns(), 40u);
        QVERIFY(preview.image.matte());
        QCOMPARE(preview.GetImageProperties().Width, 40u);
        // Rebuilt from 8-bit pixels: the same colours at 8 bits.
        const Magick::ColorRGB cached = preview.image.pixelColor(30, 20);
        const Magick::ColorRGB original = Magick::Image(decoded).pixelColor(30, 20);
        QVERIFY(qAbs(cached.red() - original.red()) < 1.0 / 255);
    }
    {
        // Another photo replaces the entry.
        CTraceCapture trace;
        QVERIFY(preview.Read(second));
        QVERIFY(preview.Read(first));
        QCOMPARE(trace.Count("- Cache hit"), 0);
    }
    {
        // The same name with new content on disk is decoded afresh.
        CTraceCapture trace;
        MakePhoto(60, 25).write("PNG:" + first.toStdString());
        QFile file(first);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(
            QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(preview.Read(first));
        QCOMPARE(trace.Count("- Cache hit"), 0);
        QCOMPARE(preview.image.columns(), 60u);
    }
    // Managers outside preview mode never use the cache.
    CTraceCapture trace;
    CImageManager worker;
    QVERIFY(worker.Read(first));
    QCOMPARE(trace.Count("- Cache hit"), 0);
}

void TestImageReading::previewCacheSkipsGrey()
{
    const QString grey = Path("grey.jpg");
    Magick::Image image = MakePhoto(30, 20);
    image.type(Magick::GrayscaleType);
    image.write("JPEG:" + grey.toStdString());

    CTraceCapture trace;
    CImageManager preview;
    preview.previewMode = true;
    QVERIFY(preview.Read(grey));
    QVERIFY(preview.Read(grey));
    QCOMPARE(trace.Count("- Cache hit"), 0);
    QCOMPARE(trace.Count("less than 3 channels"), 2);
}

void TestImageReading::previewCacheSharedByThreads()
{
    // Several previews read at once, each alternating between two photos: every read must
    // give its own photo, never the other one half replaced in the cache.
    const QString wide = Path("wide.png");
    const QString tall = Path("tall.png");
    MakePhoto(90, 30).write("PNG:" + wide.toStdString());
    MakePhoto(30, 90).write("PNG:" + tall.toStdString());

    std::atomic_int wrong = 0;
    QList<QThread *> threads;
    for (int index = 0; index < 4; ++index) {
        threads << QThread::create([&wrong, wide, tall, index]() {
            CImageManager preview;
            preview.previewMode = true;
            for (int round = 0; round < 25; ++round) {
                const bool useWide = (round + index) % 2 == 0;
                if (!preview.Read(useWide ? wide : tall)
                    || preview.image.columns() != (useWide ? 90u : 30u)
                    || preview.image.pixelColor(0, 0).alphaQuantum() != 0)
                    ++wrong;
            }
        });
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    QCOMPARE(wrong.load(), 0);
}

void TestImageReading::progressAndAbort()
{
    const QString path = Path("large.jpg");
    MakeNoisyPhoto(1200, 900).write("JPEG:" + path.toStdString());

    CProgressCounter counter;
    CImageManager::SetPreviewThread(&counter);
    CImageManager preview;
    preview.previewMode = true;
    QVERIFY(preview.Read(path));
    QVERIFY(counter.reports > 0);
    QVERIFY(counter.lastPercent >= 0 && counter.lastPercent <= 100);

    // Scaling reports too, and an abort stops it without a half-made result.
    counter.reports = 0;
    QVERIFY(preview.Scale(50));
    QVERIFY(counter.reports > 0);
    QCOMPARE(preview.image.columns(), 600u);

    CIMImageCache::instance()->Clear();
    counter.reports = 0;
    counter.abortAfter = 1;
    QVERIFY(!preview.Read(path));
    QVERIFY(!preview.image.isValid());

    // Outside preview mode nothing is reported.
    counter.reports = 0;
    counter.abortAfter = 0;
    CImageManager worker;
    QVERIFY(worker.Read(path));
    QCOMPARE(counter.reports, 0);
}

void TestImageReading::rawPhoto()
{
    if (!QFileInfo::exists(RawSample()))
        QSKIP("The camera RAW sample is not fetched (tools/fetch-test-data.sh)");
    const QString path = Path("sample.CR2");
    QVERIFY(QFile::copy(RawSample(), path));

    CImageManager manager;
    QVERIFY2(manager.Read(path), qPrintable(manager.GetErrorText()));
    const SImageProperties read = manager.GetImageProperties();
    QCOMPARE(manager.image.columns() * manager.image.rows(), 3522u * 2348u);
    // The properties keep the sensor's size, margins included.
    QVERIFY(read.Width >= 3522 && read.Height >= 2348);
    QCOMPARE(read.XResolution, 72.0);
    QCOMPARE(read.ResolutionUnit, 1);
    QCOMPARE(read.Make, QStringLiteral("Canon"));
    QCOMPARE(QString::fromStdString(manager.image.attribute("EXIF:Make")), QStringLiteral("Canon"));

    CImageManager pinged;
    QVERIFY(pinged.Ping(path));
    QCOMPARE(pinged.GetImageProperties().Width, read.Width);
    QCOMPARE(pinged.GetImageProperties().DateTimeOriginal, read.DateTimeOriginal);
    QCOMPARE(pinged.GetPageCount(path), 1);

    // A preview's RAW decode reports its progress.
    CProgressCounter counter;
    CImageManager::SetPreviewThread(&counter);
    CImageManager preview;
    preview.previewMode = true;
    QVERIFY(preview.Read(path));
    QVERIFY(counter.reports >= 3);
    QCOMPARE(preview.GetImageProperties().Make, QStringLiteral("Canon"));
}

void TestImageReading::rawExtensionOnOtherFile()
{
    const QString path = Path("fake.CR2");
    Magick::Blob jpeg;
    MakePhoto(20, 10).write(&jpeg, "JPEG");
    QVERIFY(WriteBytes(path, BlobBytes(jpeg)));
    CImageManager manager;
    QVERIFY(!manager.Read(path));
    QVERIFY(!manager.GetErrorText().isEmpty());
    QVERIFY(!manager.Ping(path));
    QCOMPARE(manager.GetPageCount(path), 0);
}

QUENDRASIL_TEST_MAIN_WITH(TestImageReading, QCoreApplication, InitializeImageEngine)
#include "tst_imagereading.moc"
