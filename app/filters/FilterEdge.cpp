#include "FilterEdge.h"
#include "ui_FilterEdge.h"

#include "FilterSlots.h"

CFilterEdge::CFilterEdge(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterEdge>())
{
    form->setupUi(this);
    SetRows({ { form->sliderRadius, form->spinRadius, EdgeSlot::Radius, 1 } },
        EdgeSlot::NumberCount, form->sliderRadius);
}

CFilterEdge::~CFilterEdge() = default;
