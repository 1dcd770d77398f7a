#include "FileTimes.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace Platform {

namespace {

constexpr quint32 PermissionMask = 0777;

timespec ToTimespec(const SFileTime &time)
{
    timespec result {};
    if (time.IsZero()) {
        result.tv_nsec = UTIME_OMIT; // "not known": the file keeps what it has
    } else {
        result.tv_sec = static_cast<time_t>(time.seconds);
        result.tv_nsec = static_cast<long>(time.nanoseconds);
    }
    return result;
}

SFileTime FromTimespec(const timespec &time)
{
    return SFileTime { static_cast<qint64>(time.tv_sec), static_cast<qint64>(time.tv_nsec) };
}

bool StatPath(const QString &path, struct stat &status)
{
    if (path.isEmpty())
        return false;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

bool ReadFileStamp(const QString &path, SFileStamp &stamp)
{
    struct stat status
    {
    };
    if (!StatPath(path, status))
        return false;
    stamp.permissions = static_cast<quint32>(status.st_mode) & PermissionMask;
    stamp.accessTime = FromTimespec(status.st_atim);
    stamp.modificationTime = FromTimespec(status.st_mtim);
    return true;
}

bool WriteFileTimes(
    const QString &path, const SFileTime &accessTime, const SFileTime &modificationTime)
{
    if (path.isEmpty())
        return false;
    // Out-of-range nanoseconds would make the whole call fail with EINVAL.
    for (const SFileTime *time : { &accessTime, &modificationTime }) {
        if (time->nanoseconds < 0 || time->nanoseconds > 999999999)
            return false;
    }
    const timespec times[2] = { ToTimespec(accessTime), ToTimespec(modificationTime) };
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

bool WritePermissions(const QString &path, quint32 permissions)
{
    if (path.isEmpty())
        return false;
    return ::chmod(QFile::encodeName(path).constData(),
               static_cast<mode_t>(permissions & PermissionMask))
        == 0;
}

bool IsReadOnly(quint32 permissions)
{
    return (permissions & S_IWUSR) == 0;
}

bool SetReadOnly(const QString &path, bool readOnly)
{
    struct stat status
    {
    };
    if (!StatPath(path, status))
        return false;
    const quint32 current = static_cast<quint32>(status.st_mode) & PermissionMask;
    const quint32 wanted = readOnly ? (current & ~quint32(S_IWUSR)) : (current | S_IWUSR);
    if (wanted == current)
        return true;
    return WritePermissions(path, wanted);
}

} // namespace Platform
