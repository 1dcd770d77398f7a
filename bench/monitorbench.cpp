// Monitor's folder scan: a job over 2,000 photos of about 1 MB each, scanned through the watch
// thread's own listing (the job read back from a job store), first with an empty checksum
// cache and then again unchanged; one photo rewritten with its modification time put back
// must come out with its new sum; then 100 watch threads, each over an unchanged folder of 20
// photos with an interval of 1 s, run for 30 s while the process's CPU time is taken.
// Prints figures; exits 1 only when a stale sum came through.
//
//   monitorbench [files]     (default 2000; the photos are made once under build/)
//
// Scan times are the listing and hashing only, as the watch thread traces them: the quiet-
// folder wait before it is a fixed second. "rescan read" is the growth of /proc/self/io's
// rchar around the whole rescan.

#include "JobStore.h"
#include "MonitorThread.h"
#include "platform/FileTimes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

constexpr int PhotosPerFolder = 20;
constexpr int PhotoBytes = 1000000;
constexpr int IdleJobs = 100;
constexpr int IdleSeconds = 30;

std::atomic<int> threadScans { 0 };
std::atomic<qint64> lastListingMs { -1 };
Qt::HANDLE mainThread = nullptr;

// Trace lines are counted, not printed: the listing time of the main thread's scans, and
// how many scans the watch threads made.
void Count(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type >= QtWarningMsg && !message.contains(QLatin1String("CMonitorThread")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    static const QRegularExpression listing(QStringLiteral("SearchAllFiles: (\\d+)ms$"));
    if (!message.endsWith(QLatin1String("ms")))
        return;
    const QRegularExpressionMatch match = listing.match(message);
    if (!match.hasMatch())
        return;
    if (QThread::currentThreadId() == mainThread)
        lastListingMs = match.captured(1).toLongLong();
    else
        ++threadScans;
}

qint64 ReadBytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// Process CPU time in seconds: user, system.
std::pair<double, double> CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds
        = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return { seconds(usage.ru_utime), seconds(usage.ru_stime) };
}

QByteArray PhotoContent(const QByteArray &header)
{
    QByteArray content = header;
    content.resize(PhotoBytes);
    // Distinct bytes after the picture, so that every photo has its own sum.
    auto *words = reinterpret_cast<quint32 *>(content.data() + header.size());
    QRandomGenerator::global()->fillRange(words, (PhotoBytes - header.size()) / 4);
    return content;
}

QString FolderOf(const QString &root, int index)
{
    return root + QStringLiteral("/f%1").arg(index / PhotosPerFolder, 3, 10, QLatin1Char('0'));
}

QString PhotoPath(const QString &root, int index)
{
    return FolderOf(root, index) + QStringLiteral("/p%1.jpg").arg(index, 5, 10, QLatin1Char('0'));
}

bool MakePhotos(const QString &root, int files)
{
    const QString marker = root + QStringLiteral("/.complete-%1").arg(files);
    if (QFile::exists(marker))
        return true;
    std::printf("Making %d photos of 1 MB in %s (once)...\n", files, qPrintable(root));
    std::fflush(stdout);
    QDir(root).removeRecursively();
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 120, 40));
    QByteArray header;
    QBuffer buffer(&header);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPEG", 90)) {
        std::fprintf(stderr, "No JPEG writer\n");
        return false;
    }
    for (int index = 0; index < files; ++index) {
        QDir().mkpath(FolderOf(root, index));
        QFile file(PhotoPath(root, index));
        if (!file.open(QIODevice::WriteOnly) || file.write(PhotoContent(header)) != PhotoBytes) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
    }
    // Photos changed within the cache's time step of their first reading are read again on
    // the next scan: let them age first.
    QThread::msleep(CChecksumCache::TimeStepNs / 1000000 + 500);
    QFile(marker).open(QIODevice::WriteOnly);
    return true;
}

CJob FolderJob(qint64 id, const QString &folder, bool subfolders)
{
    CJob job;
    job.Id = id;
    job.Name = QStringLiteral("Bench %1").arg(id);
    job.Source = folder;
    job.Script = folder + QStringLiteral("/job.qlf");
    job.Mask = QStringLiteral("*.jpg");
    job.Subfolders = subfolders;
    job.Interval = 1;
    job.Active = true;
    return job;
}

// The jobs as Monitor holds them: written to a job store and read back into the job list.
bool LoadThroughStore(const QList<CJob> &jobs, const QString &store)
{
    QList<CJob> read;
    if (!SaveJobStore(jobs, true, store) || !ReadJobStore(store, read)) {
        std::fprintf(stderr, "The job store %s cannot be written or read\n", qPrintable(store));
        return false;
    }
    GetJobList()->Clear();
    for (const CJob &job : std::as_const(read))
        GetJobList()->Append(job);
    return true;
}

