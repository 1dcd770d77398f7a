#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterRecord.h"
#include "FilterSlots.h"
#include "UserProfile.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>

namespace {

constexpr int WaitMs = 20000;

// A preview of 200 x 150 with its own image label, as a host form would give it.
struct SPreview
{
    SPreview()
    {
        widget.resize(200, 150);
        label = new QLabel;
        widget.setWidget(label);
        widget.imageLabel = label;
    }
    bool WaitShown()
    {
        return QTest::qWaitFor([this]() { return !widget.IsLoading(); }, WaitMs)
            && widget.imageLoaded;
    }
    QColor CentreColour() const
    {
        const QImage shown = label->pixmap().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }
    bool ShowsPlaceholder() const
    {
        return label->pixmap().cacheKey() == widget.PlaceholderPixmap().cacheKey();
    }
    CControlImage widget;
    QLabel *label;
};

bool Near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12
        && qAbs(a.blue() - b.blue()) < 12;
}

SFilterRecord Record(qint32 id)
{
    SFilterRecord record;
    record.id = id;
    record.name = QStringLiteral("Filter %1").arg(id);
    record.active = true;
    return record;
}

SFilterRecord Rotate(double angle)
{
    SFilterRecord record = Record(FilterId::Rotate);
    record.numberCount = RotateSlot::NumberCount;
    record.numbers[RotateSlot::Angle] = angle;
    return record;
}

// An interactive preview with an overlay label over its viewport, as the filter settings use it.
struct SInteractive : SPreview
{
    explicit SInteractive(const SFilterRecord &record)
    {
        overlay = new QLabel(widget.viewport());
        widget.overlayLabel = overlay;
        widget.interactiveMode = true;
        widget.AddFilters({ record });
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QWidget *viewport = widget.viewport();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(
            type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    // Presses at `from` and moves in small steps to `to`, as a hand would.
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        const QPoint delta = to - from;
        const int steps = std::max(1, delta.manhattanLength() / 5);
        for (int step = 1; step <= steps; ++step)
            Mouse(QEvent::MouseMove, from + delta * step / steps, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    QLabel *overlay;
};

SFilterRecord Comment(const QString &text)
{
    SFilterRecord record = Record(FilterId::Comment);
    record.numberCount = CommentSlot::NumberCount;
    const double values[] = { 0, 0, 0, 40, 4294967295.0, 0, 1, 0, 0, 0, 0 };
    std::copy(std::begin(values), std::end(values), record.numbers.begin());
    record.textCount = CommentSlot::TextCount;
    record.texts[CommentSlot::Text] = text;
    record.texts[CommentSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    return record;
}

SFilterRecord Crop(double left, double top, double width, double height, bool percent)
{
    SFilterRecord record = Record(FilterId::Crop);
    record.numberCount = CropSlot::NumberCount;
    record.numbers[CropSlot::Left] = left;
    record.numbers[CropSlot::Top] = top;
    record.numbers[CropSlot::Width] = width;
    record.numbers[CropSlot::Height] = height;
    record.numbers[CropSlot::Unit] = percent ? 1 : 0;
    return record;
}

} // namespace

class TestControlImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void photoStartsFittedAtOrigin();
    void zoomStepsStopAtActualSizeAndFit();
    void smallPhotoIsNotEnlargedByZoomIn();
    void panMovesWithinThePhotoAndWheelNeverZooms();
    void samePhotoKeepsViewOtherPhotoRefits();
    void rotateRefitsToTheRotatedSize();
    void interactiveLockIgnoresZoom();
    void zoomWaitsForALoadingTwin();
    void clearShowsThePlaceholder();
    void badInputShowsThePlaceholder_data();
    void badInputShowsThePlaceholder();
    void failingFilterShowsThePlaceholder();
    void restartedPreviewShowsOnlyTheNewest();
    void burstOfRestartsEndsOnTheLast();
    void destroyingWhileRenderingIsSafe();

    void cropOverlayIsDraggedFlushAgainstTheEdge();
    void hitRegionsFollowTheFilter();
    void commentDraggedToTheCentreIsAnchoredThere();
    void draggedTextKeepsItsOffsetsInItsUnit_data();
    void draggedTextKeepsItsOffsetsInItsUnit();
    void resizeOverlayNeverEnlargesBeyondThePhoto();
    void rotatingThroughZeroWraps();

private:
    QString Photo(const QString &name, int width, int height, const QColor &colour);

    QTemporaryDir root;
    QString landscape; // 800 x 600, red
    QString other; // 800 x 600, blue
    QString large; // 3000 x 2000, green: renders long enough to be interrupted
};

void TestControlImage::initTestCase()
{
    QVERIFY(root.isValid());
    landscape = Photo(QStringLiteral("landscape.jpg"), 800, 600, QColor(200, 30, 30));
    other = Photo(QStringLiteral("other.jpg"), 800, 600, QColor(30, 30, 200));
    large = Photo(QStringLiteral("large.jpg"), 3000, 2000, QColor(30, 180, 30));
    QVERIFY(!landscape.isEmpty() && !other.isEmpty() && !large.isEmpty());
}

QString TestControlImage::Photo(const QString &name, int width, int height, const QColor &colour)
{
    QImage photo(width, height, QImage::Format_RGB32);
    photo.fill(colour);
    const QString path = root.filePath(name);
    return photo.save(path, "JPEG", 95) ? path : QString();
}

void TestControlImage::photoStartsFittedAtOrigin()
{
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.widget.IsLoading());
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.widget.FitZoom(), 25.0);
    QCOMPARE(preview.widget.Zoom(), 25.0);
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(0, 0));
    QCOMPARE(preview.label->pixmap().size(), QSize(200, 150));
    QVERIFY(Near(preview.CentreColour(), QColor(200, 30, 30)));
    QCOMPARE(percent.count(), 1);
    QCOMPARE(percent.at(0).at(0).toInt(), 25);
    QCOMPARE(preview.widget.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(preview.widget.previewPath, landscape);
}

