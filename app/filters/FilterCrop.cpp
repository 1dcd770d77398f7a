#include "FilterCrop.h"
#include "ui_FilterCrop.h"

#include "FilterSlots.h"
#include "Trace.h"

namespace {

constexpr double DefaultShare = 70.0; // percent of each side kept, centred

} // namespace

CFilterCrop::CFilterCrop(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterCrop>())
{
    form->setupUi(this);
}

CFilterCrop::~CFilterCrop() = default;

std::array<CFilterCrop::SSide, 4> CFilterCrop::Sides() const
{
    return { { { CropSlot::Left, form->spinLeft, Sample().width },
        { CropSlot::Top, form->spinTop, Sample().height },
        { CropSlot::Width, form->spinWidth, Sample().width },
        { CropSlot::Height, form->spinHeight, Sample().height } } };
}

void CFilterCrop::InitControls()
{
    LogMessage(QStringLiteral("CFilterCrop::InitControls"));
    form->textOriginalSize->setText(
        tr("Original image size:") + tr(" %1 x %2").arg(Sample().width).arg(Sample().height));
    shownUnit = defaultUnit;
    form->comboDimensions->clear();
    form->comboDimensions->addItems({ tr("in Pixels"), tr("in Percents") });
    form->spinLeft->setFocus(Qt::OtherFocusReason);
}

void CFilterCrop::SetDecimals(int decimals)
{
    for (const SSide &side : Sides())
        side.spin->setDecimals(decimals);
}

void CFilterCrop::Initialize()
{
    LogMessage(QStringLiteral("CFilterCrop::Initialize"));
    InitControls();
    form->comboDimensions->setCurrentIndex(int(defaultUnit));
    shownUnit = defaultUnit;
    SetDecimals(0);
    SFilterRecord defaults;
    const double width = double(Sample().width);
    const double height = double(Sample().height);
    defaults.numbers[CropSlot::Left] = width * (100.0 - DefaultShare) / 100.0 * 0.5;
    defaults.numbers[CropSlot::Top] = height * (100.0 - DefaultShare) / 100.0 * 0.5;
    defaults.numbers[CropSlot::Width] = width * DefaultShare / 100.0;
    defaults.numbers[CropSlot::Height] = height * DefaultShare / 100.0;
    LogMessage(QStringLiteral("CFilterCrop::Initialize"),
        QString::asprintf("- CFilterCrop %.2f %.2f %.2f %.2f", defaults.numbers[CropSlot::Left],
            defaults.numbers[CropSlot::Top], defaults.numbers[CropSlot::Width],
            defaults.numbers[CropSlot::Height]));
    for (const SSide &side : Sides())
        side.spin->setValue(RoundHalfUp(defaults.numbers[side.slot]));
    RestartTimer(0);
}

void CFilterCrop::Load(const SFilterRecord &settings, bool startPreview)
{
    LogMessage(QStringLiteral("CFilterCrop::Load"));
    controlsReady = startPreview;
    InitControls();
    const auto unit = ESizeUnit(ChoiceIndex(
        Truncated(settings.numbers[CropSlot::Unit]), CropSlot::UnitChoice.count, int(defaultUnit)));
    form->comboDimensions->setCurrentIndex(int(unit));
    shownUnit = unit;
    const bool percents = unit == ESizeUnit::Percents;
    SetDecimals(percents ? 2 : 0);
    for (const SSide &side : Sides()) {
        const double value = settings.numbers[side.slot];
        side.spin->setValue(percents ? value : RoundHalfUp(value));
    }
    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterCrop::Save(SFilterRecord &settings)
{
    LogMessage(QStringLiteral("CFilterCrop::Save"));
    settings.numberCount = CropSlot::NumberCount;
    for (const SSide &side : Sides())
        settings.numbers[side.slot] = side.spin->value();
    settings.numbers[CropSlot::Unit] = ChoiceIndex(
        form->comboDimensions->currentIndex(), CropSlot::UnitChoice.count, int(defaultUnit));
}

void CFilterCrop::on_comboDimensions_activated(int index)
{
    LogMessage(QStringLiteral("CFilterCrop::on_comboDimensions_activated"));
    const auto unit = ESizeUnit(ChoiceIndex(index, CropSlot::UnitChoice.count, int(defaultUnit)));
    if (unit == shownUnit)
        return;
    const bool toPercents = unit == ESizeUnit::Percents;
    if (toPercents)
        SetDecimals(2);
    for (const SSide &side : Sides()) {
        // An unreadable sample has no size to convert by: the values stay as they are.
        const double perPercent = side.photoSide > 0 ? double(side.photoSide) / 100.0 : 1.0;
        const double value = side.spin->value();
        side.spin->setValue(toPercents ? value / perPercent : RoundHalfUp(value * perPercent));
    }
    if (!toPercents)
        SetDecimals(0);
    shownUnit = unit;
    // The unit is a change of its own, also when no value moved (no sample to convert by).
    SpinChanged();
}

void CFilterCrop::SpinChanged()
{
    if (controlsReady)
        RestartTimer(SlowDelayMs);
}

void CFilterCrop::on_spinLeft_valueChanged(double)
{
    SpinChanged();
}

void CFilterCrop::on_spinTop_valueChanged(double)
{
    SpinChanged();
}

void CFilterCrop::on_spinWidth_valueChanged(double)
{
    SpinChanged();
}

void CFilterCrop::on_spinHeight_valueChanged(double)
{
    SpinChanged();
}
