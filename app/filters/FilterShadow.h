#pragma once

#include "TwinRowsPage.h"

#include <QRgb>

#include <memory>

namespace Ui {
class FilterShadow;
}

// The page of the Shadow border: a soft shadow of one colour behind the photo, how transparent
// and how blurred it is, and whether it is drawn over white.
class CFilterShadow : public CTwinRowsPage
{
    Q_OBJECT

public:
    CFilterShadow(QWidget *parent, int filterId);
    ~CFilterShadow() override;

    void Save(SFilterRecord &settings) override;

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private slots:
    void CPColorChanged();
    void on_checkWhiteBackground_clicked();

private:
    std::unique_ptr<Ui::FilterShadow> form;
    const int defaultTransparency = 50;
    const int defaultSize = 50;
    const QRgb defaultColor = 0xFF000000; // opaque black
    const bool defaultWhiteBackground = false;
};
