#include "TestServers.h"
#include "TestMain.h"

#include "Folders.h"
#include "Settings.h"
#include "UnattendedRuns.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <csignal>

namespace {

// Long enough that the helpers of two documents waited for side by side are seen running at
// once.
constexpr int HelperSeconds = 10;

QByteArray PhotoBytes(const char *format, Qt::GlobalColor colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

// The real program, started on a script as Monitor will start it: it must end by itself,
// whatever the folder holds, and leave no helper behind.
class TestUnattendedRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void silentScriptOverAMixedFolderEndsInTime();
    void killedProgramLeavesNoHelper();

private:
    QString Program() const
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Quendrasil");
    }
    QString folder;
};

void TestUnattendedRun::initTestCase()
{
    QVERIFY(QFile::exists(Program()));
    folder = QDir::tempPath() + QStringLiteral("/unattended");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/in")));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/out")));
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
}

void TestUnattendedRun::silentScriptOverAMixedFolderEndsInTime()
{
    WriteSettingInt(QString::fromLatin1(SettingsKey::HelperTimeLimit), HelperSeconds);
    const QByteArray in = QFile::encodeName(folder) + "/in/";
    QVERIFY(WriteFileAtBytes(in + "good1.jpg", PhotoBytes("JPG", Qt::red)));
    QVERIFY(WriteFileAtBytes(in + "good2.png", PhotoBytes("PNG", Qt::blue)));
    QVERIFY(WriteFileAtBytes(in + "loop.ps", "%!PS\n{} loop\n"));
    QVERIFY(WriteFileAtBytes(
        in + "loop.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 99 99\n{} loop\n"));
    QVERIFY(WriteFileAtBytes(in + "corrupt.jpg", QByteArray(3000, 'x')));
    QVERIFY(WriteFileAtBytes(in + "empty.jpg", QByteArray()));
    QVERIFY(WriteFileAtBytes(in + "caf\xE9.jpg", PhotoBytes("JPG", Qt::green)));
    const QString out = folder + QStringLiteral("/out");
    const QString script = folder + QStringLiteral("/job.qlr");
    QVERIFY(WriteFileAtBytes(QFile::encodeName(script),
        SilentSearchScript(folder + QStringLiteral("/in/*.*"), out, false)));

    QProcess program;
    EndWithThisTest(program);
    program.start(Program(), { script });
    QVERIFY(program.waitForStarted());
    const qint64 pid = program.processId();
    // Both documents hit the limit at the same time, on workers of their own: the guard and
    // Ghostscript of each run at once.
    QTRY_VERIFY_WITH_TIMEOUT(RunningHelpers(pid) >= 4, 120000);
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(RunningHelpers(pid), 0);

    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
        QStringList({ QStringLiteral("good1.png"), QStringLiteral("good2.png") }));
    QFile logFile(GetDocumentsFolder() + QStringLiteral("/Quendrasil/Quendrasil.log"));
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(logFile.readAll());
    const QString failed = QStringLiteral(" - Failed to load ") + folder + QStringLiteral("/in/");
    const QString took = QStringLiteral(" (took longer than %1 s)").arg(HelperSeconds);
    QVERIFY2(log.contains(failed + QStringLiteral("loop.ps") + took), qPrintable(log));
    QVERIFY(log.contains(failed + QStringLiteral("loop.eps") + took));
    QVERIFY(log.contains(failed + QStringLiteral("corrupt.jpg (")));
    QVERIFY(log.contains(failed + QStringLiteral("empty.jpg (")));
    QVERIFY(log.contains(failed + QStringLiteral("caf\\xE9.jpg (")));
    QVERIFY(log.contains(QStringLiteral("Warning: Process completed with 5 errors.")));
}

void TestUnattendedRun::killedProgramLeavesNoHelper()
{
    WriteSettingInt(QString::fromLatin1(SettingsKey::HelperTimeLimit), 600);
    const QString endless = folder + QStringLiteral("/endless");
    QVERIFY(QDir().mkpath(endless));
    QVERIFY(WriteFileAtBytes(QFile::encodeName(endless) + "/forever.ps", "%!PS\n{} loop\n"));
    const QString script = folder + QStringLiteral("/endless.qlr");
    QVERIFY(WriteFileAtBytes(QFile::encodeName(script),
        SilentSearchScript(
            endless + QStringLiteral("/*.ps"), folder + QStringLiteral("/out"), false)));

    QProcess program;
    EndWithThisTest(program);
    program.start(Program(), { script });
    QVERIFY(program.waitForStarted());
    const qint64 pid = program.processId();
    QTRY_VERIFY_WITH_TIMEOUT(RunningHelpers(pid) >= 2, 60000); // the guard and Ghostscript
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(pid), SIGKILL);
    QVERIFY(program.waitForFinished(30000));
    QTRY_COMPARE_WITH_TIMEOUT(RunningHelpers(pid), 0, 30000);
    qInfo("The helpers ended %lld ms after the program was killed", clock.elapsed());
}

QUENDRASIL_TEST_MAIN(TestUnattendedRun, QCoreApplication)
#include "tst_unattendedrun.moc"
