// Opening and saving projects, profiles and scripts.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DialogProfileSave.h"
#include "DialogProfileSelection.h"
#include "DialogTip.h"
#include "DialogUnsupportedFormat.h"
#include "Folders.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "Scripts.h"
#include "Settings.h"
#include "StatesList.h"
#include "Trace.h"
#include "UserProfile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextStream>

namespace {

const QString ProjectFilter = QStringLiteral("Project Files (*.qlp)");
const QString ProfileFilter = QStringLiteral("Profile Files (*.qlf)");
const QString ScriptFilter = QStringLiteral("Script Files (*.qlr)");
const QString ProjectsPathKey = QStringLiteral("GUI/ProjectsPath");

void Trace(const char *operation)
{
    LogMessage(QStringLiteral("MainWindow::") + QLatin1String(operation));
}

// The file name without its folder and without the text from its last ".".
QString DocumentName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

// The folder part of a path, up to and including its last "/".
QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

void MainWindow::CreateFolders(const QString &folder)
{
    LogMessage(QStringLiteral("MainWindow::CreateFolders"));
    if (!folder.isEmpty() && !QFileInfo::exists(folder))
        QDir().mkpath(folder);
}

void MainWindow::StartLoadingFile()
{
    Trace("StartLoadingFile");
    if (m_batchRunning) {
        m_fileOpenedDuringRun = m_documentPath;
        return;
    }
    DispatchByExtension(m_documentPath);
}

void MainWindow::DispatchByExtension(const QString &path)
{
    const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
    if (extension == QLatin1String("qlp"))
        StartLoadingProject(path);
    else if (extension == QLatin1String("qlf"))
        StartLoadingProfile(path);
    else if (extension == QLatin1String("qlr"))
        StartLoadingScript(path);
}

QString MainWindow::AskSavePath(const QString &caption, const QString &proposed,
                                const QString &filter, const QString &extension)
{
    QString path = QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (path.isEmpty())
        return path;
    // Desktops here do not add the filter's extension for the user.
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    return path;
}

// --- Loading -------------------------------------------------------------------------------

bool MainWindow::LoadProject(const QString &path)
{
    Trace("LoadProject");
    m_profile->ClearScriptState();
    CScripts scripts(path);
    m_panel1->ClearLists();
    m_panel2->ClearFiltersList();
    int commandValue = m_commandValue;
    if (!scripts.LoadDocument(commandValue)) {
        // Rebuilt from what is held now, so that nothing invisible gets processed.
        RebuildAfterLoad();
        QMessageBox::warning(this, QString(), tr("Could not load project."));
        return false;
    }
    m_commandValue = commandValue;
    m_profile->DetailsSortColumn = -1;
    m_profile->DetailsSortOrder = 0;
    RefreshPanels();
    m_documentName = DocumentName(path);
    SetAppTitleExt(m_documentName);
    m_documentPath = path;
    m_documentKind = ProjectDocument;
    m_profileName.clear();
    m_profileDescription.clear();
    return true;
}

bool MainWindow::LoadProfile(const QString &path)
{
    Trace("LoadProfile");
    m_profile->DetailsSortColumn = -1;
    m_profile->DetailsSortOrder = 0;
    CScripts scripts(path);
    m_panel2->ClearFiltersList();
    int commandValue = m_commandValue;
    if (!scripts.LoadDocument(commandValue)) {
        RebuildAfterLoad();
        QMessageBox::warning(this, QString(), tr("Could not load profile."));
        return false;
    }
    m_commandValue = commandValue;
    RefreshPanels();
    m_profileName = scripts.profileName.isEmpty() ? DocumentName(path) : scripts.profileName;
    SetAppTitleExt(m_profileName);
    m_documentPath = path;
    m_documentKind = ProfileDocument;
    m_profileDescription = scripts.profileDescription;
    return true;
}

bool MainWindow::LoadScript(const QString &path)
{
    return LoadScriptDocument(path, true);
}

bool MainWindow::LoadScriptDocument(const QString &path, bool freshScriptState)
{
    Trace("LoadScript");
    if (freshScriptState)
        m_profile->ClearScriptState();
    CScripts scripts(path);
    m_panel1->ClearLists();
    m_panel2->ClearFiltersList();
    // Each script says for itself what it asks for; nothing carries over from the last one.
    int commandValue = CScripts::RunAndEnd;
    if (!scripts.LoadDocument(commandValue)) {
        m_commandValue = CScripts::RunAndEnd;
        RebuildAfterLoad();
        ReportLoadFailure(tr("Could not load script."), path);
        return false;
    }
    m_commandValue = commandValue;
    m_profile->DetailsSortColumn = -1;
    m_profile->DetailsSortOrder = 0;
    RefreshPanels();
    if (m_commandValue != CScripts::ListRefused) {
        m_documentName = DocumentName(path);
        SetAppTitleExt(m_documentName);
        m_documentPath = path;
        m_documentKind = ScriptDocument;
        m_profileName.clear();
        m_profileDescription.clear();
    } else if (!scripts.RefusedPaths().isEmpty()) {
        CDialogUnsupportedFormat notice(nullptr);
        notice.SetFiles(scripts.RefusedPaths());
        notice.exec();
    }
    return true;
}

bool MainWindow::StartLoadingProject(QString path)
{
    Trace("StartLoadingProject");
    const QString remembered = ReadSettingString(
        ProjectsPathKey, GetDocumentsFolder() + QStringLiteral("/Quendrasil/Projects"));
    if (!path.isEmpty())
        return LoadProject(path);
    path = QFileDialog::getOpenFileName(this, tr("Load Project"), remembered, ProjectFilter);
    if (path.isEmpty() || !LoadProject(path))
        return false;
    m_documentPath = path;
    WriteSettingString(ProjectsPathKey, FolderPart(path));
    m_profile->BuiltInProfileLoaded = false;
    m_states->Clear();
    m_states->PushState();
    return true;
}

bool MainWindow::StartLoadingProfile(QString path)
{
    Trace("StartLoadingProfile");
    if (m_panel2->modified || m_panel3->modified) {
        const auto answer = QMessageBox::question(this, QString(),
            tr("Loading a profile will overwrite your settings. Continue?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    if (path.isEmpty()) {
        CDialogProfileSelection chooser(this);
        if (chooser.exec() != 1)
            return false;
        path = chooser.selected.path;
    }
    if (!LoadProfile(path))
        return false;
    m_states->Clear();
    m_states->PushState();
    CDialogTip tip(this);
    tip.Key = QStringLiteral("MainWindow.ShowTipAfterProfile");
    tip.Text = tr("Now just add your photos in Step 1 and optionally adjust the settings from "
                  "Step 2 and Step 3 as you like.\n\nWhen you are done select Process.");
    tip.exec();
    return true;
}

void MainWindow::ReportLoadFailure(const QString &text, const QString &path)
{
    const QString platform = QGuiApplication::platformName();
    const bool display = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (!m_unattendedStart || display) {
        QMessageBox::warning(this, QString(), text);
        return;
    }
    // Without a display nobody could close a box: a script run from the command line says it here.
    LogMessage(QStringLiteral("MainWindow::StartLoadingScript"), text + QLatin1Char(' ') + path);
    QTextStream(stderr) << text << ' ' << path << Qt::endl;
}

void MainWindow::StartLoadingScript(QString path)
{
    Trace("StartLoadingScript");
    // Before the window is shown, the script was given at start and may run unattended.
    m_unattendedStart = !isVisible();
    const bool loaded = LoadScript(path);
    if (m_commandValue != CScripts::RunAndEnd && m_commandValue != CScripts::AskProfileThenRun)
        return;
    // A script that did not load must not run whatever job is held now.
    if (!loaded) {
        if (m_unattendedStart)
            EndUnattended(2);
        return;
    }
    m_profile->ScriptRun = true;
    if (m_commandValue == CScripts::AskProfileThenRun) {
        CDialogProfileSelection chooser(this);
        if (chooser.exec() != 1) {
            EndUnattended(0);
            return;
        }
        if (!LoadScriptDocument(chooser.selected.path, false)) {
            EndUnattended(2);
            return;
        }
    }
    OnPanelConvert(false);
    EndUnattended(0);
}

// --- Saving --------------------------------------------------------------------------------

bool MainWindow::SaveProject(const QString &path)
{
    Trace("SaveProject");
    CScripts scripts(path);
    if (!scripts.SaveDocument(CScripts::Project)) {
        QMessageBox::warning(this, QString(), tr("Could not save project."));
        return false;
    }
    ClearPanelsChanged();
    m_documentName = DocumentName(path);
    SetAppTitleExt(m_documentName);
    return true;
}

bool MainWindow::SaveProfile(const QString &path, const QString &name, const QString &description)
{
    Trace("SaveProfile");
    CScripts scripts(path);
    scripts.profileName = name;
    scripts.profileDescription = description;
    if (!scripts.SaveDocument(CScripts::Profile)) {
        QMessageBox::warning(this, QString(), tr("Could not save profile."));
        return false;
    }
    ClearPanelsChanged();
    SetAppTitleExt(name);
    return true;
}

bool MainWindow::SaveScript(const QString &path)
{
    Trace("SaveScript");
    const auto answer = QMessageBox::question(this, QString(),
        tr("Do you want to disable all notifications when running the script?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    m_profile->OutputOptions.DisableNotifications = answer == QMessageBox::Yes;
    if (answer == QMessageBox::Cancel)
        return false;
    CScripts scripts(path);
    if (!scripts.SaveDocument(CScripts::Script)) {
        QMessageBox::warning(this, QString(), tr("Could not save script."));
        return false;
    }
    ClearPanelsChanged();
    m_documentName = DocumentName(path);
    SetAppTitleExt(m_documentName);
    return true;
}

void MainWindow::on_actionSave_triggered()
{
    Trace("on_actionSave_triggered");
    if (m_documentKind != ProjectDocument)
        on_actionSave_As_triggered();
    else if (AnyPanelChanged())
        SaveProject(m_documentPath);
}

void MainWindow::on_actionSave_As_triggered()
{
    Trace("on_actionSave_As_triggered");
    QString start = ReadSettingString(ProjectsPathKey, QString());
    if (start.isEmpty())
        start = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Projects/");
    CreateFolders(start);
    const QString path = AskSavePath(tr("Save Project As"), start + QStringLiteral("project"),
        ProjectFilter, QStringLiteral("qlp"));
    if (path.isEmpty() || !SaveProject(path))
        return;
    m_documentPath = path;
    m_documentKind = ProjectDocument;
    m_profileName.clear();
    m_profileDescription.clear();
    WriteSettingString(ProjectsPathKey, FolderPart(path));
    m_profile->BuiltInProfileLoaded = false;
}

void MainWindow::on_actionSave_Profile_triggered()
{
    Trace("on_actionSave_Profile_triggered");
    if (m_documentKind != ProfileDocument) {
        on_actionSave_Profile_As_triggered();
        return;
    }
    if (!AnyPanelChanged())
        return;
    if (!m_profile->BuiltInProfileLoaded)
        SaveProfile(m_documentPath, m_profileName, m_profileDescription);
    else
        on_actionSave_Profile_As_triggered();
}

void MainWindow::on_actionSave_Profile_As_triggered()
{
    Trace("on_actionSave_Profile_As_triggered");
    const QString start = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles/");
    CreateFolders(start);
    const QString path = AskSavePath(tr("Save Profile As"), start + QStringLiteral("profile"),
        ProfileFilter, QStringLiteral("qlf"));
    if (path.isEmpty())
        return;
    CDialogProfileSave details(this);
    details.name = DocumentName(path);
    if (details.exec() != 1)
        return;
    // The window takes the new document only once it is really saved.
    if (!SaveProfile(path, details.name, details.description))
        return;
    m_documentPath = path;
    m_documentKind = ProfileDocument;
    m_profileName = details.name;
    m_profileDescription = details.description;
    m_profile->BuiltInProfileLoaded = false;
}

void MainWindow::on_actionSave_Script_triggered()
{
    Trace("on_actionSave_Script_triggered");
    if (m_documentKind != ScriptDocument)
        on_actionSave_Script_As_triggered();
    else if (AnyPanelChanged())
        SaveScript(m_documentPath);
}

void MainWindow::on_actionSave_Script_As_triggered()
{
    Trace("on_actionSave_Script_As_triggered");
    const QString start = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Scripts/");
    CreateFolders(start);
    const QString path = AskSavePath(tr("Save Script As"), start + QStringLiteral("script"),
        ScriptFilter, QStringLiteral("qlr"));
    if (path.isEmpty() || !SaveScript(path))
        return;
    m_documentPath = path;
    m_documentKind = ScriptDocument;
    m_profileName.clear();
    m_profileDescription.clear();
    m_profile->BuiltInProfileLoaded = false;
}

void MainWindow::OnCtrlS()
{
    Trace("OnCtrlS");
    if (m_documentKind != NoDocument && !m_profile->BuiltInProfileLoaded) {
        if (!AnyPanelChanged())
            return;
        if (m_documentKind == ProjectDocument)
            SaveProject(m_documentPath);
        else if (m_documentKind == ProfileDocument)
            SaveProfile(m_documentPath, m_profileName, m_profileDescription);
        else if (m_documentKind == ScriptDocument)
            SaveScript(m_documentPath);
        return;
    }
    on_actionSave_As_triggered();
}

void MainWindow::on_actionLoad_triggered()
{
    Trace("on_actionLoad_triggered");
    StartLoadingProject(QString());
}

void MainWindow::on_actionSelect_Profile_triggered()
{
    Trace("on_actionSelect_Profile_triggered");
    StartLoadingProfile(QString());
}

void MainWindow::on_actionNew_triggered()
{
    Trace("on_actionNew_triggered");
    const auto answer = QMessageBox::question(this, QString(),
        tr("Your settings will be discarded. Continue?"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    ResetAppTitle();
    m_profile->ClearScriptState();
    m_panel1->ResetPanel();
    m_panel3->ResetPanel();
    m_panel2->ResetPanel();
    m_profile->Quality = 88;
    m_profile->FileSize = 100;
    m_profile->PNGComp = 1;
    m_profile->Interlaced = Interlace::NoInterlace;
    m_profile->ResetColorProfile();
    m_profile->JpegType = JpegColors::Rgb;
    m_profile->TiffType = TiffColors::Rgb;
    m_profile->TiffAlg = TiffCompression::Lzw;
    m_profile->PdfAlg = PdfCompression::Jpeg;
    m_profile->DefaultFormat = QStringLiteral("JPG");
    m_profile->FixedSize = false;
    m_states->Clear();
    m_states->PushState();
    m_documentKind = NoDocument;
    m_documentName.clear();
    m_documentPath.clear();
    m_profileName.clear();
    m_profileDescription.clear();
}
