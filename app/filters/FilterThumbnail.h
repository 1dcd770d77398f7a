#pragma once

#include "FilterPage.h"

#include <memory>

namespace Ui {
class FilterThumbnail;
}

// The page of the Thumbnail filter: a box in pixels that the photo is scaled into, keeping its
// proportions or stretched to fill it.
class CFilterThumbnail : public CFilterPage
{
    Q_OBJECT

public:
    using EMethod = ThumbnailSlot::EMethod;

    CFilterThumbnail(QWidget *parent, int filterId);
    ~CFilterThumbnail() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_spinWidth_valueChanged(int value);
    void on_spinHeight_valueChanged(int value);
    void on_comboMethod_activated(int index);

private:
    void InitControls();

    std::unique_ptr<Ui::FilterThumbnail> form;
    const int defaultWidth = 120;
    const int defaultHeight = 120;
    const EMethod defaultMethod = EMethod::ResizeToFit;
    int shownMethod = 0; // the method the list shows, as the page last took it
};
