#include "AppInfo.h"
#include "CurlSetup.h"
#include "FormatsEnum.h"
#include "JobStore.h"
#include "SingleApplication.h"
#include "TerminationSignals.h"
#include "Trace.h"
#include "WatchThreads.h"

#include <QSet>

namespace {

// Stored jobs, one thread per distinct Id; false when there is nothing to watch.
bool StartWatching(CWatchThreads &threads)
{
    QList<CJob> jobs;
    if (!ReadJobStore(QString(), jobs) || jobs.isEmpty())
        return false;
    CJobList *list = GetJobList();
    for (const CJob &job : jobs)
        list->Append(job);
    QSet<qint64> started;
    for (const CJob &job : list->Jobs()) {
        if (!started.contains(job.Id) && threads.StartJobThread(job.Id))
            started.insert(job.Id);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"));
    // The single-instance key is made of these names; the settings store is always opened
    // under the main program's names (common/Settings), never through a default QSettings.
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QStringLiteral("Monitor"));
    // libcurl's global state comes before any thread and goes after the last one.
    InitializeCurl();
    SingleApplication application(
        argc, argv, false, SingleApplication::Option::User, 1000, QString());
    if (application.IsSecondaryInstance())
        return 0;
    if (!QuitOnTerminationSignals())
        LogMessage(QStringLiteral("main"), QStringLiteral("termination signals not taken over"));
    CFormatsEnum::instance()->GenerateList();

    int code = 0;
    {
        CWatchThreads threads;
        const auto save = [] { SaveJobStore(GetJobList()->Jobs(), true); };
        QObject::connect(&threads, &CWatchThreads::EndProcessing, &threads, save);
        // Until Monitor has its window it watches the stored jobs only; without any it ends.
        if (StartWatching(threads)) {
            LogMessage(QStringLiteral("main"), QStringLiteral("watching the stored jobs"));
            code = QApplication::exec();
            threads.StopAllThreads();
            save();
        } else {
            LogMessage(QStringLiteral("main"), QStringLiteral("no stored jobs to watch"));
        }
    }
    DeleteJobList();
    CleanupCurl();
    return code;
}
