#include "Folders.h"
#include "Job.h"
#include "JobStore.h"
#include "Scripts.h"
#include "TestMain.h"
#include "UserProfile.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {
// Every character the store must escape, and one that starts an entity.
const QString Hostile = QStringLiteral("a & b < c > d \" e ' f &amp;");

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

CJob FolderJob(qint64 id, const QString &name)
{
    CJob job;
    job.Id = id;
    job.Type = 0;
    job.Name = name;
    job.Source = QStringLiteral("/photos/in");
    job.Script = QStringLiteral("/profiles/%1.qlf").arg(id);
    job.Mask = QStringLiteral("*.jpg");
    return job;
}

CJob FtpJob(qint64 id, const QString &name)
{
    CJob job = FolderJob(id, name);
    job.Type = 1;
    job.Username = QStringLiteral("user");
    job.Password = QStringLiteral("secret");
    job.Host = QStringLiteral("ftp.example.org");
    job.Port = 2121;
    return job;
}

SJobImage Image(const QString &path, const QString &hash, qint64 time = 0)
{
    SJobImage image;
    image.Path = path;
    image.Hash = hash;
    image.Time = time;
    return image;
}

QByteArray Store(const QByteArray &jobs, const QByteArray &logs)
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<Monitor>\r\n\t<Jobs>\r\n" + jobs
        + "\t</Jobs>\r\n\t<Logs>\r\n" + logs + "\t</Logs>\r\n</Monitor>\r\n";
}

QString TemplateText()
{
    QFile file(QStringLiteral(":/empty.qlf"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// name → text of every Property of a profile document.
QMap<QString, QString> ProfileProperties(const QByteArray &bytes, bool *wellFormed = nullptr)
{
    QDomDocument document;
    const bool parsed = document.setContent(QString::fromUtf8(bytes));
    if (wellFormed)
        *wellFormed = parsed;
    QMap<QString, QString> properties;
    const QDomNodeList nodes = document.elementsByTagName(QStringLiteral("Property"));
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        properties.insert(element.attribute(QStringLiteral("Name")), element.text());
    }
    return properties;
}

// Points the user's pictures folder somewhere else for the rest of the run.
void SetPicturesFolder(const QString &path)
{
    QDir().mkpath(path);
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    WriteBytes(config + QStringLiteral("/user-dirs.dirs"),
        "XDG_PICTURES_DIR=\"" + QFile::encodeName(path) + "\"\n");
}
} // namespace

class TestJobStore : public QObject
{
    Q_OBJECT

private slots:
    void equality_data();
    void equality();
    void appendKeepsTheJobAppendedLast();
    void listFindsRemovesAndReplacesSafely();
    void roundTripKeepsEveryField();
    void storeLayout();
    void exportWithoutImagesLoadsEmptyLogs();
    void refusedStoreChangesNothing_data();
    void refusedStoreChangesNothing();
    void readsMissingAndOddValuesAsZero();
    void logSectionFeedsEveryJobWithItsId();
    void jobProfileFromTemplate();
    void jobProfileNeverReplacesAFile();
    void jobProfileWithAmpersandInFolders();
    void newIdSkipsTakenIdsAndProfiles();
    void listSharedByFourThreads();

private:
    QTemporaryDir folder;
};

void TestJobStore::equality_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("equal");

    QTest::newRow("folder: identical") << 0 << QString() << true;
    QTest::newRow("folder: Active ignored") << 0 << "Active" << true;
    QTest::newRow("folder: PicCount ignored") << 0 << "PicCount" << true;
    QTest::newRow("folder: Log ignored") << 0 << "Log" << true;
    QTest::newRow("folder: Password ignored") << 0 << "Password" << true;
    QTest::newRow("folder: Host ignored") << 0 << "Host" << true;
    QTest::newRow("folder: Name case counts") << 0 << "Name" << false;
    QTest::newRow("folder: Interval counts") << 0 << "Interval" << false;
    QTest::newRow("folder: Id counts") << 0 << "Id" << false;
    QTest::newRow("folder: SilentMode counts") << 0 << "SilentMode" << false;
    QTest::newRow("ftp: identical") << 1 << QString() << true;
    QTest::newRow("ftp: Active ignored") << 1 << "Active" << true;
    QTest::newRow("ftp: Password counts") << 1 << "Password" << false;
    QTest::newRow("ftp: Port counts") << 1 << "Port" << false;
    QTest::newRow("ftp: UseSFTP counts") << 1 << "UseSFTP" << false;
    QTest::newRow("folder against ftp") << 0 << "Type" << false;
    QTest::newRow("other type never equal") << 2 << QString() << false;
}

