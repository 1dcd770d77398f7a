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

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private:
    void ShowAlgorithm(int index);

    std::unique_ptr<Ui::FilterReduceNoise> form;
    int takenAlgorithm; // the item the page last took over, so choosing it again does nothing
};
