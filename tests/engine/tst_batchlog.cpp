#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "BatchLog.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "TestPhotos.h"
#include "UserProfile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");
constexpr int RunTimeoutMs = 120000;

} // namespace

class TestBatchLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void routing_data();
    void routing();
    void closingAddsTheSeparatorOnce();
    void firstRunWritesMarkAndBlock();
    void secondRunComesFirst();
    void oldLogWithoutMarkIsKeptWhole();
    void failedSaveLeavesTheOldLog();
    void twoRunsAtOnceLoseNoBlock();

    void runWritesItsBlockToTheProgramLog();
    void switchedOffLogWritesNothing();
    void monitorJobWritesItsOwnLog();
    void abortedRunStillWritesItsBlock();
    void unsavableLogIsReported();

private:
    bool RunJob(CBatchCore &core, const QStringList &photos);

    QTemporaryDir root;
    QString photoFolder;
    QString outFolder;
};

void TestBatchLog::initTestCase()
{
    QVERIFY(root.isValid());
    CUserProfile::instance()->LoadSettings();
}

void TestBatchLog::init()
{
    static int caseNumber = 0;
    ++caseNumber;
    photoFolder = root.filePath(QStringLiteral("case%1/in").arg(caseNumber));
    outFolder = root.filePath(QStringLiteral("case%1/out").arg(caseNumber));
    QVERIFY(QDir().mkpath(photoFolder));
    QVERIFY(QDir().mkpath(outFolder));
    QFile::remove(CBatchLog::ProgramLogPath());

    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->ClearScriptState();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outFolder;
    profile->OutputOptions.OutputFormat = QStringLiteral("PNG");
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->UpdateOutputExtension();
    profile->QdvLog = true;
}

bool TestBatchLog::RunJob(CBatchCore &core, const QStringList &photos)
{
    QStringList rejected;
    for (const QString &photo : photos)
        CListImages::instance()->AddImage(photo, rejected);
    if (!rejected.isEmpty() || !core.Start())
        return false;
    return QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs);
}

void TestBatchLog::routing_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("block");

    QTest::newRow("screen and file") << 0 << true << "line\r\n";
    QTest::newRow("screen only") << 1 << true << "";
    QTest::newRow("file only") << 2 << false << "line\r\n";
    QTest::newRow("unknown flag is dropped") << 3 << false << "";
    QTest::newRow("negative flag is dropped") << -1 << false << "";
}

void TestBatchLog::routing()
{
    QFETCH(int, flag);
    QFETCH(bool, shown);
    QFETCH(QString, block);
    CBatchLog log;
    QCOMPARE(log.Route(QStringLiteral("line"), flag), shown);
    QCOMPARE(log.Text(), block);
}

void TestBatchLog::closingAddsTheSeparatorOnce()
{
    CBatchLog log;
    log.Append(QStringLiteral("Time elapsed: 1.0s"));
    log.Close();
    log.Close();
    QCOMPARE(log.Text(), QStringLiteral("Time elapsed: 1.0s\r\n\r\n----------\r\n\r\n"));
}

void TestBatchLog::firstRunWritesMarkAndBlock()
{
    const QString path = root.filePath(QStringLiteral("first/deeper/Quendrasil.log"));
    QVERIFY(CBatchLog::WriteLogFile(path, QStringLiteral("Läuft")));
    QCOMPARE(TestPhotos::ReadBytes(path), Bom + QStringLiteral("Läuft").toUtf8());
    QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
}

void TestBatchLog::secondRunComesFirst()
{
    const QString path = root.filePath(QStringLiteral("second.log"));
    QVERIFY(CBatchLog::WriteLogFile(path, QStringLiteral("one")));
    QVERIFY(CBatchLog::WriteLogFile(path, QStringLiteral("two")));
    QCOMPARE(TestPhotos::ReadBytes(path), Bom + "two" + "one");
    QCOMPARE(QDir(root.path()).entryList({ "second.log*" }, QDir::Files | QDir::Hidden),
        QStringList { "second.log" });
}

