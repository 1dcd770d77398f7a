#include "FilterCustomMask.h"

#include "OpenFileChooser.h"
#include "ui_FilterCustomMask.h"

#include <QDir>

#include "FilterSlots.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "Rounding.h"
#include "Settings.h"
#include "StoredValues.h"

#include <cmath>

namespace {

const QString MaskPathKey = QStringLiteral("GUI/Filter.WatermarkMask.MaskPath");
const QString PortraitMaskPathKey = QStringLiteral("GUI/Filter.WatermarkMask.MaskPortraitPath");

} // namespace

CFilterCustomMask::CFilterCustomMask(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterCustomMask>())
    , formats(CFormatsEnum::instance())
    , defaultMaskPath(ReadSettingString(MaskPathKey, QString()))
    , defaultPortraitMaskPath(ReadSettingString(PortraitMaskPathKey, QString()))
{
    form->setupUi(this);
}

CFilterCustomMask::~CFilterCustomMask() = default;

void CFilterCustomMask::Initialize()
{
    form->editMask->setText(QDir::toNativeSeparators(defaultMaskPath));
    form->editMaskPortrait->setText(QDir::toNativeSeparators(defaultPortraitMaskPath));
    SetRotateMask(defaultRotateMask);
    form->spinAlpha->setValue(defaultTransparency);
    form->buttonBrowse->setFocus(Qt::OtherFocusReason);
    RestartTimer(0);
}

void CFilterCustomMask::Load(const SFilterRecord &settings, bool startPreview)
{
    controlsReady = startPreview;
    const auto &numbers = settings.numbers;
    form->editMask->setText(QDir::toNativeSeparators(settings.texts[WatermarkMaskSlot::MaskPath]));
    form->editMaskPortrait->setText(
        QDir::toNativeSeparators(settings.texts[WatermarkMaskSlot::PortraitMaskPath]));
    // A value that is neither choice (-1, 7, NaN) shows the default, as the engine reads it.
    using WatermarkMaskSlot::EPortrait;
    const SChoiceSlot portrait = WatermarkMaskSlot::PortraitChoice;
    const auto shown = EPortrait(
        ChoiceOf(RoundedHalfUp(numbers[portrait.slot]), portrait.count, portrait.fallback));
    SetRotateMask(shown == EPortrait::RotateMask);
    const double alpha = numbers[WatermarkMaskSlot::Transparency];
    form->spinAlpha->setValue(std::isfinite(alpha) ? RoundHalfUp(alpha) : defaultTransparency);
    form->buttonBrowse->setFocus(Qt::OtherFocusReason);
    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterCustomMask::Save(SFilterRecord &settings)
{
    using WatermarkMaskSlot::EPortrait;
    settings.numberCount = WatermarkMaskSlot::NumberCount;
    settings.numbers[WatermarkMaskSlot::RotateForPortrait]
        = int(form->radioRotateMask->isChecked() ? EPortrait::RotateMask : EPortrait::PortraitMask);
    settings.numbers[WatermarkMaskSlot::Transparency] = form->spinAlpha->value();
    settings.textCount = WatermarkMaskSlot::TextCount;
    settings.texts[WatermarkMaskSlot::MaskPath] = WithForwardSlashes(form->editMask->text());
    settings.texts[WatermarkMaskSlot::PortraitMaskPath]
        = WithForwardSlashes(form->editMaskPortrait->text());
}

// As a click on either button would: the check, the portrait controls, the preview.
void CFilterCustomMask::SetRotateMask(bool rotate)
{
    form->radioRotateMask->setChecked(rotate);
    on_radioRotateMask_clicked(rotate);
    form->radioDifferentMask->setChecked(!rotate);
    on_radioDifferentMask_clicked(!rotate);
}

void CFilterCustomMask::EnablePortraitMask(bool enabled)
{
    form->editMaskPortrait->setEnabled(enabled);
    form->buttonBrowsePortrait->setEnabled(enabled);
}

void CFilterCustomMask::ControlChanged()
{
    if (controlsReady)
        RestartTimer(QuickDelayMs);
}

void CFilterCustomMask::Browse(const QString &key, QLineEdit *field)
{
    const QString start = ReadSettingString(key, GetPicturesFolder());
    const QString chosen
        = ChooseOpenFile(this, tr("Select Mask"), start, formats->FileDialogFilter());
    if (chosen.isEmpty())
        return;
    const QString path = WithForwardSlashes(chosen);
    field->setText(QDir::toNativeSeparators(path));
    WriteSettingString(key, path);
    ControlChanged();
}

void CFilterCustomMask::on_buttonBrowse_clicked()
{
    Browse(MaskPathKey, form->editMask);
}

void CFilterCustomMask::on_buttonBrowsePortrait_clicked()
{
    Browse(PortraitMaskPathKey, form->editMaskPortrait);
}

void CFilterCustomMask::on_radioRotateMask_clicked(bool checked)
{
    EnablePortraitMask(!checked);
    ControlChanged();
}

void CFilterCustomMask::on_radioDifferentMask_clicked(bool checked)
{
    EnablePortraitMask(checked);
    ControlChanged();
}

void CFilterCustomMask::on_spinAlpha_valueChanged(int)
{
    ControlChanged();
}
