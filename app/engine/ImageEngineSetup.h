#pragma once

#include <QString>
#include <QStringList>

// Prepares ImageMagick for this process; every program and test that touches images calls
// it once from main before any image is made (later calls do nothing). It
// - points MAGICK_CONFIGURE_PATH at a policy.xml with resource ceilings sized to the machine
//   (Data/policy.xml, copied with its memory and map values fitted), since the system policy
//   caps the process far below what several workers with large photos need;
// - starts ImageMagick;
// - allows the PostScript and PDF coders, which the system policy blocks, and denies every
//   coder that reads, fetches or runs something named inside a file (ImageDeniedCoders), so
//   that a crafted photo in a watched folder cannot make the program touch anything else.
void InitializeImageEngine(const char *argv0);

// "ImageMagick 6.9.11-60 Q16 ..." as the library reports itself.
QString ImageEngineVersion();

// The coders ImageMagick may not use for reading or writing in this process.
QStringList ImageDeniedCoders();
