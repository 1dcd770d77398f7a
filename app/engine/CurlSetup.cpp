#include "CurlSetup.h"

#include "Trace.h"

#include <QString>

#include <mutex>

void InitializeCurl()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
        if (result != CURLE_OK)
            LogMessage(QStringLiteral("InitializeCurl"),
                       QString::fromUtf8(curl_easy_strerror(result)));
    });
}

CURL *NewCurlHandle()
{
    InitializeCurl();
    CURL *handle = curl_easy_init();
    if (handle)
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    return handle;
}
