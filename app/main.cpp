#include "AppInfo.h"
#include "ImageEngineSetup.h"
#include "NativeLookingApplication.h"
#include "Trace.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"));
    // Kept for the Windows build; Qt 6 always scales for high DPI.
    qputenv("QT_DEVICE_PIXEL_RATIO", "auto");
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));

    NativeLookingApplication application(argc, argv);
    InitializeImageEngine(argv[0]);

    QTextStream out(stdout);
    QTextStream err(stderr);
    out << "Quendrasil " << AppInfo::Version << " on " << ImageEngineVersion() << '\n';
    if (argc >= 2) {
        // Jobs cannot be opened yet: say so instead of pretending a run took place.
        err << "Cannot open " << QString::fromUtf8(argv[1])
            << ": opening projects, profiles and scripts is not available in this build.\n";
        return 2;
    }
    out << "The main window is not available in this build yet.\n";
    return 0;
}
