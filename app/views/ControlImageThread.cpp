#include "ControlImageThread.h"
#include "PreviewFilters.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>

#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageEngineSetup.h"
#include "Trace.h"

#include <cmath>
#include <exception>

namespace {

const QString RunTag = QStringLiteral("CControlImageThread::run");
const QString PreviewTag = QStringLiteral("CControlImageThread::ThreadOpStartPreview");
const QString ZoomTag = QStringLiteral("CControlImageThread::ThreadOpZoom");

constexpr unsigned long PollMilliseconds = 50;

// What the kept results of one photo may hold, in bytes of pixels; steps beyond it are
// rendered again each time.
constexpr qint64 MemoBudget = qint64(640) << 20;

qint64 PixelBytes(const Magick::Image &image)
{
    return qint64(image.columns()) * qint64(image.rows()) * 4 * qint64(sizeof(Magick::Quantum));
}

// Whether two preview requests ask for the same picture at the same place: same photo, options,
// active steps and view (`active` is the first's active steps; the second holds only its own).
bool SameRender(const CControlImageThread::SRequest &first, const QList<SFilterRecord> &active,
    const CControlImageThread::SRequest &second)
{
    return first.path == second.path && first.photoIndex == second.photoIndex
        && first.imageOptions == second.imageOptions && active == second.filters
        && first.viewSize == second.viewSize && first.viewOrigin == second.viewOrigin
        && first.shownSize == second.shownSize && first.zoomTarget == second.zoomTarget
        && first.fitZoom == second.fitZoom && first.interactiveMode == second.interactiveMode;
}

// The largest zoom, in percent, rendered at the size shown; above it the full-size render
// costs little more.
constexpr double MaxViewSizePercent = 50.0;

// The darkened photo that crop and resize show their result on.
Magick::Image Darkened(Magick::Image out)
{
    out.gamma(0.4);
    // Black at 166 of 255 over the photo; IM6 colours carry opacity, not alpha.
    Magick::Image overlay(Magick::Geometry(out.columns(), out.rows()),
        Magick::Color(0, 0, 0, MagickCore::Quantum((255 - 166) * 257)));
    overlay.matte(true);
    out.composite(overlay, 0, 0, Magick::OverCompositeOp);
    return out;
}

// An image of its own: filters that work on ImageMagick's structures directly must never
// reach a copy kept elsewhere. The pixels are still shared until one side writes them.
Magick::Image Detached(const Magick::Image &image)
{
    Magick::Image copy(image);
    copy.modifyImage();
    return copy;
}

// A Watermark Mask without a mask for the photo's orientation: the batch fails the step and
// logs it, a preview shows the photo unchanged instead of nothing.
bool NoMaskChosen(const SFilterRecord &record, const Magick::Image &photo)
{
    if (record.id != FilterId::WatermarkMask)
        return false;
    const bool portrait = photo.rows() > photo.columns();
    const bool rotate = record.numbers[WatermarkMaskSlot::RotateForPortrait] != 0.0;
    const int slot
        = rotate || !portrait ? WatermarkMaskSlot::MaskPath : WatermarkMaskSlot::PortraitMaskPath;
    return record.texts[slot].trimmed().isEmpty();
}

// A frame drawn at random gives another picture every time: nothing after it is kept.
bool RendersAlike(const SFilterRecord &record)
{
    int slot = -1;
    switch (record.id) {
    case FilterId::ShapeFrame:
        slot = ShapeFrameSlot::RandomFrame;
        break;
    case FilterId::GrungeFrame:
        slot = GrungeFrameSlot::RandomFrame;
        break;
    case FilterId::PictureFrame:
        slot = PictureFrameSlot::RandomFrame;
        break;
    case FilterId::VintageFrame:
        slot = VintageFrameSlot::RandomFrame;
        break;
    default:
        return true;
    }
    return record.numbers[slot] == 0.0;
}

// The engine knows one progress receiver per process. Previews come and go (dialogs), so
// the engine is given this relay, which never dies, and the relay forwards to the preview
// thread registered last for as long as that thread exists.
class CProgressRelay : public CImageProgressReceiver
{
public:
    static CProgressRelay &instance()
    {
        static CProgressRelay *const relay = new CProgressRelay();
        return *relay;
    }
    void Register(CImageProgressReceiver *receiver)
    {
        QMutexLocker locker(&m_lock);
        m_current = receiver;
        CImageManager::SetPreviewThread(this);
    }
    void Unregister(CImageProgressReceiver *receiver)
    {
        QMutexLocker locker(&m_lock);
        if (m_current == receiver)
            m_current = nullptr;
    }
    void OnImageProgress(SProgressState &state) override
    {
        QMutexLocker locker(&m_lock);
        if (m_current)
            m_current->OnImageProgress(state);
    }

private:
    QMutex m_lock;
    CImageProgressReceiver *m_current = nullptr;
};

} // namespace

