#pragma once

class QObject;

// Connects `slot` (a SLOT(...) text taking one bool) of `receiver` to the main window's
// SignalThemeChanged(bool). The window lives in a library above the widgets that follow it,
// so it is found among the application's widgets by its class name. False when there is no
// main window (Monitor, tests of a single widget).
bool FollowMainWindowTheme(QObject *receiver, const char *slot);
