#pragma once

#include "BatchLog.h"
#include "JobSnapshot.h"
#include "ListImages.h"
#include "ProcessThread.h"
#include "Upload.h"
#include "UploadThread.h"

#include <QElapsedTimer>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

// What a finished run reports.
struct SBatchSummary
{
    int photoCount = 0; // photos in the job
    int photosDone = 0; // photos read and written, or copied
    int errorTotal = 0;
    bool aborted = false;
    qint64 elapsedMs = 0; // time paused left out
    QStringList writtenFiles;
};
Q_DECLARE_METATYPE(SBatchSummary)

// The widget-free heart of one batch run, shown by the processing dialog and run on its own by
// tests and unattended jobs. It owns the workers, the four batch locks with the lists they
// guard (SBatchShared), the counters, the timing and the run's log; it decides how many
// workers to start, numbers and hands out the photos, answers the workers' signals and writes
// the summary and the log file at the end.
//
// The run works from its own copy of the job (SJobSnapshot), taken from the current job when
// it is first asked for, at the latest by Start: edits of the job during the run do not reach
// it. The only writes into the user's job are the photos' folder positions (at Start) and the
// FTP folder made to start and end with "/" (when the upload starts), both on this thread.
//
// A window that shows the run calls SetInteractive(true) before Start and then answers
// OverwriteQuestion through AnswerOverwrite and shows GhostscriptNotice and WarningRaised.
// Without it (and in "Silent" script and hidden runs) no question is asked: existing files
// are numbered, notices and warnings become log lines and no folder is opened.
//
// GUI thread only; the workers reach it through queued signals.
class CBatchCore : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumWorkers = 32;

    explicit CBatchCore(QObject *parent = nullptr);
    // Stops and waits for every worker still running.
    ~CBatchCore() override;

    // N: the processor threads (1 below 1, 32 above 32), at most the photos, 1 without the
    // multi-core setting or for one multi-page document.
    static int ThreadCount(int processorThreads, int photoCount, bool useMulticore, bool multipage);
    // The photos of worker `index` out of `count`: those whose sequence number modulo count
    // is index, in list order.
    static QList<SImageRecord> AssignedPhotos(
        const QList<SImageRecord> &photos, int count, int index);
    // "00:05" or "01:02:03".
    static QString FormatTime(qint64 ms);
    // The run's elapsed time in tenths: "4.2s", "1:15.3s", "1:02:05.0s".
    static QString FormatElapsed(qint64 ms);

    void SetInteractive(bool interactive) { m_interactive = interactive; }
    // The job this run works on; set before Start, or taken from the current job.
    void SetJob(std::shared_ptr<const SJobSnapshot> job) { m_job = std::move(job); }
    const SJobSnapshot &Job();
    // Starts the run; false when it started before or there are no photos.
    bool Start();

    int WorkerCount() const { return int(m_workers.size()); }
    int PhotoCount() const { return m_photoCount; }
    int OperationsPerPhoto() const { return m_operationsPerPhoto; }
    int TotalOperations() const { return m_totalOperations; }
    int OperationsDone() const { return m_operationsDone; }
    int PhotosDone() const { return m_photosDone; }
    int ErrorTotal() const { return m_errorTotal; }
    bool IsRunning() const { return m_started && !m_workersFinished; }
    // The workers are done and the FTP/SFTP upload of their files is still going on.
    bool IsUploading() const { return m_uploading; }
    int UploadedCount() const { return m_uploadedCount; }
    bool IsFinished() const { return m_finished; }
    bool IsPaused() const { return m_paused; }
    bool IsAborted() const { return m_aborted; }
    qint64 ElapsedMs() const;
    qint64 EstimatedTotalMs() const { return m_estimatedTotalMs; }
    // "elapsed / estimate", "NA" until the first estimate.
    QString TimeText() const;
    const QString &LogText() const { return m_log.Text(); }
    QString CommonFolder() const { return m_commonFolder; }
    QStringList WrittenFiles() const;

