#include "AppInfo.h"
#include "FiltersEnum.h"
#include "ImageEngineSetup.h"
#include "NativeLookingApplication.h"
#include "ProcessController.h"
#include "Scripts.h"
#include "Trace.h"
#include "UserProfile.h"

#include <QTextStream>

namespace {

// Runs a script given on the command line: command value 0 runs its batch and ends the program.
// The main window takes this over once it exists; until then this is the program's only job.
int RunScript(const QString &path)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    CScripts scripts(path);
    int commandValue = 0;
    if (!scripts.LoadDocument(commandValue)) {
        err << "Could not load script. " << path << '\n';
        return 1;
    }
    for (const QString &refused : scripts.RefusedPaths())
        err << "Not added: " << refused << '\n';
    if (commandValue != 0) {
        err << "The script's command value " << commandValue
            << " needs the main window, which this build does not have.\n";
        return 2;
    }
    CUserProfile::instance()->ScriptRun = true;
    CProcessController dialog;
    SBatchSummary summary;
    QObject::connect(dialog.Core(), &CBatchCore::Finished,
                     [&summary](const SBatchSummary &result) { summary = result; });
    dialog.exec();
    out << "Processed " << summary.photosDone << " of " << summary.photoCount << " photos, "
        << summary.errorTotal << " errors.\n";
    for (const QString &file : summary.writtenFiles)
        out << "  " << file << '\n';
    return 0;
}

} // namespace

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
    CUserProfile::instance()->LoadSettings();
    CFiltersEnum::instance()->GenerateList();

    QTextStream out(stdout);
    out << "Quendrasil " << AppInfo::Version << " on " << ImageEngineVersion() << '\n';
    out.flush();
    if (argc >= 2) {
        QString path = QString::fromUtf8(argv[1]);
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (path.mid(path.lastIndexOf(QLatin1Char('.')) + 1) == QLatin1String("qlr"))
            return RunScript(path);
        QTextStream(stderr) << "Cannot open " << path
                            << ": only scripts (.qlr) can be run in this build.\n";
        return 2;
    }
    out << "The main window is not available in this build yet.\n";
    return 0;
}
