#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One photo of the job. The texts use "/" as the folder separator.
struct SImageRecord
{
    QString pathName; // the full path as added
    QString folder; // the path up to, not including, its last "/"
    QString baseName; // the file name up to, not including, its last "."
    QString extension; // the text after the file name's last ".", in the letter case of the path
    // The photo's index in the list. The batch hands photo k to worker k modulo the number of
    // workers and numbers output names by it, so the list keeps it equal to the index.
    qint32 sequenceNumber = 0;
    // 0-based place among the photos of the same folder; set by the batch when a run starts.
    qint32 folderPosition = 0;
};

// The first record whose path equals `path` (case-sensitive), or an empty record.
SImageRecord FindImageByPath(const QList<SImageRecord> &list, const QString &path);

// The photos of the current job, in the order in which they are processed and numbered.
// Changed only in the GUI thread; the batch workers read it while the modal processing dialog
// keeps it still, so there is no lock.
class CListImages
{
public:
    static CListImages *instance();
    static void DeleteInstance();
    virtual ~CListImages();

    // Appends a photo whose extension a readable format lists. False for a path already in the
    // list (not reported as rejected), and false with the path appended to `rejected` when no
    // readable format takes the extension. The file itself is not opened.
    bool AddImage(const QString &path, QStringList &rejected);
    // Moves a photo by the chain's rule (see MoveListEntry); false, and nothing moves, for a
    // position outside the list.
    bool MoveImage(int from, int to);
    // Rebuilds the list so that new photo i is the old photo order[i]. False, and nothing
    // changes, unless `order` is a permutation of all rows.
    bool ReorderImages(const QList<int> &order);
    // The name the Step 1 panel uses after sorting its details view; the same as ReorderImages.
    bool RemoveImages(const QList<int> &order) { return ReorderImages(order); }
    // False, and nothing changes, when index is not a position in the list.
    bool RemoveAt(int index);
    void Clear();
    // Replaces all photos at once (an undo state, a loaded job), numbering them afresh.
    void SetImages(const QList<SImageRecord> &list);
    // The batch numbers photos per folder when a run starts; false for an index outside the list.
    bool SetFolderPosition(int index, int position);

    // Files a folder search met but could not take because their names cannot be addressed
    // (not valid UTF-8), as they are shown; the next run names each in its log as a failure.
    // Emptied with the photos.
    void AddSkippedName(const QString &shownName) { skippedNames.append(shownName); }
    const QStringList &SkippedNames() const { return skippedNames; }

    const QList<SImageRecord> &Images() const { return images; }
    bool Contains(const QString &path) const { return paths.contains(path); }
    int Count() const { return int(images.size()); }
    bool IsEmpty() const { return images.isEmpty(); }

private:
    CListImages();
    CListImages(const CListImages &) = delete;
    CListImages &operator=(const CListImages &) = delete;

    // Keeps every sequence number equal to its index from `first` on.
    void Renumber(int first = 0);

    QList<SImageRecord> images;
    QSet<QString> paths; // of `images`, so that a large add finds duplicates at once
    QStringList skippedNames;

    static CListImages *singleton;
};
