#include "ShellExtension.h"

#include "Trace.h"

#include <QMutex>
#include <QMutexLocker>

namespace Platform {
namespace {
QMutex requesterLock;
ShellExtensionRequester &Requester()
{
    static ShellExtensionRequester requester;
    return requester;
}
} // namespace

void SetShellExtensionRequester(ShellExtensionRequester requester)
{
    QMutexLocker locker(&requesterLock);
    Requester() = std::move(requester);
}

bool HasShellExtension()
{
    QMutexLocker locker(&requesterLock);
    return bool(Requester());
}

EShellExtensionRequest RequestShellExtension(const QString &libraryPath, bool install)
{
    ShellExtensionRequester requester;
    {
        QMutexLocker locker(&requesterLock);
        requester = Requester();
    }
    if (requester)
        return requester(libraryPath, install);
    // Linux file managers take no registered libraries; their menus are theirs to configure.
    LogMessage(QStringLiteral("Platform::RequestShellExtension"),
        QStringLiteral("Not available here: %1 %2")
            .arg(QLatin1String(install ? "register" : "unregister"), libraryPath));
    return EShellExtensionRequest::NotAvailable;
}

} // namespace Platform
