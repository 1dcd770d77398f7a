#include "TestMain.h"

#include "BalloonPath.h"
#include "ClickableLabel.h"
#include "ExpandableWidget.h"
#include "IndicatorContrast.h"
#include "TextWidget.h"
#include "ThemePalette.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPropertyAnimation>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// Whether `format` is the one the markup names: the tip font is bold 9 pt.
bool IsNamedFormat(const QTextCharFormat &format, const QString &name)
{
    if (name == QLatin1String("bold"))
        return format.fontWeight() == QFont::Bold && !format.fontItalic()
            && format.fontPointSize() == 9.0;
    if (name == QLatin1String("heading"))
        return format.fontWeight() == QFont::Bold && format.fontPointSize() == 15.0;
    if (name == QLatin1String("italic"))
        return format.fontItalic() && format.fontPointSize() == 9.0;
    if (name == QLatin1String("code"))
        return format.fontFamilies().toStringList() == QStringList { QStringLiteral("Courier") }
        && format.fontPointSize() == 7.0;
    return false;
}

// A chimney 20 units wide on top of a wide room: no text fits in the chimney.
QPainterPath ChimneyShape()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({ { 40, 0 }, { 60, 0 }, { 60, 40 }, { 200, 40 }, { 200, 200 },
        { 0, 200 }, { 0, 40 }, { 40, 40 }, { 40, 0 } }));
    path.closeSubpath();
    return path;
}

QImage Render(CTextWidget &tip)
{
    QImage image(tip.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    tip.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool InsideWidget(const QTextLine &line, const QWidget &widget)
{
    return line.x() < widget.width() && line.y() < widget.height();
}

// Counts the property animations that get deleted (the widgets' animations have no parent,
// so deletion is what shows that none is left behind).
class CAnimationDeletions : public QObject
{
public:
    CAnimationDeletions() { qApp->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DeferredDelete && qobject_cast<QPropertyAnimation *>(watched))
            connect(watched, &QObject::destroyed, this, [this]() { ++Count; });
        return false;
    }
};

} // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void markup_data();
    void markup();
    void lineThatDoesNotFitMovesDown();
    void textBelowTheBottomIsCutAndLaterParagraphsDropped();
    void withoutShapeNothingIsLaidOutOrDrawn_data();
    void withoutShapeNothingIsLaidOutOrDrawn();
    void balloonIsPaintedInsideItsOutlineOnly();

    void labelReportsEachPress();

    void clicksOpenAndCloseTheSectionWithAnimation();

    void readableStyleShowsStates_data();
    void readableStyleShowsStates();
};

void TestSmallWidgets::markup_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QStringList>("ranges"); // "start,length,format"

    QTest::newRow("plain text") << "Add the photos"
                                << "Add the photos" << QStringList();
    QTest::newRow("bold word") << "Click \\bold{Add} to start"
                               << "Click Add to start" << QStringList { "6,3,bold" };
    QTest::newRow("heading and code")
        << "\\heading{Tip} type \\code{*.jpg}"
        << "Tip type *.jpg" << QStringList { "0,3,heading", "9,5,code" };
    QTest::newRow("double backslash") << "C:\\\\Photos"
                                      << "C:\\Photos" << QStringList();
    QTest::newRow("unknown tag kept whole") << "a \\big{word} b"
                                            << "a \\big{word} b" << QStringList();
    QTest::newRow("backslash without brace") << "end\\"
                                             << "end\\" << QStringList();
    QTest::newRow("stray closing brace") << "a } b"
                                         << "a } b" << QStringList();
    QTest::newRow("missing closing brace") << "see \\italic{the rest"
                                           << "see the rest" << QStringList { "4,8,italic" };
    QTest::newRow("new tag drops the open range") << "\\bold{a\\italic{b}c"
                                                  << "abc" << QStringList { "1,1,italic" };
}

void TestSmallWidgets::markup()
{
    QFETCH(QString, source);
    QFETCH(QString, plain);
    QFETCH(QStringList, ranges);

    CTextWidget tip;
    tip.SetShape(MakeBalloonPath(2));
    tip.resize(400, 300);
    tip.SetText({ source });

    QCOMPARE(tip.LayoutCount(), 1);
    const QTextLayout *layout = tip.Layout(0);
    QCOMPARE(layout->text(), plain);
    const QList<QTextLayout::FormatRange> formats = layout->formats();
    QCOMPARE(formats.size(), ranges.size());
    for (qsizetype index = 0; index < ranges.size(); ++index) {
        const QStringList expected = ranges.at(index).split(u',');
        QCOMPARE(formats.at(index).start, expected.at(0).toInt());
        QCOMPARE(formats.at(index).length, expected.at(1).toInt());
        QVERIFY2(
            IsNamedFormat(formats.at(index).format, expected.at(2)), qPrintable(ranges.at(index)));
    }
}

