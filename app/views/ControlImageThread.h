#pragma once

#include "FilterRecord.h"
#include "ImageManager.h"
#include "WorkerThread.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QThread>

#include <atomic>

// Renders what one preview shows, off the GUI thread: reads the photo, applies the chain and
// scales the result to the zoom. The preview writes a request (RequestPreview, RequestZoom)
// and the thread serves the newest one at its next 50 ms tick; a newer request aborts the
// running one through the progress state's abort flag. Results come back through the queued
// Show() (or RenderFailed() when the photo or a filter could not be rendered) and are taken
// with TakeResult, which hands over only the result of the newest request.
class CControlImageThread : public CWorkerThread, public CImageProgressReceiver
{
    Q_OBJECT

public:
    static constexpr int OperationNone = 0;
    static constexpr int OperationPreview = 1;
    static constexpr int OperationZoom = 2;

    // What the preview asks for; copied whole when the thread starts an operation, so a
    // request written meanwhile never changes the running one.
    struct SRequest
    {
        QList<SFilterRecord> filters;
        QString path;
        QSize viewSize; // device pixels
        QPoint viewOrigin; // pixels of the scaled image shown now
        QSize shownSize; // of the scaled image shown now; the view keeps its centre
        double zoomTarget = 0.0; // percent
        double fitZoom = 0.0; // percent
        bool interactiveMode = false;
        bool drawAtViewSize = false; // CControlImage::drawAtViewSize
        qint32 photoIndex = 0; // for the keywords of text filters
        SImageOptions imageOptions; // the job's decoding options when the request was made
    };

    // A finished render as the preview takes it.
    struct SResult
    {
        CImageManager imageFiltered; // full size, chain applied
        CImageManager imageResized; // scaled to `zoom`
        QPoint viewOrigin;
        double zoom = 0.0;
    };

    CControlImageThread();
    ~CControlImageThread() override;

    // GUI thread: a new render of request.path (operation 1) or a new scale of the last
    // render (operation 2). Either aborts the running operation.
    void RequestPreview(const SRequest &request);
    void RequestZoom(double zoomTarget, double fitZoom, const QPoint &viewOrigin,
        const QSize &viewSize, const QSize &shownSize);
    // Drops the pending and the running work for good (a rejected dialog, a photo change).
    void Cancel();
    // Ends run() at its next tick; the owner then waits for the thread.
    void Stop();
    // Both images become empty and the path is forgotten; a render still running is dropped.
    void ResetImages();

    // GUI thread, in the slots of Show() and RenderFailed(): true when the result belongs to
    // the newest request (older results are dropped by the caller).
    bool TakeResult(SResult &result);
    bool IsFailureCurrent();

    // The image engine's progress reports (any thread): the status text, or an empty one
    // when the state is hidden or aborted.
    void OnImageProgress(SProgressState &state) override;

    // Filters this thread has applied since it was made; tests tell by it which steps of a
    // chain a render ran again.
    int AppliedFilterCount() const { return m_appliedFilters.load(); }
    // Renders answered with the picture already shown, nothing read, filtered or scaled.
    int ShownAgainCount() const { return m_shownAgain.load(); }
    // Renders drawn at the size shown rather than at full size.
    int ViewSizeRenderCount() const { return m_viewSizeRenders.load(); }

signals:
    void Show();
    void RenderFailed();
    // The progress text for the status bar (empty: none); the preview hands it on in the GUI
    // thread.
    void StatusChanged(QString text);
    void SignalDisplayGSMessage(QString extension);

protected:
    void Run() override;

private:
    enum class EOutcome { Done, Aborted, Failed };

