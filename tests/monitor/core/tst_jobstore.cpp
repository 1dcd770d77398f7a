#include "Folders.h"
#include "Job.h"
#include "JobStore.h"
#include "Scripts.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "UserProfile.h"

#include <QDateTime>
#include <QDomDocument>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(CJob)

namespace {
// Every character the store must escape, and one that starts an entity.
const QString Hostile = QStringLiteral("a & b < c > d \" e ' f &amp; ");

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CJob Job(qint64 id, const QString &name, qint16 type = 0)
{
    CJob job;
    job.Id = id;
    job.Type = type;
    job.Name = name;
    job.Source = QStringLiteral("/photos/in");
    job.Mask = QStringLiteral("*.jpg");
    if (type == 1) {
        job.Username = QStringLiteral("user");
        job.Password = QStringLiteral("secret");
    }
    return job;
}

CJob Changed(CJob job, const std::function<void(CJob &)> &change)
{
    change(job);
    return job;
}

QByteArray Store(const QByteArray &jobs, const QByteArray &logs)
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<Monitor>\r\n\t<Jobs>\r\n" + jobs
        + "\t</Jobs>\r\n\t<Logs>\r\n" + logs + "\t</Logs>\r\n</Monitor>\r\n";
}

// Name → text of every Property of a profile document; empty when it is not well-formed.
QMap<QString, QString> ProfileProperties(const QByteArray &bytes)
{
    QDomDocument document;
    QMap<QString, QString> properties;
    if (!document.setContent(QString::fromUtf8(bytes)))
        return properties;
    const QDomNodeList nodes = document.elementsByTagName(QStringLiteral("Property"));
    for (int i = 0; i < nodes.size(); ++i)
        properties.insert(nodes.at(i).toElement().attribute(QStringLiteral("Name")),
            nodes.at(i).toElement().text());
    return properties;
}
} // namespace

class TestJobStore : public QObject
{
    Q_OBJECT

private slots:
    void equality_data();
    void equality();
    void listKeepsTheJobAppendedLastAndFindsByIdOnly();
    void writeBackKeepsWhatTheUserChanged_data();
    void writeBackKeepsWhatTheUserChanged();
    void roundTripKeepsEveryFieldAndTheExactLayout();
    void refusedStoreChangesNothing_data();
    void refusedStoreChangesNothing();
    void readsOddValuesAndSharedLogSections();
    void jobProfilesNeverCollide();
    void listSharedByFourThreads();

private:
    QTemporaryDir folder;
};

void TestJobStore::equality_data()
{
    QTest::addColumn<CJob>("first");
    QTest::addColumn<CJob>("second");
    QTest::addColumn<bool>("equal");
    const CJob folderJob = Job(42, QStringLiteral("Job"));
    const CJob ftpJob = Job(42, QStringLiteral("Job"), 1);
    const CJob oddJob = Job(42, QStringLiteral("Job"), 2);

    CJob unchecked = folderJob;
    unchecked.Active = false;
    unchecked.PicCount = 7;
    unchecked.Log.append(SJobImage {});
    QTest::newRow("Active, PicCount and Log ignored") << folderJob << unchecked << true;
    QTest::newRow("folder: Password ignored")
        << folderJob << Changed(folderJob, [](CJob &j) { j.Password = QStringLiteral("x"); })
        << true;
    QTest::newRow("folder: Name case counts")
        << folderJob << Changed(folderJob, [](CJob &j) { j.Name = QStringLiteral("JOB"); })
        << false;
    QTest::newRow("folder: Interval counts")
        << folderJob << Changed(folderJob, [](CJob &j) { j.Interval = 61; }) << false;
    QTest::newRow("ftp: Password counts")
        << ftpJob << Changed(ftpJob, [](CJob &j) { j.Password = QStringLiteral("x"); }) << false;
    QTest::newRow("ftp: Port counts")
        << ftpJob << Changed(ftpJob, [](CJob &j) { j.Port = 22; }) << false;
    QTest::newRow("folder against ftp") << folderJob << ftpJob << false;
    QTest::newRow("other type never equal") << oddJob << oddJob << false;
}

