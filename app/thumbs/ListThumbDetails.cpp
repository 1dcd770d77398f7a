#include "ListThumbDetails.h"

#include "ImageCache.h"
#include "ListThumbLoader.h"
#include "Settings.h"
#include "ThemeNotifier.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSignalMapper>
#include <QUrl>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

const QString HeaderStateKey = QStringLiteral("Settings/ListThumbDetails.HorizontalHeader.State");
const QString PlaceholderName = QStringLiteral("Thumb-Placeholder.png");

constexpr int DefaultWidths[CListThumbDetails::ColumnCount]
    = { 150, 60, 100, 80, 70, 230, 120, 60, 70, 60, 60, 80, 130, 60 };
constexpr int FirstHiddenColumn = CListThumbDetails::ColumnFStop;
constexpr int RowHeight = 25;

int WholeRatio(const QWidget *widget)
{
    return qMax(1, int(widget->devicePixelRatioF()));
}

// "4000 x 3000" -> 12000000; a side that does not parse counts 0.
qint64 ProductKey(const QString &text)
{
    const int x = int(text.lastIndexOf(QLatin1Char('x')));
    if (x < 0)
        return 0;
    const qint64 width = text.left(x).trimmed().toLongLong();
    const qint64 height = text.mid(x + 1).trimmed().toLongLong();
    qint64 product = 0;
    if (qMulOverflow(width, height, &product))
        return (width < 0) != (height < 0) ? std::numeric_limits<qint64>::min()
                                           : std::numeric_limits<qint64>::max();
    return product;
}

double NumberKey(const QString &text)
{
    const double value = text.trimmed().toDouble();
    // A NaN would break the ordering the sort relies on.
    return std::isfinite(value) ? value : 0.0;
}

bool KeyLess(const CListThumbDetails::SSortKey &a, const CListThumbDetails::SSortKey &b)
{
    using Kind = CListThumbDetails::SSortKey::Kind;
    switch (a.kind) {
    case Kind::Text:
        return a.text < b.text;
    case Kind::Integer:
        return a.integer < b.integer;
    case Kind::Real:
        return a.real < b.real;
    }
    return false;
}

// Restores the wait cursor on every way out of the wait.
struct SWaitCursor
{
    SWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~SWaitCursor() { QApplication::restoreOverrideCursor(); }
    SWaitCursor(const SWaitCursor &) = delete;
    SWaitCursor &operator=(const SWaitCursor &) = delete;
};

} // namespace

CListThumbDetails::CListThumbDetails(QWidget *parent)
    : QTableWidget(parent)
    , imageCache(CImageCache::instance())
{
    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    lastFirstVisible = -1;
    placeholderIcon = QIcon(QPixmap::fromImage(imageCache->GetImage(PlaceholderName, true, true)));

    // Cells are made as rows come into view.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this]() {
        RepaintView();
        FillRowsAround(Fill::Missing);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this]() { RepaintView(); });

    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels({ tr("Name"), tr("Type"), tr("Date Taken"), tr("Dimensions"),
        tr("Size"), tr("Location"), tr("Camera"), tr("F-stop"), tr("Exposure"), tr("ISO"),
        tr("DPI"), tr("Color"), tr("Coordinates"), tr("Altitude") });
    RestoreHeader();

    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(RowHeight);

    QHeaderView *header = horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSectionsMovable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &CListThumbDetails::SortByColumn);
    connect(header, &QHeaderView::customContextMenuRequested, this,
        &CListThumbDetails::HorizontalHeaderRightClick);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::IgnoreAction);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);

    connect(CThemeNotifier::instance(), &CThemeNotifier::ThemeChanged, this,
        &CListThumbDetails::ThemeChanged, Qt::UniqueConnection);
}

CListThumbDetails::~CListThumbDetails()
{
    WriteSettingBytes(HeaderStateKey, horizontalHeader()->saveState());
}

