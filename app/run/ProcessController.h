#pragma once

#include "BatchCore.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class CProcessController;
}


// The modal window of one batch run. It starts the run of its CBatchCore when it is built
// and shows it: progress, elapsed and estimated time, the on-screen log and the summary; it
// asks the workers' overwrite questions one at a time and lets the user pause, resume or
// abort. Hidden and "Silent" script runs make it (and the main window) transparent, and it
// closes itself once the log is saved. It cannot be closed while a worker runs.
class CProcessController : public QDialog
{
    Q_OBJECT

public:
    explicit CProcessController(QWidget *parent = nullptr);
    ~CProcessController() override;

    CBatchCore *Core() { return &m_core; }

signals:
    void Panel1StartPreview(bool keepSelectedImage);
    void Panel2StartPreview();

public slots:
    void ProgressOperation(int done, int total);
    void ProgressImage(int done, int total);
    void ProgressImageUpload(int done, int total, double speed);
    // A line for the on-screen log; the core has already routed it (flag 2: file only).
    void UpdateLog(QString msg, int nFlag = 0);
    void OverwriteDlg(QString outPathName, int thIndex);
    void FinishedThread(SBatchSummary summary);
    void DisplayGSMessage(QString ext);
    void OnTimer(QString timeText);
    // Closing, Escape and the Cancel/OK button all end here.
    void reject() override;

private slots:
    void on_buttonOKCancel_clicked();
    void on_buttonPause_clicked();
    void RunFinished(SBatchSummary summary);
    void ShowWarning(QString text);

private:
    // The run and any upload are over: OK closes the dialog, from the keyboard too.
    void OfferClosing();
    void Init();
    // The run's job is hidden or a "Silent" script; both are asked of the run's own copy.
    bool Unattended();
    // A "Silent" Monitor run with SilentMode cannot be cancelled.
    bool Uncancellable();
    void SetTitlePercent(const QString &text);
    void InitUploadProgress(int total);
    void ShowLogLink();

    std::unique_ptr<Ui::CProcessController> form;
    CBatchCore m_core;
    bool m_started = false;
};
