#include "ImageFilters.h"

#include "FilterIds.h"
#include "FilterSlots.h"
#include "StoredValues.h"
#include "Trace.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

const QString ApplyTag = QStringLiteral("CImageFilters::Apply");

} // namespace

CImageFilters::CImageFilters() = default;

CImageFilters::~CImageFilters() = default;

bool CImageFilters::Apply()
{
    if (target == nullptr || !target->isValid())
        return false;

    SplitSourcePath();

    try {
        return Dispatch();
    } catch (const Magick::Exception &error) {
        // Magick++ throws warnings too (a photo decoded with a corrupt-data warning carries it
        // into the first operation); the step has not done what it was asked either way.
        LogMessage(ApplyTag,
            QStringLiteral("! ImageFilters::Apply Error: ") + QString::fromStdString(error.what()));
        return false;
    } catch (...) {
        return false;
    }
}

bool CImageFilters::DrawsAtAnyScale(const SFilterRecord &record)
{
    switch (record.id) {
    // Pixel by pixel: the same at any size.
    case FilterId::Brightness:
    case FilterId::Contrast:
    case FilterId::ColorBalance:
    case FilterId::HueSaturation:
    case FilterId::Levels:
    case FilterId::Sepia:
    case FilterId::Solarize:
    case FilterId::Flip:
    // Sizes in pixels scaled by drawScale.
    case FilterId::Resize:
    case FilterId::Sharpen:
    case FilterId::SimpleBorder:
    case FilterId::WatermarkText:
        return true;
    default:
        return false;
    }
}

void CImageFilters::SplitSourcePath()
{
    const qsizetype slash = sourcePath.lastIndexOf(QLatin1Char('/'));
    fileName = sourcePath.mid(slash + 1);
    folder = slash < 0 ? QString() : sourcePath.left(slash);

    // The extension is taken from the file name alone: a dot in a folder name ("C:/a.b/photo")
    // is not the start of an extension.
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    baseName = dot < 0 ? fileName : fileName.left(dot);
    extension = dot < 0 ? QString() : fileName.mid(dot + 1);

    folderName = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
}

bool CImageFilters::Dispatch()
{
    struct SHandler
    {
        int id;
        bool (CImageFilters::*apply)();
    };
    // clang-format off
    static constexpr SHandler handlers[] {
        { FilterId::Raise, &CImageFilters::ApplyRaise },

        { FilterId::Blur, &CImageFilters::ApplyBlur },
        { FilterId::Charcoal, &CImageFilters::ApplyCharcoal },
        { FilterId::Edge, &CImageFilters::ApplyEdge },
        { FilterId::Emboss, &CImageFilters::ApplyEmboss },
        { FilterId::GaussianBlur, &CImageFilters::ApplyGaussianBlur },
        { FilterId::BlackWhite, &CImageFilters::ApplyBlackWhite },
        { FilterId::Implode, &CImageFilters::ApplyImplode },
        { FilterId::Negate, &CImageFilters::ApplyNegate },
        { FilterId::Noise, &CImageFilters::ApplyNoise },
        { FilterId::OilPaint, &CImageFilters::ApplyOilPaint },
        { FilterId::Sepia, &CImageFilters::ApplySepia },
        { FilterId::Solarize, &CImageFilters::ApplySolarize },
        { FilterId::Shade, &CImageFilters::ApplyShade },
        { FilterId::Spread, &CImageFilters::ApplySpread },
        { FilterId::Swirl, &CImageFilters::ApplySwirl },
        { FilterId::Wave, &CImageFilters::ApplyWave },

        { FilterId::Comment, &CImageFilters::ApplyComment },
        { FilterId::Date, &CImageFilters::ApplyDate },
        { FilterId::WatermarkText, &CImageFilters::ApplyWatermarkText },
        { FilterId::WatermarkLogo, &CImageFilters::ApplyWatermarkLogo },
        { FilterId::WatermarkMask, &CImageFilters::ApplyWatermarkMask },

        { FilterId::ShapeFrame, &CImageFilters::ApplyShapeFrame },
        { FilterId::GrungeFrame, &CImageFilters::ApplyGrungeFrame },
        { FilterId::PictureFrame, &CImageFilters::ApplyPictureFrame },
        { FilterId::VintageFrame, &CImageFilters::ApplyVintageFrame },
        { FilterId::Polaroid, &CImageFilters::ApplyPolaroid },
        { FilterId::Shadow, &CImageFilters::ApplyShadow },
        { FilterId::SimpleBorder, &CImageFilters::ApplySimpleBorder },

        { FilterId::AutoContrast, &CImageFilters::ApplyAutoContrast },
        { FilterId::AutoGamma, &CImageFilters::ApplyAutoGamma },
        { FilterId::AutoLevels, &CImageFilters::ApplyAutoLevels },
        { FilterId::Brightness, &CImageFilters::ApplyBrightness },
        { FilterId::Contrast, &CImageFilters::ApplyContrast },
        { FilterId::ColorBalance, &CImageFilters::ApplyColorBalance },
        { FilterId::Equalize, &CImageFilters::ApplyEqualize },
        { FilterId::HueSaturation, &CImageFilters::ApplyHueSaturation },
        { FilterId::Levels, &CImageFilters::ApplyLevels },
        { FilterId::ReduceNoise, &CImageFilters::ApplyReduceNoise },
        { FilterId::Sharpen, &CImageFilters::ApplySharpen },
        { FilterId::SharpenAdvanced, &CImageFilters::ApplySharpenAdvanced },

        { FilterId::AutoRotate, &CImageFilters::ApplyAutoRotate },
        { FilterId::AutoCrop, &CImageFilters::ApplyAutoCrop },
        { FilterId::ColorReplace, &CImageFilters::ApplyColorReplace },
        { FilterId::Crop, &CImageFilters::ApplyCrop },
        { FilterId::Flip, &CImageFilters::ApplyFlip },
        { FilterId::Resize, &CImageFilters::ApplyResize },
        { FilterId::ResizeAdvanced, &CImageFilters::ApplyResizeAdvanced },
        { FilterId::Roll, &CImageFilters::ApplyRoll },
        { FilterId::Rotate, &CImageFilters::ApplyRotate },
        { FilterId::Thumbnail, &CImageFilters::ApplyThumbnail },
    };
    // clang-format on

    for (const SHandler &handler : handlers) {
        if (handler.id == record.id)
            return (this->*handler.apply)();
    }
    return false;
}

bool CImageFilters::ApplyRaise()
{
    const double percent = record.numbers[RaiseSlot::BevelWidth];
    // The page offers a bevel of 0 to 99 percent.
    if (!std::isfinite(percent) || percent < 0.0 || percent > 99.0)
        return false;

    const size_t shorter = std::min(target->columns(), target->rows());
    const auto width = size_t(double(shorter) * (percent * 0.25 / 100.0));
    const bool raised = ChoiceAs<RaiseSlot::EEffect>(record, RaiseSlot::EffectChoice)
        == RaiseSlot::EEffect::Raise;
    target->raise(Magick::Geometry(width, width, 0, 0), raised);
    return true;
}