CControlImageThread::CControlImageThread()
    : progress(&work.progress)
{
    work.previewMode = true;
    imageFiltered.previewMode = true;
    imageResized.previewMode = true;
}

CControlImageThread::~CControlImageThread()
{
    // The owner has waited for run() to end; only reports of other threads may still come.
    Stop();
    wait();
    CProgressRelay::instance().Unregister(this);
}

void CControlImageThread::RequestPreview(const SRequest &request)
{
    QMutexLocker locker(&m_requestLock);
    m_request = request;
    operation = OperationPreview;
    m_latestRequest.store(++m_requestId);
    progress->abort = true;
}

void CControlImageThread::RequestZoom(double zoomTarget, double fitZoom, const QPoint &viewOrigin,
    const QSize &viewSize, const QSize &shownSize)
{
    QMutexLocker locker(&m_requestLock);
    m_request.zoomTarget = zoomTarget;
    m_request.fitZoom = fitZoom;
    m_request.viewOrigin = viewOrigin;
    m_request.viewSize = viewSize;
    m_request.shownSize = shownSize;
    operation = OperationZoom;
    m_latestRequest.store(++m_requestId);
    progress->abort = true;
}

void CControlImageThread::Cancel()
{
    cancel = true;
    progress->abort = true;
}

void CControlImageThread::Stop()
{
    stop = true;
    progress->abort = true;
}

void CControlImageThread::ResetImages()
{
    {
        QMutexLocker locker(&m_requestLock);
        m_request.path.clear();
        operation = OperationNone;
        m_latestRequest.store(++m_requestId);
        progress->abort = true;
    }
    QMutexLocker locker(&m_resultLock);
    imageFiltered.ClearImage();
    imageResized.ClearImage();
    imageFiltered.path.clear();
    imageResized.path.clear();
}

bool CControlImageThread::TakeResult(SResult &result)
{
    QMutexLocker locker(&m_resultLock);
    if (m_resultRequest != m_latestRequest.load())
        return false;
    // Copies share the pixels; the thread replaces, never changes, what it published.
    result.imageFiltered = imageFiltered;
    result.imageResized = imageResized;
    result.viewOrigin = m_resultOrigin;
    result.zoom = m_resultZoom;
    return true;
}

bool CControlImageThread::IsFailureCurrent()
{
    QMutexLocker locker(&m_resultLock);
    return m_failedRequest == m_latestRequest.load();
}

void CControlImageThread::OnImageProgress(SProgressState &state)
{
    if (stop)
        return;
    emit StatusChanged(state.hide || state.abort ? QString() : state.statusText);
}

void CControlImageThread::SetStatus(const QString &text)
{
    if (!stop)
        emit StatusChanged(text);
}

bool CControlImageThread::Superseded(quint64 served) const
{
    return stop || cancel || m_latestRequest.load() != served;
}

