#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterColorBalance;
}

// The page of the Color Balance filter: the gamma correction of each colour channel.
class CFilterColorBalance : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterColorBalance(QWidget *parent, int filterId);
    ~CFilterColorBalance() override;

private:
    std::unique_ptr<Ui::FilterColorBalance> form;
};
