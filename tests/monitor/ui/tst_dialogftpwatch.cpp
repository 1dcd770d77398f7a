#include "ScriptedUser.h"
#include "TestMain.h"
#include "TestServers.h"

#include "DialogFTPWatch.h"
#include "Folders.h"
#include "HelpTopics.h"
#include "JobName.h"
#include "MonitorThread.h"
#include "OpenFileChooser.h"
#include "Settings.h"
#include "platform/DesktopOpen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <curl/curl.h>

#include <memory>

namespace {

const QString IntervalWarning
    = QStringLiteral("The scan interval must be an integer larger than 30.");
const QString FieldsWarning = QStringLiteral("Some fields were not filled.");
const QString NameWarning = QStringLiteral(
    "The Name field cannot contain any of the following characters: \\ / : * ? \" < > |");
const QString TaskWarning = QStringLiteral("The task you selected does not exist.");

template<typename T> T *Child(QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// Types text as key presses; QTest::keyClicks takes ASCII only.
void TypeKeys(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces the text of a line edit as a user would: select all, then type.
void Type(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeKeys(edit, text);
}

void Type(QWidget *dialog, const char *name, const QString &text)
{
    if (auto *combo = dialog->findChild<QComboBox *>(QString::fromLatin1(name)))
        Type(combo->lineEdit(), text);
    else
        Type(Child<QLineEdit>(dialog, name), text);
}

void Click(QWidget *dialog, const char *name)
{
    QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
}

void SetTicked(QWidget *dialog, const char *name, bool ticked)
{
    auto *box = Child<QCheckBox>(dialog, name);
    if (box->isChecked() != ticked)
        QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->isChecked(), ticked);
}

QString Text(QWidget *dialog, const char *name)
{
    if (auto *combo = dialog->findChild<QComboBox *>(QString::fromLatin1(name)))
        return combo->currentText();
    if (auto *label = dialog->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    return Child<QLineEdit>(dialog, name)->text();
}

} // namespace

class TestDialogFTPWatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void okChecksInOrder_data();
    void okChecksInOrder();
    void acceptedOkHandsBackEveryField();
    void serverFolderEndsWithSlash_data();
    void serverFolderEndsWithSlash();
    void newJobShowsDefaultsAndRememberedServer();
    void refusedOkHasStoredServerOwnerOnly();
    void portThatIsNoNumberIsRememberedAsZero();
    void logLinkShownOnlyWithLogAndOpensIt();
    void helpProfileChooserAndEditProfile();
    void connectionTestAgainstFtpServer_data();
    void connectionTestAgainstFtpServer();
    void connectionTestAgainstSftpServer();
    void closingDuringConnectionTest();

private:
    // Fills every control with values that pass all checks.
    void FillValid(QWidget *dialog);
    // Clicks Test Connection and waits for its outcome.
    void RunTest(QWidget *dialog, const QString &expected);

    QTemporaryDir m_folder;
    QString m_profile;
    CScriptedUser m_user;
    CTestFtpServer m_ftp;
    QString m_ftpProblem;
};

void TestDialogFTPWatch::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_profile = m_folder.filePath(QStringLiteral("job.qlf"));
    QFile profile(m_profile);
    QVERIFY(profile.open(QIODevice::WriteOnly));
    profile.write("<Profile/>");
    profile.close();
    qApp->installEventFilter(&m_user);
    m_ftpProblem = m_ftp.Start();
}

void TestDialogFTPWatch::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
    m_user.Clear();
}

void TestDialogFTPWatch::cleanup()
{
    SetHelpTopicHandler({});
    SetOpenFileChooser({});
    Platform::SetLocalPathOpener({});
    CMonitorThread::SetMainProgram(QString());
}

void TestDialogFTPWatch::FillValid(QWidget *dialog)
{
    Type(dialog, "editName", QStringLiteral("Camera uploads"));
    Type(dialog, "comboScanInterval", QStringLiteral("60"));
    Type(dialog, "comboSearchMask", QStringLiteral("*.JPG"));
    Type(dialog, "editPathProfile", m_profile);
    Type(dialog, "editHost", QStringLiteral("127.0.0.1"));
    Type(dialog, "editPathFolder", QStringLiteral("/photos/"));
}

