#include "FilterColorReplace.h"
#include "ui_FilterColorReplace.h"

#include "FilterSlots.h"
#include "StoredValues.h"

namespace {

// Both lists offer the same sources.
constexpr int SourceCount = ColorReplaceSlot::OriginalSourceChoice.count;
static_assert(SourceCount == ColorReplaceSlot::NewSourceChoice.count);
constexpr int DefaultTolerance = 0;

int ToIndex(ColorReplaceSlot::ESource source)
{
    return int(source);
}

} // namespace

CFilterColorReplace::CFilterColorReplace(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterColorReplace>())
{
    form->setupUi(this);
    SetRows({ { form->sliderTolerance, form->spinTolerance, ColorReplaceSlot::Tolerance,
                DefaultTolerance } },
        ColorReplaceSlot::NumberCount, form->comboOriginalColor);
    connect(form->CPOriginalColor, &CColorPicker::ColorChanged, this,
        &CFilterColorReplace::CPOriginalColorChanged);
    connect(form->CPNewColor, &CColorPicker::ColorChanged, this,
        &CFilterColorReplace::CPNewColorChanged);
}

CFilterColorReplace::~CFilterColorReplace() = default;

void CFilterColorReplace::InitControls()
{
    // Refilling passes the lists through "no item" and item 0; the enabling rules follow.
    const QStringList sources { tr("Custom"), tr("Transparency"), tr("White"), tr("Black") };
    form->comboOriginalColor->clear();
    form->comboOriginalColor->addItems(sources);
    form->comboNewColor->clear();
    form->comboNewColor->addItems(sources);
}

void CFilterColorReplace::InitializeExtra()
{
    InitControls();
    form->comboOriginalColor->setCurrentIndex(ToIndex(defaultSource));
    form->CPOriginalColor->SetColor(defaultColor);
    form->comboNewColor->setCurrentIndex(ToIndex(defaultSource));
    form->CPNewColor->SetColor(defaultColor);
}

void CFilterColorReplace::LoadExtra(const SFilterRecord &settings)
{
    InitControls();
    const auto source = [&settings, this](int slot) {
        return ChoiceIndex(Truncated(settings.numbers[slot]), SourceCount, ToIndex(defaultSource));
    };
    form->comboOriginalColor->setCurrentIndex(source(ColorReplaceSlot::OriginalSource));
    form->CPOriginalColor->SetColor(
        ParameterToColor(settings.numbers[ColorReplaceSlot::OriginalColor]));
    form->comboNewColor->setCurrentIndex(source(ColorReplaceSlot::NewSource));
    form->CPNewColor->SetColor(ParameterToColor(settings.numbers[ColorReplaceSlot::NewColor]));
}

void CFilterColorReplace::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    // A greyed colour button still holds its colour: it is saved for a later "Custom".
    settings.numbers[ColorReplaceSlot::OriginalColor]
        = ColorToParameter(form->CPOriginalColor->Color());
    settings.numbers[ColorReplaceSlot::NewColor] = ColorToParameter(form->CPNewColor->Color());
    settings.numbers[ColorReplaceSlot::OriginalSource] = ChoiceIndex(
        form->comboOriginalColor->currentIndex(), SourceCount, ToIndex(defaultSource));
    settings.numbers[ColorReplaceSlot::NewSource]
        = ChoiceIndex(form->comboNewColor->currentIndex(), SourceCount, ToIndex(defaultSource));
}

void CFilterColorReplace::on_comboOriginalColor_currentIndexChanged(int index)
{
    // Transparency has no colour and no shades to tolerate; white and black have no colour to
    // choose but do have near shades.
    form->CPOriginalColor->setEnabled(index == ToIndex(ESource::Custom));
    const bool tolerance = index != ToIndex(ESource::Transparency);
    form->sliderTolerance->setEnabled(tolerance);
    form->spinTolerance->setEnabled(tolerance);
    RestartTimer(QuickDelayMs);
}

void CFilterColorReplace::CPOriginalColorChanged()
{
    RestartTimer(QuickDelayMs);
}

void CFilterColorReplace::on_comboNewColor_currentIndexChanged(int index)
{
    form->CPNewColor->setEnabled(index == ToIndex(ESource::Custom));
    RestartTimer(QuickDelayMs);
}

void CFilterColorReplace::CPNewColorChanged()
{
    RestartTimer(QuickDelayMs);
}
