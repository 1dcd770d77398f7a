#pragma once

#include "FilterPage.h"

#include <QRgb>

#include <array>
#include <memory>

class QSpinBox;

namespace Ui {
class FilterSimpleBorder;
}

// The page of the Simple Border: a plain coloured border whose four sides are given in pixels
// or in percents of the photo's size, or one size for all four.
class CFilterSimpleBorder : public CFilterPage
{
    Q_OBJECT

public:
    CFilterSimpleBorder(QWidget *parent, int filterId);
    ~CFilterSimpleBorder() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void CPColorChanged();
    void on_comboDimensions_activated(int index);
    void on_checkUniformDimensions_clicked(bool checked);

private:
    void InitControls();
    // With one size for all sides only the top box is edited; the others keep their values.
    void ApplyUniform(bool uniform);
    // The four boxes with their slots and the side of the photo each is measured against.
    struct SSide
    {
        int slot;
        QSpinBox *spin;
        quint64 photoSide;
    };
    std::array<SSide, 4> Sides() const;

    std::unique_ptr<Ui::FilterSimpleBorder> form;
    const ESizeUnit defaultUnit = ESizeUnit::Pixels;
    const QRgb defaultColor = 0xFFBBBBFF; // opaque rgb(187, 187, 255)
    const int defaultSide = 100;
    const bool defaultUniform = true;
    ESizeUnit shownUnit = ESizeUnit::Pixels; // the unit the four boxes show
};
