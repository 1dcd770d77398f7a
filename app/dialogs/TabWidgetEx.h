#pragma once

#include <QTabBar>
#include <QTabWidget>

// A tab bar whose tabs are never narrower than MinimumTabWidth, so that short captions with
// large icons still read as tabs.
class CTabBarEx : public QTabBar
{
    Q_OBJECT

public:
    explicit CTabBarEx(QWidget *parent = nullptr);

    static constexpr int MinimumTabWidth = 125;

protected:
    QSize tabSizeHint(int index) const override;
};

// A tab widget with a CTabBarEx; Designer forms promote their QTabWidget to it.
class CTabWidgetEx : public QTabWidget
{
    Q_OBJECT

public:
    explicit CTabWidgetEx(QWidget *parent = nullptr);
};
