#include "ProgramIcon.h"

#include "Artwork.h"
#include "ArtworkScale.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

int whitePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 240 && c.green() > 240 && c.blue() > 240 ? 1 : 0;
        }
    }
    return count;
}

class ProgramIconTest : public ::testing::TestWithParam<int>
{};

TEST_P(ProgramIconTest, IsARoundedBlueTileWithAWhiteCharacterAndAnOrangeTick)
{
    const int size = GetParam();
    const QImage icon = programIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    ASSERT_TRUE(icon.hasAlphaChannel());
    const auto at = [&](qreal x, qreal y) {
        return icon.pixelColor(qRound(x * size / 256.0), qRound(y * size / 256.0));
    };

    for (const QPoint corner :
         {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(icon.pixelColor(corner).alpha(), 0) << "the tile's corners are round at " << corner.x();
    const QColor tile = at(40, 40);
    EXPECT_EQ(tile.alpha(), 255);
    EXPECT_GT(tile.blue(), tile.red() + 100) << "blue";

    const QColor tick = at(194, 226);
    EXPECT_GT(tick.red(), 200);
    EXPECT_LT(tick.blue(), 100) << "orange below the tick's stroke";

    // The character fills a good part of the upper left of the tile in white.
    const QRect character(size * 40 / 256, size * 40 / 256, size * 130 / 256, size * 130 / 256);
    EXPECT_GT(whitePixels(icon, character), character.width() * character.height() / 8);
}

INSTANTIATE_TEST_SUITE_P(MenuSizes, ProgramIconTest, ::testing::Values(32, 64, 128, 256));

TEST(ProgramIconSizesTest, LargeSizesCastAShadowBelowTheTile)
{
    const QImage icon = programIcon(256);
    EXPECT_EQ(icon.pixelColor(128, 2).alpha(), 0) << "clear above the tile";
    EXPECT_GT(icon.pixelColor(128, 250).alpha(), 0) << "shadow below it";
}

TEST(ProgramIconSizesTest, TheWindowIconIsTheProgramIconAtThirtyTwoAndSixtyFourPixels)
{
    const QList<Artwork> artwork = allArtwork(u"http://chat.example/"_s);
    const auto window = std::find_if(artwork.begin(), artwork.end(),
                                     [](const Artwork& a) { return a.fileName == u"icon.png"_s; });
    ASSERT_NE(window, artwork.end());
    EXPECT_EQ(window->paint(), programIcon(32));
    const ArtworkScale twice(2);
    const QImage large = window->paint();
    EXPECT_EQ(large.size(), QSize(64, 64));
    EXPECT_EQ(large.devicePixelRatio(), 2.0);
    QImage expected = programIcon(64);
    expected.setDevicePixelRatio(2);
    EXPECT_EQ(large, expected);
}

} // namespace
} // namespace mirevo
