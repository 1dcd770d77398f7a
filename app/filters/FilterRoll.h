#pragma once

#include "FilterPage.h"

#include <memory>

namespace Ui {
class FilterRoll;
}

class QSpinBox;

// The page of the Roll filter: the photo shifted round by whole columns and rows, in pixels or
// in percents of its width and height.
class CFilterRoll : public CFilterPage
{
    Q_OBJECT

public:
    CFilterRoll(QWidget *parent, int filterId);
    ~CFilterRoll() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_spinColumns_valueChanged(int value);
    void on_spinRows_valueChanged(int value);
    void on_comboDimensions_activated(int index);

private:
    void InitControls();

    std::unique_ptr<Ui::FilterRoll> form;
    const ESizeUnit defaultUnit = ESizeUnit::Pixels;
    const int defaultColumns = 0;
    const int defaultRows = 0;
    ESizeUnit shownUnit = ESizeUnit::Pixels; // the unit the two boxes show
};
