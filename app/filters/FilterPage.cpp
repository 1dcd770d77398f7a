#include "FilterPage.h"

#include "FilterIds.h"
#include "StoredValues.h"

#include <QAbstractSlider>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <limits>

CFilterPage::CFilterPage(QWidget *parent, int filterId)
    : QWidget(parent)
    , CFilterUI(filterId)
    , timer(this)
{
    RegisterFilterRecordType();
    connect(&timer, &QTimer::timeout, this, &CFilterPage::OnTimer);
}

void CFilterPage::OnTimer()
{
    SFilterRecord settings;
    Save(settings);
    emit SaveState(settings);
    PushPreview(settings);
    timer.stop();
}

void CFilterPage::HandOverPendingEdit()
{
    // The pause before a save is still running: the preview gets the page's values now, the
    // save and its render follow when the pause ends.
    if (!timer.isActive())
        return;
    SFilterRecord settings;
    Save(settings);
    HandToPreview(settings);
}

void CFilterPage::Twin(QAbstractSlider *slider, QSpinBox *spin, int ms)
{
    connect(slider, &QAbstractSlider::valueChanged, this, [this, spin, ms](int value) {
        spin->setValue(value);
        RestartTimer(ms);
    });
    connect(spin, &QSpinBox::valueChanged, this, [this, slider, ms](int value) {
        slider->setValue(value);
        RestartTimer(ms);
    });
}

void CFilterPage::Watch(QSpinBox *spin, int ms)
{
    connect(spin, &QSpinBox::valueChanged, this, [this, ms]() { RestartTimer(ms); });
}

void CFilterPage::FinishLoad(const SFilterRecord &settings, bool startPreview)
{
    if (startPreview) {
        RestartTimer(0);
        return;
    }
    if (FilterId::IsInteractive(filterId)) {
        // The controls' own change handlers restarted the timer: this save stands for them.
        timer.stop();
        emit SaveState(settings);
    }
}

int ChoiceIndex(int stored, int count, int fallback)
{
    return ChoiceOf(double(stored), count, fallback);
}
