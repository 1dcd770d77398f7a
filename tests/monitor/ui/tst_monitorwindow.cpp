#include "IndicatorContrast.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TraceCollector.h"

#include "DialogFTPWatch.h"
#include "DialogFolderWatch.h"
#include "Folders.h"
#include "HelpTopics.h"
#include "Job.h"
#include "JobStore.h"
#include "ListThumb.h"
#include "MonitorThread.h"
#include "MonitorWindow.h"
#include "ScriptedUser.h"
#include "Settings.h"
#include "platform/LoginStart.h"
#include "platform/ProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMutex>
#include <QPalette>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>

#include <memory>

namespace {

// Answers message boxes and menus as CScriptedUser does, and file dialogs with the next
// planned path (none: cancel).
class CUser : public CScriptedUser
{
public:
    QStringList filePaths;

protected:
    bool Answer(QDialog *dialog) override
    {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return false;
        const QString path = filePaths.isEmpty() ? QString() : filePaths.takeFirst();
        QTimer::singleShot(0, files, [files, path]() {
            if (path.isEmpty()) {
                files->reject();
                return;
            }
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        });
        return true;
    }
};

CJob MakeJob(qint64 id, const QString &name, qint16 type = 0)
{
    CJob job;
    job.Id = id;
    job.Type = type;
    job.Name = name;
    job.Description = name + QStringLiteral(" description");
    job.Source = QStringLiteral("/nowhere/") + name; // never found: the threads stay idle
    job.Script = JobProfilePath(id);
    job.Mask = QStringLiteral("*.*");
    job.Interval = 3600;
    job.PicCount = 5;
    job.Log.append({ QStringLiteral("/nowhere/%1/a.jpg").arg(name), QStringLiteral("00aa"), 0 });
    job.Log.append({ QStringLiteral("/nowhere/%1/b.jpg").arg(name), QStringLiteral("11bb"), 0 });
    if (type == 1) {
        job.Host = QStringLiteral("127.0.0.1");
        job.Port = 2121;
        job.Username = QStringLiteral("user");
    }
    return job;
}

QList<CJob> Stored(const QString &path = DefaultJobStorePath())
{
    QList<CJob> jobs;
    if (!ReadJobStore(path, jobs))
        jobs.append(MakeJob(-1, QStringLiteral("<unreadable>")));
    return jobs;
}

QStringList Names(const QList<CJob> &jobs)
{
    QStringList names;
    for (const CJob &job : jobs)
        names << job.Name;
    return names;
}

bool WritePhoto(const QString &path, Qt::GlobalColor colour)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

// What the user types into a job dialog.
struct SAnswer
{
    int result = 1;
    QString name = QStringLiteral("Holidays");
    QString description = QStringLiteral("Photos from the card");
    QString source = QStringLiteral("/nowhere/holidays");
    quint16 interval = 3600;
    bool reprocess = false;
    bool subfolders = true;
};

} // namespace

class TestMonitorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startWithoutStoreWritesAnEmptyOne();
    void unreadableStoreIsNeverOverwritten();
    void addJob_data();
    void addJob();
    void editJob_data();
    void editJob();
    void duplicateTakesANewIdAndAnEmptyLog();
    void removeAsksFirst_data();
    void removeAsksFirst();
    void checkBoxSwitchesTheJobAndSaves();
    void rebuildingTheListIsNoUserTick();
    void exportWritesNoLogs();
    void import_data();
    void import();
    void hundredAndFirstJobIsRefused();
    void trayMenuAndStartAtLogin();
    void helpAndOpeningTheMainProgram();
    void overlayStaysInTheCornerWhileScrolling();

    void droppedPhotosAreProcessedByTheMainProgram();

