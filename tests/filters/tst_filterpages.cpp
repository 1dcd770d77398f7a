#include "ImageEngineSetup.h"
#include "ScriptedUser.h"
#include "TestMain.h"

#include "ControlImage.h"
#include "DialogFont.h"
#include "FilterDate.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "Folders.h"
#include "Settings.h"
#include "StoredValues.h"
#include "TextAnnotations.h"
#include "UserProfile.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace {

using Numbers = QList<double>;
using Slots = QList<int>;

constexpr int CropId = FilterId::Crop;
constexpr int DateId = FilterId::Date;
constexpr int FlipId = FilterId::Flip;
constexpr int ResizeId = FilterId::Resize;
constexpr int RotateId = FilterId::Rotate;

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

// The Date page's defaults, with some slots changed.
Numbers DateNumbers(std::initializer_list<std::pair<int, double>> changes = {})
{
    Numbers numbers { 0, 0, 8, 36, 4290493439.0, 15, 0, 10, 10, 0, 0, 0, 0, 0, 4, 0, 0, 1,
        4278190080.0, 10, 1, 0, 4278190080.0, 50, 15, 315, 5, 0, 4278190080.0, 50, 10 };
    for (const auto &[slot, value] : changes)
        numbers[slot] = value;
    return numbers;
}

