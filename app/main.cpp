#include "AppInfo.h"
#include "ImageEngineSetup.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "Trace.h"
#include "platform/MagickTemp.h"

int main(int argc, char *argv[])
{
    LogMessage(QStringLiteral("main"));
    // Kept for the Windows build; Qt 6 always scales for high DPI.
    qputenv("QT_DEVICE_PIXEL_RATIO", "auto");
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));

    auto *application = new NativeLookingApplication(argc, argv);
    // ImageMagick reads its temporary folder once, as it starts.
    Platform::PrepareMagickTemporaryFolder();
    InitializeImageEngine(argv[0]);

    auto *window = new MainWindow();
    if (argc >= 2)
        window->StartLoadingFileWindows(QString::fromUtf8(argv[1]));
    window->show();
    const int result = QApplication::exec();
    // Previews may still wait for a helper (Ghostscript); their threads are joined below.
    EndImageHelpers();
    delete window;
    delete application;
    return result;
}
