#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "ControlImage.h"
#include "DialogFont.h"
#include "FilterComment.h"
#include "FilterCustomMask.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FilterWatermarkLogo.h"
#include "Folders.h"
#include "Settings.h"
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
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <limits>
#include <memory>

namespace {

using Numbers = QList<double>;
using Slots = QList<int>;

constexpr int CropId = FilterId::Crop;
constexpr int FlipId = FilterId::Flip;
constexpr int ResizeId = FilterId::Resize;
constexpr int RotateId = FilterId::Rotate;
constexpr int CommentId = FilterId::Comment;
constexpr int LogoId = FilterId::WatermarkLogo;
constexpr int MaskId = FilterId::WatermarkMask;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

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

SFilterRecord Record(int id, const Numbers &numbers, const QStringList &texts)
{
    SFilterRecord record = Record(id, numbers);
    record.textCount = quint8(texts.size());
    std::copy(texts.begin(), texts.end(), record.texts.begin());
    return record;
}

QStringList TextsOf(const SFilterRecord &record)
{
    return QStringList(record.texts.begin(), record.texts.begin() + record.textCount);
}

// Answers every window of type T that shows while it lives, as a user would, once the window
// is up; a window still open afterwards is closed, so that a failing test never hangs.
template<class T> class CAnswerOnShow : public QObject
{
public:
    explicit CAnswerOnShow(std::function<void(T *)> answer)
        : answer(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~CAnswerOnShow() override { qApp->removeEventFilter(this); }

    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<T *>(watched);
        if (window && event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, window, [this, window]() {
                answer(window);
                if (window->isVisible())
                    window->close();
            });
        }
        return false;
    }

private:
    std::function<void(T *)> answer;
};