void CListThumbDetails::RestoreHeader()
{
    QHeaderView *header = horizontalHeader();
    const QByteArray state = ReadSettingBytes(HeaderStateKey, QByteArray());
    // A state that hides every column would leave nothing to right-click to get them back.
    if (!state.isEmpty() && header->restoreState(state) && header->count() == ColumnCount
        && header->hiddenSectionCount() < ColumnCount)
        return;
    for (int column = 0; column < ColumnCount; ++column) {
        header->moveSection(header->visualIndex(column), column);
        header->setSectionHidden(column, column >= FirstHiddenColumn);
        header->resizeSection(column, DefaultWidths[column]);
    }
}

QString SThumbRecord::*CListThumbDetails::ColumnField(int column)
{
    static QString SThumbRecord::*const fields[ColumnCount]
        = { &SThumbRecord::baseName, &SThumbRecord::type, &SThumbRecord::dateTaken,
              &SThumbRecord::dimensions, &SThumbRecord::sizeText, &SThumbRecord::folder,
              &SThumbRecord::camera, &SThumbRecord::fNumber, &SThumbRecord::exposure,
              &SThumbRecord::iso, &SThumbRecord::resolution, &SThumbRecord::colorSpace,
              &SThumbRecord::coordinates, &SThumbRecord::altitude };
    return column >= 0 && column < ColumnCount ? fields[column] : nullptr;
}

bool CListThumbDetails::ColumnNeedsDetails(int column)
{
    return column >= 0 && column < ColumnCount && column != ColumnName && column != ColumnType
        && column != ColumnSize && column != ColumnLocation;
}

CListThumbDetails::SSortKey CListThumbDetails::SortKey(const SThumbRecord &record, int column)
{
    SSortKey key;
    const auto field = ColumnField(column);
    if (!field)
        return key;
    const QString &text = record.*field;
    switch (column) {
    case ColumnDimensions:
    case ColumnDpi:
        key.integer = ProductKey(text);
        break;
    case ColumnSize: {
        // Kilobytes: "900.00 KB" -> 900, "1.50 MB" -> 1536, "N/A" -> 0.
        const QString lower = text.toLower();
        key.kind = SSortKey::Kind::Real;
        key.real = NumberKey(lower.left(qMax(0, int(lower.size()) - 3)));
        if (lower.endsWith(QLatin1String("mb")))
            key.real *= 1024.0;
        break;
    }
    case ColumnFStop: // "f/2.8"
        key.kind = SSortKey::Kind::Real;
        key.real = NumberKey(text.mid(2));
        break;
    case ColumnExposure: // "1/125 sec"
        key.kind = SSortKey::Kind::Real;
        key.real = NumberKey(text.mid(2).remove(QStringLiteral(" sec")));
        break;
    case ColumnIso: // "ISO-400"
        key.integer = text.mid(4).trimmed().toLongLong();
        break;
    case ColumnAltitude: // "-12.5 m"
        key.kind = SSortKey::Kind::Real;
        key.real = NumberKey(text.left(qMax(0, int(text.size()) - 2)));
        break;
    case ColumnColor:
        key.kind = SSortKey::Kind::Text;
        key.text = text;
        break;
    default:
        key.kind = SSortKey::Kind::Text;
        key.text = text.toLower();
        break;
    }
    return key;
}

void CListThumbDetails::InitThread()
{
    if (!thread)
        return;
    const auto queued = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
    connect(this, &CListThumbDetails::LoadThumbnails, thread, &CListThumbLoader::LoadThumbnails,
        queued);
    connect(thread, &CListThumbLoader::OnThreadLoadComplete, this,
        &CListThumbDetails::OnThreadLoadComplete, queued);
    connect(&iconTimer, &QTimer::timeout, this, &CListThumbDetails::ThreadLoadIcons,
        Qt::UniqueConnection);
    iconTimer.start(1000);
}

void CListThumbDetails::AddOverlayImage(
    const QString &imageName, bool themed, int x, int y, bool always, int alignment)
{
    overlays.AddImage(imageName, themed, x, y, always, alignment);
    viewport()->update();
}

void CListThumbDetails::AddOverlayText(
    const QString &text, int y, bool always, const QFont &font, const QColor &colour)
{
    overlays.AddText(text, y, always, font, colour);
    viewport()->update();
}