// One scan on this thread; its listing time in seconds.
double Scan(CMonitorThread &thread, CJob &job)
{
    lastListingMs = -1;
    thread.ScanForChanges(job, job.Type);
    return double(lastListingMs.load()) / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    mainThread = QThread::currentThreadId();
    qInstallMessageHandler(Count);
    QCoreApplication application(argc, argv);
    const int files = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;
    const QString root = QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../monitorbench-photos"));
    if (!MakePhotos(root, files))
        return 1;
    const QString store = root + QStringLiteral("/Monitor.xml");

    // One job over the whole tree.
    if (!LoadThroughStore({ FolderJob(1, root, true) }, store))
        return 1;
    CJob job = *GetJobList()->FindById(1);
    CMonitorThread scanner;
    const double firstScan = Scan(scanner, job);
    std::printf("first scan: %lld photos, %d new, %.2f s listing and hashing, %.1f MB hashed\n",
        qlonglong(job.CurrentImages.size()), int(scanner.NewImages.size()), firstScan,
        double(scanner.Checksums().BytesHashed()) / 1e6);

    const qint64 probe = ReadBytesRead();
    const qint64 probeCost = ReadBytesRead() - probe; // what reading the counter itself reads
    const qint64 readBefore = ReadBytesRead();
    const double rescan = Scan(scanner, job);
    const qint64 rescanRead = ReadBytesRead() - readBefore - probeCost;
    std::printf("rescan: %d new, %.2f s listing and hashing, %lld bytes read, %d sums kept\n",
        int(scanner.NewImages.size()), rescan, qlonglong(rescanRead), scanner.Checksums().Count());

    // A photo rewritten in place with its modification time put back.
    const QString touched = PhotoPath(root, files / 2);
    Platform::SFileStamp stamp;
    QFile rewrite(touched);
    const bool rewritten = Platform::ReadFileStamp(touched, stamp)
        && rewrite.open(QIODevice::ReadWrite) && rewrite.seek(PhotoBytes - 64)
        && rewrite.write(
               QByteArray::number(QRandomGenerator::global()->generate64()).leftJustified(64, 'x'))
            == 64;
    rewrite.close();
    if (!rewritten
        || !Platform::WriteFileTimes(touched, stamp.accessTime, stamp.modificationTime)) {
        std::fprintf(stderr, "Cannot rewrite %s\n", qPrintable(touched));
        return 1;
    }
    Scan(scanner, job);
    const QString expected = FileMd5(touched);
    QStringList stale;
    for (const SJobImage &image : std::as_const(job.Log))
        if (image.Path == touched && image.Hash != expected)
            stale.append(image.Path);
    if (scanner.NewImages.size() != 1 || scanner.NewImages.first().Path != touched)
        stale.append(touched);
    if (!stale.isEmpty()) {
        std::printf("stale hash: %s\n", qPrintable(stale.first()));
        return 1;
    }
    std::printf("stale hash: none\n");

    // 100 watch threads, each over one folder of 20 photos its log already knows.
    QList<CJob> idle;
    for (int index = 0; index < IdleJobs; ++index) {
        const QString folder = FolderOf(root, (index * PhotosPerFolder) % files);
        CJob watched = FolderJob(100 + index, folder, false);
        for (const SJobImage &image : std::as_const(job.Log))
            if (image.Path.startsWith(folder + QLatin1Char('/')))
                watched.Log.append(image);
        idle.append(watched);
    }
    if (!LoadThroughStore(idle, store))
        return 1;
    std::atomic<int> handOvers { 0 };
    std::vector<std::unique_ptr<CMonitorThread>> threads;
    for (const CJob &watched : std::as_const(idle)) {
        threads.push_back(std::make_unique<CMonitorThread>());
        CMonitorThread &thread = *threads.back();
        thread.JobId = watched.Id;
        QObject::connect(
            &thread, &CMonitorThread::BeginProcessing, &thread,
            [&handOvers](const QString &, bool) { ++handOvers; }, Qt::DirectConnection);
        thread.start();
    }
    QElapsedTimer waited;
    waited.start();
    while (threadScans < IdleJobs && waited.elapsed() < 120000)
        QThread::msleep(50);
    const int firstScans = threadScans;
    const auto cpuBefore = CpuSeconds();
    QElapsedTimer measured;
    measured.start();
    QThread::sleep(IdleSeconds);
    const auto cpuAfter = CpuSeconds();
    const double user = cpuAfter.first - cpuBefore.first;
    const double system = cpuAfter.second - cpuBefore.second;
    const double cpu = user + system;
    const double seconds = double(measured.elapsed()) / 1000.0;
    const int scans = threadScans - firstScans;
    for (auto &thread : threads)
        thread->StopRequested = true;
    for (auto &thread : threads)
        thread->wait();
    const double share = 100.0 * cpu / seconds;
    std::printf("%d idle jobs: %.1f s, %d scans, CPU %.3f s (user %.3f, system %.3f), %.0f us "
                "a scan, %.2f %% of a core, %d hand-overs\n",
        IdleJobs, seconds, scans, cpu, user, system, scans > 0 ? cpu * 1e6 / scans : 0.0, share,
        handOvers.load());

    std::printf("monitorbench: files %d, first scan %.2f s, rescan %.2f s, rescan read %lld "
                "bytes, %d idle jobs %.1f %% of a core\n",
        files, firstScan, rescan, qlonglong(rescanRead), IdleJobs, share);
    return 0;
}
