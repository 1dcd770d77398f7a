#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks for one existing file to open (caption, start folder, name filter); empty when the user
// cancels.
using OpenFileChooser = std::function<QString(
    QWidget *parent, const QString &caption, const QString &start, const QString &filter)>;

// Every "pick a file to open" question of the dialogs and pages goes through here.
QString ChooseOpenFile(
    QWidget *parent, const QString &caption, const QString &start, const QString &filter);

// Tests answer the question here so that no modal loop blocks; a null chooser brings the
// standard open-file dialog back.
void SetOpenFileChooser(OpenFileChooser chooser);