void TestJobStore::equality()
{
    QFETCH(int, type);
    QFETCH(QString, field);
    QFETCH(bool, equal);

    CJob first = FtpJob(42, QStringLiteral("Job"));
    first.Type = qint16(type);
    CJob second = first;
    if (field == QLatin1String("Active"))
        second.Active = !second.Active;
    else if (field == QLatin1String("PicCount"))
        second.PicCount = 7;
    else if (field == QLatin1String("Log"))
        second.Log << Image(QStringLiteral("/a.jpg"), QStringLiteral("00"));
    else if (field == QLatin1String("Password"))
        second.Password = QStringLiteral("other");
    else if (field == QLatin1String("Host"))
        second.Host = QStringLiteral("other");
    else if (field == QLatin1String("Name"))
        second.Name = QStringLiteral("JOB");
    else if (field == QLatin1String("Interval"))
        second.Interval = 61;
    else if (field == QLatin1String("Id"))
        second.Id = 43;
    else if (field == QLatin1String("SilentMode"))
        second.SilentMode = true;
    else if (field == QLatin1String("Port"))
        second.Port = 22;
    else if (field == QLatin1String("UseSFTP"))
        second.UseSFTP = true;
    else if (field == QLatin1String("Type"))
        second.Type = 1;

    QCOMPARE(first == second, equal);
    QCOMPARE(second == first, equal);
    QCOMPARE(first != second, !equal);
}

void TestJobStore::appendKeepsTheJobAppendedLast()
{
    CJobList list;
    CJob first = FolderJob(1, QStringLiteral("One"));
    first.PicCount = 3;
    list.Append(first);
    list.Append(FolderJob(2, QStringLiteral("Two")));
    CJob again = first;
    again.Active = false;
    again.PicCount = 9;
    list.Append(again);

    const QList<CJob> jobs = list.Jobs();
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(jobs.at(0).Name, QStringLiteral("Two"));
    QCOMPARE(jobs.at(1).PicCount, quint16(9));
    QCOMPARE(jobs.at(1).Active, false);

    // Jobs of an unknown type are never equal, so neither goes.
    CJob odd = FolderJob(3, QStringLiteral("Odd"));
    odd.Type = 2;
    list.Append(odd);
    list.Append(odd);
    QCOMPARE(list.Count(), 4);
}

void TestJobStore::listFindsRemovesAndReplacesSafely()
{
    CJobList list;
    CJob a = FolderJob(5, QStringLiteral("A"));
    CJob b = FolderJob(5, QStringLiteral("B")); // same Id, different definition
    CJob c = FtpJob(6, QStringLiteral("C"));
    list.Append(a);
    list.Append(b);
    list.Append(c);

    QCOMPARE(list.FindById(5)->Name, QStringLiteral("B"));
    QVERIFY(!list.FindById(99).has_value());
    QVERIFY(!list.At(3).has_value());
    QVERIFY(!list.At(-1).has_value());

    const QList<SJobImage> log { Image(QStringLiteral("/x.jpg"), QStringLiteral("ab")) };
    const QList<SJobImage> current { Image(QStringLiteral("/y.jpg"), QStringLiteral("cd")) };
    list.WriteBackScan(5, current, log, 12);
    for (int index : { 0, 1 }) {
        const CJob job = *list.At(index);
        QCOMPARE(job.Log.size(), 1);
        QCOMPARE(job.Log.first().Path, QStringLiteral("/x.jpg"));
        QCOMPARE(job.CurrentImages.first().Path, QStringLiteral("/y.jpg"));
        QCOMPARE(job.PicCount, quint16(12));
    }
    QCOMPARE(list.At(2)->PicCount, quint16(0));

    list.Set(7, FolderJob(8, QStringLiteral("Gone"))); // an index that no longer exists
    QCOMPARE(list.Count(), 3);
    list.Set(1, FolderJob(9, QStringLiteral("Nine")));
    QCOMPARE(list.At(1)->Id, qint64(9));

    CJob otherPassword = c;
    otherPassword.Password = QStringLiteral("changed");
    list.Remove(otherPassword); // not equal: nothing goes
    QCOMPARE(list.Count(), 3);
    CJob unchecked = c;
    unchecked.Active = false;
    list.Remove(unchecked);
    QCOMPARE(list.Count(), 2);
    QVERIFY(!list.FindById(6).has_value());
    list.Clear();
    QCOMPARE(list.Count(), 0);
}

