#pragma once

#include "ThumbRecord.h"
#include "ViewOverlays.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QListWidget>
#include <QMutex>
#include <QStringList>
#include <QTimer>

class CImageCache;
class CListThumbLoader;

// The icon list of every picture list of the program: photos of Step 1 (type 0), the filter
// picker (1), the applied filters (2), the profile chooser (3) and the photo strip of Step 2
// (4). Each item has a record; `order` maps rows to records; `icons` holds the icons of the
// host's strip and the thumbnails the loader makes for the visible rows.
//
// records, order and icons are shared with the loader (and the details table) and touched
// only under `mutex`; icons are made only in the GUI thread. The list reads no photo itself:
// a host that wants thumbnails and photo details gives it a loader (SetLoader) before
// InitThread.
class CListThumb : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int TypePhotos = 0;
    static constexpr int TypeFilterPicker = 1;
    static constexpr int TypeFilters = 2;
    static constexpr int TypeProfiles = 3;
    static constexpr int TypePhotoStrip = 4;

    explicit CListThumb(QWidget *parent = nullptr);
    ~CListThumb() override;

    void Initialize(int type, bool darkTheme, bool noThread);
    // Takes the loader that InitThread starts (owned from now on).
    void SetLoader(CListThumbLoader *loader);
    void InitThread();
    void LoadIcons(const QString &stripName, bool dark, int kind);
    void AddItem(const QString &text, const QString &toolTip, const QString &path, bool done,
        int iconIndex, bool active);
    void AddOverlayImage(
        const QString &name, bool themed, int x, int y, bool always, int alignment);
    void AddOverlayText(
        const QString &text, int y, bool always, const QFont &font, const QColor &colour);
    void SetViewMode(int mode);
    void MoveItem(int from, int to);
    void RemoveAllItems();
    void RemoveSelectedItems(int row);
    void UpdateToolTips();
    void AssignThumbnails();
    void SetItemIcon(int row);
    void SetItemIcons(int first, int last);
    void GetVisibleRange(int &first, int &last);
    void ResetVisibleRange();
    static void TintImage(QImage &image, int percent);

    int ListType() const { return type; }

    // Shared with the loader and the details table.
    QList<SThumbRecord> *records;
    QList<int> *order; // row -> record index
    QList<QIcon> *icons;
    QMutex *mutex; // owned; lent to the loader and the host's details table
    int loadedIcons = 0; // the last entries of `icons`, made by the loader for their records
    CListThumbLoader *thread = nullptr; // null: no loader
    ListDragDrop moves; // of the last drop

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void RepaintView();
    void ThemeChanged(bool dark);

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropPanel1(ListDragDrop moves);
    void SignalDragDropPanel2(ListDragDrop moves);
    void SignalDragDropFiles(QStringList listFiles);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The caller holds the mutex. True when a waiting thumbnail became the item's icon.
    bool SetItemIconLocked(int row);
    // The placeholder when the index names no icon, or a loaded thumbnail of another item.
    QIcon IconAt(int index, bool ownsIcon) const;
    void ReloadThemedImages();

    CImageCache *imageCache;
    int type = TypePhotos;
    CViewOverlays overlays;
    QTimer iconTimer;
    int lastFirstVisible = -1;
    QTimer repaintTimer;
    bool darkTheme = false;
    bool noThread = false;
    bool threadStarted = false;
    QIcon placeholderIcon;
};
