#include "FolderChanges.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

namespace Platform {

namespace {

// Whatever changes names or sizes; access and plain opening do not count.
constexpr uint32_t WatchedEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE
    | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

CFolderChanges &CFolderChanges::Shared()
{
    // Never destroyed: watch threads may still ask while the program ends.
    static CFolderChanges *const shared = new CFolderChanges;
    return *shared;
}

CFolderChanges::CFolderChanges()
{
    m_notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // The mount table's file reports every mount and unmount to poll().
    if (m_notify >= 0)
        m_mounts = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mounts < 0 && m_notify >= 0) {
        ::close(m_notify);
        m_notify = -1;
    }
    if (m_mounts >= 0) {
        pollfd mounts { m_mounts, POLLPRI, 0 };
        ::poll(&mounts, 1, 0); // takes the current table as seen
    }
}

CFolderChanges::~CFolderChanges()
{
    if (m_notify >= 0)
        ::close(m_notify);
    if (m_mounts >= 0)
        ::close(m_mounts);
}

CFolderChanges::ClientId CFolderChanges::NewClient()
{
    QMutexLocker locker(&m_lock);
    const ClientId client = m_nextClient++;
    m_clients.insert(client, SClient());
    return client;
}

void CFolderChanges::RemoveClient(ClientId client)
{
    QMutexLocker locker(&m_lock);
    ForgetLocked(client);
    m_clients.remove(client);
}

bool CFolderChanges::Restart(ClientId client)
{
    QMutexLocker locker(&m_lock);
    if (!m_clients.contains(client))
        return false;
    DrainLocked(); // what happened before belongs to the folders as they were
    ForgetLocked(client);
    SClient &state = m_clients[client];
    state.changed = m_notify < 0;
    return m_notify >= 0;
}

bool CFolderChanges::Add(ClientId client, const QString &folder)
{
    QMutexLocker locker(&m_lock);
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return false;
    const int watch = m_notify < 0
        ? -1
        : inotify_add_watch(m_notify, QFile::encodeName(folder).constData(), WatchedEvents);
    if (watch < 0) {
        found->changed = true;
        return false;
    }
    found->watches.insert(watch);
    m_owners[watch].insert(client);
    return true;
}

bool CFolderChanges::Changed(ClientId client)
{
    QMutexLocker locker(&m_lock);
    DrainLocked();
    const auto found = m_clients.constFind(client);
    return found == m_clients.constEnd() || found->changed;
}

void CFolderChanges::ForgetLocked(ClientId client)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    for (const int watch : std::as_const(found->watches)) {
        const auto owners = m_owners.find(watch);
        if (owners == m_owners.end())
            continue;
        owners->remove(client);
        if (owners->isEmpty()) {
            m_owners.erase(owners);
            inotify_rm_watch(m_notify, watch);
        }
    }
    found->watches.clear();
}

void CFolderChanges::DrainLocked()
{
    if (m_notify < 0)
        return;
    pollfd sources[2] = { { m_notify, POLLIN, 0 }, { m_mounts, POLLPRI, 0 } };
    if (::poll(sources, 2, 0) <= 0)
        return;
    const auto markAll = [this] {
        for (SClient &state : m_clients)
            state.changed = true;
    };
    if (sources[1].revents & (POLLPRI | POLLERR))
        markAll();
    if (!(sources[0].revents & POLLIN))
        return;

    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = ::read(m_notify, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t offset = 0; offset + ssize_t(sizeof(inotify_event)) <= length;) {
            inotify_event event;
            std::memcpy(&event, buffer + offset, sizeof event);
            offset += ssize_t(sizeof event) + ssize_t(event.len);
            if (event.mask & IN_Q_OVERFLOW) {
                markAll();
                continue;
            }
            const auto owners = m_owners.find(event.wd);
            if (owners == m_owners.end())
                continue;
            for (const ClientId client : std::as_const(*owners)) {
                m_clients[client].changed = true;
                if (event.mask & IN_IGNORED)
                    m_clients[client].watches.remove(event.wd);
            }
            if (event.mask & IN_IGNORED) // the folder is gone, or its file system
                m_owners.erase(owners);
        }
    }
}

} // namespace Platform
