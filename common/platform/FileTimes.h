#pragma once

#include <QString>
#include <QtGlobal>

namespace Platform {

// A file time as the file system keeps it: seconds and nanoseconds since 1970-01-01 UTC.
// Zero stands for "not known" and is never written to a file.
struct SFileTime
{
    qint64 seconds = 0;
    qint64 nanoseconds = 0;

    bool IsZero() const { return seconds == 0 && nanoseconds == 0; }
    bool operator==(const SFileTime &other) const = default;
};

// What this platform keeps of a file beside its content. There is no hidden attribute and no
// settable creation time here.
struct SFileStamp
{
    quint32 permissions = 0; // the rwx bits of owner, group and others (mask 0777)
    SFileTime accessTime;
    SFileTime modificationTime;
};

// The permission bits and times of a file; links are followed. False when the file cannot be
// examined (missing, no search permission on its folder, not a regular name).
bool ReadFileStamp(const QString &path, SFileStamp &stamp);

// Sets the access and modification times; a zero time leaves that time as it is. True when
// the file took every non-zero time (also when both are zero and nothing was to be done).
bool WriteFileTimes(
    const QString &path, const SFileTime &accessTime, const SFileTime &modificationTime);

// Sets the rwx bits (mask 0777); set-user-id, set-group-id and sticky bits are never set.
bool WritePermissions(const QString &path, quint32 permissions);

// Read-only here means the owner may not write.
bool IsReadOnly(quint32 permissions);
// Takes away or gives back the owner's write permission; the other bits stay.
bool SetReadOnly(const QString &path, bool readOnly);

} // namespace Platform
