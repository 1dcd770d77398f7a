#pragma once

#include "Job.h"
#include "WatchThreads.h"

#include <QIcon>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTranslator>

#include <functional>

class CDialogFTPWatch;
class CDialogFolderWatch;
class CFormatsEnum;
class CImageCache;
class QAction;
class QListWidgetItem;
class QMenu;

namespace Ui {
class MonitorWindow;
}

// Monitor's one window and the owner of everything Monitor does: the tray icon and its menu,
// the job list and the commands that change it, the start at login and the watch threads.
// It starts hidden when the desktop has a tray; the jobs and their store live in the engine
// (GetJobList, JobStore.h), and every change of the list is saved to Monitor.xml at once.
class CMonitorWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The most jobs Monitor watches at once: one watch thread each.
    static constexpr int MaximumJobs = CWatchThreads::PoolSize;
    // The autostart entry's name (".desktop" is added).
    static const QString LoginStartEntry;

    // Runs a job dialog modally and returns its answer (1 accepted); tests answer here
    // instead. A null runner brings exec() back.
    using FolderWatchRunner = std::function<int(CDialogFolderWatch &dialog)>;
    using FTPWatchRunner = std::function<int(CDialogFTPWatch &dialog)>;
    static void SetFolderWatchRunner(FolderWatchRunner runner);
    static void SetFTPWatchRunner(FTPWatchRunner runner);

    explicit CMonitorWindow(QWidget *parent = nullptr);
    ~CMonitorWindow() override;

    // The start of Monitor: hidden beside a tray icon, shown where the desktop has no tray.
    void ShowAtStart();
    // Stops every watch thread and saves the store; what Exit and a termination signal do.
    void Shutdown();

    QSystemTrayIcon *TrayIcon() const { return trayIcon; }
    QMenu *TrayMenu() const { return trayMenu; }

public slots:
    void IconActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowAndFocusWindow();
    void OpenQuendrasil();
    void LauchAtStartup();
    void Exit();
    void AddFolderWatch();
    void AddFTPWatch();
    void InitializeFoldWatchDlg(const CJob &job, CDialogFolderWatch &dialog);
    void InitializeFTPWatchDlg(const CJob &job, CDialogFTPWatch &dialog);
    void SaveFoldWatchSettings(CJob &job, const CDialogFolderWatch &dialog);
    void SaveFTPWatchSettings(CJob &job, const CDialogFTPWatch &dialog);
    void BeginProcessing(QString jobName, bool silentMode);
    void EndProcessing();

private slots:
    void on_buttonAdd_clicked();
    void on_buttonEdit_clicked();
    void on_listJobs_itemChanged(QListWidgetItem *item);
    void on_listJobs_itemDoubleClicked(QListWidgetItem *item);
    void on_buttonRemove_clicked();
    void on_action_Duplicate_triggered();
    void on_actionE_xit_triggered();
    void on_action_Add_Folder_Watch_triggered();
    void on_actionAdd_FTP_Watch_triggered();
    void on_actionEd_it_triggered();
    void on_action_Remove_triggered();
    void on_action_Load_Settings_triggered();
    void on_action_Save_Settings_As_triggered();
    void on_listJobs_customContextMenuRequested(const QPoint &position);
    void on_actionL_aunch_at_Startup_triggered();
    void on_action_Help_Manual_triggered();
    void on_buttonHide_clicked();
    void onItemChanged(QListWidgetItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class ELoadResult { Loaded, Missing, Unreadable, TooManyJobs };

    void Initialize();
    void CreateTray();
    void ChangeTheme();
    void LoadTranslation();
    void FillJobList(bool save = true);
    // Reads the jobs first; only a good list replaces the current one and its threads.
    ELoadResult LoadJobs(const QString &path);
    bool SaveJobs(bool withImages, const QString &path = QString());
    // An edit of the job at `row` (found by its Id should the row have moved), made in one
    // step so that a watch thread's write-back neither undoes it nor is undone by it.
    bool SetJob(int row, qint64 id, const std::function<void(CJob &)> &edit);
    bool StartJobThread(qint64 id);
    void StopAllThreads();
    void AddStartupEntry();
    void RemoveStartupEntry();
    // False, after telling the user, when the list is full.
    bool RoomForAnotherJob();
    int FirstSelectedRow() const;
    void AddJob(qint16 type);
    void EditJob(bool duplicate);

    Ui::MonitorWindow *form;
    QSystemTrayIcon *trayIcon = nullptr;
    QMenu *trayMenu = nullptr;
    QAction *actionShow = nullptr;
    QAction *actionOpen = nullptr;
    QAction *actionStartup = nullptr;
    QAction *actionLoad = nullptr;
    QAction *actionSave = nullptr;
    QAction *actionHelp = nullptr;
    QAction *actionExit = nullptr;
    QIcon folderIcon;
    QIcon ftpIcon;
    CJobList *jobList;
    CFormatsEnum *formats;
    CImageCache *imageCache;
    CWatchThreads threads;
    QTranslator translator;
    QTranslator qtTranslator; // Qt's own dialogs and buttons
    bool shutDown = false;
    // False while the default store on disk could not be read and the user has not changed
    // the list yet: nothing is saved over it then.
    bool storeWritable = false;
};
