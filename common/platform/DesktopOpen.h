#pragma once

#include <QString>

#include <functional>

namespace Platform {

// Opens a local file or folder with the desktop's default handler. False when nothing
// could be started.
bool OpenLocalPath(const QString &path);

// Replaces the desktop for this process (tests install one so that no viewer ever starts);
// an empty function restores the desktop.
using LocalPathOpener = std::function<bool(const QString &path)>;
void SetLocalPathOpener(LocalPathOpener opener);

} // namespace Platform
