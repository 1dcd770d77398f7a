#include "TestMain.h"

#include "ColorPicker.h"
#include "DialogFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <limits>

namespace {

template<typename T = QWidget> T *Child(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void ClickOn(const QWidget *dialog, const char *name)
{
    QWidget *widget = Child(dialog, name);
    // A check box reacts only on its box and text, which start at its left edge.
    const QPoint at = qobject_cast<QCheckBox *>(widget) ? QPoint(8, widget->height() / 2)
                                                        : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void TypeSize(const QWidget *dialog, const QString &text)
{
    QLineEdit *field = Child<QComboBox>(dialog, "comboFontSize")->lineEdit();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QFont SampleFont(const QWidget *dialog)
{
    return Child<QLabel>(dialog, "textSample")->font();
}

// Runs the dialog: `act` runs once it is open and should leave it; a dialog still open
// afterwards is cancelled, so that a failing test never hangs.
int Run(CDialogFont &dialog, const std::function<void()> &act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act]() {
        act();
        if (dialog.isVisible())
            ClickOn(&dialog, "buttonCancel");
    });
    return dialog.exec();
}

QRgb CentrePixel(QWidget &widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixel(image.rect().center()) | 0xFF000000u;
}

// Answers the real colour dialog with `answer` and notes how it was opened.
class CColorUser : public QObject
{
public:
    QColor answer;
    QColor shownAtStart;
    bool offeredAlpha = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *chooser = qobject_cast<QColorDialog *>(watched);
        if (!chooser || event->type() != QEvent::Show)
            return false;
        shownAtStart = chooser->currentColor();
        offeredAlpha = chooser->testOption(QColorDialog::ShowAlphaChannel);
        QTimer::singleShot(0, chooser, [chooser, color = answer]() {
            chooser->setCurrentColor(color);
            chooser->accept();
        });
        return false;
    }
};

enum class ELeave { Ok, Cancel, Escape };

} // namespace

class TestColorFont : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colorParameterKeepsAllBits_data();
    void colorParameterKeepsAllBits();
    void swatchIsTheColourInABlackFrame();
    void clickLetsTheUserChoose_data();
    void clickLetsTheUserChoose();
    void realChooserStartsFromTheShownColourWithoutAlpha();

    void fontDialogShowsTheCallersFont();
    void fontChangesAreHandedBackOnlyOnOk_data();
    void fontChangesAreHandedBackOnlyOnOk();
    void styleBoxRestylesTheSample_data();
    void styleBoxRestylesTheSample();
    void unusableSizeFallsBackToEight_data();
    void unusableSizeFallsBackToEight();
};

void TestColorFont::init()
{
    // Slots connected by name must all find their signals.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
}

void TestColorFont::cleanup()
{
    CColorPicker::ChooseColor = &CColorPicker::DefaultChooseColor;
}

void TestColorFont::colorParameterKeepsAllBits_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<bool>("roundTrip"); // the colour is saved as exactly this number

    QTest::newRow("opaque white") << 4294967295.0 << QRgb(0xFFFFFFFF) << true;
    QTest::newRow("opaque black") << 4278190080.0 << QRgb(0xFF000000) << true;
    QTest::newRow("half-transparent red") << 2164195328.0 << QRgb(0x80FF0000) << true;
    QTest::newRow("transparent") << 0.0 << QRgb(0) << true;
    QTest::newRow("fraction is cut off") << 4294967295.75 << QRgb(0xFFFFFFFF) << false;
    QTest::newRow("stored signed") << -16777216.0 << QRgb(0xFF000000) << false;
    QTest::newRow("above 32 bits") << 4294967296.0 + 0xFF00FF00u << QRgb(0xFF00FF00) << false;
    QTest::newRow("beyond 64 bits") << 1e30 << QRgb(0) << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QRgb(0) << false;
    QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << QRgb(0) << false;
}

void TestColorFont::colorParameterKeepsAllBits()
{
    QFETCH(double, stored);
    QFETCH(QRgb, color);
    QFETCH(bool, roundTrip);
    QCOMPARE(ParameterToColor(stored), color);
    if (roundTrip) {
        QCOMPARE(ColorToParameter(color), stored);
        QCOMPARE(ParameterToColor(ColorToParameter(color)), color);
    }
}

