#pragma once

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>

namespace Platform {

// Change notices for folders, for every thread of the process through one system watch (the
// system grants each user only a few). A client names folders and later asks whether anything
// happened in any of them since: an entry made, removed, renamed, written to or given other
// attributes, a named folder removed or moved, or a file system mounted or unmounted anywhere.
// Not seen: writes through memory maps, and changes another machine makes in a network
// folder; callers rely on it only on local file systems (KeepsFileIdentity) and only for what
// names and sizes tell, never for contents. Thread-safe.
class CFolderChanges
{
public:
    using ClientId = quint64;

    static CFolderChanges &Shared();

    ClientId NewClient();
    void RemoveClient(ClientId client);
    // Forgets the client's folders and counts it unchanged from now on. False when the system
    // offers no watch: the client then always counts as changed.
    bool Restart(ClientId client);
    // Watches one folder's entries (not what is below them). False when it cannot: the client
    // counts as changed until its next Restart.
    bool Add(ClientId client, const QString &folder);
    // Whether anything happened in the client's folders since its Restart.
    bool Changed(ClientId client);

    ~CFolderChanges();

private:
    CFolderChanges();
    void DrainLocked();
    void ForgetLocked(ClientId client);

    struct SClient
    {
        QSet<int> watches;
        bool changed = true;
    };

    QMutex m_lock; // guards everything below
    int m_notify = -1;
    int m_mounts = -1;
    ClientId m_nextClient = 1;
    QHash<ClientId, SClient> m_clients;
    QHash<int, QSet<ClientId>> m_owners; // watch descriptor -> its clients
};

} // namespace Platform
