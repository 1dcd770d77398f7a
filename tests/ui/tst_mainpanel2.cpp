#include "ImageEngineSetup.h"
#include "ScriptedUser.h"
#include "TestMain.h"

#include "../engine/TestPhotos.h"

#include "ControlImage.h"
#include "DialogFilterSelection.h"
#include "FilterIds.h"
#include "FilterSettings.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "ListThumb.h"
#include "MainPanel2.h"
#include "StatesList.h"
#include "UserProfile.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

SFilterRecord Filter(qint32 id, bool active = true)
{
    SFilterRecord record;
    record.id = id;
    record.name = QStringLiteral("Filter %1").arg(id);
    record.active = active;
    return record;
}

QList<qint32> ChainIds()
{
    QList<qint32> ids;
    for (const SFilterRecord &record : CListFilters::instance()->Filters())
        ids << record.id;
    return ids;
}

// The picker's part of adding a filter: the filter's icon clicked, then OK.
void PickFilter(QDialog *dialog, const QString &name)
{
    auto *list = dialog->findChild<CListThumb *>(QStringLiteral("listFilters"));
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(),
        qPrintable(name
            + QStringLiteral(" among %1 in %2")
                  .arg(list->count())
                  .arg(QString::fromLatin1(dialog->metaObject()->className()))));
    list->scrollToItem(found.first());
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Ok")), Qt::LeftButton);
}

// As a hand does it: a click, then the second press that the system reports as a double-click.
void DoubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void PressOk(QDialog *dialog)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class TestMainPanel2 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chainOperations_data();
    void chainOperations();
    void dragKeepsInsertBeforeMoves();
    void addingRunsPickerThenSettings();
    void editingChangesTheStepOnlyOnOk();
    void initLeavesThePanelUnchanged();
    void photoChosenAfterAPresetChangeIsShown();

private:
    void SetChain(const QList<SFilterRecord> &chain);
    void SelectRows(const QList<int> &rows);

    QTemporaryDir root;
    CScriptedUser user;
    std::unique_ptr<CMainPanel2> panel;
    CListThumb *list = nullptr;
};

void TestMainPanel2::initTestCase()
{
    QVERIFY(root.isValid());
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
    qApp->installEventFilter(&user);
    CFiltersEnum::instance()->GenerateList();
    CFormatsEnum::instance()->GenerateList(); // the photo list accepts what it knows
    for (const char *name : { "a", "b", "c" }) {
        TestPhotos::MakePhoto(64, 48).write(
            "JPEG:" + root.filePath(QString::fromLatin1(name) + ".jpg").toStdString());
    }
}

void TestMainPanel2::init()
{
    CListImages *photos = CListImages::instance();
    photos->Clear();
    QStringList rejected;
    for (const char *name : { "a", "b", "c" })
        photos->AddImage(root.filePath(QString::fromLatin1(name) + ".jpg"), rejected);
    CListFilters::instance()->Clear();
    CStatesList::instance()->Clear();
    CStatesList::instance()->quiet = false;
    CUserProfile::instance()->CurrentPhotoPath.clear();
    user.Clear();
    panel = std::make_unique<CMainPanel2>();
    panel->Init();
    panel->SlotReloadThumbsInPanel2(0);
    panel->resize(900, 600);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    list = panel->findChild<CListThumb *>(QStringLiteral("listFilters"));
}

void TestMainPanel2::cleanup()
{
    panel.reset();
    QVERIFY2(user.Done(), "a planned answer was not asked for");
}

void TestMainPanel2::SetChain(const QList<SFilterRecord> &chain)
{
    for (const SFilterRecord &record : chain)
        CListFilters::instance()->Append(record);
    CStatesList::instance()->quiet = true;
    panel->RefreshPanel();
    CStatesList::instance()->quiet = false;
    CStatesList::instance()->PushState();
}

void TestMainPanel2::SelectRows(const QList<int> &rows)
{
    list->setFocus();
    for (int index = 0; index < rows.size(); ++index) {
        const QRect rect = list->visualItemRect(list->item(rows.at(index)));
        // A click on the text, not on the check box.
        QTest::mouseClick(list->viewport(), Qt::LeftButton,
            index == 0 ? Qt::NoModifier : Qt::ControlModifier,
            QPoint(rect.center().x(), rect.center().y()));
    }
}

