#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AppInfo.h"
#include "BatchLog.h"
#include "CheckNew.h"
#include "DialogAbout.h"
#include "DialogSaveProject.h"
#include "DialogSettings.h"
#include "FormatSettings.h"
#include "FiltersEnum.h"
#include "Folders.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "HelpTopics.h"
#include "ImageCache.h"
#include "ImageEngineSetup.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "Scripts.h"
#include "Settings.h"
#include "StatesList.h"
#include "Trace.h"
#include "UserProfile.h"
#include "WizardStart.h"
#include "platform/DesktopOpen.h"
#include "platform/MagickTemp.h"
#include "platform/Processes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int WindowWidth = 794;
constexpr int WindowHeight = 672;
constexpr int MinimumWindowHeight = 670;
constexpr int FileMenuExitSeparator = 11;

void Trace(const char *slot, const QString &detail = QString())
{
    LogMessage(QStringLiteral("MainWindow::") + QLatin1String(slot), detail);
}

MainWindow::ExitHandler &ExitHandlerSlot()
{
    static MainWindow::ExitHandler handler;
    return handler;
}

} // namespace

void MainWindow::SetExitHandler(ExitHandler handler)
{
    ExitHandlerSlot() = std::move(handler);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(std::make_unique<Ui::MainWindow>())
{
    Trace("MainWindow");
    // The order of these calls is the order in which the singletons come to life.
    m_photoList = CListImages::instance();
    m_profile = CUserProfile::instance();
    m_formats = CFormatsEnum::instance();
    m_filters = CFiltersEnum::instance();
    m_filterChain = CListFilters::instance();
    m_states = CStatesList::instance();
    m_hardware = CHardwareProfile::instance();
    m_imageCache = CImageCache::instance();
    // Made after the singletons, which it uses, so that they come to life in the order above.
    m_checkNew = std::make_unique<CCheckNew>();

    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    qApp->installEventFilter(this);

    CScripts::SetVersionWarningHandler([this](const QString &text) {
        if (m_unattendedStart)
            LogMessage(QStringLiteral("CScripts::LoadDocument"), text);
        else
            QMessageBox::warning(this, QString(), text);
    });
}

MainWindow::~MainWindow()
{
    Trace("~MainWindow");
    qApp->removeEventFilter(this);
    CScripts::SetVersionWarningHandler({});
    delete m_panel1;
    m_panel1 = nullptr;
    delete m_panel2;
    m_panel2 = nullptr;
    delete m_panel3;
    m_panel3 = nullptr;
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance(); // writes the program settings back
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CStatesList::DeleteInstance();
    CHardwareProfile::DeleteInstance();
    CImageCache::DeleteInstance();
}

void MainWindow::show()
{
    Trace("show");
    Trace("show", QString::asprintf("devicePixelRatio: %.02f", qApp->devicePixelRatio()));
    InitWindowSettings();
    Init();

    const QString path = m_documentPath;
    const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
    resize(size());
    const bool scriptStart = m_startFileGiven && extension == QLatin1String("qlr");
    if (m_startFileGiven) {
        Trace("StartLoadingFile");
        DispatchByExtension(path);
        // A script that did not end the program leaves an ordinary, attended window.
        m_unattendedStart = false;
    }
    // A script with command value 0 has ended the program inside the dispatch.
    if (!(scriptStart && m_commandValue == CScripts::RunAndEnd))
        QWidget::show();
    if (!scriptStart) {
        CWizardStart wizard(this);
        wizard.exec();
    }
    QTimer::singleShot(2000, m_panel1, &CMainPanel1::ShowAddPhotoTip);
    if (!m_startFileGiven && m_profile->ShowProfiles) {
        Trace("on_actionSelect_Profile_triggered");
        StartLoadingProfile(QString());
    }

    m_checkNew->setModal(true);
    m_checkNew->Automatic = 1;
    m_checkNew->CenterRect = QGuiApplication::primaryScreen()
        ? QGuiApplication::primaryScreen()->geometry()
        : QRect();
    m_checkNew->ScreenCount = int(QGuiApplication::screens().size());
    m_checkNew->show();

    RemoveStaleTemporaryFiles();
}

void MainWindow::RemoveStaleTemporaryFiles()
{
    Trace("show", QStringLiteral("Check & clean IM temporary files"));
    // Only files of our own processes that have ended: another run may be using its files.
    Platform::RemoveStaleMagickFiles(
        [](const QString &name) { Trace("show", name + QStringLiteral("deleted")); });
}

void MainWindow::InitWindowSettings()
{
    Trace("InitWindowSettings");
    setMinimumHeight(MinimumWindowHeight);
    const QByteArray geometry
        = ReadSettingBytes(QStringLiteral("Settings/MainWindow.WindowGeometry"), QByteArray());
    if (geometry.isEmpty()) {
        resize(WindowWidth, WindowHeight);
        const QRect screen = QGuiApplication::primaryScreen()
            ? QGuiApplication::primaryScreen()->geometry()
            : QRect(0, 0, WindowWidth, WindowHeight);
        move(int(screen.width() * 0.5 - WindowWidth * 0.5),
            int(screen.height() * 0.5 - WindowHeight * 0.5));
        return;
    }
    restoreGeometry(geometry);
    restoreState(ReadSettingBytes(QStringLiteral("Settings/MainWindow.WindowState"), QByteArray()), 0);
}

void MainWindow::Init()
{
    Trace("Init");
    m_states->quiet = true;
    m_profile->LoadSettings();
    m_imageCache->SetHighDpi(m_hardware->IsHighDpi());
    m_imageCache->SetDarkTheme(m_profile->IsDarkTheme());
    LoadLocalizedResource();
    if (m_profile->MonitorLaunch)
        LaunchMonitor();
    m_filters->GenerateList();

    m_panel1 = new CMainPanel1(this);
    m_panel2 = new CMainPanel2(this);
    m_panel2->Panel1PhotoList = m_panel1->PhotoList();
    m_panel2->Init();
    m_panel3 = new CMainPanel3(this);
    CMainPanel3::SetFormatSettingsRunner(
        [](QWidget *parent, int formatKind, const QString &title) {
            CFormatSettings dialog(parent);
            dialog.kind = EFormatSettingsKind(formatKind);
            dialog.setWindowTitle(title);
            return dialog.exec() == QDialog::Accepted;
        });
    m_panel1->hide();
    m_panel2->hide();
    m_panel3->hide();
    m_panelSwitching = false;
    m_panel1->SetPanelSwitchFlag(&m_panelSwitching);
    m_panel2->SetPanelSwitchFlag(&m_panelSwitching);

    connect(this, &MainWindow::SignalStartLoadingFile, this, &MainWindow::StartLoadingFile,
        Qt::QueuedConnection);
    connect(m_panel3, &CMainPanel3::SignalChanges, this, &MainWindow::SignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel3, &CMainPanel3::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel2, &CMainPanel2::SignalChanges, this, &MainWindow::SignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel2, &CMainPanel2::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel2, &CMainPanel2::SignalListFiltersChanged, this,
        &MainWindow::UpdateImagesAndFiltersCount, Qt::QueuedConnection);
    connect(m_panel1, &CMainPanel1::SignalReloadThumbsInPanel2, m_panel2,
        &CMainPanel2::SlotReloadThumbsInPanel2, Qt::QueuedConnection);
    connect(m_panel1, &CMainPanel1::SignalChanges, this, &MainWindow::SignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel1, &CMainPanel1::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
        Qt::QueuedConnection);
    connect(m_panel1, &CMainPanel1::SignalListImagesChanged, this,
        &MainWindow::UpdateImagesAndFiltersCount, Qt::QueuedConnection);
    connect(m_states, &CStatesList::EnableUndo, this, &MainWindow::UndoEnable, Qt::QueuedConnection);
    connect(m_states, &CStatesList::EnableRedo, this, &MainWindow::RedoEnable, Qt::QueuedConnection);
    connect(m_profile, &CUserProfile::UpdateStatusBar, this, &MainWindow::OnThPreviewStatus,
        Qt::QueuedConnection);

    m_ctrlS = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, nullptr, nullptr,
        Qt::WindowShortcut);
    connect(m_ctrlS, &QShortcut::activated, this, &MainWindow::OnCtrlS);

    form->tabWidget->insertWidget(0, m_panel1);
    form->tabWidget->insertWidget(1, m_panel2);
    form->tabWidget->insertWidget(2, m_panel3);
    form->tabWidget->insertWidget(3, new QWidget(this));

    m_toolBar = addToolBar(tr("Wizard Steps"));
    m_toolBar->setObjectName(QStringLiteral("Wizard Steps"));
    m_toolBar->setMovable(false);

    ChangeTheme();

    QMenu *view = form->menuView;
    QAction *firstView = view->actions().value(0);
    auto *wizardSteps = new QAction(tr("&Wizard Steps"), this);
    view->insertAction(firstView, wizardSteps);
    wizardSteps->setCheckable(true);
    wizardSteps->setChecked(true);
    connect(wizardSteps, &QAction::triggered, this, &MainWindow::on_actionWizard_Steps_triggered);
    view->insertSeparator(firstView);

    QMenu *file = form->menuFile;
    QAction *exitSeparator = file->actions().value(FileMenuExitSeparator);
    auto *launchMonitor = new QAction(tr("Launch Monitor"), this);
    file->insertAction(exitSeparator, launchMonitor);
    connect(launchMonitor, &QAction::triggered, this, &MainWindow::LaunchMonitor);
    file->insertSeparator(launchMonitor);

    ChangePanel(0);
    InitStatusBar();
    m_documentName.clear();
    ResetAppTitle();

    m_states->quiet = false;
    m_states->PushState();

    const int launches = ReadSettingInt(QStringLiteral("Settings/LaunchCounter"), 0) + 1;
    WriteSettingInt(QStringLiteral("Settings/LaunchCounter"), launches);
    m_profile->LaunchCounter = launches;
    m_initFinished = true;
}

