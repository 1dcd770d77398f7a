#pragma once

#include <QApplication>
#include <QFlags>
#include <QStringList>

class SingleApplicationPrivate;

// The application object of a program that runs once per key. The first instance ("primary")
// marks a shared memory block and listens on a local server under the key; a later instance
// announces itself to it and, unless secondary instances are allowed, ends with exit code 0
// inside the constructor.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    enum class Option {
        // The user name goes into the key and the server accepts that user only.
        User = 1,
        // Allowed secondary instances announce themselves to the primary too.
        SecondaryNotification = 4,
        ExcludeAppVersion = 8,
        ExcludeAppPath = 16,
    };
    Q_DECLARE_FLAGS(Options, Option)

    // What tells one program copy of one user from another; the key is made from it.
    struct SIdentity
    {
        QString applicationName;
        QString organizationName;
        QString organizationDomain;
        QStringList userData;
        QString version;
        QString programPath;
        QString userName;
    };

    // `userData` joins the key when not empty. May end the process (see above; failures of
    // the shared memory end it with exit code 1).
    SingleApplication(int &argc, char *argv[], bool allowSecondary, Options options, int timeout,
        const QString &userData);
    ~SingleApplication() override;

    // True when this instance runs no local server.
    bool IsSecondaryInstance() const;

    // The name of the shared block and of the local server: Base64 of a SHA-256 hash, with
    // "_" for "/" so that it is a plain name everywhere.
    static QString MakeInstanceKey(const SIdentity &identity, Options options);

signals:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, QByteArray message);

private:
    SingleApplicationPrivate *d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SingleApplication::Options)
