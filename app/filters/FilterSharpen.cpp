#include "FilterSharpen.h"
#include "ui_FilterSharpen.h"

#include "FilterSlots.h"

CFilterSharpen::CFilterSharpen(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSharpen>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAmount, form->spinAmount, SharpenSlot::Amount, 20 } },
        SharpenSlot::NumberCount, form->sliderAmount);
}

CFilterSharpen::~CFilterSharpen() = default;
