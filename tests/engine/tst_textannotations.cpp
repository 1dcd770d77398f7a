#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageFilters.h"
#include "ImageManager.h"
#include "TextAnnotations.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <Magick++.h>

#include "TestPhotos.h"

#include <array>
#include <thread>
#include <vector>

namespace {

constexpr int Width = 400;
constexpr int Height = 300;
constexpr double White = 4294967295.0;
constexpr double Black = 4278190080.0;
const QString Font = QStringLiteral("DejaVu Sans");

SFilterRecord Record(int id, std::initializer_list<double> numbers, QStringList texts)
{
    SFilterRecord record;
    record.id = id;
    record.active = true;
    record.numberCount = quint8(numbers.size());
    std::copy(numbers.begin(), numbers.end(), record.numbers.begin());
    record.textCount = quint8(texts.size());
    std::copy(texts.begin(), texts.end(), record.texts.begin());
    return record;
}

// Size 12 is 30 points; the text is white with a contrasting outline.
SFilterRecord Comment(int anchor, double percentX, double percentY, const QString &text)
{
    return Record(FilterId::Comment,
        { double(anchor), percentX, percentY, 12, White, 0, 1, 0, 0, 0, 0 }, { text, Font });
}

SFilterRecord Watermark(int anchor, int pixelsX, int pixelsY, const QString &text)
{
    return Record(FilterId::WatermarkText,
        { double(anchor), double(pixelsX), double(pixelsY), 12, White, 0, 0, 0, 0, 0, 0, 0 },
        { text, Font, QString() });
}

// Today's date as YYYY-MM-DD with a thin black stroke; no shadow, box or texture.
SFilterRecord Date(int anchor, double percentX, double percentY)
{
    return Record(FilterId::Date,
        { 4, 10, double(anchor), 12, White, 0, 2, percentX, percentY, 0, 0, 0, 0, 0, 1, 0, 0, 1,
            Black, 10, 1, 0, Black, 50, 15, 315, 5, 0, Black, 50, 10 },
        { Font, QString(), QStringLiteral("+0000+00+00 +00+00+00") });
}

Magick::Image Grey(int width = Width, int height = Height)
{
    Magick::Image image(
        Magick::Geometry(size_t(width), size_t(height)), Magick::ColorRGB(0.5, 0.5, 0.5));
    image.matte(false);
    return image;
}

QByteArray Rgba(Magick::Image image)
{
    QByteArray bytes(qsizetype(image.columns() * image.rows() * 4), Qt::Uninitialized);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, bytes.data());
    return bytes;
}

// The bounding box of the pixels that differ, and how many of them are darker than before.
QRect Ink(const Magick::Image &before, const Magick::Image &after, int *darker = nullptr)
{
    const QByteArray a = Rgba(before);
    const QByteArray b = Rgba(after);
    const int width = int(before.columns());
    QRect box;
    int darkerCount = 0;
    for (qsizetype at = 0; at < a.size(); at += 4) {
        if (a.mid(at, 4) == b.mid(at, 4))
            continue;
        const int pixel = int(at / 4);
        box |= QRect(pixel % width, pixel / width, 1, 1);
        darkerCount += uchar(b[at]) < uchar(a[at]) ? 1 : 0;
    }
    if (darker)
        *darker = darkerCount;
    return box;
}

bool ApplyTo(Magick::Image &photo, const SFilterRecord &record, int index = 0,
    const QString &path = QStringLiteral("/photos/Trip/beach.jpg"), CImageFilters *reuse = nullptr)
{
    CImageFilters local;
    CImageFilters &filters = reuse ? *reuse : local;
    filters.target = &photo;
    filters.record = record;
    filters.imageIndex = index;
    filters.sourcePath = path;
    return filters.Apply();
}

