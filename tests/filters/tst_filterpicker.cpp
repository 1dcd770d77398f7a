#include "TestMain.h"

#include "DialogFilterSelection.h"
#include "FiltersEnum.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "platform/DesktopOpen.h"
#include "platform/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

const QString HelpPage = QStringLiteral("user-interface_select-filter.html");
const char *const CategoryButtons[] = { "buttonAllFilters", "buttonAnnotate", "buttonTransform",
    "buttonTouchup", "buttonEffects", "buttonDecorations" };
constexpr int SheetColumns = 18; // of the supplied icon sheets

template<typename T = QWidget> T *Child(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

CListThumb *List(const QWidget *dialog)
{
    return Child<CListThumb>(dialog, "listFilters");
}

void ClickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QPoint ItemCentre(const QWidget *dialog, const QString &name)
{
    CListThumb *list = List(dialog);
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no item %s", qPrintable(name));
    list->scrollToItem(found.first());
    return list->visualItemRect(found.first()).center();
}

// The catalogue rows of a group (0: all), in catalogue order.
QList<SFilterInfo> CatalogueGroup(int group)
{
    QList<SFilterInfo> rows;
    for (const SFilterInfo &info : CFiltersEnum::instance()->Filters()) {
        if (group == 0 || info.id / 1000 == group)
            rows << info;
    }
    return rows;
}

// Answers the modal windows as a user would: a message box with OK, after noting its text;
// the picker by the planned action, run once it is up.
class CUser : public QObject
{
public:
    QStringList boxesSeen;
    std::function<void(QWidget *picker)> act;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            boxesSeen << box->text();
            QTimer::singleShot(0, box, [box]() { box->button(QMessageBox::Ok)->click(); });
        } else if (auto *picker = qobject_cast<CDialogFilterSelection *>(watched)) {
            QTimer::singleShot(0, picker, [this, picker]() {
                // Keys go where a user's would: to the focus widget of the active window.
                if (!QTest::qWaitForWindowActive(picker))
                    qWarning("the picker did not become the active window");
                if (act)
                    act(picker);
                // A test that failed to end the dialog must not hang.
                if (picker->isVisible())
                    picker->done(-1);
            });
        }
        return false;
    }
};

} // namespace

class TestFilterPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void opensOnAllFilters();
    void categoryListsItsGroup_data();
    void categoryListsItsGroup();
    void choosingEndsWithTheName_data();
    void choosingEndsWithTheName();
    void nothingSelectedWarnsOnceAndStays_data();
    void nothingSelectedWarnsOnceAndStays();
    void cancelGivesNoName_data();
    void cancelGivesNoName();
    void helpKeyOpensThePickerPage();

private:
    CUser user;
    QStringList opened;
};

void TestFilterPicker::initTestCase()
{
    CFiltersEnum::instance()->GenerateList();
    qApp->installEventFilter(&user);
    Platform::SetLocalPathOpener([this](const QString &path) {
        opened << path;
        return true;
    });
    // Help opens only pages that exist: the manual the build writes.
    QVERIFY(QFileInfo(Platform::HelpPagePath(HelpPage)).isFile());
}

void TestFilterPicker::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|No such slot")));
    user.boxesSeen.clear();
    user.act = nullptr;
    opened.clear();
}

void TestFilterPicker::cleanup()
{
    CImageCache::instance()->SetHighDpi(false);
}

void TestFilterPicker::cleanupTestCase()
{
    Platform::SetLocalPathOpener({});
}

void TestFilterPicker::opensOnAllFilters()
{
    CDialogFilterSelection dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Filter"));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.minimumSize(), QSize(585, 475));
    QCOMPARE(dialog.maximumSize(), QSize(585, 475));
    for (const char *name : CategoryButtons)
        QCOMPARE(
            Child<QToolButton>(&dialog, name)->isChecked(), qstrcmp(name, CategoryButtons[0]) == 0);
    QCOMPARE(List(&dialog)->count(), 50);
    QVERIFY(dialog.filterName.isEmpty());

    bool listHasFocus = false;
    user.act = [&](QWidget *picker) {
        listHasFocus = List(picker)->hasFocus();
        picker->close();
    };
    dialog.exec();
    QVERIFY(listHasFocus);
}

void TestFilterPicker::categoryListsItsGroup_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<QPoint>("tile"); // of the button's icon in the category sheet
    QTest::addColumn<bool>("highDpi");
    QTest::newRow("All Filters") << "buttonAllFilters" << 0 << 50 << QPoint(0, 0) << false;
    QTest::newRow("Annotate") << "buttonAnnotate" << 1 << 5 << QPoint(0, 1) << false;
    QTest::newRow("Decorate") << "buttonDecorations" << 2 << 7 << QPoint(2, 5) << false;
    QTest::newRow("Apply Fx") << "buttonEffects" << 3 << 16 << QPoint(10, 4) << false;
    QTest::newRow("Touch-Up") << "buttonTouchup" << 4 << 12 << QPoint(0, 3) << false;
    QTest::newRow("Transform") << "buttonTransform" << 5 << 10 << QPoint(5, 2) << false;
    // The "@2x" sheets on a screen of ratio 1: tiles and icon columns follow the sheet.
    QTest::newRow("Decorate, @2x sheets") << "buttonDecorations" << 2 << 7 << QPoint(2, 5) << true;
}