void CListThumbDetails::RefreshAllRows()
{
    if (!mutex)
        return;
    int rows = 0;
    {
        QMutexLocker locker(mutex);
        rows = int(order->size());
    }
    // Rows without cells are filled when they come into view.
    clearContents();
    setRowCount(rows);
    lastFirstVisible = -1;
    FillRowsAround(Fill::Missing);
}

void CListThumbDetails::SetDetailsMode()
{
    setIconSize(QSize(RowHeight, RowHeight));
    UpdateToolTips();
}

void CListThumbDetails::UpdateToolTips()
{
    if (!mutex)
        return;
    QList<QPair<int, QString>> tips;
    {
        QMutexLocker locker(mutex);
        const int rows = qMin(rowCount(), int(order->size()));
        for (int row = 0; row < rows; ++row) {
            const int r = order->at(row);
            if (item(row, 0) && r >= 0 && r < records->size())
                tips.append({ row, records->at(r).toolTip });
        }
    }
    for (const auto &[row, tip] : std::as_const(tips)) {
        for (int column = 0; column < ColumnCount; ++column) {
            if (QTableWidgetItem *cell = item(row, column))
                cell->setToolTip(tip);
        }
    }
}

void CListThumbDetails::ResetVisibleRange()
{
    lastFirstVisible = -1;
}

void CListThumbDetails::SetRowData(int row)
{
    FillRows(row, row, Fill::All);
}

void CListThumbDetails::FillRowsAround(Fill which)
{
    // A hidden table has no rows in view (its showEvent fills them).
    if (!isVisible())
        return;
    int first = -1;
    int last = -1;
    GetVisibleRange(first, last);
    if (first < 0)
        return;
    const int screen = last - first + 1;
    FillRows(qMax(0, first - screen), qMin(rowCount() - 1, last + screen), which);
}

void CListThumbDetails::FillRows(int first, int last, Fill which)
{
    if (!mutex || first > last)
        return;
    struct SRowData
    {
        int row;
        SThumbRecord record;
        QIcon icon;
    };
    QList<SRowData> fills;
    {
        QMutexLocker locker(mutex);
        const int loaded = thread && thread->loadedIcons ? *thread->loadedIcons : 0;
        const int end = qMin(qMin(last, rowCount() - 1), int(order->size()) - 1);
        for (int row = qMax(0, first); row <= end; ++row) {
            const bool hasCells = item(row, 0) != nullptr;
            if ((which == Fill::Missing && hasCells) || (which == Fill::Existing && !hasCells))
                continue;
            const int r = order->at(row);
            if (r < 0 || r >= records->size())
                continue;
            SThumbRecord &record = (*records)[r];
            // A thumbnail the loader left becomes the shared icon here, in the GUI thread.
            if (record.thumbnailPending) {
                if (record.thumbnail && record.iconIndex >= 0 && record.iconIndex < icons->size()) {
                    QPixmap pixmap = QPixmap::fromImage(*record.thumbnail);
                    pixmap.setDevicePixelRatio(WholeRatio(this));
                    (*icons)[record.iconIndex] = QIcon(pixmap);
                }
                record.thumbnail.reset();
                record.thumbnailPending = false;
            }
            const int limit = int(icons->size()) - (record.ownsIcon ? 0 : loaded);
            const bool hasIcon = record.iconIndex >= 0 && record.iconIndex < limit
                && !icons->at(record.iconIndex).isNull();
            fills.append({ row, record, hasIcon ? icons->at(record.iconIndex) : placeholderIcon });
        }
    }
    // The cells are set without the lock: their change signals reach the host's slots.
    for (const SRowData &fill : std::as_const(fills)) {
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem *cell = item(fill.row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
                cell->setTextAlignment(column == ColumnName || column == ColumnLocation
                        ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                        : Qt::Alignment(Qt::AlignCenter));
                setItem(fill.row, column, cell);
            }
            cell->setText(fill.record.*ColumnField(column));
            cell->setToolTip(fill.record.toolTip);
        }
        QTableWidgetItem *first = item(fill.row, ColumnName);
        if (first->icon().cacheKey() != fill.icon.cacheKey())
            first->setIcon(fill.icon);
    }
}

