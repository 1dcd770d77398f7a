#include "FilterEmboss.h"
#include "ui_FilterEmboss.h"

#include "FilterSlots.h"

CFilterEmboss::CFilterEmboss(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterEmboss>())
{
    form->setupUi(this);
    SetRows({ { form->sliderRadius, form->spinRadius, EmbossSlot::Radius, 20 },
                { form->sliderSigma, form->spinSigma, EmbossSlot::Sigma, 8 } },
        EmbossSlot::NumberCount, form->sliderRadius);
}

CFilterEmboss::~CFilterEmboss() = default;
