#pragma once

#include <QString>

namespace Platform {

// The user guide is a folder of HTML pages, Data/Help/, beside the program. Opens the page
// through the desktop when it is there; otherwise only leaves a trace line. False when no
// page was opened.
bool OpenHelpPage(const QString &pageName);

// The file that OpenHelpPage would open for a page name, whether or not it exists.
QString HelpPagePath(const QString &pageName);

} // namespace Platform
