#include "FilterPages.h"

#include "FilterAutoCrop.h"
#include "FilterBlank.h"
#include "FilterBlur.h"
#include "FilterBrightness.h"
#include "FilterCharcoal.h"
#include "FilterColorBalance.h"
#include "FilterColorReplace.h"
#include "FilterComment.h"
#include "FilterContrast.h"
#include "FilterCrop.h"
#include "FilterCustomMask.h"
#include "FilterDate.h"
#include "FilterEdge.h"
#include "FilterEmboss.h"
#include "FilterFlip.h"
#include "FilterGaussianBlur.h"
#include "FilterGrungeFrame.h"
#include "FilterHueSaturation.h"
#include "FilterIds.h"
#include "FilterImplode.h"
#include "FilterLevels.h"
#include "FilterNoise.h"
#include "FilterOilPaint.h"
#include "FilterPictureFrame.h"
#include "FilterPolaroid.h"
#include "FilterRaise.h"
#include "FilterReduceNoise.h"
#include "FilterResize.h"
#include "FilterResizeAdvanced.h"
#include "FilterRoll.h"
#include "FilterRotate.h"
#include "FilterSepia.h"
#include "FilterShade.h"
#include "FilterShadow.h"
#include "FilterShapeFrame.h"
#include "FilterSharpen.h"
#include "FilterSharpenAdvanced.h"
#include "FilterSimpleBorder.h"
#include "FilterSolarize.h"
#include "FilterSpread.h"
#include "FilterSwirl.h"
#include "FilterThumbnail.h"
#include "FilterVintageFrame.h"
#include "FilterWatermarkLogo.h"
#include "FilterWatermarkText.h"
#include "FilterWave.h"

