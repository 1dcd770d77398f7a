#include "TestMain.h"

#include "AppInfo.h"
#include "DialogAbout.h"
#include "DialogAskReview.h"
#include "DialogSocial.h"
#include "ImageCache.h"
#include "Settings.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

const QString SocialKey = QStringLiteral("GUI/DialogSocial.Show");
const QString ReviewKey = QStringLiteral("GUI/DialogAskReview.Show");

// Stands in for the browser: every https address the program opens lands here.
class CUrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;
    Q_INVOKABLE void Open(const QUrl &url) { urls.append(url); }
};

template<typename T> T *Child(QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Runs `inside` once the dialog's modal loop is up; `shown` tells whether it ever came.
int ExecWith(QDialog &dialog, bool &shown, const std::function<void()> &inside)
{
    shown = false;
    QTimer::singleShot(0, &dialog, [&]() {
        shown = dialog.isVisible();
        if (shown)
            inside();
        if (dialog.isVisible())
            dialog.reject();
    });
    const int result = dialog.exec();
    QCoreApplication::processEvents(); // let a timer of a dialog that never showed run out
    return result;
}

QImage Resource(const char *path)
{
    const QImage image { QLatin1String(path) };
    if (image.isNull())
        qFatal("missing resource %s", path); // else comparisons with it would pass for nothing
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QSizeF LogicalSize(const QPixmap &pixmap)
{
    return QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
}

QImage IconTile(const QAbstractButton *button, qreal ratio)
{
    return button->icon()
        .pixmap(QSize(48, 48), ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestInfoDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void aboutTextFollowsTheme_data();
    void aboutTextFollowsTheme();
    void aboutBannerAtNormalRatioIsTheFormsOwn();
    void scaledScreen();

    void socialIconsFollowTheCachedStrip_data();
    void socialIconsFollowTheCachedStrip();
    void socialLinksAndDontShowAgain();
    void reviewLinksAndDontAskAgain();

private:
    CUrlCatcher m_browser;
};

void TestInfoDialogs::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "Open");
}

void TestInfoDialogs::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestInfoDialogs::init()
{
    m_browser.urls.clear();
    WriteSettingInt(SocialKey, 1);
    WriteSettingInt(ReviewKey, 1);
    CImageCache::instance()->SetHighDpi(false);
}

void TestInfoDialogs::aboutTextFollowsTheme_data()
{
    QTest::addColumn<int>("themeId");
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark") << 1 << true;
    QTest::newRow("light") << 2 << false;
}

void TestInfoDialogs::aboutTextFollowsTheme()
{
    QFETCH(int, themeId);
    QFETCH(bool, dark);
    CUserProfile::instance()->ThemeId = themeId;
    CDialogAbout dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));

    QLabel *text = Child<QLabel>(&dialog, "textCopyright");
    QCOMPARE(Child<QScrollArea>(&dialog, "scrollArea")->widget(), text);
    QVERIFY(text->openExternalLinks());
    QCOMPARE(text->textFormat(), Qt::RichText);

    // Read the text back as Qt understands it, so that a style it ignores shows up here.
    QTextDocument document;
    document.setHtml(text->text());
    const QString plain = document.toPlainText();
    QVERIFY2(plain.contains(QStringLiteral("Tarrow&Lune Quendrasil")), qPrintable(plain));
    QVERIFY(plain.contains(
        QStringLiteral("Version %1 (2025.12.17)").arg(QLatin1String(AppInfo::Version))));
    qsizetype previous = -1;
    for (const char *naming : { "created using the Qt framework", "the ImageMagick library",
             "the DCraw project", "the curl library", "developed by the OpenSSL" }) {
        const qsizetype at = plain.indexOf(QLatin1String(naming));
        QVERIFY2(at > previous, naming);
        previous = at;
    }

    QTextCursor cursor = document.find(QStringLiteral("Version"));
    QVERIFY(!cursor.isNull());
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(dark ? "white" : "gray"));
    const QBrush background = cursor.blockFormat().background();
    if (dark)
        QCOMPARE(background.color(), QColor(0x1E, 0x1E, 0x1E));
    else
        QCOMPARE(background.style(), Qt::NoBrush);

    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const QRegularExpressionMatch &match : href.globalMatch(text->text())) {
        QVERIFY2(
            match.captured(1).startsWith(QLatin1String("https://")), qPrintable(match.captured(1)));
        ++links;
    }
    QCOMPARE(links, 3 + 5); // the site, two networks, one per library
}

void TestInfoDialogs::aboutBannerAtNormalRatioIsTheFormsOwn()
{
    QCOMPARE(qApp->devicePixelRatio(), 1.0);
    // Even a high-DPI cache is not asked at a ratio of 1.
    CImageCache::instance()->SetHighDpi(true);
    CDialogAbout dialog;
    const QPixmap banner = Child<QLabel>(&dialog, "label")->pixmap();
    QCOMPARE(banner.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        Resource(":/Banner-Boxshot.png"));
    QCOMPARE(banner.devicePixelRatio(), 1.0);
}

