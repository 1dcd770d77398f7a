#pragma once

#include "Scripts.h"

#include <QAction>
#include <QList>
#include <QMainWindow>
#include <QPalette>
#include <QRect>
#include <QShortcut>
#include <QString>
#include <QToolBar>
#include <QTranslator>

#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}

class CCheckNew;
class CFiltersEnum;
class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListFilters;
class CListImages;
class CMainPanel1;
class CMainPanel2;
class CMainPanel3;
class CStatesList;
class CUserProfile;
class QLabel;

// The main program's window: the three wizard steps, their menus and toolbar, the current
// document (project, profile or script) with its loading and saving, undo and redo, the
// theme and language, and the start of a batch run.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The kind of the current document.
    enum DocumentKind { NoDocument = 0, ProjectDocument = 1, ProfileDocument = 2, ScriptDocument = 3 };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Restores the window, builds everything, opens the file given at start and shows the
    // window unless an unattended script has already ended the program.
    void show();
    // The file given on the command line: "\" becomes "/", a relative path is made absolute
    // and the program folder becomes the current folder.
    void StartLoadingFileWindows(QString path);

    bool StartLoadingProject(QString path);
    bool StartLoadingProfile(QString path);
    void StartLoadingScript(QString path);
    bool LoadProject(const QString &path);
    bool LoadProfile(const QString &path);
    bool LoadScript(const QString &path);
    bool SaveProject(const QString &path);
    bool SaveProfile(const QString &path, const QString &name, const QString &description);
    bool SaveScript(const QString &path);
    static void CreateFolders(const QString &folder);

    // The one road into a batch run; `ask` confirms with the user first.
    void OnPanelConvert(bool ask);

    // For the window's owner and the tests.
    CMainPanel1 *Panel1() const { return m_panel1; }
    CMainPanel2 *Panel2() const { return m_panel2; }
    CMainPanel3 *Panel3() const { return m_panel3; }
    QToolBar *WizardToolBar() const { return m_toolBar; }
    const QList<QAction *> &StepActions() const { return m_stepActions; }
    int CurrentStep() const { return m_currentStep; }
    int DocumentKindValue() const { return m_documentKind; }
    const QString &DocumentPath() const { return m_documentPath; }
    const QString &ProfileName() const { return m_profileName; }
    int CommandValue() const { return m_commandValue; }
    bool AnyPanelChanged() const;

    // The palette and style sheet of a theme, as ChangeTheme applies them.
    static QPalette ThemePalette(bool dark);
    static QString ThemeStyleSheet(bool dark);
    // "Ln_" + the two-letter code of a language id; unknown ids give English.
    static QString LanguageCode(int languageId);

    // Called when an unattended script run ends the program: stops the step panels' threads
    // and ends the process with `code`. Tests replace it to keep the test process alive.
    using ExitHandler = std::function<void(int code)>;
    static void SetExitHandler(ExitHandler handler);

public slots:
    void on_tabWidget_currentChanged(int index);
    void OnButtonHelpClicked();
    void OnButtonPrevClicked();
    void OnButtonNextClicked();
    void OnButtonProcess2Clicked();
    void ChangePanel(QAction *action);
    void ChangePanel(int index);
    void on_actionSave_As_triggered();
    void on_actionSave_triggered();
    void on_actionSave_Profile_As_triggered();
    void on_actionSave_Profile_triggered();
    void on_actionSave_Script_As_triggered();
    void on_actionSave_Script_triggered();
    void OnCtrlS();
    void on_actionExit_triggered();
    void on_actionLoad_triggered();
    void on_actionNew_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionSettings_triggered();
    void on_actionShow_Log_triggered();
    void on_actionWizard_Steps_triggered();
    void on_actionSelect_Profile_triggered();
    void on_actionStep_1_Add_Photos_triggered();
    void on_actionStep_2_Edit_Photos_triggered();
    void on_actionStep_3_Setup_triggered();
    void on_actionProcess_triggered();
    void on_actionHelp_Manual_triggered();
    void on_actionVideo_Presentations_triggered();
    void on_actionHow_to_Add_Comments_and_Time_to_Photos_triggered();
    void on_actionHow_to_Resize_and_Rotate_Photos_triggered();
    void on_action_Check_for_New_Version_triggered();
    void on_actionOnline_Support_triggered();
    void on_actionVisit_Our_Web_Site_triggered();
    void on_actionAbout_Us_triggered();
    void StartLoadingFile();
    void ResetAppTitle();
    void SignalProjectChanges();
    void UnsignalProjectChanges();
    void LaunchMonitor();
    void OnThPreviewStatus();
    void UpdateImagesAndFiltersCount();
    void UndoEnable(bool enable);
    void RedoEnable(bool enable);
    // Applies the theme in force to the whole application; the settings dialog calls it too.
    void ChangeTheme();

