#pragma once

// The parameter slots of each filter: SFilterRecord::numbers and ::texts by name, in the order
// the settings pages write them and the engine reads them. NumberCount and TextCount are the
// counts a page stores. Stored documents hold the slots by position, so the order never
// changes. Filters without parameters have no entry. Colours are 32-bit 0xAARRGGBB values
// stored as unsigned numbers; flags are 1 or 0; a unit is an ESizeUnit.
//
// A slot that holds the index of an item in a page's list or radio group has a choice beside
// its enum: how many items there are and the one the page starts with. Where the items mean
// something beyond their place in the list, an enum class names them by their stored numbers,
// which never change. Read such slots through ChoiceOf or ChoiceAs (StoredValues.h), never as
// a bare index: documents may hold anything.

// A numeric slot holding a list index, with the list's size and the page's default item.
struct SChoiceSlot
{
    int slot;
    int count; // the valid choices are 0 to count - 1
    int fallback; // the item the settings page starts with
};

// The Unit slot of Crop, Resize, Roll and Simple Border, as stored and as listed in the pages'
// unit boxes.
enum class ESizeUnit : int { Pixels = 0, Percents = 1 };

// Annotate

// Placement 0 top left to 8 bottom right, row by row; deltas in percent of the photo.
namespace CommentSlot {
enum : int {
    Placement,
    DeltaX,
    DeltaY,
    FontSize,
    TextColor,
    Transparency, // percent, 0 opaque
    Alignment, // EAlignment
    Bold,
    Italic,
    Underline,
    StrikeOut,
    NumberCount
};
enum : int { Text, FontFamily, TextCount };
inline constexpr SChoiceSlot PlacementChoice { Placement, 9, 7 };
enum class EAlignment : int { Left = 0, Centre = 1, Right = 2 };
inline constexpr SChoiceSlot AlignmentChoice { Alignment, 3, int(EAlignment::Centre) };
} // namespace CommentSlot

// Deltas in percent of the photo; transparencies in percent; BoxMargin in percent of the
// text's size; blurs 0 to 10. Correction is "+YYYY+MM+DD +hh+mm+ss".
namespace DateSlot {
enum : int {
    Shown, // 0-2 the photo's date and time, 3-5 the moment of processing
    DateLayout,
    Placement,
    FontSize,
    TextColor,
    Transparency,
    TimeLayout,
    DeltaX,
    DeltaY,
    Rotation, // degrees
    Bold,
    Italic,
    Underline,
    StrikeOut,
    Separator,
    UseTexture,
    Blur,
    UseStroke,
    StrokeColor,
    StrokeTransparency,
    StrokeWidth,
    UseShadow,
    ShadowColor,
    ShadowTransparency,
    ShadowDistance,
    ShadowAngle, // degrees
    ShadowBlur,
    UseBox,
    BoxColor,
    BoxTransparency,
    BoxMargin,
    NumberCount
};
enum : int { FontFamily, TexturePath, Correction, TextCount };
inline constexpr SChoiceSlot ShownChoice { Shown, 6, 0 };
inline constexpr SChoiceSlot DateLayoutChoice { DateLayout, 12, 0 };
inline constexpr SChoiceSlot PlacementChoice { Placement, 9, 8 };
inline constexpr SChoiceSlot TimeLayoutChoice { TimeLayout, 4, 0 };
inline constexpr SChoiceSlot SeparatorChoice { Separator, 5, 4 };
} // namespace DateSlot

// Deltas in photo pixels; transparency in percent; rotation in degrees.
namespace WatermarkTextSlot {
enum : int {
    Placement,
    DeltaX,
    DeltaY,
    FontSize,
    TextColor,
    Transparency,
    Rotation,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    TextFromFile, // one line of TextFilePath per photo instead of Text
    NumberCount
};
enum : int { Text, FontFamily, TextFilePath, TextCount };
inline constexpr SChoiceSlot PlacementChoice { Placement, 9, 7 };
} // namespace WatermarkTextSlot

// Deltas in photo pixels from the anchored edge; scale and transparency in percent; rotation
// in degrees.
namespace WatermarkLogoSlot {
enum : int { Placement, DeltaX, DeltaY, Scale, Rotation, Transparency, NumberCount };
enum : int { LogoPath, TextCount };
inline constexpr SChoiceSlot PlacementChoice { Placement, 9, 8 };
} // namespace WatermarkLogoSlot

// RotateForPortrait is how portrait photos are masked; transparency in percent.
namespace WatermarkMaskSlot {
enum : int { RotateForPortrait, Transparency, NumberCount };
enum : int { MaskPath, PortraitMaskPath, TextCount };
// The page's two radio buttons: the mask of PortraitMaskPath, or the mask turned.
enum class EPortrait : int { PortraitMask = 0, RotateMask = 1 };
inline constexpr SChoiceSlot PortraitChoice { RotateForPortrait, 2, int(EPortrait::RotateMask) };
} // namespace WatermarkMaskSlot

// Border