// The ratio of the screen is fixed when the application starts, so this runs the test
// program again on a screen scaled to 2.
void TestInfoDialogs::scaledScreen()
{
    if (qApp->devicePixelRatio() == 1.0) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("scaledScreen") });
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            child.readAll().constData());
        return;
    }

    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    CImageCache::instance()->SetHighDpi(true);
    CDialogAbout about;
    const QPixmap banner = Child<QLabel>(&about, "label")->pixmap();
    QCOMPARE(banner.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        Resource(":/Banner-Boxshot@2x.png"));
    QCOMPARE(LogicalSize(banner), QSizeF(170, 340));

    // On a screen the cache does not know to be high-DPI the 1x banner keeps its size.
    CImageCache::instance()->SetHighDpi(false);
    CDialogAbout plain;
    QCOMPARE(LogicalSize(Child<QLabel>(&plain, "label")->pixmap()), QSizeF(170, 340));
}

void TestInfoDialogs::socialIconsFollowTheCachedStrip_data()
{
    QTest::addColumn<bool>("highDpi");
    QTest::newRow("1x strip") << false;
    QTest::newRow("@2x strip") << true;
}

void TestInfoDialogs::socialIconsFollowTheCachedStrip()
{
    QFETCH(bool, highDpi);
    CImageCache::instance()->SetHighDpi(highDpi);
    WriteSettingInt(SocialKey, 0); // the icons are set before exec decides not to show
    CDialogSocial dialog;
    QCOMPARE(dialog.exec(), 0);

    const int side = highDpi ? 96 : 48;
    const QImage strip = Resource(highDpi ? ":/Icons-Social@2x.png" : ":/Icons-Social.png");
    const qreal ratio = highDpi ? 2.0 : 1.0;
    QToolButton *facebook = Child<QToolButton>(&dialog, "buttonFacebook");
    QToolButton *twitter = Child<QToolButton>(&dialog, "buttonTwitter");
    QCOMPARE(IconTile(facebook, ratio), strip.copy(side, 0, side, side));
    QCOMPARE(IconTile(twitter, ratio), strip.copy(2 * side, 0, side, side));
    QCOMPARE(facebook->iconSize(), QSize(48, 48));
    QCOMPARE(twitter->iconSize(), QSize(48, 48));
}

void TestInfoDialogs::socialLinksAndDontShowAgain()
{
    CDialogSocial dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    bool shown = false;
    QList<int> stored;
    bool stayedOpen = true;
    QSize size;
    const int result = ExecWith(dialog, shown, [&]() {
        size = dialog.size();
        QVERIFY(!Child<QCheckBox>(&dialog, "checkShow")->isChecked());
        for (const char *name : { "buttonFacebook", "buttonTwitter" })
            Child<QToolButton>(&dialog, name)->click();
        Child<QPushButton>(&dialog, "buttonSignup")->click();
        stayedOpen = dialog.isVisible();
        for (int click = 0; click < 3; ++click) {
            Child<QCheckBox>(&dialog, "checkShow")->click();
            stored.append(ReadSettingInt(SocialKey, -1));
        }
        Child<QPushButton>(&dialog, "buttonLater")->click();
    });
    QVERIFY(shown);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(size, QSize(370, 320));
    QVERIFY(stayedOpen);
    QCOMPARE(stored, QList<int>({ 0, 1, 0 }));
    QCOMPARE(m_browser.urls,
        QList<QUrl>({ QUrl(QStringLiteral("https://www.quendrasil.example/facebook")),
            QUrl(QStringLiteral("https://www.quendrasil.example/twitter")),
            QUrl(QStringLiteral("https://www.quendrasil.example/newsletter")) }));

    // The box was left ticked: the next offer is declined without a window.
    CDialogSocial next;
    QCOMPARE(ExecWith(next, shown, []() {}), 0);
    QVERIFY(!shown);
}

void TestInfoDialogs::reviewLinksAndDontAskAgain()
{
    CImageCache::instance()->SetHighDpi(true);
    CDialogAskReview dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.minimumSize(), QSize(460, 260));
    QCOMPARE(dialog.maximumSize(), QSize(460, 260));
    const QPixmap picture = Child<QLabel>(&dialog, "labelPicture")->pixmap();
    QCOMPARE(picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
        Resource(":/Mail@2x.png"));
    QCOMPARE(LogicalSize(picture), QSizeF(128, 128));

    bool shown = false;
    bool stayedOpen = false;
    const int result = ExecWith(dialog, shown, [&]() {
        Child<QCommandLinkButton>(&dialog, "linkSupport")->click();
        Child<QCommandLinkButton>(&dialog, "linkAppStore")->click();
        stayedOpen = dialog.isVisible();
        Child<QCheckBox>(&dialog, "checkShow")->click();
        Child<QPushButton>(&dialog, "pushButton")->click();
    });
    QVERIFY(shown);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(stayedOpen);
    QCOMPARE(m_browser.urls.size(), 2);
    QCOMPARE(m_browser.urls.at(0).toString(),
        QStringLiteral("https://www.quendrasil.example/support.html?tab=3&#email-form"));
    QCOMPARE(m_browser.urls.at(1).scheme(), QStringLiteral("https"));
    QCOMPARE(ReadSettingInt(ReviewKey, -1), 0);

    CDialogAskReview next;
    QCOMPARE(ExecWith(next, shown, []() {}), 0);
    QVERIFY(!shown);
}

QUENDRASIL_TEST_MAIN(TestInfoDialogs, QApplication)
#include "tst_infodialogs.moc"
