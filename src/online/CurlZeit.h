// The time limits of one curl handle, shared by the HTTP and the FTP transfer.
#pragma once

#include "online/OnlineKonfig.h"

#include <curl/curl.h>

namespace tav::online {

inline void zeitlimitsSetzen(CURL *c, const Zeitlimits &z)
{
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(z.verbinden));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, long(z.langsamBytes));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(z.langsamSekunden));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(z.gesamt));
}

} // namespace tav::online