void TestMainPanel2::chainOperations_data()
{
    QTest::addColumn<QString>("operation"); // a menu entry, a key or "uncheck"
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<qint32>>("expected");
    QTest::addColumn<bool>("pushed"); // one undo state, undone by one undo
    const QList<qint32> chain { 3080, 3060, 4040 };
    QTest::newRow("duplicate two") << "Duplicate" << QList<int> { 0, 2 }
                                   << QList<qint32> { 3080, 3060, 4040, 3080, 4040 } << true;
    QTest::newRow("move up") << "Move Up" << QList<int> { 1 } << QList<qint32> { 3060, 3080, 4040 }
                             << true;
    QTest::newRow("move up at the top") << "Move Up" << QList<int> { 0 } << chain << true;
    QTest::newRow("move down") << "Move Down" << QList<int> { 0 }
                               << QList<qint32> { 3060, 3080, 4040 } << true;
    QTest::newRow("move down at the end") << "Move Down" << QList<int> { 2 } << chain << false;
    QTest::newRow("remove two with Delete")
        << "Delete" << QList<int> { 0, 2 } << QList<qint32> { 3060 } << true;
    QTest::newRow("remove declined") << "Delete No" << QList<int> { 1 } << chain << false;
    QTest::newRow("remove all") << "Remove All" << QList<int> {} << QList<qint32> {} << true;
    QTest::newRow("switch off") << "uncheck" << QList<int> { 1 } << chain << true;
}

// Each operation changes the chain as a user expects and is one undo state.
void TestMainPanel2::chainOperations()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, selected);
    QFETCH(QList<qint32>, expected);
    QFETCH(bool, pushed);
    SetChain({ Filter(3080), Filter(3060), Filter(4040) });
    const QList<SFilterRecord> before = CListFilters::instance()->Filters();
    CStatesList *states = CStatesList::instance();
    const int statesBefore = states->Count();
    SelectRows(selected);

    if (operation == QLatin1String("Delete") || operation == QLatin1String("Delete No")) {
        user.boxAnswers << (operation == QLatin1String("Delete") ? QMessageBox::Yes
                                                                 : QMessageBox::No);
        QTest::keyClick(list, Qt::Key_Delete);
    } else if (operation == QLatin1String("uncheck")) {
        QListWidgetItem *item = list->item(selected.first());
        const QRect rect = list->visualItemRect(item);
        // The check box sits at the start of the row.
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
        if (CListFilters::instance()->Filters().at(1).active)
            item->setCheckState(Qt::Unchecked); // the style put its box elsewhere
    } else {
        if (operation == QLatin1String("Remove All"))
            user.boxAnswers << QMessageBox::Yes;
        user.menuChoice = operation;
        QMetaObject::invokeMethod(list, "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5)));
    }
    QTRY_COMPARE(ChainIds(), expected);
    if (operation == QLatin1String("uncheck"))
        QVERIFY(!CListFilters::instance()->Filters().at(1).active);
    QCOMPARE(list->count(), expected.size());
    QCOMPARE(states->Count(), statesBefore + (pushed ? 1 : 0));
    if (pushed) {
        states->Undo();
        QCOMPARE(CListFilters::instance()->Filters(), before);
    }
}

