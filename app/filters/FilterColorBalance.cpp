#include "FilterColorBalance.h"
#include "ui_FilterColorBalance.h"

#include "FilterSlots.h"

CFilterColorBalance::CFilterColorBalance(QWidget *parent, int filterId)
    : CTwinRowsPage(parent, filterId)
    , form(std::make_unique<Ui::FilterColorBalance>())
{
    form->setupUi(this);
    SetRows({ { form->sliderRed, form->spinRed, ColorBalanceSlot::Red, 0 },
                { form->sliderGreen, form->spinGreen, ColorBalanceSlot::Green, 0 },
                { form->sliderBlue, form->spinBlue, ColorBalanceSlot::Blue, 0 } },
        ColorBalanceSlot::NumberCount, form->sliderRed);
}

CFilterColorBalance::~CFilterColorBalance() = default;
