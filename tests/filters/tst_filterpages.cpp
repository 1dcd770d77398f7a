#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ColorPicker.h"
#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "UserProfile.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

using Numbers = QList<double>;
using Slots = QList<int>;

constexpr int CropId = FilterId::Crop;
constexpr int FlipId = FilterId::Flip;
constexpr int ResizeId = FilterId::Resize;
constexpr int RotateId = FilterId::Rotate;

// Colours as records store them: every opaque colour lies above 2^31.
constexpr double White = 4294967295.0;
constexpr double Black = 4278190080.0;
constexpr double Lilac = 4290493439.0; // rgb(187, 187, 255), the Simple Border's own

SFilterRecord Record(int id, const Numbers &numbers)
{
    SFilterRecord record;
    record.id = id;
    record.numberCount = quint8(numbers.size());
    std::copy(numbers.begin(), numbers.end(), record.numbers.begin());
    return record;
}

Numbers NumbersOf(const SFilterRecord &record)
{
    return Numbers(record.numbers.begin(), record.numbers.begin() + record.numberCount);
}

Numbers Saved(CFilterPage &page)
{
    SFilterRecord record;
    page.Save(record);
    return NumbersOf(record);
}

template<typename T = QWidget> T *Child(const QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Picks an item the way the keyboard does, so that the page hears `activated`.
void Choose(QComboBox *combo, int index)
{
    for (int step = 0; step < combo->count() && combo->currentIndex() != index; ++step)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

void Type(QDoubleSpinBox *spin, const QString &text)
{
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}

} // namespace

class TestFilterPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void storedRecordComesBackFromThePage_data();
    void storedRecordComesBackFromThePage();
    void defaultsAreSavedAfterOpening_data();
    void defaultsAreSavedAfterOpening();
    void unitSwitchConvertsBothWays_data();
    void unitSwitchConvertsBothWays();
    void okWithoutPhotoKeepsTheStoredValues_data();
    void okWithoutPhotoKeepsTheStoredValues();
    void editsSaveOnceAfterThePause_data();
    void editsSaveOnceAfterThePause();

    void resizeSidesFollowEachOther_data();
    void resizeSidesFollowEachOther();
    void resizeReloadsSetTheWholeState();
    void rotateQuarterTurns_data();
    void rotateQuarterTurns();
    void boxesGreyOutWhatTheyOverride_data();
    void boxesGreyOutWhatTheyOverride();
    void frameListsShowEveryFrame_data();
    void frameListsShowEveryFrame();
    void colorButtonsSaveThePickedColor_data();
    void colorButtonsSaveThePickedColor();

    void dragInThePreviewIsOneUndoStep_data();
    void dragInThePreviewIsOneUndoStep();

private:
    // A page as the dialog builds it, on the named sample (empty: no photo).
    std::unique_ptr<CFilterPage> MakePage(int id, const QString &sample);
    QString Photo(QSize size);

    QTemporaryDir root;
    QMap<QString, QString> samples;
};

void TestFilterPages::initTestCase()
{
    QVERIFY(root.isValid());
    for (const QSize size : { QSize(3000, 2000), QSize(2000, 3000), QSize(1001, 1001),
             QSize(1000, 1000), QSize(800, 600) })
        samples[QStringLiteral("%1x%2").arg(size.width()).arg(size.height())] = Photo(size);
}

void TestFilterPages::init()
{
    // Slots connected by name must all find their signals.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
}

QString TestFilterPages::Photo(QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(QColor(180, 120, 60));
    const QString path
        = root.filePath(QStringLiteral("%1x%2.jpg").arg(size.width()).arg(size.height()));
    return photo.save(path, "JPEG", 90) ? path : QString();
}

std::unique_ptr<CFilterPage> TestFilterPages::MakePage(int id, const QString &sample)
{
    std::unique_ptr<CFilterPage> page(FilterPages::Create(id, nullptr));
    if (!page)
        qFatal("no page for %d", id);
    page->samplePhoto.pathName = samples.value(sample);
    page->ReadSampleImageInfo();
    return page;
}

