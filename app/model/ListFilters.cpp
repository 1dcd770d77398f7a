#include "ListFilters.h"

#include <algorithm>

CListFilters *CListFilters::singleton = nullptr;

CListFilters::CListFilters()
{
    // Records travel through queued signals of the previews and the settings pages.
    RegisterFilterRecordType();
}

CListFilters *CListFilters::instance()
{
    if (!singleton)
        singleton = new CListFilters();
    return singleton;
}

void CListFilters::DeleteInstance()
{
    if (!singleton)
        return;
    singleton->filters.clear();
    delete singleton;
    singleton = nullptr;
}

void CListFilters::Append(const SFilterRecord &record)
{
    filters.append(record);
}

bool CListFilters::MoveFilter(int from, int to)
{
    return MoveListEntry(filters, from, to);
}

bool CListFilters::RemoveAt(int index)
{
    if (index < 0 || index >= filters.size())
        return false;
    filters.removeAt(index);
    return true;
}

bool CListFilters::ReplaceFilter(int index, const SFilterRecord &record)
{
    if (index < 0 || index >= filters.size())
        return false;
    filters[index] = record;
    return true;
}

int CListFilters::CountEnabled() const
{
    return int(std::count_if(filters.cbegin(), filters.cend(),
        [](const SFilterRecord &record) { return record.active; }));
}

bool CListFilters::IsEmpty() const
{
    return filters.isEmpty();
}

int CListFilters::Count() const
{
    return int(filters.size());
}

void CListFilters::Clear()
{
    filters.clear();
}
