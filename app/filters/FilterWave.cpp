#include "FilterWave.h"
#include "ui_FilterWave.h"

#include "FilterSlots.h"

CFilterWave::CFilterWave(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterWave>())
{
    form->setupUi(this);
    SetRows({ { form->sliderAmplitude, form->spinAmplitude, WaveSlot::Amplitude, 15 },
                { form->sliderLength, form->spinLength, WaveSlot::Length, 25 } },
        WaveSlot::NumberCount, form->sliderAmplitude);
}

CFilterWave::~CFilterWave() = default;
