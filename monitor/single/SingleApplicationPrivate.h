#pragma once

#include "SingleApplication.h"

#include <QByteArray>
#include <QMap>
#include <QObject>

#include <cstddef>

class QLocalServer;
class QLocalSocket;
class QSharedMemory;

// The shared block every instance of one key sees. Its layout is fixed: instances of one
// build read each other's writes. Guarded by the shared memory's own system lock.
struct SInstancesBlock
{
    bool primary; // a primary instance runs
    quint8 alignment1[3];
    quint32 secondaryCount; // secondary instances started so far
    qint64 primaryProcessId; // -1 when none
    char primaryUser[128]; // UTF-8, zero-terminated
    quint16 checksum; // qChecksum (ISO 3309) over the bytes before it
    quint8 alignment2[6];
};
static_assert(sizeof(SInstancesBlock) == 152);
static_assert(offsetof(SInstancesBlock, secondaryCount) == 4);
static_assert(offsetof(SInstancesBlock, primaryProcessId) == 8);
static_assert(offsetof(SInstancesBlock, primaryUser) == 16);
static_assert(offsetof(SInstancesBlock, checksum) == 144);

class SingleApplicationPrivate : public QObject
{
    Q_OBJECT

public:
    enum class ConnectionKind : quint8 { NewInstance = 1, SecondaryInstance = 2 };
    // What an accepted connection waits for next.
    enum class ConnectionStage : quint8 {
        AnnouncementLength = 0,
        Announcement = 1,
        MessageLength = 2,
        Message = 3,
    };
    struct SConnectionInfo
    {
        quint64 messageLength = 0;
        quint32 instanceId = 0;
        ConnectionStage stage = ConnectionStage::AnnouncementLength;
    };

    explicit SingleApplicationPrivate(SingleApplication *owner);
    ~SingleApplicationPrivate() override;

    static void SleepRandomly();
    static quint16 BlockChecksum(const SInstancesBlock &block);

    SInstancesBlock *Block() const;
    bool BlockIsConsistent() const;
    void ResetBlock();
    void StartPrimaryInstance();
    void RegisterSecondaryInstance();
    bool ConnectToPrimaryInstance(int timeout, ConnectionKind kind);
    SingleApplication::SIdentity CurrentIdentity() const;
    [[noreturn]] void FailOnMemory(const char *message) const;

    SingleApplication *application;
    QSharedMemory *memory = nullptr;
    QLocalSocket *socket = nullptr; // made when connecting to a primary
    QLocalServer *server = nullptr; // the primary's only
    quint32 instanceNumber = 0;
    QString key;
    SingleApplication::Options options;
    QStringList userData;
    QMap<QLocalSocket *, SConnectionInfo> connections;

public slots:
    void slotConnectionEstablished();

private:
    bool WriteConfirmedFrame(QLocalSocket *target, const QByteArray &frame, int timeout,
        const class QElapsedTimer &elapsed);
    bool WriteConfirmedMessage(
        const QByteArray &message, int timeout, const QElapsedTimer &elapsed);
    void OnDataReady(QLocalSocket *peer);
    bool ReadFrameHeader(QLocalSocket *peer, SConnectionInfo &info);
    bool ReadInitMessage(QLocalSocket *peer, SConnectionInfo &info);
    bool HasWholeFrame(QLocalSocket *peer, const SConnectionInfo &info) const;
    bool slotDataAvailable(QLocalSocket *peer, SConnectionInfo &info);
    void slotClientConnectionClosed(QLocalSocket *peer);
};