void TestSmallWidgets::lineThatDoesNotFitMovesDown()
{
    CTextWidget tip;
    tip.SetShape(ChimneyShape());
    tip.resize(200, 200);
    tip.SetText({ QStringLiteral("Short tip") });

    QCOMPARE(tip.LayoutCount(), 1);
    const QTextLayout *layout = tip.Layout(0);
    QCOMPARE(layout->lineCount(), 1);
    const QTextLine line = layout->lineAt(0);
    QCOMPARE(line.textLength(), 9);
    QVERIFY2(line.y() >= 40, qPrintable(QString::number(line.y())));
    QCOMPARE(line.x(), 12.0); // the room's left wall plus the margin
}

void TestSmallWidgets::textBelowTheBottomIsCutAndLaterParagraphsDropped()
{
    const QString sentence = QStringLiteral(
        "Add a graphic filter that will be applied on all the photos added in Step 1, then "
        "look at the preview to see what it does to the current photo before going on.");
    const QPainterPath shape = MakeBalloonPath(2);
    CTextWidget tip;
    tip.SetShape(shape);
    QCOMPARE(tip.sizeHint(), QSize(165, 95)); // the design box
    tip.resize(tip.sizeHint());
    tip.SetText({ sentence, QStringLiteral("Second"), QStringLiteral("Third") });

    QCOMPARE(tip.LayoutCount(), 1);
    const QTextLayout *layout = tip.Layout(0);
    QVERIFY(layout->lineCount() >= 2);
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    QCOMPARE(last.position(), QPointF(165, 95));

    const qreal lineHeight = QFontMetricsF(layout->font()).height();
    int shown = 0;
    for (int index = 0; index + 1 < layout->lineCount(); ++index) {
        const QTextLine line = layout->lineAt(index);
        QVERIFY(InsideWidget(line, tip));
        QCOMPARE(line.textStart(), shown); // lines follow one another from the start
        shown += line.textLength();
        QVERIFY2(line.y() + line.height() <= 95 - 12, qPrintable(QString::number(line.y())));
        const QRectF text(line.x(), line.y(), line.naturalTextWidth(), lineHeight);
        for (const QPointF &corner :
            { text.topLeft(), text.topRight(), text.bottomLeft(), text.bottomRight() })
            QVERIFY2(shape.contains(corner), qPrintable(QStringLiteral("line %1").arg(index)));
    }
    QVERIFY(shown > 0);
    QVERIFY(shown < sentence.size());
}

void TestSmallWidgets::withoutShapeNothingIsLaidOutOrDrawn_data()
{
    QTest::addColumn<bool>("setEmptyShape");

    QTest::newRow("before any shape") << false;
    QTest::newRow("empty shape") << true;
}

void TestSmallWidgets::withoutShapeNothingIsLaidOutOrDrawn()
{
    QFETCH(bool, setEmptyShape);

    CTextWidget tip;
    QCOMPARE(tip.sizeHint(), QSize(100, 100));
    if (setEmptyShape)
        tip.SetShape(MakeBalloonPath(7)); // must not hang
    tip.SetText({ QStringLiteral("First"), QStringLiteral("Second") });
    tip.resize(120, 90);

    for (int index = 0; index < tip.LayoutCount(); ++index) {
        const QTextLayout *layout = tip.Layout(index);
        for (int line = 0; line < layout->lineCount(); ++line)
            QVERIFY(!InsideWidget(layout->lineAt(line), tip));
    }
    const QImage image = Render(tip);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
}

void TestSmallWidgets::balloonIsPaintedInsideItsOutlineOnly()
{
    CTextWidget tip;
    tip.SetShape(MakeBalloonPath(2));
    tip.resize(330, 190); // twice the design box
    tip.SetText({ QStringLiteral("Tip") });
    const QImage image = Render(tip);

    const QColor inside = image.pixelColor(280, 160);
    QVERIFY2(qAbs(inside.red() - 38) <= 2 && qAbs(inside.green() - 163) <= 2
            && qAbs(inside.blue() - 226) <= 2 && qAbs(inside.alpha() - 210) <= 2,
        qPrintable(inside.name(QColor::HexArgb)));
    for (const QPoint &outside : { QPoint(200, 10), QPoint(326, 100), QPoint(3, 180) })
        QCOMPARE(image.pixelColor(outside).alpha(), 0);

    // The text is white on the balloon.
    const QTextLine line = tip.Layout(0)->lineAt(0);
    const QRect text = QRectF(line.x(), line.y(), line.naturalTextWidth(), line.height())
                           .toAlignedRect()
                           .intersected(image.rect());
    QVERIFY(!text.isEmpty());
    bool white = false;
    for (int y = text.top(); y <= text.bottom() && !white; ++y)
        for (int x = text.left(); x <= text.right() && !white; ++x)
            white = image.pixelColor(x, y).red() > 200;
    QVERIFY(white);
}

