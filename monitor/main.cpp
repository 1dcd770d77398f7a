#include "AppInfo.h"
#include "Trace.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"));
    // Same store as the main program: both open it under these names.
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    QApplication application(argc, argv);

    QTextStream(stdout) << "Quendrasil Monitor " << AppInfo::Version
                        << ": the tray window is not available in this build yet.\n";
    return 0;
}
