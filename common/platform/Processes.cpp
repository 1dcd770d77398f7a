#include "Processes.h"

#include "Trace.h"

#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <csignal>
#include <unistd.h>

namespace Platform {

bool StartDetachedProgram(const QString &path)
{
    const bool started = QProcess::startDetached(path, {});
    if (!started)
        LogMessage(QStringLiteral("Platform::StartDetachedProgram"), QStringLiteral("cannot start ") + path);
    return started;
}

bool IsProcessAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    // Signal 0 only asks whether the process exists; EPERM means it does, as someone else's.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

void ExitProcessNow(int code)
{
    std::fflush(nullptr);
    ::_exit(code);
}

} // namespace Platform
