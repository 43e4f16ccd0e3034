#include "CurlHttpService.h"

#include "FakeServices.h"
#include "LocalHttpServer.h"
#include "UpdateCheck.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace mirevo {
namespace {

const QByteArray page = "<html><body>1234567=3.0=7654321</body></html>";

class CurlHttpServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The requests go straight to the local server, whatever proxy the machine names.
        qputenv("no_proxy", "127.0.0.1");
        qputenv("NO_PROXY", "127.0.0.1");
    }
};

TEST_F(CurlHttpServiceTest, SendsAnHttp10GetWithTheBrowserHeadersAndReturnsTheBody)
{
    test::LocalHttpServer server(
        {{"/version.html", test::LocalHttpServer::response("HTTP/1.0 200 OK", page)}});
    ASSERT_TRUE(server.isListening());
    CurlHttpService http;
    EXPECT_EQ(http.get(server.address("/version.html")), page);

    ASSERT_EQ(server.requests().size(), 1);
    QList<QByteArray> lines = server.requests().constFirst().split('\n');
    for (QByteArray& line : lines)
        line = line.trimmed();
    EXPECT_EQ(lines.value(0), "GET /version.html HTTP/1.0");
    EXPECT_EQ(lines.count("User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"), 1);
    EXPECT_EQ(lines.count("Accept: */*"), 1);
    const auto accepts = std::count_if(lines.begin(), lines.end(),
                                       [](const QByteArray& l) { return l.toLower().startsWith("accept:"); });
    EXPECT_EQ(accepts, 1);
}

TEST_F(CurlHttpServiceTest, ErrorStatusGivesAnEmptyBody)
{
    test::LocalHttpServer server(
        {{"/missing",
          test::LocalHttpServer::response("HTTP/1.0 404 Not Found", "<html>1234567=9.9=7654321</html>")},
         {"/broken", test::LocalHttpServer::response("HTTP/1.0 500 Internal Server Error", page)}});
    ASSERT_TRUE(server.isListening());
    CurlHttpService http;
    EXPECT_TRUE(http.get(server.address("/missing")).isEmpty());
    EXPECT_TRUE(http.get(server.address("/broken")).isEmpty());
    EXPECT_EQ(server.requests().size(), 2);
}

TEST_F(CurlHttpServiceTest, FollowsARedirectToTheMovedPage)
{
    test::LocalHttpServer server(
        {{"/old", test::LocalHttpServer::response("HTTP/1.0 302 Found", "moved", "Location: /new\r\n")},
         {"/new", test::LocalHttpServer::response("HTTP/1.0 200 OK", page)}});
    ASSERT_TRUE(server.isListening());
    CurlHttpService http;
    EXPECT_EQ(http.get(server.address("/old")), page);
    EXPECT_EQ(server.requests().size(), 2);
}

TEST_F(CurlHttpServiceTest, ServerThatNeverAnswersGivesEmptyWithinTheTimeOut)
{
    test::LocalHttpServer server({});
    ASSERT_TRUE(server.isListening());
    CurlHttpService http(300ms);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(http.get(server.address("/silent")).isEmpty());
    EXPECT_LT(elapsed.elapsed(), 5000) << "the request must give up at its time-out";
    EXPECT_EQ(server.requests().size(), 1) << "the request reached the server and waited for it";
}

TEST_F(CurlHttpServiceTest, RefusedConnectionAndBadAddressesGiveEmpty)
{
    quint16 closedPort = 0;
    {
        test::LocalHttpServer server({});
        ASSERT_TRUE(server.isListening());
        closedPort = quint16(server.address({}).section(u':', -1).toUInt());
    }
    CurlHttpService http(2s);
    EXPECT_TRUE(http.get(u"http://127.0.0.1:%1/version.html"_s.arg(closedPort)).isEmpty());
    EXPECT_TRUE(http.get(QString()).isEmpty());
    EXPECT_TRUE(http.get(u"file:///etc/hostname"_s).isEmpty()) << "only http and https are fetched";
}

TEST_F(CurlHttpServiceTest, BodyIsCappedAtOneMebibyte)
{
    const QByteArray largest(CurlHttpService::maximumBodySize, 'x');
    test::LocalHttpServer server(
        {{"/largest", test::LocalHttpServer::response("HTTP/1.0 200 OK", largest)},
         {"/too-large", test::LocalHttpServer::response("HTTP/1.0 200 OK", largest + 'x')}});
    ASSERT_TRUE(server.isListening());
    CurlHttpService http;
    EXPECT_EQ(http.get(server.address("/largest")).size(), largest.size());
    EXPECT_TRUE(http.get(server.address("/too-large")).isEmpty());
}

// The update check over the real client: whatever address it asks for is fetched from the
// local server.
class LocalPageHttp final : public HttpService
{
public:
    explicit LocalPageHttp(QString page) : m_page(std::move(page)) {}
    QByteArray get(const QString& address) override
    {
        asked.append(address);
        return m_client.get(m_page);
    }
    QStringList asked;

private:
    QString m_page;
    CurlHttpService m_client{2s};
};

TEST_F(CurlHttpServiceTest, UpdateCheckReadsThePageUpToItsFirstZeroByte)
{
    test::LocalHttpServer server(
        {{"/cut-before-markers", test::LocalHttpServer::response(
                                     "HTTP/1.0 200 OK", QByteArray("<html>") + '\0' + "1234567=3.1=7654321")},
         {"/cut-before-end-marker",
          test::LocalHttpServer::response("HTTP/1.0 200 OK", QByteArray("1234567=3.1") + '\0' + "=7654321")},
         {"/outdated", test::LocalHttpServer::response("HTTP/1.0 200 OK", "1234567=3.1=7654321")}});
    ASSERT_TRUE(server.isListening());
    const QList<std::pair<QByteArray, bool>> cases = {
        {"/cut-before-markers", false}, {"/cut-before-end-marker", false}, {"/outdated", true}};
    for (const auto& [path, notice] : cases) {
        LocalPageHttp http(server.address(path));
        test::FakeMessageBox messageBox;
        runUpdateCheck(http, messageBox, u"软件版本：3.0"_s);
        EXPECT_EQ(http.asked.size(), 1);
        EXPECT_EQ(messageBox.texts(), notice ? QStringList{u"当前版本已过旧，,请及时更新!"_s} : QStringList())
            << path.constData();
    }
    EXPECT_EQ(server.requests().size(), cases.size());
}

} // namespace
} // namespace mirevo
