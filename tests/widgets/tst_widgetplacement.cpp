#include "TestMain.h"
#include "WidgetPlacement.h"

#include <QApplication>
#include <QWidget>

class TestWidgetPlacement : public QObject
{
    Q_OBJECT

private slots:
    void centredPosition_data();
    void centredPosition();
    void centreWidgetOnWidget();
};

void TestWidgetPlacement::centredPosition_data()
{
    QTest::addColumn<QRect>("reference");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("position");
    const QRect screen(0, 0, 1280, 800);
    QTest::newRow("centred") << QRect(100, 100, 800, 600) << QSize(200, 101) << screen
                             << QPoint(400, 349);
    QTest::newRow("left edge") << QRect(-500, 100, 100, 100) << QSize(300, 100) << screen
                               << QPoint(0, 100);
    QTest::newRow("right edge") << QRect(1200, 100, 100, 100) << QSize(300, 100) << screen
                                << QPoint(980, 100);
    QTest::newRow("bottom edge") << QRect(0, 750, 100, 100) << QSize(100, 200) << screen
                                 << QPoint(0, 600);
    QTest::newRow("larger than screen keeps top left") << QRect(0, 0, 1280, 800)
                                                       << QSize(2000, 1000) << screen
                                                       << QPoint(0, 0);
    QTest::newRow("offset screen") << QRect(0, 0, 100, 100) << QSize(100, 100)
                                   << QRect(1280, 0, 1024, 768) << QPoint(1280, 0);
    QTest::newRow("no screen, no clamp") << QRect(-500, -500, 100, 100) << QSize(50, 50)
                                         << QRect() << QPoint(-475, -475);
}

void TestWidgetPlacement::centredPosition()
{
    QFETCH(QRect, reference);
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, position);
    QCOMPARE(CenteredPosition(reference, frame, available), position);
}

void TestWidgetPlacement::centreWidgetOnWidget()
{
    QWidget reference;
    reference.setGeometry(100, 100, 600, 400);
    QWidget child;
    child.resize(200, 100);
    CenterWidgetOnWidget(&reference, &child);
    const QRect frame = child.frameGeometry();
    const QRect ref = reference.frameGeometry();
    QCOMPARE(frame.x(), ref.x() + (ref.width() - frame.width()) / 2);
    QCOMPARE(frame.y(), ref.y() + (ref.height() - frame.height()) / 2);
    CenterWidgetOnWidget(nullptr, &child); // no reference: nothing happens
}

QUENDRASIL_TEST_MAIN(TestWidgetPlacement, QApplication)
#include "tst_widgetplacement.moc"
