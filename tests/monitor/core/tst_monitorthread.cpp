#include "TestFiles.h"
#include "TestMain.h"
#include "TraceCollector.h"

#include "Folders.h"
#include "FormatsEnum.h"
#include "Job.h"
#include "MonitorThread.h"
#include "Settings.h"
#include "TestServers.h"
#include "WatchThreads.h"
#include "platform/TempFolder.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <thread>

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WritePhoto(const QString &path, Qt::GlobalColor colour)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

// A profile document as the main program saves it, with CR LF line ends.
QByteArray ProfileText(int folderStructure, const QString &destination,
    const QString &monitorBlock = QString(), const QString &format = QStringLiteral("Original"))
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"
                                  "<Profile Version=\"3\">\n"
                                  "\t<Properties Class=\"Profile\">\n"
                                  "\t\t<Property Name=\"Name\">7</Property>\n"
                                  "\t\t<Property Name=\"Description\"></Property>\n"
                                  "\t\t<Property Name=\"Category\">User-Defined</Property>\n"
                                  "\t</Properties>\n\n"
                                  "\t<Filters>\n"
                                  "\t</Filters>\n\n"
                                  "\t<Properties Class=\"Rename\">\n"
                                  "\t\t<Property Name=\"FilenameFormat\">[Filename]</Property>\n"
                                  "\t\t<Property Name=\"PresetRename\">0</Property>\n"
                                  "\t</Properties>\n\n");
    text += monitorBlock;
    text += QStringLiteral("\t<Properties Class=\"Output\">\n"
                           "\t\t<Property Name=\"Destination\">1</Property>\n"
                           "\t\t<Property Name=\"OutputFolderStruct\">%1</Property>\n"
                           "\t\t<Property Name=\"OutputFolder\">Processed</Property>\n"
                           "\t\t<Property Name=\"DestPath\">%2</Property>\n"
                           "\t</Properties>\n\n"
                           "\t<Properties Class=\"Format\">\n"
                           "\t\t<Property Name=\"OutputFormat\">%3</Property>\n"
                           "\t</Properties>\n\n"
                           "\t<Properties Class=\"Interface\">\n"
                           "\t\t<Property Name=\"Step1Preview\">1</Property>\n"
                           "\t</Properties>\n\n"
                           "</Profile>\n")
                .arg(folderStructure)
                .arg(destination, format);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toUtf8();
}

QDomElement ParseScript(const QString &path, QDomDocument &document)
{
    const QByteArray bytes = ReadBytes(path);
    if (!document.setContent(QString::fromUtf8(bytes)))
        return QDomElement();
    return document.documentElement();
}

QStringList PropertiesClasses(const QDomElement &root)
{
    QStringList classes;
    for (QDomElement block = root.firstChildElement(QStringLiteral("Properties")); !block.isNull();
         block = block.nextSiblingElement(QStringLiteral("Properties")))
        classes << block.attribute(QStringLiteral("Class"));
    return classes;
}

// The block's properties as "Name=text", in document order.
QStringList BlockLines(const QDomElement &root, const QString &className)
{
    QStringList lines;
    for (QDomElement block = root.firstChildElement(QStringLiteral("Properties")); !block.isNull();
         block = block.nextSiblingElement(QStringLiteral("Properties"))) {
        if (block.attribute(QStringLiteral("Class")) != className)
            continue;
        for (QDomElement property = block.firstChildElement(QStringLiteral("Property"));
             !property.isNull(); property = property.nextSiblingElement(QStringLiteral("Property")))
            lines << property.attribute(QStringLiteral("Name")) + QLatin1Char('=')
                    + property.text();
    }
    return lines;
}

QString PropertyText(const QDomElement &root, const QString &className, const QString &name)
{
    for (const QString &line : BlockLines(root, className))
        if (line.startsWith(name + QLatin1Char('=')))
            return line.mid(name.size() + 1);
    return QStringLiteral("<absent>");
}

QStringList ImagePaths(const QDomElement &root)
{
    QStringList paths;
    const QDomElement images = root.firstChildElement(QStringLiteral("Images"));
    for (QDomElement image = images.firstChildElement(QStringLiteral("Image")); !image.isNull();
         image = image.nextSiblingElement(QStringLiteral("Image")))
        paths << image.attribute(QStringLiteral("Path"));
    return paths;
}

QStringList Names(const QList<SJobImage> &images)
{
    QStringList names;
    for (const SJobImage &image : images)
        names << QFileInfo(image.Path).fileName();
    names.sort();
    return names;
}

QList<SJobImage> LogOf(const QStringList &paths)
{
    QList<SJobImage> log;
    for (const QString &path : paths)
        log.append({ path, FileMd5(path), 0 });
    return log;
}

