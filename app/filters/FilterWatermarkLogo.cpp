#include "FilterWatermarkLogo.h"

#include "OpenFileChooser.h"
#include "ui_FilterWatermarkLogo.h"

#include <QDir>

#include "FilterSlots.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "Settings.h"
#include "StoredValues.h"
#include "platform/ProgramFolder.h"

#include <cmath>

namespace {

const QString LogoFolderKey = QStringLiteral("GUI/Filter.WatermarkLogo.WatermarkPath");
constexpr int FullTurn = 360;

// A stored number as the spin boxes take it: cut towards zero; not a number at all (a damaged
// record) gives the control's default.
int WholeOr(double stored, int fallback)
{
    return std::isfinite(stored) ? Truncated(stored) : fallback;
}

// The same turn within one circle, exactly for any stored number (a stored 450 or -270 is 90,
// not held at the box's ends).
int Turn(double stored, int fallback)
{
    if (!std::isfinite(stored))
        return fallback;
    const int degrees = int(std::fmod(std::trunc(stored), double(FullTurn)));
    return degrees < 0 ? degrees + FullTurn : degrees;
}

} // namespace

CFilterWatermarkLogo::CFilterWatermarkLogo(QWidget *parent, int filterId)
    : CFilterPage(parent, filterId)
    , form(std::make_unique<Ui::FilterWatermarkLogo>())
    , formats(CFormatsEnum::instance())
    , defaultPath(Platform::ProgramDataFolder() + QStringLiteral("/Sample.png"))
{
    form->setupUi(this);
}

CFilterWatermarkLogo::~CFilterWatermarkLogo() = default;

void CFilterWatermarkLogo::InitControls()
{
    form->comboPlacement->clear();
    form->comboPlacement->addItems(
        { tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
            tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right") });
    form->buttonBrowse->setFocus(Qt::OtherFocusReason);
}

void CFilterWatermarkLogo::Initialize()
{
    InitControls();
    form->editImagePath->setText(QDir::toNativeSeparators(defaultPath));
    form->comboPlacement->setCurrentIndex(WatermarkLogoSlot::PlacementChoice.fallback);
    form->spinRotation->setValue(defaultRotation);
    form->spinScale->setValue(defaultScale);
    form->spinTransparency->setValue(defaultTransparency);
    form->spinDeltaX->setValue(defaultDeltaX);
    form->spinDeltaY->setValue(defaultDeltaY);
    RestartTimer(0);
}

void CFilterWatermarkLogo::Load(const SFilterRecord &settings, bool startPreview)
{
    controlsReady = startPreview;
    InitControls();
    const auto &numbers = settings.numbers;
    form->editImagePath->setText(
        QDir::toNativeSeparators(settings.texts[WatermarkLogoSlot::LogoPath]));
    form->comboPlacement->setCurrentIndex(ChoiceOf(settings, WatermarkLogoSlot::PlacementChoice));
    form->spinRotation->setValue(Turn(numbers[WatermarkLogoSlot::Rotation], defaultRotation));
    form->spinScale->setValue(WholeOr(numbers[WatermarkLogoSlot::Scale], defaultScale));
    form->spinTransparency->setValue(
        WholeOr(numbers[WatermarkLogoSlot::Transparency], defaultTransparency));
    form->spinDeltaX->setValue(WholeOr(numbers[WatermarkLogoSlot::DeltaX], defaultDeltaX));
    form->spinDeltaY->setValue(WholeOr(numbers[WatermarkLogoSlot::DeltaY], defaultDeltaY));
    controlsReady = true;
    FinishLoad(settings, startPreview);
}

void CFilterWatermarkLogo::Save(SFilterRecord &settings)
{
    auto &numbers = settings.numbers;
    settings.numberCount = WatermarkLogoSlot::NumberCount;
    numbers[WatermarkLogoSlot::Placement] = ChoiceIndex(form->comboPlacement->currentIndex(),
        WatermarkLogoSlot::PlacementChoice.count, WatermarkLogoSlot::PlacementChoice.fallback);
    numbers[WatermarkLogoSlot::DeltaX] = form->spinDeltaX->value();
    numbers[WatermarkLogoSlot::DeltaY] = form->spinDeltaY->value();
    numbers[WatermarkLogoSlot::Scale] = form->spinScale->value();
    numbers[WatermarkLogoSlot::Rotation] = form->spinRotation->value();
    numbers[WatermarkLogoSlot::Transparency] = form->spinTransparency->value();
    settings.textCount = WatermarkLogoSlot::TextCount;
    settings.texts[WatermarkLogoSlot::LogoPath] = WithForwardSlashes(form->editImagePath->text());
}

void CFilterWatermarkLogo::ControlChanged()
{
    if (controlsReady)
        RestartTimer(QuickDelayMs);
}

void CFilterWatermarkLogo::on_buttonBrowse_clicked()
{
    const QString start = ReadSettingString(LogoFolderKey, GetPicturesFolder());
    const QString chosen
        = ChooseOpenFile(this, tr("Select Watermark Image"), start, formats->FileDialogFilter());
    if (chosen.isEmpty())
        return;
    const QString path = WithForwardSlashes(chosen);
    form->editImagePath->setText(QDir::toNativeSeparators(path));
    WriteSettingString(LogoFolderKey, path.left(path.lastIndexOf(QLatin1Char('/'))));
    ControlChanged();
}

void CFilterWatermarkLogo::on_comboPlacement_activated(int)
{
    ControlChanged();
}

void CFilterWatermarkLogo::on_spinDeltaX_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkLogo::on_spinDeltaY_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkLogo::on_spinRotation_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkLogo::on_spinTransparency_valueChanged(int)
{
    ControlChanged();
}

void CFilterWatermarkLogo::on_spinScale_valueChanged(int)
{
    ControlChanged();
}
