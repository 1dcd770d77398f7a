#include "ImageEngineSetup.h"
#include "TestFiles.h"
#include "TestMain.h"

#include "BatchCore.h"
#include "CurlSetup.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "TestPhotos.h"
#include "TestServers.h"

#include "TextCodecs.h"
#include "Upload.h"
#include "UploadThread.h"
#include "UserProfile.h"
#include "platform/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

namespace {

const QString &FtpUser = CTestFtpServer::User;
const QString &PlainPassword = CTestFtpServer::Password;
constexpr int WaitMs = 60000;

QMutex traceLock;
QStringList traceLines;
QtMessageHandler previousHandler = nullptr;

void CaptureTrace(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&traceLock);
        traceLines.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return bytes;
}

} // namespace

class TestUpload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void commonPathByWholeComponents();
    void uploadIntoNestedFolders();
    void namesNeedingEscapes();
    void failedFileDoesNotStopTheOthers();
    void abortStopsBeforeTheNextFile();
    void temporaryFilesAreDeleted();
    void connectionTest();
    void threadRelaysUpload();
    void threadRunsConnectionTest();
    void threadIdleForOtherDestinations();
    void sftpUploadAndTest();
    void batchRunUploadsItsOutput();
    void traceNeverShowsPassword();

private:
    QString MakeSource(const QString &relative, const QByteArray &bytes);

    CTestFtpServer m_ftp;
    QDir m_serverRoot;
    QTemporaryDir m_sources;
    quint16 m_port = 0;
    CTestSshServer m_ssh;
};

void TestUpload::initTestCase()
{
    previousHandler = qInstallMessageHandler(CaptureTrace);
    QVERIFY(m_sources.isValid());
    const QString problem = m_ftp.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    m_port = m_ftp.Port();
    m_serverRoot.setPath(m_ftp.Root());
}

void TestUpload::init()
{
    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    output.Destination = 3;
    output.SaveOnDiskFTP = true;
    output.UseSFTP = false;
    output.FTPHost = QStringLiteral("127.0.0.1");
    output.FTPPort = QString::number(m_port);
    output.FTPUser = FtpUser;
    output.FTPPassword = Base64EncodeString(PlainPassword);
    output.FTPFolder = QStringLiteral("/");
    CUserProfile::instance()->MonitorScript = false;
}

void TestUpload::cleanupTestCase()
{
    m_ssh.Stop();
    m_ftp.Stop();
    qInstallMessageHandler(previousHandler);
}

QString TestUpload::MakeSource(const QString &relative, const QByteArray &bytes)
{
    const QString path = m_sources.filePath(relative);
    if (!WriteFile(path, bytes))
        return QString();
    return path;
}

void TestUpload::commonPathByWholeComponents()
{
    CUpload upload;
    QCOMPARE(upload.GetCommonPath({}, QStringLiteral("/tmp/w/")), QString());
    QCOMPARE(upload.GetCommonPath({ QStringLiteral("/r/x.jpg"), QStringLiteral("/r/sub/y.jpg") },
                                  QStringLiteral("/tmp/w/")),
             QStringLiteral("/r"));
    // "/a/b" is no folder of "/a/bc/y.jpg".
    QCOMPARE(upload.GetCommonPath({ QStringLiteral("/a/b/x.jpg"), QStringLiteral("/a/bc/y.jpg") },
                                  QStringLiteral("/tmp/w/")),
             QStringLiteral("/a"));
    QCOMPARE(upload.GetCommonPath({ QStringLiteral("/one.jpg"), QStringLiteral("/b/two.jpg") },
                                  QStringLiteral("/tmp/w/")),
             QString());
    upload.SetJob(true, true); // a Monitor job
    QCOMPARE(upload.GetCommonPath({ QStringLiteral("/r/x.jpg") }, QStringLiteral("/tmp/w/")),
             QStringLiteral("/tmp/w"));
}

void TestUpload::uploadIntoNestedFolders()
{
    const QByteArray a = RandomBytes(300000);
    const QByteArray b = RandomBytes(4000);
    const QByteArray c = RandomBytes(70000);
    const QStringList files { MakeSource(QStringLiteral("run1/a.jpg"), a),
                              MakeSource(QStringLiteral("run1/sub/b.jpg"), b),
                              MakeSource(QStringLiteral("run1/sub/deep/c.png"), c),
                              MakeSource(QStringLiteral("run1/empty.jpg"), QByteArray()) };
    CUpload upload;
    QSignalSpy speeds(&upload, &CUpload::ImgUploaded);
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), FtpUser, Base64EncodeString(PlainPassword),
                     m_port, files, QStringLiteral("/out/nest/"), false);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 4);
    QCOMPARE(finished.first().at(1).toString(), QString());
    QCOMPARE(speeds.count(), 4);
    for (const QList<QVariant> &arguments : std::as_const(speeds)) {
        const double speed = arguments.first().toDouble();
        QVERIFY2(std::isfinite(speed) && speed >= 0.0, qPrintable(QString::number(speed)));
    }
    const QString out = m_serverRoot.filePath(QStringLiteral("out/nest/"));
    QCOMPARE(ReadFile(out + QStringLiteral("a.jpg")), a);
    QCOMPARE(ReadFile(out + QStringLiteral("sub/b.jpg")), b);
    QCOMPARE(ReadFile(out + QStringLiteral("sub/deep/c.png")), c);
    QCOMPARE(ReadFile(out + QStringLiteral("empty.jpg")), QByteArray());
    for (const QString &file : files)
        QVERIFY2(QFile::exists(file), qPrintable(file)); // the job keeps its files
}