void TestFilterPages::storedRecordComesBackFromThePage_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Numbers>("stored");
    QTest::addColumn<Numbers>("saved");
    const auto row
        = [](const char *name, int id, const char *sample, Numbers stored, Numbers saved) {
              QTest::newRow(name) << id << QString::fromLatin1(sample) << stored << saved;
          };
    const char *wide = "3000x2000";

    row("blank", FilterId::Equalize, "", {}, {});
    row("flip rounds half up", FlipId, "", { 0.5, 0.4 }, { 1, 0 });
    row("rotate: angle rounds, condition truncates", RotateId, "", { 89.5, 1.9 }, { 90, 1 });
    row("rotate: beyond a turn", RotateId, "", { 450, 0 }, { 90, 0 });
    row("rotate: negative", RotateId, "", { -90.4, 2 }, { 270, 2 });
    row("crop pixels", CropId, wide, { 450, 300, 2100, 1400, 0 }, { 450, 300, 2100, 1400, 0 });
    row("crop pixels round half up", CropId, wide, { 150.5, 2.5, 99.49, 1400, 0 },
        { 151, 3, 99, 1400, 0 });
    row("crop percents keep two decimals", CropId, wide, { 12.25, 10.004, 50.5, 70, 1 },
        { 12.25, 10, 50.5, 70, 1 });
    row("crop unit truncates", CropId, wide, { 10, 10, 50, 50, 1.9 }, { 10, 10, 50, 50, 1 });
    row("resize box", ResizeId, wide, { 2100, 1400, 1, 0, 0, 0 }, { 2100, 1400, 1, 0, 0, 0 });
    row("resize box fitted to a landscape", ResizeId, wide, { 800, 1200, 1, 0, 0, 0 },
        { 1200, 800, 1, 0, 0, 0 });
    row("resize box fitted to a portrait", ResizeId, "2000x3000", { 800, 1200, 1, 0, 0, 0 },
        { 800, 1200, 1, 0, 0, 0 });
    row("resize free sides are not fitted", ResizeId, wide, { 800, 1200, 0, 0, 0, 0 },
        { 800, 1200, 0, 0, 0, 0 });
    row("resize percents keep two decimals", ResizeId, wide, { 50.25, 33.333, 1, 0, 1, 0 },
        { 50.25, 33.33, 1, 0, 1, 0 });
    row("resize rounds half up", ResizeId, wide, { 1000.5, 700.4, 0.6, 1.4, 0.4, 0.5 },
        { 1001, 700, 1, 1, 0, 1 });
    row("resize within ten times the sample", ResizeId, wide, { 40000, 25000, 0, 0, 0, 0 },
        { 30000, 20000, 0, 0, 0, 0 });
    // Without a readable sample nothing bounds or fits the stored size.
    row("resize without a sample", ResizeId, "", { 2100, 1400, 1, 0, 0, 0 },
        { 2100, 1400, 1, 0, 0, 0 });
    row("resize without a sample, large", ResizeId, "", { 25000, 20000, 0, 2, 0, 1 },
        { 25000, 20000, 1, 2, 0, 1 });
    // A list choice the list does not hold shows, and saves, the default item.
    row("resize mode 7", ResizeId, wide, { 1000, 700, 0, 7, 0, 0 }, { 1000, 700, 0, 0, 0, 0 });
    row("resize mode -1", ResizeId, wide, { 1000, 700, 0, -1, 0, 0 }, { 1000, 700, 0, 0, 0, 0 });
    row("resize unit 2", ResizeId, wide, { 1000, 700, 0, 0, 2, 0 }, { 1000, 700, 0, 0, 0, 0 });
    row("crop unit -1", CropId, wide, { 10, 10, 50, 50, -1 }, { 10, 10, 50, 50, 0 });
    row("rotate condition -1", RotateId, "", { 90, -1 }, { 90, 0 });
    row("sepia rounds half up", FilterId::Sepia, "", { 2.5, 2.49 }, { 3, 2 });
    row("sepia held in range", FilterId::Sepia, "", { 150, -3 }, { 99, 0 });
    row("polaroid rounds half up", FilterId::Polaroid, "", { 24.5, 89.5, White, 0.5 },
        { 25, 90, White, 1 });
    row("polaroid held in range", FilterId::Polaroid, "", { 400, -10, Black, 0.4 },
        { 360, 0, Black, 0 });
    row("raise: border rounds, effect truncates", FilterId::Raise, "", { 20.5, 0.9 }, { 21, 0 });
    row("raise effect 2", FilterId::Raise, "", { 99, 2 }, { 99, 1 });
    row("shadow: sizes round, any non-zero checks", FilterId::Shadow, "",
        { 30.5, 70.4, 4294901760.0, 0.2 }, { 31, 70, 4294901760.0, 1 });
    row("shadow colour stored signed", FilterId::Shadow, "", { 50, 50, -16777216, 0 },
        { 50, 50, Black, 0 });
    row("simple border rounds half up", FilterId::SimpleBorder, wide,
        { 10.5, 20.4, 30, 40, 0.5, Lilac, 0.4 }, { 11, 20, 30, 40, 1, Lilac, 0 });
    row("simple border held in range", FilterId::SimpleBorder, wide,
        { 40000, -5, 0, 0, 0, 16711680, 1 }, { 30000, 0, 0, 0, 0, 16711680, 1 });
    row("simple border unit 2", FilterId::SimpleBorder, wide, { 10, 20, 30, 40, 2, White, 1 },
        { 10, 20, 30, 40, 0, White, 1 });
    row("shape frame: frame rounds, edges truncate", FilterId::ShapeFrame, "",
        { 2.5, White, 1.9, 0.2, 0 }, { 3, White, 1, 1, 0 });
    row("shape frame 2.4", FilterId::ShapeFrame, "", { 2.4, Black, 0, 0, 1 },
        { 2, Black, 0, 0, 1 });
    row("shape frame 6, edges -1", FilterId::ShapeFrame, "", { 6, White, -1, 0, 0 },
        { 0, White, 0, 0, 0 });
    // Four numbers, whatever count the record came with.
    row("grunge frame", FilterId::GrungeFrame, "", { 5, Lilac, 1, 1, 7 }, { 5, Lilac, 1, 1 });
    row("picture frame 3.4", FilterId::PictureFrame, "", { 3.4, White, 0, 0 }, { 3, White, 0, 0 });
    row("picture frame 4", FilterId::PictureFrame, "", { 4, White, 0, 0 }, { 0, White, 0, 0 });
    row("vintage frame 8.5 rounds beyond the list", FilterId::VintageFrame, "",
        { 8.5, White, 0, 1 }, { 0, White, 0, 1 });
    row("vintage frame -1", FilterId::VintageFrame, "", { -1, Black, 1, 0 }, { 0, Black, 1, 0 });
}

