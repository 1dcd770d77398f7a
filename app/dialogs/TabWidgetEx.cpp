#include "TabWidgetEx.h"

#include <algorithm>

CTabBarEx::CTabBarEx(QWidget *parent)
    : QTabBar(parent)
{
}

QSize CTabBarEx::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setWidth(std::max(size.width(), MinimumTabWidth));
    return size;
}

CTabWidgetEx::CTabWidgetEx(QWidget *parent)
    : QTabWidget(parent)
{
    // The tab widget owns its bar as a child.
    setTabBar(new CTabBarEx(this));
}
