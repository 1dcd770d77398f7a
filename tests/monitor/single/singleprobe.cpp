#include "AppInfo.h"
#include "SingleApplication.h"
#include "TerminationSignals.h"

#include <cstdio>

// Starts the way Monitor does and reports on standard output: "primary" or "secondary", then
// "instance started" for every later start that announced itself.
int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::MonitorName));
    SingleApplication application(
        argc, argv, false, SingleApplication::Option::User, 1000, QString());
    if (application.IsSecondaryInstance()) {
        std::puts("secondary");
        return 0;
    }
    QObject::connect(&application, &SingleApplication::instanceStarted, [] {
        std::puts("instance started");
        std::fflush(stdout);
    });
    if (!QuitOnTerminationSignals())
        return 1;
    std::puts("primary");
    std::fflush(stdout);
    return application.exec();
}
