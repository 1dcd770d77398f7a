#include "ChecksumCache.h"

#include <QCryptographicHash>
#include <QFile>

#include <cstring>

namespace {

// Reads the whole file; false when it cannot be opened or read.
bool ReadMd5(const QString &path, QByteArray &digest, qint64 &bytesRead)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(QCryptographicHash::Md5);
    const bool read = hash.addData(&file);
    bytesRead += file.pos();
    if (!read)
        return false;
    digest = hash.result();
    return true;
}

QString Hex(const std::array<uchar, 16> &digest)
{
    static const char digits[] = "0123456789abcdef";
    QString hex(int(digest.size()) * 2, Qt::Uninitialized);
    QChar *out = hex.data();
    for (const uchar byte : digest) {
        *out++ = QLatin1Char(digits[byte >> 4]);
        *out++ = QLatin1Char(digits[byte & 15]);
    }
    return hex;
}

} // namespace

QString FileMd5(const QString &path)
{
    QByteArray digest;
    qint64 bytesRead = 0;
    return ReadMd5(path, digest, bytesRead) ? QString::fromLatin1(digest.toHex()) : QString();
}

CChecksumCache::CChecksumCache()
    : m_now(&Platform::WallClockNs)
{
    // With the hash table's own share, about 120 bytes a file.
    static_assert(sizeof(SKey) + sizeof(SEntry) <= 96);
}

QString CChecksumCache::Md5(const QString &path, const Platform::SFileIdentity &identity)
{
    const bool trusted = identity.inode != 0 && Trusted(path, identity.device);
    const SKey key { identity.device, identity.inode };

    if (trusted) {
        const auto found = m_entries.find(key);
        if (found != m_entries.end()) {
            SEntry &entry = *found;
            const qint64 settled = entry.hashedNs - TimeStepNs;
            if (entry.identity == identity && identity.modifiedNs < settled
                && identity.changedNs < settled) {
                entry.scan = m_scan;
                return Hex(entry.md5);
            }
        }
    }

    const qint64 hashedNs = m_now();
    QByteArray digest;
    if (!ReadMd5(path, digest, m_bytesHashed)) {
        m_entries.remove(key);
        return QString();
    }
    // Kept only when the file did not change while it was read.
    Platform::SFileIdentity after;
    if (trusted && Platform::ReadFileIdentity(path, after) && after == identity
        && digest.size() == 16) {
        SEntry entry { identity, hashedNs, {}, m_scan };
        std::memcpy(entry.md5.data(), digest.constData(), entry.md5.size());
        m_entries.insert(key, entry);
    } else {
        m_entries.remove(key);
    }
    return QString::fromLatin1(digest.toHex());
}

void CChecksumCache::BeginScan()
{
    ++m_scan;
    m_trustedDevices.clear();
}

void CChecksumCache::EndCompleteScan()
{
    m_entries.removeIf([this](const auto &item) { return item.value().scan != m_scan; });
}

bool CChecksumCache::Trusted(const QString &path, quint64 device)
{
    const auto found = m_trustedDevices.constFind(device);
    if (found != m_trustedDevices.constEnd())
        return *found;
    const bool trusted = Platform::KeepsFileIdentity(path);
    m_trustedDevices.insert(device, trusted);
    return trusted;
}
