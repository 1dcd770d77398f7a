#include "ProgramFolder.h"

#include "Folders.h"

namespace Platform {

QString ProgramDataFolder()
{
    return GetProgramFolder() + QStringLiteral("/Data");
}

} // namespace Platform
