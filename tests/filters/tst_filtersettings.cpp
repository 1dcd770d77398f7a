#include "ImageEngineSetup.h"
#include "ScriptedUser.h"
#include "TestMain.h"

#include "../engine/TestPhotos.h"

#include "ControlImage.h"
#include "FilterIds.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterSlots.h"
#include "FiltersEnum.h"
#include "HelpTopics.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <Magick++.h>

namespace {

const QString ShowPreviewKey = QStringLiteral("GUI/FilterSettings.ShowPreview");

SFilterRecord Rotate(double angle)
{
    SFilterRecord record;
    record.id = FilterId::Rotate;
    record.name = QStringLiteral("Rotate");
    record.numberCount = RotateSlot::NumberCount;
    record.numbers[RotateSlot::Angle] = angle;
    record.active = true;
    return record;
}

double ShownAngle(CFilterSettings &dialog)
{
    SFilterRecord saved;
    dialog.Page()->Save(saved);
    return saved.numbers[RotateSlot::Angle];
}

template<typename T = QWidget> T *Child(const QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

} // namespace

class TestFilterSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnDefaultsOrTheRecord_data();
    void opensOnDefaultsOrTheRecord();
    void historyKeepsTheLastFiftyStates();
    void undoRedoAndResetDriveThePage();
    void zoomButtonsHideForInteractiveFilters_data();
    void zoomButtonsHideForInteractiveFilters();
    void previewSwitchIsRemembered();
    void helpKeyOpensTheFiltersPage();
    void sampleResolutionPerCentimetreReadsPerInch();

private:
    std::unique_ptr<CFilterSettings> Open(const SFilterRecord &record, const QString &sample);

    QTemporaryDir root;
    QString photo;
    CScriptedUser user;
    QStringList topics;
};

void TestFilterSettings::initTestCase()
{
    QVERIFY(root.isValid());
    qApp->installEventFilter(&user);
    CFiltersEnum::instance()->GenerateList();
    photo = root.filePath(QStringLiteral("sample.jpg"));
    TestPhotos::MakePhoto(120, 80).write("JPEG:" + photo.toStdString());
    SetHelpTopicHandler([this](const QString &topic) { topics << topic; });
}

void TestFilterSettings::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
    WriteSettingInt(ShowPreviewKey, 1);
    user.Clear();
    topics.clear();
}

void TestFilterSettings::cleanup()
{
    QVERIFY2(user.Done(), "a planned answer was not asked for");
}

std::unique_ptr<CFilterSettings> TestFilterSettings::Open(
    const SFilterRecord &record, const QString &sample)
{
    auto dialog = std::make_unique<CFilterSettings>();
    dialog->record = record;
    dialog->samplePhoto.pathName = sample;
    if (!dialog->Prepare())
        return nullptr;
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestFilterSettings::opensOnDefaultsOrTheRecord_data()
{
    QTest::addColumn<SFilterRecord>("record");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");
    QTest::addColumn<double>("angle"); // in the record after exec
    SFilterRecord fresh = Rotate(45); // the picker's: no parameters in use
    fresh.numberCount = 0;
    QTest::newRow("a fresh record gets the defaults, OK writes them") << fresh << true << 1 << 0.0;
    QTest::newRow("a stored record is shown and kept on OK") << Rotate(45) << true << 1 << 45.0;
    QTest::newRow("Cancel leaves the record") << Rotate(45) << false << 0 << 45.0;
    SFilterRecord unknown = Rotate(45);
    unknown.id = 9999;
    QTest::newRow("no page: 0 at once, nothing shown") << unknown << true << 0 << 45.0;
}

// exec's whole road: the page, OK writing it back, Cancel and unknown ids leaving the record.
void TestFilterSettings::opensOnDefaultsOrTheRecord()
{
    QFETCH(SFilterRecord, record);
    QFETCH(bool, ok);
    QFETCH(int, result);
    QFETCH(double, angle);
    CFilterSettings dialog;
    dialog.record = record;
    dialog.samplePhoto.pathName = photo;
    if (record.id != 9999) {
        user.dialogSteps << [ok](QDialog *shown) {
            auto *box = shown->findChild<QDialogButtonBox *>();
            if (ok)
                QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
            else
                QTest::keyClick(shown, Qt::Key_Escape);
        };
    }
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.record.numbers[RotateSlot::Angle], angle);
    QCOMPARE(user.dialogsSeen.size(), record.id == 9999 ? 0 : 1);
    if (record.id != 9999)
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Rotate"));
}

