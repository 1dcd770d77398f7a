#include "FilterSwirl.h"
#include "ui_FilterSwirl.h"

#include "FilterSlots.h"

CFilterSwirl::CFilterSwirl(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterSwirl>())
{
    form->setupUi(this);
    SetRows({ { form->dialDegrees, form->spinDegrees, SwirlSlot::Angle, 30, QuickDelayMs } },
        SwirlSlot::NumberCount, form->spinDegrees);
}

CFilterSwirl::~CFilterSwirl() = default;

void CFilterSwirl::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    // The dial is the control of record; its twin only mirrors it.
    settings.numbers[SwirlSlot::Angle] = form->dialDegrees->value();
}
