#include "ProgramFolder.h"

#include "Folders.h"

namespace Platform {

QString ProgramDataFolder()
{
    return GetProgramFolder() + QStringLiteral("/Data");
}

QString TranslationsFolder()
{
    return GetProgramFolder() + QStringLiteral("/translations");
}

QString HelperGuardPath()
{
    return GetProgramFolder() + QStringLiteral("/quendrasil-guard");
}

QString MonitorProgramPath()
{
    return GetProgramFolder() + QStringLiteral("/Monitor");
}

} // namespace Platform