void TestFilterPages::storedRecordComesBackFromThePage()
{
    QFETCH(int, id);
    QFETCH(QString, sample);
    QFETCH(Numbers, stored);
    QFETCH(Numbers, saved);
    const auto page = MakePage(id, sample);
    page->Load(Record(id, stored), true);
    QCOMPARE(Saved(*page), saved);
    for (const QComboBox *list : page->findChildren<QComboBox *>())
        QVERIFY(list->currentIndex() >= 0);
}

void TestFilterPages::defaultsAreSavedAfterOpening_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Numbers>("defaults");
    const auto row = [](const char *name, int id, const char *sample, Numbers defaults) {
        QTest::newRow(name) << id << QString::fromLatin1(sample) << defaults;
    };

    row("blank", FilterId::AutoRotate, "", {});
    row("flip", FlipId, "", { 0, 0 });
    row("rotate", RotateId, "", { 0, 0 });
    row("crop", CropId, "3000x2000", { 450, 300, 2100, 1400, 0 });
    row("crop held at whole pixels", CropId, "1001x1001", { 150, 150, 701, 701, 0 });
    row("crop without a sample", CropId, "", { 0, 0, 0, 0, 0 });
    row("resize", ResizeId, "3000x2000", { 2100, 1400, 1, 0, 0, 0 });
    row("resize without a sample", ResizeId, "", { 0, 0, 1, 0, 0, 0 });
    row("sepia", FilterId::Sepia, "", { 50, 50 });
    row("polaroid", FilterId::Polaroid, "", { 25, 0, White, 0 });
    row("raise", FilterId::Raise, "", { 20, 1 });
    row("shadow", FilterId::Shadow, "", { 50, 50, Black, 0 });
    row("simple border", FilterId::SimpleBorder, "3000x2000", { 100, 100, 100, 100, 0, Lilac, 1 });
    row("shape frame", FilterId::ShapeFrame, "", { 0, White, 0, 0, 0 });
    row("grunge frame", FilterId::GrungeFrame, "", { 0, White, 0, 0 });
    row("picture frame", FilterId::PictureFrame, "", { 0, White, 0, 0 });
    row("vintage frame", FilterId::VintageFrame, "", { 0, White, 0, 0 });
}

void TestFilterPages::defaultsAreSavedAfterOpening()
{
    QFETCH(int, id);
    QFETCH(QString, sample);
    QFETCH(Numbers, defaults);
    const auto page = MakePage(id, sample);
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Initialize();
    QVERIFY(states.wait(2000));
    QCOMPARE(NumbersOf(states.at(0).at(0).value<SFilterRecord>()), defaults);
    QCOMPARE(Saved(*page), defaults);
    if (auto *size = page->findChild<QLabel *>(QStringLiteral("textOriginalSize"))) {
        QCOMPARE(size->text(),
            QStringLiteral("Original image size: %1 x %2")
                .arg(page->Sample().width)
                .arg(page->Sample().height));
    }
    QTest::qWait(600);
    QCOMPARE(states.count(), 1);
}

