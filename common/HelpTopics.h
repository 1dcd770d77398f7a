#pragma once

#include <QString>

#include <functional>

// Opens a page of the user guide by its page name, such as "formats_jpg.html".
void ShowHelpTopic(const QString &topic);

// Tests take the page names here instead of a browser opening; an empty handler restores it.
void SetHelpTopicHandler(std::function<void(const QString &topic)> handler);
