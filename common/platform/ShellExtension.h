#pragma once

#include <QString>

#include <functional>

namespace Platform {

// The file manager's context-menu entry for the program comes from a companion library that
// the system registers. What became of a request is for the system's own tool to say.
enum class EShellExtensionRequest {
    Started, // the registration tool was started; nothing waits for it
    NotAvailable, // this system has no such context-menu extension
};

// True when this system has such an extension to include or leave out; false on Linux, where
// file managers take no registered libraries. A requester installed below stands in for a
// system that has one.
bool HasShellExtension();

// Asks the system to register (install) or unregister the extension in `libraryPath`.
EShellExtensionRequest RequestShellExtension(const QString &libraryPath, bool install);

// Replaces the system for this process (tests install one so that no tool ever starts);
// an empty function restores the system.
using ShellExtensionRequester
    = std::function<EShellExtensionRequest(const QString &libraryPath, bool install)>;
void SetShellExtensionRequester(ShellExtensionRequester requester);

} // namespace Platform
