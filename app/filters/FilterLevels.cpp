#include "FilterLevels.h"
#include "ui_FilterLevels.h"

#include "FilterSlots.h"

CFilterLevels::CFilterLevels(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterLevels>())
{
    form->setupUi(this);
    // Channel names as they stand, in every language; the index is what is stored.
    SetChoice(form->comboChannel,
        { QStringLiteral("RGB"), QStringLiteral("Red"), QStringLiteral("Green"),
            QStringLiteral("Blue") },
        LevelsSlot::ChannelChoice);
    SetRows({ { form->sliderBlackPoint, form->spinBlackPoint, LevelsSlot::BlackPoint, 0 },
                { form->sliderMiddleGamma, form->spinMiddleGamma, LevelsSlot::MiddleGamma, 40 },
                { form->sliderWhitePoint, form->spinWhitePoint, LevelsSlot::WhitePoint, 0 } },
        LevelsSlot::NumberCount, form->comboChannel);
}

CFilterLevels::~CFilterLevels() = default;
