#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ColorProfiles.h"
#include "ImageManager.h"
#include "TestPhotos.h"
#include "UserProfile.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <Magick++.h>

using namespace TestPhotos;

namespace {

bool HasEncoder(const char *coder)
{
    MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo *info = MagickCore::GetMagickInfo(coder, exception);
    MagickCore::DestroyExceptionInfo(exception);
    return info && MagickCore::GetImageEncoder(info);
}

// The file read back as ImageMagick sees it, without the program's own reading rules.
Magick::Image ReadBack(const QString &path)
{
    Magick::Image image;
    image.read(path.toStdString());
    return image;
}

// One pixel as 8-bit red, green and blue.
QList<int> Sample(Magick::Image image, int x, int y)
{
    unsigned char rgb[3] = {};
    image.write(x, y, 1, 1, "RGB", Magick::CharPixel, rgb);
    return { rgb[0], rgb[1], rgb[2] };
}

QByteArray ProfileBytes(Magick::Image image)
{
    return BlobBytes(image.profile("ICC"));
}

// The job's format options, as a run hands them to each of its managers.
SImageOptions job;

CImageManager &WithJob(CImageManager &manager)
{
    manager.options = job;
    return manager;
}

} // namespace

class TestImageWriting : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void roundTrip_data();
    void roundTrip();
    void jpegQuality();
    void pngCompression();
    void jpegColorTypes_data();
    void jpegColorTypes();
    void customProfile_data();
    void customProfile();
    void tiffColorTypes_data();
    void tiffColorTypes();
    void tiffCompression_data();
    void tiffCompression();
    void pdfCompression_data();
    void pdfCompression();
    void interlace_data();
    void interlace();
    void jpegSizeLimit_data();
    void jpegSizeLimit();
    void webpLossless();
    void softwareStamp();
    void refusedNames_data();
    void refusedNames();
    void failedWriteKeepsExistingFile();
    void interpretedNames_data();
    void interpretedNames();
    void multipageSource_data();
    void multipageSource();
    void multipageDocument_data();
    void multipageDocument();
    void failedMultipageKeepsPages();

private:
    QString Path(const QString &name) const { return m_folder->path() + QLatin1Char('/') + name; }
    // Files in the output folder: a finished write leaves no temporary names behind.
    QStringList Files() const { return QDir(m_folder->path()).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestImageWriting::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    // The format options of a new job.
    job = SImageOptions();
    job.CustomProfile = CUserProfile::DefaultColorProfile();
}

void TestImageWriting::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("coder"); // that read the file back
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<int>("tolerance"); // of one 8-bit sample

    QTest::newRow("jpg") << "out.jpg"
                         << "JPG" << false << 12;
    QTest::newRow("jpeg") << "out.JPEG"
                          << "JPEG" << false << 12;
    QTest::newRow("jpe") << "out.jpe"
                         << "JPE" << false << 12;
    QTest::newRow("png") << "out.png"
                         << "PNG" << false << 0;
    QTest::newRow("gif") << "out.gif"
                         << "GIF" << false << 40;
    QTest::newRow("tif") << "out.tif"
                         << "TIF" << false << 0;
    QTest::newRow("tiff") << "out.tiff"
                          << "TIFF" << false << 0;
    QTest::newRow("bmp") << "out.bmp"
                         << "BMP" << false << 0;
    QTest::newRow("webp lossy") << "out.webp"
                                << "WEBP" << false << 20;
    QTest::newRow("webp lossless") << "lossless.webp"
                                   << "WEBP" << true << 0;
    QTest::newRow("jp2") << "out.jp2"
                         << "JP2" << false << 12;
    QTest::newRow("heic") << "out.heic"
                          << "HEIC" << false << 25;
    QTest::newRow("heif") << "out.heif"
                          << "HEIC" << false << 25;
    QTest::newRow("avif") << "out.avif"
                          << "AVIF" << false << 25;
    QTest::newRow("pdf") << "out.pdf"
                         << "PDF" << false << 12;
    QTest::newRow("tga") << "out.tga"
                         << "TGA" << false << 0;
    QTest::newRow("psd") << "out.psd"
                         << "PSD" << false << 0;
}

