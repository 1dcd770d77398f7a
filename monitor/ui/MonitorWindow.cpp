#include "MonitorWindow.h"

#include "ui_MonitorWindow.h"

#include "DialogFTPWatch.h"
#include "DialogFolderWatch.h"
#include "FormatsEnum.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "JobStore.h"
#include "Languages.h"
#include "MonitorThread.h"
#include "QtTranslations.h"
#include "ReadableStyle.h"
#include "Settings.h"
#include "ThemeNotifier.h"
#include "ThemePalette.h"
#include "Trace.h"
#include "platform/LoginStart.h"
#include "platform/Processes.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSet>

namespace {

const QString SettingsFolderKey = QStringLiteral("Monitor/SettingsFolderPath");
const QString HelpTopic = QString::fromLatin1(HelpPage::MonitorMain);

CMonitorWindow::FolderWatchRunner &FolderRunner()
{
    static CMonitorWindow::FolderWatchRunner runner;
    return runner;
}

CMonitorWindow::FTPWatchRunner &FTPRunner()
{
    static CMonitorWindow::FTPWatchRunner runner;
    return runner;
}

int RunDialog(CDialogFolderWatch &dialog)
{
    return FolderRunner() ? FolderRunner()(dialog) : dialog.exec();
}

int RunDialog(CDialogFTPWatch &dialog)
{
    return FTPRunner() ? FTPRunner()(dialog) : dialog.exec();
}

bool HighDpiScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && screen->devicePixelRatio() >= 2.0;
}

} // namespace

const QString CMonitorWindow::LoginStartEntry = QStringLiteral("quendrasil-monitor");

void CMonitorWindow::SetFolderWatchRunner(FolderWatchRunner runner)
{
    FolderRunner() = std::move(runner);
}

void CMonitorWindow::SetFTPWatchRunner(FTPWatchRunner runner)
{
    FTPRunner() = std::move(runner);
}

CMonitorWindow::CMonitorWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(new Ui::MonitorWindow)
    , jobList(GetJobList())
    , formats(CFormatsEnum::instance())
    , imageCache(CImageCache::instance())
{
    form->setupUi(this);
    imageCache->SetDarkTheme(true);
    imageCache->SetHighDpi(HighDpiScreen());
    setWindowIcon(QIcon(QStringLiteral(":/AppIcon-64.png")));
    Initialize();
    CreateTray();

    const int side = 32;
    folderIcon = imageCache->GridIcon(QStringLiteral("Icons-Output-32.png"), false, 0, 0, side);
    ftpIcon = imageCache->GridIcon(QStringLiteral("Icons-Output-32.png"), false, 2, 0, side);

    connect(&threads, &CWatchThreads::BeginProcessing, this, &CMonitorWindow::BeginProcessing);
    connect(&threads, &CWatchThreads::EndProcessing, this, &CMonitorWindow::EndProcessing);

    // With no store yet an empty one is written; a store that cannot be read is left alone
    // for the user rather than overwritten with nothing.
    const ELoadResult loaded = LoadJobs(QString());
    FillJobList(loaded == ELoadResult::Loaded || loaded == ELoadResult::Missing);
}

CMonitorWindow::~CMonitorWindow()
{
    Shutdown();
    delete trayIcon;
    delete trayMenu;
    delete form;
    DeleteJobList();
    CFormatsEnum::DeleteInstance();
}

void CMonitorWindow::Initialize()
{
    ChangeTheme();
    LoadTranslation();
    formats->GenerateList();
    form->listJobs->AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    form->statusBar->hide();
}

