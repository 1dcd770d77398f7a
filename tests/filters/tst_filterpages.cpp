#include "ImageEngineSetup.h"
#include "OpenFileChooser.h"
#include "ScriptedUser.h"
#include "TestMain.h"

#include "ColorPicker.h"
#include "ControlImage.h"
#include "DialogFont.h"
#include "FilterComment.h"
#include "FilterCustomMask.h"
#include "FilterDate.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterPages.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FilterWatermarkLogo.h"
#include "FilterWatermarkText.h"
#include "FiltersEnum.h"
#include "Folders.h"
#include "Settings.h"
#include "StoredValues.h"
#include "TextAnnotations.h"
#include "UserProfile.h"

#include <QAbstractItemView>
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <Magick++.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

using Numbers = QList<double>;
using Slots = QList<int>;

constexpr int CropId = FilterId::Crop;
constexpr int DateId = FilterId::Date;
constexpr int FlipId = FilterId::Flip;
constexpr int ResizeId = FilterId::Resize;
constexpr int ResizeAdvancedId = FilterId::ResizeAdvanced;
constexpr int RotateId = FilterId::Rotate;
constexpr int WatermarkTextId = FilterId::WatermarkText;
constexpr int CommentId = FilterId::Comment;
constexpr int LogoId = FilterId::WatermarkLogo;
constexpr int MaskId = FilterId::WatermarkMask;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

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

void Type(QAbstractSpinBox *spin, const QString &text)
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

    void everyFilterOfTheCatalogueHasItsPage();
    void noListCutsItsChoices();
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
    void resizeAdvancedKeepsPixelsInchesAndDpiTied_data();
    void resizeAdvancedKeepsPixelsInchesAndDpiTied();
    void boxesGreyOutWhatTheyOverride_data();
    void boxesGreyOutWhatTheyOverride();
    void frameListsShowEveryFrame_data();
    void frameListsShowEveryFrame();
    void colorButtonsSaveThePickedColor_data();
    void colorButtonsSaveThePickedColor();

    void dragInThePreviewIsOneUndoStep_data();
    void dragInThePreviewIsOneUndoStep();
    void editRightBeforeADragIsKept();

    void controlsFollowTheChosenItems_data();
    void controlsFollowTheChosenItems();
    void namedChoicesAreTheItemsThePagesList_data();
    void namedChoicesAreTheItemsThePagesList();
    void choosingTheShownItemStartsNoPreview_data();
    void choosingTheShownItemStartsNoPreview();
    void dateChoicesGiveTheStampedText_data();
    void dateChoicesGiveTheStampedText();
    void dateCorrectionOpensAndClosesOnClick();
    void dateBoxesEnableTheirControls_data();
    void dateBoxesEnableTheirControls();
    void dateFontAndTextureChoices_data();
    void dateFontAndTextureChoices();
    void dateDragMovesTheStampInPercent();
    void storedTextsComeBackFromThePage_data();
    void storedTextsComeBackFromThePage();
    void watermarkTextKeywordMenus_data();
    void watermarkTextKeywordMenus();
    void watermarkTextFromAFile();
    void watermarkTextFollowsTheMouse_data();
    void watermarkTextFollowsTheMouse();

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
    QString Photo(QSize size, int dpi = 72);

    // The settings dialog on the 800 x 600 sample, shown with its overlay up and the record's
    // first state recorded.
    void OpenOnSample(CFilterSettings &dialog, const SFilterRecord &record);

    QTemporaryDir root;
    QMap<QString, QString> samples;
};

void TestFilterPages::initTestCase()
{
    QVERIFY(root.isValid());
    // A colour button's click picks this colour at once: no modal colour dialog.
    CColorPicker::ChooseColor = [](const QColor &, QWidget *) { return QColor(0x12, 0x34, 0x56); };
    for (const QSize size : { QSize(3000, 2000), QSize(2000, 3000), QSize(1001, 1001),
             QSize(1000, 1000), QSize(800, 600) })
        samples[QStringLiteral("%1x%2").arg(size.width()).arg(size.height())] = Photo(size);
    samples[QStringLiteral("3000x2000@300")] = Photo(QSize(3000, 2000), 300);
    samples[QStringLiteral("3000x2000@0")] = Photo(QSize(3000, 2000), 0);
}

void TestFilterPages::init()
{
    // Slots connected by name must all find their signals.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
}

