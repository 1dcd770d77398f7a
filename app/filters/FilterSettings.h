#pragma once

#include "FilterRecord.h"
#include "FilterStatesList.h"
#include "ListImages.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class CControlImage;
class CFilterPage;
class CHardwareProfile;
class CImageCache;
class CUserProfile;

namespace Ui {
class FilterSettings;
}

// The modal dialog that tunes one step of the filter chain: the filter's settings page beside
// two linked previews of a sample photo (with this filter alone, and as it is), its own undo
// history of the page's settings, Reset and F1. The caller sets `record` and `samplePhoto`,
// runs exec and, when it is accepted, takes `record` back.
class CFilterSettings : public QDialog
{
    Q_OBJECT

public:
    explicit CFilterSettings(QWidget *parent = nullptr);
    ~CFilterSettings() override;

    void SetSwitchingFlag(bool *flag);
    // Builds the page and runs the dialog; 0 at once for a filter without a page.
    int exec() override;
    // Everything exec does before its modal loop; false for a filter without a page. For hosts
    // that show the dialog themselves (and tests).
    bool Prepare();

    void accept() override;
    void reject() override;

    SFilterRecord record; // the record being edited
    SImageRecord samplePhoto;

    CFilterPage *Page() const { return page; }
    CControlImage *FilteredPreview() const;
    CControlImage *OriginalPreview() const;
    const CFilterStatesList &History() const { return history; }

    static constexpr int HistoryCapacity = CFilterStatesList::Capacity;
    static constexpr int OverlayReloadMs = 100;

private slots:
    void on_buttonReset_clicked();
    void on_checkShowPreview_clicked(bool checked);
    void on_buttonZoomOut_clicked();
    void on_buttonZoomIn_clicked();
    void on_buttonMaxZoom_clicked();
    void on_buttonMinZoom_clicked();
    void on_stackedWidget_currentChanged(int index);
    void on_buttonSwitchView_clicked();
    void on_buttonUndo_clicked();
    void on_buttonRedo_clicked();
    void OnTimerUpdateControls();
    void UpdateZoomText(int percent);
    void SaveState(SFilterRecord settings);
    void UpdateFilterInterface(SFilterRecord settings);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void LoadButtonIcons();
    void StartPreviews();
    void ShowPlaceholders();

    std::unique_ptr<Ui::FilterSettings> form;
    CUserProfile *profile;
    CHardwareProfile *hardware;
    CImageCache *imageCache;
    CFilterStatesList history;
    CFilterPage *page = nullptr; // a child of the page area
    SFilterRecord latest; // the latest record from an edit in the filtered preview
    QTimer updateTimer;
};
