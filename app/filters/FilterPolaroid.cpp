#include "FilterPolaroid.h"
#include "ui_FilterPolaroid.h"

#include "FilterSlots.h"
#include "StoredValues.h"

CFilterPolaroid::CFilterPolaroid(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterPolaroid>())
{
    form->setupUi(this);
    // No control takes the focus: the page opens with the dialog's focus where it was.
    SetRows({ { form->dialRotation, form->spinRotation, PolaroidSlot::Rotation, defaultRotation } },
        PolaroidSlot::NumberCount, nullptr);
    Watch(form->spinHeight);
    connect(form->CPBorderColor, &CColorPicker::ColorChanged, this,
        &CFilterPolaroid::CPBorderColorChanged);
}

CFilterPolaroid::~CFilterPolaroid() = default;

void CFilterPolaroid::InitializeExtra()
{
    form->spinHeight->setValue(defaultHeight);
    form->CPBorderColor->SetColor(defaultColor);
    form->checkAspectRatio->setChecked(defaultKeepAspect);
}

void CFilterPolaroid::LoadExtra(const SFilterRecord &settings)
{
    form->spinHeight->setValue(RoundHalfUp(settings.numbers[PolaroidSlot::BorderHeight]));
    form->CPBorderColor->SetColor(ParameterToColor(settings.numbers[PolaroidSlot::BorderColor]));
    form->checkAspectRatio->setChecked(
        RoundHalfUp(settings.numbers[PolaroidSlot::KeepAspect]) != 0);
}

void CFilterPolaroid::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[PolaroidSlot::BorderHeight] = form->spinHeight->value();
    settings.numbers[PolaroidSlot::BorderColor] = ColorToParameter(form->CPBorderColor->Color());
    settings.numbers[PolaroidSlot::KeepAspect] = form->checkAspectRatio->isChecked() ? 1.0 : 0.0;
}

void CFilterPolaroid::CPBorderColorChanged()
{
    RestartTimer(QuickDelayMs);
}

void CFilterPolaroid::on_checkAspectRatio_clicked()
{
    RestartTimer(QuickDelayMs);
}