void TestControlImage::zoomStepsStopAtActualSizeAndFit()
{
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());

    const auto step = [&](void (CControlImage::*zoomOperation)(), int expected) {
        const int before = percent.count();
        (preview.widget.*zoomOperation)();
        QVERIFY(percent.wait(WaitMs) || percent.count() > before);
        QCOMPARE(percent.last().at(0).toInt(), expected);
    };
    step(&CControlImage::ZoomIn, 38); // 37.5 rounds half up
    QCOMPARE(preview.widget.cursor().shape(), Qt::OpenHandCursor);
    step(&CControlImage::ZoomIn, 56);
    step(&CControlImage::ZoomIn, 84);
    step(&CControlImage::ZoomIn, 100); // capped at actual size
    QCOMPARE(preview.widget.ImageResized().image.columns(), size_t(800));
    // The centre of the photo stays in the middle of the view (steps round by a pixel).
    QVERIFY((preview.widget.ViewOrigin() - QPoint(300, 225)).manhattanLength() <= 2);

    const int count = percent.count();
    preview.widget.ZoomIn();
    QTest::qWait(200);
    QCOMPARE(percent.count(), count);
    QCOMPARE(preview.widget.Zoom(), 100.0);

    step(&CControlImage::ZoomOut, 67);
    step(&CControlImage::ZoomToFit, 25);
    QCOMPARE(preview.widget.cursor().shape(), Qt::ArrowCursor);
    preview.widget.ZoomOut(); // already fitted
    QTest::qWait(200);
    QCOMPARE(preview.widget.Zoom(), 25.0);
    step(&CControlImage::ZoomActualSize, 100);
    QCOMPARE(preview.label->pixmap().size(), QSize(200, 150));
}

void TestControlImage::smallPhotoIsNotEnlargedByZoomIn()
{
    const QString small = Photo(QStringLiteral("small.jpg"), 100, 50, QColor(90, 90, 90));
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(small));
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.widget.FitZoom(), 200.0);
    preview.widget.ZoomIn();
    QTest::qWait(200);
    QCOMPARE(preview.widget.Zoom(), 200.0);
    preview.widget.ZoomActualSize();
    QVERIFY(percent.wait(WaitMs));
    QCOMPARE(percent.last().at(0).toInt(), 100);
    QCOMPARE(preview.label->pixmap().size(), QSize(100, 50));
    QCOMPARE(preview.widget.cursor().shape(), Qt::ArrowCursor);
}

