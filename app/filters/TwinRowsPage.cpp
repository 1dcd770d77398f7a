#include "TwinRowsPage.h"

#include "StoredValues.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QSpinBox>

#include <cmath>

void CTwinRowsPage::SetRows(const QList<STwinRow> &twinRows, int count, QWidget *focus)
{
    rows = twinRows;
    numberCount = count;
    focusWidget = focus;
    for (const STwinRow &row : std::as_const(rows))
        Twin(row.slider, row.spin, row.delayMs);
}

void CTwinRowsPage::WatchChoice(QComboBox *list, int *remembered, int ms)
{
    connect(list, &QComboBox::activated, this, [this, remembered, ms](int index) {
        if (index == *remembered)
            return;
        *remembered = index;
        RestartTimer(ms);
    });
}

void CTwinRowsPage::SetChoice(QComboBox *list, const QStringList &items, SChoiceSlot slot)
{
    choiceList = list;
    choice = slot;
    list->addItems(items);
    Q_ASSERT(list->count() == slot.count);
    takenChoice = slot.fallback;
    WatchChoice(list, &takenChoice);
}

void CTwinRowsPage::ShowChoice(int index)
{
    if (!choiceList)
        return;
    choiceList->setCurrentIndex(index);
    takenChoice = index;
}

void CTwinRowsPage::SetRowValue(const STwinRow &row, int value)
{
    row.slider->setValue(value);
    row.spin->setValue(value);
}

void CTwinRowsPage::Focus()
{
    if (focusWidget)
        focusWidget->setFocus(Qt::OtherFocusReason);
}

void CTwinRowsPage::Initialize()
{
    InitializeExtra();
    ShowChoice(choice.fallback);
    for (const STwinRow &row : std::as_const(rows))
        SetRowValue(row, row.defaultValue);
    Focus();
    RestartTimer(0);
}

void CTwinRowsPage::Load(const SFilterRecord &settings, bool startPreview)
{
    LoadExtra(settings);
    ShowChoice(
        ChoiceOf(std::floor(settings.numbers[choice.slot] + 0.5), choice.count, choice.fallback));
    for (const STwinRow &row : std::as_const(rows))
        SetRowValue(row, RoundHalfUp(settings.numbers[row.slot]));
    Focus();
    FinishLoad(settings, startPreview);
}

void CTwinRowsPage::Save(SFilterRecord &settings)
{
    settings.numberCount = quint8(numberCount);
    for (const STwinRow &row : std::as_const(rows))
        settings.numbers[row.slot] = row.spin->value();
    if (choiceList)
        settings.numbers[choice.slot]
            = ChoiceIndex(choiceList->currentIndex(), choice.count, choice.fallback);
}
