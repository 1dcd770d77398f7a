#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterSpread;
}

// The page of the Spread filter: how far pixels are scattered.
class CFilterSpread : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterSpread(QWidget *parent, int filterId);
    ~CFilterSpread() override;

private:
    std::unique_ptr<Ui::FilterSpread> form;
};