private:
    void Open();
    CListThumb *List() const { return window->findChild<CListThumb *>(QStringLiteral("listJobs")); }
    void Select(const QList<int> &rows);
    void ChooseFromMenuBar(const char *menuName, const QString &entry);
    void PlanFolderAnswer(const SAnswer &answer);
    void InstallDialogRunners();

    std::unique_ptr<CMonitorWindow> window;
    CUser user;
    QList<SAnswer> folderAnswers;
    QList<SAnswer> ftpAnswers;
    QStringList scriptsSeen; // the profile each dialog was opened with
    QList<qint64> idsSeen;
    int dialogsRun = 0;
};

void TestMonitorWindow::initTestCase()
{
    TraceCollector::Install();
    // The main program that a job starts would start a Monitor of its own.
    WriteSettingInt(QString::fromLatin1(SettingsKey::MonitorLaunch), 0);
    qApp->installEventFilter(&user);
    // Offscreen has no tray: the window stays up on close, as without a tray at a desktop.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallDialogRunners();
}

// The job dialogs answered from the planned answers, without their modal loops.
void TestMonitorWindow::InstallDialogRunners()
{
    const auto apply = [this](auto &dialog, QList<SAnswer> &answers) {
        ++dialogsRun;
        scriptsSeen << dialog.Script;
        idsSeen << dialog.Id;
        const SAnswer answer = answers.isEmpty() ? SAnswer { 0 } : answers.takeFirst();
        if (answer.result == 1) {
            dialog.Name = answer.name;
            dialog.Description = answer.description;
            dialog.Source = answer.source;
            dialog.Mask = QStringLiteral("*.*");
            dialog.Interval = answer.interval;
            dialog.Reprocess = answer.reprocess;
            dialog.Subfolders = answer.subfolders;
            dialog.SilentMode = true;
        }
        return answer.result;
    };
    CMonitorWindow::SetFolderWatchRunner(
        [this, apply](CDialogFolderWatch &dialog) { return apply(dialog, folderAnswers); });
    CMonitorWindow::SetFTPWatchRunner([this, apply](CDialogFTPWatch &dialog) {
        if (!ftpAnswers.isEmpty() && ftpAnswers.first().result == 1)
            dialog.Host = QStringLiteral("ftp.example.org");
        return apply(dialog, ftpAnswers);
    });
}

void TestMonitorWindow::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
    QFile::remove(DefaultJobStorePath());
    QDir(GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor")).removeRecursively();
    user.Clear();
    user.filePaths.clear();
    folderAnswers.clear();
    ftpAnswers.clear();
    scriptsSeen.clear();
    idsSeen.clear();
    dialogsRun = 0;
    TraceCollector::Clear();
}

void TestMonitorWindow::cleanup()
{
    window.reset();
    CMonitorThread::SetMainProgram(QString());
    SetHelpTopicHandler({});
    QVERIFY2(user.Done(), "a planned answer was not used");
}

void TestMonitorWindow::Open()
{
    window = std::make_unique<CMonitorWindow>();
    window->ShowAtStart(); // no tray offscreen: the window shows itself
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestMonitorWindow::Select(const QList<int> &rows)
{
    CListThumb *list = List();
    bool first = true;
    for (int row : rows) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton,
            first ? Qt::NoModifier : Qt::ControlModifier, rect.center() + QPoint(20, 0));
        first = false;
    }
    QCOMPARE(list->selectedItems().size(), rows.size());
}

void TestMonitorWindow::ChooseFromMenuBar(const char *menuName, const QString &entry)
{
    auto *menu = window->findChild<QMenu *>(QLatin1String(menuName));
    QMenuBar *bar = window->menuBar();
    user.menuChoice = entry;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(user.menuChoice.isEmpty() && !menu->isVisible());
}

void TestMonitorWindow::PlanFolderAnswer(const SAnswer &answer)
{
    folderAnswers.append(answer);
}