void TestSmallWidgets::labelReportsEachPress()
{
    CClickableLabel label;
    label.setText(QStringLiteral("<a href='#'>Fix Date/Time</a>"));
    label.resize(label.sizeHint());
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &CClickableLabel::clicked);

    const QPoint onText = label.rect().center();
    QTest::mousePress(&label, Qt::LeftButton, {}, onText);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, onText);
    QTest::mouseClick(&label, Qt::LeftButton, {}, onText);
    QCOMPARE(clicks.count(), 2);
}

void TestSmallWidgets::clicksOpenAndCloseTheSectionWithAnimation()
{
    const int openHeight = 80;
    CAnimationDeletions deletions;
    QWidget page; // a settings page in small: a caption over the section
    auto *layout = new QVBoxLayout(&page);
    // The animation must not resize the window (the offscreen platform warns about it).
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto *label = new CClickableLabel(&page);
    label->setText(QStringLiteral("Fix Date/Time"));
    auto *body = new QWidget(&page);
    body->setMaximumHeight(openHeight);
    layout->addWidget(label);
    layout->addWidget(body);
    layout->addStretch();
    page.resize(300, 200);
    CExpandableWidget expandable;
    expandable.Initialize(label, body, false);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(body->isHidden());
    QCOMPARE(body->minimumHeight(), 0); // hidden at once, without an animation
    QCOMPARE(label->text(), QStringLiteral("<a href='#'>Fix Date/Time</a>"));

    const QPoint onCaption(5, label->height() / 2);
    QElapsedTimer clock;
    QTest::mouseClick(label, Qt::LeftButton, {}, onCaption);
    clock.start();
    QVERIFY(body->isVisible());
    QCOMPARE(body->minimumHeight(), 2);
    int height = 2;
    while (height < openHeight && clock.elapsed() < EventTimeoutMs) {
        QTest::qWait(10);
        const int now = body->minimumHeight();
        QVERIFY2(now >= height, qPrintable(QStringLiteral("%1 after %2").arg(now).arg(height)));
        height = now;
    }
    QCOMPARE(height, openHeight);
    // Opened by an animation, not at once.
    QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE(deletions.Count, 1);

    QTest::mouseClick(label, Qt::LeftButton, {}, onCaption);
    QVERIFY(body->isVisible()); // hidden only when the animation ends
    QTRY_VERIFY(body->isHidden());
    QCOMPARE(body->minimumHeight(), 2);
    QTRY_COMPARE(deletions.Count, 2);
}

QUENDRASIL_TEST_MAIN(TestSmallWidgets, QApplication)
#include "tst_smallwidgets.moc"

void TestSmallWidgets::readableStyleShowsStates_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("dark") << QColor(60, 60, 60) << QColor(30, 30, 30) << QColor(Qt::white);
    QTest::newRow("light") << QColor(240, 240, 240) << QColor(Qt::white) << QColor(Qt::black);
}

// Both programs set every colour group alike; disabled text and fills and indicator outlines
// are what the style and palette helpers change.
void TestSmallWidgets::readableStyleShowsStates()
{
    QFETCH(QColor, window);
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QPalette palette;
    for (const auto role : { QPalette::Window, QPalette::Button })
        palette.setColor(role, window);
    palette.setColor(QPalette::Base, base);
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, text);
    palette.setColor(QPalette::Highlight, ThemeAccent);
    DimDisabledGroup(palette);
    const QColor dimmed = palette.color(QPalette::Disabled, QPalette::WindowText);
    QVERIFY(ContrastRatio(dimmed, text) > 1.5);
    QVERIFY(ContrastRatio(dimmed, window) > 1.5);
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText), dimmed);

    std::unique_ptr<QStyle> style(CreateReadableStyle());
    QCheckBox box(QStringLiteral("Multi-page"));
    QRadioButton radio(QStringLiteral("Auto"));
    for (const bool isRadio : { false, true }) {
        QAbstractButton *button = isRadio ? static_cast<QAbstractButton *>(&radio) : &box;
        button->setStyle(style.get());
        button->setPalette(palette);
        const double enabled = IndicatorContrast(button, isRadio);
        QVERIFY2(enabled >= 3.0, qPrintable(QString::number(enabled)));
        button->setEnabled(false);
        QVERIFY(IndicatorContrast(button, isRadio) < enabled);
    }
    QSlider slider(Qt::Horizontal); // the format options' quality where it does not apply
    slider.setStyle(style.get());
    slider.setPalette(palette);
    QVERIFY(DisabledGrooveRecedes(slider));
}
