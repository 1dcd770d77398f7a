#include "ImageEngineSetup.h"
#include "IndicatorContrast.h"
#include "ScriptedUser.h"
#include "TestMain.h"
#include "TestServers.h"
#include "WidgetInput.h"

#include "BatchCore.h"
#include "DialogProfileSave.h"
#include "DialogProfileSelection.h"
#include "DialogSaveProject.h"
#include "FilterIds.h"
#include "FiltersEnum.h"
#include "Folders.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "ControlImage.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "ProcessController.h"
#include "Settings.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "platform/DesktopOpen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <Magick++.h>

#include <functional>

namespace {

// Answers the modal windows as a user would: message boxes by the next planned button
// (unplanned ones are closed), file dialogs with the next planned path (empty: cancel), the
// save question and the profile details by their planned answers, other dialogs by the
// planned steps.
class CUser : public CScriptedUser
{
public:
    CUser()
    {
        defaultAnswer = QMessageBox::NoButton;
        rejectUnplanned = false; // the processing window closes itself
    }

    QStringList filePaths;
    QString saveProjectButton = QStringLiteral("buttonCancel");
    QString profileName;
    QString chosenProfile; // the profile chooser's answer; empty: cancel

protected:
    bool Answer(QDialog *dialog) override
    {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            const QString path = filePaths.isEmpty() ? QString() : filePaths.takeFirst();
            QTimer::singleShot(0, files, [files, path]() {
                if (path.isEmpty()) {
                    files->reject();
                    return;
                }
                files->selectFile(path);
                QMetaObject::invokeMethod(files, "accept");
            });
        } else if (auto *question = qobject_cast<CDialogSaveProject *>(dialog)) {
            const QString name = saveProjectButton;
            QTimer::singleShot(0, question,
                [question, name]() { question->findChild<QPushButton *>(name)->click(); });
        } else if (auto *chooser = qobject_cast<CDialogProfileSelection *>(dialog)) {
            const QString path = chosenProfile;
            QTimer::singleShot(0, chooser, [chooser, path]() {
                chooser->selected.path = path;
                chooser->done(path.isEmpty() ? 0 : 1);
            });
        } else if (auto *details = qobject_cast<CDialogProfileSave *>(dialog)) {
            const QString name = profileName;
            QTimer::singleShot(0, details, [details, name]() {
                details->name = name;
                details->accept();
            });
        } else {
            return false;
        }
        return true;
    }
};

SFilterRecord Negate()
{
    SFilterRecord record;
    record.id = FilterId::Negate;
    record.name = QStringLiteral("Negate");
    record.active = true;
    return record;
}

QString WritePhoto(const QString &path)
{
    QImage photo(48, 32, QImage::Format_RGB32);
    photo.fill(QColor(200, 90, 40));
    return photo.save(path, "JPEG") ? path : QString();
}

// Pastes the photos into Step 1's list with Ctrl+V, as a user does.
void PastePhotos(MainWindow &window, const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    QGuiApplication::clipboard()->setMimeData(data);
    QListWidget *photos = window.Panel1()->PhotoList();
    const int before = photos->count();
    photos->setFocus();
    QTest::keyClick(photos, Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(photos->count(), before + int(urls.size()));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void menusAndSteps();
    void freshStartAndNewAreUnchanged();
    void undoAndRedoRebuildThePanels();
    void documentsOfEachKindSaveAndLoad();
    void failedLoadLeavesTheHeldJobShown();
    void saveProfileAsTakesThePathOnlyWhenSaved();
    void closingAsksAndAFailedSaveKeepsTheWindow();
    void themesSetPaletteAndStyleSheet();
    void languageFallsBackToEnglish();
    void helpOpensTheManualPageOfEachStep();
    void longerLanguagesFitTheButtons_data();
    void longerLanguagesFitTheButtons();
    void startScriptRunsUnattended();
    void fileOpenEventLoadsOnce();
    void documentOpenedDuringARunWaitsForIt();
    void saveKeyAndNew();
    void scriptAskingForAProfileStaysSilent();
    void pastedPhotosSurviveAReloadAndAreProcessed();
    void resizeAddedInStep2ShapesTheOutput();
    void brightnessAndThumbnailPagesShapeTheOutput();
    void scriptMadeThroughThePagesRunsAlike();
    void jpegOptionsReachAnSftpServer();
    void runThroughTheWindowEndsInPhotosAndItsTime();

private:
    std::unique_ptr<MainWindow> MakeWindow();
    void PastePhotoAndOpenStep2(MainWindow &window, const QString &photo);
    void AddFilter(
        MainWindow &window, const QString &filter, const std::function<void(QWidget *)> &onPage);
    QString ProcessToPng(MainWindow &window, const QString &out, const QString &name);

    QTemporaryDir root;
    CUser user;
    QList<int> exitCodes;
    QStringList opened;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(root.isValid());
    // Nothing that would wait for a person or start another program at start-up.
    WriteSettingInt(QString::fromLatin1(SettingsKey::ShowStartupWizard), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::CheckNewAutoCheck), 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::WriteBatchLog), 1);
    WriteSettingInt(QStringLiteral("GUI/MainWindow.ShowTipAfterProfile"), 0);
    // The invitation after every third start's first run would wait for a click.
    WriteSettingInt(QStringLiteral("GUI/DialogSocial.Show"), 0);
    qApp->installEventFilter(&user);
    MainWindow::SetExitHandler([this](int code) { exitCodes << code; });
    Platform::SetLocalPathOpener([this](const QString &path) {
        opened << path;
        return true;
    });
}

void TestMainWindow::cleanupTestCase()
{
    qApp->removeEventFilter(&user);
    MainWindow::SetExitHandler({});
    Platform::SetLocalPathOpener({});
}

void TestMainWindow::init()
{
    user.boxAnswers.clear();
    user.boxesSeen.clear();
    user.filePaths.clear();
    exitCodes.clear();
    opened.clear();
}

void TestMainWindow::cleanup()
{
    QVERIFY2(user.boxAnswers.isEmpty(), "a planned answer was not asked for");
}

void TestMainWindow::freshStartAndNewAreUnchanged()
{
    // Refills the program makes by itself (the format list at start-up and at New) mark
    // nothing changed.
    auto window = MakeWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil"));
    user.boxAnswers = { QMessageBox::Yes }; // New asks before it discards the settings
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(user.boxesSeen.size(), 1);
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil"));
}

