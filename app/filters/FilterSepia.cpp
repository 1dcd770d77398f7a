#include "FilterSepia.h"
#include "ui_FilterSepia.h"

#include "FilterSlots.h"

CFilterSepia::CFilterSepia(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSepia>())
{
    form->setupUi(this);
    SetRows({ { form->sliderTone, form->spinTone, SepiaSlot::Tone, 50 },
                { form->sliderSaturation, form->spinSaturation, SepiaSlot::Saturation, 50 } },
        SepiaSlot::NumberCount, form->sliderTone);
}

CFilterSepia::~CFilterSepia() = default;