// Empty when the ink sits where the anchor and its margins put it; `slack` allows for the
// glyphs' bearings and the line's leading inside the text box.
QString PlacementError(const QRect &ink, int anchor, int marginX, int marginY, int slack)
{
    if (ink.isEmpty())
        return QStringLiteral("no ink");
    const auto check = [slack](int low, int high, int position, int size, int margin, int extent,
                           int column) -> bool {
        if (column == 0)
            return low >= margin - 1 && low <= margin + slack;
        if (column == 2)
            return extent - 1 - high >= margin - 1 && extent - 1 - high <= margin + slack;
        return std::abs((position + size / 2.0) - (extent / 2.0 + margin)) <= slack;
    };
    if (!check(ink.left(), ink.right(), ink.left(), ink.width(), marginX, Width, anchor % 3))
        return QStringLiteral("horizontal: ink %1..%2").arg(ink.left()).arg(ink.right());
    if (!check(ink.top(), ink.bottom(), ink.top(), ink.height(), marginY, Height, anchor / 3))
        return QStringLiteral("vertical: ink %1..%2").arg(ink.top()).arg(ink.bottom());
    return QString();
}

void SetModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

void WriteText(const QString &path, const QByteArray &bytes)
{
    QVERIFY(TestPhotos::WriteBytes(path, bytes));
}

} // namespace

class TestTextAnnotations : public QObject
{
    Q_OBJECT

private slots:
    void eachAnnotationLandsInItsAnchor_data();
    void eachAnnotationLandsInItsAnchor();
    void commentLinesAndAlignment();
    void pathKeywords_data();
    void pathKeywords();
    void previewPathPartsMatchApply();
    void keywordsFromRealExif();
    void formatsDates_data();
    void formatsDates();
    void impossibleExifDatesUseTheFileTime_data();
    void impossibleExifDatesUseTheFileTime();
    void stampOfAnImpossibleDateShowsTheFileTime();
    void sequentialTextsFromAFile();
    void sequentialTextsAcrossWorkers();
    void stepsThatCannotWorkFail_data();
    void stepsThatCannotWorkFail();
    void textureFillsAndIsCached();
    void colourTextOnAGreyPhotoKeepsItsColour();
    void rotationCornersAreTransparent_data();
    void rotationCornersAreTransparent();
    void dropShadowDirection_data();
    void dropShadowDirection();
    void previewMatchesTheBatch();

private:
    QTemporaryDir folder;
};

void TestTextAnnotations::eachAnnotationLandsInItsAnchor_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("marginX"); // pixels of the 400 x 300 photo
    QTest::addColumn<int>("marginY");
    for (int id : { FilterId::Comment, FilterId::Date, FilterId::WatermarkText }) {
        for (int anchor = 0; anchor < 9; ++anchor) {
            QTest::addRow("%d anchor %d", id, anchor) << id << anchor << 20 << 30;
            QTest::addRow("%d anchor %d flush", id, anchor) << id << anchor << 0 << 0;
        }
    }
}

void TestTextAnnotations::eachAnnotationLandsInItsAnchor()
{
    QFETCH(int, id);
    QFETCH(int, anchor);
    QFETCH(int, marginX);
    QFETCH(int, marginY);
    const double percentX = marginX * 100.0 / Width;
    const double percentY = marginY * 100.0 / Height;
    const SFilterRecord record = id == FilterId::Comment
        ? Comment(anchor, percentX, percentY, "Hello")
        : id == FilterId::Date ? Date(anchor, percentX, percentY)
                               : Watermark(anchor, marginX, marginY, "Hello");
    Magick::Image photo = Grey();
    QVERIFY(ApplyTo(photo, record));
    const QRect ink = Ink(Grey(), photo);
    QVERIFY2(PlacementError(ink, anchor, marginX, marginY, 14).isEmpty(),
        qPrintable(PlacementError(ink, anchor, marginX, marginY, 14)));
}

void TestTextAnnotations::commentLinesAndAlignment()
{
    const CImageFilters filters;
    QImage image;
    QRect one;
    QRect two;
    QVERIFY(UpdateComment(image, one, Comment(0, 0, 0, "Hi"), filters, Width, Height, 1, 0, 0, 1));
    // A trailing line feed makes an empty last line.
    QVERIFY(
        UpdateComment(image, two, Comment(0, 0, 0, "Hi\n"), filters, Width, Height, 1, 0, 0, 1));
    QCOMPARE(two.height(), 2 * one.height());
    QCOMPARE(two.width(), one.width());

    // The short second line goes left, to the middle or right under the long first line.
    const QString text = QStringLiteral("WWWWWWWW\nI");
    for (int alignment : { 0, 1, 2 }) {
        SFilterRecord record = Comment(0, 0, 0, text);
        record.numbers[CommentSlot::Alignment] = alignment;
        Magick::Image photo = Grey();
        QVERIFY(ApplyTo(photo, record));
        QRect box;
        QVERIFY(UpdateComment(image, box, record, filters, Width, Height, 1, 0, 0, 1));
        Magick::Image lower = photo;
        lower.crop(Magick::Geometry(Width, Height - box.center().y(), 0, box.center().y()));
        Magick::Image blank = Grey(Width, Height - box.center().y());
        const QRect ink = Ink(blank, lower);
        const double where = (ink.center().x() - box.left()) / double(box.width());
        const double expected[] = { 0.0, 0.5, 1.0 };
        QVERIFY2(std::abs(where - expected[alignment]) < 0.1,
            qPrintable(QStringLiteral("alignment %1 at %2").arg(alignment).arg(where)));
    }
}

