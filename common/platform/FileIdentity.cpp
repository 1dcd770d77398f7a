#include "FileIdentity.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/vfs.h>
#include <time.h>

namespace Platform {

namespace {

qint64 Nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + qint64(time.tv_nsec);
}

} // namespace

bool ReadFileIdentity(const QString &path, SFileIdentity &identity)
{
    if (path.isEmpty())
        return false;
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    identity = IdentityOf(status);
    return true;
}

SFileIdentity IdentityOf(const struct stat &status)
{
    SFileIdentity identity;
    identity.size = qint64(status.st_size);
    identity.modifiedNs = Nanoseconds(status.st_mtim);
    identity.changedNs = Nanoseconds(status.st_ctim);
    identity.inode = quint64(status.st_ino);
    identity.device = quint64(status.st_dev);
    return identity;
}

bool KeepsFileIdentity(const QString &path)
{
    struct statfs status
    {
    };
    if (path.isEmpty() || ::statfs(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    // Local file systems whose inode numbers stay with a file for its life and whose change
    // time moves at every write. FAT and exFAT make inode numbers up per mount and keep no
    // change time; network file systems may cache attributes.
    switch (quint64(status.f_type)) {
    case 0xEF53: // ext2, ext3, ext4
    case 0x58465342: // xfs
    case 0x9123683E: // btrfs
    case 0x01021994: // tmpfs
    case 0xF2F52010: // f2fs
    case 0x2FC12FC1: // zfs
    case 0xCA451A4E: // bcachefs
    case 0x3153464A: // jfs
    case 0x52654973: // reiserfs
    case 0x3434: // nilfs2
        return true;
    default:
        return false;
    }
}

qint64 WallClockNs()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

} // namespace Platform