// Appends to a file every few milliseconds until stopped.
class CGrowingFile
{
public:
    CGrowingFile(const QString &path, int stepMs)
    {
        m_writer = std::thread([this, path, stepMs] {
            QFile file(path);
            if (!file.open(QIODevice::Append))
                return;
            while (!m_stop) {
                file.write(QByteArray(512, 'x'));
                file.flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
            }
        });
    }
    ~CGrowingFile()
    {
        m_stop = true;
        m_writer.join();
    }

private:
    std::atomic<bool> m_stop { false };
    std::thread m_writer;
};

} // namespace

// The watch thread of a job: what a scan counts as new, the script it hands to the main
// program, and what it records after the main program ran.
class TestMonitorThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scriptFromJobProfile_data();
    void scriptFromJobProfile();
    void scriptReplacesTheProfilesMonitorBlock();
    void scriptFromProfileWithoutFilterChain();
    void noScriptWithoutReadableProfile();
    void ftpDownloadPath_data();
    void ftpDownloadPath();
    void ftpBatchWithoutDownloadsIsNotHandedOver();

    void scanFindsChangedPhotosNew_data();
    void scanFindsChangedPhotosNew();
    void countWrapsAndUnsteadyPhotosKeepTheNumbering();
    void unsteadyFilesAreSetAside();
    void supportedFormats_data();
    void supportedFormats();
    void linkedFoldersAreWalkedOnce();
    void folderThatNeverSettlesYieldsNothing();
    void jobOfAnotherTypeFindsNothing();

    void handOverRecordsTheBatch();
    void failedMainProgramLeavesPhotosNew_data();
    void failedMainProgramLeavesPhotosNew();
    void stopDuringLongMainProgramReturnsAtOnce();
    void intervalZeroNeverScans();
    void poolRunsAtMostAHundred();

    void mainProgramProcessesDroppedPhotos();
    void ftpJobHandsOverDownloads();

private:
    CJob FolderJob(qint64 id, const QString &source, const QString &profile) const;
    QString MakeFakeProgram(const QString &body);

    QTemporaryDir *dir = nullptr;
};

void TestMonitorThread::initTestCase()
{
    CFormatsEnum::instance()->GenerateList();
    TraceCollector::Install();
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
}

void TestMonitorThread::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    CMonitorThread::SetMainProgram(QString());
    TraceCollector::Clear();
}

void TestMonitorThread::cleanup()
{
    GetJobList()->Clear();
    CMonitorThread::SetMainProgram(QString());
    delete dir;
    dir = nullptr;
}

CJob TestMonitorThread::FolderJob(qint64 id, const QString &source, const QString &profile) const
{
    CJob job;
    job.Id = id;
    job.Name = QStringLiteral("Job%1").arg(id);
    job.Source = source;
    job.Script = profile;
    job.Mask = QStringLiteral("*.*");
    job.Interval = 1;
    job.Type = 0;
    return job;
}

