#include "Job.h"

#include "JobStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>

#include <memory>

bool CJob::operator==(const CJob &other) const
{
    if (Type != other.Type || !JobType::IsKnown(Type))
        return false;
    const bool sameDefinition = Id == other.Id && Name == other.Name
        && Description == other.Description && Source == other.Source && Script == other.Script
        && Subfolders == other.Subfolders && Mask == other.Mask && Interval == other.Interval
        && Overwrite == other.Overwrite && CreateLog == other.CreateLog
        && SilentMode == other.SilentMode;
    if (!sameDefinition || Type == JobType::Folder)
        return sameDefinition;
    // A folder job keeps the FTP fields at their defaults, so only FTP jobs compare them.
    return Username == other.Username && Password == other.Password && Host == other.Host
        && Port == other.Port && UseSFTP == other.UseSFTP;
}

void PurgeDuplicateJobs(QList<CJob> &jobs)
{
    // A job goes when any later job equals it; the survivors keep their order.
    qsizetype index = 0;
    while (index < jobs.size()) {
        bool laterEqual = false;
        for (qsizetype later = index + 1; later < jobs.size() && !laterEqual; ++later)
            laterEqual = jobs.at(index) == jobs.at(later);
        if (laterEqual)
            jobs.removeAt(index);
        else
            ++index;
    }
}

QList<CJob> CJobList::Jobs() const
{
    QMutexLocker locker(&m_lock);
    return m_jobs;
}

int CJobList::Count() const
{
    QMutexLocker locker(&m_lock);
    return int(m_jobs.size());
}

std::optional<CJob> CJobList::At(int index) const
{
    QMutexLocker locker(&m_lock);
    if (index < 0 || index >= m_jobs.size())
        return std::nullopt;
    return m_jobs.at(index);
}

std::optional<CJob> CJobList::FindById(qint64 id) const
{
    QMutexLocker locker(&m_lock);
    for (qsizetype index = m_jobs.size() - 1; index >= 0; --index)
        if (m_jobs.at(index).Id == id)
            return m_jobs.at(index);
    return std::nullopt;
}

void CJobList::Append(const CJob &job)
{
    QMutexLocker locker(&m_lock);
    m_jobs.append(job);
    PurgeDuplicateJobs(m_jobs);
}

void CJobList::Remove(const CJob &job)
{
    QMutexLocker locker(&m_lock);
    const qsizetype index = m_jobs.indexOf(job);
    if (index >= 0)
        m_jobs.removeAt(index);
}

bool CJobList::Update(int row, qint64 id, const std::function<void(CJob &)> &edit)
{
    QMutexLocker locker(&m_lock);
    qsizetype index = row >= 0 && row < m_jobs.size() && m_jobs.at(row).Id == id ? row : -1;
    for (qsizetype candidate = m_jobs.size() - 1; index < 0 && candidate >= 0; --candidate) {
        if (m_jobs.at(candidate).Id == id)
            index = candidate;
    }
    if (index < 0)
        return false;
    CJob &job = m_jobs[index];
    edit(job);
    job.Id = id;
    ++job.Revision;
    return true;
}

void CJobList::Clear()
{
    QMutexLocker locker(&m_lock);
    m_jobs.clear();
}

void CJobList::WriteBackScan(qint64 id, const CJob &seen, const CJob &scanned)
{
    QMutexLocker locker(&m_lock);
    for (CJob &job : m_jobs) {
        if (job.Id != id)
            continue;
        job.CurrentImages = scanned.CurrentImages;
        if (job.Revision == seen.Revision) {
            job.Log = scanned.Log;
            job.PicCount = scanned.PicCount;
            continue;
        }
        // Edited during the hand-over: a log the user emptied or changed stands.
        if (job.Log == seen.Log)
            job.Log = scanned.Log;
        job.PicCount = quint16(job.PicCount + quint16(scanned.PicCount - seen.PicCount));
    }
}

qint64 CJobList::NewId() const
{
    qint64 id = QDateTime::currentSecsSinceEpoch();
    {
        QMutexLocker locker(&m_lock);
        for (const CJob &job : m_jobs)
            id = qMax(id, job.Id + 1);
    }
    // The profile of a removed job stays on disk; a new job must never take its file.
    while (QFileInfo::exists(JobProfilePath(id)))
        ++id;
    return id;
}

namespace {
// Guards the creation and deletion of the process-wide list, not the list itself.
QMutex jobListLock;
std::unique_ptr<CJobList> jobList;
} // namespace

CJobList *GetJobList()
{
    QMutexLocker locker(&jobListLock);
    if (!jobList)
        jobList = std::make_unique<CJobList>();
    return jobList.get();
}

void DeleteJobList()
{
    QMutexLocker locker(&jobListLock);
    jobList.reset();
}
