#pragma once

#include "TwinRowsPage.h"

#include <QRgb>

#include <memory>

namespace Ui {
class FilterColorReplace;
}

// The page of the Color Replace filter: what is replaced (a chosen colour, transparency, white
// or black), what replaces it, and how far a colour may differ and still count as the same.
class CFilterColorReplace : public CTwinRowsPage
{
    Q_OBJECT

public:
    using ESource = ColorReplaceSlot::ESource;

    CFilterColorReplace(QWidget *parent, int filterId);
    ~CFilterColorReplace() override;

    void Save(SFilterRecord &settings) override;

private slots:
    void on_comboOriginalColor_currentIndexChanged(int index);
    void CPOriginalColorChanged();
    void on_comboNewColor_currentIndexChanged(int index);
    void CPNewColorChanged();

protected:
    void InitializeExtra() override;
    void LoadExtra(const SFilterRecord &settings) override;

private:
    void InitControls();

    std::unique_ptr<Ui::FilterColorReplace> form;
    const ESource defaultSource = ESource::Custom;
    const QRgb defaultColor = qRgb(187, 187, 255);
};