QString TestMonitorThread::MakeFakeProgram(const QString &body)
{
    const QString path = dir->filePath(QStringLiteral("Quendrasil"));
    if (!WriteFile(path, (QStringLiteral("#!/bin/sh\n") + body + QLatin1Char('\n')).toUtf8()))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestMonitorThread::scriptFromJobProfile_data()
{
    QTest::addColumn<int>("structure");
    QTest::addColumn<QString>("written");
    QTest::newRow("selected folder stays") << 0 << QStringLiteral("0");
    QTest::newRow("recreated tree stays") << 1 << QStringLiteral("1");
    QTest::newRow("photo's folder becomes 0") << 2 << QStringLiteral("0");
    QTest::newRow("subfolder becomes 0") << 3 << QStringLiteral("0");
}

void TestMonitorThread::scriptFromJobProfile()
{
    QFETCH(int, structure);
    QFETCH(QString, written);
    const QString profile = dir->filePath(QStringLiteral("7.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(structure, QStringLiteral("/out"))));
    CJob job = FolderJob(7, QStringLiteral("in/watched"), profile);
    job.Name = QStringLiteral("Tom & <Jerry>");
    job.PicCount = 13; // the scan raised it for the three photos
    job.CreateLog = true;
    job.SilentMode = true;
    QList<SJobImage> images = {
        { dir->filePath(QStringLiteral("in/watched/a&b.jpg")), QString(), 0 },
        { dir->filePath(QStringLiteral("in/watched/c<d.png")), QString(), 0 },
        { dir->filePath(QStringLiteral("in/watched/e.jpg")), QString(), 0 },
    };

    CMonitorThread thread;
    const QString script = thread.GenerateScript(job, images);
    QCOMPARE(script, CMonitorThread::ScriptPath(7));
    QVERIFY(script.startsWith(Platform::TempWorkFolder() + QStringLiteral("/monitor7.qlr")));
    QCOMPARE(images.size(), 3);

    const QByteArray bytes = ReadBytes(script);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                             "<Script Version=\"3\" Mode=\"Silent\">\r\n\t<Images>\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QVERIFY(bytes.contains("a&amp;b.jpg\" />") && bytes.contains("c&lt;d.png\" />"));

    QDomDocument document;
    const QDomElement root = ParseScript(script, document);
    QCOMPARE(root.tagName(), QStringLiteral("Script"));
    QCOMPARE(root.attribute(QStringLiteral("Version")), QStringLiteral("3"));
    QCOMPARE(root.attribute(QStringLiteral("Mode")), QStringLiteral("Silent"));
    QCOMPARE(ImagePaths(root), QStringList({ images[0].Path, images[1].Path, images[2].Path }));
    QVERIFY(!root.firstChildElement(QStringLiteral("Filters")).isNull());
    // The profile's own description stays behind; the Monitor block follows its last block.
    QCOMPARE(PropertiesClasses(root),
        QStringList({ QStringLiteral("Rename"), QStringLiteral("Output"), QStringLiteral("Format"),
            QStringLiteral("Interface"), QStringLiteral("Monitor") }));
    QCOMPARE(BlockLines(root, QStringLiteral("Monitor")),
        QStringList({ "Id=7", "Name=Tom & <Jerry>", "Folder=in/watched", "CreateLog=1",
            "Overwrite=0", "SilentMode=1", "PicCount=10", "Host=", "Type=0" }));
    QCOMPARE(PropertyText(root, QStringLiteral("Output"), QStringLiteral("OutputFolderStruct")),
        written);

    // The next batch of the job writes the same file again.
    QList<SJobImage> next = { images[2] };
    job.PicCount = 14;
    QCOMPARE(thread.GenerateScript(job, next), script);
    QCOMPARE(ImagePaths(ParseScript(script, document)), QStringList({ images[2].Path }));
    QVERIFY(QFile::remove(script));
}

void TestMonitorThread::scriptReplacesTheProfilesMonitorBlock()
{
    const QString profile = dir->filePath(QStringLiteral("8.qlf"));
    const QString oldBlock = QStringLiteral("\t<Properties Class=\"Monitor\">\n"
                                            "\t\t<Property Name=\"Id\">1</Property>\n"
                                            "\t\t<Property Name=\"Name\">old</Property>\n"
                                            "\t</Properties>\n\n");
    QVERIFY(WriteFile(profile, ProfileText(1, QStringLiteral("/out"), oldBlock)));
    CJob job = FolderJob(8, dir->filePath(QStringLiteral("in")), profile);
    job.PicCount = 1;
    QList<SJobImage> images = { { dir->filePath(QStringLiteral("in/a.jpg")), QString(), 0 } };

    CMonitorThread thread;
    const QString script = thread.GenerateScript(job, images);
    QVERIFY(!script.isEmpty());
    QDomDocument document;
    const QDomElement root = ParseScript(script, document);
    QCOMPARE(PropertiesClasses(root),
        QStringList({ QStringLiteral("Rename"), QStringLiteral("Monitor"), QStringLiteral("Output"),
            QStringLiteral("Format"), QStringLiteral("Interface") }));
    QCOMPARE(BlockLines(root, QStringLiteral("Monitor")),
        QStringList({ "Id=8", "Name=Job8", "Folder=" + job.Source, "CreateLog=1", "Overwrite=0",
            "SilentMode=0", "PicCount=0", "Host=", "Type=0" }));
    QVERIFY(QFile::remove(script));
}

void TestMonitorThread::scriptFromProfileWithoutFilterChain()
{
    const QString profile = dir->filePath(QStringLiteral("9.qlf"));
    QByteArray text = ProfileText(0, QStringLiteral("/out"));
    text.replace("\t<Filters>\r\n\t</Filters>\r\n", "");
    QVERIFY(WriteFile(profile, text));
    CJob job = FolderJob(9, dir->filePath(QStringLiteral("in")), profile);
    job.PicCount = 1;
    QList<SJobImage> images = { { dir->filePath(QStringLiteral("in/a.jpg")), QString(), 0 } };

    CMonitorThread thread;
    const QString script = thread.GenerateScript(job, images);
    QVERIFY(!script.isEmpty());
    QDomDocument document;
    const QDomElement root = ParseScript(script, document);
    QCOMPARE(root.tagName(), QStringLiteral("Script"));
    QCOMPARE(ImagePaths(root), QStringList({ images[0].Path }));
    QVERIFY(PropertiesClasses(root).endsWith(QStringLiteral("Monitor")));
    QCOMPARE(root.elementsByTagName(QStringLiteral("Images")).size(), 1);
    QVERIFY(QFile::remove(script));
}

void TestMonitorThread::noScriptWithoutReadableProfile()
{
    CMonitorThread thread;
    QList<SJobImage> images = { { dir->filePath(QStringLiteral("a.jpg")), QString(), 0 } };
    CJob job = FolderJob(10, dir->path(), dir->filePath(QStringLiteral("missing.qlf")));
    QCOMPARE(thread.GenerateScript(job, images), QString());
    QVERIFY(!QFile::exists(CMonitorThread::ScriptPath(10)));

    // Text that is no profile at all, and a profile cut short, give no script either.
    const QString broken = dir->filePath(QStringLiteral("broken.qlf"));
    job.Script = broken;
    for (const QByteArray &text :
        { QByteArray("hello"), ProfileText(0, QStringLiteral("/out")).left(300) }) {
        QVERIFY(WriteFile(broken, text));
        images = { { dir->filePath(QStringLiteral("a.jpg")), QString(), 0 } };
        QCOMPARE(thread.GenerateScript(job, images), QString());
        QVERIFY(!QFile::exists(CMonitorThread::ScriptPath(10)));
    }
}

void TestMonitorThread::ftpDownloadPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("local");
    const QString holiday = QStringLiteral("Holiday");
    QTest::newRow("nested") << holiday << QStringLiteral("/a/b.jpg")
                            << QStringLiteral("Holiday-42/a/b.jpg");
    QTest::newRow("top") << holiday << QStringLiteral("/b.jpg")
                         << QStringLiteral("Holiday-42/b.jpg");
    QTest::newRow("doubled slash")
        << holiday << QStringLiteral("//b.jpg") << QStringLiteral("Holiday-42/b.jpg");
    QTest::newRow("blank") << holiday << QStringLiteral("/x y/c.png")
                           << QStringLiteral("Holiday-42/x y/c.png");
    // A hand-edited name must not move the folder that is deleted after the batch.
    QTest::newRow("slash in the name") << QStringLiteral("../Holiday") << QStringLiteral("/b.jpg")
                                       << QStringLiteral(".._Holiday-42/b.jpg");
}

