#include "ControlImage.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

#include "FilterIds.h"
#include "ImageCache.h"
#include "ImageConversion.h"
#include "PreviewFilters.h"
#include "ThemeNotifier.h"
#include "Trace.h"
#include "UserProfile.h"

#include <algorithm>
#include <cmath>

namespace {

using FilterId::IsInteractive;
using PreviewFilters::IsGeometry;
using PreviewFilters::IsTextOrLogo;

// Half away from zero, for pan steps in either direction.
int RoundedAway(double value)
{
    return int(std::lround(value));
}

} // namespace

CControlImage::CControlImage(QWidget *parent)
    : QScrollArea(parent)
    , profile(CUserProfile::instance())
    , imageCache(CImageCache::instance())
{
    RegisterFilterRecordType();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    imageFiltered.previewMode = true;
    imageResized.previewMode = true;

    LoadPlaceholder(profile->IsDarkTheme());
    rotateCursorPixmap = QPixmap::fromImage(
        imageCache->GetImage(QStringLiteral("Cursor-Rotate.png"), false, true));
    shownPixmap = placeholderPixmap;

    connect(
        &thread, &CControlImageThread::Show, this, &CControlImage::Showup, Qt::QueuedConnection);
    connect(&thread, &CControlImageThread::RenderFailed, this, &CControlImage::ShowFailure,
        Qt::QueuedConnection);
    // The host shows the notice; the view stays below the dialogs.
    connect(&thread, &CControlImageThread::SignalDisplayGSMessage, this,
        &CControlImage::SignalDisplayGSMessage, Qt::QueuedConnection);
    // The render thread reads nothing of the job: its status text reaches the job here.
    connect(&thread, &CControlImageThread::StatusChanged, this,
        [this](const QString &text) { profile->SetStatusText(text); }, Qt::QueuedConnection);
    connect(CThemeNotifier::instance(), &CThemeNotifier::ThemeChanged, this,
        &CControlImage::ThemeChanged, Qt::UniqueConnection);
    thread.start(QThread::InheritPriority);
}

CControlImage::~CControlImage()
{
    // The thread reads nothing of this widget, but its queued results must not outlive it.
    thread.Stop();
    thread.wait();
}

void CControlImage::LoadPlaceholder(bool dark)
{
    placeholderPixmap = imageCache->GetPixmap(QStringLiteral("Preview-Placeholder.png"), false);
    if (dark && !placeholderPixmap.isNull()) {
        const qreal ratio = placeholderPixmap.devicePixelRatio();
        placeholderPixmap = PixmapWithOpacity(placeholderPixmap, 20);
        placeholderPixmap.setDevicePixelRatio(ratio);
    }
}

void CControlImage::ClearFilters()
{
    filters.clear();
}

void CControlImage::AddFilters(const QList<SFilterRecord> &records)
{
    filters.append(records);
}

bool CControlImage::HasInteractiveFilter() const
{
    return std::any_of(filters.cbegin(), filters.cend(),
        [](const SFilterRecord &record) { return IsInteractive(record.id); });
}

bool CControlImage::HasGeometryFilter() const
{
    return std::any_of(filters.cbegin(), filters.cend(),
        [](const SFilterRecord &record) { return IsGeometry(record.id); });
}

bool CControlImage::HasResizeFilter() const
{
    return std::any_of(filters.cbegin(), filters.cend(),
        [](const SFilterRecord &record) { return record.id == FilterId::Resize; });
}

bool CControlImage::InteractiveLock() const
{
    return interactiveMode && filters.size() == 1 && IsInteractive(filters.first().id);
}

