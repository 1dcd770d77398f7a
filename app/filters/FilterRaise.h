#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterRaise;
}

// The page of the Raise border: the width of a bevelled edge, raised or lowered.
class CFilterRaise : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterRaise(QWidget *parent, int filterId);
    ~CFilterRaise() override;

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private slots:
    void on_comboEffect_currentIndexChanged(int index);

private:
    void InitControls();

    std::unique_ptr<Ui::FilterRaise> form;
    const int defaultBorder = 20; // percent of the photo's shorter side
};
