#pragma once

#include "Job.h"
#include "WorkerThread.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QThread>

#include <atomic>

class CFormatsEnum;
class CJobList;

// Watches one job of the job list. Every 50 ms it looks at the clock; once per observed second
// it copies its job (found by Id), scans the job's source when the job is active and its
// interval is due, and hands new photos to the main program through a script. After a batch
// the main program finished, it writes the job's log and count back into the list.
//
// The window writes JobId before start() and StopRequested to end the thread; both are
// atomics. Everything else belongs to the thread while it runs.
class CMonitorThread : public CWorkerThread
{
    Q_OBJECT

public:
    explicit CMonitorThread(QObject *parent = nullptr);
    ~CMonitorThread() override;

    // The images of the current pass that are new for the job; emptied at every pass.
    QList<SJobImage> NewImages;
    std::atomic<bool> StopRequested { false };
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
    // Sleeps in short slices; false as soon as a stop is requested.
    bool SleepUnlessStopped(int milliseconds);

    CJobList *m_jobList;
    const CFormatsEnum *m_formats;
    // Canonical paths of the folders the current listing has walked.
    QSet<QString> m_visitedFolders;
};

// MD5 of a file's content as 32 lower-case hexadecimal digits; "" when it cannot be read.
QString FileMd5(const QString &path);
// Bytes of all files below a folder, hidden ones included, links and special files left out;
// 0 when the path is not a folder.
qint64 GetFolderSize(const QString &path);
