#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSharpen;
}

// The page of the Sharpen filter: the sharpening amount.
class CFilterSharpen : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSharpen(QWidget *parent, int filterId);
    ~CFilterSharpen() override;

private:
    std::unique_ptr<Ui::FilterSharpen> form;
};
