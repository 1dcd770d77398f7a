#include "TestFiles.h"
#include "TestMain.h"

#include "ChecksumCache.h"
#include "FormatsEnum.h"
#include "Job.h"
#include "MonitorThread.h"
#include "platform/FileIdentity.h"
#include "platform/FileTimes.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 Second = 1000000000;

QByteArray Content(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// Rewrites the file in place with other bytes of the same size and puts its modification
// time back, as some tools do.
bool RewriteKeepingTime(const QString &path)
{
    Platform::SFileStamp stamp;
    if (!Platform::ReadFileStamp(path, stamp))
        return false;
    const qint64 size = QFileInfo(path).size();
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(Content(int(size))) != size)
        return false;
    file.close();
    return Platform::WriteFileTimes(path, stamp.accessTime, stamp.modificationTime);
}

Platform::SFileIdentity IdentityOf(const QString &path)
{
    Platform::SFileIdentity identity;
    Platform::ReadFileIdentity(path, identity);
    return identity;
}

QStringList Paths(const QList<SJobImage> &images)
{
    QStringList paths;
    for (const SJobImage &image : images)
        paths << image.Path + QLatin1Char(' ') + image.Hash;
    paths.sort();
    return paths;
}

} // namespace

// Monitor's sums of unchanged photos: reused only while nothing about the file changed, and
// never at the price of a stale sum.
class TestChecksumCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void changedFilesAreReadAgain_data();
    void changedFilesAreReadAgain();
    void unreadableFilesAreNotKept();
    void onlyCompleteScansForgetFiles();
    void scansWithAndWithoutSumsAgree();
    void listingIsQtsNameFilter();
    void quietFolderSizeFollowsEveryChange();

private:
    bool SkipUnlessTrusted();
    QTemporaryDir *dir = nullptr;
};

void TestChecksumCache::initTestCase()
{
    CFormatsEnum::instance()->GenerateList();
}

void TestChecksumCache::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
}

void TestChecksumCache::cleanup()
{
    GetJobList()->Clear();
    delete dir;
    dir = nullptr;
}

bool TestChecksumCache::SkipUnlessTrusted()
{
    // Elsewhere (an overlay, a network folder) every file is read, which these tests see as
    // a cache that never hits.
    return !Platform::KeepsFileIdentity(dir->path());
}

void TestChecksumCache::changedFilesAreReadAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("unchanged") << "none" << false;
    QTest::newRow("size changed") << "append" << true;
    QTest::newRow("content rewritten, modification time put back") << "rewrite" << true;
    QTest::newRow("replaced by another file") << "replace" << true;
    QTest::newRow("deleted and made again") << "recreate" << true;
    QTest::newRow("attributes changed") << "chmod" << true;
    QTest::newRow("hashed within the tick of its last write") << "same tick" << true;
}

void TestChecksumCache::changedFilesAreReadAgain()
{
    QFETCH(QString, change);
    QFETCH(bool, readAgain);
    if (SkipUnlessTrusted())
        QSKIP("The temporary folder's file system keeps no reliable inode numbers");
    const QString path = dir->filePath(QStringLiteral("a.jpg"));
    QVERIFY(WriteFile(path, Content(5000)));

    CChecksumCache cache;
    // Hashed long after the file was written, so its sum may be kept; or, for the last row,
    // in the very tick the file was last changed.
    const Platform::SFileIdentity written = IdentityOf(path);
    cache.SetClock([&] {
        return change == QLatin1String("same tick") ? written.changedNs
                                                    : Platform::WallClockNs() + 10 * Second;
    });
    QCOMPARE(cache.Md5(path, IdentityOf(path)), FileMd5(path));
    const qint64 read = cache.BytesHashed();
    QCOMPARE(read, qint64(5000));

    if (change == QLatin1String("append")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
    } else if (change == QLatin1String("rewrite")) {
        QVERIFY(RewriteKeepingTime(path));
    } else if (change == QLatin1String("replace")) {
        const QString other = dir->filePath(QStringLiteral("b.jpg"));
        QVERIFY(WriteFile(other, Content(5000)));
        QVERIFY(Platform::WriteFileTimes(other, {},
            Platform::SFileTime { written.modifiedNs / Second, written.modifiedNs % Second }));
        QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData())
            == 0);
    } else if (change == QLatin1String("recreate")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(WriteFile(path, Content(5000)));
    } else if (change == QLatin1String("chmod")) {
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0
            && ::chmod(QFile::encodeName(path).constData(), 0644) == 0);
    }

    QCOMPARE(cache.Md5(path, IdentityOf(path)), FileMd5(path));
    QCOMPARE(cache.BytesHashed() > read, readAgain);
}

