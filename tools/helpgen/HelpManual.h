#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One control of a settings window as the manual lists it.
struct SHelpControl
{
    QString objectName;
    QString label; // the text the user sees beside or on it
    QString values; // its range or its choices
    QString start; // the value it shows when the window opens with nothing changed
};

namespace HelpManual {

// The controls of a window ("filter:3160", "format:4", "settings", "rename", "folder-watch",
// "ftp-watch") in tab order; empty for an unknown window.
QList<SHelpControl> Controls(const QString &window);

// Writes every page of `pagesFolder` into `outputFolder`, completed; returns the problems
// found (an undescribed control, a description without its control, a page without a title,
// an unknown window).
QStringList Build(const QString &pagesFolder, const QString &outputFolder);

// The page names a page links to or shows (href and src values without any "#part").
QStringList References(const QString &html);

} // namespace HelpManual

namespace HelpManual {

// The sample photo as before.jpg and, for every filter, the photo after it with the values its
// settings page starts with as <id>.jpg; all at one scale, so that a frame or a resize shows
// as a change of size. False when a picture cannot be made or written.
bool WriteFilterPictures(const QString &folder, QStringList &problems);

} // namespace HelpManual
