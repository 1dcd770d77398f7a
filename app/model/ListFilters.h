#pragma once

#include "FilterRecord.h"

#include <QList>
#include <QObject>

// The move rule shared by the filter chain and the photo list: the entry at `from` lands in
// front of the entry that stood at `to` before the move, or at the end when `to` equals the
// count. False, and the list is left alone, when either position is outside the list.
template<typename T> bool MoveListEntry(QList<T> &list, int from, int to)
{
    const int count = int(list.size());
    if (from < 0 || from >= count || to < 0 || to > count)
        return false;
    if (from == to)
        return true;
    // Removing the entry shifts the later ones up by one.
    list.move(from, to > from ? to - 1 : to);
    return true;
}

// The filter chain of the current job: the order of the list is the order in which the
// filters are applied. Changed only in the GUI thread; the batch workers read it while the
// modal processing dialog keeps it still, so there is no lock.
class CListFilters : public QObject
{
public:
    static CListFilters *instance();
    static void DeleteInstance();

    void Append(const SFilterRecord &record);
    // Moves the record at `from` in front of the record that stands at `to` before the move;
    // `to` equal to the count moves it to the end. False, and nothing moves, for a position
    // outside the list.
    bool MoveFilter(int from, int to);
    // False, and nothing changes, when index is not a position in the list.
    bool RemoveAt(int index);
    // Assigns the record to the step at index; false when index is not a position in the list.
    bool ReplaceFilter(int index, const SFilterRecord &record);
    int CountEnabled() const;
    bool IsEmpty() const;
    int Count() const;
    void Clear();

    // Steps are edited in place by index (settings pages, active flags) and the whole list is
    // swapped when an undo state is restored.
    QList<SFilterRecord> &Filters() { return filters; }
    const QList<SFilterRecord> &Filters() const { return filters; }

private:
    CListFilters();
    ~CListFilters() override = default;

    QList<SFilterRecord> filters;

    static CListFilters *singleton;
};
