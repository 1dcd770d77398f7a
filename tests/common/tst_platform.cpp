#include "Folders.h"
#include "HelpTopics.h"
#include "TestMain.h"
#include "platform/ColorScheme.h"
#include "platform/DesktopOpen.h"
#include "platform/FileNames.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramFolder.h"
#include "platform/TempFolder.h"
#include "platform/UserName.h"

#include <QGuiApplication>
#include <QFile>
#include <QPalette>

#include <QTemporaryDir>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void userFoldersFollowIsolatedHome();
    void programDataFolderBesideProgram();

    void tempWorkFolderIsPrivate();
    void tempWorkFolderRefusesLink();
    void tempWorkFolderRefusesFile();
    void tempWorkFolderRefusesOtherOwner();

    void helpPageOpensThroughDesktopWhenPresent();
    void helpPageMissingOnlyTraces();
    void helpPageNameCannotClimbOut();

    void namesQtCannotAddressAreListed();
    void userNameMatchesAccount();
    void darkSchemeFromThemeOrPalette();

private:
    QString tempWorkPath() const;
    QStringList m_opened;
};

void TestPlatform::init()
{
    m_opened.clear();
    Platform::SetLocalPathOpener([this](const QString &path) {
        m_opened << path;
        return true;
    });
}

void TestPlatform::cleanup()
{
    Platform::SetLocalPathOpener({});
    QFile::remove(tempWorkPath()); // a file or link some tests plant
    QDir(tempWorkPath()).removeRecursively();
}

QString TestPlatform::tempWorkPath() const
{
    return QDir::tempPath() + QStringLiteral("/QuendrasilTemp-") + QString::number(getuid());
}

void TestPlatform::userFoldersFollowIsolatedHome()
{
    const QString home = qEnvironmentVariable("HOME");
    QVERIFY(GetDocumentsFolder().startsWith(home));
    QVERIFY(GetPicturesFolder().startsWith(home));
    QVERIFY(!GetDocumentsFolder().endsWith(QLatin1Char('/')));
    QVERIFY(!GetDocumentsFolder().contains(QLatin1Char('\\')));
}

void TestPlatform::programDataFolderBesideProgram()
{
    QCOMPARE(Platform::ProgramDataFolder(), QCoreApplication::applicationDirPath() + "/Data");
}

void TestPlatform::tempWorkFolderIsPrivate()
{
    const QString path = Platform::TempWorkFolder();
    QCOMPARE(path, tempWorkPath());
    QVERIFY(path.startsWith(qEnvironmentVariable("TMPDIR")));
    struct stat info{};
    QCOMPARE(lstat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, mode_t(0700));

    // An existing folder with loose permissions is tightened, and the call is repeatable.
    QCOMPARE(chmod(QFile::encodeName(path).constData(), 0777), 0);
    QCOMPARE(Platform::TempWorkFolder(), path);
    QCOMPARE(lstat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
}

void TestPlatform::tempWorkFolderRefusesLink()
{
    QTemporaryDir elsewhere;
    QVERIFY(QFile::link(elsewhere.path(), tempWorkPath()));
    QVERIFY(Platform::TempWorkFolder().isEmpty());
    QVERIFY(QFileInfo(tempWorkPath()).isSymLink()); // left alone, not followed
}

void TestPlatform::tempWorkFolderRefusesFile()
{
    QFile file(tempWorkPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(Platform::TempWorkFolder().isEmpty());
}

void TestPlatform::tempWorkFolderRefusesOtherOwner()
{
    if (getuid() != 0)
        QSKIP("Only root can give a folder to another user");
    const passwd *nobody = getpwnam("nobody");
    if (!nobody)
        QSKIP("No 'nobody' account");
    QVERIFY(QDir().mkpath(tempWorkPath()));
    QCOMPARE(chown(QFile::encodeName(tempWorkPath()).constData(), nobody->pw_uid, nobody->pw_gid),
             0);
    QVERIFY(Platform::TempWorkFolder().isEmpty());
}

void TestPlatform::helpPageOpensThroughDesktopWhenPresent()
{
    const QString page = QStringLiteral("formats_jpg.html");
    const QString path = Platform::HelpPagePath(page);
    QVERIFY(path.startsWith(Platform::ProgramDataFolder() + QStringLiteral("/Help/")));
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path)); // the manual the build writes
    ShowHelpTopic(page);
    QCOMPARE(m_opened, QStringList{path});
}

