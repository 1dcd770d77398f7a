#include "BatchCore.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <Magick++.h>

#include "ImageEngineSetup.h"
#include "ListImages.h"
#include "OutputPaths.h"
#include "TextCodecs.h"
#include "Trace.h"
#include "UserProfile.h"
#include "platform/DesktopOpen.h"

#include <algorithm>

namespace {

constexpr int TimerIntervalMs = 1000;
constexpr int EstimateEveryOperations = 20;

} // namespace

CBatchCore::CBatchCore(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<SBatchSummary>();
    m_timer.setInterval(TimerIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CBatchCore::OnTimer);
}

namespace {

// ImageMagick's thread limit is the process's: the runs that lowered it, and what it was.
QMutex magickThreadsLock;
int runsLimitingThreads = 0; // guarded by magickThreadsLock
qint64 savedMagickThreads = -1; // guarded by magickThreadsLock

} // namespace

CBatchCore::~CBatchCore()
{
    StopAllWorkers();
    for (const auto &worker : m_workers) {
        // A worker that waits for an answer no one will give any more.
        if (worker->IsWaiting())
            worker->GiveAnswer(OverwriteAnswer::Abort, QString());
    }
    for (const auto &worker : m_workers)
        worker->wait();
    AllowHelpersAgain();
    RestoreMagickThreads();
    if (m_uploadThread.isRunning()) {
        m_uploadThread.Abort(true);
        m_uploadThread.wait();
    }
}

int CBatchCore::ThreadCount(int processorThreads, int photoCount, bool useMulticore, bool multipage)
{
    int count = processorThreads < 1 ? 1 : std::min(processorThreads, MaximumWorkers);
    count = std::min(count, photoCount);
    if (!useMulticore || multipage)
        count = 1;
    return std::max(count, 1);
}

QList<SImageRecord> CBatchCore::AssignedPhotos(
    const QList<SImageRecord> &photos, int count, int index)
{
    QList<SImageRecord> share;
    for (const SImageRecord &photo : photos) {
        if (count > 0 && photo.sequenceNumber % count == index)
            share.append(photo);
    }
    return share;
}

QString CBatchCore::FormatTime(qint64 ms)
{
    const qint64 hours = ms / 3600000;
    const qint64 minutes = ms % 3600000 / 60000;
    const qint64 seconds = ms % 60000 / 1000;
    if (hours > 0)
        return QString::asprintf("%02d:%02d:%02d", int(hours), int(minutes), int(seconds));
    return QString::asprintf("%02d:%02d", int(minutes), int(seconds));
}

QString CBatchCore::FormatElapsed(qint64 ms)
{
    const qint64 tenths = ms / 100;
    const int hours = int(tenths / 36000);
    const int minutes = int(tenths % 36000 / 600);
    const int seconds = int(tenths % 600 / 10);
    const int rest = int(tenths % 10);
    if (hours > 0)
        return QString::asprintf("%d:%02d:%02d.%ds", hours, minutes, seconds, rest);
    if (minutes > 0)
        return QString::asprintf("%d:%02d.%ds", minutes, seconds, rest);
    return QString::asprintf("%d.%ds", seconds, rest);
}

const SJobSnapshot &CBatchCore::Job()
{
    if (!m_job)
        m_job = SJobSnapshot::Capture();
    return *m_job;
}

bool CBatchCore::Unattended() const
{
    return !m_interactive || !m_job || m_job->SilentScript || m_job->OutputOptions.HideProcessing;
}

