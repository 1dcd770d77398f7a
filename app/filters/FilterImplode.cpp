#include "FilterImplode.h"
#include "ui_FilterImplode.h"

#include "FilterSlots.h"

CFilterImplode::CFilterImplode(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterImplode>())
{
    form->setupUi(this);
    SetRows({ { form->sliderValue, form->spinValue, ImplodeSlot::Amount, 42 } },
        ImplodeSlot::NumberCount, form->sliderValue);
}

CFilterImplode::~CFilterImplode() = default;
