#pragma once

#include <QString>

namespace Platform {

// Starting a program when the user logs in: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart, ~/.config/autostart by default), named by `entryName`
// ("quendrasil-monitor" gives "quendrasil-monitor.desktop").

// The entry's full path.
QString LoginStartEntryPath(const QString &entryName);
// True when the entry exists.
bool HasLoginStartEntry(const QString &entryName);
// Writes the entry so that the session starts `programPath` without arguments; `displayName`
// is what session settings show. False when it cannot be written.
bool AddLoginStartEntry(
    const QString &entryName, const QString &displayName, const QString &programPath);
// Removes the entry; true when it is absent afterwards.
bool RemoveLoginStartEntry(const QString &entryName);

} // namespace Platform
