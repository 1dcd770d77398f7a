#pragma once

#include <QList>
#include <QMutex>
#include <QString>

#include <functional>
#include <optional>

// A job's Type as Monitor.xml and the script's Monitor block hold it. The field stays a
// number: a hand-edited store may hold any other, and such a job is kept but lists nothing.
namespace JobType {
enum : qint16 { Folder = 0, Ftp = 1 };
constexpr bool IsKnown(int type)
{
    return type == Folder || type == Ftp;
}
} // namespace JobType

// One photo of a job's log or of its latest scan.
struct SJobImage
{
    QString Path;
    QString Hash; // MD5 of the content for a folder job, "" for an FTP job
    qint64 Time = 0; // modification time in ms since 1970 UTC, 0 when unknown; never stored

    bool operator==(const SJobImage &other) const = default;
};

// One watch job: a plain value record, copied whole wherever it goes.
class CJob
{
public:
    QList<SJobImage> Log; // the photos seen in the source by the latest scan
    QList<SJobImage> CurrentImages; // working list of the watch thread, never stored
    QString Name;
    QString Description;
    QString Source; // local folder (folder job) or remote folder (FTP job)
    QString Script; // the job profile applied to new photos
    bool Subfolders = false;
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;
    QString Mask;
    quint16 Interval = 60; // seconds; stored as a signed decimal
    quint16 PicCount = 0;
    QString Username;
    QString Password;
    QString Host;
    qint32 Port = 21;
    bool UseSFTP = false;
    bool Active = true;
    qint16 Type = JobType::Folder;
    qint64 Id = 0;
    // Raised by the list at every edit through Update; neither stored nor compared. A watch
    // thread's write-back tells by it that the window changed the job meanwhile.
    quint64 Revision = 0;

    // Same definition: the log, the count and the check box take no part.
    bool operator==(const CJob &other) const;
    bool operator!=(const CJob &other) const { return !(*this == other); }
};

// Removes the earlier of every two equal jobs, so the one appended last stays.
void PurgeDuplicateJobs(QList<CJob> &jobs);

// The process-wide job list, shared by the window and every watch thread. Every access takes
// the lock: callers get copies and write back by Id, never by a position they kept.
class CJobList
{
public:
    QList<CJob> Jobs() const;
    int Count() const;
    std::optional<CJob> At(int index) const;
    // The last job with this Id, as the watch thread takes it; none when it has gone.
    std::optional<CJob> FindById(qint64 id) const;

    void Append(const CJob &job); // then purges duplicates
    void Remove(const CJob &job); // the first equal job, if any
    // The window's edit of one job, made in one step under the lock: `edit` changes the job at
    // `row` when it still has this Id, else the last job with the Id. False when it has gone.
    bool Update(int row, qint64 id, const std::function<void(CJob &)> &edit);
    void Clear();
    // Writes a hand-over's results (scanned: CurrentImages, Log, PicCount) into every job with
    // this Id; its other fields stay. `seen` is the job as the pass copied it. The user wins:
    // where the job was edited since (Update), a log the edit changed (a "Reprocess") stands,
    // and PicCount only grows by the photos handed over.
    void WriteBackScan(qint64 id, const CJob &seen, const CJob &scanned);
    // A new job's Id: the time in seconds, or one more than the largest Id when that is later,
    // so two jobs made within one second never share a profile file.
    qint64 NewId() const;

private:
    mutable QMutex m_lock;
    QList<CJob> m_jobs;
};

CJobList *GetJobList(); // created empty on first use
void DeleteJobList();