void TestJobStore::equality()
{
    QFETCH(CJob, first);
    QFETCH(CJob, second);
    QFETCH(bool, equal);
    QCOMPARE(first == second, equal);
    QCOMPARE(second == first, equal);
}

void TestJobStore::listKeepsTheJobAppendedLastAndFindsByIdOnly()
{
    CJobList list;
    list.Append(Job(1, QStringLiteral("One")));
    list.Append(Job(1, QStringLiteral("Same Id")));
    list.Append(Changed(Job(1, QStringLiteral("One")), [](CJob &j) { j.PicCount = 9; }));
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.At(1)->PicCount, quint16(9));
    QCOMPARE(list.FindById(1)->Name, QStringLiteral("One")); // the last with that Id

    const QList<SJobImage> log { { QStringLiteral("/x.jpg"), QStringLiteral("ab"), 0 } };
    const CJob seen = *list.FindById(1);
    list.WriteBackScan(1, seen, Changed(seen, [&](CJob &j) {
        j.Log = log;
        j.PicCount = 12;
    }));
    QCOMPARE(list.At(0)->Log.size(), 1);
    QCOMPARE(list.At(1)->PicCount, quint16(12));

    // A position that no longer exists, with an Id no job has.
    QVERIFY(!list.Update(5, 8, [](CJob &j) { j.Name = QStringLiteral("Gone"); }));
    list.Remove(Changed(*list.At(0), [](CJob &j) { j.Active = false; }));
    QCOMPARE(list.Count(), 1);
    QVERIFY(!list.At(1).has_value());

    CJob odd = Job(3, QStringLiteral("Odd"), 2);
    list.Append(odd);
    list.Append(odd);
    list.Remove(odd);
    QCOMPARE(list.Count(), 3);
}

// A hand-over takes minutes; the user may edit the job or ask for a reprocess meanwhile.
void TestJobStore::writeBackKeepsWhatTheUserChanged_data()
{
    QTest::addColumn<bool>("rename");
    QTest::addColumn<bool>("reprocess");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("logSize");
    QTest::addColumn<int>("picCount");
    // The scan saw 5 processed photos and handed over 2 more; its log holds 3 files.
    QTest::newRow("no edit: the scan's log and count") << false << false << "Job" << 3 << 7;
    QTest::newRow("renamed: the name stays, the log is the scan's") << true << false << "New" << 3
                                                                    << 7;
    QTest::newRow("reprocess: the emptied log stands") << false << true << "Job" << 0 << 7;
}

void TestJobStore::writeBackKeepsWhatTheUserChanged()
{
    QFETCH(bool, rename);
    QFETCH(bool, reprocess);
    QFETCH(QString, name);
    QFETCH(int, logSize);
    QFETCH(int, picCount);

    CJobList list;
    list.Append(Changed(Job(7, QStringLiteral("Job")), [](CJob &j) {
        j.PicCount = 5;
        j.Log = { { QStringLiteral("/a.jpg"), QStringLiteral("1"), 0 } };
    }));
    const CJob seen = *list.FindById(7);
    const CJob scanned = Changed(seen, [](CJob &j) {
        j.Log.append({ QStringLiteral("/b.jpg"), QStringLiteral("2"), 0 });
        j.Log.append({ QStringLiteral("/c.jpg"), QStringLiteral("3"), 0 });
        j.PicCount = 7;
    });
    if (rename)
        QVERIFY(list.Update(0, 7, [](CJob &j) { j.Name = QStringLiteral("New"); }));
    if (reprocess)
        QVERIFY(list.Update(0, 7, [](CJob &j) { j.Log.clear(); }));

    list.WriteBackScan(7, seen, scanned);
    const CJob result = *list.FindById(7);
    QCOMPARE(result.Name, name);
    QCOMPARE(result.Log.size(), logSize);
    QCOMPARE(int(result.PicCount), picCount);
    QVERIFY(!list.Update(0, 8, [](CJob &) {})); // no job with that Id
}

