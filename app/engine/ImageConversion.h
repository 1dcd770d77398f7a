#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include "ImageProperties.h"
#include "TextCodecs.h" // FileSizeText

namespace Magick {
class Image;
}

// The image as 32-bit ARGB, not premultiplied; any thread. An image without alpha gives
// opaque pixels and a CMYK image is converted to sRGB first. A null QImage when the image
// is empty or cannot be converted.
QImage MagickToQImage(Magick::Image image);

// A copy whose alpha is multiplied by opacity / 255 (0 fully transparent, 255 unchanged),
// at the application's device pixel ratio. GUI thread only.
QPixmap PixmapWithOpacity(const QPixmap &pixmap, int opacity);

// The lines the photo lists show for a file: name, type, size and, when the photo can be
// pinged, its dimensions, date taken and camera. "Photo not found" for a missing file.
QString PhotoInfoText(const QString &path);
// The same from properties already pinged (null: the photo could not be pinged).
QString PhotoInfoText(const QString &path, const SImageProperties *properties);

// The camera as the photo lists name it: the make cut at its first space, and the model
// without its first word when that repeats the make ("Canon" + "Canon EOS 5D": "Canon EOS 5D").
QString CameraText(const QString &make, const QString &model);
