// The filter settings preview and Step 2's chain preview with a 24-megapixel sample photo
// and the chain Resize, Sharpen, Brightness, Simple Border, Watermark Text. Prints how long
// the settings dialog takes to open, how long a change on the Resize page takes to reach the
// filtered preview, the longest the window's event loop went without turning while previews
// rendered, whether a preview overtaken by a newer change is abandoned, and how long a
// switched-off filter takes to show in Step 2. Asserts nothing.
//
//   filterbench [--trace FILE]      (FILE receives every trace line, with the time)
//
// A preview counts as shown when its image label paints after the preview took the result
// (the preview's UpdateZoomPercent, emitted at the end of Showup). Renders are counted from
// the preview's own trace lines: one "ThreadOpStartPreview" per render begun, one "Abort the
// operation" per render abandoned and one "CControlImage::Showup" per render published.

#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FiltersEnum.h"
#include "ImageEngineSetup.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "ListThumb.h"
#include "MainPanel2.h"
#include "StatesList.h"
#include "UserProfile.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <Magick++.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

#include <sys/resource.h>

namespace {

constexpr int PhotoWidth = 6000;
constexpr int PhotoHeight = 4000;
constexpr int Changes = 20;
constexpr int SupersedeTrials = 5;
constexpr int SupersedeGapMs = 50;
constexpr int Toggles = 10;
constexpr int AllPreviewsDelayMs = 2000; // Step 2's pause after a chain edit

QElapsedTimer benchClock;

double Now()
{
    return double(benchClock.nsecsElapsed()) / 1e6;
}

// --- Trace lines ---------------------------------------------------------------------------

struct STraceCounts
{
    std::atomic_int started { 0 };
    std::atomic_int aborted { 0 };
    std::atomic_int published { 0 };
    QMutex lock; // guards the fields below
    double lastAbortAt = -1;
    QList<QThread *> renderThreads; // the threads that began renders
};

STraceCounts trace;
QFile *traceFile = nullptr;

void CountTrace(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const double at = Now();
    if (message.contains(QLatin1String("CControlImageThread::ThreadOpStartPreview. /"))) {
        ++trace.started;
        QMutexLocker locker(&trace.lock);
        if (!trace.renderThreads.contains(QThread::currentThread()))
            trace.renderThreads << QThread::currentThread();
    } else if (message.contains(QLatin1String(
                   "CControlImageThread::ThreadOpStartPreview. - Abort the operation"))) {
        ++trace.aborted;
        QMutexLocker locker(&trace.lock);
        trace.lastAbortAt = at;
    } else if (message.contains(QLatin1String("CControlImage::Showup"))) {
        ++trace.published;
    }
    if (traceFile) {
        QMutexLocker locker(&trace.lock);
        traceFile->write(QByteArray::number(at, 'f', 1) + ' ' + message.toLocal8Bit() + '\n');
    } else if (type != QtDebugMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// A line of the benchmark's own in the trace file.
void Note(const QString &text)
{
    if (!traceFile)
        return;
    QMutexLocker locker(&trace.lock);
    traceFile->write(QByteArray::number(Now(), 'f', 1) + " bench: " + text.toLocal8Bit() + '\n');
}

// Minor page faults of the whole process so far: fresh memory costs one per 4 KiB touched.
long PageFaults()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// --- Watching the window -------------------------------------------------------------------

// The longest stretch between two turns of the event loop since the last Reset: over all, and
// over the stretches that began or ended while a preview was rendering.
class CStallMeter : public QObject
{
public:
    CStallMeter()
    {
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, this, [this]() {
            const double now = Now();
            const bool busy = Rendering();
            longest = std::max(longest, now - last);
            if (busy || wasRendering)
                longestRendering = std::max(longestRendering, now - last);
            if (now - last > 50) {
                Note(QStringLiteral("event loop stalled %1 ms%2")
                         .arg(now - last, 0, 'f', 0)
                         .arg(busy || wasRendering ? QStringLiteral(" while rendering")
                                                   : QString()));
            }
            wasRendering = busy;
            last = now;
        });
        last = Now();
        ticker.start();
    }
    void Reset()
    {
        longest = 0;
        longestRendering = 0;
        last = Now();
        wasRendering = Rendering();
    }
    double Longest() const { return longest; }
    double LongestRendering() const { return longestRendering; }

    std::function<bool()> rendering; // set by each phase

private:
    bool Rendering() const { return rendering && rendering(); }

    QTimer ticker;
    double last = 0;
    double longest = 0;
    double longestRendering = 0;
    bool wasRendering = false;
};

// When a preview last took a result and when its image label painted it.
class CPreviewWatch : public QObject
{
public:
    explicit CPreviewWatch(CControlImage *preview)
    {
        setObjectName(preview->objectName());
        connect(preview, &CControlImage::UpdateZoomPercent, this, [this]() {
            ++taken;
            paintDue = true;
            Note(QStringLiteral("%1 took a result").arg(objectName()));
        });
        preview->imageLabel->installEventFilter(this);
    }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintDue) {
            paintDue = false;
            shownAt = Now();
            ++shown;
            Note(QStringLiteral("%1 painted").arg(objectName()));
        }
        return QObject::eventFilter(object, event);
    }

