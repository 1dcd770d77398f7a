#pragma once

// FTP and SFTP servers that a test starts on 127.0.0.1 for itself and stops at its end.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Makes a process the test starts end with the test, also when the test crashes or is killed:
// the kernel kills it (SIGKILL) as soon as the thread that started it ends. Call before start.
// Servers also keep their output out of the test's own streams, which CTest waits on.
void EndWithThisTest(QProcess &process);

quint16 FreeLoopbackPort(); // a port nobody listens on right now
bool LoopbackPortAnswers(quint16 port);

// Runs a program to its end (at most a minute); its exit code, or -1.
int RunTool(
    const QString &program, const QStringList &arguments, const QByteArray &input = QByteArray());

// pyftpdlib serving a temporary folder, with one writable account.
class CTestFtpServer
{
public:
    static const QString User;
    static const QString Password; // plain text; documents store it in Base64

    ~CTestFtpServer();
    // Empty when it listens (or already did), else why it does not.
    QString Start();
    void Stop();
    quint16 Port() const { return m_port; }
    QString Root() const { return m_root.path(); } // the server's "/"

private:
    QTemporaryDir m_root;
    QProcess m_server;
    quint16 m_port = 0;
};

// The system's sshd on a port of its own, with a system account made for this run (root only).
class CTestSshServer
{
public:
    ~CTestSshServer();
    QString Start(); // empty when it listens, else why it does not
    void Stop();
    quint16 Port() const { return m_port; }
    QString User() const { return m_user; } // one per process, so parallel tests do not meet
    QString Password() const { return CTestFtpServer::Password; }
    // A fresh folder the account can write to, as an absolute path (SFTP paths are absolute).
    QString MakeWritableFolder(const QString &name);

private:
    QTemporaryDir m_folder { QStringLiteral("/tmp/quendrasil-sftp-XXXXXX") };
    QProcess m_sshd;
    quint16 m_port = 0;
    QString m_user;
    bool m_userCreated = false;
};