void TestControlImage::panMovesWithinThePhotoAndWheelNeverZooms()
{
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    preview.widget.ZoomActualSize();
    QVERIFY(percent.wait(WaitMs));
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(300, 225));

    QWidget *viewport = preview.widget.viewport();
    const auto send = [viewport](QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
        QMouseEvent event(
            type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(preview.widget.cursor().shape(), Qt::ClosedHandCursor);
    send(QEvent::MouseMove, QPoint(130, 90), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(270, 235));
    // Far beyond the edge: kept inside the photo.
    send(QEvent::MouseMove, QPoint(1500, 1500), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(0, 0));
    send(QEvent::MouseButtonRelease, QPoint(1500, 1500), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(preview.widget.cursor().shape(), Qt::OpenHandCursor);

    QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
        QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QTest::qWait(200);
    QCOMPARE(preview.widget.Zoom(), 100.0);
}

void TestControlImage::samePhotoKeepsViewOtherPhotoRefits()
{
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    preview.widget.ZoomActualSize();
    QVERIFY(percent.wait(WaitMs));

    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.widget.Zoom(), 100.0);
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(300, 225));

    QVERIFY(preview.widget.StartPreview(other));
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.widget.Zoom(), 25.0);
    QCOMPARE(preview.widget.ViewOrigin(), QPoint(0, 0));
}

void TestControlImage::rotateRefitsToTheRotatedSize()
{
    SPreview preview;
    preview.widget.AddFilters({ Rotate(90) });
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    // 600 x 800 after the turn: the height decides.
    QCOMPARE(preview.widget.Zoom(), 18.75);
    QCOMPARE(preview.widget.FitZoom(), 18.75);
    QCOMPARE(preview.widget.ImageResized().image.rows(), size_t(150));
}

void TestControlImage::interactiveLockIgnoresZoom()
{
    SPreview preview;
    preview.widget.interactiveMode = true;
    preview.widget.AddFilters({ Crop(10, 10, 0, 0, false) });
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    // The photo itself is shown; the crop is not applied under the lock.
    QCOMPARE(preview.label->pixmap().size(), QSize(200, 150));
    for (void (CControlImage::*operation)() : { &CControlImage::ZoomIn,
             &CControlImage::ZoomActualSize, &CControlImage::ZoomOut, &CControlImage::ZoomToFit })
        (preview.widget.*operation)();
    QTest::qWait(200);
    QCOMPARE(preview.widget.Zoom(), 25.0);
}

void TestControlImage::zoomWaitsForALoadingTwin()
{
    SPreview first;
    SPreview second;
    first.widget.twinPreview = &second.widget;
    QVERIFY(first.widget.StartPreview(landscape));
    QVERIFY(first.WaitShown());
    QVERIFY(second.widget.StartPreview(large));
    first.widget.ZoomIn();
    QCOMPARE(first.widget.Zoom(), 25.0);
    QVERIFY(second.WaitShown());
    QCOMPARE(second.widget.Zoom(), 200.0 * 100.0 / 3000.0);
    QCOMPARE(first.widget.Zoom(), 25.0);
}

void TestControlImage::clearShowsThePlaceholder()
{
    SPreview preview;
    QVERIFY(!preview.widget.PlaceholderPixmap().isNull());
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    preview.widget.Clear();
    QVERIFY(preview.ShowsPlaceholder());
    QVERIFY(!preview.widget.imageLoaded);
    QVERIFY(preview.widget.previewPath.isEmpty());
    QVERIFY(!preview.widget.UpdateView());
    // Zooming an empty preview does nothing.
    preview.widget.ZoomActualSize();
    QCOMPARE(preview.widget.Zoom(), 25.0);
}

void TestControlImage::badInputShowsThePlaceholder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("started");

    QTest::newRow("missing") << "missing.jpg" << QByteArray() << false;
    QTest::newRow("corrupt") << "corrupt.jpg" << QByteArray(5000, '\x5a') << true;
    QTest::newRow("truncated") << "truncated.jpg" << QByteArray("\xff\xd8\xff\xe0") << true;
    QTest::newRow("unknown type") << "notes.xyz" << QByteArray("hello") << true;
}

void TestControlImage::badInputShowsThePlaceholder()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, started);
    const QString path = root.filePath(name);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    SPreview preview;
    // A good photo first: it must not stay on screen for the bad one.
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.widget.StartPreview(path), started);
    QVERIFY(QTest::qWaitFor([&]() { return !preview.widget.IsLoading(); }, WaitMs));
    QVERIFY(!preview.widget.imageLoaded);
    QVERIFY(preview.ShowsPlaceholder());
    // Still usable afterwards.
    QVERIFY(preview.widget.StartPreview(other));
    QVERIFY(preview.WaitShown());
    QVERIFY(Near(preview.CentreColour(), QColor(30, 30, 200)));
}

