// The Transform group (ids 5000-5080): orientation, crops, sizes, offsets, rotation and the
// replacement of one colour. A list choice the settings page does not offer takes the page's
// default item. A step that cannot do what its record asks (a size or region that leaves
// nothing of the photo) fails and leaves the photo as it was; a step that deliberately changes
// nothing (never enlarge, a rotation limited to the other orientation) succeeds.

#include "ImageFilters.h"

#include "FilterSlots.h"
#include "Rounding.h"
#include "StoredValues.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using MagickCore::Quantum;

// Tolerances are given on the 0-255 scale; this build's samples run to QuantumRange.
constexpr double QuantaPerSample = double(QuantumRange) / 255.0;

// No photo comes near this many pixels on a side (ImageMagick's own limits are far lower);
// larger values, as a damaged document may hold, would overflow the integer work below.
constexpr double MaximumExtent = 16777216.0;

// The preset proportions of Auto Crop by AutoCropSlot::ERatio, as truncated decimals: 16:9,
// 16:10, 3:2, 4:3, 1:1; the list's last item is the custom ratio.
constexpr double AutoCropPresets[] = { 1.777777, 1.6, 1.5, 1.333333, 1.0 };
static_assert(size_t(AutoCropSlot::ERatio::Custom) == std::size(AutoCropPresets)
    && int(AutoCropSlot::ERatio::Custom) + 1 == AutoCropSlot::AspectRatioChoice.count);

bool IsExtent(double value)
{
    return std::isfinite(value) && std::fabs(value) <= MaximumExtent;
}

bool HasPixels(const Magick::Image *image)
{
    return image != nullptr && image->isValid() && image->columns() > 0 && image->rows() > 0;
}

// Cuts a region given in the photo's own pixels. ImageMagick crops in virtual-canvas
// coordinates, so a page offset (a GIF frame, an earlier rotation) would shift the region or
// make the crop fail: the page is reset first, and again afterwards so that the output carries
// no offset.
bool CropRegion(Magick::Image &image, double width, double height, double x, double y)
{
    if (width < 1.0 || height < 1.0 || x < 0.0 || y < 0.0 || x >= double(image.columns())
        || y >= double(image.rows()))
        return false;
    image.page(Magick::Geometry(image.columns(), image.rows(), 0, 0));
    image.crop(Magick::Geometry(size_t(width), size_t(height), ssize_t(x), ssize_t(y)));
    image.page(Magick::Geometry(image.columns(), image.rows(), 0, 0));
    return true;
}

void ScaleTo(Magick::Image &image, const QString &geometry)
{
    image.scale(Magick::Geometry(geometry.toStdString()));
}

QString BoxGeometry(double width, double height, bool exact)
{
    return QStringLiteral("%1x%2%3")
        .arg(qint64(width))
        .arg(qint64(height))
        .arg(exact ? QStringLiteral("!") : QString());
}

// The larger requested side becomes the photo's long side and the other follows the photo's
// proportions, with at least one pixel: a fit into that box would give one anyway.
void FitLongSide(double aspect, double &width, double &height)
{
    const double longSide = std::max(width, height);
    if (aspect >= 1.0) {
        width = longSide;
        height = std::max(longSide / aspect, 1.0);
    } else {
        width = std::max(longSide * aspect, 1.0);
        height = longSide;
    }
}

// A colour saved by a colour button, of which red, green and blue are used.
Magick::Color StoredColor(double value)
{
    const QRgb argb = ParameterToColor(value);
    return Magick::ColorRGB(qRed(argb) / 255.0, qGreen(argb) / 255.0, qBlue(argb) / 255.0);
}

Magick::Color SourceColor(ColorReplaceSlot::ESource source, const Magick::Color &custom)
{
    switch (source) {
    case ColorReplaceSlot::ESource::White:
        return Magick::ColorRGB(1.0, 1.0, 1.0);
    case ColorReplaceSlot::ESource::Black:
        return Magick::ColorRGB(0.0, 0.0, 0.0);
    default:
        return custom;
    }
}

// The tolerance lives on the image; it is cleared again however the step ends, since the
// caller may keep a photo that an exception interrupted.
class CFuzzScope
{
public:
    CFuzzScope(Magick::Image &image, double fuzz)
        : image(image)
    {
        image.colorFuzz(fuzz);
    }
    ~CFuzzScope() { image.colorFuzz(0.0); }
    CFuzzScope(const CFuzzScope &) = delete;
    CFuzzScope &operator=(const CFuzzScope &) = delete;

private:
    Magick::Image &image;
};

} // namespace