void TestFilterPicker::categoryListsItsGroup()
{
    QFETCH(QString, button);
    QFETCH(int, group);
    QFETCH(int, count);
    QFETCH(QPoint, tile);
    QFETCH(bool, highDpi);
    CImageCache::instance()->SetHighDpi(highDpi);
    CDialogFilterSelection dialog;
    auto *categoryButton = Child<QToolButton>(&dialog, qPrintable(button));
    // From another category, then the checked button a second time: it stays checked.
    ClickOn(Child<QToolButton>(&dialog, group == 5 ? "buttonAnnotate" : "buttonTransform"));
    ClickOn(categoryButton);
    ClickOn(categoryButton);

    for (const char *name : CategoryButtons)
        QCOMPARE(Child<QToolButton>(&dialog, name)->isChecked(), button == QLatin1String(name));
    const QList<SFilterInfo> expected = CatalogueGroup(group);
    CListThumb *list = List(&dialog);
    QCOMPARE(expected.size(), count);
    QCOMPARE(list->count(), count);
    for (int row = 0; row < count; ++row) {
        const SFilterInfo &info = expected.at(row);
        QListWidgetItem *item = list->item(row);
        QCOMPARE(item->text(), info.name);
        QCOMPARE(item->toolTip(), info.description);
        QCOMPARE(item->sizeHint(), QSize(105, 100));
        // Icon row g of the cut 64-pixel sheet is group g; the column is the order in the group.
        QCOMPARE(list->records->at(list->order->at(row)).iconIndex,
            SheetColumns * (info.id / 1000) + info.order);
    }

    const int scale = highDpi ? 2 : 1;
    const QImage sheet
        = CImageCache::instance()->GetImage(QStringLiteral("Icons-Filters-48.png"), false, true);
    QCOMPARE(sheet.width(), SheetColumns * 48 * scale);
    const QImage expectedIcon
        = sheet.copy(tile.x() * 48 * scale, tile.y() * 48 * scale, 48 * scale, 48 * scale)
              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!expectedIcon.isNull());
    const QImage shown = categoryButton->icon()
                             .pixmap(QSize(48, 48), qreal(scale))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(categoryButton->iconSize(), QSize(48, 48));
    QCOMPARE(shown, expectedIcon);
}

void TestFilterPicker::choosingEndsWithTheName_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("way");
    QTest::newRow("double click") << "buttonAllFilters"
                                  << "Comment"
                                  << "double click";
    QTest::newRow("double click after a category") << "buttonEffects"
                                                   << "Wave"
                                                   << "double click";
    QTest::newRow("OK") << "buttonDecorations"
                        << "Simple Border"
                        << "OK";
    QTest::newRow("Enter") << "buttonTouchup"
                           << "Hue/Saturation"
                           << "Enter";
}

void TestFilterPicker::choosingEndsWithTheName()
{
    QFETCH(QString, category);
    QFETCH(QString, filter);
    QFETCH(QString, way);
    CDialogFilterSelection dialog;
    user.act = [&](QWidget *picker) {
        ClickOn(Child(picker, qPrintable(category)));
        QWidget *viewport = List(picker)->viewport();
        const QPoint at = ItemCentre(picker, filter);
        if (way == QLatin1String("double click")) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
            return;
        }
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        if (way == QLatin1String("OK"))
            ClickOn(Child(picker, "Ok"));
        else
            QTest::keyClick(List(picker), Qt::Key_Return);
    };
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.filterName, filter);
    QVERIFY(user.boxesSeen.isEmpty());
}

void TestFilterPicker::nothingSelectedWarnsOnceAndStays_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Enter in the list") << "Enter";
    QTest::newRow("selection lost to a category switch") << "switch";
}

void TestFilterPicker::nothingSelectedWarnsOnceAndStays()
{
    QFETCH(QString, way);
    CDialogFilterSelection dialog;
    bool stillOpen = false;
    user.act = [&](QWidget *picker) {
        if (way == QLatin1String("Enter")) {
            QTest::keyClick(List(picker), Qt::Key_Return);
        } else {
            if (way == QLatin1String("switch")) {
                QTest::mouseClick(List(picker)->viewport(), Qt::LeftButton, {},
                    ItemCentre(picker, QStringLiteral("Crop")));
                ClickOn(Child(picker, "buttonAnnotate"));
            }
            ClickOn(Child(picker, "Ok"));
        }
        stillOpen = picker->isVisible();
        ClickOn(Child(picker, "Cancel"));
    };
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(stillOpen);
    QCOMPARE(user.boxesSeen, QStringList { QStringLiteral("No filter selected") });
    QVERIFY(dialog.filterName.isEmpty());
}

void TestFilterPicker::cancelGivesNoName_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TestFilterPicker::cancelGivesNoName()
{
    QFETCH(bool, byEscape);
    CDialogFilterSelection dialog;
    user.act = [&](QWidget *picker) {
        QTest::mouseClick(List(picker)->viewport(), Qt::LeftButton, {},
            ItemCentre(picker, QStringLiteral("Resize")));
        if (byEscape)
            QTest::keyClick(List(picker), Qt::Key_Escape);
        else
            ClickOn(Child(picker, "Cancel"));
    };
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(dialog.filterName.isEmpty());
}

void TestFilterPicker::helpKeyOpensThePickerPage()
{
    CDialogFilterSelection dialog;
    bool stillOpen = false;
    user.act = [&](QWidget *picker) {
        QTest::keyClick(List(picker), Qt::Key_F1);
        stillOpen = picker->isVisible();
        ClickOn(Child(picker, "Cancel"));
    };
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(stillOpen);
    QCOMPARE(opened, QStringList { Platform::HelpPagePath(HelpPage) });
}

QUENDRASIL_TEST_MAIN(TestFilterPicker, QApplication)

#include "tst_filterpicker.moc"
