#include "FilterResize.h"
#include "ui_FilterResize.h"

#include "FilterSlots.h"
#include "Trace.h"

#include <algorithm>

namespace {

constexpr double MaxPixels = 30000;
constexpr double MaxPercents = 1000;
constexpr double DefaultShare = 0.7; // of each side of the sample photo

int ToIndex(ResizeSlot::EMode mode)
{
    return int(mode);
}

int ToIndex(ESizeUnit unit)
{
    return int(unit);
}

} // namespace

CFilterResize::CFilterResize(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::CFilterResize>())
{
    form->setupUi(this);
}

CFilterResize::~CFilterResize() = default;

bool CFilterResize::HasSample() const
{
    return Sample().width > 0 && Sample().height > 0;
}

double CFilterResize::SampleAspect() const
{
    return HasSample() ? double(Sample().width) / double(Sample().height) : 1.0;
}

void CFilterResize::RestartIfReady(int ms)
{
    if (controlsReady)
        RestartTimer(ms);
}

void CFilterResize::InitControls()
{
    updating = false;
    shownUnit = defaultUnit;
    shownMode = defaultMode;
    form->textOriginalSize->setText(
        tr("Original image size:") + tr(" %1 x %2").arg(Sample().width).arg(Sample().height));
    form->comboDimensions->clear();
    form->comboDimensions->addItems({ tr("in Pixels"), tr("in Percents") });
    form->comboResizeBy->clear();
    form->comboResizeBy->addItems({ tr("Width & Height"), tr("Fixed Width"), tr("Fixed Height"),
        tr("Fixed Width & Height") });
    form->spinWidth->setFocus(Qt::OtherFocusReason);
}

void CFilterResize::SetBounds(ESizeUnit unit)
{
    // Without a readable sample there is nothing to scale by: the stored size must survive.
    const auto pixels = [this](quint64 side) {
        return HasSample() ? std::min(MaxPixels, 10.0 * double(side)) : MaxPixels;
    };
    const bool percents = unit == ESizeUnit::Percents;
    form->spinWidth->setRange(0, percents ? MaxPercents : pixels(Sample().width));
    form->spinHeight->setRange(0, percents ? MaxPercents : pixels(Sample().height));
}

void CFilterResize::SetDecimals(int decimals)
{
    form->spinWidth->setDecimals(decimals);
    form->spinHeight->setDecimals(decimals);
}

void CFilterResize::ApplyMode(EMode mode, bool always)
{
    if (mode == shownMode && !always)
        return;
    form->checkAspectRatio->setChecked(true);
    form->spinWidth->setEnabled(mode != EMode::FixedHeight);
    form->spinHeight->setEnabled(mode != EMode::FixedWidth);
    bothFixed = mode == EMode::FixedWidthHeight;
    form->checkAspectRatio->setEnabled(mode == EMode::WidthHeight);
    shownMode = mode;
    RestartIfReady(QuickDelayMs);
}

void CFilterResize::Initialize()
{
    LogMessage(QStringLiteral("CFilterResize::Initialize"));
    InitControls();
    for (QWidget *control : std::initializer_list<QWidget *> { form->comboResizeBy, form->spinWidth,
             form->spinHeight, form->checkAspectRatio, form->checkNoUpscale })
        control->setEnabled(true);
    form->comboDimensions->setCurrentIndex(ToIndex(defaultUnit));
    shownUnit = defaultUnit;
    form->comboResizeBy->setCurrentIndex(ToIndex(defaultMode));
    // Also when the default mode is the one shown: Reset from "Fixed Width & Height" couples
    // the sides again.
    ApplyMode(defaultMode, true);
    SetDecimals(0);
    updating = true;
    SetBounds(ESizeUnit::Pixels);
    form->spinWidth->setValue(RoundHalfUp(DefaultShare * double(Sample().width)));
    form->spinHeight->setValue(RoundHalfUp(DefaultShare * double(Sample().height)));
    updating = false;
    form->checkAspectRatio->setChecked(defaultKeepAspect);
    form->checkNoUpscale->setChecked(defaultNoUpscale);
    RestartTimer(0);
}

void CFilterResize::Load(const SFilterRecord &settings, bool startPreview)
{
    LogMessage(QStringLiteral("CFilterResize::Load"));
    controlsReady = startPreview;
    InitControls();

    SFilterRecord fitted = settings;
    double &width = fitted.numbers[ResizeSlot::Width];
    double &height = fitted.numbers[ResizeSlot::Height];
    const auto mode = EMode(ChoiceIndex(RoundHalfUp(fitted.numbers[ResizeSlot::Mode]),
        ResizeSlot::ModeChoice.count, ToIndex(defaultMode)));
    const auto unit = ESizeUnit(ChoiceIndex(RoundHalfUp(fitted.numbers[ResizeSlot::Unit]),
        ResizeSlot::UnitChoice.count, ToIndex(defaultUnit)));
    const bool keepAspect = RoundHalfUp(fitted.numbers[ResizeSlot::KeepAspect]) != 0;
    const bool percents = unit == ESizeUnit::Percents;

    // A box in pixels with the aspect kept: the sample's longer side takes the box's longer side.
    // Without a sample there is nothing to fit to.
    if (mode == EMode::WidthHeight && !percents && keepAspect && HasSample()) {
        const double longer = std::max(width, height);
        const double aspect = SampleAspect();
        width = aspect < 1 ? aspect * longer : longer;
        height = aspect < 1 ? longer : longer / aspect;
    }

    updating = true;
    SetDecimals(percents ? 2 : 0);
    form->comboResizeBy->setEnabled(!percents);
    form->checkNoUpscale->setEnabled(!percents);
    // The bounds before the values: the bounds of the unit shown before would cut them.
    SetBounds(unit);
    form->spinWidth->setValue(percents ? width : RoundHalfUp(width));
    form->spinHeight->setValue(percents ? height : RoundHalfUp(height));
    updating = false;

    form->comboResizeBy->setCurrentIndex(ToIndex(mode));
    ApplyMode(mode, true);
    // Only "Width & Height" leaves the choice to the record; the fixed modes keep the aspect.
    if (mode == EMode::WidthHeight)
        form->checkAspectRatio->setChecked(keepAspect);
    form->comboDimensions->setCurrentIndex(ToIndex(unit));
    shownUnit = unit;
    form->checkNoUpscale->setChecked(RoundHalfUp(fitted.numbers[ResizeSlot::NeverEnlarge]) != 0);
    controlsReady = true;
    FinishLoad(fitted, startPreview);
}

