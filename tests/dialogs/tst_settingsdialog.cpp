#include "TestMain.h"

#include "DialogSettings.h"
#include "UserProfile.h"
#include "platform/DesktopOpen.h"
#include "platform/ShellExtension.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace {

// What happened while a dialog ran, in order: theme changes, message boxes, tool requests.
QStringList events;
QStringList traceLines;
const QString restartMessage
    = QStringLiteral("message: You need to restart Quendrasil for the changes to take effect.");

// Stands in for the main window, which the dialogs library cannot see.
class CStandInWindow : public QWidget
{
    Q_OBJECT

public slots:
    void ChangeTheme()
    {
        bool dialogShown = false;
        for (QWidget *window : QApplication::topLevelWidgets())
            dialogShown |= qobject_cast<CSettings *>(window) && window->isVisible();
        events.append(QStringLiteral("theme %1%2")
                          .arg(CUserProfile::instance()->ThemeId)
                          .arg(QLatin1String(dialogShown ? "" : " after closing")));
    }
};

template<typename T> T *Child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

// Opens the dialog, lets `edit` work on it once its modal loop runs and ends it with the
// named button, or Escape for an empty name. Message boxes are noted and answered.
int RunDialog(QWidget *parent, const std::function<void(CSettings &)> &edit,
    const char *closeWith = "buttonOK")
{
    CSettings dialog(parent);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                events.append(QStringLiteral("message: ") + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    answerer.start(10);
    QTimer::singleShot(0, &dialog, [&] {
        edit(dialog);
        if (*closeWith)
            Child<QPushButton>(&dialog, closeWith)->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    return dialog.exec();
}

// The fourteen program settings, in one comparable record.
using Values = QList<int>;
Values ProgramValues()
{
    const CUserProfile *p = CUserProfile::instance();
    return { p->LanguageId, p->ThemeId, p->CheckNewInterval, p->MultipageWrite, p->RawDemosaic,
        p->RawWhiteBalance, p->RawHighlight, p->UseMulticore, p->ContextualMenu, p->QdvLog,
        p->ShowProfiles, p->ShowStartupWizard, p->MonitorLaunch, p->AutoCheck };
}

const char *const Combos[] = { "comboTheme", "comboLang", "comboCheckNew", "comboLayerConfig",
    "comboDemosaic", "comboWB", "comboHighLight" };
const char *const Checks[] = { "checkMulticore", "checkContextualMenu", "checkLog",
    "checkShowProfiles", "checkStartupWizard", "checkMonitorLaunch", "checkCheckNew" };

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void controlsShowAndStoreEveryValue();
    void themeAndLanguageChanges_data();
    void themeAndLanguageChanges();
    void valuesOutsideTheListsShowTheirFallback();
    void clearingUpdateCheckKeepsItsFrequency();
    void contextMenuRequests_data();
    void contextMenuRequests();
    void noContextMenuExtensionOnThisSystem();
    void cancelAndEscapeStoreNothing_data();
    void cancelAndEscapeStoreNothing();
    void f1OpensHelpAndStaysOpen();
    void formIconsAndLink();

private:
    CStandInWindow window;
    Platform::EShellExtensionRequest shellAnswer = Platform::EShellExtensionRequest::Started;
};

void TestSettingsDialog::initTestCase()
{
    Platform::SetLocalPathOpener([](const QString &) { return true; });
    Platform::SetShellExtensionRequester([this](const QString &library, bool install) {
        events.append(QLatin1String(install ? "register " : "unregister ") + library);
        return shellAnswer;
    });
}

void TestSettingsDialog::cleanupTestCase()
{
    Platform::SetShellExtensionRequester({});
    Platform::SetLocalPathOpener({});
}

void TestSettingsDialog::init()
{
    CUserProfile *p = CUserProfile::instance();
    p->LanguageId = 1033;
    p->ThemeId = p->MultipageWrite = p->RawDemosaic = p->RawWhiteBalance = p->RawHighlight = 0;
    p->CheckNewInterval = 1;
    p->UseMulticore = p->ContextualMenu = p->QdvLog = true;
    p->ShowStartupWizard = p->MonitorLaunch = p->AutoCheck = true;
    p->ShowProfiles = false;
    events.clear();
    shellAnswer = Platform::EShellExtensionRequest::Started;
}

void TestSettingsDialog::controlsShowAndStoreEveryValue()
{
    // Every value off its default and distinct from its neighbours, so that a control left
    // unfilled or stored into the wrong field shows.
    CUserProfile *p = CUserProfile::instance();
    p->LanguageId = 1041;
    p->ThemeId = 2;
    p->CheckNewInterval = 3;
    p->MultipageWrite = 2;
    p->RawDemosaic = 4;
    p->RawWhiteBalance = 1;
    p->RawHighlight = 9;
    p->UseMulticore = p->QdvLog = p->MonitorLaunch = false;
    p->ShowProfiles = true;
    const Values before = ProgramValues();

    Values shown;
    QCOMPARE(RunDialog(&window,
                 [&](CSettings &dialog) {
                     for (const char *name : Combos)
                         shown.append(Child<QComboBox>(&dialog, name)->currentIndex());
                     for (const char *name : Checks)
                         shown.append(Child<QCheckBox>(&dialog, name)->isChecked());
                 }),
        int(QDialog::Accepted));
    QCOMPARE(shown, (Values { 2, 5, 3, 2, 4, 1, 9, 0, 1, 0, 1, 1, 0, 1 }));
    QCOMPARE(events, QStringList());
    QCOMPARE(ProgramValues(), before);

    RunDialog(&window, [](CSettings &dialog) {
        const int indexes[] = { 2, 5, 0, 1, 2, 2, 3 };
        for (int combo = 2; combo < 7; ++combo)
            Child<QComboBox>(&dialog, Combos[combo])->setCurrentIndex(indexes[combo]);
        for (const char *name : { "checkMulticore", "checkLog", "checkShowProfiles",
                 "checkStartupWizard", "checkMonitorLaunch" })
            Child<QCheckBox>(&dialog, name)->click();
    });
    QCOMPARE(ProgramValues(), (Values { 1041, 2, 0, 1, 2, 2, 3, 1, 1, 1, 0, 0, 1, 1 }));
}

void TestSettingsDialog::themeAndLanguageChanges_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("theme only") << 1 << 0 << true << QStringList { "theme 1" };
    QTest::newRow("language only") << 0 << 4 << true << QStringList { restartMessage };
    QTest::newRow("theme first") << 2 << 1 << true << QStringList { "theme 2", restartMessage };
    QTest::newRow("no window to restyle") << 1 << 0 << false << QStringList();
}

void TestSettingsDialog::themeAndLanguageChanges()
{
    QFETCH(int, theme);
    QFETCH(int, language);
    QFETCH(bool, withParent);
    QFETCH(QStringList, expected);

    RunDialog(withParent ? &window : nullptr, [&](CSettings &dialog) {
        Child<QComboBox>(&dialog, "comboTheme")->setCurrentIndex(theme);
        Child<QComboBox>(&dialog, "comboLang")->setCurrentIndex(language);
    });
    QCOMPARE(events, expected);
    QCOMPARE(CUserProfile::instance()->ThemeId, theme);
    QCOMPARE(CUserProfile::instance()->LanguageId,
        (QList<int> { 1033, 1031, 1036, 1034, 1040, 1041 }).at(language));
}

void TestSettingsDialog::valuesOutsideTheListsShowTheirFallback()
{
    // A hand-edited or foreign settings store: nothing may come back as -1.
    CUserProfile *p = CUserProfile::instance();
    p->LanguageId = 1049;
    p->ThemeId = 7;
    p->CheckNewInterval = 9;
    p->MultipageWrite = -2;
    p->RawDemosaic = 5;
    p->RawWhiteBalance = 3;
    p->RawHighlight = 10;

    QString language;
    RunDialog(&window, [&](CSettings &dialog) {
        language = Child<QComboBox>(&dialog, "comboLang")->currentText();
    });
    QCOMPARE(language, QStringLiteral("English"));
    QCOMPARE(events, (QStringList { "theme 0", restartMessage }));
    QCOMPARE(ProgramValues().mid(0, 7), (Values { 1033, 0, 1, 0, 0, 0, 0 }));
}

void TestSettingsDialog::clearingUpdateCheckKeepsItsFrequency()
{
    CUserProfile::instance()->CheckNewInterval = 2;
    bool enabledAfterClear = true;
    RunDialog(&window, [&](CSettings &dialog) {
        Child<QCheckBox>(&dialog, "checkCheckNew")->click();
        enabledAfterClear = Child<QComboBox>(&dialog, "comboCheckNew")->isEnabled();
    });
    QVERIFY(!enabledAfterClear);
    QCOMPARE(CUserProfile::instance()->AutoCheck, false);
    QCOMPARE(CUserProfile::instance()->CheckNewInterval, 2);
}

void TestSettingsDialog::contextMenuRequests_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("storedAfter");

    const QString library = QCoreApplication::applicationDirPath() + "/Vesparil64.dll";
    QTest::newRow("tick") << false << 1 << true << QStringList { "register " + library } << true;
    QTest::newRow("clear") << true << 1 << true << QStringList { "unregister " + library } << false;
    QTest::newRow("tick and clear again") << false << 2 << true << QStringList() << false;
    // Nothing was asked of the system, so the record does not claim otherwise.
    QTest::newRow("not available here")
        << false << 1 << false
        << QStringList { "register " + library,
               "message: The file manager's context menu cannot be changed on this system." }
        << false;
}

