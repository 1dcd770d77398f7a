#include "TestFiles.h"
#include "TestMain.h"

#include "CurlSetup.h"
#include "SpiderFTP.h"
#include "TestServers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <sys/types.h>

#include <csignal>

namespace {

const QString Host = QStringLiteral("127.0.0.1");
const QString FolderTrace = QStringLiteral("CSpiderFTP::ProcessNextFolder. ");

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

void ClearTrace()
{
    QMutexLocker lock(&traceLock);
    traceLines.clear();
}

// The details of the walker's per-folder trace lines, in order.
QStringList FolderDetails()
{
    QMutexLocker lock(&traceLock);
    QStringList details;
    for (const QString &line : std::as_const(traceLines)) {
        const qsizetype at = line.indexOf(FolderTrace);
        if (at >= 0)
            details.append(line.mid(at + FolderTrace.size()));
    }
    return details;
}

QStringList ListedFolders()
{
    QStringList folders;
    for (const QString &detail : FolderDetails())
        if (detail.startsWith(QLatin1Char('/')))
            folders.append(detail);
    return folders;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

// The pid of the pyftpdlib process that listens on `port`, found by its command line.
pid_t FtpServerPid(quint16 port)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const int pid = entry.toInt(&number);
        if (!number)
            continue;
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = file.readAll().split('\0');
        const qsizetype at = arguments.indexOf("-p");
        if (arguments.contains("pyftpdlib") && at >= 0 && at + 1 < arguments.size()
            && arguments.at(at + 1) == QByteArray::number(port))
            return pid;
    }
    return 0;
}

} // namespace

class TestSpiderFtp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void parseListLine_data();
    void parseListLine();
    void stableOnlyWhenSizeHolds();
    void subfoldersBreadthFirst();
    void mask_data();
    void mask();
    void namesNeedingEscapes();
    void downloadsOnlyListedFiles();
    void failedDownloadsLeaveNothing();
    void bigFileAndBrokenTransfer();
    void sftpModes();
    void failuresAreTracedNotHung_data();
    void failuresAreTracedNotHung();
    void noHandlesAfterCleanup(); // last: tears libcurl down

private:
    QString ServerPath(const QString &remote) const { return m_ftp.Root() + remote; }
    void Scan(CSpiderFTP &walker, const QString &folder, EScanMode mode, bool subfolders = true,
        const QString &mask = QStringLiteral("*.*"), const QStringList &list = {},
        const QString &local = QString());

    CTestFtpServer m_ftp;
    QString m_ftpProblem;
    QTemporaryDir m_local;
};

void TestSpiderFtp::initTestCase()
{
    previousHandler = qInstallMessageHandler(CaptureTrace);
    QVERIFY(m_local.isValid());
    m_ftpProblem = m_ftp.Start();
}

void TestSpiderFtp::init()
{
    ClearTrace();
    const QString name = QString::fromLatin1(QTest::currentTestFunction());
    if (name != QLatin1String("parseListLine") && name != QLatin1String("sftpModes")
        && name != QLatin1String("noHandlesAfterCleanup") && !m_ftpProblem.isEmpty())
        QSKIP(qPrintable(m_ftpProblem));
}

void TestSpiderFtp::cleanupTestCase()
{
    m_ftp.Stop();
    qInstallMessageHandler(previousHandler);
}

void TestSpiderFtp::Scan(CSpiderFTP &walker, const QString &folder, EScanMode mode, bool subfolders,
    const QString &mask, const QStringList &list, const QString &local)
{
    QVERIFY(walker.ScanDirectory(Host, CTestFtpServer::User, CTestFtpServer::Password, folder,
        m_ftp.Port(), false, mode, subfolders, mask, list, local));
}

