#include "FilterResizeAdvanced.h"
#include "ui_FilterResizeAdvanced.h"

#include "FilterSlots.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A product or quotient of decimals can miss a whole number by a rounding (3.33 x 300 may come
// out a hair below 999): such a miss is not cut down by a whole pixel.
int WholePixels(double value)
{
    const double nearest = std::round(value);
    return Truncated(std::fabs(value - nearest) < 1e-6 ? nearest : value);
}

// A damaged record may hold NaN, which a box would show as it stands.
double Shown(double inches)
{
    return std::isnan(inches) ? 0.0 : inches;
}

int SampleSide(quint64 side)
{
    return int(std::min<quint64>(side, quint64(std::numeric_limits<int>::max())));
}

} // namespace

CFilterResizeAdvanced::CFilterResizeAdvanced(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterResizeAdvanced>())
{
    form->setupUi(this);
}

CFilterResizeAdvanced::~CFilterResizeAdvanced() = default;

CFilterResizeAdvanced::SAxis CFilterResizeAdvanced::Horizontal() const
{
    return { form->spinPixelsWidth, form->spinInchesWidth, form->spinDPIWidth };
}

CFilterResizeAdvanced::SAxis CFilterResizeAdvanced::Vertical() const
{
    return { form->spinPixelsHeight, form->spinInchesHeight, form->spinDPIHeight };
}

double CFilterResizeAdvanced::Proportion() const
{
    if (Sample().width == 0 || Sample().height == 0)
        return 1.0;
    return double(Sample().width) / double(Sample().height);
}

void CFilterResizeAdvanced::InitControls()
{
    guard = false;
    form->spinPixelsWidth->setFocus(Qt::OtherFocusReason);
}

void CFilterResizeAdvanced::Initialize()
{
    InitControls();
    const SSampleInfo &sample = Sample();
    guard = true;
    form->spinPixelsWidth->setValue(SampleSide(sample.width));
    form->spinPixelsHeight->setValue(SampleSide(sample.height));
    // Without a resolution there is no document size: the inches stay as they are.
    if (sample.xDpi > 0)
        form->spinInchesWidth->setValue(double(sample.width) / sample.xDpi);
    if (sample.yDpi > 0)
        form->spinInchesHeight->setValue(double(sample.height) / sample.yDpi);
    form->spinDPIWidth->setValue(sample.xDpi);
    form->spinDPIHeight->setValue(sample.yDpi);
    guard = false;
    form->checkAspectRatio->setChecked(defaultKeepAspect != 0.0);
    form->checkUniformDPI->setChecked(defaultUniformResolution != 0.0);
    form->spinDPIHeight->setEnabled(!form->checkUniformDPI->isChecked());
    RestartTimer(0);
}

void CFilterResizeAdvanced::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    const auto &numbers = settings.numbers;
    double width = numbers[ResizeAdvancedSlot::Width];
    double height = numbers[ResizeAdvancedSlot::Height];
    double inchesWidth = numbers[ResizeAdvancedSlot::DocumentWidth];
    double inchesHeight = numbers[ResizeAdvancedSlot::DocumentHeight];
    const double xDpi = numbers[ResizeAdvancedSlot::HorizontalResolution];
    const double yDpi = numbers[ResizeAdvancedSlot::VerticalResolution];

    // The stored size is a box: the sample's longer side takes the box's longer side, as the
    // filter does with each photo. A side a damaged record holds as NaN does not count.
    if (settings.numberCount != 0 && numbers[ResizeAdvancedSlot::KeepAspect] == 1.0) {
        const double longer = std::fmax(width, height);
        const double proportion = Proportion();
        width = proportion >= 1.0 ? longer : longer * proportion;
        height = proportion >= 1.0 ? longer / proportion : longer;
        if (xDpi > 0.0)
            inchesWidth = width / xDpi;
        if (yDpi > 0.0)
            inchesHeight = height / yDpi;
    }

    guard = true;
    form->spinPixelsWidth->setValue(RoundHalfUp(width));
    form->spinPixelsHeight->setValue(RoundHalfUp(height));
    form->spinInchesWidth->setValue(Shown(inchesWidth));
    form->spinInchesHeight->setValue(Shown(inchesHeight));
    form->spinDPIWidth->setValue(RoundHalfUp(xDpi));
    form->spinDPIHeight->setValue(RoundHalfUp(yDpi));
    guard = false;
    form->checkAspectRatio->setChecked(RoundHalfUp(numbers[ResizeAdvancedSlot::KeepAspect]) != 0);
    form->checkUniformDPI->setChecked(
        RoundHalfUp(numbers[ResizeAdvancedSlot::UniformResolution]) != 0);
    form->spinDPIHeight->setEnabled(!form->checkUniformDPI->isChecked());
    FinishLoad(settings, startPreview);
}

