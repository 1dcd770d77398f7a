#include "ProcessController.h"
#include "ui_ProcessController.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <cmath>
#include <limits>

#include "BatchLog.h"
#include "DialogGSWarning.h"
#include "DialogOverwrite.h"
#include "Trace.h"
#include "UserProfile.h"

CProcessController::CProcessController(QWidget *parent)
    : QDialog(parent)
    , form(std::make_unique<Ui::CProcessController>())
{
    form->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_core.SetInteractive(true);
    connect(&m_core, &CBatchCore::OperationsChanged, this, &CProcessController::ProgressOperation);
    connect(&m_core, &CBatchCore::PhotosChanged, this, &CProcessController::ProgressImage);
    connect(&m_core, &CBatchCore::LogShown, this, [this](QString line) { UpdateLog(line); });
    connect(&m_core, &CBatchCore::OverwriteQuestion, this, &CProcessController::OverwriteDlg);
    connect(&m_core, &CBatchCore::GhostscriptNotice, this, &CProcessController::DisplayGSMessage);
    connect(&m_core, &CBatchCore::TimeChanged, this, &CProcessController::OnTimer);
    connect(&m_core, &CBatchCore::WorkersFinished, this, &CProcessController::FinishedThread);
    connect(&m_core, &CBatchCore::Finished, this, &CProcessController::RunFinished);
    connect(&m_core, &CBatchCore::WarningRaised, this, &CProcessController::ShowWarning);
    connect(&m_core, &CBatchCore::UploadStarted, this, &CProcessController::InitUploadProgress);
    connect(&m_core, &CBatchCore::UploadProgress, this, &CProcessController::ProgressImageUpload);
    if (!Unattended()) {
        SEmailPrompts prompts;
        prompts.askYesNo = [this](const QString &title, const QString &text) {
            return QMessageBox::information(this, title, text, QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes;
        };
        prompts.warn = [this](const QString &title, const QString &text) {
            QMessageBox::warning(this, title, text, QMessageBox::Ok);
        };
        m_core.SetEmailPrompts(std::move(prompts));
    }
    Init();
}

// The core stops and joins any worker still running.
CProcessController::~CProcessController() = default;

bool CProcessController::Uncancellable()
{
    const SJobSnapshot &job = m_core.Job();
    return job.SilentScript && job.SilentMode;
}

bool CProcessController::Unattended()
{
    const SJobSnapshot &job = m_core.Job();
    return job.SilentScript || job.OutputOptions.HideProcessing;
}

void CProcessController::Init()
{
    if (Unattended()) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<QMainWindow *>(widget)) {
                window->setWindowOpacity(0.0);
                break;
            }
        }
        setWindowOpacity(0.0);
    }

    form->buttonOKCancel->setText(tr("Cancel"));
    form->textTime->setText(QStringLiteral("00:00 / NA"));
    setWindowTitle(windowTitle() + QStringLiteral(" (0%)"));
    SetTitlePercent(QStringLiteral("0%"));
    form->linkShowLog->setText(QStringLiteral("<a href =\"file:///") + CBatchLog::ProgramLogPath()
        + QStringLiteral("\">") + tr("Show log") + QStringLiteral("</a>"));
    form->linkShowLog->hide();
    form->textBlank->hide();

    // The core counts the photos and sets the ranges as it starts.
    m_started = m_core.Start();
    if (!m_started) {
        // Nothing to run: the dialog is done at once.
        form->buttonPause->hide();
        OfferClosing();
    }
}

void CProcessController::OfferClosing()
{
    // Return and Enter close the summary; Pause, which had the focus, is gone by now.
    form->buttonOKCancel->setText(tr("OK"));
    form->buttonOKCancel->setDefault(true);
    form->buttonOKCancel->setFocus();
}

void CProcessController::SetTitlePercent(const QString &text)
{
    const QString title = windowTitle();
    const qsizetype bracket = title.indexOf(QLatin1Char('('));
    setWindowTitle((bracket < 0 ? title + QLatin1Char(' ') : title.left(bracket)) + QLatin1Char('(')
        + text + QLatin1Char(')'));
}

