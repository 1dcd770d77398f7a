#pragma once

#include "platform/FileIdentity.h"

#include <QHash>
#include <QString>

#include <array>
#include <functional>

// The MD5 sums of one watch job's files, so that a scan of an unchanged folder reads no photo.
// A sum is reused only while the file's size, both times, inode and device are as they were
// when it was read, and only when the file had last changed well before that reading: a file
// rewritten within the same tick of the file system's clock as its reading keeps its times,
// so it is read again until its times are older than the reading by more than a tick.
// Files on file systems without reliable inode numbers and change times are always read.
//
// Held in memory by the job's watch thread; not shared, not locked.
class CChecksumCache
{
public:
    // Coarser than the coarsest clock of a trusted file system (whole seconds), with the lag
    // of the kernel's file clock behind the wall clock on top.
    static constexpr qint64 TimeStepNs = 2000000000;

    CChecksumCache();

    // MD5 of the file as FileMd5 gives it: "" when it cannot be read (never kept).
    // `identity` is what the file system said of the file just before.
    QString Md5(const QString &path, const Platform::SFileIdentity &identity);

    // A scan marks the files it meets; only a complete scan drops the others.
    void BeginScan();
    void EndCompleteScan();
    void Clear() { m_entries.clear(); }

    int Count() const { return int(m_entries.size()); }
    // Bytes read to compute sums since the cache was made.
    qint64 BytesHashed() const { return m_bytesHashed; }

    // The moment of a reading; tests put a clock of their own here.
    void SetClock(std::function<qint64()> nowNs) { m_now = std::move(nowNs); }

private:
    struct SKey
    {
        quint64 device;
        quint64 inode;
        bool operator==(const SKey &other) const = default;
    };
    friend size_t qHash(const SKey &key, size_t seed)
    {
        return qHashMulti(seed, key.device, key.inode);
    }
    struct SEntry
    {
        Platform::SFileIdentity identity;
        qint64 hashedNs;
        std::array<uchar, 16> md5;
        quint32 scan; // the last scan that met the file
    };

    bool Trusted(const QString &path, quint64 device);

    QHash<SKey, SEntry> m_entries;
    QHash<quint64, bool> m_trustedDevices; // asked again at every scan: media change
    quint32 m_scan = 0;
    qint64 m_bytesHashed = 0;
    std::function<qint64()> m_now;
};

// MD5 of a file's content as 32 lower-case hexadecimal digits; "" when it cannot be read.
QString FileMd5(const QString &path);