void CMonitorWindow::CreateTray()
{
    actionShow = new QAction(tr("Show Monitor"), this);
    actionOpen = new QAction(tr("Open Quendrasil"), this);
    actionStartup = new QAction(tr("Launch at Startup"), this);
    actionStartup->setCheckable(true);
    actionLoad = new QAction(tr("Load Settings"), this);
    actionSave = new QAction(tr("Save Settings As"), this);
    actionHelp = new QAction(tr("Help Manual"), this);
    actionExit = new QAction(tr("Exit"), this);

    const bool atLogin = Platform::HasLoginStartEntry(LoginStartEntry);
    actionStartup->setChecked(atLogin);
    form->actionL_aunch_at_Startup->setChecked(atLogin);

    connect(actionShow, &QAction::triggered, this, &CMonitorWindow::ShowAndFocusWindow);
    connect(actionOpen, &QAction::triggered, this, &CMonitorWindow::OpenQuendrasil);
    connect(actionStartup, &QAction::triggered, this, &CMonitorWindow::LauchAtStartup);
    connect(
        actionLoad, &QAction::triggered, this, &CMonitorWindow::on_action_Load_Settings_triggered);
    connect(actionSave, &QAction::triggered, this,
        &CMonitorWindow::on_action_Save_Settings_As_triggered);
    connect(
        actionHelp, &QAction::triggered, this, &CMonitorWindow::on_action_Help_Manual_triggered);
    connect(actionExit, &QAction::triggered, this, &CMonitorWindow::Exit);
    connect(form->listJobs, &QListWidget::itemChanged, this, &CMonitorWindow::onItemChanged);

    trayMenu = new QMenu;
    trayMenu->addAction(actionShow);
    trayMenu->addAction(actionOpen);
    trayMenu->addAction(actionStartup);
    trayMenu->addSeparator();
    trayMenu->addAction(actionLoad);
    trayMenu->addAction(actionSave);
    trayMenu->addSeparator();
    trayMenu->addAction(actionHelp);
    trayMenu->addAction(actionExit);

    trayIcon = new QSystemTrayIcon;
    trayIcon->setContextMenu(trayMenu);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &CMonitorWindow::IconActivated);
    trayIcon->setIcon(QIcon(QStringLiteral(":/AppIcon-64.png")));
    trayIcon->setToolTip(QStringLiteral("Quendrasil Monitor"));
    trayIcon->setVisible(true);
}

void CMonitorWindow::ShowAtStart()
{
    // Without a tray nothing would lead the user to the window, so it shows itself.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        LogMessage(QStringLiteral("MainWindow::ShowAtStart"), QStringLiteral("In the tray"));
        hide();
    } else {
        LogMessage(QStringLiteral("MainWindow::ShowAtStart"), QStringLiteral("No tray: shown"));
        ShowAndFocusWindow();
    }
}

void CMonitorWindow::Shutdown()
{
    if (shutDown)
        return;
    shutDown = true;
    StopAllThreads();
    SaveJobs(true);
}

void CMonitorWindow::ChangeTheme()
{
    LogMessage(QStringLiteral("MainWindow::ChangeTheme"));
    QApplication::setStyle(CreateReadableStyle());
    SThemeColours colours;
    colours.window = QColor(60, 60, 60);
    colours.base = QColor(30, 30, 30);
    colours.text = Qt::white;
    colours.toolTipBase = Qt::white;
    colours.shadow = Qt::red;
    QApplication::setPalette(MakeThemePalette(colours));
    qApp->setStyleSheet(DarkStyleRules::ToolTip()
        + QStringLiteral("QLineEdit:!enabled { background-color: #3C3C3C; }")
        + DarkStyleRules::DisabledButton() + DarkStyleRules::Menus());
    CThemeNotifier::instance()->Notify(true);
}

void CMonitorWindow::LoadTranslation()
{
    const int id = ReadSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 1033);
    QString code = QStringLiteral("En");
    for (const SLanguage &language : InterfaceLanguages) {
        if (language.id == id)
            code = QString::fromLatin1(language.code);
    }
    QCoreApplication::removeTranslator(&qtTranslator);
    if (LoadQtTranslations(qtTranslator, code))
        QCoreApplication::installTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(QStringLiteral("Ln_") + code, Platform::TranslationsFolder())) {
        QCoreApplication::installTranslator(&translator);
        form->retranslateUi(this);
    }
}