void CControlImageThread::Run()
{
    LogMessage(RunTag);
    while (true) {
        msleep(PollMilliseconds);
        if (stop)
            break;

        SRequest request;
        int current;
        quint64 served;
        {
            QMutexLocker locker(&m_requestLock);
            current = operation;
            served = m_requestId;
            if (current != OperationNone) {
                request = m_request;
                progress->abort = false;
            }
        }
        // A picture rendered at the size shown has nothing to scale up from: it is rendered
        // again at the new zoom, at full size once the zoom passes what is shown whole.
        if (current == OperationPreview || (current == OperationZoom && m_shownAtViewSize))
            ThreadOpStartPreview(request, served);
        else if (current == OperationZoom)
            ThreadOpZoom(request, served);

        // A request written while this one ran keeps its operation and runs at the next tick,
        // however many came before it: the newest request is always served.
        QMutexLocker locker(&m_requestLock);
        if (cancel || m_requestId == served)
            operation = OperationNone;
        cancel = false;
        if (m_requestId == served)
            progress->abort = false;
    }
    work.ClearImage();
    work.ClearPages();
}

CControlImageThread::EOutcome CControlImageThread::ThreadOpStartPreview(
    SRequest &request, quint64 served)
{
    LogMessage(PreviewTag, request.path);
    CProgressRelay::instance().Register(this);
    progress->percent = 0;
    progress->hide = false;
    SetStatus(progress->statusText);
    progress->statusText = tr("Loading") + QStringLiteral("...");

    const auto aborted = [this]() {
        LogMessage(PreviewTag, QStringLiteral("- Abort the operation"));
        SetStatus(QString());
        return EOutcome::Aborted;
    };
    const auto failed = [this, served]() {
        m_shownValid = false;
        SetStatus(QString());
        PublishFailure(served);
        return EOutcome::Failed;
    };

    QList<SFilterRecord> active;
    for (const SFilterRecord &record : std::as_const(request.filters))
        if (record.active)
            active.append(record);

    int done = ResumeFromMemo(request, active);
    // The view asks for the very picture it was last given (the other view's chain changed,
    // say): that picture is shown again.
    if (done == active.size() && m_shownValid && SameRender(request, active, m_shownRequest)
        && PublishAgain(served)) {
        LogMessage(PreviewTag, QStringLiteral("- Unchanged: the picture shown is kept"));
        progress->hide = true;
        SetStatus(QString());
        return EOutcome::Done;
    }
    SRequest asked = request;
    asked.filters = active;
    if (done < 0) {
        work.imageIndex = request.photoIndex;
        work.options = request.imageOptions;
        const QFileInfo file(request.path);
        bool read;
        const bool multipage = request.imageOptions.MultipageWrite == LayerSetting::Flatten
            && work.GetPageCount(request.path) > 1;
        if (multipage) {
            LogMessage(PreviewTag, QStringLiteral("Read multipage"));
            read = work.ReadMultipage(request.path) && work.image.isValid();
        } else {
            LogMessage(PreviewTag, QStringLiteral("Read singlepage"));
            work.ClearPages();
            read = work.Read(request.path);
        }
        progress->readResult = read;
        if (!work.image.isValid())
            LogMessage(PreviewTag, QStringLiteral("- Image is invalid!"));
        if (Superseded(served))
            return aborted();
        if (!read || !work.image.isValid()) {
            LogMessage(PreviewTag, QStringLiteral("- Abort the operation"));
            const int dot = request.path.lastIndexOf(QLatin1Char('.'));
            const QString extension = dot < 0 ? QString() : request.path.mid(dot + 1);
            if (!extension.isEmpty() && GhostscriptNoticeDue(extension))
                emit SignalDisplayGSMessage(extension);
            return failed();
        }
        m_memo = SRenderMemo();
        if (!multipage) {
            // Pages of a flattened document are not kept: only single photos are.
            m_memo.path = request.path;
            m_memo.fileSize = file.size();
            m_memo.fileModified = file.lastModified();
            m_memo.options = request.imageOptions;
            m_memo.photoIndex = request.photoIndex;
            m_memo.source = work;
            m_memo.source.image = Detached(work.image);
            m_memo.bytes = PixelBytes(work.image);
            m_memo.valid = m_memo.bytes <= MemoBudget;
            if (!m_memo.valid)
                m_memo = SRenderMemo();
        }
        done = 0;
    }

    const double viewScale = ViewSizeScale(request, active);
    if (viewScale > 0.0)
        return RenderAtViewSize(request, asked, active, served, viewScale);

    Magick::Image backdrop;
    const bool hasBackdrop = CompositeAlpha(request, backdrop);

    bool geometryApplied = false;
    bool resizeApplied = false;
    for (int index = 0; index < active.size(); ++index) {
        const SFilterRecord &record = active.at(index);
        geometryApplied = geometryApplied || PreviewFilters::IsGeometry(record.id);
        resizeApplied = resizeApplied || record.id == FilterId::Resize;
        if (index < done)
            continue;
        if (Superseded(served))
            return aborted();
        progress->statusText = tr("Applying '%1' filter").arg(record.name) + QStringLiteral("...");
        work.imageIndex = request.photoIndex;
        ++m_appliedFilters;
        if (NoMaskChosen(record, work.image)) {
            LogMessage(PreviewTag, QStringLiteral("- No mask chosen: the photo is shown as it is"));
        } else if (!work.ApplyFilter(record)) {
            if (Superseded(served))
                return aborted();
            LogMessage(PreviewTag, QStringLiteral("- Filter %1 failed").arg(record.id));
            return failed();
        }
        if (Superseded(served))
            return aborted();
        KeepStep(index, record);
    }

    // A photo whose size changed is shown fitted; so is one whose size was not known yet.
    if ((geometryApplied && !resizeApplied) || !(request.zoomTarget > 0.0)) {
        const double width = double(work.image.columns());
        const double height = double(work.image.rows());
        double zoom = 0.0;
        if (width > 0 && height > 0) {
            zoom = request.viewSize.width() * 100.0 / width;
            if (std::trunc(zoom * height / 100.0) > request.viewSize.height())
                zoom = request.viewSize.height() * 100.0 / height;
        }
        request.zoomTarget = zoom;
        request.fitZoom = zoom;
    }

    // The chain's result and where it lies on the backdrop, for the view's picture.
    Magick::Image inner;
    QPoint innerAt;
    const Magick::Image plainBackdrop = backdrop;
    try {
        if (hasBackdrop) {
            const int x = (int(backdrop.columns()) - int(work.image.columns())) / 2;
            const int y = (int(backdrop.rows()) - int(work.image.rows())) / 2;
            inner = work.image;
            innerAt = QPoint(x, y);
            backdrop.composite(work.image, x, y, Magick::OverCompositeOp);
            work.SetImage(backdrop);
        }
    } catch (const std::exception &exception) {
        inner = Magick::Image();
        LogMessage(PreviewTag, QString::fromLocal8Bit(exception.what()));
    }
    work.AddCheckerboardBackground();

    CImageManager resized;
    const bool scaled = inner.isValid() && !work.image.matte()
        ? ScaleOverBackdrop(plainBackdrop, inner, innerAt, work, resized, request)
        : ScaleToView(work, resized, request.zoomTarget, request);
    if (!scaled) {
        if (Superseded(served))
            return aborted();
        LogMessage(PreviewTag, QStringLiteral("- image or imageResized is invalid!"));
        return failed();
    }
    if (Superseded(served))
        return aborted();
    Publish(served, &work, resized, request);
    m_shownRequest = asked;
    m_shownValid = true;
    m_shownAtViewSize = false;
    progress->hide = true;
    SetStatus(QString());
    return EOutcome::Done;
}