// Clicks the tab that holds `control`.
void ShowTabOf(QWidget *page, QWidget *control)
{
    auto *tabs = Child<QTabWidget>(page, "tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(control))
            QTest::mouseClick(
                tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    }
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

    void dragInThePreviewIsOneUndoStep_data();
    void dragInThePreviewIsOneUndoStep();

    void dateChoicesGiveTheStampedText_data();
    void dateChoicesGiveTheStampedText();
    void dateCorrectionOpensAndClosesOnClick();
    void dateBoxesEnableTheirControls_data();
    void dateBoxesEnableTheirControls();
    void dateFontAndTextureChoices_data();
    void dateFontAndTextureChoices();
    void dateDragMovesTheStampInPercent();

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
    const Numbers dateEdited { 5, 11, 2, 48, 4294967295.0, 40, 3, 12.34, -7.26, 120, 1, 1, 0, 1, 2,
        1, 4, 0, 2164195328.0, 25, 7, 1, 4279383126.0, 60, 30, 90, 3, 1, 3238002687.0, 20, 150 };
    Numbers dateShown = dateEdited;
    dateShown[DateSlot::DeltaX] = 12.3; // one decimal
    dateShown[DateSlot::DeltaY] = -7.3;
    row("date, colours above 2^31", DateId, "", dateEdited, dateShown);
    row("date truncates", DateId, "",
        DateNumbers({ { DateSlot::Shown, 2.9 }, { DateSlot::Placement, 3.9 },
            { DateSlot::FontSize, 24.9 }, { DateSlot::TextColor, 4290493439.9 },
            { DateSlot::Transparency, 20.9 }, { DateSlot::Rotation, 359.9 },
            { DateSlot::ShadowAngle, 44.5 }, { DateSlot::StrokeColor, -16777216 } }),
        DateNumbers({ { DateSlot::Shown, 2 }, { DateSlot::Placement, 3 },
            { DateSlot::FontSize, 24 }, { DateSlot::Transparency, 20 }, { DateSlot::Rotation, 359 },
            { DateSlot::ShadowAngle, 44 } }));
    // Flags are on when not 0, as the engine reads them.
    row("date flags", DateId, "",
        DateNumbers({ { DateSlot::Bold, 0.5 }, { DateSlot::UseBox, -2 },
            { DateSlot::UseStroke, std::nan("") } }),
        DateNumbers(
            { { DateSlot::Bold, 1 }, { DateSlot::UseBox, 1 }, { DateSlot::UseStroke, 0 } }));
    row("date angles within one turn", DateId, "",
        DateNumbers({ { DateSlot::Rotation, 400 }, { DateSlot::ShadowAngle, -90 } }),
        DateNumbers({ { DateSlot::Rotation, 40 }, { DateSlot::ShadowAngle, 270 } }));
    row("date lists out of range show the defaults", DateId, "",
        DateNumbers({ { DateSlot::Shown, 6 }, { DateSlot::DateLayout, -1 },
            { DateSlot::Placement, 9 }, { DateSlot::TimeLayout, 4 }, { DateSlot::Separator, 5 } }),
        DateNumbers());
    row("date held in range", DateId, "",
        DateNumbers({ { DateSlot::Transparency, 150 }, { DateSlot::DeltaX, 150 },
            { DateSlot::DeltaY, -120 }, { DateSlot::Blur, 11 }, { DateSlot::StrokeWidth, 40000 },
            { DateSlot::StrokeTransparency, -5 }, { DateSlot::ShadowDistance, 120 },
            { DateSlot::ShadowBlur, 20 }, { DateSlot::BoxMargin, 600 } }),
        DateNumbers({ { DateSlot::Transparency, 100 }, { DateSlot::DeltaX, 100 },
            { DateSlot::DeltaY, -100 }, { DateSlot::Blur, 10 }, { DateSlot::StrokeWidth, 30000 },
            { DateSlot::StrokeTransparency, 0 }, { DateSlot::ShadowDistance, 99 },
            { DateSlot::ShadowBlur, 10 }, { DateSlot::BoxMargin, 500 } }));
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
    row("date", DateId, "", DateNumbers());
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
    row("date rotation, ten steps", DateId, "spinRotation", "", Qt::Key_Up, 10, 1000,
        DateNumbers({ { DateSlot::Rotation, 10 } }));
    row("date delta x", DateId, "spinDeltaX", "25.5", 0, 0, 1000,
        DateNumbers({ { DateSlot::DeltaX, 25.5 } }));
    row("date placement list", DateId, "comboPlacement", "", Qt::Key_Up, 2, 1000,
        DateNumbers({ { DateSlot::Placement, 6 } }));
    row("date stroke box", DateId, "checkUseStroke", "", Qt::Key_Space, 1, 1000,
        DateNumbers({ { DateSlot::UseStroke, 0 } }));
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

void TestFilterPages::dateChoicesGiveTheStampedText_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("separator");
    QTest::addColumn<int>("time");
    QTest::addColumn<Slots>("offset"); // years, months, days, hours, minutes, seconds
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QString>("stamp"); // of a photo taken 2024:01:31 21:05:03
    const Slots none { 0, 0, 0, 0, 0, 0 };
    const QString zero = QStringLiteral("+0000+00+00 +00+00+00");
    const auto row = [](const QString &name, int shown, int layout, int separator, int time,
                         Slots offset, const QString &correction, const char *stamp) {
        QTest::newRow(qPrintable(name)) << shown << layout << separator << time << offset
                                        << correction << QString::fromLatin1(stamp);
    };

    row("defaults", 0, 0, 4, 0, none, zero, "Jan 31, 2024 09:05 PM");
    const char *layouts[] = { "Jan-31-2024", "Jan-31-24", "31-Jan-2024", "31-Jan-24", "2024-Jan-31",
        "24-Jan-31", "01-31-2024", "01-31-24", "31-01-2024", "31-01-24", "2024-01-31", "24-01-31" };
    for (int layout = 0; layout < 12; ++layout)
        row(QStringLiteral("layout %1").arg(layout), 1, layout, 1, 0, none, zero, layouts[layout]);
    const char *separators[]
        = { "31 01 2024", "31-01-2024", "31/01/2024", "31.01.2024", "31,01,2024" };
    for (int separator = 0; separator < 5; ++separator)
        row(QStringLiteral("separator %1").arg(separator), 1, 8, separator, 0, none, zero,
            separators[separator]);
    row("comma after the day", 1, 1, 4, 0, none, zero, "Jan 31, 24");
    row("comma after the day, months as numbers", 1, 6, 4, 0, none, zero, "01 31, 2024");
    const char *times[] = { "09:05 PM", "09:05:03 PM", "21:05", "21:05:03" };
    for (int time = 0; time < 4; ++time)
        row(QStringLiteral("time %1").arg(time), 2, 0, 4, time, none, zero, times[time]);
    row("now", 3, 10, 1, 2, none, zero, "2024-01-31 21:05");
    row("today", 4, 10, 1, 2, none, zero, "2024-01-31");
    row("the time now", 5, 10, 1, 3, none, zero, "21:05:03");
    row("years, months and minutes", 0, 10, 1, 2, { -5, 3, 0, 0, -30, 0 },
        QStringLiteral("-0005+03+00 +00-30+00"), "2019-04-30 20:35");
    row("months before days", 1, 10, 1, 0, { 0, 1, 1, 0, 0, 0 },
        QStringLiteral("+0000+01+01 +00+00+00"), "2024-03-01");
    row("every part back", 0, 10, 1, 3, { -1, -12, -31, -24, -59, -59 },
        QStringLiteral("-0001-12-31 -24-59-59"), "2021-12-30 20:05:04");
}

void TestFilterPages::dateChoicesGiveTheStampedText()
{
    QFETCH(int, shown);
    QFETCH(int, layout);
    QFETCH(int, separator);
    QFETCH(int, time);
    QFETCH(Slots, offset);
    QFETCH(QString, correction);
    QFETCH(QString, stamp);
    const auto page = MakePage(DateId, QString());
    page->show();
    page->Initialize();
    Choose(Child<QComboBox>(page.get(), "comboShow"), shown);
    Choose(Child<QComboBox>(page.get(), "comboFormat"), layout);
    Choose(Child<QComboBox>(page.get(), "comboSeparator"), separator);
    Choose(Child<QComboBox>(page.get(), "comboFormatEnd"), time);
    QTest::mouseClick(Child(page.get(), "labelAdvanced"), Qt::LeftButton);
    const char *parts[] = { "spinOffsetYears", "spinOffsetMonths", "spinOffsetDays",
        "spinOffsetHours", "spinOffsetMinutes", "spinOffsetSeconds" };
    for (int part = 0; part < 6; ++part) {
        auto *spin = Child<QSpinBox>(page.get(), parts[part]);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(offset[part]));
    }

    SFilterRecord record;
    page->Save(record);
    QCOMPARE(Numbers({ record.numbers[DateSlot::Shown], record.numbers[DateSlot::DateLayout],
                 record.numbers[DateSlot::Separator], record.numbers[DateSlot::TimeLayout] }),
        Numbers({ double(shown), double(layout), double(separator), double(time) }));
    QCOMPARE(record.textCount, quint8(DateSlot::TextCount));
    QCOMPARE(record.texts[DateSlot::FontFamily], QStringLiteral("Arial"));
    QCOMPARE(record.texts[DateSlot::TexturePath], GetProgramFolder() + "/Data/Sample.png");
    QCOMPARE(record.texts[DateSlot::Correction], correction);

    // What the filter stamps with the saved record.
    const QDateTime taken(QDate(2024, 1, 31), QTime(21, 5, 3));
    QString text;
    QVERIFY(FormatDate(text, QString(), QStringLiteral("2024:01:31 21:05:03"),
        ChoiceOf(record, DateSlot::ShownChoice), ChoiceOf(record, DateSlot::DateLayoutChoice),
        ChoiceOf(record, DateSlot::TimeLayoutChoice), ChoiceOf(record, DateSlot::SeparatorChoice),
        record.texts[DateSlot::Correction], taken));
    QCOMPARE(text, stamp);

    // The stored correction comes back into the six boxes.
    const auto again = MakePage(DateId, QString());
    again->Load(record, true);
    for (int part = 0; part < 6; ++part)
        QCOMPARE(Child<QSpinBox>(again.get(), parts[part])->value(), offset[part]);
}