void TestChecksumCache::unreadableFilesAreNotKept()
{
    // A name the listing took for a file that cannot be read as one.
    const QString path = dir->filePath(QStringLiteral("x.jpg"));
    QVERIFY(QDir().mkdir(path));
    CChecksumCache cache;
    cache.SetClock([] { return Platform::WallClockNs() + 10 * Second; });
    QCOMPARE(cache.Md5(path, IdentityOf(path)), QString());
    QCOMPARE(cache.Count(), 0);
}

void TestChecksumCache::onlyCompleteScansForgetFiles()
{
    const QString a = dir->filePath(QStringLiteral("a.jpg"));
    const QString b = dir->filePath(QStringLiteral("b.jpg"));
    QVERIFY(WriteFile(a, "a") && WriteFile(b, "b"));
    if (SkipUnlessTrusted())
        QSKIP("The temporary folder's file system keeps no reliable inode numbers");
    CChecksumCache cache;
    cache.SetClock([] { return Platform::WallClockNs() + 10 * Second; });
    cache.BeginScan();
    cache.Md5(a, IdentityOf(a));
    cache.Md5(b, IdentityOf(b));
    cache.EndCompleteScan();
    QCOMPARE(cache.Count(), 2);

    QVERIFY(QFile::remove(b));
    cache.BeginScan(); // stopped after the first file: nothing is known of the rest
    cache.Md5(a, IdentityOf(a));
    QCOMPARE(cache.Count(), 2);
    cache.BeginScan();
    cache.Md5(a, IdentityOf(a));
    cache.EndCompleteScan();
    QCOMPARE(cache.Count(), 1);
}

void TestChecksumCache::scansWithAndWithoutSumsAgree()
{
    // The same folder changes, scanned by one thread that keeps its sums and by a new thread
    // each time: the same photos are new and the logs hold the same sums.
    if (SkipUnlessTrusted())
        QSKIP("The temporary folder's file system keeps no reliable inode numbers");
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in + QStringLiteral("/sub")));
    CJob job;
    job.Id = 5;
    job.Source = in;
    job.Mask = QStringLiteral("*.*");
    job.Subfolders = true;
    CMonitorThread keeping;
    keeping.Checksums().SetClock([] { return Platform::WallClockNs() + 10 * Second; });

    const QList<std::function<bool()>> steps {
        [&] {
            return WriteFile(in + QStringLiteral("/a.jpg"), Content(3000))
                && WriteFile(in + QStringLiteral("/sub/b.png"), Content(2000));
        },
        [&] { return true; },
        [&] { return RewriteKeepingTime(in + QStringLiteral("/a.jpg")); },
        [&] {
            return QFile::rename(in + QStringLiteral("/sub/b.png"), in + QStringLiteral("/c.png"));
        },
        [&] {
            return QFile::remove(in + QStringLiteral("/a.jpg"))
                && WriteFile(in + QStringLiteral("/a.jpg"), Content(3000));
        },
        [&] {
            return QFile::copy(in + QStringLiteral("/c.png"), in + QStringLiteral("/sub/d.png"));
        },
        [&] { return true; },
    };
    CJob withSums = job;
    CJob withoutSums = job;
    for (int step = 0; step < steps.size(); ++step) {
        QVERIFY2(steps[step](), qPrintable(QString::number(step)));
        const qint64 readBefore = keeping.Checksums().BytesHashed();
        keeping.ScanForChanges(withSums, 0);
        CMonitorThread fresh;
        fresh.ScanForChanges(withoutSums, 0);
        QCOMPARE(Paths(keeping.NewImages), Paths(fresh.NewImages));
        QCOMPARE(Paths(withSums.Log), Paths(withoutSums.Log));
        QCOMPARE(withSums.PicCount, withoutSums.PicCount);
        if (fresh.NewImages.isEmpty()) // nothing changed: nothing read
            QCOMPARE(keeping.Checksums().BytesHashed(), readBefore);
    }
    QCOMPARE(withSums.PicCount, quint16(6));
}

