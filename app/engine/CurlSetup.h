#pragma once

#include <QString>

#include <curl/curl.h>

// libcurl's global state is set up once for the whole program and never torn down while the
// program runs: curl_global_cleanup is not thread-safe and another thread may be using curl.
void InitializeCurl();

// A fresh easy handle (null when libcurl cannot make one), with signals disabled so that time-outs
// work in any thread, and SSH servers checked against the program's own known-hosts file: a
// server met for the first time is remembered, one whose key has changed since is refused.
// The caller cleans it up with curl_easy_cleanup.
CURL *NewCurlHandle();

// The known-hosts file of SFTP servers, in the program's settings folder.
QString KnownHostsPath();