void TestFilterPages::dateCorrectionOpensAndClosesOnClick()
{
    const auto page = MakePage(DateId, QString());
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    page->Initialize();
    auto *head = Child<QLabel>(page.get(), "labelAdvanced");
    QWidget *section = Child(page.get(), "widgetAdvanced");
    QVERIFY(!section->isVisible());
    QCOMPARE(head->text(), QStringLiteral("<a href='#'>Fix Date/Time</a>"));

    QTest::mouseClick(head, Qt::LeftButton);
    QVERIFY(section->isVisible());
    QTRY_COMPARE(section->height(), 115);
    QTest::mouseClick(head, Qt::LeftButton);
    QVERIFY(section->isVisible()); // it shrinks before it hides
    QTRY_VERIFY(!section->isVisible());
}

void TestFilterPages::dateBoxesEnableTheirControls_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("group"); // enabled while the box is checked
    QTest::addColumn<QStringList>("replaced"); // enabled while it is not

    QTest::newRow("texture") << "checkUseTexture" << int(DateSlot::UseTexture)
                             << QStringList { "buttonBrowseTexture", "editTexturePath" }
                             << QStringList { "CPFontColor" };
    QTest::newRow("stroke") << "checkUseStroke" << int(DateSlot::UseStroke)
                            << QStringList { "CPStrokeColor", "spinStrokeAlpha", "spinStrokeWidth" }
                            << QStringList();
    QTest::newRow("shadow") << "checkUseShadow" << int(DateSlot::UseShadow)
                            << QStringList { "CPShadowColor", "spinShadowAlpha",
                                   "sliderShadowDistance", "spinShadowAngle", "dialShadowAngle",
                                   "sliderShadowBlur" }
                            << QStringList();
    QTest::newRow("box") << "checkUseBox" << int(DateSlot::UseBox)
                         << QStringList { "CPBoxColor", "spinBoxAlpha", "spinBoxOffset" }
                         << QStringList();
}