QString TestFilterPages::Photo(QSize size, int dpi)
{
    const QString path = root.filePath(
        QStringLiteral("%1x%2-%3dpi.jpg").arg(size.width()).arg(size.height()).arg(dpi));
    if (dpi == 0) {
        // As many cameras write it: a pixel aspect and no resolution unit.
        Magick::Image blank(Magick::Geometry(size.width(), size.height()), "#b4783c");
        blank.write("JPEG:" + path.toStdString());
        return path;
    }
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(QColor(180, 120, 60));
    const int dotsPerMeter = qRound(dpi / 0.0254);
    photo.setDotsPerMeterX(dotsPerMeter);
    photo.setDotsPerMeterY(dotsPerMeter);
    return photo.save(path, "JPEG", 90) ? path : QString();
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

std::unique_ptr<CFilterPage> TestFilterPages::MakePage(int id, const QString &sample)
{
    std::unique_ptr<CFilterPage> page(FilterPages::Create(id, nullptr));
    if (!page)
        qFatal("no page for %d", id);
    page->samplePhoto.pathName = samples.value(sample);
    page->ReadSampleImageInfo();
    return page;
}

// Every drop-down list of every page is as wide as its longest choice needs, whatever order
// the page filled it and showed it in.
void TestFilterPages::noListCutsItsChoices()
{
    CFiltersEnum::instance()->GenerateList();
    QStringList cut;
    for (const SFilterInfo &filter : CFiltersEnum::instance()->Filters()) {
        CFilterSettings dialog;
        dialog.record = Record(filter.id, {});
        QVERIFY(dialog.Prepare());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QComboBox *combo : dialog.findChildren<QComboBox *>()) {
            if (!combo->isVisible() || combo->isEditable())
                continue;
            QComboBox fresh;
            fresh.setFont(combo->font());
            for (int row = 0; row < combo->count(); ++row)
                fresh.addItem(combo->itemIcon(row), combo->itemText(row));
            if (combo->width() < fresh.sizeHint().width())
                cut << QStringLiteral("%1: %2 is %3 wide, needs %4")
                           .arg(filter.name, combo->objectName())
                           .arg(combo->width())
                           .arg(fresh.sizeHint().width());
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void TestFilterPages::everyFilterOfTheCatalogueHasItsPage()
{
    CFiltersEnum::instance()->GenerateList();
    const QList<SFilterInfo> &catalogue = CFiltersEnum::instance()->Filters();
    QVERIFY(catalogue.size() >= 50);
    for (const SFilterInfo &filter : catalogue) {
        QVERIFY2(FilterPages::HasPage(filter.id), qPrintable(filter.name));
        QVERIFY2(!FilterPages::HelpTopic(filter.id).isEmpty(), qPrintable(filter.name));
    }
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
    row("brightness ends", FilterId::Brightness, "", { -100, 100 }, { -100, 100 });
    row("contrast held at -50 and 50", FilterId::Contrast, "", { -60, 50.4 }, { -50, 50 });
    row("color balance down to -10", FilterId::ColorBalance, "", { -10, -11, 90.5 },
        { -10, -10, 90 });
    row("hue/saturation rounds half up", FilterId::HueSaturation, "", { -100.5, 0.5, -0.5 },
        { -100, 1, 0 });
    row("levels channel stored last", FilterId::Levels, "", { 10, 40, 20, 1 }, { 10, 40, 20, 1 });
    row("levels channel 2.5", FilterId::Levels, "", { 2.5, 40, 0, 2.5 }, { 3, 40, 0, 3 });
    row("levels channel 4", FilterId::Levels, "", { 0, 40, 0, 4 }, { 0, 40, 0, 0 });
    row("levels channel -1", FilterId::Levels, "", { 0, 40, 0, -1 }, { 0, 40, 0, 0 });
    row("levels channel NaN", FilterId::Levels, "", { 0, 40, 0, qQNaN() }, { 0, 40, 0, 0 });
    row("reduce noise despeckle", FilterId::ReduceNoise, "", { 1 }, { 1 });
    row("reduce noise 2", FilterId::ReduceNoise, "", { 2 }, { 0 });
    row("sharpen 150", FilterId::Sharpen, "", { 150 }, { 99 });
    row("sharpen advanced threshold held at 10", FilterId::SharpenAdvanced, "", { 50, 60, 12 },
        { 50, 60, 10 });
    const char *print = "3000x2000@300";
    row("resize advanced box fitted to a landscape", ResizeAdvancedId, print,
        { 800, 800, 0, 0, 300, 300, 1, 1 }, { 800, 533, 2.67, 1.78, 300, 300, 1, 1 });
    row("resize advanced box fitted to a portrait", ResizeAdvancedId, "2000x3000",
        { 800, 1200, 0, 0, 300, 150, 1, 0 }, { 800, 1200, 2.67, 8, 300, 150, 1, 0 });
    row("resize advanced free sides are not fitted", ResizeAdvancedId, print,
        { 800, 1200, 2.5, 4.126, 300, 300, 0, 0 }, { 800, 1200, 2.5, 4.13, 300, 300, 0, 0 });
    row("resize advanced rounds half up", ResizeAdvancedId, print,
        { 1000.5, 700.4, 3.333, 2.346, 299.5, 150.4, 0.5, 0.4 },
        { 1001, 700, 3.33, 2.35, 300, 150, 1, 0 });
    row("resize advanced without a sample", ResizeAdvancedId, "",
        { 800, 1200, 0, 0, 300, 300, 1, 1 }, { 1200, 1200, 4, 4, 300, 300, 1, 1 });
    row("resize advanced, 0 dpi keeps the stored inches", ResizeAdvancedId, print,
        { 800, 800, 5, 5, 0, 0, 1, 1 }, { 800, 533, 5, 5, 0, 0, 1, 1 });
    row("resize advanced, a NaN side is not the box", ResizeAdvancedId, print,
        { qQNaN(), 800, qQNaN(), 1, 300, 300, 1, 1 }, { 800, 533, 2.67, 1.78, 300, 300, 1, 1 });
    row("resize advanced held in range", ResizeAdvancedId, print,
        { 40000, -5, qInf(), qQNaN(), 40000, -1, 0, 0 }, { 30000, 0, 30000, 0, 30000, 0, 0, 0 });
    row("blur rounds half up", FilterId::Blur, "", { 2.5 }, { 3 });
    row("blur rounds half up, below", FilterId::Blur, "", { 2.49 }, { 2 });
    row("charcoal", FilterId::Charcoal, "", { 20, 8 }, { 20, 8 });
    row("charcoal held in range", FilterId::Charcoal, "", { 150, -3 }, { 99, 0 });
    row("edge held at 5", FilterId::Edge, "", { 9 }, { 5 });
    row("edge held at 1", FilterId::Edge, "", { 0 }, { 1 });
    row("emboss rounds half up", FilterId::Emboss, "", { 2.5, 2.49 }, { 3, 2 });
    row("gaussian blur", FilterId::GaussianBlur, "", { 10.5, 99 }, { 11, 99 });
    row("implode", FilterId::Implode, "", { 42.4 }, { 42 });
    row("oil paint held at 10", FilterId::OilPaint, "", { 12 }, { 10 });
    row("oil paint rounds half up", FilterId::OilPaint, "", { 7.5 }, { 8 });
    row("solarize", FilterId::Solarize, "", { 99.5 }, { 99 });
    row("shade 0.4 unchecks", FilterId::Shade, "", { 10, 20, 0.4 }, { 10, 20, 0 });
    row("shade 0.5 checks", FilterId::Shade, "", { 10, 20, 0.5 }, { 10, 20, 1 });
    row("shade any other number checks", FilterId::Shade, "", { 10, 20, -3 }, { 10, 20, 1 });
    // The stored count is not checked: missing slots read as 0.
    row("shade short record", FilterId::Shade, "", { 10 }, { 10, 0, 0 });
    row("spread", FilterId::Spread, "", { 8.5 }, { 9 });
    row("swirl", FilterId::Swirl, "", { 200 }, { 200 });
    row("swirl rounds half up to a full turn", FilterId::Swirl, "", { 359.5 }, { 360 });
    // The dial wraps, but a stored angle is held at the ends like any other.
    row("swirl held at 360", FilterId::Swirl, "", { 400 }, { 360 });
    row("swirl held at 0", FilterId::Swirl, "", { -5 }, { 0 });
    row("wave rounds half up", FilterId::Wave, "", { 2.5, 2.49 }, { 3, 2 });
    row("noise", FilterId::Noise, "", { 2 }, { 2 });
    row("noise rounds half up", FilterId::Noise, "", { 2.5 }, { 3 });
    row("noise -0.4 is the first kind", FilterId::Noise, "", { -0.4 }, { 0 });
    row("noise kind 5 is the default", FilterId::Noise, "", { 5 }, { 4 });
    row("noise kind -1 is the default", FilterId::Noise, "", { -1 }, { 4 });
    row("noise NaN is the default", FilterId::Noise, "", { std::nan("") }, { 4 });
    const double lavender = 4290493439; // opaque rgb(187, 187, 255)
    const double clearTeal = 0x00336699; // no alpha at all
    row("color replace keeps all 32 bits", FilterId::ColorReplace, "",
        { 10, lavender, clearTeal, 0, 3 }, { 10, lavender, clearTeal, 0, 3 });
    row("color replace tolerance rounds, held at 99", FilterId::ColorReplace, "",
        { 150, lavender, lavender, 2, 0 }, { 99, lavender, lavender, 2, 0 });
    row("color replace greyed colours are kept", FilterId::ColorReplace, "",
        { 2.5, 4278190080, 4294967295, 1, 2 }, { 3, 4278190080, 4294967295, 1, 2 });
    row("color replace colour stored signed", FilterId::ColorReplace, "",
        { 0, -16777216, lavender, 0, 0 }, { 0, 4278190080, lavender, 0, 0 });
    row("color replace sources outside the list", FilterId::ColorReplace, "",
        { 0, lavender, lavender, 4, -1 }, { 0, lavender, lavender, 0, 0 });
    row("roll", FilterId::Roll, wide, { 450, 300, 0 }, { 450, 300, 0 });
    row("roll rounds half up, unit truncates", FilterId::Roll, wide, { 10.5, 2.49, 1.9 },
        { 11, 2, 1 });
    row("roll held in range", FilterId::Roll, wide, { 40000, -5, 0 }, { 30000, 0, 0 });
    row("roll unit 2", FilterId::Roll, wide, { 10, 10, 2 }, { 10, 10, 0 });
    row("thumbnail", FilterId::Thumbnail, "", { 640, 480, 1 }, { 640, 480, 1 });
    row("thumbnail rounds half up, method truncates", FilterId::Thumbnail, "", { 99.5, 120.4, 1.9 },
        { 100, 120, 1 });
    // The engine's fill (2) is not on the page: the page shows and saves its default.
    row("thumbnail fill", FilterId::Thumbnail, "", { 200, 100, 2 }, { 200, 100, 0 });
    row("auto crop", FilterId::AutoCrop, "", { 5, 0, 4, 3, 2 }, { 5, 0, 4, 3, 2 });
    row("auto crop truncates", FilterId::AutoCrop, "", { 4.9, 0.5, 16.9, 9.2, 0.9 },
        { 4, 0, 16, 9, 0 });
    row("auto crop held in range", FilterId::AutoCrop, "", { 6, 2, 150, -3, 3 },
        { 0, 1, 99, 0, 1 });
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
    row("brightness", FilterId::Brightness, "", { 0, 0 });
    row("contrast", FilterId::Contrast, "", { 0, 0 });
    row("color balance", FilterId::ColorBalance, "", { 0, 0, 0 });
    row("hue/saturation", FilterId::HueSaturation, "", { 0, 0, 0 });
    row("levels", FilterId::Levels, "", { 0, 40, 0, 0 });
    row("reduce noise", FilterId::ReduceNoise, "", { 0 });
    row("sharpen", FilterId::Sharpen, "", { 20 });
    row("sharpen advanced", FilterId::SharpenAdvanced, "", { 0, 0, 0 });
    row("resize advanced", ResizeAdvancedId, "3000x2000@300",
        { 3000, 2000, 10, 6.67, 300, 300, 1, 1 });
    row("resize advanced without a sample", ResizeAdvancedId, "", { 0, 0, 0, 0, 72, 72, 1, 1 });
    // A photo that states no resolution is taken at 72.
    row("resize advanced, sample without a resolution", ResizeAdvancedId, "3000x2000@0",
        { 3000, 2000, 41.67, 27.78, 72, 72, 1, 1 });
    row("blur", FilterId::Blur, "", { 0 });
    row("charcoal", FilterId::Charcoal, "", { 20, 8 });
    row("edge", FilterId::Edge, "", { 1 });
    row("emboss", FilterId::Emboss, "", { 20, 8 });
    row("gaussian blur", FilterId::GaussianBlur, "", { 0, 0 });
    row("implode", FilterId::Implode, "", { 42 });
    row("noise", FilterId::Noise, "", { 4 });
    row("oil paint", FilterId::OilPaint, "", { 0 });
    row("solarize", FilterId::Solarize, "", { 50 });
    row("shade", FilterId::Shade, "", { 36, 36, 1 });
    row("spread", FilterId::Spread, "", { 8 });
    row("swirl", FilterId::Swirl, "", { 30 });
    row("wave", FilterId::Wave, "", { 15, 25 });
    row("color replace", FilterId::ColorReplace, "", { 0, 4290493439, 4290493439, 0, 0 });
    row("roll", FilterId::Roll, "3000x2000", { 0, 0, 0 });
    row("roll without a sample", FilterId::Roll, "", { 0, 0, 0 });
    row("thumbnail", FilterId::Thumbnail, "", { 120, 120, 0 });
    row("auto crop", FilterId::AutoCrop, "", { 0, 1, 0, 0, 1 });
    row("date", DateId, "", DateNumbers());
    row("watermark text", WatermarkTextId, "", { 7, 0, 50, 48, White, 50, 0, 0, 0, 0, 0, 0 });
    row("comment", CommentId, "", { 7, 0, 10, 48, 4290493439, 15, 1, 0, 0, 0, 0 });
    row("watermark logo", LogoId, "", { 8, 50, 50, 100, 0, 15 });
    row("watermark mask", MaskId, "", { 1, 0 });
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
    QVERIFY(states.wait(EventTimeoutMs));
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
    row("roll to percents", FilterId::Roll, "3000x2000", { 450, 300, 0 }, { 15, 15, 1 },
        { 450, 300, 0 });
    // Whole percents: 5 of 1000 pixels is 0.5 % (up), 4 is 0.4 % (down).
    row("roll rounds half up", FilterId::Roll, "1000x1000", { 5, 4, 0 }, { 1, 0, 1 }, { 10, 0, 0 });
    row("roll to pixels", FilterId::Roll, "3000x2000", { 15, 15, 1 }, { 450, 300, 0 },
        { 15, 15, 1 });
    row("roll without a sample", FilterId::Roll, "", { 450, 300, 0 }, { 450, 300, 1 },
        { 450, 300, 0 });
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
    QVERIFY(states.wait(EventTimeoutMs));
    auto *unit = Child<QComboBox>(page.get(), "comboDimensions");
    const int storedUnit = unit->currentIndex();
    auto *resizeBy = page->findChild<QComboBox *>(QStringLiteral("comboResizeBy"));

    Choose(unit, 1 - storedUnit);
    QCOMPARE(Saved(*page), switched);
    if (resizeBy)
        QCOMPARE(resizeBy->isEnabled(), unit->currentIndex() == 0);
    // The preview follows the converted values.
    QVERIFY(states.wait(EventTimeoutMs));
    QCOMPARE(NumbersOf(states.last().at(0).value<SFilterRecord>()), switched);

    Choose(unit, storedUnit);
    QCOMPARE(Saved(*page), back);
    if (resizeBy)
        QCOMPARE(resizeBy->isEnabled(), unit->currentIndex() == 0);
    QVERIFY(states.wait(EventTimeoutMs));
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
    row("brightness gamma slider", FilterId::Brightness, "sliderGamma", "", Qt::Key_Right, 5, 1000,
        { 0, 5 });
    row("contrast lightness steps down", FilterId::Contrast, "spinLightness", "", Qt::Key_Down, 3,
        1000, { 0, -3 });
    row("color balance blue below 0", FilterId::ColorBalance, "sliderBlue", "", Qt::Key_Left, 3,
        1000, { 0, 0, -3 });
    row("hue/saturation saturation", FilterId::HueSaturation, "sliderSaturation", "", Qt::Key_Right,
        10, 1000, { 0, 10, 0 });
    row("levels black point", FilterId::Levels, "sliderBlackPoint", "", Qt::Key_Right, 2, 1000,
        { 2, 40, 0, 0 });
    row("levels channel Blue", FilterId::Levels, "comboChannel", "", Qt::Key_Down, 3, 500,
        { 0, 40, 0, 3 });
    row("reduce noise despeckle", FilterId::ReduceNoise, "comboReduceNoise", "", Qt::Key_Down, 1,
        500, { 1 });
    row("sharpen amount", FilterId::Sharpen, "sliderAmount", "", Qt::Key_Right, 10, 1000, { 30 });
    row("sharpen advanced threshold stops at 10", FilterId::SharpenAdvanced, "spinThreshold", "",
        Qt::Key_Up, 12, 1000, { 0, 0, 10 });
    row("resize advanced pixel width", ResizeAdvancedId, "spinPixelsWidth", "1500", 0, 0, 1000,
        { 1500, 1000, 20.83, 13.89, 72, 72, 1, 1 });
    row("resize advanced uniform box", ResizeAdvancedId, "checkUniformDPI", "", Qt::Key_Space, 1,
        500, { 3000, 2000, 41.67, 27.78, 72, 72, 1, 0 });
    row("blur slider, ten steps", FilterId::Blur, "sliderValue", "", Qt::Key_Right, 10, 1000,
        { 10 });
    row("charcoal sigma typed", FilterId::Charcoal, "spinSigma", "30", 0, 0, 1000, { 20, 30 });
    row("edge slider held at 5", FilterId::Edge, "sliderRadius", "", Qt::Key_Right, 10, 1000,
        { 5 });
    row("wave slider, ten steps down", FilterId::Wave, "sliderLength", "", Qt::Key_Left, 10, 1000,
        { 15, 15 });
    row("shade box", FilterId::Shade, "checkGrayscaleShading", "", Qt::Key_Space, 1, 500,
        { 36, 36, 0 });
    row("swirl angle typed", FilterId::Swirl, "spinDegrees", "200", 0, 0, 500, { 200 });
    row("swirl dial wraps below 0", FilterId::Swirl, "dialDegrees", "", Qt::Key_PageDown, 4, 500,
        { 350 });
    row("noise kind", FilterId::Noise, "comboNoiseType", "", Qt::Key_Up, 1, 500, { 3 });
    const double lavender = 4290493439;
    row("color replace tolerance, ten steps", FilterId::ColorReplace, "sliderTolerance", "",
        Qt::Key_Right, 10, 1000, { 10, lavender, lavender, 0, 0 });
    row("color replace new colour list", FilterId::ColorReplace, "comboNewColor", "", Qt::Key_Down,
        2, 500, { 0, lavender, lavender, 0, 2 });
    row("color replace colour button", FilterId::ColorReplace, "CPNewColor", "", Qt::Key_Space, 1,
        500, { 0, lavender, 4279383126, 0, 0 }); // 0xFF123456
    row("roll columns, three steps", FilterId::Roll, "spinColumns", "", Qt::Key_Up, 3, 1000,
        { 3, 0, 0 });
    row("thumbnail height", FilterId::Thumbnail, "spinHeight", "", Qt::Key_Down, 2, 1000,
        { 120, 118, 0 });
    row("thumbnail method", FilterId::Thumbnail, "comboMethod", "", Qt::Key_Down, 1, 500,
        { 120, 120, 1 });
    row("auto crop region", FilterId::AutoCrop, "comboRegion", "", Qt::Key_Down, 1, 500,
        { 0, 1, 0, 0, 2 });
    row("auto crop portrait box", FilterId::AutoCrop, "checkInvertPortraitCoord", "", Qt::Key_Space,
        1, 500, { 0, 0, 0, 0, 1 });
    row("date rotation, ten steps", DateId, "spinRotation", "", Qt::Key_Up, 10, 1000,
        DateNumbers({ { DateSlot::Rotation, 10 } }));
    row("date delta x", DateId, "spinDeltaX", "25.5", 0, 0, 1000,
        DateNumbers({ { DateSlot::DeltaX, 25.5 } }));
    row("date placement list", DateId, "comboPlacement", "", Qt::Key_Up, 2, 1000,
        DateNumbers({ { DateSlot::Placement, 6 } }));
    row("date stroke box", DateId, "checkUseStroke", "", Qt::Key_Space, 1, 1000,
        DateNumbers({ { DateSlot::UseStroke, 0 } }));
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
    QVERIFY(states.wait(EventTimeoutMs));
    states.clear();

    QWidget *widget = Child(page.get(), qPrintable(control));
    if (!typed.isEmpty())
        Type(qobject_cast<QAbstractSpinBox *>(widget), typed);
    for (int press = 0; press < times; ++press)
        QTest::keyClick(widget, Qt::Key(key));
    QElapsedTimer pause;
    pause.start();
    QVERIFY(states.wait(EventTimeoutMs));
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

void TestFilterPages::resizeAdvancedKeepsPixelsInchesAndDpiTied_data()
{
    QTest::addColumn<Numbers>("stored"); // empty: the defaults
    // In order: "name=text" types into a box, "name" alone presses Space on a check box.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Numbers>("saved");
    const auto row = [](const char *name, Numbers stored, QStringList steps, Numbers saved) {
        QTest::newRow(name) << stored << steps << saved;
    };

    // On a 3000 x 2000 sample at 300 dpi.
    row("defaults", {}, {}, { 3000, 2000, 10, 6.67, 300, 300, 1, 1 });
    row("pixel width, proportions kept", {}, { "spinPixelsWidth=1500" },
        { 1500, 1000, 5, 3.33, 300, 300, 1, 1 });
    row("pixel width 1000 cuts the height", {}, { "spinPixelsWidth=1000" },
        { 1000, 666, 3.33, 2.22, 300, 300, 1, 1 });
    row("pixel height, proportions kept", {}, { "spinPixelsHeight=1000" },
        { 1500, 1000, 5, 3.33, 300, 300, 1, 1 });
    row("pixel width, proportions free", {}, { "checkAspectRatio", "spinPixelsWidth=1500" },
        { 1500, 2000, 5, 6.67, 300, 300, 0, 1 });
    row("inch width: the height goes on at two decimals, pixels cut", {}, { "spinInchesWidth=5" },
        { 1500, 999, 5, 3.33, 300, 300, 1, 1 });
    // 1.14 x 300 comes out a hair below 342 in binary.
    row("inch width of a whole pixel count", {}, { "spinInchesWidth=1.14" },
        { 342, 228, 1.14, 0.76, 300, 300, 1, 1 });
    row("inch height, proportions kept", {}, { "spinInchesHeight=4" },
        { 1800, 1200, 6, 4, 300, 300, 1, 1 });
    row("uniform dpi", {}, { "spinDPIWidth=150" }, { 3000, 2000, 20, 13.33, 150, 150, 1, 1 });
    row("dpi of one axis", {}, { "checkUniformDPI", "spinDPIWidth=150" },
        { 3000, 2000, 20, 6.67, 150, 300, 1, 0 });
    row("uniform again keeps the inches", {},
        { "checkUniformDPI", "spinDPIHeight=200", "checkUniformDPI" },
        { 3000, 3000, 10, 10, 300, 300, 1, 1 });
    row("dpi 0 leaves the inches", {}, { "spinDPIWidth=0" }, { 3000, 2000, 10, 6.67, 0, 0, 1, 1 });
    row("inches at dpi 0 leave the pixels", {}, { "spinDPIWidth=0", "spinInchesWidth=5" },
        { 3000, 2000, 5, 3.33, 0, 0, 1, 1 });
    row("loaded without uniform dpi", { 3000, 2000, 10, 6.67, 300, 200, 0, 0 },
        { "spinDPIHeight=150" }, { 3000, 2000, 10, 13.33, 300, 150, 0, 0 });
}

void TestFilterPages::resizeAdvancedKeepsPixelsInchesAndDpiTied()
{
    QFETCH(Numbers, stored);
    QFETCH(QStringList, steps);
    QFETCH(Numbers, saved);
    const auto page = MakePage(ResizeAdvancedId, QStringLiteral("3000x2000@300"));
    QCOMPARE(page->Sample().xDpi, 300);
    QCOMPARE(page->Sample().yDpi, 300);
    page->show();
    if (stored.isEmpty())
        page->Initialize();
    else
        page->Load(Record(ResizeAdvancedId, stored), true);

    for (const QString &step : steps) {
        const QStringList parts = step.split(QLatin1Char('='));
        QWidget *control = Child(page.get(), qPrintable(parts.at(0)));
        QVERIFY2(control->isEnabled(), qPrintable(step));
        if (parts.size() > 1)
            Type(qobject_cast<QAbstractSpinBox *>(control), parts.at(1));
        else
            QTest::keyClick(control, Qt::Key_Space);
    }
    QCOMPARE(Saved(*page), saved);
    QCOMPARE(Child(page.get(), "spinDPIHeight")->isEnabled(),
        !Child<QAbstractButton>(page.get(), "checkUniformDPI")->isChecked());
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
    QVERIFY(states.wait(EventTimeoutMs));
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
    QVERIFY(states.wait(EventTimeoutMs));
    QVERIFY2(pause.elapsed() >= 450, qPrintable(QString::number(pause.elapsed())));
    Numbers picked = before;
    picked[slot] = 4294901760.0; // opaque red
    QCOMPARE(NumbersOf(states.at(0).at(0).value<SFilterRecord>()), picked);
    QTest::qWait(700);
    QCOMPARE(states.count(), 1);
}

void TestFilterPages::editRightBeforeADragIsKept()
{
    // A height typed, then at once the crop box dragged right: both survive.
    const QString photo = samples.value(QStringLiteral("800x600"));
    CUserProfile::instance()->CurrentPhotoPath = photo;
    CFilterSettings dialog;
    dialog.record = Record(CropId, { 100, 100, 400, 300, 0 });
    dialog.samplePhoto.pathName = photo;
    QVERIFY(dialog.Prepare());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CControlImage *preview = dialog.FilteredPreview();
    auto *overlay = Child<QLabel>(&dialog, "viewWatermark");
    QTRY_VERIFY_WITH_TIMEOUT(preview->imageLoaded && overlay->isVisible(), 20000);

    auto *height = Child<QAbstractSpinBox>(&dialog, "spinHeight");
    Type(height, QStringLiteral("250"));
    QWidget *viewport = preview->viewport();
    const QRect box(overlay->mapTo(viewport, QPoint(0, 0)), overlay->size());
    Drag(viewport, box.center(), QPoint(40, 0));

    QTRY_VERIFY(Saved(*dialog.Page()).at(CropSlot::Left) > 101);
    QTRY_COMPARE(Saved(*dialog.Page()).at(CropSlot::Height), 250.0);
    QTest::qWait(1500); // the edit's own save comes and changes nothing
    QVERIFY(Saved(*dialog.Page()).at(CropSlot::Left) > 101);
    QCOMPARE(Saved(*dialog.Page()).at(CropSlot::Height), 250.0);
    CUserProfile::instance()->CurrentPhotoPath.clear();
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

void TestFilterPages::controlsFollowTheChosenItems_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<Numbers>>("opened"); // loaded in turn; an empty one is a Reset
    QTest::addColumn<QString>("list"); // then the user's choice there, if any
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<Numbers>("saved"); // checked when not empty
    const auto row = [](const char *name, int id, QList<Numbers> opened, const char *list, int item,
                         QStringList enabled, QStringList disabled, Numbers saved = {}) {
        QTest::newRow(name) << id << opened << QString::fromLatin1(list) << item << enabled
                            << disabled << saved;
    };
    const int replace = FilterId::ColorReplace;
    const double lavender = 4290493439;
    const QString original = QStringLiteral("CPOriginalColor");
    const QString replacement = QStringLiteral("CPNewColor");
    const QStringList tolerance { QStringLiteral("sliderTolerance"),
        QStringLiteral("spinTolerance") };
    const QStringList custom { QStringLiteral("spinRatioX"), QStringLiteral("spinRatioY") };

    row("replace a custom colour", replace, { {} }, "", 0,
        tolerance + QStringList { original, replacement }, {});
    row("replace transparency", replace, { {} }, "comboOriginalColor", 1, { replacement },
        tolerance + QStringList { original });
    row("replace white after transparency", replace, { { 0, lavender, lavender, 1, 0 } },
        "comboOriginalColor", 2, tolerance, { original });
    row("replace black", replace, { {} }, "comboOriginalColor", 3, tolerance, { original });
    row("transparency loaded", replace, { { 0, lavender, lavender, 1, 0 } }, "", 0, {},
        tolerance + QStringList { original });
    row("custom after transparency", replace, { { 0, lavender, lavender, 1, 0 } },
        "comboOriginalColor", 0, tolerance + QStringList { original }, {});
    row("new colour white", replace, { {} }, "comboNewColor", 2, { original }, { replacement });
    row("new colour transparency loaded", replace, { { 0, lavender, lavender, 0, 1 } }, "", 0, {},
        { replacement });
    row("new colour custom again", replace, { { 0, lavender, lavender, 0, 3 } }, "comboNewColor", 0,
        { replacement }, {});

    const int autoCrop = FilterId::AutoCrop;
    row("auto crop preset", autoCrop, { {} }, "", 0, {}, custom);
    row("auto crop custom ratio chosen", autoCrop, { {} }, "comboAspectRatio", 5, custom, {});
    row("auto crop custom ratio loaded", autoCrop, { { 5, 1, 4, 3, 1 } }, "", 0, custom, {});
    row("auto crop preset after custom", autoCrop, { { 5, 1, 4, 3, 1 } }, "comboAspectRatio", 3, {},
        custom);
    row("auto crop undo to a preset", autoCrop, { { 5, 1, 4, 3, 1 }, { 0, 1, 4, 3, 1 } }, "", 0, {},
        custom);
    row("auto crop reset keeps the custom terms", autoCrop, { { 5, 0, 4, 3, 2 }, {} }, "", 0, {},
        custom, { 0, 1, 4, 3, 1 });
}

void TestFilterPages::controlsFollowTheChosenItems()
{
    QFETCH(int, id);
    QFETCH(QList<Numbers>, opened);
    QFETCH(QString, list);
    QFETCH(int, item);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    QFETCH(Numbers, saved);
    const auto page = MakePage(id, QString());
    page->show();
    for (const Numbers &numbers : opened) {
        if (numbers.isEmpty())
            page->Initialize();
        else
            page->Load(Record(id, numbers), true);
    }
    if (!list.isEmpty())
        Choose(Child<QComboBox>(page.get(), qPrintable(list)), item);

    for (const QString &name : enabled)
        QVERIFY2(Child(page.get(), qPrintable(name))->isEnabled(), qPrintable(name));
    for (const QString &name : disabled)
        QVERIFY2(!Child(page.get(), qPrintable(name))->isEnabled(), qPrintable(name));
    if (!saved.isEmpty())
        QCOMPARE(Saved(*page), saved);
}

// The engine reads a list slot by the names of FilterSlots.h: each name must be the item the
// page lists, and saves, at that number, and the list must hold as many items as the slot.
void TestFilterPages::namedChoicesAreTheItemsThePagesList_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("count"); // the items the page lists
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, int id, const char *list, SChoiceSlot choice, auto item,
                         const char *text, int count = -1) {
        QTest::newRow(name) << id << QString::fromLatin1(list) << choice.slot
                            << (count < 0 ? choice.count : count) << int(item)
                            << QString::fromLatin1(text);
    };
    const int resize = FilterId::Resize;
    row("resize fixed width", resize, "comboResizeBy", ResizeSlot::ModeChoice,
        ResizeSlot::EMode::FixedWidth, "Fixed Width");
    row("resize fixed height", resize, "comboResizeBy", ResizeSlot::ModeChoice,
        ResizeSlot::EMode::FixedHeight, "Fixed Height");
    row("resize both fixed", resize, "comboResizeBy", ResizeSlot::ModeChoice,
        ResizeSlot::EMode::FixedWidthHeight, "Fixed Width & Height");
    row("resize in percents", resize, "comboDimensions", ResizeSlot::UnitChoice,
        ESizeUnit::Percents, "in Percents");
    row("crop in percents", FilterId::Crop, "comboDimensions", CropSlot::UnitChoice,
        ESizeUnit::Percents, "in Percents");
    row("roll in percents", FilterId::Roll, "comboDimensions", RollSlot::UnitChoice,
        ESizeUnit::Percents, "in Percents");
    row("border in percents", FilterId::SimpleBorder, "comboDimensions",
        SimpleBorderSlot::UnitChoice, ESizeUnit::Percents, "in Percents");
    // Fill is the engine's only: the page lists one item fewer than the slot allows.
    row("thumbnail stretch", FilterId::Thumbnail, "comboMethod", ThumbnailSlot::MethodChoice,
        ThumbnailSlot::EMethod::StretchToFit, "Stretch to fit", 2);
    row("rotate only portrait", FilterId::Rotate, "comboOrientation", RotateSlot::ConditionChoice,
        RotateSlot::ECondition::OnlyPortrait, "Only Portrait");
    row("rotate only landscape", FilterId::Rotate, "comboOrientation", RotateSlot::ConditionChoice,
        RotateSlot::ECondition::OnlyLandscape, "Only Landscape");
    row("levels red", FilterId::Levels, "comboChannel", LevelsSlot::ChannelChoice,
        LevelsSlot::EChannel::Red, "Red");
    row("levels blue", FilterId::Levels, "comboChannel", LevelsSlot::ChannelChoice,
        LevelsSlot::EChannel::Blue, "Blue");
    row("despeckle", FilterId::ReduceNoise, "comboReduceNoise", ReduceNoiseSlot::AlgorithmChoice,
        ReduceNoiseSlot::EAlgorithm::Despeckle, "Despeckle");
    row("lower", FilterId::Raise, "comboEffect", RaiseSlot::EffectChoice, RaiseSlot::EEffect::Lower,
        "Lower");
    row("auto crop square", FilterId::AutoCrop, "comboAspectRatio", AutoCropSlot::AspectRatioChoice,
        AutoCropSlot::ERatio::Square, "1:1");
    row("auto crop custom", FilterId::AutoCrop, "comboAspectRatio", AutoCropSlot::AspectRatioChoice,
        AutoCropSlot::ERatio::Custom, "Custom ratio");
    row("auto crop right or bottom", FilterId::AutoCrop, "comboRegion", AutoCropSlot::RegionChoice,
        AutoCropSlot::ERegion::RightBottom, "Right/Bottom");
    row("replace transparency", FilterId::ColorReplace, "comboOriginalColor",
        ColorReplaceSlot::OriginalSourceChoice, ColorReplaceSlot::ESource::Transparency,
        "Transparency");
    row("replace by white", FilterId::ColorReplace, "comboNewColor",
        ColorReplaceSlot::NewSourceChoice, ColorReplaceSlot::ESource::White, "White");
    row("replace by black", FilterId::ColorReplace, "comboNewColor",
        ColorReplaceSlot::NewSourceChoice, ColorReplaceSlot::ESource::Black, "Black");
}

void TestFilterPages::namedChoicesAreTheItemsThePagesList()
{
    QFETCH(int, id);
    QFETCH(QString, list);
    QFETCH(int, slot);
    QFETCH(int, count);
    QFETCH(int, item);
    QFETCH(QString, text);
    const auto page = MakePage(id, QString());
    page->show();
    page->Initialize();
    auto *combo = Child<QComboBox>(page.get(), qPrintable(list));
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->itemText(item), text);
    Choose(combo, item);
    QCOMPARE(Saved(*page).value(slot), double(item));
}

void TestFilterPages::choosingTheShownItemStartsNoPreview_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("list");
    QTest::addColumn<Numbers>("earlier"); // an undo state before the shown one
    QTest::addColumn<Numbers>("shown");
    QTest::addColumn<int>("other");
    QTest::addColumn<Numbers>("saved"); // after choosing `other`

    QTest::newRow("levels channel")
        << int(FilterId::Levels) << QStringLiteral("comboChannel") << Numbers { 0, 40, 0, 1 }
        << Numbers { 5, 40, 5, 2 } << 0 << Numbers { 5, 40, 5, 0 };
    QTest::newRow("reduce noise algorithm")
        << int(FilterId::ReduceNoise) << QStringLiteral("comboReduceNoise") << Numbers { 0 }
        << Numbers { 1 } << 0 << Numbers { 0 };
    QTest::newRow("noise type") << int(FilterId::Noise) << QStringLiteral("comboNoiseType")
                                << Numbers { 1 } << Numbers { 2 } << 4 << Numbers { 4 };
    QTest::newRow("thumbnail method")
        << int(FilterId::Thumbnail) << QStringLiteral("comboMethod") << Numbers { 120, 120, 0 }
        << Numbers { 200, 100, 1 } << 0 << Numbers { 200, 100, 0 };
    // A stored fill shows "Resize to fit", and that is what choosing it again must match.
    QTest::newRow("thumbnail fill shown as fit")
        << int(FilterId::Thumbnail) << QStringLiteral("comboMethod") << Numbers { 120, 120, 1 }
        << Numbers { 200, 100, 2 } << 1 << Numbers { 200, 100, 1 };
    QTest::newRow("auto crop ratio")
        << int(FilterId::AutoCrop) << QStringLiteral("comboAspectRatio")
        << Numbers { 0, 1, 4, 3, 1 } << Numbers { 3, 1, 4, 3, 1 } << 5 << Numbers { 5, 1, 4, 3, 1 };
    QTest::newRow("auto crop custom ratio")
        << int(FilterId::AutoCrop) << QStringLiteral("comboAspectRatio")
        << Numbers { 1, 0, 16, 9, 0 } << Numbers { 5, 0, 16, 9, 0 } << 0
        << Numbers { 0, 0, 16, 9, 0 };
    // Without a sample the values stay as they are.
    QTest::newRow("roll unit") << int(FilterId::Roll) << QStringLiteral("comboDimensions")
                               << Numbers { 10, 20, 0 } << Numbers { 10, 20, 1 } << 0
                               << Numbers { 10, 20, 0 };
}

