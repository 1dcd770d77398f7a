#include "SingleApplication.h"
#include "SingleApplicationPrivate.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSharedMemory>
#include <QThread>
#include <QtDebug>

#include <cstring>

#include "RandomRange.h"
#include "platform/Processes.h"
#include "platform/UserName.h"

namespace {

constexpr int InconsistentBlockLimitMs = 5000;
// The announcement is a key, a kind, a number and a checksum: anything longer is not one,
// and is refused before its bytes are buffered.
constexpr quint64 AnnouncementLimit = 4096;
constexpr char Acknowledgement = '\n';

QByteArray FrameLength(qsizetype length)
{
    QByteArray frame;
    QDataStream stream(&frame, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << quint64(length);
    return frame;
}

} // namespace

SingleApplication::SingleApplication(int &argc, char *argv[], bool allowSecondary, Options options,
    int timeout, const QString &userData)
    : QApplication(argc, argv)
    , d(new SingleApplicationPrivate(this))
{
    d->options = options;
    if (!userData.isEmpty())
        d->userData.append(userData);
    d->key = MakeInstanceKey(d->CurrentIdentity(), options);
    SingleApplicationPrivate::SleepRandomly();

    d->memory = new QSharedMemory(d->key, d);
    if (d->memory->create(int(sizeof(SInstancesBlock)))) {
        if (!d->memory->lock())
            d->FailOnMemory("SingleApplication: Unable to lock memory block after create.");
        d->ResetBlock();
    } else if (d->memory->error() == QSharedMemory::AlreadyExists) {
        // A block of another size under our key cannot be read safely.
        if (!d->memory->attach() || d->memory->size() < int(sizeof(SInstancesBlock)))
            d->FailOnMemory("SingleApplication: Unable to attach to shared memory block.");
        if (!d->memory->lock())
            d->FailOnMemory("SingleApplication: Unable to lock memory block after attach.");
    } else {
        d->FailOnMemory("SingleApplication: Unable to create block.");
    }

    QElapsedTimer inconsistent;
    inconsistent.start();
    while (!d->BlockIsConsistent()) {
        if (inconsistent.elapsed() > InconsistentBlockLimitMs) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state "
                     "from more than 5s. Assuming primary instance failure.");
            d->ResetBlock();
        }
        if (!d->memory->unlock())
            qDebug() << "SingleApplication: Unable to unlock memory for random wait."
                     << d->memory->errorString();
        SingleApplicationPrivate::SleepRandomly();
        if (!d->memory->lock())
            d->FailOnMemory("SingleApplication: Unable to lock memory after random wait.");
    }

    // A primary that crashed leaves its mark: the block outlives it on Linux. Its process
    // being gone means nobody listens, so this instance takes over.
    const SInstancesBlock *block = d->Block();
    if (!block->primary || !Platform::IsProcessAlive(block->primaryProcessId)) {
        d->StartPrimaryInstance();
        if (!d->memory->unlock())
            qDebug() << "SingleApplication: Unable to unlock memory after primary start."
                     << d->memory->errorString();
        return;
    }

    if (allowSecondary) {
        d->RegisterSecondaryInstance();
        if (!d->memory->unlock())
            qDebug() << "SingleApplication: Unable to unlock memory after secondary start."
                     << d->memory->errorString();
        if (options.testFlag(Option::SecondaryNotification))
            d->ConnectToPrimaryInstance(
                timeout, SingleApplicationPrivate::ConnectionKind::SecondaryInstance);
        return;
    }

    if (!d->memory->unlock())
        qDebug() << "SingleApplication: Unable to unlock memory at end of execution."
                 << d->memory->errorString();
    d->ConnectToPrimaryInstance(timeout, SingleApplicationPrivate::ConnectionKind::NewInstance);
    delete d;
    d = nullptr;
    // Ends here, inside the constructor: nothing of the program has been built yet.
    Platform::ExitProcessNow(0);
}

SingleApplication::~SingleApplication()
{
    delete d;
}

bool SingleApplication::IsSecondaryInstance() const
{
    return d->server == nullptr;
}

QString SingleApplication::MakeInstanceKey(const SIdentity &identity, Options options)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication");
    hash.addData(identity.applicationName.toUtf8());
    hash.addData(identity.organizationName.toUtf8());
    hash.addData(identity.organizationDomain.toUtf8());
    if (!identity.userData.isEmpty())
        hash.addData(identity.userData.join(QString()).toUtf8());
    if (!options.testFlag(Option::ExcludeAppVersion))
        hash.addData(identity.version.toUtf8());
    if (!options.testFlag(Option::ExcludeAppPath))
        hash.addData(identity.programPath.toLower().toUtf8());
    if (options.testFlag(Option::User))
        hash.addData(identity.userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64())
        .replace(QLatin1Char('/'), QLatin1Char('_'));
}

