#include "WidgetPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint CenteredPosition(const QRect &reference, const QSize &frameSize, const QRect &available)
{
    int x = reference.x() + (reference.width() - frameSize.width()) / 2;
    int y = reference.y() + (reference.height() - frameSize.height()) / 2;
    if (!available.isEmpty()) {
        if (x < available.left())
            x = available.left();
        else if (x + frameSize.width() > available.right() + 1)
            x = available.right() + 1 - frameSize.width();
        if (y < available.top())
            y = available.top();
        else if (y + frameSize.height() > available.bottom() + 1)
            y = available.bottom() + 1 - frameSize.height();
    }
    return QPoint(x, y);
}

namespace {
QRect FirstScreenArea()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return screens.isEmpty() ? QRect() : screens.first()->availableGeometry();
}
} // namespace

void CenterWidgetInRect(const QRect &rect, QWidget *widget)
{
    if (!widget)
        return;
    widget->move(CenteredPosition(rect, widget->frameGeometry().size(), FirstScreenArea()));
}

void CenterWidgetOnWidget(const QWidget *reference, QWidget *widget)
{
    if (!reference || !widget)
        return;
    CenterWidgetInRect(reference->frameGeometry(), widget);
}

void WidenToFitText(const QList<QWidget *> &widgets)
{
    int width = 0;
    for (const QWidget *widget : widgets)
        width = std::max({width, widget->minimumWidth(), widget->sizeHint().width()});
    for (QWidget *widget : widgets) {
        widget->setMinimumWidth(width);
        if (widget->maximumWidth() < width)
            widget->setMaximumWidth(width);
    }
}
