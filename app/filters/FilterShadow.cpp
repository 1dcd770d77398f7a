#include "FilterShadow.h"
#include "ui_FilterShadow.h"

#include "FilterSlots.h"
#include "StoredValues.h"

CFilterShadow::CFilterShadow(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterShadow>())
{
    form->setupUi(this);
    SetRows({ { form->sliderTransparency, form->spinTransparency, ShadowSlot::Transparency,
                  defaultTransparency },
                { form->sliderSize, form->spinSize, ShadowSlot::Size, defaultSize } },
        ShadowSlot::NumberCount, form->sliderTransparency);
    connect(form->CPColor, &CColorPicker::ColorChanged, this, &CFilterShadow::CPColorChanged);
}

CFilterShadow::~CFilterShadow() = default;

void CFilterShadow::InitializeExtra()
{
    form->CPColor->SetColor(defaultColor);
    form->checkWhiteBackground->setChecked(defaultWhiteBackground);
}

void CFilterShadow::LoadExtra(const SFilterRecord &settings)
{
    form->CPColor->SetColor(ParameterToColor(settings.numbers[ShadowSlot::Color]));
    form->checkWhiteBackground->setChecked(settings.numbers[ShadowSlot::WhiteBackground] != 0.0);
}

void CFilterShadow::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[ShadowSlot::Color] = ColorToParameter(form->CPColor->Color());
    settings.numbers[ShadowSlot::WhiteBackground]
        = form->checkWhiteBackground->isChecked() ? 1.0 : 0.0;
}

void CFilterShadow::CPColorChanged()
{
    RestartTimer(QuickDelayMs);
}

void CFilterShadow::on_checkWhiteBackground_clicked()
{
    RestartTimer(QuickDelayMs);
}
