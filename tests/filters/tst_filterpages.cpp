#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FilterWatermarkText.h"
#include "Folders.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {

using Numbers = QList<double>;
using Slots = QList<int>;

constexpr int CropId = FilterId::Crop;
constexpr int FlipId = FilterId::Flip;
constexpr int ResizeId = FilterId::Resize;
constexpr int RotateId = FilterId::Rotate;
constexpr int WatermarkTextId = FilterId::WatermarkText;
constexpr double White = 4294967295.0; // opaque, as stored

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

// Walks the keyword menu as a keyboard user does: the named submenu, then the named entry.
class CMenuWalker : public QObject
{
public:
    CMenuWalker(const QString &submenu, const QString &entry)
        : submenu(submenu)
        , entry(entry)
    {
        qApp->installEventFilter(this);
    }
    ~CMenuWalker() override { qApp->removeEventFilter(this); }

    QStringList titles; // of the submenus, in order

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *menu = qobject_cast<QMenu *>(watched);
        if (menu && event->type() == QEvent::Show)
            QTimer::singleShot(0, menu, [this, menu]() { Walk(menu); });
        return false;
    }

private:
    void Walk(QMenu *menu)
    {
        const bool top = !qobject_cast<QMenu *>(menu->parentWidget());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << (top && action->menu() ? action->menu()->title() : action->text());
        if (top)
            titles = texts;
        const int index = texts.indexOf(top ? submenu : entry);
        if (index < 0) {
            menu->close();
            if (!top)
                menu->parentWidget()->close();
            return;
        }
        // A menu opened by keyboard starts on its first item; the top one on none.
        for (int step = top ? -1 : 0; step < index; ++step)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, top ? Qt::Key_Right : Qt::Key_Return);
    }

    const QString submenu;
    const QString entry;
};

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

    void storedTextsComeBackFromThePage_data();
    void storedTextsComeBackFromThePage();
    void watermarkTextKeywordMenus_data();
    void watermarkTextKeywordMenus();
    void watermarkTextFromAFile();
    void watermarkTextFollowsTheMouse_data();
    void watermarkTextFollowsTheMouse();

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
    const Numbers text { 0, -120, 300, 36, 4278190335, 25, 45, 1, 0, 1, 0, 0 };
    row("watermark text", WatermarkTextId, "", text, text);
    const Numbers textHalfAlpha { 8, 0, 50, 48, 2164195328, 50, 0, 0, 1, 0, 1, 1 };
    row("watermark text colour with alpha", WatermarkTextId, "", textHalfAlpha, textHalfAlpha);
    row("watermark text colour stored signed", WatermarkTextId, "",
        { 7, 0, 50, 48, -16777216, 50, 0, 0, 0, 0, 0, 0 },
        { 7, 0, 50, 48, 4278190080, 50, 0, 0, 0, 0, 0, 0 });
    row("watermark text truncates", WatermarkTextId, "",
        { 8.9, 10.9, -10.9, 48.7, White, 50.9, 89.9, 0.5, 0, 0, 0, 0.2 },
        { 8, 10, -10, 48, White, 50, 89, 1, 0, 0, 0, 1 });
    row("watermark text held in range", WatermarkTextId, "",
        { 7, 40000, -40000, 48, White, 150, 400, 0, 0, 0, 0, 0 },
        { 7, 30000, -30000, 48, White, 100, 359, 0, 0, 0, 0, 0 });
    row("watermark text held in range, below", WatermarkTextId, "",
        { 7, 0, 50, 48, White, -3, -5, 0, 0, 0, 0, 0 },
        { 7, 0, 50, 48, White, 0, 0, 0, 0, 0, 0, 0 });
    row("watermark text placement -1, NaN flags", WatermarkTextId, "",
        { -1, 0, 50, 48, White, 50, 0, NAN, 0, 0, 0, NAN },
        { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 0 });
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
    row("watermark text", WatermarkTextId, "", { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 0 });
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
    const auto text = [](int slot, double value) {
        Numbers numbers { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 0 };
        numbers[slot] = value;
        return numbers;
    };
    row("watermark text typed", WatermarkTextId, "editText", "", Qt::Key_X, 5, 1000,
        text(WatermarkTextSlot::Placement, 7));
    row("watermark text placement", WatermarkTextId, "comboPlacement", "", Qt::Key_Up, 1, 1000,
        text(WatermarkTextSlot::Placement, 6));
    row("watermark text rotation wraps", WatermarkTextId, "spinRotation", "", Qt::Key_Down, 1, 1000,
        text(WatermarkTextSlot::Rotation, 359));
    row("watermark text from a file", WatermarkTextId, "checkTextFromFile", "", Qt::Key_Space, 1,
        1000, text(WatermarkTextSlot::TextFromFile, 1));
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

