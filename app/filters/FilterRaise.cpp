#include "FilterRaise.h"
#include "ui_FilterRaise.h"

#include "FilterSlots.h"

CFilterRaise::CFilterRaise(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterRaise>())
{
    form->setupUi(this);
    SetRows({ { form->sliderBorder, form->spinBorder, RaiseSlot::BevelWidth, defaultBorder } },
        RaiseSlot::NumberCount, form->sliderBorder);
}

CFilterRaise::~CFilterRaise() = default;

void CFilterRaise::InitControls()
{
    form->comboEffect->clear();
    form->comboEffect->addItems({ tr("Lower"), tr("Raise") });
}

void CFilterRaise::InitializeExtra()
{
    InitControls();
    form->comboEffect->setCurrentIndex(RaiseSlot::EffectChoice.fallback);
}

void CFilterRaise::LoadExtra(const SFilterRecord &settings)
{
    InitControls();
    form->comboEffect->setCurrentIndex(ChoiceIndex(Truncated(settings.numbers[RaiseSlot::Effect]),
        RaiseSlot::EffectChoice.count, RaiseSlot::EffectChoice.fallback));
}

void CFilterRaise::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[RaiseSlot::Effect] = ChoiceIndex(form->comboEffect->currentIndex(),
        RaiseSlot::EffectChoice.count, RaiseSlot::EffectChoice.fallback);
}

void CFilterRaise::on_comboEffect_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    RestartTimer(QuickDelayMs);
}
