#pragma once

#include <QDeadlineTimer>
#include <QThread>

#include <mutex>

// A QThread whose end is a plain hand-over to its owner: run() holds the thread's own lock from
// its start to its end, and wait() takes that lock once the thread is done, so everything the
// thread did happens before whatever the owner does after wait(). Qt makes the same hand-over
// inside its own code, which ThreadSanitizer cannot see; this one it sees. Subclasses put their
// work in Run().
class CWorkerThread : public QThread
{
    Q_OBJECT

public:
    using QThread::QThread;

    // As QThread::wait: false when the thread still runs at the deadline.
    bool wait(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    bool wait(unsigned long milliseconds) { return wait(QDeadlineTimer(qint64(milliseconds))); }

protected:
    virtual void Run() = 0;
    // Called by Run() before it starts a program (QProcess). Qt starts programs with a clone
    // that runs in this thread's memory until the program takes over, and ThreadSanitizer then
    // loses track of what the thread did before; handed over here, it stays visible.
    void HandOverBeforeProgramStart();

private:
    void run() final;

    std::mutex m_running; // held by run() while it works
    std::mutex m_beforeProgram; // passed by the thread before it starts a program
};
