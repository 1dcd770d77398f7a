#pragma once

#include "FileAttributes.h"
#include "ImageManager.h"
#include "JobSnapshot.h"
#include "ListImages.h"
#include "OverwriteAnswer.h"
#include "RenameSettings.h"
#include "WorkerThread.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

class CFormatsEnum;

// What the workers of one run share. The batch core owns it and outlives every worker; each
// list is guarded by the lock named beside it. When both list locks are needed, namesLock is
// taken first.
struct SBatchShared
{
    QMutex questionLock; // held by the one worker whose overwrite question is open
    QMutex folderLock; // creating the temporary and output folders
    QMutex namesLock; // guards outputNames
    QMutex writtenLock; // guards writtenFiles
    // Every output path handed out in this run, after making it unique within the run.
    QStringList outputNames;
    // Every file this run writes (one per page of a source written page by page); handed to
    // the upload or e-mail step. A photo that ends up writing nothing is taken out again.
    QStringList writtenFiles;
    // The run's sources by lower-cased path: a photo's output may replace its own source
    // (after reading it) but never another photo's, which may not have been read yet. Filled
    // before the workers start and only read while they run, so it needs no lock.
    QHash<QString, QStringList> sourcePaths;
};

// One worker thread of a batch run. It takes its share of the photos one by one: builds the
// output path, settles an existing output file, then copies, moves or renames the photo
// without decoding it, or decodes it, applies every active step of the filter chain and
// encodes it again. Everything it reads of the job comes from the run's own copy (SetJob),
// never from the live job. It reports through queued signals; the batch core talks back only
// through the flags below, which the worker polls every 100 ms.
class CProcessThread : public CWorkerThread
{
    Q_OBJECT

public:
    CProcessThread();
    ~CProcessThread() override;

    // Set by the batch core before start.
    void SetJob(std::shared_ptr<const SJobSnapshot> runJob);
    void SetShared(SBatchShared *batchShared) { shared = batchShared; }
    void SetWorkerIndex(int index) { workerIndex = index; }
    void SetAssignedPhotos(const QList<SImageRecord> &photos) { assignedPhotos = photos; }
    void SetCommonFolder(const QString &folder) { commonFolder = folder; }
    // False for unattended runs: no overwrite question is ever asked.
    void SetAskQuestions(bool ask) { askQuestions = ask; }

    // The batch core's side of the flags; any thread.
    void RequestPause(bool pause) { pauseRequest = pause; }
    bool IsPauseRequested() const { return pauseRequest; }
    void RequestStop() { stopRequest = true; }
    bool IsStopRequested() const { return stopRequest; }
    void SetOverwriteAll() { overwriteAll = true; }
    void SetSkipAll() { skipAll = true; }
    bool IsWaiting() const { return waiting; }
    // The answer to this worker's open question; a renamed path comes with answer 5. The
    // worker reads both only after it sees its waiting flag cleared here. False when the
    // worker is not waiting (any more).
    bool GiveAnswer(int answer, const QString &path);

    // The box a JPEG may be decoded down to for this chain (see
    // CImageManager::SetDecodeSizeHint), or an empty size. Only a chain whose first active step
    // shrinks the whole photo into a box known from the step alone qualifies: Resize in pixels
    // fitted into a box or to an exact size, or Thumbnail. Any other first step may need every
    // pixel of the source.
    static QSize DecodeSizeHint(const QList<SFilterRecord> &chain);

    int WorkerIndex() const { return workerIndex; }
    int ErrorCount() const { return errorCount; }
    bool OutputKeptOnDisk() const { return outputKeptOnDisk; }

signals:
    void IncProgressOperation();
    void IncProgressImage();
    void AppendLog(QString msg, int nFlag = 0);
    void ThreadFinished();
    void ShowOverwriteDlg(QString outPathName, int thIndex);
    void OpenOutputFolder(QString folderPath);
    void SignalDisplayGSMessage(QString ext);

protected:
    void Run() override;

private:
    enum class EFailure { Load, Filter, Write, Copy, Move, RenameAndCopy, RenameAndMove };
    enum class EStep { Next, Stop, EndRun };

    // False when the stop request ends the run.
    bool Poll();
    EStep ProcessPhoto(const SImageRecord &photo);
    bool ReadImage();
    // False when the stop request interrupted the chain.
    bool ApplyFilters();
    bool WriteImage();
    void WriteDocument();
    void PostProcessing();

    void GeneratePathName();
    bool NameNeedsPhotoDate() const;
    void SetOriginalFileExtension();
    QString MapExtension(const QString &format) const;
    void ResolveDuplicateFilenames(const QString &folder, const QString &base, const QString &ext);
    void AddUsedPathName(const QString &path);
    // False when the photo is skipped.
    bool CheckPathName();
    bool AskOverwriteQuestion();
    // Moves the photo to the first free "name (k).ext"; nothing on disk is replaced.
    void NumberOutputFile();
    // Moves the photo's output to another path in both shared lists; namesLock is held.
    void TakeOutputPathLocked(const QString &newPath);
    // Takes the current photo's files out of the written files: it wrote nothing.
    void ForgetPhotoFiles();
    bool AnyOutputExists(const QString &path) const;
    // Whether `path` is the source of another photo of the run.
    bool IsOtherSource(const QString &path) const;
    bool CheckLightProcessing() const;
    void LightProcessing(bool &settled);
    static void ClearReadOnly(const QString &path);

    void LogFailure(EFailure kind, const QString &path, const QString &reason = QString(),
        const QString &filterName = QString());
    void LogResult();
    void RestoreFileAttributes();
    void DeleteSourceWhenSafe();
    QStringList PhotoFiles() const;
    QStringList PhotoFiles(const QString &path) const;
    bool CreateFolder(const QString &folder);

    std::shared_ptr<const SJobSnapshot> job; // the run's copy of the job; never null once set
    const CFormatsEnum *formats;
    SBatchShared *shared = nullptr;

    // Every photo of the run; its side-image cache lives as long as the run.
    std::unique_ptr<CImageManager> engine;
    std::unique_ptr<CImageManager> namingEngine; // pings for the photo date only

    // The current photo.
    QString sourcePath;
    QString sourceFolder;
    QString baseName;
    QString extension;
    qint32 sequenceNumber = 0;
    qint32 folderPosition = 0;
    int pageCount = 1;
    bool multipageSource = false;
    bool splitPages = false; // written one file per page
    bool filterFailed = false;
    bool outputExisted = false;
    bool overwriteThis = false;
    bool skipThis = false;
    bool renamedThis = false;
    bool photoReported = false;
    std::unique_ptr<SFileAttributeRecord> savedAttributes;
    QString outputPath;

    // One multi-page document for the whole run.
    bool documentMode = false;
    bool documentFixed = false;
    int documentPages = 0;
    QStringList documentResults; // result lines held back until the document is written

    // Flags shared with the batch core.
    std::atomic_bool waiting { false };
    std::atomic_int answer { OverwriteAnswer::Abort };
    QMutex answerLock; // guards answerPath and the hand-over of waiting, answer and path
    QString answerPath;
    std::atomic_bool overwriteAll { false };
    std::atomic_bool skipAll { false };
    std::atomic_bool stopRequest { false };
    std::atomic_bool pauseRequest { false };
    std::atomic_int errorCount { 0 };

    int photoCounter = 0;
    int workerIndex = 0;
    QList<SImageRecord> assignedPhotos;
    SRenameSettings renameSettings;
    bool outputKeptOnDisk = true;
    bool askQuestions = true;
    QString commonFolder;
    QString baseFolder;
};