void TestControlImage::failingFilterShowsThePlaceholder()
{
    SPreview preview;
    preview.widget.AddFilters({ Record(9999) });
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(QTest::qWaitFor([&]() { return !preview.widget.IsLoading(); }, WaitMs));
    QVERIFY(!preview.widget.imageLoaded);
    QVERIFY(preview.ShowsPlaceholder());
}

void TestControlImage::restartedPreviewShowsOnlyTheNewest()
{
    SPreview preview;
    QSignalSpy percent(&preview.widget, &CControlImage::UpdateZoomPercent);
    QVERIFY(preview.widget.StartPreview(large));
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    QTest::qWait(300); // nothing of the first request may follow
    QCOMPARE(percent.count(), 1);
    QCOMPARE(preview.widget.previewPath, landscape);
    QVERIFY(Near(preview.CentreColour(), QColor(200, 30, 30)));
}

void TestControlImage::burstOfRestartsEndsOnTheLast()
{
    SPreview preview;
    // More than three renders aborted within a second: the last request is still served.
    for (int round = 0; round < 7; ++round) {
        QVERIFY(preview.widget.StartPreview(round % 2 == 0 ? large : other));
        QTest::qWait(60);
    }
    QVERIFY(preview.WaitShown());
    QTest::qWait(300);
    QCOMPARE(preview.widget.previewPath, large);
    QVERIFY(Near(preview.CentreColour(), QColor(30, 180, 30)));
}

void TestControlImage::destroyingWhileRenderingIsSafe()
{
    for (int delay : { 0, 60, 120 }) {
        // A photo not in the decode cache, so the thread is busy decoding.
        const QString fresh = Photo(QStringLiteral("fresh%1.jpg").arg(delay), 3000, 2000, Qt::gray);
        auto preview = std::make_unique<SPreview>();
        QVERIFY(preview->widget.StartPreview(fresh));
        QTest::qWait(delay);
        preview.reset();
    }
    QTest::qWait(200); // queued results for the destroyed previews go nowhere
}

void TestControlImage::cropOverlayIsDraggedFlushAgainstTheEdge()
{
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    SInteractive preview(Crop(10, 10, 50, 50, true));
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    QVERIFY(!preview.overlay->isHidden());
    QCOMPARE(preview.widget.DisplayScale(), 0.25);
    QCOMPARE(preview.overlay->geometry(), QRect(20, 15, 100, 75));

    SInteractive pixels(Crop(100, 100, 400, 300, false));
    QSignalSpy changed(&pixels.widget, &CControlImage::UpdateFilterInterface);
    QVERIFY(pixels.widget.StartPreview(landscape));
    QVERIFY(pixels.WaitShown());
    QCOMPARE(pixels.overlay->geometry(), QRect(25, 25, 100, 75));
    pixels.Drag(QPoint(60, 60), QPoint(260, 60)); // far past the right edge
    QCOMPARE(pixels.overlay->geometry().topLeft(), QPoint(100, 25));
    QVERIFY(!changed.isEmpty());
    const SFilterRecord record = changed.last().at(0).value<SFilterRecord>();
    QCOMPARE(record.numbers[CropSlot::Left], 400.0); // photo width - crop width
    QCOMPARE(record.numbers[CropSlot::Top], 100.0);
    QCOMPARE(pixels.widget.Filters().first(), record);

    // The right handle stops at the photo's edge.
    pixels.Drag(QPoint(195, 60), QPoint(260, 60));
    QCOMPARE(changed.last().at(0).value<SFilterRecord>().numbers[CropSlot::Width], 400.0);
    // Zoom stays locked on the single interactive step.
    pixels.widget.ZoomActualSize();
    QCOMPARE(pixels.widget.Zoom(), 25.0);
}