void TestTextAnnotations::pathKeywords_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("watermark");
    QTest::newRow("nested") << "C:/Pics/2024/a.jpg"
                            << "a|jpg|2024|" + QDir::toNativeSeparators("C:/Pics/2024")
                            << "a|jpg|2024|" + QDir::toNativeSeparators("C:/Pics/2024/a.jpg");
    QTest::newRow("drive root") << "C:/a.jpg"
                                << "a|jpg|C:|C:"
                                << "a|jpg|C:|" + QDir::toNativeSeparators("C:/a.jpg");
    QTest::newRow("dotted folder") << "/x/a.b/photo"
                                   << "photo||a.b|" + QDir::toNativeSeparators("/x/a.b")
                                   << "photo||a.b|" + QDir::toNativeSeparators("/x/a.b/photo");
    // A file named after a keyword is stamped as named, never expanded again.
    QTest::newRow("keyword in name") << "/p/[Path].png"
                                     << "[Path]|png|p|" + QDir::toNativeSeparators("/p")
                                     << "[Path]|png|p|" + QDir::toNativeSeparators("/p/[Path].png");
}

void TestTextAnnotations::pathKeywords()
{
    QFETCH(QString, path);
    QFETCH(QString, comment);
    QFETCH(QString, watermark);
    CImageFilters filters;
    SetSourcePath(filters, path);
    const QString text = QStringLiteral("[Filename]|[Ext]|[Folder]|[Path]");
    QCOMPARE(ExpandCommentKeywords(text, filters), comment);
    QCOMPARE(ExpandWatermarkKeywords(text, filters), watermark);
    QCOMPARE(ExpandWatermarkKeywords(QStringLiteral("[Copyright] [Registered] [Trademark] "
                                                    "[Servicemark] [filename]"),
                 filters),
        QStringLiteral("\u00A9 \u00AE \u2122 \u2120 [filename]"));
}

void TestTextAnnotations::previewPathPartsMatchApply()
{
    for (const QString path : { "/photos/Trip/beach.jpg", "C:/a.b/photo", "plain", "/a.jpg" }) {
        Magick::Image photo = Grey(4, 4);
        CImageFilters applied;
        ApplyTo(photo, Record(9999, {}, {}), 0, path, &applied);
        CImageFilters preview;
        SetSourcePath(preview, path);
        QCOMPARE(preview.folder, applied.folder);
        QCOMPARE(preview.fileName, applied.fileName);
        QCOMPARE(preview.baseName, applied.baseName);
        QCOMPARE(preview.extension, applied.extension);
        QCOMPARE(preview.folderName, applied.folderName);
    }
}