void TestImageWriting::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, coder);
    QFETCH(bool, lossless);
    QFETCH(int, tolerance);
    if (!HasEncoder(coder.toLatin1().constData()))
        QSKIP("This ImageMagick has no encoder for the format");

    job.Lossless = lossless;
    const QString path = Path(name);
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(path), qPrintable(writer.GetErrorText()));
    QCOMPARE(Files(), QStringList { name });
    QVERIFY(QFileInfo(path).size() > 0);

    CImageManager reader;
    QVERIFY2(reader.Read(path), qPrintable(reader.GetErrorText()));
    QCOMPARE(QString::fromStdString(reader.image.magick()), coder);
    QCOMPARE(reader.image.columns(), 64u);
    QCOMPARE(reader.image.rows(), 48u);
    const Magick::Image original = MakePhoto(64, 48);
    for (const QPoint &point : { QPoint(5, 5), QPoint(58, 40), QPoint(32, 24) }) {
        const QList<int> written = Sample(original, point.x(), point.y());
        const QList<int> read = Sample(reader.image, point.x(), point.y());
        for (int channel = 0; channel < 3; ++channel) {
            QVERIFY2(qAbs(written[channel] - read[channel]) <= tolerance,
                qPrintable(QStringLiteral("channel %1 off by %2 at %3,%4")
                               .arg(channel)
                               .arg(written[channel] - read[channel])
                               .arg(point.x())
                               .arg(point.y())));
        }
    }
}

void TestImageWriting::jpegQuality()
{
    job.Quality = 30;
    CImageManager writer;
    writer.SetImage(MakeNoisyPhoto(120, 90));
    QVERIFY(WithJob(writer).Write(Path("low.jpg")));
    job.Quality = 95;
    writer.SetImage(MakeNoisyPhoto(120, 90));
    QVERIFY(WithJob(writer).Write(Path("high.jpg")));

    // ImageMagick estimates a JPEG's quality from its quantisation tables.
    QCOMPARE(ReadBack(Path("low.jpg")).quality(), 30u);
    QCOMPARE(ReadBack(Path("high.jpg")).quality(), 95u);
    QVERIFY(QFileInfo(Path("low.jpg")).size() < QFileInfo(Path("high.jpg")).size());
}

void TestImageWriting::pngCompression()
{
    // PNG takes its compression from PNGComp alone, whatever the quality says.
    job.Quality = 5;
    CImageManager writer;
    job.PNGComp = 1;
    writer.SetImage(MakePhoto(300, 200));
    QVERIFY(WithJob(writer).Write(Path("best.png")));
    job.PNGComp = 0;
    writer.SetImage(MakePhoto(300, 200));
    QVERIFY(WithJob(writer).Write(Path("fast.png")));
    QVERIFY(QFileInfo(Path("best.png")).size() < QFileInfo(Path("fast.png")).size());
    QCOMPARE(ReadBack(Path("best.png"))
                 .compare(ReadBack(Path("fast.png")), Magick::RootMeanSquaredErrorMetric),
        0.0);
}

void TestImageWriting::jpegColorTypes_data()
{
    QTest::addColumn<int>("jpegType");
    QTest::addColumn<int>("colorSpace");
    QTest::addColumn<QByteArray>("profileSpace"); // of the embedded ICC profile, empty: none
    QTest::newRow("grey-scale") << 0 << int(Magick::GRAYColorspace) << QByteArray();
    QTest::newRow("rgb") << 1 << int(Magick::sRGBColorspace) << QByteArray();
    QTest::newRow("cmyk") << 2 << int(Magick::CMYKColorspace) << QByteArray("CMYK");
}

