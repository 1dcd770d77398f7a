#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "FilterIds.h"
#include "FiltersEnum.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "OutputPaths.h"
#include "Scripts.h"
#include "Settings.h"
#include "TestPhotos.h"
#include "UnattendedRuns.h"
#include "UserProfile.h"
#include "platform/DesktopOpen.h"
#include "platform/ProgramFolder.h"
#include "platform/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/stat.h>

namespace {

constexpr int RunTimeoutMs = 120000;
// Ghostscript's time limit in this test (set before the engine starts): long enough that the
// helpers of two documents waited for side by side are seen running at once.
constexpr int HelperSeconds = 10;

const QByteArray NeverEndingPostScript = "%!PS\n{} loop\n";
const QByteArray NeverEndingEps = "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n{} loop\n";

QByteArray JpegBytes(size_t width = 64, size_t height = 48)
{
    Magick::Blob blob;
    TestPhotos::MakePhoto(width, height).write(&blob, "JPEG");
    return TestPhotos::BlobBytes(blob);
}

QString WriteJpeg(const QString &path, int quality = 92, size_t width = 64, size_t height = 48)
{
    Magick::Image image = TestPhotos::MakePhoto(width, height);
    image.quality(size_t(quality));
    image.write("JPEG:" + path.toStdString());
    return path;
}

SFilterRecord MakeFilter(int id, const QString &name, const QList<double> &numbers = {})
{
    SFilterRecord record;
    record.id = id;
    record.name = name;
    record.active = true;
    record.numberCount = quint8(numbers.size());
    for (qsizetype index = 0; index < numbers.size(); ++index)
        record.numbers[size_t(index)] = numbers.at(index);
    return record;
}

void AddPhotos(const QStringList &paths)
{
    QStringList rejected;
    for (const QString &path : paths)
        CListImages::instance()->AddImage(path, rejected);
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected.join(QLatin1Char(','))));
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A shell script the test controls, ready to run.
bool WriteScript(const QString &path, const QString &text)
{
    return TestPhotos::WriteBytes(path, text.toUtf8())
        && ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

int PageCount(const QString &path)
{
    CImageManager manager;
    return manager.GetPageCount(path);
}

} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void threadCount_data();
    void threadCount();
    void photosAreDealtByNumber();
    void formatTime_data();
    void formatTime();
    void formatElapsed_data();
    void formatElapsed();

    void everyGoodPhotoIsProcessedAndEveryBadOneLogged();
    void sameNamesFromThreeFoldersStayApart();
    void recreatedTreeUnderTheDestination();
    void silentRunNumbersExistingFiles();
    void hiddenRunAsksNothingAndKeepsFiles();
    void multipageSourceChecksEveryPageFile();
    void lightProcessingCopiesBytesUnlessQualityIsLow();
    void failedFilterStillWritesThePhoto();
    void yesToAllAsksOnce();
    void noToAllSkipsSilently();
    void renameAnswerWritesUnderTheNewName();
    void renameToATakenNameAsksAgain();
    void abortAnswerEndsTheRun();
    void disabledNotificationsReplaceWithoutAsking();
    void deleteSourceOnlyAfterAVerifiedWrite();
    void lightMoveDeletesTheSource();
    void sourceThatIsItsOwnOutputIsKept();
    void deliveredRunWritesIntoTheTemporaryFolder();
    void emailPromptsDecideTheCleanUp_data();
    void emailPromptsDecideTheCleanUp();
    void documentKeepsEveryPageWhenTheLastPhotoFails();
    void unwritableDestinationIsLoggedPerPhoto();
    void pauseAndResumeFinishTheRun();
    void abortWhilePausedEndsWithoutMoreOutput();
    void outputFolderOpensOnceAndNotInSilentRuns();
    void ghostscriptNoticeOnlyWhenGhostscriptIsMissing();
    void neverEndingPostScriptFailsAndTheRunGoesOn();
    void abortEndsTheHelperAWorkerWaitsFor_data();
    void abortEndsTheHelperAWorkerWaitsFor();
    void outputNeverReplacesAnotherSourceOfTheRun_data();
    void outputNeverReplacesAnotherSourceOfTheRun();
    void namesThatAreNotUtf8AreLoggedAndCounted();
    void controlCharactersInNamesCannotForgeLogLines();
    void loadedSilentScriptRunsWithoutAWindow();
    void jobChangedAfterStartDoesNotReachTheRun();

private:
    void SetOutputFormat(const QString &format);
    bool RunToEnd(CBatchCore &core);
    QString Out(const QString &name) const { return outFolder + QLatin1Char('/') + name; }

    QTemporaryDir root;
    QString sourceFolder;
    QString outFolder;
    QStringList openedFolders;
};

void TestBatchRun::initTestCase()
{
    QVERIFY(root.isValid());
    CUserProfile::instance()->LoadSettings();
    CFiltersEnum::instance()->GenerateList(); // job documents name filters from it
    Platform::SetLocalPathOpener([this](const QString &path) {
        openedFolders.append(path);
        return true;
    });
}

void TestBatchRun::cleanupTestCase()
{
    Platform::SetLocalPathOpener({});
}

void TestBatchRun::init()
{
    static int caseNumber = 0;
    ++caseNumber;
    sourceFolder = root.filePath(QStringLiteral("case%1/in").arg(caseNumber));
    outFolder = root.filePath(QStringLiteral("case%1/out").arg(caseNumber));
    QVERIFY(QDir().mkpath(sourceFolder));
    QVERIFY(QDir().mkpath(outFolder));
    openedFolders.clear();

    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->ClearScriptState();
    profile->OutputOptions = SOutputOptions();
    profile->OutputOptions.DestPath = outFolder;
    profile->RenameOptions = SRenameOptions();
    profile->RebuildRenameSettings();
    profile->Quality = 88;
    profile->FixedSize = false;
    profile->MultipageWrite = 0;
    profile->UseMulticore = true;
    profile->QdvLog = false;
    profile->JpegType = 1;
    profile->TiffType = 2;
    profile->GhostscriptNotice.fill(true);
    SetOutputFormat(QStringLiteral("PNG"));
}

void TestBatchRun::SetOutputFormat(const QString &format)
{
    CUserProfile::instance()->OutputOptions.OutputFormat = format;
    CUserProfile::instance()->UpdateOutputExtension();
}

bool TestBatchRun::RunToEnd(CBatchCore &core)
{
    if (!core.Start())
        return false;
    // A run that hangs fails the test instead of blocking the suite.
    return QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs);
}

void TestBatchRun::threadCount_data()
{
    QTest::addColumn<int>("processors");
    QTest::addColumn<int>("photos");
    QTest::addColumn<bool>("multicore");
    QTest::addColumn<bool>("multipage");
    QTest::addColumn<int>("expected");

    QTest::newRow("10 photos, 8 threads") << 8 << 10 << true << false << 8;
    QTest::newRow("3 photos") << 8 << 3 << true << false << 3;
    QTest::newRow("64 threads are clamped to 32") << 64 << 100 << true << false << 32;
    QTest::newRow("no processor count") << 0 << 10 << true << false << 1;
    QTest::newRow("multi-core off") << 8 << 10 << false << false << 1;
    QTest::newRow("one document") << 8 << 10 << true << true << 1;
    QTest::newRow("no photos") << 8 << 0 << true << false << 1;
}

