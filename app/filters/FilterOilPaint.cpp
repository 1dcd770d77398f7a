#include "FilterOilPaint.h"
#include "ui_FilterOilPaint.h"

#include "FilterSlots.h"

CFilterOilPaint::CFilterOilPaint(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterOilPaint>())
{
    form->setupUi(this);
    SetRows({ { form->sliderValue, form->spinValue, OilPaintSlot::Radius, 0 } },
        OilPaintSlot::NumberCount, form->sliderValue);
}

CFilterOilPaint::~CFilterOilPaint() = default;
