#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterLevels;
}

// The page of the Levels filter: the channel to level, then the black point, the middle tone
// and the white point. The channel, shown first, is stored after the three points.
class CFilterLevels : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterLevels(QWidget *parent, int filterId);
    ~CFilterLevels() override;

private:
    std::unique_ptr<Ui::FilterLevels> form;
};