void TestFilterPages::unitSwitchConvertsBothWays_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<Numbers>("stored");
    QTest::addColumn<Numbers>("switched"); // after choosing the other unit
    QTest::addColumn<Numbers>("back"); // after choosing the stored unit again
    const auto row = [](const char *name, int id, const char *sample, Numbers stored,
                         Numbers switched, Numbers back) {
        QTest::newRow(name) << id << QString::fromLatin1(sample) << stored << switched << back;
    };

    row("crop to percents", CropId, "3000x2000", { 450, 300, 2100, 1400, 0 }, { 15, 15, 70, 70, 1 },
        { 450, 300, 2100, 1400, 0 });
    row("crop to pixels rounds half up", CropId, "1000x1000", { 12.25, 12.24, 50, 50, 1 },
        { 123, 122, 500, 500, 0 }, { 12.3, 12.2, 50, 50, 1 });
    row("crop without a sample", CropId, "", { 450, 300, 2100, 1400, 0 },
        { 450, 300, 2100, 1400, 1 }, { 450, 300, 2100, 1400, 0 });
    row("resize to percents", ResizeId, "3000x2000", { 1500, 1000, 1, 0, 0, 0 },
        { 50, 50, 1, 0, 1, 0 }, { 1500, 1000, 1, 0, 0, 0 });
    row("resize percents apply to both sides", ResizeId, "3000x2000", { 1500, 1000, 1, 1, 0, 1 },
        { 50, 50, 1, 0, 1, 0 }, { 1500, 1000, 1, 0, 0, 0 });
    row("resize without a sample", ResizeId, "", { 800, 600, 0, 0, 0, 0 }, { 800, 600, 1, 0, 1, 0 },
        { 800, 600, 1, 0, 0, 0 });
    const int border = FilterId::SimpleBorder;
    row("simple border to percents", border, "3000x2000", { 100, 100, 100, 100, 0, Lilac, 1 },
        { 5, 5, 3, 3, 1, Lilac, 1 }, { 100, 100, 90, 90, 0, Lilac, 1 });
    row("simple border rounds half up", border, "1000x1000", { 25, 24, 15, 14, 0, Lilac, 0 },
        { 3, 2, 2, 1, 1, Lilac, 0 }, { 30, 20, 20, 10, 0, Lilac, 0 });
    row("simple border without a sample", border, "", { 100, 100, 100, 100, 0, Lilac, 1 },
        { 100, 100, 100, 100, 1, Lilac, 1 }, { 100, 100, 100, 100, 0, Lilac, 1 });
}

void TestFilterPages::unitSwitchConvertsBothWays()
{
    QFETCH(int, id);
    QFETCH(QString, sample);
    QFETCH(Numbers, stored);
    QFETCH(Numbers, switched);
    QFETCH(Numbers, back);
    const auto page = MakePage(id, sample);
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Load(Record(id, stored), true);
    QVERIFY(states.wait(2000));
    auto *unit = Child<QComboBox>(page.get(), "comboDimensions");
    const int storedUnit = unit->currentIndex();
    auto *resizeBy = page->findChild<QComboBox *>(QStringLiteral("comboResizeBy"));

    Choose(unit, 1 - storedUnit);
    QCOMPARE(Saved(*page), switched);
    if (resizeBy)
        QCOMPARE(resizeBy->isEnabled(), unit->currentIndex() == 0);
    // The preview follows the converted values.
    QVERIFY(states.wait(2000));
    QCOMPARE(NumbersOf(states.last().at(0).value<SFilterRecord>()), switched);

    Choose(unit, storedUnit);
    QCOMPARE(Saved(*page), back);
    if (resizeBy)
        QCOMPARE(resizeBy->isEnabled(), unit->currentIndex() == 0);
    QVERIFY(states.wait(2000));
    QCOMPARE(NumbersOf(states.last().at(0).value<SFilterRecord>()), back);
}

void TestFilterPages::okWithoutPhotoKeepsTheStoredValues_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Numbers>("stored");

    QTest::newRow("resize box") << ResizeId << Numbers { 2100, 1400, 1, 0, 0, 0 };
    QTest::newRow("resize fixed box") << ResizeId << Numbers { 1600, 1200, 1, 3, 0, 1 };
    QTest::newRow("crop percents") << CropId << Numbers { 10, 10, 50, 50, 1 };
    QTest::newRow("rotate") << RotateId << Numbers { 90, 2 };
}

void TestFilterPages::okWithoutPhotoKeepsTheStoredValues()
{
    QFETCH(int, id);
    QFETCH(Numbers, stored);
    CFilterSettings dialog;
    dialog.record = Record(id, stored);
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(Child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok),
        Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(NumbersOf(dialog.record), stored);
}

