// The start of a batch run: the checks, the questions and the processing dialog.
#include "MainWindow.h"

#include "DialogSocial.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "ProcessController.h"
#include "Settings.h"
#include "Trace.h"
#include "UserProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

const QString WebpMessageKey = QStringLiteral("GUI/ShowWEBPMultipageMessage");

void Trace(const QString &detail = QString())
{
    LogMessage(QStringLiteral("MainWindow::OnPanelConvert"), detail);
}

} // namespace

bool MainWindow::CheckOutputFolder()
{
    SOutputOptions &output = m_profile->OutputOptions;
    if (output.OutputFolderStruct >= FolderStructure::PhotoFolder)
        return true;
    const bool silent = m_profile->SilentScript;
    if (output.DestPath.isEmpty()) {
        const QString text = tr("An output folder, for the edited photos, needs to be selected "
                                "before processing (Step 3 > Destination > Folder on My Computer)");
        // A silent script has nobody to ask: it ends with a log line instead.
        if (silent) {
            Trace(text);
            return false;
        }
        QMessageBox::warning(this, QString(), text);
        return m_panel3->SelectOutputFolder();
    }
    if (QFileInfo(output.DestPath).isDir())
        return true;
    if (!output.DisableNotifications && !silent) {
        const auto answer = QMessageBox::question(this, QString(),
            tr("The selected folder does not exist, do you want to create it now?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    // A folder that cannot be made shows up as failed photos in the run's log.
    QDir().mkpath(output.DestPath);
    return true;
}

void MainWindow::OnPanelConvert(bool ask)
{
    Trace();
    // From the first question to the end of the run, a document handed over by the desktop
    // waits: it must not change the job being asked about or run.
    m_batchRunning = true;
    RunConvert(ask);
    m_batchRunning = false;
    if (!m_fileOpenedDuringRun.isEmpty()) {
        m_documentPath = std::exchange(m_fileOpenedDuringRun, QString());
        m_startFileGiven = true;
        emit SignalStartLoadingFile();
    }
}

void MainWindow::RunConvert(bool ask)
{
    const bool silent = m_profile->SilentScript;
    const SOutputOptions &output = m_profile->OutputOptions;
    // Files a folder search could not take still make a run that names them as failures.
    if (m_photoList->IsEmpty() && m_photoList->SkippedNames().isEmpty()) {
        if (!silent)
            QMessageBox::warning(this, QString(), tr("There are no photos to process."));
        return;
    }

    if (output.Multipage && m_profile->RenameSettings.OutputExtension.toUpper() == QLatin1String("WEBP")
        && !silent && ReadSettingInt(WebpMessageKey, 1) != 0) {
        QMessageBox box(this);
        box.setWindowTitle(QStringLiteral("Multipage WEBP"));
        box.setText(tr("Please make sure all images are of the same resolution when creating a "
                       "multipage WEBP image."));
        box.addButton(tr("Continue"), QMessageBox::AcceptRole);
        QPushButton *dontShow = box.addButton(tr("Don't Show Again"), QMessageBox::RejectRole);
        QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() == dontShow)
            WriteSettingInt(WebpMessageKey, 0);
        else if (box.clickedButton() == cancel)
            return;
    }

    if (!silent && ask) {
        const auto answer = QMessageBox::question(this, QString(),
            tr("Ready to process %1 photos?").arg(m_photoList->Count()), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }

    if (!CheckOutputFolder())
        return;

    if (output.DeleteSource && !output.DisableNotifications && !silent) {
        const auto answer = QMessageBox::warning(this, QString(),
            tr("You have selected to delete the source photos after writing the modified ones. "
               "Continue?"),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }

    if (!m_profile->ScriptRun) {
        m_panel1->ClearPreview();
        m_panel2->CleanUp(false);
    }

    {
        CProcessController controller(this);
        connect(&controller, &CProcessController::Panel1StartPreview, m_panel1,
            &CMainPanel1::StartPreview);
        connect(&controller, &CProcessController::Panel2StartPreview, m_panel2,
            &CMainPanel2::StartCurrentPreviewIfOriginal);
        controller.exec();
    }

    const int launches = ReadSettingInt(QStringLiteral("Settings/LaunchCounter"), 0);
    ++m_profile->BatchRunCount;
    if (launches % 3 == 0 && m_profile->BatchRunCount == 1 && !silent && !output.HideProcessing) {
        CDialogSocial social(this);
        social.exec();
    }
}
