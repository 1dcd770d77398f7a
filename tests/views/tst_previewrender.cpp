#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ControlImageThread.h"
#include "FilterIds.h"
#include "FilterRecord.h"
#include "FilterSlots.h"
#include "ImageManager.h"

#include <QImage>
#include <QTemporaryDir>

#include <Magick++.h>

namespace {

SFilterRecord Step(int id, int count, const QList<QPair<int, double>> &values)
{
    SFilterRecord record;
    record.id = id;
    record.active = true;
    record.numberCount = count;
    for (const auto &[slot, value] : values)
        record.numbers[slot] = value;
    return record;
}

QList<SFilterRecord> Chain()
{
    return {
        Step(FilterId::Resize, ResizeSlot::NumberCount,
            { { ResizeSlot::Width, 300 }, { ResizeSlot::Height, 200 },
                { ResizeSlot::KeepAspect, 1 } }),
        Step(FilterId::Sharpen, SharpenSlot::NumberCount, { { SharpenSlot::Amount, 40 } }),
        Step(FilterId::Brightness, BrightnessSlot::NumberCount,
            { { BrightnessSlot::Lightness, 10 } }),
        Step(FilterId::SimpleBorder, SimpleBorderSlot::NumberCount,
            { { SimpleBorderSlot::Top, 8 }, { SimpleBorderSlot::Color, double(0xFFFFFFFFu) },
                { SimpleBorderSlot::Uniform, 1 } }),
    };
}

// One render thread and the results it publishes, counted on this thread.
struct SRenderer
{
    SRenderer()
    {
        QObject::connect(&thread, &CControlImageThread::Show, &receiver, [this] { ++shown; });
        QObject::connect(
            &thread, &CControlImageThread::RenderFailed, &receiver, [this] { ++failed; });
        thread.start();
    }
    ~SRenderer()
    {
        thread.Stop();
        thread.wait();
    }
    // The full-size filtered picture's signature, or "" when no render came.
    QString Render(const QString &photo, const QList<SFilterRecord> &filters)
    {
        CControlImageThread::SResult result;
        if (!RenderResult(photo, filters, result))
            return QString();
        return QString::fromStdString(result.imageFiltered.image.signature());
    }
    bool RenderResult(const QString &photo, const QList<SFilterRecord> &filters,
        CControlImageThread::SResult &result)
    {
        CControlImageThread::SRequest request;
        request.path = photo;
        request.filters = filters;
        request.viewSize = QSize(200, 150);
        return RenderRequest(request, result);
    }
    bool RenderRequest(
        const CControlImageThread::SRequest &request, CControlImageThread::SResult &result)
    {
        const int before = shown + failed;
        thread.RequestPreview(request);
        return Taken(before, result);
    }
    bool Taken(int before, CControlImageThread::SResult &result)
    {
        return QTest::qWaitFor([&] { return shown + failed > before; }, EventTimeoutMs)
            && thread.TakeResult(result);
    }

    CControlImageThread thread;
    QObject receiver;
    int shown = 0;
    int failed = 0;
};

// The mean difference of two pictures of one size, 0 to 1.
double MeanDifference(const Magick::Image &left, const Magick::Image &right)
{
    double difference = 0;
    for (size_t y = 0; y < left.rows(); ++y) {
        for (size_t x = 0; x < left.columns(); ++x) {
            const Magick::ColorRGB a = left.pixelColor(ssize_t(x), ssize_t(y));
            const Magick::ColorRGB b = right.pixelColor(ssize_t(x), ssize_t(y));
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
                + std::abs(a.blue() - b.blue());
        }
    }
    return difference / (3.0 * double(left.columns() * left.rows()));
}

} // namespace

// A preview renders a changed chain from the result before the first changed step, and the
// picture is the one a render from the photo gives.
class TestPreviewRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void changedChainRendersFromTheStepBefore_data();
    void changedChainRendersFromTheStepBefore();
    void maskWithoutFileShowsThePhoto();
    void viewPictureIsTheFullSizeRenderScaled();
    void drawnAtTheSizeShownIsTheFullSizePictureScaled_data();
    void drawnAtTheSizeShownIsTheFullSizePictureScaled();

private:
    QTemporaryDir root;
    QString photo;
    QString other;
};

void TestPreviewRender::initTestCase()
{
    QVERIFY(root.isValid());
    for (const auto &[name, colour] : { std::pair { "a.jpg", QColor(200, 60, 30) },
             std::pair { "b.jpg", QColor(30, 60, 200) } }) {
        QImage image(900, 600, QImage::Format_RGB32);
        image.fill(colour);
        for (int x = 0; x < 900; x += 30) // edges for the sharpening to find
            for (int y = 0; y < 600; ++y)
                image.setPixel(x, y, qRgb(250, 250, 250));
        QVERIFY(image.save(root.filePath(QLatin1String(name)), "JPEG", 95));
    }
    photo = root.filePath(QStringLiteral("a.jpg"));
    other = root.filePath(QStringLiteral("b.jpg"));
}

