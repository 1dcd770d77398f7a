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

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private:
    void ShowChannel(int index);

    std::unique_ptr<Ui::FilterLevels> form;
    int takenChannel; // the channel the page last took over, so choosing it again does nothing
};
