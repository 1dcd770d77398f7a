#include "ImageEngineSetup.h"
#include "ScriptedUser.h"
#include "TestMain.h"
#include "TestServers.h"
#include "WidgetInput.h"

#include "FormatsEnum.h"
#include "MainPanel3.h"
#include "Settings.h"
#include "StatesList.h"
#include "TextCodecs.h"
#include "UserProfile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

int RowOf(QComboBox *combo, const QString &coder)
{
    for (int index = 1; index < combo->count(); ++index) {
        if (combo->itemText(index).startsWith(coder + QStringLiteral(" - ")))
            return index;
    }
    return -1;
}

} // namespace

class TestMainPanel3 : public QObject
{
    Q_OBJECT

    template<typename T> T *Find(const QString &name)
    {
        T *widget = panel->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }

    std::unique_ptr<CMainPanel3> panel;
    CScriptedUser user;
    QStringList tipsShown;
    SOutputOptions &output = CUserProfile::instance()->OutputOptions;
    CStatesList *states = CStatesList::instance();

    CTestFtpServer ftp;
    CTestSshServer ssh;

private slots:
    void initTestCase()
    {
        CFormatsEnum::instance()->GenerateList(); // the main window's start does this
        qApp->installEventFilter(&user);
        CMainPanel3::SetTipRunner(
            [this](QWidget *, const QString &key, const QString &) { tipsShown << key; });
    }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
        tipsShown.clear();
        user.Clear();
        states->quiet = false;
        CMainPanel3::SetFormatSettingsRunner({});
        panel = std::make_unique<CMainPanel3>();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }

    void cleanup()
    {
        panel.reset();
    }

    void startsInTheResetState()
    {
        QCOMPARE(panel->modified, false);
        QCOMPARE(output.Destination, 1);
        QCOMPARE(output.OutputFormat, SOutputOptions::KeepOriginalFormat());
        QCOMPARE(output.OriginalDate, true);
        QCOMPARE(output.OutputFolder, QStringLiteral("Processed"));
        QCOMPARE(output.FTPFolder, QStringLiteral("/"));
        QCOMPARE(output.FTPPort, QStringLiteral("22"));
        QCOMPARE(output.UseSFTP, true);
        QVERIFY(!Find<QCheckBox>(QStringLiteral("checkMultipage"))->isEnabled());
        QCOMPARE(Find<QStackedWidget>(QStringLiteral("swDestinations"))->currentIndex(), 0);
        auto *formats = Find<QComboBox>(QStringLiteral("comboOutputFormat"));
        QVERIFY(formats->count() > 10);
        auto *destinations = Find<QComboBox>(QStringLiteral("comboDestination"));
        for (QComboBox *combo : { formats, destinations }) {
            for (int index = 0; index < combo->count(); ++index)
                QVERIFY2(!combo->itemIcon(index).isNull(), qPrintable(combo->itemText(index)));
        }
    }

    void eachDestinationShowsItsPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("destination");
        QTest::addColumn<QString>("page");
        QTest::newRow("folder") << 0 << 1 << "pageMyComputer";
        QTest::newRow("e-mail") << 1 << 2 << "pageEmail";
        QTest::newRow("ftp") << 2 << 3 << "pageFTP";
    }

    void eachDestinationShowsItsPage()
    {
        QFETCH(int, index);
        QFETCH(int, destination);
        QFETCH(QString, page);
        auto *formats = Find<QComboBox>(QStringLiteral("comboOutputFormat"));
        Choose(formats, RowOf(formats, QStringLiteral("PDF")));
        Click(Find<QCheckBox>(QStringLiteral("checkMultipage")));
        QVERIFY(output.Multipage);
        // From another destination, so that each choice is a change.
        auto *combo = Find<QComboBox>(QStringLiteral("comboDestination"));
        Choose(combo, index == 2 ? 1 : 2);
        QCOMPARE(output.OutputFormat, QStringLiteral("PDF"));
        QVERIFY(output.Multipage);
        states->Clear();
        const int before = states->Count();
        Choose(combo, index);
        QCOMPARE(output.Destination, destination);
        QCOMPARE(
            Find<QStackedWidget>(QStringLiteral("swDestinations"))->currentWidget()->objectName(),
            page);
        // A new destination keeps the chosen format and its multi-page choice, in one undo
        // state.
        QCOMPARE(output.OutputFormat, QStringLiteral("PDF"));
        QCOMPARE(formats->currentText().left(3), QStringLiteral("PDF"));
        QVERIFY(output.Multipage);
        QVERIFY(Find<QCheckBox>(QStringLiteral("checkMultipage"))->isChecked());
        QCOMPARE(states->Count(), before + 1);
        QVERIFY(panel->modified);
    }

    void destinationChecksReachTheJob()
    {
        auto *combo = Find<QComboBox>(QStringLiteral("comboDestination"));
        Choose(combo, 1);
        Click(Find<QCheckBox>(QStringLiteral("checkSaveOnDiskMail")));
        QVERIFY(output.SaveOnDiskMail);
        Choose(combo, 2);
        Click(Find<QCheckBox>(QStringLiteral("checkSaveOnDiskFTP")));
        QVERIFY(output.SaveOnDiskFTP);
        QTest::mouseClick(
            Find<QCheckBox>(QStringLiteral("checkRecreateFolderStruct")), Qt::LeftButton);
        QCOMPARE(output.OutputFolderStruct, 1);
        QCOMPARE(Find<QComboBox>(QStringLiteral("comboFolderStructure"))->currentIndex(), 1);
        // SFTP off and on sets the usual port, whatever was typed.
        auto *portEdit = Find<QLineEdit>(QStringLiteral("editFTPPort"));
        TypeInto(portEdit, QStringLiteral("2121"));
        Click(Find<QCheckBox>(QStringLiteral("checkUseSFTP")));
        QCOMPARE(output.UseSFTP, false);
        QCOMPARE(output.FTPPort, QStringLiteral("21"));
        QCOMPARE(ReadSettingInt(QStringLiteral("GUI/Step3.FTP.UseSFTP"), 1), 0);
        Click(Find<QCheckBox>(QStringLiteral("checkUseSFTP")));
        QCOMPARE(output.FTPPort, QStringLiteral("22"));
        // The password is held and remembered as Base64, shown as typed.
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPPassword")), QStringLiteral("pa:ss word"));
        QCOMPARE(output.FTPPassword, Base64EncodeString(QStringLiteral("pa:ss word")));
        QCOMPARE(ReadSettingString(QStringLiteral("GUI/Upload.FTP.Password"), QString()),
            output.FTPPassword);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPHost")), QStringLiteral("example.org"));
        QCOMPARE(ReadSettingString(QStringLiteral("GUI/Upload.FTP.Host"), QString()),
            QStringLiteral("example.org"));
        // A new panel (a new job) takes the remembered server.
        panel = std::make_unique<CMainPanel3>();
        Choose(Find<QComboBox>(QStringLiteral("comboDestination")), 2);
        QCOMPARE(
            Find<QLineEdit>(QStringLiteral("editFTPPassword"))->text(), QStringLiteral("pa:ss word"));
        QCOMPARE(
            Find<QLineEdit>(QStringLiteral("editFTPHost"))->text(), QStringLiteral("example.org"));
    }

    void eachFolderModeReachesTheJob_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("editEnabled");
        QTest::addColumn<bool>("selectEnabled");
        QTest::addColumn<QString>("tip");
        QTest::newRow("selected folder") << 0 << true << true << QString();
        QTest::newRow("recreate tree") << 1 << true << true << QString();
        QTest::newRow("photos' folder") << 2 << false << false << "Step3.ShowTipSourcePath";
        QTest::newRow("subfolder") << 3 << true << false << QString();
    }

    void eachFolderModeReachesTheJob()
    {
        QFETCH(int, mode);
        QFETCH(bool, editEnabled);
        QFETCH(bool, selectEnabled);
        QFETCH(QString, tip);
        auto *combo = Find<QComboBox>(QStringLiteral("comboFolderStructure"));
        auto *edit = Find<QLineEdit>(QStringLiteral("editDestinationPath"));
        TypeInto(edit, QStringLiteral("/tmp/out"));
        if (mode == 0)
            Choose(combo, 3);
        states->Clear();
        const int before = states->Count();
        Choose(combo, mode);
        QCOMPARE(output.OutputFolderStruct, mode);
        QCOMPARE(states->Count(), before + 1);
        QCOMPARE(edit->isEnabled(), editEnabled);
        QCOMPARE(
            Find<QPushButton>(QStringLiteral("buttonSelectFolder"))->isEnabled(), selectEnabled);
        QCOMPARE(tipsShown, tip.isEmpty() ? QStringList() : QStringList { tip });
        if (mode == 3) {
            QCOMPARE(edit->text(), QStringLiteral("Processed"));
            TypeInto(edit, QStringLiteral("done"));
            QCOMPARE(output.OutputFolder, QStringLiteral("done"));
            QCOMPARE(output.DestPath, QStringLiteral("/tmp/out"));
        } else {
            QCOMPARE(output.DestPath, QStringLiteral("/tmp/out"));
        }
    }

    void storedFormatIsMatchedExactlyFirst_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("PS, not EPS") << "PS"
                                     << "PS";
        QTest::newRow("case ignored") << "ps"
                                      << "PS";
        QTest::newRow("JPG") << "JPG"
                             << "JPG";
        QTest::newRow("unknown") << "NOPE" << QString();
        QTest::newRow("document keyword") << "Original" << QString();
        QTest::newRow("other language") << "Originalformat beibehalten" << QString();
    }

    void storedFormatIsMatchedExactlyFirst()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        auto *formats = Find<QComboBox>(QStringLiteral("comboOutputFormat"));
        if (!expected.isEmpty() && RowOf(formats, expected) < 0)
            QSKIP("the format is not writable here");
        output.OutputFormat = stored;
        panel->RefreshPanel();
        const int index = formats->currentIndex();
        if (expected.isEmpty()) {
            QCOMPARE(index, 0);
            QCOMPARE(output.OutputFormat, SOutputOptions::KeepOriginalFormat());
        } else {
            QVERIFY(formats->currentText().startsWith(expected + QStringLiteral(" - ")));
            QCOMPARE(output.OutputFormat, expected);
        }
    }

    void multipageFollowsTheFormat_data()
    {
        QTest::addColumn<QString>("coder");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("PDF") << "PDF" << true;
        QTest::newRow("TIF") << "TIF" << true;
        QTest::newRow("GIF") << "GIF" << true;
        QTest::newRow("WEBP") << "WEBP" << true;
        QTest::newRow("JPG") << "JPG" << false;
        QTest::newRow("PNG") << "PNG" << false;
    }

    void multipageFollowsTheFormat()
    {
        QFETCH(QString, coder);
        QFETCH(bool, enabled);
        auto *formats = Find<QComboBox>(QStringLiteral("comboOutputFormat"));
        auto *check = Find<QCheckBox>(QStringLiteral("checkMultipage"));
        const int row = RowOf(formats, coder);
        if (row < 0)
            QSKIP("the format is not writable here");
        Choose(formats, RowOf(formats, QStringLiteral("TIF")));
        Click(check);
        QVERIFY(output.Multipage);
        Choose(formats, row);
        QCOMPARE(check->isEnabled(), enabled);
        QCOMPARE(output.Multipage, enabled);
        QCOMPARE(check->isChecked(), enabled);
        QCOMPARE(CUserProfile::instance()->RenameSettings.OutputExtension,
            CUserProfile::instance()->FormatExtension(coder).toLower());
    }

    void settingsButtonRunsTheRegisteredDialog()
    {
        auto *formats = Find<QComboBox>(QStringLiteral("comboOutputFormat"));
        auto *button = Find<QPushButton>(QStringLiteral("buttonFormatSettings"));
        // Nothing registered: nothing happens.
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!panel->modified);
        int kind = -1;
        QString title;
        bool accept = false;
        CMainPanel3::SetFormatSettingsRunner([&](QWidget *, int k, const QString &t) {
            kind = k;
            title = t;
            return accept;
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(kind, 1);
        QCOMPARE(title, CUserProfile::KeepOriginalFormatText());
        QVERIFY(!panel->modified);
        Choose(formats, RowOf(formats, QStringLiteral("JPG")));
        panel->UnsignalPanelChanged();
        accept = true;
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(kind, 4);
        QCOMPARE(title, QStringLiteral("JPG"));
        QVERIFY(panel->modified);
    }

    void formatKinds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::newRow("PNG8") << "PNG8 - 8-bit PNG" << 6;
        QTest::newRow("PTIF") << "PTIF - Pyramid TIFF" << 7;
        QTest::newRow("EPDF") << "EPDF - Encapsulated PDF" << 5;
        QTest::newRow("JPT") << "JPT - JPEG-2000" << 13;
        QTest::newRow("BMP") << "BMP - Windows bitmap" << 0;
    }

    void formatKinds()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QCOMPARE(int(CFormatsEnum::Catalogue().OptionsPage(text.section(" - ", 0, 0))), kind);
    }

    void afterProcessingFlags()
    {
        auto *open = Find<QCheckBox>(QStringLiteral("checkOpenFolder"));
        const bool wasOpen = output.OpenOutputFolder;
        Click(open);
        QCOMPARE(output.OpenOutputFolder, !wasOpen);
        QCOMPARE(ReadSettingInt(QStringLiteral("GUI/Step3.OpenOutputFolder"), 1), wasOpen ? 0 : 1);
        Click(Find<QCheckBox>(QStringLiteral("checkOriginalDate")));
        QCOMPARE(output.OriginalDate, false);
        auto *deleteSource = Find<QCheckBox>(QStringLiteral("checkDeleteSource"));
        states->Clear();
        const int before = states->Count();
        Click(deleteSource);
        QCOMPARE(output.DeleteSource, true);
        QCOMPARE(tipsShown, QStringList { QStringLiteral("Step3.ShowTipDeleteSource") });
        Click(deleteSource);
        QCOMPARE(output.DeleteSource, false);
        QCOMPARE(tipsShown.size(), 1);
        QCOMPARE(states->Count(), before + 2);
    }

    // Without a registered runner the tip dialog itself shows, until it is turned off.
    void tipDialogShowsUntilTurnedOff()
    {
        CMainPanel3::SetTipRunner({});
        const auto restore = qScopeGuard([this] {
            CMainPanel3::SetTipRunner(
                [this](QWidget *, const QString &key, const QString &) { tipsShown << key; });
        });
        auto *deleteSource = Find<QCheckBox>(QStringLiteral("checkDeleteSource"));
        for (const int show : { 1, 0 }) {
            WriteSettingInt(QStringLiteral("GUI/Step3.ShowTipDeleteSource"), show);
            QStringList seen;
            user.dialogSteps << [&seen](QDialog *dialog) {
                seen << QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
            };
            Click(deleteSource);
            QCOMPARE(output.DeleteSource, true);
            QCOMPARE(seen, show ? QStringList { QStringLiteral("CDialogTip") } : QStringList());
            user.dialogSteps.clear();
            Click(deleteSource);
        }
    }

    void selectOutputFolderKeepsTheCallersHold()
    {
        QTemporaryDir chosen;
        auto answer = [&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            files->selectFile(chosen.path());
            QMetaObject::invokeMethod(files, "accept");
        };
        // The caller holds the history: no state, and the hold survives both ways out.
        states->quiet = true;
        states->Clear();
        int before = states->Count();
        user.dialogSteps << answer;
        QVERIFY(panel->SelectOutputFolder());
        QVERIFY(states->quiet);
        QCOMPARE(states->Count(), before);
        QCOMPARE(output.DestPath, chosen.path());
        user.dialogSteps << [](QDialog *dialog) { dialog->reject(); };
        QVERIFY(!panel->SelectOutputFolder());
        QVERIFY(states->quiet);
        // No hold: one state for the choice.
        states->quiet = false;
        states->Clear();
        before = states->Count();
        user.dialogSteps << answer;
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("buttonSelectFolder")), Qt::LeftButton);
        QVERIFY(!states->quiet);
        QCOMPARE(states->Count(), before + 1);
        QCOMPARE(
            ReadSettingString(QStringLiteral("GUI/Step3.OutputPath"), QString()), chosen.path());
    }

    void connectionTest_data()
    {
        QTest::addColumn<bool>("sftp");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("closedPort");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("success");
        const QString &right = CTestFtpServer::Password;
        const QString odd = QStringLiteral("a #1/\u00c7a?/");
        QTest::newRow("ftp") << false << right << false << QString() << true;
        QTest::newRow("ftp wrong password") << false << QStringLiteral("wrong") << false
                                            << QString() << false;
        QTest::newRow("ftp closed port") << false << right << true << QString() << false;
        QTest::newRow("ftp odd folder") << false << right << false << odd << true;
        QTest::newRow("sftp") << true << right << false << QString() << true;
        QTest::newRow("sftp wrong password") << true << QStringLiteral("wrong") << false
                                             << QString() << false;
        QTest::newRow("sftp odd folder") << true << right << false << odd << true;
    }

    void connectionTest()
    {
        QFETCH(bool, sftp);
        QFETCH(QString, password);
        QFETCH(bool, closedPort);
        QFETCH(QString, folder);
        QFETCH(bool, success);
        QString user = CTestFtpServer::User;
        QString remote = QStringLiteral("/") + folder;
        quint16 port = 0;
        if (sftp) {
            const QString sshProblem = ssh.Start();
            if (!sshProblem.isEmpty())
                QSKIP(qPrintable(sshProblem));
            user = ssh.User();
            port = ssh.Port();
            remote = ssh.MakeWritableFolder(folder) + QLatin1Char('/');
        } else {
            const QString ftpProblem = ftp.Start();
            if (!ftpProblem.isEmpty())
                QSKIP(qPrintable(ftpProblem));
            port = ftp.Port();
            QVERIFY(folder.isEmpty() || QDir(ftp.Root()).mkpath(folder));
        }
        if (closedPort)
            port = FreeLoopbackPort();

        Choose(Find<QComboBox>(QStringLiteral("comboDestination")), 2);
        auto *useSftp = Find<QCheckBox>(QStringLiteral("checkUseSFTP"));
        if (useSftp->isChecked() != sftp)
            Click(useSftp);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPHost")), QStringLiteral("127.0.0.1"));
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPPort")), QString::number(port));
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPUsername")), user);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPPassword")), password);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPFolder")), remote);
        auto *result = Find<QLabel>(QStringLiteral("labelResultTestConnection"));
        QTest::mouseClick(
            Find<QPushButton>(QStringLiteral("buttonTestFTPConnection")), Qt::LeftButton);
        QCOMPARE(result->text(), QStringLiteral("..."));
        QTRY_VERIFY_WITH_TIMEOUT(result->text() != QStringLiteral("..."), 30000);
        if (success)
            QCOMPARE(result->text(), QStringLiteral("Success"));
        else
            QVERIFY(result->text() != QStringLiteral("Success") && !result->text().isEmpty());
    }

    void folderWithoutSlashIsMadeAFolderPath()
    {
        Choose(Find<QComboBox>(QStringLiteral("comboDestination")), 2);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPHost")), QStringLiteral("127.0.0.1"));
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPPort")),
                 QString::number(FreeLoopbackPort()));
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPFolder")), QString());
        QTest::mouseClick(
            Find<QPushButton>(QStringLiteral("buttonTestFTPConnection")), Qt::LeftButton);
        // The job's folder is made a folder path; the edit keeps what was typed.
        QCOMPARE(output.FTPFolder, QStringLiteral("/"));
        QTRY_VERIFY_WITH_TIMEOUT(!panel->IsTestRunning(), 30000);
    }

    void destroyingDuringATestWaitsForIt()
    {
        // An address that swallows the connection keeps the test running.
        Choose(Find<QComboBox>(QStringLiteral("comboDestination")), 2);
        TypeInto(Find<QLineEdit>(QStringLiteral("editFTPHost")), QStringLiteral("10.255.255.1"));
        QTest::mouseClick(
            Find<QPushButton>(QStringLiteral("buttonTestFTPConnection")), Qt::LeftButton);
        QVERIFY(panel->IsTestRunning());
        panel.reset(); // must not abort on a running QThread
        QVERIFY(!panel);
    }

    void refreshPutsTheJobBack()
    {
        output.Destination = 2;
        output.SaveOnDiskMail = true;
        output.OutputFolderStruct = 2;
        output.DestPath = QStringLiteral("#MyPictures");
        output.OutputFormat = QStringLiteral("TIF");
        output.Multipage = true;
        output.DeleteSource = true;
        output.OriginalDate = false;
        panel->RefreshPanel();
        QCOMPARE(Find<QComboBox>(QStringLiteral("comboDestination"))->currentIndex(), 1);
        QVERIFY(Find<QCheckBox>(QStringLiteral("checkSaveOnDiskMail"))->isChecked());
        QCOMPARE(Find<QComboBox>(QStringLiteral("comboFolderStructure"))->currentIndex(), 2);
        QVERIFY(output.DestPath != QStringLiteral("#MyPictures"));
        QCOMPARE(output.OutputFormat, QStringLiteral("TIF"));
        QVERIFY(output.Multipage);
        QVERIFY(Find<QCheckBox>(QStringLiteral("checkMultipage"))->isChecked());
        QVERIFY(Find<QCheckBox>(QStringLiteral("checkDeleteSource"))->isChecked());
        QVERIFY(!Find<QCheckBox>(QStringLiteral("checkOriginalDate"))->isChecked());
        QVERIFY(tipsShown.isEmpty());
        // A silent refill (a new language) keeps the choice.
        panel->SetOutputFormats(true);
        QCOMPARE(output.OutputFormat, QStringLiteral("TIF"));
        QVERIFY(output.Multipage);
    }
};

QUENDRASIL_TEST_MAIN_WITH(TestMainPanel3, QApplication, InitializeImageEngine)
#include "tst_mainpanel3.moc"