void TestFilterPages::editsSaveOnceAfterThePause_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed"); // typed into a spin box; else `key` pressed `times`
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<Numbers>("saved");
    const auto row = [](const char *name, int id, const char *control, const char *typed, int key,
                         int times, int pauseMs, Numbers saved) {
        QTest::newRow(name) << id << QString::fromLatin1(control) << QString::fromLatin1(typed)
                            << key << times << pauseMs << saved;
    };

    row("flip box", FlipId, "checkFlipHorizontally", "", Qt::Key_Space, 1, 500, { 0, 1 });
    row("rotate dial, ten steps", RotateId, "dialDegrees", "", Qt::Key_Right, 10, 500, { 10, 0 });
    row("crop left", CropId, "spinLeft", "500", 0, 0, 1000, { 500, 300, 2100, 1400, 0 });
    row("resize no-upscale box", ResizeId, "checkNoUpscale", "", Qt::Key_Space, 1, 500,
        { 2100, 1400, 1, 0, 0, 1 });
    row("sepia slider, ten steps", FilterId::Sepia, "sliderTone", "", Qt::Key_Right, 10, 1000,
        { 60, 50 });
    row("polaroid dial, ten steps", FilterId::Polaroid, "dialRotation", "", Qt::Key_Right, 10, 1000,
        { 25, 10, White, 0 });
    row("raise effect list", FilterId::Raise, "comboEffect", "", Qt::Key_Up, 1, 500, { 20, 0 });
    row("shadow size slider", FilterId::Shadow, "sliderSize", "", Qt::Key_Right, 10, 1000,
        { 50, 60, Black, 0 });
    row("shadow white box", FilterId::Shadow, "checkWhiteBackground", "", Qt::Key_Space, 1, 500,
        { 50, 50, Black, 1 });
    row("simple border top, five steps", FilterId::SimpleBorder, "spinTop", "", Qt::Key_Up, 5, 1000,
        { 105, 100, 100, 100, 0, Lilac, 1 });
    row("simple border uniform box", FilterId::SimpleBorder, "checkUniformDimensions", "",
        Qt::Key_Space, 1, 500, { 100, 100, 100, 100, 0, Lilac, 0 });
    row("shape frame list, two steps", FilterId::ShapeFrame, "comboFrame", "", Qt::Key_Down, 2, 500,
        { 2, White, 0, 0, 0 });
    row("shape frame edges", FilterId::ShapeFrame, "comboEdges", "", Qt::Key_Down, 1, 500,
        { 0, White, 1, 0, 0 });
    row("vintage frame random box", FilterId::VintageFrame, "checkRandomFrame", "", Qt::Key_Space,
        1, 500, { 0, White, 0, 1 });
}

void TestFilterPages::editsSaveOnceAfterThePause()
{
    QFETCH(int, id);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, times);
    QFETCH(int, pauseMs);
    QFETCH(Numbers, saved);
    const auto page = MakePage(id, QStringLiteral("3000x2000"));
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Initialize();
    QVERIFY(states.wait(2000));
    states.clear();

    QWidget *widget = Child(page.get(), qPrintable(control));
    if (!typed.isEmpty())
        Type(qobject_cast<QDoubleSpinBox *>(widget), typed);
    for (int press = 0; press < times; ++press)
        QTest::keyClick(widget, Qt::Key(key));
    QElapsedTimer pause;
    pause.start();
    QVERIFY(states.wait(3000));
    // Coarse timers may fire up to 5 % early.
    QVERIFY2(pause.elapsed() >= pauseMs * 9 / 10, qPrintable(QString::number(pause.elapsed())));
    QCOMPARE(NumbersOf(states.at(0).at(0).value<SFilterRecord>()), saved);
    QTest::qWait(pauseMs + 200);
    QCOMPARE(states.count(), 1);
}

void TestFilterPages::resizeSidesFollowEachOther_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("uncheckAspect");
    QTest::addColumn<QString>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("heightEnabled");

    QTest::newRow("width & height") << 0 << false << "1500" << 1000.0 << true;
    QTest::newRow("rounded half up") << 0 << false << "1001" << 667.0 << true;
    QTest::newRow("aspect not kept") << 0 << true << "1500" << 1400.0 << true;
    QTest::newRow("fixed width") << 1 << false << "1500" << 1000.0 << false;
    QTest::newRow("fixed width & height") << 3 << false << "1500" << 1400.0 << true;
}

void TestFilterPages::resizeSidesFollowEachOther()
{
    QFETCH(int, mode);
    QFETCH(bool, uncheckAspect);
    QFETCH(QString, width);
    QFETCH(double, height);
    QFETCH(bool, heightEnabled);
    const auto page = MakePage(ResizeId, QStringLiteral("3000x2000"));
    page->show();
    page->Initialize();
    Choose(Child<QComboBox>(page.get(), "comboResizeBy"), mode);
    auto *aspect = Child<QAbstractButton>(page.get(), "checkAspectRatio");
    QCOMPARE(aspect->isEnabled(), mode == 0);
    if (uncheckAspect)
        QTest::keyClick(aspect, Qt::Key_Space);
    QCOMPARE(aspect->isChecked(), !uncheckAspect);
    Type(Child<QDoubleSpinBox>(page.get(), "spinWidth"), width);
    auto *spinHeight = Child<QDoubleSpinBox>(page.get(), "spinHeight");
    QCOMPARE(spinHeight->value(), height);
    QCOMPARE(spinHeight->isEnabled(), heightEnabled);
}

