// Plain libcurl pieces the transfer benchmarks share: the write callbacks,
// the command service's fields form-encoded as curl sends them, and one
// request on a fresh connection with its status checked.
#pragma once

#include <curl/curl.h>

#include <cstdio>
#include <string>

#include "platform/foundation/Value.h"

inline std::size_t curlToFile(char* data, std::size_t size, std::size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file)) * size;
}
inline std::size_t curlDiscard(char*, std::size_t size, std::size_t count, void*) { return size * count; }

// The same fields the command service sends, form-encoded for curl.
inline std::string curlFormBody(const ns::Dictionary& fields, CURL* curl) {
    std::string body;
    for (const auto& [key, value] : fields) {
        char* escaped = curl_easy_escape(curl, value.stringValue().c_str(), 0);
        body += (body.empty() ? "" : "&") + key + "=" + escaped;
        curl_free(escaped);
    }
    return body;
}

// Sends what `curl` is set up for on a connection of its own (as our client
// does), then frees the handle and the header list. True on `expected`.
inline bool curlPerformFresh(CURL* curl, const std::string& url, curl_slist* headers, long expected) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    long status = 0;
    const bool ok = curl_easy_perform(curl) == CURLE_OK &&
                    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status == expected;
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return ok;
}