std::unique_ptr<MainWindow> TestMainWindow::MakeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

void TestMainWindow::menusAndSteps()
{
    auto window = MakeWindow();
    QStringList menus;
    for (QAction *action : window->menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList { "&File", "&Edit", "&View", "Wi&zard", "&Help" }));

    auto *file = window->findChild<QMenu *>(QStringLiteral("menuFile"));
    const QList<QAction *> fileActions = file->actions();
    QCOMPARE(fileActions.at(fileActions.size() - 3)->text(), QStringLiteral("Launch Monitor"));
    QVERIFY(fileActions.at(fileActions.size() - 2)->isSeparator());
    QVERIFY(fileActions.at(fileActions.size() - 4)->isSeparator());
    auto *view = window->findChild<QMenu *>(QStringLiteral("menuView"));
    QCOMPARE(view->actions().first()->text(), QStringLiteral("&Wizard Steps"));
    QVERIFY(view->actions().first()->isChecked());

    // One state after start: nothing to undo or redo.
    auto *edit = window->findChild<QMenu *>(QStringLiteral("menuEdit"));
    QCoreApplication::processEvents();
    QVERIFY(!edit->actions().at(0)->isEnabled());
    QVERIFY(!edit->actions().at(1)->isEnabled());

    QCOMPARE(window->StepActions().size(), 4);
    QVERIFY(window->StepActions().at(0)->isChecked());
    window->OnButtonPrevClicked();
    QCOMPARE(window->CurrentStep(), 0);
    window->ChangePanel(2);
    window->OnButtonNextClicked();
    QCOMPARE(window->CurrentStep(), 2);
    window->ChangePanel(1);
    // Process from Step 2 keeps Step 2 checked and runs the checks: no photos here.
    user.boxAnswers = { QMessageBox::Ok };
    window->ChangePanel(3);
    QCOMPARE(user.boxesSeen, QStringList { QStringLiteral("There are no photos to process.") });
    QCOMPARE(window->CurrentStep(), 1);
    QVERIFY(window->StepActions().at(1)->isChecked());
    QVERIFY(!window->StepActions().at(3)->isChecked());
    window->ChangePanel(7);
    QCOMPARE(window->CurrentStep(), 1);

    // The title's mark follows the panels' changes, once however many arrive.
    window->Panel2()->SignalPanelChanged();
    window->Panel3()->SignalPanelChanged();
    QCoreApplication::processEvents();
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil*"));
    QVERIFY(edit->actions().at(0)->isEnabled());
}

void TestMainWindow::undoAndRedoRebuildThePanels()
{
    auto window = MakeWindow();
    auto *filters = window->Panel2()->findChild<QListWidget *>(QStringLiteral("listFilters"));
    CListFilters::instance()->Append(Negate());
    window->Panel2()->SignalPanelChanged();
    window->Panel2()->RefreshPanel();
    QCOMPARE(filters->count(), 1);

    window->on_actionUndo_triggered();
    QVERIFY(CListFilters::instance()->IsEmpty());
    QCOMPARE(filters->count(), 0);
    QVERIFY(!CStatesList::instance()->quiet);
    window->on_actionRedo_triggered();
    QCOMPARE(CListFilters::instance()->Filters().size(), 1);
    QCOMPARE(filters->count(), 1);
    QCOMPARE(CStatesList::instance()->Count(), 2); // the rebuild pushed nothing
}

void TestMainWindow::documentsOfEachKindSaveAndLoad()
{
    auto window = MakeWindow();
    const QString photo = WritePhoto(root.filePath(QStringLiteral("doc.jpg")));
    QStringList refused;
    CListImages::instance()->AddImage(photo, refused);
    CListFilters::instance()->Append(Negate());

    const QString project = root.filePath(QStringLiteral("job.qlp"));
    QVERIFY(window->SaveProject(project));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil - job"));
    const QString profile = root.filePath(QStringLiteral("look.qlf"));
    QVERIFY(window->SaveProfile(profile, QStringLiteral("Look"), QStringLiteral("described")));
    const QString script = root.filePath(QStringLiteral("run.qlr"));
    user.boxAnswers = { QMessageBox::No }; // notifications stay on
    QVERIFY(window->SaveScript(script));
    QVERIFY(!CUserProfile::instance()->OutputOptions.DisableNotifications);
    // Cancel in that question saves nothing and clears the flag.
    CUserProfile::instance()->OutputOptions.DisableNotifications = true;
    user.boxAnswers = { QMessageBox::Cancel };
    QVERIFY(!window->SaveScript(root.filePath(QStringLiteral("never.qlr"))));
    QVERIFY(!QFile::exists(root.filePath(QStringLiteral("never.qlr"))));
    QVERIFY(!CUserProfile::instance()->OutputOptions.DisableNotifications);

    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    QVERIFY(window->LoadProject(project));
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::ProjectDocument));
    QCOMPARE(window->DocumentPath(), project);
    QCOMPARE(CListImages::instance()->Count(), 1);
    QCOMPARE(window->Panel1()->PhotoList()->count(), 1);

    QVERIFY(window->LoadProfile(profile));
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::ProfileDocument));
    QCOMPARE(window->ProfileName(), QStringLiteral("Look"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil - Look"));

    QVERIFY(window->LoadScript(script));
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::ScriptDocument));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil - run"));
    QVERIFY(!window->AnyPanelChanged());

    // Opening through the dialog remembers the folder, with its final "/".
    user.filePaths = { project };
    QVERIFY(window->StartLoadingProject(QString()));
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/ProjectsPath"), QString()),
        root.path() + QLatin1Char('/'));
    QCOMPARE(CStatesList::instance()->Count(), 1);

    // Save As without an extension typed gets the document's own.
    window->Panel3()->SignalPanelChanged();
    user.filePaths = { root.filePath(QStringLiteral("typed")) };
    window->on_actionSave_As_triggered();
    QVERIFY(QFile::exists(root.filePath(QStringLiteral("typed.qlp"))));
    QCOMPARE(window->DocumentPath(), root.filePath(QStringLiteral("typed.qlp")));
}

