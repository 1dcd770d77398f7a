#include "FilterThumbnail.h"
#include "ui_FilterThumbnail.h"

#include "FilterSlots.h"

namespace {

// The engine also takes Fill, which this page does not offer.
constexpr int MethodCount = int(ThumbnailSlot::EMethod::StretchToFit) + 1;

} // namespace

CFilterThumbnail::CFilterThumbnail(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterThumbnail>())
{
    form->setupUi(this);
}

CFilterThumbnail::~CFilterThumbnail() = default;

void CFilterThumbnail::InitControls()
{
    shownMethod = int(defaultMethod);
    form->comboMethod->clear();
    form->comboMethod->addItems({ tr("Resize to fit"), tr("Stretch to fit") });
    form->spinWidth->setFocus(Qt::OtherFocusReason);
}

void CFilterThumbnail::Initialize()
{
    InitControls();
    form->spinWidth->setValue(defaultWidth);
    form->spinHeight->setValue(defaultHeight);
    form->comboMethod->setCurrentIndex(int(defaultMethod));
    shownMethod = int(defaultMethod);
    RestartTimer(0);
}

void CFilterThumbnail::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    form->spinWidth->setValue(RoundHalfUp(settings.numbers[ThumbnailSlot::Width]));
    form->spinHeight->setValue(RoundHalfUp(settings.numbers[ThumbnailSlot::Height]));
    // The remembered method is the one shown, so that choosing it again changes nothing.
    shownMethod = ChoiceIndex(
        Truncated(settings.numbers[ThumbnailSlot::Method]), MethodCount, int(defaultMethod));
    form->comboMethod->setCurrentIndex(shownMethod);
    FinishLoad(settings, startPreview);
}

void CFilterThumbnail::Save(SFilterRecord &settings)
{
    settings.numberCount = ThumbnailSlot::NumberCount;
    settings.numbers[ThumbnailSlot::Width] = form->spinWidth->value();
    settings.numbers[ThumbnailSlot::Height] = form->spinHeight->value();
    settings.numbers[ThumbnailSlot::Method]
        = ChoiceIndex(form->comboMethod->currentIndex(), MethodCount, int(defaultMethod));
}

void CFilterThumbnail::on_spinWidth_valueChanged(int)
{
    RestartTimer(SlowDelayMs);
}

void CFilterThumbnail::on_spinHeight_valueChanged(int)
{
    RestartTimer(SlowDelayMs);
}

void CFilterThumbnail::on_comboMethod_activated(int index)
{
    if (index == shownMethod)
        return;
    shownMethod = index;
    RestartTimer(QuickDelayMs);
}
