#include "AppInfo.h"
#include "SingleApplication.h"
#include "TestMain.h"
#include "platform/UserName.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>

// Monitor's start runs in separate processes (the probe beside this test); these tests check
// what a user sees of them: which start runs, which ends, and that nothing locks Monitor out.
class TestSingleApplication : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void secondStartEndsAndFirstKeepsRunning();
    void copyAtAnotherPathRunsOfItsOwn();
    void terminationSignalEndsPrimaryAndFreesTheGuard_data();
    void terminationSignalEndsPrimaryAndFreesTheGuard();
    void killedPrimaryDoesNotLockOutLaterStarts();
    void inconsistentBlockIsTakenOverAfterFiveSeconds();
    void malformedAnnouncementClosesOnlyItsConnection_data();
    void malformedAnnouncementClosesOnlyItsConnection();
    void instanceKeySeparatesCopiesAndUsers_data();
    void instanceKeySeparatesCopiesAndUsers();

private:
    QProcess *StartProbe(const QString &path = ProbePath());
    static QString ProbePath();
    static QString ProbeKey(const QString &path = ProbePath());
    static bool WaitForLine(QProcess *probe, const QByteArray &line, int timeout = 10000);

    std::vector<std::unique_ptr<QProcess>> m_probes;
};

QString TestSingleApplication::ProbePath()
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/singleprobe"))
        .canonicalFilePath();
}

QString TestSingleApplication::ProbeKey(const QString &path)
{
    SingleApplication::SIdentity identity;
    identity.applicationName = QString::fromLatin1(AppInfo::MonitorName);
    identity.organizationName = QString::fromLatin1(AppInfo::OrganizationName);
    identity.programPath = path;
    identity.userName = Platform::CurrentUserName();
    return SingleApplication::MakeInstanceKey(identity, SingleApplication::Option::User);
}

QProcess *TestSingleApplication::StartProbe(const QString &path)
{
    auto probe = std::make_unique<QProcess>();
    probe->setProgram(path);
    probe->start();
    if (!probe->waitForStarted())
        return nullptr;
    m_probes.push_back(std::move(probe));
    return m_probes.back().get();
}

bool TestSingleApplication::WaitForLine(QProcess *probe, const QByteArray &line, int timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QByteArray seen;
    while (elapsed.elapsed() < timeout) {
        seen += probe->readAllStandardOutput();
        if (seen.split('\n').contains(line))
            return true;
        if (probe->state() == QProcess::NotRunning)
            return false;
        probe->waitForReadyRead(100);
    }
    return false;
}

void TestSingleApplication::cleanup()
{
    // Orderly ends, so that no block outlives the test run.
    for (const auto &probe : m_probes) {
        if (probe->state() != QProcess::NotRunning) {
            probe->terminate();
            if (!probe->waitForFinished(5000))
                probe->kill();
        }
    }
    m_probes.clear();
}

void TestSingleApplication::secondStartEndsAndFirstKeepsRunning()
{
    QProcess *first = StartProbe();
    QVERIFY(first && WaitForLine(first, "primary"));

    QProcess *second = StartProbe();
    QVERIFY(second);
    QVERIFY(second->waitForFinished(5000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(second->readAllStandardOutput().isEmpty());

    // The announcement reached the first, which goes on running.
    QVERIFY(WaitForLine(first, "instance started"));
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleApplication::copyAtAnotherPathRunsOfItsOwn()
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("singleprobe"));
    QVERIFY(QFile::copy(ProbePath(), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(ProbePath())));

    QProcess *original = StartProbe();
    QVERIFY(original && WaitForLine(original, "primary"));
    QProcess *other = StartProbe(copy);
    QVERIFY(other && WaitForLine(other, "primary"));
    QCOMPARE(original->state(), QProcess::Running);
}

void TestSingleApplication::terminationSignalEndsPrimaryAndFreesTheGuard_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("logout (SIGTERM)") << int(SIGTERM);
    QTest::newRow("interrupt (SIGINT)") << int(SIGINT);
    QTest::newRow("hang-up (SIGHUP)") << int(SIGHUP);
}

