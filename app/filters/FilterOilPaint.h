#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterOilPaint;
}

// The page of the Oil Paint filter: the radius of the brush.
class CFilterOilPaint : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterOilPaint(QWidget *parent, int filterId);
    ~CFilterOilPaint() override;

private:
    std::unique_ptr<Ui::FilterOilPaint> form;
};