void MainWindow::InitToolBar()
{
    Trace("InitToolBar");
    m_toolBar->clear();
    // Cleared from the bar, the old actions and spacers would linger as hidden children.
    qDeleteAll(m_stepActions);
    m_stepActions.clear();
    qDeleteAll(m_toolBarExtras);
    m_toolBarExtras.clear();

    auto *leftGap = new QWidget(m_toolBar);
    auto *gapLayout = new QHBoxLayout(leftGap);
    gapLayout->setSpacing(0);
    leftGap->setMinimumSize(32, 0);
    leftGap->setMaximumSize(32, 0);
    m_toolBar->addWidget(leftGap);
    m_toolBarExtras << leftGap;
    auto *leftSpring = new QWidget(m_toolBar);
    leftSpring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leftSpring->setMaximumHeight(0);
    m_toolBar->addWidget(leftSpring);
    m_toolBarExtras << leftSpring;

    const int ratio = std::max(1, int(qApp->devicePixelRatio()));
    const QList<QIcon> icons
        = m_imageCache->StripIcons(QStringLiteral("Icons-WizardSteps.png"), true, 32);

    const QStringList texts { tr("Add Photos"), tr("Edit Photos"), tr("Setup"), tr("Process") };
    const QStringList tips { tr("Step 1 - Add all the photos you want to edit"),
        tr("Step 2 - Set the graphic filters that will be applied on all selected photos"),
        tr("Step 3 - Select the output path and image format for the edited photos"),
        tr("When you are ready select Process to have all your photos edited") };
    for (int index = 0; index < texts.size(); ++index) {
        auto *action = new QAction(texts.at(index), this);
        action->setIcon(icons.value(index));
        action->setCheckable(true);
        action->setChecked(false);
        action->setToolTip(tips.at(index));
        m_stepActions.append(action);
        m_toolBar->addAction(action);
    }
    int widest = 0;
    for (QAction *action : std::as_const(m_stepActions)) {
        QWidget *button = m_toolBar->widgetForAction(action);
        if (!button)
            continue;
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        widest = std::max(widest, button->sizeHint().width());
    }
    for (QAction *action : std::as_const(m_stepActions)) {
        if (QWidget *button = m_toolBar->widgetForAction(action))
            button->setMinimumWidth(widest);
    }

    auto *rightSpring = new QWidget(m_toolBar);
    rightSpring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    rightSpring->setMaximumHeight(0);
    m_toolBar->addWidget(rightSpring);
    QAction *help = m_toolBar->addAction(icons.value(4), tr("Help"));
    m_toolBarExtras << rightSpring << help;

    if (!m_toolBarConnected) {
        connect(m_toolBar, &QToolBar::actionTriggered, this,
            qOverload<QAction *>(&MainWindow::ChangePanel));
        m_toolBarConnected = true;
    }
    // The help action is new with every rebuild, so it is connected every time.
    connect(help, &QAction::triggered, this, &MainWindow::OnButtonHelpClicked);
    m_toolBar->setIconSize(QSize(64 / ratio, 32));
    setUnifiedTitleAndToolBarOnMac(true);

    // The rebuilt buttons show the current step again (after a theme change).
    for (int index = 0; index < m_stepActions.size(); ++index)
        m_stepActions.at(index)->setChecked(index == m_currentStep);
}

