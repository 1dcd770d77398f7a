#pragma once

#include "Job.h"

// Monitor.xml and exported job lists, and the job profiles made for new jobs.

// The documents folder followed by "/Quendrasil/Monitor/Monitor.xml".
QString DefaultJobStorePath();

// Writes the jobs; an empty path means the default store (its folder is made first).
// Without images each job's Log section is written empty. False when it cannot be written.
bool SaveJobStore(const QList<CJob> &jobs, bool withImages, const QString &path = QString());

// Reads a job store into a new list (duplicates purged); false, with `jobs` untouched, when
// the file cannot be read or is not a job store.
bool ReadJobStore(const QString &path, QList<CJob> &jobs);

// The documents folder followed by "/Quendrasil/Monitor/" + the id in decimal + ".qlf".
QString JobProfilePath(qint64 id);

// Makes the job profile "<id>.qlf" in the documents folder's "/Quendrasil/Monitor/" from the
// compiled-in template; its path, or "" when it cannot be made or the file already exists.
QString CreateJobProfile(qint64 id);