void TestMainWindow::failedLoadLeavesTheHeldJobShown()
{
    auto window = MakeWindow();
    const QString broken = root.filePath(QStringLiteral("broken.qlp"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Project Version=\"3\"><Images><Image>");
    file.close();
    CListFilters::instance()->Append(Negate());
    window->Panel2()->SignalPanelChanged();
    user.boxAnswers = { QMessageBox::Ok };
    QVERIFY(!window->LoadProject(broken));
    // The job may be partly replaced: closing must still ask.
    QVERIFY(window->AnyPanelChanged());
    QCOMPARE(user.boxesSeen, QStringList { QStringLiteral("Could not load project.") });
    // What the panels show is what a run would process.
    auto *filters = window->Panel2()->findChild<QListWidget *>(QStringLiteral("listFilters"));
    QCOMPARE(filters->count(), int(CListFilters::instance()->Filters().size()));
    QCOMPARE(window->Panel1()->PhotoList()->count(), CListImages::instance()->Count());
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::NoDocument));
}

void TestMainWindow::saveProfileAsTakesThePathOnlyWhenSaved()
{
    auto window = MakeWindow();
    // A name no document can hold: the save fails after both dialogs.
    const QString target = root.filePath(QStringLiteral("mine.qlf"));
    user.filePaths = { target };
    user.profileName = QStringLiteral("Mine\x01");
    user.boxAnswers = { QMessageBox::Ok };
    window->on_actionSave_Profile_As_triggered();
    QVERIFY(user.filePaths.isEmpty());
    QCOMPARE(user.boxesSeen, QStringList { QStringLiteral("Could not save profile.") });
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::NoDocument));
    QVERIFY(window->DocumentPath().isEmpty());
    QVERIFY(!QFile::exists(target));
}

void TestMainWindow::closingAsksAndAFailedSaveKeepsTheWindow()
{
    auto window = MakeWindow();
    const QString project = root.filePath(QStringLiteral("close.qlp"));
    QVERIFY(window->SaveProject(project));
    QVERIFY(window->LoadProject(project));
    window->Panel1()->SignalPanelChanged();

    user.boxAnswers = { QMessageBox::Cancel };
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());

    // Yes, but the save fails: the window stays, the changes too.
    QFile::remove(project);
    QVERIFY(QDir().mkpath(project)); // a folder where the file should go
    user.boxAnswers = { QMessageBox::Yes, QMessageBox::Ok };
    QVERIFY(!window->close());
    QCOMPARE(user.boxesSeen.last(), QStringLiteral("Could not save project."));
    QVERIFY(window->AnyPanelChanged());
    QVERIFY(QDir().rmdir(project));

    user.boxAnswers = { QMessageBox::Yes };
    QVERIFY(window->close());
    QVERIFY(QFile::exists(project));
    QVERIFY(!ReadSettingBytes(QStringLiteral("Settings/MainWindow.WindowGeometry"), QByteArray())
                 .isEmpty());

    // A new job with changes asks through the save question; Cancel keeps the window.
    auto second = MakeWindow();
    second->Panel2()->SignalPanelChanged();
    user.saveProjectButton = QStringLiteral("buttonCancel");
    QVERIFY(!second->close());
    user.saveProjectButton = QStringLiteral("buttonNo");
    QVERIFY(second->close());
}

void TestMainWindow::themesSetPaletteAndStyleSheet()
{
    auto window = MakeWindow();
    QList<bool> themeSignals;
    connect(window.get(), &MainWindow::SignalThemeChanged, this,
        [&](bool dark) { themeSignals << dark; });
    // A preview draws its placeholder faint in the dark theme: the widgets follow the theme the
    // window announces.
    const auto *preview
        = window->Panel2()->findChild<CControlImage *>(QStringLiteral("scrollImageFilters"));
    QVERIFY(preview);
    CUserProfile::instance()->ThemeId = 1;
    window->ChangeTheme();
    const QImage darkPlaceholder = preview->PlaceholderPixmap().toImage();
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor(60, 60, 60));
    QCOMPARE(qApp->palette().color(QPalette::Base), QColor(30, 30, 30));
    QCOMPARE(qApp->palette().color(QPalette::Highlight), QColor(38, 163, 226));
    // Where the main program's palette differs from Monitor's.
    QCOMPARE(qApp->palette().color(QPalette::ToolTipBase), QColor(38, 163, 226));
    QCOMPARE(qApp->palette().color(QPalette::Shadow), QColor(30, 30, 30));
    QVERIFY(qApp->styleSheet().startsWith(
        QStringLiteral("QPlainTextEdit:!enabled { background-color: #3C3C3C; }")));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("background: #1E1E1E;")));
    QVERIFY(qApp->styleSheet().endsWith(QStringLiteral("QMenu::separator { }")));
    QVERIFY(ReadableStates());

    CUserProfile::instance()->ThemeId = 2;
    window->ChangeTheme();
    QVERIFY(preview->PlaceholderPixmap().toImage() != darkPlaceholder);
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor(240, 240, 240));
    QCOMPARE(qApp->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(qApp->styleSheet().startsWith(QStringLiteral(
        "QScrollBar:vertical, QScrollBar:horizontal { border: none; background: #E1E1E1;")));
    QVERIFY(ReadableStates());
    QCOMPARE(themeSignals, (QList<bool> { true, false }));
    // Following the desktop (light here) after the program's own dark palette was set.
    CUserProfile::instance()->ThemeId = 1;
    window->ChangeTheme();
    CUserProfile::instance()->ThemeId = 0;
    window->ChangeTheme();
    QCOMPARE(qApp->palette().color(QPalette::Window), QColor(240, 240, 240));
    // The toolbar is rebuilt with the current step still checked.
    QCOMPARE(window->StepActions().size(), 4);
    QVERIFY(window->StepActions().at(window->CurrentStep())->isChecked());
    QVERIFY(!window->StepActions().at(0)->icon().isNull());
}

void TestMainWindow::languageFallsBackToEnglish()
{
    QCOMPARE(MainWindow::LanguageCode(1031), QStringLiteral("De"));
    QCOMPARE(MainWindow::LanguageCode(2052), QStringLiteral("En"));
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 2052);
    user.boxAnswers = { QMessageBox::Ok };
    auto window = MakeWindow();
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 1033);
    QCOMPARE(user.boxesSeen,
        QStringList {
            QStringLiteral("You need to restart Quendrasil for the changes to take effect.") });
    QCOMPARE(CUserProfile::instance()->LanguageId, 1033);
}

