#include "ImageEngineSetup.h"
#include "ScriptedUser.h"
#include "TestMain.h"

#include "../engine/TestPhotos.h"

#include "ControlImage.h"
#include "DialogSearch.h"
#include "DialogUnsupportedFormat.h"
#include "ListImages.h"
#include "ListThumb.h"
#include "ListThumbDetails.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "MainPanel1.h"
#include "Settings.h"
#include "StatesList.h"
#include "TextWidget.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <unistd.h>

namespace {

// Answers what the panel asks, as a user would: message boxes and menus as planned, the
// search dialog with its planned folder and mask, the unsupported-format notice by reading it.
class CUser : public CScriptedUser
{
public:
    QString searchFolder;
    QString searchMask;
    QStringList noticesSeen;

protected:
    bool Answer(QDialog *dialog) override
    {
        if (auto *search = qobject_cast<CDialogSearch *>(dialog)) {
            const QString folder = searchFolder;
            const QString mask = searchMask;
            QTimer::singleShot(0, search, [search, folder, mask]() {
                auto *path = search->findChild<QLineEdit *>(QStringLiteral("editSearchPath"));
                path->clear();
                QTest::keyClicks(path, folder);
                auto *masks = search->findChild<QComboBox *>(QStringLiteral("comboSearchMask"));
                masks->lineEdit()->selectAll();
                QTest::keyClicks(masks->lineEdit(), mask);
                QTest::mouseClick(search->findChild<QPushButton *>(QStringLiteral("buttonOK")),
                    Qt::LeftButton);
            });
            return true;
        }
        if (auto *notice = qobject_cast<CDialogUnsupportedFormat *>(dialog)) {
            QTimer::singleShot(0, notice, [this, notice]() {
                noticesSeen << notice->findChild<QPlainTextEdit *>()->toPlainText();
                notice->accept();
            });
            return true;
        }
        return false;
    }
};

QString Photo(const QString &path)
{
    TestPhotos::MakePhoto(48, 32).write("JPEG:" + path.toStdString());
    return path;
}

// A drop as the window system delivers it: the drag enters (which makes the widget the drop's
// target), then lands.
void Drop(QWidget *target, QPoint position, const QMimeData *data, Qt::DropAction action)
{
    QDragEnterEvent enter(position, action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(position, action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

QStringList BaseNames()
{
    QStringList names;
    for (const SImageRecord &photo : CListImages::instance()->Images())
        names << photo.baseName;
    return names;
}

} // namespace

class TestMainPanel1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addRoads_data();
    void addRoads();
    void addPhotosOpensInAnExistingFolder_data();
    void addPhotosOpensInAnExistingFolder();
    void nothingIsAddedTwiceAndLinkedFoldersEnd();
    void removeAsksAndKeepsTheNextPhotoCurrent();
    void dragMovesRowsAsABlock();
    void detailsSortOrdersThePhotos();
    void viewSwitchKeepsTheSelection();
    void previewFollowsTheCurrentPhoto();
    void tipsShowInTheFirstStartsOnly();

private:
    QString Folder(const QString &name);
    void Click(const char *button);
    void Menu(const char *button, const QString &entry);

    QTemporaryDir root;
    CUser user;
    std::unique_ptr<CMainPanel1> panel;
    QStringList chosenFiles;
    QString chosenFolder;
    int filesAsked = 0;
    QString filesStart;
};

void TestMainPanel1::initTestCase()
{
    QVERIFY(root.isValid());
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
    qApp->installEventFilter(&user);
    CFormatsEnum::instance()->GenerateList(); // the photo list accepts what it knows
    CMainPanel1::SetFilesChooser(
        [this](QWidget *, const QString &, const QString &start, const QString &) {
            ++filesAsked;
            filesStart = start;
            return chosenFiles;
        });
    CMainPanel1::SetFolderChooser(
        [this](QWidget *, const QString &, const QString &) { return chosenFolder; });
}

void TestMainPanel1::addPhotosOpensInAnExistingFolder_data()
{
    QTest::addColumn<bool>("rememberedExists");
    QTest::addColumn<bool>("picturesExists");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the remembered folder") << true << true << "remembered";
    QTest::newRow("remembered gone: Pictures") << false << true << "pictures";
    QTest::newRow("neither: home") << false << false << "home";
}

void TestMainPanel1::addPhotosOpensInAnExistingFolder()
{
    QFETCH(bool, rememberedExists);
    QFETCH(bool, picturesExists);
    QFETCH(QString, expected);
    const QString remembered = root.filePath(QStringLiteral("remembered"));
    const QString pictures = GetPicturesFolder();
    QVERIFY(pictures.startsWith(QDir::homePath() + QLatin1Char('/')));
    QDir(remembered).removeRecursively();
    QDir(pictures).removeRecursively();
    if (rememberedExists)
        QVERIFY(QDir().mkpath(remembered));
    if (picturesExists)
        QVERIFY(QDir().mkpath(pictures));
    WriteSettingString(QStringLiteral("GUI/Step1.AddPhotosPath"), remembered);
    chosenFiles.clear();
    Click("buttonAddPhotos");
    QCOMPARE(filesStart,
        expected == QLatin1String("remembered") ? remembered
            : expected == QLatin1String("pictures") ? pictures
                                                    : QDir::homePath());
}

void TestMainPanel1::init()
{
    CListImages::instance()->Clear();
    CStatesList::instance()->Clear();
    CUserProfile::instance()->CurrentPhotoPath.clear();
    user.boxAnswers.clear();
    user.boxesSeen.clear();
    user.menuChoice.clear();
    user.noticesSeen.clear();
    chosenFiles.clear();
    chosenFolder.clear();
    filesAsked = 0;
    WriteSettingInt(QStringLiteral("GUI/Step1.ViewType"), CMainPanel1::ViewModeMedium);
    WriteSettingInt(QStringLiteral("GUI/Step1.ShowPreview"), 1);
    panel = std::make_unique<CMainPanel1>();
    panel->resize(900, 600);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
}

void TestMainPanel1::cleanup()
{
    panel.reset();
    QVERIFY2(user.boxAnswers.isEmpty(), "a planned answer was not asked for");
    QVERIFY2(user.menuChoice.isEmpty(), "a planned menu was not shown");
}

QString TestMainPanel1::Folder(const QString &name)
{
    const QString path = root.filePath(QString::number(QDateTime::currentMSecsSinceEpoch()) + name);
    QDir().mkpath(path);
    return path;
}

void TestMainPanel1::Click(const char *button)
{
    QTest::mouseClick(panel->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

void TestMainPanel1::Menu(const char *button, const QString &entry)
{
    user.menuChoice = entry;
    Click(button);
}

void TestMainPanel1::addRoads_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QStringList>("expected"); // base names in list order
    // The folder holds B.jpg, a.jpg, c.png, readme (no extension), notes.xyz, sub/d.jpg,
    // sub/deeper/e.jpg.
    QTest::newRow("file dialog, case-sensitive order") << "files" << QStringList { "B", "a" };
    QTest::newRow("folder, its files only") << "folder" << QStringList { "a", "B", "c" };
    QTest::newRow("folder with subfolders, depth first")
        << "tree" << QStringList { "a", "B", "c", "d", "e" };
    QTest::newRow("search *.JPG in subfolders") << "search" << QStringList { "a", "B", "d", "e" };
    QTest::newRow("search *.* takes names without a dot too")
        << "search-all" << QStringList { "a", "B", "c" };
    QTest::newRow("paste: a folder's files and a file") << "paste" << QStringList { "a", "B", "c", "d" };
    QTest::newRow("drop from the file manager") << "drop" << QStringList { "a", "B", "c", "d" };
}

// Every road adds in its order, lists what it cannot take once, and is one undo state.
void TestMainPanel1::addRoads()
{
    QFETCH(QString, road);
    QFETCH(QStringList, expected);
    const QString folder = Folder(road);
    Photo(folder + QStringLiteral("/B.jpg"));
    Photo(folder + QStringLiteral("/a.jpg"));
    TestPhotos::MakePhoto(20, 20).write("PNG:" + (folder + QStringLiteral("/c.png")).toStdString());
    QVERIFY(TestPhotos::WriteBytes(folder + QStringLiteral("/readme"), "text"));
    QVERIFY(TestPhotos::WriteBytes(folder + QStringLiteral("/notes.xyz"), "text"));
    QDir().mkpath(folder + QStringLiteral("/sub/deeper"));
    Photo(folder + QStringLiteral("/sub/d.jpg"));
    Photo(folder + QStringLiteral("/sub/deeper/e.jpg"));
    const int statesBefore = CStatesList::instance()->Count();

    if (road == QLatin1String("files")) {
        chosenFiles = { folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/B.jpg") };
        Click("buttonAddPhotos");
    } else if (road == QLatin1String("folder") || road == QLatin1String("tree")) {
        chosenFolder = folder;
        Menu("buttonAdd", road == QLatin1String("tree") ? QStringLiteral("Folder with Subfolders")
                                                         : QStringLiteral("Folder"));
    } else if (road.startsWith(QLatin1String("search"))) {
        const bool all = road == QLatin1String("search-all");
        WriteSettingInt(QStringLiteral("GUI/SearchAdd.InSubfolders"), all ? 0 : 1);
        user.searchFolder = folder;
        user.searchMask = all ? QStringLiteral("*.*") : QStringLiteral("*.JPG");
        Menu("buttonAdd", QStringLiteral("Search & Add"));
    } else {
        QList<QUrl> urls { QUrl::fromLocalFile(folder), QUrl::fromLocalFile(folder + QStringLiteral("/sub/d.jpg")),
            QUrl(QStringLiteral("https://example.invalid/x.jpg")),
            QUrl::fromLocalFile(folder + QStringLiteral("/gone.jpg")) };
        auto *data = new QMimeData;
        data->setUrls(urls);
        if (road == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setMimeData(data);
            panel->setFocus();
            QTest::keyClick(panel.get(), Qt::Key_V);
        } else {
            QWidget *target = panel->PhotoList()->viewport();
            Drop(target, QPoint(50, 50), data, Qt::CopyAction);
            delete data;
        }
    }
    QTRY_COMPARE(BaseNames(), expected);
    QCOMPARE(panel->PhotoList()->count(), expected.size());
    QCOMPARE(CStatesList::instance()->Count(), statesBefore + 1);
    QVERIFY(panel->modified);
    // The unreadable files are named once, by the roads that meet them.
    const bool seesText = road != QLatin1String("files") && road != QLatin1String("search");
    QCOMPARE(user.noticesSeen.size(), seesText ? 1 : 0);
    if (seesText)
        QVERIFY(user.noticesSeen.first().contains(QStringLiteral("notes.xyz")));
    if (road == QLatin1String("search-all"))
        QVERIFY(user.noticesSeen.first().contains(QStringLiteral("/readme\n")));
}

void TestMainPanel1::nothingIsAddedTwiceAndLinkedFoldersEnd()
{
    const QString folder = Folder(QStringLiteral("loop"));
    Photo(folder + QStringLiteral("/one.jpg"));
    QDir().mkpath(folder + QStringLiteral("/inner"));
    Photo(folder + QStringLiteral("/inner/two.jpg"));
    // A link back up the tree: a walk that follows it would never end.
    QVERIFY(::symlink(QFile::encodeName(folder).constData(),
                QFile::encodeName(folder + QStringLiteral("/inner/up")).constData())
        == 0);
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder with Subfolders"));
    QTRY_COMPARE(BaseNames(), QStringList({ "one", "two" }));
    Menu("buttonAdd", QStringLiteral("Folder with Subfolders"));
    QTest::qWait(50);
    QCOMPARE(BaseNames(), QStringList({ "one", "two" }));
}

void TestMainPanel1::removeAsksAndKeepsTheNextPhotoCurrent()
{
    const QString folder = Folder(QStringLiteral("remove"));
    for (int i = 0; i < 5; ++i)
        Photo(folder + QStringLiteral("/p%1.jpg").arg(i));
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder"));
    QTRY_COMPARE(BaseNames().size(), 5);

    // Delete with nothing selected says so.
    panel->PhotoList()->clearSelection();
    panel->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_Delete);
    QCOMPARE(user.boxesSeen, QStringList({ "No photos selected" }));

    // The last two selected: three stay, the third is current.
    QListWidget *list = panel->PhotoList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
        list->visualItemRect(list->item(4)).center());
    user.boxAnswers = { QMessageBox::Yes };
    Menu("buttonRemove", QStringLiteral("Selected"));
    QCOMPARE(BaseNames(), QStringList({ "p0", "p1", "p2" }));
    QCOMPARE(panel->CurrentRow(), 2);
    QCOMPARE(CUserProfile::instance()->CurrentPhotoPath, folder + QStringLiteral("/p2.jpg"));

    // Remove All asks; No keeps everything.
    user.boxAnswers = { QMessageBox::No };
    Menu("buttonRemove", QStringLiteral("All"));
    QCOMPARE(BaseNames().size(), 3);
    user.boxAnswers = { QMessageBox::Yes };
    Menu("buttonRemove", QStringLiteral("All"));
    QVERIFY(BaseNames().isEmpty());
    QCOMPARE(list->count(), 0);
}

void TestMainPanel1::dragMovesRowsAsABlock()
{
    const QString folder = Folder(QStringLiteral("drag"));
    for (int i = 0; i < 6; ++i)
        Photo(folder + QStringLiteral("/r%1.jpg").arg(i));
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder"));
    QTRY_COMPARE(BaseNames().size(), 6);
    const int statesBefore = CStatesList::instance()->Count();

    // Rows 1 and 2 dragged onto row 5 land at rows 3 and 4, in their order, selected.
    QListWidget *list = panel->PhotoList();
    QWidget *viewport = list->viewport();
    const auto centre = [list](int row) { return list->visualItemRect(list->item(row)).center(); };
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(1));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, centre(2));
    // The offscreen platform has no drag session, so the drag's end is delivered as the window
    // system would: the drag enters the list, then the rows land on row 5.
    QMimeData entering;
    entering.setUrls({ QUrl::fromLocalFile(folder) });
    QDragEnterEvent enter(centre(5), Qt::MoveAction, &entering, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QMimeData rows;
    rows.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray());
    QDropEvent drop(centre(5), Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QTRY_COMPARE(BaseNames(), QStringList({ "r0", "r3", "r4", "r1", "r2", "r5" }));
    QCOMPARE(panel->SelectedRows(), QList<int>({ 3, 4 }));
    QCOMPARE(panel->CurrentRow(), 3);
    QCOMPARE(CStatesList::instance()->Count(), statesBefore + 1);
}

void TestMainPanel1::detailsSortOrdersThePhotos()
{
    const QString folder = Folder(QStringLiteral("sort"));
    for (const char *name : { "b10", "A9", "c1" })
        Photo(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".jpg"));
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder"));
    QTRY_COMPARE(BaseNames().size(), 3);
    Menu("buttonView", QStringLiteral("Details"));
    auto *table = panel->findChild<CListThumbDetails *>(QStringLiteral("listImagesDetails"));
    QVERIFY(table->isVisible());

