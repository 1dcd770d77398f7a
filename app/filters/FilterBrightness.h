#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterBrightness;
}

// The page of the Brightness filter: the lightness and the gamma of the photo.
class CFilterBrightness : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterBrightness(QWidget *parent, int filterId);
    ~CFilterBrightness() override;

private:
    std::unique_ptr<Ui::FilterBrightness> form;
};