void MainWindow::InitStatusBar()
{
    QStatusBar *bar = form->statusBar;
    bar->setLayoutDirection(Qt::RightToLeft);
    bar->setContentsMargins(0, 0, 10, 0);
    m_previewStatus = new QLabel(bar);
    m_previewStatus->setFixedSize(250, 15);
    m_previewStatus->setAlignment(Qt::AlignRight);
    m_previewStatus->hide();
    bar->insertWidget(0, m_previewStatus, 0);
    auto *spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring, 1);
    m_secondStatus = new QLabel(bar);
    bar->addWidget(m_secondStatus, 0);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FileOpen) {
        // Kept as delivered: the platform hands over a complete path.
        const QString file = static_cast<QFileOpenEvent *>(event)->file();
        if (m_batchRunning) {
            // Not into the job a run is working on: it is opened once the run has ended.
            Trace("eventFilter", QStringLiteral("Opened after the run: ") + file);
            m_fileOpenedDuringRun = file;
            return true;
        }
        m_documentPath = file;
        m_startFileGiven = true;
        if (m_initFinished)
            emit SignalStartLoadingFile();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::StartLoadingFileWindows(QString path)
{
    Trace("StartLoadingFileWindows");
    m_startFileGiven = true;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Relative to where the user started us, before the current folder changes below.
    if (!path.isEmpty() && QFileInfo(path).isRelative())
        path = QFileInfo(path).absoluteFilePath();
    m_documentPath = path;
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

// --- Steps ---------------------------------------------------------------------------------

void MainWindow::ChangePanel(int index)
{
    Trace("ChangePanel", QString::number(index));
    if (index < 0 || index > 3)
        return;
    for (int position = 0; position < m_stepActions.size(); ++position)
        m_stepActions.at(position)->setChecked(position == index);
    if (index < 3) {
        m_currentStep = index;
    } else {
        ChangePanel(m_currentStep);
        OnButtonProcess2Clicked();
    }
    form->tabWidget->setCurrentIndex(m_currentStep);
}

void MainWindow::ChangePanel(QAction *action)
{
    Trace("ChangePanel");
    ChangePanel(int(m_stepActions.indexOf(action)));
}

void MainWindow::on_tabWidget_currentChanged(int index)
{
    Trace("on_tabWidget_currentChanged");
    m_panelSwitching = true;
    ChangePanel(index);
    m_panelSwitching = false;
}

void MainWindow::OnButtonNextClicked()
{
    Trace("OnButtonNextClicked");
    if (m_currentStep < 2)
        ChangePanel(m_currentStep + 1);
}

void MainWindow::OnButtonPrevClicked()
{
    Trace("OnButtonPrevClicked");
    if (m_currentStep > 0)
        ChangePanel(m_currentStep - 1);
}

void MainWindow::OnButtonHelpClicked()
{
    Trace("OnButtonHelpClicked");
    ShowCurrentPanelHelp();
}

void MainWindow::OnButtonProcess2Clicked()
{
    Trace("OnButtonProcess2Clicked");
    OnPanelConvert(true);
}

void MainWindow::ShowCurrentPanelHelp()
{
    static const char *const pages[] = { HelpPage::Step1, HelpPage::Step2, HelpPage::Step3 };
    if (m_currentStep >= 0 && m_currentStep <= 2)
        ShowHelpTopic(QString::fromLatin1(pages[m_currentStep]));
}

void MainWindow::on_actionStep_1_Add_Photos_triggered()
{
    Trace("on_actionStep_1_Add_Photos_triggered");
    m_panelSwitching = true;
    ChangePanel(0);
    m_panelSwitching = false;
}

void MainWindow::on_actionStep_2_Edit_Photos_triggered()
{
    Trace("on_actionStep_2_Edit_Photos_triggered");
    m_panelSwitching = true;
    ChangePanel(1);
    m_panelSwitching = false;
}

void MainWindow::on_actionStep_3_Setup_triggered()
{
    Trace("on_actionStep_3_Setup_triggered");
    ChangePanel(2);
}

void MainWindow::on_actionProcess_triggered()
{
    Trace("on_actionProcess_triggered");
    Trace("OnButtonProcess2Clicked");
    OnPanelConvert(true);
}

void MainWindow::on_actionWizard_Steps_triggered()
{
    Trace("on_actionWizard_Steps_triggered");
    m_toolBar->setVisible(m_toolBar->isHidden());
}

// --- Help and information ------------------------------------------------------------------

void MainWindow::on_actionHelp_Manual_triggered()
{
    Trace("on_actionHelp_Manual_triggered");
    ShowCurrentPanelHelp();
}

void MainWindow::on_actionVideo_Presentations_triggered()
{
    Trace("on_actionVideo_Presentations_triggered");
    QDesktopServices::openUrl(QUrl(QLatin1String(AppInfo::WebSite) + QStringLiteral("/videos/")));
}

void MainWindow::on_actionHow_to_Add_Comments_and_Time_to_Photos_triggered()
{
    Trace("on_actionHow_to_Add_Comments_and_Time_to_Photos_triggered");
    ShowHelpTopic(QString::fromLatin1(HelpPage::TutorialCommentsAndTime));
}

void MainWindow::on_actionHow_to_Resize_and_Rotate_Photos_triggered()
{
    Trace("on_actionHow_to_Resize_and_Rotate_Photos_triggered");
    ShowHelpTopic(QString::fromLatin1(HelpPage::TutorialResizeAndRotate));
}

void MainWindow::on_action_Check_for_New_Version_triggered()
{
    Trace("on_action_Check_for_New_Version_triggered");
    m_checkNew->setModal(true);
    m_checkNew->Automatic = 0;
    m_checkNew->CenterRect = geometry();
    m_checkNew->ScreenCount = int(QGuiApplication::screens().size());
    m_checkNew->show();
}

void MainWindow::on_actionOnline_Support_triggered()
{
    Trace("on_actionOnline_Support_triggered");
    QDesktopServices::openUrl(QUrl(QLatin1String(AppInfo::WebSite) + QStringLiteral("/support/contact/")));
}

void MainWindow::on_actionVisit_Our_Web_Site_triggered()
{
    Trace("on_actionVisit_Our_Web_Site_triggered");
    QDesktopServices::openUrl(QUrl(QLatin1String(AppInfo::WebSite) + QLatin1Char('/')));
}

void MainWindow::on_actionAbout_Us_triggered()
{
    Trace("on_actionAbout_Us_triggered");
    CDialogAbout about(this);
    about.exec();
}

void MainWindow::on_actionSettings_triggered()
{
    Trace("on_actionSettings_triggered");
    CSettings settings(this);
    settings.exec();
}

void MainWindow::on_actionShow_Log_triggered()
{
    Trace("on_actionShow_Log_triggered");
    const QString log = CBatchLog::ProgramLogPath();
    if (!QFileInfo::exists(log)) {
        QMessageBox::warning(this, QString(),
            tr("The log file will be created after the first processing session."));
        return;
    }
    // The desktop's viewer for text files stands in for a fixed editor.
    Platform::OpenLocalPath(log);
}

// --- Title, status and undo ----------------------------------------------------------------

void MainWindow::ResetAppTitle()
{
    Trace("ResetAppTitle");
    setWindowTitle(QStringLiteral("Quendrasil"));
    m_panel3->SetOutputFormats(true);
}

void MainWindow::SetAppTitleExt(const QString &name)
{
    Trace("SetAppTitleExt");
    setWindowTitle(QStringLiteral("Quendrasil - ") + name);
}

void MainWindow::SignalProjectChanges()
{
    Trace("SignalProjectChanges");
    if (!windowTitle().endsWith(QLatin1Char('*')))
        setWindowTitle(windowTitle() + QLatin1Char('*'));
}

void MainWindow::UnsignalProjectChanges()
{
    Trace("UnsignalProjectChanges");
    const QString title = windowTitle();
    if (title.endsWith(QLatin1Char('*')))
        setWindowTitle(title.left(title.size() - 1));
}

void MainWindow::UpdateImagesAndFiltersCount()
{
    Trace("UpdateImagesAndFiltersCount");
}

void MainWindow::OnThPreviewStatus()
{
    Trace("OnThPreviewStatus");
    QMutexLocker lock(&m_profile->StatusTextLock);
    const QString text = m_profile->StatusText;
    if (text.isEmpty()) {
        m_previewStatus->hide();
    } else {
        m_previewStatus->setText(text);
        m_previewStatus->show();
    }
}

void MainWindow::UndoEnable(bool enable)
{
    Trace("UndoEnable");
    form->menuEdit->actions().value(0)->setEnabled(enable);
}

void MainWindow::RedoEnable(bool enable)
{
    Trace("RedoEnable");
    form->menuEdit->actions().value(1)->setEnabled(enable);
}

void MainWindow::RebuildPanelsFromJob(bool afterLoad)
{
    m_panel1->ClearLists();
    for (const SImageRecord &record : m_photoList->Images())
        m_panel1->AddPhotoItem(record);
    m_panel1->RefreshPanel();
    m_panel2->refreshing = afterLoad;
    m_panel2->RefreshPanel();
    m_panel2->refreshing = false;
    m_panel3->RefreshPanel();
}

void MainWindow::on_actionUndo_triggered()
{
    Trace("on_actionUndo_triggered");
    m_states->Undo();
    m_states->quiet = true;
    RebuildPanelsFromJob(false);
    m_states->quiet = false;
}

void MainWindow::on_actionRedo_triggered()
{
    Trace("on_actionRedo_triggered");
    m_states->Redo();
    m_states->quiet = true;
    RebuildPanelsFromJob(false);
    m_states->quiet = false;
}

void MainWindow::RefreshPanels()
{
    Trace("RefreshPanels");
    RebuildAfterLoad();
    ClearPanelsChanged();
}

void MainWindow::RebuildAfterLoad()
{
    const bool quiet = m_states->quiet;
    m_states->quiet = true;
    RebuildPanelsFromJob(true);
    m_states->quiet = quiet;
}

void MainWindow::ClearPanelsChanged()
{
    m_panel1->UnsignalPanelChanged();
    m_panel2->UnsignalPanelChanged();
    m_panel3->UnsignalPanelChanged();
}

bool MainWindow::AnyPanelChanged() const
{
    return (m_panel1 && m_panel1->modified) || (m_panel2 && m_panel2->modified)
        || (m_panel3 && m_panel3->modified);
}

// --- Keys and closing ----------------------------------------------------------------------

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowCurrentPanelHelp();
        return;
    }
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier)
        OnCtrlS();
}

