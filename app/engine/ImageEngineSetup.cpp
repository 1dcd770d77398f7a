#include "ImageEngineSetup.h"

#include <Magick++.h>

void InitializeImageEngine(const char *argv0)
{
    Magick::InitializeMagick(argv0);
}

QString ImageEngineVersion()
{
    size_t number = 0;
    return QString::fromLatin1(MagickCore::GetMagickVersion(&number));
}