void TestBatchRun::threadCount()
{
    QFETCH(int, processors);
    QFETCH(int, photos);
    QFETCH(bool, multicore);
    QFETCH(bool, multipage);
    QFETCH(int, expected);
    QCOMPARE(CBatchCore::ThreadCount(processors, photos, multicore, multipage), expected);
}

void TestBatchRun::photosAreDealtByNumber()
{
    QList<SImageRecord> photos;
    for (int index = 0; index < 7; ++index) {
        SImageRecord record;
        record.sequenceNumber = index;
        photos.append(record);
    }
    const auto numbers = [&photos](int worker) {
        QList<int> taken;
        for (const SImageRecord &record : CBatchCore::AssignedPhotos(photos, 3, worker))
            taken.append(record.sequenceNumber);
        return taken;
    };
    QCOMPARE(numbers(0), QList<int>({ 0, 3, 6 }));
    QCOMPARE(numbers(1), QList<int>({ 1, 4 }));
    QCOMPARE(numbers(2), QList<int>({ 2, 5 }));
}

void TestBatchRun::formatTime_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << "00:00";
    QTest::newRow("seconds") << qint64(59999) << "00:59";
    QTest::newRow("minutes") << qint64(75300) << "01:15";
    QTest::newRow("hours") << qint64(3725000) << "01:02:05";
}

void TestBatchRun::formatTime()
{
    QFETCH(qint64, ms);
    QFETCH(QString, expected);
    QCOMPARE(CBatchCore::FormatTime(ms), expected);
}

void TestBatchRun::formatElapsed_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("expected");
    QTest::newRow("seconds") << qint64(4200) << "4.2s";
    QTest::newRow("minutes") << qint64(75300) << "1:15.3s";
    QTest::newRow("hours") << qint64(3725000) << "1:02:05.0s";
    QTest::newRow("nothing") << qint64(99) << "0.0s";
}

void TestBatchRun::formatElapsed()
{
    QFETCH(qint64, ms);
    QFETCH(QString, expected);
    QCOMPARE(CBatchCore::FormatElapsed(ms), expected);
}

void TestBatchRun::everyGoodPhotoIsProcessedAndEveryBadOneLogged()
{
    QStringList good;
    for (int index = 0; index < 5; ++index)
        good << WriteJpeg(sourceFolder + QStringLiteral("/good%1.jpg").arg(index));
    const QString corrupt = sourceFolder + QStringLiteral("/corrupt.jpg");
    QVERIFY(TestPhotos::WriteBytes(corrupt, TestPhotos::RandomBytes(4000)));
    const QString truncated = sourceFolder + QStringLiteral("/truncated.jpg");
    QVERIFY(TestPhotos::TruncateCopy(good.first(), truncated, 600));
    const QString empty = sourceFolder + QStringLiteral("/empty.jpg");
    QVERIFY(TestPhotos::WriteBytes(empty, QByteArray()));
    const QString notAFile = sourceFolder + QStringLiteral("/folder.jpg");
    QVERIFY(QDir().mkpath(notAFile));
    const QString vanished = sourceFolder + QStringLiteral("/vanished.jpg");
    WriteJpeg(vanished);
    const QStringList bad { corrupt, truncated, empty, notAFile, vanished };

    AddPhotos(good + bad);
    QVERIFY(QFile::remove(vanished)); // gone between adding and processing
    CListFilters::instance()->Append(MakeFilter(FilterId::Negate, QStringLiteral("Negate")));

    CBatchCore core;
    QSignalSpy finished(&core, &CBatchCore::Finished);
    QSignalSpy shown(&core, &CBatchCore::LogShown);
    QVERIFY(RunToEnd(core));
    QCOMPARE(finished.count(), 1);

    const SBatchSummary summary = finished.first().first().value<SBatchSummary>();
    QCOMPARE(summary.photoCount, 10);
    QCOMPARE(summary.photosDone, 5);
    QCOMPARE(summary.errorTotal, 5);
    QVERIFY(!summary.aborted);
    QCOMPARE(core.OperationsPerPhoto(), 3);
    QCOMPARE(core.OperationsDone(), 5 * 3);

    QStringList expectedFiles;
    for (int index = 0; index < 5; ++index)
        expectedFiles << QStringLiteral("good%1.png").arg(index);
    QCOMPARE(FilesIn(outFolder), expectedFiles); // nothing partial, nothing for the bad ones
    QCOMPARE(summary.writtenFiles.size(), 5);
    for (const QString &file : summary.writtenFiles)
        QVERIFY(expectedFiles.contains(QFileInfo(file).fileName()));

    const QString log = core.LogText();
    for (const QString &path : good)
        QVERIFY2(log.contains(QStringLiteral(" - Processed ") + path + QStringLiteral("\r\n")),
            qPrintable(path));
    for (const QString &path : bad) {
        // The full path and the reason, on the file's side.
        QVERIFY2(log.contains(QStringLiteral(" - Failed to load ") + path + QStringLiteral(" (")),
            qPrintable(path));
        QVERIFY(!log.contains(QStringLiteral(" - Processed ") + path));
    }
    QVERIFY(log.contains(QStringLiteral(
        "Warning: Process completed with 5 errors. For details see the log above.\r\n")));
    QVERIFY(log.startsWith(QStringLiteral("Process started at ")));
    QVERIFY(log.contains(
        QStringLiteral("Processing 10 images with 1 graphical filter(s) per image.\r\n\r\n")));
    QVERIFY(log.contains(QStringLiteral("Time elapsed: ")));

    // On screen the failures carry shortened paths; result lines stay off the screen.
    QStringList screen;
    for (const QList<QVariant> &arguments : shown)
        screen << arguments.first().toString();
    QCOMPARE(screen.filter(QStringLiteral(" - Failed to load \"")).size(), 5);
    QVERIFY(screen.filter(QStringLiteral(" - Processed")).isEmpty());
    for (const QString &path : bad)
        QCOMPARE(QFileInfo(path).exists(), path != vanished);
}

void TestBatchRun::sameNamesFromThreeFoldersStayApart()
{
    QStringList photos;
    for (const char *name : { "a", "b", "c" }) {
        QVERIFY(QDir().mkpath(sourceFolder + QLatin1Char('/') + QLatin1String(name)));
        photos << WriteJpeg(
            sourceFolder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral("/x.jpg"));
    }
    AddPhotos(photos);

    const auto magickThreads
        = []() { return qint64(MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource)); };
    const qint64 before = magickThreads();
    CBatchCore core;
    QList<qint64> during;
    connect(&core, &CBatchCore::OperationsChanged, &core,
        [&during, &magickThreads]() { during.append(magickThreads()); });
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.WorkerCount(), 3);
    QCOMPARE(core.ErrorTotal(), 0);
    QCOMPARE(FilesIn(outFolder), QStringList({ "x (2).png", "x (3).png", "x.png" }));
    // Several workers run ImageMagick single-threaded each; the limit comes back afterwards.
    QVERIFY(!during.isEmpty());
    QCOMPARE(during.last(), qint64(1));
    QCOMPARE(magickThreads(), before);
}