void TestFilterPages::dateBoxesEnableTheirControls()
{
    QFETCH(QString, box);
    QFETCH(int, slot);
    QFETCH(QStringList, group);
    QFETCH(QStringList, replaced);
    const auto page = MakePage(DateId, QString());
    page->show();
    const auto enabled = [&page](const QStringList &names, bool on) {
        for (const QString &name : names)
            QVERIFY2(Child(page.get(), qPrintable(name))->isEnabled() == on, qPrintable(name));
    };

    page->Load(Record(DateId, DateNumbers({ { slot, 1 } })), true);
    auto *check = Child<QAbstractButton>(page.get(), qPrintable(box));
    QVERIFY(check->isChecked());
    enabled(group, true);
    enabled(replaced, false);

    ShowTabOf(page.get(), check);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(!check->isChecked());
    enabled(group, false);
    enabled(replaced, true);
    QCOMPARE(Saved(*page).at(slot), 0.0);
}

void TestFilterPages::dateFontAndTextureChoices_data()
{
    QTest::addColumn<QString>("answer"); // "ok", "cancel" or "no number"
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("bold");

    QTest::newRow("bold 48") << "ok" << 48.0 << 1.0;
    QTest::newRow("cancelled") << "cancel" << 36.0 << 0.0;
    // The dialog itself never answers so; a size that is no number is the page's own size.
    QTest::newRow("size that is no number") << "no number" << 36.0 << 1.0;
}

void TestFilterPages::dateFontAndTextureChoices()
{
    QFETCH(QString, answer);
    QFETCH(double, size);
    QFETCH(double, bold);
    const auto page = MakePage(DateId, QString());
    page->show();
    page->Load(Record(DateId, DateNumbers({ { DateSlot::UseTexture, 1 } })), true);
    auto *fontButton = Child(page.get(), "buttonFont");
    ShowTabOf(page.get(), fontButton);

    CScriptedUser user;
    qApp->installEventFilter(&user);
    user.dialogSteps << [answer](QDialog *shown) {
        auto *dialog = qobject_cast<CDialogFont *>(shown);
        QVERIFY(dialog);
        if (answer == QLatin1String("no number")) {
            dialog->FontSize = QStringLiteral("abc");
            dialog->Bold = true;
            dialog->accept();
            return;
        }
        QLineEdit *sizeText = Child<QComboBox>(dialog, "comboFontSize")->lineEdit();
        QTest::keyClick(sizeText, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sizeText, QStringLiteral("48"));
        QWidget *boldBox = Child(dialog, "checkBold");
        QTest::mouseClick(boldBox, Qt::LeftButton, {}, QPoint(8, boldBox->height() / 2));
        QTest::mouseClick(
            Child(dialog, answer == QLatin1String("ok") ? "buttonOK" : "buttonCancel"),
            Qt::LeftButton);
    };
    QTest::mouseClick(fontButton, Qt::LeftButton);
    qApp->removeEventFilter(&user);
    QVERIFY(user.Done());
    const Numbers saved = Saved(*page);
    QCOMPARE(saved.at(DateSlot::FontSize), size);
    QCOMPARE(saved.at(DateSlot::Bold), bold);

    // The texture chooser starts in the folder of the last choice.
    QStringList folders;
    QString chosen = QStringLiteral("C:\\Pics\\tex.png");
    CFilterDate::SetTextureChooser(
        [&](QWidget *, const QString &, const QString &folder, const QString &) {
            folders << folder;
            return chosen;
        });
    QWidget *browse = Child(page.get(), "buttonBrowseTexture");
    QTest::mouseClick(browse, Qt::LeftButton);
    chosen.clear(); // cancelled: nothing changes
    QTest::mouseClick(browse, Qt::LeftButton);
    CFilterDate::SetTextureChooser({});
    QCOMPARE(folders, QStringList({ GetPicturesFolder(), QStringLiteral("C:/Pics") }));
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/Filter.Date.TexturePath"), QString()),
        QStringLiteral("C:/Pics"));
    SFilterRecord record;
    page->Save(record);
    QCOMPARE(record.texts[DateSlot::TexturePath], QStringLiteral("C:/Pics/tex.png"));
    WriteSettingString(QStringLiteral("GUI/Filter.Date.TexturePath"), GetPicturesFolder());
}

