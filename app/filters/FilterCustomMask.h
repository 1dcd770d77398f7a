#pragma once

#include "FilterPage.h"

#include <QString>

#include <memory>

namespace Ui {
class FilterCustomMask;
}

class CFormatsEnum;
class QLineEdit;

// The page of the Watermark Mask filter: an image stretched over the whole photo, with either
// the same image turned or a second image for portrait photos, and a transparency. A new
// filter starts with the masks last chosen on any mask page.
class CFilterCustomMask : public CFilterPage
{
    Q_OBJECT

public:

    CFilterCustomMask(QWidget *parent, int filterId);
    ~CFilterCustomMask() override;

    void Initialize() override;
    void Load(const SFilterRecord &settings, bool startPreview) override;
    void Save(SFilterRecord &settings) override;

private slots:
    void on_buttonBrowse_clicked();
    void on_buttonBrowsePortrait_clicked();
    void on_radioRotateMask_clicked(bool checked);
    void on_radioDifferentMask_clicked(bool checked);
    void on_spinAlpha_valueChanged(int value);

private:
    void SetRotateMask(bool rotate);
    void EnablePortraitMask(bool enabled);
    void Browse(const QString &key, QLineEdit *field);
    void ControlChanged();

    std::unique_ptr<Ui::FilterCustomMask> form;
    CFormatsEnum *formats;

    const QString defaultMaskPath; // the last chosen masks, read once by the constructor
    const QString defaultPortraitMaskPath;
    const bool defaultRotateMask = true;
    const int defaultTransparency = 0;

    bool controlsReady = true; // false while Load(record, false) fills the controls
};