namespace {

using Factory = CFilterPage *(*)(QWidget *parent, int filterId);

template<class Page> CFilterPage *Make(QWidget *parent, int filterId)
{
    return new Page(parent, filterId);
}

struct SPageRow
{
    int id;
    const char *helpTopic;
    Factory create;
};

// clang-format off
constexpr SPageRow Rows[] {
    { FilterId::Comment, "filters_annotate_comment.html", &Make<CFilterComment> },
    { FilterId::Date, "filters_annotate_date.html", &Make<CFilterDate> },
    { FilterId::WatermarkText, "filters_annotate_watermark-text.html", &Make<CFilterWatermarkText> },
    { FilterId::WatermarkLogo, "filters_annotate_watermark-logo.html", &Make<CFilterWatermarkLogo> },
    { FilterId::WatermarkMask, "filters_annotate_watermark-mask.html", &Make<CFilterCustomMask> },
    { FilterId::ShapeFrame, "filters_borders_shape_frame.html", &Make<CFilterShapeFrame> },
    { FilterId::GrungeFrame, "filters_borders_grunge_frame.html", &Make<CFilterGrungeFrame> },
    { FilterId::PictureFrame, "filters_borders_picture_frame.html", &Make<CFilterPictureFrame> },
    { FilterId::VintageFrame, "filters_borders_vintage_frame.html", &Make<CFilterVintageFrame> },
    { FilterId::Polaroid, "filters_borders_polaroid.html", &Make<CFilterPolaroid> },
    { FilterId::Raise, "filters_borders_raise.html", &Make<CFilterRaise> },
    { FilterId::Shadow, "filters_borders_shadow.html", &Make<CFilterShadow> },
    { FilterId::SimpleBorder, "filters_borders_border.html", &Make<CFilterSimpleBorder> },
    { FilterId::Blur, "filters_effects_blur.html", &Make<CFilterBlur> },
    { FilterId::Charcoal, "filters_effects_charcoal.html", &Make<CFilterCharcoal> },
    { FilterId::Edge, "filters_effects_edge.html", &Make<CFilterEdge> },
    { FilterId::Emboss, "filters_effects_emboss.html", &Make<CFilterEmboss> },
    { FilterId::GaussianBlur, "filters_effects_gaussian_blur.html", &Make<CFilterGaussianBlur> },
    { FilterId::BlackWhite, "filters_effects_black_white.html", &Make<CFilterBlank> },
    { FilterId::Implode, "filters_effects_implode.html", &Make<CFilterImplode> },
    { FilterId::Negate, "filters_effects_negate.html", &Make<CFilterBlank> },
    { FilterId::Noise, "filters_effects_noise.html", &Make<CFilterNoise> },
    { FilterId::OilPaint, "filters_effects_oil_paint.html", &Make<CFilterOilPaint> },
    { FilterId::Sepia, "filters_effects_sepia.html", &Make<CFilterSepia> },
    { FilterId::Solarize, "filters_effects_solarize.html", &Make<CFilterSolarize> },
    { FilterId::Shade, "filters_effects_shade.html", &Make<CFilterShade> },
    { FilterId::Spread, "filters_effects_spread.html", &Make<CFilterSpread> },
    { FilterId::Swirl, "filters_effects_swirl.html", &Make<CFilterSwirl> },
    { FilterId::Wave, "filters_effects_wave.html", &Make<CFilterWave> },
    { FilterId::AutoContrast, "filters_touch-up_auto-contrast.html", &Make<CFilterBlank> },
    { FilterId::AutoGamma, "filters_touch-up_auto-gamma.html", &Make<CFilterBlank> },
    { FilterId::AutoLevels, "filters_touch-up_auto-levels.html", &Make<CFilterBlank> },
    { FilterId::Brightness, "filters_touch-up_brightness.html", &Make<CFilterBrightness> },
    { FilterId::Contrast, "filters_touch-up_contrast.html", &Make<CFilterContrast> },
    { FilterId::ColorBalance, "filters_touch-up_color-balance.html", &Make<CFilterColorBalance> },
    { FilterId::Equalize, "filters_touch-up_equalize.html", &Make<CFilterBlank> },
    { FilterId::HueSaturation, "filters_touch-up_hue-saturation.html", &Make<CFilterHueSaturation> },
    { FilterId::Levels, "filters_touch-up_levels.html", &Make<CFilterLevels> },
    { FilterId::ReduceNoise, "filters_touch-up_reduce-noise.html", &Make<CFilterReduceNoise> },
    { FilterId::Sharpen, "filters_touch-up_sharpen.html", &Make<CFilterSharpen> },
    { FilterId::SharpenAdvanced, "filters_touch-up_sharpen-advanced.html", &Make<CFilterSharpenAdvanced> },
    { FilterId::AutoRotate, "filters_transform_auto-rotate.html", &Make<CFilterBlank> },
    { FilterId::AutoCrop, "filters_transform_auto-crop.html", &Make<CFilterAutoCrop> },
    { FilterId::ColorReplace, "filters_transform_color-replace.html", &Make<CFilterColorReplace> },
    { FilterId::Crop, "filters_transform_crop.html", &Make<CFilterCrop> },
    { FilterId::Flip, "filters_transform_flip.html", &Make<CFilterFlip> },
    { FilterId::Resize, "filters_transform_resize.html", &Make<CFilterResize> },
    { FilterId::ResizeAdvanced, "filters_transform_resize-advanced.html", &Make<CFilterResizeAdvanced> },
    { FilterId::Roll, "filters_transform_roll.html", &Make<CFilterRoll> },
    { FilterId::Rotate, "filters_transform_rotate.html", &Make<CFilterRotate> },
    { FilterId::Thumbnail, "filters_transform_thumbnail.html", &Make<CFilterThumbnail> },
};
// clang-format on

const SPageRow *Find(int filterId)
{
    for (const SPageRow &row : Rows) {
        if (row.id == filterId)
            return &row;
    }
    return nullptr;
}

} // namespace

namespace FilterPages {

CFilterPage *Create(int filterId, QWidget *parent)
{
    const SPageRow *row = Find(filterId);
    return row && row->create ? row->create(parent, filterId) : nullptr;
}

bool HasPage(int filterId)
{
    const SPageRow *row = Find(filterId);
    return row && row->create;
}

QList<int> Ids()
{
    QList<int> ids;
    for (const SPageRow &row : Rows)
        ids << row.id;
    return ids;
}

QString HelpTopic(int filterId)
{
    const SPageRow *row = Find(filterId);
    return row ? QString::fromLatin1(row->helpTopic) : QString();
}

} // namespace FilterPages
