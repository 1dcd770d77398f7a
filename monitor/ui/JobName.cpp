#include "JobName.h"

bool IsValidJobName(const QString &name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar character : name) {
        if (forbidden.contains(character))
            return false;
    }
    return true;
}