// Frame is the index into the page's list; Edges 0 sharp, 1 blurred.
namespace ShapeFrameSlot {
enum : int { Frame, BackgroundColor, Edges, TransparentBackground, RandomFrame, NumberCount };
inline constexpr SChoiceSlot FrameChoice { Frame, 6, 0 };
inline constexpr SChoiceSlot EdgesChoice { Edges, 2, 0 };
} // namespace ShapeFrameSlot

namespace GrungeFrameSlot {
enum : int { Frame, BackgroundColor, TransparentBackground, RandomFrame, NumberCount };
inline constexpr SChoiceSlot FrameChoice { Frame, 6, 0 };
} // namespace GrungeFrameSlot

namespace PictureFrameSlot {
enum : int { Frame, BackgroundColor, TransparentBackground, RandomFrame, NumberCount };
inline constexpr SChoiceSlot FrameChoice { Frame, 4, 0 };
} // namespace PictureFrameSlot

namespace VintageFrameSlot {
enum : int { Frame, BackgroundColor, TransparentBackground, RandomFrame, NumberCount };
inline constexpr SChoiceSlot FrameChoice { Frame, 9, 0 };
} // namespace VintageFrameSlot

// BorderHeight in percent of the photo (0 to 360); rotation in degrees; KeepAspect 0 first cuts
// the photo to its centred square.
namespace PolaroidSlot {
enum : int { BorderHeight, Rotation, BorderColor, KeepAspect, NumberCount };
} // namespace PolaroidSlot

// BevelWidth in percent of the photo's shorter side.
namespace RaiseSlot {
enum : int { BevelWidth, Effect, NumberCount };
enum class EEffect : int { Lower = 0, Raise = 1 };
inline constexpr SChoiceSlot EffectChoice { Effect, 2, int(EEffect::Raise) };
} // namespace RaiseSlot

// Transparency 0 to 99 as the page shows it; the engine hands it to ShadowImage as the
// shadow's opacity. Size is the shadow's blur in pixels.
namespace ShadowSlot {
enum : int { Transparency, Size, Color, WhiteBackground, NumberCount };
} // namespace ShadowSlot

// Sides in Unit; Uniform takes Top for all four sides.
namespace SimpleBorderSlot {
enum : int { Top, Bottom, Left, Right, Unit, Color, Uniform, NumberCount };
inline constexpr SChoiceSlot UnitChoice { Unit, 2, int(ESizeUnit::Pixels) };
} // namespace SimpleBorderSlot

// Effects: page values 0 to 99 unless noted.

namespace BlurSlot {
enum : int { Strength, NumberCount };
} // namespace BlurSlot

namespace CharcoalSlot {
enum : int { Radius, Sigma, NumberCount };
} // namespace CharcoalSlot

// Radius 1 to 5.
namespace EdgeSlot {
enum : int { Radius, NumberCount };
} // namespace EdgeSlot

namespace EmbossSlot {
enum : int { Radius, Sigma, NumberCount };
} // namespace EmbossSlot

namespace GaussianBlurSlot {
enum : int { Width, Sigma, NumberCount };
} // namespace GaussianBlurSlot

namespace ImplodeSlot {
enum : int { Amount, NumberCount };
} // namespace ImplodeSlot

// Type 0 Gaussian, 1 multiplicative Gaussian, 2 impulse, 3 Laplacian, 4 Poisson.
namespace NoiseSlot {
enum : int { Type, NumberCount };
inline constexpr SChoiceSlot TypeChoice { Type, 5, 4 };
} // namespace NoiseSlot

// Radius 0 to 10.
namespace OilPaintSlot {
enum : int { Radius, NumberCount };
} // namespace OilPaintSlot

namespace SepiaSlot {
enum : int { Tone, Saturation, NumberCount };
} // namespace SepiaSlot

namespace SolarizeSlot {
enum : int { Amount, NumberCount };
} // namespace SolarizeSlot

namespace ShadeSlot {
enum : int { Azimuth, Elevation, GrayscaleShading, NumberCount };
} // namespace ShadeSlot

namespace SpreadSlot {
enum : int { Amount, NumberCount };
} // namespace SpreadSlot

// Angle in degrees, 0 to 360.
namespace SwirlSlot {
enum : int { Angle, NumberCount };
} // namespace SwirlSlot

namespace WaveSlot {
enum : int { Amplitude, Length, NumberCount };
} // namespace WaveSlot

// Touch-Up

// Both -100 to 100.
namespace BrightnessSlot {
enum : int { Lightness, Gamma, NumberCount };
} // namespace BrightnessSlot

// Both -50 to 50.
namespace ContrastSlot {
enum : int { Contrast, Lightness, NumberCount };
} // namespace ContrastSlot

// The gamma correction of each channel, -10 to 90.
namespace ColorBalanceSlot {
enum : int { Red, Green, Blue, NumberCount };
} // namespace ColorBalanceSlot

// All -100 to 100.
namespace HueSaturationSlot {
enum : int { Hue, Saturation, Lightness, NumberCount };
} // namespace HueSaturationSlot