// F1 and Help > Help Manual open, through the desktop, the manual's page of the step shown.
void TestMainWindow::helpOpensTheManualPageOfEachStep()
{
    auto window = MakeWindow();
    const QStringList pages { QStringLiteral("user-interface_step1_add-photos.html"),
        QStringLiteral("user-interface_step2_add-filters.html"),
        QStringLiteral("user-interface_step3_setup.html") };
    auto *help = window->findChild<QMenu *>(QStringLiteral("menuHelp"));
    for (int step = 0; step < 3; ++step) {
        window->ChangePanel(step);
        QTest::keyClick(window.get(), Qt::Key_F1);
        help->actions().first()->trigger();
        QCOMPARE(opened.size(), 2 * (step + 1));
        for (const QString &path : opened.mid(2 * step)) {
            QCOMPARE(QFileInfo(path).fileName(), pages.at(step));
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
    }
}

void TestMainWindow::longerLanguagesFitTheButtons_data()
{
    QTest::addColumn<int>("languageId");
    QTest::newRow("German") << 1031;
    QTest::newRow("Japanese") << 1041;
}

// Translations run longer than English: no push button of the three steps cuts its text.
void TestMainWindow::longerLanguagesFitTheButtons()
{
    QFETCH(int, languageId);
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), languageId);
    auto window = MakeWindow();
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 1033);
    QVERIFY(window->menuBar()->actions().first()->text() != QStringLiteral("&File"));
    for (int step = 0; step < 3; ++step) {
        window->ChangePanel(step);
        QCoreApplication::processEvents();
        for (const QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->isVisible() && !button->text().isEmpty())
                QVERIFY2(button->width() >= button->sizeHint().width(),
                    qPrintable(QStringLiteral("step %1: %2 \"%3\" %4 < %5")
                                   .arg(step + 1)
                                   .arg(button->objectName(), button->text())
                                   .arg(button->width())
                                   .arg(button->sizeHint().width())));
        }
    }
    CUserProfile::instance()->LanguageId = 1033;
}

void TestMainWindow::startScriptRunsUnattended()
{
    const QString photos = root.filePath(QStringLiteral("script-photos"));
    const QString out = root.filePath(QStringLiteral("script-out"));
    QVERIFY(QDir().mkpath(photos));
    QVERIFY(QDir().mkpath(out));
    const QString photo = WritePhoto(photos + QStringLiteral("/one.jpg"));
    const QString script = photos + QStringLiteral("/go.qlr");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral("<Script Version=\"3\">\r\n<Properties Class=\"Script\">"
                       "<Property Name=\"HideProcessing\">1</Property></Properties>\r\n"
                       "<Images><Image Path=\"%1\"/></Images>\r\n"
                       "<Properties Class=\"Output\"><Property Name=\"Destination\">1</Property>"
                       "<Property Name=\"DestPath\">%2</Property></Properties>\r\n"
                       "<Properties Class=\"Format\"><Property "
                       "Name=\"OutputFormat\">PNG</Property></Properties>\r\n"
                       "</Script>\r\n")
            .arg(photo, out)
            .toUtf8());
    file.close();

    // A relative path is taken from where the program was started.
    QDir::setCurrent(photos);
    {
        auto window = std::make_unique<MainWindow>();
        window->StartLoadingFileWindows(QStringLiteral("go.qlr"));
        QCOMPARE(window->DocumentPath(), script);
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        window->show();
        QCOMPARE(exitCodes, QList<int> { 0 });
        QVERIFY(!window->isVisible());
        QVERIFY(QFile::exists(out + QStringLiteral("/one.png")));
    }
    const QString log = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Quendrasil.log");
    QFile logFile(log);
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    QVERIFY(
        logFile.readAll().contains("Processing 1 images with 0 graphical filter(s) per image."));
    logFile.close();

    // A script that does not load ends with 2 and runs nothing, not even the job held.
    exitCodes.clear();
    QVERIFY(QFile::remove(out + QStringLiteral("/one.png")));
    const QString broken = photos + QStringLiteral("/broken.qlr");
    QFile brokenFile(broken);
    QVERIFY(brokenFile.open(QIODevice::WriteOnly));
    brokenFile.write("<Script Version=\"3\"><Images>");
    brokenFile.close();
    {
        auto window = std::make_unique<MainWindow>();
        window->StartLoadingFileWindows(broken);
        window->show();
        QCOMPARE(exitCodes, QList<int> { 2 });
        QVERIFY(QDir(out).isEmpty());
    }

    // A silent script without an output folder asks nobody: it ends without a run. (Step 3
    // remembers the folder of the first script for new jobs; forget it here.)
    exitCodes.clear();
    WriteSettingString(QStringLiteral("GUI/Step3.OutputPath"), QString());
    const QString silent = photos + QStringLiteral("/silent.qlr");
    QFile silentFile(silent);
    QVERIFY(silentFile.open(QIODevice::WriteOnly));
    silentFile.write(QStringLiteral("<Script Version=\"3\" Mode=\"Silent\">\r\n"
                                    "<Images><Image Path=\"%1\"/></Images>\r\n</Script>\r\n")
                         .arg(photo)
                         .toUtf8());
    silentFile.close();
    auto window = std::make_unique<MainWindow>();
    window->StartLoadingFileWindows(silent);
    window->show();
    QCOMPARE(exitCodes, QList<int> { 0 });
    QVERIFY(QDir(out).isEmpty());
    QVERIFY2(user.boxesSeen.isEmpty(), qPrintable(user.boxesSeen.join('|')));
}

void TestMainWindow::fileOpenEventLoadsOnce()
{
    auto window = MakeWindow();
    // A "\\" in a name is an ordinary character here: the path is kept as delivered.
    const QString project = root.filePath(QStringLiteral("opened\\1.qlp"));
    QVERIFY(window->SaveProject(project));
    QFileOpenEvent event(project);
    QCoreApplication::sendEvent(qApp, &event);
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::NoDocument)); // queued
    QTRY_COMPARE(window->DocumentKindValue(), int(MainWindow::ProjectDocument));
    QCOMPARE(window->DocumentPath(), project);
}

