#include "FilterHueSaturation.h"
#include "ui_FilterHueSaturation.h"

#include "FilterSlots.h"

CFilterHueSaturation::CFilterHueSaturation(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterHueSaturation>())
{
    form->setupUi(this);
    SetRows({ { form->sliderHue, form->spinHue, HueSaturationSlot::Hue, 0 },
                { form->sliderSaturation, form->spinSaturation, HueSaturationSlot::Saturation, 0 },
                { form->sliderLightness, form->spinLightness, HueSaturationSlot::Lightness, 0 } },
        HueSaturationSlot::NumberCount, form->sliderHue);
}

CFilterHueSaturation::~CFilterHueSaturation() = default;
