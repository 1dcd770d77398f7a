#include "MainProgramStart.h"

#include <QCoreApplication>
#include <QProcess>

#include "DialogTip.h"
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

void EditJobProfile(const QString &profile)
{
    CDialogTip tip;
    tip.Key = QStringLiteral("ShowTipEditTask");
    tip.Text = QCoreApplication::translate("JobDialogs",
        "By selecting this option Quendrasil will launch configured with your custom profile. "
        "Make your changes in Quendrasil then select Project > Save Profile (Ctrl + S) to "
        "overwrite this profile.");
    tip.exec(); // shown or skipped, the main program starts all the same
    // The main program opens a profile named on its command line for editing.
    StartMainProgram({ profile });
}