    QHeaderView *header = table->horizontalHeader();
    const QPoint name(header->sectionViewportPosition(0) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
    QTRY_COMPARE(BaseNames(), QStringList({ "A9", "b10", "c1" }));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
    QTRY_COMPARE(BaseNames(), QStringList({ "c1", "b10", "A9" }));
    QCOMPARE(CUserProfile::instance()->DetailsSortColumn, 0);
    QCOMPARE(CUserProfile::instance()->DetailsSortOrder, int(Qt::DescendingOrder));
    // The icon list shows the same order.
    QCOMPARE(panel->PhotoList()->item(0)->text(), QDir::toNativeSeparators(folder + QStringLiteral("/c1.jpg")));
}

void TestMainPanel1::viewSwitchKeepsTheSelection()
{
    const QString folder = Folder(QStringLiteral("views"));
    for (int i = 0; i < 4; ++i)
        Photo(folder + QStringLiteral("/v%1.jpg").arg(i));
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder"));
    QTRY_COMPARE(BaseNames().size(), 4);
    QListWidget *list = panel->PhotoList();
    list->setCurrentRow(1);
    list->item(3)->setSelected(true);

    Menu("buttonView", QStringLiteral("Details"));
    QCOMPARE(panel->ViewMode(), int(CMainPanel1::ViewModeDetails));
    QCOMPARE(panel->SelectedRows(), QList<int>({ 1, 3 }));
    Menu("buttonView", QStringLiteral("Large Icons"));
    QCOMPARE(panel->SelectedRows(), QList<int>({ 1, 3 }));
    QCOMPARE(list->item(0)->text(), QStringLiteral("v0"));
    Menu("buttonView", QStringLiteral("Small Icons"));
    QCOMPARE(panel->SelectedRows(), QList<int>({ 1, 3 }));
    QCOMPARE(ReadSettingInt(QStringLiteral("GUI/Step1.ViewType"), -1), 1);
}

void TestMainPanel1::previewFollowsTheCurrentPhoto()
{
    const QString folder = Folder(QStringLiteral("preview"));
    Photo(folder + QStringLiteral("/one.jpg"));
    Photo(folder + QStringLiteral("/two.jpg"));
    chosenFolder = folder;
    Menu("buttonAdd", QStringLiteral("Folder"));
    QTRY_COMPARE(BaseNames().size(), 2);
    auto *preview = panel->findChild<CControlImage *>(QStringLiteral("scrollImage"));
    QListWidget *list = panel->PhotoList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTRY_COMPARE(preview->previewPath, folder + QStringLiteral("/two.jpg"));

    // "Show preview" off: the placeholder stays, a setting remembers it, no undo state.
    const int states = CStatesList::instance()->Count();
    auto *check = panel->findChild<QCheckBox *>(QStringLiteral("checkShowPreview"));
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!preview->previewEnabled);
    QCOMPARE(ReadSettingInt(QStringLiteral("GUI/Step1.ShowPreview"), -1), 0);
    QCOMPARE(CStatesList::instance()->Count(), states);
    QVERIFY(panel->modified);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::qWait(700);
    QVERIFY(!preview->imageLoaded);
    QTest::mouseClick(check, Qt::LeftButton); // back on for the next tests
}

