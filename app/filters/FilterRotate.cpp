#include "FilterRotate.h"
#include "ui_FilterRotate.h"

#include "FilterSlots.h"

namespace {

constexpr int FullTurn = 360;
constexpr int QuarterTurn = 90;

} // namespace

CFilterRotate::CFilterRotate(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::CFilterRotate>())
{
    form->setupUi(this);
    Twin(form->dialDegrees, form->spinDegrees, QuickDelayMs);
}

CFilterRotate::~CFilterRotate() = default;

int CFilterRotate::QuarterTurnLeft(int degrees)
{
    const int from = degrees == 0 ? FullTurn : degrees;
    const int multiple = from / QuarterTurn * QuarterTurn;
    return multiple < from ? multiple : from - QuarterTurn;
}

int CFilterRotate::QuarterTurnRight(int degrees)
{
    const int multiple = degrees / QuarterTurn * QuarterTurn;
    return multiple == FullTurn - QuarterTurn ? 0 : multiple + QuarterTurn;
}

void CFilterRotate::InitControls()
{
    form->comboOrientation->clear();
    form->comboOrientation->addItems(
        { tr("All Photos"), tr("Only Portrait"), tr("Only Landscape") });
    form->spinDegrees->setFocus(Qt::OtherFocusReason);
}

void CFilterRotate::SetAngle(int degrees)
{
    form->dialDegrees->setValue(degrees);
    form->spinDegrees->setValue(degrees);
}

void CFilterRotate::Initialize()
{
    InitControls();
    SetAngle(defaultAngle);
    form->comboOrientation->setCurrentIndex(defaultCondition);
    RestartTimer(0);
}

void CFilterRotate::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    // The same turn within one circle: a stored 450 or -90 is not held at the dial's ends.
    const int degrees = RoundHalfUp(settings.numbers[RotateSlot::Angle]) % FullTurn;
    SetAngle(degrees < 0 ? degrees + FullTurn : degrees);
    form->comboOrientation->setCurrentIndex(
        ChoiceIndex(Truncated(settings.numbers[RotateSlot::Condition]),
            RotateSlot::ConditionChoice.count, defaultCondition));
    FinishLoad(settings, startPreview);
}

void CFilterRotate::Save(SFilterRecord &settings)
{
    settings.numberCount = RotateSlot::NumberCount;
    settings.numbers[RotateSlot::Angle] = form->dialDegrees->value();
    settings.numbers[RotateSlot::Condition] = ChoiceIndex(form->comboOrientation->currentIndex(),
        RotateSlot::ConditionChoice.count, defaultCondition);
}

void CFilterRotate::on_buttonRotateLeft_clicked()
{
    SetAngle(QuarterTurnLeft(form->dialDegrees->value()));
    RestartTimer(QuickDelayMs);
}

void CFilterRotate::on_buttonRotateRight_clicked()
{
    SetAngle(QuarterTurnRight(form->dialDegrees->value()));
    RestartTimer(QuickDelayMs);
}

void CFilterRotate::on_comboOrientation_activated(int index)
{
    Q_UNUSED(index)
    RestartTimer(QuickDelayMs);
}
