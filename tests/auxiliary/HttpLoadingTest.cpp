#include "CurlHttpService.h"
#include "SystemServices.h"

#include <QString>
#include <gtest/gtest.h>
#include <link.h>

using namespace std::chrono_literals;

namespace mirevo {
namespace {

// Whether a shared library whose file name starts with `prefix` is mapped into this process.
bool isLoaded(const char* prefix)
{
    struct Search
    {
        const char* prefix;
        bool found = false;
    } search{prefix};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            const QString path = QString::fromLocal8Bit(info->dlpi_name);
            if (path.mid(path.lastIndexOf(u'/') + 1).startsWith(QLatin1StringView(s->prefix)))
                s->found = true;
            return 0;
        },
        &search);
    return search.found;
}

// libcurl and the libraries it brings cost every start a noticeable time; the program needs them
// only for the update check, which is off unless the user turns it on.
TEST(HttpLoadingTest, LibcurlIsLoadedByTheFirstRequestNotByTheProgramsServices)
{
    {
        SystemServices system;
        EXPECT_FALSE(isLoaded("libcurl")) << "linked or loaded before any request";
    }
    CurlHttpService http(2s);
    EXPECT_TRUE(http.get(QStringLiteral("http://127.0.0.1:1/")).isEmpty()) << "nobody listens on port 1";
    EXPECT_TRUE(isLoaded("libcurl"));
}

} // namespace
} // namespace mirevo