void TestColorFont::swatchIsTheColourInABlackFrame()
{
    CColorPicker button(nullptr);
    QSignalSpy changed(&button, &CColorPicker::ColorChanged);
    button.SetColor(0xFF2080C0);
    QCOMPARE(button.Color(), QRgb(0xFF2080C0));
    QVERIFY(button.icon().isNull()); // no size to draw at before it is shown

    button.resize(40, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QCOMPARE(button.iconSize(), QSize(32, 22));
    QCOMPARE(button.minimumSize(), QSize(40, 30));
    const QImage swatch = button.icon().pixmap(QSize(32, 22)).toImage();
    QCOMPARE(swatch.size(), QSize(32, 22));
    for (const QPoint &corner : { QPoint(0, 0), QPoint(31, 0), QPoint(0, 21), QPoint(31, 21) })
        QCOMPARE(swatch.pixel(corner), qRgb(0, 0, 0));
    QCOMPARE(swatch.pixel(1, 1), QRgb(0xFF2080C0));
    QCOMPARE(CentrePixel(button), QRgb(0xFF2080C0));

    // A colour with alpha is kept whole for the record but drawn opaque.
    button.SetColor(0x80FF0000);
    QCOMPARE(button.Color(), QRgb(0x80FF0000));
    QCOMPARE(CentrePixel(button), QRgb(0xFFFF0000));
    QCOMPARE(changed.count(), 0);
}

void TestColorFont::clickLetsTheUserChoose_data()
{
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<QRgb>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("another colour") << QColor(0x12, 0x34, 0x56) << QRgb(0xFF123456) << 1;
    QTest::newRow("the colour shown") << QColor(Qt::white) << QRgb(0xFFFFFFFF) << 1;
    QTest::newRow("always opaque") << QColor(255, 0, 0, 128) << QRgb(0xFFFF0000) << 1;
    QTest::newRow("cancelled") << QColor() << QRgb(0xFFFFFFFF) << 0;
}

void TestColorFont::clickLetsTheUserChoose()
{
    QFETCH(QColor, answer);
    QFETCH(QRgb, expected);
    QFETCH(int, emitted);
    QList<QColor> offered;
    QList<QWidget *> parents;
    CColorPicker::ChooseColor = [&](const QColor &initial, QWidget *parent) {
        offered << initial;
        parents << parent;
        return answer;
    };
    CColorPicker button(nullptr);
    button.SetColor(0xFFFFFFFF);
    button.resize(40, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy changed(&button, &CColorPicker::ColorChanged);

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(offered, QList<QColor>({ QColor(Qt::white) }));
    QCOMPARE(parents, QList<QWidget *>({ &button }));
    QCOMPARE(changed.count(), emitted);
    QCOMPARE(button.Color(), expected);
    QCOMPARE(button.iconSize(), QSize(32, 22));
    QCOMPARE(CentrePixel(button), expected);
}

void TestColorFont::realChooserStartsFromTheShownColourWithoutAlpha()
{
    CColorUser user;
    user.answer = QColor(0x40, 0x50, 0x60);
    qApp->installEventFilter(&user);
    CColorPicker button(nullptr);
    button.SetColor(0xFF102030);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy changed(&button, &CColorPicker::ColorChanged);
    QTest::mouseClick(&button, Qt::LeftButton);
    qApp->removeEventFilter(&user);
    QCOMPARE(user.shownAtStart, QColor(0x10, 0x20, 0x30));
    QVERIFY(!user.offeredAlpha);
    QCOMPARE(button.Color(), QRgb(0xFF405060));
    QCOMPARE(changed.count(), 1);
}

void TestColorFont::fontDialogShowsTheCallersFont()
{
    CDialogFont dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Font"));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    dialog.FontFamily = QStringLiteral("DejaVu Serif");
    dialog.FontSize = QStringLiteral("13");
    dialog.Bold = true;
    dialog.StrikeOut = true;
    QString family, sizeText, sampleText;
    QStringList sizes;
    QList<bool> boxes;
    QFont sample;
    const int result = Run(dialog, [&]() {
        family = Child<QFontComboBox>(&dialog, "comboFont")->currentFont().family();
        const auto *size = Child<QComboBox>(&dialog, "comboFontSize");
        sizeText = size->currentText();
        for (int index = 0; index < size->count(); ++index)
            sizes << size->itemText(index);
        for (const char *name : { "checkBold", "checkItalic", "checkUnderline", "checkStrikeOut" })
            boxes << Child<QCheckBox>(&dialog, name)->isChecked();
        sample = SampleFont(&dialog);
        sampleText = Child<QLabel>(&dialog, "textSample")->text();
    });
    QCOMPARE(result, 0);
    QCOMPARE(family, QStringLiteral("DejaVu Serif"));
    QCOMPARE(sizeText, QStringLiteral("13"));
    QCOMPARE(sizes, QString("8 10 12 14 18 24 36 48 72").split(QLatin1Char(' ')));
    QCOMPARE(boxes, QList<bool>({ true, false, false, true }));
    QCOMPARE(sample.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(sample.pixelSize(), 13);
    QVERIFY(sample.bold());
    QVERIFY(!sample.italic());
    QVERIFY(!sample.underline());
    QVERIFY(sample.strikeOut());
    QCOMPARE(sampleText, QStringLiteral("AaBcYyZz"));
}

void TestColorFont::fontChangesAreHandedBackOnlyOnOk_data()
{
    QTest::addColumn<ELeave>("leave");
    QTest::newRow("OK") << ELeave::Ok;
    QTest::newRow("Cancel") << ELeave::Cancel;
    QTest::newRow("Escape") << ELeave::Escape;
}

void TestColorFont::fontChangesAreHandedBackOnlyOnOk()
{
    QFETCH(ELeave, leave);
    CDialogFont dialog(nullptr);
    dialog.FontFamily = QStringLiteral("DejaVu Sans");
    dialog.FontSize = QStringLiteral("12");
    QString chosenFamily;
    int chosenIndex = -1;
    QFont sizedSample, sample;
    const int result = Run(dialog, [&]() {
        ClickOn(&dialog, "checkBold");
        ClickOn(&dialog, "checkItalic");
        TypeSize(&dialog, QStringLiteral("36"));
        chosenIndex = Child<QComboBox>(&dialog, "comboFontSize")->currentIndex();
        sizedSample = SampleFont(&dialog);
        auto *fonts = Child<QFontComboBox>(&dialog, "comboFont");
        QTest::keyClick(fonts, Qt::Key_Down);
        chosenFamily = fonts->currentFont().family();
        sample = SampleFont(&dialog);
        if (leave == ELeave::Ok)
            ClickOn(&dialog, "buttonOK");
        else if (leave == ELeave::Cancel)
            ClickOn(&dialog, "buttonCancel");
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(chosenIndex, 6); // typing a listed size selects it
    QCOMPARE(sizedSample.pixelSize(), 36);
    QVERIFY(!chosenFamily.isEmpty());
    QVERIFY(chosenFamily != QStringLiteral("DejaVu Sans"));
    QCOMPARE(sample.family(), chosenFamily);
    QCOMPARE(sample.pixelSize(), 36);
    QVERIFY(sample.bold() && sample.italic() && !sample.underline() && !sample.strikeOut());

    const QList<bool> flags = { dialog.Bold, dialog.Italic, dialog.Underline, dialog.StrikeOut };
    if (leave == ELeave::Ok) {
        QCOMPARE(result, 1);
        QCOMPARE(dialog.FontFamily, chosenFamily); // the family alone, no size or styles
        QCOMPARE(dialog.FontSize, QStringLiteral("36"));
        QCOMPARE(flags, QList<bool>({ true, true, false, false }));
    } else {
        QCOMPARE(result, 0);
        QCOMPARE(dialog.FontFamily, QStringLiteral("DejaVu Sans"));
        QCOMPARE(dialog.FontSize, QStringLiteral("12"));
        QCOMPARE(flags, QList<bool>({ false, false, false, false }));
    }
}

void TestColorFont::styleBoxRestylesTheSample_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("bold") << "checkBold";
    QTest::newRow("italic") << "checkItalic";
    QTest::newRow("underline") << "checkUnderline";
    QTest::newRow("strike-out") << "checkStrikeOut";
}

void TestColorFont::styleBoxRestylesTheSample()
{
    QFETCH(QString, box);
    const auto styles = [](const QFont &font) {
        return QList<bool>({ font.bold(), font.italic(), font.underline(), font.strikeOut() });
    };
    CDialogFont dialog(nullptr);
    QList<bool> before, ticked, unticked, expected;
    Run(dialog, [&]() {
        const QByteArray name = box.toLatin1();
        before = styles(SampleFont(&dialog));
        ClickOn(&dialog, name.constData());
        ticked = styles(SampleFont(&dialog));
        ClickOn(&dialog, name.constData());
        unticked = styles(SampleFont(&dialog));
        for (const char *each : { "checkBold", "checkItalic", "checkUnderline", "checkStrikeOut" })
            expected << (box == QLatin1String(each));
    });
    QCOMPARE(before, QList<bool>({ false, false, false, false }));
    QCOMPARE(ticked, expected);
    QCOMPARE(unticked, before);
}

void TestColorFont::unusableSizeFallsBackToEight_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("returned");

    QTest::newRow("unlisted size") << "13" << 13 << "13";
    QTest::newRow("empty") << "" << 8 << "8";
    QTest::newRow("zero") << "0" << 8 << "8";
    QTest::newRow("negative") << "-5" << 8 << "8";
    QTest::newRow("not a number") << "big" << 8 << "8";
}

void TestColorFont::unusableSizeFallsBackToEight()
{
    QFETCH(QString, typed);
    QFETCH(int, pixels);
    QFETCH(QString, returned);
    CDialogFont dialog(nullptr);
    int samplePixels = 0;
    const int result = Run(dialog, [&]() {
        TypeSize(&dialog, typed);
        samplePixels = SampleFont(&dialog).pixelSize();
        ClickOn(&dialog, "buttonOK");
    });
    QCOMPARE(result, 1);
    QCOMPARE(samplePixels, pixels);
    QCOMPARE(dialog.FontSize, returned);
}

QUENDRASIL_TEST_MAIN(TestColorFont, QApplication)
#include "tst_colorfont.moc"
