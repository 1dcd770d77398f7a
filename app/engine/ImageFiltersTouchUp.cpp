// The Touch-Up group (ids 4000-4090): tone, colour and sharpness. The settings pages' values
// map linearly onto one or two ImageMagick operations; values outside what a page offers fail
// the step and leave the photo as it was, except a list choice the page's list does not hold,
// which takes the page's default item.

#include "ImageFilters.h"

#include "FilterSlots.h"
#include "StoredValues.h"

#include <cmath>
#include <vector>

namespace {

using MagickCore::Quantum;

// Level points and midpoints are worked out on the 0-255 scale; this build's samples run to
// QuantumRange.
constexpr double QuantaPerSample = double(QuantumRange) / 255.0;

// Page factors: 200/201 and 2/201 (Brightness, Hue/Saturation), 10/101 (Color Balance),
// 15/101 and 155/101 (Contrast), 1/404 and 10/404 (Levels).
constexpr double PercentStep = 200.0 / 201.0;
constexpr double GammaStep = 2.0 / 201.0;
constexpr double ChannelGammaStep = 10.0 / 101.0;
constexpr double ContrastStep = 15.0 / 101.0;
constexpr double MidpointStep = 155.0 / 101.0;
constexpr double MidpointOffset = 82.58064516129032;
constexpr double LevelStep = 1.0 / 404.0;
constexpr double LevelGammaStep = 10.0 / 404.0;

// ImageMagick 6 EnhanceImage hands back no image for anything narrower or shorter than its
// 5x5 window, without an exception, and Magick++ then leaves a blank picture in its place.
constexpr size_t EnhanceWindow = 5;

double SampleToQuantum(double sample)
{
    return sample * QuantaPerSample;
}

} // namespace

bool CImageFilters::ApplyAutoContrast()
{
    target->normalize();
    return true;
}

bool CImageFilters::ApplyAutoGamma()
{
    const size_t columns = target->columns();
    const size_t rows = target->rows();
    if (columns == 0 || rows == 0)
        return false;

    // Measured on 8-bit samples, one row at a time, so a large photo needs no second copy.
    // Greyscale pictures export the same value in all three samples.
    constexpr size_t Channels = 3;
    std::vector<unsigned char> row(columns * Channels);
    double sums[Channels] = { 0.0, 0.0, 0.0 };
    for (size_t y = 0; y < rows; ++y) {
        target->write(0, ssize_t(y), columns, 1, "RGB", Magick::CharPixel, row.data());
        for (size_t i = 0; i < row.size(); i += Channels) {
            sums[0] += row[i];
            sums[1] += row[i + 1];
            sums[2] += row[i + 2];
        }
    }
    double means[Channels];
    for (size_t channel = 0; channel < Channels; ++channel)
        means[channel] = sums[channel] / double(rows) / double(columns);

    const double mean = (means[0] + means[1] + means[2]) / 3.0 / 255.0;
    double gamma = 2.0 * (1.0 - mean);
    if (gamma >= 1.9)
        gamma = 1.9;
    else if (gamma <= 0.1)
        gamma = 0.1;
    target->gamma(gamma);
    return true;
}

bool CImageFilters::ApplyAutoLevels()
{
    // ImageMagick 6 reports into the image's own exception record instead of one passed in.
    target->modifyImage();
    const bool leveled = MagickCore::AutoLevelImage(target->image()) != MagickCore::MagickFalse;
    target->throwImageException();
    return leveled;
}

bool CImageFilters::ApplyBrightness()
{
    const double lightness = record.numbers[BrightnessSlot::Lightness];
    const double gamma = record.numbers[BrightnessSlot::Gamma];
    if (!InRange(lightness, -100.0, 100.0) || !InRange(gamma, -100.0, 100.0))
        return false;
    target->modulate((lightness + 100.0) * PercentStep, 100.0, 100.0);
    target->gamma((gamma + 100.0) * GammaStep);
    return true;
}

bool CImageFilters::ApplyContrast()
{
    const double contrast = record.numbers[ContrastSlot::Contrast];
    const double lightness = record.numbers[ContrastSlot::Lightness];
    if (!InRange(contrast, -50.0, 50.0) || !InRange(lightness, -50.0, 50.0))
        return false;

    double strength = (contrast - 0.5) * ContrastStep;
    const double midpoint = (lightness + MidpointOffset) * MidpointStep; // sample units
    if (contrast >= 0.0) {
        // A strength of exactly 0 would leave ImageMagick nothing to do.
        if (strength == 0.0)
            strength = 0.000009999999747378752;
        target->sigmoidalContrast(true, strength, SampleToQuantum(255.0 - midpoint));
    } else {
        target->sigmoidalContrast(false, -strength, SampleToQuantum(midpoint));
    }
    return true;
}

