#include "ListThumb.h"

#include "ImageCache.h"
#include "ListThumbLoader.h"
#include "TextCodecs.h"
#include "ThemeNotifier.h"
#include "Trace.h"

#include <QApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

const QString PlaceholderName = QStringLiteral("Thumb-Placeholder.png");

int WholeRatio(const QWidget *widget)
{
    return qMax(1, int(widget->devicePixelRatioF()));
}

} // namespace

CListThumb::CListThumb(QWidget *parent)
    : QListWidget(parent)
    , records(new QList<SThumbRecord>)
    , order(new QList<int>)
    , icons(new QList<QIcon>)
    , mutex(new QMutex)
    , imageCache(CImageCache::instance())
{
    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    qRegisterMetaType<ListInt>("ListInt");
    lastFirstVisible = -1;
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this]() { RepaintView(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this]() { RepaintView(); });
    repaintTimer.setSingleShot(true);
    placeholderIcon = QIcon(QPixmap::fromImage(imageCache->GetImage(PlaceholderName, true, true)));
}

CListThumb::~CListThumb()
{
    iconTimer.stop();
    repaintTimer.stop();
    // The loader works on the lists below: it must be gone before they are.
    if (thread) {
        thread->stop = true;
        thread->wait();
        delete thread;
    }
    delete records;
    delete order;
    delete icons;
    delete mutex;
}

void CListThumb::Initialize(int listType, bool dark, bool withoutThread)
{
    type = listType;
    noThread = withoutThread;
    if (type == TypePhotoStrip) {
        LogMessage(
            QStringLiteral("CListThumb::Initialize"), QStringLiteral("LISTTHUMB_TYPE_IMAGETHUMBS"));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFlow(QListView::LeftToRight);
        setResizeMode(QListView::Adjust);
    }
    if (!mutex)
        mutex = new QMutex;
    darkTheme = dark;
    ReloadThemedImages();
    connect(CThemeNotifier::instance(), &CThemeNotifier::ThemeChanged, this,
        &CListThumb::ThemeChanged, Qt::UniqueConnection);
}

void CListThumb::SetLoader(CListThumbLoader *loader)
{
    if (threadStarted || !loader)
        return;
    delete thread;
    thread = loader;
}

void CListThumb::InitThread()
{
    LogMessage(QStringLiteral("CListThumb::InitThread"));
    if (noThread || threadStarted || !thread)
        return;
    if (!mutex)
        mutex = new QMutex;
    thread->mutex = mutex;
    thread->records = records;
    thread->order = order;
    thread->icons = icons;
    thread->loadedIcons = &loadedIcons;
    thread->pixelRatio = WholeRatio(this);
    thread->start(QThread::InheritPriority);
    threadStarted = true;
    connect(this, &CListThumb::LoadThumbnails, thread, &CListThumbLoader::LoadThumbnails,
        Qt::QueuedConnection);
    connect(thread, &CListThumbLoader::OnThreadLoadComplete, this,
        &CListThumb::OnThreadLoadComplete, Qt::QueuedConnection);
    connect(&iconTimer, &QTimer::timeout, this, &CListThumb::ThreadLoadIcons);
    connect(&repaintTimer, &QTimer::timeout, this, &CListThumb::RepaintView);
    iconTimer.start(1000);
}

void CListThumb::LoadIcons(const QString &stripName, bool dark, int kind)
{
    if (kind != 0 && kind != 1)
        return;
    QList<QIcon> *strip = imageCache->SplitIconStrip(stripName, dark, kind == 0 ? 32 : 64);
    if (!strip)
        return;
    {
        QMutexLocker locker(mutex);
        *icons = *strip;
        loadedIcons = 0;
    }
    delete strip;
}

