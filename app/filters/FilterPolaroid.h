#pragma once

#include "TwinRowsPage.h"

#include <QRgb>

#include <memory>

namespace Ui {
class FilterPolaroid;
}

// The page of the Polaroid border: the height of the card's wide strip below the photo, the
// card's colour, the card's turn, and whether the whole photo is kept or cut to its centred
// square.
class CFilterPolaroid : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterPolaroid(QWidget *parent, int filterId);
    ~CFilterPolaroid() override;

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private slots:
    void CPBorderColorChanged();
    void on_checkAspectRatio_clicked();

private:
    std::unique_ptr<Ui::FilterPolaroid> form;
    const int defaultHeight = 25; // percent of the photo
    const int defaultRotation = 0;
    const QRgb defaultColor = 0xFFFFFFFF; // opaque white
    const bool defaultKeepAspect = false;
};
