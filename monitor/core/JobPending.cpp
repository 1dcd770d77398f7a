// Placeholder until the job list lands; delete at merge.
#include "Job.h"

bool CJob::operator==(const CJob &other) const
{
    return Id == other.Id && Name == other.Name && Source == other.Source && Script == other.Script
        && Type == other.Type;
}

void PurgeDuplicateJobs(QList<CJob> &jobs)
{
    for (int i = jobs.size() - 1; i >= 0; --i)
        for (int j = i - 1; j >= 0; --j)
            if (jobs[j] == jobs[i]) {
                jobs.removeAt(j);
                --i;
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
    return m_jobs[index];
}

std::optional<CJob> CJobList::FindById(qint64 id) const
{
    QMutexLocker locker(&m_lock);
    std::optional<CJob> found;
    for (const CJob &job : m_jobs)
        if (job.Id == id)
            found = job;
    return found;
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

void CJobList::Set(int index, const CJob &job)
{
    QMutexLocker locker(&m_lock);
    if (index >= 0 && index < m_jobs.size())
        m_jobs[index] = job;
}

void CJobList::Clear()
{
    QMutexLocker locker(&m_lock);
    m_jobs.clear();
}

void CJobList::WriteBackScan(
    qint64 id, const QList<SJobImage> &currentImages, const QList<SJobImage> &log, quint16 picCount)
{
    QMutexLocker locker(&m_lock);
    for (CJob &job : m_jobs)
        if (job.Id == id) {
            job.CurrentImages = currentImages;
            job.Log = log;
            job.PicCount = picCount;
        }
}

qint64 CJobList::NewId() const
{
    return 0;
}

namespace {
CJobList *jobList = nullptr;
}

CJobList *GetJobList()
{
    static QMutex creation;
    QMutexLocker locker(&creation);
    if (!jobList)
        jobList = new CJobList;
    return jobList;
}

void DeleteJobList()
{
    delete jobList;
    jobList = nullptr;
}
