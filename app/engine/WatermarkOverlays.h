#pragma once

// The picture overlays of the Annotate group: Watermark-Logo (1110) lays a logo file at one of
// nine anchors, Watermark-Mask (1120) stretches an overlay file over the whole photo. The
// batch handlers live in CImageFilters; this header holds what they share with the preview.

#include "FilterRecord.h"
#include "SideImageCache.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <Magick++.h>

// A Watermark-Logo record as the engine uses it.
struct SWatermarkLogoSettings
{
    int anchor = 8; // 0 top left ... 8 bottom right, row by row
    double marginX = 0.0; // photo pixels, from the anchored edge inwards
    double marginY = 0.0;
    double scale = 100.0; // percent of the logo file's own size
    int rotation = 0; // degrees, clockwise
    double transparency = 0.0; // percent, 0 opaque
    QString path; // "/" separators
};

// A Watermark-Mask record as the engine uses it.
struct SWatermarkMaskSettings
{
    bool rotateForPortrait = true; // portrait photos get the landscape overlay turned
    double transparency = 0.0; // percent, 0 opaque
    QString landscapePath;
    QString portraitPath;
};

// False when a value lies outside what the settings page offers (NaN included): margins -30000
// to 30000, scale 0-1000, rotation 0-359, transparency 0-100. An anchor outside the page's list
// is the page's default, bottom right.
bool ReadWatermarkLogoSettings(const SFilterRecord &record, SWatermarkLogoSettings &settings);
// False when the transparency is outside 0-100. A portrait choice other than 0 or 1 is the
// page's default, turning the mask.
bool ReadWatermarkMaskSettings(const SFilterRecord &record, SWatermarkMaskSettings &settings);

// Top-left corner of a logo of logoWidth x logoHeight on a photo of photoWidth x photoHeight
// at `anchor` (bottom right when outside 0 to 8), the margins counted from the anchored edges
// (from the centre on a centre axis).
// Each coordinate is rounded half up from its integer part toward zero.
QPoint WatermarkLogoPosition(int anchor, double photoWidth, double photoHeight, double logoWidth,
    double logoHeight, double marginX, double marginY);

// Puts the picture of the file at `path` into `target`, with an alpha channel and in sRGB.
// The file is read only when `cache` does not already hold it; a successful read keeps the
// picture as read there. With `applyTransparency` every alpha is lowered by
// trunc(transparency x 2.55), down to 0. False when the file does not exist or cannot be read;
// the cache is then left as it was.
bool LoadImage(CSideImageCache &cache, Magick::Image &target, const QString &path,
    bool applyTransparency, double transparency);

// The preview's logo drawn with Qt, any thread: `logo` becomes the turned, scaled and faded
// logo and `rectangle` its place on the shown photo (photoWidth x photoHeight, in the caller's
// pixels; `scale` is shown pixels per photo pixel). With a pixelRatio above 1 the logo is drawn
// at device resolution (and carries that ratio) while the rectangle stays in logical pixels.
// A logo scaled to nothing gives a null image and an empty rectangle at its anchor. False, with
// a null image and rectangle, when the record holds values the settings page does not offer or
// Qt cannot read the logo file.
bool UpdateWatermarkLogo(QImage &logo, QRect &rectangle, const SFilterRecord &record,
    int photoWidth, int photoHeight, double scale, double pixelRatio);