void TestSpiderFtp::parseListLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("links");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("group");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("name");

    QTest::newRow("padded columns")
        << "-rw-r--r--    1 ftp      ftp        123456 Jan 01 12:00 photo 1.jpg" << true << "-" << 1
        << "ftp"
        << "ftp" << qint64(123456) << "Jan 01 12:00"
        << "photo 1.jpg";
    QTest::newRow("folder with a year")
        << "drwxr-xr-x    3 ftp      ftp          4096 Mar 15  2023 holiday" << true << "d" << 3
        << "ftp"
        << "ftp" << qint64(4096) << "Mar 15 2023"
        << "holiday";
    QTest::newRow("link loses its target")
        << "lrwxrwxrwx    1 ftp      ftp            10 Jan 01 12:00 latest.jpg -> 2023/a.jpg"
        << true << "l" << 1 << "ftp"
        << "ftp" << qint64(10) << "Jan 01 12:00"
        << "latest.jpg";
    QTest::newRow("single blanks") << "-rw-r--r-- 1 owner group 2048 Feb 3 09:15 two  blanks.jpg"
                                   << true << "-" << 1 << "owner"
                                   << "group" << qint64(2048) << "Feb 3 09:15"
                                   << "two  blanks.jpg";
    // sftp-server pads names to eight characters, so a longer owner is one blank from its group.
    QTest::newRow("long owner, padded day")
        << "-rw-r--r--    1 qdsftp12345 qdsftp12345      123 Jan  1 12:00 a b 7.jpg" << true << "-"
        << 1 << "qdsftp12345"
        << "qdsftp12345" << qint64(123) << "Jan 1 12:00"
        << "a b 7.jpg";
    QTest::newRow("owner with a blank")
        << "-rw-r--r--    2 Domain Users  staff        77 Jan 01 12:00 x.jpg" << true << "-" << 2
        << "Domain Users"
        << "staff" << qint64(77) << "Jan 01 12:00"
        << "x.jpg";
    QTest::newRow("numeric owner, digits in the name")
        << "-rw-r--r--    1 1000     1000            5 Jan 01 12:00 2024 05.jpg" << true << "-" << 1
        << "1000"
        << "1000" << qint64(5) << "Jan 01 12:00"
        << "2024 05.jpg";
    QTest::newRow("3 GB") << "-rw-r--r--    1 ftp      ftp      3221225472 Jan 01 12:00 big.tif"
                          << true << "-" << 1 << "ftp"
                          << "ftp" << qint64(3221225472LL) << "Jan 01 12:00"
                          << "big.tif";
    QTest::newRow("summary line") << "total 12" << false << "" << 0 << ""
                                  << "" << qint64(0) << ""
                                  << "";
    QTest::newRow("long summary line") << "total 123456789012" << false << "" << 0 << ""
                                       << "" << qint64(0) << ""
                                       << "";
    QTest::newRow("blank line") << "" << false << "" << 0 << ""
                                << "" << qint64(0) << ""
                                << "";
    QTest::newRow("cut after the date")
        << "-rw-r--r--    1 ftp      ftp        123456 Jan 01 12:00" << false << "" << 0 << ""
        << "" << qint64(0) << ""
        << "";
    QTest::newRow("cut in the size")
        << "-rw-r--r--    1 ftp      ftp        12" << false << "" << 0 << ""
        << "" << qint64(0) << ""
        << "";
}

void TestSpiderFtp::parseListLine()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    // Lines that lack columns are skipped; the lines around them are still read.
    const QString before = QStringLiteral("-rw-r--r--    1 ftp ftp 1 Jan 01 12:00 before.jpg");
    const QString after = QStringLiteral("-rw-r--r--    1 ftp ftp 2 Jan 01 12:00 after.jpg");
    const QList<SFTPEntry> entries = CSpiderFTP::ParseListLine({ before, line, after });
    QCOMPARE(entries.size(), valid ? 3 : 2);
    QCOMPARE(entries.first().Name, QStringLiteral("before.jpg"));
    QCOMPARE(entries.last().Name, QStringLiteral("after.jpg"));
    if (!valid)
        return;
    const SFTPEntry &entry = entries.at(1);
    QTEST(QString(entry.Kind), "kind");
    QCOMPARE(entry.Permissions, line.mid(1, 9));
    QTEST(int(entry.LinkCount), "links");
    QTEST(entry.Owner, "owner");
    QTEST(entry.Group, "group");
    QTEST(entry.Size, "size");
    QTEST(entry.Date, "date");
    QTEST(entry.Name, "name");
}

