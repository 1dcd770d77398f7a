#include "AppInfo.h"
#include "Trace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"));
    // Same store as the main program: both open it under these names.
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    QApplication application(argc, argv);

    // The main program starts Monitor at every start; until its window exists it ends quietly.
    LogMessage(QStringLiteral("main"), QStringLiteral("the tray window is not available yet"));
    return 0;
}