void TestMonitorWindow::startWithoutStoreWritesAnEmptyOne()
{
    Open();
    QCOMPARE(List()->count(), 0);
    QVERIFY(QFile::exists(DefaultJobStorePath()));
    QVERIFY(Stored().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Monitor"));
    QVERIFY(window->findChild<QStatusBar *>()->isHidden());
    // Always dark, with its own tool tip base, shadow and style sheet.
    const QPalette palette = qApp->palette();
    QCOMPARE(palette.color(QPalette::Window), QColor(60, 60, 60));
    QCOMPARE(palette.color(QPalette::ToolTipBase), QColor(Qt::white));
    QCOMPARE(palette.color(QPalette::Shadow), QColor(Qt::red));
    QCOMPARE(palette.color(QPalette::Highlight), QColor(38, 163, 226));
    QCOMPARE(qApp->styleSheet(),
        QStringLiteral("QToolTip { color: #FFFFFF; background-color: #26A3E2; border: 1px solid "
                       "white; }QLineEdit:!enabled { background-color: #3C3C3C; }QPushButton:!"
                       "enabled { background-color: #505050; color: #999999; }QMenu { "
                       "background-color: #313131; }QMenu::item:!enabled { color: #999999; }"
                       "QMenu::item:selected { color: #FFFFFF; background-color: #26A3E2; }"
                       "QMenu::item:selected:!enabled { color: #000000; }QMenu::separator { }"));
}

void TestMonitorWindow::unreadableStoreIsNeverOverwritten()
{
    QVERIFY(QDir().mkpath(QFileInfo(DefaultJobStorePath()).path()));
    QVERIFY(WriteFile(DefaultJobStorePath(), "<Monitor><Jobs>cut short"));
    Open();
    QCOMPARE(List()->count(), 0);
    window.reset(); // Exit's way out saves nothing over it either
    QFile file(DefaultJobStorePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<Monitor><Jobs>cut short"));
}

void TestMonitorWindow::addJob_data()
{
    QTest::addColumn<bool>("ftp");
    QTest::addColumn<int>("result");
    QTest::newRow("folder job accepted") << false << 1;
    QTest::newRow("folder job cancelled") << false << 0;
    QTest::newRow("FTP job accepted") << true << 1;
    QTest::newRow("FTP job cancelled") << true << 0;
}

void TestMonitorWindow::addJob()
{
    QFETCH(bool, ftp);
    QFETCH(int, result);
    QVERIFY(SaveJobStore({ MakeJob(10, QStringLiteral("Old")) }, true));
    Open();
    SAnswer answer;
    answer.result = result;
    (ftp ? ftpAnswers : folderAnswers).append(answer);
    // The Add button's pop-up menu.
    user.menuChoice = ftp ? QStringLiteral("FTP Watch") : QStringLiteral("Folder Watch");
    QTest::mouseClick(
        window->findChild<QPushButton *>(QStringLiteral("buttonAdd")), Qt::LeftButton);
    QTRY_COMPARE(dialogsRun, 1);

    // The dialog was opened with a new profile of its own and no other job data.
    QCOMPARE(scriptsSeen.size(), 1);
    const QString profile = scriptsSeen.first();
    QVERIFY(!profile.isEmpty());
    QCOMPARE(idsSeen.first(), qint64(0));
    const QList<CJob> jobs = Stored();
    if (result == 0) {
        QCOMPARE(Names(jobs), QStringList({ QStringLiteral("Old") }));
        QVERIFY(!QFile::exists(profile));
        QCOMPARE(List()->count(), 1);
        return;
    }
    QCOMPARE(Names(jobs), QStringList({ QStringLiteral("Old"), answer.name }));
    const CJob &added = jobs.last();
    QVERIFY(added.Id > 10);
    QCOMPARE(profile, JobProfilePath(added.Id));
    QVERIFY(QFile::exists(profile));
    QCOMPARE(added.Script, profile);
    QCOMPARE(added.Type, qint16(ftp ? 1 : 0));
    QCOMPARE(added.Host, ftp ? QStringLiteral("ftp.example.org") : QString());
    QCOMPARE(added.Description, answer.description);
    QVERIFY(added.Active);
    QVERIFY(added.Log.isEmpty());
    QCOMPARE(List()->count(), 2);
    QListWidgetItem *item = List()->item(1);
    QCOMPARE(item->text(), answer.name);
    QCOMPARE(item->toolTip(), answer.description);
    QCOMPARE(item->checkState(), Qt::Checked);
    QVERIFY(!item->icon().isNull());
    // Folder and FTP jobs show different icons.
    QVERIFY(
        item->icon().pixmap(32).toImage() != List()->item(0)->icon().pixmap(32).toImage() || !ftp);
}

void TestMonitorWindow::editJob_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("reprocess");
    QTest::addColumn<bool>("ftp");
    QTest::newRow("accepted") << 1 << false << false;
    QTest::newRow("accepted, reprocess") << 1 << true << false;
    QTest::newRow("cancelled") << 0 << true << false;
    QTest::newRow("FTP job accepted") << 1 << false << true;
}

void TestMonitorWindow::editJob()
{
    QFETCH(int, result);
    QFETCH(bool, reprocess);
    QFETCH(bool, ftp);
    CJob first = MakeJob(10, QStringLiteral("First"));
    first.Active = false;
    QVERIFY(SaveJobStore({ first, MakeJob(11, QStringLiteral("Second"), ftp ? 1 : 0) }, true));
    Open();
    SAnswer answer;
    answer.result = result;
    answer.reprocess = reprocess;
    answer.name = QStringLiteral("Renamed");
    answer.description = QStringLiteral("New words");
    (ftp ? ftpAnswers : folderAnswers).append(answer);
    // A double click opens the job, as Edit does.
    CListThumb *list = List();
    const QPoint at = list->visualItemRect(list->item(1)).center() + QPoint(20, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(dialogsRun, 1);
    QCOMPARE(idsSeen.first(), qint64(11));
    QCOMPARE(scriptsSeen.first(), JobProfilePath(11));

    const QList<CJob> jobs = Stored();
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(jobs[0].Name, QStringLiteral("First"));
    QVERIFY(!jobs[0].Active);
    const CJob &edited = jobs[1];
    QCOMPARE(edited.Id, qint64(11));
    QCOMPARE(edited.Name, result == 1 ? answer.name : QStringLiteral("Second"));
    QCOMPARE(edited.Log.size(), result == 1 && reprocess ? 0 : 2);
    QCOMPARE(edited.PicCount, quint16(5));
    QCOMPARE(edited.Type, qint16(ftp ? 1 : 0));
    QCOMPARE(list->item(1)->text(), edited.Name);
    QCOMPARE(list->item(1)->toolTip(), edited.Description);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
}

void TestMonitorWindow::duplicateTakesANewIdAndAnEmptyLog()
{
    CJob original = MakeJob(10, QStringLiteral("Original"));
    original.Active = false;
    QVERIFY(SaveJobStore({ original }, true));
    Open();
    SAnswer answer;
    answer.name = QStringLiteral("Copy");
    PlanFolderAnswer(answer);
    Select({ 0 });
    ChooseFromMenuBar("menuEdit", QStringLiteral("Duplicate"));
    QCOMPARE(dialogsRun, 1);
    QCOMPARE(idsSeen.first(), qint64(10)); // the dialog shows the copied job

    const QList<CJob> jobs = Stored();
    QCOMPARE(Names(jobs), QStringList({ QStringLiteral("Original"), QStringLiteral("Copy") }));
    QCOMPARE(jobs[0].Log.size(), 2);
    QVERIFY(jobs[1].Id > 10);
    QVERIFY(jobs[1].Log.isEmpty());
    QVERIFY(!jobs[1].Active);
    QCOMPARE(jobs[1].PicCount, quint16(5));
    QCOMPARE(jobs[1].Script, JobProfilePath(10)); // no new profile
    QVERIFY(!QFile::exists(JobProfilePath(jobs[1].Id)));
    QCOMPARE(List()->count(), 2);
}

void TestMonitorWindow::removeAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringList({ QStringLiteral("B") });
    QTest::newRow("no") << int(QMessageBox::No)
                        << QStringList(
                               { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
}

void TestMonitorWindow::removeAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    QVERIFY(
        WriteFile(JobProfilePath(1), "x") || QDir().mkpath(QFileInfo(JobProfilePath(1)).path()));
    QVERIFY(WriteFile(JobProfilePath(1), "profile"));
    QVERIFY(SaveJobStore({ MakeJob(1, QStringLiteral("A")), MakeJob(2, QStringLiteral("B")),
                             MakeJob(3, QStringLiteral("C")) },
        true));
    Open();
    Select({ 0, 2 });
    user.boxAnswers = { QMessageBox::StandardButton(answer) };
    QTest::keyClick(List(), Qt::Key_Delete); // the list passes it on to the window
    QCOMPARE(
        user.boxesSeen, QStringList({ QStringLiteral("Remove selected job(s) from the list?") }));
    const QList<CJob> jobs = Stored();
    QCOMPARE(Names(jobs), left);
    QCOMPARE(jobs[left.size() == 1 ? 0 : 1].Log.size(), 2);
    QCOMPARE(List()->count(), left.size());
    QVERIFY(QFile::exists(JobProfilePath(1))); // profiles stay on disk
}

void TestMonitorWindow::checkBoxSwitchesTheJobAndSaves()
{
    QVERIFY(
        SaveJobStore({ MakeJob(1, QStringLiteral("A")), MakeJob(2, QStringLiteral("B")) }, true));
    Open();
    QVERIFY(ReadableStates()); // a switched-off job can be told from one that is on
    CListThumb *list = List();
    Select({ 1 });
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);
    QList<CJob> jobs = Stored();
    QVERIFY(jobs[0].Active);
    QVERIFY(!jobs[1].Active);
    QCOMPARE(TraceCollector::Count(QStringLiteral("MainWindow::onItemChanged. Unchecked")), 1);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(Stored()[1].Active);
    QCOMPARE(TraceCollector::Count(QStringLiteral("MainWindow::onItemChanged. Checked")), 1);
}

void TestMonitorWindow::rebuildingTheListIsNoUserTick()
{
    QList<CJob> three;
    for (int id = 1; id <= 3; ++id)
        three.append(MakeJob(id, QStringLiteral("Job %1").arg(id)));
    QVERIFY(SaveJobStore(three, true));
    Open();
    QCOMPARE(List()->count(), 3);
    // A second fill (the import below) rebuilds every item again.
    const QString exported = QDir::tempPath() + QStringLiteral("/three.xml");
    QVERIFY(SaveJobStore(three, false, exported));
    user.filePaths = { exported };
    ChooseFromMenuBar("menuFile", QStringLiteral("Load Settings"));
    QCOMPARE(List()->count(), 3);
    QCOMPARE(TraceCollector::Count(QStringLiteral("MainWindow::onItemChanged")), 0);
    QCOMPARE(TraceCollector::Count(QStringLiteral("MainWindow::LoadJobs")), 0);
}

void TestMonitorWindow::exportWritesNoLogs()
{
    QVERIFY(SaveJobStore(
        { MakeJob(1, QStringLiteral("A")), MakeJob(2, QStringLiteral("B"), 1) }, true));
    Open();
    const QString path = QDir::tempPath() + QStringLiteral("/exported.xml");
    user.filePaths = { path };
    ChooseFromMenuBar("menuFile", QStringLiteral("Save Settings As"));
    const QList<CJob> exported = Stored(path);
    QCOMPARE(Names(exported), QStringList({ QStringLiteral("A"), QStringLiteral("B") }));
    QVERIFY(exported[0].Log.isEmpty() && exported[1].Log.isEmpty());
    QCOMPARE(exported[1].Host, QStringLiteral("127.0.0.1"));
    QCOMPARE(Stored()[0].Log.size(), 2); // the store keeps its logs
    QCOMPARE(ReadSettingString(QStringLiteral("Monitor/SettingsFolderPath"), QString()), path);
}

void TestMonitorWindow::import_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    const QStringList before = { QStringLiteral("Mine") };
    QTest::newRow("job list") << QByteArray("good")
                              << QStringList({ QStringLiteral("X"), QStringLiteral("Y") })
                              << QString();
    QTest::newRow("not a job list")
        << QByteArray("garbage") << before
        << QStringLiteral(
               "The file could not be read as a job list. The job list stays as it was.");
    QTest::newRow("101 jobs") << QByteArray("many") << before
                              << QStringLiteral("The file holds more than 100 jobs, more than "
                                                "Monitor watches. The job list stays as it was.");
    QTest::newRow("cancelled") << QByteArray() << before << QString();
}

