// Where the Crop and Resize steps lie in the interactive preview, in view pixels. The numbers
// follow the same record parameters as the filters themselves.

#include "ImageFilters.h"

#include "FilterSlots.h"
#include "Rounding.h"
#include "StoredValues.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double MaximumExtent = 16777216.0;

// View coordinates as QRect takes them; a damaged record must not overflow the conversion.
int ToViewInt(double value)
{
    return int(std::clamp(value, double(INT_MIN / 2), double(INT_MAX / 2)));
}

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

QRect CImageFilters::UpdateCrop(SFilterRecord record, int viewWidth, int viewHeight, double scale)
{
    double left = record.numbers[CropSlot::Left];
    double top = record.numbers[CropSlot::Top];
    double width = record.numbers[CropSlot::Width];
    double height = record.numbers[CropSlot::Height];
    if (ChoiceAs<ESizeUnit>(record, CropSlot::UnitChoice) == ESizeUnit::Percents) {
        left *= double(viewWidth) / 100.0;
        width *= double(viewWidth) / 100.0;
        top *= double(viewHeight) / 100.0;
        height *= double(viewHeight) / 100.0;
        scale = 1.0;
    }
    if (!AllFinite({ left, top, width, height, scale }))
        return QRect();

    return QRect(ToViewInt(RoundIntegerPartHalfUp(scale * left)),
        ToViewInt(RoundIntegerPartHalfUp(scale * top)), ToViewInt(std::trunc(scale * width)),
        ToViewInt(std::trunc(scale * height)));
}

QRect CImageFilters::UpdateResize(const Magick::Image &source, Magick::Image &target,
    const SFilterRecord &record, int viewWidth, int viewHeight, double scale, double pixelRatio,
    SFilterRecord *adjusted)
{
    // Whatever happens below, an asked-for adjusted record starts as the caller's own.
    if (adjusted != nullptr && adjusted != &record)
        *adjusted = record;

    const double sourceColumns = source.isValid() ? double(source.columns()) : 0.0;
    const double sourceRows = source.isValid() ? double(source.rows()) : 0.0;
    const auto mode = ChoiceAs<ResizeSlot::EMode>(record, ResizeSlot::ModeChoice);
    // Nothing to lay out in an empty view or from an empty picture: the picture stays as it is.
    if (viewWidth <= 0 || viewHeight <= 0 || sourceColumns <= 0.0 || sourceRows <= 0.0
        || !AllFinite({ record.numbers[ResizeSlot::Width], record.numbers[ResizeSlot::Height],
            scale, pixelRatio }))
        return QRect();

    const double viewW = double(viewWidth);
    const double viewH = double(viewHeight);
    const double viewAspect = viewW / viewH;
    // Only a high-density screen draws the picture at more pixels than it shows.
    const double ratio = pixelRatio > 1.0 ? pixelRatio : 1.0;
    const bool percent = ChoiceAs<ESizeUnit>(record, ResizeSlot::UnitChoice) == ESizeUnit::Percents;
    const bool keepAspect = record.numbers[ResizeSlot::KeepAspect] == 1.0;
    const bool neverEnlarge = record.numbers[ResizeSlot::NeverEnlarge] == 1.0;

    double width = record.numbers[ResizeSlot::Width];
    double height = record.numbers[ResizeSlot::Height];
    double widthPercent = 0.0;
    double heightPercent = 0.0;
    if (percent) {
        widthPercent = record.numbers[ResizeSlot::Width];
        heightPercent = record.numbers[ResizeSlot::Height];
        width = viewW * widthPercent / 100.0;
        height = viewH * heightPercent / 100.0;
        scale = 1.0;
    } else {
        widthPercent = width * 100.0 / sourceColumns;
        heightPercent = height * 100.0 / sourceRows;
    }

    if (mode != ResizeSlot::EMode::WidthHeight || keepAspect) {
        const double longSide = std::max(width, height);
        if (viewAspect < 1.0) {
            width = longSide * viewAspect;
            height = longSide;
        } else {
            width = longSide;
            height = longSide / viewAspect;
        }
    }

    // At least one pixel, and no more than ImageMagick could ever be asked for (it refuses
    // far less); the bound keeps a damaged record from overflowing the conversions below.
    double pictureWidth = std::clamp(RoundIntegerPartHalfUp(width * scale), 1.0, MaximumExtent);
    double pictureHeight = std::clamp(RoundIntegerPartHalfUp(height * scale), 1.0, MaximumExtent);
    if (ratio > 1.0) {
        pictureWidth = std::trunc(ratio * pictureWidth);
        pictureHeight = std::trunc(ratio * pictureHeight);
    }
    // The preview never draws more than fills the view.
    const double fullWidth = std::trunc(ratio * viewW);
    const double fullHeight = std::trunc(ratio * viewH);

    QString geometry;
    switch (mode) {
    case ResizeSlot::EMode::WidthHeight:
        if (neverEnlarge && widthPercent * heightPercent > 10000.0) {
            pictureWidth = fullWidth;
            pictureHeight = fullHeight;
        }
        geometry = QStringLiteral("%1x%2%3")
                       .arg(qint64(pictureWidth))
                       .arg(qint64(pictureHeight))
                       .arg(record.numbers[ResizeSlot::KeepAspect] == 0.0 ? QStringLiteral("!")
                                                                          : QString());
        break;
    case ResizeSlot::EMode::FixedWidth:
        if (neverEnlarge && widthPercent > 100.0)
            pictureWidth = fullWidth;
        geometry = QStringLiteral("%1x0").arg(qint64(pictureWidth));
        break;
    case ResizeSlot::EMode::FixedHeight:
        if (neverEnlarge && heightPercent > 100.0)
            pictureHeight = fullHeight;
        geometry = QStringLiteral("0x%1").arg(qint64(pictureHeight));
        break;
    default: // FixedWidthHeight
        if (neverEnlarge && widthPercent > 100.0 && heightPercent > 100.0) {
            pictureWidth = fullWidth;
            pictureHeight = fullHeight;
        }
        geometry = QStringLiteral("%1x%2").arg(qint64(pictureWidth)).arg(qint64(pictureHeight));
        break;
    }

    // The caller may hand an empty picture to be filled from the source. A size ImageMagick
    // refuses (beyond its resource limits) leaves the picture as it was.
    try {
        Magick::Image scaled = target.isValid() ? target : source;
        scaled.scale(Magick::Geometry(geometry.toStdString()));
        target = scaled;
    } catch (const Magick::Exception &) {
        return QRect();
    }

    const double shownWidth = double(target.columns()) / ratio;
    const double shownHeight = double(target.rows()) / ratio;
    const double x = viewW > shownWidth ? RoundIntegerPartHalfUp((viewW - shownWidth) / 2.0) : 0.0;
    const double y
        = viewH > shownHeight ? RoundIntegerPartHalfUp((viewH - shownHeight) / 2.0) : 0.0;

    // The aspect-adjusted size, in the record's own unit.
    if (adjusted != nullptr) {
        adjusted->numbers[ResizeSlot::Width] = percent ? width * 100.0 / viewW : width;
        adjusted->numbers[ResizeSlot::Height] = percent ? height * 100.0 / viewH : height;
    }
    return QRect(ToViewInt(x), ToViewInt(y), ToViewInt(std::trunc(shownWidth)),
        ToViewInt(std::trunc(shownHeight)));
}