void TestBatchLog::oldLogWithoutMarkIsKeptWhole()
{
    const QString path = root.filePath(QStringLiteral("nomark.log"));
    // Longer than one copy block, and starting like no mark at all.
    const QByteArray old = "\xEF\xBB" + QByteArray(5000, 'x') + "end";
    QVERIFY(TestPhotos::WriteBytes(path, old));
    QVERIFY(CBatchLog::WriteLogFile(path, QStringLiteral("new")));
    QCOMPARE(TestPhotos::ReadBytes(path), Bom + "new" + old);
}

void TestBatchLog::failedSaveLeavesTheOldLog()
{
    // A file where the log's folder should be: nothing can be created there.
    const QString blocker = root.filePath(QStringLiteral("blocker"));
    QVERIFY(TestPhotos::WriteBytes(blocker, "file"));
    QString error;
    QVERIFY(
        !CBatchLog::WriteLogFile(blocker + QStringLiteral("/x.log"), QStringLiteral("t"), &error));
    QVERIFY(!error.isEmpty());

    // A folder in place of the log file: the write fails and the folder stays as it was.
    const QString folder = root.filePath(QStringLiteral("folder.log"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!CBatchLog::WriteLogFile(folder, QStringLiteral("t")));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestBatchLog::twoRunsAtOnceLoseNoBlock()
{
    const QString path = root.filePath(QStringLiteral("together.log"));
    constexpr int BlocksEach = 25;
    const auto writer = [&path](const QString &name) {
        return QThread::create([path, name]() {
            for (int index = 0; index < BlocksEach; ++index)
                CBatchLog::WriteLogFile(path, QStringLiteral("<%1-%2>").arg(name).arg(index));
        });
    };
    std::unique_ptr<QThread> first(writer(QStringLiteral("a")));
    std::unique_ptr<QThread> second(writer(QStringLiteral("b")));
    first->start();
    second->start();
    first->wait();
    second->wait();

    const QByteArray text = TestPhotos::ReadBytes(path);
    QVERIFY(text.startsWith(Bom));
    QCOMPARE(text.count(Bom), 1);
    for (const char *name : { "a", "b" }) {
        for (int index = 0; index < BlocksEach; ++index) {
            const QByteArray block = QStringLiteral("<%1-%2>").arg(name).arg(index).toUtf8();
            QCOMPARE(text.count(block), 1);
        }
    }
    // Each writer's blocks stay newest first.
    QVERIFY(text.indexOf("<a-24>") < text.indexOf("<a-0>"));
}

void TestBatchLog::runWritesItsBlockToTheProgramLog()
{
    const QString good = photoFolder + QStringLiteral("/good.jpg");
    TestPhotos::MakePhoto(32, 24).write("JPEG:" + good.toStdString());
    const QString bad = photoFolder + QStringLiteral("/bad.jpg");
    QVERIFY(TestPhotos::WriteBytes(bad, TestPhotos::RandomBytes(500)));

    CBatchCore core;
    QSignalSpy shown(&core, &CBatchCore::LogShown);
    QVERIFY(RunJob(core, { good, bad }));
    const QByteArray file = TestPhotos::ReadBytes(CBatchLog::ProgramLogPath());
    QCOMPARE(file, Bom + core.LogText().toUtf8());
    QVERIFY(core.LogText().endsWith(CBatchLog::Separator()));
    // The block holds the full paths; the shortened screen lines stay on the screen.
    QVERIFY(file.contains((QStringLiteral(" - Processed ") + good + "\r\n").toUtf8()));
    QVERIFY(file.contains((QStringLiteral(" - Failed to load ") + bad).toUtf8()));
    QVERIFY(!file.contains(" - Failed to load \""));
    QStringList screen;
    for (const QList<QVariant> &arguments : shown)
        screen << arguments.first().toString();
    QCOMPARE(screen.filter(QStringLiteral(" - Failed to load \"")).size(), 1);
    const qsizetype header = file.indexOf("Process started at ");
    QCOMPARE(header, qsizetype(3));
    QVERIFY(file.contains("Launching 2 thread(s) of execution.\r\n\r\n"));

    // The next run's block goes in front of this one, which stays exactly as it was.
    CListImages::instance()->Clear();
    CBatchCore next;
    QVERIFY(RunJob(next, { good }));
    QCOMPARE(TestPhotos::ReadBytes(CBatchLog::ProgramLogPath()),
        Bom + next.LogText().toUtf8() + core.LogText().toUtf8());
}

void TestBatchLog::switchedOffLogWritesNothing()
{
    const QString good = photoFolder + QStringLiteral("/good.jpg");
    TestPhotos::MakePhoto(32, 24).write("JPEG:" + good.toStdString());
    CUserProfile::instance()->QdvLog = false;
    CBatchCore core;
    QVERIFY(RunJob(core, { good }));
    QVERIFY(!QFile::exists(CBatchLog::ProgramLogPath()));
}

void TestBatchLog::monitorJobWritesItsOwnLog()
{
    const QString good = photoFolder + QStringLiteral("/good.jpg");
    TestPhotos::MakePhoto(32, 24).write("JPEG:" + good.toStdString());
    CUserProfile *profile = CUserProfile::instance();
    profile->QdvLog = false;
    profile->SilentScript = true;
    profile->MonitorScript = true;
    profile->MonitorId = QStringLiteral("42");
    profile->CreateLog = true;
    const QString jobLog = CBatchLog::MonitorLogPath(QStringLiteral("42"));
    QFile::remove(jobLog);

    CBatchCore core;
    QVERIFY(RunJob(core, { good }));
    QCOMPARE(TestPhotos::ReadBytes(jobLog), Bom + core.LogText().toUtf8());
    QVERIFY(core.LogText().endsWith(CBatchLog::Separator()));
    QVERIFY(!QFile::exists(CBatchLog::ProgramLogPath()));
}

void TestBatchLog::abortedRunStillWritesItsBlock()
{
    QStringList photos;
    for (int index = 0; index < 12; ++index) {
        photos << photoFolder + QStringLiteral("/p%1.jpg").arg(index);
        TestPhotos::MakePhoto(32, 24).write("JPEG:" + photos.last().toStdString());
    }
    QStringList rejected;
    for (const QString &photo : photos)
        CListImages::instance()->AddImage(photo, rejected);
    CBatchCore core;
    QVERIFY(core.Start());
    core.SetPaused(true);
    core.Abort();
    QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs));
    const QByteArray file = TestPhotos::ReadBytes(CBatchLog::ProgramLogPath());
    QVERIFY(
        file.contains("\r\nProcess interrupted by the user.\r\nProcess completed without errors."
                      "\r\nTime elapsed: "));
    QVERIFY(file.endsWith(CBatchLog::Separator().toUtf8()));
}

