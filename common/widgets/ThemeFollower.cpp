#include "ThemeFollower.h"

#include <QApplication>
#include <QWidget>

bool FollowMainWindowTheme(QObject *receiver, const char *slot)
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->inherits("MainWindow")) {
            QObject::connect(widget, SIGNAL(SignalThemeChanged(bool)), receiver, slot, Qt::UniqueConnection);
            return true;
        }
    }
    return false;
}
