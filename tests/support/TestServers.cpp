#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace {

sockaddr_in LoopbackAddress(quint16 port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

void EndProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
}

// Waits until the server listens; false when it ended first.
bool WaitUntilListening(QProcess &process, quint16 port)
{
    while (!LoopbackPortAnswers(port)) {
        if (process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

void EndWithThisTest(QProcess &process)
{
    const pid_t test = ::getpid();
    process.setChildProcessModifier([test] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The test may have ended between the fork and the line above.
        if (::getppid() != test)
            ::_exit(1);
    });
}

quint16 FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof(address);
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool LoopbackPortAnswers(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LoopbackAddress(port);
    const bool answered
        = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answered;
}

int RunTool(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return -1;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

const QString CTestFtpServer::User = QStringLiteral("photos");
const QString CTestFtpServer::Password = QStringLiteral("S3cr#t-pa55word");

CTestFtpServer::~CTestFtpServer()
{
    Stop();
}

QString CTestFtpServer::Start()
{
    if (m_server.state() != QProcess::NotRunning)
        return QString();
    if (!m_root.isValid())
        return QStringLiteral("cannot make the FTP server's folder");
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
        return QStringLiteral("/usr/bin/python3 is missing: cannot start the FTP test server");
    m_port = FreeLoopbackPort();
    if (m_port == 0)
        return QStringLiteral("no free port");
    // Passive ports from a range of their own so parallel test runs do not meet.
    const int passiveStart = 40000 + QRandomGenerator::global()->bounded(200) * 100;
    EndWithThisTest(m_server);
    const QString log = QDir::tempPath() + QStringLiteral("/pyftpdlib-%1.log").arg(m_port);
    m_server.setStandardOutputFile(log);
    m_server.setStandardErrorFile(log, QIODevice::Append);
    m_server.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
            QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
            QStringLiteral("-d"), m_root.path(), QStringLiteral("-u"), User, QStringLiteral("-P"),
            Password, QStringLiteral("-w"), QStringLiteral("-r"),
            QStringLiteral("%1-%2").arg(passiveStart).arg(passiveStart + 99) });
    if (!m_server.waitForStarted())
        return QStringLiteral("Cannot start pyftpdlib (package python3-pyftpdlib)");
    if (!WaitUntilListening(m_server, m_port))
        return QStringLiteral("pyftpdlib ended before it listened (is python3-pyftpdlib "
                              "installed?), see ")
            + log;
    return QString();
}

void CTestFtpServer::Stop()
{
    EndProcess(m_server);
}

CTestSshServer::~CTestSshServer()
{
    Stop();
}

QString CTestSshServer::Start()
{
    if (m_sshd.state() != QProcess::NotRunning)
        return QString();
    if (::geteuid() != 0)
        return QStringLiteral("SFTP needs a test sshd and a system account: run as root");
    if (!QFile::exists(QStringLiteral("/usr/sbin/sshd")))
        return QStringLiteral("/usr/sbin/sshd is missing (package openssh-server)");
    if (!m_folder.isValid())
        return QStringLiteral("cannot make a folder for sshd");
    // Password login needs a real account; it is removed again at the end. Accounts left by
    // test runs that were killed go first.
    QFile accounts(QStringLiteral("/etc/passwd"));
    if (accounts.open(QIODevice::ReadOnly)) {
        const QRegularExpression stale(QStringLiteral("^qdsftp(\\d+):"));
        for (const QByteArray &line : accounts.readAll().split('\n')) {
            const QRegularExpressionMatch match = stale.match(QString::fromUtf8(line));
            if (match.hasMatch() && ::kill(pid_t(match.captured(1).toLongLong()), 0) != 0)
                RunTool(QStringLiteral("/usr/sbin/userdel"),
                    { QString::fromUtf8(line.left(line.indexOf(':'))) });
        }
    }
    m_user = QStringLiteral("qdsftp%1").arg(::getpid());
    if (RunTool(QStringLiteral("/usr/bin/id"), { m_user }) != 0) {
        if (RunTool(QStringLiteral("/usr/sbin/useradd"),
                { QStringLiteral("-M"), QStringLiteral("-d"), QStringLiteral("/tmp"),
                    QStringLiteral("-s"), QStringLiteral("/bin/sh"), m_user })
            != 0)
            return QStringLiteral("useradd failed");
        m_userCreated = true;
    }
    if (RunTool(QStringLiteral("/usr/sbin/chpasswd"), {},
            (m_user + QLatin1Char(':') + Password() + QLatin1Char('\n')).toUtf8())
        != 0)
        return QStringLiteral("chpasswd failed");
    const QString key = m_folder.filePath(QStringLiteral("host_key"));
    if (RunTool(QStringLiteral("/usr/bin/ssh-keygen"),
            { QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                QStringLiteral("-N"), QString(), QStringLiteral("-f"), key })
        != 0)
        return QStringLiteral("ssh-keygen failed");
    QDir().mkpath(QStringLiteral("/run/sshd"));
    m_port = FreeLoopbackPort();
    const QString config = m_folder.filePath(QStringLiteral("sshd_config"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the sshd configuration");
    QTextStream(&file) << "ListenAddress 127.0.0.1\nPort " << m_port << "\nHostKey " << key
                       << "\nPidFile " << m_folder.filePath(QStringLiteral("sshd.pid"))
                       << "\nSubsystem sftp internal-sftp\nUsePAM no\nStrictModes no\n"
                       << "PasswordAuthentication yes\nAllowUsers " << m_user << "\n";
    file.close();
    EndWithThisTest(m_sshd);
    m_sshd.setStandardOutputFile(QProcess::nullDevice());
    m_sshd.setStandardErrorFile(m_folder.filePath(QStringLiteral("sshd.log")), QIODevice::Append);
    m_sshd.start(QStringLiteral("/usr/sbin/sshd"),
        { QStringLiteral("-D"), QStringLiteral("-f"), config, QStringLiteral("-E"),
            m_folder.filePath(QStringLiteral("sshd.log")) });
    if (!m_sshd.waitForStarted())
        return QStringLiteral("sshd did not start");
    if (!WaitUntilListening(m_sshd, m_port))
        return QStringLiteral("sshd ended before it listened, see ")
            + m_folder.filePath(QStringLiteral("sshd.log"));
    return QString();
}

void CTestSshServer::Stop()
{
    EndProcess(m_sshd);
    if (m_userCreated && RunTool(QStringLiteral("/usr/sbin/userdel"), { m_user }) == 0)
        m_userCreated = false;
}

QString CTestSshServer::MakeWritableFolder(const QString &name)
{
    const QString path = m_folder.filePath(name);
    // The account must be able to pass through the (root-owned) server folder.
    QFile::setPermissions(m_folder.path(), QFile::permissions(m_folder.path()) | QFile::ExeOther);
    if (!QDir().mkpath(path) || RunTool(QStringLiteral("/bin/chown"), { m_user, path }) != 0)
        return QString();
    return path;
}