void TestBatchRun::recreatedTreeUnderTheDestination()
{
    QVERIFY(QDir().mkpath(sourceFolder + QStringLiteral("/2024/May")));
    QVERIFY(QDir().mkpath(sourceFolder + QStringLiteral("/2024ab")));
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/2024/May/m.jpg")),
        WriteJpeg(sourceFolder + QStringLiteral("/2024ab/n.jpg")) });
    CUserProfile::instance()->OutputOptions.OutputFolderStruct = OutputPaths::RecreateTree;

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.CommonFolder(), sourceFolder);
    QVERIFY(QFile::exists(Out(QStringLiteral("2024/May/m.png"))));
    QVERIFY(QFile::exists(Out(QStringLiteral("2024ab/n.png"))));
}

void TestBatchRun::silentRunNumbersExistingFiles()
{
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/p.jpg")) });
    SetOutputFormat(QStringLiteral("JPG"));
    CUserProfile::instance()->Quality = 80;
    CUserProfile::instance()->SilentScript = true;
    const QByteArray first("first"), second("second");
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("p.jpg")), first));
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("p (2).jpg")), second));

    CBatchCore core;
    core.SetInteractive(true); // a silent script asks nothing even with a window
    QSignalSpy questions(&core, &CBatchCore::OverwriteQuestion);
    QVERIFY(RunToEnd(core));
    QCOMPARE(questions.count(), 0);
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("p.jpg"))), first);
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("p (2).jpg"))), second);
    QVERIFY(PageCount(Out(QStringLiteral("p (3).jpg"))) == 1);
    QCOMPARE(core.WrittenFiles(), QStringList { Out(QStringLiteral("p (3).jpg")) });
    QVERIFY(core.LogText().contains(QStringLiteral(" - Processed ") + sourceFolder));
}

void TestBatchRun::hiddenRunAsksNothingAndKeepsFiles()
{
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/h.jpg")) });
    CUserProfile::instance()->OutputOptions.HideProcessing = true;
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("h.png")), "mine"));

    CBatchCore core;
    core.SetInteractive(true);
    QSignalSpy questions(&core, &CBatchCore::OverwriteQuestion);
    QVERIFY(RunToEnd(core));
    QCOMPARE(questions.count(), 0);
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("h.png"))), QByteArray("mine"));
    QCOMPARE(PageCount(Out(QStringLiteral("h (2).png"))), 1);
    // Nothing was replaced, so the result line says so.
    QVERIFY(core.LogText().contains(QStringLiteral(" - Processed ") + sourceFolder));
    QVERIFY(!core.LogText().contains(QStringLiteral("replaced")));
}

void TestBatchRun::multipageSourceChecksEveryPageFile()
{
    const QString source = sourceFolder + QStringLiteral("/d.tif");
    TestPhotos::WriteMultipageFile(QStringLiteral("TIFF:") + source, 3);
    AddPhotos({ source });
    SetOutputFormat(QStringLiteral("TIF"));
    CListFilters::instance()->Append(MakeFilter(FilterId::Negate, QStringLiteral("Negate")));
    CUserProfile::instance()->SilentScript = true;
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("d-1.tif")), "old page"));

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("d-1.tif"))), QByteArray("old page"));
    const QStringList pages { Out(QStringLiteral("d (2)-0.tif")),
        Out(QStringLiteral("d (2)-1.tif")), Out(QStringLiteral("d (2)-2.tif")) };
    for (const QString &page : pages)
        QCOMPARE(PageCount(page), 1);
    QCOMPARE(core.WrittenFiles(), pages);
}

void TestBatchRun::lightProcessingCopiesBytesUnlessQualityIsLow()
{
    const QString source = WriteJpeg(sourceFolder + QStringLiteral("/p.JPG"), 75);
    AddPhotos({ source });
    SetOutputFormat(QStringLiteral("JPG"));
    CUserProfile::instance()->Quality = 90;
    {
        CBatchCore core;
        QSignalSpy operations(&core, &CBatchCore::OperationsChanged);
        QVERIFY(RunToEnd(core));
        QCOMPARE(core.ErrorTotal(), 0);
        QCOMPARE(core.OperationsDone(), 2);
    }
    const QString output = Out(QStringLiteral("p.jpg"));
    QCOMPARE(TestPhotos::ReadBytes(output), TestPhotos::ReadBytes(source));

    QVERIFY(QFile::remove(output));
    CUserProfile::instance()->Quality = 87;
    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    QVERIFY(QFile::exists(output));
    QVERIFY(TestPhotos::ReadBytes(output) != TestPhotos::ReadBytes(source));
}

void TestBatchRun::failedFilterStillWritesThePhoto()
{
    const QString source = WriteJpeg(sourceFolder + QStringLiteral("/f.jpg"));
    AddPhotos({ source });
    CListFilters *chain = CListFilters::instance();
    chain->Append(MakeFilter(FilterId::Negate, QStringLiteral("Negate")));
    chain->Append(MakeFilter(9999, QStringLiteral("Bogus")));
    chain->Append(MakeFilter(FilterId::Negate, QStringLiteral("Negate")));
    CUserProfile::instance()->OutputOptions.DeleteSource = true;

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 1);
    QCOMPARE(core.PhotosDone(), 1);
    QCOMPARE(PageCount(Out(QStringLiteral("f.png"))), 1);
    const QString log = core.LogText();
    QVERIFY(
        log.contains(QStringLiteral(" - Failed to apply 'Bogus' filter to ") + source + "\r\n"));
    QVERIFY(!log.contains(QStringLiteral(" - Processed")));
    // A photo missing one of its steps is no replacement for its source.
    QVERIFY(QFile::exists(source));
}

void TestBatchRun::yesToAllAsksOnce()
{
    QStringList photos;
    for (int index = 0; index < 3; ++index) {
        photos << WriteJpeg(sourceFolder + QStringLiteral("/y%1.jpg").arg(index));
        QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("y%1.png").arg(index)), "old"));
    }
    AddPhotos(photos);

    CBatchCore core;
    core.SetInteractive(true);
    QSignalSpy questions(&core, &CBatchCore::OverwriteQuestion);
    connect(&core, &CBatchCore::OverwriteQuestion, &core, [&core](QString path, int index) {
        QVERIFY(core.AnswerOverwrite(index, OverwriteAnswer::YesToAll, path));
    });
    QVERIFY(RunToEnd(core));
    QCOMPARE(questions.count(), 1);
    QCOMPARE(core.ErrorTotal(), 0);
    for (int index = 0; index < 3; ++index) {
        QCOMPARE(PageCount(Out(QStringLiteral("y%1.png").arg(index))), 1);
        QVERIFY(
            core.LogText().contains(QStringLiteral(" - Processed and replaced ") + photos[index]));
    }
}

