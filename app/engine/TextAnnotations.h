#pragma once

// The text annotations Comment (1000), Date (1010) and Watermark-Text (1100): building their
// texts from the record, the photo's path and its metadata, drawing them with Qt into a
// transparent QImage and placing that image on the photo. The batch handlers of CImageFilters
// and the interactive previews share these functions, so a preview shows exactly what the
// batch stamps. Everything here works on QImage and runs in any thread that has a
// QGuiApplication in the process (fonts need one).
//
// The Update functions return false when the step cannot do its work: a value outside what
// the settings page offers, an unreadable text file or texture, or a text too large to draw.
// A list choice the page does not offer (placement, alignment, the Date's lists) is no such
// value: it takes the page's default item. Every stored number is some colour. True with a
// null image means there is nothing to draw (an empty text).
//
// Sizes: `scale` is the preview's zoom (1.0 in the batch); `pixelRatio` is the screen's device
// pixel ratio, passed in by the preview (1.0 in the batch), so the engine never asks the GUI.
// With a ratio above 1 the text is drawn with a larger font for a sharp picture, the image
// carries that ratio, and every size handed back is in the caller's logical pixels.

#include "FilterRecord.h"
#include "ImageFilters.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <Magick++.h>

// Fills sourcePath and the five path parts the way CImageFilters::Apply works them out, for a
// preview that calls the Update functions without running Apply.
void SetSourcePath(CImageFilters &filters, const QString &sourcePath);

// The Comment's keywords: [Filename] base name, [Ext] extension, [Folder] the folder's own
// name, [Path] the folder with native separators.
QString ExpandCommentKeywords(const QString &text, const CImageFilters &filters);
// The Watermark-Text's keywords: the four symbols, the file keywords ([Path] is the whole
// source path here), and the photo's metadata from filters.properties.
QString ExpandWatermarkKeywords(const QString &text, const CImageFilters &filters);

// Where a box of `width` x `height` goes on a photo for one of the nine anchors (0 top left
// to 8 bottom right) with margins measured inwards. False for an anchor outside 0 to 8.
[[nodiscard]] bool GetAnchorRect(QRect &rect, int anchor, double photoWidth, double photoHeight,
    double marginX, double marginY, double width, double height);

// The Date's text. `shown` 0-2 stamps the photo's moment (the EXIF "YYYY:MM:DD HH:MM:SS"
// text, or the file's modification time when that is empty or names no real moment), 3-5
// the moment `now` (the current time when `now` is invalid). `offset` is the 21-character
// correction "+YYYY+MM+DD +hh+mm+ss". False when a layout is outside the page's lists, the
// file time is needed but unavailable, or the corrected year is before year 1. A separator
// outside its list (0 " ", 1 "-", 2 "/", 3 ".", 4 ",") is the page's default, ",".
[[nodiscard]] bool FormatDate(QString &text, const QString &sourcePath, const QString &exifDate,
    int shown, int dateLayout, int timeLayout, int separator, const QString &offset,
    const QDateTime &now = QDateTime());

// The Comment: the image of the text and its place on the photo (caller's pixels, moved by
// the drag offset). The path parts for the keywords come from `filters`.
[[nodiscard]] bool UpdateComment(QImage &image, QRect &rect, const SFilterRecord &record,
    const CImageFilters &filters, int photoWidth, int photoHeight, double scale, int offsetX,
    int offsetY, double pixelRatio);

// The Date: the image of the stamp (rotation, blur and shadow included) and its place.
// `exifDate` is the photo's "EXIF:DateTimeOriginal" or empty; the file time comes from
// filters.sourcePath; the texture is kept in filters.sideImages.
[[nodiscard]] bool UpdateDate(QImage &image, QRect &rect, const QString &exifDate,
    const SFilterRecord &record, CImageFilters &filters, int photoWidth, int photoHeight,
    double scale, int offsetX, int offsetY, double pixelRatio);

// The Watermark-Text: `rect` is the place of the final image, `textRect` that of the
// unrotated text box and `textWidth` x `textHeight` the unrotated text size. With `rotate`
// (previews) the image itself is turned; otherwise the caller turns it. `sequenceNumber`
// picks the line of a sequential text file.
[[nodiscard]] bool UpdateWatermarkText(QImage &image, QRect &rect, QRect &textRect, int &textWidth,
    int &textHeight, const SFilterRecord &record, int sequenceNumber, const CImageFilters &filters,
    int photoWidth, int photoHeight, double scale, bool rotate, double pixelRatio);

// The drawn text as an ImageMagick image with its alpha; an empty image for a null one.
Magick::Image PixmapToImage(const QImage &image);

// Exponential blur of every channel, in place size; radius 0 returns the image unchanged.
QImage BlurImage(const QImage &image, int radius);

// The image with a drop shadow behind it, grown by the shadow's offset. `angle` in degrees:
// 0 throws the shadow down, 90 left, 180 up, 270 right. `distance` is a percentage of
// `referenceLength`; `blur` 0 to 10.
QImage AddDropShadow(const QImage &input, bool enabled, QRgb colour, int transparency, int distance,
    int referenceLength, int angle, int blur);
