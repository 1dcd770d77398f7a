#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "RawDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <Magick++.h>

#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

const char *const CanonSample = "IMG_5952.CR2";
constexpr int CanonWidth = 3522;
constexpr int CanonHeight = 2348;
constexpr int CanonSensorWidth = 3596; // masked margins included
constexpr int CanonSensorHeight = 2360;

QString CanonPath()
{
    return QStringLiteral(QUENDRASIL_TEST_DATA_DIR "/") + QLatin1String(CanonSample);
}

#define REQUIRE_CANON_SAMPLE()                                                                     \
    do {                                                                                           \
        if (!QFile::exists(CanonPath()))                                                           \
            QSKIP("IMG_5952.CR2 is missing: run tools/fetch-test-data.sh <build>/test-data "       \
                  "(it needs apt-get download rawtran-doc)");                                      \
    } while (false)

struct SProgressLog
{
    QList<int> positions;
    QList<int> totals;
    int cancelAt = -1;
};

bool RecordProgress(int position, int total, void *context)
{
    auto *log = static_cast<SProgressLog *>(context);
    log->positions.append(position);
    log->totals.append(total);
    return position != log->cancelAt;
}

int Decode(SRawDecodeOptions &options, SProgressLog *log = nullptr, QString *error = nullptr)
{
    CRawDecoder decoder;
    if (log) {
        decoder.SetProgressCallback(&RecordProgress);
        options.progressContext = log;
    }
    const int result = decoder.Decode(options);
    if (error)
        *error = decoder.ErrorText();
    return result;
}

SRawDecodeOptions CanonOptions()
{
    SRawDecodeOptions options;
    options.path = CanonPath();
    return options;
}

// The time zone in force for this process's C library calls; restored by the caller.
void UseTimeZone(const QByteArray &zone)
{
    if (zone.isNull())
        unsetenv("TZ");
    else
        setenv("TZ", zone.constData(), 1);
    tzset();
}

// A minimal uncompressed 16-bit monochrome DNG: a grey ramp across the width, so every pixel
// of one column has the same value. Small enough to build in the test, and the only way to
// reach a one-value sensor and a rotated photo without a real camera file.
QByteArray MonochromeDng(int width, int height, int orientation, const QByteArray &date)
{
    struct SEntry
    {
        quint16 tag;
        quint16 type; // 1 byte, 2 text, 3 short, 4 long
        quint32 count;
        QByteArray payload;
    };
    const auto shortValue = [](quint16 tag, quint16 value) {
        return SEntry { tag, 3, 1, QByteArray(reinterpret_cast<const char *>(&value), 2) };
    };
    const auto longValue = [](quint16 tag, quint32 value) {
        return SEntry { tag, 4, 1, QByteArray(reinterpret_cast<const char *>(&value), 4) };
    };
    const auto text = [](quint16 tag, const QByteArray &value) {
        return SEntry { tag, 2, quint32(value.size() + 1), value + '\0' };
    };

    QByteArray pixels;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const quint16 value = quint16(column * 65535 / (width - 1));
            pixels.append(reinterpret_cast<const char *>(&value), 2);
        }
    }

    const quint32 entryCount = 17;
    const quint32 extraOffset = 8 + 2 + entryCount * 12 + 4;
    QList<SEntry> entries = {
        longValue(254, 0),
        longValue(256, quint32(width)),
        longValue(257, quint32(height)),
        shortValue(258, 16),
        shortValue(259, 1),
        shortValue(262, 34892), // linear raw
        text(271, "Quendrasil"),
        text(272, "Mono Test"),
        longValue(273, 0), // strip offset, set below
        shortValue(274, quint16(orientation)),
        shortValue(277, 1),
        longValue(278, quint32(height)),
        longValue(279, quint32(pixels.size())),
        text(306, date),
        SEntry { 50706, 1, 4, QByteArray("\x01\x04\x00\x00", 4) },
        text(50708, "Quendrasil Mono Test"),
        longValue(50717, 65535),
    };
    Q_ASSERT(quint32(entries.size()) == entryCount);

    QByteArray extra;
    QByteArray directory;
    const auto append16 = [](QByteArray &to, quint16 value) {
        to.append(reinterpret_cast<const char *>(&value), 2);
    };
    const auto append32 = [](QByteArray &to, quint32 value) {
        to.append(reinterpret_cast<const char *>(&value), 4);
    };
    append16(directory, quint16(entryCount));
    for (const SEntry &entry : entries) {
        append16(directory, entry.tag);
        append16(directory, entry.type);
        append32(directory, entry.count);
        if (entry.payload.size() <= 4) {
            directory.append(entry.payload.leftJustified(4, '\0'));
        } else {
            append32(directory, extraOffset + quint32(extra.size()));
            extra.append(entry.payload);
            if (extra.size() % 2)
                extra.append('\0');
        }
    }
    append32(directory, 0);

    const quint32 pixelOffset = extraOffset + quint32(extra.size());
    const int stripEntry = 8; // index of tag 273 in the list above
    directory.replace(
        2 + stripEntry * 12 + 8, 4, QByteArray(reinterpret_cast<const char *>(&pixelOffset), 4));
    return QByteArray("II*\0\x08\0\0\0", 8) + directory + extra + pixels;
}

} // namespace

class TestRawDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decodesCanonRawToRgb();
    void dateIsTheStoredTextInAnyTimeZone();
    void identifyOnlyReadsHeadersOnly();
    void cancelStopsTheDecode_data();
    void cancelStopsTheDecode();
    void settingsChangeTheDecode_data();
    void settingsChangeTheDecode();
    void hostileFilesFailCleanly_data();
    void hostileFilesFailCleanly();
    void twoThreadsDecodeAtOnce();
    void oversizedSensorIsRefused();
    void pathsOfAnyShape_data();
    void pathsOfAnyShape();
    void monochromeSensorGivesGreyRgb_data();
    void monochromeSensorGivesGreyRgb();

private:
    QTemporaryDir m_folder;
    QByteArray m_defaultPixels; // the default decode, shared by the comparisons
};

void TestRawDecoder::decodesCanonRawToRgb()
{
    REQUIRE_CANON_SAMPLE();
    SRawDecodeOptions options = CanonOptions();
    SProgressLog log;
    QString error;
    QCOMPARE(Decode(options, &log, &error), CRawDecoder::ResultSuccess);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(log.positions, QList<int>({ 30, 70, 95 }));
    QCOMPARE(log.totals, QList<int>({ 100, 100, 100 }));

    QCOMPARE(options.outputWidth, CanonWidth);
    QCOMPARE(options.outputHeight, CanonHeight);
    QCOMPARE(int(options.colors), 3);
    QCOMPARE(options.pixels.size(), qsizetype(CanonWidth) * CanonHeight * 3);
    QCOMPARE(options.make, QStringLiteral("Canon"));
    QCOMPARE(options.model, QStringLiteral("EOS 30D"));
    QCOMPARE(options.dateText, QStringLiteral("2009:07:21 13:03:20"));
    QCOMPARE(options.rawWidth, CanonSensorWidth);
    QCOMPARE(options.rawHeight, CanonSensorHeight);

    // A real photo, not a black or white frame: every channel spans a wide range.
    for (int channel = 0; channel < 3; ++channel) {
        int lowest = 255;
        int highest = 0;
        for (qsizetype at = channel; at < options.pixels.size(); at += 3 * 97) {
            const int value = uchar(options.pixels.at(at));
            lowest = qMin(lowest, value);
            highest = qMax(highest, value);
        }
        QVERIFY2(highest - lowest > 100,
            qPrintable(QStringLiteral("channel %1: %2..%3").arg(channel).arg(lowest).arg(highest)));
    }
    m_defaultPixels = options.pixels;
}

void TestRawDecoder::dateIsTheStoredTextInAnyTimeZone()
{
    REQUIRE_CANON_SAMPLE();
    const QByteArray saved = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    for (const char *zone : { "UTC", "America/New_York", "Asia/Kolkata", "Australia/Sydney" }) {
        UseTimeZone(zone);
        SRawDecodeOptions options = CanonOptions();
        options.identifyOnly = true;
        QCOMPARE(Decode(options), CRawDecoder::ResultSuccess);
        QCOMPARE(options.dateText, QStringLiteral("2009:07:21 13:03:20"));
        // Decoding leaves the process's time zone alone.
        QCOMPARE(qgetenv("TZ"), QByteArray(zone));
    }
    UseTimeZone(hadZone ? saved : QByteArray());
}

