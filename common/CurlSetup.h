#pragma once

#include <QString>

#include <curl/curl.h>

// libcurl's global state is set up once per process, on the first handle. It is torn down at
// most once, by CleanupCurl, which is not thread-safe: call it only when no other thread can
// still use libcurl (Monitor after all its watch threads have stopped; the main program never
// does). Handles asked for after that are refused.
void InitializeCurl();
void CleanupCurl();

// A fresh easy handle (null when libcurl cannot make one, or after CleanupCurl), with signals
// disabled so that time-outs work in any thread, and SSH servers checked against the program's own
// known-hosts file: a server met for the first time is remembered, one whose key has changed since
// is refused. The caller cleans it up with curl_easy_cleanup.
CURL *NewCurlHandle();

// A path for a URL: every character a URL path cannot hold as is ("#", "?", "%", blanks,
// non-ASCII letters) escaped, segment by segment, so that the "/" separators stay.
QString PercentEncodedPath(const QString &path);

// The known-hosts file of SFTP servers, in the program's settings folder.
QString KnownHostsPath();