void TestJobStore::roundTripKeepsEveryField()
{
    CJob folderJob = FolderJob(1700000000, Hostile + QStringLiteral(" name"));
    folderJob.Description = Hostile + QStringLiteral("\nsecond line\n\nfourth");
    folderJob.Source = Hostile + QStringLiteral(" source");
    folderJob.Script = Hostile + QStringLiteral(" script");
    folderJob.Mask = Hostile + QStringLiteral(" mask");
    folderJob.Subfolders = true;
    folderJob.CreateLog = false;
    folderJob.Overwrite = true;
    folderJob.SilentMode = true;
    folderJob.Active = false;
    folderJob.Interval = 65535;
    folderJob.PicCount = 65535;
    folderJob.Log << Image(Hostile + QStringLiteral("\tphoto\n1.jpg"), QStringLiteral("0f1e"), 99)
                  << Image(QStringLiteral("/b.jpg"), QString());
    folderJob.CurrentImages << Image(QStringLiteral("/c.jpg"), QStringLiteral("11"));

    CJob ftpJob = FtpJob(-5, Hostile + QStringLiteral(" ftp"));
    ftpJob.Username = Hostile + QStringLiteral(" user");
    ftpJob.Password = Hostile + QStringLiteral(" password");
    ftpJob.Host = Hostile + QStringLiteral(" host");
    ftpJob.UseSFTP = true;
    ftpJob.Port = 70000;
    ftpJob.Interval = 32768;
    ftpJob.Log << Image(QStringLiteral("/remote/a.jpg"), QString());

    const QString path = folder.filePath(QStringLiteral("roundtrip.xml"));
    QVERIFY(SaveJobStore({ folderJob, ftpJob }, true, path));
    QList<CJob> loaded;
    QVERIFY(ReadJobStore(path, loaded));
    QCOMPARE(loaded.size(), 2);

    const QList<CJob> saved { folderJob, ftpJob };
    for (int i = 0; i < 2; ++i) {
        const CJob &before = saved.at(i);
        const CJob &after = loaded.at(i);
        QVERIFY(after == before);
        QCOMPARE(after.Description, before.Description);
        QCOMPARE(after.Password, before.Password);
        QCOMPARE(after.Active, before.Active);
        QCOMPARE(after.Interval, before.Interval);
        QCOMPARE(after.PicCount, before.PicCount);
        QCOMPARE(after.Port, before.Port);
        QCOMPARE(after.UseSFTP, before.UseSFTP);
        QCOMPARE(after.CreateLog, before.CreateLog);
        QVERIFY(after.CurrentImages.isEmpty());
        QCOMPARE(after.Log.size(), before.Log.size());
        for (int j = 0; j < after.Log.size(); ++j) {
            QCOMPARE(after.Log.at(j).Path, before.Log.at(j).Path);
            QCOMPARE(after.Log.at(j).Hash, before.Log.at(j).Hash);
            QCOMPARE(after.Log.at(j).Time, qint64(0));
        }
    }

    // The store holds plain-text passwords.
    QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
        QFileDevice::Permissions());
}

