#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Platform {

// An entry of a folder whose name is not valid in the file-name encoding (UTF-8 here): Qt
// cannot address it, and its own listings leave it out without a word.
struct SUnaddressableEntry
{
    QByteArray name; // the name's bytes as the file system holds them
    bool isFolder = false;
};

// The plain files and folders of `folder` (links left out) that Qt cannot address.
QList<SUnaddressableEntry> UnaddressableEntries(const QString &folder);

} // namespace Platform