double CControlImageThread::ViewSizeScale(
    const SRequest &request, const QList<SFilterRecord> &active) const
{
    if (!request.drawAtViewSize || request.interactiveMode || active.isEmpty() || !m_memo.valid
        || m_memo.path != request.path || !m_memo.source.image.isValid()
        || m_memo.source.image.matte())
        return 0.0;
    // The whole picture in view, well below its full size.
    const double zoom = request.zoomTarget;
    if (!(zoom > 0.0) || zoom > MaxViewSizePercent || zoom > request.fitZoom * (1.0 + 1e-9))
        return 0.0;
    // A chain that changes the photo's size without Resize is fitted to its result, whose
    // size is known only once it is rendered: by this thread for the steps switched on, by the
    // view for all of them.
    const auto fittedToResult = [](const QList<SFilterRecord> &records) {
        bool geometry = false;
        bool resize = false;
        for (const SFilterRecord &record : records) {
            geometry = geometry || PreviewFilters::IsGeometry(record.id);
            resize = resize || record.id == FilterId::Resize;
        }
        return geometry && !resize;
    };
    if (fittedToResult(active) || fittedToResult(request.filters))
        return 0.0;
    for (const SFilterRecord &record : active) {
        if (!CImageFilters::DrawsAtAnyScale(record))
            return 0.0;
    }
    return zoom / 100.0;
}

