// Plain HTTP GET requests for the score client (libcurl).
#include <curl/curl.h>

#include <string>

#include "media/Media.h"

namespace {

constexpr long kTimeoutSeconds = 10;   // the whole request, connection included
constexpr size_t kLargestBody = 65536;  // bytes: a longer answer is no answer

size_t Collect(char* data, size_t size, size_t count, void* to) {
  auto* body = static_cast<std::string*>(to);
  size_t bytes = size * count;
  if (body->size() + bytes > kLargestBody) return 0;  // ends the transfer as a failure
  body->append(data, bytes);
  return bytes;
}

}  // namespace

std::string FetchUrlText(const std::string& url) {
  static bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == 0;
  if (!started) return "";
  CURL* curl = curl_easy_init();
  if (curl == nullptr) return "";
  std::string body;
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "QSecure");
  curl_easy_setopt(curl, CURLOPT_PROXY, "");  // straight to the server, whatever the environment says
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE, static_cast<long>(kLargestBody));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  CURLcode result = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  // Anything but a whole answer with status 200 is a failure, as no answer is.
  if (result != CURLE_OK || status != 200) return "";
  return body;
}