void TestMonitorThread::ftpDownloadPath()
{
    QFETCH(QString, name);
    QFETCH(QString, remote);
    QFETCH(QString, local);
    CJob job;
    job.Name = name;
    job.Id = 42;
    job.Type = 1;
    job.Source = QStringLiteral("/");
    CMonitorThread thread;
    const QString temp = Platform::TempWorkFolder();
    QCOMPARE(
        thread.GetFTPTempFolder({ remote, QString(), 0 }, job), temp + QLatin1Char('/') + local);
    QCOMPARE(
        thread.DownloadFolder, temp + QLatin1Char('/') + local.section(QLatin1Char('/'), 0, 0));
    RemoveFolderRecursively(thread.DownloadFolder);
}

void TestMonitorThread::ftpBatchWithoutDownloadsIsNotHandedOver()
{
    const QString profile = dir->filePath(QStringLiteral("11.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    CJob job;
    job.Name = QStringLiteral("Closed");
    job.Id = 11;
    job.Type = 1;
    job.Host = QStringLiteral("127.0.0.1");
    job.Port = FreeLoopbackPort(); // nobody answers
    job.Source = QStringLiteral("/");
    job.Mask = QStringLiteral("*.*");
    job.Script = profile;
    job.PicCount = 2;
    QList<SJobImage> images = { { QStringLiteral("/a.jpg"), QString(), 0 },
        { QStringLiteral("/b.jpg"), QString(), 0 } };

    CMonitorThread thread;
    QCOMPARE(thread.GenerateScript(job, images), QString());
    QVERIFY(images.isEmpty());
    QVERIFY(!QFile::exists(CMonitorThread::ScriptPath(11)));
    QVERIFY(!thread.DownloadFolder.isEmpty());
    QVERIFY(!QFileInfo::exists(thread.DownloadFolder));
}

void TestMonitorThread::scanFindsChangedPhotosNew_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing changed") << QStringLiteral("none") << QStringList();
    QTest::newRow("content changed") << QStringLiteral("content") << QStringList { "a.jpg" };
    QTest::newRow("renamed") << QStringLiteral("rename") << QStringList { "c.jpg" };
    QTest::newRow("name case changed") << QStringLiteral("case") << QStringList { "A.jpg" };
    QTest::newRow("copied") << QStringLiteral("copy") << QStringList { "d.jpg" };
    QTest::newRow("new photo, other file") << QStringLiteral("added") << QStringList { "e.png" };
}

void TestMonitorThread::scanFindsChangedPhotosNew()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/b.jpg"), Qt::blue));
    CJob job = FolderJob(12, in, dir->filePath(QStringLiteral("12.qlf")));
    job.Log = LogOf({ in + QStringLiteral("/a.jpg"), in + QStringLiteral("/b.jpg") });
    job.PicCount = 2;

    if (change == QLatin1String("content"))
        QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::green));
    else if (change == QLatin1String("rename"))
        QVERIFY(QFile::rename(in + QStringLiteral("/b.jpg"), in + QStringLiteral("/c.jpg")));
    else if (change == QLatin1String("case"))
        QVERIFY(QFile::rename(in + QStringLiteral("/a.jpg"), in + QStringLiteral("/A.jpg")));
    else if (change == QLatin1String("copy"))
        QVERIFY(QFile::copy(in + QStringLiteral("/a.jpg"), in + QStringLiteral("/d.jpg")));
    else if (change == QLatin1String("added")) {
        QVERIFY(WritePhoto(in + QStringLiteral("/e.png"), Qt::green));
        QVERIFY(WriteFile(in + QStringLiteral("/notes.docx"), "not a photo"));
    }

    CMonitorThread thread;
    thread.ScanForChanges(job, 0);
    QCOMPARE(Names(thread.NewImages), expected);
    QCOMPARE(job.PicCount, quint16(2 + expected.size()));
    // The log now holds every photo present, known or new.
    QCOMPARE(Names(job.Log), Names(job.CurrentImages));
    QCOMPARE(job.Log.size(),
        change == QLatin1String("none") || change == QLatin1String("content")
                || change == QLatin1String("rename") || change == QLatin1String("case")
            ? 2
            : 3);
    for (const SJobImage &image : std::as_const(job.Log)) {
        QVERIFY(image.Path.startsWith(in + QLatin1Char('/')));
        QCOMPARE(image.Hash, FileMd5(image.Path));
        QCOMPARE(image.Hash.size(), 32);
        QVERIFY(image.Time > 0);
    }
}

