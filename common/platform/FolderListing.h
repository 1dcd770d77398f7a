#pragma once

#include "FileIdentity.h"

#include <QList>
#include <QString>

namespace Platform {

// What a folder entry is in itself: a link is a link, whatever it points to.
enum class EEntryKind { File, Folder, Link, Other };

struct SFolderEntry
{
    QString name;
    EEntryKind kind = EEntryKind::Other;
    SFileIdentity identity; // of the entry itself; a link's own
};

// The entries of one folder in the order the file system gives them, "." and ".." and names
// that are not UTF-8 left out.
// Each entry is examined relative to the open folder, which is far cheaper than looking up
// its whole path again. False when the folder cannot be read.
bool ListFolder(const QString &folder, QList<SFolderEntry> &entries);

// Whether the entry, followed if it is a link, is a folder.
bool IsFolderFollowed(const QString &path);

} // namespace Platform
