#include "Folders.h"
#include "HelpTopics.h"
#include "TestMain.h"
#include "platform/ColorScheme.h"
#include "platform/DesktopOpen.h"
#include "platform/FileIdentity.h"
#include "platform/FolderChanges.h"
#include "platform/FolderListing.h"
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
    void folderListingLeavesUnaddressableNamesOut();
    void folderChangesSeeWhatChangesSizes_data();
    void folderChangesSeeWhatChangesSizes();
    void folderChangesOfOneFolderForTwoClients();
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

void TestPlatform::folderListingLeavesUnaddressableNamesOut()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray base = QFile::encodeName(folder.path()) + '/';
    for (const char *name : { "caf\xE9.jpg", "caf\xC3\xA9.jpg" })
        QVERIFY(::close(::open((base + name).constData(), O_WRONLY | O_CREAT, 0600)) == 0);
    QList<Platform::SFolderEntry> entries;
    QVERIFY(Platform::ListFolder(folder.path(), entries));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().name, QString::fromUtf8("caf\xC3\xA9.jpg"));
    QVERIFY(!Platform::ListFolder(folder.filePath(QStringLiteral("missing")), entries));
}

void TestPlatform::folderChangesSeeWhatChangesSizes_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("seen");
    QTest::newRow("nothing") << "none" << false;
    QTest::newRow("a file read") << "read" << false;
    QTest::newRow("a file made") << "create" << true;
    QTest::newRow("a file written to") << "append" << true;
    QTest::newRow("a file cut short") << "truncate" << true;
    QTest::newRow("a file renamed") << "rename" << true;
    QTest::newRow("a file removed") << "remove" << true;
    QTest::newRow("a file in a subfolder written to") << "deep" << true;
    QTest::newRow("the folder itself removed") << "remove folder" << true;
}

void TestPlatform::folderChangesSeeWhatChangesSizes()
{
    QFETCH(QString, change);
    QFETCH(bool, seen);
    QTemporaryDir temporary;
    const QString folder = temporary.filePath(QStringLiteral("watched"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub")));
    const QString file = folder + QStringLiteral("/a.jpg");
    const QString deep = folder + QStringLiteral("/sub/b.jpg");
    for (const QString &path : { file, deep }) {
        QFile made(path);
        QVERIFY(made.open(QIODevice::WriteOnly) && made.write("12345") == 5);
    }
    Platform::CFolderChanges &changes = Platform::CFolderChanges::Shared();
    const auto client = changes.NewClient();
    if (!changes.Restart(client))
        QSKIP("No folder change notices on this system");
    QVERIFY(changes.Add(client, folder) && changes.Add(client, folder + QStringLiteral("/sub")));
    QVERIFY(!changes.Changed(client));

    QFile target(change == QLatin1String("deep") ? deep : file);
    if (change == QLatin1String("read"))
        QVERIFY(target.open(QIODevice::ReadOnly) && target.readAll().size() == 5);
    else if (change == QLatin1String("create"))
        QVERIFY(QFile(folder + QStringLiteral("/c.jpg")).open(QIODevice::WriteOnly));
    else if (change == QLatin1String("append") || change == QLatin1String("deep"))
        QVERIFY(target.open(QIODevice::Append) && target.write("x") == 1);
    else if (change == QLatin1String("truncate"))
        QVERIFY(target.resize(1));
    else if (change == QLatin1String("rename"))
        QVERIFY(target.rename(folder + QStringLiteral("/z.jpg")));
    else if (change == QLatin1String("remove"))
        QVERIFY(target.remove());
    else if (change == QLatin1String("remove folder"))
        QVERIFY(QDir(folder).removeRecursively());
    target.close();

    QTRY_COMPARE(changes.Changed(client), seen);
    QCOMPARE(changes.Changed(client), seen); // and it stays so until the next start
    QVERIFY(changes.Restart(client));
    QVERIFY(!changes.Changed(client));
    changes.RemoveClient(client);
}

void TestPlatform::folderChangesOfOneFolderForTwoClients()
{
    // Two watch threads over one folder share the system's watch: one of them starting over
    // must not blind the other.
    QTemporaryDir folder;
    Platform::CFolderChanges &changes = Platform::CFolderChanges::Shared();
    const auto first = changes.NewClient();
    const auto second = changes.NewClient();
    if (!changes.Restart(first) || !changes.Restart(second))
        QSKIP("No folder change notices on this system");
    QVERIFY(changes.Add(first, folder.path()) && changes.Add(second, folder.path()));
    QVERIFY(changes.Restart(first)); // forgets its folder; the second keeps watching
    QVERIFY(QFile(folder.filePath(QStringLiteral("new.jpg"))).open(QIODevice::WriteOnly));
    QTRY_VERIFY(changes.Changed(second));
    QVERIFY(!changes.Changed(first));
    changes.RemoveClient(first);
    changes.RemoveClient(second);
}

#include "tst_platform.moc"