    EOutcome ThreadOpStartPreview(SRequest &request, quint64 served);
    EOutcome ThreadOpZoom(SRequest &request, quint64 served);
    // The fraction of the photo's size the request's chain can be rendered at (the size
    // shown), or 0 for a render at full size.
    double ViewSizeScale(const SRequest &request, const QList<SFilterRecord> &active) const;
    // Renders the chain on the kept photo scaled to the view and publishes it as it is.
    EOutcome RenderAtViewSize(SRequest &request, const SRequest &asked,
        const QList<SFilterRecord> &active, quint64 served, double scale);
    // Scales `source` into `target` at `zoom`, keeping the view's centre; the new origin goes
    // into request.viewOrigin.
    bool ScaleToView(
        const CImageManager &source, CImageManager &target, double zoom, SRequest &request);
    // The same for the composite of a chain's result on the backdrop, built from its parts
    // scaled apart: the backdrop once per zoom (kept with the photo), the result each time.
    bool ScaleOverBackdrop(const Magick::Image &plainBackdrop, const Magick::Image &inner,
        const QPoint &innerAt, const CImageManager &full, CImageManager &target, SRequest &request);
    // The origin that keeps the view's centre on the newly scaled picture.
    void PlaceInView(const CImageManager &target, double zoom, SRequest &request);
    // The darkened picture of the whole photo that crop and resize show their result on.
    bool CompositeAlpha(const SRequest &request, Magick::Image &backdrop);
    static bool ShownOnBackdrop(const SRequest &request);
    // A newer request, a cancel or a stop: the running operation ends.
    bool Superseded(quint64 served) const;
    void SetStatus(const QString &text);
    void Publish(quint64 served, const CImageManager *filtered, const CImageManager &resized,
        const SRequest &request);
    void PublishFailure(quint64 served);
    // Publishes the last result again for a request that asks for it unchanged; false when
    // it is gone (the GUI reset the images).
    bool PublishAgain(quint64 served);

    // Request side, written by the GUI under m_requestLock.
    mutable QMutex m_requestLock;
    SRequest m_request;
    int operation = OperationNone;
    quint64 m_requestId = 0; // the newest request
    std::atomic<quint64> m_latestRequest { 0 }; // m_requestId, readable without the lock

    // The photo being worked on; only its progress state's abort flag is touched by the GUI.
    CImageManager work;
    SProgressState *progress;

    // Result side, guarded by m_resultLock.
    QMutex m_resultLock;
    CImageManager imageFiltered;
    CImageManager imageResized;
    QPoint m_resultOrigin;
    double m_resultZoom = 0.0;
    quint64 m_resultRequest = 0;
    quint64 m_failedRequest = 0;

    std::atomic_bool stop { false };
    std::atomic_bool cancel { false };
    std::atomic<int> m_appliedFilters { 0 };
    std::atomic<int> m_shownAgain { 0 };
    std::atomic<int> m_viewSizeRenders { 0 };
    // What the last published render was asked for (its active steps only), while its result
    // is the one published. Render thread only.
    SRequest m_shownRequest;
    bool m_shownValid = false;
    // The picture published was rendered at the size shown: a zoom renders at full size.
    bool m_shownAtViewSize = false;

    // The last render's photo as read and its chain's results after each step, so that a
    // change to one filter renders from the result before it. Render thread only.
    struct SRenderMemo
    {
        QString path;
        qint64 fileSize = -1;
        QDateTime fileModified;
        SImageOptions options;
        qint32 photoIndex = 0;
        CImageManager source; // as read
        Magick::Image backdrop; // the darkened whole photo, made when first needed
        Magick::Image viewBackdrop; // the backdrop at viewBackdropZoom
        double viewBackdropZoom = 0.0;
        Magick::Image viewSource; // the photo at viewSourceZoom, for renders at the size shown
        double viewSourceZoom = 0.0;
        QList<SFilterRecord> records; // the active steps applied, in order
        QList<Magick::Image> results; // after each of them
        qint64 bytes = 0;
        bool valid = false;
    };
    SRenderMemo m_memo;
    // Restores work to the longest kept part of the chain; the number of active steps done.
    int ResumeFromMemo(const SRequest &request, const QList<SFilterRecord> &active);
    void KeepStep(int index, const SFilterRecord &record);
};
