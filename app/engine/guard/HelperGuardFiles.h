#pragma once

// A file the program and quendrasil-guard share in the process's private ImageMagick folder.
// While it is there the program is ending every helper (an aborted run, the program's end):
// each guard ends its helper within its check interval, and a guard that starts runs none.
// A stop by signal alone misses a helper still in its shell, a guard killed before it can
// leave its marker (ImageMagick then runs the command again) and one that starts just after.
inline constexpr char HelperStopFileName[] = "guard-stop";