void TestBatchRun::noToAllSkipsSilently()
{
    QStringList photos;
    for (int index = 0; index < 3; ++index) {
        photos << WriteJpeg(sourceFolder + QStringLiteral("/n%1.jpg").arg(index));
        QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("n%1.png").arg(index)), "old"));
    }
    AddPhotos(photos);

    CBatchCore core;
    core.SetInteractive(true);
    QSignalSpy questions(&core, &CBatchCore::OverwriteQuestion);
    connect(&core, &CBatchCore::OverwriteQuestion, &core, [&core](QString path, int index) {
        QVERIFY(core.AnswerOverwrite(index, OverwriteAnswer::NoToAll, path));
    });
    QVERIFY(RunToEnd(core));
    QCOMPARE(questions.count(), 1);
    QCOMPARE(core.ErrorTotal(), 0);
    QVERIFY(core.WrittenFiles().isEmpty());
    for (int index = 0; index < 3; ++index) {
        QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("n%1.png").arg(index))), "old");
        QVERIFY(core.LogText().contains(QStringLiteral(" - Skipped ") + photos[index]));
    }
}

void TestBatchRun::renameAnswerWritesUnderTheNewName()
{
    const QString source = WriteJpeg(sourceFolder + QStringLiteral("/r.jpg"));
    AddPhotos({ source });
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("r.png")), "old"));

    CBatchCore core;
    core.SetInteractive(true);
    connect(&core, &CBatchCore::OverwriteQuestion, &core, [&core](QString path, int index) {
        QVERIFY(!core.AnswerOverwrite(index, OverwriteAnswer::Rename, QString()));
        QVERIFY(core.AnswerOverwrite(index, OverwriteAnswer::Rename,
            OutputPaths::RenamedPath(path, QStringLiteral("renamed"))));
    });
    QVERIFY(RunToEnd(core));
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("r.png"))), "old");
    QCOMPARE(PageCount(Out(QStringLiteral("renamed.png"))), 1);
    QCOMPARE(core.WrittenFiles(), QStringList { Out(QStringLiteral("renamed.png")) });
    QVERIFY(core.LogText().contains(QStringLiteral(" - Processed and renamed ") + source));
}

void TestBatchRun::renameToATakenNameAsksAgain()
{
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/t.jpg")) });
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("t.png")), "old"));
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("taken.png")), "taken"));

    CBatchCore core;
    core.SetInteractive(true);
    QStringList asked;
    connect(&core, &CBatchCore::OverwriteQuestion, &core, [&](QString path, int index) {
        asked << path;
        if (asked.size() == 1)
            core.AnswerOverwrite(index, OverwriteAnswer::Rename,
                OutputPaths::RenamedPath(path, QStringLiteral("taken")));
        else
            core.AnswerOverwrite(index, OverwriteAnswer::No, path);
    });
    QVERIFY(RunToEnd(core));
    QCOMPARE(asked, QStringList({ Out(QStringLiteral("t.png")), Out(QStringLiteral("t.png")) }));
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("taken.png"))), "taken");
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("t.png"))), "old");
}

void TestBatchRun::abortAnswerEndsTheRun()
{
    QStringList photos;
    for (int index = 0; index < 4; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/a%1.jpg").arg(index));
    AddPhotos(photos);
    CUserProfile::instance()->UseMulticore = false;
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("a1.png")), "old"));

    CBatchCore core;
    core.SetInteractive(true);
    connect(&core, &CBatchCore::OverwriteQuestion, &core, [&core](QString path, int index) {
        core.AnswerOverwrite(index, OverwriteAnswer::Abort, path);
    });
    QSignalSpy finished(&core, &CBatchCore::Finished);
    QVERIFY(RunToEnd(core));
    QVERIFY(finished.first().first().value<SBatchSummary>().aborted);
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("a1.png"))), "old");
    QVERIFY(!QFile::exists(Out(QStringLiteral("a2.png"))));
    QVERIFY(core.LogText().contains(QStringLiteral(
        "\r\nProcess interrupted by the user.\r\nProcess completed without errors.\r\n")));
}

void TestBatchRun::disabledNotificationsReplaceWithoutAsking()
{
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/d.jpg")) });
    CUserProfile::instance()->OutputOptions.DisableNotifications = true;
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("d.png")), "old"));

    CBatchCore core;
    core.SetInteractive(true);
    QSignalSpy questions(&core, &CBatchCore::OverwriteQuestion);
    QVERIFY(RunToEnd(core));
    QCOMPARE(questions.count(), 0);
    QCOMPARE(PageCount(Out(QStringLiteral("d.png"))), 1);
}

void TestBatchRun::deleteSourceOnlyAfterAVerifiedWrite()
{
    const QString good = WriteJpeg(sourceFolder + QStringLiteral("/g.jpg"));
    const QString broken = sourceFolder + QStringLiteral("/b.jpg");
    QVERIFY(TestPhotos::TruncateCopy(good, broken, 500));
    AddPhotos({ good, broken });
    CUserProfile::instance()->OutputOptions.DeleteSource = true;

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 1);
    QCOMPARE(PageCount(Out(QStringLiteral("g.png"))), 1);
    QVERIFY(!QFile::exists(good));
    QVERIFY(QFile::exists(broken));
}

void TestBatchRun::lightMoveDeletesTheSource()
{
    const QString source = WriteJpeg(sourceFolder + QStringLiteral("/m.jpg"));
    const QByteArray bytes = TestPhotos::ReadBytes(source);
    AddPhotos({ source });
    SetOutputFormat(QStringLiteral("JPG"));
    CUserProfile::instance()->OutputOptions.DeleteSource = true;

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    QVERIFY(!QFile::exists(source));
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("m.jpg"))), bytes);
}

void TestBatchRun::sourceThatIsItsOwnOutputIsKept()
{
    const QString source = WriteJpeg(sourceFolder + QStringLiteral("/self.jpg"));
    AddPhotos({ source });
    SetOutputFormat(QStringLiteral("JPG"));
    CUserProfile *profile = CUserProfile::instance();
    profile->Quality = 80;
    profile->OutputOptions.OutputFolderStruct = OutputPaths::PhotoFolder;
    profile->OutputOptions.DeleteSource = true;
    profile->OutputOptions.DisableNotifications = true;

    CBatchCore core;
    core.SetInteractive(true);
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    QCOMPARE(PageCount(source), 1); // replaced by its processed self, never deleted
    QVERIFY(core.LogText().contains(QStringLiteral(" - Processed and replaced ") + source));
}