void TestTextAnnotations::keywordsFromRealExif()
{
    TestPhotos::SExifFacts facts;
    facts.make = "Canon";
    facts.model = "Canon EOS 5D";
    facts.artist = "Ada Example";
    facts.dateTimeOriginal = "2021:07:14 09:30:15";
    facts.exposureTime = { 1, 250 };
    facts.fNumber = { 28, 10 };
    facts.iso = 400;
    facts.altitude = { 1250, 10 };
    facts.altitudeRef = 1;
    const QString path = folder.filePath(QStringLiteral("camera.jpg"));
    TestPhotos::WriteJpegWithExif(path, facts, 320, 240);

    CImageManager manager;
    QVERIFY(manager.Read(path));
    CImageFilters filters;
    filters.properties = manager.properties;
    SetSourcePath(filters, path);
    QCOMPARE(ExpandWatermarkKeywords(QStringLiteral("[CameraMaker]|[CameraModel]|[OriginArtist]|"
                                                    "[OriginDate]|[CameraISO]|[CameraFstop]|"
                                                    "[CameraExposure]|[GPSAltitude]|"
                                                    "[ImageDimensions]"),
                 filters),
        QStringLiteral("Canon|Canon EOS 5D|Ada Example|2021:07:14 09:30:15|ISO-400|f/2.8|"
                       "1/250 sec|-125.0 m|320 x 240"));

    // Resolutions are in dots per inch, from pixels per centimetre too.
    filters.properties.XResolution = filters.properties.YResolution = 72;
    filters.properties.ResolutionUnit = 1;
    QCOMPARE(ExpandWatermarkKeywords(QStringLiteral("[ImageResolution]"), filters),
        QStringLiteral("72 dpi x 72 dpi"));
    filters.properties.XResolution = filters.properties.YResolution = 28.35;
    filters.properties.ResolutionUnit = 2;
    QCOMPARE(ExpandWatermarkKeywords(QStringLiteral("[ImageResolution]"), filters),
        QStringLiteral("72.009 dpi x 72.009 dpi"));

    // The batch stamps the expanded text exactly as it stamps the same words typed out.
    Magick::Image typed = manager.image;
    QVERIFY(manager.ApplyFilter(Watermark(8, 10, 10, "[CameraModel] [CameraISO]")));
    CImageFilters plain;
    QVERIFY(ApplyTo(typed, Watermark(8, 10, 10, "Canon EOS 5D ISO-400"), 0, path, &plain));
    QVERIFY(Rgba(typed) == Rgba(manager.image));
    QVERIFY(Rgba(typed) != Rgba(Magick::Image(path.toStdString())));
}

void TestTextAnnotations::formatsDates_data()
{
    QTest::addColumn<QString>("exif");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("separator");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("expected");
    const QString none = QStringLiteral("+0000+00+00 +00+00+00");
    const QString when = QStringLiteral("2021:07:04 09:05:03");
    const char *layouts[] = { "Jul-04-2021", "Jul-04-21", "04-Jul-2021", "04-Jul-21", "2021-Jul-04",
        "21-Jul-04", "07-04-2021", "07-04-21", "04-07-2021", "04-07-21", "2021-07-04", "21-07-04" };
    for (int layout = 0; layout < 12; ++layout)
        QTest::addRow("layout %d", layout)
            << when << 1 << layout << 0 << 1 << none << layouts[layout];
    QTest::newRow("blank") << when << 1 << 8 << 0 << 0 << none << "04 07 2021";
    QTest::newRow("slash") << when << 1 << 8 << 0 << 2 << none << "04/07/2021";
    QTest::newRow("dot") << when << 1 << 8 << 0 << 3 << none << "04.07.2021";
    QTest::newRow("unknown separator is the page's \",\"")
        << when << 1 << 8 << 0 << 9 << none << "04,07,2021";
    QTest::newRow("comma month name") << when << 1 << 0 << 0 << 4 << none << "Jul 04, 2021";
    QTest::newRow("comma short") << when << 1 << 7 << 0 << 4 << none << "07 04, 21";
    QTest::newRow("comma elsewhere") << when << 1 << 10 << 0 << 4 << none << "2021,07,04";
    QTest::newRow("12 h") << when << 2 << 0 << 0 << 1 << none << "09:05 AM";
    QTest::newRow("12 h seconds") << when << 2 << 0 << 1 << 1 << none << "09:05:03 AM";
    QTest::newRow("24 h") << when << 2 << 0 << 2 << 1 << none << "09:05";
    QTest::newRow("24 h seconds") << when << 2 << 0 << 3 << 1 << none << "09:05:03";
    QTest::newRow("midnight") << "2021:07:04 00:10:00" << 2 << 0 << 0 << 1 << none << "12:10 AM";
    QTest::newRow("noon") << "2021:07:04 12:10:00" << 2 << 0 << 0 << 1 << none << "12:10 PM";
    QTest::newRow("evening") << "2021:07:04 13:10:00" << 2 << 0 << 0 << 1 << none << "01:10 PM";
    QTest::newRow("date and time") << when << 0 << 10 << 3 << 1 << none << "2021-07-04 09:05:03";
    QTest::newRow("year back") << when << 1 << 10 << 0 << 1 << "-0001+00+00 +00+00+00"
                               << "2020-07-04";
    QTest::newRow("months before days")
        << "2024:01:31 10:00:00" << 1 << 10 << 0 << 1 << "+0000+01+01 +00+00+00"
        << "2024-03-01";
    QTest::newRow("past midnight")
        << "2021:12:31 23:30:00" << 0 << 10 << 2 << 1 << "+0000+00+00 +01-15+00"
        << "2022-01-01 00:15";
    QTest::newRow("before 1900") << when << 1 << 11 << 0 << 1 << "-0200+00+00 +00+00+00"
                                 << "21-07-04";
    QTest::newRow("year 21") << when << 1 << 9 << 0 << 1 << "-2000+00+00 +00+00+00"
                             << "04-07-21";
    QTest::newRow("after 2099") << when << 1 << 11 << 0 << 1 << "+0130+00+00 +00+00+00"
                                << "51-07-04";
    QTest::newRow("garbled offset") << when << 1 << 10 << 0 << 1 << "+00x0+0a"
                                    << "2021-07-04";
}