void TestPreviewRender::changedChainRendersFromTheStepBefore_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("stepsRun");
    QTest::addColumn<bool>("shownAgain"); // the picture already shown, nothing scaled
    QTest::newRow("nothing") << "none" << 0 << true;
    QTest::newRow("the last step's value") << "last" << 1 << false;
    QTest::newRow("the second step's value") << "second" << 3 << false;
    QTest::newRow("the third step switched off") << "off" << 1 << false;
    QTest::newRow("the last step switched off") << "last off" << 0 << false;
    QTest::newRow("a step added at the end") << "added" << 1 << false;
    QTest::newRow("another photo") << "photo" << 4 << false;
}

void TestPreviewRender::changedChainRendersFromTheStepBefore()
{
    QFETCH(QString, change);
    QFETCH(int, stepsRun);
    QFETCH(bool, shownAgain);
    SRenderer renderer;
    QVERIFY(!renderer.Render(photo, Chain()).isEmpty());
    const int applied = renderer.thread.AppliedFilterCount();
    QCOMPARE(applied, Chain().size());

    QList<SFilterRecord> changed = Chain();
    QString path = photo;
    if (change == QLatin1String("last"))
        changed[3].numbers[SimpleBorderSlot::Top] = 12;
    else if (change == QLatin1String("second"))
        changed[1].numbers[SharpenSlot::Amount] = 80;
    else if (change == QLatin1String("off"))
        changed[2].active = false;
    else if (change == QLatin1String("last off"))
        changed[3].active = false;
    else if (change == QLatin1String("added"))
        changed.append(Step(FilterId::Brightness, BrightnessSlot::NumberCount,
            { { BrightnessSlot::Lightness, -20 } }));
    else if (change == QLatin1String("photo"))
        path = other;
    const QString resumed = renderer.Render(path, changed);
    QVERIFY(!resumed.isEmpty());
    QCOMPARE(renderer.thread.AppliedFilterCount() - applied, stepsRun);
    QCOMPARE(renderer.thread.ShownAgainCount(), shownAgain ? 1 : 0);

    SRenderer fresh;
    QCOMPARE(resumed, fresh.Render(path, changed));
}

void TestPreviewRender::maskWithoutFileShowsThePhoto()
{
    const SFilterRecord mask = Step(FilterId::WatermarkMask, WatermarkMaskSlot::NumberCount,
        { { WatermarkMaskSlot::RotateForPortrait, 1 }, { WatermarkMaskSlot::Transparency, 50 } });
    SRenderer renderer;
    const QString shown = renderer.Render(photo, { mask });
    QCOMPARE(renderer.failed, 0);
    SRenderer plain;
    QCOMPARE(shown, plain.Render(photo, {}));
}

// A chain with a Resize is shown on the darkened photo; the view's picture, built from parts
// scaled apart, is the full-size picture scaled.
void TestPreviewRender::viewPictureIsTheFullSizeRenderScaled()
{
    SRenderer renderer;
    CControlImageThread::SResult result;
    QVERIFY(renderer.RenderResult(photo, Chain(), result));
    CImageManager scaled;
    scaled.SetImage(result.imageFiltered.image);
    QVERIFY(scaled.Scale(result.zoom));
    const Magick::Image &view = result.imageResized.image;
    QCOMPARE(view.columns(), scaled.image.columns());
    QCOMPARE(view.rows(), scaled.image.rows());
    const double mean = MeanDifference(view, scaled.image);
    QVERIFY2(mean < 0.01, qPrintable(QString::number(mean)));
}

void TestPreviewRender::drawnAtTheSizeShownIsTheFullSizePictureScaled_data()
{
    QTest::addColumn<QString>("chain");
    QTest::addColumn<bool>("drawn"); // else rendered at full size as before
    QTest::newRow("pixel sizes and a text") << "pixels" << true;
    QTest::newRow("sizes in percent") << "percent" << true;
    QTest::newRow("colours and a flip") << "colours" << true;
    QTest::newRow("a crop") << "crop" << false;
    QTest::newRow("a border without a resize") << "border" << false;
    QTest::newRow("a border switched off") << "border off" << false; // the view fits to it
}