void TestBatchRun::deliveredRunWritesIntoTheTemporaryFolder()
{
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/mail.jpg")) });
    CUserProfile::instance()->OutputOptions.Destination = 2; // e-mail, nothing kept on disk
    const QString temporary = Platform::TempWorkFolder();
    QVERIFY(!temporary.isEmpty());
    const QString other = temporary + QStringLiteral("/mail.png");
    QVERIFY(TestPhotos::WriteBytes(other, "another run's file"));

    // Unattended: the message is opened and nobody is asked, so it and its file stay.
    CBatchCore core;
    QVERIFY(RunToEnd(core));
    const QString written = temporary + QStringLiteral("/mail (2).png");
    QCOMPARE(core.WrittenFiles(), QStringList { written });
    QCOMPARE(PageCount(written), 1);
    QCOMPARE(openedFolders.size(), 1);
    QVERIFY(openedFolders.first().endsWith(QStringLiteral(".eml")));
    QVERIFY(TestPhotos::ReadBytes(openedFolders.first()).contains("name=\"mail (2).png\""));
    QVERIFY(core.LogText().contains(QStringLiteral("Files attached successfuly.")));
    QCOMPARE(TestPhotos::ReadBytes(other), "another run's file");
    QVERIFY(FilesIn(outFolder).isEmpty());
    for (const QString &file : { written, other, openedFolders.first() })
        QVERIFY(QFile::remove(file));
}

void TestBatchRun::emailPromptsDecideTheCleanUp_data()
{
    QTest::addColumn<bool>("mailClientOpens");
    QTest::addColumn<bool>("deleteNow");
    QTest::addColumn<bool>("keepOnDisk");
    QTest::addColumn<bool>("outputStays");
    QTest::addColumn<bool>("messageStays");
    QTest::newRow("opened, delete now") << true << true << false << false << false;
    QTest::newRow("opened, keep for now") << true << false << false << true << true;
    QTest::newRow("opened, delete, kept on disk") << true << true << true << true << false;
    QTest::newRow("no mail client") << false << false << false << false << false;
    QTest::newRow("no mail client, kept on disk") << false << false << true << true << false;
}

void TestBatchRun::emailPromptsDecideTheCleanUp()
{
    QFETCH(bool, mailClientOpens);
    QFETCH(bool, deleteNow);
    QFETCH(bool, keepOnDisk);
    QFETCH(bool, outputStays);
    QFETCH(bool, messageStays);
    AddPhotos({ WriteJpeg(sourceFolder + QStringLiteral("/mail.jpg")) });
    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    output.Destination = 2;
    output.SaveOnDiskMail = keepOnDisk;
    QString message;
    Platform::SetLocalPathOpener([&](const QString &path) {
        message = path;
        return mailClientOpens;
    });
    int questions = 0;
    QStringList warnings;
    SEmailPrompts prompts;
    prompts.askYesNo = [&](const QString &, const QString &) {
        ++questions;
        return deleteNow;
    };
    prompts.warn = [&](const QString &, const QString &text) { warnings << text; };

    CBatchCore core;
    core.SetInteractive(true);
    core.SetEmailPrompts(prompts);
    const bool ran = RunToEnd(core);
    Platform::SetLocalPathOpener([this](const QString &path) {
        openedFolders.append(path);
        return true;
    });
    QVERIFY(ran);
    QCOMPARE(core.WrittenFiles().size(), 1);
    const QString written = core.WrittenFiles().first();
    QCOMPARE(written.startsWith(outFolder), keepOnDisk);
    QCOMPARE(questions, mailClientOpens ? 1 : 0);
    QCOMPARE(warnings, mailClientOpens ? QStringList()
                                       : QStringList { QStringLiteral("Could not open default mail client.") });
    QCOMPARE(core.LogText().contains(QStringLiteral("Could not open default mail client.")),
             !mailClientOpens);
    QCOMPARE(QFile::exists(written), outputStays);
    QVERIFY(!message.isEmpty());
    QCOMPARE(QFile::exists(message), messageStays);
    QFile::remove(written);
    QFile::remove(message);
}

void TestBatchRun::documentKeepsEveryPageWhenTheLastPhotoFails()
{
    const QString first = WriteJpeg(sourceFolder + QStringLiteral("/a.jpg"));
    const QString second = WriteJpeg(sourceFolder + QStringLiteral("/b.jpg"));
    const QString last = sourceFolder + QStringLiteral("/c.jpg");
    QVERIFY(TestPhotos::WriteBytes(last, TestPhotos::RandomBytes(3000)));
    AddPhotos({ first, second, last });
    SetOutputFormat(QStringLiteral("TIF"));
    CUserProfile::instance()->OutputOptions.Multipage = true;
    CListFilters::instance()->Append(MakeFilter(FilterId::Negate, QStringLiteral("Negate")));

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.WorkerCount(), 1);
    QCOMPARE(core.ErrorTotal(), 1);
    QCOMPARE(PageCount(Out(QStringLiteral("a.tif"))), 2);
    QCOMPARE(core.WrittenFiles(), QStringList { Out(QStringLiteral("a.tif")) });
    const QString log = core.LogText();
    QVERIFY(log.contains(QStringLiteral("Creating a single multi-page document.\r\n")));
    QVERIFY(log.contains(QStringLiteral(" - Processed ") + first));
    QVERIFY(log.contains(QStringLiteral(" - Processed ") + second));
    QVERIFY(log.contains(QStringLiteral(" - Failed to load ") + last));
}

void TestBatchRun::unwritableDestinationIsLoggedPerPhoto()
{
    const QString blocker = root.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(TestPhotos::WriteBytes(blocker, "file"));
    QStringList photos;
    for (int index = 0; index < 3; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/w%1.jpg").arg(index));
    AddPhotos(photos);
    CUserProfile::instance()->OutputOptions.DestPath = blocker;

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 3);
    QCOMPARE(core.PhotosDone(), 0);
    QVERIFY(core.WrittenFiles().isEmpty());
    QCOMPARE(core.LogText().count(QStringLiteral(" - Failed to write ") + blocker), 3);
    QVERIFY(!core.LogText().contains(QStringLiteral(" - Processed")));
    for (const QString &photo : photos)
        QVERIFY(QFile::exists(photo));
}