bool CBatchCore::Start()
{
    LogMessage(QStringLiteral("CBatchCore::Start"));
    if (m_started)
        return false;
    const bool captured = !m_job;
    const auto job = std::make_shared<SJobSnapshot>(Job());
    // Files a folder search could not take still make a run: it names them as failures.
    if (job->Photos.isEmpty() && job->SkippedNames.isEmpty())
        return false;
    m_started = true;
    NumberPhotosByFolder(*job, captured);
    m_job = job;

    m_photoCount = int(job->Photos.size());
    const int activeFilters = job->ActiveFilterCount();
    m_operationsPerPhoto = 2 + activeFilters;
    m_totalOperations = m_operationsPerPhoto * m_photoCount;

    const int processorThreads = QThread::idealThreadCount();
    const int workerCount = ThreadCount(
        processorThreads, m_photoCount, job->UseMulticore, job->OutputOptions.Multipage);
    WriteHeader(activeFilters, processorThreads);
    if (!job->OutputOptions.Multipage) {
        ShowAndAdd(
            tr("Launching %1 thread(s) of execution.").arg(workerCount) + QStringLiteral("\r\n"));
    }
    CheckColorProfile();
    LogSkippedNames();

    m_commonFolder = job->OutputOptions.OutputFolderStruct == OutputPaths::RecreateTree
        ? CommonSourceFolder()
        : QString();

    // Each worker decodes and encodes on its own thread; ImageMagick's own threads inside every
    // operation would only oversubscribe the processors and slow the run down.
    if (workerCount > 1 && m_savedMagickThreads < 0) {
        // Runs may overlap (a window's run and an unattended one): the first saves the limit,
        // the last gives it back, so previews never stay at one thread.
        QMutexLocker locker(&magickThreadsLock);
        if (runsLimitingThreads++ == 0)
            savedMagickThreads
                = qint64(MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource));
        m_savedMagickThreads = savedMagickThreads;
        MagickCore::SetMagickResourceLimit(MagickCore::ThreadResource, 1);
    }

    const bool askQuestions = !Unattended();
    const QList<SImageRecord> &photos = job->Photos;
    for (const SImageRecord &photo : photos)
        m_shared.sourcePaths[photo.pathName.toLower()].append(photo.pathName);
    for (int index = 0; index < workerCount; ++index) {
        auto worker = std::make_unique<CProcessThread>();
        worker->SetJob(m_job);
        worker->SetShared(&m_shared);
        worker->SetWorkerIndex(index);
        worker->SetAssignedPhotos(AssignedPhotos(photos, workerCount, index));
        worker->SetCommonFolder(m_commonFolder);
        worker->SetAskQuestions(askQuestions);
        const auto queued = Qt::QueuedConnection;
        connect(worker.get(), &CProcessThread::IncProgressOperation, this,
            &CBatchCore::ProgressOperation, queued);
        connect(worker.get(), &CProcessThread::IncProgressImage, this, &CBatchCore::ProgressImage,
            queued);
        connect(worker.get(), &CProcessThread::ThreadFinished, this, &CBatchCore::FinishedThread,
            queued);
        connect(worker.get(), &CProcessThread::AppendLog, this, &CBatchCore::UpdateLog, queued);
        connect(worker.get(), &CProcessThread::ShowOverwriteDlg, this, &CBatchCore::OverwriteDlg,
            queued);
        connect(
            worker.get(), &CProcessThread::OpenOutputFolder, this, &CBatchCore::OpenFolder, queued);
        connect(worker.get(), &CProcessThread::SignalDisplayGSMessage, this,
            &CBatchCore::DisplayGSMessage, queued);
        m_workers.push_back(std::move(worker));
    }

    m_finishedWorkers = 0;
    m_clock.start();
    m_timer.start();
    emit OperationsChanged(0, m_totalOperations);
    emit PhotosChanged(0, m_photoCount);
    for (const auto &worker : m_workers)
        worker->start(QThread::InheritPriority);
    return true;
}

void CBatchCore::WriteHeader(int activeFilters, int processorThreads)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString stamp = QString::asprintf("%02d-%02d-%02d, %02d:%02d:%02d", date.year(),
        date.month(), date.day(), time.hour(), time.minute(), time.second());
    m_log.Append(tr("Process started at %1").arg(stamp) + QStringLiteral(".\r\n\r\n"));

    ShowAndAdd(tr("Processing %1 images with %2 graphical filter(s) per image.")
                   .arg(m_photoCount)
                   .arg(activeFilters)
        + QStringLiteral("\r\n"));
    if (m_job->OutputOptions.Multipage) {
        ShowAndAdd(tr("Creating a single multi-page document."));
    } else {
        ShowAndAdd(tr("System: %1 CPU core(s) detected.").arg(processorThreads));
    }
}

void CBatchCore::CheckColorProfile()
{
    const QString format = m_job->OutputOptions.OutputFormat.toUpper();
    const bool customProfile
        = (format == QLatin1String("JPG") && m_job->Image.JpegType == JpegColors::Custom)
        || (format == QLatin1String("TIF") && m_job->Image.TiffType == TiffColors::Custom);
    if (customProfile && !QFile::exists(m_job->Image.CustomProfile)) {
        ShowAndAdd(QStringLiteral(" - ") + tr("Failed to load") + QLatin1Char(' ')
            + PrintablePath(m_job->Image.CustomProfile));
        ++m_errorTotal;
    }
}