void TestTextAnnotations::formatsDates()
{
    QFETCH(QString, exif);
    QFETCH(int, shown);
    QFETCH(int, layout);
    QFETCH(int, time);
    QFETCH(int, separator);
    QFETCH(QString, offset);
    QFETCH(QString, expected);
    QString text;
    QVERIFY(FormatDate(text, QString(), exif, shown, layout, time, separator, offset));
    QCOMPARE(text, expected);

    // The same moment as "now" for the current-time choices.
    const QDateTime now(QDate(exif.left(4).toInt(), exif.mid(5, 2).toInt(), exif.mid(8, 2).toInt()),
        QTime(exif.mid(11, 2).toInt(), exif.mid(14, 2).toInt(), exif.mid(17, 2).toInt()));
    QVERIFY(
        FormatDate(text, QString(), QString(), shown + 3, layout, time, separator, offset, now));
    QCOMPARE(text, expected);
}

void TestTextAnnotations::impossibleExifDatesUseTheFileTime_data()
{
    QTest::addColumn<QString>("exif");
    QTest::newRow("zeros") << "0000:00:00 00:00:00";
    QTest::newRow("31 February") << "2021:02:31 10:00:00";
    QTest::newRow("month 0") << "2021:00:10 10:00:00";
    QTest::newRow("hour 24") << "2021:05:10 24:00:00";
    QTest::newRow("empty") << "";
}

void TestTextAnnotations::impossibleExifDatesUseTheFileTime()
{
    QFETCH(QString, exif);
    const QString path = folder.filePath(QStringLiteral("dated.txt"));
    WriteText(path, "x");
    SetModified(path, QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9)));
    QString text;
    QVERIFY(FormatDate(text, path, exif, 0, 0, 3, 4, QString()));
    QCOMPARE(text, QStringLiteral("May 06, 2020 07:08:09"));
    // Without a file there is nothing to stamp.
    QVERIFY(!FormatDate(text, folder.filePath("missing.jpg"), exif, 0, 0, 3, 4, QString()));
}

void TestTextAnnotations::stampOfAnImpossibleDateShowsTheFileTime()
{
    TestPhotos::SExifFacts impossible;
    impossible.dateTimeOriginal = "2021:02:31 10:00:00";
    const QString impossiblePath = folder.filePath(QStringLiteral("impossible.jpg"));
    TestPhotos::WriteJpegWithExif(impossiblePath, impossible, 200, 150);
    SetModified(impossiblePath, QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9)));
    TestPhotos::SExifFacts real;
    real.dateTimeOriginal = "2020:05:06 07:08:09";
    const QString realPath = folder.filePath(QStringLiteral("real.jpg"));
    TestPhotos::WriteJpegWithExif(realPath, real, 200, 150);

    SFilterRecord record = Date(8, 2, 2);
    record.numbers[DateSlot::Shown] = 0;
    record.numbers[DateSlot::TimeLayout] = 3;
    CImageManager first;
    CImageManager second;
    QVERIFY(first.Read(impossiblePath) && second.Read(realPath));
    QVERIFY(first.ApplyFilter(record) && second.ApplyFilter(record));
    QVERIFY(Rgba(first.image) == Rgba(second.image));
}

