#include "TestMain.h"

#include "Settings.h"
#include "UserProfile.h"
#include "WizardStart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

QStringList traceLines;
QtMessageHandler previousHandler = nullptr;

void CaptureTrace(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    traceLines << message;
    previousHandler(type, context, message);
}

// The address a link label would go to.
QString LinkTarget(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isAnchor())
            return it.fragment().charFormat().anchorHref();
    }
    return QString();
}

} // namespace

class TestWizardStart : public QObject
{
    Q_OBJECT

public slots:
    void OpenUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void turnedOffShowsNothing();
    void bothBoxesShowTheOneFlag_data();
    void bothBoxesShowTheOneFlag();
    void tutorialLinksOpenTheHelpFile();
    void videoAddressCarriesTheSourceTag_data();
    void videoAddressCarriesTheSourceTag();
    void formIsFixed();

private:
    QList<QUrl> opened;
};

void TestWizardStart::initTestCase()
{
    previousHandler = qInstallMessageHandler(CaptureTrace);
    for (const char *scheme : { "https", "http", "file" })
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
}

void TestWizardStart::init()
{
    CUserProfile::instance()->ShowStartupWizard = true;
    opened.clear();
    traceLines.clear();
}

void TestWizardStart::cleanupTestCase()
{
    for (const char *scheme : { "https", "http", "file" })
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    qInstallMessageHandler(previousHandler);
}

void TestWizardStart::turnedOffShowsNothing()
{
    CUserProfile::instance()->ShowStartupWizard = false;
    CWizardStart wizard;
    bool shown = false;
    QTimer watchdog; // closes the wizard should it open after all
    connect(&watchdog, &QTimer::timeout, this, [&]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = true;
            modal->close();
        }
    });
    watchdog.start(50);
    QCOMPARE(wizard.exec(), 0);
    QTest::qWait(100);
    QVERIFY(!shown);
    QVERIFY(!wizard.isVisible());
}

void TestWizardStart::bothBoxesShowTheOneFlag_data()
{
    QTest::addColumn<bool>("finish");
    QTest::newRow("Finish") << true;
    QTest::newRow("Cancel") << false;
}

void TestWizardStart::bothBoxesShowTheOneFlag()
{
    QFETCH(bool, finish);
    CUserProfile *profile = CUserProfile::instance();
    CWizardStart wizard;
    auto *first = wizard.findChild<QCheckBox *>(QStringLiteral("checkShowFirst"));
    auto *second = wizard.findChild<QCheckBox *>(QStringLiteral("checkShowSecond"));
    QList<bool> seen;
    QTimer::singleShot(0, this, [&]() {
        seen << (wizard.currentId() == 0) << first->isChecked();
        first->click(); // off
        seen << profile->ShowStartupWizard;
        wizard.next();
        seen << (wizard.currentId() == 1) << second->isChecked();
        second->click(); // on again
        seen << profile->ShowStartupWizard;
        wizard.back();
        seen << first->isChecked();
        wizard.next();
        seen << second->isChecked();
        wizard.button(finish ? QWizard::FinishButton : QWizard::CancelButton)->click();
    });
    QCOMPARE(wizard.exec(), finish ? 1 : 0);
    QCOMPARE(seen, (QList<bool> { true, false, false, true, true, true, false, false }));
    QVERIFY(profile->ShowStartupWizard);
}

void TestWizardStart::tutorialLinksOpenTheHelpFile()
{
    CWizardStart wizard;
    wizard.show();
    wizard.next();
    auto *tutorial1 = wizard.findChild<QLabel *>(QStringLiteral("linkTutorial1"));
    auto *tutorial2 = wizard.findChild<QLabel *>(QStringLiteral("linkTutorial2"));
    QVERIFY(!tutorial1->openExternalLinks());
    QVERIFY(!tutorial2->openExternalLinks());
    QVERIFY(tutorial1->text().endsWith(
        QStringLiteral(">Tutorial 1 - How to Add Comments and Date</a>")));
    QVERIFY(
        tutorial2->text().endsWith(QStringLiteral(">Tutorial 2 - How to Resize and Rotate</a>")));

    emit tutorial1->linkActivated(LinkTarget(tutorial1));
    emit tutorial2->linkActivated(LinkTarget(tutorial2));
    const QString trace = traceLines.join(QLatin1Char('\n'));
    QVERIFY2(trace.contains(
                 QStringLiteral("ShowHelpTopic. tutorials_how-to-add-comments-and-time.html")),
        qPrintable(trace));
    QVERIFY(
        trace.contains(QStringLiteral("ShowHelpTopic. tutorials_how-to-resize-and-rotate.html")));
    // The manual's pages, opened through the desktop.
    QCOMPARE(opened.size(), 2);
    QCOMPARE(QFileInfo(opened.at(0).toLocalFile()).fileName(),
        QStringLiteral("tutorials_how-to-add-comments-and-time.html"));
    QCOMPARE(QFileInfo(opened.at(1).toLocalFile()).fileName(),
        QStringLiteral("tutorials_how-to-resize-and-rotate.html"));
    QVERIFY(wizard.isVisible());
    QCOMPARE(wizard.currentId(), 1);
}

void TestWizardStart::videoAddressCarriesTheSourceTag_data()
{
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QString>("address");
    const QString page = QStringLiteral("https://www.quendrasil.example/support.html?tab=2&");
    QTest::newRow("no installer") << QString() << page + QStringLiteral("l=welcome");
    QTest::newRow("untagged") << QStringLiteral("C:\\Setup\\QuendrasilSetup.exe")
                              << page + QStringLiteral("l=welcome");
    QTest::newRow("tagged") << QStringLiteral("C:\\Setup\\QuendrasilSetup-news.exe")
                            << page + QStringLiteral("s=news&l=welcome");
    // A tag is text from a file name: it stays inside the link.
    QTest::newRow("quote in tag") << QStringLiteral("C:\\QuendrasilSetup-a\"b<i>.exe")
                                  << page + QStringLiteral("s=a\"b<i>&l=welcome");
}

void TestWizardStart::videoAddressCarriesTheSourceTag()
{
    QFETCH(QString, installer);
    QFETCH(QString, address);
    WriteSettingString(QString::fromLatin1(SettingsKey::InstallerPathName), installer);
    CWizardStart wizard;
    auto *video = wizard.findChild<QLabel *>(QStringLiteral("linkVideoPresentations"));
    QCOMPARE(LinkTarget(video), address);
    QVERIFY(video->openExternalLinks());
    QVERIFY(video->text().endsWith(QStringLiteral(">Video Presentations</a>")));
}

void TestWizardStart::formIsFixed()
{
    CWizardStart wizard;
    QVERIFY(!wizard.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!wizard.pixmap(QWizard::WatermarkPixmap).isNull());
    QCOMPARE(wizard.pageIds(), (QList<int> { 0, 1 }));
    for (int id : { 0, 1 })
        QCOMPARE(wizard.page(id)->layout()->contentsMargins().top(), 25);
}

QUENDRASIL_TEST_MAIN(TestWizardStart, QApplication)
#include "tst_wizardstart.moc"
