#include "WorkerThread.h"

bool CWorkerThread::wait(QDeadlineTimer deadline)
{
    if (!QThread::wait(deadline))
        return false;
    const std::lock_guard<std::mutex> ended(m_running);
    const std::lock_guard<std::mutex> handedOver(m_beforeProgram);
    return true;
}

void CWorkerThread::HandOverBeforeProgramStart()
{
    const std::lock_guard<std::mutex> handedOver(m_beforeProgram);
}

void CWorkerThread::run()
{
    const std::lock_guard<std::mutex> running(m_running);
    Run();
}
