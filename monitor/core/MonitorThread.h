#pragma once

#include "ChecksumCache.h"
#include "Job.h"
#include "WorkerThread.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

class CFormatsEnum;
class CJobList;

// A watch thread's stop request. Setting it wakes the thread's sleeps at once, so the thread
// sleeps whole stretches instead of looking at the flag every few milliseconds.
class CStopFlag
{
public:
    CStopFlag &operator=(bool requested);
    operator bool() const { return m_requested.load(); }
    // Sleeps `milliseconds` unless a stop comes first; false when stopped.
    bool SleepFor(qint64 milliseconds);

private:
    std::atomic<bool> m_requested { false };
    std::mutex m_lock;
    std::condition_variable m_wake;
};

// Watches one job of the job list. Every 50 ms it looks at the clock; once per observed second
// it copies its job (found by Id), scans the job's source when the job is active and its
// interval is due, and hands new photos to the main program through a script. After a batch
// the main program finished, it writes the job's log and count back into the list.
//
// The window writes JobId before start() and StopRequested to end the thread; both are
// safe to write from another thread. Everything else belongs to the thread while it runs.
class CMonitorThread : public CWorkerThread
{
    Q_OBJECT

public:
    explicit CMonitorThread(QObject *parent = nullptr);
    ~CMonitorThread() override;

    // The images of the current pass that are new for the job; emptied at every pass.
    QList<SJobImage> NewImages;
    CStopFlag StopRequested;
    std::atomic<qint64> JobId { 0 };
    // The local folder of an FTP job's downloads; deleted after each hand-over.
    QString DownloadFolder;
    // How long a folder job's source may keep changing size before a scan gives up.
    int QuietFolderLimitMs = 120000;

    // Lists the job's source into its CurrentImages, fills NewImages, raises PicCount and
    // replaces the Log; `job` is the thread's private copy.
    void ScanForChanges(CJob &job, int type);
    // False when no complete listing was made (the folder did not settle, or a stop came).
    bool GenerateListCurrentImgs(CJob &job, const QString &source);
    void SearchAllFiles(const QString &folder, CJob &job);
    void GenerateFTPListCurrentImgs(CJob &job);
    bool IsSupportedFormat(const QString &path) const;
    // Sets aside new files of a folder job that are empty, unreadable or still growing.
    void RemoveUnstableFiles(CJob &job);
    // Writes the batch's script and returns its path, or "" when there is nothing to hand
    // over. On return `images` holds the photos the script names: an FTP photo whose
    // download failed is taken out.
    QString GenerateScript(const CJob &job, QList<SJobImage> &images);
    // The local path of one FTP photo's download; sets DownloadFolder.
    QString GetFTPTempFolder(const SJobImage &image, const CJob &job);

    // A relative Source is taken relative to the job profile's folder.
    static QString ResolvedSource(const CJob &job);
    static QString ScriptPath(qint64 jobId);
    // The main program started for each batch: Quendrasil beside this program. Tests put a
    // program of their own in its place; an empty path restores the real one.
    static QString MainProgram();
    static void SetMainProgram(const QString &path);

    // The sums of the job's files, kept between scans.
    CChecksumCache &Checksums() { return m_checksums; }
    // GetFolderSize, with the last answer kept while nothing below the folder changed.
    qint64 QuietFolderSize(const QString &folder);

signals:
    void BeginProcessing(QString jobName, bool silentMode);
    void EndProcessing();

protected:
    void Run() override;

private:
    enum class EMainProgramOutcome { Finished, Failed, StillRunning };

    // False when the thread must end: a stop came while the main program still ran. `seen` is
    // the job as the list held it when the pass began.
    bool HandOver(CJob &job, const CJob &seen);
    EMainProgramOutcome RunMainProgram(const QString &script);
    // False as soon as a stop is requested.
    bool SleepUnlessStopped(int milliseconds) { return StopRequested.SleepFor(milliseconds); }

    CJobList *m_jobList;
    const CFormatsEnum *m_formats;
    // Device and inode of the folders the current listing has walked.
    QSet<QPair<quint64, quint64>> m_visitedFolders;
    QSet<QString> m_readableExtensions;
    std::optional<QString> m_mask; // the mask m_maskPattern was made from
    QRegularExpression m_maskPattern;
    CChecksumCache m_checksums;
    struct SSizeMemo
    {
        QString folder;
        quint64 device;
        quint64 inode;
        qint64 size;
    };
    std::optional<SSizeMemo> m_sizeMemo;
    quint64 m_folderChanges; // this thread's client of the shared folder watch
};

// Bytes of all files below a folder, hidden ones included, links and special files left out;
// 0 when the path is not a folder.
qint64 GetFolderSize(const QString &path);
// The same, calling `beforeReadingFolder` with each folder before its entries are read.
qint64 GetFolderSize(
    const QString &path, const std::function<void(const QString &)> &beforeReadingFolder);
