#pragma once

#include "FilterRecord.h"

#include <QObject>

#include <array>

// Undo and redo of one filter's settings while its settings dialog is open. Each control
// change pushes the record as the page saved it; the dialog takes records back out with Undo
// and Redo and loads them into the page itself.
class CFilterStatesList : public QObject
{
public:
    static constexpr int Capacity = 50;

    void PushState(const SFilterRecord &record);
    // The record before the current one; only while CanUndo().
    SFilterRecord Undo();
    // The record after the current one; only while CanRedo().
    SFilterRecord Redo();

    bool CanUndo() const { return position >= 2; }
    bool CanRedo() const { return position < count; }
    int Position() const { return position; }
    int Count() const { return count; }

    // Set by the dialog before it loads a record taken by Undo or Redo, so that the push that
    // the load triggers is skipped once.
    bool quiet = false;

private:
    std::array<SFilterRecord, Capacity> records;
    int position = 0;
    int count = 0;
};