void TestRawDecoder::identifyOnlyReadsHeadersOnly()
{
    REQUIRE_CANON_SAMPLE();
    SRawDecodeOptions options = CanonOptions();
    options.identifyOnly = true;
    SProgressLog log;
    QCOMPARE(Decode(options, &log), CRawDecoder::ResultSuccess);
    QVERIFY(options.pixels.isEmpty());
    QVERIFY(log.positions.isEmpty());
    QCOMPARE(options.outputWidth, CanonWidth);
    QCOMPARE(options.outputHeight, CanonHeight);
    QCOMPARE(options.make, QStringLiteral("Canon"));
    QCOMPARE(options.model, QStringLiteral("EOS 30D"));
    QCOMPARE(options.dateText, QStringLiteral("2009:07:21 13:03:20"));
    QCOMPARE(options.rawWidth, CanonSensorWidth);
    QCOMPARE(options.rawHeight, CanonSensorHeight);
}

void TestRawDecoder::cancelStopsTheDecode_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QList<int>>("reports");
    QTest::newRow("before loading") << 30 << QList<int>({ 30 });
    QTest::newRow("after demosaicing") << 70 << QList<int>({ 30, 70 });
    QTest::newRow("before output") << 95 << QList<int>({ 30, 70, 95 });
}

void TestRawDecoder::cancelStopsTheDecode()
{
    REQUIRE_CANON_SAMPLE();
    QFETCH(int, cancelAt);
    QFETCH(QList<int>, reports);
    SRawDecodeOptions options = CanonOptions();
    SProgressLog log;
    log.cancelAt = cancelAt;
    QString error;
    QCOMPARE(Decode(options, &log, &error), CRawDecoder::ResultCancelled);
    QCOMPARE(log.positions, reports);
    QVERIFY(options.pixels.isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestRawDecoder::settingsChangeTheDecode_data()
{
    QTest::addColumn<int>("whiteBalance");
    QTest::addColumn<int>("highlightMode");
    QTest::addColumn<int>("demosaic");
    QTest::addColumn<bool>("sameAsDefault");
    QTest::newRow("no white balance") << 2 << 0 << 0 << false;
    QTest::newRow("automatic white balance") << 1 << 0 << 0 << false;
    QTest::newRow("blend highlights") << 0 << 2 << 0 << false;
    QTest::newRow("rebuild highlights") << 0 << 5 << 0 << false;
    QTest::newRow("bilinear") << 0 << 0 << 1 << false;
    // Automatic takes AHD on a sensor that is not Fuji SuperCCD.
    QTest::newRow("AHD") << 0 << 0 << 4 << true;
    QTest::newRow("unknown values act as 0") << 7 << 42 << -2 << true;
}

void TestRawDecoder::settingsChangeTheDecode()
{
    REQUIRE_CANON_SAMPLE();
    QFETCH(int, whiteBalance);
    QFETCH(int, highlightMode);
    QFETCH(int, demosaic);
    QFETCH(bool, sameAsDefault);
    if (m_defaultPixels.isEmpty()) {
        SRawDecodeOptions reference = CanonOptions();
        QCOMPARE(Decode(reference), CRawDecoder::ResultSuccess);
        m_defaultPixels = reference.pixels;
    }
    SRawDecodeOptions options = CanonOptions();
    options.whiteBalance = whiteBalance;
    options.highlightMode = highlightMode;
    options.demosaic = demosaic;
    QCOMPARE(Decode(options), CRawDecoder::ResultSuccess);
    QCOMPARE(options.outputWidth, CanonWidth);
    QCOMPARE(options.outputHeight, CanonHeight);
    QCOMPARE(options.pixels == m_defaultPixels, sameAsDefault);
}

void TestRawDecoder::hostileFilesFailCleanly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("needsSample");
    // Identification reads headers only, so a file whose damage lies in the pixel data
    // still identifies.
    QTest::addColumn<bool>("identifies");

    QVERIFY(m_folder.isValid());
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    };

    QTest::newRow("zero bytes") << write(QStringLiteral("empty.CR2"), QByteArray()) << false
                                << false;

    QByteArray noise(200000, Qt::Uninitialized);
    QRandomGenerator random(5952);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << write(QStringLiteral("noise.CR2"), noise) << false << false;
    // A TIFF header on noise sends the parser into the damage.
    QTest::newRow("TIFF header on random bytes")
        << write(QStringLiteral("tiffnoise.CR2"), QByteArray("II*\0\x08\0\0\0", 8) + noise) << false
        << false;

    Magick::Image photo(Magick::Geometry(64, 48), Magick::ColorRGB(0.2, 0.5, 0.8));
    photo.magick("JPEG");
    Magick::Blob jpeg;
    photo.write(&jpeg);
    QTest::newRow("JPEG named .CR2") << write(QStringLiteral("photo.CR2"),
        QByteArray(static_cast<const char *>(jpeg.data()), qsizetype(jpeg.length())))
                                     << false << false;

    QTest::newRow("missing file") << m_folder.filePath(QStringLiteral("absent.CR2")) << false
                                  << false;
    QTest::newRow("folder") << m_folder.path() << false << false;
    QTest::newRow("empty path") << QString() << false << false;

    QFile canon(CanonPath());
    const QByteArray sample = canon.open(QIODevice::ReadOnly) ? canon.readAll() : QByteArray();
    QTest::newRow("CR2 cut to its headers")
        << write(QStringLiteral("head.CR2"), sample.left(64 * 1024)) << true << false;
    QTest::newRow("CR2 cut in half")
        << write(QStringLiteral("half.CR2"), sample.left(sample.size() / 2)) << true << true;
    QTest::newRow("CR2 missing its last bytes")
        << write(QStringLiteral("nearly.CR2"), sample.left(sample.size() - 4096)) << true << true;
    // LibRaw itself decodes this to a damaged picture and calls it a success.
    QByteArray damaged = sample;
    const qsizetype noiseEnd = qMin(damaged.size(), damaged.size() / 2 + 65536);
    for (qsizetype at = damaged.size() / 2; at < noiseEnd; ++at)
        damaged[at] = char(random.bounded(256));
    QTest::newRow("CR2 with noise in its pixel data")
        << write(QStringLiteral("damaged.CR2"), damaged) << true << true;
}

