#pragma once

#include "ThumbRecord.h"
#include "ViewOverlays.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>

class CImageCache;
class CListThumbLoader;

// The details table of the Step 1 photo list: one row per photo, 14 columns of file and photo
// details, the thumbnail as the icon of the first cell. It holds no photo data of its own: the
// records, row order, icons, loader and mutex belong to the icon list, whose host hands them
// over. The table changes only the shared row order; drops and sorts are reported by signal
// and the host changes the photo list and rebuilds both views.
//
// With thousands of photos, cells are made only for the rows in view (and a screenful around
// them); the other rows have no items until they are scrolled into view. Selection therefore
// goes through the selection model, by row.
class CListThumbDetails : public QTableWidget
{
    Q_OBJECT

public:
    enum Column {
        ColumnName,
        ColumnType,
        ColumnDateTaken,
        ColumnDimensions,
        ColumnSize,
        ColumnLocation,
        ColumnCamera,
        ColumnFStop,
        ColumnExposure,
        ColumnIso,
        ColumnDpi,
        ColumnColor,
        ColumnCoordinates,
        ColumnAltitude,
        ColumnCount
    };

    // A column's sort key: text compares by code units, numbers by value.
    struct SSortKey
    {
        enum class Kind { Text, Integer, Real };
        Kind kind = Kind::Integer;
        QString text;
        qint64 integer = 0;
        double real = 0.0;
    };

    explicit CListThumbDetails(QWidget *parent = nullptr);
    ~CListThumbDetails() override;

    // The record field a column shows.
    static QString SThumbRecord::*ColumnField(int column);
    static SSortKey SortKey(const SThumbRecord &record, int column);
    // The loader fills these columns from the photo itself; the others come from the path.
    static bool ColumnNeedsDetails(int column);

    void InitThread();
    void AddOverlayImage(
        const QString &imageName, bool themed, int x, int y, bool always, int alignment);
    void AddOverlayText(
        const QString &text, int y, bool always, const QFont &font, const QColor &colour);
    // One row per record; the rows in view are filled now, the others when they come into view.
    void RefreshAllRows();
    void SetDetailsMode();
    void UpdateToolTips();
    void ResetVisibleRange();
    void SetRowData(int row);
    void MoveItem(int from, int to);
    // The selected rows, ascending.
    QList<int> SelectedRows() const;
    // The first and last row in the viewport; -1, -1 on an empty table.
    void GetVisibleRange(int &first, int &last) const;

    // Shared with the icon list and the loader, not owned; touched only under `mutex`.
    QList<SThumbRecord> *records = nullptr;
    QList<int> *order = nullptr; // row -> record index
    QList<QIcon> *icons = nullptr;
    QMutex *mutex = nullptr;
    CListThumbLoader *thread = nullptr; // neither started nor owned here
    bool dark = true;
    ListDragDrop moves; // of the drop under way

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void SortByColumn(int column);
    void HorizontalHeaderRightClick(const QPoint &position);
    void HorizontalHeaderClicked(int index);
    void RepaintView();
    void ThemeChanged(bool dark);

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropFiles(QStringList listFiles);
    void SignalDragDropPanel1(ListDragDrop listDragDrop);
    void SignalSort(QList<int> order);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Which rows of a range get their cells (re)filled from the records.
    enum class Fill { Missing, Existing, All };
    // The rows in view and a screenful on either side.
    void FillRowsAround(Fill which);
    void FillRows(int first, int last, Fill which);
    // Waits, with the window answering, until the loader has read every photo's details.
    // False when the table went away meanwhile.
    bool WaitForDetails();
    bool DetailsMissing() const;
    void SortRows(int column);
    void SelectOnly(int row);
    void RestoreHeader();

    CImageCache *imageCache;
    QTimer iconTimer;
    int lastFirstVisible = -1;
    CViewOverlays overlays;
    QIcon placeholderIcon;
    bool waitingForDetails = false;
    int pendingSortColumn = -1; // a header click that came while waiting
};