void TestDialogFTPWatch::RunTest(QWidget *dialog, const QString &expected)
{
    auto *result = Child<QLabel>(dialog, "labelResultTestConnection");
    Click(dialog, "buttonTestFTPConnection");
    QCOMPARE(result->text(), QStringLiteral("..."));
    QTRY_VERIFY_WITH_TIMEOUT(result->text() != QStringLiteral("..."), 30000);
    QCOMPARE(result->text(), expected);
}

void TestDialogFTPWatch::okChecksInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("profile"); // "ok" the real profile, "missing", "folder", "" empty
    QTest::addColumn<QString>("warning"); // empty when accepted

    const auto row = [](const char *tag, const char *name, const char *interval, const char *mask,
                         const char *profile, const QString &warning) {
        QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(interval)
                           << QString::fromUtf8(mask) << QString::fromUtf8(profile) << warning;
    };
    const char *name = "Camera uploads";
    row("interval 29", name, "29", "*.*", "ok", IntervalWarning);
    row("interval 30 passes", name, "30", "*.*", "ok", QString());
    row("interval 65535 passes", name, "65535", "*.*", "ok", QString());
    row("interval 65536", name, "65536", "*.*", "ok", IntervalWarning);
    row("interval -5", name, "-5", "*.*", "ok", IntervalWarning);
    row("interval abc", name, "abc", "*.*", "ok", IntervalWarning);
    row("empty interval is an interval fault", name, "", "*.*", "ok", IntervalWarning);
    row("interval before empty fields", "", "29", "", "", IntervalWarning);
    row("empty name", "", "60", "*.*", "ok", FieldsWarning);
    row("empty mask", name, "60", "", "ok", FieldsWarning);
    row("empty profile", name, "60", "*.*", "", FieldsWarning);
    row("empty fields before name", "a?b", "60", "", "missing", FieldsWarning);
    row("question mark in name", "a?b", "60", "*.*", "ok", NameWarning);
    row("double quote in name", "a\"b", "60", "*.*", "ok", NameWarning);
    row("name before profile", "a|b", "60", "*.*", "missing", NameWarning);
    row("plain name passes", "Job 2.1 - web", "60", "*.*", "ok", QString());
    row("missing profile", name, "60", "*.*", "missing", TaskWarning);
    row("profile is a folder", name, "60", "*.*", "folder", TaskWarning);
}

void TestDialogFTPWatch::okChecksInOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, interval);
    QFETCH(QString, mask);
    QFETCH(QString, profile);
    QFETCH(QString, warning);

    CDialogFTPWatch dialog;
    dialog.show();
    FillValid(&dialog);
    Type(&dialog, "editName", name);
    Type(&dialog, "comboScanInterval", interval);
    Type(&dialog, "comboSearchMask", mask);
    const QString profilePath = profile == QLatin1String("ok") ? m_profile
        : profile == QLatin1String("missing") ? m_folder.filePath(QStringLiteral("gone.qlf"))
        : profile == QLatin1String("folder")  ? m_folder.path()
                                              : QString();
    Type(&dialog, "editPathProfile", profilePath);
    Click(&dialog, "buttonOK");

    if (warning.isEmpty()) {
        QCOMPARE(m_user.boxesSeen, QStringList());
        QCOMPARE(dialog.result(), 1);
        QVERIFY(!dialog.isVisible());
    } else {
        QCOMPARE(m_user.boxesSeen, QStringList { warning });
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        // What the user typed stays for a second try.
        QCOMPARE(Text(&dialog, "editName"), name);
    }
}