void TestImageWriting::jpegColorTypes()
{
    QFETCH(int, jpegType);
    QFETCH(int, colorSpace);
    QFETCH(QByteArray, profileSpace);
    job.JpegType = jpegType;
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(Path("typed.jpg")), qPrintable(writer.GetErrorText()));

    const Magick::Image written = ReadBack(Path("typed.jpg"));
    QCOMPARE(int(written.colorSpace()), colorSpace);
    const QByteArray profile = ProfileBytes(written);
    QCOMPARE(profile.isEmpty(), profileSpace.isEmpty());
    if (!profileSpace.isEmpty())
        QCOMPARE(profile.mid(16, 4), profileSpace);
}

void TestImageWriting::customProfile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tiff");
    QTest::newRow("jpeg") << "custom.jpg" << false;
    QTest::newRow("jpe") << "custom.jpe" << false;
    QTest::newRow("tiff") << "custom.tif" << true;
}

void TestImageWriting::customProfile()
{
    QFETCH(QString, name);
    QFETCH(bool, tiff);
    const QString adobeRgb = QStringLiteral("/usr/share/color/icc/ghostscript/a98.icc");
    if (!QFileInfo::exists(adobeRgb))
        QSKIP("No second RGB profile on this system");
    CIMColorProfiles::instance()->ClearCustomLoaded();
    job.CustomProfile = adobeRgb;
    job.JpegType = 3;
    job.TiffType = 5;

    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(Path(name)), qPrintable(writer.GetErrorText()));
    QCOMPARE(ProfileBytes(ReadBack(Path(name))), ReadBytes(adobeRgb));
    Q_UNUSED(tiff);
    CIMColorProfiles::instance()->ClearCustomLoaded();
}

void TestImageWriting::tiffColorTypes_data()
{
    QTest::addColumn<int>("tiffType");
    QTest::addColumn<int>("imageType");
    QTest::newRow("mono") << 0 << int(Magick::GrayscaleType);
    QTest::newRow("palette") << 1 << int(Magick::PaletteType);
    QTest::newRow("rgb") << 2 << int(Magick::TrueColorType);
    QTest::newRow("rgba") << 3 << int(Magick::TrueColorMatteType);
    QTest::newRow("cmyk") << 4 << int(Magick::ColorSeparationType);
}

void TestImageWriting::tiffColorTypes()
{
    QFETCH(int, tiffType);
    QFETCH(int, imageType);
    job.TiffType = tiffType;
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(Path("typed.tif")), qPrintable(writer.GetErrorText()));
    // determineType looks at the pixels; type() would repeat what the reader guessed.
    const Magick::Image written = ReadBack(Path("typed.tif"));
    QCOMPARE(int(written.determineType()), imageType);
    if (tiffType == 0) // black and white only
        QCOMPARE(written.totalColors(), 2u);
}

void TestImageWriting::tiffCompression_data()
{
    QTest::addColumn<int>("tiffAlg");
    QTest::addColumn<int>("compression");
    QTest::newRow("lzw") << 0 << int(Magick::LZWCompression);
    QTest::newRow("rle") << 1 << int(Magick::RLECompression);
    QTest::newRow("zip") << 2 << int(Magick::ZipCompression);
    QTest::newRow("jpeg") << 3 << int(Magick::JPEGCompression);
    QTest::newRow("fax3") << 4 << int(Magick::FaxCompression);
    QTest::newRow("fax4") << 5 << int(Magick::Group4Compression);
    QTest::newRow("none") << 6 << int(Magick::NoCompression);
}

void TestImageWriting::tiffCompression()
{
    QFETCH(int, tiffAlg);
    QFETCH(int, compression);
    job.TiffAlg = tiffAlg;
    // Fax compressions need a black-and-white page.
    job.TiffType = tiffAlg == 4 || tiffAlg == 5 ? 0 : 2;
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(Path("packed.tiff")), qPrintable(writer.GetErrorText()));
    QCOMPARE(int(ReadBack(Path("packed.tiff")).compressType()), compression);

    // The TIFF settings do not touch other formats.
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY(WithJob(writer).Write(Path("plain.png")));
    QCOMPARE(int(ReadBack(Path("plain.png")).compressType()), int(Magick::ZipCompression));
}