void CListThumbDetails::GetVisibleRange(int &first, int &last) const
{
    first = rowAt(0);
    if (first < 0 || rowCount() == 0) {
        first = -1;
        last = -1;
        return;
    }
    last = rowAt(viewport()->height() - 1);
    if (last < 0)
        last = rowCount() - 1;
}

void CListThumbDetails::ThreadLoadIcons()
{
    if (isHidden() || !mutex)
        return;
    FillRowsAround(Fill::Missing);
    int first = -1;
    int last = -1;
    GetVisibleRange(first, last);
    bool allDone = true;
    {
        QMutexLocker locker(mutex);
        if (first == lastFirstVisible)
            return;
        lastFirstVisible = first;
        if (first < 0 || first >= rowCount() || first >= order->size())
            return;
        allDone = RowsLoaded(*records, *order, first, last);
    }
    if (allDone || !thread) {
        FillRows(first, last, Fill::All);
        return;
    }
    thread->firstRow = first;
    thread->lastRow = last;
    emit LoadThumbnails();
}

void CListThumbDetails::OnThreadLoadComplete(int first, int last)
{
    lastFirstVisible = -1;
    FillRows(first, last, Fill::Existing);
    FillRowsAround(Fill::Missing);
}

bool CListThumbDetails::DetailsMissing() const
{
    if (!thread || !thread->isRunning() || !mutex)
        return false;
    QMutexLocker locker(mutex);
    for (const SThumbRecord &record : std::as_const(*records)) {
        // A record the host marked done is never read by the loader.
        if (!record.detailsRead && !record.done)
            return true;
    }
    return false;
}

bool CListThumbDetails::WaitForDetails()
{
    QPointer<CListThumbDetails> self(this);
    QPointer<CListThumbLoader> loader(thread);
    QEventLoop loop;
    {
        SWaitCursor cursor;
        waitingForDetails = true;
        connect(thread, &CListThumbLoader::DetailsComplete, &loop, &QEventLoop::quit,
            Qt::QueuedConnection);
        connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
        // The loader may have finished just before the wait began: look again now and then.
        QTimer poll;
        connect(&poll, &QTimer::timeout, &loop, [&]() {
            if (!self || !loader || !DetailsMissing())
                loop.quit();
        });
        poll.start(100);
        loop.exec();
    }
    if (!self)
        return false;
    waitingForDetails = false;
    // Without its loader the icon list, and the records with it, are gone.
    return !loader.isNull();
}

void CListThumbDetails::SortByColumn(int column)
{
    if (!mutex)
        return;
    // A click while waiting changes what is sorted once the wait ends.
    if (waitingForDetails) {
        pendingSortColumn = column;
        return;
    }
    if (ColumnNeedsDetails(column) && DetailsMissing()) {
        pendingSortColumn = column;
        if (!WaitForDetails())
            return;
        column = pendingSortColumn;
        pendingSortColumn = -1;
    }
    SortRows(column);
}

void CListThumbDetails::SortRows(int column)
{
    QMutexLocker locker(mutex);
    const bool ascending = horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    const int rows = int(order->size());
    QList<SSortKey> keys(rows);
    for (int row = 0; row < rows; ++row) {
        const int r = order->at(row);
        if (r >= 0 && r < records->size())
            keys[row] = SortKey(records->at(r), column);
    }
    QList<int> sorted(rows);
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(), [&keys, ascending](int a, int b) {
        return ascending ? KeyLess(keys[a], keys[b]) : KeyLess(keys[b], keys[a]);
    });
    QList<int> newOrder;
    newOrder.reserve(rows);
    for (int row : std::as_const(sorted))
        newOrder.append(order->at(row));
    *order = newOrder;
    locker.unlock();
    // Outside the lock: a host connected directly may well take it.
    emit SignalSort(sorted);
}

void CListThumbDetails::MoveItem(int from, int to)
{
    QMutexLocker locker(mutex);
    MoveRow(*order, from, to);
    moves.append(SDragDrop { from, to });
}