void CProcessController::ProgressOperation(int done, int total)
{
    form->progressBar->setRange(0, total);
    form->progressBar->setValue(done);
    SetTitlePercent(form->progressBar->text());
}

void CProcessController::ProgressImage(int done, int total)
{
    form->textProgressCount->setText(QString::asprintf("%d / %d", done, total));
}

void CProcessController::InitUploadProgress(int total)
{
    form->buttonOKCancel->setText(tr("Cancel"));
    setWindowTitle(tr("Uploading") + QStringLiteral(" (0%)"));
    form->textProgressCount->setText(QString::asprintf("%d / %d", 0, total));
    form->textTime->clear();
    form->progressBar->setRange(0, total);
    form->progressBar->setValue(0);
    SetTitlePercent(QStringLiteral("0%"));
}

void CProcessController::ProgressImageUpload(int done, int total, double speed)
{
    form->textProgressCount->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
    const int percent = total > 0 ? int(std::lround(done * 100.0 / total)) : 100;
    form->progressBar->setValue(done);
    SetTitlePercent(QStringLiteral("%1%").arg(percent));
    // A speed beyond what an int holds is shown as the largest one.
    const double shown = std::min(speed, double(std::numeric_limits<int>::max()));
    form->textTime->setText(QString::number(qint64(shown)) + QStringLiteral(" KB/s"));
}

void CProcessController::UpdateLog(QString msg, int nFlag)
{
    if (nFlag == 2)
        return;
    form->editProcessLog->appendPlainText(msg);
}

void CProcessController::OnTimer(QString timeText)
{
    form->textTime->setText(timeText);
}

void CProcessController::OverwriteDlg(QString outPathName, int thIndex)
{
    CDialogOverwrite question(this);
    question.SetPath(outPathName);
    question.exec();
    // The path changes only with an accepted rename.
    m_core.AnswerOverwrite(thIndex, question.Answer(), question.Path());
}

void CProcessController::DisplayGSMessage(QString ext)
{
    LogMessage(QStringLiteral("CProcessController::DisplayGSMessage"), ext);
    CDialogGSWarning::ShowWhenDue(this, ext);
}

void CProcessController::FinishedThread(SBatchSummary summary)
{
    Q_UNUSED(summary)
    form->buttonPause->hide();
    form->buttonOKCancel->setText(tr("OK"));
}

void CProcessController::RunFinished(SBatchSummary summary)
{
    Q_UNUSED(summary)
    OfferClosing();
    ShowLogLink();
    if (!CUserProfile::instance()->ScriptRun) {
        emit Panel1StartPreview(true);
        emit Panel2StartPreview();
    }
    if (Unattended())
        reject();
}

void CProcessController::ShowLogLink()
{
    form->linkShowLog->show();
    // Keeps the buttons centred.
    form->textBlank->setMinimumWidth(form->linkShowLog->sizeHint().width());
    form->textBlank->show();
}

void CProcessController::ShowWarning(QString text)
{
    QMessageBox::warning(this, QString(), text);
}

void CProcessController::on_buttonPause_clicked()
{
    if (!m_core.IsRunning())
        return;
    if (m_core.IsPaused()) {
        m_core.SetPaused(false);
        form->buttonPause->setText(tr("Pause"));
    } else {
        m_core.SetPaused(true);
        form->buttonPause->setText(tr("Resume"));
    }
}

void CProcessController::on_buttonOKCancel_clicked()
{
    reject();
}

void CProcessController::reject()
{
    if (m_core.IsRunning()) {
        if (Uncancellable())
            return;
        const auto choice = QMessageBox::question(this, QString(),
            tr("Photo processing not completed. Abort the operation?"),
            QMessageBox::Yes | QMessageBox::No);
        // The run may have ended while the question was open; then there is nothing to stop.
        if (choice == QMessageBox::Yes)
            m_core.Abort();
        return;
    }
    if (m_core.IsUploading()) {
        if (Uncancellable())
            return;
        const auto choice = QMessageBox::question(this, QString(),
            tr("Upload not completed. Abort the operation?"), QMessageBox::Yes | QMessageBox::No);
        if (choice == QMessageBox::Yes)
            m_core.AbortUpload();
        return;
    }
    if (!m_started || m_core.IsFinished())
        QDialog::reject();
}