// The desktop may hand over a document while a run goes on: the run writes its photos as the
// job stood, and the document is loaded once the run is over.
void TestMainWindow::documentOpenedDuringARunWaitsForIt()
{
    auto window = MakeWindow();
    const QString other = root.filePath(QStringLiteral("other-out"));
    CUserProfile::instance()->OutputOptions.DestPath = other;
    CUserProfile::instance()->OutputOptions.OutputFormat = QStringLiteral("JPG");
    const QString project = root.filePath(QStringLiteral("during-run.qlp"));
    QVERIFY(window->SaveProject(project));

    const QString folder = root.filePath(QStringLiteral("during-run"));
    QVERIFY(QDir().mkpath(folder));
    QStringList refused;
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg" })
        CListImages::instance()->AddImage(
            WritePhoto(folder + QLatin1Char('/') + QLatin1String(name)), refused);
    QTimer::singleShot(0, this, [&project] {
        QFileOpenEvent event(project);
        QCoreApplication::sendEvent(qApp, &event);
    });
    const QString out = root.filePath(QStringLiteral("during-run-out"));
    ProcessToPng(*window, out, QStringLiteral("a"));
    QTRY_COMPARE(QDir(out).entryList(QDir::Files).size(), 3);
    QCOMPARE(QDir(out).entryList(QDir::Files),
        QStringList({ QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png") }));

    QTRY_COMPARE(window->DocumentKindValue(), int(MainWindow::ProjectDocument));
    QCOMPARE(window->DocumentPath(), project);
    QCOMPARE(CUserProfile::instance()->OutputOptions.DestPath, other);
    QVERIFY(!QFileInfo::exists(other));
}

void TestMainWindow::saveKeyAndNew()
{
    auto window = MakeWindow();
    // A new job: Ctrl+S opens Save Project As (cancelled here), once; Ctrl+Alt+S nothing.
    int dialogs = 0;
    user.filePaths = { QString() };
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(user.filePaths.size(), 1);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    dialogs = user.filePaths.isEmpty() ? 1 : 0;
    QCOMPARE(dialogs, 1);

    QStringList refused;
    CListImages::instance()->AddImage(
        WritePhoto(root.filePath(QStringLiteral("new.jpg"))), refused);
    CUserProfile::instance()->Quality = 40;
    CUserProfile::instance()->SilentScript = true;
    window->Panel1()->SignalPanelChanged();
    user.boxAnswers = { QMessageBox::No };
    window->on_actionNew_triggered();
    QCOMPARE(CListImages::instance()->Count(), 1);
    user.boxAnswers = { QMessageBox::Yes };
    window->on_actionNew_triggered();
    QVERIFY(CListImages::instance()->IsEmpty());
    QCOMPARE(CUserProfile::instance()->Quality, 88);
    QVERIFY(!CUserProfile::instance()->SilentScript);
    QCOMPARE(window->DocumentKindValue(), int(MainWindow::NoDocument));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quendrasil"));
    QCOMPARE(CStatesList::instance()->Count(), 1);
}

// Command value 1: the chosen profile is loaded over the script, whose "Silent" mode still
// holds for the run: no box, no question, a dialog that closes itself.
void TestMainWindow::scriptAskingForAProfileStaysSilent()
{
    const QString folder = root.filePath(QStringLiteral("ask-profile"));
    const QString out = folder + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(out));
    const QString photo = WritePhoto(folder + QStringLiteral("/p.jpg"));
    {
        auto window = MakeWindow();
        CListImages::instance()->Clear();
        CListFilters::instance()->Clear();
        CListFilters::instance()->Append(Negate());
        CUserProfile::instance()->OutputOptions.DestPath = out;
        CUserProfile::instance()->OutputOptions.OutputFormat = QStringLiteral("PNG");
        QVERIFY(window->SaveProfile(
            folder + QStringLiteral("/negate.qlf"), QStringLiteral("Negate"), QString()));
    }
    const QString script = folder + QStringLiteral("/ask.qlr");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(
        "<Script Version=\"3\" Mode=\"Silent\">\r\n"
        "<Properties Class=\"Script\"><Property Name=\"CommandId\">1</Property></Properties>\r\n"
        "<Images><Image Path=\"%1\"/></Images>\r\n</Script>\r\n")
                   .arg(photo)
                   .toUtf8());
    file.close();

    user.chosenProfile = folder + QStringLiteral("/negate.qlf");
    auto window = std::make_unique<MainWindow>();
    window->StartLoadingFileWindows(script);
    window->show();
    user.chosenProfile.clear();
    QCOMPARE(exitCodes, QList<int> { 0 });
    QVERIFY(CUserProfile::instance()->SilentScript);
    QVERIFY(QFile::exists(out + QStringLiteral("/p.png")));
    QVERIFY2(user.boxesSeen.isEmpty(), qPrintable(user.boxesSeen.join('|')));
}

// A user pastes photos into Step 1, saves the project, opens it again and processes it.
void TestMainWindow::pastedPhotosSurviveAReloadAndAreProcessed()
{
    auto window = MakeWindow();
    const QString folder = root.filePath(QStringLiteral("pasted"));
    const QString out = root.filePath(QStringLiteral("pasted-out"));
    QVERIFY(QDir().mkpath(folder));
    QList<QUrl> urls;
    for (const char *name : { "b.jpg", "a.jpg", "c.jpg" })
        urls << QUrl::fromLocalFile(WritePhoto(folder + QLatin1Char('/') + QLatin1String(name)));
    // Ctrl+V in the photo list: the list passes it on to the page.
    PastePhotos(*window, urls);
    QListWidget *list = window->Panel1()->PhotoList();
    const QStringList shown { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") };
    const auto texts = [list]() {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    };
    QCOMPARE(texts(), shown);
    QVERIFY(window->AnyPanelChanged());
    // The paste is one step of the history.
    auto *undo = window->findChild<QAction *>(QStringLiteral("actionUndo"));
    QTRY_VERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(list->count(), 0);
    auto *redo = window->findChild<QAction *>(QStringLiteral("actionRedo"));
    QTRY_VERIFY(redo->isEnabled());
    redo->trigger();
    QCOMPARE(texts(), shown);

    const QString project = root.filePath(QStringLiteral("pasted.qlp"));
    user.filePaths = { project };
    window->findChild<QAction *>(QStringLiteral("actionSave_As"))->trigger();
    QVERIFY(QFile::exists(project));
    user.boxAnswers = { QMessageBox::Yes };
    window->findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QCOMPARE(list->count(), 0);
    user.filePaths = { project };
    window->findChild<QAction *>(QStringLiteral("actionLoad"))->trigger();
    QCOMPARE(texts(), shown);
    QVERIFY(!window->AnyPanelChanged());

    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    output.DestPath = out;
    output.OutputFormat = QStringLiteral("PNG");
    CUserProfile::instance()->UpdateOutputExtension();
    output.HideProcessing = true; // the run closes its window itself
    user.boxAnswers = { QMessageBox::Yes, QMessageBox::Yes }; // create the folder, then go
    window->findChild<QAction *>(QStringLiteral("actionProcess"))->trigger();
    QTRY_COMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
        QStringList({ QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png") }));
    output.HideProcessing = false;
}

// The whole road of a filter: Step 2's Add Filter, the picker, the Resize page set to
// 800 x 600, OK; then Process writes photos of that size.
// Pastes the photo into Step 1 and goes on to Step 2.
void TestMainWindow::PastePhotoAndOpenStep2(MainWindow &window, const QString &photo)
{
    PastePhotos(window, { QUrl::fromLocalFile(photo) });
    window.findChild<QAction *>(QStringLiteral("actionStep_2_Edit_Photos"))->trigger();
    QTRY_VERIFY(window.Panel2()->isVisible());
}

// Adds the filter through Step 2's picker; `onPage` works its settings page before OK.
void TestMainWindow::AddFilter(
    MainWindow &window, const QString &filter, const std::function<void(QWidget *)> &onPage)
{
    const qsizetype before = CListFilters::instance()->Count();
    user.dialogSteps << [filter](QDialog *picker) {
        auto *list = picker->findChild<QListWidget *>(QStringLiteral("listFilters"));
        QListWidgetItem *item = list->findItems(filter, Qt::MatchExactly).value(0);
        QVERIFY(item);
        list->scrollToItem(item);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("Ok")), Qt::LeftButton);
    };
    user.dialogSteps << [onPage](QDialog *settings) {
        onPage(settings);
        auto *box = settings->findChild<QDialogButtonBox *>();
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    };
    QTest::mouseClick(window.Panel2()->findChild<QPushButton *>(QStringLiteral("buttonAddFilter")),
        Qt::LeftButton);
    QTRY_COMPARE(CListFilters::instance()->Count(), before + 1);
    QVERIFY(user.dialogSteps.isEmpty());
}

// Runs the job into `out` as PNG without the processing window; the path of `name`'s output.
QString TestMainWindow::ProcessToPng(MainWindow &window, const QString &out, const QString &name)
{
    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    output.DestPath = out;
    output.OutputFormat = QStringLiteral("PNG");
    CUserProfile::instance()->UpdateOutputExtension();
    output.HideProcessing = true;
    user.boxAnswers = { QMessageBox::Yes, QMessageBox::Yes }; // create the folder, then go
    window.findChild<QAction *>(QStringLiteral("actionProcess"))->trigger();
    const QString written = out + QLatin1Char('/') + name + QStringLiteral(".png");
    [&]() { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(written), 20000); }();
    output.HideProcessing = false;
    return written;
}

namespace {

// Types into a spin box of the page as a user does, leaving it with Tab.
void TypeInto(QWidget *page, const char *name, const QString &text)
{
    auto *spin = page->findChild<QAbstractSpinBox *>(QString::fromLatin1(name));
    QVERIFY(spin);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
    QTest::keyClick(spin, Qt::Key_Tab);
}

} // namespace

void TestMainWindow::resizeAddedInStep2ShapesTheOutput()
{
    auto window = MakeWindow();
    const QString folder = root.filePath(QStringLiteral("resize"));
    QVERIFY(QDir().mkpath(folder));
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(QColor(30, 120, 200));
    QVERIFY(photo.save(folder + QStringLiteral("/wide.jpg"), "JPEG"));
    PastePhotoAndOpenStep2(*window, folder + QStringLiteral("/wide.jpg"));
    AddFilter(*window, QStringLiteral("Resize"), [](QWidget *settings) {
        TypeInto(settings, "spinWidth", QStringLiteral("800"));
        TypeInto(settings, "spinHeight", QStringLiteral("600"));
    });
    QCOMPARE(CListFilters::instance()->Filters().first().id, qint32(FilterId::Resize));
    QVERIFY(window->AnyPanelChanged());

    // The chain's preview is drawn at the size shown, the whole photo fitted; zoomed in, it is
    // the full-size render.
    auto *preview = window->Panel2()->findChild<CControlImage *>(QStringLiteral("scrollImageFilters"));
    auto *original = window->Panel2()->findChild<CControlImage *>(QStringLiteral("scrollImageOriginal"));
    QVERIFY(preview && original);
    // A zoom waits for both views: one still loading ignores the buttons.
    QTRY_VERIFY_WITH_TIMEOUT(preview->ViewSizeRenderCount() > 0 && !preview->IsLoading()
            && preview->imageLoaded && !original->IsLoading(), EventTimeoutMs);
    const double fit = preview->FitZoom();
    QCOMPARE(preview->Zoom(), fit);
    QCOMPARE(int(preview->ImageResized().image.columns()), qRound(4000 * fit / 100));
    QTest::mouseClick(
        window->Panel2()->findChild<QAbstractButton *>(QStringLiteral("buttonZoomInFilters")),
        Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(preview->Zoom() > fit && !preview->IsLoading()
            && int(preview->ImageResized().image.columns()) == qRound(4000 * preview->Zoom() / 100),
        EventTimeoutMs);

    const QString written = ProcessToPng(
        *window, root.filePath(QStringLiteral("resize-out")), QStringLiteral("wide"));
    QTRY_COMPARE(QImage(written).size(), QSize(800, 600));
}

void TestMainWindow::brightnessAndThumbnailPagesShapeTheOutput()
{
    auto window = MakeWindow();
    const QString folder = root.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(folder));
    const QColor grey(100, 100, 100);
    QImage photo(1000, 750, QImage::Format_RGB32);
    photo.fill(grey);
    QVERIFY(photo.save(folder + QStringLiteral("/grey.png"), "PNG"));
    PastePhotoAndOpenStep2(*window, folder + QStringLiteral("/grey.png"));
    AddFilter(*window, QStringLiteral("Brightness"), [](QWidget *settings) {
        auto *lightness = settings->findChild<QSlider *>(QStringLiteral("sliderLightness"));
        QVERIFY(lightness);
        lightness->setFocus();
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(lightness, Qt::Key_PageUp);
        QCOMPARE(lightness->value(), 5 * lightness->pageStep());
    });
    AddFilter(*window, QStringLiteral("Thumbnail"), [](QWidget *settings) {
        TypeInto(settings, "spinWidth", QStringLiteral("200"));
        TypeInto(settings, "spinHeight", QStringLiteral("200"));
    });
    const QList<SFilterRecord> chain = CListFilters::instance()->Filters();
    QCOMPARE(chain.size(), 2);
    QCOMPARE(chain.at(1).id, qint32(FilterId::Thumbnail));

    const QString written
        = ProcessToPng(*window, root.filePath(QStringLiteral("pages-out")), QStringLiteral("grey"));
    QTRY_COMPARE(QImage(written).size(), QSize(200, 150));
    QVERIFY(qGray(QImage(written).pixel(100, 75)) > grey.lightness() + 20);
}

void TestMainWindow::scriptMadeThroughThePagesRunsAlike()
{
    const QString folder = root.filePath(QStringLiteral("annotate"));
    const QString unattended = root.filePath(QStringLiteral("annotate-script-out"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(unattended));
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(QColor(90, 140, 60));
    QVERIFY(photo.save(folder + QStringLiteral("/field.png"), "PNG"));
    const QString script = folder + QStringLiteral("/stamp.qlr");
    QImage interactive;
    {
        auto window = MakeWindow();
        PastePhotoAndOpenStep2(*window, folder + QStringLiteral("/field.png"));
        AddFilter(*window, QStringLiteral("Simple Border"),
            [](QWidget *settings) { TypeInto(settings, "spinTop", QStringLiteral("12")); });
        AddFilter(*window, QStringLiteral("Comment"), [](QWidget *settings) {
            auto *text = settings->findChild<QPlainTextEdit *>(QStringLiteral("editComment"));
            QVERIFY(text);
            text->setFocus();
            QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(text, QStringLiteral("Taken at [Filename]"));
        });
        QCOMPARE(CListFilters::instance()->Count(), 2);
        interactive = QImage(ProcessToPng(
            *window, root.filePath(QStringLiteral("annotate-out")), QStringLiteral("field")));
        QVERIFY(!interactive.isNull());
        QCOMPARE(interactive.size(), QSize(640 + 2 * 12, 480 + 2 * 12));

        // Saved as a script that writes elsewhere, without notifications.
        SOutputOptions &output = CUserProfile::instance()->OutputOptions;
        output.DestPath = unattended;
        output.HideProcessing = true;
        user.boxAnswers = { QMessageBox::Yes };
        QVERIFY(window->SaveScript(script));
        output.HideProcessing = false;
    }

    // Opened as from the file manager: the script runs at once, asking nothing; its window
    // shows the summary until the user presses OK.
    const QString written = unattended + QStringLiteral("/field.png");
    user.dialogSteps << [written](QDialog *progress) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(written), 20000);
        auto *button = progress->findChild<QPushButton *>(QStringLiteral("buttonOKCancel"));
        QVERIFY(button);
        QTRY_COMPARE(button->text(), QStringLiteral("OK"));
        QTest::mouseClick(button, Qt::LeftButton);
    };
    exitCodes.clear();
    auto runner = std::make_unique<MainWindow>();
    runner->StartLoadingFileWindows(script);
    runner->show();
    QVERIFY(user.dialogSteps.isEmpty());
    QCOMPARE(exitCodes, QList<int> { 0 });
    const QImage again(written);
    QCOMPARE(again.size(), interactive.size());
    QVERIFY(again.convertToFormat(QImage::Format_RGB32)
        == interactive.convertToFormat(QImage::Format_RGB32));
    // The comment is drawn: some pixels inside the border are no longer the photo's green.
    int stamped = 0;
    for (int y = 12; y < 480 + 12; y += 2) {
        for (int x = 12; x < 640 + 12; x += 2)
            stamped += qAbs(qGreen(again.pixel(x, y)) - 140) > 40 ? 1 : 0;
    }
    QVERIFY2(stamped > 20, qPrintable(QString::number(stamped)));
}

