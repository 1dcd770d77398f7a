#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "../engine/TestPhotos.h"

#include "ListThumb.h"
#include "ListThumbDetails.h"
#include "ListThumbThread.h"
#include "Settings.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

const QString HeaderStateKey = QStringLiteral("Settings/ListThumbDetails.HorizontalHeader.State");

// The table sharing the icon list's records, as the Step 1 panel sets it up.
void Share(CListThumbDetails &table, CListThumb &list)
{
    table.records = list.records;
    table.order = list.order;
    table.icons = list.icons;
    table.mutex = list.mutex;
    table.thread = list.thread;
}

// Records with the given texts in one column (details already read), rows in record order.
void SetRecords(CListThumb &list, int column, const QStringList &texts)
{
    QMutexLocker locker(list.mutex);
    list.records->clear();
    list.order->clear();
    for (const QString &text : texts) {
        SThumbRecord record;
        record.detailsRead = true;
        record.done = true;
        record.*CListThumbDetails::ColumnField(column) = text;
        list.order->append(int(list.records->size()));
        list.records->append(record);
    }
}

QList<int> Order(CListThumb &list)
{
    QMutexLocker locker(list.mutex);
    return *list.order;
}

void ClickHeader(CListThumbDetails &table, int column)
{
    QHeaderView *header = table.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

QPoint RowCentre(CListThumbDetails &table, int row)
{
    return table.visualRect(table.model()->index(row, 0)).center();
}

// Drop events go straight to the handler: offscreen there is no drag session to deliver them.
struct SDropTable : CListThumbDetails
{
    void Drop(const QPoint &at, QMimeData &data, Qt::DropAction action)
    {
        QDropEvent event(QPointF(at), action, &data, Qt::LeftButton, Qt::NoModifier);
        dropEvent(&event);
        QVERIFY(event.isAccepted());
        // A move reported back to the drag would make the view remove the dragged rows.
        QVERIFY(event.dropAction() != Qt::MoveAction || !data.hasUrls());
    }
};

int CellCount(const CListThumbDetails &table)
{
    int cells = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            cells += table.item(row, column) != nullptr;
    }
    return cells;
}

// Answers the header menu: records its entries and clicks the one named, as a user would.
class CMenuAnswer : public QObject
{
public:
    QString choose;
    QStringList entries;
    QList<bool> checked;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *menu = qobject_cast<QMenu *>(watched);
        if (!menu || event->type() != QEvent::Show)
            return false;
        entries.clear();
        checked.clear();
        QAction *target = nullptr;
        for (QAction *action : menu->actions()) {
            entries << action->text();
            checked << action->isChecked();
            if (action->text() == choose)
                target = action;
        }
        QTimer::singleShot(0, menu, [menu, target]() {
            if (target)
                QTest::mouseClick(
                    menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(target).center());
            else
                menu->close();
        });
        return false;
    }
};

} // namespace

