#pragma once

#include <QString>

#include <functional>

namespace Platform {

// ImageMagick writes its "magick-*" swap files into the folder named by MAGICK_TEMPORARY_PATH.
// Each process gets its own, "ImageMagick-<pid>" inside the private work folder, so that the
// clean-up at start can tell stale files (of processes that ended) from those in use.
// Sets the variable (before the image engine starts) and returns the folder; empty when
// there is no safe work folder, and ImageMagick then keeps its own default.
QString PrepareMagickTemporaryFolder();

// Removes the "magick-*" files (and the image engine's own files beside them) left in the folders
// of processes that no longer run, and then those folders. `removed` hears the name of each file
// removed.
void RemoveStaleMagickFiles(const std::function<void(const QString &name)> &removed);

} // namespace Platform