void TestJobStore::roundTripKeepsEveryFieldAndTheExactLayout()
{
    CJob folderJob = Job(123, Hostile + QStringLiteral("name"));
    folderJob.Description = Hostile + QStringLiteral("\nsecond\n\nfourth");
    folderJob.Script = Hostile + QStringLiteral("script");
    folderJob.Subfolders = folderJob.Overwrite = folderJob.SilentMode = true;
    folderJob.CreateLog = folderJob.Active = false;
    folderJob.Interval = folderJob.PicCount = 65535;
    folderJob.Log << SJobImage { Hostile + QStringLiteral("\tp\n1.jpg"), QStringLiteral("0f"), 99 };
    folderJob.CurrentImages << SJobImage { QStringLiteral("/c.jpg"), QString(), 1 };
    CJob ftpJob = Job(-5, QStringLiteral("ftp"), 1);
    ftpJob.Password = ftpJob.Host = ftpJob.Username = Hostile;
    ftpJob.Port = 70000;
    ftpJob.UseSFTP = true;

    const QString path = folder.filePath(QStringLiteral("store.xml"));
    QVERIFY(SaveJobStore({ folderJob, ftpJob }, true, path));
    QList<CJob> loaded;
    QVERIFY(ReadJobStore(path, loaded));
    QCOMPARE(loaded.size(), 2);
    for (const CJob &before : { folderJob, ftpJob }) {
        const CJob &after = loaded.at(before.Id == 123 ? 0 : 1);
        QVERIFY(after == before);
        QCOMPARE(std::make_tuple(after.Active, after.PicCount, after.Port, after.UseSFTP),
            std::make_tuple(before.Active, before.PicCount, before.Port, before.UseSFTP));
        QVERIFY(after.CurrentImages.isEmpty());
        QCOMPARE(after.Log.size(), before.Log.size());
        for (int j = 0; j < after.Log.size(); ++j) {
            QCOMPARE(after.Log.at(j).Path, before.Log.at(j).Path);
            QCOMPARE(after.Log.at(j).Hash, before.Log.at(j).Hash);
            QCOMPARE(after.Log.at(j).Time, qint64(0));
        }
    }
    // Plain-text passwords: the owner's eyes only.
    QVERIFY(!(QFile::permissions(path) & (QFileDevice::ReadOther | QFileDevice::ReadGroup)));

    CJob plain = Job(7, QStringLiteral("N&me"));
    plain.Description = QStringLiteral("a\nb");
    plain.Interval = 65535;
    plain.Log << SJobImage { QStringLiteral("/p\"q.jpg"), QStringLiteral("ff"), 0 };
    QVERIFY(SaveJobStore({ plain }, true, path));
    const QByteArray properties = "\t\t\t<Property Id=\"Active\">1</Property>\r\n"
                                  "\t\t\t<Property Id=\"Type\">0</Property>\r\n"
                                  "\t\t\t<Property Id=\"Name\">N&amp;me</Property>\r\n"
                                  "\t\t\t<Property Id=\"Description\">a\r\nb</Property>\r\n"
                                  "\t\t\t<Property Id=\"Source\">/photos/in</Property>\r\n"
                                  "\t\t\t<Property Id=\"Script\"></Property>\r\n"
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
                                  "\t\t\t<Property Id=\"PicCount\">0</Property>\r\n";
    const QByteArray job = "\t\t<Job Id=\"7\">\r\n" + properties + "\t\t</Job>\r\n";
    QCOMPARE(ReadBytes(path),
        Store(job,
            "\t\t<Log Id=\"7\">\r\n\t\t\t<Image Path=\"/p&quot;q.jpg\" Hash=\"ff\"/>\r\n"
            "\t\t</Log>\r\n"));
    QVERIFY(SaveJobStore({ plain }, false, path));
    QCOMPARE(ReadBytes(path), Store(job, "\t\t<Log Id=\"7\">\r\n\t\t</Log>\r\n"));
    QVERIFY(ReadJobStore(path, loaded));
    QVERIFY(loaded.first().Log.isEmpty());

    QVERIFY(!SaveJobStore({ plain }, true, folder.path())); // a folder cannot be written

    // A control character in a file name must not make the whole store unreadable.
    plain.Log = { SJobImage { QStringLiteral("/a\x01-b.jpg"), QString(), 0 } };
    QVERIFY(SaveJobStore({ plain }, true, path));
    QVERIFY(ReadJobStore(path, loaded));
    QCOMPARE(loaded.first().Log.first().Path, QStringLiteral("/a-b.jpg"));
}