void TestMonitorThread::countWrapsAndUnsteadyPhotosKeepTheNumbering()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    const QString profile = dir->filePath(QStringLiteral("13.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));

    // One new photo at the top of the count wraps it to 0.
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    CJob job = FolderJob(13, in, profile);
    job.PicCount = 65535;
    CMonitorThread thread;
    thread.ScanForChanges(job, 0);
    QCOMPARE(thread.NewImages.size(), 1);
    QCOMPARE(job.PicCount, quint16(0));

    // Four new photos, one of them empty (still being written): three go, numbered from 11.
    job.Log.clear();
    job.PicCount = 10;
    QVERIFY(WritePhoto(in + QStringLiteral("/b.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/c.jpg"), Qt::red));
    QVERIFY(WriteFile(in + QStringLiteral("/d.jpg"), QByteArray()));
    thread.ScanForChanges(job, 0);
    QCOMPARE(thread.NewImages.size(), 4);
    thread.RemoveUnstableFiles(job);
    QCOMPARE(Names(thread.NewImages),
        QStringList({ QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg") }));
    QCOMPARE(Names(job.Log), Names(thread.NewImages));
    QList<SJobImage> batch = thread.NewImages;
    const QString script = thread.GenerateScript(job, batch);
    QDomDocument document;
    QCOMPARE(PropertyText(ParseScript(script, document), QStringLiteral("Monitor"),
                 QStringLiteral("PicCount")),
        QStringLiteral("11"));
    QCOMPARE(job.PicCount, quint16(14));
    QVERIFY(QFile::remove(script));
}

void TestMonitorThread::unsteadyFilesAreSetAside()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    const QString steady = in + QStringLiteral("/steady.jpg");
    const QString empty = in + QStringLiteral("/empty.jpg");
    const QString growing = in + QStringLiteral("/growing.jpg");
    QVERIFY(WritePhoto(steady, Qt::red));
    QVERIFY(WriteFile(empty, QByteArray()));
    QVERIFY(WriteFile(growing, QByteArray(100, 'x')));

    CJob job = FolderJob(14, in, QString());
    CMonitorThread thread;
    for (const QString &path : { steady, empty, growing }) {
        job.CurrentImages.append({ path, FileMd5(path), 0 });
        thread.NewImages.append({ path, FileMd5(path), 0 });
    }
    job.Log = job.CurrentImages;
    {
        CGrowingFile writer(growing, 5);
        thread.RemoveUnstableFiles(job);
    }
    QCOMPARE(Names(thread.NewImages), QStringList({ QStringLiteral("steady.jpg") }));
    QCOMPARE(Names(job.CurrentImages), QStringList({ QStringLiteral("steady.jpg") }));
    QCOMPARE(Names(job.Log), QStringList({ QStringLiteral("steady.jpg") }));
}

void TestMonitorThread::supportedFormats_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("supported");
    QTest::newRow("jpg") << QStringLiteral("/p/a.jpg") << true;
    QTest::newRow("mixed case") << QStringLiteral("/p/a.JpG") << true;
    QTest::newRow("second extension of a row") << QStringLiteral("/p/a.jpeg") << true;
    QTest::newRow("camera raw") << QStringLiteral("/p/a.cr2") << true;
    QTest::newRow("one-letter extension") << QStringLiteral("/p/a.x") << true;
    QTest::newRow("write-only format") << QStringLiteral("/p/a.json") << false;
    QTest::newRow("document") << QStringLiteral("/p/a.docx") << false;
    QTest::newRow("no dot: whole path") << QStringLiteral("jpg") << true;
    QTest::newRow("no dot in a path") << QStringLiteral("/p/jpg") << false;
    QTest::newRow("dot in a folder only") << QStringLiteral("/p.jpg/a") << false;
}

void TestMonitorThread::supportedFormats()
{
    QFETCH(QString, path);
    QFETCH(bool, supported);
    CMonitorThread thread;
    QCOMPARE(thread.IsSupportedFormat(path), supported);
}

void TestMonitorThread::linkedFoldersAreWalkedOnce()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in + QStringLiteral("/sub")));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/sub/b.jpg"), Qt::red));
    // A link back to the top, and one to the folder beside it.
    QVERIFY(QFile::link(in, in + QStringLiteral("/sub/loop")));
    QVERIFY(QFile::link(in + QStringLiteral("/sub"), in + QStringLiteral("/again")));
    CJob job = FolderJob(15, in, QString());
    job.Subfolders = true;

    CMonitorThread thread;
    thread.ScanForChanges(job, 0);
    QCOMPARE(
        Names(thread.NewImages), QStringList({ QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }));
    // A relative source is found beside the job profile, whatever the current folder.
    job = FolderJob(15, QStringLiteral("../in"), dir->filePath(QStringLiteral("profiles/15.qlf")));
    job.Subfolders = true;
    const QString current = QDir::currentPath();
    thread.ScanForChanges(job, 0);
    QCOMPARE(thread.NewImages.size(), 2);
    QCOMPARE(QDir::currentPath(), current);
}