void TestSpiderFtp::stableOnlyWhenSizeHolds()
{
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/stable/steady.jpg")), QByteArray(100, 'a')));
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/stable/growing.jpg")), QByteArray(100, 'b')));
    CSpiderFTP walker;
    Scan(walker, QStringLiteral("/stable/"), EScanMode::ListSizes);
    QCOMPARE(walker.FirstPassPaths.size(), 2);
    QCOMPARE(walker.FirstPassSizes.size(), 2);
    for (qsizetype i = 0; i < 2; ++i)
        QCOMPARE(walker.FirstPassSizes.at(i), qint64(100));
    QVERIFY(walker.StableFiles.isEmpty());

    QVERIFY(WriteFile(ServerPath(QStringLiteral("/stable/growing.jpg")), QByteArray(200, 'b')));
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/stable/new.jpg")), QByteArray(100, 'c')));
    Scan(walker, QStringLiteral("/stable/"), EScanMode::KeepStable);
    QCOMPARE(walker.StableFiles, QStringList { QStringLiteral("/stable/steady.jpg") });
    QCOMPARE(walker.FirstPassPaths.size(), 2); // KeepStable records nothing of its own

    CSpiderFTP fresh;
    Scan(fresh, QStringLiteral("/stable/"), EScanMode::KeepStable);
    QVERIFY(fresh.StableFiles.isEmpty());
}

void TestSpiderFtp::subfoldersBreadthFirst()
{
    for (const char *file :
        { "top.jpg", "a/one.jpg", "b/two.jpg", "a/deep/three.jpg", "b/deeper/four.jpg" })
        QVERIFY(WriteFile(ServerPath(QStringLiteral("/tree/") + QLatin1String(file)), "x"));

    CSpiderFTP flat;
    Scan(flat, QStringLiteral("/tree/"), EScanMode::ListSizes, false);
    QCOMPARE(flat.FirstPassPaths, QStringList { QStringLiteral("/tree/top.jpg") });
    QCOMPARE(ListedFolders(), QStringList { QStringLiteral("/tree/") });

    ClearTrace();
    CSpiderFTP deep;
    Scan(deep, QStringLiteral("/tree/"), EScanMode::ListSizes, true);
    const QStringList folders = ListedFolders();
    QCOMPARE(folders.size(), 5);
    QCOMPARE(folders.at(0), QStringLiteral("/tree/"));
    // Both second-level folders come before either third-level one, in matching order.
    QCOMPARE(Sorted(folders.mid(1, 2)),
        (QStringList { QStringLiteral("/tree/a/"), QStringLiteral("/tree/b/") }));
    for (int i = 1; i <= 2; ++i)
        QVERIFY2(folders.at(i + 2).startsWith(folders.at(i)), qPrintable(folders.join(u' ')));
    QCOMPARE(Sorted(deep.FirstPassPaths),
        (QStringList { QStringLiteral("/tree/a/deep/three.jpg"), QStringLiteral("/tree/a/one.jpg"),
            QStringLiteral("/tree/b/deeper/four.jpg"), QStringLiteral("/tree/b/two.jpg"),
            QStringLiteral("/tree/top.jpg") }));
}

void TestSpiderFtp::mask_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("expected");
    const QStringList all { "JPG", "a.jpg", "b.JPG", "c.Jpg", "d.jpeg", "e.png" };
    QTest::newRow("*.JPG any case, not JPEG")
        << "*.JPG" << QStringList { "JPG", "a.jpg", "b.JPG", "c.Jpg" };
    QTest::newRow("*.*") << "*.*" << all;
    QTest::newRow("*") << "*" << all;
    QTest::newRow("*.jpeg") << "*.jpeg" << QStringList { "d.jpeg" };
    QTest::newRow("*.tif") << "*.tif" << QStringList();
}

