#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QString>

// The compiled-in images of both programs, asked for by file name ("Icons-Minimal.png"):
// the light or dark variant of a themed image, the double-resolution ("@2x") variant on
// high-DPI screens. Each resource path is loaded once and kept for the life of the program.
//
// Thumbnail and preview threads use it too: the list and the two flags are guarded by one
// mutex, and images are handed out as QImage copies that share their pixels.
class CImageCache
{
public:
    static CImageCache *instance(); // created on first use
    // Only once no other thread can reach the cache any more (main window's destructor).
    static void DeleteInstance();
    virtual ~CImageCache();

    // Set from outside: high-DPI from the system information, dark from the theme in force.
    void SetHighDpi(bool highDpi);
    bool IsHighDpi() const;
    void SetDarkTheme(bool dark);
    bool IsDarkTheme() const;

    // ":/" + base + ("-Dark" | "-Light" when themed) + ("@2x" when allowed and high-DPI)
    // + "." + suffix. The dialogs' and Monitor's code call the last argument
    // allowHighResolution.
    QString ImageResourcePath(const QString &name, bool themed, bool allowHighDpi) const;

    // The image of that variant, from the cache or loaded and kept. A missing resource gives
    // a null image, kept like any other, so it is looked for only once.
    QImage GetImage(const QString &name, bool themed, bool allowHighDpi);

    // Cuts a sheet of square icons (high-DPI variant allowed, not kept in the cache) into
    // icons of iconSize pixels, doubled on high-DPI screens. The sheet's rows come in the
    // order 0, 1, 5, 4, 3, 2, then row 0 again for any further row. The caller owns the list.
    // Icons are pixmaps: GUI thread only; elsewhere, or for a size below 1, the list is empty.
    QList<QIcon> *SplitIconStrip(const QString &name, bool themed, int iconSize) const;

    // A picture for a label, high-DPI variant allowed: the "@2x" image is shown at the plain
    // one's size. A null pixmap for a missing resource; GUI thread only.
    QPixmap GetPixmap(const QString &name, bool themed);

    // The square icons of a sheet's first row (high-DPI variant allowed, kept in the cache),
    // for buttons `logicalSize` pixels wide; GridIcon is the one icon at (column, row). The
    // pixel ratio follows the variant the cache handed out, whatever the screen's. Empty or
    // null for a missing sheet or a cell beyond it; GUI thread only.
    QList<QIcon> StripIcons(const QString &name, bool themed, int logicalSize);
    QIcon GridIcon(const QString &name, bool themed, int column, int row, int logicalSize);

private:
    CImageCache() = default;
    CImageCache(const CImageCache &) = delete;
    CImageCache &operator=(const CImageCache &) = delete;

    struct SEntry
    {
        QString path;
        QImage image;
    };

    QString ResourcePathLocked(const QString &name, bool themed, bool allowHighDpi) const;

    static CImageCache *m_instance;

    QList<SEntry> m_entries; // in the order of first request
    bool m_highDpi = false;
    bool m_dark = true;
    mutable QMutex m_mutex; // guards the three fields above
};
