#pragma once

#include "TwinRowsPage.h"

#include <memory>

namespace Ui {
class FilterShade;
}

// The page of the Shade filter: the direction of the light (azimuth and elevation) and whether
// the result is the grey relief alone.
class CFilterShade : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterShade(QWidget *parent, int filterId);
    ~CFilterShade() override;

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private slots:
    void on_checkGrayscaleShading_clicked();

private:
    std::unique_ptr<Ui::FilterShade> form;
    const double defaultGrayscaleShading = 1.0;
};