void CFilterResizeAdvanced::Save(SFilterRecord &settings)
{
    settings.numberCount = ResizeAdvancedSlot::NumberCount;
    auto &numbers = settings.numbers;
    numbers[ResizeAdvancedSlot::Width] = form->spinPixelsWidth->value();
    numbers[ResizeAdvancedSlot::Height] = form->spinPixelsHeight->value();
    numbers[ResizeAdvancedSlot::DocumentWidth] = form->spinInchesWidth->value();
    numbers[ResizeAdvancedSlot::DocumentHeight] = form->spinInchesHeight->value();
    numbers[ResizeAdvancedSlot::HorizontalResolution] = form->spinDPIWidth->value();
    numbers[ResizeAdvancedSlot::VerticalResolution] = form->spinDPIHeight->value();
    numbers[ResizeAdvancedSlot::KeepAspect] = form->checkAspectRatio->isChecked() ? 1.0 : 0.0;
    numbers[ResizeAdvancedSlot::UniformResolution] = form->checkUniformDPI->isChecked() ? 1.0 : 0.0;
}

bool CFilterResizeAdvanced::TakeGuard()
{
    if (guard) {
        RestartTimer(QuickDelayMs);
        return false;
    }
    guard = true;
    return true;
}

void CFilterResizeAdvanced::ReleaseGuard(int ms)
{
    guard = false;
    RestartTimer(ms);
}

double CFilterResizeAdvanced::OtherSide(double value, bool fromWidth) const
{
    return fromWidth ? value / Proportion() : value * Proportion();
}

// Each value is read back from its box once set, so inches go on at the two decimals shown.
// A resolution of 0 ties no inches to pixels: neither is worked out from the other.
void CFilterResizeAdvanced::InchesFromPixels(const SAxis &axis)
{
    const int dpi = axis.dpi->value();
    if (dpi > 0)
        axis.inches->setValue(double(axis.pixels->value()) / dpi);
}

void CFilterResizeAdvanced::PixelsFromInches(const SAxis &axis)
{
    const int dpi = axis.dpi->value();
    if (dpi > 0)
        axis.pixels->setValue(WholePixels(axis.inches->value() * dpi));
}

void CFilterResizeAdvanced::PixelsChanged(
    const SAxis &changed, const SAxis &other, bool widthChanged)
{
    if (!TakeGuard())
        return;
    if (form->checkAspectRatio->isChecked()) {
        other.pixels->setValue(WholePixels(OtherSide(changed.pixels->value(), widthChanged)));
        InchesFromPixels(other);
    }
    InchesFromPixels(changed);
    ReleaseGuard(SlowDelayMs);
}

void CFilterResizeAdvanced::InchesChanged(
    const SAxis &changed, const SAxis &other, bool widthChanged)
{
    if (!TakeGuard())
        return;
    if (form->checkAspectRatio->isChecked()) {
        other.inches->setValue(OtherSide(changed.inches->value(), widthChanged));
        PixelsFromInches(other);
    }
    PixelsFromInches(changed);
    ReleaseGuard(SlowDelayMs);
}

void CFilterResizeAdvanced::on_spinPixelsWidth_valueChanged(int value)
{
    Q_UNUSED(value)
    PixelsChanged(Horizontal(), Vertical(), true);
}

void CFilterResizeAdvanced::on_spinPixelsHeight_valueChanged(int value)
{
    Q_UNUSED(value)
    PixelsChanged(Vertical(), Horizontal(), false);
}

void CFilterResizeAdvanced::on_spinInchesWidth_valueChanged(double value)
{
    Q_UNUSED(value)
    InchesChanged(Horizontal(), Vertical(), true);
}

void CFilterResizeAdvanced::on_spinInchesHeight_valueChanged(double value)
{
    Q_UNUSED(value)
    InchesChanged(Vertical(), Horizontal(), false);
}

// A resolution keeps the pixels and moves the inches.
void CFilterResizeAdvanced::on_spinDPIWidth_valueChanged(int value)
{
    if (!TakeGuard())
        return;
    if (form->checkUniformDPI->isChecked()) {
        form->spinDPIHeight->setValue(value);
        InchesFromPixels(Vertical());
    }
    InchesFromPixels(Horizontal());
    ReleaseGuard(SlowDelayMs);
}

void CFilterResizeAdvanced::on_spinDPIHeight_valueChanged(int value)
{
    Q_UNUSED(value)
    if (!TakeGuard())
        return;
    InchesFromPixels(Vertical());
    ReleaseGuard(SlowDelayMs);
}

// Turning the lock on does not refit the values shown.
void CFilterResizeAdvanced::on_checkAspectRatio_clicked()
{
    RestartTimer(QuickDelayMs);
}

// A uniform resolution keeps the document size: the height in pixels follows the new
// vertical resolution.
void CFilterResizeAdvanced::on_checkUniformDPI_clicked()
{
    if (!TakeGuard())
        return;
    const bool uniform = form->checkUniformDPI->isChecked();
    if (uniform) {
        form->spinDPIHeight->setValue(form->spinDPIWidth->value());
        PixelsFromInches(Vertical());
    }
    form->spinDPIHeight->setEnabled(!uniform);
    ReleaseGuard(QuickDelayMs);
}