// Pressed at `from` in the preview, moved in small steps as a hand would, released.
void Drag(QWidget *viewport, QPoint from, QPoint move)
{
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

    void textsComeBackFromThePage_data();
    void textsComeBackFromThePage();
    void keywordMenuAppendsToTheText_data();
    void keywordMenuAppendsToTheText();
    void fontDialogAnswerReachesTheRecord_data();
    void fontDialogAnswerReachesTheRecord();
    void chosenFileIsStoredWithSlashes_data();
    void chosenFileIsStoredWithSlashes();
    void portraitMaskFieldFollowsTheChoice();
    void dragMovesTheTextOrLogo_data();
    void dragMovesTheTextOrLogo();

private:
    // A page as the dialog builds it, on the named sample (empty: no photo).
    std::unique_ptr<CFilterPage> MakePage(int id, const QString &sample);
    QString Photo(QSize size);
    // The settings dialog on the 800 x 600 sample, shown with its overlay up and the record's
    // first state recorded.
    void OpenOnSample(CFilterSettings &dialog, const SFilterRecord &record);

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
    row("comment truncates, keeps one decimal", CommentId, "",
        { 7.9, 12.34, -5.06, 36.7, 4294967295, 15.6, 2.9, 1, 0.5, 0, 1 },
        { 7, 12.3, -5.1, 36, 4294967295, 15, 2, 1, 1, 0, 1 });
    row("comment colour written signed", CommentId, "",
        { 0, 0, 0, 12, -16777216, 0, 0, 0, 0, 0, 0 },
        { 0, 0, 0, 12, 4278190080, 0, 0, 0, 0, 0, 0 });
    row("comment held in range", CommentId, "",
        { 8, 150, -150, 12, 4278190080, 101, 0, 0, 0, 0, 0 },
        { 8, 100, -100, 12, 4278190080, 100, 0, 0, 0, 0, 0 });
    row("comment lists -1 and 9", CommentId, "", { 9, 0, 0, 48, 4290493439, 15, -1, 0, 0, 0, 0 },
        { 7, 0, 0, 48, 4290493439, 15, 1, 0, 0, 0, 0 });
    row("comment not numbers", CommentId, "",
        { NaN, NaN, NaN, NaN, 4290493439, NaN, NaN, 0, 0, 0, 0 },
        { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 });
    row("logo truncates", LogoId, "", { 8.9, 120.7, -40.2, 250.9, 44.9, 15.6 },
        { 8, 120, -40, 250, 44, 15 });
    row("logo held in range, turns within a circle", LogoId, "",
        { 9, 40000, -40000, 1500, 450, -3 }, { 8, 30000, -30000, 1000, 90, 0 });
    row("logo negative turn", LogoId, "", { 0, 0, 0, 100, -90, 0 }, { 0, 0, 0, 100, 270, 0 });
    row("logo turn beyond an int", LogoId, "", { 0, 0, 0, 100, 3e9 + 0.7, 0 },
        { 0, 0, 0, 100, 120, 0 });
    row("logo not numbers", LogoId, "", { NaN, NaN, NaN, NaN, NaN, NaN },
        { 8, 50, 50, 100, 0, 15 });
    row("mask rounds half up", MaskId, "", { 0.4, 44.5 }, { 0, 45 });
    row("mask rounds half up, turning", MaskId, "", { 0.5, 44.4 }, { 1, 44 });
    row("mask choice -1, alpha NaN", MaskId, "", { -1, NaN }, { 1, 0 });
    row("mask choice 7, alpha 150", MaskId, "", { 7, 150 }, { 1, 100 });
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
    row("comment", CommentId, "", { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 });
    row("watermark logo", LogoId, "", { 8, 50, 50, 100, 0, 15 });
    row("watermark mask", MaskId, "", { 1, 0 });
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
    const Numbers comment { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 };
    row("comment delta x", CommentId, "spinDeltaX", "-12.5", 0, 0, 1000,
        { 7, -12.5, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 });
    row("comment alignment", CommentId, "comboAlignment", "", Qt::Key_Down, 1, 1000,
        { 7, 0, 10, 48, 4290493439, 15, 2, 0, 0, 0, 0 });
    row("comment typed text", CommentId, "editComment", "", Qt::Key_A, 5, 1000, comment);
    row("logo scale, five steps", LogoId, "spinScale", "", Qt::Key_Up, 5, 500,
        { 8, 50, 50, 105, 0, 15 });
    row("logo rotation wraps", LogoId, "spinRotation", "", Qt::Key_Down, 1, 500,
        { 8, 50, 50, 100, 359, 15 });
    row("logo placement", LogoId, "comboPlacement", "", Qt::Key_Up, 2, 500,
        { 6, 50, 50, 100, 0, 15 });
    row("mask other portrait mask", MaskId, "radioDifferentMask", "", Qt::Key_Space, 1, 500,
        { 0, 0 });
    row("mask alpha", MaskId, "spinAlpha", "", Qt::Key_Up, 3, 500, { 1, 3 });
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

void TestFilterPages::OpenOnSample(CFilterSettings &dialog, const SFilterRecord &record)
{
    const QString photo = samples.value(QStringLiteral("800x600"));
    CUserProfile::instance()->CurrentPhotoPath = photo; // the overlay edits the previewed photo
    dialog.record = record;
    dialog.samplePhoto.pathName = photo;
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QTRY_VERIFY_WITH_TIMEOUT(dialog.FilteredPreview()->imageLoaded && overlay->isVisible(), 20000);
    QTRY_COMPARE(dialog.History().Count(), 1);
}

void TestFilterPages::textsComeBackFromThePage_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("saved");
    const Numbers comment { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 };
    const QString keywords = QStringLiteral("[Filename].[Ext] in [Folder]\n([Path]) \n");

    QTest::newRow("comment with keywords and lines")
        << CommentId << comment << QStringList { keywords, QStringLiteral("DejaVu Serif") }
        << QStringList { keywords, QStringLiteral("DejaVu Serif") };
    QTest::newRow("comment without a family")
        << CommentId << comment << QStringList { QStringLiteral("x") }
        << QStringList { QStringLiteral("x"), "Arial" };
    QTest::newRow("logo path with backslashes")
        << LogoId << Numbers { 8, 50, 50, 100, 0, 15 }
        << QStringList { QStringLiteral("C:\\Logos\\mark.png") }
        << QStringList { QStringLiteral("C:/Logos/mark.png") };
    QTest::newRow("mask paths") << MaskId << Numbers { 0, 20 }
                                << QStringList { QStringLiteral("D:\\m\\wide.png"),
                                       QStringLiteral("/masks/tall [1].png") }
                                << QStringList { QStringLiteral("D:/m/wide.png"),
                                       QStringLiteral("/masks/tall [1].png") };
}

