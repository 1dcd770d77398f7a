#include "TestMain.h"

#include "DialogGSWarning.h"
#include "UserProfile.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

class TestGSWarning : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void eachFormatIsDueOncePerRun();
    void otherNamesAreNeverDue_data();
    void otherNamesAreNeverDue();
    void execShowsTheNameUpperCased_data();
    void execShowsTheNameUpperCased();
};

void TestGSWarning::init()
{
    CUserProfile::instance()->GhostscriptNotice.fill(true);
}

void TestGSWarning::eachFormatIsDueOncePerRun()
{
    // A dialog per request, as the callers build them; the memory is the profile's.
    auto due = [](const QString &name) { return CDialogGSWarning().ShouldShow(name); };
    QVERIFY(due(QStringLiteral("pdf")));
    QVERIFY(!due(QStringLiteral("PDF")));
    QVERIFY(!due(QStringLiteral("Pdf")));
    QVERIFY(due(QStringLiteral("EPS")));
    QVERIFY(!due(QStringLiteral("eps")));
    QVERIFY(due(QStringLiteral("Ps3")));

    const auto &flags = CUserProfile::instance()->GhostscriptNotice;
    for (size_t index = 0; index < flags.size(); ++index) {
        const QString name = QLatin1String(CUserProfile::GhostscriptFormats.at(index));
        const bool spent = name == QLatin1String("PDF") || name == QLatin1String("EPS")
            || name == QLatin1String("PS3");
        QCOMPARE(flags.at(index), !spent);
    }
}

void TestGSWarning::otherNamesAreNeverDue_data()
{
    QTest::addColumn<QString>("name");
    // PDP is read like a PDF, but only the eleven names themselves have a notice.
    QTest::newRow("pdp") << QStringLiteral("pdp");
    QTest::newRow("jpg") << QStringLiteral("jpg");
    QTest::newRow("empty") << QString();
    QTest::newRow("with dot") << QStringLiteral(".pdf");
    QTest::newRow("trailing space") << QStringLiteral("pdf ");
    QTest::newRow("longer") << QStringLiteral("epsf2");
}

void TestGSWarning::otherNamesAreNeverDue()
{
    QFETCH(QString, name);
    CDialogGSWarning dialog;
    QVERIFY(!dialog.ShouldShow(name));
    for (bool flag : CUserProfile::instance()->GhostscriptNotice)
        QVERIFY(flag);
}

void TestGSWarning::execShowsTheNameUpperCased_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("OK") << true;
    QTest::newRow("Escape") << false;
}

void TestGSWarning::execShowsTheNameUpperCased()
{
    QFETCH(bool, byButton);
    CDialogGSWarning dialog;
    QVERIFY(dialog.ShouldShow(QStringLiteral("eps3")));
    QString text;
    QString link;
    bool opensLinks = false;
    QTimer::singleShot(0, &dialog, [&]() {
        text = dialog.findChild<QLabel *>(QStringLiteral("text"))->text();
        const QLabel *linkLabel = dialog.findChild<QLabel *>(QStringLiteral("link"));
        link = linkLabel->text();
        opensLinks = linkLabel->openExternalLinks();
        if (byButton)
            dialog.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(byButton ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(text,
        QStringLiteral("In order to read EPS3 documents Quendrasil requires Ghostscript to be "
                       "installed on your computer.\r\n\r\nDownload \"GhostScript for Windows "
                       "(64 bit)\" from this link:"));
    QVERIFY2(link.startsWith(QStringLiteral("<a href=\"https://")), qPrintable(link));
    QVERIFY(link.endsWith(QStringLiteral("\">Download GhostScript</a>")));
    QVERIFY(opensLinks);
}

QUENDRASIL_TEST_MAIN(TestGSWarning, QApplication)
#include "tst_gswarning.moc"
