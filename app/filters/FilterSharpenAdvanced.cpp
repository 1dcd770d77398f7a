#include "FilterSharpenAdvanced.h"
#include "ui_FilterSharpenAdvanced.h"

#include "FilterSlots.h"

CFilterSharpenAdvanced::CFilterSharpenAdvanced(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSharpenAdvanced>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAmount, form->spinAmount, SharpenAdvancedSlot::Amount, 0 },
                { form->sliderRadius, form->spinRadius, SharpenAdvancedSlot::Radius, 0 },
                { form->sliderThreshold, form->spinThreshold, SharpenAdvancedSlot::Threshold, 0 } },
        SharpenAdvancedSlot::NumberCount, form->sliderAmount);
}

CFilterSharpenAdvanced::~CFilterSharpenAdvanced() = default;