    int taken = 0;
    int shown = 0;
    double shownAt = -1;

private:
    bool paintDue = false;
};

// The first paint of a window, and the moments Step 2's chain timer fires.
class CApplicationWatch : public QObject
{
public:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && window && firstPaintAt < 0) {
            auto *widget = qobject_cast<QWidget *>(object);
            if (widget && widget->window() == window)
                firstPaintAt = Now();
        } else if (event->type() == QEvent::Timer) {
            // The panel's timers have no parent; its chain timer is its only single-shot one
            // of this length.
            auto *timer = qobject_cast<QTimer *>(object);
            if (timer && timer->isSingleShot() && timer->interval() == AllPreviewsDelayMs) {
                chainTimerAt = Now();
                ++chainTimerFired;
                Note(QStringLiteral("chain timer fired"));
            }
        }
        return QObject::eventFilter(object, event);
    }

    QWidget *window = nullptr;
    double firstPaintAt = -1;
    double chainTimerAt = -1;
    int chainTimerFired = 0;
};

// Turns the event loop until `done` or `timeoutMs`; false on the timeout.
bool WaitFor(const std::function<bool()> &done, int timeoutMs)
{
    const double end = Now() + timeoutMs;
    while (!done()) {
        if (Now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void Idle(int ms)
{
    const double end = Now() + ms;
    WaitFor([end]() { return Now() >= end; }, ms + 1000);
}

// --- Figures -------------------------------------------------------------------------------

double Median(QList<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

double Max(const QList<double> &values)
{
    return values.isEmpty() ? -1 : *std::max_element(values.cbegin(), values.cend());
}

// --- The sample and the chain --------------------------------------------------------------

// A camera-sized photo: colour gradients under a fine pattern and some noise, so that the
// JPEG is of a camera's size and the decoder does a camera photo's work.
bool WriteSample(const QString &path)
{
    QByteArray rgb(qsizetype(PhotoWidth) * PhotoHeight * 3, Qt::Uninitialized);
    quint32 noise = 12345;
    char *pixel = rgb.data();
    for (int y = 0; y < PhotoHeight; ++y) {
        for (int x = 0; x < PhotoWidth; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 28) - 8;
            const int pattern = ((x / 7 + y / 5) % 9) * 3;
            *pixel++ = char(std::clamp(255 - x * 255 / PhotoWidth + grain + pattern, 0, 255));
            *pixel++ = char(std::clamp(y * 255 / PhotoHeight + grain, 0, 255));
            *pixel++ = char(std::clamp(x * 255 / PhotoWidth + grain - pattern, 0, 255));
        }
    }
    try {
        Magick::Image image;
        image.read(PhotoWidth, PhotoHeight, "RGB", Magick::CharPixel, rgb.constData());
        image.quality(90);
        image.write("JPEG:" + path.toStdString());
    } catch (const std::exception &exception) {
        std::fprintf(stderr, "The sample could not be written: %s\n", exception.what());
        return false;
    }
    return true;
}

SFilterRecord Step(
    qint32 id, int numberCount, std::initializer_list<std::pair<int, double>> numbers)
{
    const SFilterInfo info = CFiltersEnum::instance()->FindById(quint16(id));
    SFilterRecord record;
    record.id = id;
    record.name = info.name;
    record.description = info.description;
    record.numberCount = quint8(numberCount);
    for (const auto &[slot, value] : numbers)
        record.numbers[slot] = value;
    record.active = true;
    return record;
}

QList<SFilterRecord> Chain()
{
    SFilterRecord watermark = Step(FilterId::WatermarkText, WatermarkTextSlot::NumberCount,
        { { WatermarkTextSlot::Placement, 8 }, { WatermarkTextSlot::DeltaX, 20 },
            { WatermarkTextSlot::DeltaY, 20 }, { WatermarkTextSlot::FontSize, 12 },
            { WatermarkTextSlot::TextColor, double(0xFFFFFFFFu) },
            { WatermarkTextSlot::Transparency, 30 } });
    watermark.textCount = WatermarkTextSlot::TextCount;
    watermark.texts[WatermarkTextSlot::Text] = QStringLiteral("Quendrasil bench");
    watermark.texts[WatermarkTextSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    return {
        Step(FilterId::Resize, ResizeSlot::NumberCount,
            { { ResizeSlot::Width, 1600 }, { ResizeSlot::Height, 1067 },
                { ResizeSlot::KeepAspect, 1 } }),
        Step(FilterId::Sharpen, SharpenSlot::NumberCount, { { SharpenSlot::Amount, 40 } }),
        Step(FilterId::Brightness, BrightnessSlot::NumberCount,
            { { BrightnessSlot::Lightness, 10 } }),
        Step(FilterId::SimpleBorder, SimpleBorderSlot::NumberCount,
            { { SimpleBorderSlot::Top, 20 }, { SimpleBorderSlot::Color, double(0xFFFFFFFFu) },
                { SimpleBorderSlot::Uniform, 1 } }),
        watermark,
    };
}

// --- The settings dialog -------------------------------------------------------------------

struct SStall
{
    double rendering = 0; // the longest stretch that began or ended while a preview rendered
    double any = 0; // the longest of all
};

struct SDialogFigures
{
    double firstOpen = -1; // construction to first paint, cold
    QList<double> reopens;
    QList<double> closes; // Cancel and the dialog's destruction
    double firstPreview = -1; // construction to the filtered preview shown, cold
    double openStall = 0;
    QList<double> fromTimer; // the page's save to the preview shown
    QList<double> fromKey; // the key press to the preview shown
    SStall changeStall;
    int supersedeFinished = 0; // renders published over all trials
    int supersedeStarted = 0;
    int supersedeAborted = 0;
    int supersedeTrialsWithOne = 0; // trials where exactly one render was published
    QList<double> abandonAfter; // the second push to the first render's abort
    QList<double> supersedeShown; // the second push to the preview shown
    SStall supersedeStall;
    int renderThreads = 0;
    bool failed = false;
};

struct SOpened
{
    std::unique_ptr<CFilterSettings> dialog;
    double paintMs = -1;
};

SOpened OpenDialog(
    CApplicationWatch &watch, const SFilterRecord &record, const SImageRecord &sample)
{
    SOpened opened;
    watch.firstPaintAt = -1;
    const double start = Now();
    opened.dialog = std::make_unique<CFilterSettings>();
    watch.window = opened.dialog.get();
    opened.dialog->record = record;
    opened.dialog->samplePhoto = sample;
    if (!opened.dialog->Prepare())
        return {};
    opened.dialog->show();
    if (WaitFor([&watch]() { return watch.firstPaintAt >= 0; }, 10000))
        opened.paintMs = watch.firstPaintAt - start;
    return opened;
}

// Cancel, and the dialog object going away as its host's local does; the event loop waits
// for all of it.
double CloseDialog(SOpened &opened)
{
    const double start = Now();
    Note(QStringLiteral("closing"));
    opened.dialog->reject();
    opened.dialog.reset();
    Note(QStringLiteral("closed"));
    return Now() - start;
}

bool Settled(CFilterSettings &dialog)
{
    return !dialog.FilteredPreview()->IsLoading() && !dialog.OriginalPreview()->IsLoading()
        && dialog.FilteredPreview()->imageLoaded && dialog.OriginalPreview()->imageLoaded;
}

SDialogFigures MeasureDialog(CApplicationWatch &watch, CStallMeter &stalls,
    const SFilterRecord &resize, const SImageRecord &sample)
{
    SDialogFigures figures;

    // 1. Opening, cold and then warm.
    stalls.Reset();
    const double coldStart = Now();
    SOpened opened = OpenDialog(watch, resize, sample);
    if (!opened.dialog) {
        figures.failed = true;
        return figures;
    }
    figures.firstOpen = opened.paintMs;
    CPreviewWatch firstWatch(opened.dialog->FilteredPreview());
    if (WaitFor([&]() { return firstWatch.shown > 0 && Settled(*opened.dialog); }, 30000))
        figures.firstPreview = firstWatch.shownAt - coldStart;
    figures.openStall = stalls.Longest();
    Idle(200);
    figures.closes << CloseDialog(opened);
    for (int round = 0; round < 5; ++round) {
        stalls.Reset();
        SOpened again = OpenDialog(watch, resize, sample);
        if (!again.dialog) {
            figures.failed = true;
            return figures;
        }
        figures.reopens << again.paintMs;
        WaitFor([&]() { return Settled(*again.dialog); }, 30000);
        figures.openStall = std::max(figures.openStall, stalls.Longest());
        Idle(200);
        figures.closes << CloseDialog(again);
    }

    // 2. and 3. Changes of the width, as a user types them.
    SOpened dialog = OpenDialog(watch, resize, sample);
    CFilterSettings *settings = dialog.dialog.get();
    WaitFor([&]() { return Settled(*settings); }, 30000);
    Idle(500);
    CPreviewWatch shown(settings->FilteredPreview());
    double savedAt = -1;
    QObject::connect(
        settings->Page(), &CFilterPage::SaveState, settings,
        [&savedAt]() {
            savedAt = Now();
            Note(QStringLiteral("page saved"));
        },
        Qt::DirectConnection);
    auto *width = settings->Page()->findChild<QDoubleSpinBox *>(QStringLiteral("spinWidth"));
    width->setFocus();
    stalls.rendering = [settings]() {
        return settings->FilteredPreview()->IsLoading() || settings->OriginalPreview()->IsLoading();
    };
    stalls.Reset();
    for (int change = 0; change < Changes; ++change) {
        const int before = shown.shown;
        savedAt = -1;
        const double pressed = Now();
        const long faults = PageFaults();
        Note(QStringLiteral("change %1").arg(change + 1));
        QTest::keyClick(width, change % 2 == 0 ? Qt::Key_Up : Qt::Key_Down);
        if (!WaitFor([&]() { return shown.shown > before && savedAt >= 0; }, 30000)) {
            std::printf("  change %d: no preview within 30 s\n", change + 1);
            continue;
        }
        figures.fromTimer << shown.shownAt - savedAt;
        figures.fromKey << shown.shownAt - pressed;
        Note(
            QStringLiteral("change %1: %2 page faults").arg(change + 1).arg(PageFaults() - faults));
        Idle(300);
    }
    figures.changeStall = { stalls.LongestRendering(), stalls.Longest() };

    // 4. Two saves 50 ms apart: the first render is overtaken by the second.
    stalls.Reset();
    {
        QMutexLocker locker(&trace.lock);
        trace.renderThreads.clear();
    }
    for (int trial = 0; trial < SupersedeTrials; ++trial) {
        WaitFor([&]() { return Settled(*settings); }, 30000);
        Idle(300);
        const int started = trace.started;
        const int aborted = trace.aborted;
        const int published = trace.published;
        savedAt = -1;
        QTest::keyClick(width, Qt::Key_Up);
        WaitFor([&]() { return savedAt >= 0; }, 5000);
        Idle(SupersedeGapMs);
        QTest::keyClick(width, Qt::Key_Down);
        // The second change's timer fires at once instead of after its pause.
        const double second = Now();
        settings->Page()->OnTimer();
        const int before = shown.shown;
        WaitFor([&]() { return shown.shown > before; }, 30000);
        figures.supersedeShown << shown.shownAt - second;
        Idle(1500); // a render that was not abandoned would publish by now
        figures.supersedeStarted += trace.started - started;
        figures.supersedeAborted += trace.aborted - aborted;
        const int finished = trace.published - published;
        figures.supersedeFinished += finished;
        if (finished == 1)
            ++figures.supersedeTrialsWithOne;
        if (trace.aborted > aborted) {
            QMutexLocker locker(&trace.lock);
            figures.abandonAfter << trace.lastAbortAt - second;
        }
    }
    figures.supersedeStall = { stalls.LongestRendering(), stalls.Longest() };
    {
        QMutexLocker locker(&trace.lock);
        figures.renderThreads = int(trace.renderThreads.size());
    }
    stalls.rendering = nullptr;
    figures.closes << CloseDialog(dialog);
    return figures;
}

// --- Step 2 --------------------------------------------------------------------------------

struct SPanelFigures
{
    double firstPreview = -1; // from show to the chain's first filtered preview
    QList<double> fromToggle;
    QList<double> fromTimer;
    SStall stall;
    int clicksMissed = 0; // check boxes the click did not reach (set through the item)
    bool failed = false;
};

SPanelFigures MeasurePanel(CApplicationWatch &watch, CStallMeter &stalls, const QString &photo)
{
    SPanelFigures figures;
    CListImages *photos = CListImages::instance();
    photos->Clear();
    QStringList rejected;
    photos->AddImage(photo, rejected);
    CListFilters *filters = CListFilters::instance();
    filters->Clear();
    for (const SFilterRecord &record : Chain())
        filters->Append(record);
    CStatesList::instance()->Clear();
    CUserProfile::instance()->CurrentPhotoPath.clear();

    CMainPanel2 panel;
    panel.Init();
    CStatesList::instance()->quiet = true;
    panel.RefreshPanel();
    CStatesList::instance()->quiet = false;
    CStatesList::instance()->PushState();
    panel.resize(1000, 700);
    const double start = Now();
    auto *filtered = panel.findChild<CControlImage *>(QStringLiteral("scrollImageFilters"));
    CPreviewWatch shown(filtered);
    panel.show();
    if (!WaitFor([&]() { return shown.shown > 0 && !filtered->IsLoading(); }, 60000)) {
        figures.failed = true;
        return figures;
    }
    figures.firstPreview = shown.shownAt - start;
    Idle(1000);

    auto *list = panel.findChild<CListThumb *>(QStringLiteral("listFilters"));
    const int row = 2; // Brightness: on and off cost the render alike
    auto *original = panel.findChild<CControlImage *>(QStringLiteral("scrollImageOriginal"));
    stalls.rendering
        = [filtered, original]() { return filtered->IsLoading() || original->IsLoading(); };
    stalls.Reset();
    for (int toggle = 0; toggle < Toggles; ++toggle) {
        QListWidgetItem *item = list->item(row);
        const Qt::CheckState wanted
            = item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        const int before = shown.shown;
        const int timersBefore = watch.chainTimerFired;
        const QRect rect = list->visualItemRect(item);
        const double clicked = Now();
        Note(QStringLiteral("toggle %1").arg(toggle + 1));
        // The check box sits at the start of the row.
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
        if (item->checkState() != wanted) {
            ++figures.clicksMissed;
            item->setCheckState(wanted);
        }
        if (!WaitFor([&]() { return shown.shown > before && watch.chainTimerFired > timersBefore; },
                60000)) {
            std::printf("  toggle %d: no preview within 60 s\n", toggle + 1);
            continue;
        }
        figures.fromToggle << shown.shownAt - clicked;
        figures.fromTimer << shown.shownAt - watch.chainTimerAt;
        WaitFor([&]() { return !filtered->IsLoading(); }, 30000);
        Idle(500);
    }
    figures.stall = { stalls.LongestRendering(), stalls.Longest() };
    stalls.rendering = nullptr;
    return figures;
}

// --- The render's steps, one at a time ------------------------------------------------------

struct SStepFigures
{
    double decode = -1; // the JPEG, full size
    double rebuild = -1; // the preview cache's 8-bit copy back into an image
    QList<double> filters; // each step of the chain, median of three rounds
    double scaleToView = -1; // the whole photo to a 480-pixel-wide view
    double release = -1; // freeing the last copy of the full-size photo
};

// The work one preview render does, timed step by step on the GUI thread with nothing else
// running, to tell where a render's time goes.
SStepFigures MeasureSteps(const QString &photo)
{
    SStepFigures figures;
    CImageManager manager;
    double start = Now();
    if (!manager.Read(photo))
        return figures;
    figures.decode = Now() - start;
    const Magick::Image decoded = manager.image;

    Magick::Image rebuilt;
    SImageProperties properties;
    start = Now();
    if (CIMImageCache::instance()->CheckAndLoad(photo, rebuilt, properties))
        figures.rebuild = Now() - start;

    const QList<SFilterRecord> chain = Chain();
    QList<QList<double>> rounds(chain.size());
    for (int round = 0; round < 3; ++round) {
        manager.SetImage(decoded);
        for (int step = 0; step < chain.size(); ++step) {
            start = Now();
            manager.ApplyFilter(chain.at(step));
            rounds[step] << Now() - start;
        }
    }
    for (const QList<double> &times : std::as_const(rounds))
        figures.filters << Median(times);

    CImageManager view;
    view.SetImage(decoded);
    start = Now();
    if (view.Scale(480.0 * 100.0 / PhotoWidth))
        figures.scaleToView = Now() - start;

    // ImageMagick clears a pixel cache as it frees it: the last copy of a photo costs that.
    auto released = std::make_unique<Magick::Image>(
        Magick::Geometry(PhotoWidth, PhotoHeight), Magick::ColorRGB(0.5, 0.5, 0.5));
    start = Now();
    released.reset();
    figures.release = Now() - start;
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    benchClock.start();
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The benchmark keeps its settings apart from the user's.
    const QString home = QDir::tempPath() + QStringLiteral("/quendrasil-filterbench-home");
    QDir(home).removeRecursively();
    QDir().mkpath(home);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarrow&Lune"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendrasil"));
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype traceAt = arguments.indexOf(QStringLiteral("--trace"));
    QFile traceOutput(
        traceAt > 0 && traceAt + 1 < arguments.size() ? arguments.at(traceAt + 1) : QString());
    if (!traceOutput.fileName().isEmpty() && traceOutput.open(QIODevice::WriteOnly))
        traceFile = &traceOutput;
    qInstallMessageHandler(CountTrace);
    // For matching the trace with a profiler's monotonic clock.
    Note(QStringLiteral("time 0 is monotonic %1 ms").arg(benchClock.msecsSinceReference()));
    InitializeImageEngine(argv[0]);
    CFiltersEnum::instance()->GenerateList();
    CUserProfile::instance()->LoadSettings();

    QTemporaryDir folder;
    const QString photo = folder.filePath(QStringLiteral("IMG_0001.jpg"));
    if (!folder.isValid() || !WriteSample(photo))
        return 1;
    SImageRecord sample;
    sample.pathName = photo;
    sample.folder = folder.path();
    sample.baseName = QStringLiteral("IMG_0001");
    sample.extension = QStringLiteral("jpg");
    CUserProfile::instance()->CurrentPhotoPath = photo;

    CApplicationWatch watch;
    application.installEventFilter(&watch);
    CStallMeter stalls;

    // What the machine itself gives: the event loop with nothing to do.
    stalls.Reset();
    Idle(3000);
    const double idleStall = stalls.Longest();
    const SDialogFigures dialog = MeasureDialog(watch, stalls, Chain().first(), sample);
    watch.window = nullptr;
    const SPanelFigures panel = MeasurePanel(watch, stalls, photo);
    const SStepFigures steps = MeasureSteps(photo);

    std::printf("Filter previews of a %d x %d JPEG (%.1f MB), chain Resize > Sharpen > Brightness"
                " > Simple Border > Watermark Text\n",
        PhotoWidth, PhotoHeight, double(QFileInfo(photo).size()) / 1e6);
    if (dialog.failed) {
        std::printf("  the Resize settings dialog could not be opened\n");
        return 1;
    }
    std::printf("  event loop with nothing to do, 3 s: longest gap %.0f ms   (the machine's own)\n",
        idleStall);
    std::printf("Resize settings dialog\n");
    std::printf("  open (construct, Prepare, show to first paint)  %6.0f ms first, %.0f ms median"
                " of %lld more   (target <= 500)\n",
        dialog.firstOpen, Median(dialog.reopens), qint64(dialog.reopens.size()));
    std::printf("  first filtered preview shown after opening      %6.0f ms   (photo not decoded"
                " yet)\n",
        dialog.firstPreview);
    std::printf("  page's save to preview shown                    %6.0f ms median, %.0f ms max"
                " of %lld changes   (target <= 300)\n",
        Median(dialog.fromTimer), Max(dialog.fromTimer), qint64(dialog.fromTimer.size()));
    std::printf("  key press to preview shown                      %6.0f ms median, %.0f ms max"
                "   (1000 ms of it the page's pause)\n",
        Median(dialog.fromKey), Max(dialog.fromKey));
    std::printf("  close (Cancel, then destroyed)                  %6.0f ms median, %.0f ms max"
                "   (the event loop waits for it)\n",
        Median(dialog.closes), Max(dialog.closes));
    std::printf("  longest event-loop stall: opening, first render %6.0f ms\n", dialog.openStall);
    std::printf(
        "  longest event-loop stall: changes               %6.0f ms while rendering, %.0f ms"
        " any time   (target <= 100)\n",
        dialog.changeStall.rendering, dialog.changeStall.any);
    std::printf("  two saves %d ms apart, %d times: %d renders begun, %d abandoned, %d published;"
                " one published in %d of %d   (target: the first abandoned)\n",
        SupersedeGapMs, SupersedeTrials, dialog.supersedeStarted, dialog.supersedeAborted,
        dialog.supersedeFinished, dialog.supersedeTrialsWithOne, SupersedeTrials);
    std::printf("    first render abandoned %.0f ms (median) after the second save; second shown"
                " %.0f ms (median) after it\n",
        Median(dialog.abandonAfter), Median(dialog.supersedeShown));
    std::printf(
        "    longest event-loop stall                      %6.0f ms while rendering, %.0f ms"
        " any time   (renders in %d preview thread(s))\n",
        dialog.supersedeStall.rendering, dialog.supersedeStall.any, dialog.renderThreads);
    if (panel.failed) {
        std::printf("Step 2: the chain's preview never showed\n");
        return 1;
    }
    std::printf("Step 2 panel\n");
    std::printf("  first filtered preview after show               %6.0f ms\n", panel.firstPreview);
    std::printf("  check box toggled to filtered view shown        %6.0f ms median, %.0f ms max"
                " of %lld   (%d ms of it the panel's pause)\n",
        Median(panel.fromToggle), Max(panel.fromToggle), qint64(panel.fromToggle.size()),
        AllPreviewsDelayMs);
    std::printf("  the panel's timer to filtered view shown        %6.0f ms median, %.0f ms max"
                "   (target <= 300)\n",
        Median(panel.fromTimer), Max(panel.fromTimer));
    std::printf(
        "  longest event-loop stall                        %6.0f ms while rendering, %.0f ms"
        " any time   (target <= 100)\n",
        panel.stall.rendering, panel.stall.any);
    if (panel.clicksMissed > 0)
        std::printf(
            "  (%d clicks missed the check box; set through the item)\n", panel.clicksMissed);
    std::printf("Render steps one at a time (GUI thread, nothing else running)\n");
    std::printf("  decode %.0f ms, rebuild from the preview cache %.0f ms, scale to a 480 px view"
                " %.0f ms, free the full-size photo %.0f ms\n",
        steps.decode, steps.rebuild, steps.scaleToView, steps.release);
    const QList<SFilterRecord> chain = Chain();
    QString stepLine;
    for (int step = 0; step < steps.filters.size(); ++step) {
        stepLine += QStringLiteral("%1%2 %3 ms")
                        .arg(step == 0 ? QString() : QStringLiteral(", "), chain.at(step).name)
                        .arg(steps.filters.at(step), 0, 'f', 0);
    }
    std::printf("  %s\n", qPrintable(stepLine));
    return 0;
}