void TestBatchLog::unsavableLogIsReported()
{
    const QString good = photoFolder + QStringLiteral("/good.jpg");
    TestPhotos::MakePhoto(32, 24).write("JPEG:" + good.toStdString());
    // A file where the log's folder belongs.
    const QString logFolder = QFileInfo(CBatchLog::ProgramLogPath()).path();
    const QString moved = logFolder + QStringLiteral(".away");
    if (QFileInfo::exists(logFolder))
        QVERIFY(QDir().rename(logFolder, moved));
    QVERIFY(TestPhotos::WriteBytes(logFolder, "in the way"));

    {
        CBatchCore core;
        QSignalSpy warnings(&core, &CBatchCore::WarningRaised);
        QSignalSpy shown(&core, &CBatchCore::LogShown);
        QVERIFY(RunJob(core, { good }));
        QCOMPARE(warnings.count(), 0); // nobody to show a box: a line instead
        QCOMPARE(shown.last().first().toString(), QStringLiteral("Could not save log."));
    }
    CListImages::instance()->Clear();
    CUserProfile::instance()->OutputOptions.DisableNotifications = true; // good.png exists now
    {
        CBatchCore core;
        core.SetInteractive(true);
        QSignalSpy warnings(&core, &CBatchCore::WarningRaised);
        QVERIFY(RunJob(core, { good }));
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings.first().first().toString(), QStringLiteral("Could not save log."));
    }
    QVERIFY(QFile::remove(logFolder));
    if (QFileInfo::exists(moved))
        QVERIFY(QDir().rename(moved, logFolder));
}

QUENDRASIL_TEST_MAIN_WITH(TestBatchLog, QCoreApplication, InitializeImageEngine)
#include "tst_batchlog.moc"