void CMonitorWindow::FillJobList(bool save)
{
    // Building the items must not read as the user ticking boxes.
    QSignalBlocker blocker(form->listJobs);
    form->listJobs->clear();
    for (const CJob &job : jobList->Jobs()) {
        auto *item
            = new QListWidgetItem(job.Type == JobType::Folder ? folderIcon : ftpIcon, job.Name);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(job.Active ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(job.Description);
        form->listJobs->addItem(item);
    }
    blocker.unblock();
    form->listJobs->viewport()->update();
    if (save) {
        storeWritable = true;
        SaveJobs(true);
    }
}

CMonitorWindow::ELoadResult CMonitorWindow::LoadJobs(const QString &path)
{
    const QString file = path.isEmpty() ? DefaultJobStorePath() : path;
    QList<CJob> jobs;
    if (!ReadJobStore(path, jobs)) {
        const bool missing = !QFile::exists(file);
        LogMessage(QStringLiteral("MainWindow::LoadJobs"),
            (missing ? QStringLiteral("No job list at ") : QStringLiteral("Cannot read ")) + file);
        return missing ? ELoadResult::Missing : ELoadResult::Unreadable;
    }
    if (jobs.size() > MaximumJobs) {
        LogMessage(QStringLiteral("MainWindow::LoadJobs"),
            QStringLiteral("%1 jobs in %2, more than %3")
                .arg(jobs.size())
                .arg(file)
                .arg(MaximumJobs));
        return ELoadResult::TooManyJobs;
    }
    StopAllThreads();
    jobList->Clear();
    for (const CJob &job : std::as_const(jobs))
        jobList->Append(job);
    QSet<qint64> started;
    for (const CJob &job : jobList->Jobs()) {
        if (!started.contains(job.Id) && StartJobThread(job.Id))
            started.insert(job.Id);
    }
    return ELoadResult::Loaded;
}

bool CMonitorWindow::SaveJobs(bool withImages, const QString &path)
{
    if (path.isEmpty() && !storeWritable)
        return false;
    const bool saved = SaveJobStore(jobList->Jobs(), withImages, path);
    if (!saved)
        LogMessage(QStringLiteral("MainWindow::SaveJobs"),
            QStringLiteral("Cannot write ") + (path.isEmpty() ? DefaultJobStorePath() : path));
    return saved;
}

bool CMonitorWindow::SetJob(int row, qint64 id, const std::function<void(CJob &)> &edit)
{
    return jobList->Update(row, id, edit);
}

bool CMonitorWindow::StartJobThread(qint64 id)
{
    return threads.StartJobThread(id);
}

void CMonitorWindow::StopAllThreads()
{
    threads.StopAllThreads();
}

bool CMonitorWindow::RoomForAnotherJob()
{
    if (jobList->Count() < MaximumJobs)
        return true;
    QMessageBox::warning(this, QString(),
        tr("Monitor watches at most %1 jobs. Remove a job before adding another.").arg(MaximumJobs),
        QMessageBox::Ok);
    return false;
}

int CMonitorWindow::FirstSelectedRow() const
{
    for (int row = 0; row < form->listJobs->count(); ++row) {
        if (form->listJobs->item(row)->isSelected())
            return row;
    }
    return -1;
}

void CMonitorWindow::IconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        ShowAndFocusWindow();
}

void CMonitorWindow::ShowAndFocusWindow()
{
    show();
    activateWindow();
    raise();
}

void CMonitorWindow::OpenQuendrasil()
{
    LogMessage(QStringLiteral("MainWindow::OpenQuendrasil"));
    Platform::StartDetachedProgram(CMonitorThread::MainProgram());
}

void CMonitorWindow::LauchAtStartup()
{
    form->actionL_aunch_at_Startup->setChecked(actionStartup->isChecked());
    if (actionStartup->isChecked())
        AddStartupEntry();
    else
        RemoveStartupEntry();
}

void CMonitorWindow::on_actionL_aunch_at_Startup_triggered()
{
    actionStartup->setChecked(form->actionL_aunch_at_Startup->isChecked());
    if (actionStartup->isChecked())
        AddStartupEntry();
    else
        RemoveStartupEntry();
}