void CFilterResize::Save(SFilterRecord &settings)
{
    settings.numberCount = ResizeSlot::NumberCount;
    settings.numbers[ResizeSlot::Width] = form->spinWidth->value();
    settings.numbers[ResizeSlot::Height] = form->spinHeight->value();
    settings.numbers[ResizeSlot::KeepAspect] = form->checkAspectRatio->isChecked() ? 1.0 : 0.0;
    settings.numbers[ResizeSlot::Mode] = ChoiceIndex(
        form->comboResizeBy->currentIndex(), ResizeSlot::ModeChoice.count, ToIndex(defaultMode));
    settings.numbers[ResizeSlot::Unit] = ChoiceIndex(
        form->comboDimensions->currentIndex(), ResizeSlot::UnitChoice.count, ToIndex(defaultUnit));
    settings.numbers[ResizeSlot::NeverEnlarge] = form->checkNoUpscale->isChecked() ? 1.0 : 0.0;
}

void CFilterResize::on_comboResizeBy_activated(int index)
{
    ApplyMode(EMode(ChoiceIndex(index, ResizeSlot::ModeChoice.count, ToIndex(defaultMode))), false);
}

void CFilterResize::on_comboDimensions_activated(int index)
{
    const auto unit
        = ESizeUnit(ChoiceIndex(index, ResizeSlot::UnitChoice.count, ToIndex(defaultUnit)));
    if (unit == shownUnit)
        return;
    updating = true;
    const double currentWidth = form->spinWidth->value();
    const double currentHeight = form->spinHeight->value();
    // Pixels per percent; an unreadable sample converts nothing rather than divide by zero.
    const double perPercentX = HasSample() ? double(Sample().width) / 100.0 : 1.0;
    const double perPercentY = HasSample() ? double(Sample().height) / 100.0 : 1.0;
    SetBounds(unit);
    if (unit == ESizeUnit::Percents) {
        SetDecimals(2);
        form->spinWidth->setValue(currentWidth / perPercentX);
        form->spinHeight->setValue(currentHeight / perPercentY);
        // Percents apply to both sides alike.
        form->comboResizeBy->setCurrentIndex(ToIndex(EMode::WidthHeight));
        form->comboResizeBy->setEnabled(false);
        ApplyMode(EMode::WidthHeight, true);
        form->checkNoUpscale->setChecked(false);
    } else {
        form->spinWidth->setValue(RoundHalfUp(currentWidth * perPercentX));
        form->spinHeight->setValue(RoundHalfUp(currentHeight * perPercentY));
        SetDecimals(0);
        form->comboResizeBy->setEnabled(true);
    }
    form->checkNoUpscale->setEnabled(unit == ESizeUnit::Pixels);
    updating = false;
    shownUnit = unit;
    // The unit is a change of its own, also when no value moved (no sample to convert by).
    RestartIfReady(QuickDelayMs);
}

void CFilterResize::Couple(double value, QDoubleSpinBox *other, double ratio)
{
    if (updating) {
        RestartIfReady(QuickDelayMs);
        return;
    }
    if (form->checkAspectRatio->isChecked() && !bothFixed) {
        updating = true;
        other->setValue(shownUnit == ESizeUnit::Pixels ? RoundHalfUp(value / ratio) : value);
        updating = false;
    }
    RestartIfReady(SlowDelayMs);
}

void CFilterResize::on_spinWidth_valueChanged(double value)
{
    Couple(value, form->spinHeight, SampleAspect());
}

void CFilterResize::on_spinHeight_valueChanged(double value)
{
    Couple(value, form->spinWidth, 1.0 / SampleAspect());
}

void CFilterResize::on_checkAspectRatio_clicked(bool checked)
{
    Q_UNUSED(checked)
    updating = true;
    const double width = form->spinWidth->value();
    form->spinHeight->setValue(
        shownUnit == ESizeUnit::Pixels ? RoundHalfUp(width / SampleAspect()) : width);
    updating = false;
    RestartIfReady(QuickDelayMs);
}

void CFilterResize::on_checkNoUpscale_clicked(bool checked)
{
    Q_UNUSED(checked)
    RestartIfReady(QuickDelayMs);
}
