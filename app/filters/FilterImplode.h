#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterImplode;
}

// The page of the Implode filter: how far the photo is pulled into its centre.
class CFilterImplode : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterImplode(QWidget *parent, int filterId);
    ~CFilterImplode() override;

private:
    std::unique_ptr<Ui::FilterImplode> form;
};
