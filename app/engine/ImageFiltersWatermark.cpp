// Watermark-Logo (1110) and Watermark-Mask (1120): a picture from a file laid over the photo.
// A logo or overlay file that is missing or unreadable, or a value the settings page does not
// offer, fails the step and leaves the photo as it was.

#include "ImageFilters.h"

#include "WatermarkOverlays.h"

namespace {

// A greyscale photo keeps its grey colour space and type through a composite, and the
// writers then store grey samples only (the JPEG coder trusts a grey type without looking at
// the pixels): a coloured logo or overlay would lose its colour.
void PrepareForColour(Magick::Image &photo)
{
    const MagickCore::ImageType type = photo.constImage()->type;
    if (photo.colorSpace() != Magick::GRAYColorspace && type != MagickCore::GrayscaleType
        && type != MagickCore::GrayscaleMatteType && type != MagickCore::BilevelType)
        return;
    photo.modifyImage();
    MagickCore::SetImageType(
        photo.image(), photo.matte() ? MagickCore::TrueColorMatteType : MagickCore::TrueColorType);
}

} // namespace

bool CImageFilters::ApplyWatermarkLogo()
{
    SWatermarkLogoSettings settings;
    if (!ReadWatermarkLogoSettings(record, settings))
        return false;

    Magick::Image logo;
    if (!LoadImage(*sideImages, logo, settings.path, true, settings.transparency))
        return false;

    if (settings.rotation != 0) {
        // ImageMagick fills the corners a rotation adds with the background colour, which is
        // opaque white unless set; they must stay see-through.
        logo.backgroundColor(Magick::Color("transparent"));
        logo.rotate(settings.rotation);
    }

    const auto width = size_t(double(logo.columns()) * settings.scale / 100.0);
    const auto height = size_t(double(logo.rows()) * settings.scale / 100.0);
    // Scaled to nothing there is nothing to lay over the photo (a zero size would make
    // ImageMagick keep the logo's own size instead).
    if (width == 0 || height == 0)
        return true;
    logo.scale(Magick::Geometry(width, height));

    const QPoint position
        = WatermarkLogoPosition(settings.anchor, double(target->columns()), double(target->rows()),
            double(logo.columns()), double(logo.rows()), settings.marginX, settings.marginY);
    PrepareForColour(*target);
    target->composite(logo, position.x(), position.y(), Magick::OverCompositeOp);
    return true;
}

bool CImageFilters::ApplyWatermarkMask()
{
    SWatermarkMaskSettings settings;
    if (!ReadWatermarkMaskSettings(record, settings))
        return false;

    const size_t width = target->columns();
    const size_t height = target->rows();
    const bool portrait = height > width;

    Magick::Image overlay;
    if (settings.rotateForPortrait || !portrait) {
        if (!LoadImage(*sideImages, overlay, settings.landscapePath, true, settings.transparency))
            return false;
        if (portrait)
            overlay.rotate(90.0);
    } else if (!LoadImage(
                   *sideImages, overlay, settings.portraitPath, true, settings.transparency)) {
        return false;
    }

    Magick::Geometry size(width, height);
    size.aspect(true); // exactly the photo's size, whatever the overlay's proportions
    overlay.resize(size);
    PrepareForColour(*target);
    target->composite(overlay, 0, 0, Magick::OverCompositeOp);
    return true;
}
