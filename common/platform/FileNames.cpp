#include "FileNames.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace Platform {

QList<SUnaddressableEntry> UnaddressableEntries(const QString &folder)
{
    QList<SUnaddressableEntry> entries;
    DIR *directory = ::opendir(QFile::encodeName(folder).constData());
    if (!directory)
        return entries;
    const int folderFd = ::dirfd(directory);
    while (const dirent *entry = ::readdir(directory)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        // A name that survives the trip through QString is one Qt can address.
        if (QFile::encodeName(QFile::decodeName(name)) == name)
            continue;
        struct stat info
        {
        };
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode))
            entries.append({ name, false });
        else if (S_ISDIR(info.st_mode))
            entries.append({ name, true });
    }
    ::closedir(directory);
    return entries;
}

} // namespace Platform