void TestSpiderFtp::mask()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, expected);
    for (const char *file : { "JPG", "a.jpg", "b.JPG", "c.Jpg", "d.jpeg", "e.png" })
        QVERIFY(WriteFile(ServerPath(QStringLiteral("/mask/") + QLatin1String(file)), "x"));
    CSpiderFTP walker;
    Scan(walker, QStringLiteral("/mask/"), EScanMode::ListSizes, false, mask);
    QStringList names;
    for (const QString &path : std::as_const(walker.FirstPassPaths))
        names.append(path.mid(6));
    QCOMPARE(Sorted(names), expected);
}

void TestSpiderFtp::namesNeedingEscapes()
{
    const QString folder = QStringLiteral("/esc/a #1/Ça? 50%/");
    const QString file = folder + QStringLiteral("ü b#.jpg");
    const QByteArray bytes(5000, 'q');
    QVERIFY(WriteFile(ServerPath(file), bytes));

    // Listed as a start folder of its own and as a subfolder.
    CSpiderFTP direct;
    Scan(direct, folder, EScanMode::ListSizes, false);
    QCOMPARE(direct.FirstPassPaths, QStringList { file });
    CSpiderFTP walker;
    Scan(walker, QStringLiteral("/esc/"), EScanMode::ListSizes);
    QCOMPARE(walker.FirstPassPaths, QStringList { file });

    ClearTrace();
    const QString local = m_local.filePath(QStringLiteral("esc"));
    Scan(walker, QStringLiteral("/esc/"), EScanMode::Download, true, QStringLiteral("*.jpg"),
        { file }, local);
    QCOMPARE(walker.Downloaded, QStringList { file });
    QCOMPARE(ReadFile(local + file), bytes);
    const QStringList details = FolderDetails();
    QVERIFY(details.contains(QStringLiteral("Downloading ftp://127.0.0.1/esc/a%20%231/"
                                            "%C3%87a%3F%2050%25/%C3%BC%20b%23.jpg")));
}