void TestTextAnnotations::sequentialTextsFromAFile()
{
    const QString path = folder.filePath(QStringLiteral("lines.txt"));
    WriteText(path, "Alpha\r\nBe\r\nCharlie-long");
    SFilterRecord record = Watermark(4, 0, 0, "ignored");
    record.numbers[WatermarkTextSlot::TextFromFile] = 1;
    record.texts[WatermarkTextSlot::TextFilePath] = path;

    const auto stamped = [&](const SFilterRecord &step, int index) {
        Magick::Image photo = Grey();
        return ApplyTo(photo, step, index) ? Rgba(photo) : QByteArray();
    };
    const QByteArray alpha = stamped(Watermark(4, 0, 0, "Alpha"), 0);
    QCOMPARE(stamped(record, 0), alpha);
    QCOMPARE(stamped(record, 3), alpha);
    QCOMPARE(stamped(record, 6), alpha);
    QCOMPARE(stamped(record, 1), stamped(Watermark(4, 0, 0, "Be"), 0));
    QCOMPARE(stamped(record, 5), stamped(Watermark(4, 0, 0, "Charlie-long"), 0));

    // A final line feed adds an empty line: that photo gets nothing, and that is no failure.
    const QString ending = folder.filePath(QStringLiteral("ending.txt"));
    WriteText(ending, "Alpha\nBe\nCharlie-long\n");
    record.texts[WatermarkTextSlot::TextFilePath] = ending;
    QCOMPARE(stamped(record, 3), Rgba(Grey()));
    QCOMPARE(stamped(record, 4), alpha);

    // A file that cannot be read fails the step and leaves the photo alone.
    record.texts[WatermarkTextSlot::TextFilePath] = folder.filePath(QStringLiteral("missing.txt"));
    Magick::Image photo = Grey();
    QVERIFY(!ApplyTo(photo, record));
    QCOMPARE(Rgba(photo), Rgba(Grey()));
}

void TestTextAnnotations::sequentialTextsAcrossWorkers()
{
    // Two files in turn make the shared cache reload all the time while workers read it.
    const QStringList paths { folder.filePath("first.txt"), folder.filePath("second.txt") };
    WriteText(paths[0], "one\ntwo\nthree");
    WriteText(paths[1], "four\nfive");
    const auto recordFor = [&](int job) {
        SFilterRecord record = Watermark(0, 2, 2, QString());
        record.numbers[WatermarkTextSlot::FontSize] = 4;
        record.numbers[WatermarkTextSlot::TextFromFile] = 1;
        record.texts[WatermarkTextSlot::TextFilePath] = paths[job % 2];
        return record;
    };
    constexpr int Jobs = 24;
    std::vector<QByteArray> expected(Jobs);
    for (int job = 0; job < Jobs; ++job) {
        Magick::Image photo = Grey(120, 40);
        QVERIFY(ApplyTo(photo, recordFor(job), job));
        expected[job] = Rgba(photo);
    }
    std::vector<QByteArray> results(Jobs);
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 4; ++worker) {
        workers.emplace_back([&, worker] {
            for (int job = worker; job < Jobs; job += 4) {
                Magick::Image photo = Grey(120, 40);
                if (ApplyTo(photo, recordFor(job), job))
                    results[job] = Rgba(photo);
            }
        });
    }
    for (std::thread &worker : workers)
        worker.join();
    for (int job = 0; job < Jobs; ++job)
        QVERIFY2(results[job] == expected[job], qPrintable(QString::number(job)));
}

