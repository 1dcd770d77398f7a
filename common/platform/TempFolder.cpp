#include "TempFolder.h"

#include "Trace.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {
namespace {
QString Refuse(const QString &path, const QString &why)
{
    LogMessage(QStringLiteral("Platform::TempWorkFolder"), why + QLatin1Char(' ') + path);
    return QString();
}
} // namespace

QString TempWorkFolder()
{
    const uid_t uid = getuid();
    const QString path =
        QDir::tempPath() + QStringLiteral("/QuendrasilTemp-") + QString::number(uid);
    const QByteArray native = QFile::encodeName(path);

    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Refuse(path, QStringLiteral("Cannot create (%1)").arg(strerror(errno)));

    // lstat: a link planted by someone else must never be taken for our folder.
    struct stat info{};
    if (lstat(native.constData(), &info) != 0)
        return Refuse(path, QStringLiteral("Cannot inspect (%1)").arg(strerror(errno)));
    if (S_ISLNK(info.st_mode))
        return Refuse(path, QStringLiteral("Refused link"));
    if (!S_ISDIR(info.st_mode))
        return Refuse(path, QStringLiteral("Refused non-folder"));
    if (info.st_uid != uid)
        return Refuse(path, QStringLiteral("Refused folder of another user"));
    if ((info.st_mode & 0777) != 0700 && chmod(native.constData(), 0700) != 0)
        return Refuse(path, QStringLiteral("Cannot make private"));
    return path;
}

} // namespace Platform