void TestFilterPages::resizeReloadsSetTheWholeState()
{
    const auto page = MakePage(ResizeId, QStringLiteral("3000x2000"));
    page->show();
    auto *spinWidth = Child<QDoubleSpinBox>(page.get(), "spinWidth");
    auto *resizeBy = Child<QComboBox>(page.get(), "comboResizeBy");
    auto *noUpscale = Child<QWidget>(page.get(), "checkNoUpscale");

    // A percent state, then (undo) a pixel state larger than any percent.
    page->Load(Record(ResizeId, { 50, 50, 1, 0, 1, 0 }), true);
    QCOMPARE(spinWidth->decimals(), 2);
    QVERIFY(!resizeBy->isEnabled() && !noUpscale->isEnabled());
    page->Load(Record(ResizeId, { 2100, 1400, 1, 0, 0, 1 }), true);
    QCOMPARE(Saved(*page), Numbers({ 2100, 1400, 1, 0, 0, 1 }));
    QCOMPARE(spinWidth->decimals(), 0);
    QVERIFY(resizeBy->isEnabled() && noUpscale->isEnabled());

    // Reset from "Fixed Width & Height" couples the sides again.
    Choose(resizeBy, 3);
    page->Initialize();
    Type(spinWidth, QStringLiteral("1500"));
    QCOMPARE(Saved(*page), Numbers({ 1500, 1000, 1, 0, 0, 0 }));

    // Undo from "Fixed Height" to a "Width & Height" state gives back the width box.
    Choose(resizeBy, 2);
    QVERIFY(!spinWidth->isEnabled());
    page->Load(Record(ResizeId, { 1500, 1000, 0, 0, 0, 0 }), true);
    QVERIFY(spinWidth->isEnabled());
    QVERIFY(Child<QWidget>(page.get(), "checkAspectRatio")->isEnabled());
    QCOMPARE(Saved(*page), Numbers({ 1500, 1000, 0, 0, 0, 0 }));
}

void TestFilterPages::rotateQuarterTurns_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("angle");

    const QString left = QStringLiteral("buttonRotateLeft");
    const QString right = QStringLiteral("buttonRotateRight");
    QTest::newRow("0 right four times") << 0 << right << 4 << 0;
    QTest::newRow("45 right") << 45 << right << 1 << 90;
    QTest::newRow("270 right") << 270 << right << 1 << 0;
    QTest::newRow("359 right") << 359 << right << 1 << 0;
    QTest::newRow("0 left") << 0 << left << 1 << 270;
    QTest::newRow("45 left") << 45 << left << 1 << 0;
    QTest::newRow("100 left") << 100 << left << 1 << 90;
    QTest::newRow("359 left") << 359 << left << 1 << 270;
}

void TestFilterPages::rotateQuarterTurns()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(int, angle);
    const auto page = MakePage(RotateId, QString());
    page->show();
    page->Load(Record(RotateId, { double(from), 0 }), true);
    for (int press = 0; press < presses; ++press)
        QTest::mouseClick(Child(page.get(), qPrintable(button)), Qt::LeftButton);
    QCOMPARE(Child<QAbstractSlider>(page.get(), "dialDegrees")->value(), angle);
    QCOMPARE(Child<QSpinBox>(page.get(), "spinDegrees")->value(), angle);
    QCOMPARE(Saved(*page), Numbers({ double(angle), 0 }));
}

void TestFilterPages::boxesGreyOutWhatTheyOverride_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("greyed"); // disabled exactly while the box is on
    QTest::addColumn<QStringList>("free"); // never disabled
    QTest::addColumn<Numbers>("stored"); // with the box on
    QTest::addColumn<int>("boxSlot");
    const QString transparent = QStringLiteral("checkTranspBackground");
    const QString random = QStringLiteral("checkRandomFrame");
    const QStringList color { QStringLiteral("CPBackgroundColor") };
    const QStringList frames { QStringLiteral("comboFrame") };

    QTest::newRow("simple border uniform")
        << int(FilterId::SimpleBorder) << QStringLiteral("checkUniformDimensions")
        << QStringList { QStringLiteral("spinBottom"), QStringLiteral("spinLeft"),
               QStringLiteral("spinRight") }
        << QStringList { QStringLiteral("spinTop") } << Numbers { 10, 20, 30, 40, 1, Lilac, 1 }
        << int(SimpleBorderSlot::Uniform);
    QTest::newRow("shape transparent")
        << int(FilterId::ShapeFrame) << transparent << color << frames
        << Numbers { 3, Black, 1, 1, 0 } << int(ShapeFrameSlot::TransparentBackground);
    QTest::newRow("shape random") << int(FilterId::ShapeFrame) << random << frames << color
                                  << Numbers { 3, Black, 1, 0, 1 }
                                  << int(ShapeFrameSlot::RandomFrame);
    QTest::newRow("grunge transparent")
        << int(FilterId::GrungeFrame) << transparent << color << frames
        << Numbers { 5, Lilac, 1, 0 } << int(GrungeFrameSlot::TransparentBackground);
    QTest::newRow("picture random")
        << int(FilterId::PictureFrame) << random << frames << color << Numbers { 2, Lilac, 0, 1 }
        << int(PictureFrameSlot::RandomFrame);
    QTest::newRow("vintage random")
        << int(FilterId::VintageFrame) << random << frames << color << Numbers { 8, White, 0, 1 }
        << int(VintageFrameSlot::RandomFrame);
}