void TestMonitorWindow::import()
{
    QFETCH(QByteArray, kind);
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    QVERIFY(SaveJobStore({ MakeJob(1, QStringLiteral("Mine")) }, true));
    const QString path = QDir::tempPath() + QStringLiteral("/import.xml");
    QFile::remove(path);
    if (kind == "good") {
        QVERIFY(SaveJobStore(
            { MakeJob(5, QStringLiteral("X")), MakeJob(6, QStringLiteral("Y")) }, false, path));
    } else if (kind == "garbage") {
        QVERIFY(WriteFile(path, "<html><body>not jobs</body></html>"));
    } else if (kind == "many") {
        QList<CJob> many;
        for (int id = 100; id < 201; ++id)
            many.append(MakeJob(id, QStringLiteral("J%1").arg(id)));
        QVERIFY(SaveJobStore(many, false, path));
    }
    Open();
    if (!kind.isEmpty())
        user.filePaths = { path };
    ChooseFromMenuBar("menuFile", QStringLiteral("Load Settings"));
    QCOMPARE(user.boxesSeen, message.isEmpty() ? QStringList() : QStringList({ message }));
    QCOMPARE(Names(Stored()), names);
    QCOMPARE(List()->count(), names.size());
    QCOMPARE(List()->item(0)->text(), names.first());
    if (kind == "good")
        QCOMPARE(ReadSettingString(QStringLiteral("Monitor/SettingsFolderPath"), QString()), path);
}

