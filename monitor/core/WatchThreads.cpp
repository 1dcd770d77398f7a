#include "WatchThreads.h"

#include "MonitorThread.h"
#include "Trace.h"

CWatchThreads::CWatchThreads(QObject *parent)
    : QObject(parent)
{
    for (int i = 0; i < PoolSize; ++i) {
        auto *thread = new CMonitorThread(this);
        // Emitted in the watch thread, delivered in this object's thread.
        connect(thread, &CMonitorThread::BeginProcessing, this, &CWatchThreads::BeginProcessing,
            Qt::QueuedConnection);
        connect(thread, &CMonitorThread::EndProcessing, this, &CWatchThreads::EndProcessing,
            Qt::QueuedConnection);
        m_threads.append(thread);
    }
}

CWatchThreads::~CWatchThreads()
{
    StopAllThreads();
}

bool CWatchThreads::StartJobThread(qint64 jobId)
{
    for (CMonitorThread *thread : std::as_const(m_threads)) {
        if (thread->isRunning())
            continue;
        thread->wait(); // an ended thread may still be finishing
        thread->JobId = jobId;
        thread->StopRequested = false;
        thread->NewImages.clear();
        thread->DownloadFolder.clear();
        thread->start(QThread::InheritPriority);
        return true;
    }
    LogMessage(QStringLiteral("CWatchThreads::StartJobThread"),
        QStringLiteral("All %1 watch threads are busy; the job %2 is not watched")
            .arg(PoolSize)
            .arg(jobId));
    return false;
}

void CWatchThreads::StopAllThreads()
{
    for (CMonitorThread *thread : std::as_const(m_threads))
        thread->StopRequested = true;
    for (CMonitorThread *thread : std::as_const(m_threads))
        thread->wait();
}

int CWatchThreads::RunningCount() const
{
    int running = 0;
    for (const CMonitorThread *thread : m_threads)
        running += thread->isRunning() ? 1 : 0;
    return running;
}

CMonitorThread *CWatchThreads::Thread(int index) const
{
    return m_threads.value(index, nullptr);
}