void TestDialogFTPWatch::acceptedOkHandsBackEveryField()
{
    // Filled as the window fills it for an edit.
    CDialogFTPWatch dialog;
    dialog.Id = 4711;
    dialog.Name = QStringLiteral("Old");
    dialog.Description = QStringLiteral("first line");
    dialog.Host = QStringLiteral("old.example");
    dialog.UseSFTP = false;
    dialog.Port = 2121;
    dialog.Username = QStringLiteral("olduser");
    dialog.Password = QStringLiteral("oldpass");
    dialog.Source = QStringLiteral("/old/");
    dialog.Script = m_profile;
    dialog.Subfolders = false;
    dialog.Mask = QStringLiteral("*.PNG");
    dialog.Interval = 90;
    dialog.CreateLog = false;
    dialog.Overwrite = true;
    dialog.SilentMode = true;

    int result = -1;
    m_user.dialogSteps << [](QDialog *shown) {
        QCOMPARE(Text(shown, "editHost"), QStringLiteral("old.example"));
        QCOMPARE(Text(shown, "editPort"), QStringLiteral("2121"));
        QCOMPARE(Text(shown, "editPassword"), QStringLiteral("oldpass"));
        QCOMPARE(Child<QLineEdit>(shown, "editPassword")->echoMode(), QLineEdit::Password);
        Type(shown, "editName", QStringLiteral("Studio ü"));
        auto *description = Child<QPlainTextEdit>(shown, "editDescription");
        QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
        TypeKeys(description, QStringLiteral(" more"));
        Type(shown, "editHost", QStringLiteral("ftp.example"));
        Type(shown, "editPort", QStringLiteral("2222"));
        Type(shown, "editUsername", QStringLiteral("anna"));
        Type(shown, "editPassword", QStringLiteral("p:@ss word"));
        Type(shown, "editPathFolder", QStringLiteral("/in/box"));
        Type(shown, "comboSearchMask", QStringLiteral("*.TIF"));
        Type(shown, "comboScanInterval", QStringLiteral("120"));
        SetTicked(shown, "checkUseSFTP", true);
        SetTicked(shown, "checkSubfolders", true);
        SetTicked(shown, "checkReprocess", true);
        SetTicked(shown, "checkLog", true);
        SetTicked(shown, "checkOverwrite", false);
        SetTicked(shown, "checkSilentMode", false);
        Click(shown, "buttonOK");
    };
    result = dialog.exec();

    QCOMPARE(result, 1);
    QCOMPARE(m_user.boxesSeen, QStringList());
    QCOMPARE(dialog.Id, qint64(4711));
    QCOMPARE(dialog.Name, QStringLiteral("Studio ü"));
    QCOMPARE(dialog.Description, QStringLiteral("first line more"));
    QCOMPARE(dialog.Host, QStringLiteral("ftp.example"));
    QCOMPARE(dialog.Port, 2222);
    QCOMPARE(dialog.UseSFTP, true);
    QCOMPARE(dialog.Username, QStringLiteral("anna"));
    QCOMPARE(dialog.Password, QStringLiteral("p:@ss word"));
    QCOMPARE(dialog.Source, QStringLiteral("/in/box/"));
    QCOMPARE(dialog.Script, m_profile);
    QCOMPARE(dialog.Mask, QStringLiteral("*.TIF"));
    QCOMPARE(dialog.Interval, quint16(120));
    QCOMPARE(dialog.Subfolders, true);
    QCOMPARE(dialog.Reprocess, true);
    QCOMPARE(dialog.CreateLog, true);
    QCOMPARE(dialog.Overwrite, false);
    QCOMPARE(dialog.SilentMode, false);

    // Cancel answers 0.
    CDialogFTPWatch cancelled;
    m_user.dialogSteps << [](QDialog *shown) { Click(shown, "buttonCancel"); };
    QCOMPARE(cancelled.exec(), 0);
}

void TestDialogFTPWatch::serverFolderEndsWithSlash_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("source");
    QTest::newRow("empty") << ""
                           << "/";
    QTest::newRow("no final slash") << "/photos/new"
                                    << "/photos/new/";
    QTest::newRow("final slash kept") << "/photos/"
                                      << "/photos/";
    QTest::newRow("no leading slash") << "photos"
                                      << "/photos/";
}

void TestDialogFTPWatch::serverFolderEndsWithSlash()
{
    QFETCH(QString, typed);
    QFETCH(QString, source);
    CDialogFTPWatch dialog;
    dialog.show();
    FillValid(&dialog);
    Type(&dialog, "editPathFolder", typed);
    Click(&dialog, "buttonOK");
    QCOMPARE(dialog.result(), 1);
    QCOMPARE(dialog.Source, source);
}

