#include "FilterSpread.h"
#include "ui_FilterSpread.h"

#include "FilterSlots.h"

CFilterSpread::CFilterSpread(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSpread>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAmount, form->spinAmount, SpreadSlot::Amount, 8 } },
        SpreadSlot::NumberCount, form->sliderAmount);
}

CFilterSpread::~CFilterSpread() = default;