void CBatchCore::LogSkippedNames()
{
    const QString reason = tr("the file name is not valid UTF-8");
    for (const QString &name : m_job->SkippedNames) {
        const QString prefix = QStringLiteral(" - ") + tr("Failed to load") + QLatin1Char(' ');
        const QString why = QStringLiteral(" (") + reason + QLatin1Char(')');
        UpdateLog(prefix + ElidePath(name, 32, true) + why, 1);
        UpdateLog(prefix + name + why, 2);
        ++m_errorTotal;
    }
}

QString CBatchCore::CommonSourceFolder() const
{
    if (m_job->MonitorScript) {
        QString folder = m_job->MonitorFolder;
        while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        return folder;
    }
    QStringList folders;
    for (const SImageRecord &photo : m_job->Photos)
        folders.append(photo.folder);
    return OutputPaths::CommonFolder(folders);
}

void CBatchCore::NumberPhotosByFolder(SJobSnapshot &job, bool writeBack)
{
    QHash<QString, int> seen;
    CListImages *photoList = writeBack ? CListImages::instance() : nullptr;
    for (int index = 0; index < job.Photos.size(); ++index) {
        int &count = seen[job.Photos.at(index).folder];
        job.Photos[index].folderPosition = count;
        if (photoList)
            photoList->SetFolderPosition(index, count);
        ++count;
    }
}

void CBatchCore::ShowAndAdd(const QString &line, const QString &ending)
{
    emit LogShown(line);
    m_log.Append(line + ending);
}

qint64 CBatchCore::ElapsedMs() const
{
    const qint64 running
        = !m_paused && m_clock.isValid() && !m_workersFinished ? m_clock.elapsed() : 0;
    return m_timeBeforePause + running;
}

QString CBatchCore::TimeText() const
{
    return FormatTime(ElapsedMs()) + QStringLiteral(" / ")
        + (m_estimatedTotalMs < 1 ? QStringLiteral("NA") : FormatTime(m_estimatedTotalMs));
}

QStringList CBatchCore::WrittenFiles() const
{
    QMutexLocker lock(&m_shared.writtenLock);
    return m_shared.writtenFiles;
}

void CBatchCore::SetPaused(bool paused)
{
    if (!IsRunning() || paused == m_paused)
        return;
    for (const auto &worker : m_workers)
        worker->RequestPause(paused);
    if (paused) {
        m_timer.stop();
        m_timeBeforePause += m_clock.elapsed();
        m_paused = true;
    } else {
        m_paused = false;
        m_clock.restart();
        m_timer.start();
    }
}

void CBatchCore::Abort()
{
    if (!IsRunning())
        return;
    LogMessage(QStringLiteral("CBatchCore::Abort"));
    m_aborted = true;
    StopAllWorkers();
}

void CBatchCore::StopAllWorkers()
{
    for (const auto &worker : m_workers)
        worker->RequestStop();
    // A worker waiting for Ghostscript would only see the stop after the helper's time limit;
    // one whose helper is only starting is stopped too, until the workers are done.
    if (IsRunning() && !m_endingHelpers) {
        m_endingHelpers = true;
        EndImageHelpers();
    }
}

void CBatchCore::AllowHelpersAgain()
{
    if (m_endingHelpers) {
        m_endingHelpers = false;
        AllowImageHelpers();
    }
}

bool CBatchCore::AnswerOverwrite(int workerIndex, int answer, const QString &path)
{
    if (workerIndex < 0 || workerIndex >= WorkerCount())
        return false;
    CProcessThread *asking = m_workers.at(size_t(workerIndex)).get();
    if (!asking->IsWaiting())
        return false;
    if (answer == OverwriteAnswer::Rename && path.isEmpty())
        return false;

    switch (answer) {
    case OverwriteAnswer::YesToAll:
        for (const auto &worker : m_workers)
            worker->SetOverwriteAll();
        break;
    case OverwriteAnswer::NoToAll:
        for (const auto &worker : m_workers)
            worker->SetSkipAll();
        break;
    case OverwriteAnswer::Abort:
        m_aborted = true;
        StopAllWorkers();
        break;
    default:
        break;
    }
    return asking->GiveAnswer(answer, path);
}