void TestFilterPages::textsComeBackFromThePage()
{
    QFETCH(int, id);
    QFETCH(Numbers, numbers);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, saved);
    const auto page = MakePage(id, QString());
    page->Load(Record(id, numbers, stored), true);
    SFilterRecord record;
    page->Save(record);
    QCOMPARE(TextsOf(record), saved);
    QCOMPARE(NumbersOf(record), numbers);
}

void TestFilterPages::keywordMenuAppendsToTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Slots>("entries"); // positions in the menu, chosen one after the other
    QTest::addColumn<QString>("expected");

    QTest::newRow("after a letter") << "Trip" << Slots { 2 } << "Trip[Folder]";
    QTest::newRow("after a blank") << "Trip " << Slots { 0 } << "Trip [Filename]";
    QTest::newRow("after a line break") << "Trip\n" << Slots { 3 } << "Trip\n[Path]";
    QTest::newRow("two in a row") << "" << Slots { 0, 1 } << "[Filename][Ext]";
}

void TestFilterPages::keywordMenuAppendsToTheText()
{
    QFETCH(QString, text);
    QFETCH(Slots, entries);
    QFETCH(QString, expected);
    const auto page = MakePage(CommentId, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Load(
        Record(CommentId, { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 }, { text, "Arial" }),
        true);
    QVERIFY(states.wait(2000));
    states.clear();

    auto *button = Child<QPushButton>(page.get(), "buttonAddKeyword");
    int next = 0;
    QStringList offered;
    QPoint shownAt;
    CAnswerOnShow<QMenu> user([&](QMenu *menu) {
        offered.clear();
        for (const QAction *action : menu->actions())
            offered << action->text();
        shownAt = menu->pos();
        for (int down = 0; down <= entries.at(next); ++down)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    for (next = 0; next < entries.size(); ++next)
        QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(user.shown, entries.size());
    QCOMPARE(offered,
        QStringList({ "Source Filename", "Source Extension", "Source Folder", "Source Path" }));
    QCOMPARE(shownAt, button->mapToGlobal(button->contentsRect().bottomLeft()));
    QCOMPARE(Child<QPlainTextEdit>(page.get(), "editComment")->toPlainText(), expected);
    QVERIFY(states.wait(2000));
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).value<SFilterRecord>().texts[CommentSlot::Text], expected);
}

void TestFilterPages::fontDialogAnswerReachesTheRecord_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<Numbers>("saved");

    // Italic was on: the dialog hands it on; bold is checked and 36 typed in the dialog.
    QTest::newRow("OK") << true << Numbers { 7, 0, 10, 36, 4290493439, 15, 1, 1, 1, 0, 0 };
    QTest::newRow("cancelled") << false << Numbers { 7, 0, 10, 20, 4290493439, 15, 1, 0, 1, 0, 0 };
}

