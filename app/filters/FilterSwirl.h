#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSwirl;
}

// The page of the Swirl filter: the angle of the twist, on a dial that goes round.
class CFilterSwirl : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSwirl(QWidget *parent, int filterId);
    ~CFilterSwirl() override;

    void Save(SFilterRecord &settings) override;

private:
    std::unique_ptr<Ui::FilterSwirl> form;
};
