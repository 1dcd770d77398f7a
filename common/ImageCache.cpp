#include "ImageCache.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPixmap>
#include <QThread>

#include "Trace.h"

namespace {

QMutex instanceMutex;

// The sheet row that supplies output row r. Sheets are drawn with their rows in this order;
// one too short for the table keeps its own row there rather than yielding blank icons.
int SheetRow(int r, int rows)
{
    static constexpr int order[] = { 0, 1, 5, 4, 3, 2 };
    const int row = r < 6 ? order[r] : 0;
    return row < rows ? row : r;
}

} // namespace

CImageCache *CImageCache::m_instance = nullptr;

CImageCache *CImageCache::instance()
{
    QMutexLocker locker(&instanceMutex);
    if (!m_instance)
        m_instance = new CImageCache;
    return m_instance;
}

void CImageCache::DeleteInstance()
{
    QMutexLocker locker(&instanceMutex);
    delete m_instance;
    m_instance = nullptr;
}

CImageCache::~CImageCache() = default;

void CImageCache::SetHighDpi(bool highDpi)
{
    QMutexLocker locker(&m_mutex);
    m_highDpi = highDpi;
}

bool CImageCache::IsHighDpi() const
{
    QMutexLocker locker(&m_mutex);
    return m_highDpi;
}

void CImageCache::SetDarkTheme(bool dark)
{
    QMutexLocker locker(&m_mutex);
    m_dark = dark;
}

bool CImageCache::IsDarkTheme() const
{
    QMutexLocker locker(&m_mutex);
    return m_dark;
}

QString CImageCache::ImageResourcePath(const QString &name, bool themed, bool allowHighDpi) const
{
    QMutexLocker locker(&m_mutex);
    return ResourcePathLocked(name, themed, allowHighDpi);
}

QString CImageCache::ResourcePathLocked(const QString &name, bool themed, bool allowHighDpi) const
{
    // A dot before the last "/" belongs to a folder, not to a suffix.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasSuffix = dot > name.lastIndexOf(QLatin1Char('/'));
    QString path = QStringLiteral(":/") + (hasSuffix ? name.left(dot) : name);
    if (themed)
        path += QLatin1String(m_dark ? "-Dark" : "-Light");
    if (m_highDpi && allowHighDpi)
        path += QLatin1String("@2x");
    if (hasSuffix)
        path += name.mid(dot);
    return path;
}

QImage CImageCache::GetImage(const QString &name, bool themed, bool allowHighDpi)
{
    QMutexLocker locker(&m_mutex);
    const QString path = ResourcePathLocked(name, themed, allowHighDpi);
    for (const SEntry &entry : std::as_const(m_entries)) {
        if (entry.path == path)
            return entry.image;
    }
    // Loaded under the lock so that two threads asking at once load it only once.
    m_entries.append({ path, QImage(path) });
    return m_entries.constLast().image;
}

QList<QIcon> *CImageCache::SplitIconStrip(const QString &name, bool themed, int iconSize) const
{
    auto *icons = new QList<QIcon>;
    const auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application || QThread::currentThread() != application->thread()) {
        LogMessage(QStringLiteral("CImageCache::SplitIconStrip"),
            QStringLiteral("Icons need the GUI thread: ") + name);
        return icons;
    }
    if (iconSize < 1)
        return icons;

    QString path;
    qint64 edge = iconSize;
    {
        QMutexLocker locker(&m_mutex);
        path = ResourcePathLocked(name, themed, true);
        if (m_highDpi)
            edge *= 2;
    }
    const QImage sheet(path);
    const qint64 columns = sheet.width() / edge;
    const qint64 rows = sheet.height() / edge;
    for (int r = 0; r < rows; ++r) {
        const int sheetRow = SheetRow(r, int(rows));
        for (int column = 0; column < columns; ++column) {
            const QRect square(int(column * edge), int(sheetRow * edge), int(edge), int(edge));
            icons->append(QIcon(QPixmap::fromImage(sheet.copy(square))));
        }
    }
    return icons;
}

QList<QIcon> CImageCache::StripIcons(const QString &name, bool themed, int logicalSize)
{
    QList<QIcon> icons;
    for (int column = 0;; ++column) {
        QIcon icon = GridIcon(name, themed, column, 0, logicalSize);
        if (icon.isNull())
            return icons;
        icons.append(icon);
    }
}

QIcon CImageCache::GridIcon(const QString &name, bool themed, int column, int row, int logicalSize)
{
    const QImage sheet = GetImage(name, themed, true);
    const QImage plain = GetImage(name, themed, false);
    if (sheet.isNull() || plain.isNull() || logicalSize < 1 || column < 0 || row < 0)
        return QIcon();
    // The variant handed out decides the ratio, whatever the screen's.
    const qreal ratio = std::max<qreal>(1.0, qreal(sheet.width()) / plain.width());
    const int side = int(logicalSize * ratio);
    const QRect cell(column * side, row * side, side, side);
    if (!sheet.rect().contains(cell))
        return QIcon();
    QPixmap pixmap = QPixmap::fromImage(sheet.copy(cell));
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

QPixmap CImageCache::GetPixmap(const QString &name, bool themed)
{
    QPixmap pixmap = QPixmap::fromImage(GetImage(name, themed, true));
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(IsHighDpi() ? 2.0 : 1.0);
    return pixmap;
}