void TestTextAnnotations::stepsThatCannotWorkFail_data()
{
    QTest::addColumn<SFilterRecord>("record");
    // Where each of the three keeps its font size and transparency.
    const auto slotsOf = [](qint32 id) -> std::array<int, 2> {
        switch (id) {
        case FilterId::Comment:
            return { CommentSlot::FontSize, CommentSlot::Transparency };
        case FilterId::Date:
            return { DateSlot::FontSize, DateSlot::Transparency };
        default:
            return { WatermarkTextSlot::FontSize, WatermarkTextSlot::Transparency };
        }
    };
    for (const SFilterRecord &base :
        { Comment(4, 0, 0, "Hi"), Date(4, 0, 0), Watermark(4, 0, 0, "Hi") }) {
        const auto [sizeSlot, transparencySlot] = slotsOf(base.id);
        SFilterRecord record = base;
        record.numbers[transparencySlot] = 101;
        QTest::addRow("%d transparency 101", base.id) << record;
        record = base;
        record.numbers[sizeSlot] = 0;
        QTest::addRow("%d size 0", base.id) << record;
        record = base;
        record.numbers[sizeSlot] = std::nan("");
        QTest::addRow("%d size NaN", base.id) << record;
    }
    SFilterRecord record = Date(4, 0, 0);
    record.numbers[DateSlot::UseTexture] = 1;
    QTest::newRow("texture without a file") << record;
    record.texts[DateSlot::TexturePath] = QStringLiteral("/nowhere/texture.png");
    QTest::newRow("texture missing") << record;
    record = Date(4, 0, 0);
    record.numbers[DateSlot::UseShadow] = 1;
    record.numbers[DateSlot::ShadowDistance] = 150;
    QTest::newRow("shadow distance 150") << record;
    record = Watermark(4, 0, 0, "Hi");
    record.numbers[WatermarkTextSlot::Rotation] = 400;
    QTest::newRow("rotation 400") << record;
}

void TestTextAnnotations::stepsThatCannotWorkFail()
{
    QFETCH(SFilterRecord, record);
    Magick::Image photo = Grey(120, 80);
    QVERIFY(!ApplyTo(photo, record));
    QCOMPARE(Rgba(photo), Rgba(Grey(120, 80)));
}

void TestTextAnnotations::textureFillsAndIsCached()
{
    const QString path = folder.filePath(QStringLiteral("texture.png"));
    Magick::Image red(Magick::Geometry(16, 16), Magick::ColorRGB(1.0, 0.0, 0.0));
    red.write("PNG:" + path.toStdString());

    SFilterRecord record = Date(4, 0, 0);
    record.numbers[DateSlot::TextColor] = White; // the texture takes the colour's place
    record.numbers[DateSlot::UseTexture] = 1;
    record.numbers[DateSlot::UseStroke] = 0;
    record.texts[DateSlot::TexturePath] = path;
    CImageFilters filters;
    Magick::Image photo = Grey();
    QVERIFY(ApplyTo(photo, record, 0, path, &filters));
    const QByteArray pixels = Rgba(photo);
    int reddish = 0; // the texture is red, the colour white
    for (qsizetype at = 0; at < pixels.size(); at += 4)
        reddish += uchar(pixels[at]) > 200 && uchar(pixels[at + 1]) < 60 ? 1 : 0;
    QVERIFY(reddish > 20);

    // The same filter object keeps the texture; a fresh one must read the file again.
    QVERIFY(QFile::remove(path));
    Magick::Image again = Grey();
    QVERIFY(ApplyTo(again, record, 0, path, &filters));
    QCOMPARE(Rgba(again), pixels);
    Magick::Image fresh = Grey();
    QVERIFY(!ApplyTo(fresh, record, 0, path));
}

void TestTextAnnotations::colourTextOnAGreyPhotoKeepsItsColour()
{
    const QString path = folder.filePath(QStringLiteral("grey.jpg"));
    Magick::Image grey = Grey(200, 100);
    grey.type(Magick::GrayscaleType);
    grey.write("JPEG:" + path.toStdString());
    CImageManager manager;
    QVERIFY(manager.Read(path));
    SFilterRecord record = Watermark(4, 0, 0, "RED");
    record.numbers[WatermarkTextSlot::FontSize] = 16;
    record.numbers[WatermarkTextSlot::TextColor] = 4294901760.0; // opaque red
    QVERIFY(manager.ApplyFilter(record));

    const QString written = folder.filePath(QStringLiteral("stamped.jpg"));
    manager.image.write("JPEG:" + written.toStdString());
    Magick::Image result("JPEG:" + written.toStdString());
    const QByteArray pixels = Rgba(result);
    int red = 0;
    for (qsizetype at = 0; at < pixels.size(); at += 4)
        red += uchar(pixels[at]) > 180 && uchar(pixels[at + 1]) < 80 ? 1 : 0;
    QVERIFY(red > 50);
    QVERIFY(std::abs(uchar(pixels[0]) - 128) <= 2); // the grey itself is unchanged
}