void TestRawDecoder::hostileFilesFailCleanly()
{
    QFETCH(QString, path);
    QFETCH(bool, needsSample);
    QFETCH(bool, identifies);
    if (needsSample)
        REQUIRE_CANON_SAMPLE();

    SRawDecodeOptions identify;
    identify.path = path;
    identify.identifyOnly = true;
    QCOMPARE(
        Decode(identify), identifies ? CRawDecoder::ResultSuccess : CRawDecoder::ResultFailure);

    SRawDecodeOptions options;
    options.path = path;
    SProgressLog log;
    QString error;
    QCOMPARE(Decode(options, &log, &error), CRawDecoder::ResultFailure);
    QVERIFY(options.pixels.isEmpty());
    QVERIFY(!error.isEmpty());
    QCOMPARE(options.outputWidth, 0);
    QCOMPARE(options.colors, quint8(0));
}

void TestRawDecoder::twoThreadsDecodeAtOnce()
{
    REQUIRE_CANON_SAMPLE();
    SRawDecodeOptions first = CanonOptions();
    SRawDecodeOptions second = CanonOptions();
    int firstResult = -1;
    int secondResult = -1;
    std::thread one([&] { firstResult = Decode(first); });
    std::thread two([&] { secondResult = Decode(second); });
    one.join();
    two.join();
    QCOMPARE(firstResult, CRawDecoder::ResultSuccess);
    QCOMPARE(secondResult, CRawDecoder::ResultSuccess);
    QCOMPARE(first.outputWidth, CanonWidth);
    QCOMPARE(second.outputHeight, CanonHeight);
    QCOMPARE(first.model, QStringLiteral("EOS 30D"));
    QCOMPARE(second.dateText, QStringLiteral("2009:07:21 13:03:20"));
    // Decoders share no state, so neither disturbs the other's pixels.
    QVERIFY(first.pixels == second.pixels);
}

