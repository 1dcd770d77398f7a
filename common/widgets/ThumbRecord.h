#pragma once

#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>

// One item of a thumbnail view: the photo's path parts, the details shown as tool tip and in
// the details table, and the state of its thumbnail. Copied by value between the list and
// its loader, always under the list's mutex.
struct SThumbRecord
{
    QString path; // full path, or the item's key in lists of other things
    QString baseName;
    QString type; // extension, upper-cased
    QString folder;
    QString toolTip;
    QString dateTaken; // "yyyy-MM-dd hh:mm"
    QString dimensions; // "%1 x %2"
    QString camera;
    QString sizeText;
    QString coordinates;
    QString orientation;
    QString altitude;
    QString fNumber;
    QString exposure;
    QString iso;
    QString resolution; // "%1 x %2" dots per unit
    QString colorSpace;
    bool active = true; // false draws the item greyed
    bool done = false; // nothing (more) to load
    // The photo details (dimensions, date, camera, ..., tool tip) have been read; the loader
    // reads them off the GUI thread, for the visible rows first.
    bool detailsRead = false;
    bool ownsIcon = false; // iconIndex names a loaded thumbnail of its own
    int iconIndex = 0;
    bool thumbnailPending = false; // `thumbnail` waits to become an icon in the GUI thread
    // Shared rather than raw so that the copies the list and the loader make of a record
    // never free the same image twice.
    std::shared_ptr<QImage> thumbnail;
};

// One row move of an internal drop.
struct SDragDrop
{
    int from = 0;
    int to = 0;
    bool operator==(const SDragDrop &other) const { return from == other.from && to == other.to; }
};

using ListDragDrop = QList<SDragDrop>; // the moves of one drop, in the order they were made

// The single-row moves that carry the selected rows (ascending) as one block, in their old
// order, before row `target` (the row count: to the end). Each move is numbered as the rows
// stand after the moves before it.
inline ListDragDrop BlockMoves(QList<int> rows, int target)
{
    ListDragDrop steps;
    for (int i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        steps.append(SDragDrop { row, target });
        const int shifted = row > target ? row + 1 : row;
        for (int j = i + 1; j < rows.size(); ++j) {
            int &later = rows[j];
            if (shifted < later && later < target)
                later = qMax(0, later - 1);
            else if (target < later && later < shifted)
                ++later;
        }
        if (shifted >= target)
            ++target;
    }
    return steps;
}

// One move of a drop applied to a view's row order: the entry at row `from` goes before row
// `to` (the count: to the end), as the job's own lists move theirs; a move out of range or
// onto itself changes nothing. The caller holds the views' mutex.
inline void MoveRow(QList<int> &order, int from, int to)
{
    if (from < 0 || from >= order.size() || to < 0 || to > order.size() || from == to)
        return;
    const int entry = order.at(from);
    if (from < to) {
        order.insert(to, entry);
        order.removeAt(from);
    } else {
        order.removeAt(from);
        order.insert(to, entry);
    }
}

// Whether the records shown in rows first to last have nothing left to load. The caller holds
// the views' mutex.
inline bool RowsLoaded(
    const QList<SThumbRecord> &records, const QList<int> &order, int first, int last)
{
    for (int row = qMax(0, first); row <= last && row < order.size(); ++row) {
        const int r = order.at(row);
        if (r >= 0 && r < records.size() && !records.at(r).done)
            return false;
    }
    return true;
}

using ListInt = QList<int>; // row order of the sorted details table

Q_DECLARE_METATYPE(SDragDrop)
Q_DECLARE_METATYPE(ListDragDrop)