void CBatchCore::OverwriteDlg(QString outPathName, int thIndex)
{
    if (m_job->OutputOptions.DisableNotifications) {
        AnswerOverwrite(thIndex, OverwriteAnswer::YesToAll, outPathName);
        return;
    }
    if (Unattended()) {
        // Workers of an unattended run never ask; should one do so, nothing is replaced.
        AnswerOverwrite(thIndex, OverwriteAnswer::No, outPathName);
        return;
    }
    emit OverwriteQuestion(outPathName, thIndex);
}

void CBatchCore::OpenFolder(QString folderPath)
{
    if (m_folderOpened || !m_job->OutputOptions.OpenOutputFolder
        || m_job->OutputOptions.HideProcessing || m_job->SilentScript)
        return;
    m_folderOpened = true;
    Platform::OpenLocalPath(folderPath);
}

void CBatchCore::DisplayGSMessage(QString ext)
{
    if (!Unattended()) {
        emit GhostscriptNotice(ext);
        return;
    }
    // Once per format while the program runs, as the notice itself would be.
    if (CUserProfile::instance()->TakeGhostscriptNotice(ext)) {
        UpdateLog(tr("In order to read %1 documents Quendrasil requires Ghostscript to be "
                     "installed on your computer.")
                      .arg(ext.toUpper()));
    }
}

void CBatchCore::ProgressOperation()
{
    ++m_operationsDone;
    if (m_operationsDone % EstimateEveryOperations == 0) {
        m_estimatedTotalMs = qint64(double(ElapsedMs()) / m_operationsDone * m_totalOperations);
    }
    emit OperationsChanged(m_operationsDone, m_totalOperations);
}

void CBatchCore::ProgressImage()
{
    ++m_photosDone;
    emit PhotosChanged(m_photosDone, m_photoCount);
}

void CBatchCore::OnTimer()
{
    emit TimeChanged(TimeText());
}

void CBatchCore::UpdateLog(QString msg, int nFlag)
{
    if (m_log.Route(msg, nFlag))
        emit LogShown(msg);
}

void CBatchCore::FinishedThread()
{
    ++m_finishedWorkers;
    if (m_finishedWorkers < WorkerCount())
        return;

    // ThreadFinished is each worker's last act; joining it here is quick.
    for (const auto &worker : m_workers)
        worker->wait();
    AllowHelpersAgain();
    const qint64 elapsed = ElapsedMs();
    m_workersFinished = true;
    m_timeBeforePause = elapsed;
    m_timer.stop();
    RestoreMagickThreads();

    for (const auto &worker : m_workers)
        m_errorTotal += worker->ErrorCount();
    ShowAndAdd(QString());
    if (m_aborted)
        ShowAndAdd(tr("Process interrupted by the user."));
    if (m_errorTotal != 0) {
        ShowAndAdd(tr("Warning: Process completed with %1 errors. For details see the log above.")
                       .arg(m_errorTotal));
    } else {
        ShowAndAdd(tr("Process completed without errors."));
    }
    ShowAndAdd(tr("Time elapsed") + QStringLiteral(": ") + FormatElapsed(elapsed), QString());
    emit WorkersFinished(Summary());

    if (m_aborted || m_job->OutputOptions.Destination == OutputDestination::Folder) {
        EndRun();
        return;
    }
    StartUpload(m_job->OutputOptions.Destination);
    if (!m_uploading)
        EndRun();
}

