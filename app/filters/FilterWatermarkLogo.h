#pragma once

#include "FilterPage.h"

#include <QString>

#include <memory>

namespace Ui {
class FilterWatermarkLogo;
}

class CFormatsEnum;

// The page of the Watermark Logo filter: an image file laid over each photo at one of nine
// placements with offsets in photo pixels, scaled, turned and made partly transparent.
// Dragging the logo in the preview reloads the page.
class CFilterWatermarkLogo : public CFilterPage
{
    Q_OBJECT

public:

    CFilterWatermarkLogo(QWidget *parent, int filterId);
    ~CFilterWatermarkLogo() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_buttonBrowse_clicked();
    void on_comboPlacement_activated(int index);
    void on_spinDeltaX_valueChanged(int value);
    void on_spinDeltaY_valueChanged(int value);
    void on_spinRotation_valueChanged(int value);
    void on_spinTransparency_valueChanged(int value);
    void on_spinScale_valueChanged(int value);

private:
    void InitControls();
    void ControlChanged();

    std::unique_ptr<Ui::FilterWatermarkLogo> form;
    CFormatsEnum *formats;

    const QString defaultPath; // the sample logo beside the program
    const int defaultRotation = 0;
    const int defaultScale = 100;
    const int defaultTransparency = 15;
    const int defaultDeltaX = 50;
    const int defaultDeltaY = 50;

    bool controlsReady = true; // false inside the reload after a drag: no preview restarts
};