void TestFilterPages::fontDialogAnswerReachesTheRecord()
{
    QFETCH(bool, accept);
    QFETCH(Numbers, saved);
    const auto page = MakePage(CommentId, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Load(Record(CommentId, { 7, 0, 10, 20, 4290493439, 15, 1, 0, 1, 0, 0 },
                   { "Hello", "DejaVu Sans" }),
        true);
    QVERIFY(states.wait(2000));
    states.clear();

    QString shownSize;
    CAnswerOnShow<CDialogFont> user([&](CDialogFont *dialog) {
        QLineEdit *size = Child<QComboBox>(dialog, "comboFontSize")->lineEdit();
        shownSize = size->text();
        QTest::keyClick(Child(dialog, "checkBold"), Qt::Key_Space);
        QTest::keyClick(size, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(size, QStringLiteral("36"));
        QTest::mouseClick(Child(dialog, accept ? "buttonOK" : "buttonCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(Child(page.get(), "buttonFont"), Qt::LeftButton);
    QCOMPARE(user.shown, 1);
    QCOMPARE(shownSize, QStringLiteral("20"));

    SFilterRecord record;
    page->Save(record);
    QCOMPARE(NumbersOf(record), saved);
    QCOMPARE(states.wait(1500), accept);
    if (!accept)
        QCOMPARE(record.texts[CommentSlot::FontFamily], QStringLiteral("DejaVu Sans"));
}

void TestFilterPages::chosenFileIsStoredWithSlashes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("remembered"); // under the key afterwards
    QTest::addColumn<int>("textSlot");
    QTest::addColumn<QString>("saved");
    const QString logoKey = QStringLiteral("GUI/Filter.WatermarkLogo.WatermarkPath");
    const Numbers logo { 8, 50, 50, 100, 0, 15 };

    QTest::newRow("logo") << LogoId << logo << "buttonBrowse"
                          << "C:\\Logos\\Big\\mark.png" << logoKey << "C:/Logos/Big" << 0
                          << "C:/Logos/Big/mark.png";
    QTest::newRow("logo cancelled") << LogoId << logo << "buttonBrowse"
                                    << "" << logoKey << "C:/Logos/Big" << 0 << "/stored/logo.png";
    QTest::newRow("mask") << MaskId << Numbers { 1, 0 } << "buttonBrowse"
                          << "C:\\Masks\\wide.png"
                          << "GUI/Filter.WatermarkMask.MaskPath"
                          << "C:/Masks/wide.png" << 0 << "C:/Masks/wide.png";
    QTest::newRow("portrait mask") << MaskId << Numbers { 0, 0 } << "buttonBrowsePortrait"
                                   << "/home/u/tall.png"
                                   << "GUI/Filter.WatermarkMask.MaskPortraitPath"
                                   << "/home/u/tall.png" << 1 << "/home/u/tall.png";
}

void TestFilterPages::chosenFileIsStoredWithSlashes()
{
    QFETCH(int, id);
    QFETCH(Numbers, numbers);
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(QString, key);
    QFETCH(QString, remembered);
    QFETCH(int, textSlot);
    QFETCH(QString, saved);
    QString asked;
    const auto chooser
        = [&](QWidget *, const QString &caption, const QString &start, const QString &) {
              asked = caption + QLatin1Char('|') + start;
              return chosen;
          };
    CFilterWatermarkLogo::SetFileChooser(chooser);
    CFilterCustomMask::SetFileChooser(chooser);
    const auto restore = qScopeGuard([]() {
        CFilterWatermarkLogo::SetFileChooser(nullptr);
        CFilterCustomMask::SetFileChooser(nullptr);
    });
    const auto page = MakePage(id, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Load(Record(id, numbers, { "/stored/logo.png", "/stored/tall.png" }), true);
    QVERIFY(states.wait(2000));
    states.clear();
    const QString start = ReadSettingString(key, GetPicturesFolder());

    QTest::mouseClick(Child(page.get(), qPrintable(button)), Qt::LeftButton);
    QCOMPARE(asked, (id == LogoId ? "Select Watermark Image|" : "Select Mask|") + start);
    QCOMPARE(ReadSettingString(key, QString()), remembered);
    SFilterRecord record;
    page->Save(record);
    QCOMPARE(record.texts[textSlot], saved);
    QCOMPARE(states.wait(1000), !chosen.isEmpty());
    if (id == MaskId) {
        // A new mask filter starts with the masks last chosen.
        const auto fresh = MakePage(MaskId, QString());
        fresh->Initialize();
        fresh->Save(record);
        QCOMPARE(record.texts[textSlot], saved);
    }
}

void TestFilterPages::portraitMaskFieldFollowsTheChoice()
{
    const auto page = MakePage(MaskId, QString());
    page->show();
    page->Initialize();
    auto *rotate = Child<QRadioButton>(page.get(), "radioRotateMask");
    auto *different = Child<QRadioButton>(page.get(), "radioDifferentMask");
    auto *field = Child<QLineEdit>(page.get(), "editMaskPortrait");
    auto *browse = Child(page.get(), "buttonBrowsePortrait");
    // 1 both the field and its button enabled, 0 both disabled.
    const auto portrait = [&]() {
        return field->isEnabled() == browse->isEnabled() ? int(field->isEnabled()) : -1;
    };
    QVERIFY(rotate->isChecked());
    QCOMPARE(portrait(), 0);

    QTest::mouseClick(different, Qt::LeftButton, {}, QPoint(8, different->height() / 2));
    QVERIFY(different->isChecked());
    QCOMPARE(portrait(), 1);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("tall.png"));
    QTest::mouseClick(rotate, Qt::LeftButton, {}, QPoint(8, rotate->height() / 2));
    QVERIFY(rotate->isChecked());
    QCOMPARE(portrait(), 0);
    SFilterRecord record;
    page->Save(record);
    QCOMPARE(NumbersOf(record), Numbers({ 1, 0 }));
    QCOMPARE(record.texts[WatermarkMaskSlot::PortraitMaskPath], QStringLiteral("tall.png"));

    page->Load(Record(MaskId, { 0.4, 0 }), true);
    QVERIFY(different->isChecked());
    QCOMPARE(portrait(), 1);
    page->Load(Record(MaskId, { 0.5, 0 }), true);
    QVERIFY(rotate->isChecked());
    QCOMPARE(portrait(), 0);
}

void TestFilterPages::dragMovesTheTextOrLogo_data()
{
    QTest::addColumn<SFilterRecord>("stored");
    QTest::addColumn<QPoint>("move");
    QImage logo(120, 60, QImage::Format_ARGB32);
    logo.fill(QColor(20, 160, 40));
    const QString logoPath = root.filePath(QStringLiteral("logo.png"));
    QVERIFY(logo.save(logoPath, "PNG"));

    // Top-left anchors, away from the middle: the anchor stays, the offsets grow.
    QTest::newRow("comment, percent") << Record(
        CommentId, { 0, 10, 12.5, 10, 4294967295, 0, 1, 0, 0, 0, 0 }, { "Drag me", "DejaVu Sans" })
                                      << QPoint(40, 24);
    QTest::newRow("logo, photo pixels")
        << Record(LogoId, { 0, 50, 40, 100, 0, 0 }, { logoPath }) << QPoint(36, 20);
}

void TestFilterPages::dragMovesTheTextOrLogo()
{
    QFETCH(SFilterRecord, stored);
    QFETCH(QPoint, move);
    const bool logo = stored.id == LogoId;
    CFilterSettings dialog;
    OpenOnSample(dialog, stored);
    if (QTest::currentTestFailed())
        return;
    CControlImage *preview = dialog.FilteredPreview();
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QWidget *viewport = preview->viewport();
    QSignalSpy states(dialog.Page(), &CFilterPage::SaveState);
    Drag(viewport, QRect(overlay->mapTo(viewport, QPoint(0, 0)), overlay->size()).center(), move);
    QTRY_COMPARE(dialog.History().Count(), 2);
    QCOMPARE(states.count(), 1);

    // Where the engine will put it: photo pixels for the logo, percent of the photo for the text.
    const QSize shown = preview->DisplaySize();
    const double scale = preview->DisplayScale();
    const double expectedX
        = stored.numbers[1] + (logo ? move.x() / scale : move.x() * 100.0 / shown.width());
    const double expectedY
        = stored.numbers[2] + (logo ? move.y() / scale : move.y() * 100.0 / shown.height());
    const double tolerance = logo ? 2.0 : 0.4; // a screen pixel, and the box's one decimal
    const auto near
        = [tolerance](double actual, double wanted) { return qAbs(actual - wanted) <= tolerance; };
    const auto value = [&](const char *name) {
        QWidget *spin = Child(dialog.Page(), name);
        return logo ? double(qobject_cast<QSpinBox *>(spin)->value())
                    : qobject_cast<QDoubleSpinBox *>(spin)->value();
    };
    QVERIFY2(
        near(value("spinDeltaX"), expectedX), qPrintable(QString::number(value("spinDeltaX"))));
    QVERIFY2(
        near(value("spinDeltaY"), expectedY), qPrintable(QString::number(value("spinDeltaY"))));

    QTest::mouseClick(Child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok),
        Qt::LeftButton);
    const SFilterRecord &saved = dialog.record;
    QCOMPARE(saved.numbers[0], 0.0); // the anchor
    QCOMPARE(saved.numbers[1], value("spinDeltaX"));
    QCOMPARE(saved.numbers[2], value("spinDeltaY"));
    for (int slot = 3; slot < stored.numberCount; ++slot)
        QCOMPARE(saved.numbers[slot], stored.numbers[slot]);
    QCOMPARE(TextsOf(saved), TextsOf(stored));
    CUserProfile::instance()->CurrentPhotoPath.clear();
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterPages, QApplication, InitializeImageEngine)
#include "tst_filterpages.moc"
