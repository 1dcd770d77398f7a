#include "DesktopOpen.h"

#include <QDesktopServices>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

namespace Platform {
namespace {
QMutex openerLock;
LocalPathOpener &Opener()
{
    static LocalPathOpener opener;
    return opener;
}
} // namespace

void SetLocalPathOpener(LocalPathOpener opener)
{
    QMutexLocker locker(&openerLock);
    Opener() = std::move(opener);
}

bool OpenLocalPath(const QString &path)
{
    LocalPathOpener opener;
    {
        QMutexLocker locker(&openerLock);
        opener = Opener();
    }
    if (opener)
        return opener(path);
    // fromLocalFile handles spaces, "#" and "%" that a hand-built "file://" URL would not.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace Platform