void CMonitorWindow::AddStartupEntry()
{
    if (!Platform::AddLoginStartEntry(
            LoginStartEntry, QStringLiteral("Quendrasil Monitor"), Platform::MonitorProgramPath()))
        LogMessage(QStringLiteral("MainWindow::AddStartupEntry"),
            QStringLiteral("Cannot write ") + Platform::LoginStartEntryPath(LoginStartEntry));
}

void CMonitorWindow::RemoveStartupEntry()
{
    if (!Platform::RemoveLoginStartEntry(LoginStartEntry))
        LogMessage(QStringLiteral("MainWindow::RemoveStartupEntry"),
            QStringLiteral("Cannot remove ") + Platform::LoginStartEntryPath(LoginStartEntry));
}

void CMonitorWindow::Exit()
{
    Shutdown();
    QCoreApplication::quit();
}

void CMonitorWindow::AddFolderWatch()
{
    AddJob(JobType::Folder);
}

void CMonitorWindow::AddFTPWatch()
{
    AddJob(JobType::Ftp);
}

void CMonitorWindow::AddJob(qint16 type)
{
    if (!RoomForAnotherJob())
        return;
    CJob job;
    job.Id = jobList->NewId();
    job.Type = type;
    // The profile is always new (it is never made over an existing file), so Cancel may
    // delete it again.
    const QString profile = CreateJobProfile(job.Id);
    int answer = 0;
    if (type == JobType::Folder) {
        CDialogFolderWatch dialog(this);
        dialog.Script = profile;
        answer = RunDialog(dialog);
        if (answer == 1)
            SaveFoldWatchSettings(job, dialog);
    } else {
        CDialogFTPWatch dialog(this);
        dialog.Script = profile;
        answer = RunDialog(dialog);
        if (answer == 1)
            SaveFTPWatchSettings(job, dialog);
    }
    if (answer == 1) {
        jobList->Append(job);
        StartJobThread(job.Id);
        FillJobList();
        return;
    }
    if (!profile.isEmpty())
        QFile::remove(profile);
    SaveJobs(true);
}

namespace {

// The fields both job dialogs share, one way and back.
template<class Dialog> void CopyCommonFields(const CJob &job, Dialog &dialog)
{
    dialog.Id = job.Id;
    dialog.Name = job.Name;
    dialog.Description = job.Description;
    dialog.Source = job.Source;
    dialog.Script = job.Script;
    dialog.Subfolders = job.Subfolders;
    dialog.Mask = job.Mask;
    dialog.Interval = job.Interval;
    dialog.CreateLog = job.CreateLog;
    dialog.Overwrite = job.Overwrite;
    dialog.SilentMode = job.SilentMode;
    dialog.Reprocess = false;
}

template<class Dialog> void SaveCommonFields(CJob &job, const Dialog &dialog)
{
    job.Name = dialog.Name;
    job.Description = dialog.Description;
    job.Source = dialog.Source;
    job.Script = dialog.Script;
    job.Subfolders = dialog.Subfolders;
    job.Mask = dialog.Mask;
    job.Interval = dialog.Interval;
    job.CreateLog = dialog.CreateLog;
    job.Overwrite = dialog.Overwrite;
    job.SilentMode = dialog.SilentMode;
    if (dialog.Reprocess)
        job.Log.clear();
}

} // namespace

void CMonitorWindow::InitializeFoldWatchDlg(const CJob &job, CDialogFolderWatch &dialog)
{
    CopyCommonFields(job, dialog);
}

void CMonitorWindow::InitializeFTPWatchDlg(const CJob &job, CDialogFTPWatch &dialog)
{
    CopyCommonFields(job, dialog);
    dialog.Host = job.Host;
    dialog.Port = job.Port;
    dialog.UseSFTP = job.UseSFTP;
    dialog.Username = job.Username;
    dialog.Password = job.Password;
}

void CMonitorWindow::SaveFoldWatchSettings(CJob &job, const CDialogFolderWatch &dialog)
{
    SaveCommonFields(job, dialog);
}

