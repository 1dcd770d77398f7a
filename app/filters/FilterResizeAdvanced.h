#pragma once

#include "FilterPage.h"

#include <memory>

class QDoubleSpinBox;
class QSpinBox;

namespace Ui {
class FilterResizeAdvanced;
}

// The page of the Resize Advanced filter: the new size in pixels, as a document size in inches
// and as a resolution, tied by pixels = inches x DPI on each axis. Editing one value moves the
// others of its axis, and the other axis too when the photo's proportions or a uniform
// resolution are kept. A stored size is a box for the sample photo's longer side.
class CFilterResizeAdvanced : public CFilterPage
{
    Q_OBJECT

public:
    CFilterResizeAdvanced(QWidget *parent, int filterId);
    ~CFilterResizeAdvanced() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_spinPixelsWidth_valueChanged(int value);
    void on_spinPixelsHeight_valueChanged(int value);
    void on_spinInchesWidth_valueChanged(double value);
    void on_spinInchesHeight_valueChanged(double value);
    void on_spinDPIWidth_valueChanged(int value);
    void on_spinDPIHeight_valueChanged(int value);
    void on_checkAspectRatio_clicked();
    void on_checkUniformDPI_clicked();

private:
    // The three boxes of one direction.
    struct SAxis
    {
        QSpinBox *pixels;
        QDoubleSpinBox *inches;
        QSpinBox *dpi;
    };

    void InitControls();
    SAxis Horizontal() const;
    SAxis Vertical() const;
    // Sample width / height; 1.0 without a readable sample.
    double Proportion() const;
    // False, after a short delay of the preview, when the page is itself changing the controls.
    bool TakeGuard();
    void ReleaseGuard(int ms);
    void PixelsChanged(const SAxis &changed, const SAxis &other, bool widthChanged);
    void InchesChanged(const SAxis &changed, const SAxis &other, bool widthChanged);
    // The other side of the photo's proportions, from the width or from the height.
    double OtherSide(double value, bool fromWidth) const;
    void InchesFromPixels(const SAxis &axis);
    void PixelsFromInches(const SAxis &axis);

    std::unique_ptr<Ui::FilterResizeAdvanced> form;
    const double defaultKeepAspect = 1.0;
    const double defaultUniformResolution = 1.0;
    bool guard = false; // the page changes several controls: their slots recompute nothing
};
