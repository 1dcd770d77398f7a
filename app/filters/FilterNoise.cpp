#include "FilterNoise.h"
#include "ui_FilterNoise.h"

#include "FilterSlots.h"
#include "StoredValues.h"

#include <cmath>

CFilterNoise::CFilterNoise(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterNoise>())
{
    form->setupUi(this);
    rememberedType = NoiseSlot::TypeChoice.fallback;
    SetRows({}, NoiseSlot::NumberCount, form->comboNoiseType);
    WatchChoice(form->comboNoiseType, &rememberedType);
}

CFilterNoise::~CFilterNoise() = default;

void CFilterNoise::InitControls()
{
    rememberedType = NoiseSlot::TypeChoice.fallback;
    form->comboNoiseType->clear();
    // ImageMagick's names of the kinds, shown untranslated; the order is the stored index.
    form->comboNoiseType->addItems(
        { QStringLiteral("Gaussian"), QStringLiteral("Multiplicative Gaussian"),
            QStringLiteral("Impulse"), QStringLiteral("Laplacian"), QStringLiteral("Poisson") });
}

void CFilterNoise::InitializeExtra()
{
    InitControls();
    form->comboNoiseType->setCurrentIndex(NoiseSlot::TypeChoice.fallback);
    rememberedType = NoiseSlot::TypeChoice.fallback;
}

void CFilterNoise::LoadExtra(const SFilterRecord &settings)
{
    InitControls();
    // Rounded half up like the page's other slots; a kind the list lacks (NaN included) shows
    // the default.
    const int type = ChoiceOf(std::floor(settings.numbers[NoiseSlot::Type] + 0.5),
        NoiseSlot::TypeChoice.count, NoiseSlot::TypeChoice.fallback);
    form->comboNoiseType->setCurrentIndex(type);
    rememberedType = type;
}

void CFilterNoise::Save(SFilterRecord &settings)
{
    CTwinRowsPage::Save(settings);
    settings.numbers[NoiseSlot::Type] = ChoiceIndex(form->comboNoiseType->currentIndex(),
        NoiseSlot::TypeChoice.count, NoiseSlot::TypeChoice.fallback);
}