void TestJobStore::storeLayout()
{
    CJob job = FolderJob(123, QStringLiteral("N&me"));
    job.Description = QStringLiteral("a\nb");
    job.Interval = 65535;
    job.Log << Image(QStringLiteral("/p\"q.jpg"), QStringLiteral("ff"));
    const QString path = folder.filePath(QStringLiteral("layout.xml"));
    QVERIFY(SaveJobStore({ job }, true, path));

    const QByteArray expected
        = Store("\t\t<Job Id=\"123\">\r\n"
                "\t\t\t<Property Id=\"Active\">1</Property>\r\n"
                "\t\t\t<Property Id=\"Type\">0</Property>\r\n"
                "\t\t\t<Property Id=\"Name\">N&amp;me</Property>\r\n"
                "\t\t\t<Property Id=\"Description\">a\r\nb</Property>\r\n"
                "\t\t\t<Property Id=\"Source\">/photos/in</Property>\r\n"
                "\t\t\t<Property Id=\"Script\">/profiles/123.qlf</Property>\r\n"
                "\t\t\t<Property Id=\"Subfolders\">0</Property>\r\n"
                "\t\t\t<Property Id=\"Mask\">*.jpg</Property>\r\n"
                "\t\t\t<Property Id=\"Interval\">-1</Property>\r\n"
                "\t\t\t<Property Id=\"CreateLog\">1</Property>\r\n"
                "\t\t\t<Property Id=\"Overwrite\">0</Property>\r\n"
                "\t\t\t<Property Id=\"SilentMode\">0</Property>\r\n"
                "\t\t\t<Property Id=\"Username\"></Property>\r\n"
                "\t\t\t<Property Id=\"Password\"></Property>\r\n"
                "\t\t\t<Property Id=\"Host\"></Property>\r\n"
                "\t\t\t<Property Id=\"Port\">21</Property>\r\n"
                "\t\t\t<Property Id=\"UseSFTP\">0</Property>\r\n"
                "\t\t\t<Property Id=\"PicCount\">0</Property>\r\n"
                "\t\t</Job>\r\n",
            "\t\t<Log Id=\"123\">\r\n"
            "\t\t\t<Image Path=\"/p&quot;q.jpg\" Hash=\"ff\"/>\r\n"
            "\t\t</Log>\r\n");
    QCOMPARE(ReadBytes(path), expected);

    // A file that cannot be written leaves the result false.
    QVERIFY(!SaveJobStore({ job }, true, folder.path()));
}

void TestJobStore::exportWithoutImagesLoadsEmptyLogs()
{
    CJob job = FolderJob(10, QStringLiteral("Export"));
    job.Log << Image(QStringLiteral("/a.jpg"), QStringLiteral("aa"));
    const QString path = folder.filePath(QStringLiteral("export.xml"));
    QVERIFY(SaveJobStore({ job }, false, path));
    QVERIFY(ReadBytes(path).contains("\t\t<Log Id=\"10\">\r\n\t\t</Log>\r\n"));

    QList<CJob> loaded;
    QVERIFY(ReadJobStore(path, loaded));
    QCOMPARE(loaded.size(), 1);
    QVERIFY(loaded.first().Log.isEmpty());
}

void TestJobStore::refusedStoreChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray job = "\t\t<Job Id=\"1\"><Property Id=\"Name\">New</Property></Job>\r\n";
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not XML") << QByteArray("<Monitor><Jobs>");
    QTest::newRow("root not Monitor")
        << QByteArray("<Other><Jobs>" + job + "</Jobs><Logs/></Other>");
    QTest::newRow("two Jobs") << QByteArray(
        "<Monitor><Jobs>" + job + "</Jobs><Jobs/><Logs/></Monitor>");
    QTest::newRow("Jobs nested twice")
        << QByteArray("<Monitor><Jobs>" + job + "</Jobs><x><Jobs/></x><Logs/></Monitor>");
    QTest::newRow("no Logs") << QByteArray("<Monitor><Jobs>" + job + "</Jobs></Monitor>");
    QTest::newRow("two Logs") << QByteArray(
        "<Monitor><Jobs>" + job + "</Jobs><Logs/><Logs/></Monitor>");
}

void TestJobStore::refusedStoreChangesNothing()
{
    QFETCH(QByteArray, content);
    const QString path = folder.filePath(QStringLiteral("refused.xml"));
    QFile::remove(path);
    if (!content.isEmpty())
        QVERIFY(WriteBytes(path, content));

    QList<CJob> jobs { FolderJob(77, QStringLiteral("Kept")) };
    QVERIFY(!ReadJobStore(path, jobs));
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.first().Name, QStringLiteral("Kept"));
}

