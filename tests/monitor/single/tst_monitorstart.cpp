#include "TestServers.h"
#include "TestMain.h"

#include "JobStore.h"

#include <QProcess>

#include <csignal>

// Monitor's own start and end, as separate processes: one per user, ended by a termination
// signal the way its Exit ends it.
class TestMonitorStart : public QObject
{
    Q_OBJECT

    static QString MonitorPath()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Monitor");
    }

private slots:
    void withoutJobsItWaitsAndWritesAnEmptyStore()
    {
        QFile::remove(DefaultJobStorePath());
        QProcess monitor;
        EndWithThisTest(monitor);
        monitor.setProcessChannelMode(QProcess::MergedChannels);
        monitor.start(MonitorPath(), { QStringLiteral("--ignored-argument") });
        QVERIFY(monitor.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT(
            (output += monitor.readAllStandardOutput()).contains("watching the stored jobs")
                || monitor.state() == QProcess::NotRunning,
            20000);
        QCOMPARE(monitor.state(), QProcess::Running); // the user adds jobs from its window
        QVERIFY(output.indexOf("New Session") < output.indexOf("+ Starting QApplication..."));
        ::kill(static_cast<pid_t>(monitor.processId()), SIGTERM);
        QVERIFY(monitor.waitForFinished(20000));
        QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor.exitCode(), 0);
        QList<CJob> saved;
        QVERIFY(ReadJobStore(DefaultJobStorePath(), saved));
        QVERIFY(saved.isEmpty());
    }

    void watchesOnceAndEndsOnTermination()
    {
        CJob job;
        job.Id = 7;
        job.Name = QStringLiteral("Holiday & more");
        job.Source = QDir::tempPath();
        job.Mask = QStringLiteral("*.jpg");
        job.Interval = 3600;
        job.Log.append({ QStringLiteral("/photos/a.jpg"), QStringLiteral("0123"), 0 });
        QVERIFY(SaveJobStore({ job }, true));

        QProcess first;
        EndWithThisTest(first);
        first.setProcessChannelMode(QProcess::MergedChannels);
        first.start(MonitorPath(), {});
        QVERIFY(first.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT(
            (output += first.readAllStandardOutput()).contains("watching the stored jobs")
                || first.state() == QProcess::NotRunning,
            20000);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        EndWithThisTest(second);
        second.start(MonitorPath(), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        QFile::remove(DefaultJobStorePath());
        ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(20000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        // The store is written back on the way out, log included.
        QList<CJob> saved;
        QVERIFY(ReadJobStore(DefaultJobStorePath(), saved));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().Name, job.Name);
        QCOMPARE(saved.first().Log.size(), 1);
    }
};

QUENDRASIL_TEST_MAIN(TestMonitorStart, QCoreApplication)
#include "tst_monitorstart.moc"