void TestTextAnnotations::rotationCornersAreTransparent_data()
{
    QTest::addColumn<SFilterRecord>("record");
    // Size 6 stays below 17 points: the outline is the text's own white, nothing darkens.
    SFilterRecord watermark = Watermark(4, 0, 0, "Turned text");
    watermark.numbers[WatermarkTextSlot::FontSize] = 6;
    watermark.numbers[WatermarkTextSlot::Rotation] = 45;
    QTest::newRow("watermark") << watermark;
    SFilterRecord date = Date(4, 0, 0);
    date.numbers[DateSlot::FontSize] = 6;
    date.numbers[DateSlot::Rotation] = 45;
    date.numbers[DateSlot::UseStroke] = 0;
    QTest::newRow("date") << date;
}

void TestTextAnnotations::rotationCornersAreTransparent()
{
    QFETCH(SFilterRecord, record);
    Magick::Image photo = Grey();
    QVERIFY(ApplyTo(photo, record));
    int darker = 0;
    const QRect ink = Ink(Grey(), photo, &darker);
    QCOMPARE(darker, 0);
    // Turned by 45 degrees the ink is about as tall as it is wide, around the centre.
    QVERIFY2(ink.height() > ink.width() / 2,
        qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    QVERIFY(PlacementError(ink, 4, 0, 0, 6).isEmpty());
}

void TestTextAnnotations::dropShadowDirection_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("down") << 0 << 0 << 5;
    QTest::newRow("left") << 90 << -5 << 0;
    QTest::newRow("up") << 180 << 0 << -5;
    QTest::newRow("right") << 270 << 5 << 0;
    QTest::newRow("down left") << 30 << -2 << 4;
}

void TestTextAnnotations::dropShadowDirection()
{
    QFETCH(int, angle);
    QFETCH(int, dx);
    QFETCH(int, dy);
    // A 250 x 250 picture (reference length 50) with one opaque white pixel in the middle;
    // distance 10 % of 50 is 5 pixels.
    QImage input(250, 250, QImage::Format_ARGB32_Premultiplied);
    input.fill(Qt::transparent);
    input.setPixelColor(125, 125, Qt::white);
    const QImage result = AddDropShadow(input, true, qRgb(255, 0, 0), 0, 10, 50, angle, 0);
    QCOMPARE(result.size(), QSize(250 + std::abs(dx), 250 + std::abs(dy)));
    const QPoint text(125 + std::max(-dx, 0), 125 + std::max(-dy, 0));
    QCOMPARE(result.pixelColor(text), QColor(Qt::white));
    QCOMPARE(result.pixelColor(text + QPoint(dx, dy)), QColor(Qt::red));
    // Everything else stays transparent, the added strip included.
    QCOMPARE(qAlpha(result.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(result.pixel(result.width() - 1, result.height() - 1)), 0);
    QCOMPARE(
        AddDropShadow(input, false, qRgb(255, 0, 0), 0, 10, 50, angle, 0).size(), input.size());
}

void TestTextAnnotations::previewMatchesTheBatch()
{
    const CImageFilters filters;
    const SFilterRecord record = Comment(8, 5, 10, "Preview");
    QImage image;
    QRect batch;
    QRect preview;
    QVERIFY(UpdateComment(image, batch, record, filters, 800, 600, 1.0, 0, 0, 1.0));
    QVERIFY(UpdateComment(image, preview, record, filters, 400, 300, 0.5, 7, -3, 1.0));
    QVERIFY(std::abs(preview.x() - 7 - batch.x() / 2) <= 1);
    QVERIFY(std::abs(preview.y() + 3 - batch.y() / 2) <= 1);
    QVERIFY(std::abs(preview.width() - batch.width() / 2) <= 1);

    // On a screen of ratio 2 the text is drawn twice as finely in the same place.
    QRect sharp;
    QVERIFY(UpdateComment(image, sharp, record, filters, 800, 600, 1.0, 0, 0, 2.0));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QVERIFY(image.height() >= 2 * batch.height());
    QVERIFY(std::abs(sharp.height() - batch.height()) <= batch.height() / 10);
    QVERIFY(std::abs(sharp.right() - batch.right()) <= batch.width() / 10);
}

QUENDRASIL_TEST_MAIN_WITH(TestTextAnnotations, QGuiApplication, InitializeImageEngine)
#include "tst_textannotations.moc"