void TestChecksumCache::listingIsQtsNameFilter()
{
    // What the scan lists is what QDir's name filter gives: files only, no links, no hidden
    // names, the mask without regard to case; subfolders, hidden ones left out, links followed.
    const QString in = dir->filePath(QStringLiteral("in"));
    for (const char *file : { "a.jpg", "B.JPG", "c.jpeg", ".hidden.jpg", "d.png", "sub/e.jpg",
             ".secret/f.jpg", "sub/deeper/g.Jpg", "other/h.jpg" })
        QVERIFY(WriteFile(in + QLatin1Char('/') + QLatin1String(file), "x"));
    QVERIFY(QFile::link(in + QStringLiteral("/a.jpg"), in + QStringLiteral("/link.jpg")));
    QVERIFY(QFile::link(in + QStringLiteral("/other"), in + QStringLiteral("/linked")));
    QVERIFY(::mkfifo(QFile::encodeName(in + QStringLiteral("/pipe.jpg")).constData(), 0600) == 0);
    QVERIFY(QDir().mkdir(in + QStringLiteral("/folder.jpg")));

    CJob job;
    job.Source = in;
    job.Mask = QStringLiteral("*.jpg");
    job.Subfolders = true;
    CMonitorThread thread;
    thread.ScanForChanges(job, 0);
    QStringList listed;
    for (const SJobImage &image : std::as_const(job.CurrentImages))
        listed << image.Path.mid(in.size() + 1);
    listed.sort();

    QStringList expected;
    QSet<QString> walked; // a folder reached twice (through a link) is listed once
    const std::function<void(const QString &)> walk = [&](const QString &folder) {
        const QDir directory(folder);
        if (walked.contains(directory.canonicalPath()))
            return;
        walked.insert(directory.canonicalPath());
        for (const QString &name :
            directory.entryList({ job.Mask }, QDir::Files | QDir::NoSymLinks, QDir::Unsorted))
            expected << directory.absoluteFilePath(name).mid(in.size() + 1);
        for (const QString &name :
            directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted))
            walk(folder + QLatin1Char('/') + name);
    };
    walk(in);
    expected.sort();
    QCOMPARE(listed, expected);
    QCOMPARE(listed.size(), 5); // a, B, sub/e, sub/deeper/g, and h once
}

void TestChecksumCache::quietFolderSizeFollowsEveryChange()
{
    // The kept size of a watched folder is never other than a fresh count would be.
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(WriteFile(in + QStringLiteral("/a.jpg"), Content(100)));
    CMonitorThread thread;
    const QList<std::function<bool()>> changes {
        [&] { return true; },
        [&] {
            QFile file(in + QStringLiteral("/a.jpg"));
            return file.open(QIODevice::Append) && file.write("12345") == 5;
        },
        [&] { return WriteFile(in + QStringLiteral("/new/deep/b.jpg"), Content(7)); },
        [&] { return WriteFile(in + QStringLiteral("/.hidden"), Content(3)); },
        [&] { return QFile::resize(in + QStringLiteral("/new/deep/b.jpg"), 1); },
        [&] { return QFile::rename(in + QStringLiteral("/new"), in + QStringLiteral("/moved")); },
        [&] { return QFile::resize(in + QStringLiteral("/moved/deep/b.jpg"), 50); },
        [&] { return QDir(in + QStringLiteral("/moved")).removeRecursively(); },
        [&] { return QDir(in).removeRecursively() && WriteFile(in + QStringLiteral("/z"), "z"); },
    };
    for (int step = 0; step < changes.size(); ++step) {
        QVERIFY2(changes[step](), qPrintable(QString::number(step)));
        QCOMPARE(thread.QuietFolderSize(in), GetFolderSize(in));
        QCOMPARE(thread.QuietFolderSize(in), GetFolderSize(in));
    }
}

QUENDRASIL_TEST_MAIN(TestChecksumCache, QCoreApplication)
#include "tst_checksumcache.moc"
