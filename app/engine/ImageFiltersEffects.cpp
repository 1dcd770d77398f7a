// The Effects group (ids 3000-3170): each filter maps its page's values linearly onto one
// ImageMagick operation. Values outside what the settings page offers fail the step; a list
// choice the page's list does not hold takes the page's default item.

#include "ImageFilters.h"

#include "FilterSlots.h"
#include "StoredValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using MagickCore::Quantum;

// Thresholds are given on the 0-255 scale; this build's samples run to QuantumRange.
constexpr double QuantaPerSample = double(QuantumRange) / 255.0;

bool PageValue(double value)
{
    return InRange(value, 0.0, 99.0);
}

struct SExceptionInfoDeleter
{
    void operator()(MagickCore::ExceptionInfo *exception) const
    {
        MagickCore::DestroyExceptionInfo(exception);
    }
};
using ExceptionInfoPointer = std::unique_ptr<MagickCore::ExceptionInfo, SExceptionInfoDeleter>;

ExceptionInfoPointer AcquireException()
{
    return ExceptionInfoPointer(MagickCore::AcquireExceptionInfo());
}

// Runs a MagickCore operation that returns a new image and puts the result in place of the
// target. A refused operation (no image) leaves the target as it was; whatever ImageMagick
// reported, warnings included, is thrown the way Magick++ methods throw it.
template<typename Operation> bool ReplaceWith(Magick::Image &target, Operation operation)
{
    const ExceptionInfoPointer exception = AcquireException();
    MagickCore::Image *result = operation(target.constImage(), exception.get());
    if (result != nullptr)
        target.replaceImage(result);
    Magick::throwException(exception.get(), target.quiet());
    return result != nullptr;
}

} // namespace

bool CImageFilters::ApplyBlur()
{
    const double strength = record.numbers[BlurSlot::Strength];
    if (!PageValue(strength))
        return false;
    const double radius = strength * 0.1;
    const double sigma = radius * 0.5;
    target->blur(radius, sigma > 0.1 ? sigma : 0.1);
    return true;
}

bool CImageFilters::ApplyCharcoal()
{
    const double radius = record.numbers[CharcoalSlot::Radius];
    const double sigma = record.numbers[CharcoalSlot::Sigma];
    if (!PageValue(radius) || !PageValue(sigma))
        return false;
    target->charcoal(radius * 0.05, 0.1 + sigma * 0.049);
    return true;
}

bool CImageFilters::ApplyEdge()
{
    if (!InRange(record.numbers[EdgeSlot::Radius], 1.0, 5.0))
        return false;
    target->edge(record.numbers[EdgeSlot::Radius]);
    return true;
}

bool CImageFilters::ApplyEmboss()
{
    const double radius = record.numbers[EmbossSlot::Radius];
    const double sigma = record.numbers[EmbossSlot::Sigma];
    if (!PageValue(radius) || !PageValue(sigma))
        return false;
    target->emboss(radius * 0.05, 0.1 + sigma * 0.049);
    return true;
}

bool CImageFilters::ApplyGaussianBlur()
{
    const double width = record.numbers[GaussianBlurSlot::Width];
    const double sigma = record.numbers[GaussianBlurSlot::Sigma];
    if (!PageValue(width) || !PageValue(sigma))
        return false;
    target->gaussianBlur(width * 0.1, 0.1 + sigma * 0.099);
    return true;
}

bool CImageFilters::ApplyBlackWhite()
{
    // The pixels are read as RGB; CMYK or other spaces would give their raw channels.
    const Magick::ColorspaceType space = target->colorSpace();
    if (space != Magick::sRGBColorspace && space != Magick::RGBColorspace
        && space != Magick::GRAYColorspace)
        target->colorSpace(Magick::sRGBColorspace);

    // Writing rows back needs a private, direct-class copy (a palette image would otherwise
    // keep its colour map).
    target->modifyImage();
    target->classType(Magick::DirectClass);

    // Row by row through 8-bit RGB: the average is exact in 8-bit arithmetic, memory stays one
    // row, and the alpha channel is neither read nor written.
    const size_t columns = target->columns();
    std::vector<unsigned char> row(columns * 3);
    MagickCore::Image *image = target->image();
    for (size_t y = 0; y < target->rows(); ++y) {
        target->write(0, ssize_t(y), columns, 1, "RGB", Magick::CharPixel, row.data());
        for (size_t x = 0; x < columns; ++x) {
            unsigned char *pixel = row.data() + x * 3;
            const int sum = pixel[0] + pixel[1] + pixel[2];
            // sum / 3 rounded half up; its fraction is only ever 0, 1/3 or 2/3.
            const auto grey = static_cast<unsigned char>((sum + 1) / 3);
            pixel[0] = pixel[1] = pixel[2] = grey;
        }
        // Magick++ can only import by building a new image, which would drop the photo's
        // profiles and attributes: import into the existing one instead.
        if (MagickCore::ImportImagePixels(
                image, 0, ssize_t(y), columns, 1, "RGB", MagickCore::CharPixel, row.data())
            == MagickCore::MagickFalse) {
            Magick::throwException(&image->exception, target->quiet());
            return false;
        }
    }
    return true;
}

