#include "FolderListing.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace Platform {

namespace {

EEntryKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EEntryKind::File;
    if (S_ISDIR(mode))
        return EEntryKind::Folder;
    if (S_ISLNK(mode))
        return EEntryKind::Link;
    return EEntryKind::Other;
}

} // namespace

bool ListFolder(const QString &folder, QList<SFolderEntry> &entries)
{
    entries.clear();
    DIR *directory = ::opendir(QFile::encodeName(folder).constData());
    if (!directory)
        return false;
    const int descriptor = ::dirfd(directory);
    while (const dirent *entry = ::readdir(directory)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        SFolderEntry item;
        item.name = QFile::decodeName(name);
        // A name that is not UTF-8 cannot be addressed through a QString: left out, as Qt's
        // own listings do.
        if (item.name.contains(QChar::ReplacementCharacter) && QFile::encodeName(item.name) != name)
            continue;
        struct stat status
        {
        };
        if (::fstatat(descriptor, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone since the folder was read
        item.kind = KindOf(status.st_mode);
        item.identity = IdentityOf(status);
        entries.append(item);
    }
    ::closedir(directory);
    return true;
}

bool IsFolderFollowed(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace Platform