void TestJobStore::refusedStoreChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray job = "<Job Id=\"1\"><Property Id=\"Name\">New</Property></Job>";
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not XML") << QByteArray("<Monitor><Jobs>");
    QTest::newRow("root not Monitor") << "<Other><Jobs>" + job + "</Jobs><Logs/></Other>";
    QTest::newRow("two Jobs") << "<Monitor><Jobs>" + job + "</Jobs><x><Jobs/></x><Logs/></Monitor>";
    QTest::newRow("no Logs") << "<Monitor><Jobs>" + job + "</Jobs></Monitor>";
    QTest::newRow("two Logs") << "<Monitor><Jobs>" + job + "</Jobs><Logs/><Logs/></Monitor>";
}

void TestJobStore::refusedStoreChangesNothing()
{
    QFETCH(QByteArray, content);
    const QString path = folder.filePath(QStringLiteral("refused.xml"));
    QFile::remove(path);
    QVERIFY(content.isEmpty() || WriteFile(path, content));
    QList<CJob> jobs { Job(77, QStringLiteral("Kept")) };
    QVERIFY(!ReadJobStore(path, jobs));
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.first().Name, QStringLiteral("Kept"));
}

void TestJobStore::readsOddValuesAndSharedLogSections()
{
    const QByteArray twin = "<Job Id=\"5\"><Property Id=\"Name\">Twin</Property></Job>";
    const QString path = folder.filePath(QStringLiteral("odd.xml"));
    QVERIFY(WriteFile(path,
        Store("<Job><Property Id=\"Interval\">abc</Property><Property Id=\"Unknown\">5</Property>"
              "<Property Id=\"Name\">first</Property><Property Id=\"Name\">a &amp; b</Property>"
              "</Job><Job Id=\"5\"><Property Id=\"Type\">1</Property>"
              "<Property Id=\"Interval\">65535</Property><Property Id=\"PicCount\">-1</Property>"
              "</Job>"
                + twin + twin,
            "<Log Id=\"5\"><Image Path=\"/1.jpg\" Hash=\"1\" Time=\"1234\"/></Log>"
            "<Log Id=\"5\"><Image Path=\"/2.jpg\"/></Log><Log Id=\"9\"><Image "
            "Path=\"/o\"/></Log>")));
    QList<CJob> jobs;
    QVERIFY(ReadJobStore(path, jobs));
    // The twin came twice: only its later copy stays, so each job gets one thread.
    QCOMPARE(jobs.size(), 3);
    QCOMPARE(std::make_tuple(jobs.at(0).Id, jobs.at(0).Type, jobs.at(0).Interval),
        std::make_tuple(qint64(0), qint16(0), quint16(0)));
    QCOMPARE(jobs.at(0).Name, QStringLiteral("a & b"));
    QVERIFY(jobs.at(0).Log.isEmpty());
    QCOMPARE(std::make_tuple(jobs.at(1).Type, jobs.at(1).Interval, jobs.at(1).PicCount),
        std::make_tuple(qint16(1), quint16(65535), quint16(65535)));
    for (const CJob &job : { jobs.at(1), jobs.at(2) }) {
        QCOMPARE(job.Log.size(), 2);
        QCOMPARE(job.Log.at(0).Time, qint64(1234));
        QCOMPARE(job.Log.at(1).Path, QStringLiteral("/2.jpg"));
        QCOMPARE(job.Log.at(1).Time, qint64(0));
    }
}

