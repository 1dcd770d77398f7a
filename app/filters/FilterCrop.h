#pragma once

#include "FilterPage.h"

#include <array>
#include <memory>

class QDoubleSpinBox;

namespace Ui {
class FilterCrop;
}

// The page of the Crop filter: one rectangle of the photo (left, top, width, height) in pixels
// or in percents of the photo's size. Dragging the rectangle in the preview reloads the page.
class CFilterCrop : public CFilterPage
{
    Q_OBJECT

public:
    CFilterCrop(QWidget *parent, int filterId);
    ~CFilterCrop() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_comboDimensions_activated(int index);
    void on_spinLeft_valueChanged(double value);
    void on_spinTop_valueChanged(double value);
    void on_spinWidth_valueChanged(double value);
    void on_spinHeight_valueChanged(double value);

private:
    void InitControls();
    void SetDecimals(int decimals);
    void SpinChanged();
    // The four boxes with their slots and the side of the photo each is measured against.
    struct SSide
    {
        int slot;
        QDoubleSpinBox *spin;
        quint64 photoSide;
    };
    std::array<SSide, 4> Sides() const;

    std::unique_ptr<Ui::FilterCrop> form;
    const ESizeUnit defaultUnit = ESizeUnit::Pixels;
    ESizeUnit shownUnit = ESizeUnit::Pixels; // the unit the four boxes show
    bool controlsReady = true; // false inside the reload after a drag: no preview restarts
};