void TestSingleApplication::terminationSignalEndsPrimaryAndFreesTheGuard()
{
    QFETCH(int, signalNumber);
    QProcess *primary = StartProbe();
    QVERIFY(primary && WaitForLine(primary, "primary"));
    QCOMPARE(::kill(pid_t(primary->processId()), signalNumber), 0);
    QVERIFY(primary->waitForFinished(5000));
    QCOMPARE(primary->exitStatus(), QProcess::NormalExit);
    QCOMPARE(primary->exitCode(), 0);

    // No waiting for a time-out: the next start finds the mark cleared.
    QProcess *next = StartProbe();
    QVERIFY(next && WaitForLine(next, "primary", 3000));
}

void TestSingleApplication::killedPrimaryDoesNotLockOutLaterStarts()
{
    QProcess *crashed = StartProbe();
    QVERIFY(crashed && WaitForLine(crashed, "primary"));
    crashed->kill();
    QVERIFY(crashed->waitForFinished(5000));

    QProcess *next = StartProbe();
    QVERIFY(next && WaitForLine(next, "primary"));
    // And the guard works again behind it.
    QProcess *second = StartProbe();
    QVERIFY(second && second->waitForFinished(5000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(second->readAllStandardOutput().isEmpty());
}

void TestSingleApplication::inconsistentBlockIsTakenOverAfterFiveSeconds()
{
    struct SBlock
    {
        bool primary;
        quint32 secondaryCount;
        qint64 primaryProcessId;
        char primaryUser[128];
        quint16 checksum;
    };
    // Held by the test throughout, so the block stays for the probe to find and for us to read.
    QSharedMemory memory(ProbeKey());
    QVERIFY2(memory.create(152), qPrintable(memory.errorString()));
    QVERIFY(memory.lock());
    auto *block = static_cast<SBlock *>(memory.data());
    block->primary = true;
    block->primaryProcessId = QCoreApplication::applicationPid();
    block->checksum = 0xbad;
    QVERIFY(memory.unlock());

    QElapsedTimer elapsed;
    elapsed.start();
    QProcess *probe = StartProbe();
    QVERIFY(probe && WaitForLine(probe, "primary", 20000));
    QVERIFY(elapsed.elapsed() > 5000);
    QVERIFY(probe->readAllStandardError().contains(
        "SingleApplication: Shared memory block has been in an inconsistent state from more "
        "than 5s. Assuming primary instance failure."));

    const auto checksum = [block] {
        return qChecksum(
            QByteArrayView(reinterpret_cast<const char *>(block), 144), Qt::ChecksumIso3309);
    };
    QVERIFY(memory.lock());
    QVERIFY(block->primary);
    QCOMPARE(block->primaryProcessId, probe->processId());
    QCOMPARE(QString::fromUtf8(block->primaryUser), Platform::CurrentUserName());
    QCOMPARE(block->checksum, checksum());
    QVERIFY(memory.unlock());

    probe->terminate();
    QVERIFY(probe->waitForFinished(5000));
    QVERIFY(memory.lock());
    QVERIFY(!block->primary);
    QCOMPARE(block->primaryProcessId, qint64(-1));
    QCOMPARE(block->checksum, checksum());
    QVERIFY(memory.unlock());
}

void TestSingleApplication::malformedAnnouncementClosesOnlyItsConnection_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("checksumError");
    QTest::addColumn<bool>("accepted");
    const QByteArray key = ProbeKey().toLatin1();
    QTest::newRow("well-formed") << key << 0 << true;
    QTest::newRow("wrong checksum") << key << 1 << false;
    QTest::newRow("other key") << QByteArray("another program") << 0 << false;
    QTest::newRow("key differs in case") << key.toLower() << 0 << false;
}

void TestSingleApplication::malformedAnnouncementClosesOnlyItsConnection()
{
    QFETCH(QByteArray, key);
    QFETCH(int, checksumError);
    QFETCH(bool, accepted);
    QProcess *primary = StartProbe();
    QVERIFY(primary && WaitForLine(primary, "primary"));

    QByteArray announcement;
    QDataStream stream(&announcement, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << key << quint8(1) << quint32(0);
    stream << quint16(qChecksum(announcement, Qt::ChecksumIso3309) + checksumError);
    QByteArray length;
    QDataStream lengthStream(&length, QIODevice::WriteOnly);
    lengthStream.setVersion(QDataStream::Qt_5_6);
    lengthStream << quint64(announcement.size());

    QLocalSocket socket;
    socket.connectToServer(ProbeKey());
    QVERIFY(socket.waitForConnected(5000));
    const QByteArray frames[] = { length, announcement };
    for (const QByteArray &frame : frames) {
        socket.write(frame);
        QVERIFY(socket.waitForBytesWritten(5000));
        // Each frame is acknowledged, except a refused announcement.
        if (&frame == &frames[0] || accepted) {
            QVERIFY(socket.bytesAvailable() > 0 || socket.waitForReadyRead(5000));
            QCOMPARE(socket.read(1), QByteArray("\n"));
        }
    }
    if (accepted) {
        QVERIFY(WaitForLine(primary, "instance started"));
    } else {
        QVERIFY(
            socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(5000));
        QVERIFY(!primary->readAllStandardOutput().contains("instance started"));
        // The guard still answers a real start.
        QProcess *second = StartProbe();
        QVERIFY(second && second->waitForFinished(5000));
        QVERIFY(WaitForLine(primary, "instance started"));
    }
}

void TestSingleApplication::instanceKeySeparatesCopiesAndUsers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("sameKey");
    const int user = int(SingleApplication::Option::User);
    const int noVersion = int(SingleApplication::Option::ExcludeAppVersion);
    const int noPath = int(SingleApplication::Option::ExcludeAppPath);
    QTest::newRow("another user") << "user"
                                  << "bob" << user << false;
    QTest::newRow("another user, key for everyone") << "user"
                                                    << "bob" << 0 << true;
    QTest::newRow("another path") << "path"
                                  << "/opt/other/Monitor" << user << false;
    QTest::newRow("path differing in case only") << "path"
                                                 << "/OPT/Q/MONITOR" << user << true;
    QTest::newRow("another path, path left out") << "path"
                                                 << "/opt/other/Monitor" << (user | noPath) << true;
    QTest::newRow("another version") << "version"
                                     << "2.0" << user << false;
    QTest::newRow("another version, version left out") << "version"
                                                       << "2.0" << (user | noVersion) << true;
    QTest::newRow("user data") << "data"
                               << "x" << user << false;
    QTest::newRow("another program") << "application"
                                     << "Quendrasil" << user << false;
}

void TestSingleApplication::instanceKeySeparatesCopiesAndUsers()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(int, options);
    QFETCH(bool, sameKey);
    SingleApplication::SIdentity base;
    base.applicationName = QStringLiteral("Monitor");
    base.organizationName = QStringLiteral("Tarrow&Lune");
    base.version = QStringLiteral("1.0");
    base.programPath = QStringLiteral("/opt/q/Monitor");
    base.userName = QStringLiteral("alice");
    SingleApplication::SIdentity other = base;
    if (field == QLatin1String("user"))
        other.userName = value;
    else if (field == QLatin1String("path"))
        other.programPath = value;
    else if (field == QLatin1String("version"))
        other.version = value;
    else if (field == QLatin1String("data"))
        other.userData = QStringList { value };
    else
        other.applicationName = value;

    const auto flags = SingleApplication::Options::fromInt(options);
    const QString key = SingleApplication::MakeInstanceKey(base, flags);
    QCOMPARE(SingleApplication::MakeInstanceKey(other, flags) == key, sameKey);
    // A plain name for the shared block and the socket: no folder separators.
    QCOMPARE(key.size(), 44);
    QVERIFY(!key.contains(QLatin1Char('/')));
}

QUENDRASIL_TEST_MAIN(TestSingleApplication, QCoreApplication)

#include "tst_singleapplication.moc"
