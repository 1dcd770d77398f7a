#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Opens a page of the user guide by its page name, such as "formats_jpg.html".
void ShowHelpTopic(const QString &topic);

// Tests take the page names here instead of a browser opening; an empty handler restores it.
void SetHelpTopicHandler(std::function<void(const QString &topic)> handler);

// The pages the two programs open by name, besides one per filter (FilterPages::HelpTopic) and
// one per format options page (CFormatSettings::HelpPage).
namespace HelpPage {
inline constexpr char Step1[] = "user-interface_step1_add-photos.html";
inline constexpr char Step2[] = "user-interface_step2_add-filters.html";
inline constexpr char Step3[] = "user-interface_step3_setup.html";
inline constexpr char TutorialCommentsAndTime[] = "tutorials_how-to-add-comments-and-time.html";
inline constexpr char TutorialResizeAndRotate[] = "tutorials_how-to-resize-and-rotate.html";
inline constexpr char Rename[] = "user-interface_rename.html";
inline constexpr char SelectFilter[] = "user-interface_select-filter.html";
inline constexpr char Settings[] = "user-interface_settings.html";
inline constexpr char Profiles[] = "user-interface_profiles.html";
inline constexpr char MonitorMain[] = "monitor_monitor-main.html";
inline constexpr char FolderWatch[] = "monitor_folder-watch.html";
inline constexpr char FTPWatch[] = "monitor_ftp-watch.html";

// All of the above.
QStringList All();
} // namespace HelpPage