void TestFilterPages::storedTextsComeBackFromThePage_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Numbers>("stored"); // none: the defaults of a new page
    QTest::addColumn<QStringList>("storedTexts");
    QTest::addColumn<QStringList>("savedTexts");
    const auto row = [](const char *name, int id, Numbers stored, QStringList storedTexts,
                         QStringList savedTexts) {
        QTest::newRow(name) << id << stored << storedTexts << savedTexts;
    };

    const Numbers text { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 0 };
    row("watermark text defaults", WatermarkTextId, {}, {},
        { QStringLiteral("Copyright [Copyright] %1").arg(QDate::currentDate().year()),
            QStringLiteral("Arial"), QString() });
    const QStringList keywords { QStringLiteral(
                                     "\u00A9 [Copyright] [Filename].[Ext] at [GPSLatitude]"),
        QStringLiteral("DejaVu Sans"), QStringLiteral("/home/me/lines.txt") };
    row("watermark text keywords", WatermarkTextId, text, keywords, keywords);
    row("watermark text without a family", WatermarkTextId, text, { QStringLiteral("Text") },
        { QStringLiteral("Text"), QStringLiteral("Arial"), QString() });
}

void TestFilterPages::storedTextsComeBackFromThePage()
{
    QFETCH(int, id);
    QFETCH(Numbers, stored);
    QFETCH(QStringList, storedTexts);
    QFETCH(QStringList, savedTexts);
    const auto page = MakePage(id, QString());
    if (stored.isEmpty()) {
        page->Initialize();
    } else {
        SFilterRecord record = Record(id, stored);
        record.textCount = quint8(storedTexts.size());
        std::copy(storedTexts.begin(), storedTexts.end(), record.texts.begin());
        page->Load(record, true);
    }
    SFilterRecord saved;
    page->Save(saved);
    QCOMPARE(QStringList(saved.texts.begin(), saved.texts.begin() + saved.textCount), savedTexts);
}