void TestDialogFTPWatch::newJobShowsDefaultsAndRememberedServer()
{
    {
        CDialogFTPWatch earlier;
        earlier.show();
        FillValid(&earlier);
        Type(&earlier, "editHost", QStringLiteral("remembered.example"));
        Type(&earlier, "editPort", QStringLiteral("2121"));
        Type(&earlier, "editUsername", QStringLiteral("remembered-user"));
        Type(&earlier, "editPassword", QStringLiteral("remembered-pass"));
        SetTicked(&earlier, "checkUseSFTP", false);
        Click(&earlier, "buttonOK");
        QCOMPARE(earlier.result(), 1);
    }
    QCOMPARE(ReadSettingInt(QStringLiteral("Monitor/FTP.UseSFTP"), -1), 0);

    // A new job: the window sets only the profile.
    CDialogFTPWatch dialog;
    dialog.Script = m_profile;
    m_user.dialogSteps << [this](QDialog *shown) {
        QVERIFY(!(shown->windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(Text(shown, "editPort"), QStringLiteral("22"));
        QVERIFY(Child<QCheckBox>(shown, "checkUseSFTP")->isChecked());
        QCOMPARE(Text(shown, "editHost"), QStringLiteral("remembered.example"));
        QCOMPARE(Text(shown, "editUsername"), QStringLiteral("remembered-user"));
        QCOMPARE(Text(shown, "editPassword"), QStringLiteral("remembered-pass"));
        QCOMPARE(Text(shown, "comboScanInterval"), QStringLiteral("60"));
        QCOMPARE(Text(shown, "comboSearchMask"), QStringLiteral("*.*"));
        QCOMPARE(Text(shown, "editPathProfile"), QDir::toNativeSeparators(m_profile));
        QVERIFY(Child<QCheckBox>(shown, "checkSubfolders")->isChecked());
        QVERIFY(Child<QCheckBox>(shown, "checkLog")->isChecked());
        shown->reject();
    };
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(m_user.Done());
}

void TestDialogFTPWatch::refusedOkHasStoredServerOwnerOnly()
{
    CDialogFTPWatch dialog;
    dialog.show();
    FillValid(&dialog);
    Type(&dialog, "editName", QString());
    Type(&dialog, "editHost", QStringLiteral("kept.example"));
    Type(&dialog, "editPort", QStringLiteral("990"));
    Type(&dialog, "editUsername", QStringLiteral("kept-user"));
    Type(&dialog, "editPassword", QStringLiteral("kept-pass"));
    SetTicked(&dialog, "checkUseSFTP", true);
    Click(&dialog, "buttonOK");
    QCOMPARE(m_user.boxesSeen, QStringList { FieldsWarning });

    QCOMPARE(
        ReadSettingString(QStringLiteral("Monitor/FTP.Host"), {}), QStringLiteral("kept.example"));
    QCOMPARE(
        ReadSettingString(QStringLiteral("Monitor/FTP.User"), {}), QStringLiteral("kept-user"));
    QCOMPARE(
        ReadSettingString(QStringLiteral("Monitor/FTP.Password"), {}), QStringLiteral("kept-pass"));
    QCOMPARE(ReadSettingInt(QStringLiteral("Monitor/FTP.Port"), -1), 990);
    QCOMPARE(ReadSettingInt(QStringLiteral("Monitor/FTP.UseSFTP"), -1), 1);
    // The store holds the password: only its owner may read it.
    const QString store = QSettings().fileName();
    QVERIFY(QFile::exists(store));
    QCOMPARE(QFile::permissions(store)
            & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
        QFile::Permissions());

    // An interval fault comes before the server is remembered.
    Type(&dialog, "editHost", QStringLiteral("not.kept"));
    Type(&dialog, "comboScanInterval", QStringLiteral("5"));
    Click(&dialog, "buttonOK");
    QCOMPARE(
        ReadSettingString(QStringLiteral("Monitor/FTP.Host"), {}), QStringLiteral("kept.example"));
}

void TestDialogFTPWatch::portThatIsNoNumberIsRememberedAsZero()
{
    {
        CDialogFTPWatch dialog;
        dialog.show();
        FillValid(&dialog);
        Type(&dialog, "editPort", QStringLiteral("ftp"));
        Click(&dialog, "buttonOK");
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(dialog.Port, 0);
    }
    QCOMPARE(ReadSettingInt(QStringLiteral("Monitor/FTP.Port"), -1), 0);
    CDialogFTPWatch next;
    next.Port = 0;
    next.Init();
    QCOMPARE(Text(&next, "editPort"), QStringLiteral("0"));
}

void TestDialogFTPWatch::logLinkShownOnlyWithLogAndOpensIt()
{
    const qint64 id = 1700000123;
    const QString log = GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/")
        + QString::number(id) + QStringLiteral(".log");
    QFile::remove(log);
    QStringList opened;
    Platform::SetLocalPathOpener([&opened](const QString &path) {
        opened << path;
        return true;
    });

    CDialogFTPWatch dialog;
    dialog.Id = id;
    dialog.Init();
    auto *link = Child<QLabel>(&dialog, "linkShowLog");
    QVERIFY(link->isHidden());

    QVERIFY(QDir().mkpath(QFileInfo(log).path()));
    QFile file(log);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    dialog.Init();
    QVERIFY(!link->isHidden());
    QVERIFY(link->text().contains(QStringLiteral("Show log")));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    QCOMPARE(opened, QStringList { log });
}

void TestDialogFTPWatch::helpProfileChooserAndEditProfile()
{
    QStringList topics;
    SetHelpTopicHandler([&topics](const QString &topic) { topics << topic; });
    QStringList asked;
    QString answer = QStringLiteral("/profiles/chosen.qlf");
    SetOpenFileChooser(
        [&](QWidget *, const QString &caption, const QString &start, const QString &filter) {
            asked << caption << start << filter;
            return answer;
        });
    // The main program stands in as a script that notes what it was given.
    const QString arguments = m_folder.filePath(QStringLiteral("arguments.txt"));
    const QString program = m_folder.filePath(QStringLiteral("quendrasil.sh"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '%1'\n").arg(arguments).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    CMonitorThread::SetMainProgram(program);

    CDialogFTPWatch dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(topics, QStringList { QStringLiteral("monitor_ftp-watch.html") });

    Click(&dialog, "buttonBrowseProfile");
    QCOMPARE(asked,
        (QStringList { QStringLiteral("Load Profile"),
            GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles"),
            QStringLiteral("Profile Files (*.qlf)") }));
    QCOMPARE(Text(&dialog, "editPathProfile"), answer);
    answer.clear(); // cancelled: nothing changes
    Click(&dialog, "buttonBrowseProfile");
    QCOMPARE(Text(&dialog, "editPathProfile"), QStringLiteral("/profiles/chosen.qlf"));

    // The tip comes first; whatever its answer, the main program starts on the profile.
    Type(&dialog, "editPathProfile", QStringLiteral("/my profiles/job 1.qlf"));
    Click(&dialog, "buttonEditProfile");
    QCOMPARE(m_user.dialogsSeen, QStringList { QStringLiteral("CDialogTip") });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(arguments).size() > 0, 10000);
    QFile noted(arguments);
    QVERIFY(noted.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(noted.readAll()), QStringLiteral("1|/my profiles/job 1.qlf"));
    QVERIFY(dialog.isVisible());
}

void TestDialogFTPWatch::connectionTestAgainstFtpServer_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("rightPassword");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<QString>("expected");

    const QString success = QStringLiteral("Success");
    QTest::newRow("root") << "/" << true << false << success;
    QTest::newRow("folder with # ? and letters") << "/Fotos #1 ?Größe/" << true << false << success;
    QTest::newRow("folder without final slash") << "/Fotos #1 ?Größe" << true << false << success;
    QTest::newRow("folder without slashes") << "Fotos #1 ?Größe" << true << false << success;
    QTest::newRow("missing folder")
        << "/nowhere/" << true << false
        << QString::fromUtf8(curl_easy_strerror(CURLE_REMOTE_ACCESS_DENIED));
    QTest::newRow("wrong password")
        << "/" << false << false << QString::fromUtf8(curl_easy_strerror(CURLE_LOGIN_DENIED));
    QTest::newRow("closed port") << "/" << true << true
                                 << QString::fromUtf8(curl_easy_strerror(CURLE_COULDNT_CONNECT));
}

void TestDialogFTPWatch::connectionTestAgainstFtpServer()
{
    if (!m_ftpProblem.isEmpty())
        QSKIP(qPrintable(m_ftpProblem));
    QFETCH(QString, folder);
    QFETCH(bool, rightPassword);
    QFETCH(bool, closedPort);
    QFETCH(QString, expected);
    QVERIFY(QDir().mkpath(m_ftp.Root() + QStringLiteral("/Fotos #1 ?Größe")));

    CDialogFTPWatch dialog;
    dialog.show();
    Type(&dialog, "editHost", QStringLiteral("127.0.0.1"));
    Type(&dialog, "editPort", QString::number(closedPort ? FreeLoopbackPort() : m_ftp.Port()));
    SetTicked(&dialog, "checkUseSFTP", false);
    Type(&dialog, "editPathFolder", folder);
    Type(&dialog, "editUsername", CTestFtpServer::User);
    Type(&dialog, "editPassword",
        rightPassword ? CTestFtpServer::Password : QStringLiteral("wrong"));
    RunTest(&dialog, expected);
    if (QTest::currentTestFailed())
        return;
    // The test reads the controls only: the fields stay as they were.
    QCOMPARE(dialog.Host, QString());
    QVERIFY(Child<QPushButton>(&dialog, "buttonTestFTPConnection")->isEnabled());
}

void TestDialogFTPWatch::connectionTestAgainstSftpServer()
{
    CTestSshServer ssh;
    const QString problem = ssh.Start();
    if (!problem.isEmpty())
        QSKIP(qPrintable(problem));
    const QString folder = ssh.MakeWritableFolder(QStringLiteral("Bilder #2 ?été"));
    QVERIFY(!folder.isEmpty());

    CDialogFTPWatch dialog;
    dialog.show();
    Type(&dialog, "editHost", QStringLiteral("127.0.0.1"));
    Type(&dialog, "editPort", QString::number(ssh.Port()));
    SetTicked(&dialog, "checkUseSFTP", true);
    Type(&dialog, "editPathFolder", folder);
    Type(&dialog, "editUsername", ssh.User());
    Type(&dialog, "editPassword", ssh.Password());
    RunTest(&dialog, QStringLiteral("Success"));
    if (QTest::currentTestFailed())
        return;

    Type(&dialog, "editPassword", QStringLiteral("wrong"));
    RunTest(&dialog, QString::fromUtf8(curl_easy_strerror(CURLE_LOGIN_DENIED)));
}

void TestDialogFTPWatch::closingDuringConnectionTest()
{
    // An address that never answers keeps the test waiting.
    auto dialog = std::make_unique<CDialogFTPWatch>();
    dialog->show();
    Type(dialog.get(), "editHost", QStringLiteral("10.255.255.1"));
    Type(dialog.get(), "editPort", QStringLiteral("21"));
    SetTicked(dialog.get(), "checkUseSFTP", false);
    Click(dialog.get(), "buttonTestFTPConnection");
    QCOMPARE(Text(dialog.get(), "labelResultTestConnection"), QStringLiteral("..."));
    QVERIFY(!Child<QPushButton>(dialog.get(), "buttonTestFTPConnection")->isEnabled());

    // The dialog answers the user meanwhile.
    QTest::qWait(300);
    Type(dialog.get(), "editName", QStringLiteral("still typing"));
    QCOMPARE(Text(dialog.get(), "editName"), QStringLiteral("still typing"));
    QCOMPARE(Text(dialog.get(), "labelResultTestConnection"), QStringLiteral("..."));

    Click(dialog.get(), "buttonCancel");
    QCOMPARE(dialog->result(), 0);
    dialog.reset();
    QTest::qWait(100); // nothing left behind reaches a destroyed dialog
}

QUENDRASIL_TEST_MAIN(TestDialogFTPWatch, QApplication)

#include "tst_dialogftpwatch.moc"