void TestBatchRun::pauseAndResumeFinishTheRun()
{
    QStringList photos;
    for (int index = 0; index < 6; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/q%1.jpg").arg(index));
    AddPhotos(photos);

    CBatchCore core;
    QVERIFY(core.Start());
    core.SetPaused(true);
    QVERIFY(core.IsPaused());
    const QString frozen = core.TimeText();
    QVERIFY(frozen.endsWith(QStringLiteral(" / NA")));
    core.SetPaused(false);
    QTRY_VERIFY_WITH_TIMEOUT(core.IsFinished(), RunTimeoutMs);
    QCOMPARE(core.PhotosDone(), 6);
    QCOMPARE(FilesIn(outFolder).size(), 6);
}

void TestBatchRun::abortWhilePausedEndsWithoutMoreOutput()
{
    QStringList photos;
    for (int index = 0; index < 40; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/s%1.jpg").arg(index));
    AddPhotos(photos);
    CUserProfile::instance()->OutputOptions.OpenOutputFolder = true;

    CBatchCore core;
    QSignalSpy finished(&core, &CBatchCore::Finished);
    QVERIFY(core.Start());
    core.SetPaused(true);
    // Workers started first may have finished photos before the pause came.
    const int writtenAtPause = int(FilesIn(outFolder).size());
    core.Abort();
    QTRY_VERIFY_WITH_TIMEOUT(core.IsFinished(), RunTimeoutMs);
    const SBatchSummary summary = finished.first().first().value<SBatchSummary>();
    QVERIFY(summary.aborted);
    // Besides those, at most the photo each worker held when the pause came is finished.
    QVERIFY2(summary.photosDone <= writtenAtPause + core.WorkerCount(),
        qPrintable(QStringLiteral("%1 after %2").arg(summary.photosDone).arg(writtenAtPause)));
    QVERIFY(summary.photosDone < 40);
    QCOMPARE(FilesIn(outFolder).size(), summary.photosDone);
    QCOMPARE(summary.writtenFiles.size(), summary.photosDone);
    QVERIFY(core.LogText().contains(QStringLiteral("Process interrupted by the user.\r\n")));
}

void TestBatchRun::outputFolderOpensOnceAndNotInSilentRuns()
{
    QStringList photos;
    for (int index = 0; index < 4; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/o%1.jpg").arg(index));
    AddPhotos(photos);
    CUserProfile::instance()->OutputOptions.OpenOutputFolder = true;
    {
        CBatchCore core;
        core.SetInteractive(true);
        QVERIFY(RunToEnd(core));
        QCOMPARE(openedFolders, QStringList { outFolder });
    }
    openedFolders.clear();
    CUserProfile::instance()->SilentScript = true;
    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QVERIFY(openedFolders.isEmpty());
}

void TestBatchRun::ghostscriptNoticeOnlyWhenGhostscriptIsMissing()
{
    const QString pdf = sourceFolder + QStringLiteral("/doc.pdf");
    QVERIFY(TestPhotos::WriteBytes(pdf, "%PDF-1.4\nthis is no document\n"));
    const QString jpeg = sourceFolder + QStringLiteral("/j.jpg");
    QVERIFY(TestPhotos::WriteBytes(jpeg, TestPhotos::RandomBytes(100)));
    AddPhotos({ pdf, jpeg });

    // Ghostscript is there: a broken PDF is an ordinary failure with its reason.
    {
        CBatchCore core;
        core.SetInteractive(true);
        QSignalSpy notices(&core, &CBatchCore::GhostscriptNotice);
        QVERIFY(RunToEnd(core));
        QCOMPARE(notices.count(), 0);
        QCOMPARE(core.ErrorTotal(), 2);
        QVERIFY(core.LogText().contains(QStringLiteral(" - Failed to load ") + pdf));
    }

    // Without Ghostscript the notice comes, once, and as a log line when nobody watches.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(root.path()));
    CBatchCore interactive;
    interactive.SetInteractive(true);
    QSignalSpy notices(&interactive, &CBatchCore::GhostscriptNotice);
    const bool ran = RunToEnd(interactive);
    CBatchCore unattended;
    const bool ranUnattended = RunToEnd(unattended);
    qputenv("PATH", path);
    QVERIFY(ran && ranUnattended);
    QCOMPARE(notices.count(), 1);
    QCOMPARE(notices.first().first().toString(), QStringLiteral("pdf"));
    QCOMPARE(unattended.ErrorTotal(), 2);
    QCOMPARE(unattended.LogText().count(QStringLiteral("requires Ghostscript")), 1);
    QVERIFY(unattended.LogText().contains(QStringLiteral(
        "In order to read PDF documents Quendrasil requires Ghostscript to be installed on your "
        "computer.")));
}

void TestBatchRun::neverEndingPostScriptFailsAndTheRunGoesOn()
{
    const QString loop = sourceFolder + QStringLiteral("/loop.ps");
    QVERIFY(TestPhotos::WriteBytes(loop, NeverEndingPostScript));
    const QString eps = sourceFolder + QStringLiteral("/loop.eps");
    QVERIFY(TestPhotos::WriteBytes(eps, NeverEndingEps));
    const QString one = WriteJpeg(sourceFolder + QStringLiteral("/one.jpg"));
    const QString two = WriteJpeg(sourceFolder + QStringLiteral("/two.jpg"));
    AddPhotos({ loop, one, eps, two });
    // Ghostscript through a stand-in first on PATH that notes each start.
    const QString bin = root.filePath(QStringLiteral("counted-gs"));
    const QString starts = bin + QStringLiteral("/starts");
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(WriteScript(bin + QStringLiteral("/gs"),
        QStringLiteral("#!/bin/sh\necho >> '%1'\nexec '%2' \"$@\"\n")
            .arg(starts, QStandardPaths::findExecutable(QStringLiteral("gs")))));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    const auto restorePath = qScopeGuard([&path]() { qputenv("PATH", path); });

    CBatchCore core;
    QVERIFY(core.Start());
    // One time limit per document: the workers wait side by side, each document's guard and
    // Ghostscript running at once...
    const qint64 self = QCoreApplication::applicationPid();
    QTRY_VERIFY_WITH_TIMEOUT(RunningHelpers(self) >= 4, RunTimeoutMs);
    QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs));
    // ...and not one per attempt: the second attempt of each finds the marker and starts none.
    QCOMPARE(TestPhotos::ReadBytes(starts).count('\n'), 2);
    QCOMPARE(
        FilesIn(outFolder), QStringList({ QStringLiteral("one.png"), QStringLiteral("two.png") }));
    QCOMPARE(core.ErrorTotal(), 2);
    const QString took = QStringLiteral(" (took longer than %1 s)\r\n").arg(HelperSeconds);
    QVERIFY(core.LogText().contains(QStringLiteral(" - Failed to load ") + loop + took));
    QVERIFY(core.LogText().contains(QStringLiteral(" - Failed to load ") + eps + took));
    QCOMPARE(RunningHelpers(self), 0);
}

void TestBatchRun::abortEndsTheHelperAWorkerWaitsFor_data()
{
    // The stand-in's lines before it runs the real guard, and the processes of ours to wait
    // for before the abort.
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("helpersBeforeAbort");
    // Held until the test says go, which it does after the abort (a minute at most).
    const QString waitForGo
        = QStringLiteral("for i in $(seq 1200); do [ -e \"$0.go\" ] && break; sleep 0.05; done\n");
    // Ends the way a guard killed before it is ready ends; ImageMagick then runs the command
    // again with " -c showpage".
    const QString firstAttemptDies
        = QStringLiteral("case \"$*\" in *' -c showpage') ;; *) kill -TERM $$ ;; esac\n");
    QTest::newRow("helper running") << QString() << 2;
    QTest::newRow("guard not started yet") << waitForGo << 1;
    QTest::newRow("guard killed before it was ready") << waitForGo + firstAttemptDies << 1;
}

// The delegate table starts the guard by its link in the helper folder; a stand-in there
// controls when the guard starts, and gives it an hour: only the abort can end the run in time.
void TestBatchRun::abortEndsTheHelperAWorkerWaitsFor()
{
    QFETCH(QString, start);
    QFETCH(int, helpersBeforeAbort);
    const QString loop = sourceFolder + QStringLiteral("/endless.ps");
    QVERIFY(TestPhotos::WriteBytes(loop, NeverEndingPostScript));
    AddPhotos({ loop });
    const qint64 self = QCoreApplication::applicationPid();
    {
        const QString link = QFile::decodeName(qgetenv("MAGICK_TEMPORARY_PATH")) + "/guard";
        const QString standIn = link + QStringLiteral(".test");
        QVERIFY(WriteScript(standIn,
            QStringLiteral("#!/bin/sh\nshift\n") + start
                + QStringLiteral("exec '%1' 3600 \"$@\"\n").arg(Platform::HelperGuardPath())));
        QVERIFY(
            ::rename(QFile::encodeName(standIn).constData(), QFile::encodeName(link).constData())
            == 0);
        const auto restore = qScopeGuard([&link]() {
            QFile::remove(link);
            QFile::remove(link + QStringLiteral(".go"));
            QFile::link(Platform::HelperGuardPath(), link);
        });

        CBatchCore core;
        QVERIFY(core.Start());
        QTRY_VERIFY_WITH_TIMEOUT(RunningHelpers(self) >= helpersBeforeAbort, RunTimeoutMs);
        core.Abort();
        QVERIFY(TestPhotos::WriteBytes(link + QStringLiteral(".go"), QByteArray()));
        QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, RunTimeoutMs));
        QCOMPARE(RunningHelpers(self), 0);
        QVERIFY(core.IsAborted());
        // The interrupted photo is no failure of its own.
        QVERIFY(core.LogText().contains(QStringLiteral("Process interrupted by the user.")));
        QVERIFY(!core.LogText().contains(QStringLiteral(" - Failed to load")));
    }

    // Once the aborted run is over, the next one reads documents again.
    CListImages::instance()->Clear();
    const QString page = sourceFolder + QStringLiteral("/page.ps");
    QVERIFY(TestPhotos::WriteBytes(page, "%!PS\n0 0 moveto 40 40 lineto stroke\nshowpage\n"));
    AddPhotos({ page });
    CBatchCore next;
    QVERIFY(RunToEnd(next));
    QCOMPARE(next.ErrorTotal(), 0);
    QCOMPARE(FilesIn(outFolder), QStringList({ QStringLiteral("page.png") }));
}

