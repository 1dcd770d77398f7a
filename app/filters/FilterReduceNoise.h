#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterReduceNoise;
}

// The page of the Reduce Noise filter: one list of the two ways of reducing noise.
class CFilterReduceNoise : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterReduceNoise(QWidget *parent, int filterId);
    ~CFilterReduceNoise() override;

private:
    std::unique_ptr<Ui::FilterReduceNoise> form;
};
