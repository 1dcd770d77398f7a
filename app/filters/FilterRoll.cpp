#include "FilterRoll.h"
#include "ui_FilterRoll.h"

#include "FilterSlots.h"

namespace {

// A shift converted to the other unit, in whole numbers. An unreadable sample has no size to
// convert by: the value stays as it is.
int Converted(int value, quint64 photoSide, bool toPercents)
{
    if (photoSide == 0)
        return value;
    const double perPercent = double(photoSide) / 100.0;
    return RoundHalfUp(toPercents ? value / perPercent : value * perPercent);
}

} // namespace

CFilterRoll::CFilterRoll(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterRoll>())
{
    form->setupUi(this);
}

CFilterRoll::~CFilterRoll() = default;

void CFilterRoll::InitControls()
{
    form->textOriginalSize->setText(
        tr("Original image size:") + tr(" %1 x %2").arg(Sample().width).arg(Sample().height));
    shownUnit = defaultUnit;
    form->comboDimensions->clear();
    form->comboDimensions->addItems({ tr("in Pixels"), tr("in Percents") });
    form->spinColumns->setFocus(Qt::OtherFocusReason);
}

void CFilterRoll::Initialize()
{
    InitControls();
    form->comboDimensions->setCurrentIndex(int(defaultUnit));
    shownUnit = defaultUnit;
    form->spinColumns->setValue(defaultColumns);
    form->spinRows->setValue(defaultRows);
    RestartTimer(0);
}

void CFilterRoll::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    form->spinColumns->setValue(RoundHalfUp(settings.numbers[RollSlot::Columns]));
    form->spinRows->setValue(RoundHalfUp(settings.numbers[RollSlot::Rows]));
    // Cut, not rounded: the engine takes a stored 0.5 as pixels, and so must the page.
    const auto unit = ESizeUnit(ChoiceIndex(
        Truncated(settings.numbers[RollSlot::Unit]), RollSlot::UnitChoice.count, int(defaultUnit)));
    form->comboDimensions->setCurrentIndex(int(unit));
    shownUnit = unit;
    FinishLoad(settings, startPreview);
}

void CFilterRoll::Save(SFilterRecord &settings)
{
    settings.numberCount = RollSlot::NumberCount;
    settings.numbers[RollSlot::Columns] = form->spinColumns->value();
    settings.numbers[RollSlot::Rows] = form->spinRows->value();
    settings.numbers[RollSlot::Unit] = ChoiceIndex(
        form->comboDimensions->currentIndex(), RollSlot::UnitChoice.count, int(defaultUnit));
}

void CFilterRoll::on_spinColumns_valueChanged(int)
{
    RestartTimer(SlowDelayMs);
}

void CFilterRoll::on_spinRows_valueChanged(int)
{
    RestartTimer(SlowDelayMs);
}

void CFilterRoll::on_comboDimensions_activated(int index)
{
    const auto unit = ESizeUnit(ChoiceIndex(index, RollSlot::UnitChoice.count, int(defaultUnit)));
    if (unit == shownUnit)
        return;
    const bool toPercents = unit == ESizeUnit::Percents;
    form->spinColumns->setValue(Converted(form->spinColumns->value(), Sample().width, toPercents));
    form->spinRows->setValue(Converted(form->spinRows->value(), Sample().height, toPercents));
    shownUnit = unit;
    // The unit is a change of its own, also when no value moved.
    RestartTimer(SlowDelayMs);
}