void TestMonitorThread::folderThatNeverSettlesYieldsNothing()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    QVERIFY(WriteFile(in + QStringLiteral("/b.jpg"), QByteArray()));
    CJob job = FolderJob(16, in, QString());
    job.PicCount = 5;

    CMonitorThread thread;
    thread.QuietFolderLimitMs = 1500;
    {
        CGrowingFile writer(in + QStringLiteral("/b.jpg"), 50);
        thread.ScanForChanges(job, 0);
    }
    QVERIFY(thread.NewImages.isEmpty());
    QCOMPARE(job.PicCount, quint16(5));
    QCOMPARE(TraceCollector::Count(QStringLiteral("giving up this scan")), 1);
}

// A hand-edited store may hold any Type: neither a folder scan nor an FTP walk, and no script.
void TestMonitorThread::jobOfAnotherTypeFindsNothing()
{
    QVERIFY(WritePhoto(dir->filePath(QStringLiteral("a.jpg")), Qt::red));
    const QString profile = dir->filePath(QStringLiteral("24.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    CJob job = FolderJob(24, dir->path(), profile);
    job.Type = 2;
    CMonitorThread thread;
    thread.ScanForChanges(job, job.Type);
    QVERIFY(thread.NewImages.isEmpty() && job.CurrentImages.isEmpty());
    QCOMPARE(job.PicCount, quint16(0));

    QList<SJobImage> images = LogOf({ dir->filePath(QStringLiteral("a.jpg")) });
    QCOMPARE(thread.GenerateScript(job, images), QString());
    QVERIFY(images.isEmpty());
    QVERIFY(!QFile::exists(CMonitorThread::ScriptPath(24)));
    QCOMPARE(TraceCollector::Count(QStringLiteral("GenerateFTPListCurrentImgs")), 0);
    QCOMPARE(TraceCollector::Count(QStringLiteral("_WATCH")), 0);
}

void TestMonitorThread::handOverRecordsTheBatch()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/b.png"), Qt::blue));
    const QString profile = dir->filePath(QStringLiteral("17.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    const QString seen = dir->filePath(QStringLiteral("seen"));
    CMonitorThread::SetMainProgram(MakeFakeProgram(
        QStringLiteral("echo \"$#\" > '%1.count'; cp \"$1\" '%1.qlr'; exit 0").arg(seen)));
    CJob job = FolderJob(17, in, profile);
    job.SilentMode = true;
    GetJobList()->Append(job);

    CWatchThreads threads;
    QSignalSpy begin(&threads, &CWatchThreads::BeginProcessing);
    QSignalSpy end(&threads, &CWatchThreads::EndProcessing);
    QVERIFY(threads.StartJobThread(17));
    QVERIFY(end.wait(30000));
    QCOMPARE(begin.size(), 1);
    QCOMPARE(begin.first().at(0).toString(), job.Name);
    QCOMPARE(begin.first().at(1).toBool(), true);

    QCOMPARE(ReadBytes(seen + QStringLiteral(".count")).trimmed(), QByteArray("1"));
    QDomDocument document;
    QCOMPARE(ImagePaths(ParseScript(seen + QStringLiteral(".qlr"), document)).size(), 2);
    QTRY_VERIFY(!QFile::exists(CMonitorThread::ScriptPath(17)));
    const CJob recorded = *GetJobList()->FindById(17);
    QCOMPARE(
        Names(recorded.Log), QStringList({ QStringLiteral("a.jpg"), QStringLiteral("b.png") }));
    QCOMPARE(recorded.PicCount, quint16(2));
    threads.StopAllThreads();
    QCOMPARE(end.size(), 1); // nothing new afterwards
}

void TestMonitorThread::failedMainProgramLeavesPhotosNew_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("exit code 3") << QStringLiteral("exit 3");
    QTest::newRow("crash") << QStringLiteral("kill -SEGV $$");
    QTest::newRow("cannot start") << QString();
}

void TestMonitorThread::failedMainProgramLeavesPhotosNew()
{
    QFETCH(QString, program);
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    const QString profile = dir->filePath(QStringLiteral("18.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    CMonitorThread::SetMainProgram(
        program.isEmpty() ? dir->filePath(QStringLiteral("absent")) : MakeFakeProgram(program));
    CJob job = FolderJob(18, in, profile);
    job.PicCount = 4;
    GetJobList()->Append(job);

    CWatchThreads threads;
    QSignalSpy begin(&threads, &CWatchThreads::BeginProcessing);
    QSignalSpy end(&threads, &CWatchThreads::EndProcessing);
    QVERIFY(threads.StartJobThread(18));
    QVERIFY(end.wait(30000));
    QTRY_VERIFY(!QFile::exists(CMonitorThread::ScriptPath(18)));
    CJob after = *GetJobList()->FindById(18);
    QVERIFY(after.Log.isEmpty());
    QCOMPARE(after.PicCount, quint16(4));
    // The photo is still new, so the next scan hands it over again.
    QTRY_VERIFY_WITH_TIMEOUT(begin.size() >= 2, 30000);
    threads.StopAllThreads();
}

void TestMonitorThread::stopDuringLongMainProgramReturnsAtOnce()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    const QString profile = dir->filePath(QStringLiteral("19.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    const QString pidFile = dir->filePath(QStringLiteral("pid"));
    CMonitorThread::SetMainProgram(
        MakeFakeProgram(QStringLiteral("echo $$ > '%1'; exec sleep 120").arg(pidFile)));
    GetJobList()->Append(FolderJob(19, in, profile));

    CWatchThreads threads;
    QVERIFY(threads.StartJobThread(19));
    QTRY_VERIFY_WITH_TIMEOUT(ReadBytes(pidFile).trimmed().toLongLong() > 0, 30000);
    const pid_t pid = pid_t(ReadBytes(pidFile).trimmed().toLongLong());

    QElapsedTimer clock;
    clock.start();
    threads.StopAllThreads();
    // Not after the program's two minutes.
    QVERIFY2(clock.elapsed() < 60000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(threads.RunningCount(), 0);
    // The program goes on with its script; the job records nothing.
    QCOMPARE(::kill(pid, 0), 0);
    QVERIFY(QFile::exists(CMonitorThread::ScriptPath(19)));
    QVERIFY(GetJobList()->FindById(19)->Log.isEmpty());
    ::kill(pid, SIGKILL);
    QFile::remove(CMonitorThread::ScriptPath(19));
}

void TestMonitorThread::intervalZeroNeverScans()
{
    const QString in = dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(WritePhoto(in + QStringLiteral("/a.jpg"), Qt::red));
    CJob job = FolderJob(20, in, dir->filePath(QStringLiteral("20.qlf")));
    job.Interval = 0;
    GetJobList()->Append(job);

    CWatchThreads threads;
    QSignalSpy begin(&threads, &CWatchThreads::BeginProcessing);
    QVERIFY(threads.StartJobThread(20));
    // The first pass comes a second or two after the start, later on a loaded machine; then
    // more observed seconds pass. The interval is traced once and nothing is scanned.
    QTRY_VERIFY_WITH_TIMEOUT(TraceCollector::Count(QStringLiteral("interval 0")) > 0, 30000);
    QTest::qWait(2500);
    threads.StopAllThreads();
    QCOMPARE(begin.size(), 0);
    QCOMPARE(TraceCollector::Count(QStringLiteral("CMonitorThread::ScanForChanges")), 0);
    QCOMPARE(TraceCollector::Count(QStringLiteral("interval 0")), 1);
}

void TestMonitorThread::poolRunsAtMostAHundred()
{
    for (int i = 1; i <= CWatchThreads::PoolSize; ++i) {
        CJob job = FolderJob(100 + i, dir->path(), QString());
        job.Active = false; // its thread keeps running without scanning
        GetJobList()->Append(job);
    }
    CWatchThreads threads;
    for (int i = 1; i <= CWatchThreads::PoolSize; ++i)
        QVERIFY(threads.StartJobThread(100 + i));
    QCOMPARE(threads.RunningCount(), CWatchThreads::PoolSize);
    QVERIFY(!threads.StartJobThread(999));

    // A removed job's thread ends by itself and its entry serves the next job.
    GetJobList()->Remove(*GetJobList()->FindById(101));
    QTRY_VERIFY_WITH_TIMEOUT(!threads.Thread(0)->isRunning(), 10000);
    CJob late = FolderJob(201, dir->path(), QString());
    late.Active = false;
    GetJobList()->Append(late);
    QVERIFY(threads.StartJobThread(201));
    QCOMPARE(threads.Thread(0)->JobId.load(), qint64(201));
    QCOMPARE(threads.RunningCount(), CWatchThreads::PoolSize);

    threads.StopAllThreads();
    QCOMPARE(threads.RunningCount(), 0);
}

void TestMonitorThread::mainProgramProcessesDroppedPhotos()
{
    QVERIFY(QFile::exists(CMonitorThread::MainProgram()));
    qputenv("QT_QPA_PLATFORM", "offscreen"); // for the main program started below
    const QString in = dir->filePath(QStringLiteral("watched"));
    const QString out = dir->filePath(QStringLiteral("processed"));
    QVERIFY(QDir().mkpath(in) && QDir().mkpath(out));
    const QString profile = dir->filePath(QStringLiteral("21.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, out, QString(), QStringLiteral("PNG"))));
    CJob job = FolderJob(21, in, profile);
    job.CreateLog = true;
    job.SilentMode = true;
    GetJobList()->Append(job);

    // Both photos are there before the watch begins: a scan between the two would hand over a
    // batch of one, and the first batch's end is what is awaited below.
    QVERIFY(WritePhoto(in + QStringLiteral("/first.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/second.png"), Qt::blue));

    CWatchThreads threads;
    QSignalSpy end(&threads, &CWatchThreads::EndProcessing);
    QVERIFY(threads.StartJobThread(21));
    QTRY_VERIFY_WITH_TIMEOUT(!end.isEmpty(), 120000);
    threads.StopAllThreads();

    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
        QStringList({ QStringLiteral("first.png"), QStringLiteral("second.png") }));
    QCOMPARE(QImage(out + QStringLiteral("/first.png")).size(), QSize(32, 24));
    const CJob recorded = *GetJobList()->FindById(21);
    QCOMPARE(Names(recorded.Log),
        QStringList({ QStringLiteral("first.jpg"), QStringLiteral("second.png") }));
    QCOMPARE(recorded.PicCount, quint16(2));
    QVERIFY(!QFile::exists(CMonitorThread::ScriptPath(21)));
    const QByteArray jobLog
        = ReadBytes(GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/21.log"));
    QVERIFY2(jobLog.contains("first.jpg"), jobLog.constData());
}

void TestMonitorThread::ftpJobHandsOverDownloads()
{
    CTestFtpServer server;
    const QString reason = server.Start();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    QVERIFY(QDir().mkpath(server.Root() + QStringLiteral("/photos/sub")));
    QVERIFY(WritePhoto(server.Root() + QStringLiteral("/photos/a.jpg"), Qt::red));
    QVERIFY(WritePhoto(server.Root() + QStringLiteral("/photos/sub/b.png"), Qt::blue));
    const QString profile = dir->filePath(QStringLiteral("22.qlf"));
    QVERIFY(WriteFile(profile, ProfileText(0, QStringLiteral("/out"))));
    const QString seen = dir->filePath(QStringLiteral("seen"));
    const QString downloads = Platform::TempWorkFolder() + QStringLiteral("/Remote-22");
    // The fake main program keeps the script and what was downloaded for it.
    CMonitorThread::SetMainProgram(MakeFakeProgram(
        QStringLiteral("cp \"$1\" '%1.qlr'; find '%2' -type f | sort > '%1.files'; exit 0")
            .arg(seen, downloads)));

    CJob job;
    job.Id = 22;
    job.Name = QStringLiteral("Remote");
    job.Type = 1;
    job.Host = QStringLiteral("127.0.0.1");
    job.Port = server.Port();
    job.Username = CTestFtpServer::User;
    job.Password = CTestFtpServer::Password;
    job.Source = QStringLiteral("/photos/");
    job.Subfolders = true;
    job.Mask = QStringLiteral("*.*");
    job.Interval = 1;
    job.Script = profile;
    GetJobList()->Append(job);

    CWatchThreads threads;
    QSignalSpy end(&threads, &CWatchThreads::EndProcessing);
    QVERIFY(threads.StartJobThread(22));
    QVERIFY(end.wait(60000));
    threads.StopAllThreads();

    const QStringList local = { downloads + QStringLiteral("/photos/a.jpg"),
        downloads + QStringLiteral("/photos/sub/b.png") };
    QCOMPARE(QString::fromUtf8(ReadBytes(seen + QStringLiteral(".files")))
                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        local);
    QDomDocument document;
    const QDomElement root = ParseScript(seen + QStringLiteral(".qlr"), document);
    QCOMPARE(ImagePaths(root), local);
    QCOMPARE(PropertyText(root, QStringLiteral("Monitor"), QStringLiteral("Folder")),
        downloads + QStringLiteral("/photos/"));
    QCOMPARE(PropertyText(root, QStringLiteral("Monitor"), QStringLiteral("Host")),
        QStringLiteral("127.0.0.1"));
    QVERIFY(!QFileInfo::exists(downloads));
    const CJob recorded = *GetJobList()->FindById(22);
    QCOMPARE(recorded.Log.size(), 2);
    QCOMPARE(recorded.Log[0].Path, QStringLiteral("/photos/a.jpg"));
    QCOMPARE(recorded.Log[1].Path, QStringLiteral("/photos/sub/b.png"));
    QCOMPARE(recorded.Log[0].Hash, QString());
    QCOMPARE(recorded.PicCount, quint16(2));
}

QUENDRASIL_TEST_MAIN(TestMonitorThread, QCoreApplication)
#include "tst_monitorthread.moc"
