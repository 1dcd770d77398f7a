#include "Processes.h"

#include "Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

int EndChildProcesses(const QString &program)
{
    const QString target = QFileInfo(program).canonicalFilePath();
    if (target.isEmpty())
        return 0;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    int asked = 0;
    const QStringList entries
        = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isNumber = false;
        const qint64 pid = entry.toLongLong(&isNumber);
        if (!isNumber)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields.at(1) != self)
            continue;
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(entry)).canonicalFilePath() != target)
            continue;
        if (::kill(pid_t(pid), SIGTERM) == 0)
            ++asked;
    }
    if (asked > 0)
        LogMessage(QStringLiteral("Platform::EndChildProcesses"),
            QStringLiteral("%1 x %2").arg(asked).arg(program));
    return asked;
}

void ExitProcessNow(int code)
{
    std::fflush(nullptr);
    ::_exit(code);
}

} // namespace Platform