bool CImageFilters::ApplyColorBalance()
{
    const double red = record.numbers[ColorBalanceSlot::Red];
    const double green = record.numbers[ColorBalanceSlot::Green];
    const double blue = record.numbers[ColorBalanceSlot::Blue];
    if (!InRange(red, -10.0, 90.0) || !InRange(green, -10.0, 90.0) || !InRange(blue, -10.0, 90.0))
        return false;
    target->gamma((red + 10.0) * ChannelGammaStep, (green + 10.0) * ChannelGammaStep,
        (blue + 10.0) * ChannelGammaStep);
    return true;
}

bool CImageFilters::ApplyEqualize()
{
    if (!target->matte()) {
        target->equalize();
        return true;
    }

    // ImageMagick 6 runs its tone map over the opacity samples too, which turns partial
    // transparency into arbitrary values; the alpha is kept aside and put back unchanged.
    const size_t columns = target->columns();
    const size_t rows = target->rows();
    std::vector<unsigned short> alpha(columns * rows);
    target->write(0, 0, columns, rows, "A", Magick::ShortPixel, alpha.data());
    target->equalize();
    target->modifyImage();
    const bool restored = MagickCore::ImportImagePixels(target->image(), 0, 0, columns, rows, "A",
                              MagickCore::ShortPixel, alpha.data())
        != MagickCore::MagickFalse;
    target->throwImageException();
    return restored;
}

bool CImageFilters::ApplyHueSaturation()
{
    const double hue = record.numbers[HueSaturationSlot::Hue];
    const double saturation = record.numbers[HueSaturationSlot::Saturation];
    const double lightness = record.numbers[HueSaturationSlot::Lightness];
    if (!InRange(hue, -100.0, 100.0) || !InRange(saturation, -100.0, 100.0)
        || !InRange(lightness, -100.0, 100.0))
        return false;
    target->modulate((lightness + 100.0) * PercentStep, (saturation + 100.0) * PercentStep,
        (hue + 100.0) * PercentStep);
    return true;
}

bool CImageFilters::ApplyLevels()
{
    const double blackPoint = record.numbers[LevelsSlot::BlackPoint];
    const double middle = record.numbers[LevelsSlot::MiddleGamma];
    const double whitePoint = record.numbers[LevelsSlot::WhitePoint];
    if (!InRange(blackPoint, 0.0, 99.0) || !InRange(middle, 0.0, 99.0)
        || !InRange(whitePoint, 0.0, 99.0))
        return false;

    // At most a quarter of the range from each end, so black always stays below white.
    const double black = SampleToQuantum(blackPoint * LevelStep * 255.0);
    const double white = SampleToQuantum(255.0 - whitePoint * LevelStep * 255.0);
    const double gamma = middle * LevelGammaStep;
    switch (ChoiceAs<LevelsSlot::EChannel>(record, LevelsSlot::ChannelChoice)) {
    case LevelsSlot::EChannel::Red:
        target->levelChannel(Magick::RedChannel, black, white, gamma);
        break;
    case LevelsSlot::EChannel::Green:
        target->levelChannel(Magick::GreenChannel, black, white, gamma);
        break;
    case LevelsSlot::EChannel::Blue:
        target->levelChannel(Magick::BlueChannel, black, white, gamma);
        break;
    default: // All
        target->level(black, white, gamma);
        break;
    }
    return true;
}

bool CImageFilters::ApplyReduceNoise()
{
    if (ChoiceAs<ReduceNoiseSlot::EAlgorithm>(record, ReduceNoiseSlot::AlgorithmChoice)
        == ReduceNoiseSlot::EAlgorithm::Despeckle) {
        target->despeckle();
        return true;
    }
    if (target->columns() < EnhanceWindow || target->rows() < EnhanceWindow)
        return false;
    target->enhance();
    return true;
}

bool CImageFilters::ApplySharpen()
{
    const double amount = record.numbers[SharpenSlot::Amount];
    if (!InRange(amount, 0.0, 99.0))
        return false;
    const double radius = amount * (3.0 / 101.0);
    const double sigma = radius * 0.5;
    target->sharpen(radius * drawScale, (sigma > 0.4 ? sigma : 0.4) * drawScale);
    return true;
}

bool CImageFilters::ApplySharpenAdvanced()
{
    const double amount = record.numbers[SharpenAdvancedSlot::Amount];
    const double radiusValue = record.numbers[SharpenAdvancedSlot::Radius];
    const double threshold = record.numbers[SharpenAdvancedSlot::Threshold];
    if (!InRange(amount, 0.0, 99.0) || !InRange(radiusValue, 0.0, 99.0)
        || !InRange(threshold, 0.0, 10.0))
        return false;
    const double radius = radiusValue * 0.03;
    const double sigma = radius * 0.5;
    // The threshold is a fraction of the full range, the same in every quantum build.
    target->unsharpmask(
        radius, sigma > 0.1 ? sigma : 0.1, amount * 0.03, threshold * (3.0 / 110.0));
    return true;
}