void TestFilterPages::watermarkTextKeywordMenus_data()
{
    QTest::addColumn<QString>("submenu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("keyword");
    const auto row = [](const char *submenu, const char *entry, const char *keyword) {
        QTest::newRow(keyword) << QString::fromLatin1(submenu) << QString::fromUtf8(entry)
                               << QString::fromLatin1(keyword);
    };

    row("Symbols", "Copyright \u00A9", "[Copyright]");
    row("Symbols", "Registered \u00AE", "[Registered]");
    row("Symbols", "Trademark \u2122", "[Trademark]");
    row("Symbols", "Servicemark \u2120", "[Servicemark]");
    row("File", "Source Filename", "[Filename]");
    row("File", "Source Extension", "[Ext]");
    row("File", "Source Folder", "[Folder]");
    row("File", "Source Path", "[Path]");
    row("Origin", "Artist", "[OriginArtist]");
    row("Origin", "Copyright", "[OriginCopyright]");
    row("Origin", "Date taken", "[OriginDate]");
    row("Image", "Dimensions", "[ImageDimensions]");
    row("Image", "Resolution", "[ImageResolution]");
    row("Camera", "Camera Maker", "[CameraMaker]");
    row("Camera", "Camera Model", "[CameraModel]");
    row("Camera", "F-stop", "[CameraFstop]");
    row("Camera", "Exposure", "[CameraExposure]");
    row("Camera", "ISO", "[CameraISO]");
    row("Camera", "Focal Length", "[CameraFocalLength]");
    row("Camera", "Flash", "[CameraFlash]");
    row("GPS", "Latitude", "[GPSLatitude]");
    row("GPS", "Longitude", "[GPSLongitude]");
    row("GPS", "Altitude", "[GPSAltitude]");
}

void TestFilterPages::watermarkTextKeywordMenus()
{
    QFETCH(QString, submenu);
    QFETCH(QString, entry);
    QFETCH(QString, keyword);
    const auto page = MakePage(WatermarkTextId, QString());
    page->show();
    page->Initialize();
    auto *text = Child<QLineEdit>(page.get(), "editText");
    QTest::keyClicks(text, QStringLiteral("Photo of"));
    QTest::keyClick(text, Qt::Key_Home);

    CMenuWalker walker(submenu, entry);
    QTest::mouseClick(Child(page.get(), "buttonAddKeyword"), Qt::LeftButton);
    QCOMPARE(walker.titles, QStringList({ "Symbols", "File", "Origin", "Image", "Camera", "GPS" }));
    // At the end of the line, wherever the cursor stood.
    QCOMPARE(text->text(), QStringLiteral("Photo of") + keyword);
}

void TestFilterPages::watermarkTextFromAFile()
{
    const auto page = MakePage(WatermarkTextId, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Initialize();
    QVERIFY(states.wait(2000));
    auto *fromFile = Child<QCheckBox>(page.get(), "checkTextFromFile");
    auto *text = Child<QLineEdit>(page.get(), "editText");
    QWidget *keyword = Child(page.get(), "buttonAddKeyword");
    QWidget *browse = Child(page.get(), "buttonBrowse");
    QVERIFY(text->isEnabled() && keyword->isEnabled() && !browse->isEnabled());

    QTest::mouseClick(fromFile, Qt::LeftButton);
    QVERIFY(!text->isEnabled() && !keyword->isEnabled() && browse->isEnabled());

    // The chosen file, in the platform's form, is kept with "/" and remembered.
    QString offeredStart;
    CFilterWatermarkText::SetTextFileChooser(
        [&](QWidget *, const QString &, const QString &start, const QString &) {
            offeredStart = start;
            return QStringLiteral("C:\\T\\lines.txt");
        });
    states.clear();
    QElapsedTimer pause;
    pause.start();
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(offeredStart, GetPicturesFolder());
    QVERIFY(states.wait(2000));
    QVERIFY2(pause.elapsed() >= 450 && pause.elapsed() < 950,
        qPrintable(QString::number(pause.elapsed())));
    SFilterRecord state = states.last().at(0).value<SFilterRecord>();
    QCOMPARE(state.texts[WatermarkTextSlot::TextFilePath], QStringLiteral("C:/T/lines.txt"));
    QCOMPARE(state.numbers[WatermarkTextSlot::TextFromFile], 1.0);
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/Filter.WatermarkText.TextFilePath"), QString()),
        QStringLiteral("C:/T/lines.txt"));

    CFilterWatermarkText::SetTextFileChooser(nullptr);

    // Reset keeps the typed text and the file, and turns back to the typed text.
    text->setEnabled(true);
    text->setText(QStringLiteral("Mine"));
    page->Initialize();
    SFilterRecord saved;
    page->Save(saved);
    QCOMPARE(saved.texts[WatermarkTextSlot::Text], QStringLiteral("Mine"));
    QCOMPARE(saved.texts[WatermarkTextSlot::TextFilePath], QStringLiteral("C:/T/lines.txt"));
    QVERIFY(!fromFile->isChecked() && text->isEnabled() && !browse->isEnabled());

    // A stored record with its text from the file shows so.
    page->Load(Record(WatermarkTextId, { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 1 }), true);
    QVERIFY(fromFile->isChecked() && !text->isEnabled() && !keyword->isEnabled()
        && browse->isEnabled());
}

void TestFilterPages::watermarkTextFollowsTheMouse_data()
{
    QTest::addColumn<bool>("turn"); // by the rotation handle; else moved from inside
    QTest::addColumn<QPoint>("move");

    QTest::newRow("moved") << false << QPoint(40, 30);
    QTest::newRow("turned") << true << QPoint(0, 30);
}

void TestFilterPages::watermarkTextFollowsTheMouse()
{
    QFETCH(bool, turn);
    QFETCH(QPoint, move);
    namespace Slot = WatermarkTextSlot;
    const QString photo = samples.value(QStringLiteral("800x600"));
    CUserProfile::instance()->CurrentPhotoPath = photo;
    const Numbers stored { 0, 40, 40, 10, White, 0, 0, 0, 0, 0, 0, 0 };
    CFilterSettings dialog;
    dialog.record = Record(WatermarkTextId, stored);
    dialog.record.textCount = Slot::TextCount;
    dialog.record.texts[Slot::Text] = QStringLiteral("Copyright [Copyright] 2024");
    dialog.record.texts[Slot::FontFamily] = QStringLiteral("DejaVu Sans");
    dialog.samplePhoto.pathName = photo;
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CControlImage *preview = dialog.FilteredPreview();
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QTRY_VERIFY_WITH_TIMEOUT(preview->imageLoaded && overlay->isVisible(), 20000);
    QTRY_COMPARE(dialog.History().Count(), 1);
    QSignalSpy states(dialog.Page(), &CFilterPage::SaveState);

    // Pressed inside the text or on the turning grip beyond its bottom-right corner.
    QWidget *viewport = preview->viewport();
    const QRect box(overlay->mapTo(viewport, QPoint(0, 0)), overlay->size());
    const QPoint from = turn ? box.bottomRight() + QPoint(11, 11) : box.center();
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
    QElapsedTimer sinceRelease;
    sinceRelease.start();

    // Recorded as dragged at the dialog's reload, not after a pause of the page's own.
    QTRY_COMPARE(dialog.History().Count(), 2);
    QVERIFY(sinceRelease.elapsed() < CFilterPage::SlowDelayMs * 9 / 10);
    QCOMPARE(states.count(), 1);
    const Numbers state = NumbersOf(states.at(0).at(0).value<SFilterRecord>());
    QCOMPARE(state, NumbersOf(preview->Filters().constFirst()));
    Numbers expected = stored;
    if (turn) {
        // Turned clockwise by the pointer going down past the right end of the text.
        QVERIFY2(state.at(Slot::Rotation) >= 1 && state.at(Slot::Rotation) < 90,
            qPrintable(QString::number(state.at(Slot::Rotation))));
        expected[Slot::Rotation] = std::trunc(state.at(Slot::Rotation));
    } else {
        // The shift follows the pointer in photo pixels, give or take a screen pixel.
        const double scale = preview->DisplayScale();
        const double deltaX = state.at(Slot::DeltaX);
        const double deltaY = state.at(Slot::DeltaY);
        QVERIFY2(qAbs(deltaX - (40 + move.x() / scale)) <= 2, qPrintable(QString::number(deltaX)));
        QVERIFY2(qAbs(deltaY - (40 + move.y() / scale)) <= 2, qPrintable(QString::number(deltaY)));
        expected[Slot::DeltaX] = deltaX;
        expected[Slot::DeltaY] = deltaY;
    }
    // The page's controls show it (and save it); no preview of the page's own follows.
    QCOMPARE(Saved(*dialog.Page()), expected);
    QCOMPARE(Child<QSpinBox>(&dialog, "spinDeltaY")->value(), int(expected.at(Slot::DeltaY)));
    QTest::qWait(1500);
    QCOMPARE(dialog.History().Count(), 2);
    CUserProfile::instance()->CurrentPhotoPath.clear();
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterPages, QApplication, InitializeImageEngine)
#include "tst_filterpages.moc"