void CListThumb::AddItem(const QString &text, const QString &toolTip, const QString &path,
    bool done, int iconIndex, bool active)
{
    LogMessage(QStringLiteral("CListThumb::AddItem"), path.section(QLatin1Char('/'), -1));
    SThumbRecord record;
    record.path = path;
    record.toolTip = toolTip;
    record.active = active;
    record.done = done;
    record.ownsIcon = done;
    record.iconIndex = iconIndex;

    record.sizeText = FileSizeText(path.isEmpty() ? 0 : QFileInfo(path).size());
    const QString fileName = path.section(QLatin1Char('/'), -1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    record.baseName = dot >= 0 ? fileName.left(dot) : fileName;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    record.folder = slash >= 0 ? path.left(slash) : QString();
    const int pathDot = path.lastIndexOf(QLatin1Char('.'));
    record.type = pathDot >= 0 ? path.mid(pathDot + 1).toUpper() : QString();

    int row = 0;
    QIcon icon;
    {
        QMutexLocker locker(mutex);
        row = int(records->size());
        records->append(record);
        order->append(row);
        icon = IconAt(iconIndex, done);
    }

    auto *item = new QListWidgetItem;
    item->setText(text);
    item->setToolTip(toolTip);
    if (!active) {
        item->setForeground(darkTheme ? QColor(80, 80, 80) : QColor(200, 200, 200));
        if (darkTheme) {
            const QList<QSize> sizes = icon.availableSizes();
            if (!sizes.isEmpty()) {
                QImage image = icon.pixmap(sizes.first()).toImage();
                TintImage(image, -100);
                icon = QIcon(QPixmap::fromImage(image));
            }
        }
    }
    item->setIcon(icon);
    insertItem(row, item);
}

void CListThumb::AddOverlayImage(
    const QString &name, bool themed, int x, int y, bool always, int alignment)
{
    overlays.AddImage(name, themed, x, y, always, alignment);
    viewport()->update();
}

void CListThumb::AddOverlayText(
    const QString &text, int y, bool always, const QFont &font, const QColor &colour)
{
    overlays.AddText(text, y, always, font, colour);
    viewport()->update();
}

void CListThumb::SetViewMode(int mode)
{
    static const int sizes[] = { 32, 32, 64, 128 };
    const int side = sizes[qBound(0, mode, 3)];
    setIconSize(QSize(side, side));
    setViewMode(mode == 0 ? QListView::ListMode : QListView::IconMode);
    setWrapping(mode != 0 && type != TypePhotoStrip);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    UpdateToolTips();
}

void CListThumb::MoveItem(int from, int to)
{
    QMutexLocker locker(mutex);
    MoveRow(*order, from, to);
    moves.append(SDragDrop { from, to });
}

void CListThumb::RemoveAllItems()
{
    // All at once: one record at a time costs a pass over the order per record.
    QMutexLocker locker(mutex);
    if (type == TypePhotos) {
        // The photos' own thumbnails go with them; the host's strip stays.
        icons->resize(qMax<qsizetype>(0, icons->size() - loadedIcons));
        loadedIcons = 0;
    }
    records->clear();
    order->clear();
}

void CListThumb::RemoveSelectedItems(int row)
{
    QMutexLocker locker(mutex);
    if (row < 0 || row >= order->size())
        return;
    const int r = order->takeAt(row);
    if (r < 0 || r >= records->size())
        return;
    const SThumbRecord removed = records->takeAt(r);
    for (int &entry : *order) {
        if (entry > r)
            --entry;
    }
    if (type != TypePhotos || !removed.done || !removed.ownsIcon)
        return;
    if (removed.iconIndex >= 0 && removed.iconIndex < icons->size()) {
        icons->removeAt(removed.iconIndex);
        loadedIcons = qMax(0, loadedIcons - 1);
    }
    for (int i = 0; i < records->size(); ++i) {
        SThumbRecord &record = (*records)[i];
        if (record.iconIndex > removed.iconIndex) {
            --record.iconIndex;
            SetItemIconLocked(int(order->indexOf(i)));
        }
    }
}

void CListThumb::UpdateToolTips()
{
    QMutexLocker locker(mutex);
    const int rows = qMin(count(), int(order->size()));
    for (int row = 0; row < rows; ++row) {
        const int r = order->at(row);
        if (r >= 0 && r < records->size())
            item(row)->setToolTip(records->at(r).toolTip);
    }
}

void CListThumb::AssignThumbnails()
{
    int size = 0;
    {
        QMutexLocker locker(mutex);
        size = int(records->size());
    }
    LogMessage(QStringLiteral("CListThumb::AssignThumbnails"),
        QStringLiteral("ptrListThumb->size(): ") + QString::number(size));
    SetItemIcons(0, count() - 1);
    lastFirstVisible = -1;
}

void CListThumb::SetItemIcon(int row)
{
    QMutexLocker locker(mutex);
    SetItemIconLocked(row);
}

void CListThumb::SetItemIcons(int first, int last)
{
    bool madeIcons = false;
    {
        QMutexLocker locker(mutex);
        for (int row = qMax(0, first); row <= last; ++row)
            madeIcons = SetItemIconLocked(row) || madeIcons;
    }
    // Items were laid out for the icons they had; a bigger thumbnail would overlap its
    // neighbours.
    if (madeIcons)
        scheduleDelayedItemsLayout();
}

bool CListThumb::SetItemIconLocked(int row)
{
    if (row < 0 || row >= count() || row >= order->size())
        return false;
    const int r = order->at(row);
    if (r < 0 || r >= records->size())
        return false;
    SThumbRecord &record = (*records)[r];
    const bool pending = record.thumbnailPending;
    if (pending) {
        if (record.thumbnail && record.iconIndex >= 0 && record.iconIndex < icons->size()) {
            QPixmap pixmap = QPixmap::fromImage(*record.thumbnail);
            pixmap.setDevicePixelRatio(WholeRatio(this));
            (*icons)[record.iconIndex] = QIcon(pixmap);
        }
        record.thumbnail.reset();
        record.thumbnailPending = false;
    }
    QListWidgetItem *listItem = item(row);
    listItem->setIcon(IconAt(record.iconIndex, record.ownsIcon));
    listItem->setToolTip(record.toolTip);
    return pending;
}

QIcon CListThumb::IconAt(int index, bool ownsIcon) const
{
    const int limit = int(icons->size()) - (ownsIcon ? 0 : loadedIcons);
    if (index >= 0 && index < limit && !icons->at(index).isNull())
        return icons->at(index);
    return placeholderIcon;
}

void CListThumb::GetVisibleRange(int &first, int &last)
{
    const int space = spacing();
    first = row(itemAt(space, space));
    if (type == TypePhotoStrip) {
        const QRect contents = contentsRect();
        first = row(itemAt(contents.left() + space, space));
        last = row(itemAt(contents.right() - space, space));
        if (last < 0)
            last = count() - 1;
    } else {
        const QRect area = viewport()->rect();
        QPoint point(space, space);
        int perRow = 0;
        bool toEnd = false;
        int steps = 0;
        // Each step jumps below the visual row at the point; a point on no item lands at
        // (space, space + 1) and ends the walk.
        while (steps < 100000) {
            const QRect rectangle = visualItemRect(itemAt(point));
            point = QPoint(space, rectangle.top() + rectangle.height() + 1 + space);
            ++steps;
            if (steps == 1) {
                QListWidgetItem *below = itemAt(point);
                if (below)
                    perRow = row(below) - first;
                else
                    toEnd = true;
            }
            if (!area.contains(point) || point == QPoint(space, space + 1))
                break;
        }
        last = toEnd ? count() - 1 : first - 1 + perRow * steps;
    }
    first = qMax(first, 0);
    last = qMin(last, count() - 1);
}

void CListThumb::ResetVisibleRange()
{
    lastFirstVisible = -1;
}

void CListThumb::TintImage(QImage &image, int percent)
{
    if (percent == 0 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || (pixel & 0x00FFFFFF) == 0)
                continue;
            const QColor colour = QColor::fromRgba(pixel);
            const QColor changed
                = percent >= 1 ? colour.lighter(100 + percent) : colour.darker(100 - percent);
            line[x] = qRgba(changed.red(), changed.green(), changed.blue(), qAlpha(pixel));
        }
    }
}

