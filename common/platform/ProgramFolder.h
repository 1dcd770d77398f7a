#pragma once

#include <QString>

namespace Platform {

// Data/ beside the running program: the colour profiles, frames, sample photo and help.
// The build tree and an install lay it out the same way.
QString ProgramDataFolder();

} // namespace Platform