public slots:
    // Pause holds every worker at its next poll; the time paused does not count.
    void SetPaused(bool paused);
    // Stops every worker at its next poll; the run then finishes with the interrupted summary.
    void Abort();
    // The answer to the question OverwriteQuestion asked for worker `workerIndex`; `path` is
    // the (renamed, for answer 5) output path. False when that worker is not waiting, or a
    // rename came without a path.
    bool AnswerOverwrite(int workerIndex, int answer, const QString &path);
    // A log line from a worker or the upload: flag 0 screen and file, 1 screen, 2 file.
    void UpdateLog(QString msg, int nFlag = 0);
    // Asks a running upload to stop after the file being sent.
    void AbortUpload();
    // The questions of the e-mail hand-off; a window sets them for interactive runs.
    void SetEmailPrompts(SEmailPrompts prompts) { m_emailSender.SetEmailPrompts(std::move(prompts)); }

signals:
    void LogShown(QString line); // a line for the on-screen log
    void OperationsChanged(int done, int total);
    void PhotosChanged(int done, int total);
    void TimeChanged(QString text); // every second while running and not paused
    void OverwriteQuestion(QString outPathName, int thIndex); // interactive runs only
    void GhostscriptNotice(QString extension); // interactive runs only
    void WarningRaised(QString text); // interactive runs only: "Could not save log."
    // Every worker has finished and the summary is in the log.
    void WorkersFinished(SBatchSummary summary);
    // The upload of `total` written files starts; the progress below counts from 0.
    void UploadStarted(int total);
    void UploadProgress(int done, int total, double speed); // speed in KB/s
    // The run is over and its log saved.
    void Finished(SBatchSummary summary);

private slots:
    void ProgressOperation();
    void ProgressImage();
    void OverwriteDlg(QString outPathName, int thIndex);
    void OpenFolder(QString folderPath);
    void FinishedThread();
    void DisplayGSMessage(QString ext);
    void OnTimer();
    void ProgressImageUpload(double speed);
    void FinishedThreadUpload(int uploadedFilesCount);

private:
    bool Unattended() const;
    void WriteHeader(int activeFilters, int processorThreads);
    void CheckColorProfile();
    void LogSkippedNames();
    QString CommonSourceFolder() const;
    // Each photo's place among the photos of its folder, into the run's copy and, when the
    // copy was taken from it, into the photo list.
    void NumberPhotosByFolder(SJobSnapshot &job, bool writeBack);
    void ShowAndAdd(const QString &line, const QString &ending = QStringLiteral("\r\n"));
    void StartUpload(int destination);
    void SaveLog();
    void EndRun();
    SBatchSummary Summary() const;
    void StopAllWorkers();
    // Takes back this run's EndImageHelpers() once its workers are done.
    void AllowHelpersAgain();
    void RestoreMagickThreads();

    std::shared_ptr<const SJobSnapshot> m_job;

    mutable SBatchShared m_shared; // its locks are taken in const readers too
    std::vector<std::unique_ptr<CProcessThread>> m_workers;
    CBatchLog m_log;
    QString m_commonFolder;

    int m_photoCount = 0;
    int m_operationsPerPhoto = 2;
    int m_totalOperations = 0;
    int m_operationsDone = 0;
    int m_photosDone = 0;
    int m_finishedWorkers = 0;
    int m_errorTotal = 0;
    qint64 m_estimatedTotalMs = 0;
    bool m_interactive = false;
    bool m_started = false;
    bool m_workersFinished = false;
    bool m_finished = false;
    bool m_aborted = false;
    bool m_paused = false;
    bool m_folderOpened = false;
    bool m_uploading = false;
    bool m_endingHelpers = false; // this run holds an EndImageHelpers()
    int m_uploadTotal = 0;
    int m_uploadProgress = 0; // files sent so far, as the upload reports them
    int m_uploadedCount = 0;

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_timeBeforePause = 0;

    qint64 m_savedMagickThreads = -1; // this run lowered ImageMagick's thread limit: not -1

    CUploadThread m_uploadThread;
    CUpload m_emailSender;
};
