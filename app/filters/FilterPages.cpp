#include "FilterPages.h"

#include "FilterBlank.h"
#include "FilterCrop.h"
#include "FilterFlip.h"
#include "FilterGrungeFrame.h"
#include "FilterIds.h"
#include "FilterPictureFrame.h"
#include "FilterPolaroid.h"
#include "FilterRaise.h"
#include "FilterResize.h"
#include "FilterRotate.h"
#include "FilterSepia.h"
#include "FilterShadow.h"
#include "FilterShapeFrame.h"
#include "FilterSimpleBorder.h"
#include "FilterVintageFrame.h"

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
    Factory create; // null: the page is not built yet
};

// clang-format off
constexpr SPageRow Rows[] {
    { FilterId::Comment, "filters_annotate_comment.html", nullptr },
    { FilterId::Date, "filters_annotate_date.html", nullptr },
    { FilterId::WatermarkText, "filters_annotate_watermark-text.html", nullptr },
    { FilterId::WatermarkLogo, "filters_annotate_watermark-logo.html", nullptr },
    { FilterId::WatermarkMask, "filters_annotate_watermark-mask.html", nullptr },
    { FilterId::ShapeFrame, "filters_borders_shape_frame.html", &Make<CFilterShapeFrame> },
    { FilterId::GrungeFrame, "filters_borders_grunge_frame.html", &Make<CFilterGrungeFrame> },
    { FilterId::PictureFrame, "filters_borders_picture_frame.html", &Make<CFilterPictureFrame> },
    { FilterId::VintageFrame, "filters_borders_vintage_frame.html", &Make<CFilterVintageFrame> },
    { FilterId::Polaroid, "filters_borders_polaroid.html", &Make<CFilterPolaroid> },
    { FilterId::Raise, "filters_borders_raise.html", &Make<CFilterRaise> },
    { FilterId::Shadow, "filters_borders_shadow.html", &Make<CFilterShadow> },
    { FilterId::SimpleBorder, "filters_borders_border.html", &Make<CFilterSimpleBorder> },
    { FilterId::Blur, "filters_effects_blur.html", nullptr },
    { FilterId::Charcoal, "filters_effects_charcoal.html", nullptr },
    { FilterId::Edge, "filters_effects_edge.html", nullptr },
    { FilterId::Emboss, "filters_effects_emboss.html", nullptr },
    { FilterId::GaussianBlur, "filters_effects_gaussian_blur.html", nullptr },
    { FilterId::BlackWhite, "filters_effects_black_white.html", &Make<CFilterBlank> },
    { FilterId::Implode, "filters_effects_implode.html", nullptr },
    { FilterId::Negate, "filters_effects_negate.html", &Make<CFilterBlank> },
    { FilterId::Noise, "filters_effects_noise.html", nullptr },
    { FilterId::OilPaint, "filters_effects_oil_paint.html", nullptr },
    { FilterId::Sepia, "filters_effects_sepia.html", &Make<CFilterSepia> },
    { FilterId::Solarize, "filters_effects_solarize.html", nullptr },
    { FilterId::Shade, "filters_effects_shade.html", nullptr },
    { FilterId::Spread, "filters_effects_spread.html", nullptr },
    { FilterId::Swirl, "filters_effects_swirl.html", nullptr },
    { FilterId::Wave, "filters_effects_wave.html", nullptr },
    { FilterId::AutoContrast, "filters_touch-up_auto-contrast.html", &Make<CFilterBlank> },
    { FilterId::AutoGamma, "filters_touch-up_auto-gamma.html", &Make<CFilterBlank> },
    { FilterId::AutoLevels, "filters_touch-up_auto-levels.html", &Make<CFilterBlank> },
    { FilterId::Brightness, "filters_touch-up_brightness.html", nullptr },
    { FilterId::Contrast, "filters_touch-up_contrast.html", nullptr },
    { FilterId::ColorBalance, "filters_touch-up_color-balance.html", nullptr },
    { FilterId::Equalize, "filters_touch-up_equalize.html", &Make<CFilterBlank> },
    { FilterId::HueSaturation, "filters_touch-up_hue-saturation.html", nullptr },
    { FilterId::Levels, "filters_touch-up_levels.html", nullptr },
    { FilterId::ReduceNoise, "filters_touch-up_reduce-noise.html", nullptr },
    { FilterId::Sharpen, "filters_touch-up_sharpen.html", nullptr },
    { FilterId::SharpenAdvanced, "filters_touch-up_sharpen-advanced.html", nullptr },
    { FilterId::AutoRotate, "filters_transform_auto-rotate.html", &Make<CFilterBlank> },
    { FilterId::AutoCrop, "filters_transform_auto-crop.html", nullptr },
    { FilterId::ColorReplace, "filters_transform_color-replace.html", nullptr },
    { FilterId::Crop, "filters_transform_crop.html", &Make<CFilterCrop> },
    { FilterId::Flip, "filters_transform_flip.html", &Make<CFilterFlip> },
    { FilterId::Resize, "filters_transform_resize.html", &Make<CFilterResize> },
    { FilterId::ResizeAdvanced, "filters_transform_resize-advanced.html", nullptr },
    { FilterId::Roll, "filters_transform_roll.html", nullptr },
    { FilterId::Rotate, "filters_transform_rotate.html", &Make<CFilterRotate> },
    { FilterId::Thumbnail, "filters_transform_thumbnail.html", nullptr },
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

QString HelpTopic(int filterId)
{
    const SPageRow *row = Find(filterId);
    return row ? QString::fromLatin1(row->helpTopic) : QString();
}

} // namespace FilterPages
