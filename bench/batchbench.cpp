// Batch speed: 32 camera-sized JPEGs resized to 1600 pixels on the long edge at quality 85,
// once through the program's own batch core and once through separate ImageMagick command-line
// processes, with the worker count varied. Then a chain that reads side images (a logo, a
// picture frame and the Date's texture) over three-page TIFFs whose pages are each filtered and
// written, and over one document of every photo, with the number of side images decoded.
// Prints figures; asserts nothing.
//
//   batchbench [folder]      (default /tmp/quendrasil-bench; the photos are made once there)
//
// The photos are made by a child process of this program, so that the memory it took is not
// counted as the batch's peak.

#include "BatchCore.h"
#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageEngineSetup.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "SideImageCache.h"
#include "UserProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <Magick++.h>
#include <libexif/exif-data.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <malloc.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <list>
#include <thread>
#include <vector>

namespace {

constexpr int PhotoCount = 32;
constexpr size_t PhotoWidth = 6000;
constexpr size_t PhotoHeight = 4000;
constexpr int LongEdge = 1600;
constexpr int OutputQuality = 85;
constexpr int ResizeFilterId = 5040;

// The side-image runs: smaller photos of three pages each.
constexpr int PagedPhotoCount = 16;
constexpr int PagesPerPhoto = 3;
constexpr size_t PageWidth = 1200;
constexpr size_t PageHeight = 800;
constexpr int SideImagesInChain = 3; // the logo, the frame picture, the texture

QString PhotoName(int index)
{
    return QStringLiteral("photo-%1.jpg").arg(index, 2, 10, QLatin1Char('0'));
}

// ---- Making the photos -------------------------------------------------------------------

// A new entry of `components` zeroed values in the given IFD; libexif frees its data.
ExifEntry *AddExifEntry(
    ExifData *data, ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned long components)
{
    ExifEntry *entry = exif_entry_new();
    entry->tag = tag;
    entry->format = format;
    entry->components = components;
    entry->size = unsigned(exif_format_get_size(format) * components);
    entry->data = static_cast<unsigned char *>(std::calloc(1, entry->size));
    exif_content_add_entry(data->ifd[ifd], entry);
    exif_entry_unref(entry); // the IFD holds it now
    return entry;
}

void SetExifText(ExifData *data, ExifIfd ifd, ExifTag tag, const char *text)
{
    const size_t length = std::strlen(text) + 1;
    ExifEntry *entry = AddExifEntry(data, ifd, tag, EXIF_FORMAT_ASCII, length);
    std::memcpy(entry->data, text, length);
}

void SetExifShort(ExifData *data, ExifIfd ifd, ExifTag tag, int value)
{
    ExifEntry *entry = AddExifEntry(data, ifd, tag, EXIF_FORMAT_SHORT, 1);
    exif_set_short(entry->data, exif_data_get_byte_order(data), ExifShort(value));
}

// A camera's EXIF block: maker, model, date, orientation (upright) and ISO.
QByteArray CameraExif(int index)
{
    ExifData *data = exif_data_new();
    exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
    exif_data_set_data_type(data, EXIF_DATA_TYPE_COMPRESSED);
    // libexif would otherwise add and "correct" entries behind our back.
    exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    SetExifText(data, EXIF_IFD_0, EXIF_TAG_MAKE, "Tarrow");
    SetExifText(data, EXIF_IFD_0, EXIF_TAG_MODEL, "Bench Camera 24");
    SetExifShort(data, EXIF_IFD_0, EXIF_TAG_ORIENTATION, 1);
    const QByteArray date = QStringLiteral("2026:05:%1 10:%2:00")
                                .arg(1 + index % 28, 2, 10, QLatin1Char('0'))
                                .arg(index % 60, 2, 10, QLatin1Char('0'))
                                .toLatin1();
    SetExifText(data, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, date.constData());
    SetExifShort(data, EXIF_IFD_EXIF, EXIF_TAG_ISO_SPEED_RATINGS, 100 << (index % 4));
    unsigned char *bytes = nullptr;
    unsigned int length = 0;
    exif_data_save_data(data, &bytes, &length);
    QByteArray block(reinterpret_cast<const char *>(bytes), qsizetype(length));
    std::free(bytes);
    exif_data_unref(data);
    return block;
}

// Photographic content: fractal noise (fine detail everywhere, as foliage or gravel give),
// a broad gradient as light across a scene, and a few hard edges.
Magick::Image MakePhoto(int index)
{
    Magick::Image photo;
    photo.size(Magick::Geometry(PhotoWidth, PhotoHeight));
    photo.read("plasma:fractal");
    static const char *const colours[][2] = { { "#203060", "#f0c080" }, { "#304020", "#c0e0f0" },
        { "#502818", "#90c0ff" }, { "#101010", "#fff0d0" } };
    Magick::Image light;
    light.size(Magick::Geometry(PhotoHeight, PhotoWidth));
    light.read(QStringLiteral("gradient:%1-%2")
                   .arg(QLatin1String(colours[index % 4][0]), QLatin1String(colours[index % 4][1]))
                   .toStdString());
    light.rotate(index % 2 ? 90.0 : -90.0);
    photo.composite(light, 0, 0, Magick::OverlayCompositeOp);
    photo.strokeColor(Magick::ColorRGB(0.05, 0.05, 0.05));
    photo.fillColor(Magick::ColorRGB(0.9, 0.9, 0.85));
    photo.strokeWidth(14.0);
    const double shift = double(index % 8) * 200.0;
    photo.draw(Magick::DrawableRectangle(600.0 + shift, 500.0, 1800.0 + shift, 1700.0));
    photo.draw(Magick::DrawableCircle(4200.0 - shift, 2600.0, 4800.0 - shift, 2600.0));
    photo.type(Magick::TrueColorType);
    const QByteArray exif = CameraExif(index);
    photo.profile("EXIF", Magick::Blob(exif.constData(), size_t(exif.size())));
    photo.quality(92);
    return photo;
}

bool IsCachedPhoto(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        Magick::Image pinged;
        pinged.ping("JPEG:" + QFile::encodeName(path).toStdString());
        return pinged.columns() == PhotoWidth && pinged.rows() == PhotoHeight;
    } catch (const std::exception &) {
        return false;
    }
}