void CMonitorWindow::SaveFTPWatchSettings(CJob &job, const CDialogFTPWatch &dialog)
{
    SaveCommonFields(job, dialog);
    job.Host = dialog.Host;
    job.Port = dialog.Port;
    job.UseSFTP = dialog.UseSFTP;
    job.Username = dialog.Username;
    job.Password = dialog.Password;
}

void CMonitorWindow::EditJob(bool duplicate)
{
    const int row = FirstSelectedRow();
    const std::optional<CJob> before = row < 0 ? std::nullopt : jobList->At(row);
    if (!before || !JobType::IsKnown(before->Type))
        return;
    if (duplicate && !RoomForAnotherJob())
        return;
    int answer = 0;
    CDialogFolderWatch *folderDialog = nullptr;
    CDialogFTPWatch *ftpDialog = nullptr;
    if (before->Type == JobType::Folder) {
        folderDialog = new CDialogFolderWatch(nullptr);
        InitializeFoldWatchDlg(*before, *folderDialog);
        answer = RunDialog(*folderDialog);
    } else {
        ftpDialog = new CDialogFTPWatch(nullptr);
        InitializeFTPWatchDlg(*before, *ftpDialog);
        answer = RunDialog(*ftpDialog);
    }
    const auto saveDialog = [&](CJob &job) {
        if (folderDialog)
            SaveFoldWatchSettings(job, *folderDialog);
        else
            SaveFTPWatchSettings(job, *ftpDialog);
    };
    if (answer == 1 && duplicate) {
        CJob copy = *before;
        saveDialog(copy);
        copy.Id = jobList->NewId();
        copy.Log.clear();
        copy.CurrentImages.clear();
        jobList->Append(copy);
        StartJobThread(copy.Id);
    } else if (answer == 1) {
        // The watch thread may have written a scan back while the dialog was open: the
        // dialog's fields go onto the job as it is now, in one step under the list's lock.
        SetJob(row, before->Id, saveDialog);
    }
    delete folderDialog;
    delete ftpDialog;
    FillJobList();
}

void CMonitorWindow::BeginProcessing(QString jobName, bool silentMode)
{
    LogMessage(QStringLiteral("MainWindow::BeginProcessing"));
    if (!silentMode && trayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        trayIcon->showMessage(QStringLiteral("Quendrasil Monitor"),
            tr("Executing job: %1").arg(jobName), QSystemTrayIcon::Information, 10000);
}

void CMonitorWindow::EndProcessing()
{
    LogMessage(QStringLiteral("MainWindow::EndProcessing"));
    SaveJobs(true);
}

void CMonitorWindow::on_buttonAdd_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("&Folder Watch"), this, &CMonitorWindow::AddFolderWatch);
    menu.addAction(tr("F&TP Watch"), this, &CMonitorWindow::AddFTPWatch);
    menu.exec(form->buttonAdd->mapToGlobal(QPoint(0, form->buttonAdd->height())));
}

void CMonitorWindow::on_buttonEdit_clicked()
{
    EditJob(false);
}

void CMonitorWindow::on_listJobs_itemChanged(QListWidgetItem *item)
{
    const int row = form->listJobs->row(item);
    const std::optional<CJob> job = jobList->At(row);
    if (!job)
        return;
    const bool active = item->checkState() != Qt::Unchecked;
    SetJob(row, job->Id, [active](CJob &edited) { edited.Active = active; });
}

void CMonitorWindow::onItemChanged(QListWidgetItem *item)
{
    LogMessage(QStringLiteral("MainWindow::onItemChanged"),
        item->checkState() == Qt::Checked ? QStringLiteral("Checked")
                                          : QStringLiteral("Unchecked"));
    SaveJobs(true);
}

void CMonitorWindow::on_listJobs_itemDoubleClicked(QListWidgetItem *item)
{
    Q_UNUSED(item)
    on_buttonEdit_clicked();
}