void CBatchCore::StartUpload(int destination)
{
    const QStringList files = WrittenFiles();
    if (destination == OutputDestination::Email) {
        m_emailSender.SetJob(m_job->OutputOptions.KeepsOutputOnDisk(), m_job->MonitorScript);
        // Without a window nobody is asked: the message and its files stay for the user.
        if (!m_emailSender.SendByEmail(files))
            ShowAndAdd(QStringLiteral("\r\n") + tr("Could not open default mail client."), QString());
        else if (Unattended())
            ShowAndAdd(QStringLiteral("\r\n") + tr("Files attached successfuly."), QString());
        return;
    }
    if (destination != OutputDestination::Ftp)
        return;

    SOutputOptions output = m_job->OutputOptions;
    const QString line = QStringLiteral("\r\n\r\n") + tr("Uploading to ") + output.FTPHost
        + QStringLiteral("...");
    emit LogShown(line);
    m_log.Append(QStringLiteral("\r\n") + line + QStringLiteral("\r\n"));
    output.FTPFolder = CUpload::SlashedFolder(output.FTPFolder);
    // The job itself takes the slashes too, as the upload always did.
    SOutputOptions &current = CUserProfile::instance()->OutputOptions;
    current.FTPFolder = CUpload::SlashedFolder(current.FTPFolder);

    m_uploading = true;
    m_uploadTotal = int(files.size());
    m_uploadedCount = 0;
    m_uploadProgress = 0;
    emit UploadStarted(m_uploadTotal);
    m_uploadThread.Files = files;
    m_uploadThread.SetJob(output, m_job->MonitorScript);
    connect(&m_uploadThread, &CUploadThread::IncProgressImageUpload, this,
        &CBatchCore::ProgressImageUpload, Qt::QueuedConnection);
    connect(&m_uploadThread, &CUploadThread::UploadThreadFinished, this,
        &CBatchCore::FinishedThreadUpload, Qt::QueuedConnection);
    connect(&m_uploadThread, &CUploadThread::AppendLog, this, &CBatchCore::UpdateLog,
        Qt::QueuedConnection);
    m_uploadThread.start(QThread::InheritPriority);
}

void CBatchCore::ProgressImageUpload(double speed)
{
    ++m_uploadProgress;
    emit UploadProgress(m_uploadProgress, m_uploadTotal, speed);
}

void CBatchCore::FinishedThreadUpload(int uploadedFilesCount)
{
    if (!m_uploading)
        return;
    // The relayed signal comes from run()'s last statement; joining is quick.
    m_uploadThread.wait();
    m_uploading = false;
    m_uploadedCount = uploadedFilesCount;
    LogMessage(QStringLiteral("CBatchCore::FinishedThreadUpload"),
        QStringLiteral("uploadedFilesCount: %1").arg(uploadedFilesCount));
    if (uploadedFilesCount > 0) {
        ShowAndAdd(tr("Successfully uploaded %1 picture(s).").arg(uploadedFilesCount)
            + QStringLiteral("\r\n"));
    }
    if (!m_job->OutputOptions.SaveOnDiskFTP)
        ShowAndAdd(tr("Deleting temporary files...") + QStringLiteral("\r\n"));
    ShowAndAdd(uploadedFilesCount > 0 ? tr("Upload completed.") : tr("Upload failed."), QString());
    EndRun();
}

void CBatchCore::AbortUpload()
{
    if (m_uploading)
        m_uploadThread.Abort(true);
}

void CBatchCore::EndRun()
{
    SaveLog();
    m_finished = true;
    emit Finished(Summary());
}

void CBatchCore::SaveLog()
{
    m_log.Close();
    bool saved = true;
    if (m_job->MonitorScript && m_job->CreateLog) {
        saved = CBatchLog::WriteLogFile(CBatchLog::MonitorLogPath(m_job->MonitorId), m_log.Text())
            && saved;
    }
    if (m_job->WriteProgramLog && !m_job->MonitorScript)
        saved = CBatchLog::WriteLogFile(CBatchLog::ProgramLogPath(), m_log.Text()) && saved;
    if (saved)
        return;

    const QString warning = tr("Could not save log.");
    if (Unattended()) {
        LogMessage(QStringLiteral("CBatchCore::SaveLog"), warning);
        emit LogShown(warning);
    } else {
        emit WarningRaised(warning);
    }
}

SBatchSummary CBatchCore::Summary() const
{
    SBatchSummary summary;
    summary.photoCount = m_photoCount;
    summary.photosDone = m_photosDone;
    summary.errorTotal = m_errorTotal;
    summary.aborted = m_aborted;
    summary.elapsedMs = m_timeBeforePause;
    summary.writtenFiles = WrittenFiles();
    return summary;
}

void CBatchCore::RestoreMagickThreads()
{
    if (m_savedMagickThreads < 0)
        return;
    m_savedMagickThreads = -1;
    QMutexLocker locker(&magickThreadsLock);
    if (--runsLimitingThreads == 0)
        MagickCore::SetMagickResourceLimit(
            MagickCore::ThreadResource, MagickCore::MagickSizeType(savedMagickThreads));
}