class TestListThumbDetails : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void init()
    {
        // Each table writes its header state when it goes: start every test from none.
        WriteSettingBytes(HeaderStateKey, QByteArray());
    }

    void sortKeys_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("secondSortsFirst"); // ascending

        using D = CListThumbDetails;
        QTest::newRow("name ignores case") << int(D::ColumnName) << "a"
                                           << "B" << false;
        QTest::newRow("name 10 before 9, as text") << int(D::ColumnName) << "9"
                                                   << "10" << true;
        QTest::newRow("type ignores case") << int(D::ColumnType) << "jpg"
                                           << "PNG" << false;
        QTest::newRow("date") << int(D::ColumnDateTaken) << "2021-07-04 18:30"
                              << "2020-12-31 23:59" << true;
        QTest::newRow("dimensions by pixel count") << int(D::ColumnDimensions) << "900 x 10"
                                                   << "100 x 100" << false;
        QTest::newRow("dimensions beyond 32 bits") << int(D::ColumnDimensions) << "50000 x 50000"
                                                   << "4000 x 3000" << true;
        QTest::newRow("dimensions not parsed count 0") << int(D::ColumnDimensions) << "N/A"
                                                       << "1 x 1" << false;
        QTest::newRow("size 900 KB below 1.5 MB") << int(D::ColumnSize) << "1.50 MB"
                                                  << "900.00 KB" << true;
        QTest::newRow("size by value, not text") << int(D::ColumnSize) << "2.00 KB"
                                                 << "1.00 MB" << false;
        QTest::newRow("size N/A counts 0") << int(D::ColumnSize) << "N/A"
                                           << "0.50 KB" << false;
        QTest::newRow("location ignores case") << int(D::ColumnLocation) << "/photos/a"
                                               << "/Photos/B" << false;
        QTest::newRow("camera ignores case") << int(D::ColumnCamera) << "canon"
                                             << "Nikon" << false;
        QTest::newRow("f-stop by value") << int(D::ColumnFStop) << "f/11"
                                         << "f/2.8" << true;
        QTest::newRow("exposure by denominator") << int(D::ColumnExposure) << "1/125 sec"
                                                 << "1/60 sec" << true;
        QTest::newRow("iso by value") << int(D::ColumnIso) << "ISO-1600"
                                      << "ISO-200" << true;
        QTest::newRow("dpi by product") << int(D::ColumnDpi) << "300 x 300"
                                        << "72 x 72" << true;
        QTest::newRow("colour keeps case") << int(D::ColumnColor) << "sRGB"
                                           << "Uncalibrated" << true;
        QTest::newRow("altitude by value") << int(D::ColumnAltitude) << "120.0 m"
                                           << "95.5 m" << true;
        QTest::newRow("altitude below sea level") << int(D::ColumnAltitude) << "-12.5 m"
                                                  << "3.0 m" << false;
    }

    // A click on a header sorts by that column's key; a second click reverses.
    void sortKeys()
    {
        QFETCH(int, column);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, secondSortsFirst);

        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        CListThumbDetails table;
        Share(table, list);
        SetRecords(list, column, { first, second });
        table.RefreshAllRows();
        table.showColumn(column);
        table.resize(1900, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy sorted(&table, &CListThumbDetails::SignalSort);

        const QList<int> ascending = secondSortsFirst ? QList<int> { 1, 0 } : QList<int> { 0, 1 };
        const QList<int> descending { ascending[1], ascending[0] };
        ClickHeader(table, column);
        QCOMPARE(table.horizontalHeader()->sortIndicatorSection(), column);
        const bool up = table.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
        QCOMPARE(sorted.count(), 1);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>(), up ? ascending : descending);
        QCOMPARE(Order(list), up ? ascending : descending);

        ClickHeader(table, column);
        QVERIFY((table.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder) != up);
        QCOMPARE(sorted.count(), 2);
        QCOMPARE(sorted.at(1).at(0).value<QList<int>>(), QList<int>({ 1, 0 }));
        QCOMPARE(Order(list), up ? descending : ascending);
    }

    void sortingAnEmptyTableStillReports()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        CListThumbDetails table;
        Share(table, list);
        table.RefreshAllRows();
        table.resize(900, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy sorted(&table, &CListThumbDetails::SignalSort);
        ClickHeader(table, CListThumbDetails::ColumnName);
        ClickHeader(table, CListThumbDetails::ColumnDimensions);
        QCOMPARE(sorted.count(), 2);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>(), QList<int>());
        QCOMPARE(sorted.at(1).at(0).value<QList<int>>(), QList<int>());
    }

    // Sorting by a photo detail before the loader has read them all waits for them, with the
    // window answering meanwhile, and sorts by the real values.
    void sortWaitsForBackgroundDetails()
    {
        QVERIFY(dir.isValid());
        const QList<QSize> sizes { { 64, 48 }, { 16, 16 }, { 200, 10 }, { 30, 90 }, { 48, 64 } };
        QStringList originals;
        for (const QSize &size : sizes) {
            const QString path = dir.filePath(
                QStringLiteral("size%1x%2.jpg").arg(size.width()).arg(size.height()));
            TestPhotos::WriteJpegWithExif(
                path, TestPhotos::CameraFacts(), size_t(size.width()), size_t(size.height()));
            originals << path;
        }
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, false);
        list.SetLoader(new CListThumbThread);
        for (int i = 0; i < 150; ++i) {
            const QString path = dir.filePath(QStringLiteral("wait%1.jpg").arg(i));
            QFile::remove(path);
            QVERIFY(QFile::copy(originals[i % originals.size()], path));
            list.AddItem(QString(), QString(), path, false, 0, true);
        }
        CListThumbDetails table;
        Share(table, list);
        table.RefreshAllRows();
        table.resize(900, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy sorted(&table, &CListThumbDetails::SignalSort);

        list.InitThread(); // the loader starts reading details now
        {
            QMutexLocker locker(list.mutex);
            QVERIFY(!list.records->last().detailsRead);
        }
        bool answered = false;
        bool waitCursor = false;
        QTimer::singleShot(0, this, [&]() {
            answered = true;
            waitCursor = QApplication::overrideCursor()
                && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
        ClickHeader(table, CListThumbDetails::ColumnDimensions);
        QVERIFY(answered); // events ran while the click waited
        QVERIFY(waitCursor);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(sorted.count(), 1);

        const bool up = table.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
        QMutexLocker locker(list.mutex);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>().size(), 150);
        qint64 previous = up ? 0 : std::numeric_limits<qint64>::max();
        for (int row = 0; row < list.order->size(); ++row) {
            const SThumbRecord &record = list.records->at(list.order->at(row));
            QVERIFY(record.detailsRead);
            const qint64 key
                = CListThumbDetails::SortKey(record, CListThumbDetails::ColumnDimensions).integer;
            QVERIFY(key > 0);
            QVERIFY2(up ? key >= previous : key <= previous, qPrintable(record.dimensions));
            previous = key;
        }
    }

    void filesDroppedFromOutside()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        SDropTable table;
        Share(table, list);
        table.resize(600, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy files(&table, &CListThumbDetails::SignalDragDropFiles);
        QSignalSpy moves(&table, &CListThumbDetails::SignalDragDropPanel1);

        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(QStringLiteral("/p/b.jpg")),
            QUrl(QStringLiteral("https://example.com/c.jpg")),
            QUrl::fromLocalFile(QStringLiteral("/p/a.jpg")),
            QUrl::fromLocalFile(QStringLiteral("/p/C.jpg")) });
        table.Drop(QPoint(20, 20), data, Qt::CopyAction);
        QCOMPARE(files.count(), 1);
        QCOMPARE(
            files.at(0).at(0).toStringList(), QStringList({ "/p/C.jpg", "/p/a.jpg", "/p/b.jpg" }));
        QCOMPARE(moves.count(), 0);
    }

    void rowsDropped_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("onto"); // -1: below the last row
        QTest::addColumn<ListDragDrop>("moves");
        QTest::addColumn<QList<int>>("order");

        QTest::newRow("two rows onto the first")
            << QList<int> { 1, 3 } << 0 << ListDragDrop { { 1, 0 }, { 3, 1 } }
            << QList<int> { 1, 3, 0, 2, 4 };
        QTest::newRow("below the last row")
            << QList<int> { 0, 1 } << -1 << ListDragDrop { { 0, 5 }, { 0, 5 } }
            << QList<int> { 2, 3, 4, 0, 1 };
        QTest::newRow("around the target")
            << QList<int> { 0, 4 } << 2 << ListDragDrop { { 0, 2 }, { 4, 2 } }
            << QList<int> { 1, 0, 4, 2, 3 };
        QTest::newRow("nothing selected")
            << QList<int>() << 2 << ListDragDrop() << QList<int> { 0, 1, 2, 3, 4 };
    }

    // Rows dragged inside the table end as one block, in their old order, where dropped.
    void rowsDropped()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, onto);
        QFETCH(ListDragDrop, moves);
        QFETCH(QList<int>, order);

        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        SDropTable table;
        Share(table, list);
        SetRecords(list, CListThumbDetails::ColumnName, { "a", "b", "c", "d", "e" });
        table.RefreshAllRows();
        table.resize(600, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        for (int row : std::as_const(selected))
            QTest::mouseClick(
                table.viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(table, row));
        QCOMPARE(table.SelectedRows(), selected);
        QSignalSpy dropped(&table, &CListThumbDetails::SignalDragDropPanel1);

        const QPoint at
            = onto >= 0 ? RowCentre(table, onto) : QPoint(20, table.viewport()->height() - 5);
        QMimeData data;
        data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), "x");
        table.Drop(at, data, Qt::MoveAction);
        QCOMPARE(dropped.count(), moves.isEmpty() ? 0 : 1);
        if (!moves.isEmpty())
            QCOMPARE(dropped.at(0).at(0).value<ListDragDrop>(), moves);
        QCOMPARE(Order(list), order);
        QCOMPARE(table.rowCount(), 5); // the host rebuilds the rows
    }

    void headerMenuKeepsOneColumn()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        CListThumbDetails table;
        Share(table, list);
        table.resize(600, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        for (int column = 1; column < CListThumbDetails::ColumnCount; ++column)
            table.hideColumn(column);
        CMenuAnswer answer;
        qApp->installEventFilter(&answer);
        QHeaderView *header = table.horizontalHeader();
        const auto openMenu = [&](const QString &entry) {
            answer.choose = entry;
            // What a right-click on the header delivers.
            const QPoint at(header->sectionViewportPosition(0) + 10, header->height() / 2);
            QContextMenuEvent click(
                QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
            QApplication::sendEvent(header->viewport(), &click);
        };

        openMenu(QStringLiteral("Name"));
        QCOMPARE(answer.entries.size(), 14);
        QCOMPARE(answer.entries.first(), QStringLiteral("Name"));
        QCOMPARE(answer.entries.last(), QStringLiteral("Altitude"));
        QCOMPARE(answer.checked.count(true), 1);
        QVERIFY(!table.isColumnHidden(CListThumbDetails::ColumnName)); // the only one stays

        openMenu(QStringLiteral("Altitude"));
        QVERIFY(!table.isColumnHidden(CListThumbDetails::ColumnAltitude));
        openMenu(QStringLiteral("Name"));
        QVERIFY(table.isColumnHidden(CListThumbDetails::ColumnName));
        QVERIFY(!table.isColumnHidden(CListThumbDetails::ColumnAltitude));
        qApp->removeEventFilter(&answer);
    }

    void homeAndEndSelect()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        CListThumbDetails table;
        Share(table, list);
        table.resize(600, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_End);
        QTest::keyClick(&table, Qt::Key_Home);
        QVERIFY(table.SelectedRows().isEmpty());

        SetRecords(list, CListThumbDetails::ColumnName, { "a", "b", "c", "d" });
        table.RefreshAllRows();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(table, 1));
        QTest::keyClick(&table, Qt::Key_End);
        QCOMPARE(table.SelectedRows(), QList<int>({ 3 }));
        QCOMPARE(table.currentRow(), 3);
        QTest::keyClick(&table, Qt::Key_Home);
        QCOMPARE(table.SelectedRows(), QList<int>({ 0 }));
        QCOMPARE(table.currentRow(), 0);
    }

    void headerStateKeptBetweenRuns()
    {
        QHeaderView *header = nullptr;
        {
            CListThumbDetails first;
            header = first.horizontalHeader();
            const int widths[] = { 150, 60, 100, 80, 70, 230, 120 };
            for (int column = 0; column < CListThumbDetails::ColumnCount; ++column) {
                QCOMPARE(first.isColumnHidden(column), column >= 7);
                if (column < 7)
                    QCOMPARE(header->sectionSize(column), widths[column]);
            }
            QCOMPARE(header->sortIndicatorSection(), -1);
            header->resizeSection(CListThumbDetails::ColumnName, 210);
            header->moveSection(header->visualIndex(CListThumbDetails::ColumnLocation), 0);
            first.hideColumn(CListThumbDetails::ColumnType);
            first.showColumn(CListThumbDetails::ColumnIso);
            header->setSortIndicator(CListThumbDetails::ColumnSize, Qt::DescendingOrder);
        }
        {
            CListThumbDetails second;
            header = second.horizontalHeader();
            QCOMPARE(header->sectionSize(CListThumbDetails::ColumnName), 210);
            QCOMPARE(header->visualIndex(CListThumbDetails::ColumnLocation), 0);
            QVERIFY(second.isColumnHidden(CListThumbDetails::ColumnType));
            QVERIFY(!second.isColumnHidden(CListThumbDetails::ColumnIso));
            QCOMPARE(header->sortIndicatorSection(), -1); // a new run starts unsorted
            QVERIFY(header->sectionsMovable());
            // Every column hidden (an edited settings file): nothing to click to get them back.
            for (int column = 0; column < CListThumbDetails::ColumnCount; ++column)
                second.hideColumn(column);
        }
        for (const QByteArray &bad : { QByteArray(), QByteArray("not a header") }) {
            if (!bad.isNull())
                WriteSettingBytes(HeaderStateKey, bad);
            CListThumbDetails third;
            header = third.horizontalHeader();
            QCOMPARE(header->hiddenSectionCount(), 7);
            QCOMPARE(header->visualIndex(CListThumbDetails::ColumnLocation), 5);
            QCOMPARE(header->sectionSize(CListThumbDetails::ColumnName), 150);
        }
    }

    // Ten thousand photos: only the rows in view get cells, yet every row can be selected.
    void manyRowsMakeCellsOnlyInView()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        QStringList names;
        for (int i = 0; i < 10000; ++i)
            names << QStringLiteral("photo%1").arg(i, 5, 10, QLatin1Char('0'));
        SetRecords(list, CListThumbDetails::ColumnName, names);
        CListThumbDetails table;
        Share(table, list);
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.RefreshAllRows();
        table.SetDetailsMode();
        QCOMPARE(table.rowCount(), 10000);
        QVERIFY(CellCount(table) > 0);
        QVERIFY(CellCount(table) < 2000);
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("photo00000"));
        QVERIFY(!table.item(9999, 0));

        table.setFocus();
        QTest::keyClick(&table, Qt::Key_End);
        QCOMPARE(table.SelectedRows(), QList<int>({ 9999 }));
        QVERIFY(table.item(9999, 0)); // scrolled into view, filled
        QCOMPARE(table.item(9999, 0)->text(), QStringLiteral("photo09999"));
        QVERIFY(!table.item(5000, 0));

        QTest::keyClick(&table, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(table.SelectedRows().size(), 10000);
        QTest::keyClick(&table, Qt::Key_Home);
        QCOMPARE(table.SelectedRows(), QList<int>({ 0 }));
        // As the host restores a selection after a rebuild.
        table.selectionModel()->select(
            QItemSelection(table.model()->index(4000, 0), table.model()->index(4999, 0)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QList<int> block = table.SelectedRows();
        QCOMPARE(block.size(), 1000);
        QCOMPARE(block.first(), 4000);
        QCOMPARE(block.last(), 4999);
        QVERIFY(!table.item(4500, 0));

        QSignalSpy sorted(&table, &CListThumbDetails::SignalSort);
        ClickHeader(table, CListThumbDetails::ColumnName);
        QCOMPARE(sorted.count(), 1);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>().size(), 10000);
        QVERIFY(CellCount(table) < 4000);
    }

    // Hint texts only on an empty table; the corner symbol always.
    void overlays()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        CListThumbDetails table;
        Share(table, list);
        table.resize(500, 400);
        QFont font;
        font.setPixelSize(30);
        table.AddOverlayText(QStringLiteral("Drop photos here"), 40, false, font, Qt::red);
        table.AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, true, 1);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const auto changed = [&table](const QRect &area) {
            const QImage shot = table.viewport()->grab().toImage();
            const QRgb ground = shot.pixel(5, shot.height() / 2);
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += shot.pixel(x, y) != ground;
            return count;
        };
        const QSize size = table.viewport()->size();
        const QRect hint(0, size.height() / 2, size.width(), 60);
        const QRect corner(size.width() - 80, size.height() - 80, 80, 80);
        QVERIFY(changed(hint) > 50);
        QVERIFY(changed(corner) > 50);

        SetRecords(list, CListThumbDetails::ColumnName, { "one" });
        table.RefreshAllRows();
        QCOMPARE(changed(hint), 0);
        QVERIFY(changed(corner) > 50);
    }
};

QUENDRASIL_TEST_MAIN_WITH(TestListThumbDetails, QApplication, InitializeImageEngine)
#include "tst_listthumbdetails.moc"