void TestPlatform::helpPageMissingOnlyTraces()
{
    QVERIFY(!Platform::OpenHelpPage(QStringLiteral("no-such-page.html")));
    QVERIFY(m_opened.isEmpty());
}

void TestPlatform::helpPageNameCannotClimbOut()
{
    QVERIFY(!Platform::OpenHelpPage(QStringLiteral("../../../etc/passwd")));
    QVERIFY(!Platform::OpenHelpPage(QStringLiteral("..")));
    QVERIFY(!Platform::OpenHelpPage(QString()));
    QVERIFY(m_opened.isEmpty());
}

void TestPlatform::userNameMatchesAccount()
{
    const QString name = Platform::CurrentUserName();
    QVERIFY(!name.isEmpty());
    const passwd *entry = getpwuid(getuid());
    if (entry)
        QCOMPARE(name, QString::fromLocal8Bit(entry->pw_name));
}

void TestPlatform::darkSchemeFromThemeOrPalette()
{
    const QByteArray savedTheme = qgetenv("GTK_THEME");
    const QPalette savedPalette = QGuiApplication::palette();

    qputenv("GTK_THEME", "Adwaita:dark");
    Platform::RefreshDesktopScheme();
    QVERIFY(Platform::DesktopPrefersDark());
    qunsetenv("GTK_THEME");
    // Kept until the desktop announces a change.
    QVERIFY(Platform::DesktopPrefersDark());
    Platform::RefreshDesktopScheme();
    const bool desktopDark = Platform::DesktopPrefersDark();

    // The program's own palette says nothing about the desktop's.
    QPalette own;
    own.setColor(QPalette::Window, desktopDark ? QColor(240, 240, 240) : QColor(30, 30, 30));
    QGuiApplication::setPalette(own);
    Platform::RefreshDesktopScheme();
    QCOMPARE(Platform::DesktopPrefersDark(), desktopDark);

    QGuiApplication::setPalette(savedPalette);
    if (!savedTheme.isEmpty())
        qputenv("GTK_THEME", savedTheme);
    Platform::RefreshDesktopScheme();
}

QUENDRASIL_TEST_MAIN(TestPlatform, QGuiApplication)
// Qt's own listings drop names that are not UTF-8; the platform layer finds them, links left out.
void TestPlatform::namesQtCannotAddressAreListed()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray base = QFile::encodeName(folder.path()) + '/';
    const auto make = [&base](const QByteArray &name) {
        const int file = ::open((base + name).constData(), O_WRONLY | O_CREAT, 0600);
        return file >= 0 && ::close(file) == 0;
    };
    QVERIFY(make("caf\xE9.jpg"));
    QVERIFY(make("good.jpg"));
    QVERIFY(make("caf\xC3\xA9.jpg")); // valid UTF-8
    QVERIFY(::mkdir((base + "d\xFF").constData(), 0700) == 0);
    QVERIFY(::symlink("good.jpg", (base + "link\xFE.jpg").constData()) == 0);

    QList<Platform::SUnaddressableEntry> entries = Platform::UnaddressableEntries(folder.path());
    std::sort(entries.begin(), entries.end(),
        [](const auto &a, const auto &b) { return a.name < b.name; });
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).name, QByteArray("caf\xE9.jpg"));
    QVERIFY(!entries.at(0).isFolder);
    QCOMPARE(entries.at(1).name, QByteArray("d\xFF"));
    QVERIFY(entries.at(1).isFolder);
    QVERIFY(Platform::UnaddressableEntries(folder.filePath(QStringLiteral("missing"))).isEmpty());
}

#include "tst_platform.moc"