void TestJobStore::readsMissingAndOddValuesAsZero()
{
    const QString path = folder.filePath(QStringLiteral("odd.xml"));
    QVERIFY(WriteBytes(path,
        Store("\t\t<Job>\r\n" // no Id, no Type
              "\t\t\t<Property Id=\"Interval\">abc</Property>\r\n"
              "\t\t\t<Property Id=\"Port\">x</Property>\r\n"
              "\t\t\t<Property Id=\"Unknown\">5</Property>\r\n"
              "\t\t\t<Property Id=\"Name\">first</Property>\r\n"
              "\t\t\t<Property Id=\"Name\">second &amp; last</Property>\r\n"
              "\t\t</Job>\r\n"
              "\t\t<Job Id=\"12\">\r\n"
              "\t\t\t<Property Id=\"Type\">1</Property>\r\n"
              "\t\t\t<Property Id=\"Interval\">65535</Property>\r\n"
              "\t\t\t<Property Id=\"PicCount\">-1</Property>\r\n"
              "\t\t\t<Property Id=\"Active\">7</Property>\r\n"
              "\t\t\t<Property Id=\"Subfolders\">2</Property>\r\n"
              "\t\t</Job>\r\n"
              "\t\t<Other Id=\"13\"/>\r\n",
            "\t\t<Log Id=\"12\">\r\n"
            "\t\t\t<Image Path=\"/a.jpg\" Hash=\"aa\" Time=\"1234\"/>\r\n"
            "\t\t\t<Image Path=\"/b.jpg\"/>\r\n"
            "\t\t</Log>\r\n"
            "\t\t<Log Id=\"999\"><Image Path=\"/orphan.jpg\"/></Log>\r\n")));

    QList<CJob> jobs;
    QVERIFY(ReadJobStore(path, jobs));
    QCOMPARE(jobs.size(), 2);
    const CJob &plain = jobs.at(0);
    QCOMPARE(plain.Id, qint64(0));
    QCOMPARE(plain.Type, qint16(0));
    QCOMPARE(plain.Interval, quint16(0));
    QCOMPARE(plain.Port, 0);
    QCOMPARE(plain.Name, QStringLiteral("second & last"));
    QCOMPARE(plain.CreateLog, true); // missing: the record's default
    QVERIFY(plain.Log.isEmpty());

    const CJob &ftp = jobs.at(1);
    QCOMPARE(ftp.Type, qint16(1));
    QCOMPARE(ftp.Interval, quint16(65535));
    QCOMPARE(ftp.PicCount, quint16(65535));
    QCOMPARE(ftp.Active, true);
    QCOMPARE(ftp.Subfolders, true);
    QCOMPARE(ftp.Log.size(), 2);
    QCOMPARE(ftp.Log.at(0).Time, qint64(1234));
    QCOMPARE(ftp.Log.at(1).Hash, QString());
    QCOMPARE(ftp.Log.at(1).Time, qint64(0));
}

void TestJobStore::logSectionFeedsEveryJobWithItsId()
{
    const QByteArray twin = "\t\t<Job Id=\"5\"><Property Id=\"Name\">Twin</Property></Job>\r\n";
    const QString path = folder.filePath(QStringLiteral("shared.xml"));
    QVERIFY(WriteBytes(path,
        Store("\t\t<Job Id=\"5\"><Property Id=\"Name\">A</Property></Job>\r\n" + twin
                + "\t\t<Job Id=\"5\"><Property Id=\"Name\">B</Property></Job>\r\n" + twin,
            "\t\t<Log Id=\"5\"><Image Path=\"/1.jpg\" Hash=\"1\"/>"
            "<Image Path=\"/2.jpg\" Hash=\"2\"/></Log>\r\n"
            "\t\t<Log Id=\"5\"><Image Path=\"/3.jpg\" Hash=\"3\"/></Log>\r\n")));

    QList<CJob> jobs;
    QVERIFY(ReadJobStore(path, jobs));
    // The twin came twice: only its later copy stays, so each Id gets one thread.
    QCOMPARE(jobs.size(), 3);
    QCOMPARE(jobs.at(0).Name, QStringLiteral("A"));
    QCOMPARE(jobs.at(1).Name, QStringLiteral("B"));
    QCOMPARE(jobs.at(2).Name, QStringLiteral("Twin"));
    for (const CJob &job : jobs) {
        QCOMPARE(job.Log.size(), 3);
        QCOMPARE(job.Log.at(2).Path, QStringLiteral("/3.jpg"));
    }
}

