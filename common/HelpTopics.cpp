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