// Points 0 to 99, the black point counted up from black and the white point down from white;
// Channel is shown first on the page, stored last.
namespace LevelsSlot {
enum : int { BlackPoint, MiddleGamma, WhitePoint, Channel, NumberCount };
enum class EChannel : int { All = 0, Red = 1, Green = 2, Blue = 3 };
inline constexpr SChoiceSlot ChannelChoice { Channel, 4, int(EChannel::All) };
} // namespace LevelsSlot

namespace ReduceNoiseSlot {
enum : int { Algorithm, NumberCount };
enum class EAlgorithm : int { Enhance = 0, Despeckle = 1 };
inline constexpr SChoiceSlot AlgorithmChoice { Algorithm, 2, int(EAlgorithm::Enhance) };
} // namespace ReduceNoiseSlot

// Amount 0 to 99.
namespace SharpenSlot {
enum : int { Amount, NumberCount };
} // namespace SharpenSlot

// Amount and radius 0 to 99, threshold 0 to 10.
namespace SharpenAdvancedSlot {
enum : int { Amount, Radius, Threshold, NumberCount };
} // namespace SharpenAdvancedSlot

// Transform

// Custom takes its ratio from the two custom slots; the region is along the side with room to
// spare.
namespace AutoCropSlot {
enum : int {
    AspectRatio,
    InvertPortrait, // the ratio is height to width for a photo not wider than high
    CustomRatioWidth,
    CustomRatioHeight,
    Region,
    NumberCount
};
enum class ERatio : int {
    Wide16x9 = 0,
    Wide16x10 = 1,
    Photo3x2 = 2,
    Photo4x3 = 3,
    Square = 4,
    Custom = 5
};
enum class ERegion : int { LeftTop = 0, Center = 1, RightBottom = 2 };
inline constexpr SChoiceSlot AspectRatioChoice { AspectRatio, 6, int(ERatio::Wide16x9) };
inline constexpr SChoiceSlot RegionChoice { Region, 3, int(ERegion::Center) };
} // namespace AutoCropSlot

// Tolerance 0 to 99 on the 0-255 scale.
namespace ColorReplaceSlot {
enum : int { Tolerance, OriginalColor, NewColor, OriginalSource, NewSource, NumberCount };
// Custom is the colour of the source's colour slot.
enum class ESource : int { Custom = 0, Transparency = 1, White = 2, Black = 3 };
inline constexpr SChoiceSlot OriginalSourceChoice { OriginalSource, 4, int(ESource::Custom) };
inline constexpr SChoiceSlot NewSourceChoice { NewSource, 4, int(ESource::Custom) };
} // namespace ColorReplaceSlot

// In Unit: left and width of the photo's width, top and height of its height.
namespace CropSlot {
enum : int { Left, Top, Width, Height, Unit, NumberCount };
inline constexpr SChoiceSlot UnitChoice { Unit, 2, int(ESizeUnit::Pixels) };
} // namespace CropSlot

// Vertical turns the photo upside down, Horizontal mirrors it left to right.
namespace FlipSlot {
enum : int { Vertical, Horizontal, NumberCount };
} // namespace FlipSlot

// Width and height in Unit.
namespace ResizeSlot {
enum : int { Width, Height, KeepAspect, Mode, Unit, NeverEnlarge, NumberCount };
// As listed in the page's "Resize by".
enum class EMode : int { WidthHeight = 0, FixedWidth = 1, FixedHeight = 2, FixedWidthHeight = 3 };
inline constexpr SChoiceSlot ModeChoice { Mode, 4, int(EMode::WidthHeight) };
inline constexpr SChoiceSlot UnitChoice { Unit, 2, int(ESizeUnit::Pixels) };
} // namespace ResizeSlot

// Pixels, document inches and dots per inch.
namespace ResizeAdvancedSlot {
enum : int {
    Width,
    Height,
    DocumentWidth,
    DocumentHeight,
    HorizontalResolution,
    VerticalResolution,
    KeepAspect,
    UniformResolution,
    NumberCount
};
} // namespace ResizeAdvancedSlot

// Shifts in Unit, of the photo's width and height.
namespace RollSlot {
enum : int { Columns, Rows, Unit, NumberCount };
inline constexpr SChoiceSlot UnitChoice { Unit, 2, int(ESizeUnit::Pixels) };
} // namespace RollSlot

// Angle in degrees, 0 to 359; Condition is which photos are turned.
namespace RotateSlot {
enum : int { Angle, Condition, NumberCount };
enum class ECondition : int { AllPhotos = 0, OnlyPortrait = 1, OnlyLandscape = 2 };
inline constexpr SChoiceSlot ConditionChoice { Condition, 3, int(ECondition::AllPhotos) };
} // namespace RotateSlot

// The box in pixels.
namespace ThumbnailSlot {
enum : int { Width, Height, Method, NumberCount };
// Fit inside the box, stretch to it, or fill it and cut what sticks out; the page lists only
// the first two.
enum class EMethod : int { ResizeToFit = 0, StretchToFit = 1, Fill = 2 };
inline constexpr SChoiceSlot MethodChoice { Method, 3, int(EMethod::ResizeToFit) };
} // namespace ThumbnailSlot
