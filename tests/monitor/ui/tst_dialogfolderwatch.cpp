#include "TestFiles.h"
#include "TestMain.h"

#include "DialogFolderWatch.h"
#include "Folders.h"
#include "HelpTopics.h"
#include "JobName.h"
#include "MonitorThread.h"
#include "OpenFileChooser.h"
#include "ScriptedUser.h"
#include "Settings.h"
#include "WidgetInput.h"
#include "platform/DesktopOpen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString IntervalWarning
    = QStringLiteral("The scan interval must be an integer larger than 1.");
const QString FieldsWarning = QStringLiteral("Some fields were not filled.");
const QString NameWarning = QStringLiteral(
    "The Name field cannot contain any of the following characters: \\ / : * ? \" < > |");
const QString FolderWarning = QStringLiteral("The folder you selected does not exist.");
const QString TaskWarning = QStringLiteral("The task you selected does not exist.");

template<typename T> T *Child(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void Press(const QWidget *dialog, const char *button)
{
    QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class TestDialogFolderWatch : public QObject
{
    Q_OBJECT

    QTemporaryDir place; // the profile "job.qlf" and the watched folder "photos" beside it
    QTemporaryDir current; // the process's current folder while the tests run
    CScriptedUser user;

    QString Profile() const { return place.filePath(QStringLiteral("job.qlf")); }

    // Types a whole job into the open dialog as a user would.
    void Type(QWidget *dialog, const QString &name, const QString &interval, const QString &folder,
        const QString &profile, const QString &mask)
    {
        TypeInto(Child<QLineEdit>(dialog, "editName"), name);
        TypeInto(Child<QComboBox>(dialog, "comboScanInterval")->lineEdit(), interval);
        TypeInto(Child<QLineEdit>(dialog, "editPathFolder"), folder);
        TypeInto(Child<QLineEdit>(dialog, "editPathProfile"), profile);
        TypeInto(Child<QComboBox>(dialog, "comboSearchMask")->lineEdit(), mask);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(place.path()).mkpath(QStringLiteral("photos/2024")));
        QVERIFY(WriteFile(Profile(), "<Profile/>"));
        QVERIFY(QDir(current.path()).mkpath(QStringLiteral("onlyInCurrentFolder")));
        QVERIFY(QDir::setCurrent(current.path()));
        qApp->installEventFilter(&user);
    }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No such slot|No matching signal")));
        user.Clear();
    }

    void cleanup()
    {
        CDialogFolderWatch::SetFolderChooser(nullptr);
        SetOpenFileChooser(nullptr);
        CMonitorThread::SetMainProgram(QString());
        Platform::SetLocalPathOpener(nullptr);
        SetHelpTopicHandler(nullptr);
    }

    // The first failing check is the only one shown, and the dialog stays open with the entry.
    void okChecksInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("folder"); // relative to the profile's folder unless absolute
        QTest::addColumn<QString>("profile"); // "job.qlf" is the one that exists
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("warning"); // empty: accepted

        const QString ok = QStringLiteral("Holiday 2024.v-1");
        const QString p = QStringLiteral("job.qlf");
        const QString f = QStringLiteral("photos");
        const QString m = QStringLiteral("*.JPG");
        QTest::newRow("valid") << ok << "60" << f << p << m << QString();
        QTest::newRow("interval 1") << ok << "1" << f << p << m << QString();
        QTest::newRow("interval 65535") << ok << "65535" << f << p << m << QString();
        QTest::newRow("subfolder") << ok << "30"
                                   << "photos/2024" << p << m << QString();
        QTest::newRow("empty interval first") << ""
                                              << ""
                                              << ""
                                              << ""
                                              << "" << IntervalWarning;
        QTest::newRow("interval 0") << ok << "0" << f << p << m << IntervalWarning;
        QTest::newRow("interval -5") << ok << "-5" << f << p << m << IntervalWarning;
        QTest::newRow("interval abc") << ok << "abc" << f << p << m << IntervalWarning;
        QTest::newRow("interval 65536") << ok << "65536" << f << p << m << IntervalWarning;
        QTest::newRow("interval huge") << ok << "99999999999" << f << p << m << IntervalWarning;
        QTest::newRow("empty name") << ""
                                    << "60" << f << p << m << FieldsWarning;
        QTest::newRow("empty folder") << ok << "60"
                                      << "" << p << m << FieldsWarning;
        QTest::newRow("empty profile") << ok << "60" << f << "" << m << FieldsWarning;
        QTest::newRow("empty mask") << ok << "60" << f << p << "" << FieldsWarning;
        QTest::newRow("question mark") << "a?b"
                                       << "60"
                                       << "missing" << p << m << NameWarning;
        QTest::newRow("double quote") << "a\"b"
                                      << "60" << f << p << m << NameWarning;
        QTest::newRow("missing folder") << ok << "60"
                                        << "missing"
                                        << "none.qlf" << m << FolderWarning;
        QTest::newRow("relative to current folder only")
            << ok << "60"
            << "onlyInCurrentFolder" << p << m << FolderWarning;
        QTest::newRow("missing profile") << ok << "60" << f << "none.qlf" << m << TaskWarning;
    }

    void okChecksInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, interval);
        QFETCH(QString, folder);
        QFETCH(QString, profile);
        QFETCH(QString, mask);
        QFETCH(QString, warning);

        CDialogFolderWatch dialog;
        dialog.show();
        const QString profilePath = profile.isEmpty() ? profile : place.filePath(profile);
        Type(&dialog, name, interval, folder, profilePath, mask);
        Press(&dialog, "buttonOK");

        if (warning.isEmpty()) {
            QCOMPARE(user.boxesSeen, QStringList());
            QCOMPARE(dialog.result(), 1);
            QCOMPARE(dialog.Interval, quint16(interval.toInt()));
            QCOMPARE(dialog.Source, folder); // kept as typed; the watch thread resolves it alike
        } else {
            QCOMPARE(user.boxesSeen, QStringList { warning });
            QVERIFY(dialog.isVisible());
            QCOMPARE(Child<QLineEdit>(&dialog, "editName")->text(), name);
        }
    }

    // The opener's fields reach the controls at exec, and an accepted edit hands them back.
    void execShowsFieldsAndOkHandsThemBack()
    {
        CDialogFolderWatch dialog;
        dialog.Id = 77;
        dialog.Name = QStringLiteral("Job");
        dialog.Description = QStringLiteral("line one\nline two");
        dialog.Source = place.filePath(QStringLiteral("photos"));
        dialog.Script = Profile();
        dialog.Subfolders = false;
        dialog.Interval = 90;
        dialog.CreateLog = false;
        dialog.Overwrite = true;
        dialog.SilentMode = true;

        QString shown;
        user.dialogSteps << [&](QDialog *) {
            shown = QStringList { Child<QLineEdit>(&dialog, "editPathFolder")->text(),
                Child<QComboBox>(&dialog, "comboSearchMask")->currentText(),
                Child<QComboBox>(&dialog, "comboScanInterval")->currentText(),
                QString::number(Child<QCheckBox>(&dialog, "checkSubfolders")->isChecked()) }
                        .join(QLatin1Char('|'));
            // Backslashes typed by the user come back as slashes.
            TypeInto(Child<QLineEdit>(&dialog, "editPathFolder"),
                QString(place.path() + QStringLiteral("/photos/2024"))
                    .replace(QLatin1Char('/'), QLatin1Char('\\')));
            Click(Child<QCheckBox>(&dialog, "checkReprocess"));
            Press(&dialog, "buttonOK");
        };
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(shown, place.filePath(QStringLiteral("photos")) + QStringLiteral("|*.*|90|0"));
        QCOMPARE(dialog.Source, place.filePath(QStringLiteral("photos/2024")));
        QCOMPARE(dialog.Description, QStringLiteral("line one\nline two"));
        QCOMPARE(dialog.Mask, QStringLiteral("*.*"));
        QVERIFY(dialog.Reprocess && !dialog.Subfolders && !dialog.CreateLog && dialog.Overwrite
            && dialog.SilentMode);

        // A new job starts from the constructor's values; Escape cancels.
        CDialogFolderWatch fresh;
        user.dialogSteps << [&](QDialog *) { QTest::keyClick(&fresh, Qt::Key_Escape); };
        QCOMPARE(fresh.exec(), 0);
        QVERIFY(fresh.Subfolders && fresh.CreateLog && !fresh.Overwrite && fresh.Interval == 60);
        QVERIFY(Child<QCheckBox>(&fresh, "checkSubfolders")->isChecked());
        QCOMPARE(
            Child<QComboBox>(&fresh, "comboScanInterval")->currentText(), QStringLiteral("60"));
    }

    void jobNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        for (const QChar character : QStringLiteral("\\/:*?\"<>|"))
            QTest::newRow(qPrintable(QString(character)))
                << QStringLiteral("a%1b").arg(character) << false;
        QTest::newRow("plain") << QStringLiteral("Holiday 2024.v-1") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("accents") << QStringLiteral("Été à Zürich") << true;
    }

    void jobNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(IsValidJobName(name), valid);
    }

    // The folder chooser starts at the remembered folder and remembers the choice; cancelling
    // changes nothing. The profile chooser remembers nothing.
    void browseButtons()
    {
        WriteSettingString(QStringLiteral("Monitor/FolderPath"), place.path());
        QStringList asked;
        QString answer = place.filePath(QStringLiteral("photos"));
        CDialogFolderWatch::SetFolderChooser(
            [&](QWidget *, const QString &caption, const QString &start) {
                asked << caption << start;
                return answer;
            });
        SetOpenFileChooser(
            [&](QWidget *, const QString &caption, const QString &start, const QString &filter) {
                asked << caption << start << filter;
                return answer;
            });
        CDialogFolderWatch dialog;
        dialog.show();
        Press(&dialog, "buttonBrowseFolder");
        answer.clear();
        Press(&dialog, "buttonBrowseFolder");
        QCOMPARE(Child<QLineEdit>(&dialog, "editPathFolder")->text(),
            place.filePath(QStringLiteral("photos")));
        QCOMPARE(ReadSettingString(QStringLiteral("Monitor/FolderPath"), QString()),
            place.filePath(QStringLiteral("photos")));

        answer = Profile();
        Press(&dialog, "buttonBrowseProfile");
        QCOMPARE(Child<QLineEdit>(&dialog, "editPathProfile")->text(), Profile());
        QCOMPARE(asked,
            (QStringList { QStringLiteral("Browse for Folder"), place.path(),
                QStringLiteral("Browse for Folder"), place.filePath(QStringLiteral("photos")),
                QStringLiteral("Load Profile"),
                GetDocumentsFolder() + QStringLiteral("/Quendrasil/Profiles"),
                QStringLiteral("Profile Files (*.qlf)") }));
    }

    // Edit Profile starts the main program on the typed profile, after the tip or without it.
    void editProfileStartsMainProgram()
    {
        const QString program = place.filePath(QStringLiteral("fake-main"));
        const QString record = place.filePath(QStringLiteral("arguments"));
        QVERIFY(WriteFile(program,
            QStringLiteral(
                "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.part' && mv '%1.part' '%1'\n")
                .arg(record)
                .toUtf8()));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        CMonitorThread::SetMainProgram(program);

        CDialogFolderWatch dialog;
        dialog.show();
        for (const QString &profile : { Profile(), QString() }) {
            QFile::remove(record);
            TypeInto(Child<QLineEdit>(&dialog, "editPathProfile"), profile);
            Press(&dialog, "buttonEditProfile");
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
            QFile file(record);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("1\n%1\n").arg(profile));
            QVERIFY(dialog.isVisible());
        }
        // The tip comes first each time, as nobody ticked it off.
        QCOMPARE(user.dialogsSeen,
            (QStringList { QStringLiteral("CDialogTip"), QStringLiteral("CDialogTip") }));
    }

    // The log link shows only once the job has a log, and opens it; F1 opens the help page.
    void logLinkAndHelp()
    {
        QStringList opened;
        Platform::SetLocalPathOpener([&](const QString &path) {
            opened << path;
            return true;
        });
        QStringList topics;
        SetHelpTopicHandler([&](const QString &topic) { topics << topic; });

        CDialogFolderWatch dialog;
        dialog.Id = 1234;
        dialog.show();
        auto *link = Child<QLabel>(&dialog, "linkShowLog");
        QVERIFY(link->isHidden());

        const QString log = CDialogFolderWatch::LogPath(1234);
        QCOMPARE(log, GetDocumentsFolder() + QStringLiteral("/Quendrasil/Monitor/1234.log"));
        QVERIFY(QDir().mkpath(QFileInfo(log).path()));
        QVERIFY(WriteFile(log, "run\n"));
        dialog.Init();
        QVERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(8, link->height() / 2));
        QCOMPARE(opened, QStringList { log });

        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(topics, QStringList { QStringLiteral("monitor_folder-watch.html") });
    }
};

QUENDRASIL_TEST_MAIN(TestDialogFolderWatch, QApplication)

#include "tst_dialogfolderwatch.moc"