void TestFilterPages::boxesGreyOutWhatTheyOverride()
{
    QFETCH(int, id);
    QFETCH(QString, box);
    QFETCH(QStringList, greyed);
    QFETCH(QStringList, free);
    QFETCH(Numbers, stored);
    QFETCH(int, boxSlot);
    const auto page = MakePage(id, QString());
    page->show();
    auto *check = Child<QAbstractButton>(page.get(), qPrintable(box));
    // The controls whose state is wrong for the box being on or off.
    const auto wrong = [&](bool on) {
        QStringList names;
        for (const QString &name : std::as_const(greyed)) {
            if (Child(page.get(), qPrintable(name))->isEnabled() == on)
                names.append(name);
        }
        for (const QString &name : std::as_const(free)) {
            if (!Child(page.get(), qPrintable(name))->isEnabled())
                names.append(name);
        }
        return names;
    };

    page->Load(Record(id, stored), true);
    QVERIFY(check->isChecked());
    QCOMPARE(wrong(true), QStringList());
    // Greyed-out controls keep their values and are still saved.
    QCOMPARE(Saved(*page), stored);

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QCOMPARE(wrong(false), QStringList());
    Numbers off = stored;
    off[boxSlot] = 0;
    QCOMPARE(Saved(*page), off);

    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(wrong(true), QStringList());
    // Reset sets the controls by the box's default.
    page->Initialize();
    QCOMPARE(wrong(check->isChecked()), QStringList());
}

void TestFilterPages::frameListsShowEveryFrame_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("names");
    const auto numbered = [](const QString &name, int count) {
        QStringList names;
        for (int number = 1; number <= count; ++number)
            names.append(name + QStringLiteral(" %1").arg(number));
        return names;
    };

    QTest::newRow("shape") << int(FilterId::ShapeFrame)
                           << QStringList { QStringLiteral("Rectangle"), QStringLiteral("Elipse"),
                                  QStringLiteral("Star"), QStringLiteral("Heart"),
                                  QStringLiteral("Cracked Glass"), QStringLiteral("Shield") };
    QTest::newRow("grunge") << int(FilterId::GrungeFrame) << numbered(QStringLiteral("Grunge"), 6);
    QTest::newRow("picture") << int(FilterId::PictureFrame) << numbered(QStringLiteral("Style"), 4);
    QTest::newRow("vintage") << int(FilterId::VintageFrame) << numbered(QStringLiteral("Style"), 9);
}

void TestFilterPages::frameListsShowEveryFrame()
{
    QFETCH(int, id);
    QFETCH(QStringList, names);
    const auto page = MakePage(id, QString());
    page->Initialize();
    page->Load(Record(id, { 1, White, 0, 0, 0 }), true); // refilled, not added to
    const auto *frames = Child<QComboBox>(page.get(), "comboFrame");
    QStringList shown;
    QImage previous;
    for (int index = 0; index < frames->count(); ++index) {
        shown.append(frames->itemText(index));
        // Each frame its own tile of the sheet, with the photo's place drawn in its middle.
        const QImage icon = frames->itemIcon(index).pixmap(32, 32).toImage();
        QVERIFY2(qAlpha(icon.pixel(16, 16)) > 0, qPrintable(frames->itemText(index)));
        QVERIFY2(icon != previous, qPrintable(frames->itemText(index)));
        previous = icon;
    }
    QCOMPARE(shown, names);
}

void TestFilterPages::colorButtonsSaveThePickedColor_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("slot");
    const QString background = QStringLiteral("CPBackgroundColor");

    QTest::newRow("polaroid") << int(FilterId::Polaroid) << QStringLiteral("CPBorderColor")
                              << int(PolaroidSlot::BorderColor);
    QTest::newRow("shadow") << int(FilterId::Shadow) << QStringLiteral("CPColor")
                            << int(ShadowSlot::Color);
    QTest::newRow("simple border")
        << int(FilterId::SimpleBorder) << QStringLiteral("CPColor") << int(SimpleBorderSlot::Color);
    QTest::newRow("shape frame") << int(FilterId::ShapeFrame) << background
                                 << int(ShapeFrameSlot::BackgroundColor);
    QTest::newRow("grunge frame") << int(FilterId::GrungeFrame) << background
                                  << int(GrungeFrameSlot::BackgroundColor);
    QTest::newRow("picture frame")
        << int(FilterId::PictureFrame) << background << int(PictureFrameSlot::BackgroundColor);
    QTest::newRow("vintage frame")
        << int(FilterId::VintageFrame) << background << int(VintageFrameSlot::BackgroundColor);
}

