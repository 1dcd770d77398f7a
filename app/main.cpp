#include "AppInfo.h"
#include "DialogRename.h"
#include "ImageEngineSetup.h"
#include "MainPanel2.h"
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

    // Before the window: Step 2 enables its custom-names button only when a runner is set.
    CMainPanel2::SetRenameDialogRunner(&CDialogRename::Run);
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
