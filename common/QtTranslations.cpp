#include "QtTranslations.h"

#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslations(QTranslator &translator, const QString &code)
{
    if (code.compare(QLatin1String("En"), Qt::CaseInsensitive) == 0)
        return false;
    return translator.load(QStringLiteral("qtbase_") + code.toLower(),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
