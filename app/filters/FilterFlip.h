#pragma once

#include "FilterPage.h"

#include <memory>

namespace Ui {
class FilterFlip;
}

// The page of the Flip filter: turn the photo upside down, mirror it left to right, or both.
class CFilterFlip : public CFilterPage
{
    Q_OBJECT

public:
    CFilterFlip(QWidget *parent, int filterId);
    ~CFilterFlip() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_checkFlipVertically_clicked();
    void on_checkFlipHorizontally_clicked();

private:
    std::unique_ptr<Ui::FilterFlip> form;
    const double defaultVertical = 0.0;
    const double defaultHorizontal = 0.0;
};