// Step 2 renders a chain whose filters draw alike at any size at the size shown: the same
// picture, zoom and place as the full-size render scaled. A zoom past the whole picture
// renders at full size.
void TestPreviewRender::drawnAtTheSizeShownIsTheFullSizePictureScaled()
{
    QFETCH(QString, chain);
    QFETCH(bool, drawn);
    QList<SFilterRecord> filters;
    if (chain == QLatin1String("pixels")) {
        filters = Chain();
        SFilterRecord text = Step(FilterId::WatermarkText, WatermarkTextSlot::NumberCount,
            { { WatermarkTextSlot::Placement, 8 }, { WatermarkTextSlot::DeltaX, 20 },
                { WatermarkTextSlot::DeltaY, 10 }, { WatermarkTextSlot::FontSize, 20 },
                { WatermarkTextSlot::TextColor, double(0xFFFFFFFFu) } });
        text.textCount = WatermarkTextSlot::TextCount;
        text.texts[WatermarkTextSlot::Text] = QStringLiteral("Quendrasil");
        text.texts[WatermarkTextSlot::FontFamily] = QStringLiteral("DejaVu Sans");
        filters.append(text);
    } else if (chain == QLatin1String("percent")) {
        filters = { Step(FilterId::Resize, ResizeSlot::NumberCount,
                        { { ResizeSlot::Width, 50 }, { ResizeSlot::Height, 50 },
                            { ResizeSlot::KeepAspect, 1 }, { ResizeSlot::Unit, 1 } }),
            Step(FilterId::SimpleBorder, SimpleBorderSlot::NumberCount,
                { { SimpleBorderSlot::Top, 5 }, { SimpleBorderSlot::Unit, 1 },
                    { SimpleBorderSlot::Uniform, 1 } }) };
    } else if (chain == QLatin1String("colours")) {
        filters = { Step(FilterId::Levels, LevelsSlot::NumberCount,
                        { { LevelsSlot::BlackPoint, 20 }, { LevelsSlot::MiddleGamma, 50 } }),
            Step(FilterId::Flip, FlipSlot::NumberCount, { { FlipSlot::Horizontal, 1 } }),
            Step(FilterId::Brightness, BrightnessSlot::NumberCount,
                { { BrightnessSlot::Lightness, 30 } }) };
    } else if (chain == QLatin1String("crop")) {
        filters = { Step(FilterId::Crop, CropSlot::NumberCount,
            { { CropSlot::Left, 100 }, { CropSlot::Top, 100 }, { CropSlot::Width, 400 },
                { CropSlot::Height, 300 } }) };
    } else if (chain == QLatin1String("border off")) {
        filters = { Chain().at(2), Chain().at(3) };
        filters[1].active = false;
    } else {
        filters = { Chain().at(3) };
    }

    CControlImageThread::SRequest request;
    request.path = photo;
    request.filters = filters;
    request.viewSize = QSize(200, 150);
    request.fitZoom = request.zoomTarget = 200 * 100.0 / 900;
    SRenderer full;
    CControlImageThread::SResult expected;
    QVERIFY(full.RenderRequest(request, expected));
    request.drawAtViewSize = true;
    SRenderer renderer;
    CControlImageThread::SResult result;
    QVERIFY(renderer.RenderRequest(request, result));
    QCOMPARE(renderer.thread.ViewSizeRenderCount(), drawn ? 1 : 0);
    QCOMPARE(result.zoom, expected.zoom);
    QCOMPARE(result.viewOrigin, expected.viewOrigin);
    const Magick::Image &view = result.imageResized.image;
    QCOMPARE(view.columns(), expected.imageResized.image.columns());
    QCOMPARE(view.rows(), expected.imageResized.image.rows());
    const double mean = MeanDifference(view, expected.imageResized.image);
    QVERIFY2(mean < 0.02, qPrintable(QString::number(mean)));

    // Zoomed in to full size: the picture shown is cut from the full-size render.
    const int before = renderer.shown + renderer.failed;
    renderer.thread.RequestZoom(100, request.fitZoom, QPoint(0, 0), request.viewSize,
        QSize(int(view.columns()), int(view.rows())));
    QVERIFY(renderer.Taken(before, result));
    QCOMPARE(result.zoom, 100.0);
    QCOMPARE(result.imageFiltered.image.columns(), expected.imageFiltered.image.columns());
    QCOMPARE(result.imageFiltered.image.rows(), expected.imageFiltered.image.rows());
    QCOMPARE(result.imageResized.image.columns(), expected.imageFiltered.image.columns());
    QCOMPARE(renderer.thread.ViewSizeRenderCount(), drawn ? 1 : 0);
}

QUENDRASIL_TEST_MAIN_WITH(TestPreviewRender, QApplication, InitializeImageEngine)
#include "tst_previewrender.moc"
