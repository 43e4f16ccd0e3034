#pragma once

#include "Services.h"

namespace mirevo {

// HTTP GET over libcurl: HTTP/1.0, the user agent and Accept header of the update check, a
// time-out of 10 seconds for the connection and for the whole request, the body capped at 1 MiB.
class CurlHttpService final : public HttpService
{
public:
    CurlHttpService();
    ~CurlHttpService() override;
    CurlHttpService(const CurlHttpService&) = delete;
    CurlHttpService& operator=(const CurlHttpService&) = delete;

    QByteArray get(const QString& address) override;

    static constexpr long timeoutSeconds = 10;
    static constexpr qsizetype maximumBodySize = 1024 * 1024;
};

} // namespace mirevo
