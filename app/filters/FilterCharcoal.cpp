#include "FilterCharcoal.h"
#include "ui_FilterCharcoal.h"

#include "FilterSlots.h"

CFilterCharcoal::CFilterCharcoal(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterCharcoal>())
{
    form->setupUi(this);
    SetRows({ { form->sliderRadius, form->spinRadius, CharcoalSlot::Radius, 20 },
                { form->sliderSigma, form->spinSigma, CharcoalSlot::Sigma, 8 } },
        CharcoalSlot::NumberCount, form->sliderRadius);
}

CFilterCharcoal::~CFilterCharcoal() = default;
