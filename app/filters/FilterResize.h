#pragma once

#include "FilterPage.h"

#include <memory>

class QDoubleSpinBox;

namespace Ui {
class CFilterResize;
}

// The page of the Resize filter: an output width and height in pixels or in percents of the
// photo, four ways of applying them, the aspect ratio kept or not, small photos left alone or
// not. Width and height follow each other through the sample photo's proportions while the
// user types; dragging the resized photo in the preview reloads the page.
class CFilterResize : public CFilterPage
{
    Q_OBJECT

public:
    using EMode = ResizeSlot::EMode;

    CFilterResize(QWidget *parent, int filterId);
    ~CFilterResize() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_comboResizeBy_activated(int index);
    void on_comboDimensions_activated(int index);
    void on_spinWidth_valueChanged(double value);
    void on_spinHeight_valueChanged(double value);
    void on_checkAspectRatio_clicked(bool checked);
    void on_checkNoUpscale_clicked(bool checked);

private:
    void InitControls();
    // Enables the size boxes and the aspect box for the mode; `always` also when it is shown.
    void ApplyMode(EMode mode, bool always);
    void SetBounds(ESizeUnit unit);
    void SetDecimals(int decimals);
    // Sets `other` from `value` when the two sides are coupled; `ratio` is value / other.
    void Couple(double value, QDoubleSpinBox *other, double ratio);
    void RestartIfReady(int ms);
    bool HasSample() const;
    double SampleAspect() const; // width / height; 1.0 without a readable sample

    std::unique_ptr<Ui::CFilterResize> form;
    const EMode defaultMode = EMode::WidthHeight;
    const ESizeUnit defaultUnit = ESizeUnit::Pixels;
    const bool defaultKeepAspect = true;
    const bool defaultNoUpscale = false;
    bool updating = false; // the page writes the size boxes itself: no coupling
    ESizeUnit shownUnit = ESizeUnit::Pixels;
    EMode shownMode = EMode::WidthHeight;
    bool bothFixed = false; // "Fixed Width & Height": the sides are independent
    bool controlsReady = true; // false inside the reload after a drag: no preview restarts
};
