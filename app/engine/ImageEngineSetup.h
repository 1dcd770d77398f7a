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
//   that a crafted photo in a watched folder cannot make the program touch anything else;
// - starts every external helper of ImageMagick (Ghostscript, for PDF and PostScript)
//   through quendrasil-guard, which ends it after ImageHelperTimeLimit seconds
//   ("Settings/Settings.HelperTimeLimit", default 60) and when the program ends.
void InitializeImageEngine(const char *argv0);

// Seconds an external helper may take for one read.
int ImageHelperTimeLimit();
// False when the guard could not be set up (the trace says why): helpers then run unbounded.
bool ImageHelpersGuarded();
// Ends every helper of this process (an aborted run, the program's end): those running now,
// and those only starting (in their shell, in the guard's first instants, ImageMagick's second
// attempt) as soon as they run, until AllowImageHelpers() has been called as often as this.
// The reads waiting for them fail. Returns how many were running.
int EndImageHelpers();
// Takes back one EndImageHelpers(); helpers run again when none is left.
void AllowImageHelpers();

// Whether Ghostscript, which ImageMagick runs for PDF and PostScript, can be found.
bool GhostscriptInstalled();
// A failed read of a file with this extension deserves the Ghostscript notice: its format
// needs Ghostscript and Ghostscript is missing. Any other failure is an ordinary one.
bool GhostscriptNoticeDue(const QString &extension);

// "ImageMagick 6.9.11-60 Q16 ..." as the library reports itself.
QString ImageEngineVersion();

// The coders ImageMagick may not use for reading or writing in this process.
QStringList ImageDeniedCoders();