void TestControlImage::hitRegionsFollowTheFilter()
{
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    SInteractive crop(Crop(100, 100, 400, 300, false));
    QVERIFY(crop.widget.StartPreview(landscape));
    QVERIFY(crop.WaitShown());
    // The overlay spans (25, 25) to (125, 100).
    QCOMPARE(crop.widget.HitTest(30, 60), int(CControlImage::RegionLeft));
    QCOMPARE(crop.widget.HitTest(120, 60), int(CControlImage::RegionRight));
    QCOMPARE(crop.widget.HitTest(70, 30), int(CControlImage::RegionTop));
    QCOMPARE(crop.widget.HitTest(120, 95), int(CControlImage::RegionBottomRight));
    QCOMPARE(crop.widget.HitTest(15, 15), int(CControlImage::RegionRotate));
    QCOMPARE(crop.widget.HitTest(70, 60), int(CControlImage::RegionInside));
    QCOMPARE(crop.widget.HitTest(190, 140), int(CControlImage::RegionOutside));
    QCOMPARE(crop.widget.HitTest(25, 60), int(CControlImage::RegionOutside)); // strict bounds

    // A comment has no edge handles: its edge bands are inside.
    SInteractive comment(Comment(QStringLiteral("Quendrasil")));
    QVERIFY(comment.widget.StartPreview(landscape));
    QVERIFY(comment.WaitShown());
    const QRect label = comment.overlay->geometry();
    QVERIFY2(label.width() > 30 && label.height() > 12,
        qPrintable(QStringLiteral("%1x%2").arg(label.width()).arg(label.height())));
    QCOMPARE(comment.widget.HitTest(label.left() + 5, label.center().y()),
        int(CControlImage::RegionInside));
    QCOMPARE(comment.widget.HitTest(label.left() + 5, label.top() + 5),
        int(CControlImage::RegionTopLeft));
    // A press outside the overlay fades its corner marks.
    QCOMPARE(qAlpha(comment.overlay->pixmap().toImage().pixel(1, 1)), 200);
    comment.Mouse(QEvent::MouseButtonPress, QPoint(190, 140), Qt::LeftButton);
    QCOMPARE(qAlpha(comment.overlay->pixmap().toImage().pixel(1, 1)), 0);
}

void TestControlImage::commentDraggedToTheCentreIsAnchoredThere()
{
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    SInteractive preview(Comment(QStringLiteral("Quendrasil")));
    QSignalSpy changed(&preview.widget, &CControlImage::UpdateFilterInterface);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    const QRect label = preview.overlay->geometry();
    const QPoint target(100 - label.width() / 2, 75 - label.height() / 2);
    const QPoint press = label.center();
    preview.Drag(press, press + target - label.topLeft());
    QCOMPARE(preview.overlay->geometry().topLeft(), target);
    const SFilterRecord record = changed.last().at(0).value<SFilterRecord>();
    QCOMPARE(record.numbers[CommentSlot::Placement], 4.0);
    QCOMPARE(record.numbers[CommentSlot::DeltaX], 0.0);
    QCOMPARE(record.numbers[CommentSlot::DeltaY], 0.0);

    const CControlImage::SAnchor corner = preview.widget.ComputeAnchor(0, 0, 40, 20);
    QCOMPARE(corner.anchor, 0);
    QCOMPARE(corner.offsetX, 0.0);
    const CControlImage::SAnchor right = preview.widget.ComputeAnchor(150, 120, 40, 20);
    QCOMPARE(right.anchor, 8);
    QCOMPARE(right.offsetX, 5.0); // (200 - 150 - 40) of 200
    QCOMPARE(right.offsetY, 10.0 / 1.5);
}

void TestControlImage::draggedTextKeepsItsOffsetsInItsUnit_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<double>("deltaX");
    QTest::addColumn<double>("deltaY");

    // Dropped 20 and 10 display pixels from the top left of a 200 x 150 view of 800 x 600.
    // A short text: a wide label would leave the left column's band.
    QTest::newRow("comment: percent") << Comment(QStringLiteral("Q")) << 10.0 << 10.0 / 1.5;
    SFilterRecord watermark = Record(FilterId::WatermarkText);
    watermark.numberCount = WatermarkTextSlot::NumberCount;
    const double values[] = { 4, 0, 0, 40, 4294967295.0, 0, 0, 0, 0, 0, 0, 0 };
    std::copy(std::begin(values), std::end(values), watermark.numbers.begin());
    watermark.textCount = WatermarkTextSlot::TextCount;
    watermark.texts[WatermarkTextSlot::Text] = QStringLiteral("Q");
    watermark.texts[WatermarkTextSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    QTest::newRow("watermark text: photo pixels") << watermark << 80.0 << 40.0;
}