void TestRawDecoder::oversizedSensorIsRefused()
{
    // 30000 x 30000 samples of 16 bits: 1.7 GB, above the decoder's cap but within LibRaw's
    // own default, so only the cap keeps the decoder from trying.
    QByteArray giant = MonochromeDng(48, 30, 1, "2021:03:04 05:06:07");
    for (const int entry : { 1, 2 }) { // width and height
        const quint32 claimed = 30000;
        giant.replace(
            8 + 2 + entry * 12 + 8, 4, QByteArray(reinterpret_cast<const char *>(&claimed), 4));
    }
    QVERIFY(m_folder.isValid());
    const QString path = m_folder.filePath(QStringLiteral("giant.dng"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(giant);
    file.close();

    SRawDecodeOptions options;
    options.path = path;
    QString error;
    QCOMPARE(Decode(options, nullptr, &error), CRawDecoder::ResultFailure);
    QVERIFY(options.pixels.isEmpty());
    QVERIFY2(error.contains(QString::number(CRawDecoder::MaxRawMemoryMb)), qPrintable(error));
}

void TestRawDecoder::pathsOfAnyShape_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("spaces and brackets") << QStringLiteral("my photos [2009]/100% IMG 1.CR2");
    QTest::newRow("beyond Latin-1") << QStringLiteral("Überraschung/写真 ✓.cr2");
    // Longer than the 511 characters an older decoder kept room for.
    QString deep;
    for (int level = 0; level < 12; ++level)
        deep += QString(50, QChar(u'a' + level)) + u'/';
    QTest::newRow("600 characters") << deep + QStringLiteral("IMG_5952.CR2");
}

void TestRawDecoder::pathsOfAnyShape()
{
    REQUIRE_CANON_SAMPLE();
    QFETCH(QString, relativePath);
    QVERIFY(m_folder.isValid());
    const QString path = m_folder.filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(QFile::exists(path) || QFile::link(CanonPath(), path));

    SRawDecodeOptions options;
    options.path = path;
    options.identifyOnly = true;
    QString error;
    QCOMPARE(Decode(options, nullptr, &error), CRawDecoder::ResultSuccess);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(options.model, QStringLiteral("EOS 30D"));
}

void TestRawDecoder::monochromeSensorGivesGreyRgb_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("swapsAxes");
    QTest::newRow("landscape") << 1 << false;
    QTest::newRow("turned right") << 6 << true;
    QTest::newRow("turned left") << 8 << true;
}

void TestRawDecoder::monochromeSensorGivesGreyRgb()
{
    QFETCH(int, orientation);
    QFETCH(bool, swapsAxes);
    QVERIFY(m_folder.isValid());
    constexpr int Width = 48;
    constexpr int Height = 30;
    const QString path = m_folder.filePath(QStringLiteral("mono%1.dng").arg(orientation));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MonochromeDng(Width, Height, orientation, "2021:03:04 05:06:07"));
    file.close();

    SRawDecodeOptions identify;
    identify.path = path;
    identify.identifyOnly = true;
    QCOMPARE(Decode(identify), CRawDecoder::ResultSuccess);

    SRawDecodeOptions options;
    options.path = path;
    QString error;
    QCOMPARE(Decode(options, nullptr, &error), CRawDecoder::ResultSuccess);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(options.make, QStringLiteral("Quendrasil"));
    QCOMPARE(options.dateText, QStringLiteral("2021:03:04 05:06:07"));
    // The sensor keeps its size; the picture turns with the photo.
    QCOMPARE(options.rawWidth, Width);
    QCOMPARE(options.rawHeight, Height);
    QCOMPARE(options.outputWidth, swapsAxes ? Height : Width);
    QCOMPARE(options.outputHeight, swapsAxes ? Width : Height);
    QCOMPARE(identify.outputWidth, options.outputWidth);
    QCOMPARE(identify.outputHeight, options.outputHeight);

    QCOMPARE(int(options.colors), 3);
    QCOMPARE(options.pixels.size(), qsizetype(Width) * Height * 3);
    const auto value = [&](int x, int y, int channel) {
        return int(
            uchar(options.pixels.at((qsizetype(y) * options.outputWidth + x) * 3 + channel)));
    };
    int lowest = 255;
    int highest = 0;
    for (int y = 0; y < options.outputHeight; ++y) {
        for (int x = 0; x < options.outputWidth; ++x) {
            QCOMPARE(value(x, y, 1), value(x, y, 0));
            QCOMPARE(value(x, y, 2), value(x, y, 0));
            lowest = qMin(lowest, value(x, y, 0));
            highest = qMax(highest, value(x, y, 0));
        }
    }
    QVERIFY2(highest - lowest > 128, qPrintable(QStringLiteral("%1..%2").arg(lowest).arg(highest)));
    // The ramp runs along the sensor's width, which is the output's height once turned.
    if (swapsAxes)
        QCOMPARE(value(0, 3, 0), value(options.outputWidth - 1, 3, 0));
    else
        QCOMPARE(value(3, 0, 0), value(3, options.outputHeight - 1, 0));
}

QUENDRASIL_TEST_MAIN_WITH(TestRawDecoder, QCoreApplication, InitializeImageEngine)
#include "tst_rawdecoder.moc"
