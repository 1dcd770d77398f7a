#pragma once

#include <QString>

namespace Platform {

// The program's temporary work folder, "QuendrasilTemp-<uid>" under the system temporary
// folder. The temporary folder is shared between users, so the work folder is private
// (mode 0700) and refused when it is a link or belongs to someone else. Created on demand;
// empty when it cannot be had safely (the reason goes to the trace).
QString TempWorkFolder();

} // namespace Platform
