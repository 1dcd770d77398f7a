#include "HelpTopics.h"

#include "Trace.h"
#include "platform/HelpViewer.h"

void ShowHelpTopic(const QString &topic)
{
    LogMessage(QStringLiteral("ShowHelpTopic"), topic);
    Platform::OpenHelpPage(topic);
}
