#pragma once

#include <QString>
#include <QtGlobal>

struct stat;

namespace Platform {

// What the file system says about a file without reading it: while all of it stays the same,
// so does the content (on a file system that keeps real inode numbers and change times).
struct SFileIdentity
{
    qint64 size = 0;
    qint64 modifiedNs = 0; // modification time, ns since 1970 UTC
    qint64 changedNs = 0; // status change time: moves even when a tool restores the former
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const SFileIdentity &other) const = default;
};

// Links are followed. False when the file cannot be examined.
bool ReadFileIdentity(const QString &path, SFileIdentity &identity);
SFileIdentity IdentityOf(const struct stat &status);

// Whether the file system holding `path` keeps inode numbers and change times that a cache
// may rely on (ext4, xfs, btrfs, tmpfs, f2fs and the like). False for FAT and exFAT cards,
// network mounts, overlays and anything not known.
bool KeepsFileIdentity(const QString &path);

// The wall clock that file times are taken from, in ns since 1970 UTC.
qint64 WallClockNs();

} // namespace Platform
