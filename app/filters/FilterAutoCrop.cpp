#include "FilterAutoCrop.h"
#include "ui_FilterAutoCrop.h"

#include "FilterSlots.h"

CFilterAutoCrop::CFilterAutoCrop(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterAutoCrop>())
{
    form->setupUi(this);
}

CFilterAutoCrop::~CFilterAutoCrop() = default;

void CFilterAutoCrop::InitControls()
{
    shownRatio = int(defaultRatio);
    form->comboAspectRatio->clear();
    // Proportions read the same in every language.
    form->comboAspectRatio->addItems({ QStringLiteral("16:9"), QStringLiteral("16:10"),
        QStringLiteral("3:2"), QStringLiteral("4:3"), QStringLiteral("1:1"), tr("Custom ratio") });
    form->spinRatioX->setEnabled(false);
    form->spinRatioY->setEnabled(false);
    form->comboRegion->clear();
    form->comboRegion->addItems({ tr("Left/Top"), tr("Center"), tr("Right/Bottom") });
    form->comboAspectRatio->setFocus(Qt::OtherFocusReason);
}

void CFilterAutoCrop::ShowRatio(int index)
{
    form->comboAspectRatio->setCurrentIndex(index);
    const bool custom = index == int(ERatio::Custom);
    form->spinRatioX->setEnabled(custom);
    form->spinRatioY->setEnabled(custom);
    shownRatio = index;
}

void CFilterAutoCrop::Initialize()
{
    InitControls();
    ShowRatio(int(defaultRatio));
    form->checkInvertPortraitCoord->setChecked(defaultInvert);
    // The custom terms stay as they are: a reset keeps the user's own proportion at hand.
    form->comboRegion->setCurrentIndex(int(defaultRegion));
    RestartTimer(0);
}

void CFilterAutoCrop::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    ShowRatio(ChoiceIndex(Truncated(settings.numbers[AutoCropSlot::AspectRatio]),
        AutoCropSlot::AspectRatioChoice.count, int(defaultRatio)));
    form->checkInvertPortraitCoord->setChecked(
        Truncated(settings.numbers[AutoCropSlot::InvertPortrait]) != 0);
    form->spinRatioX->setValue(Truncated(settings.numbers[AutoCropSlot::CustomRatioWidth]));
    form->spinRatioY->setValue(Truncated(settings.numbers[AutoCropSlot::CustomRatioHeight]));
    form->comboRegion->setCurrentIndex(
        ChoiceIndex(Truncated(settings.numbers[AutoCropSlot::Region]),
            AutoCropSlot::RegionChoice.count, int(defaultRegion)));
    FinishLoad(settings, startPreview);
}

void CFilterAutoCrop::Save(SFilterRecord &settings)
{
    settings.numberCount = AutoCropSlot::NumberCount;
    settings.numbers[AutoCropSlot::AspectRatio]
        = ChoiceIndex(form->comboAspectRatio->currentIndex(), AutoCropSlot::AspectRatioChoice.count,
            int(defaultRatio));
    settings.numbers[AutoCropSlot::InvertPortrait]
        = form->checkInvertPortraitCoord->isChecked() ? 1.0 : 0.0;
    settings.numbers[AutoCropSlot::CustomRatioWidth] = form->spinRatioX->value();
    settings.numbers[AutoCropSlot::CustomRatioHeight] = form->spinRatioY->value();
    settings.numbers[AutoCropSlot::Region] = ChoiceIndex(
        form->comboRegion->currentIndex(), AutoCropSlot::RegionChoice.count, int(defaultRegion));
}

void CFilterAutoCrop::on_comboAspectRatio_activated(int index)
{
    if (index == shownRatio)
        return;
    ShowRatio(index);
    RestartTimer(QuickDelayMs);
}

void CFilterAutoCrop::on_checkInvertPortraitCoord_clicked(bool)
{
    RestartTimer(QuickDelayMs);
}

void CFilterAutoCrop::on_spinRatioX_valueChanged(int)
{
    RestartTimer(QuickDelayMs);
}

void CFilterAutoCrop::on_spinRatioY_valueChanged(int)
{
    RestartTimer(QuickDelayMs);
}

void CFilterAutoCrop::on_comboRegion_currentIndexChanged(int)
{
    RestartTimer(QuickDelayMs);
}