void TestBatchRun::outputNeverReplacesAnotherSourceOfTheRun_data()
{
    QTest::addColumn<bool>("multicore");
    QTest::newRow("one worker") << false;
    QTest::newRow("a worker per photo") << true;
}

// In place, pair.png would become pair.jpg over the other photo before that one is read.
void TestBatchRun::outputNeverReplacesAnotherSourceOfTheRun()
{
    QFETCH(bool, multicore);
    const QString png = sourceFolder + QStringLiteral("/pair.png");
    Magick::Image red(Magick::Geometry(40, 30), Magick::ColorRGB(1, 0, 0));
    red.write("PNG:" + png.toStdString());
    const QString jpeg = sourceFolder + QStringLiteral("/pair.jpg");
    Magick::Image green(Magick::Geometry(40, 30), Magick::ColorRGB(0, 1, 0));
    green.quality(95);
    green.write("JPEG:" + jpeg.toStdString());
    AddPhotos({ png, jpeg });
    CUserProfile *profile = CUserProfile::instance();
    profile->UseMulticore = multicore;
    profile->OutputOptions.OutputFolderStruct = OutputPaths::PhotoFolder;
    profile->OutputOptions.DisableNotifications = true; // replace without asking
    SetOutputFormat(QStringLiteral("JPG"));

    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    QCOMPARE(FilesIn(sourceFolder),
        QStringList({ QStringLiteral("pair (2).jpg"), QStringLiteral("pair.jpg"),
            QStringLiteral("pair.png") }));
    const auto colourOf = [](const QString &path) {
        CImageManager check;
        return check.Read(path) ? Magick::ColorRGB(check.image.pixelColor(20, 15))
                                : Magick::ColorRGB(0, 0, 1);
    };
    QVERIFY(colourOf(jpeg).green() > 0.9 && colourOf(jpeg).red() < 0.1); // still the green photo
    const Magick::ColorRGB fromPng = colourOf(sourceFolder + QStringLiteral("/pair (2).jpg"));
    QVERIFY(fromPng.red() > 0.9 && fromPng.green() < 0.1);
}

void TestBatchRun::namesThatAreNotUtf8AreLoggedAndCounted()
{
    QVERIFY(WriteFileAtBytes(QFile::encodeName(sourceFolder) + "/caf\xE9.jpg", JpegBytes()));
    WriteJpeg(sourceFolder + QStringLiteral("/good.jpg"));
    const QByteArray oddFolder = QFile::encodeName(sourceFolder) + "/d\xFF";
    QVERIFY(::mkdir(oddFolder.constData(), 0700) == 0);
    QVERIFY(WriteFileAtBytes(oddFolder + "/inside.jpg", JpegBytes()));
    const QString script = root.filePath(QStringLiteral("search%1.qlr").arg(qintptr(this)));
    QVERIFY(TestPhotos::WriteBytes(
        script, SilentSearchScript(sourceFolder + QStringLiteral("/*.jpg"), outFolder, true)));

    int loadMode = 0;
    QVERIFY(CScripts(script).LoadDocument(loadMode));
    QCOMPARE(CListImages::instance()->Count(), 1);
    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(FilesIn(outFolder), QStringList({ QStringLiteral("good.png") }));
    QCOMPARE(core.ErrorTotal(), 2);
    const QString reason = QStringLiteral(" (the file name is not valid UTF-8)\r\n");
    QVERIFY(core.LogText().contains(QStringLiteral(" - Failed to load ") + sourceFolder
        + QStringLiteral("/caf\\xE9.jpg") + reason));
    QVERIFY(core.LogText().contains(
        QStringLiteral(" - Failed to load ") + sourceFolder + QStringLiteral("/d\\xFF/") + reason));

    // A search that finds only such names still runs, and says it failed.
    const QString onlyBad = root.filePath(QStringLiteral("only-bad-%1").arg(qintptr(this)));
    QVERIFY(QDir().mkpath(onlyBad));
    QVERIFY(WriteFileAtBytes(QFile::encodeName(onlyBad) + "/\xC0\xAF.jpg", JpegBytes()));
    QVERIFY(TestPhotos::WriteBytes(
        script, SilentSearchScript(onlyBad + QStringLiteral("/*.*"), outFolder, true)));
    QVERIFY(CScripts(script).LoadDocument(loadMode));
    QVERIFY(CListImages::instance()->IsEmpty());
    CBatchCore alone;
    QVERIFY(RunToEnd(alone));
    QCOMPARE(alone.ErrorTotal(), 1);
    QVERIFY(alone.LogText().contains(QStringLiteral("/\\xC0\\xAF.jpg") + reason));
    QVERIFY(alone.LogText().contains(QStringLiteral("Warning: Process completed with 1 errors.")));
}

