#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSharpenAdvanced;
}

// The page of the Sharpen Advanced filter: the amount, radius and threshold of the
// unsharp mask.
class CFilterSharpenAdvanced : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSharpenAdvanced(QWidget *parent, int filterId);
    ~CFilterSharpenAdvanced() override;

private:
    std::unique_ptr<Ui::FilterSharpenAdvanced> form;
};