bool CImageFilters::ApplyImplode()
{
    if (!PageValue(record.numbers[ImplodeSlot::Amount]))
        return false;
    target->implode(record.numbers[ImplodeSlot::Amount] * 0.012);
    return true;
}

bool CImageFilters::ApplyNegate()
{
    target->negate(false);
    return true;
}

bool CImageFilters::ApplyNoise()
{
    // The page's order of kinds; ImageMagick's own enumeration starts with undefined and
    // uniform noise, which the page does not offer.
    static constexpr std::array<Magick::NoiseType, 5> kinds { Magick::GaussianNoise,
        Magick::MultiplicativeGaussianNoise, Magick::ImpulseNoise, Magick::LaplacianNoise,
        Magick::PoissonNoise };
    static_assert(kinds.size() == size_t(NoiseSlot::TypeChoice.count));
    target->addNoise(kinds[size_t(ChoiceOf(record, NoiseSlot::TypeChoice))]);
    return true;
}

bool CImageFilters::ApplyOilPaint()
{
    if (!InRange(record.numbers[OilPaintSlot::Radius], 0.0, 10.0))
        return false;
    // The page's 0-10 scale spans radii up to 8 (8/11 per step).
    target->oilPaint(record.numbers[OilPaintSlot::Radius] * 0.7272727272727273);
    return true;
}

bool CImageFilters::ApplySepia()
{
    const double tone = record.numbers[SepiaSlot::Tone];
    const double saturation = record.numbers[SepiaSlot::Saturation];
    if (!PageValue(tone) || !PageValue(saturation))
        return false;

    const double threshold = (tone + 150.0) * QuantaPerSample;
    const bool toned = ReplaceWith(
        *target, [threshold](const MagickCore::Image *image, MagickCore::ExceptionInfo *exception) {
            return MagickCore::SepiaToneImage(image, threshold, exception);
        });
    if (!toned)
        return false;
    target->modulate(100.0, saturation + 10.0, 100.0);
    return true;
}

bool CImageFilters::ApplySolarize()
{
    if (!PageValue(record.numbers[SolarizeSlot::Amount]))
        return false;
    // (100 - p0) * 2.6 samples: from 260 (above every sample, no change) down to 2.6.
    target->solarize((100.0 - record.numbers[SolarizeSlot::Amount]) * 2.6 * QuantaPerSample);
    return true;
}

bool CImageFilters::ApplyShade()
{
    const double azimuth = record.numbers[ShadeSlot::Azimuth];
    const double elevation = record.numbers[ShadeSlot::Elevation];
    if (!PageValue(azimuth) || !PageValue(elevation)
        || !std::isfinite(record.numbers[ShadeSlot::GrayscaleShading]))
        return false;
    // Magick++ hands its third argument to ShadeImage's "gray" flag: set, the result is the
    // grey relief alone, which is what the page's "Grayscale Shading" box asks for.
    target->shade((azimuth - 9.090909090909092) * 1.1, (elevation - 9.090909090909092) * 1.1,
        record.numbers[ShadeSlot::GrayscaleShading] != 0.0);
    return true;
}

bool CImageFilters::ApplySpread()
{
    if (!PageValue(record.numbers[SpreadSlot::Amount]))
        return false;
    // Magick++'s spread takes whole pixels and would drop the fractional radii of the
    // lower page values; MagickCore takes the radius as given.
    const double radius = record.numbers[SpreadSlot::Amount] * 0.4;
    return ReplaceWith(
        *target, [radius](const MagickCore::Image *image, MagickCore::ExceptionInfo *exception) {
            return MagickCore::SpreadImage(image, radius, exception);
        });
}

bool CImageFilters::ApplySwirl()
{
    if (!InRange(record.numbers[SwirlSlot::Angle], 0.0, 360.0))
        return false;
    target->swirl(record.numbers[SwirlSlot::Angle]);
    return true;
}

bool CImageFilters::ApplyWave()
{
    const double amplitude = record.numbers[WaveSlot::Amplitude];
    const double length = record.numbers[WaveSlot::Length];
    if (!PageValue(amplitude) || !PageValue(length))
        return false;
    target->wave(amplitude, 1.0 + length * 19.99);
    return true;
}