QList<int> CListThumbDetails::SelectedRows() const
{
    QList<int> rows;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CListThumbDetails::SelectOnly(int row)
{
    // A shown column, so that the current index can be scrolled to.
    int column = 0;
    QHeaderView *header = horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical)) {
            column = logical;
            break;
        }
    }
    const QModelIndex index = model()->index(row, column);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CListThumbDetails::HorizontalHeaderRightClick(const QPoint &position)
{
    Q_UNUSED(position); // the menu opens at the cursor
    QMenu menu(this);
    QSignalMapper mapper;
    for (int column = 0; column < ColumnCount; ++column) {
        QAction *action = menu.addAction(model()->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!isColumnHidden(column));
        connect(action, &QAction::triggered, &mapper, qOverload<>(&QSignalMapper::map));
        mapper.setMapping(action, column);
    }
    connect(&mapper, &QSignalMapper::mappedInt, this, &CListThumbDetails::HorizontalHeaderClicked);
    menu.exec(QCursor::pos());
}

void CListThumbDetails::HorizontalHeaderClicked(int index)
{
    if (index < 0 || index >= ColumnCount)
        return;
    if (isColumnHidden(index)) {
        showColumn(index);
        return;
    }
    // The last shown column stays.
    if (ColumnCount - horizontalHeader()->hiddenSectionCount() < 2)
        return;
    hideColumn(index);
}

void CListThumbDetails::RepaintView()
{
    viewport()->update();
}

void CListThumbDetails::ThemeChanged(bool darkTheme)
{
    dark = darkTheme;
    overlays.ReloadThemed();
    placeholderIcon = QIcon(QPixmap::fromImage(imageCache->GetImage(PlaceholderName, true, true)));
    viewport()->update();
}

void CListThumbDetails::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit Clicked();
    QTableWidget::mousePressEvent(event);
}

void CListThumbDetails::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        if (rowCount() > 0)
            SelectOnly(event->key() == Qt::Key_Home ? 0 : rowCount() - 1);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CListThumbDetails::paintEvent(QPaintEvent *event)
{
    {
        // The hints are placed on the whole view, above the header's height.
        QPainter painter(viewport());
        CViewOverlays::SArea area;
        area.width = width();
        area.height = height();
        area.shiftUp = horizontalHeader()->height();
        area.rightInset = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
        area.bottomInset
            = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
        overlays.Paint(painter, area, rowCount() > 0);
    }
    QTableWidget::paintEvent(event);
}

void CListThumbDetails::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list"))) {
        event->acceptProposedAction();
        return;
    }
    QTableWidget::dragEnterEvent(event);
}

void CListThumbDetails::dragMoveEvent(QDragMoveEvent *event)
{
    // An internal-move view refuses drags from elsewhere; files may still land here.
    if (event->mimeData()->hasUrls() && event->source() != this) {
        event->acceptProposedAction();
        return;
    }
    QTableWidget::dragMoveEvent(event);
}

void CListThumbDetails::dropEvent(QDropEvent *event)
{
    if (event->mimeData()->hasUrls()) {
        QStringList files;
        const QList<QUrl> urls = event->mimeData()->urls();
        for (const QUrl &url : urls) {
            // A web link has no local path to add.
            if (url.isLocalFile())
                files.append(url.toLocalFile());
        }
        std::sort(files.begin(), files.end());
        if (!files.isEmpty())
            emit SignalDragDropFiles(files);
        event->acceptProposedAction();
        return;
    }

    const QList<int> rows = SelectedRows();
    const int under = rowAt(event->position().toPoint().y());
    const int target = under >= 0 ? under : rowCount();
    moves.clear();
    for (const SDragDrop &step : BlockMoves(rows, target))
        MoveItem(step.from, step.to);
    lastFirstVisible = -1;
    // The host finds the moved block from the first move: a drop with nothing selected is
    // no move at all.
    if (!moves.isEmpty())
        emit SignalDragDropPanel1(moves);
    // The host rebuilds the rows from the moves; a move action reported back to the drag
    // would make the view remove the dragged rows itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void CListThumbDetails::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    FillRowsAround(Fill::Missing);
}

void CListThumbDetails::showEvent(QShowEvent *event)
{
    QTableWidget::showEvent(event);
    FillRowsAround(Fill::Missing);
}
