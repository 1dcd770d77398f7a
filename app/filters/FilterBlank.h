#pragma once

#include "FilterPage.h"

// The page of the filters without settings (Black & White, Negate, Auto Contrast, Auto Gamma,
// Auto Levels, Equalize, Auto Rotate): nothing to set, only the preview.
class CFilterBlank : public CFilterPage
{
    Q_OBJECT

public:
    CFilterBlank(QWidget *parent, int filterId);

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;
};
