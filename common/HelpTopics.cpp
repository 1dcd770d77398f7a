#include "HelpTopics.h"

#include "Trace.h"
#include "platform/HelpViewer.h"

namespace {

std::function<void(const QString &)> &Handler()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

} // namespace

void ShowHelpTopic(const QString &topic)
{
    LogMessage(QStringLiteral("ShowHelpTopic"), topic);
    if (Handler())
        Handler()(topic);
    else
        Platform::OpenHelpPage(topic);
}

void SetHelpTopicHandler(std::function<void(const QString &topic)> handler)
{
    Handler() = std::move(handler);
}

QStringList HelpPage::All()
{
    QStringList pages;
    for (const char *page : { Step1, Step2, Step3, TutorialCommentsAndTime,
             TutorialResizeAndRotate, Rename, SelectFilter, Settings, Profiles, MonitorMain,
             FolderWatch, FTPWatch })
        pages << QString::fromLatin1(page);
    return pages;
}
