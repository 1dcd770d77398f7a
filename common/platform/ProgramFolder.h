#pragma once

#include <QString>

namespace Platform {

// Data/ beside the running program: the colour profiles, frames, sample photo and help.
// The build tree and an install lay it out the same way.
QString ProgramDataFolder();

// translations/ beside the running program: the compiled "Ln_<code>.qm" files.
QString TranslationsFolder();

// The guard every external helper of ImageMagick is started through (quendrasil-guard).
QString HelperGuardPath();

// The companion program Monitor beside the running program.
QString MonitorProgramPath();

} // namespace Platform
