#include "TwinRowsPage.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QSpinBox>

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
    for (const STwinRow &row : std::as_const(rows))
        SetRowValue(row, row.defaultValue);
    Focus();
    RestartTimer(0);
}

void CTwinRowsPage::Load(const SFilterRecord &settings, bool startPreview)
{
    LoadExtra(settings);
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
}