void TestFilterPages::choosingTheShownItemStartsNoPreview()
{
    QFETCH(int, id);
    QFETCH(QString, list);
    QFETCH(Numbers, earlier);
    QFETCH(Numbers, shown);
    QFETCH(int, other);
    QFETCH(Numbers, saved);
    const auto page = MakePage(id, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);

    // Opened, then undo and redo through earlier states: each reload previews once.
    page->Initialize();
    QVERIFY(states.wait(EventTimeoutMs));
    for (const Numbers &state : { earlier, shown, earlier, shown }) {
        page->Load(Record(id, state), true);
        QVERIFY(states.wait(EventTimeoutMs));
    }
    states.clear();

    // The item already shown, picked again from the opened list.
    auto *combo = Child<QComboBox>(page.get(), qPrintable(list));
    QSignalSpy picked(combo, &QComboBox::activated);
    QTest::keyClick(combo, Qt::Key_F4);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCOMPARE(picked.count(), 1);
    QTest::qWait(CFilterPage::QuickDelayMs + 300);
    QCOMPARE(states.count(), 0);

    Choose(combo, other);
    QVERIFY(states.wait(EventTimeoutMs));
    QCOMPARE(NumbersOf(states.at(0).at(0).value<SFilterRecord>()), saved);
    QTest::qWait(CFilterPage::SlowDelayMs + 200);
    QCOMPARE(states.count(), 1);
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
    SetOpenFileChooser([&](QWidget *, const QString &, const QString &folder, const QString &) {
        folders << folder;
        return chosen;
    });
    QWidget *browse = Child(page.get(), "buttonBrowseTexture");
    QTest::mouseClick(browse, Qt::LeftButton);
    chosen.clear(); // cancelled: nothing changes
    QTest::mouseClick(browse, Qt::LeftButton);
    SetOpenFileChooser({});
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
    QVERIFY(states.wait(EventTimeoutMs));
    auto *fromFile = Child<QCheckBox>(page.get(), "checkTextFromFile");
    auto *text = Child<QLineEdit>(page.get(), "editText");
    QWidget *keyword = Child(page.get(), "buttonAddKeyword");
    QWidget *browse = Child(page.get(), "buttonBrowse");
    QVERIFY(text->isEnabled() && keyword->isEnabled() && !browse->isEnabled());

    QTest::mouseClick(fromFile, Qt::LeftButton);
    QVERIFY(!text->isEnabled() && !keyword->isEnabled() && browse->isEnabled());

    // The chosen file, in the platform's form, is kept with "/" and remembered.
    QString offeredStart;
    SetOpenFileChooser([&](QWidget *, const QString &, const QString &start, const QString &) {
        offeredStart = start;
        return QStringLiteral("C:\\T\\lines.txt");
    });
    states.clear();
    QElapsedTimer pause;
    pause.start();
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(offeredStart, GetPicturesFolder());
    QVERIFY(states.wait(EventTimeoutMs));
    QVERIFY2(pause.elapsed() >= 450, qPrintable(QString::number(pause.elapsed())));
    SFilterRecord state = states.last().at(0).value<SFilterRecord>();
    QCOMPARE(state.texts[WatermarkTextSlot::TextFilePath], QStringLiteral("C:/T/lines.txt"));
    QCOMPARE(state.numbers[WatermarkTextSlot::TextFromFile], 1.0);
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/Filter.WatermarkText.TextFilePath"), QString()),
        QStringLiteral("C:/T/lines.txt"));

    SetOpenFileChooser(nullptr);

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

    // Recorded once, as dragged, at the dialog's reload.
    QTRY_COMPARE(dialog.History().Count(), 2);
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
    QVERIFY(states.wait(EventTimeoutMs));
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
    QVERIFY(states.wait(EventTimeoutMs));
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
    QVERIFY(states.wait(EventTimeoutMs));
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
    if (accept)
        QVERIFY(states.wait(EventTimeoutMs));
    else
        QVERIFY(!states.wait(1500));
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
    SetOpenFileChooser(chooser);
    const auto restore = qScopeGuard([]() { SetOpenFileChooser(nullptr); });
    const auto page = MakePage(id, QString());
    page->show();
    QSignalSpy states(page.get(), &CFilterPage::SaveState);
    page->Load(Record(id, numbers, { "/stored/logo.png", "/stored/tall.png" }), true);
    QVERIFY(states.wait(EventTimeoutMs));
    states.clear();
    const QString start = ReadSettingString(key, GetPicturesFolder());

    QTest::mouseClick(Child(page.get(), qPrintable(button)), Qt::LeftButton);
    QCOMPARE(asked, (id == LogoId ? "Select Watermark Image|" : "Select Mask|") + start);
    QCOMPARE(ReadSettingString(key, QString()), remembered);
    SFilterRecord record;
    page->Save(record);
    QCOMPARE(record.texts[textSlot], saved);
    if (!chosen.isEmpty())
        QVERIFY(states.wait(EventTimeoutMs));
    else
        QVERIFY(!states.wait(1000));
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