void TestImageWriting::pdfCompression_data()
{
    QTest::addColumn<int>("pdfAlg");
    QTest::addColumn<QByteArray>("filter");
    QTest::newRow("jpeg") << 0 << QByteArray("/DCTDecode");
    QTest::newRow("lzw") << 1 << QByteArray("/LZWDecode");
    QTest::newRow("rle") << 2 << QByteArray("/RunLengthDecode");
    QTest::newRow("zip") << 3 << QByteArray("/FlateDecode");
}

void TestImageWriting::pdfCompression()
{
    QFETCH(int, pdfAlg);
    QFETCH(QByteArray, filter);
    job.PdfAlg = pdfAlg;
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY2(WithJob(writer).Write(Path("doc.pdf")), qPrintable(writer.GetErrorText()));
    QVERIFY(ReadBytes(Path("doc.pdf")).contains(filter));
}

void TestImageWriting::interlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("interlaced");
    QTest::addColumn<bool>("expected");
    QTest::newRow("jpeg baseline") << "i.jpg" << 0 << false;
    QTest::newRow("jpeg progressive") << "i.jpg" << 1 << true;
    QTest::newRow("png plain") << "i.png" << 0 << false;
    QTest::newRow("png adam7") << "i.png" << 1 << true;
}

void TestImageWriting::interlace()
{
    QFETCH(QString, name);
    QFETCH(int, interlaced);
    QFETCH(bool, expected);
    job.Interlaced = interlaced;
    CImageManager writer;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY(WithJob(writer).Write(Path(name)));
    const QByteArray bytes = ReadBytes(Path(name));
    if (name.endsWith(QLatin1String(".jpg"))) {
        // A progressive JPEG starts its frame with SOF2, a baseline one with SOF0.
        QCOMPARE(bytes.contains("\xFF\xC2"), expected);
        QCOMPARE(bytes.contains("\xFF\xC0"), !expected);
    } else {
        // The IHDR chunk's last byte: 1 for Adam7.
        QCOMPARE(bytes.at(28) == 1, expected);
    }
}

void TestImageWriting::jpegSizeLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("limited");
    QTest::newRow("jpg") << "limit.jpg" << true;
    QTest::newRow("JPG upper case") << "limit.JPG" << true;
    QTest::newRow("jpeg") << "limit.jpeg" << true;
    QTest::newRow("jpe") << "limit.jpe" << true;
    QTest::newRow("png ignores it") << "limit.png" << false;
}

void TestImageWriting::jpegSizeLimit()
{
    QFETCH(QString, name);
    QFETCH(bool, limited);
    job.Quality = 95;
    job.FixedSize = true;
    job.FileSize = 40;
    CImageManager writer;
    writer.SetImage(MakeNoisyPhoto(320, 240));
    QVERIFY2(WithJob(writer).Write(Path(name)), qPrintable(writer.GetErrorText()));
    const qint64 size = QFileInfo(Path(name)).size();
    QCOMPARE(size <= 40 * 1024, limited);
}

void TestImageWriting::webpLossless()
{
    CImageManager writer;
    job.Lossless = true;
    job.Quality = 50;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY(WithJob(writer).Write(Path("lossless.webp")));
    job.Lossless = false;
    writer.SetImage(MakePhoto(64, 48));
    QVERIFY(WithJob(writer).Write(Path("lossy.webp")));

    // "VP8L" is the lossless bitstream, "VP8 " the lossy one.
    QVERIFY(ReadBytes(Path("lossless.webp")).contains("VP8L"));
    QVERIFY(!ReadBytes(Path("lossy.webp")).contains("VP8L"));
    QVERIFY(ReadBytes(Path("lossy.webp")).contains("VP8 "));
    Magick::Image back = ReadBack(Path("lossless.webp"));
    back.matte(false);
    QCOMPARE(back.compare(MakePhoto(64, 48), Magick::RootMeanSquaredErrorMetric), 0.0);
}

