#include "TestMain.h"

#include "DialogTip.h"
#include "ImageCache.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QString Key = QStringLiteral("Test.ShowTip");
const QString SettingKey = QStringLiteral("GUI/Test.ShowTip");

struct SShown
{
    bool shown = false;
    bool ticked = true;
    QString text;
    Qt::TextFormat format = Qt::PlainText;
};

// Runs one tip; `answer` acts on the open dialog and must close it.
int RunTip(const QString &text, SShown &shown, const std::function<void(CDialogTip &)> &answer)
{
    CDialogTip tip;
    tip.Key = Key;
    tip.Text = text;
    QTimer::singleShot(0, &tip, [&]() {
        shown.shown = tip.isVisible();
        shown.ticked = tip.findChild<QCheckBox *>(QStringLiteral("checkShow"))->isChecked();
        const QLabel *label = tip.findChild<QLabel *>(QStringLiteral("textTip"));
        shown.text = label->text();
        shown.format = label->textFormat();
        answer(tip);
    });
    return tip.exec();
}

void ClickOk(CDialogTip &tip)
{
    tip.findChild<QPushButton *>(QStringLiteral("buttonOk"))->click();
}

void Tick(CDialogTip &tip)
{
    tip.findChild<QCheckBox *>(QStringLiteral("checkShow"))->click();
}

} // namespace

class TestDialogTip : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstUseShowsTheTipUnticked();
    void tickingTurnsTheTipOffByAnyClose_data();
    void tickingTurnsTheTipOffByAnyClose();
    void tickingTwiceKeepsTheTip();
    void keysAreIndependent();
    void formAndBanner();
    void bannerKeepsItsWidthOnHighDpiScreens();
};

void TestDialogTip::init()
{
    WriteSettingInt(SettingKey, 1);
    CImageCache::instance()->SetHighDpi(false);
}

void TestDialogTip::firstUseShowsTheTipUnticked()
{
    SShown shown;
    const QString text = QStringLiteral("First line\n\nThird line");
    QCOMPARE(RunTip(text, shown, ClickOk), 0);
    QVERIFY(shown.shown);
    QVERIFY(!shown.ticked);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.format, Qt::AutoText); // rich tips are shown formatted
    QCOMPARE(ReadSettingInt(SettingKey, -1), 1);
}

void TestDialogTip::tickingTurnsTheTipOffByAnyClose_data()
{
    QTest::addColumn<int>("close");
    QTest::newRow("OK") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void TestDialogTip::tickingTurnsTheTipOffByAnyClose()
{
    QFETCH(int, close);
    SShown shown;
    const int result = RunTip(QStringLiteral("tip"), shown, [close](CDialogTip &tip) {
        Tick(tip);
        if (close == 0)
            ClickOk(tip);
        else if (close == 1)
            QTest::keyClick(&tip, Qt::Key_Escape);
        else
            tip.close();
    });
    QCOMPARE(result, 0);
    QCOMPARE(ReadSettingInt(SettingKey, -1), 0);

    SShown again;
    QCOMPARE(RunTip(QStringLiteral("tip"), again, ClickOk), 1);
    QVERIFY(!again.shown);
}

void TestDialogTip::tickingTwiceKeepsTheTip()
{
    SShown shown;
    RunTip(QStringLiteral("tip"), shown, [](CDialogTip &tip) {
        Tick(tip);
        Tick(tip);
        ClickOk(tip);
    });
    QCOMPARE(ReadSettingInt(SettingKey, -1), 1);

    // Shown again, and unticked even though it was ticked once before.
    SShown again;
    QCOMPARE(RunTip(QStringLiteral("tip"), again, ClickOk), 0);
    QVERIFY(again.shown);
    QVERIFY(!again.ticked);
}

void TestDialogTip::keysAreIndependent()
{
    WriteSettingInt(QStringLiteral("GUI/Other.ShowTip"), 0);
    SShown shown;
    QCOMPARE(RunTip(QStringLiteral("tip"), shown, ClickOk), 0);
    QVERIFY(shown.shown);
}

void TestDialogTip::formAndBanner()
{
    CDialogTip tip;
    QCOMPARE(tip.windowTitle(), QStringLiteral("Tip"));
    QVERIFY(!tip.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(tip.size(), QSize(460, 250));
    QCOMPARE(tip.minimumSize(), QSize(460, 200));
    QCOMPARE(tip.maximumSize(), QSize(460, 400));
    QCOMPARE(tip.findChild<QCheckBox *>(QStringLiteral("checkShow"))->text(),
        QStringLiteral("Don't show this tip again"));

    const QLabel *banner = tip.findChild<QLabel *>(QStringLiteral("labelImageWizard"));
    const QPixmap pixmap = banner->pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.width(), 141);
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    tip.layout()->activate();
    QCOMPARE(banner->width(), 141);
}

void TestDialogTip::bannerKeepsItsWidthOnHighDpiScreens()
{
    CImageCache::instance()->SetHighDpi(true);
    CDialogTip tip;
    const QPixmap pixmap = tip.findChild<QLabel *>(QStringLiteral("labelImageWizard"))->pixmap();
    QCOMPARE(pixmap.width(), 282);
    QCOMPARE(pixmap.deviceIndependentSize().width(), 141.0);
}

QUENDRASIL_TEST_MAIN(TestDialogTip, QApplication)
#include "tst_dialogtip.moc"