void TestSettingsDialog::contextMenuRequests()
{
    QFETCH(bool, stored);
    QFETCH(int, clicks);
    QFETCH(bool, available);
    QFETCH(QStringList, expected);
    QFETCH(bool, storedAfter);

    CUserProfile::instance()->ContextualMenu = stored;
    if (!available)
        shellAnswer = Platform::EShellExtensionRequest::NotAvailable;
    RunDialog(&window, [&](CSettings &dialog) {
        for (int click = 0; click < clicks; ++click)
            Child<QCheckBox>(&dialog, "checkContextualMenu")->click();
    });
    QCOMPARE(events, expected);
    QCOMPARE(CUserProfile::instance()->ContextualMenu, storedAfter);
}

void TestSettingsDialog::noContextMenuExtensionOnThisSystem()
{
    Platform::SetShellExtensionRequester({});
    QVERIFY(!Platform::HasShellExtension());
    const auto answer = Platform::RequestShellExtension(QStringLiteral("/nowhere/x.dll"), true);
    // The box shows the truth, unticked and out of reach, and OK asks the system nothing.
    bool shownChecked = true;
    bool shownEnabled = true;
    RunDialog(&window, [&](CSettings &dialog) {
        auto *box = Child<QCheckBox>(&dialog, "checkContextualMenu");
        shownChecked = box->isChecked();
        shownEnabled = box->isEnabled();
        box->click();
    });
    initTestCase();
    QCOMPARE(answer, Platform::EShellExtensionRequest::NotAvailable);
    QVERIFY(!shownChecked);
    QVERIFY(!shownEnabled);
    QVERIFY(events.isEmpty());
    QVERIFY(CUserProfile::instance()->ContextualMenu);
}

