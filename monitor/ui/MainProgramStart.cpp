#include "MainProgramStart.h"

#include <QProcess>

#include "MonitorThread.h"
#include "Trace.h"

bool StartMainProgram(const QStringList &arguments)
{
    const QString program = CMonitorThread::MainProgram();
    const bool started = QProcess::startDetached(program, arguments);
    if (!started)
        LogMessage(QStringLiteral("StartMainProgram"), QStringLiteral("cannot start ") + program);
    return started;
}