// Sixty saved states leave the last fifty; after ten undos a new change drops the ten.
void TestFilterSettings::historyKeepsTheLastFiftyStates()
{
    auto dialog = Open(Rotate(0), photo);
    QVERIFY(dialog);
    QTRY_COMPARE(dialog->History().Count(), 1); // the page's first save
    for (int angle = 1; angle < 60; ++angle)
        emit dialog->Page()->SaveState(Rotate(angle));
    QTRY_COMPARE(dialog->History().Count(), 50);
    auto *undo = Child<QCommandLinkButton>(dialog.get(), "buttonUndo");
    auto *redo = Child<QCommandLinkButton>(dialog.get(), "buttonRedo");
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    for (int step = 0; step < 10; ++step)
        QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(ShownAngle(*dialog), 49.0);
    QVERIFY(redo->isEnabled());
    QTest::qWait(50); // the reloads' own saves are not states
    QCOMPARE(dialog->History().Count(), 50);

    emit dialog->Page()->SaveState(Rotate(100));
    QTRY_COMPARE(dialog->History().Count(), 41);
    QVERIFY(!redo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(ShownAngle(*dialog), 49.0);
}

// Undo and redo (Ctrl+Z, Ctrl+Y) walk the history through the page without adding states;
// Reset shows the defaults and records them.
void TestFilterSettings::undoRedoAndResetDriveThePage()
{
    auto dialog = Open(Rotate(10), photo);
    QVERIFY(dialog);
    QTRY_COMPARE(dialog->History().Count(), 1);
    emit dialog->Page()->SaveState(Rotate(20));
    QTRY_COMPARE(dialog->History().Count(), 2);
    auto *undo = Child<QCommandLinkButton>(dialog.get(), "buttonUndo");
    auto *redo = Child<QCommandLinkButton>(dialog.get(), "buttonRedo");
    QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(ShownAngle(*dialog), 10.0);
    QTest::mouseClick(redo, Qt::LeftButton);
    QCOMPARE(ShownAngle(*dialog), 20.0);
    QTest::qWait(50);
    QCOMPARE(dialog->History().Count(), 2);
    QCOMPARE(dialog->History().Position(), 2);

    QTest::mouseClick(Child<QPushButton>(dialog.get(), "buttonReset"), Qt::LeftButton);
    QTRY_COMPARE(dialog->History().Count(), 3);
    QCOMPARE(ShownAngle(*dialog), 0.0);
}

void TestFilterSettings::zoomButtonsHideForInteractiveFilters_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("Crop") << int(FilterId::Crop) << true;
    QTest::newRow("Resize") << int(FilterId::Resize) << true;
    QTest::newRow("Rotate") << int(FilterId::Rotate) << false;
    QTest::newRow("Flip") << int(FilterId::Flip) << false;
}

// The overlay is edited at fit size, so interactive filters offer no zoom; every page without
// tabs lines up 25 pixels down with the preview.
void TestFilterSettings::zoomButtonsHideForInteractiveFilters()
{
    QFETCH(int, id);
    QFETCH(bool, hidden);
    SFilterRecord record;
    record.id = id;
    auto dialog = Open(record, photo);
    QVERIFY(dialog);
    for (const char *name :
        { "buttonMinZoom", "buttonMaxZoom", "buttonZoomIn", "buttonZoomOut", "textZoomPercent" })
        QCOMPARE(Child(dialog.get(), name)->isVisible(), !hidden);
    QCOMPARE(Child(dialog.get(), "widgetFilter")->contentsMargins().top(), 25);
}

// Switching the preview off shows both placeholders and is remembered for the next dialog.
void TestFilterSettings::previewSwitchIsRemembered()
{
    auto dialog = Open(Rotate(30), photo);
    QVERIFY(dialog);
    CControlImage *filtered = dialog->FilteredPreview();
    QTRY_VERIFY(filtered->imageLoaded);
    auto *box = Child<QCheckBox>(dialog.get(), "checkShowPreview");
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(ReadSettingInt(ShowPreviewKey, 1), 0);
    QVERIFY(!filtered->previewEnabled && !dialog->OriginalPreview()->previewEnabled);
    auto *label = Child<QLabel>(dialog.get(), "viewFilter");
    QCOMPARE(label->pixmap().cacheKey(), filtered->PlaceholderPixmap().cacheKey());
    dialog.reset();

    auto next = Open(Rotate(30), photo);
    QVERIFY(next);
    QVERIFY(!Child<QCheckBox>(next.get(), "checkShowPreview")->isChecked());
    QVERIFY(!next->FilteredPreview()->previewEnabled);
}

void TestFilterSettings::helpKeyOpensTheFiltersPage()
{
    auto dialog = Open(Rotate(30), photo);
    QVERIFY(dialog);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    QCOMPARE(topics, QStringList { QStringLiteral("filters_transform_rotate.html") });
    QVERIFY(dialog->isVisible());
}

// 28.35 and 118.11 per centimetre read as 71 and 300 per inch (whole per-centimetre values,
// then rounded half up); an unreadable sample gives the defaults.
void TestFilterSettings::sampleResolutionPerCentimetreReadsPerInch()
{
    Magick::Image image = TestPhotos::MakePhoto(40, 20);
    image.resolutionUnits(MagickCore::PixelsPerCentimeterResolution);
    image.density(Magick::Geometry(QStringLiteral("28.35x118.11").toStdString()));
    const QString metric = root.filePath(QStringLiteral("metric.png"));
    image.write("PNG:" + metric.toStdString());
    auto dialog = Open(Rotate(0), metric);
    QVERIFY(dialog);
    const CFilterUI::SSampleInfo sample = dialog->Page()->Sample();
    QCOMPARE(sample.width, quint64(40));
    QCOMPARE(sample.aspect, 2.0);
    QCOMPARE(sample.xDpi, 71);
    QCOMPARE(sample.yDpi, 300);

    auto broken = Open(Rotate(0), root.filePath(QStringLiteral("missing.jpg")));
    QVERIFY(broken);
    const CFilterUI::SSampleInfo none = broken->Page()->Sample();
    QCOMPARE(none.width, quint64(0));
    QCOMPARE(none.aspect, 1.0);
    QCOMPARE(none.xDpi, 72);
}

QUENDRASIL_TEST_MAIN_WITH(TestFilterSettings, QApplication, InitializeImageEngine)
#include "tst_filtersettings.moc"
