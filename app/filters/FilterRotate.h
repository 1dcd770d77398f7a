#pragma once

#include "FilterPage.h"

#include <memory>

namespace Ui {
class CFilterRotate;
}

// The page of the Rotate filter: an angle in whole degrees (dial, spin box or quarter turns)
// and the photos it applies to (all, portrait only, landscape only).
class CFilterRotate : public CFilterPage
{
    Q_OBJECT

public:
    CFilterRotate(QWidget *parent, int filterId);
    ~CFilterRotate() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

    // The angle after a quarter turn: to the previous or next multiple of 90 degrees.
    static int QuarterTurnLeft(int degrees);
    static int QuarterTurnRight(int degrees);

private slots:
    void on_buttonRotateLeft_clicked();
    void on_buttonRotateRight_clicked();
    void on_comboOrientation_activated(int index);

private:
    void InitControls();
    void SetAngle(int degrees);

    std::unique_ptr<Ui::CFilterRotate> form;
    const int defaultAngle = 0;
    const int defaultCondition = int(RotateSlot::ECondition::AllPhotos);
};
