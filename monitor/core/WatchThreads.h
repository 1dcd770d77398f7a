#pragma once

#include <QList>
#include <QObject>
#include <QString>

class CMonitorThread;

// The pool of watch threads that Monitor's window holds: one thread per job, at most
// PoolSize at once. A thread whose job was removed ends by itself and its entry can serve
// another job. The threads' signals are relayed, queued, into the owner's thread.
class CWatchThreads : public QObject
{
    Q_OBJECT

public:
    static constexpr int PoolSize = 100;

    explicit CWatchThreads(QObject *parent = nullptr);
    ~CWatchThreads() override; // stops and waits for every thread

    // Starts a thread that has not run yet, or has ended, on the job with this Id; false when
    // all PoolSize threads are running.
    bool StartJobThread(qint64 jobId);
    // Asks every thread to stop, then waits for each.
    void StopAllThreads();

    int RunningCount() const;
    CMonitorThread *Thread(int index) const;

signals:
    void BeginProcessing(QString jobName, bool silentMode);
    void EndProcessing();

private:
    QList<CMonitorThread *> m_threads; // children of this object
};