// Makes the photos the folder does not hold yet, several at a time; false when one failed.
bool PreparePhotos(const QString &folder, QStringList &photos)
{
    QList<int> missing;
    for (int index = 0; index < PhotoCount; ++index) {
        const QString path = folder + QLatin1Char('/') + PhotoName(index);
        photos.append(path);
        if (!IsCachedPhoto(path))
            missing.append(index);
    }
    if (missing.isEmpty())
        return true;
    std::printf("Making %d photos of %zux%zu in %s (once)...\n", int(missing.size()), PhotoWidth,
        PhotoHeight, qPrintable(folder));
    std::fflush(stdout);
    // Plasma is single-threaded; the photos are made side by side instead.
    const auto savedThreads = MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource);
    MagickCore::SetMagickResourceLimit(MagickCore::ThreadResource, 1);
    std::atomic_int next { 0 };
    std::atomic_bool failed { false };
    std::vector<std::thread> makers;
    const int makerCount = std::max(1, QThread::idealThreadCount());
    for (int maker = 0; maker < makerCount; ++maker) {
        makers.emplace_back([&]() {
            for (int at = next++; at < missing.size(); at = next++) {
                const QString path = folder + QLatin1Char('/') + PhotoName(missing.at(at));
                const QString partial = path + QStringLiteral(".part");
                try {
                    Magick::Image photo = MakePhoto(missing.at(at));
                    photo.write("JPEG:" + QFile::encodeName(partial).toStdString());
                    // Only a complete file ever carries the photo's name.
                    if (!QFile::exists(path) || QFile::remove(path))
                        QFile::rename(partial, path);
                } catch (const std::exception &exception) {
                    std::fprintf(
                        stderr, "Cannot make %s: %s\n", qPrintable(path), exception.what());
                    failed = true;
                }
            }
        });
    }
    for (std::thread &maker : makers)
        maker.join();
    MagickCore::SetMagickResourceLimit(MagickCore::ThreadResource, savedThreads);
    return !failed;
}

// ---- Measuring ----------------------------------------------------------------------------

