#include "FilterBlur.h"
#include "ui_FilterBlur.h"

#include "FilterSlots.h"

CFilterBlur::CFilterBlur(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterBlur>())
{
    form->setupUi(this);
    SetRows({ { form->sliderValue, form->spinValue, BlurSlot::Strength, 0 } },
        BlurSlot::NumberCount, form->sliderValue);
}

CFilterBlur::~CFilterBlur() = default;
