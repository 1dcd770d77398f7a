#include "FilterNoise.h"
#include "ui_FilterNoise.h"

#include "FilterSlots.h"

CFilterNoise::CFilterNoise(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterNoise>())
{
    form->setupUi(this);
    // ImageMagick's names of the kinds, shown untranslated; the order is the stored index.
    SetChoice(form->comboNoiseType,
        { QStringLiteral("Gaussian"), QStringLiteral("Multiplicative Gaussian"),
            QStringLiteral("Impulse"), QStringLiteral("Laplacian"), QStringLiteral("Poisson") },
        NoiseSlot::TypeChoice);
    SetRows({}, NoiseSlot::NumberCount, form->comboNoiseType);
}

CFilterNoise::~CFilterNoise() = default;