CControlImageThread::EOutcome CControlImageThread::RenderAtViewSize(SRequest &request,
    const SRequest &asked, const QList<SFilterRecord> &active, quint64 served, double scale)
{
    const double zoom = request.zoomTarget;
    LogMessage(PreviewTag, QStringLiteral("- At the size shown, %1 %").arg(zoom));
    const auto aborted = [this]() {
        LogMessage(PreviewTag, QStringLiteral("- Abort the operation"));
        SetStatus(QString());
        return EOutcome::Aborted;
    };
    const auto failed = [this, served](const QString &why) {
        LogMessage(PreviewTag, why);
        m_shownValid = false;
        SetStatus(QString());
        PublishFailure(served);
        return EOutcome::Failed;
    };

    Magick::Image viewSource;
    if (m_memo.viewSource.isValid() && m_memo.viewSourceZoom == zoom) {
        viewSource = m_memo.viewSource;
    } else {
        viewSource = m_memo.source.image;
        try {
            const size_t columns = CImageManager::ScaledLength(viewSource.columns(), zoom);
            const size_t rows = CImageManager::ScaledLength(viewSource.rows(), zoom);
            Magick::Image shrunk = CImageManager::ShrunkByAverage(viewSource, columns, rows);
            if (shrunk.isValid()) {
                viewSource = shrunk;
            } else {
                Magick::Geometry size(columns, rows);
                size.aspect(true);
                viewSource.scale(size);
            }
        } catch (const std::exception &exception) {
            return failed(QString::fromLocal8Bit(exception.what()));
        }
        m_memo.bytes -= PixelBytes(m_memo.viewSource);
        m_memo.viewSource = Magick::Image();
        m_memo.viewSourceZoom = 0.0;
        if (m_memo.bytes + PixelBytes(viewSource) <= MemoBudget) {
            m_memo.viewSource = viewSource;
            m_memo.viewSourceZoom = zoom;
            m_memo.bytes += PixelBytes(viewSource);
        }
        if (Superseded(served))
            return aborted();
    }

    const SProgressState state = work.progress;
    work = m_memo.source;
    work.progress = state;
    work.image = Detached(viewSource);
    // The engine's scale is for this render only.
    struct SScaleReset
    {
        CImageFilters &filters;
        ~SScaleReset() { filters.drawScale = 1.0; }
    } reset { work.filters };
    work.filters.drawScale = scale;
    for (const SFilterRecord &record : active) {
        if (Superseded(served))
            return aborted();
        progress->statusText = tr("Applying '%1' filter").arg(record.name) + QStringLiteral("...");
        work.imageIndex = request.photoIndex;
        ++m_appliedFilters;
        if (!work.ApplyFilter(record)) {
            if (Superseded(served))
                return aborted();
            return failed(QStringLiteral("- Filter %1 failed").arg(record.id));
        }
    }
    if (Superseded(served))
        return aborted();
    if (ShownOnBackdrop(request)) {
        try {
            Magick::Image backdrop = Darkened(viewSource);
            const int x = (int(backdrop.columns()) - int(work.image.columns())) / 2;
            const int y = (int(backdrop.rows()) - int(work.image.rows())) / 2;
            backdrop.composite(work.image, x, y, Magick::OverCompositeOp);
            work.SetImage(backdrop);
        } catch (const std::exception &exception) {
            return failed(QString::fromLocal8Bit(exception.what()));
        }
    }
    work.AddCheckerboardBackground();
    PlaceInView(work, zoom, request);
    ++m_viewSizeRenders;
    Publish(served, &work, work, request);
    m_shownRequest = asked;
    m_shownValid = true;
    m_shownAtViewSize = true;
    progress->hide = true;
    SetStatus(QString());
    return EOutcome::Done;
}

