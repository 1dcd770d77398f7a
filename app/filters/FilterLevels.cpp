#include "FilterLevels.h"
#include "ui_FilterLevels.h"

#include "FilterSlots.h"

CFilterLevels::CFilterLevels(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterLevels>())
    , takenChannel(LevelsSlot::ChannelChoice.fallback)
{
    form->setupUi(this);
    // Channel names as they stand, in every language; the index is what is stored.
    form->comboChannel->addItems({ QStringLiteral("RGB"), QStringLiteral("Red"),
        QStringLiteral("Green"), QStringLiteral("Blue") });
    Q_ASSERT(form->comboChannel->count() == LevelsSlot::ChannelChoice.count);
    SetRows({ { form->sliderBlackPoint, form->spinBlackPoint, LevelsSlot::BlackPoint, 0 },
                { form->sliderMiddleGamma, form->spinMiddleGamma, LevelsSlot::MiddleGamma, 40 },
                { form->sliderWhitePoint, form->spinWhitePoint, LevelsSlot::WhitePoint, 0 } },
        LevelsSlot::NumberCount, form->comboChannel);
    WatchChoice(form->comboChannel, &takenChannel);
}

CFilterLevels::~CFilterLevels() = default;

void CFilterLevels::ShowChannel(int index)
{
    form->comboChannel->setCurrentIndex(index);
    takenChannel = index;
}

void CFilterLevels::InitializeExtra()
{
    ShowChannel(LevelsSlot::ChannelChoice.fallback);
}

void CFilterLevels::LoadExtra(const SFilterRecord &settings)
{
    const SChoiceSlot channel = LevelsSlot::ChannelChoice;
    ShowChannel(
        ChoiceIndex(RoundHalfUp(settings.numbers[channel.slot]), channel.count, channel.fallback));
}

void CFilterLevels::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[LevelsSlot::Channel] = form->comboChannel->currentIndex();
}
