#pragma once

#include "ListImages.h"
#include "StepPanel.h"
#include "ThumbRecord.h"

#include <QHash>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class CFormatsEnum;
class CImageCache;
class CListImages;
class CStatesList;
class CTextWidget;
class CUserProfile;
class QListWidget;
class QMenu;
class QTableWidgetItem;

namespace Ui {
class CMainPanel1;
}

// Step 1, the photos of the job: an icon list and a details table over the same photos,
// every way of adding photos (file dialog, folder, folder tree, search, paste, drop),
// removing and reordering them, and a small preview of the current photo. The panel never
// owns photos: it changes CListImages and rebuilds both views from it; every edit ends in
// SignalPanelChanged (an undo state and the window's changed mark).
//
// Large adds stay responsive: the files are added in slices between which the window
// repaints (user input waits until the add is done), and the views read no photo: the
// thumbnail loader reads thumbnails and details off the GUI thread.
class CMainPanel1 : public CStepPanel
{
    Q_OBJECT

public:
    // View modes, as "GUI/Step1.ViewType" stores them.
    static constexpr int ViewModeDetails = 0;
    static constexpr int ViewModeSmall = 1;
    static constexpr int ViewModeMedium = 2;
    static constexpr int ViewModeLarge = 3;

    explicit CMainPanel1(QWidget *parent = nullptr);
    ~CMainPanel1() override;

    // The main window's side.
    void ClearLists();
    void AddPhotoItem(SImageRecord record);
    void RefreshPanel();
    void ResetPanel();
    void ClearPreview();
    void SetPanelSwitchFlag(bool *flag);
    // Stops the panel's worker threads before the process ends without an event loop.
    void StopThreads();
    // The icon list (Step 2 names it in a trace line; tests drive it).
    QListWidget *PhotoList() const;

    // The folder chooser and the file dialog of the add roads; tests answer them.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &caption,
        const QString &start)>;
    using FilesChooser = std::function<QStringList(QWidget *parent, const QString &caption,
        const QString &start, const QString &filter)>;
    static void SetFolderChooser(FolderChooser chooser);
    static void SetFilesChooser(FilesChooser chooser);

    // Read by tests and the window: the rows of the visible view that are selected.
    QList<int> SelectedRows() const;
    int CurrentRow() const;
    int ViewMode() const { return viewMode; }

public slots:
    void on_listImages_itemClicked();
    void on_listImagesDetails_itemClicked(QTableWidgetItem *item);
    void on_listImages_itemSelectionChanged();
    void on_listImagesDetails_itemSelectionChanged();
    void on_listImages_customContextMenuRequested();
    void on_listImagesDetails_customContextMenuRequested(QPoint position);
    void on_buttonAddPhotos_clicked();
    void on_buttonAdd_clicked();
    void on_buttonRemove_clicked();
    void on_buttonView_clicked();
    void on_buttonZoomInImage_clicked();
    void on_buttonZoomOutImage_clicked();
    void on_buttonMaxZoomImage_clicked();
    void on_buttonMinZoomImage_clicked();
    void on_checkShowPreview_clicked(bool checked);
    void AddPhotos();
    void AddFolder(bool searchSubfolders = false);
    void AddFolderWithSubfolders();
    void SearchAndAdd();
    void ListThumbClicked();
    void PasteClipboardFiles();
    void RemoveSelectedPhotos();
    void RemoveAllPhotos(bool showWarning = true);
    void ViewDetails();
    void ViewSmallIcons();
    void ViewMediumIcons();
    void ViewLargeIcons();
    void ListThumbDragDropPanel1(ListDragDrop listDragDrop);
    void ListThumbDragDropFiles(QStringList listFiles);
    void ListThumbDetailsSort(QList<int> listIdx);
    void ChangeViewMode(int value);
    void ShowAddPhotoTip();
    void ShowStep2Tip();
    void MakeAddPhotoTipInvisible();
    void MakeStep2TipInvisible();
    void StartPreview(bool keepSelectedImage = false);
    void UpdateZoomText(int percent);
    void ThemeChanged(bool dark) override;

signals:
    void SignalListImagesChanged();
    void SignalReloadThumbsInPanel2(int newlySelectedItem);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // How an add ends (A: a dialog, folder or search; B: a paste; C: a drop).
    enum class EAddEnd { Dialog, Paste, Drop };

    void Init();
    void LoadButtonIcons();
    bool AddFile(const QString &path);
    // Every file of the folder (by name, ignoring case); with `recursive` then each subfolder
    // the same way, depth first. A folder reached again through a link is not walked twice.
    void AddFolderFiles(const QString &folder, bool recursive);
    void AddPaths(const QStringList &paths);
    // The files of the folder that match the one wildcard pattern `mask` ("*.*" takes every
    // file), plain files only, no links; then, with `recursive`, each subfolder.
    void AddSearchResults(const QString &folder, const QString &mask, bool recursive);
    // Adds the collected paths in slices, letting the window repaint between them.
    void AddCollected(const QStringList &paths);
    void EndAdd(EAddEnd end);
    void RefreshPhotoList(bool keepSelection, int newlySelectedItem);
    void SelectRows(const QList<int> &rows, int current, bool inIcons, bool inTable);
    void SetCurrentPhoto(int row);
    void ClearCurrentPhoto();
    bool DetailsVisible() const;
    void ShowMenu(QMenu &menu, QWidget *button);
    QMenu *BuildContextMenu();
    void ShowRejected();

    std::unique_ptr<Ui::CMainPanel1> form;
    CListImages *photoList;
    CUserProfile *profile;
    CFormatsEnum *formats;
    CStatesList *states;
    CImageCache *imageCache;
    CTextWidget *addPhotoTip = nullptr;
    CTextWidget *step2Tip = nullptr;
    QStringList rejectedFiles;
    QHash<QString, int> formatIcons; // upper-case extension -> the format's icon number
    QTimer previewTimer;
    QTimer hideAddPhotoTipTimer;
    QTimer hideStep2TipTimer;
    QTimer showAddPhotoTipTimer;
    QTimer showStep2TipTimer;
    bool addPhotoTipShown = false;
    bool step2TipShown = false;
    int viewMode = ViewModeMedium;
    bool adding = false; // a large add is under way: input waits
};
