// The text annotations of the batch: Comment, Date and Watermark-Text. The drawing itself is
// shared with the previews (TextAnnotations.h).
#include "ImageFilters.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <Magick++.h>

#include "FilterSlots.h"
#include "TextAnnotations.h"

#include <cmath>

namespace {

// IM6 keeps a grey photo's Gray colorspace and grey image type when colour is composited onto
// it, and the JPEG writer then drops the text's colour; grey pixels turn to sRGB unchanged.
void CompositeOver(Magick::Image &photo, const Magick::Image &overlay, int x, int y)
{
    if (photo.colorSpace() == Magick::GRAYColorspace)
        photo.type(photo.matte() ? Magick::TrueColorMatteType : Magick::TrueColorType);
    photo.composite(overlay, x, y, Magick::OverCompositeOp);
}

void CompositeText(Magick::Image &photo, const QImage &text, int x, int y)
{
    CompositeOver(photo, PixmapToImage(text), x, y);
}

} // namespace

bool CImageFilters::ApplyComment()
{
    QImage text;
    QRect rect;
    if (!UpdateComment(
            text, rect, record, *this, int(target->columns()), int(target->rows()), 1.0, 0, 0, 1.0))
        return false;
    if (!text.isNull())
        CompositeText(*target, text, rect.x(), rect.y());
    return true;
}

bool CImageFilters::ApplyDate()
{
    const QString exifDate = QString::fromStdString(target->attribute("EXIF:DateTimeOriginal"));
    QImage text;
    QRect rect;
    if (!UpdateDate(text, rect, exifDate, record, *this, int(target->columns()),
            int(target->rows()), 1.0, 0, 0, 1.0))
        return false;
    if (!text.isNull())
        CompositeText(*target, text, rect.x(), rect.y());
    return true;
}

bool CImageFilters::ApplyWatermarkText()
{
    QImage text;
    QRect rect;
    QRect textRect;
    int width = 0;
    int height = 0;
    if (!UpdateWatermarkText(text, rect, textRect, width, height, record, imageIndex, *this,
            int(target->columns()), int(target->rows()), drawScale, false, 1.0))
        return false;
    if (text.isNull())
        return true;

    Magick::Image overlay = PixmapToImage(text);
    const int degrees = int(std::trunc(record.numbers[WatermarkTextSlot::Rotation]));
    if (degrees % 360 != 0) {
        // IM6 reads a colour's alpha as opacity: Color(0, 0, 0, 0) would be opaque black in
        // the corners the rotation opens up.
        overlay.backgroundColor(Magick::Color("transparent"));
        overlay.rotate(degrees);
    }
    // The turned text keeps the centre of the unturned box.
    const int x = rect.x() + int(std::trunc(width * 0.5 - overlay.columns() * 0.5));
    const int y = rect.y() + int(std::trunc(height * 0.5 - overlay.rows() * 0.5));
    CompositeOver(*target, overlay, x, y);
    return true;
}