struct SResult
{
    double seconds = 0.0;
    int failed = 0;
    qint64 peakKiB = -1; // -1 unknown
    int workers = 0;
    int photos = PhotoCount;
    quint64 sideImagesDecoded = 0;
};

double PhotosPerSecond(const SResult &result)
{
    return result.seconds > 0.0 ? double(result.photos - result.failed) / result.seconds : 0.0;
}

// The process's peak resident memory since the last reset, in KiB.
qint64 PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Lets the next peak count from now: memory freed by earlier runs goes back to the system
// (tcmalloc keeps freed pages resident until asked) and VmHWM is reset (Linux: writing 5 to
// clear_refs).
void ResetPeakResident()
{
    using ReleaseFunction = void (*)();
    if (auto release = reinterpret_cast<ReleaseFunction>(
            dlsym(RTLD_DEFAULT, "MallocExtension_ReleaseFreeMemory")))
        release();
    malloc_trim(0);
    const int refs = ::open("/proc/self/clear_refs", O_WRONLY);
    if (refs >= 0) {
        if (::write(refs, "5", 1) != 1)
            std::fprintf(stderr, "The peak memory could not be reset\n");
        ::close(refs);
    }
}

// Reads every photo once so that no run pays for the disk and the first run is not unfair.
void WarmFileCache(const QStringList &photos)
{
    for (const QString &photo : photos) {
        QFile file(photo);
        if (file.open(QIODevice::ReadOnly)) {
            while (!file.read(4 * 1024 * 1024).isEmpty()) { }
        }
    }
}

bool PrepareEmptyFolder(const QString &folder)
{
    QDir dir(folder);
    if (dir.exists() && !dir.removeRecursively())
        return false;
    return QDir().mkpath(folder);
}

// Outputs that are missing, or not a JPEG of the expected size.
int CountBadOutputs(const QString &folder, const QStringList &sources)
{
    int bad = 0;
    for (const QString &source : sources) {
        const QString output = folder + QLatin1Char('/') + QFileInfo(source).fileName();
        try {
            Magick::Image pinged;
            pinged.ping("JPEG:" + QFile::encodeName(output).toStdString());
            const size_t longSide = std::max(pinged.columns(), pinged.rows());
            if (longSide != size_t(LongEdge))
                ++bad;
        } catch (const std::exception &) {
            ++bad;
        }
    }
    return bad;
}

// The job as the window would build it: the photos, one Resize step to 1600 pixels on the
// long edge (as its settings page saves it), JPEG at quality 85 into one folder.
void BuildJob(const QStringList &photos, const QString &outputFolder)
{
    CListImages::instance()->Clear();
    QStringList rejected;
    for (const QString &photo : photos)
        CListImages::instance()->AddImage(photo, rejected);
    if (!rejected.isEmpty())
        std::fprintf(stderr, "Rejected by the photo list: %s\n", qPrintable(rejected.join(", ")));

    CListFilters::instance()->Clear();
    SFilterRecord resize;
    resize.id = ResizeFilterId;
    resize.name = QStringLiteral("Resize");
    resize.active = true;
    resize.numberCount = 6;
    resize.numbers[0] = LongEdge; // width
    resize.numbers[1] = LongEdge; // height
    resize.numbers[2] = 1.0; // keep proportions: the larger value is the long edge
    resize.numbers[3] = 0.0; // fit
    resize.numbers[4] = 0.0; // pixels
    resize.numbers[5] = 0.0; // enlarging allowed
    CListFilters::instance()->Append(resize);

    CUserProfile *profile = CUserProfile::instance();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outputFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("JPG");
    profile->UpdateOutputExtension();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->Quality = OutputQuality;
    profile->UseMulticore = true;
    profile->QdvLog = false;
}

// Every thread of this process may run on `mask` again.
void SetAllThreadsAffinity(const cpu_set_t &mask)
{
    const QStringList tasks
        = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks)
        sched_setaffinity(pid_t(task.toInt()), sizeof(mask), &mask);
}