bool CImageFilters::ApplyAutoRotate()
{
    if (!HasPixels(target))
        return false;

    // Each orientation names where the stored rows and columns belong; the operations below
    // bring them back upright. 5 (rows are the left side) is a transpose and 7 a transverse.
    switch (target->orientation()) {
    case Magick::TopRightOrientation:
        target->flop();
        break;
    case Magick::BottomRightOrientation:
        target->rotate(180.0);
        break;
    case Magick::BottomLeftOrientation:
        target->flip();
        break;
    case Magick::LeftTopOrientation:
        target->flip();
        target->rotate(90.0);
        break;
    case Magick::RightTopOrientation:
        target->rotate(90.0);
        break;
    case Magick::RightBottomOrientation:
        target->flop();
        target->rotate(90.0);
        break;
    case Magick::LeftBottomOrientation:
        target->rotate(-90.0);
        break;
    default:
        break;
    }
    // Writers take the EXIF orientation from here, so the upright photo says so.
    target->orientation(Magick::TopLeftOrientation);
    return true;
}

bool CImageFilters::ApplyAutoCrop()
{
    if (!HasPixels(target))
        return false;

    using AutoCropSlot::ERatio;
    using AutoCropSlot::ERegion;
    const auto preset = ChoiceAs<ERatio>(record, AutoCropSlot::AspectRatioChoice);
    const auto region = ChoiceAs<ERegion>(record, AutoCropSlot::RegionChoice);

    double ratio = 0.0;
    if (preset == ERatio::Custom) {
        const double widthPart = record.numbers[AutoCropSlot::CustomRatioWidth];
        const double heightPart = record.numbers[AutoCropSlot::CustomRatioHeight];
        if (!IsExtent(widthPart) || !IsExtent(heightPart) || widthPart < 0.0 || heightPart < 0.0)
            return false;
        // The page's custom terms start at 0 and may be left there: no proportion, so no crop.
        // The photo goes on whole; that is no failure of it.
        if (widthPart == 0.0 || heightPart == 0.0)
            return true;
        ratio = widthPart / heightPart;
    } else {
        ratio = AutoCropPresets[size_t(preset)];
    }

    const double width = double(target->columns());
    const double height = double(target->rows());
    const bool turned = record.numbers[AutoCropSlot::InvertPortrait] != 0.0 && width <= height;

    double cropWidth = width;
    double cropHeight = height;
    bool spareIsHeight = false;
    if (turned) {
        // The proportion is height over width for an upright or square photo.
        if (height / width > ratio) {
            cropHeight = RoundIntegerPartHalfUp(width * ratio);
            spareIsHeight = true;
        } else {
            cropWidth = RoundIntegerPartHalfUp(height / ratio);
        }
    } else if (width / height > ratio) {
        cropWidth = RoundIntegerPartHalfUp(height * ratio);
    } else {
        cropHeight = RoundIntegerPartHalfUp(width / ratio);
        spareIsHeight = true;
    }
    cropWidth = std::min(cropWidth, width);
    cropHeight = std::min(cropHeight, height);

    const double spare = spareIsHeight ? height - cropHeight : width - cropWidth;
    const double offset = region == ERegion::LeftTop
        ? 0.0
        : (region == ERegion::Center ? RoundIntegerPartHalfUp(spare * 0.5) : spare);
    return CropRegion(
        *target, cropWidth, cropHeight, spareIsHeight ? 0.0 : offset, spareIsHeight ? offset : 0.0);
}

bool CImageFilters::ApplyColorReplace()
{
    if (!HasPixels(target))
        return false;

    const double tolerance = record.numbers[ColorReplaceSlot::Tolerance];
    using ColorReplaceSlot::ESource;
    const auto fromKind = ChoiceAs<ESource>(record, ColorReplaceSlot::OriginalSourceChoice);
    const auto toKind = ChoiceAs<ESource>(record, ColorReplaceSlot::NewSourceChoice);
    if (!std::isfinite(tolerance) || tolerance < 0.0 || tolerance > 255.0)
        return false;
    const Magick::Color fromCustom = StoredColor(record.numbers[ColorReplaceSlot::OriginalColor]);
    const Magick::Color toCustom = StoredColor(record.numbers[ColorReplaceSlot::NewColor]);

    // Transparency for transparency: the photo already is what was asked.
    if (fromKind == ESource::Transparency && toKind == ESource::Transparency)
        return true;

    const Magick::Color fromColor = SourceColor(fromKind, fromCustom);
    const Magick::Color toColor = SourceColor(toKind, toCustom);
    CFuzzScope fuzz(*target, tolerance * QuantaPerSample);

    if (fromKind == ESource::Transparency) {
        // Lay the photo over a plain sheet of the new colour. The sheet is a copy of the photo
        // so that the result keeps its profiles, EXIF data and resolution.
        Magick::Image sheet(*target);
        sheet.matte(false);
        const Magick::Color background = sheet.backgroundColor();
        sheet.backgroundColor(toColor);
        sheet.erase();
        sheet.backgroundColor(background);
        sheet.composite(*target, 0, 0, Magick::OverCompositeOp);
        *target = sheet;
    } else if (toKind == ESource::Transparency) {
        target->transparent(fromColor);
    } else {
        target->opaque(fromColor, toColor);
    }
    return true;
}