void TestMonitorWindow::hundredAndFirstJobIsRefused()
{
    QList<CJob> hundred;
    for (int id = 1; id <= CMonitorWindow::MaximumJobs; ++id)
        hundred.append(MakeJob(id, QStringLiteral("J%1").arg(id)));
    QVERIFY(SaveJobStore(hundred, true));
    Open();
    QCOMPARE(List()->count(), 100);
    const QString refusal
        = QStringLiteral("Monitor watches at most 100 jobs. Remove a job before adding another.");
    PlanFolderAnswer(SAnswer());
    ChooseFromMenuBar("menuEdit", QStringLiteral("Add Folder Watch"));
    Select({ 0 });
    ChooseFromMenuBar("menuEdit", QStringLiteral("Duplicate"));
    QCOMPARE(user.boxesSeen, QStringList({ refusal, refusal }));
    QCOMPARE(dialogsRun, 0);
    folderAnswers.clear();
    QCOMPARE(Stored().size(), 100);
    QVERIFY(!QFile::exists(JobProfilePath(101)));
    // One removed makes room again.
    user.boxAnswers = { QMessageBox::Yes };
    QTest::keyClick(List(), Qt::Key_Delete);
    PlanFolderAnswer(SAnswer());
    ChooseFromMenuBar("menuEdit", QStringLiteral("Add Folder Watch"));
    QCOMPARE(dialogsRun, 1);
    QCOMPARE(Stored().size(), 100);
}

