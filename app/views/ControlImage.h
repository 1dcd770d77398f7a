#pragma once

#include "ControlImageThread.h"
#include "FilterRecord.h"
#include "ImageManager.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QScrollArea>
#include <QSize>
#include <QString>

class CImageCache;
class CUserProfile;
class QLabel;

// The zoomable photo preview: one photo with the preview's filter chain applied, between
// fit-to-view and actual size, panned by dragging. Decoding, filtering and scaling run in the
// embedded render thread; this widget decides what to render, takes the result and shows the
// visible rectangle of it in the host's image label. No scroll bars of its own.
//
// Every operation belongs to the GUI thread.
class CControlImage : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr double MaxZoom = 100.0;
    static constexpr double ZoomStep = 1.5;

    explicit CControlImage(QWidget *parent = nullptr);
    ~CControlImage() override;

    void ClearFilters();
    void AddFilters(const QList<SFilterRecord> &records);
    // Starts a render of path with the chain; false when previews are off or the file is
    // missing (the placeholder is shown then).
    bool StartPreview(const QString &path);
    void Clear();
    void ShowPlaceholder();
    void ResizePlaceholder();
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    void ZoomActualSize();
    // After a layout change of the host: a fitted preview stays fitted.
    void RefreshZoom();
    bool UpdateView();
    // Draws the overlay of the interactive filter into the overlay label and puts the shown
    // picture into the image label; outside the interactive state the overlay label is hidden.
    void UpdateOverlay(bool keepLabelGeometry, bool skipDarkening);

    // Pointer regions over the overlay label.
    enum ERegion {
        RegionLeft = 1,
        RegionRight,
        RegionTop,
        RegionBottom,
        RegionTopLeft,
        RegionTopRight,
        RegionBottomLeft,
        RegionBottomRight,
        RegionInside,
        RegionRotate,
        RegionOutside
    };
    enum ECursorMode { CursorPress = 1, CursorHover = 2, CursorArrow = 3 };
    struct SAnchor
    {
        int anchor = 4;
        double offsetX = 0.0; // percent of the displayed photo's width, or photo pixels
        double offsetY = 0.0;
    };
    int HitTest(int x, int y) const;
    void SetRegionCursor(int region, int mode);
    // The anchor and offsets of a box at (x, y) of w x h on the displayed photo: offsets in
    // percent of the displayed photo, or in photo pixels (the watermarks keep their margins so).
    SAnchor ComputeAnchor(int x, int y, int w, int h, bool inPhotoPixels = false) const;
    double DisplayScale() const { return displayScale; }
    QPoint ImageOffset() const { return imageOffset; }
    QSize DisplaySize() const { return displaySize; }

    // Read by hosts and tests.
    double Zoom() const { return zoom; }
    double FitZoom() const { return fitZoom; }
    QPoint ViewOrigin() const { return viewOrigin; }
    QSize ViewSize() const { return viewSize; }
    bool IsLoading() const { return loading; }
    int ViewSizeRenderCount() const { return thread.ViewSizeRenderCount(); }
    const CImageManager &ImageResized() const { return imageResized; }
    const QPixmap &PlaceholderPixmap() const { return placeholderPixmap; }
    QList<SFilterRecord> Filters() const { return filters; }
    // The host cancels a render for good (a rejected dialog, a photo change).
    void CancelRender() { thread.Cancel(); }

    // Written by the host after construction.
    CControlImage *twinPreview = nullptr;
    bool followTwinFitZoom = false;
    bool previewEnabled = true;
    bool interactiveMode = false;
    // A chain of filters that draw alike at any size is rendered at the size shown while the
    // whole picture is in view; a zoom past it renders at full size.
    bool drawAtViewSize = false;
    const bool *panelSwitchFlag = nullptr; // the main window's: set while it switches steps
    QLabel *imageLabel = nullptr;
    QLabel *overlayLabel = nullptr;
    // Read by hosts.
    bool imageLoaded = false;
    bool placeholderFresh = true;
    QString previewPath;

signals:
    void UpdateZoomPercent(int percent);
    void UpdateFilterInterface(SFilterRecord record);
    // A press in an interactive preview, before it decides what the press grabs: the host
    // hands over edits it has not passed on yet, so the drag starts from them.
    void DragStarting();
    // A photo of a format that needs Ghostscript could not be read and Ghostscript is
    // missing: the host shows the notice.
    void SignalDisplayGSMessage(QString extension);

public slots:
    void Showup();
    void ShowFailure();
    void ThemeChanged(bool dark);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool SetZoom(double percent);
    double ComputeFitZoom();
    bool HasInteractiveFilter() const;
    bool HasGeometryFilter() const;
    bool HasResizeFilter() const;
    bool InteractiveLock() const;
    void FitImageLabel();
    void SyncTwinPosition();
    void LoadPlaceholder(bool dark);
    void ClampOrigin();
    bool InteractiveState() const;
    bool ResizeHasEdgeHandles(const SFilterRecord &record) const;
    bool DrawOverlay(const SFilterRecord &record, bool skipDarkening, QPixmap &pixmap, QRect &rect);
    void DrawHandles(QPixmap &pixmap, bool edges) const;
    void DrawCornerMarks(QPixmap &pixmap) const;
    void DragOverlay(const QPoint &current);
    void WriteBackPosition(SFilterRecord &record);
    QSize PhotoSize() const;

    CUserProfile *profile;
    CImageCache *imageCache;
    CImageManager imageFiltered;
    CImageManager imageResized;
    QList<SFilterRecord> filters;
    CControlImageThread thread;
    QString lastPath;
    QPoint viewOrigin;
    QPoint dragStart;
    QSize viewSize;
    QPixmap shownPixmap;
    QPixmap placeholderPixmap;
    QPixmap rotateCursorPixmap;
    CImageFilters overlayFilters; // draws the overlays
    QPoint imageOffset; // top-left of the fitted photo in the widget
    QSize displaySize; // of the fitted photo on screen
    double displayScale = 1.0; // on-screen pixels per photo pixel
    QSize textRectSize; // the watermark text's own rectangle
    int dragRegion = RegionInside;
    QPoint labelPressPos; // the overlay label's position at the press
    double zoom = 100.0;
    double zoomTarget = 0.0;
    double fitZoom = 0.0;
    bool loading = false;
};