void TestControlImage::draggedTextKeepsItsOffsetsInItsUnit()
{
    QFETCH(SFilterRecord, record);
    QFETCH(double, deltaX);
    QFETCH(double, deltaY);
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    SInteractive preview(record);
    QSignalSpy changed(&preview.widget, &CControlImage::UpdateFilterInterface);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    const QRect label = preview.overlay->geometry();
    const QPoint target = preview.widget.ImageOffset() + QPoint(20, 10);
    const QPoint press = label.center();
    preview.Drag(press, press + target - label.topLeft());
    QVERIFY(!changed.isEmpty());
    // Placement, then the two offsets, in both filters' records.
    const SFilterRecord dropped = changed.last().at(0).value<SFilterRecord>();
    QCOMPARE(dropped.numbers[0], 0.0);
    QCOMPARE(dropped.numbers[1], deltaX);
    QCOMPARE(dropped.numbers[2], deltaY);
}

void TestControlImage::resizeOverlayNeverEnlargesBeyondThePhoto()
{
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    // Pixels, width and height, no aspect lock.
    SFilterRecord record = Record(FilterId::Resize);
    record.numberCount = ResizeSlot::NumberCount;
    record.numbers[ResizeSlot::Width] = 780;
    record.numbers[ResizeSlot::Height] = 580;
    SInteractive preview(record);
    QSignalSpy changed(&preview.widget, &CControlImage::UpdateFilterInterface);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    QCOMPARE(preview.overlay->geometry(), QRect(3, 3, 195, 145));
    // Edge handles in this mode; the bottom-right corner grows both sides.
    QCOMPARE(preview.widget.HitTest(8, 70), int(CControlImage::RegionLeft));
    preview.Mouse(QEvent::MouseButtonPress, QPoint(193, 143), Qt::LeftButton);
    for (const QPoint &at : { QPoint(196, 146), QPoint(198, 148), QPoint(199, 149) })
        preview.Mouse(QEvent::MouseMove, at, Qt::LeftButton);
    preview.Mouse(QEvent::MouseButtonRelease, QPoint(199, 149), Qt::NoButton);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).at(0).value<SFilterRecord>().numbers[ResizeSlot::Width], 792.0);
    const SFilterRecord last = changed.last().at(0).value<SFilterRecord>();
    QCOMPARE(last.numbers[ResizeSlot::Width], 800.0);
    QCOMPARE(last.numbers[ResizeSlot::Height], 600.0);
    QCOMPARE(preview.overlay->geometry(), QRect(0, 0, 200, 150));
}

void TestControlImage::rotatingThroughZeroWraps()
{
    CUserProfile::instance()->CurrentPhotoPath = landscape;
    SFilterRecord record = Record(FilterId::WatermarkText);
    record.numberCount = WatermarkTextSlot::NumberCount;
    const double values[] = { 4, 0, 0, 40, 4294967295.0, 0, 0, 0, 0, 0, 0, 0 };
    std::copy(std::begin(values), std::end(values), record.numbers.begin());
    record.textCount = WatermarkTextSlot::TextCount;
    record.texts[WatermarkTextSlot::Text] = QStringLiteral("Quendrasil");
    record.texts[WatermarkTextSlot::FontFamily] = QStringLiteral("DejaVu Sans");
    SInteractive preview(record);
    QSignalSpy changed(&preview.widget, &CControlImage::UpdateFilterInterface);
    QVERIFY(preview.widget.StartPreview(landscape));
    QVERIFY(preview.WaitShown());
    const QRect label = preview.overlay->geometry();
    const QPoint outside = label.bottomRight() + QPoint(10, 10);
    QCOMPARE(preview.widget.HitTest(outside.x(), outside.y()), int(CControlImage::RegionRotate));
    // Up along the right side: the angle falls below 0 and wraps.
    preview.Mouse(QEvent::MouseButtonPress, outside, Qt::LeftButton);
    preview.Mouse(QEvent::MouseMove, outside - QPoint(0, 8), Qt::LeftButton);
    QVERIFY(!changed.isEmpty());
    const double down
        = changed.last().at(0).value<SFilterRecord>().numbers[WatermarkTextSlot::Rotation];
    QVERIFY2(down > 300 && down < 360, qPrintable(QString::number(down)));
    // And back down again: past 359 it wraps to the small angles.
    preview.Mouse(QEvent::MouseMove, outside + QPoint(0, 8), Qt::LeftButton);
    const double up
        = changed.last().at(0).value<SFilterRecord>().numbers[WatermarkTextSlot::Rotation];
    QVERIFY2(up >= 0 && up < 60, qPrintable(QString::number(up)));
    preview.Mouse(QEvent::MouseButtonRelease, outside, Qt::NoButton);
}

QUENDRASIL_TEST_MAIN_WITH(TestControlImage, QApplication, InitializeImageEngine)
#include "tst_controlimage.moc"