void TestFilterPages::colorButtonsSaveThePickedColor()
{
    QFETCH(int, id);
    QFETCH(QString, button);
    QFETCH(int, slot);
    const auto page = MakePage(id, QStringLiteral("3000x2000"));
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Initialize();
    QVERIFY(states.wait(2000));
    states.clear();
    const Numbers before = Saved(*page);
    QWidget *picker = Child(page.get(), qPrintable(button));
    const auto restore = qScopeGuard(
        [chooser = CColorPicker::ChooseColor]() { CColorPicker::ChooseColor = chooser; });

    // Cancelled: nothing changes and nothing is saved.
    CColorPicker::ChooseColor = [](const QColor &, QWidget *) { return QColor(); };
    QTest::mouseClick(picker, Qt::LeftButton);
    QTest::qWait(600);
    QCOMPARE(states.count(), 0);

    CColorPicker::ChooseColor = [](const QColor &, QWidget *) { return QColor(255, 0, 0); };
    QTest::mouseClick(picker, Qt::LeftButton);
    QElapsedTimer pause;
    pause.start();
    QVERIFY(states.wait(2000));
    QVERIFY2(pause.elapsed() >= 450, qPrintable(QString::number(pause.elapsed())));
    Numbers picked = before;
    picked[slot] = 4294901760.0; // opaque red
    QCOMPARE(NumbersOf(states.at(0).at(0).value<SFilterRecord>()), picked);
    QTest::qWait(700);
    QCOMPARE(states.count(), 1);
}

void TestFilterPages::dragInThePreviewIsOneUndoStep_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Numbers>("stored");
    QTest::addColumn<bool>("corner"); // the bottom-right handle; else inside the overlay
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<Slots>("changed");

    const Numbers crop { 100, 100, 400, 300, 0 };
    QTest::newRow("crop moved right")
        << CropId << crop << false << QPoint(40, 0) << Slots { CropSlot::Left };
    QTest::newRow("crop bottom-right handle") << CropId << crop << true << QPoint(-30, -20)
                                              << Slots { CropSlot::Width, CropSlot::Height };
    QTest::newRow("resize corner")
        << ResizeId << Numbers { 560, 420, 1, 0, 0, 0 } << true << QPoint(-40, -30)
        << Slots { ResizeSlot::Width, ResizeSlot::Height };
}

void TestFilterPages::dragInThePreviewIsOneUndoStep()
{
    QFETCH(int, id);
    QFETCH(Numbers, stored);
    QFETCH(bool, corner);
    QFETCH(QPoint, move);
    QFETCH(Slots, changed);

    const QString photo = samples.value(QStringLiteral("800x600"));
    CUserProfile::instance()->CurrentPhotoPath = photo; // the overlay edits the previewed photo
    CFilterSettings dialog;
    dialog.record = Record(id, stored);
    dialog.samplePhoto.pathName = photo;
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CControlImage *preview = dialog.FilteredPreview();
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QTRY_VERIFY_WITH_TIMEOUT(preview->imageLoaded && overlay->isVisible(), 20000);
    QTRY_COMPARE(dialog.History().Count(), 1);
    QSignalSpy states(dialog.Page(), &CFilterPage::SaveState);

    // Pressed on the overlay, moved in small steps as a hand would, released.
    QWidget *viewport = preview->viewport();
    const QRect box(overlay->mapTo(viewport, QPoint(0, 0)), overlay->size());
    const QPoint from = corner ? box.bottomRight() - QPoint(4, 4) : box.center();
    const auto send = [viewport](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(
            type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 8; ++step)
        send(QEvent::MouseMove, from + move * step / 8, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + move, Qt::NoButton);

    // The page shows the dragged values and records them as one state.
    QTRY_COMPARE(dialog.History().Count(), 2);
    QCOMPARE(states.count(), 1);
    const Numbers state = NumbersOf(states.at(0).at(0).value<SFilterRecord>());
    const Numbers saved = Saved(*dialog.Page());
    for (int slot = 0; slot < stored.size(); ++slot) {
        QCOMPARE(saved.at(slot), double(RoundHalfUp(state.at(slot))));
        // The overlay works in screen pixels: the other sides may move by a rounding.
        QVERIFY2(changed.contains(slot) == (qAbs(saved.at(slot) - stored.at(slot)) > 1),
            qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(saved.at(slot))));
    }
    // No preview of its own from the page: nothing more is recorded.
    QTest::qWait(1500);
    QCOMPARE(dialog.History().Count(), 2);

    // Undo takes the whole drag back.
    QTest::mouseClick(Child(&dialog, "buttonUndo"), Qt::LeftButton);
    QCOMPARE(Saved(*dialog.Page()), stored);
    QTest::qWait(300);
    QCOMPARE(dialog.History().Count(), 2);
    CUserProfile::instance()->CurrentPhotoPath.clear();
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterPages, QApplication, InitializeImageEngine)
#include "tst_filterpages.moc"