// A drop inside the list moves the dragged rows in front of the row dropped on, as the model
// moves them, and selects them as a block.
void TestMainPanel2::dragKeepsInsertBeforeMoves()
{
    SetChain({ Filter(3080), Filter(3060), Filter(4040), Filter(5000) });
    const int statesBefore = CStatesList::instance()->Count();
    SelectRows({ 0, 1 });
    QMimeData internal;
    internal.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray());
    QMimeData files;
    files.setUrls({ QUrl::fromLocalFile(QStringLiteral("/x.jpg")) });
    const QRect target = list->visualItemRect(list->item(3));
    const QPoint at(target.center().x(), target.top() + 2);
    QDragEnterEvent enter(at, Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(at, Qt::MoveAction, &internal, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    QTRY_COMPARE(ChainIds(), (QList<qint32> { 4040, 3080, 3060, 5000 }));
    QCOMPARE(panel->SelectedFilterRows(), (QList<int> { 1, 2 }));
    QCOMPARE(CStatesList::instance()->Count(), statesBefore + 1);
}

// Insert opens the picker, then the settings on the picked filter's defaults; OK appends it.
// Cancel in the settings adds nothing.
void TestMainPanel2::addingRunsPickerThenSettings()
{
    QSignalSpy chainChanged(panel.get(), &CMainPanel2::SignalListFiltersChanged);
    user.dialogSteps << [](QDialog *picker) { PickFilter(picker, QStringLiteral("Negate")); }
                     << [](QDialog *settings) { settings->reject(); };
    list->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_Insert);
    QTRY_VERIFY(user.dialogSteps.isEmpty());
    QTest::qWait(50);
    QVERIFY(ChainIds().isEmpty());
    QCOMPARE(chainChanged.count(), 0);

    user.dialogSteps << [](QDialog *picker) { PickFilter(picker, QStringLiteral("Negate")); }
                     << [](QDialog *settings) { PressOk(settings); };
    QTest::mouseClick(
        panel->findChild<QPushButton *>(QStringLiteral("buttonAddFilter")), Qt::LeftButton);
    QTRY_COMPARE(ChainIds(), QList<qint32> { FilterId::Negate });
    QCOMPARE(user.dialogsSeen,
        (QStringList { "CDialogFilterSelection", "CFilterSettings", "CDialogFilterSelection",
            "CFilterSettings" }));
    const SFilterRecord added = CListFilters::instance()->Filters().first();
    QCOMPARE(added.name, QStringLiteral("Negate"));
    QVERIFY(added.active);
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    QVERIFY(chainChanged.count() >= 1);
    QCOMPARE(CStatesList::instance()->Count(), 1);

}

// A double-click edits the step; Cancel leaves it as it was.
void TestMainPanel2::editingChangesTheStepOnlyOnOk()
{
    SFilterRecord stored = Filter(FilterId::Negate);
    stored.numberCount = 3; // a blank page saves no numbers
    SetChain({ stored });
    const int statesBefore = CStatesList::instance()->Count();
    const QRect rect = list->visualItemRect(list->item(0));
    user.dialogSteps << [](QDialog *settings) { settings->reject(); };
    DoubleClick(list->viewport(), rect.center());
    QTRY_VERIFY(user.dialogSteps.isEmpty());
    QCOMPARE(CListFilters::instance()->Filters().first(), stored);

    user.dialogSteps << [](QDialog *settings) { PressOk(settings); };
    DoubleClick(list->viewport(), rect.center());
    QTRY_COMPARE(CListFilters::instance()->Filters().first().numberCount, quint8(0));
    QCOMPARE(CStatesList::instance()->Count(), statesBefore + 1);
}

// A fresh panel is not a change: closing an untouched program asks nothing.
void TestMainPanel2::initLeavesThePanelUnchanged()
{
    CMainPanel2 fresh;
    QSignalSpy changes(&fresh, &CStepPanel::SignalChanges);
    fresh.Init();
    QVERIFY(!fresh.modified);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(CStatesList::instance()->Count(), 0);
}

// After the name preset changed (a state that keeps the preview), choosing another photo in
// the strip still shows that photo, and the sample name follows it.
void TestMainPanel2::photoChosenAfterAPresetChangeIsShown()
{
    auto *strip = panel->findChild<CListThumb *>(QStringLiteral("listThumbnails"));
    auto *filtered = panel->findChild<CControlImage *>(QStringLiteral("scrollImageFilters"));
    QTRY_COMPARE(filtered->previewPath, root.filePath(QStringLiteral("a.jpg")));
    auto *preset = panel->findChild<QComboBox *>(QStringLiteral("comboPreset"));
    preset->setFocus();
    QTest::keyClick(preset, Qt::Key_Down); // "Rename to Folder's Name", activated
    QTRY_COMPARE(CUserProfile::instance()->RenameOptions.PresetRename, 1);
    QVERIFY(panel->RenamePreview() != QStringLiteral("a.jpg"));

    const QRect second = strip->visualItemRect(strip->item(2));
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, second.center());
    QTRY_COMPARE(filtered->previewPath, root.filePath(QStringLiteral("c.jpg")));
    QCOMPARE(CUserProfile::instance()->CurrentPhotoPath, root.filePath(QStringLiteral("c.jpg")));
}

QUENDRASIL_TEST_MAIN_WITH(TestMainPanel2, QApplication, InitializeImageEngine)
#include "tst_mainpanel2.moc"