// One run through the batch core. `workers` 0 keeps the default count. The core sizes its
// crew from the processors this thread may use, so a smaller count is asked for by narrowing
// the main thread while the workers start; they and everything else then get every processor
// back, so N workers always have the whole machine.
// Runs the job the model holds to its end: the time from the start, the workers and the peak
// memory go into `result`; `started` runs right after the start. False when it did not start.
bool RunBatch(CBatchCore &core, SResult &result, const std::function<void()> &started = {})
{
    QEventLoop loop;
    QObject::connect(&core, &CBatchCore::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    const bool running = core.Start();
    if (started)
        started();
    if (!running)
        return false;
    result.workers = core.WorkerCount();
    if (!core.IsFinished())
        loop.exec();
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    result.peakKiB = PeakResidentKiB();
    return true;
}

SResult RunOurs(const QStringList &photos, const QString &outputFolder, int workers)
{
    SResult result;
    if (!PrepareEmptyFolder(outputFolder)) {
        result.failed = PhotoCount;
        return result;
    }
    BuildJob(photos, outputFolder);

    cpu_set_t full;
    CPU_ZERO(&full);
    sched_getaffinity(0, sizeof(full), &full);
    if (workers > 0) {
        cpu_set_t narrow;
        CPU_ZERO(&narrow);
        int taken = 0;
        for (int cpu = 0; cpu < CPU_SETSIZE && taken < workers; ++cpu) {
            if (CPU_ISSET(cpu, &full)) {
                CPU_SET(cpu, &narrow);
                ++taken;
            }
        }
        sched_setaffinity(0, sizeof(narrow), &narrow);
    }

    ResetPeakResident();
    CBatchCore core;
    // The workers keep the narrow set they start on; everything after the start runs free.
    if (!RunBatch(core, result, [&full]() { SetAllThreadsAffinity(full); })) {
        result.failed = PhotoCount;
        return result;
    }
    // A photo counts as failed when the core reported it or its output is not right.
    result.failed = std::max(core.ErrorTotal(), CountBadOutputs(outputFolder, photos));
    return result;
}

// One run of separate `convert` processes, `processes` at a time, with ImageMagick's own
// shrink-on-load and one thread each.
SResult RunConvert(const QString &convert, const QStringList &photos, const QString &outputFolder,
    int processes, const QProcessEnvironment &environment)
{
    SResult result;
    result.workers = processes;
    if (!PrepareEmptyFolder(outputFolder)) {
        result.failed = PhotoCount;
        return result;
    }
    const QString size = QStringLiteral("%1x%1").arg(LongEdge);
    QProcess xargs;
    xargs.setProcessEnvironment(environment);
    xargs.setWorkingDirectory(QFileInfo(photos.first()).absolutePath());
    xargs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments { QStringLiteral("-0"), QStringLiteral("-P"),
        QString::number(processes), QStringLiteral("-I"), QStringLiteral("{}"), convert,
        QStringLiteral("-limit"), QStringLiteral("thread"), QStringLiteral("1"),
        QStringLiteral("-define"), QStringLiteral("jpeg:size=") + size, QStringLiteral("{}"),
        QStringLiteral("-resize"), size, QStringLiteral("-quality"), QString::number(OutputQuality),
        outputFolder + QStringLiteral("/{}") };
    QByteArray names;
    for (const QString &photo : photos)
        names += QFile::encodeName(QFileInfo(photo).fileName()) + '\0';

    QElapsedTimer clock;
    clock.start();
    xargs.start(QStringLiteral("xargs"), arguments);
    if (!xargs.waitForStarted()) {
        result.failed = PhotoCount;
        return result;
    }
    xargs.write(names);
    xargs.closeWriteChannel();
    xargs.waitForFinished(-1);
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    xargs.readAllStandardOutput();
    result.failed = CountBadOutputs(outputFolder, photos);
    // No peak: the children's maximum resident size the kernel keeps includes this process's
    // size at each fork.
    return result;
}

// ---- Side images ---------------------------------------------------------------------------

struct SSideImageFiles
{
    QStringList sources; // three-page TIFFs
    QString logo; // PNG with see-through parts
    QString texture; // PNG
};

QString PagedPhotoName(int index)
{
    return QStringLiteral("pages-%1.tif").arg(index, 2, 10, QLatin1Char('0'));
}

bool IsCachedPagedPhoto(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    CImageManager manager;
    return manager.GetPageCount(path) == PagesPerPhoto && manager.Ping(path)
        && manager.GetImageProperties().Width == PageWidth
        && manager.GetImageProperties().Height == PageHeight;
}

// The three-page TIFFs (a photo as it is, mirrored and upside down), made once, and the logo
// and the texture; false when one could not be made.
bool PrepareSideImageFiles(const QString &folder, const QStringList &photos, SSideImageFiles &files)
{
    try {
        for (int index = 0; index < PagedPhotoCount; ++index) {
            const QString path = folder + QLatin1Char('/') + PagedPhotoName(index);
            files.sources.append(path);
            if (IsCachedPagedPhoto(path))
                continue;
            Magick::Image page;
            page.defineValue("jpeg", "size",
                QStringLiteral("%1x%2").arg(PageWidth).arg(PageHeight).toStdString());
            page.read("JPEG:" + QFile::encodeName(photos.at(index % photos.size())).toStdString());
            Magick::Geometry size(PageWidth, PageHeight);
            size.aspect(true);
            page.scale(size);
            page.compressType(Magick::JPEGCompression);
            page.quality(90);
            std::list<Magick::Image> pages { page, page, page };
            std::next(pages.begin())->flop();
            pages.back().flip();
            const QString partial = path + QStringLiteral(".part");
            Magick::writeImages(pages.begin(), pages.end(),
                "TIFF:" + QFile::encodeName(partial).toStdString(), true);
            if (!QFile::exists(path) || QFile::remove(path))
                QFile::rename(partial, path);
        }

        files.logo = folder + QStringLiteral("/logo.png");
        Magick::Image logo(Magick::Geometry(320, 120), Magick::Color("transparent"));
        logo.strokeColor(Magick::ColorRGB(0.1, 0.1, 0.1));
        logo.strokeWidth(4.0);
        logo.fillColor(Magick::ColorRGB(0.95, 0.95, 0.9));
        logo.draw(Magick::DrawableRoundRectangle(4, 4, 315, 115, 20, 20));
        logo.fillColor(Magick::ColorRGB(0.8, 0.1, 0.1));
        logo.draw(Magick::DrawableEllipse(160, 60, 120, 40, 0, 360));
        logo.write("PNG:" + QFile::encodeName(files.logo).toStdString());

        files.texture = folder + QStringLiteral("/texture.png");
        Magick::Image texture;
        texture.size(Magick::Geometry(64, 64));
        texture.read("gradient:#c04000-#ffd040");
        texture.write("PNG:" + QFile::encodeName(files.texture).toStdString());
    } catch (const std::exception &exception) {
        std::fprintf(stderr, "Cannot make the side-image files: %s\n", exception.what());
        return false;
    }
    return true;
}

SFilterRecord StepRecord(int id, const char *name, int numberCount, int textCount)
{
    SFilterRecord record;
    record.id = id;
    record.name = QString::fromLatin1(name);
    record.active = true;
    record.numberCount = quint8(numberCount);
    record.textCount = quint8(textCount);
    return record;
}

// The chain as the settings pages save it: a logo at the bottom right, today's date in the
// texture at the top left, the second picture frame around it all. TIFF output, every page
// filtered and written; with `document` one document of the run's photos instead.
void BuildSideImageJob(const SSideImageFiles &files, const QString &outputFolder, bool document)
{
    CListImages::instance()->Clear();
    QStringList rejected;
    for (const QString &source : files.sources)
        CListImages::instance()->AddImage(source, rejected);
    if (!rejected.isEmpty())
        std::fprintf(stderr, "Rejected by the photo list: %s\n", qPrintable(rejected.join(", ")));

    constexpr double White = 4294967295.0;
    constexpr double Black = 4278190080.0;
    CListFilters::instance()->Clear();
    SFilterRecord logo = StepRecord(FilterId::WatermarkLogo, "Watermark Logo",
        WatermarkLogoSlot::NumberCount, WatermarkLogoSlot::TextCount);
    logo.numbers[WatermarkLogoSlot::Placement] = 8;
    logo.numbers[WatermarkLogoSlot::DeltaX] = 24;
    logo.numbers[WatermarkLogoSlot::DeltaY] = 24;
    logo.numbers[WatermarkLogoSlot::Scale] = 100;
    logo.numbers[WatermarkLogoSlot::Transparency] = 30;
    logo.texts[WatermarkLogoSlot::LogoPath] = files.logo;
    CListFilters::instance()->Append(logo);

    SFilterRecord date
        = StepRecord(FilterId::Date, "Date", DateSlot::NumberCount, DateSlot::TextCount);
    const std::initializer_list<double> dateNumbers { 4, 10, 0, 16, White, 0, 2, 2, 2, 0, 1, 0, 0,
        0, 1, 1, 0, 0, Black, 10, 1, 0, Black, 50, 15, 315, 5, 0, Black, 50, 10 };
    std::copy(dateNumbers.begin(), dateNumbers.end(), date.numbers.begin());
    date.texts[DateSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    date.texts[DateSlot::TexturePath] = files.texture;
    date.texts[DateSlot::Correction] = QStringLiteral("+0000+00+00 +00+00+00");
    CListFilters::instance()->Append(date);

    SFilterRecord frame
        = StepRecord(FilterId::PictureFrame, "Picture Frame", PictureFrameSlot::NumberCount, 0);
    frame.numbers[PictureFrameSlot::Frame] = 1;
    frame.numbers[PictureFrameSlot::BackgroundColor] = White;
    CListFilters::instance()->Append(frame);

    CUserProfile *profile = CUserProfile::instance();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outputFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("TIF");
    profile->OutputOptions.Multipage = document;
    profile->UpdateOutputExtension();
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->MultipageWrite = 0;
    profile->UseMulticore = true;
    profile->QdvLog = false;
}

// One run of the side-image chain with the default workers.
SResult RunSideImages(const SSideImageFiles &files, const QString &outputFolder, bool document)
{
    SResult result;
    result.photos = int(files.sources.size());
    if (!PrepareEmptyFolder(outputFolder)) {
        result.failed = result.photos;
        return result;
    }
    BuildSideImageJob(files, outputFolder, document);

    ResetPeakResident();
    const quint64 decodedBefore = SideImageDecodeCount();
    CBatchCore core;
    if (!RunBatch(core, result)) {
        result.failed = result.photos;
        return result;
    }
    // Every failed step counts; a photo fails once at most.
    result.failed = std::min(result.photos, core.ErrorTotal());
    result.sideImagesDecoded = SideImageDecodeCount() - decodedBefore;
    return result;
}

QString Megabytes(qint64 kiB)
{
    return QString::number(double(kiB) / 1024.0, 'f', 0);
}

void PrintRow(const char *what, const SResult &result)
{
    std::printf("  %-34s %3d  %7.2f s  %6.2f photos/s  peak %5s MB  failed %d\n", what,
        result.workers, result.seconds, PhotosPerSecond(result),
        qPrintable(result.peakKiB < 0 ? QStringLiteral("-") : Megabytes(result.peakKiB)),
        result.failed);
}

void PrintSideImageRow(const char *what, const SResult &result)
{
    PrintRow(what, result);
    std::printf("side images decoded: %llu for %d photos on %d workers\n",
        static_cast<unsigned long long>(result.sideImagesDecoded), result.photos, result.workers);
}

void Silence(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The engine's trace lines go to the debug channel; the figures are what matters here.
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // "--make-photos FOLDER": the child that makes the photos.
    const bool maker = argc > 2 && std::strcmp(argv[1], "--make-photos") == 0;
    // The bench never reads or writes the user's settings: its own home under the folder.
    const QString folder = maker ? QString::fromLocal8Bit(argv[2])
        : argc > 1               ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral("/tmp/quendrasil-bench");
    const QString home = folder + QStringLiteral("/home");
    if (!QDir().mkpath(home) || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create %s\n", qPrintable(folder));
        return 1;
    }
    // The command-line runs get the environment as it was, not the engine's policy folder.
    const QByteArray originalConfigurePath = qgetenv("MAGICK_CONFIGURE_PATH");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));

    qInstallMessageHandler(Silence);
    // The Date step draws with Qt's fonts, which need a GUI application; nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QuendrasilBench"));
    QCoreApplication::setApplicationName(QStringLiteral("batchbench"));
    InitializeImageEngine(argv[0]);
    if (maker) {
        QStringList made;
        return PreparePhotos(folder, made) ? 0 : 1;
    }
    CUserProfile::instance()->LoadSettings();

    QProcessEnvironment convertEnvironment = QProcessEnvironment::systemEnvironment();
    if (originalConfigurePath.isEmpty())
        convertEnvironment.remove(QStringLiteral("MAGICK_CONFIGURE_PATH"));
    else
        convertEnvironment.insert(
            QStringLiteral("MAGICK_CONFIGURE_PATH"), QString::fromLocal8Bit(originalConfigurePath));

    QStringList photos;
    for (int index = 0; index < PhotoCount; ++index)
        photos.append(folder + QLatin1Char('/') + PhotoName(index));
    if (!std::all_of(photos.cbegin(), photos.cend(), IsCachedPhoto)) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--make-photos"), folder });
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0) {
            std::fprintf(stderr, "The photos could not be made.\n");
            return 1;
        }
    }
    WarmFileCache(photos);
    qint64 sourceBytes = 0;
    for (const QString &photo : photos)
        sourceBytes += QFileInfo(photo).size();

    const int cores = QThread::idealThreadCount();
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    std::printf("%d JPEGs of %zux%zu (%.0f MB) -> %d px long edge, quality %d; %d processors\n",
        PhotoCount, PhotoWidth, PhotoHeight, double(sourceBytes) / 1e6, LongEdge, OutputQuality,
        cores);
    std::printf("Peak memory: this process's VmHWM during each run.\n");
    std::printf("  %-34s %3s\n", "", "N");

    const QString ourFolder = folder + QStringLiteral("/out-quendrasil");
    const QString convertFolder = folder + QStringLiteral("/out-convert");

    const SResult ours = RunOurs(photos, ourFolder, 0);
    PrintRow("Quendrasil, default workers", ours);
    SResult theirs;
    if (convert.isEmpty()) {
        std::printf("  convert is not installed: the command-line runs are skipped\n");
    } else {
        theirs = RunConvert(convert, photos, convertFolder, cores, convertEnvironment);
        PrintRow("convert processes, one per core", theirs);
        if (PhotosPerSecond(theirs) > 0.0)
            std::printf("  Ratio (Quendrasil / convert): %.2f\n",
                PhotosPerSecond(ours) / PhotosPerSecond(theirs));
    }

    std::printf("By worker count:\n");
    for (const int workers : { 1, 2, 4, 8 }) {
        const SResult run = RunOurs(photos, ourFolder, workers);
        PrintRow(qPrintable(QStringLiteral("Quendrasil, %1 worker(s)").arg(workers)), run);
        if (!convert.isEmpty()) {
            const SResult other
                = RunConvert(convert, photos, convertFolder, workers, convertEnvironment);
            PrintRow(qPrintable(QStringLiteral("convert, %1 process(es)").arg(workers)), other);
            if (PhotosPerSecond(other) > 0.0)
                std::printf(
                    "  %-34s %.2f\n", "ratio", PhotosPerSecond(run) / PhotosPerSecond(other));
        }
    }

    // The side-image count of the page-by-page document is the last line, compared from run
    // to run.
    SSideImageFiles sideImageFiles;
    if (PrepareSideImageFiles(folder, photos, sideImageFiles)) {
        WarmFileCache(sideImageFiles.sources);
        std::printf("Side images (logo, picture frame, Date texture; %d in the chain) over %d "
                    "TIFFs of %d pages of %zux%zu:\n",
            SideImagesInChain, PagedPhotoCount, PagesPerPhoto, PageWidth, PageHeight);
        const QString sideImageFolder = folder + QStringLiteral("/out-side-images");
        PrintSideImageRow("Quendrasil, each page of each file",
            RunSideImages(sideImageFiles, sideImageFolder, false));
        PrintSideImageRow("Quendrasil, one document per run",
            RunSideImages(sideImageFiles, sideImageFolder, true));
    }
    return ours.failed == 0 ? 0 : 2;
}
