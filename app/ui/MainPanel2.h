#pragma once

#include "FilterRecord.h"
#include "ListImages.h"
#include "StepPanel.h"
#include "ThumbRecord.h"

#include <QImage>
#include <QTimer>

#include <functional>
#include <memory>

class CFiltersEnum;
class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListFilters;
class CStatesList;
class CTextWidget;
class CUserProfile;
class QListWidget;
class QListWidgetItem;

namespace Ui {
class CMainPanel2;
}

// Step 2, the filter chain every photo goes through: a list with a check box per filter
// (add, edit, remove, duplicate, reorder, switch off), the filtered and original previews of
// the sample photo, the photo strip that picks the sample, and the output name preset with
// the name the sample would get. Every edit goes straight into the job and ends in one undo
// state and the window's changed mark.
class CMainPanel2 : public CStepPanel
{
    Q_OBJECT

public:
    explicit CMainPanel2(QWidget *parent = nullptr);
    ~CMainPanel2() override;

    // Runs once the window has handed over Step 1's photo list.
    void Init();
    void SetPanelSwitchFlag(bool *flag);
    void RefreshPanel();
    // For New: no filters, the default name preset.
    void ResetPanel();
    // Empties the list of applied filters before a document is loaded.
    void ClearFiltersList();
    void StopThreads();

    // The rename dialog opened by the "Custom Defined" preset: true on OK. Until a dialog is
    // registered the custom preset cannot be chosen.
    using RenameDialogRunner = std::function<bool(QWidget *parent, const SImageRecord &sample)>;
    static void SetRenameDialogRunner(RenameDialogRunner runner);

    QListWidget *Panel1PhotoList = nullptr; // Step 1's list, named in a trace line only
    bool refreshing = false; // set by the window around RefreshPanel after a load

    // Read by tests.
    QList<int> SelectedFilterRows() const;
    QString RenamePreview() const;

public slots:
    void CleanUp(bool cleanPreviewFilters = true);
    void on_listFilters_customContextMenuRequested();
    void on_listFilters_itemChanged(QListWidgetItem *item);
    void on_comboPreset_activated(int index);
    void on_buttonCustom_clicked();
    void EditFilter(int filterIndex = -1);
    void RemoveSelectedFilters();
    void RemoveAllFilters(bool showWarning = true);
    void DuplicateFilters();
    void MoveFilterUp();
    void MoveFilterDown();
    void ListThumbClicked();
    void on_buttonAddFilter_clicked();
    void on_buttonRemoveFilters_clicked();
    void on_buttonEditFilters_clicked();
    void on_listThumbnails_itemSelectionChanged();
    void on_listFilters_itemDoubleClicked(QListWidgetItem *item);
    void on_buttonMinZoomFilters_clicked();
    void on_buttonMaxZoomFilters_clicked();
    void on_buttonZoomInFilters_clicked();
    void on_buttonZoomOutFilters_clicked();
    void on_stackedWidget_currentChanged(int index);
    void on_checkShowPreview_clicked(bool checked);
    void on_buttonSwitchView_clicked();
    void ShowAddFilterTip();
    void ShowStep3Tip();
    void MakeAddFilterTipInvisible();
    void MakeStep3TipInvisible();
    void StartCurrentPreview();
    void StartCurrentPreviewIfOriginal();
    void StartAllPreviews();
    void OnTimerResizePreview();
    void SlotReloadThumbsInPanel2(int newlySelectedItem);
    void UpdateZoomText(int percent);
    void ListThumbDragDropPanel2(ListDragDrop moves);
    void ThemeChanged(bool dark) override;

signals:
    void SignalListFiltersChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool RunFilterSettings(SFilterRecord &record);
    void RefreshFiltersList();
    void FitChainColumn();
    void AddFilterItem(const SFilterRecord &record);
    void ReloadThumbnails(int newlySelectedItem);
    void StartFiltersPreview();
    void StartOriginalPreview();
    void StartShownPreview();
    void UpdateRenamePreview();
    void ResetRenameOptions();
    void LoadButtonIcons();
    // The end of every chain edit: previews soon, the changed mark, one undo state (`mark`),
    // and the chain's signal when `chainChanged`.
    void EndEdit(bool chainChanged);
    // Marks the page changed without an undo state of its own.
    void MarkChangedQuietly();
    void SetPreset(int preset);
    // The record of the sample photo (the current photo); empty when there is none.
    SImageRecord SamplePhoto() const;
    void WarnNoSelection();

    std::unique_ptr<Ui::CMainPanel2> form;
    CUserProfile *profile;
    CListImages *photoList;
    CListFilters *filters;
    CFormatsEnum *formats;
    CFiltersEnum *catalogue;
    CStatesList *states;
    CHardwareProfile *hardware;
    CImageCache *imageCache;
    bool *panelSwitchFlag = nullptr;
    CTextWidget *addFilterTip = nullptr;
    CTextWidget *step3Tip = nullptr;
    QImage filterIcons; // "Icons-Filters-32.png"
    int filterIconColumns = 0;
    int filterIconRows = 0;
    QTimer currentPreviewTimer;
    QTimer allPreviewsTimer;
    QTimer cleanUpTimer;
    QTimer resizeTimer;
    QTimer hideAddFilterTipTimer;
    QTimer hideStep3TipTimer;
    QTimer showAddFilterTipTimer;
    QTimer showStep3TipTimer;
    bool addFilterTipShown = false;
    bool step3TipShown = false;
    bool forcePreview = false;
    bool cleanFiltered = true;
};
