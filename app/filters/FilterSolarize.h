#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSolarize;
}

// The page of the Solarize filter: how much of the tonal range is inverted.
class CFilterSolarize : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSolarize(QWidget *parent, int filterId);
    ~CFilterSolarize() override;

private:
    std::unique_ptr<Ui::FilterSolarize> form;
};