bool CControlImage::StartPreview(const QString &path)
{
    const QString tag = QStringLiteral("CControlImage::StartPreview");
    if (!previewEnabled || path.isEmpty())
        return false;
    if (!QFileInfo(path).isFile()) {
        // The old photo must not stand for one that is gone.
        LogMessage(tag, QStringLiteral("- File not found: ") + path);
        Clear();
        return false;
    }

    loading = true;
    previewPath = path;
    if (!imageFiltered.Ping(path))
        imageFiltered.properties = SImageProperties(); // the thread fits the decoded photo
    fitZoom = ComputeFitZoom();

    double target;
    if (path == lastPath && (!HasGeometryFilter() || HasResizeFilter())) {
        target = zoom;
    } else {
        viewOrigin = QPoint(0, 0);
        target = fitZoom;
    }
    zoomTarget = target;

    if (twinPreview && !HasGeometryFilter() && !HasInteractiveFilter()) {
        if (twinPreview->imageLoaded && twinPreview->previewPath == previewPath
            && zoomTarget != fitZoom) {
            viewOrigin = twinPreview->viewOrigin;
            zoomTarget = twinPreview->zoom;
            if (twinPreview->followTwinFitZoom)
                fitZoom = twinPreview->fitZoom;
        }
    }
    zoom = zoomTarget;

    CControlImageThread::SRequest request;
    // Under the interactive lock the photo is shown unfiltered and the filter drawn over it.
    if (!InteractiveLock())
        request.filters = filters;
    request.path = path;
    request.viewSize = viewSize;
    request.viewOrigin = viewOrigin;
    request.shownSize = imageResized.image.isValid()
        ? QSize(int(imageResized.image.columns()), int(imageResized.image.rows()))
        : QSize();
    request.zoomTarget = zoomTarget;
    request.fitZoom = fitZoom;
    request.interactiveMode = interactiveMode;
    request.drawAtViewSize = drawAtViewSize;
    request.photoIndex = profile->CurrentPhotoIndex;
    request.imageOptions = SImageOptions::FromProfile(*profile);
    thread.RequestPreview(request);
    lastPath = path;
    return true;
}

void CControlImage::Clear()
{
    imageFiltered.ClearImage();
    imageResized.ClearImage();
    thread.ResetImages();
    shownPixmap = placeholderPixmap;
    previewPath.clear();
    imageLoaded = false;
    loading = false;
    ShowPlaceholder();
}

void CControlImage::ShowPlaceholder()
{
    setCursor(Qt::ArrowCursor);
    shownPixmap = placeholderPixmap;
    UpdateOverlay(false, true);
    if (overlayLabel)
        overlayLabel->hide();
}

void CControlImage::FitImageLabel()
{
    // As a fixed size, so that a label laid out in the host's form keeps it too.
    if (imageLabel)
        imageLabel->setFixedSize(size());
}

void CControlImage::ResizePlaceholder()
{
    FitImageLabel();
    shownPixmap = placeholderPixmap;
    if (imageLabel)
        imageLabel->setPixmap(shownPixmap);
}

void CControlImage::ClampOrigin()
{
    const int width = int(imageResized.image.columns());
    const int height = int(imageResized.image.rows());
    viewOrigin.setX(std::clamp(viewOrigin.x(), 0, std::max(0, width - viewSize.width())));
    viewOrigin.setY(std::clamp(viewOrigin.y(), 0, std::max(0, height - viewSize.height())));
}

bool CControlImage::UpdateView()
{
    if (!previewEnabled)
        return false;
    if (!imageResized.image.isValid()) {
        LogMessage(QStringLiteral("CControlImage::UpdateView"),
            QStringLiteral("- imageResized is invalid!"));
        return false;
    }
    ClampOrigin();
    const int width = int(imageResized.image.columns());
    const int height = int(imageResized.image.rows());
    const QRect visible(
        viewOrigin, QSize(std::min(viewSize.width(), width), std::min(viewSize.height(), height)));
    shownPixmap = imageResized.GetPixmap(visible);
    UpdateOverlay(false, false);
    return true;
}

void CControlImage::ZoomIn()
{
    if (InteractiveLock() || zoom >= MaxZoom)
        return;
    SetZoom(std::min(MaxZoom, zoom * ZoomStep));
}

void CControlImage::ZoomOut()
{
    if (InteractiveLock())
        return;
    fitZoom = ComputeFitZoom();
    if (fitZoom >= zoom)
        return;
    SetZoom(std::max(fitZoom, zoom / ZoomStep));
}