void TestSpiderFtp::downloadsOnlyListedFiles()
{
    const QByteArray keep(70000, 'k');
    const QByteArray deep(3000, 'd');
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/dl/keep.jpg")), keep));
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/dl/skip.jpg")), "s"));
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/dl/empty.jpg")), QByteArray()));
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/dl/sub/deep.jpg")), deep));
    const QString local = m_local.filePath(QStringLiteral("dl"));
    const QStringList list { QStringLiteral("/dl/keep.jpg"), QStringLiteral("/dl/empty.jpg"),
        QStringLiteral("/dl/sub/deep.jpg"), QStringLiteral("/dl/gone.jpg") };

    CSpiderFTP walker;
    Scan(walker, QStringLiteral("/dl/"), EScanMode::Download, true, QStringLiteral("*.jpg"), list,
        local);
    QCOMPARE(Sorted(walker.Downloaded),
        (QStringList { QStringLiteral("/dl/empty.jpg"), QStringLiteral("/dl/keep.jpg"),
            QStringLiteral("/dl/sub/deep.jpg") }));
    QCOMPARE(ReadFile(local + QStringLiteral("/dl/keep.jpg")), keep);
    QCOMPARE(ReadFile(local + QStringLiteral("/dl/sub/deep.jpg")), deep);
    QVERIFY(QFileInfo(local + QStringLiteral("/dl/empty.jpg")).isFile());
    QCOMPARE(ReadFile(local + QStringLiteral("/dl/empty.jpg")), QByteArray());
    QVERIFY(!QFile::exists(local + QStringLiteral("/dl/skip.jpg")));
    QVERIFY(!QFile::exists(local + QStringLiteral("/dl/gone.jpg")));
    QVERIFY(walker.FirstPassPaths.isEmpty() && walker.StableFiles.isEmpty());

    // Without a local folder nothing is written, least of all at the root of the disk.
    CSpiderFTP nowhere;
    Scan(nowhere, QStringLiteral("/dl/"), EScanMode::Download, true, QStringLiteral("*.jpg"), list,
        QString());
    QVERIFY(nowhere.Downloaded.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/dl")));
}

void TestSpiderFtp::failedDownloadsLeaveNothing()
{
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/bad/fine.jpg")), "fine"));
    // Listed as a link, but the server cannot open it.
    QVERIFY(QFile::link(ServerPath(QStringLiteral("/bad/nowhere")),
        ServerPath(QStringLiteral("/bad/dangling.jpg"))));
    // The local subfolder cannot be made: a file holds its name.
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/bad/sub/blocked.jpg")), "blocked"));
    const QString local = m_local.filePath(QStringLiteral("bad"));
    QVERIFY(WriteFile(local + QStringLiteral("/bad/sub"), "in the way"));

    CSpiderFTP walker;
    Scan(walker, QStringLiteral("/bad/"), EScanMode::Download, true, QStringLiteral("*.jpg"),
        { QStringLiteral("/bad/fine.jpg"), QStringLiteral("/bad/dangling.jpg"),
            QStringLiteral("/bad/sub/blocked.jpg") },
        local);
    QCOMPARE(walker.Downloaded, QStringList { QStringLiteral("/bad/fine.jpg") });
    QCOMPARE(ReadFile(local + QStringLiteral("/bad/fine.jpg")), QByteArray("fine"));
    QVERIFY(!QFile::exists(local + QStringLiteral("/bad/dangling.jpg")));
    QCOMPARE(FolderDetails().filter(QStringLiteral("error: ")).size(), 2);
}

// A file beyond 32-bit sizes is recorded whole; a download cut off by the server dying is
// removed, not kept as a photo.
void TestSpiderFtp::bigFileAndBrokenTransfer()
{
    CTestFtpServer server;
    const QString problem = server.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    const pid_t serverPid = FtpServerPid(server.Port());
    QVERIFY(serverPid > 0);
    constexpr qint64 size = 3LL << 30; // sparse: takes no disk on the server side
    QFile big(server.Root() + QStringLiteral("/big.tif"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(size));
    big.close();

    CSpiderFTP walker;
    QVERIFY(walker.ScanDirectory(Host, CTestFtpServer::User, CTestFtpServer::Password,
        QStringLiteral("/"), server.Port(), false, EScanMode::ListSizes, false,
        QStringLiteral("*.tif"), {}, {}));
    QCOMPARE(walker.FirstPassPaths, QStringList { QStringLiteral("/big.tif") });
    QCOMPARE(walker.FirstPassSizes, QList<qint64> { size });

    const QString local = m_local.filePath(QStringLiteral("broken"));
    const QString partial = local + QStringLiteral("/big.tif");
    bool made = false;
    QThread *scan = QThread::create([&] {
        made = walker.ScanDirectory(Host, CTestFtpServer::User, CTestFtpServer::Password,
            QStringLiteral("/"), server.Port(), false, EScanMode::Download, false,
            QStringLiteral("*"), { QStringLiteral("/big.tif") }, local);
    });
    const auto stop = qScopeGuard([&] {
        ::kill(serverPid, SIGKILL);
        scan->wait();
        delete scan;
    });
    scan->start();
    // The server dies as soon as the first bytes have landed.
    QDeadlineTimer deadline(60000);
    while (QFileInfo(partial).size() == 0 && !deadline.hasExpired() && !scan->isFinished())
        QThread::usleep(200);
    ::kill(serverPid, SIGKILL);
    QVERIFY(scan->wait(60000));
    QVERIFY(made);
    QVERIFY(walker.Downloaded.isEmpty());
    QVERIFY(!QFile::exists(partial));
    QVERIFY(QFileInfo(local).isDir());
}

void TestSpiderFtp::sftpModes()
{
    CTestSshServer ssh;
    const QString problem = ssh.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    const QString root = ssh.MakeWritableFolder(QStringLiteral("walk"));
    QVERIFY(!root.isEmpty());
    const QString folder = root + QLatin1Char('/');
    QVERIFY(WriteFile(folder + QStringLiteral("a.jpg"), QByteArray(100, 'a')));
    QVERIFY(WriteFile(folder + QStringLiteral("sub dir/b.jpg"), QByteArray(300, 'b')));
    QVERIFY(WriteFile(folder + QStringLiteral("sub dir/c.jpg"), QByteArray(300, 'c')));
    const auto scan = [&](CSpiderFTP &walker, EScanMode mode, const QStringList &list = {},
                          const QString &local = QString()) {
        return walker.ScanDirectory(Host, ssh.User(), ssh.Password(), folder, ssh.Port(), true,
            mode, true, QStringLiteral("*.JPG"), list, local);
    };

    CSpiderFTP walker;
    QVERIFY(scan(walker, EScanMode::ListSizes));
    QCOMPARE(Sorted(walker.FirstPassPaths),
        (QStringList { folder + QStringLiteral("a.jpg"), folder + QStringLiteral("sub dir/b.jpg"),
            folder + QStringLiteral("sub dir/c.jpg") }));
    // "." and ".." are listed by SFTP servers but never walked into.
    QCOMPARE(ListedFolders(), (QStringList { folder, folder + QStringLiteral("sub dir/") }));
    // The walker's handles check the server's key: it is remembered on first use.
    QFile knownHosts(KnownHostsPath());
    QVERIFY(knownHosts.open(QIODevice::ReadOnly));
    QVERIFY(knownHosts.readAll().startsWith("127.0.0.1 "));

    QVERIFY(WriteFile(folder + QStringLiteral("sub dir/c.jpg"), QByteArray(301, 'c')));
    QVERIFY(scan(walker, EScanMode::KeepStable));
    QCOMPARE(Sorted(walker.StableFiles),
        (QStringList {
            folder + QStringLiteral("a.jpg"), folder + QStringLiteral("sub dir/b.jpg") }));

    const QString local = m_local.filePath(QStringLiteral("sftp"));
    QVERIFY(scan(walker, EScanMode::Download, walker.StableFiles, local));
    QCOMPARE(Sorted(walker.Downloaded), Sorted(walker.StableFiles));
    QCOMPARE(ReadFile(local + folder + QStringLiteral("sub dir/b.jpg")), QByteArray(300, 'b'));
    QVERIFY(!QFile::exists(local + folder + QStringLiteral("sub dir/c.jpg")));
}

void TestSpiderFtp::failuresAreTracedNotHung_data()
{
    QTest::addColumn<bool>("sftp");
    QTest::addColumn<bool>("closedPort");
    QTest::newRow("FTP, wrong password") << false << false;
    QTest::newRow("FTP, closed port") << false << true;
    QTest::newRow("SFTP, closed port") << true << true;
}

void TestSpiderFtp::failuresAreTracedNotHung()
{
    QFETCH(bool, sftp);
    QFETCH(bool, closedPort);
    QVERIFY(WriteFile(ServerPath(QStringLiteral("/fail/a.jpg")), "a"));
    CSpiderFTP walker;
    QVERIFY(walker.ScanDirectory(Host, CTestFtpServer::User,
        closedPort ? CTestFtpServer::Password : QStringLiteral("wrong"), QStringLiteral("/fail/"),
        closedPort ? FreeLoopbackPort() : m_ftp.Port(), sftp, EScanMode::ListSizes, true,
        QStringLiteral("*.*"), {}, QString()));
    QVERIFY(walker.FirstPassPaths.isEmpty());
    const QStringList errors = FolderDetails().filter(QStringLiteral("error: "));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QStringLiteral("error: ")), qPrintable(errors.first()));
}

void TestSpiderFtp::noHandlesAfterCleanup()
{
    CleanupCurl();
    CSpiderFTP walker;
    QVERIFY(!walker.ScanDirectory(Host, CTestFtpServer::User, CTestFtpServer::Password,
        QStringLiteral("/"), m_ftp.Port(), false, EScanMode::ListSizes, true, QStringLiteral("*"),
        {}, QString()));
    QVERIFY(walker.FirstPassPaths.isEmpty());
    QVERIFY(ListedFolders().isEmpty());
}

QUENDRASIL_TEST_MAIN(TestSpiderFtp, QCoreApplication)
#include "tst_spiderftp.moc"
