#include "FilterStatesList.h"

#include <algorithm>

void CFilterStatesList::PushState(const SFilterRecord &record)
{
    if (count < Capacity && count == position) {
        records[count] = record;
        position = ++count;
    } else if (position != Capacity) {
        count = position; // the redo tail is forgotten
        records[count] = record;
        position = ++count;
    } else {
        // Full with the newest state current: the oldest one goes.
        std::move(records.begin() + 1, records.end(), records.begin());
        records[Capacity - 1] = record;
    }
}

SFilterRecord CFilterStatesList::Undo()
{
    // Out of bounds the current record is handed back, so a careless caller changes nothing.
    if (!CanUndo())
        return position > 0 ? records[position - 1] : SFilterRecord();
    --position;
    return records[position - 1];
}

SFilterRecord CFilterStatesList::Redo()
{
    if (!CanRedo())
        return position > 0 ? records[position - 1] : SFilterRecord();
    return records[position++];
}