void TestImageWriting::softwareStamp()
{
    // PNG keeps the attribute as a text chunk.
    CImageManager writer;
    writer.SetImage(MakePhoto(32, 24));
    QVERIFY(WithJob(writer).Write(Path("stamped.png")));
    QCOMPARE(QString::fromStdString(ReadBack(Path("stamped.png")).attribute("exif:Software")),
        QStringLiteral("Quendrasil"));

    // Pages written as pages are not stamped.
    writer.pages = { MakePhoto(32, 24) };
    QVERIFY(WithJob(writer).WriteMultipage(Path("page.png"), false));
    QVERIFY(ReadBack(Path("page.png")).attribute("exif:Software").empty());
}

void TestImageWriting::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown extension") << "out.xyz"
                                       << "no writable format";
    QTest::newRow("no extension") << "out"
                                  << "no writable format";
    QTest::newRow("read-only format") << "out.cr2"
                                      << "no writable format";
    QTest::newRow("format this build lacks") << "out.jxl"
                                             << "no writable format";
    QTest::newRow("denied coder") << "out.svg"
                                  << "security policy";
    QTest::newRow("missing folder") << "missing/out.png"
                                    << "No such file";
}

void TestImageWriting::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    CImageManager writer;
    writer.SetImage(MakePhoto(32, 24));
    QVERIFY(!WithJob(writer).Write(Path(name)));
    QVERIFY2(writer.GetErrorText().contains(reason), qPrintable(writer.GetErrorText()));
    QVERIFY(Files().isEmpty());

    writer.pages = { MakePhoto(32, 24), MakePhoto(20, 10) };
    QVERIFY(!WithJob(writer).WriteMultipage(Path(name), true));
    QVERIFY(Files().isEmpty());
    QCOMPARE(writer.pages.size(), 2);
}

void TestImageWriting::failedWriteKeepsExistingFile()
{
    // An earlier output stays as it was when the new write fails.
    const QString path = Path("keep.svg");
    QVERIFY(WriteBytes(path, "earlier output"));
    CImageManager writer;
    writer.SetImage(MakePhoto(32, 24));
    QVERIFY(!WithJob(writer).Write(path));
    QCOMPARE(ReadBytes(path), QByteArray("earlier output"));
    QCOMPARE(Files(), QStringList { "keep.svg" });

    // An empty manager writes nothing over it either.
    const QString photo = Path("keep.png");
    QVERIFY(WriteBytes(photo, "earlier photo"));
    CImageManager empty;
    QVERIFY(!WithJob(empty).Write(photo));
    QCOMPARE(ReadBytes(photo), QByteArray("earlier photo"));

    // A successful write replaces it whole.
    QVERIFY(WithJob(writer).Write(photo));
    QCOMPARE(ReadBack(photo).columns(), 32u);
    QCOMPARE(Files(), (QStringList { "keep.png", "keep.svg" }));
}

void TestImageWriting::interpretedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("frame number") << "out%d.png";
    QTest::newRow("frame selection") << "out[1].png";
    QTest::newRow("size selection") << "out[10x10].jpg";
    QTest::newRow("format prefix look-alike") << "png:out.jpg";
}

void TestImageWriting::interpretedNames()
{
    QFETCH(QString, name);
    CImageManager writer;
    writer.SetImage(MakePhoto(33, 22));
    QVERIFY2(WithJob(writer).Write(Path(name)), qPrintable(writer.GetErrorText()));
    QCOMPARE(Files(), QStringList { name });
    CImageManager reader;
    QVERIFY2(reader.Read(Path(name)), qPrintable(reader.GetErrorText()));
    QCOMPARE(reader.image.columns(), 33u);
}

void TestImageWriting::multipageSource_data()
{
    QTest::addColumn<int>("layers");
    QTest::addColumn<bool>("adjoin");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("widths"); // of the pages in the first file
    const QStringList numbered { "out-0.tif", "out-1.tif", "out-2.tif" };
    QTest::newRow("each layer, one file per page") << 0 << false << numbered << QList<int> { 30 };
    QTest::newRow("flatten") << 1 << false << QStringList { "out.tif" } << QList<int> { 30 };
    QTest::newRow("first layer") << 2 << false << QStringList { "out.tif" } << QList<int> { 30 };
}