signals:
    void SignalStartLoadingFile();
    void SignalThemeChanged(bool dark);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Init();
    void InitWindowSettings();
    void InitToolBar();
    void InitStatusBar();
    void RefreshPanels();
    void RebuildPanelsFromJob(bool afterLoad);
    // After a load, also a failed one: the panels show what the job holds now. A failed load
    // keeps the changed flags, so that the user is still asked before the job is lost.
    void RebuildAfterLoad();
    void ClearPanelsChanged();
    void SetAppTitleExt(const QString &name);
    void ShowCurrentPanelHelp();
    void LoadLocalizedResource();
    void RemoveStaleTemporaryFiles();
    void DispatchByExtension(const QString &path);
    // Ends the program after an unattended script run.
    void EndUnattended(int code);
    // The save dialog of one document kind; empty when cancelled. Adds the extension the
    // user left out.
    QString AskSavePath(const QString &caption, const QString &proposed, const QString &filter,
                        const QString &extension);
    // The checks before a run; false when the run must not start.
    bool CheckOutputFolder();
    // The questions before a run and the run itself (OnPanelConvert).
    void RunConvert(bool ask);
    // Loads a script; `freshScriptState` clears what an earlier script set (not when a profile
    // is loaded over a script that is about to run).
    bool LoadScriptDocument(const QString &path, bool freshScriptState);
    // A failed load: a box, or a log line when a script runs unattended without a display.
    void ReportLoadFailure(const QString &text, const QString &path);

    std::unique_ptr<Ui::MainWindow> form;
    CMainPanel1 *m_panel1 = nullptr;
    CMainPanel2 *m_panel2 = nullptr;
    CMainPanel3 *m_panel3 = nullptr;
    CListImages *m_photoList;
    CListFilters *m_filterChain;
    CUserProfile *m_profile;
    CFormatsEnum *m_formats;
    CFiltersEnum *m_filters;
    CStatesList *m_states;
    CHardwareProfile *m_hardware;
    CImageCache *m_imageCache;
    QShortcut *m_ctrlS = nullptr;
    QToolBar *m_toolBar = nullptr;
    QList<QAction *> m_stepActions;
    QList<QObject *> m_toolBarExtras; // spacers and the Help action, remade with the bar
    QLabel *m_previewStatus = nullptr;
    QLabel *m_secondStatus = nullptr;
    int m_currentStep = 0;
    QTranslator m_translator;
    QTranslator m_qtTranslator; // Qt's own dialogs and buttons
    bool m_panelSwitching = false;
    QString m_profileName;
    QString m_profileDescription;
    QString m_documentName;
    QString m_documentPath;
    bool m_initFinished = false;
    bool m_startFileGiven = false;
    bool m_batchRunning = false; // a run is being asked about or going on
    QString m_fileOpenedDuringRun; // a document handed over during a run, opened after it
    int m_documentKind = NoDocument;
    int m_commandValue = CScripts::RunAndEnd;
    std::unique_ptr<CCheckNew> m_checkNew;
    bool m_toolBarConnected = false;
    bool m_unattendedStart = false; // a start-up script is being loaded or run
};