void TestMonitorWindow::trayMenuAndStartAtLogin()
{
    Open();
    QStringList texts;
    for (QAction *action : window->TrayMenu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts,
        QStringList({ QStringLiteral("Show Monitor"), QStringLiteral("Open Quendrasil"),
            QStringLiteral("Launch at Startup"), QStringLiteral("-"),
            QStringLiteral("Load Settings"), QStringLiteral("Save Settings As"),
            QStringLiteral("-"), QStringLiteral("Help Manual"), QStringLiteral("Exit") }));
    QCOMPARE(window->TrayIcon()->contextMenu(), window->TrayMenu());

    const QString entry = Platform::LoginStartEntryPath(CMonitorWindow::LoginStartEntry);
    QCOMPARE(entry,
        qEnvironmentVariable("XDG_CONFIG_HOME")
            + QStringLiteral("/autostart/quendrasil-monitor.desktop"));
    QAction *trayStartup = window->TrayMenu()->actions().at(2);
    auto *menuStartup = window->findChild<QAction *>(QStringLiteral("actionL_aunch_at_Startup"));
    QVERIFY(!trayStartup->isChecked() && !menuStartup->isChecked());

    // Ticked in the tray: the entry starts this Monitor, and the menu follows.
    user.menuChoice = QStringLiteral("Launch at Startup");
    window->TrayMenu()->popup(QPoint(10, 10));
    QTRY_VERIFY(user.menuChoice.isEmpty() && !window->TrayMenu()->isVisible());
    QVERIFY(trayStartup->isChecked() && menuStartup->isChecked());
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    QVERIFY2(text.contains(
                 QStringLiteral("Exec=\"") + Platform::MonitorProgramPath() + QLatin1Char('"')),
        qPrintable(text));
    QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));

    // A new window reads the state back.
    window.reset();
    Open();
    QVERIFY(window->findChild<QAction *>(QStringLiteral("actionL_aunch_at_Startup"))->isChecked());

    // Unticked from the File menu: the entry goes, and the tray follows.
    ChooseFromMenuBar("menuFile", QStringLiteral("Launch at Startup"));
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!window->TrayMenu()->actions().at(2)->isChecked());
}

