#include "FramePage.h"

#include "ColorPicker.h"
#include "ImageCache.h"
#include "StoredValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// The sheet holds one row of square tiles per frame family, in the order of the frame lists.
const QString IconSheet = QStringLiteral("Icons-Frames.png");
constexpr int IconSize = 32;

} // namespace

CFramePage::CFramePage(QWidget *parent, int filterId, SFrameList frameList)
    : CFilterPage(parent, filterId)
    , list(std::move(frameList))
{
    Q_ASSERT(list.names.size() == list.frame.count);
}

void CFramePage::SetControls(const SFrameControls &frameControls)
{
    controls = frameControls;
    connect(
        controls.color, &CColorPicker::ColorChanged, this, &CFramePage::CPBackgroundColorChanged);
}

QStringList CFramePage::Numbered(const QString &name, int count)
{
    QStringList names;
    for (int number = 1; number <= count; ++number)
        names.append(name + QLatin1Char(' ') + QString::number(number));
    return names;
}

void CFramePage::InitControls()
{
    // Without the sheet the items keep their names with empty icons.
    controls.frames->clear();
    for (int index = 0; index < list.names.size(); ++index) {
        controls.frames->addItem(
            CImageCache::instance()->GridIcon(IconSheet, false, index, list.iconRow, IconSize),
            list.names.at(index));
    }
    controls.frames->setFocus(Qt::OtherFocusReason);
}

void CFramePage::ApplyChecks()
{
    controls.color->setEnabled(!controls.transparent->isChecked());
    controls.frames->setEnabled(!controls.random->isChecked());
}

void CFramePage::Initialize()
{
    InitControls();
    controls.frames->setCurrentIndex(list.frame.fallback);
    controls.color->SetColor(defaultColor);
    controls.transparent->setChecked(defaultTransparent);
    controls.random->setChecked(defaultRandom);
    ApplyChecks();
    RestartTimer(0);
}

void CFramePage::Load(const SFilterRecord &settings, bool startPreview)
{
    InitControls();
    controls.frames->setCurrentIndex(ChoiceIndex(
        RoundHalfUp(settings.numbers[list.frame.slot]), list.frame.count, list.frame.fallback));
    controls.color->SetColor(ParameterToColor(settings.numbers[list.colorSlot]));
    controls.transparent->setChecked(settings.numbers[list.transparentSlot] != 0.0);
    controls.random->setChecked(settings.numbers[list.randomSlot] != 0.0);
    ApplyChecks();
    FinishLoad(settings, startPreview);
}

void CFramePage::Save(SFilterRecord &settings)
{
    settings.numberCount = quint8(list.numberCount);
    settings.numbers[list.frame.slot]
        = ChoiceIndex(controls.frames->currentIndex(), list.frame.count, list.frame.fallback);
    settings.numbers[list.colorSlot] = ColorToParameter(controls.color->Color());
    settings.numbers[list.transparentSlot] = controls.transparent->isChecked() ? 1.0 : 0.0;
    settings.numbers[list.randomSlot] = controls.random->isChecked() ? 1.0 : 0.0;
}

void CFramePage::CPBackgroundColorChanged()
{
    RestartTimer(QuickDelayMs);
}

void CFramePage::on_comboFrame_activated(int index)
{
    Q_UNUSED(index)
    RestartTimer(QuickDelayMs);
}

void CFramePage::on_checkTranspBackground_clicked()
{
    ApplyChecks();
    RestartTimer(QuickDelayMs);
}

void CFramePage::on_checkRandomFrame_clicked()
{
    ApplyChecks();
    RestartTimer(QuickDelayMs);
}
