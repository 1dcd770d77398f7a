#pragma once

#include "FilterPage.h"

#include <memory>

namespace Ui {
class FilterAutoCrop;
}

// The page of the Auto Crop filter: the largest part of the photo with a fixed or custom
// proportion, which part of the photo it keeps, and whether portrait photos take the
// proportion the other way round.
class CFilterAutoCrop : public CFilterPage
{
    Q_OBJECT

public:
    using ERatio = AutoCropSlot::ERatio;
    using ERegion = AutoCropSlot::ERegion;

    CFilterAutoCrop(QWidget *parent, int filterId);
    ~CFilterAutoCrop() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_comboAspectRatio_activated(int index);
    void on_checkInvertPortraitCoord_clicked(bool checked);
    void on_spinRatioX_valueChanged(int value);
    void on_spinRatioY_valueChanged(int value);
    void on_comboRegion_currentIndexChanged(int index);

private:
    void InitControls();
    // Shows the ratio and remembers it; the custom terms can be edited only for "Custom ratio".
    void ShowRatio(int index);

    std::unique_ptr<Ui::FilterAutoCrop> form;
    const ERatio defaultRatio = ERatio::Wide16x9;
    const bool defaultInvert = true;
    const ERegion defaultRegion = ERegion::Center;
    int shownRatio = 0; // the ratio the list shows, as the page last took it
};