void CListThumb::ThreadLoadIcons()
{
    if (isHidden())
        return;
    int first = 0;
    int last = -1;
    bool allDone = true;
    {
        QMutexLocker locker(mutex);
        GetVisibleRange(first, last);
        if (first == lastFirstVisible)
            return;
        lastFirstVisible = first;
        if (first < 0 || first >= count() || first >= order->size())
            return;
        allDone = RowsLoaded(*records, *order, first, last);
    }
    if (allDone || !thread) {
        SetItemIcons(first, last);
        return;
    }
    thread->firstRow = first;
    thread->lastRow = last;
    emit LoadThumbnails();
}

void CListThumb::OnThreadLoadComplete(int first, int last)
{
    lastFirstVisible = -1;
    SetItemIcons(first, last);
}

void CListThumb::RepaintView()
{
    viewport()->update();
}

void CListThumb::ThemeChanged(bool dark)
{
    darkTheme = dark;
    ReloadThemedImages();
    viewport()->update();
}

void CListThumb::ReloadThemedImages()
{
    overlays.ReloadThemed();
    placeholderIcon = QIcon(QPixmap::fromImage(imageCache->GetImage(PlaceholderName, true, true)));
}

void CListThumb::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit Clicked();
    QListWidget::mousePressEvent(event);
}

void CListThumb::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list"))) {
        event->acceptProposedAction();
        return;
    }
    QListWidget::dragEnterEvent(event);
}

void CListThumb::dragMoveEvent(QDragMoveEvent *event)
{
    // An internal-move view refuses drags from outside; files may still land on the photos.
    if (type == TypePhotos && event->mimeData()->hasUrls() && event->source() != this) {
        event->acceptProposedAction();
        return;
    }
    QListWidget::dragMoveEvent(event);
}

void CListThumb::dropEvent(QDropEvent *event)
{
    if (type == TypePhotos && event->mimeData()->hasUrls()) {
        QStringList files;
        const QList<QUrl> urls = event->mimeData()->urls();
        for (const QUrl &url : urls)
            files.append(url.toLocalFile());
        std::sort(files.begin(), files.end());
        emit SignalDragDropFiles(files);
        event->acceptProposedAction();
        return;
    }

    QList<int> rows;
    const QList<QListWidgetItem *> selected = selectedItems();
    for (QListWidgetItem *selectedItem : selected)
        rows.append(row(selectedItem));
    std::sort(rows.begin(), rows.end());
    QListWidgetItem *target = itemAt(event->position().toPoint());
    moves.clear();
    for (const SDragDrop &step : BlockMoves(rows, target ? row(target) : count()))
        MoveItem(step.from, step.to);
    lastFirstVisible = -1;
    if (type == TypePhotos) {
        emit SignalDragDropPanel1(moves);
        if (viewMode() == QListView::IconMode)
            repaintTimer.start(100);
    } else if (type == TypeFilters) {
        emit SignalDragDropPanel2(moves);
    }
    // The host rebuilds its items from the moves; a move action reported back to the drag
    // would make the view delete the dragged items itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void CListThumb::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(viewport());
        CViewOverlays::SArea area;
        area.width = viewport()->width();
        area.height = viewport()->height();
        area.rightInset = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
        overlays.Paint(painter, area, count() > 0);
    }
    QListWidget::paintEvent(event);
}
