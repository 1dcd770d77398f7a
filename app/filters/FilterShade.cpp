#include "FilterShade.h"
#include "ui_FilterShade.h"

#include "FilterSlots.h"

CFilterShade::CFilterShade(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterShade>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAzimuth, form->spinAzimuth, ShadeSlot::Azimuth, 36 },
                { form->sliderElevation, form->spinElevation, ShadeSlot::Elevation, 36 } },
        ShadeSlot::NumberCount, form->sliderAzimuth);
}

CFilterShade::~CFilterShade() = default;

void CFilterShade::InitializeExtra()
{
    form->checkGrayscaleShading->setChecked(defaultGrayscaleShading != 0.0);
}

void CFilterShade::LoadExtra(const SFilterRecord &settings)
{
    form->checkGrayscaleShading->setChecked(
        RoundHalfUp(settings.numbers[ShadeSlot::GrayscaleShading]) != 0);
}

void CFilterShade::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[ShadeSlot::GrayscaleShading]
        = form->checkGrayscaleShading->isChecked() ? 1.0 : 0.0;
}

void CFilterShade::on_checkGrayscaleShading_clicked()
{
    RestartTimer(QuickDelayMs);
}