void CMonitorWindow::on_buttonRemove_clicked()
{
    QList<CJob> selected;
    for (int row = 0; row < form->listJobs->count(); ++row) {
        if (!form->listJobs->item(row)->isSelected())
            continue;
        if (const std::optional<CJob> job = jobList->At(row))
            selected.append(*job);
    }
    if (selected.isEmpty())
        return;
    if (QMessageBox::question(this, QString(), tr("Remove selected job(s) from the list?"),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // Each thread ends by itself once its job is gone; the profiles stay on disk.
    for (const CJob &job : std::as_const(selected))
        jobList->Remove(job);
    FillJobList();
}

void CMonitorWindow::on_action_Duplicate_triggered()
{
    EditJob(true);
}

void CMonitorWindow::on_actionE_xit_triggered()
{
    Exit();
}

void CMonitorWindow::on_action_Add_Folder_Watch_triggered()
{
    AddFolderWatch();
}

void CMonitorWindow::on_actionAdd_FTP_Watch_triggered()
{
    AddFTPWatch();
}

void CMonitorWindow::on_actionEd_it_triggered()
{
    on_buttonEdit_clicked();
}

void CMonitorWindow::on_action_Remove_triggered()
{
    on_buttonRemove_clicked();
}

void CMonitorWindow::on_action_Load_Settings_triggered()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Settings"),
        ReadSettingString(SettingsFolderKey, QString()),
        tr("Project Files (*.xml);;All Files (*.*)"));
    if (path.isEmpty())
        return;
    const ELoadResult loaded = LoadJobs(path);
    if (loaded == ELoadResult::TooManyJobs) {
        QMessageBox::warning(this, QString(),
            tr("The file holds more than %1 jobs, more than Monitor watches. The job list "
               "stays as it was.")
                .arg(MaximumJobs),
            QMessageBox::Ok);
        return;
    }
    if (loaded != ELoadResult::Loaded) {
        QMessageBox::warning(this, QString(),
            tr("The file could not be read as a job list. The job list stays as it was."),
            QMessageBox::Ok);
        return;
    }
    FillJobList();
    WriteSettingString(SettingsFolderKey, path);
}

void CMonitorWindow::on_action_Save_Settings_As_triggered()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Settings As"),
        ReadSettingString(SettingsFolderKey, QString()),
        tr("Project Files (*.xml);;All Files (*.*)"));
    if (path.isEmpty())
        return;
    if (!SaveJobs(false, path)) {
        QMessageBox::warning(
            this, QString(), tr("The job list could not be saved to this file."), QMessageBox::Ok);
        return;
    }
    WriteSettingString(SettingsFolderKey, path);
}

void CMonitorWindow::on_listJobs_customContextMenuRequested(const QPoint &position)
{
    const bool selected = FirstSelectedRow() >= 0;
    QMenu menu(this);
    menu.addAction(tr("&Add Folder Watch"), this, &CMonitorWindow::AddFolderWatch);
    menu.addAction(tr("Add &FTP Watch"), this, &CMonitorWindow::AddFTPWatch);
    menu.addAction(tr("Ed&it"), this, &CMonitorWindow::on_buttonEdit_clicked)->setEnabled(selected);
    menu.addAction(tr("&Remove"), this, &CMonitorWindow::on_buttonRemove_clicked)
        ->setEnabled(selected);
    menu.addAction(tr("&Duplicate"), this, &CMonitorWindow::on_action_Duplicate_triggered)
        ->setEnabled(selected);
    menu.exec(form->listJobs->viewport()->mapToGlobal(position));
}

void CMonitorWindow::on_action_Help_Manual_triggered()
{
    ShowHelpTopic(HelpTopic);
}

void CMonitorWindow::on_buttonHide_clicked()
{
    if (trayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
}

void CMonitorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        ShowHelpTopic(HelpTopic);
    else if (event->key() == Qt::Key_Delete)
        on_buttonRemove_clicked();
}

void CMonitorWindow::closeEvent(QCloseEvent *event)
{
    if (trayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        event->ignore();
        return;
    }
    // Without a tray, closing the window is leaving Monitor.
    Shutdown();
    event->accept();
}
