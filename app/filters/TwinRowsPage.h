#pragma once

#include "FilterPage.h"
#include "FilterSlots.h"

#include <QList>

class QAbstractSlider;
class QComboBox;
class QSpinBox;

// One row of twin controls (a slider or dial beside a spin box) kept in one numeric slot.
struct STwinRow
{
    QAbstractSlider *slider;
    QSpinBox *spin;
    int slot;
    int defaultValue;
    int delayMs = CFilterPage::SlowDelayMs;
};

// The pages that are only rows of twin controls (most Effects and Touch-Up filters): the rows
// take their defaults, stored values rounded half up, and are saved from the spin boxes.
// A page with more than rows (a check box, a list) extends the three operations.
class CTwinRowsPage : public CFilterPage
{
    Q_OBJECT

public:
    using CFilterPage::CFilterPage;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

protected:
    // Called once by the page's constructor, after its form is set up. `focus` (may be null)
    // takes the keyboard focus on every Initialize and Load.
    void SetRows(const QList<STwinRow> &twinRows, int count, QWidget *focus);

    // A list whose choice restarts the preview only when it differs from the choice the page
    // last took (`remembered`), as the user picks it.
    void WatchChoice(QComboBox *list, int *remembered, int ms = QuickDelayMs);
    // The page's one list of fixed items, stored in `slot` (rounded half up; a choice the list
    // lacks, NaN included, shows the default), watched as WatchChoice does. Set before the rows.
    void SetChoice(QComboBox *list, const QStringList &items, SChoiceSlot slot);

    // Before the rows are set: a subclass's own controls.
    virtual void InitializeExtra() { }
    virtual void LoadExtra(const SFilterRecord &settings) { Q_UNUSED(settings) }

private:
    void SetRowValue(const STwinRow &row, int value);
    void Focus();

    void ShowChoice(int index);

    QList<STwinRow> rows;
    QComboBox *choiceList = nullptr;
    SChoiceSlot choice {};
    int takenChoice = 0; // the choice the page last took over: picking it again is no change
    int numberCount = 0;
    QWidget *focusWidget = nullptr;
};
