#include "TestServers.h"
#include "TestMain.h"

#include "CheckNew.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace {

const QString LastDateKey = QStringLiteral("Settings/CheckNew.LastDate");
constexpr int AnswerMs = 15000;

// An HTTPS server for the files of one folder; prints its port once it listens.
const char *const ServerScript = R"(
import http.server, ssl, sys
root, cert, key = sys.argv[1:4]
class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

QString DaysAgo(int days)
{
    return QDate::currentDate().addDays(-days).toString(QStringLiteral("yyyy-MM-dd"));
}

QString Version(const QString &name, int revision, const QString &description = QString(),
    const QString &urls = QString())
{
    return QStringLiteral("<Version><Name>%1</Name><Revision>%2</Revision><Date>2026-01-0%3"
                          "</Date><Description>%4</Description>%5</Version>")
        .arg(name)
        .arg(revision)
        .arg(revision % 9 + 1)
        .arg(description, urls);
}

// "href|text" of every link in the document.
QStringList Links(const QTextDocument *document)
{
    QStringList links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor())
                links << format.anchorHref() + QLatin1Char('|') + it.fragment().text();
        }
    }
    return links;
}

int ListItems(const QTextDocument *document)
{
    int items = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        items += block.textList() ? 1 : 0;
    return items;
}

} // namespace

class TestCheckNew : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop: nothing the dialog asks to open is really opened.
    void OpenUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void newerVersionListsTheNewsAndOpensTheDownload();
    void sameRevisionIsUpToDate();
    void listTextIsShownNotRun();
    void downloadAddressMustBeAWebPage_data();
    void downloadAddressMustBeAWebPage();
    void unusableAnswersSayWhat_data();
    void unusableAnswersSayWhat();
    void untrustedServerIsRefused();
    void silentServerTimesOut();
    void automaticCheckWhenDue_data();
    void automaticCheckWhenDue();
    void tipComesBeforeTheRequest();

private:
    void Serve(const QString &document);
    // Runs a manual check and waits for its dialog.
    bool RunManual(CCheckNew &check);
    static QString Text(CCheckNew &check);
    static QPushButton *Button(CCheckNew &check, const char *name);

    QTemporaryDir folder;
    QProcess server;
    QUrl listUrl;
    QList<QSslCertificate> trusted;
    QList<QUrl> opened;
};

void TestCheckNew::initTestCase()
{
    QVERIFY(folder.isValid());
    if (!QFile::exists(QStringLiteral("/usr/bin/python3"))
        || !QFile::exists(QStringLiteral("/usr/bin/openssl")))
        QSKIP("python3 and openssl are needed for the HTTPS test server");

    const QString cert = folder.filePath(QStringLiteral("cert.pem"));
    const QString key = folder.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    openssl.start(QStringLiteral("/usr/bin/openssl"),
        { QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
            QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
            QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
            QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
            QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
            QStringLiteral("-out"), cert });
    QVERIFY(openssl.waitForFinished(30000));
    QCOMPARE(openssl.exitCode(), 0);
    trusted = QSslCertificate::fromPath(cert);
    QCOMPARE(trusted.size(), 1);

    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("www")));
    EndWithThisTest(server);
    server.setStandardErrorFile(folder.filePath(QStringLiteral("server.log")));
    server.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-c"), QLatin1String(ServerScript), folder.filePath(QStringLiteral("www")),
            cert, key });
    QVERIFY(server.waitForStarted());
    QVERIFY2(server.waitForReadyRead(30000), "the HTTPS test server did not start");
    const int port = server.readLine().trimmed().toInt();
    QVERIFY(port > 0);
    listUrl = QUrl(QStringLiteral("https://127.0.0.1:%1/versions-qt.xml").arg(port));

    for (const char *scheme : { "https", "http", "file" })
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
    // The notice before each check has its own test.
    WriteSettingInt(QStringLiteral("GUI/CheckNew.ShowTip"), 0);
}

void TestCheckNew::init()
{
    CCheckNew::SetSourceForTests(listUrl, trusted);
    opened.clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->AutoCheck = true;
    profile->CheckNewInterval = 1;
    WriteSettingString(LastDateKey, QString());
}

void TestCheckNew::cleanupTestCase()
{
    for (const char *scheme : { "https", "http", "file" })
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    if (server.state() != QProcess::NotRunning) {
        server.kill();
        server.waitForFinished();
    }
}