void CControlImage::ZoomToFit()
{
    if (InteractiveLock())
        return;
    fitZoom = ComputeFitZoom();
    SetZoom(0);
}

void CControlImage::ZoomActualSize()
{
    if (InteractiveLock())
        return;
    SetZoom(100);
}

bool CControlImage::SetZoom(double percent)
{
    if (!imageLoaded || loading || (twinPreview && twinPreview->loading))
        return false;
    zoomTarget = percent;
    if (zoomTarget == zoom)
        return true;
    if (RoundHalfUp(percent) == 0)
        zoomTarget = fitZoom;
    zoom = zoomTarget;
    setCursor(
        RoundHalfUp(zoom) > RoundHalfUp(fitZoom) && previewEnabled ? Qt::OpenHandCursor : Qt::ArrowCursor);
    thread.RequestZoom(zoomTarget, fitZoom, viewOrigin, viewSize,
        QSize(int(imageResized.image.columns()), int(imageResized.image.rows())));
    return true;
}

void CControlImage::RefreshZoom()
{
    if (!imageLoaded || !previewEnabled)
        return;
    const double oldFit = fitZoom;
    fitZoom = ComputeFitZoom();
    if (RoundHalfUp(zoom) > RoundHalfUp(oldFit))
        UpdateView();
    else
        SetZoom(0);
}

double CControlImage::ComputeFitZoom()
{
    // The view's size is what the thread fits a photo into, also one the ping could not size.
    const double ratio = devicePixelRatioF();
    viewSize = QSize(RoundHalfUp(width() * ratio), RoundHalfUp(height() * ratio));
    const SImageProperties properties = imageFiltered.GetImageProperties();
    if (properties.Width == 0 || properties.Height == 0)
        return 0.0;

    double photoWidth = double(properties.Width);
    double photoHeight = double(properties.Height);
    if (HasGeometryFilter() && !HasResizeFilter() && imageFiltered.image.isValid()) {
        photoWidth = double(imageFiltered.image.columns());
        photoHeight = double(imageFiltered.image.rows());
    }
    const double fit = viewSize.width() * 100.0 / photoWidth;
    if (std::trunc(photoHeight * fit / 100.0) <= viewSize.height())
        return fit;
    return viewSize.height() * 100.0 / photoHeight;
}

void CControlImage::Showup()
{
    LogMessage(QStringLiteral("CControlImage::Showup"));
    CControlImageThread::SResult result;
    // A result overtaken by a newer request is dropped; the newer one follows.
    if (!thread.TakeResult(result))
        return;
    if (!result.imageResized.image.isValid() || !result.imageFiltered.image.isValid())
        return;
    imageFiltered = result.imageFiltered;
    imageResized = result.imageResized;
    zoomTarget = result.zoom;
    zoom = zoomTarget;
    viewOrigin = result.viewOrigin;
    // The thread fits a photo whose size a filter changed, or that the ping could not size.
    fitZoom = ComputeFitZoom();
    UpdateView();
    setCursor(
        RoundHalfUp(zoom) > RoundHalfUp(fitZoom) && previewEnabled ? Qt::OpenHandCursor : Qt::ArrowCursor);
    emit UpdateZoomPercent(RoundHalfUp(zoom));
    loading = false;
    imageLoaded = true;
}

void CControlImage::ShowFailure()
{
    if (!thread.IsFailureCurrent())
        return;
    LogMessage(QStringLiteral("CControlImage::ShowFailure"),
        QStringLiteral("- The preview could not be rendered: ") + previewPath);
    imageFiltered.ClearImage();
    imageResized.ClearImage();
    imageLoaded = false;
    loading = false;
    ShowPlaceholder();
}

void CControlImage::ThemeChanged(bool dark)
{
    LoadPlaceholder(dark);
    if (!imageResized.image.isValid()) {
        shownPixmap = placeholderPixmap;
        UpdateOverlay(false, true);
    }
}