void TestFilterPages::dateDragMovesTheStampInPercent()
{
    const QString photo = samples.value(QStringLiteral("800x600"));
    CUserProfile::instance()->CurrentPhotoPath = photo;
    CFilterSettings dialog;
    const Numbers stored = DateNumbers({ { DateSlot::FontSize, 8 } }); // well inside the photo
    dialog.record = Record(DateId, stored);
    dialog.record.textCount = DateSlot::TextCount;
    dialog.record.texts[DateSlot::FontFamily] = QStringLiteral("Arial");
    dialog.record.texts[DateSlot::Correction] = QStringLiteral("+0000+00+00 +00+00+00");
    dialog.samplePhoto.pathName = photo;
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CControlImage *preview = dialog.FilteredPreview();
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QTRY_VERIFY_WITH_TIMEOUT(preview->imageLoaded && overlay->isVisible(), 20000);
    QTRY_COMPARE(dialog.History().Count(), 1);
    QSignalSpy states(dialog.Page(), &CFilterPage::SaveState);

    // The stamp (bottom right, 10 % from the edges) dragged 40 pixels left and 30 up.
    QWidget *viewport = preview->viewport();
    const QPoint from = QRect(overlay->mapTo(viewport, QPoint(0, 0)), overlay->size()).center();
    const QPoint move(-40, -30);
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

    QTRY_COMPARE(dialog.History().Count(), 2);
    QCOMPARE(states.count(), 1);
    const Numbers state = NumbersOf(states.at(0).at(0).value<SFilterRecord>());
    const QSize shown = preview->DisplaySize();
    QCOMPARE(state.at(DateSlot::Placement), 8.0);
    QVERIFY2(qAbs(state.at(DateSlot::DeltaX) - (10 + 40 * 100.0 / shown.width())) < 0.5,
        qPrintable(QString::number(state.at(DateSlot::DeltaX))));
    QVERIFY2(qAbs(state.at(DateSlot::DeltaY) - (10 + 30 * 100.0 / shown.height())) < 0.5,
        qPrintable(QString::number(state.at(DateSlot::DeltaY))));

    // The page shows the shifts to its one decimal and saves what it shows; nothing else moved.
    auto *spinX = Child<QDoubleSpinBox>(dialog.Page(), "spinDeltaX");
    auto *spinY = Child<QDoubleSpinBox>(dialog.Page(), "spinDeltaY");
    QVERIFY(qAbs(spinX->value() - state.at(DateSlot::DeltaX)) <= 0.05 + 1e-9);
    QVERIFY(qAbs(spinY->value() - state.at(DateSlot::DeltaY)) <= 0.05 + 1e-9);
    Numbers expected = stored;
    expected[DateSlot::DeltaX] = spinX->value();
    expected[DateSlot::DeltaY] = spinY->value();
    QCOMPARE(Saved(*dialog.Page()), expected);
    QTest::qWait(1500);
    QCOMPARE(dialog.History().Count(), 2);
    CUserProfile::instance()->CurrentPhotoPath.clear();
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterPages, QApplication, InitializeImageEngine)
#include "tst_filterpages.moc"