void TestUpload::namesNeedingEscapes()
{
    const QStringList names { QStringLiteral("photo #1.jpg"), QStringLiteral("what?.jpg"),
                              QStringLiteral("50% off.jpg"),
                              QStringLiteral("Ünïcødé ñame ☀.jpg") };
    QStringList files;
    QList<QByteArray> contents;
    for (const QString &name : names) {
        contents.append(RandomBytes(5000));
        files.append(MakeSource(QStringLiteral("run2/Été #2/") + name, contents.last()));
    }
    files.append(MakeSource(QStringLiteral("run2/plain.jpg"), "plain"));
    CUpload upload;
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), FtpUser, Base64EncodeString(PlainPassword),
                     m_port, files, QStringLiteral("/my folder/Ça?/"), false);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(1).toString(), QString());
    QCOMPARE(finished.first().at(0).toInt(), files.size());
    const QString out = m_serverRoot.filePath(QStringLiteral("my folder/Ça?/"));
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(ReadFile(out + QStringLiteral("Été #2/") + names.at(i)), contents.at(i));
    QCOMPARE(ReadFile(out + QStringLiteral("plain.jpg")), QByteArray("plain"));
}

void TestUpload::failedFileDoesNotStopTheOthers()
{
    const QString missing = m_sources.filePath(QStringLiteral("run3/gone.jpg"));
    const QStringList files { MakeSource(QStringLiteral("run3/first.jpg"), "first"), missing,
                              MakeSource(QStringLiteral("run3/last.jpg"), "last") };
    CUpload upload;
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), FtpUser, Base64EncodeString(PlainPassword),
                     m_port, files, QStringLiteral("/run3/"), false);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 2);
    QVERIFY2(finished.first().at(1).toString().contains(missing),
             qPrintable(finished.first().at(1).toString()));
    QCOMPARE(ReadFile(m_serverRoot.filePath(QStringLiteral("run3/last.jpg"))),
             QByteArray("last"));
}

void TestUpload::abortStopsBeforeTheNextFile()
{
    const QStringList files { MakeSource(QStringLiteral("run4/one.jpg"), "one"),
                              MakeSource(QStringLiteral("run4/two.jpg"), "two"),
                              MakeSource(QStringLiteral("run4/three.jpg"), "three") };
    CUpload upload;
    // The user cancels while the first file is reported.
    connect(&upload, &CUpload::ImgUploaded, &upload, [&upload] { upload.SetAbort(true); });
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), FtpUser, Base64EncodeString(PlainPassword),
                     m_port, files, QStringLiteral("/run4/"), false);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 1);
    QVERIFY(QFile::exists(m_serverRoot.filePath(QStringLiteral("run4/one.jpg"))));
    QVERIFY(!QFile::exists(m_serverRoot.filePath(QStringLiteral("run4/two.jpg"))));
    QMutexLocker lock(&traceLock);
    QVERIFY(!traceLines.filter(QStringLiteral("CUpload::UploadFTP. User aborted!")).isEmpty());
}

void TestUpload::temporaryFilesAreDeleted()
{
    const QString work = Platform::TempWorkFolder();
    QVERIFY(!work.isEmpty());
    const QString keeper = work + QStringLiteral("/unrelated.txt");
    QVERIFY(WriteFile(keeper, "stays"));
    const QStringList files { work + QStringLiteral("/x.jpg"),
                              work + QStringLiteral("/sub/y.jpg") };
    QVERIFY(WriteFile(files.at(0), "x"));
    QVERIFY(WriteFile(files.at(1), "y"));

    CUpload upload;
    upload.SetJob(false, false); // an FTP job that keeps no copy on disk
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), FtpUser, Base64EncodeString(PlainPassword),
                     m_port, files, QStringLiteral("/tmpjob/"), false);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 2);
    QCOMPARE(ReadFile(m_serverRoot.filePath(QStringLiteral("tmpjob/sub/y.jpg"))), "y");
    QVERIFY(!QFile::exists(files.at(0)));
    QVERIFY(!QFile::exists(files.at(1)));
    QVERIFY(!QFileInfo::exists(work + QStringLiteral("/sub")));
    QVERIFY(QFile::exists(keeper));
}