SingleApplicationPrivate::SingleApplicationPrivate(SingleApplication *owner)
    : application(owner)
{
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    if (socket) {
        socket->close();
        delete socket;
        socket = nullptr;
    }
    if (!memory)
        return;
    memory->lock();
    if (server) {
        server->close();
        delete server;
        server = nullptr;
        // Only our own mark: after a takeover the block may name another primary.
        SInstancesBlock *block = Block();
        if (block->primaryProcessId == QCoreApplication::applicationPid()) {
            block->primary = false;
            block->primaryProcessId = -1;
            std::memset(block->primaryUser, 0, sizeof block->primaryUser);
            block->checksum = BlockChecksum(*block);
        }
    }
    if (!memory->unlock())
        qDebug() << "SingleApplication: Unable to unlock memory at end of execution."
                 << memory->errorString();
    memory->detach();
    delete memory;
    memory = nullptr;
}

void SingleApplicationPrivate::SleepRandomly()
{
    QThread::msleep(RandomInRange(8, 17));
}

quint16 SingleApplicationPrivate::BlockChecksum(const SInstancesBlock &block)
{
    return qChecksum(
        QByteArrayView(reinterpret_cast<const char *>(&block), offsetof(SInstancesBlock, checksum)),
        Qt::ChecksumIso3309);
}

SInstancesBlock *SingleApplicationPrivate::Block() const
{
    return static_cast<SInstancesBlock *>(memory->data());
}

bool SingleApplicationPrivate::BlockIsConsistent() const
{
    const SInstancesBlock *block = Block();
    return block->checksum == BlockChecksum(*block);
}

void SingleApplicationPrivate::ResetBlock()
{
    SInstancesBlock *block = Block();
    std::memset(block, 0, sizeof *block);
    block->primary = false;
    block->secondaryCount = 0;
    block->primaryProcessId = -1;
    block->checksum = BlockChecksum(*block);
}

void SingleApplicationPrivate::StartPrimaryInstance()
{
    SInstancesBlock *block = Block();
    block->primary = true;
    block->primaryProcessId = QCoreApplication::applicationPid();
    std::memset(block->primaryUser, 0, sizeof block->primaryUser);
    const QByteArray user
        = Platform::CurrentUserName().toUtf8().left(sizeof block->primaryUser - 1);
    std::memcpy(block->primaryUser, user.constData(), size_t(user.size()));
    block->checksum = BlockChecksum(*block);
    instanceNumber = 0;

    QLocalServer::removeServer(key);
    server = new QLocalServer(this);
    server->setSocketOptions(options.testFlag(SingleApplication::Option::User)
            ? QLocalServer::UserAccessOption
            : QLocalServer::WorldAccessOption);
    if (!server->listen(key))
        qDebug() << "SingleApplication: Unable to listen." << server->errorString();
    connect(server, &QLocalServer::newConnection, this,
        &SingleApplicationPrivate::slotConnectionEstablished);
}

void SingleApplicationPrivate::RegisterSecondaryInstance()
{
    SInstancesBlock *block = Block();
    block->secondaryCount += 1;
    block->checksum = BlockChecksum(*block);
    instanceNumber = block->secondaryCount;
}

SingleApplication::SIdentity SingleApplicationPrivate::CurrentIdentity() const
{
    SingleApplication::SIdentity identity;
    identity.applicationName = QCoreApplication::applicationName();
    identity.organizationName = QCoreApplication::organizationName();
    identity.organizationDomain = QCoreApplication::organizationDomain();
    identity.userData = userData;
    identity.version = QCoreApplication::applicationVersion();
    identity.programPath = QCoreApplication::applicationFilePath();
    identity.userName = Platform::CurrentUserName();
    return identity;
}

void SingleApplicationPrivate::FailOnMemory(const char *message) const
{
    qCritical("%s", message);
    qCritical("SingleApplication: %d %s", int(memory->error()), qPrintable(memory->errorString()));
    Platform::ExitProcessNow(1);
}