void TestMonitorWindow::helpAndOpeningTheMainProgram()
{
    QStringList topics;
    SetHelpTopicHandler([&topics](const QString &topic) { topics << topic; });
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString program = dir.filePath(QStringLiteral("Quendrasil"));
    QVERIFY(
        WriteFile(program, QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toUtf8()));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    CMonitorThread::SetMainProgram(program);
    Open();

    QTest::keyClick(window.get(), Qt::Key_F1);
    ChooseFromMenuBar("menuHelp", QStringLiteral("Help Manual"));
    QCOMPARE(topics,
        QStringList({ QStringLiteral("monitor_monitor-main.html"),
            QStringLiteral("monitor_monitor-main.html") }));

    user.menuChoice = QStringLiteral("Open Quendrasil");
    window->TrayMenu()->popup(QPoint(10, 10));
    QTRY_VERIFY(QFile::exists(marker));
    // Started without arguments.
    const auto written = [&marker]() {
        QFile started(marker);
        return started.open(QIODevice::ReadOnly) ? started.readAll().trimmed() : QByteArray();
    };
    QTRY_COMPARE(written(), QByteArray("0"));
}

void TestMonitorWindow::overlayStaysInTheCornerWhileScrolling()
{
    Open();
    CListThumb *list = List();
    const auto corner = [&list]() {
        const QImage shot = list->viewport()->grab().toImage();
        const int side = 40;
        const int inset
            = list->verticalScrollBar()->isVisible() ? list->verticalScrollBar()->width() : 0;
        return shot.copy(shot.width() - side - inset - 6, shot.height() - side - 6, side, side);
    };
    const QImage empty = corner();
    const QImage topLeft = list->viewport()->grab().toImage().copy(0, 0, 40, 40);
    QVERIFY(empty != topLeft); // drawn on an empty list

    QList<CJob> many;
    for (int id = 1; id <= 60; ++id)
        many.append(MakeJob(id, QStringLiteral("J%1").arg(id)));
    window.reset();
    QVERIFY(SaveJobStore(many, true));
    Open();
    list = List();
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
    const QImage top = corner();
    QScrollBar *bar = list->verticalScrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    QTRY_VERIFY(bar->value() > 0);
    QCOMPARE(corner(), top);
}

