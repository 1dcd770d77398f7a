#include "FilterSimpleBorder.h"
#include "ui_FilterSimpleBorder.h"

#include "FilterSlots.h"
#include "StoredValues.h"

namespace {

constexpr SChoiceSlot UnitChoice = SimpleBorderSlot::UnitChoice;

} // namespace

CFilterSimpleBorder::CFilterSimpleBorder(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSimpleBorder>())
{
    form->setupUi(this);
    for (const SSide &side : Sides())
        Watch(side.spin);
    connect(form->CPColor, &CColorPicker::ColorChanged, this, &CFilterSimpleBorder::CPColorChanged);
}

CFilterSimpleBorder::~CFilterSimpleBorder() = default;

std::array<CFilterSimpleBorder::SSide, 4> CFilterSimpleBorder::Sides() const
{
    return { { { SimpleBorderSlot::Top, form->spinTop, Sample().height },
        { SimpleBorderSlot::Bottom, form->spinBottom, Sample().height },
        { SimpleBorderSlot::Left, form->spinLeft, Sample().width },
        { SimpleBorderSlot::Right, form->spinRight, Sample().width } } };
}

void CFilterSimpleBorder::InitControls()
{
    shownUnit = defaultUnit;
    form->comboDimensions->clear();
    form->comboDimensions->addItems({ tr("in Pixels"), tr("in Percents") });
    form->CPColor->setFocus(Qt::OtherFocusReason);
}

void CFilterSimpleBorder::ApplyUniform(bool uniform)
{
    form->spinBottom->setEnabled(!uniform);
    form->spinLeft->setEnabled(!uniform);
    form->spinRight->setEnabled(!uniform);
}

void CFilterSimpleBorder::Initialize()
{
    InitControls();
    form->comboDimensions->setCurrentIndex(int(defaultUnit));
    shownUnit = defaultUnit;
    form->CPColor->SetColor(defaultColor);
    for (const SSide &side : Sides())
        side.spin->setValue(defaultSide);
    form->checkUniformDimensions->setChecked(defaultUniform);
    ApplyUniform(defaultUniform);
    RestartTimer(0);
}

void CFilterSimpleBorder::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    for (const SSide &side : Sides())
        side.spin->setValue(RoundHalfUp(settings.numbers[side.slot]));
    const auto unit = ESizeUnit(ChoiceIndex(
        RoundHalfUp(settings.numbers[UnitChoice.slot]), UnitChoice.count, UnitChoice.fallback));
    form->comboDimensions->setCurrentIndex(int(unit));
    shownUnit = unit;
    form->CPColor->SetColor(ParameterToColor(settings.numbers[SimpleBorderSlot::Color]));
    const bool uniform = RoundHalfUp(settings.numbers[SimpleBorderSlot::Uniform]) != 0;
    form->checkUniformDimensions->setChecked(uniform);
    ApplyUniform(uniform);
    FinishLoad(settings, startPreview);
}

void CFilterSimpleBorder::Save(SFilterRecord &settings)
{
    settings.numberCount = SimpleBorderSlot::NumberCount;
    for (const SSide &side : Sides())
        settings.numbers[side.slot] = side.spin->value();
    settings.numbers[UnitChoice.slot]
        = ChoiceIndex(form->comboDimensions->currentIndex(), UnitChoice.count, UnitChoice.fallback);
    settings.numbers[SimpleBorderSlot::Color] = ColorToParameter(form->CPColor->Color());
    settings.numbers[SimpleBorderSlot::Uniform]
        = form->checkUniformDimensions->isChecked() ? 1.0 : 0.0;
}

void CFilterSimpleBorder::CPColorChanged()
{
    RestartTimer(QuickDelayMs);
}

void CFilterSimpleBorder::on_comboDimensions_activated(int index)
{
    const auto unit = ESizeUnit(ChoiceIndex(index, UnitChoice.count, UnitChoice.fallback));
    if (unit == shownUnit)
        return;
    // An unreadable sample has no size to convert by: the values stay as they are.
    if (Sample().width > 0 && Sample().height > 0) {
        const bool toPercents = unit == ESizeUnit::Percents;
        for (const SSide &side : Sides()) {
            const double perPercent = double(side.photoSide) / 100.0;
            const double value = side.spin->value();
            side.spin->setValue(RoundHalfUp(toPercents ? value / perPercent : value * perPercent));
        }
    }
    shownUnit = unit;
    // The unit is a change of its own, also when no value moved.
    RestartTimer(SlowDelayMs);
}

void CFilterSimpleBorder::on_checkUniformDimensions_clicked(bool checked)
{
    ApplyUniform(checked);
    RestartTimer(QuickDelayMs);
}