void TestCheckNew::Serve(const QString &document)
{
    QFile file(folder.filePath(QStringLiteral("www/versions-qt.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(document.toUtf8());
}

bool TestCheckNew::RunManual(CCheckNew &check)
{
    check.setModal(true);
    check.Automatic = 0;
    check.CenterRect = QRect(0, 0, 800, 600);
    check.show();
    return QTest::qWaitFor([&]() { return check.isVisible(); }, AnswerMs);
}

QString TestCheckNew::Text(CCheckNew &check)
{
    return check.findChild<QTextBrowser *>(QStringLiteral("editBox"))->toPlainText();
}

QPushButton *TestCheckNew::Button(CCheckNew &check, const char *name)
{
    return check.findChild<QPushButton *>(QLatin1String(name));
}

void TestCheckNew::newerVersionListsTheNewsAndOpensTheDownload()
{
    const QString urls = QStringLiteral("<Url OS=\"Win\">https://dl.example/setup.exe</Url>"
                                        "<Url OS=\"Linux\">https://dl.example/q.tar.gz</Url>");
    Serve(QStringLiteral("<Versions>")
        + Version(QStringLiteral("2.75"), 275,
            QStringLiteral("\n* Faster saving\n* Watermarks http://www.quendrasil.example/"
                           "news more\n"),
            urls)
        + Version(QStringLiteral("2.73"), 273, QStringLiteral("Plain fixes"))
        + Version(QStringLiteral("2.71"), 271, QStringLiteral("* Installed"))
        + Version(QStringLiteral("2.68"), 268, QStringLiteral("* Older"))
        + QStringLiteral("</Versions>"));

    CCheckNew check;
    QVERIFY(RunManual(check));
    const QString text = Text(check);
    QVERIFY2(text.startsWith(QStringLiteral("A newer version of Quendrasil is available")),
        qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Version 2.75 (")));
    QVERIFY(text.contains(QStringLiteral("Watermarks (learn more) more")));
    QVERIFY(text.contains(QStringLiteral("Version 2.73 (")));
    QVERIFY(text.contains(QStringLiteral("Plain fixes")));
    QVERIFY(text.contains(QStringLiteral("Version 2.71 (")));
    QVERIFY(
        text.contains(QStringLiteral("This is the version you have installed on your computer.")));
    QVERIFY(!text.contains(QStringLiteral("2.68")));
    QVERIFY(!text.contains(QStringLiteral("Installed")));

    const QTextDocument *document = check.findChild<QTextBrowser *>()->document();
    QCOMPARE(ListItems(document), 2);
    QCOMPARE(Links(document),
        QStringList { QStringLiteral("http://www.quendrasil.example/news|learn more") });
    QCOMPARE(check.minimumHeight(), 325);

    // "Update" opens this system's download, the next press closes.
    QPushButton *ok = Button(check, "OK");
    QCOMPARE(ok->text(), QStringLiteral("Update"));
    ok->click();
    QCOMPARE(opened, QList<QUrl> { QUrl(QStringLiteral("https://dl.example/q.tar.gz")) });
    QVERIFY(check.isVisible());
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    ok->click();
    QVERIFY(!check.isVisible());
    QCOMPARE(check.result(), int(QDialog::Accepted));
    QCOMPARE(opened.size(), 1);

    // A Url without OS serves every system.
    Serve(QStringLiteral("<Versions>")
        + Version(QStringLiteral("2.80"), 280, QString(),
            QStringLiteral("<Url>https://dl.example/any</Url>"))
        + QStringLiteral("</Versions>"));
    QVERIFY(RunManual(check));
    Button(check, "OK")->click();
    QCOMPARE(opened.last(), QUrl(QStringLiteral("https://dl.example/any")));
}

void TestCheckNew::sameRevisionIsUpToDate()
{
    Serve(QStringLiteral("<Versions>") + Version(QStringLiteral("2.71"), 271)
        + Version(QStringLiteral("2.68"), 268) + QStringLiteral("</Versions>"));

    CCheckNew check;
    QVERIFY(RunManual(check));
    QVERIFY(Text(check).startsWith(QStringLiteral(
        "You already have the latest version of Quendrasil installed on your computer.")));
    QCOMPARE(check.minimumHeight(), 150);

    // The box is the automatic-check flag.
    QCheckBox *box = check.findChild<QCheckBox *>(QStringLiteral("checkNew"));
    QVERIFY(box->isChecked());
    box->click();
    QVERIFY(!CUserProfile::instance()->AutoCheck);
    box->click();
    QVERIFY(CUserProfile::instance()->AutoCheck);

    Button(check, "OK")->click();
    QVERIFY(!check.isVisible());
    QVERIFY(opened.isEmpty());

    // An automatic check that finds nothing new stays silent.
    WriteSettingString(LastDateKey, DaysAgo(8));
    check.Automatic = 1;
    check.show();
    QVERIFY(check.findChild<QNetworkReply *>());
    QTRY_VERIFY_WITH_TIMEOUT(!check.findChild<QNetworkReply *>(), AnswerMs);
    QTest::qWait(50);
    QVERIFY(!check.isVisible());
}

void TestCheckNew::listTextIsShownNotRun()
{
    Serve(QStringLiteral("<Versions><Version><Name>&lt;a href=\"file:///etc/passwd\"&gt;2.80"
                         "&lt;/a&gt;</Name><Revision> 280 </Revision><Description>* see "
                         "http://x.example/a\"onclick=\"b more &lt;img src=\"file:///x.png\"&gt;"
                         "</Description></Version></Versions>"));
    CCheckNew check;
    QVERIFY(RunManual(check));
    const QString text = Text(check);
    QVERIFY2(
        text.contains(QStringLiteral("<a href=\"file:///etc/passwd\">2.80</a>")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("<img src=\"file:///x.png\">")));
    const QStringList links = Links(check.findChild<QTextBrowser *>()->document());
    QCOMPARE(links.size(), 1);
    QVERIFY2(
        links.first().startsWith(QStringLiteral("http://x.example/a")), qPrintable(links.first()));
    QCOMPARE(Button(check, "OK")->text(), QStringLiteral("Update"));
}

void TestCheckNew::downloadAddressMustBeAWebPage_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("local program") << QStringLiteral("file:///usr/bin/xterm");
    QTest::newRow("other scheme") << QStringLiteral("javascript:alert(1)");
    QTest::newRow("missing") << QString();
}

void TestCheckNew::downloadAddressMustBeAWebPage()
{
    QFETCH(QString, url);
    Serve(QStringLiteral("<Versions>")
        + Version(QStringLiteral("2.80"), 280, QString(),
            url.isEmpty() ? QString() : QStringLiteral("<Url>%1</Url>").arg(url))
        + QStringLiteral("</Versions>"));
    CCheckNew check;
    QVERIFY(RunManual(check));

    QString warning;
    QTimer::singleShot(0, this, [&]() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            warning = box->text();
            box->accept();
        }
    });
    Button(check, "OK")->click();
    QVERIFY(opened.isEmpty());
    QVERIFY2(warning.contains(QStringLiteral("download address")), qPrintable(warning));
    QVERIFY(check.isVisible());
    Button(check, "OK")->click();
    QVERIFY(!check.isVisible());
}

void TestCheckNew::unusableAnswersSayWhat_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("expected");
    const QString unreachable = QStringLiteral("We are unable to access Quendrasil's site.");
    const QString unreadable
        = QStringLiteral("The list of versions on Quendrasil's site could not");
    // Shown for an automatic check too: the user may want to turn the check off.
    QTest::newRow("not found") << QString() << true << unreachable;
    QTest::newRow("not XML") << QStringLiteral("hello") << false << unreachable;
    QTest::newRow("portal page") << QStringLiteral("<html><body><p>Sign in</p></body></html>")
                                 << true << unreadable;
    QTest::newRow("empty entry") << QStringLiteral("<Versions><Version/></Versions>") << false
                                 << unreadable;
    QTest::newRow("revision not a number")
        << QStringLiteral("<Versions><Version><Revision>2.8</Revision></Version></Versions>")
        << false << unreadable;
    QTest::newRow("broken first entry")
        << QStringLiteral("<Versions><Version><Revision>280</Revision><Name>x</Version>") << false
        << unreadable;
    // What was read before the fault still counts.
    QTest::newRow("cut after an entry")
        << QStringLiteral("<Versions>%1<Version><Name>2.").arg(Version(QStringLiteral("2.71"), 271))
        << false << QStringLiteral("You already have the latest version");
}

void TestCheckNew::unusableAnswersSayWhat()
{
    QFETCH(QString, document);
    QFETCH(bool, automatic);
    QFETCH(QString, expected);
    if (document.isNull())
        QFile::remove(folder.filePath(QStringLiteral("www/versions-qt.xml")));
    else
        Serve(document);

    CCheckNew check;
    if (automatic) {
        WriteSettingString(LastDateKey, DaysAgo(1));
        CUserProfile::instance()->CheckNewInterval = 0;
        check.Automatic = 1;
        check.show();
        QTRY_VERIFY_WITH_TIMEOUT(check.isVisible(), AnswerMs);
    } else {
        QVERIFY(RunManual(check));
    }
    QVERIFY2(Text(check).startsWith(expected), qPrintable(Text(check)));
    QCOMPARE(check.minimumHeight(), 150);
    Button(check, "OK")->click();
    QVERIFY(!check.isVisible());
    QVERIFY(opened.isEmpty());
}

void TestCheckNew::untrustedServerIsRefused()
{
    Serve(QStringLiteral("<Versions>") + Version(QStringLiteral("2.80"), 280)
        + QStringLiteral("</Versions>"));
    CCheckNew::SetSourceForTests(listUrl); // the system's trust store only
    CCheckNew check;
    QVERIFY(RunManual(check));
    QVERIFY(Text(check).startsWith(QStringLiteral("We are unable to access")));
}

void TestCheckNew::silentServerTimesOut()
{
    QTcpServer silent; // accepts and never answers
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    CCheckNew::SetSourceForTests(
        QUrl(QStringLiteral("https://127.0.0.1:%1/versions-qt.xml").arg(silent.serverPort())),
        trusted, 300);
    CCheckNew check;
    QVERIFY(RunManual(check));
    QVERIFY(Text(check).startsWith(QStringLiteral("We are unable to access")));
}

void TestCheckNew::automaticCheckWhenDue_data()
{
    QTest::addColumn<bool>("autoCheck");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("due");
    QTest::addColumn<bool>("storesToday");

    QTest::newRow("first start") << true << 1 << QString() << false << true;
    QTest::newRow("14 days, 13 ago") << true << 2 << DaysAgo(13) << false << false;
    QTest::newRow("14 days, 14 ago") << true << 2 << DaysAgo(14) << true << true;
    QTest::newRow("unknown index is a day") << true << 7 << DaysAgo(1) << true << true;
    QTest::newRow("unknown index, today") << true << 7 << DaysAgo(0) << false << false;
    QTest::newRow("not a date") << true << 0 << QStringLiteral("garbage") << false << false;
    QTest::newRow("in the future") << true << 0 << DaysAgo(-3) << false << false;
    QTest::newRow("turned off") << false << 0 << DaysAgo(100) << false << false;
}

void TestCheckNew::automaticCheckWhenDue()
{
    QFETCH(bool, autoCheck);
    QFETCH(int, interval);
    QFETCH(QString, stored);
    QFETCH(bool, due);
    QFETCH(bool, storesToday);
    CUserProfile::instance()->AutoCheck = autoCheck;
    CUserProfile::instance()->CheckNewInterval = interval;
    WriteSettingString(LastDateKey, stored);

    CCheckNew check;
    check.Automatic = 1;
    check.show();
    QCOMPARE(check.findChild<QNetworkReply *>() != nullptr, due);
    QCOMPARE(ReadSettingString(LastDateKey, QString()), storesToday ? DaysAgo(0) : stored);

    // A manual check always runs and restarts the interval.
    check.Automatic = 0;
    check.show();
    QVERIFY(check.findChild<QNetworkReply *>());
    QCOMPARE(ReadSettingString(LastDateKey, QString()), DaysAgo(0));
}

void TestCheckNew::tipComesBeforeTheRequest()
{
    WriteSettingInt(QStringLiteral("GUI/CheckNew.ShowTip"), 1);
    CCheckNew check;
    QString tipText;
    bool requestWhileTip = true;
    QTimer::singleShot(0, this, [&]() {
        QWidget *tip = QApplication::activeModalWidget();
        QVERIFY(tip);
        tipText = tip->findChild<QLabel *>(QStringLiteral("textTip"))->text();
        requestWhileTip = check.findChild<QNetworkReply *>() != nullptr;
        tip->close();
    });
    check.show();
    WriteSettingInt(QStringLiteral("GUI/CheckNew.ShowTip"), 0);
    QVERIFY2(tipText.startsWith(QStringLiteral("Quendrasil will now check")), qPrintable(tipText));
    QVERIFY(!requestWhileTip);
    QVERIFY(check.findChild<QNetworkReply *>());
}

QUENDRASIL_TEST_MAIN(TestCheckNew, QApplication)
#include "tst_checknew.moc"