void TestMonitorWindow::droppedPhotosAreProcessedByTheMainProgram()
{
    QVERIFY(QFile::exists(CMonitorThread::MainProgram()));
    qputenv("QT_QPA_PLATFORM", "offscreen"); // inherited by the main program
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("watched"));
    QVERIFY(QDir().mkpath(in));
    // Dropped before the job's watch begins: a scan between the two photos would make two
    // runs of one, where one run is awaited and checked below.
    QVERIFY(WritePhoto(in + QStringLiteral("/first.jpg"), Qt::red));
    QVERIFY(WritePhoto(in + QStringLiteral("/second.png"), Qt::blue));
    Open();
    // The real dialog this time, typed into as a user does.
    CMonitorWindow::SetFolderWatchRunner({});
    const auto restore = qScopeGuard([this] { InstallDialogRunners(); });
    const QString name = QStringLiteral("Drop box");
    QString offeredProfile;
    user.dialogSteps << [&](QDialog *dialog) {
        const auto type = [dialog](const char *field, const QString &text) {
            auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(field));
            if (!edit) // an editable combo box
                edit = dialog->findChild<QComboBox *>(QString::fromLatin1(field))->lineEdit();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
        };
        offeredProfile = dialog->findChild<QLineEdit *>(QStringLiteral("editPathProfile"))->text();
        type("editName", name);
        type("editPathFolder", in);
        type("comboScanInterval", QStringLiteral("1"));
        auto *subfolders = dialog->findChild<QCheckBox *>(QStringLiteral("checkSubfolders"));
        if (subfolders->isChecked())
            QTest::mouseClick(subfolders, Qt::LeftButton, {}, QPoint(6, subfolders->height() / 2));
        QTest::mouseClick(
            dialog->findChild<QPushButton *>(QStringLiteral("buttonOK")), Qt::LeftButton);
    };
    ChooseFromMenuBar("menuEdit", QStringLiteral("Add Folder Watch"));
    QVERIFY(user.dialogSteps.isEmpty());
    const CJob added = Stored().value(0);
    QCOMPARE(added.Name, name);
    QCOMPARE(added.Interval, quint16(1));
    QCOMPARE(added.Script, offeredProfile); // the profile made for the new job
    QVERIFY(QFile::exists(added.Script));

    // The run ends with the store saved: the count and the log are there.
    QTRY_VERIFY_WITH_TIMEOUT(Stored().value(0).PicCount == 2, 120000);
    const CJob recorded = Stored().value(0);
    QCOMPARE(recorded.Log.size(), 2);
    QCOMPARE(TraceCollector::Count(QStringLiteral("MainWindow::EndProcessing")), 1);
    QCOMPARE(List()->item(0)->text(), name);

    // A new job's profile writes into the Pictures folder.
    QStringList outputs;
    QDirIterator it(GetPicturesFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        outputs << QFileInfo(it.next()).fileName();
    outputs.sort();
    QCOMPARE(outputs, QStringList({ QStringLiteral("first.jpg"), QStringLiteral("second.png") }));
    QFile jobLog(GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/%1.log").arg(added.Id));
    QVERIFY(jobLog.open(QIODevice::ReadOnly));
    QVERIFY(jobLog.readAll().contains("first.jpg"));
}

QUENDRASIL_TEST_MAIN(TestMonitorWindow, QApplication)
#include "tst_monitorwindow.moc"
