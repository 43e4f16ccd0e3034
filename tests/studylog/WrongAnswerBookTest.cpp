#include "WrongAnswerBook.h"

#include <gtest/gtest.h>
#include <vector>

namespace mirevo {
namespace {

struct Walk
{
    const char* name;
    std::vector<bool> attempts; // right or wrong, in order
    BookStanding expected;
};

class WrongAnswerBookWalk : public ::testing::TestWithParam<Walk>
{};

TEST_P(WrongAnswerBookWalk, EndsWhereTheRuleSays)
{
    BookStanding standing;
    for (const bool right : GetParam().attempts)
        standing = afterAttempt(standing, right);
    EXPECT_EQ(standing.inBook, GetParam().expected.inBook);
    EXPECT_EQ(standing.rightInARow, GetParam().expected.rightInARow);
}

INSTANTIATE_TEST_SUITE_P(
    Attempts, WrongAnswerBookWalk,
    ::testing::Values(Walk{"NeverAnswered", {}, {false, 0}},
                      Walk{"RightFirstTimeNeverEnters", {true}, {false, 1}},
                      Walk{"OneWrongEnters", {false}, {true, 0}},
                      Walk{"OneRightAfterWrongStays", {false, true}, {true, 1}},
                      Walk{"TwoRightAfterWrongLeave", {false, true, true}, {false, 2}},
                      Walk{"WrongBetweenRightsStartsTheCountAgain", {false, true, false, true}, {true, 1}},
                      Walk{"RightsBeforeTheWrongDoNotCount", {true, true, false, true}, {true, 1}},
                      Walk{"LeavesAgainAfterASecondStay", {false, true, true, false, true, true}, {false, 2}},
                      Walk{"StaysOutWhileRight", {false, true, true, true}, {false, 3}}),
    [](const ::testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

} // namespace
} // namespace mirevo