bool CImageFilters::ApplyCrop()
{
    if (!HasPixels(target))
        return false;

    const double columns = double(target->columns());
    const double rows = double(target->rows());
    double left = record.numbers[CropSlot::Left];
    double top = record.numbers[CropSlot::Top];
    double width = record.numbers[CropSlot::Width];
    double height = record.numbers[CropSlot::Height];
    // Percentages are converted for this page only; the record keeps them for the next one.
    if (ChoiceAs<ESizeUnit>(record, CropSlot::UnitChoice) == ESizeUnit::Percents) {
        left = columns * left / 100.0;
        top = rows * top / 100.0;
        width = columns * width / 100.0;
        height = rows * height / 100.0;
    }
    if (!IsExtent(left) || !IsExtent(top) || !IsExtent(width) || !IsExtent(height))
        return false;

    // A region reaching past the photo is clipped by ImageMagick; one starting outside it, or
    // with no width or height, leaves nothing to keep.
    return CropRegion(
        *target, std::trunc(width), std::trunc(height), std::trunc(left), std::trunc(top));
}

bool CImageFilters::ApplyFlip()
{
    if (!HasPixels(target))
        return false;

    if (record.numbers[FlipSlot::Vertical] == 1.0)
        target->flip();
    if (record.numbers[FlipSlot::Horizontal] == 1.0)
        target->flop();
    return true;
}

bool CImageFilters::ApplyResize()
{
    if (!HasPixels(target))
        return false;

    using ResizeSlot::EMode;
    const auto mode = ChoiceAs<EMode>(record, ResizeSlot::ModeChoice);
    const auto unit = ChoiceAs<ESizeUnit>(record, ResizeSlot::UnitChoice);

    const double columns = double(target->columns());
    const double rows = double(target->rows());
    const double aspect = columns / rows;
    double width = record.numbers[ResizeSlot::Width];
    double height = record.numbers[ResizeSlot::Height];
    if (unit == ESizeUnit::Percents) {
        width = record.numbers[ResizeSlot::Width] * columns / 100.0;
        height = record.numbers[ResizeSlot::Height] * rows / 100.0;
    } else {
        width *= drawScale;
        height *= drawScale;
    }
    if (!IsExtent(width) || !IsExtent(height) || width < 0.0 || height < 0.0)
        return false;

    const bool keepProportions = record.numbers[ResizeSlot::KeepAspect] == 1.0;
    const bool neverEnlarge = record.numbers[ResizeSlot::NeverEnlarge] == 1.0;

    // ImageMagick reads a 0 in a geometry as "follow the other side" and a size of 0 by 0 as
    // "keep the photo": a side that rounds to nothing cannot be resized to.
    QString geometry;
    switch (mode) {
    case EMode::WidthHeight:
        if (unit == ESizeUnit::Pixels && keepProportions)
            FitLongSide(aspect, width, height);
        if (RoundIntegerPartHalfUp(width) < 1.0 || RoundIntegerPartHalfUp(height) < 1.0)
            return false;
        if (neverEnlarge && width * height > columns * rows)
            return true;
        geometry = BoxGeometry(RoundIntegerPartHalfUp(width), RoundIntegerPartHalfUp(height),
            record.numbers[ResizeSlot::KeepAspect] == 0.0);
        break;
    case EMode::FixedWidth:
        if (RoundIntegerPartHalfUp(width) < 1.0)
            return false;
        if (neverEnlarge && width > columns)
            return true;
        geometry = QStringLiteral("%1x0").arg(qint64(RoundIntegerPartHalfUp(width)));
        break;
    case EMode::FixedHeight:
        if (RoundIntegerPartHalfUp(height) < 1.0)
            return false;
        if (neverEnlarge && height > rows)
            return true;
        geometry = QStringLiteral("0x%1").arg(qint64(RoundIntegerPartHalfUp(height)));
        break;
    default: // FixedWidthHeight
        if (RoundIntegerPartHalfUp(width) < 1.0 || RoundIntegerPartHalfUp(height) < 1.0)
            return false;
        if (neverEnlarge && width > columns && height > rows)
            return true;
        geometry
            = BoxGeometry(RoundIntegerPartHalfUp(width), RoundIntegerPartHalfUp(height), false);
        break;
    }
    ScaleTo(*target, geometry);
    return true;
}

