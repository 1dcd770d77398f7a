#include "FilterBrightness.h"
#include "ui_FilterBrightness.h"

#include "FilterSlots.h"

CFilterBrightness::CFilterBrightness(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterBrightness>())
{
    form->setupUi(this);
    // This page leaves the keyboard focus where it is.
    SetRows({ { form->sliderLightness, form->spinLightness, BrightnessSlot::Lightness, 0 },
                { form->sliderGamma, form->spinGamma, BrightnessSlot::Gamma, 0 } },
        BrightnessSlot::NumberCount, nullptr);
}

CFilterBrightness::~CFilterBrightness() = default;
