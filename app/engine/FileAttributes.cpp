#include "FileAttributes.h"

#include "Trace.h"

#include <sys/stat.h>

namespace FileAttributes {

bool Read(const QString &path, SFileAttributeRecord &record)
{
    record = SFileAttributeRecord();
    Platform::SFileStamp stamp;
    if (!Platform::ReadFileStamp(path, stamp)) {
        LogMessage(QStringLiteral("FileAttributes::Read"),
            QStringLiteral("FileAttributes: Cannot read file"));
        return false;
    }
    record.timesRead = true;
    record.attributes = stamp.permissions;
    record.lastAccessTime = stamp.accessTime;
    record.lastWriteTime = stamp.modificationTime;
    return true;
}

bool Write(const QString &path, const SFileAttributeRecord &record)
{
    // A record of a source that could not be examined holds no times worth giving anyone.
    if (!record.timesRead)
        return false;
    Platform::SFileStamp current;
    if (!Platform::ReadFileStamp(path, current)) {
        LogMessage(QStringLiteral("FileAttributes::Write"),
            QStringLiteral("FileAttributes: Cannot write file"));
        return false;
    }
    // Times first: they need ownership, not write permission, so a read-only result is fine.
    const bool timesSet
        = Platform::WriteFileTimes(path, record.lastAccessTime, record.lastWriteTime);
    // The output is the user's own work: it stays readable to its owner whatever the source.
    const bool permissionsSet = Platform::WritePermissions(path, record.attributes | S_IRUSR);
    if (!timesSet || !permissionsSet) {
        LogMessage(QStringLiteral("FileAttributes::Write"),
            QStringLiteral("FileAttributes: Cannot write file"));
    }
    return timesSet && permissionsSet;
}

bool ClearHidden(const QString &path)
{
    Q_UNUSED(path);
    return false;
}

} // namespace FileAttributes
