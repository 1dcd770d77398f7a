#include "SideImageCache.h"

#include <QMutexLocker>

#include <atomic>

namespace {

std::atomic<quint64> decodeCount { 0 };

} // namespace

bool CSideImageCache::Find(const SSideImageKey &key, Magick::Image &picture)
{
    QMutexLocker lock(&m_lock);
    for (qsizetype index = 0; index < m_entries.size(); ++index) {
        if (m_entries.at(index).key == key) {
            m_entries.move(index, m_entries.size() - 1);
            picture = m_entries.last().picture;
            return true;
        }
    }
    return false;
}

void CSideImageCache::Keep(const SSideImageKey &key, const Magick::Image &picture)
{
    QMutexLocker lock(&m_lock);
    Add({ key, QString(), picture });
}

void CSideImageCache::KeepInSlot(
    const QString &slot, const SSideImageKey &key, const Magick::Image &picture)
{
    QMutexLocker lock(&m_lock);
    m_entries.removeIf([&slot](const SEntry &entry) { return entry.slot == slot; });
    Add({ key, slot, picture });
}

void CSideImageCache::Clear()
{
    QMutexLocker lock(&m_lock);
    m_entries.clear();
}

QList<SSideImageKey> CSideImageCache::Keys() const
{
    QMutexLocker lock(&m_lock);
    QList<SSideImageKey> keys;
    for (const SEntry &entry : m_entries)
        keys.append(entry.key);
    return keys;
}

void CSideImageCache::Add(SEntry entry)
{
    m_entries.removeIf([&entry](const SEntry &kept) { return kept.key == entry.key; });
    m_entries.append(std::move(entry));
    while (m_entries.size() > MaximumEntries)
        m_entries.removeFirst();
}

void CountSideImageDecode()
{
    decodeCount.fetch_add(1, std::memory_order_relaxed);
}

quint64 SideImageDecodeCount()
{
    return decodeCount.load(std::memory_order_relaxed);
}