void MainWindow::on_actionExit_triggered()
{
    Trace("on_actionExit_triggered");
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Trace("closeEvent");
    if (AnyPanelChanged()) {
        if (!m_documentPath.isEmpty()) {
            const auto answer = QMessageBox::question(this, QString(),
                tr("Would you like to save your settings?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
            if (answer == QMessageBox::Cancel) {
                event->ignore();
                return;
            }
            if (answer == QMessageBox::Yes) {
                OnCtrlS();
                // A save that failed or was cancelled keeps the window and the changes.
                if (AnyPanelChanged()) {
                    event->ignore();
                    return;
                }
            }
        } else {
            CDialogSaveProject question(this);
            question.exec();
            if (question.cancel) {
                event->ignore();
                return;
            }
            if (question.yes) {
                Trace("on_actionSave_triggered");
                if (m_documentKind != ProjectDocument)
                    on_actionSave_As_triggered();
                else if (AnyPanelChanged())
                    SaveProject(m_documentPath);
                if (AnyPanelChanged()) {
                    event->ignore();
                    return;
                }
            }
        }
    }
    Trace("SaveWindowSettings");
    WriteSettingBytes(QStringLiteral("Settings/MainWindow.WindowGeometry"), saveGeometry());
    WriteSettingBytes(QStringLiteral("Settings/MainWindow.WindowState"), saveState(0));
    event->accept();
    QMainWindow::closeEvent(event);
}

// --- Unattended end ------------------------------------------------------------------------

void MainWindow::EndUnattended(int code)
{
    if (ExitHandlerSlot()) {
        ExitHandlerSlot()(code);
        return;
    }
    // No event loop runs after this: the panels' threads are stopped and joined here, after
    // any helper a preview still waits for has been ended.
    EndImageHelpers();
    if (m_panel1)
        m_panel1->StopThreads();
    if (m_panel2)
        m_panel2->StopThreads();
    Platform::ExitProcessNow(code);
}
