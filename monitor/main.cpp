#include "AppInfo.h"
#include "CurlSetup.h"
#include "Job.h"
#include "MonitorWindow.h"
#include "SingleApplication.h"
#include "TerminationSignals.h"
#include "Trace.h"

namespace {

// Monitor's application object: one running copy per user; events go their usual way.
class NativeLookingApplication : public SingleApplication
{
public:
    NativeLookingApplication(int &argc, char *argv[])
        : SingleApplication(argc, argv, false, SingleApplication::Option::User, 1000, QString())
    {
    }
    ~NativeLookingApplication() override = default;

    bool notify(QObject *receiver, QEvent *event) override
    {
        return QApplication::notify(receiver, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"),
        QStringLiteral("\n\nNew Session ") + QString(68, QLatin1Char('-')) + QLatin1Char('\n'));
    // The single-instance key is made of these names; the settings store is always opened
    // under the main program's names (common/Settings), never through a default QSettings.
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QStringLiteral("Monitor"));
    // libcurl's global state comes before any thread and goes after the last one.
    InitializeCurl();
    LogMessage(QStringLiteral("main"), QStringLiteral("+ Starting QApplication..."));
    NativeLookingApplication application(argc, argv);
    if (application.IsSecondaryInstance())
        return 0;
    // A logout or a kill leaves the event loop like Exit: the window below still stops the
    // threads and saves the store.
    if (!QuitOnTerminationSignals())
        LogMessage(QStringLiteral("main"), QStringLiteral("termination signals not taken over"));
    // Without a tray the window is all there is; closing it is leaving.
    QApplication::setQuitOnLastWindowClosed(!QSystemTrayIcon::isSystemTrayAvailable());

    int code = 0;
    {
        CMonitorWindow window;
        window.ShowAtStart();
        LogMessage(QStringLiteral("main"),
            QStringLiteral("watching the stored jobs (%1)").arg(GetJobList()->Count()));
        code = QApplication::exec();
        window.Shutdown();
    }
    CleanupCurl();
    return code;
}
