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

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private:
    void InitControls();

    std::unique_ptr<Ui::FilterNoise> form;
    // The kind the page last took over (shown, loaded or picked): picking it again is no change.
    int rememberedType = 0;
};
