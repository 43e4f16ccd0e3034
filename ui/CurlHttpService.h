#pragma once

#include "Services.h"

#include <chrono>

namespace mirevo {

// HTTP GET over libcurl: HTTP/1.0, the user agent and Accept header of the update check, a
// time-out for the connection and for the whole request (10 seconds unless told otherwise),
// redirects followed as a browser would, the body capped at 1 MiB.
class CurlHttpService final : public HttpService
{
public:
    explicit CurlHttpService(std::chrono::milliseconds timeout = defaultTimeout);
    ~CurlHttpService() override;
    CurlHttpService(const CurlHttpService&) = delete;
    CurlHttpService& operator=(const CurlHttpService&) = delete;

    QByteArray get(const QString& address) override;

    static constexpr std::chrono::milliseconds defaultTimeout{10'000};
    static constexpr qsizetype maximumBodySize = 1024 * 1024;
    static constexpr long maximumRedirects = 5;

private:
    std::chrono::milliseconds m_timeout;
};

} // namespace mirevo
