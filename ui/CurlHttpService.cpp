#include "CurlHttpService.h"

#include <QLibrary>
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

// libcurl with everything it links (TLS, Kerberos, LDAP, SSH, …) is loaded by the first request,
// not at start-up: most starts make none, and loading those libraries made every start slower
// by about a third of what a Qt window with one line of text costs. Once loaded it stays, set up
// once for the whole program.
struct Curl
{
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;

    // Null when libcurl is not installed: then every request fails, as one without a network does.
    static const Curl* library()
    {
        static const Curl* const loaded = []() -> const Curl* {
            static QLibrary file(QStringLiteral("curl"), 4);
            static Curl curl;
            if (!file.load())
                return nullptr;
            const auto resolve = [](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(file.resolve(name));
                return function != nullptr;
            };
            const bool complete = resolve(curl.globalInit, "curl_global_init") &&
                                  resolve(curl.easyInit, "curl_easy_init") &&
                                  resolve(curl.easySetopt, "curl_easy_setopt") &&
                                  resolve(curl.easyPerform, "curl_easy_perform") &&
                                  resolve(curl.easyCleanup, "curl_easy_cleanup") &&
                                  resolve(curl.slistAppend, "curl_slist_append") &&
                                  resolve(curl.slistFreeAll, "curl_slist_free_all");
            if (!complete || curl.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
                return nullptr;
            return &curl;
        }();
        return loaded;
    }
};

} // namespace

CurlHttpService::CurlHttpService(std::chrono::milliseconds timeout) : m_timeout(timeout) {}

CurlHttpService::~CurlHttpService() = default;

QByteArray CurlHttpService::get(const QString& address)
{
    const Curl* library = Curl::library();
    if (!library)
        return {};
    const auto setopt = library->easySetopt;
    CURL* curl = library->easyInit();
    if (!curl)
        return {};
    QByteArray body;
    const QByteArray url = address.toUtf8();
    curl_slist* headers = library->slistAppend(nullptr, "Accept: */*");
    setopt(curl, CURLOPT_URL, url.constData());
    setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    setopt(curl, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    setopt(curl, CURLOPT_HTTPHEADER, headers);
    const long timeoutMs = long(m_timeout.count());
    setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    setopt(curl, CURLOPT_NOSIGNAL, 1L);
    setopt(curl, CURLOPT_FAILONERROR, 1L);
    setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    setopt(curl, CURLOPT_MAXREDIRS, maximumRedirects);
    setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    setopt(curl, CURLOPT_WRITEDATA, &body);
    const CURLcode result = library->easyPerform(curl);
    library->slistFreeAll(headers);
    library->easyCleanup(curl);
    return result == CURLE_OK ? body : QByteArray();
}

} // namespace mirevo
