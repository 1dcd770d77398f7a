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
using ListInt = QList<int>; // row order of the sorted details table

Q_DECLARE_METATYPE(SDragDrop)
Q_DECLARE_METATYPE(ListDragDrop)
