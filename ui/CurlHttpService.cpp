#include "CurlHttpService.h"

#include <curl/curl.h>

namespace mirevo {

namespace {

size_t appendBody(char* data, size_t size, size_t count, void* target)
{
    auto* body = static_cast<QByteArray*>(target);
    const size_t bytes = size * count;
    if (body->size() + qsizetype(bytes) > CurlHttpService::maximumBodySize)
        return 0; // refuses the rest: the transfer fails and the caller sees no body
    body->append(data, qsizetype(bytes));
    return bytes;
}

} // namespace

CurlHttpService::CurlHttpService(std::chrono::milliseconds timeout) : m_timeout(timeout)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

CurlHttpService::~CurlHttpService()
{
    curl_global_cleanup();
}

QByteArray CurlHttpService::get(const QString& address)
{
    CURL* curl = curl_easy_init();
    if (!curl)
        return {};
    QByteArray body;
    const QByteArray url = address.toUtf8();
    curl_slist* headers = curl_slist_append(nullptr, "Accept: */*");
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    const long timeoutMs = long(m_timeout.count());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, maximumRedirects);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    const CURLcode result = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return result == CURLE_OK ? body : QByteArray();
}

} // namespace mirevo
