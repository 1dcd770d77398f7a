#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterNoise;
}

// The page of the Noise filter: the kind of noise added, from a list.
class CFilterNoise : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterNoise(QWidget *parent, int filterId);
    ~CFilterNoise() override;

private:
    std::unique_ptr<Ui::FilterNoise> form;
};
