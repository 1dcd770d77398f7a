#pragma once

#include "FilterSlots.h"
#include "FilterUI.h"
#include "Rounding.h"

#include <QTimer>
#include <QWidget>

class QAbstractSlider;
class QSpinBox;

// The skeleton every settings page shares: one preview timer, restarted by each control change
// so that a burst of changes gives one save, one undo state and one preview after the user
// pauses; and the twin controls (a slider or dial beside a spin box showing one value).
// A page class adds its form, its defaults and its Initialize, Load and Save.
class CFilterPage : public QWidget, public CFilterUI
{
    Q_OBJECT

public:
    CFilterPage(QWidget *parent, int filterId);

    // Ordinary delays between a control's change and the save.
    static constexpr int QuickDelayMs = 500; // check boxes, lists, colours, steps
    static constexpr int SlowDelayMs = 1000; // sliders, spin boxes

signals:
    void SaveState(SFilterRecord settings);

public slots:
    // Saves a fresh record, reports it as a state, previews it, and stops the timer.
    void OnTimer();
    // A drag begins on the preview: an edit still waiting for its save reaches the preview's
    // record first, so the drag keeps it.
    void HandOverPendingEdit();

protected:
    void RestartTimer(int ms) { timer.start(ms); }
    // Keeps the pair showing one value; each change restarts the timer with `ms`.
    void Twin(QAbstractSlider *slider, QSpinBox *spin, int ms = SlowDelayMs);
    // Restarts the timer with `ms` whenever the spin box changes.
    void Watch(QSpinBox *spin, int ms = SlowDelayMs);
    // The end of Load: a preview for a plain load; for the reload after a drag in the preview
    // (interactive filters only) one saved state of the record as given.
    void FinishLoad(const SFilterRecord &settings, bool startPreview);

    QTimer timer;
};

// Integer controls take stored values either way (RoundHalfUp or Truncated of Rounding.h), as
// each page fixes per slot.

// A stored list choice the list does not hold (a damaged record, or -1 saved by a list that
// showed no item) gives the page's default instead, so a page never shows or saves "no item".
// The same rule as the engine's ChoiceOf (StoredValues.h), after the page's own rounding.
int ChoiceIndex(int stored, int count, int fallback);