// Step 3 through its controls: JPEG with quality 70 and line interlacing from the format
// options, sent to an SFTP server; the photo arrives there with those options.
void TestMainWindow::jpegOptionsReachAnSftpServer()
{
    CTestSshServer ssh;
    const QString problem = ssh.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    const QString remote = ssh.MakeWritableFolder(QStringLiteral("delivered"));
    QVERIFY(!remote.isEmpty());

    auto window = MakeWindow();
    const QString folder = root.filePath(QStringLiteral("sftp"));
    QVERIFY(QDir().mkpath(folder));
    QImage photo(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    }
    QVERIFY(photo.save(folder + QStringLiteral("/pattern.png"), "PNG"));
    PastePhotoAndOpenStep2(*window, folder + QStringLiteral("/pattern.png"));
    AddFilter(*window, QStringLiteral("Resize"), [](QWidget *settings) {
        TypeInto(settings, "spinWidth", QStringLiteral("400"));
        TypeInto(settings, "spinHeight", QStringLiteral("300"));
    });

    window->findChild<QAction *>(QStringLiteral("actionStep_3_Setup"))->trigger();
    CMainPanel3 *step3 = window->Panel3();
    QTRY_VERIFY(step3->isVisible());
    // The destination first: choosing one refills the format list.
    Choose(step3->findChild<QComboBox *>(QStringLiteral("comboDestination")), 2);
    auto *sftp = step3->findChild<QCheckBox *>(QStringLiteral("checkUseSFTP"));
    if (!sftp->isChecked())
        Click(sftp);
    const auto type = [step3](const char *name, const QString &text) {
        TypeInto(step3->findChild<QLineEdit *>(QString::fromLatin1(name)), text);
    };
    type("editFTPHost", QStringLiteral("127.0.0.1"));
    type("editFTPPort", QString::number(ssh.Port()));
    type("editFTPUsername", ssh.User());
    type("editFTPPassword", ssh.Password());
    type("editFTPFolder", remote);

    auto *formats = step3->findChild<QComboBox *>(QStringLiteral("comboOutputFormat"));
    Choose(formats, formats->findText(QStringLiteral("JPG - "), Qt::MatchStartsWith));
    user.dialogSteps << [](QDialog *options) {
        auto *quality = options->findChild<QSpinBox *>(QStringLiteral("spinSizeQualityJPG"));
        QVERIFY(quality && quality->isVisible());
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(quality, QStringLiteral("70"));
        QTest::keyClick(quality, Qt::Key_Tab);
        auto *interlace = options->findChild<QComboBox *>(QStringLiteral("comboInterlaceJPG"));
        Choose(interlace, interlace->findText(QStringLiteral("Line Interlace")));
        QTest::mouseClick(
            options->findChild<QPushButton *>(QStringLiteral("buttonOK")), Qt::LeftButton);
    };
    QTest::mouseClick(
        step3->findChild<QPushButton *>(QStringLiteral("buttonFormatSettings")), Qt::LeftButton);
    QVERIFY(user.dialogSteps.isEmpty());

    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    output.HideProcessing = true; // the run closes its window itself
    // Written in a work folder and sent; the local output folder stays as it is.
    output.DestPath = root.filePath(QStringLiteral("sftp-local"));
    QVERIFY(QDir().mkpath(output.DestPath));
    user.boxAnswers = { QMessageBox::Yes }; // go
    window->findChild<QAction *>(QStringLiteral("actionProcess"))->trigger();
    const QString delivered = remote + QStringLiteral("/pattern.jpg");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(delivered) && QImage(delivered).width() == 400, 60000);
    output.HideProcessing = false;

    QFile file(delivered);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xff\xd8"));
    QVERIFY2(bytes.contains("\xff\xc2"), "not a progressive (interlaced) JPEG");
    Magick::Image written;
    written.read(delivered.toStdString());
    QCOMPARE(int(written.quality()), 70);
    QCOMPARE(QSize(int(written.columns()), int(written.rows())), QSize(400, 300));
    QVERIFY(QDir(output.DestPath).isEmpty());
}