void TestImageWriting::multipageSource()
{
    QFETCH(int, layers);
    QFETCH(bool, adjoin);
    QFETCH(QStringList, files);
    QFETCH(QList<int>, widths);
    job.MultipageWrite = layers;
    QTemporaryDir sources;
    const QString source = sources.path() + QStringLiteral("/pages.tif");
    WriteMultipageFile("TIFF:" + source, 3);

    CImageManager manager;
    QVERIFY(WithJob(manager).ReadMultipage(source));
    QVERIFY2(WithJob(manager).WriteMultipage(Path("out.tif"), adjoin), qPrintable(manager.GetErrorText()));
    QCOMPARE(Files(), files);
    QVERIFY(manager.pages.isEmpty());

    CImageManager reader;
    QCOMPARE(reader.GetPageCount(Path(files.first())), widths.size());
    QVERIFY(reader.Read(Path(files.first())));
    QCOMPARE(int(reader.image.columns()), widths.first());
    if (files.size() == 3) {
        QVERIFY(reader.Read(Path(files.last())));
        QCOMPARE(reader.image.columns(), 50u);
    }
}

void TestImageWriting::multipageDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("layers");
    QTest::newRow("pdf") << "batch.pdf" << 0;
    QTest::newRow("tiff") << "batch.tif" << 0;
    // A document of a whole batch keeps every photo whatever the layer setting.
    QTest::newRow("pdf, flatten setting") << "batch.pdf" << 1;
    QTest::newRow("tiff, first-layer setting") << "batch.tif" << 2;
}

void TestImageWriting::multipageDocument()
{
    QFETCH(QString, name);
    QFETCH(int, layers);
    job.MultipageWrite = layers;
    QTemporaryDir sources;
    QStringList photos;
    for (int index = 0; index < 3; ++index) {
        photos << sources.path() + QStringLiteral("/photo%1.jpg").arg(index);
        MakePhoto(size_t(40 + index * 10), 30).write("JPEG:" + photos.last().toStdString());
    }

    CImageManager document;
    for (const QString &photo : photos)
        QVERIFY(WithJob(document).ReadAppendPage(photo));
    QCOMPARE(document.pages.size(), 3);
    QVERIFY2(WithJob(document).WriteMultipage(Path(name), true), qPrintable(document.GetErrorText()));
    QCOMPARE(Files(), QStringList { name });
    QVERIFY(document.pages.isEmpty());

    CImageManager reader;
    QCOMPARE(reader.GetPageCount(Path(name)), 3);
    QVERIFY(WithJob(reader).ReadMultipage(Path(name)));
    QCOMPARE(reader.pages[2].columns(), 60u);
}

void TestImageWriting::failedMultipageKeepsPages()
{
    job.MultipageWrite = 0;
    CImageManager manager;
    manager.pages = { MakePhoto(30, 20), MakePhoto(40, 20) };
    QVERIFY(!WithJob(manager).WriteMultipage(Path("missing/out.pdf"), true));
    QCOMPARE(manager.pages.size(), 2);
    QVERIFY(WithJob(manager).WriteMultipage(Path("out.pdf"), true));
    QVERIFY(manager.pages.isEmpty());

    // With the flatten setting and nothing flattened, nothing is written and that is an error.
    job.MultipageWrite = 1;
    manager.pages = { MakePhoto(30, 20) };
    QVERIFY(!WithJob(manager).WriteMultipage(Path("flat.pdf"), false));
    QVERIFY(!QFileInfo::exists(Path("flat.pdf")));
    QCOMPARE(manager.pages.size(), 1);
}

QUENDRASIL_TEST_MAIN_WITH(TestImageWriting, QCoreApplication, InitializeImageEngine)
#include "tst_imagewriting.moc"
