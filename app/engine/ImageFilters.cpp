#include "ImageFilters.h"

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
        { 2010, &CImageFilters::ApplyRaise },

        { 3000, &CImageFilters::ApplyBlur },
        { 3020, &CImageFilters::ApplyCharcoal },
        { 3030, &CImageFilters::ApplyEdge },
        { 3040, &CImageFilters::ApplyEmboss },
        { 3050, &CImageFilters::ApplyGaussianBlur },
        { 3060, &CImageFilters::ApplyBlackWhite },
        { 3070, &CImageFilters::ApplyImplode },
        { 3080, &CImageFilters::ApplyNegate },
        { 3090, &CImageFilters::ApplyNoise },
        { 3100, &CImageFilters::ApplyOilPaint },
        { 3120, &CImageFilters::ApplySepia },
        { 3130, &CImageFilters::ApplySolarize },
        { 3140, &CImageFilters::ApplyShade },
        { 3150, &CImageFilters::ApplySpread },
        { 3160, &CImageFilters::ApplySwirl },
        { 3170, &CImageFilters::ApplyWave },

        { 1000, &CImageFilters::ApplyComment },
        { 1010, &CImageFilters::ApplyDate },
        { 1100, &CImageFilters::ApplyWatermarkText },
        { 1110, &CImageFilters::ApplyWatermarkLogo },
        { 1120, &CImageFilters::ApplyWatermarkMask },

        { 2001, &CImageFilters::ApplyShapeFrame },
        { 2002, &CImageFilters::ApplyGrungeFrame },
        { 2003, &CImageFilters::ApplyPictureFrame },
        { 2004, &CImageFilters::ApplyVintageFrame },
        { 2005, &CImageFilters::ApplyPolaroid },
        { 2020, &CImageFilters::ApplyShadow },
        { 2030, &CImageFilters::ApplySimpleBorder },

        { 4000, &CImageFilters::ApplyAutoContrast },
        { 4003, &CImageFilters::ApplyAutoGamma },
        { 4006, &CImageFilters::ApplyAutoLevels },
        { 4010, &CImageFilters::ApplyBrightness },
        { 4020, &CImageFilters::ApplyContrast },
        { 4030, &CImageFilters::ApplyColorBalance },
        { 4040, &CImageFilters::ApplyEqualize },
        { 4050, &CImageFilters::ApplyHueSaturation },
        { 4060, &CImageFilters::ApplyLevels },
        { 4070, &CImageFilters::ApplyReduceNoise },
        { 4080, &CImageFilters::ApplySharpen },
        { 4090, &CImageFilters::ApplySharpenAdvanced },

        { 5000, &CImageFilters::ApplyAutoRotate },
        { 5002, &CImageFilters::ApplyAutoCrop },
        { 5010, &CImageFilters::ApplyColorReplace },
        { 5020, &CImageFilters::ApplyCrop },
        { 5030, &CImageFilters::ApplyFlip },
        { 5040, &CImageFilters::ApplyResize },
        { 5050, &CImageFilters::ApplyResizeAdvanced },
        { 5060, &CImageFilters::ApplyRoll },
        { 5070, &CImageFilters::ApplyRotate },
        { 5080, &CImageFilters::ApplyThumbnail },
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
    const double percent = record.numbers[0];
    const double effect = record.numbers[1];
    // The page offers a bevel of 0 to 99 percent and the effects "Lower" (0) and "Raise" (1).
    if (!std::isfinite(percent) || percent < 0.0 || percent > 99.0 || !std::isfinite(effect)
        || effect <= -1.0 || effect >= 2.0)
        return false;

    const size_t shorter = std::min(target->columns(), target->rows());
    const auto width = size_t(double(shorter) * (percent * 0.25 / 100.0));
    const bool raised = std::trunc(effect) != 0.0;
    target->raise(Magick::Geometry(width, width, 0, 0), raised);
    return true;
}