CControlImageThread::EOutcome CControlImageThread::ThreadOpZoom(SRequest &request, quint64 served)
{
    LogMessage(ZoomTag);
    progress->percent = 0;
    progress->hide = false;
    progress->statusText = tr("Zooming") + QStringLiteral("...");
    SetStatus(progress->statusText);

    CImageManager source;
    {
        QMutexLocker locker(&m_resultLock);
        source = imageFiltered;
    }
    CImageManager resized;
    if (!source.image.isValid() || !ScaleToView(source, resized, request.zoomTarget, request)) {
        progress->hide = true;
        SetStatus(QString());
        return EOutcome::Failed;
    }
    if (Superseded(served)) {
        SetStatus(QString());
        return EOutcome::Aborted;
    }
    Publish(served, nullptr, resized, request);
    m_shownValid = false; // another scale of it is shown now
    progress->hide = true;
    SetStatus(QString());
    return EOutcome::Done;
}

bool CControlImageThread::ScaleToView(
    const CImageManager &source, CImageManager &target, double zoom, SRequest &request)
{
    if (!source.image.isValid())
        return false;
    target = source;
    target.previewMode = true;
    CProgressRelay::instance().Register(this);
    if (!target.Scale(zoom))
        return false;
    PlaceInView(target, zoom, request);
    return true;
}

bool CControlImageThread::ScaleOverBackdrop(const Magick::Image &plainBackdrop,
    const Magick::Image &inner, const QPoint &innerAt, const CImageManager &full,
    CImageManager &target, SRequest &request)
{
    const double zoom = request.zoomTarget;
    CProgressRelay::instance().Register(this);
    Magick::Image view;
    if (m_memo.valid && m_memo.viewBackdrop.isValid() && m_memo.viewBackdropZoom == zoom) {
        view = m_memo.viewBackdrop;
    } else {
        CImageManager part;
        part.previewMode = true;
        part.SetImage(plainBackdrop);
        if (!part.Scale(zoom))
            return false;
        view = part.image;
        const qint64 bytes = PixelBytes(view) - PixelBytes(m_memo.viewBackdrop);
        if (m_memo.valid && m_memo.bytes + bytes <= MemoBudget) {
            m_memo.viewBackdrop = Detached(view);
            m_memo.viewBackdropZoom = zoom;
            m_memo.bytes += bytes;
        }
    }
    CImageManager part;
    part.previewMode = true;
    part.SetImage(inner);
    if (!part.Scale(zoom))
        return false;
    try {
        view.composite(part.image, RoundHalfUp(innerAt.x() * zoom / 100.0),
            RoundHalfUp(innerAt.y() * zoom / 100.0), Magick::OverCompositeOp);
    } catch (const std::exception &exception) {
        LogMessage(PreviewTag, QString::fromLocal8Bit(exception.what()));
        return false;
    }
    target = full;
    target.previewMode = true;
    target.SetImage(view);
    PlaceInView(target, zoom, request);
    return true;
}

void CControlImageThread::PlaceInView(const CImageManager &target, double zoom, SRequest &request)
{
    const QSize oldSize = request.shownSize;
    const double newWidth = double(target.image.columns());
    const double newHeight = double(target.image.rows());

    // The view keeps its centre across a zoom.
    double centreX = 50.0;
    double centreY = 50.0;
    if (request.fitZoom < zoom) {
        const double oldWidth = oldSize.width() > 0 ? oldSize.width() : newWidth;
        const double oldHeight = oldSize.height() > 0 ? oldSize.height() : newHeight;
        centreX = (request.viewOrigin.x() + request.viewSize.width() / 2.0) * 100.0 / oldWidth;
        centreY = (request.viewOrigin.y() + request.viewSize.height() / 2.0) * 100.0 / oldHeight;
    }
    request.viewOrigin
        = QPoint(RoundHalfUp(newWidth * centreX / 100.0 - request.viewSize.width() / 2.0),
            RoundHalfUp(newHeight * centreY / 100.0 - request.viewSize.height() / 2.0));
    request.zoomTarget = zoom;
}

