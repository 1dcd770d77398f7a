#pragma once

#include <QString>

// Prepares ImageMagick for this process; every program and test that touches images calls
// it once from main before any image is made.
void InitializeImageEngine(const char *argv0);

// "ImageMagick 6.9.11-60 Q16 ..." as the library reports itself.
QString ImageEngineVersion();