void TestJobStore::jobProfileFromTemplate()
{
    const QString templateText = TemplateText();
    QVERIFY(templateText.startsWith(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n<Profile Version=\"3\">")));
    QVERIFY(templateText.contains(QStringLiteral("\t\t<Property Name=\"Name\"></Property>\n")));
    QVERIFY(templateText.contains(QStringLiteral("\t</Properties>\n\n\t<Filters>\n\t</Filters>\n\n"
                                                 "\t<Properties Class=\"Rename\">\n")));

    const qint64 id = 1700000123;
    const QString path = CreateJobProfile(id);
    QCOMPARE(path, GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/1700000123.qlf"));
    QCOMPARE(JobProfilePath(id), path);

    bool wellFormed = false;
    const QMap<QString, QString> created = ProfileProperties(ReadBytes(path), &wellFormed);
    QVERIFY(wellFormed);
    QMap<QString, QString> expected = ProfileProperties(templateText.toUtf8());
    QCOMPARE(expected.size(), 47);
    QCOMPARE(expected.value(QStringLiteral("Category")), QStringLiteral("User-Defined"));
    expected[QStringLiteral("Name")] = QStringLiteral("1700000123");
    expected[QStringLiteral("DestPath")] = GetPicturesFolder();
    expected[QStringLiteral("CustomProfile")]
        = QCoreApplication::applicationDirPath() + QStringLiteral("/Data/sRGB.icm");
    QCOMPARE(created, expected);

    // The main program takes it as a profile.
    CUserProfile *profile = CUserProfile::instance();
    profile->Quality = 5;
    profile->RenameOptions.FilenameFormat = QStringLiteral("other");
    profile->OutputOptions.DestPath.clear();
    profile->OutputOptions.OutputFolder.clear();
    int mode = 0;
    CScripts scripts(path);
    QVERIFY(scripts.LoadDocument(mode));
    QCOMPARE(scripts.profileName, QStringLiteral("1700000123"));
    QCOMPARE(profile->Quality, 88);
    QCOMPARE(profile->RenameOptions.FilenameFormat, QStringLiteral("[Filename]"));
    QCOMPARE(profile->OutputOptions.OutputFolder, QStringLiteral("Processed"));
    QCOMPARE(profile->OutputOptions.DestPath, GetPicturesFolder());
    QCOMPARE(profile->CustomProfile, expected.value(QStringLiteral("CustomProfile")));
}

void TestJobStore::jobProfileNeverReplacesAFile()
{
    const qint64 id = 1700000200;
    const QString path = JobProfilePath(id);
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(WriteBytes(path, "another job's profile"));
    QCOMPARE(CreateJobProfile(id), QString());
    QCOMPARE(ReadBytes(path), QByteArray("another job's profile"));
}

void TestJobStore::jobProfileWithAmpersandInFolders()
{
    const QString pictures = QDir::homePath() + QStringLiteral("/Pics & <Co>");
    SetPicturesFolder(pictures);
    if (GetPicturesFolder() != pictures)
        QSKIP("The pictures folder could not be moved for this run");

    const QString path = CreateJobProfile(1700000300);
    QVERIFY(!path.isEmpty());
    bool wellFormed = false;
    const QMap<QString, QString> created = ProfileProperties(ReadBytes(path), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(created.value(QStringLiteral("DestPath")), pictures);
}

void TestJobStore::newIdSkipsTakenIdsAndProfiles()
{
    CJobList list;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QVERIFY(list.NewId() >= now);

    const qint64 ahead = now + 1000;
    list.Append(FolderJob(ahead, QStringLiteral("Ahead")));
    QCOMPARE(list.NewId(), ahead + 1);

    // Profiles left behind by removed jobs are never taken over.
    QVERIFY(!CreateJobProfile(ahead + 1).isEmpty());
    QVERIFY(!CreateJobProfile(ahead + 2).isEmpty());
    QCOMPARE(list.NewId(), ahead + 3);
    QVERIFY(!CreateJobProfile(list.NewId()).isEmpty());
}

void TestJobStore::listSharedByFourThreads()
{
    CJobList list;
    constexpr int Rounds = 2000;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([&list, t] {
            const qint64 id = 100 + t;
            list.Append(FolderJob(id, QStringLiteral("Worker %1").arg(t)));
            for (int round = 1; round <= Rounds; ++round) {
                std::optional<CJob> job = list.FindById(id);
                if (!job)
                    continue;
                const QList<SJobImage> log { Image(
                    QStringLiteral("/%1/%2.jpg").arg(t).arg(round), QString()) };
                list.WriteBackScan(id, log, log, quint16(round));
                CJob passing = FolderJob(1000 + t, QStringLiteral("Passing"));
                list.Append(passing);
                list.Jobs();
                list.At(list.Count() - 1);
                list.Remove(passing);
            }
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(60000));

    QCOMPARE(list.Count(), 4);
    for (int t = 0; t < 4; ++t) {
        const std::optional<CJob> job = list.FindById(100 + t);
        QVERIFY(job.has_value());
        QCOMPARE(job->PicCount, quint16(Rounds));
        QCOMPARE(job->Log.size(), 1);
    }
}

QUENDRASIL_TEST_MAIN(TestJobStore, QCoreApplication)

#include "tst_jobstore.moc"
