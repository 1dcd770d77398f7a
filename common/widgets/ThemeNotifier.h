#pragma once

#include <QObject>

// The theme of the program, as its window applies it. The window that owns the theme (the
// main window, Monitor's window) announces each change through Notify; widgets that draw their
// own background follow it by connecting to ThemeChanged. Lives in the GUI thread.
class CThemeNotifier : public QObject
{
    Q_OBJECT

public:
    static CThemeNotifier *instance(); // created on first use, never freed

    void Notify(bool dark);

signals:
    void ThemeChanged(bool dark);

private:
    CThemeNotifier() = default;
};
