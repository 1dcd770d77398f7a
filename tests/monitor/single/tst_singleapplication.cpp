#include "TestServers.h"
#include "AppInfo.h"
#include "SingleApplication.h"
#include "TestMain.h"
#include "platform/UserName.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
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
    void endOfPrimaryFreesTheGuard_data();
    void endOfPrimaryFreesTheGuard();
    void inconsistentBlockIsTakenOverAfterFiveSeconds();
    void instanceKeySeparatesCopiesAndUsers_data();
    void instanceKeySeparatesCopiesAndUsers();

private:
    QProcess *StartProbe(const QString &path = ProbePath());
    static QString ProbePath();
    static QString ProbeKey(const QString &path = ProbePath());
    static bool WaitForLine(QProcess *probe, const QByteArray &line, int timeout = EventTimeoutMs);

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
    EndWithThisTest(*probe);
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
            if (!probe->waitForFinished(EventTimeoutMs))
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
    QVERIFY(second->waitForFinished(EventTimeoutMs));
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

void TestSingleApplication::endOfPrimaryFreesTheGuard_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("logout (SIGTERM)") << int(SIGTERM);
    QTest::newRow("interrupt (SIGINT)") << int(SIGINT);
    QTest::newRow("hang-up (SIGHUP)") << int(SIGHUP);
    // Its mark stays in the block: the next start must see that nobody holds it.
    QTest::newRow("crash (SIGKILL)") << int(SIGKILL);
}

void TestSingleApplication::endOfPrimaryFreesTheGuard()
{
    QFETCH(int, signalNumber);
    QProcess *primary = StartProbe();
    QVERIFY(primary && WaitForLine(primary, "primary"));
    QCOMPARE(::kill(pid_t(primary->processId()), signalNumber), 0);
    QVERIFY(primary->waitForFinished(EventTimeoutMs));
    if (signalNumber != SIGKILL) {
        QCOMPARE(primary->exitStatus(), QProcess::NormalExit);
        QCOMPARE(primary->exitCode(), 0);
    }
    // No waiting for a time-out: the next start is primary at once.
    QProcess *next = StartProbe();
    QVERIFY(next && WaitForLine(next, "primary", 3000));
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
    // The probe's mark, at its place in the block, and cleared again when it ends.
    QVERIFY(block->primary && block->primaryProcessId == probe->processId());
    QCOMPARE(QString::fromUtf8(block->primaryUser), Platform::CurrentUserName());
    QCOMPARE(block->checksum, checksum());
    probe->terminate();
    QVERIFY(probe->waitForFinished(EventTimeoutMs));
    QVERIFY(!block->primary && block->primaryProcessId == -1);
    QCOMPARE(block->checksum, checksum());
}

void TestSingleApplication::instanceKeySeparatesCopiesAndUsers_data()
{
    // The other copy differs from alice's Monitor 1.0 at /opt/q/Monitor as the row says.
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("sameKey");
    const int user = int(SingleApplication::Option::User);
    const int noVersion = int(SingleApplication::Option::ExcludeAppVersion);
    const int noPath = int(SingleApplication::Option::ExcludeAppPath);
    const auto row = [](const char *name, const char *user, const char *path, const char *version,
                         int options, bool sameKey) {
        QTest::newRow(name) << QString::fromUtf8(user) << QString::fromUtf8(path)
                            << QString::fromUtf8(version) << options << sameKey;
    };
    row("another user", "bob", "/opt/q/Monitor", "1.0", user, false);
    row("another user, key for all", "bob", "/opt/q/Monitor", "1.0", 0, true);
    row("another path", "alice", "/opt/r/Monitor", "1.0", user, false);
    row("path in other case", "alice", "/OPT/Q/MONITOR", "1.0", user, true);
    row("another path, path left out", "alice", "/opt/r/Monitor", "1.0", user | noPath, true);
    row("another version", "alice", "/opt/q/Monitor", "2.0", user, false);
    row("another version, version left out", "alice", "/opt/q/Monitor", "2.0", user | noVersion,
        true);
}

void TestSingleApplication::instanceKeySeparatesCopiesAndUsers()
{
    QFETCH(QString, user);
    QFETCH(QString, path);
    QFETCH(QString, version);
    QFETCH(int, options);
    QFETCH(bool, sameKey);
    const SingleApplication::SIdentity base { QStringLiteral("Monitor"),
        QStringLiteral("Tarrow&Lune"), QString(), {}, QStringLiteral("1.0"),
        QStringLiteral("/opt/q/Monitor"), QStringLiteral("alice") };
    const SingleApplication::SIdentity other { base.applicationName, base.organizationName,
        QString(), {}, version, path, user };
    const auto flags = SingleApplication::Options::fromInt(options);
    const QString key = SingleApplication::MakeInstanceKey(base, flags);
    QCOMPARE(SingleApplication::MakeInstanceKey(other, flags) == key, sameKey);
    // A plain name for the shared block and the socket: no folder separators.
    QCOMPARE(key.size(), 44);
    QVERIFY(!key.contains(QLatin1Char('/')));
}

QUENDRASIL_TEST_MAIN(TestSingleApplication, QCoreApplication)

#include "tst_singleapplication.moc"
