#include "FilterContrast.h"
#include "ui_FilterContrast.h"

#include "FilterSlots.h"

CFilterContrast::CFilterContrast(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterContrast>())
{
    form->setupUi(this);
    SetRows({ { form->sliderContrast, form->spinContrast, ContrastSlot::Contrast, 0 },
                { form->sliderLightness, form->spinLightness, ContrastSlot::Lightness, 0 } },
        ContrastSlot::NumberCount, form->sliderContrast);
}

CFilterContrast::~CFilterContrast() = default;