void CControlImage::SyncTwinPosition()
{
    if (!twinPreview || !twinPreview->imageResized.image.isValid() || !imageResized.image.isValid())
        return;
    const QSize mine(int(imageResized.image.columns()), int(imageResized.image.rows()));
    const QSize theirs(int(twinPreview->imageResized.image.columns()),
        int(twinPreview->imageResized.image.rows()));
    if (mine == theirs) {
        twinPreview->viewOrigin = viewOrigin;
    } else {
        twinPreview->viewOrigin
            = QPoint(RoundHalfUp(viewOrigin.x() / (double(mine.width()) / theirs.width())),
                RoundHalfUp(viewOrigin.y() / (double(mine.height()) / theirs.height())));
    }
    twinPreview->UpdateView();
}

void CControlImage::mousePressEvent(QMouseEvent *event)
{
    if (imageLoaded && RoundHalfUp(zoom) > RoundHalfUp(fitZoom) && previewEnabled)
        setCursor(Qt::ClosedHandCursor);
    dragStart = event->position().toPoint();
    if (interactiveMode) {
        emit DragStarting();
        if (overlayLabel)
            labelPressPos = overlayLabel->pos();
        dragRegion = HitTest(dragStart.x(), dragStart.y());
        if (filters.size() == 1 && IsInteractive(filters.first().id) && previewEnabled) {
            const qint32 id = filters.first().id;
            SetRegionCursor(dragRegion, id == FilterId::Resize ? CursorArrow : CursorPress);
            // The corner marks fade when the press is outside the overlay.
            if (IsTextOrLogo(id))
                UpdateOverlay(true, false);
        }
    }
    QScrollArea::mousePressEvent(event);
}

void CControlImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint current = event->position().toPoint();
    const bool interactiveRecord = interactiveMode && HasInteractiveFilter();
    if (imageLoaded && RoundHalfUp(zoom) > RoundHalfUp(fitZoom) && event->buttons() == Qt::LeftButton
        && !interactiveRecord && previewEnabled) {
        const double ratio = devicePixelRatioF();
        const QPoint step(RoundedAway((current.x() - dragStart.x()) * ratio),
            RoundedAway((current.y() - dragStart.y()) * ratio));
        viewOrigin -= step;
        ClampOrigin();
        UpdateView();
        dragStart = current;
        return;
    }
    if (!overlayLabel) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    const bool editable = interactiveMode && filters.size() == 1
        && IsInteractive(filters.first().id) && previewEnabled && imageLoaded;
    if (editable && event->buttons() == Qt::NoButton) {
        SetRegionCursor(HitTest(current.x(), current.y()),
            filters.first().id == FilterId::Resize ? CursorArrow : CursorHover);
    }
    if (!overlayLabel->geometry().contains(current) && dragRegion != RegionRotate)
        return;
    if (editable && (event->buttons() & Qt::LeftButton) && !overlayLabel->isHidden())
        DragOverlay(current);
    QScrollArea::mouseMoveEvent(event);
}

void CControlImage::mouseReleaseEvent(QMouseEvent *event)
{
    SyncTwinPosition();
    if (cursor().shape() == Qt::ClosedHandCursor)
        setCursor(Qt::OpenHandCursor);
    QScrollArea::mouseReleaseEvent(event);
}

void CControlImage::wheelEvent(QWheelEvent *event)
{
    // The wheel never zooms; it belongs to the host.
    event->ignore();
}

void CControlImage::resizeEvent(QResizeEvent *event)
{
    FitImageLabel();
    if (imageLoaded) {
        setCursor(Qt::ArrowCursor);
        shownPixmap = placeholderPixmap;
        UpdateOverlay(false, true);
        if (panelSwitchFlag) {
            FitImageLabel();
            if (*panelSwitchFlag) {
                UpdateView();
            } else if (previewEnabled) {
                const double oldFit = fitZoom;
                fitZoom = ComputeFitZoom();
                if (RoundHalfUp(zoom) <= RoundHalfUp(oldFit))
                    SetZoom(0);
                else
                    UpdateView();
            }
        }
    }
    QScrollArea::resizeEvent(event);
}