int CControlImageThread::ResumeFromMemo(const SRequest &request, const QList<SFilterRecord> &active)
{
    if (!m_memo.valid || m_memo.path != request.path || !(m_memo.options == request.imageOptions)
        || m_memo.photoIndex != request.photoIndex)
        return -1;
    const QFileInfo file(request.path);
    if (file.size() != m_memo.fileSize || file.lastModified() != m_memo.fileModified) {
        m_memo = SRenderMemo();
        return -1;
    }
    int done = 0;
    while (done < active.size() && done < m_memo.records.size()
        && m_memo.records.at(done) == active.at(done))
        ++done;
    // What follows the first step that differs belongs to another chain.
    while (m_memo.records.size() > done) {
        m_memo.bytes -= PixelBytes(m_memo.results.takeLast());
        m_memo.records.removeLast();
    }
    LogMessage(PreviewTag, QStringLiteral("- Kept: the photo and %1 step(s)").arg(done));
    // The progress state stays: the GUI may be setting its abort flag right now.
    const SProgressState state = work.progress;
    work = m_memo.source;
    work.progress = state;
    work.image = Detached(done > 0 ? m_memo.results.at(done - 1) : m_memo.source.image);
    return done;
}

void CControlImageThread::KeepStep(int index, const SFilterRecord &record)
{
    // Only an unbroken run of steps from the photo on is of use.
    if (!m_memo.valid || m_memo.records.size() != index || !RendersAlike(record))
        return;
    const qint64 bytes = PixelBytes(work.image);
    if (m_memo.bytes + bytes > MemoBudget)
        return;
    m_memo.records.append(record);
    m_memo.results.append(Detached(work.image));
    m_memo.bytes += bytes;
}

bool CControlImageThread::ShownOnBackdrop(const SRequest &request)
{
    bool build = false;
    for (const SFilterRecord &record : request.filters) {
        if (record.id == FilterId::AutoCrop || record.id == FilterId::Crop
            || record.id == FilterId::Resize || record.id == FilterId::ResizeAdvanced)
            build = build || record.active || request.interactiveMode;
    }
    return build;
}

bool CControlImageThread::CompositeAlpha(const SRequest &request, Magick::Image &backdrop)
{
    if (!ShownOnBackdrop(request))
        return false;
    if (m_memo.valid && m_memo.backdrop.isValid()) {
        backdrop = m_memo.backdrop;
        return true;
    }
    try {
        // Before any step: the photo as read (kept, or in work just after reading).
        const Magick::Image out = Darkened(m_memo.valid ? m_memo.source.image : work.image);
        backdrop = out;
        if (m_memo.valid && m_memo.bytes + PixelBytes(out) <= MemoBudget) {
            m_memo.backdrop = Detached(out);
            m_memo.bytes += PixelBytes(out);
        }
        return true;
    } catch (const std::exception &exception) {
        LogMessage(PreviewTag, QString::fromLocal8Bit(exception.what()));
        return false;
    }
}

void CControlImageThread::Publish(quint64 served, const CImageManager *filtered,
    const CImageManager &resized, const SRequest &request)
{
    bool valid;
    {
        QMutexLocker locker(&m_resultLock);
        if (filtered)
            imageFiltered = *filtered;
        imageResized = resized;
        m_resultOrigin = request.viewOrigin;
        m_resultZoom = request.zoomTarget;
        m_resultRequest = served;
        valid = imageFiltered.image.isValid() && imageResized.image.isValid();
    }
    if (valid)
        emit Show();
}

bool CControlImageThread::PublishAgain(quint64 served)
{
    {
        QMutexLocker locker(&m_resultLock);
        if (!imageFiltered.image.isValid() || !imageResized.image.isValid())
            return false;
        m_resultRequest = served;
    }
    ++m_shownAgain;
    emit Show();
    return true;
}

void CControlImageThread::PublishFailure(quint64 served)
{
    {
        QMutexLocker locker(&m_resultLock);
        m_failedRequest = served;
    }
    emit RenderFailed();
}
