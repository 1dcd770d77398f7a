#include "FilterReduceNoise.h"
#include "ui_FilterReduceNoise.h"

#include "FilterSlots.h"

CFilterReduceNoise::CFilterReduceNoise(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterReduceNoise>())
    , takenAlgorithm(ReduceNoiseSlot::AlgorithmChoice.fallback)
{
    form->setupUi(this);
    // Names as they stand, in every language; the index is what is stored.
    form->comboReduceNoise->addItems({ QStringLiteral("Enhance"), QStringLiteral("Despeckle") });
    Q_ASSERT(form->comboReduceNoise->count() == ReduceNoiseSlot::AlgorithmChoice.count);
    // No twin rows: the list is the whole page.
    SetRows({}, ReduceNoiseSlot::NumberCount, form->comboReduceNoise);
    WatchChoice(form->comboReduceNoise, &takenAlgorithm);
}

CFilterReduceNoise::~CFilterReduceNoise() = default;

void CFilterReduceNoise::ShowAlgorithm(int index)
{
    form->comboReduceNoise->setCurrentIndex(index);
    takenAlgorithm = index;
}

void CFilterReduceNoise::InitializeExtra()
{
    ShowAlgorithm(ReduceNoiseSlot::AlgorithmChoice.fallback);
}

void CFilterReduceNoise::LoadExtra(const SFilterRecord &settings)
{
    const SChoiceSlot algorithm = ReduceNoiseSlot::AlgorithmChoice;
    ShowAlgorithm(ChoiceIndex(
        RoundHalfUp(settings.numbers[algorithm.slot]), algorithm.count, algorithm.fallback));
}

void CFilterReduceNoise::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[ReduceNoiseSlot::Algorithm] = form->comboReduceNoise->currentIndex();
}
