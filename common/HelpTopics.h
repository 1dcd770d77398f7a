#pragma once

#include <QString>

// Opens a page of the user guide by its page name, such as "formats_jpg.html".
void ShowHelpTopic(const QString &topic);
