#pragma once

#include "ThumbRecord.h"
#include "WorkerThread.h"

#include <QIcon>
#include <QList>
#include <QMutex>
#include <QThread>

#include <atomic>

// The thread behind a thumbnail list that fills the records of the rows the list asks for
// (thumbnails, photo details, tool tips). The list owns it and hands it the shared records,
// row order, icons and mutex; the loader touches them only under the mutex. The main program
// gives its photo lists a loader that reads photos; lists without one (pickers, Monitor's
// lists) show the icons their host gave.
class CListThumbLoader : public CWorkerThread
{
    Q_OBJECT

public:
    std::atomic_bool stop { false };
    std::atomic_bool loadRequested { false };
    std::atomic_int firstRow { 0 }; // written by the list before LoadThumbnails()
    std::atomic_int lastRow { -1 };
    int pixelRatio = 1; // the list's device pixel ratio, whole, at least 1

    QList<SThumbRecord> *records = nullptr;
    QList<int> *order = nullptr; // row -> record index
    QList<QIcon> *icons = nullptr;
    QMutex *mutex = nullptr;
    int *loadedIcons = nullptr; // the list's count of icons made by the loader

public slots:
    void LoadThumbnails() { loadRequested = true; }

signals:
    // Rows first to last have been handled.
    void OnThreadLoadComplete(int first, int last);
    // Every record has its photo details now (see SThumbRecord::detailsRead).
    void DetailsComplete();
};
