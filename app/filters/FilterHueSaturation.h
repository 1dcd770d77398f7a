#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterHueSaturation;
}

// The page of the Hue/Saturation filter: hue, saturation and lightness.
class CFilterHueSaturation : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterHueSaturation(QWidget *parent, int filterId);
    ~CFilterHueSaturation() override;

private:
    std::unique_ptr<Ui::FilterHueSaturation> form;
};
