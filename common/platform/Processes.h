#pragma once

#include <QString>

namespace Platform {

// Starts a program of our own by its full path, detached: it outlives us and nobody waits
// for it. The path is handed over as it is (no quoting, no suffix). False when it could not
// be started.
bool StartDetachedProgram(const QString &path);

// True while a process with this id runs (also when it belongs to another user).
bool IsProcessAlive(qint64 pid);

// Asks every running child process of ours that was started from `program` (a full path) to
// end (SIGTERM). Returns how many were asked.
int EndChildProcesses(const QString &program);

// Ends the process at once with `code`, without running the event loop's shutdown: the
// standard streams are flushed first. Callers stop their own threads before.
[[noreturn]] void ExitProcessNow(int code);

} // namespace Platform
