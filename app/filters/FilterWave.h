#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterWave;
}

// The page of the Wave filter: the amplitude and the length of the wave.
class CFilterWave : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterWave(QWidget *parent, int filterId);
    ~CFilterWave() override;

private:
    std::unique_ptr<Ui::FilterWave> form;
};