void TestUpload::connectionTest()
{
    CUpload upload;
    const QString password = Base64EncodeString(PlainPassword);
    QCOMPARE(upload.TestConnection(QStringLiteral("127.0.0.1"), FtpUser, password, m_port,
                                   QStringLiteral("/"), false),
             QStringLiteral("Success"));
    QCOMPARE(upload.TestConnection(QStringLiteral("127.0.0.1"), FtpUser,
                                   Base64EncodeString(QStringLiteral("wrong")), m_port,
                                   QStringLiteral("/"), false),
             QStringLiteral("Login denied"));
    QCOMPARE(upload.TestConnection(QStringLiteral("127.0.0.1"), FtpUser, password, FreeLoopbackPort(),
                                   QStringLiteral("/"), false),
             QStringLiteral("Couldn't connect to server"));
    // ".invalid" never resolves.
    QCOMPARE(upload.TestConnection(QStringLiteral("no-such-host.invalid"), FtpUser, password,
                                   m_port, QStringLiteral("/"), false),
             QStringLiteral("Couldn't resolve host name"));
}

void TestUpload::threadRelaysUpload()
{
    CUserProfile::instance()->OutputOptions.FTPFolder = QStringLiteral("/threaded/");
    const QStringList files { MakeSource(QStringLiteral("run5/p.jpg"), "p"),
                              MakeSource(QStringLiteral("run5/q/r.jpg"), "r") };
    CUploadThread thread;
    thread.SetJob(CUserProfile::instance()->OutputOptions, false);
    thread.Files = files;
    QSignalSpy progress(&thread, &CUploadThread::IncProgressImageUpload);
    QSignalSpy log(&thread, &CUploadThread::AppendLog);
    QSignalSpy done(&thread, &CUploadThread::UploadThreadFinished);
    thread.start(QThread::InheritPriority);
    QVERIFY(done.wait(WaitMs));
    QVERIFY(thread.wait(WaitMs));
    QCOMPARE(done.first().at(0).toInt(), 2);
    QCOMPARE(progress.count(), 2);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.first().at(0).toString(), QString());
    QCOMPARE(ReadFile(m_serverRoot.filePath(QStringLiteral("threaded/q/r.jpg"))), "r");
}

void TestUpload::threadRunsConnectionTest()
{
    CUploadThread thread;
    thread.SetJob(CUserProfile::instance()->OutputOptions, false);
    QSignalSpy result(&thread, &CUploadThread::ConnectionTestFinished);
    thread.TestConnection = true;
    thread.start(QThread::InheritPriority);
    // Sent from the thread itself, possibly before a wait for it here would begin: the
    // thread's end is what tells that it came.
    QVERIFY(thread.wait(WaitMs));
    QCOMPARE(result.count(), 1);
    QCOMPARE(result.first().at(0).toString(), QStringLiteral("Success"));
    QVERIFY(!thread.TestConnection);
}

void TestUpload::threadIdleForOtherDestinations()
{
    CUserProfile::instance()->OutputOptions.Destination = 1;
    CUploadThread thread;
    thread.SetJob(CUserProfile::instance()->OutputOptions, false);
    thread.Files = { MakeSource(QStringLiteral("run6/never.jpg"), "n") };
    QSignalSpy done(&thread, &CUploadThread::UploadThreadFinished);
    thread.start();
    QVERIFY(thread.wait(WaitMs));
    QCoreApplication::processEvents();
    QCOMPARE(done.count(), 0);
    QVERIFY(!QFile::exists(m_serverRoot.filePath(QStringLiteral("never.jpg"))));
}