// A run of some seconds as a user makes it: four large photos pasted, JPG chosen in Step 3 and
// kept across a change of destination, Process; the processing window's summary gives the
// run's time, Return closes it, and the photos are on disk.
void TestMainWindow::runThroughTheWindowEndsInPhotosAndItsTime()
{
    auto window = MakeWindow();
    const QString folder = root.filePath(QStringLiteral("timed"));
    const QString out = root.filePath(QStringLiteral("timed-out"));
    QVERIFY(QDir().mkpath(folder));
    QList<QUrl> urls;
    for (int index = 0; index < 4; ++index) {
        Magick::Image photo(Magick::Geometry(2400, 1600), Magick::Color("grey50"));
        photo.addNoise(MagickCore::GaussianNoise);
        const QString path = QStringLiteral("%1/%2.png").arg(folder).arg(index);
        photo.write(path.toStdString());
        urls << QUrl::fromLocalFile(path);
    }
    PastePhotos(*window, urls);

    window->findChild<QAction *>(QStringLiteral("actionStep_3_Setup"))->trigger();
    QTRY_VERIFY(window->Panel3()->isVisible());
    auto *format = window->Panel3()->findChild<QComboBox *>(QStringLiteral("comboOutputFormat"));
    auto *destination
        = window->Panel3()->findChild<QComboBox *>(QStringLiteral("comboDestination"));
    Choose(format, format->findText(QStringLiteral("JPG"), Qt::MatchStartsWith));
    Choose(destination, 1);
    Choose(destination, 0);
    QVERIFY(format->currentText().startsWith(QStringLiteral("JPG")));
    TypeInto(window->Panel3()->findChild<QLineEdit *>(QStringLiteral("editDestinationPath")), out);
    CUserProfile::instance()->OutputOptions.HideProcessing = false;

    QString summary;
    qint64 photosApartMs = 0;
    user.boxAnswers = { QMessageBox::Yes, QMessageBox::Yes }; // create the folder, then go
    user.dialogSteps << [&](QDialog *dialog) {
        auto *controller = qobject_cast<CProcessController *>(dialog);
        QVERIFY(controller);
        // Between the first photo done and the last: a span the run's time must cover.
        QElapsedTimer clock;
        connect(controller->Core(), &CBatchCore::PhotosChanged, dialog, [&](int done, int total) {
            if (done == 1)
                clock.start();
            else if (done == total && clock.isValid())
                photosApartMs = clock.elapsed();
        });
        QTRY_VERIFY_WITH_TIMEOUT(controller->Core()->IsFinished(), 60000);
        summary = dialog->findChild<QPlainTextEdit *>()->toPlainText();
        QTest::keyClick(dialog, Qt::Key_Return);
    };
    window->findChild<QAction *>(QStringLiteral("actionProcess"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(summary.contains(QStringLiteral("Time elapsed")), 60000);
    QTRY_VERIFY(!window->findChild<CProcessController *>()
        || !window->findChild<CProcessController *>()->isVisible());

    const QRegularExpression time(QStringLiteral("Time elapsed: (?:(\\d+):)?(\\d+)\\.(\\d)s"));
    const QRegularExpressionMatch shown = time.match(summary);
    QVERIFY2(shown.hasMatch(), qPrintable(summary));
    const qint64 shownMs = shown.captured(1).toLongLong() * 60000
        + shown.captured(2).toLongLong() * 1000 + shown.captured(3).toLongLong() * 100;
    QVERIFY2(shownMs + 100 >= photosApartMs,
        qPrintable(
            QStringLiteral("shown %1 ms, photos %2 ms apart").arg(shownMs).arg(photosApartMs)));
    QCOMPARE(QDir(out).entryList({ QStringLiteral("*.jpg") }, QDir::Files).size(), 4);
}

QUENDRASIL_TEST_MAIN_WITH(TestMainWindow, QApplication, InitializeImageEngine)
#include "tst_mainwindow.moc"