void TestJobStore::jobProfilesNeverCollide()
{
    // A pictures folder that needs escaping in a document.
    const QString pictures = QDir::homePath() + QStringLiteral("/Pics & <Co>");
    QDir().mkpath(pictures);
    WriteFile(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs"),
        "XDG_PICTURES_DIR=\"" + pictures.toUtf8() + "\"\n");
    QCOMPARE(GetPicturesFolder(), pictures);

    CJobList list;
    const qint64 ahead = QDateTime::currentSecsSinceEpoch() + 1000;
    list.Append(Job(ahead, QStringLiteral("Ahead")));
    QCOMPARE(list.NewId(), ahead + 1);
    QVERIFY(WriteFile(JobProfilePath(ahead + 1), "a removed job's profile"));
    const qint64 id = list.NewId();
    QCOMPARE(id, ahead + 2);

    const QString path = CreateJobProfile(id);
    QCOMPARE(path, GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/%1.qlf").arg(id));
    QCOMPARE(CreateJobProfile(ahead + 1), QString());
    QCOMPARE(ReadBytes(JobProfilePath(ahead + 1)), QByteArray("a removed job's profile"));

    QMap<QString, QString> expected = ProfileProperties(ReadBytes(QStringLiteral(":/empty.qlf")));
    QCOMPARE(expected.size(), 47);
    expected[QStringLiteral("Name")] = QString::number(id);
    expected[QStringLiteral("DestPath")] = pictures;
    const QString sRGB = QCoreApplication::applicationDirPath() + QStringLiteral("/Data/sRGB.icm");
    expected[QStringLiteral("CustomProfile")] = sRGB;
    QCOMPARE(ProfileProperties(ReadBytes(path)), expected);

    // The main program takes it as a profile.
    CUserProfile *profile = CUserProfile::instance();
    profile->Quality = 5;
    profile->RenameOptions.FilenameFormat.clear();
    int mode = 0;
    CScripts scripts(path);
    QVERIFY(scripts.LoadDocument(mode));
    QCOMPARE(scripts.profileName, QString::number(id));
    QCOMPARE(profile->Quality, 88);
    QCOMPARE(profile->RenameOptions.FilenameFormat, QStringLiteral("[Filename]"));
    QCOMPARE(profile->OutputOptions.DestPath, pictures);
    QCOMPARE(profile->CustomProfile, sRGB);
}

void TestJobStore::listSharedByFourThreads()
{
    CJobList list;
    constexpr int Rounds = 2000;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([&list, t] {
            list.Append(Job(100 + t, QStringLiteral("Worker")));
            const CJob passing = Job(1000 + t, QStringLiteral("Passing"));
            for (int round = 1; round <= Rounds; ++round) {
                const QList<SJobImage> log { { QString::number(round), QString(), 0 } };
                if (const std::optional<CJob> seen = list.FindById(100 + t)) {
                    list.WriteBackScan(100 + t, *seen, Changed(*seen, [&](CJob &j) {
                        j.Log = log;
                        j.PicCount = quint16(round);
                    }));
                }
                list.Append(passing);
                list.At(list.Count() - 1);
                list.Remove(passing);
            }
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(60000));
    QCOMPARE(list.Count(), 4);
    for (int t = 0; t < 4; ++t)
        QCOMPARE(list.FindById(100 + t)->PicCount, quint16(Rounds));
}

QUENDRASIL_TEST_MAIN(TestJobStore, QCoreApplication)

#include "tst_jobstore.moc"