bool CImageFilters::ApplyResizeAdvanced()
{
    if (!HasPixels(target))
        return false;

    double width = record.numbers[ResizeAdvancedSlot::Width];
    double height = record.numbers[ResizeAdvancedSlot::Height];
    const double horizontal = record.numbers[ResizeAdvancedSlot::HorizontalResolution];
    const double vertical = record.numbers[ResizeAdvancedSlot::VerticalResolution];
    const double xResolution = std::isfinite(horizontal) ? std::trunc(horizontal) : 0.0;
    const double yResolution = std::isfinite(vertical) ? std::trunc(vertical) : 0.0;
    // A resolution of 0 is no resolution: readers would divide by it to size the print.
    if (!IsExtent(width) || !IsExtent(height) || width < 0.0 || height < 0.0 || xResolution < 1.0
        || yResolution < 1.0 || xResolution > MaximumExtent || yResolution > MaximumExtent)
        return false;

    const double aspect = double(target->columns()) / double(target->rows());
    if (record.numbers[ResizeAdvancedSlot::KeepAspect] == 1.0)
        FitLongSide(aspect, width, height);
    if (RoundIntegerPartHalfUp(width) < 1.0 || RoundIntegerPartHalfUp(height) < 1.0)
        return false;

    target->resolutionUnits(Magick::PixelsPerInchResolution);
    target->density(Magick::Geometry(size_t(xResolution), size_t(yResolution)));
    ScaleTo(*target,
        BoxGeometry(RoundIntegerPartHalfUp(width), RoundIntegerPartHalfUp(height),
            record.numbers[ResizeAdvancedSlot::KeepAspect] == 0.0));
    return true;
}

bool CImageFilters::ApplyRoll()
{
    if (!HasPixels(target))
        return false;

    const qint64 columns = qint64(target->columns());
    const qint64 rows = qint64(target->rows());
    double x = record.numbers[RollSlot::Columns];
    double y = record.numbers[RollSlot::Rows];
    if (ChoiceAs<ESizeUnit>(record, RollSlot::UnitChoice) == ESizeUnit::Percents) {
        x = double(columns) * x / 100.0;
        y = double(rows) * y / 100.0;
    }
    if (!IsExtent(x) || !IsExtent(y))
        return false;

    // Whole turns change nothing; reducing the offsets first also turns a leftward or upward
    // shift into the unsigned offsets that Magick++'s roll takes.
    const qint64 across = ((qint64(x) % columns) + columns) % columns;
    const qint64 down = ((qint64(y) % rows) + rows) % rows;
    target->roll(size_t(across), size_t(down));
    return true;
}

bool CImageFilters::ApplyRotate()
{
    if (!HasPixels(target))
        return false;

    const double angle = record.numbers[RotateSlot::Angle];
    using RotateSlot::ECondition;
    const auto condition = ChoiceAs<ECondition>(record, RotateSlot::ConditionChoice);
    if (!std::isfinite(angle))
        return false;

    const double aspect = double(target->columns()) / double(target->rows());
    if ((condition == ECondition::OnlyPortrait && aspect > 1.0)
        || (condition == ECondition::OnlyLandscape && aspect < 1.0))
        return true;
    target->rotate(angle);
    return true;
}

bool CImageFilters::ApplyThumbnail()
{
    if (!HasPixels(target))
        return false;

    const double boxWidth = record.numbers[ThumbnailSlot::Width];
    const double boxHeight = record.numbers[ThumbnailSlot::Height];
    using ThumbnailSlot::EMethod;
    const auto method = ChoiceAs<EMethod>(record, ThumbnailSlot::MethodChoice);
    if (!IsExtent(boxWidth) || !IsExtent(boxHeight))
        return false;
    const double width = std::trunc(boxWidth);
    const double height = std::trunc(boxHeight);
    if (width < 1.0 || height < 1.0)
        return false;

    if (method == EMethod::ResizeToFit) {
        ScaleTo(*target, BoxGeometry(width, height, false));
        return true;
    }
    if (method == EMethod::StretchToFit) {
        ScaleTo(*target, BoxGeometry(width, height, true));
        return true;
    }

    // Fill: cut the largest centred region with the box's proportion, then scale it to the
    // box. The scale is exact because the truncated region may be a pixel off the proportion.
    const double ratio = boxWidth / boxHeight;
    const double columns = double(target->columns());
    const double rows = double(target->rows());
    bool cropped = false;
    if (columns / ratio <= rows) {
        const double regionHeight = std::trunc(columns / ratio);
        cropped = CropRegion(
            *target, columns, regionHeight, 0.0, std::trunc((rows - regionHeight) * 0.5));
    } else {
        const double regionWidth = std::trunc(rows * ratio);
        cropped = CropRegion(
            *target, regionWidth, rows, std::trunc((columns - regionWidth) * 0.5), 0.0);
    }
    if (!cropped)
        return false;
    ScaleTo(*target, BoxGeometry(width, height, true));
    return true;
}