void TestBatchRun::controlCharactersInNamesCannotForgeLogLines()
{
    const QString forged = QStringLiteral("Process completed without errors.");
    const QString good
        = WriteJpeg(sourceFolder + QStringLiteral("/x\n") + forged + QStringLiteral("\n.jpg"));
    const QString bad = sourceFolder + QStringLiteral("/y\r\n - Processed elsewhere.jpg");
    QVERIFY(TestPhotos::WriteBytes(bad, TestPhotos::RandomBytes(300)));
    AddPhotos({ good, bad });

    CBatchCore core;
    QSignalSpy shown(&core, &CBatchCore::LogShown);
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 1);
    const QStringList lines = core.LogText().split(QStringLiteral("\r\n"));
    QVERIFY(!lines.contains(forged));
    QVERIFY(!lines.contains(QStringLiteral(" - Processed elsewhere.jpg")));
    QVERIFY(core.LogText().contains(QStringLiteral("/x\\n") + forged + QStringLiteral("\\n.jpg")));
    QVERIFY(core.LogText().contains(QStringLiteral("/y\\r\\n - Processed elsewhere.jpg (")));
    int failuresShown = 0;
    for (const QList<QVariant> &arguments : shown) {
        const QString line = arguments.first().toString();
        if (!line.contains(QStringLiteral("elsewhere")))
            continue;
        ++failuresShown;
        QVERIFY2(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')),
            qPrintable(line));
    }
    QCOMPARE(failuresShown, 1);
}

void TestBatchRun::loadedSilentScriptRunsWithoutAWindow()
{
    const QString photo = WriteJpeg(sourceFolder + QStringLiteral("/IMG 1 & 2.jpg"), 92, 400, 300);
    QVERIFY(TestPhotos::WriteBytes(Out(QStringLiteral("job 0251.jpg")), "earlier run"));
    const QString script = root.filePath(QStringLiteral("monitor7.qlr"));
    const QString text
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                         "<Script Version=\"3\" Mode=\"Silent\">\r\n"
                         "\t<Images>\r\n\t\t<Image Path=\"%1\" />\r\n\t</Images>\r\n"
                         "\t<Filters>\r\n\t\t<Filter Id=\"5040\">\r\n"
                         "\t\t\t<Param Type=\"float\">100.000000</Param>\r\n"
                         "\t\t\t<Param Type=\"float\">100.000000</Param>\r\n"
                         "\t\t\t<Param Type=\"float\">1.000000</Param>\r\n"
                         "\t\t</Filter>\r\n\t</Filters>\r\n"
                         "\t<Properties Class=\"Rename\">\r\n"
                         "\t\t<Property Name=\"FilenameFormat\">job [Counter]</Property>\r\n"
                         "\t\t<Property Name=\"PresetRename\">3</Property>\r\n"
                         "\t\t<Property Name=\"CounterDigits\">4</Property>\r\n"
                         "\t</Properties>\r\n"
                         "\t<Properties Class=\"Output\">\r\n"
                         "\t\t<Property Name=\"Destination\">1</Property>\r\n"
                         "\t\t<Property Name=\"OutputFolderStruct\">0</Property>\r\n"
                         "\t\t<Property Name=\"DestPath\">%2</Property>\r\n"
                         "\t</Properties>\r\n"
                         "\t<Properties Class=\"Format\">\r\n"
                         "\t\t<Property Name=\"OutputFormat\">JPG</Property>\r\n"
                         "\t</Properties>\r\n"
                         "\t<Properties Class=\"Monitor\">\r\n"
                         "\t\t<Property Name=\"Id\">7</Property>\r\n"
                         "\t\t<Property Name=\"Folder\">%3</Property>\r\n"
                         "\t\t<Property Name=\"CreateLog\">1</Property>\r\n"
                         "\t\t<Property Name=\"Overwrite\">0</Property>\r\n"
                         "\t\t<Property Name=\"PicCount\">250</Property>\r\n"
                         "\t</Properties>\r\n"
                         "</Script>\r\n")
              .arg(QString(photo).replace(QStringLiteral("&"), QStringLiteral("&amp;")), outFolder,
                  sourceFolder);
    QVERIFY(TestPhotos::WriteBytes(script, text.toUtf8()));
    int loadMode = 0;
    CScripts loader(script);
    QVERIFY(loader.LoadDocument(loadMode));
    QVERIFY(CUserProfile::instance()->SilentScript);
    QCOMPARE(CListImages::instance()->Count(), 1);

    CUserProfile::instance()->QdvLog = true; // a Monitor job still writes only its own log
    CBatchCore core;
    QVERIFY(RunToEnd(core));
    QCOMPARE(core.ErrorTotal(), 0);
    // The job's numbering goes on from its earlier runs; the earlier output stays.
    QCOMPARE(TestPhotos::ReadBytes(Out(QStringLiteral("job 0251.jpg"))), "earlier run");
    QCOMPARE(PageCount(Out(QStringLiteral("job 0251 (2).jpg"))), 1);
    CImageManager check;
    QVERIFY(check.Read(Out(QStringLiteral("job 0251 (2).jpg"))));
    QCOMPARE(int(check.image.columns()), 100);
    // The job's own log, not the program's.
    const QByteArray jobLog = TestPhotos::ReadBytes(CBatchLog::MonitorLogPath(QStringLiteral("7")));
    QVERIFY(jobLog.startsWith("\xEF\xBB\xBFProcess started at "));
    QVERIFY(jobLog.contains(photo.toUtf8()));
    QVERIFY(!QFile::exists(CBatchLog::ProgramLogPath()));
}

// The window can change the job while a run goes on (a document opened, an edit): the run
// writes every photo as the job stood when it started.
void TestBatchRun::jobChangedAfterStartDoesNotReachTheRun()
{
    QStringList photos;
    for (int index = 0; index < 12; ++index)
        photos << WriteJpeg(sourceFolder + QStringLiteral("/j%1.jpg").arg(index), 92, 200, 150);
    AddPhotos(photos);
    SetOutputFormat(QStringLiteral("JPG"));
    CUserProfile *profile = CUserProfile::instance();
    profile->Quality = 40;
    CListFilters::instance()->Append(
        MakeFilter(FilterId::Thumbnail, QStringLiteral("Thumbnail"), { 100.0, 100.0, 0.0 }));

    CBatchCore core;
    QVERIFY(core.Start());
    profile->Quality = 95;
    profile->OutputOptions.Destination = 3;
    profile->OutputOptions.DestPath = root.filePath(QStringLiteral("elsewhere"));
    SetOutputFormat(QStringLiteral("PNG"));
    CListFilters::instance()->Clear();
    CListImages::instance()->Clear();
    QTRY_VERIFY_WITH_TIMEOUT(core.IsFinished(), RunTimeoutMs);

    QCOMPARE(core.PhotosDone(), 12);
    QCOMPARE(core.ErrorTotal(), 0);
    const QStringList written = FilesIn(outFolder);
    QCOMPARE(written.size(), 12);
    for (const QString &name : written) {
        QVERIFY2(name.endsWith(QStringLiteral(".jpg")), qPrintable(name));
        const Magick::Image image(Out(name).toStdString());
        QCOMPARE(image.quality(), 40u);
        QCOMPARE(image.columns(), 100u);
    }
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("elsewhere"))));
}

QUENDRASIL_TEST_MAIN_WITH(TestBatchRun, QCoreApplication, [](char *argv0) {
    WriteSettingInt(QString::fromLatin1(SettingsKey::HelperTimeLimit), HelperSeconds);
    InitializeImageEngine(argv0);
})
#include "tst_batchrun.moc"
