#include "ViewOverlays.h"

#include "ImageCache.h"

#include <QGuiApplication>
#include <QPainter>

void CViewOverlays::AddImage(
    const QString &name, bool themed, int x, int y, bool always, int alignment)
{
    SElement element;
    element.kind = 1;
    element.text = name;
    element.themed = themed;
    element.x = x;
    element.y = y;
    element.always = always;
    element.alignment = alignment;
    element.image = CImageCache::instance()->GetImage(name, themed, true);
    elements.append(element);
}

void CViewOverlays::AddText(
    const QString &text, int y, bool always, const QFont &font, const QColor &colour)
{
    SElement element;
    element.kind = 0;
    element.text = text;
    element.y = y;
    element.always = always;
    element.font = font;
    element.colour = colour;
    elements.append(element);
}

void CViewOverlays::ReloadThemed()
{
    for (SElement &element : elements) {
        if (element.kind == 1 && element.themed)
            element.image = CImageCache::instance()->GetImage(element.text, true, true);
    }
}

void CViewOverlays::Paint(QPainter &painter, const SArea &area, bool viewHasItems) const
{
    // Images come at the screen's density: their pixel sizes count 1 / ratio on screen.
    const int ratio = qMax(1, int(qApp ? qApp->devicePixelRatio() : 1.0));
    const int w = area.width;
    const int h = area.height;
    for (const SElement &element : elements) {
        if (!element.always && viewHasItems)
            continue;
        if (element.kind == 0) {
            painter.setPen(element.colour);
            painter.setFont(element.font);
            painter.drawText(QRect(0, h / 2 + element.y - area.shiftUp, w, 100),
                Qt::AlignHCenter | Qt::AlignTop, element.text);
            continue;
        }
        if (element.image.isNull())
            continue;
        const int iw = element.image.width();
        const int ih = element.image.height();
        int x = 0;
        int y = 0;
        if (element.alignment == 0) {
            x = w / 2 - (iw / 2) / ratio + element.x;
            y = h / 2 - (ih / 2) / ratio + element.y - area.shiftUp;
        } else if (element.alignment == 1) {
            x = w + element.x - iw / ratio - area.rightInset;
            y = h + element.y - ih / ratio - area.bottomInset - area.shiftUp;
        }
        QImage image = element.image;
        image.setDevicePixelRatio(ratio);
        painter.drawImage(QPoint(x, y), image);
    }
}