void TestSettingsDialog::cancelAndEscapeStoreNothing_data()
{
    QTest::addColumn<QByteArray>("closeWith");
    QTest::newRow("Cancel") << QByteArray("buttonCancel");
    QTest::newRow("Escape") << QByteArray();
}

void TestSettingsDialog::cancelAndEscapeStoreNothing()
{
    QFETCH(QByteArray, closeWith);
    const Values before = ProgramValues();
    QCOMPARE(RunDialog(
                 &window,
                 [](CSettings &dialog) {
                     Child<QComboBox>(&dialog, "comboTheme")->setCurrentIndex(1);
                     Child<QComboBox>(&dialog, "comboLang")->setCurrentIndex(2);
                     Child<QComboBox>(&dialog, "comboHighLight")->setCurrentIndex(4);
                     Child<QCheckBox>(&dialog, "checkContextualMenu")->click();
                 },
                 closeWith.constData()),
        int(QDialog::Rejected));
    QCOMPARE(events, QStringList());
    QCOMPARE(ProgramValues(), before);
}

void TestSettingsDialog::f1OpensHelpAndStaysOpen()
{
    traceLines.clear();
    bool stillOpen = false;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &line) { traceLines << line; });
    RunDialog(
        &window,
        [&](CSettings &dialog) {
            QTest::keyClick(&dialog, Qt::Key_F1);
            stillOpen = dialog.isVisible();
        },
        "buttonCancel");
    qInstallMessageHandler(previous);

    QVERIFY(stillOpen);
    QCOMPARE(traceLines.filter("ShowHelpTopic. user-interface_settings.html").size(), 1);
}

void TestSettingsDialog::formIconsAndLink()
{
    CSettings dialog(&window);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    auto *tabs = Child<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->currentIndex(), 0);
    for (int tab = 0; tab < 2; ++tab) {
        QVERIFY2(!tabs->tabIcon(tab).isNull(), "Settings.png is compiled in");
        QVERIFY(tabs->tabBar()->tabRect(tab).width() >= 125);
    }
    const QString link = Child<QLabel>(&dialog, "linkHelp")->text();
    QVERIFY2(link.startsWith("<a href=\"mailto:")
            && link.endsWith("?subject=Help With Translation\">Help with translation</a>"),
        qPrintable(link));
    QCOMPARE(Child<QComboBox>(&dialog, "comboHighLight")->itemText(0),
        QStringLiteral("0 - Clip all (default)"));

    // The size is fixed.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    dialog.resize(size + QSize(100, 100));
    QCOMPARE(dialog.size(), size);
}

QUENDRASIL_TEST_MAIN(TestSettingsDialog, QApplication)
#include "tst_settingsdialog.moc"