void TestMainPanel1::tipsShowInTheFirstStartsOnly()
{
    CUserProfile *profile = CUserProfile::instance();
    QList<CTextWidget *> tips = panel->findChildren<CTextWidget *>();
    QCOMPARE(tips.size(), 2);
    profile->LaunchCounter = 3;
    panel->ShowAddPhotoTip();
    QVERIFY(std::none_of(tips.cbegin(), tips.cend(), [](CTextWidget *tip) { return tip->isVisible(); }));

    panel = std::make_unique<CMainPanel1>();
    panel->resize(900, 600);
    panel->show();
    tips = panel->findChildren<CTextWidget *>();
    profile->LaunchCounter = 1;
    panel->ShowAddPhotoTip();
    QCOMPARE(std::count_if(tips.cbegin(), tips.cend(), [](CTextWidget *tip) { return tip->isVisible(); }), 1);
    // A resize hides it, and it does not come back in this run.
    panel->resize(950, 650);
    QTRY_VERIFY(std::none_of(tips.cbegin(), tips.cend(), [](CTextWidget *tip) { return tip->isVisible(); }));
    panel->ShowAddPhotoTip();
    QVERIFY(std::none_of(tips.cbegin(), tips.cend(), [](CTextWidget *tip) { return tip->isVisible(); }));
}

QUENDRASIL_TEST_MAIN_WITH(TestMainPanel1, QApplication, InitializeImageEngine)
#include "tst_mainpanel1.moc"
