#include "FilterSolarize.h"
#include "ui_FilterSolarize.h"

#include "FilterSlots.h"

CFilterSolarize::CFilterSolarize(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSolarize>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAmount, form->spinAmount, SolarizeSlot::Amount, 50 } },
        SolarizeSlot::NumberCount, form->sliderAmount);
}

CFilterSolarize::~CFilterSolarize() = default;
