#pragma once

#include <QWidget>

// What the three wizard steps share: the changed flag the main window reads before saving or
// closing, the signals that mark the window's title, and the theme signal of the window.
class CStepPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CStepPanel(QWidget *parent = nullptr);

    // Marks the step changed after an edit: stores an undo state (unless the history is being
    // restored) and tells the window.
    void SignalPanelChanged();
    // Clears the changed flag after a load or a save.
    void UnsignalPanelChanged();

    bool modified = false;

public slots:
    virtual void ThemeChanged(bool dark);

signals:
    void SignalChanges();
    void UnsignalChanges();

protected:
    // Connects ThemeChanged to the theme the main window announces.
    void FollowWindowTheme();
};
