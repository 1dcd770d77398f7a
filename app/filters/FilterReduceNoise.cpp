#include "FilterReduceNoise.h"
#include "ui_FilterReduceNoise.h"

#include "FilterSlots.h"

CFilterReduceNoise::CFilterReduceNoise(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterReduceNoise>())
{
    form->setupUi(this);
    // Names as they stand, in every language; the index is what is stored.
    SetChoice(form->comboReduceNoise, { QStringLiteral("Enhance"), QStringLiteral("Despeckle") },
        ReduceNoiseSlot::AlgorithmChoice);
    // No twin rows: the list is the whole page.
    SetRows({}, ReduceNoiseSlot::NumberCount, form->comboReduceNoise);
}

CFilterReduceNoise::~CFilterReduceNoise() = default;
