#include "ThemeNotifier.h"

CThemeNotifier *CThemeNotifier::instance()
{
    static CThemeNotifier *const notifier = new CThemeNotifier();
    return notifier;
}

void CThemeNotifier::Notify(bool dark)
{
    emit ThemeChanged(dark);
}
