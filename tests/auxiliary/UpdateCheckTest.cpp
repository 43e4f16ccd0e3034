#include "UpdateCheck.h"

#include "BuildConfig.h"
#include "FakeServices.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

struct ExtractCase
{
    const char* name;
    QByteArray page;
    QByteArray start;
    QByteArray end;
    QByteArray expected;
};

void PrintTo(const ExtractCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExtractBetweenMarkersTest : public ::testing::TestWithParam<ExtractCase>
{};

TEST_P(ExtractBetweenMarkersTest, GivesTheBytesBetweenTheMarkers)
{
    const ExtractCase& c = GetParam();
    EXPECT_EQ(extractBetweenMarkers(c.page, c.start, c.end), c.expected);
}

QByteArray gbk(const QString& text)
{
    return QStringEncoder("GBK").encode(text);
}

const QByteArray s8 = "1234567=";
const QByteArray e8 = "=7654321";

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractBetweenMarkersTest,
    ::testing::Values(
        ExtractCase{"adjacent", "1234567=3.0=7654321", s8, e8, "3.0"},
        ExtractCase{"embedded", "<p>1234567=3.0=7654321</p>", s8, e8, "3.0"},
        ExtractCase{"trailing_blank_kept", "1234567=3.0 =7654321", s8, e8, "3.0 "},
        ExtractCase{"markers_touch", "1234567==7654321", s8, e8, ""},
        ExtractCase{"end_marker_only_before_start", "=76543211234567=3.0", s8, e8, ""},
        ExtractCase{"no_end_marker", "1234567=3.0", s8, e8, ""}, ExtractCase{"empty_page", "", s8, e8, ""},
        ExtractCase{"first_start_marker_wins", "1234567=A1234567=B=7654321", s8, e8, "A1234567=B"},
        ExtractCase{"first_end_marker_after_start", "1234567=2.9=7654321=7654321", s8, e8, "2.9"},
        // Absent start: p1 = −1, so the result runs from byte 7 up to the end marker.
        ExtractCase{"no_start_marker_end_late", "abcdefghijkl=7654321", s8, e8, "ghijkl"},
        ExtractCase{"no_start_marker_end_early", "=7654321abcdefgh", s8, e8, ""},
        ExtractCase{"letters_ignore_case", "<B>Ver=2.1</b>", "<b>VER=", "</B>", "2.1"},
        // The end marker is searched from p1 + its own length, not from the end of the start.
        ExtractCase{"long_end_searched_past_start", "<####x####", "<", "####", "####x"},
        ExtractCase{"short_end_found_inside_start", "abcdXc", "abcd", "c", ""},
        ExtractCase{"gbk_bytes_between", gbk(u"版本1234567=三点零=7654321"_s), s8, e8, gbk(u"三点零"_s)},
        ExtractCase{"empty_start_marker", "abc=7654321", "", e8, ""},
        ExtractCase{"empty_end_marker", "1234567=3.0", s8, "", ""}),
    [](const ::testing::TestParamInfo<ExtractCase>& info) { return std::string(info.param.name); });

struct UpdateCase
{
    const char* name;
    QByteArray page;
    bool notice;
};

void PrintTo(const UpdateCase& c, std::ostream* os)
{
    *os << c.name;
}

class UpdateCheckTest : public ::testing::TestWithParam<UpdateCase>
{
protected:
    test::FakeHttp http;
    test::FakeMessageBox messageBox;
};

TEST_P(UpdateCheckTest, ShowsTheNoticeOnlyForAnotherVersion)
{
    http.body = GetParam().page;
    runUpdateCheck(http, messageBox, u"软件版本：3.0"_s);
    EXPECT_EQ(http.requested, QStringList{updatePageAddress()});
    if (!GetParam().notice) {
        EXPECT_TRUE(messageBox.shown.isEmpty());
        return;
    }
    ASSERT_EQ(messageBox.shown.size(), 1);
    EXPECT_EQ(messageBox.shown[0].text, u"当前版本已过旧，,请及时更新!"_s);
    EXPECT_EQ(messageBox.shown[0].style, 0);
    EXPECT_EQ(messageBox.shown[0].title, u"信息："_s);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, UpdateCheckTest,
    ::testing::Values(
        UpdateCase{"same_version", "<html>1234567=3.0=7654321</html>", false},
        UpdateCase{"newer_version", "<html>1234567=3.1=7654321</html>", true},
        UpdateCase{"version_with_blank", "1234567=3.0 =7654321", true},
        UpdateCase{"two_versions_first_counts", "1234567=3.0=7654321 1234567=3.1=7654321", false},
        UpdateCase{"first_of_two_is_newer", "1234567=3.1=7654321 1234567=3.0=7654321", true},
        UpdateCase{"failed_fetch", "", false},
        UpdateCase{"no_markers", "<html>Service unavailable</html>", false},
        UpdateCase{"end_marker_before_start", "=76543211234567=3.1", false},
        UpdateCase{"only_end_marker", "<html><body>3.1=7654321</body></html>", false},
        UpdateCase{"empty_version", "1234567==7654321", false},
        UpdateCase{"zero_byte_before_markers", QByteArray("ok") + '\0' + " 1234567=3.1=7654321", false},
        UpdateCase{"zero_byte_after_version", QByteArray("1234567=3.1=7654321") + '\0' + "tail", true}),
    [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

TEST(UpdateCheckVersionTest, RunningVersionIsTheLastThreeGbkBytesOfTheCaption)
{
    test::FakeHttp http;
    test::FakeMessageBox messageBox;
    http.body = "1234567=3.1=7654321";
    runUpdateCheck(http, messageBox, u"软件版本：3.1"_s);
    EXPECT_TRUE(messageBox.shown.isEmpty());

    // The last three bytes of "版本10" are the second byte of 本 and the digits: bytes, not
    // characters, are compared.
    http.body = "1234567=" + gbk(u"版本10"_s).right(3) + "=7654321";
    runUpdateCheck(http, messageBox, u"版本10"_s);
    EXPECT_TRUE(messageBox.shown.isEmpty());
    runUpdateCheck(http, messageBox, u"版10"_s);
    EXPECT_EQ(messageBox.shown.size(), 1);
    messageBox.shown.clear();

    http.body = "1234567=3.0=7654321";
    runUpdateCheck(http, messageBox, u"软件版本：13.0"_s);
    EXPECT_TRUE(messageBox.shown.isEmpty()) << "only the last three bytes are the version";
}

} // namespace
} // namespace mirevo
