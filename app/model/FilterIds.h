#pragma once

#include <QtGlobal>

// The filter ids of the catalogue: the thousands digit is the group (1 Annotate, 2 Border,
// 3 Effects, 4 Touch-Up, 5 Transform). Stored in documents and records as plain numbers;
// Polaroid (2005) has a settings page and an engine step but no catalogue row.
namespace FilterId {
enum : qint32 {
    Comment = 1000,
    Date = 1010,
    WatermarkText = 1100,
    WatermarkLogo = 1110,
    WatermarkMask = 1120,
    ShapeFrame = 2001,
    GrungeFrame = 2002,
    PictureFrame = 2003,
    VintageFrame = 2004,
    Polaroid = 2005,
    Raise = 2010,
    Shadow = 2020,
    SimpleBorder = 2030,
    Blur = 3000,
    Charcoal = 3020,
    Edge = 3030,
    Emboss = 3040,
    GaussianBlur = 3050,
    BlackWhite = 3060,
    Implode = 3070,
    Negate = 3080,
    Noise = 3090,
    OilPaint = 3100,
    Sepia = 3120,
    Solarize = 3130,
    Shade = 3140,
    Spread = 3150,
    Swirl = 3160,
    Wave = 3170,
    AutoContrast = 4000,
    AutoGamma = 4003,
    AutoLevels = 4006,
    Brightness = 4010,
    Contrast = 4020,
    ColorBalance = 4030,
    Equalize = 4040,
    HueSaturation = 4050,
    Levels = 4060,
    ReduceNoise = 4070,
    Sharpen = 4080,
    SharpenAdvanced = 4090,
    AutoRotate = 5000,
    AutoCrop = 5002,
    ColorReplace = 5010,
    Crop = 5020,
    Flip = 5030,
    Resize = 5040,
    ResizeAdvanced = 5050,
    Roll = 5060,
    Rotate = 5070,
    Thumbnail = 5080,
};

// The filters whose overlay can be dragged in a preview.
constexpr bool IsInteractive(qint32 id)
{
    return id == Comment || id == Date || id == WatermarkText || id == WatermarkLogo
        || id == Crop || id == Resize;
}
} // namespace FilterId
