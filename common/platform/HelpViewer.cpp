#include "HelpViewer.h"

#include "DesktopOpen.h"
#include "ProgramFolder.h"
#include "Trace.h"

#include <QFileInfo>

namespace Platform {

QString HelpPagePath(const QString &pageName)
{
    return ProgramDataFolder() + QStringLiteral("/Help/") + pageName;
}

bool OpenHelpPage(const QString &pageName)
{
    // Page names come from the program, but never let one climb out of the help folder.
    if (pageName.isEmpty() || pageName.contains(QLatin1Char('/'))
        || pageName.contains(QLatin1Char('\\')) || pageName.startsWith(QLatin1Char('.'))) {
        LogMessage(QStringLiteral("Platform::OpenHelpPage"),
                   QStringLiteral("Refused page name ") + pageName);
        return false;
    }
    const QString path = HelpPagePath(pageName);
    if (!QFileInfo(path).isFile()) {
        LogMessage(QStringLiteral("Platform::OpenHelpPage"),
                   QStringLiteral("No help page ") + path);
        return false;
    }
    return OpenLocalPath(path);
}

} // namespace Platform