void TestUpload::sftpUploadAndTest()
{
    const QString problem = m_ssh.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    const QString sftpUser = m_ssh.User();
    const quint16 sshPort = m_ssh.Port();
    // The account writes into a folder of its own.
    const QString target = m_ssh.MakeWritableFolder(QStringLiteral("in box"));
    QVERIFY(!target.isEmpty());

    const QByteArray a = RandomBytes(200000);
    const QByteArray b = RandomBytes(3000);
    const QStringList files { MakeSource(QStringLiteral("run7/a #1.jpg"), a),
                              MakeSource(QStringLiteral("run7/sub dir/b ü.jpg"), b) };
    const QString folder = target + QStringLiteral("/nested/");
    const QString password = Base64EncodeString(PlainPassword);
    CUpload upload;
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFTP(QStringLiteral("127.0.0.1"), sftpUser, password, sshPort, files, folder,
                     true);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(1).toString(), QString());
    QCOMPARE(finished.first().at(0).toInt(), 2);
    QCOMPARE(ReadFile(folder + QStringLiteral("a #1.jpg")), a);
    QCOMPARE(ReadFile(folder + QStringLiteral("sub dir/b ü.jpg")), b);

    QCOMPARE(upload.TestConnection(QStringLiteral("127.0.0.1"), sftpUser, password, sshPort,
                                   folder, true),
             QStringLiteral("Success"));
    QCOMPARE(upload.TestConnection(QStringLiteral("127.0.0.1"), sftpUser,
                                   Base64EncodeString(QStringLiteral("wrong")), sshPort,
                                   folder, true),
             QStringLiteral("Login denied"));

    // The server was remembered on first use; another key under its name is refused.
    QFile knownHosts(KnownHostsPath());
    QVERIFY(knownHosts.open(QIODevice::ReadOnly));
    const QByteArray remembered = knownHosts.readAll();
    knownHosts.close();
    QVERIFY(remembered.startsWith("127.0.0.1 "));
    const QString otherKey = m_sources.filePath(QStringLiteral("other_key"));
    QCOMPARE(RunTool(QStringLiteral("/usr/bin/ssh-keygen"),
                     { QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                       QStringLiteral("-N"), QString(), QStringLiteral("-f"), otherKey }),
             0);
    const QList<QByteArray> otherPublic = ReadFile(otherKey + QStringLiteral(".pub")).split(' ');
    QVERIFY(knownHosts.open(QIODevice::WriteOnly));
    knownHosts.write("127.0.0.1 " + otherPublic.at(0)
                     + ' ' + otherPublic.at(1) + '\n');
    knownHosts.close();
    QVERIFY(upload.TestConnection(QStringLiteral("127.0.0.1"), sftpUser, password, sshPort,
                                  folder, true)
            != QStringLiteral("Success"));
    QVERIFY(knownHosts.remove());
}

// The whole road: workers write into the work folder, the upload sends the files and the
// run's log tells how it went; nothing of the run is left in the work folder.
void TestUpload::batchRunUploadsItsOutput()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings(); // fills the format catalogue
    profile->ClearScriptState();
    profile->OutputOptions.SaveOnDiskFTP = false;
    profile->OutputOptions.FTPFolder = QStringLiteral("batch run");
    profile->OutputOptions.OutputFormat = QStringLiteral("PNG");
    profile->UpdateOutputExtension();
    profile->RebuildRenameSettings();
    profile->QdvLog = false;
    CListFilters::instance()->Clear();
    CListImages::instance()->Clear();
    QStringList rejected;
    for (const QString &name : { QStringLiteral("one"), QStringLiteral("two") }) {
        const QString path = m_sources.filePath(QStringLiteral("batch/") + name + QStringLiteral(".jpg"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        TestPhotos::MakePhoto(40, 30).write("JPEG:" + path.toStdString());
        CListImages::instance()->AddImage(path, rejected);
    }
    QVERIFY(rejected.isEmpty());

    CBatchCore core;
    QSignalSpy started(&core, &CBatchCore::UploadStarted);
    QSignalSpy progress(&core, &CBatchCore::UploadProgress);
    QVERIFY(core.Start());
    QVERIFY(QTest::qWaitFor([&core]() { return core.IsFinished(); }, WaitMs));
    QCOMPARE(core.ErrorTotal(), 0);
    QCOMPARE(core.PhotosDone(), 2); // photos processed, not files uploaded
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first().at(0).toInt(), 2);
    QCOMPARE(progress.count(), 2);
    QCOMPARE(core.UploadedCount(), 2);
    QCOMPARE(profile->OutputOptions.FTPFolder, QStringLiteral("/batch run/"));
    for (const QString &name : { QStringLiteral("one.png"), QStringLiteral("two.png") })
        QVERIFY(ReadFile(m_serverRoot.filePath(QStringLiteral("batch run/") + name)).startsWith("\x89PNG"));
    const QString log = core.LogText();
    QVERIFY(log.contains(QStringLiteral("\r\n\r\n\r\nUploading to 127.0.0.1...\r\n")));
    QVERIFY(log.contains(QStringLiteral("Successfully uploaded 2 picture(s).\r\n\r\n")));
    QVERIFY(log.contains(QStringLiteral("Deleting temporary files...\r\n\r\nUpload completed.")));
    for (const QString &file : core.WrittenFiles())
        QVERIFY(!QFile::exists(file));
    CListImages::instance()->Clear();
}

void TestUpload::traceNeverShowsPassword()
{
    QMutexLocker lock(&traceLock);
    QVERIFY(traceLines.filter(QStringLiteral("uploadUrl: ")).size() > 0);
    for (const QString &line : std::as_const(traceLines))
        QVERIFY2(!line.contains(PlainPassword), qPrintable(line));
}

QUENDRASIL_TEST_MAIN_WITH(TestUpload, QCoreApplication, InitializeImageEngine)
#include "tst_upload.moc"