bool SingleApplicationPrivate::ConnectToPrimaryInstance(int timeout, ConnectionKind kind)
{
    QElapsedTimer elapsed;
    elapsed.start();
    if (!socket)
        socket = new QLocalSocket(this);
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;

    for (;;) {
        SleepRandomly();
        if (socket->state() != QLocalSocket::ConnectingState)
            socket->connectToServer(key);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(int(qMax<qint64>(0, timeout - elapsed.elapsed())));
        if (socket->state() == QLocalSocket::ConnectedState)
            break;
        if (elapsed.elapsed() >= timeout)
            return false;
    }

    QByteArray announcement;
    QDataStream stream(&announcement, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << key.toLatin1() << quint8(kind) << instanceNumber;
    stream << qChecksum(announcement, Qt::ChecksumIso3309);
    return WriteConfirmedMessage(announcement, timeout, elapsed);
}

bool SingleApplicationPrivate::WriteConfirmedFrame(
    QLocalSocket *target, const QByteArray &frame, int timeout, const QElapsedTimer &elapsed)
{
    target->write(frame);
    target->flush();
    const auto remaining = [&] { return int(qMax<qint64>(0, timeout - elapsed.elapsed())); };
    while (target->bytesAvailable() < 1) {
        if (target->state() != QLocalSocket::ConnectedState || elapsed.elapsed() >= timeout
            || !target->waitForReadyRead(remaining()))
            return false;
    }
    char answer = 0;
    return target->getChar(&answer) && answer == Acknowledgement;
}

bool SingleApplicationPrivate::WriteConfirmedMessage(
    const QByteArray &message, int timeout, const QElapsedTimer &elapsed)
{
    return WriteConfirmedFrame(socket, FrameLength(message.size()), timeout, elapsed)
        && WriteConfirmedFrame(socket, message, timeout, elapsed);
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    QLocalSocket *peer = server->nextPendingConnection();
    if (!peer)
        return;
    connections.insert(peer, SConnectionInfo());
    connect(peer, &QLocalSocket::readyRead, this, [this, peer] { OnDataReady(peer); });
    connect(peer, &QLocalSocket::aboutToClose, this,
        [this, peer] { slotClientConnectionClosed(peer); });
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    connect(peer, &QObject::destroyed, this, [this, peer] { connections.remove(peer); });
    // Bytes may have come with the connection itself.
    if (peer->bytesAvailable() > 0)
        OnDataReady(peer);
}

void SingleApplicationPrivate::OnDataReady(QLocalSocket *peer)
{
    // A peer that does not wait for our answers sends several frames at once: one readyRead
    // then carries them all, so go on while a stage completes.
    for (;;) {
        auto entry = connections.find(peer);
        if (entry == connections.end())
            return;
        SConnectionInfo &info = entry.value();
        bool done = false;
        switch (info.stage) {
        case ConnectionStage::AnnouncementLength:
        case ConnectionStage::MessageLength:
            done = ReadFrameHeader(peer, info);
            break;
        case ConnectionStage::Announcement:
            done = ReadInitMessage(peer, info);
            break;
        case ConnectionStage::Message:
            done = slotDataAvailable(peer, info);
            break;
        }
        if (!done || !peer->isOpen() || peer->bytesAvailable() == 0)
            return;
    }
}

bool SingleApplicationPrivate::ReadFrameHeader(QLocalSocket *peer, SConnectionInfo &info)
{
    if (peer->bytesAvailable() < qint64(sizeof(quint64)))
        return false;
    QDataStream stream(peer);
    stream.setVersion(QDataStream::Qt_5_6);
    stream >> info.messageLength;
    if (info.stage == ConnectionStage::AnnouncementLength) {
        if (info.messageLength > AnnouncementLimit) {
            peer->close();
            return false;
        }
        info.stage = ConnectionStage::Announcement;
    } else {
        info.stage = ConnectionStage::Message;
    }
    peer->putChar(Acknowledgement);
    return true;
}

bool SingleApplicationPrivate::HasWholeFrame(QLocalSocket *peer, const SConnectionInfo &info) const
{
    return quint64(peer->bytesAvailable()) >= info.messageLength;
}

bool SingleApplicationPrivate::ReadInitMessage(QLocalSocket *peer, SConnectionInfo &info)
{
    if (!HasWholeFrame(peer, info))
        return false;
    const QByteArray message = peer->read(qint64(info.messageLength));
    QDataStream stream(message);
    stream.setVersion(QDataStream::Qt_5_6);
    QByteArray peerKey;
    quint8 kind = 0;
    quint32 peerInstance = 0;
    quint16 checksum = 0;
    stream >> peerKey >> kind >> peerInstance >> checksum;
    if (stream.status() != QDataStream::Ok || peerKey != key.toLatin1()
        || checksum != qChecksum(QByteArrayView(message).chopped(2), Qt::ChecksumIso3309)) {
        peer->close();
        return false;
    }
    info.instanceId = peerInstance;
    info.stage = ConnectionStage::MessageLength;
    if (kind == quint8(ConnectionKind::NewInstance)
        || (kind == quint8(ConnectionKind::SecondaryInstance)
            && options.testFlag(SingleApplication::Option::SecondaryNotification)))
        emit application->instanceStarted();
    peer->putChar(Acknowledgement);
    return true;
}

bool SingleApplicationPrivate::slotDataAvailable(QLocalSocket *peer, SConnectionInfo &info)
{
    if (!HasWholeFrame(peer, info))
        return false;
    const QByteArray message = peer->read(qint64(info.messageLength));
    peer->putChar(Acknowledgement);
    info.stage = ConnectionStage::MessageLength;
    const quint32 instanceId = info.instanceId;
    emit application->receivedMessage(instanceId, message);
    return true;
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *peer)
{
    auto entry = connections.find(peer);
    if (entry != connections.end() && entry->stage == ConnectionStage::Message
        && peer->bytesAvailable() > 0)
        slotDataAvailable(peer, entry.value());
}
