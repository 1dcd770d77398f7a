#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterContrast;
}

// The page of the Contrast filter: the strength of the contrast change and the
// lightness it centres on.
class CFilterContrast : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterContrast(QWidget *parent, int filterId);
    ~CFilterContrast() override;

private:
    std::unique_ptr<Ui::FilterContrast> form;
};
