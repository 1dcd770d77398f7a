#include "FilterFlip.h"
#include "ui_FilterFlip.h"

#include "FilterSlots.h"

CFilterFlip::CFilterFlip(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterFlip>())
{
    form->setupUi(this);
}

CFilterFlip::~CFilterFlip() = default;

void CFilterFlip::Initialize()
{
    form->checkFlipVertically->setChecked(defaultVertical != 0.0);
    form->checkFlipHorizontally->setChecked(defaultHorizontal != 0.0);
    form->checkFlipVertically->setFocus(Qt::OtherFocusReason);
    RestartTimer(0);
}

void CFilterFlip::Load(const SFilterRecord &settings, bool startPreview)
{
    form->checkFlipVertically->setChecked(RoundHalfUp(settings.numbers[FlipSlot::Vertical]) != 0);
    form->checkFlipHorizontally->setChecked(
        RoundHalfUp(settings.numbers[FlipSlot::Horizontal]) != 0);
    form->checkFlipVertically->setFocus(Qt::OtherFocusReason);
    FinishLoad(settings, startPreview);
}

void CFilterFlip::Save(SFilterRecord &settings)
{
    settings.numberCount = FlipSlot::NumberCount;
    settings.numbers[FlipSlot::Vertical] = form->checkFlipVertically->isChecked() ? 1.0 : 0.0;
    settings.numbers[FlipSlot::Horizontal] = form->checkFlipHorizontally->isChecked() ? 1.0 : 0.0;
}

void CFilterFlip::on_checkFlipVertically_clicked()
{
    RestartTimer(QuickDelayMs);
}

void CFilterFlip::on_checkFlipHorizontally_clicked()
{
    RestartTimer(QuickDelayMs);
}
