#pragma once

#include <curl/curl.h>

// libcurl's global state is set up once for the whole program and never torn down while the
// program runs: curl_global_cleanup is not thread-safe and another thread may be using curl.
void InitializeCurl();

// A fresh easy handle (null when libcurl cannot make one), with signals disabled so that time-outs
// work in any thread. The caller cleans it up with curl_easy_cleanup.
CURL *NewCurlHandle();
