#include "ControlProperties.h"
#include "EditBox.h"
#include "ExamTestSupport.h"
#include "Label.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "Pictures.h"

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class AnswerCardTest : public test::ExamTest
{
protected:
    const ExamCard& card() const { return session().answerCard; }
    QList<PictureButton*> shownItems() const
    {
        QList<PictureButton*> items;
        for (auto* item : get<QWidget>(u"图片框6"_s)->findChildren<PictureButton*>()) {
            if (item->isVisibleTo(exam))
                items << item;
        }
        return items;
    }
    void clickItem(int k) { QTest::mouseClick(card().item(k), Qt::LeftButton); }
    QString resultCaption(const QString& name) const
    {
        return resultWindow()->control<Label>(name)->caption();
    }
    bool resultShows(const QString& pictureName) const
    {
        const QImage shown = resultWindow()->control<PictureBox>(u"图片框1"_s)->picture().toImage();
        return !shown.isNull() && shown == picture(pictureName).toImage();
    }
    void fillPaper(int single, int multiple, int judgement, int indefinite)
    {
        QList<BankQuestion> questions;
        const int counts[] = {single, multiple, judgement, indefinite};
        const QString types[] = {u"单选题"_s, u"多选题"_s, u"判断题"_s, u"不定项选择题"_s};
        for (int section = 0, id = 1; section < 4; ++section) {
            for (int i = 0; i < counts[section]; ++i, ++id)
                questions << test::TempProgramDir::question(id, {}, types[section], u"A"_s);
        }
        ASSERT_TRUE(dir.insertQuestions(u"sw1"_s, questions));
    }
};

TEST_F(AnswerCardTest, TheStandardPaperGetsSixtyOneItemsInTheirSections)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(shownItems().size(), 61);
    EXPECT_FALSE(get<QWidget>(u"按钮1"_s)->isVisibleTo(exam));
    const int tops[] = {1, 27, 53, 79, 133, 159, 239, 265, 345, 371, 397};
    const int rowSizes[] = {6, 6, 6, 6, 6, 6, 6, 4, 6, 6, 3};
    const int sectionStarts[] = {1, 25, 37, 47, 62};
    int k = 0;
    for (int row = 0; row < 11; ++row) {
        for (int column = 0; column < rowSizes[row]; ++column) {
            ++k;
            const PictureButton* item = card().item(k);
            ASSERT_NE(item, nullptr) << k;
            EXPECT_EQ(item->geometry(), QRect(1 + 26 * column, tops[row], 25, 25)) << k;
            EXPECT_EQ(controlTag(item), QString::number(k));
            const int section =
                int(std::upper_bound(sectionStarts, sectionStarts + 5, k) - sectionStarts) - 1;
            EXPECT_EQ(item->caption(), QString::number(k - sectionStarts[section] + 1)) << k;
            EXPECT_EQ(item->buttonStyle(), ExamCard::Untouched);
            EXPECT_EQ(item->backColour(), k == 1 ? ExamCard::current : ExamCard::notAnswered);
        }
    }
    EXPECT_EQ(card().item(62), nullptr);
}

TEST_F(AnswerCardTest, ShortSectionsGetOneItemPerQuestionSoLaterTagsStayInStep)
{
    fillPaper(24, 3, 2, 15);
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(shownItems().size(), 44);
    EXPECT_EQ(card().item(27)->caption(), u"3"_s);
    EXPECT_EQ(card().item(28)->geometry(), QRect(1, 239, 25, 25)) << "judgement starts its own section";
    EXPECT_EQ(card().item(30)->caption(), u"1"_s);
    EXPECT_EQ(controlTag(card().item(30)), u"30"_s);
    EXPECT_EQ(card().item(30)->y(), 345);
}

TEST_F(AnswerCardTest, SectionsOverflowingTheSeventySlotsStopAtTheCard)
{
    fillPaper(24, 40, 10, 15);
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(shownItems().size(), 70);
    EXPECT_EQ(card().item(70)->caption(), u"6"_s) << "the judgement section is cut short";
    EXPECT_EQ(card().item(71), nullptr);
}

TEST_F(AnswerCardTest, AnItemJumpsToItsQuestionAndClearsTheCurrentItem)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    clickItem(30);
    EXPECT_EQ(get<Label>(u"标签_题号"_s)->caption(), u"30"_s);
    EXPECT_TRUE(get<EditBox>(u"编辑框_tm"_s)->content().startsWith(u"第30题"_s));
    EXPECT_EQ(card().colour(1), ExamCard::notAnswered);
    EXPECT_EQ(card().colour(30), ExamCard::notAnswered) << "a jump paints nothing yellow";
    EXPECT_EQ(card().state(30), ExamCard::Untouched);
}

TEST_F(AnswerCardTest, TheResultWindowJudgesTheAnswerGivenDuringThisVisit)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    choose(u"单选框_B"_s); // question 1: B is right
    click(u"按钮_答题解析"_s);
    ASSERT_NE(resultWindow(), nullptr);
    EXPECT_EQ(resultCaption(u"标签_当前题"_s), u"单选题 题号：1"_s);
    EXPECT_EQ(resultCaption(u"标签_本题得分"_s), u"1.5"_s);
    EXPECT_EQ(resultCaption(u"标签_标准答案"_s), u"B"_s);
    EXPECT_EQ(resultCaption(u"标签_你的答案"_s), u"B"_s);
    EXPECT_EQ(resultWindow()->control<EditBox>(u"编辑框1"_s)->content(), u"解析1"_s);
    EXPECT_TRUE(resultShows(u"exam-tick.png"_s));

    click(u"按钮_下一题1"_s);
    click(u"按钮_上一题1"_s);
    click(u"按钮_答题解析"_s);
    EXPECT_EQ(resultCaption(u"标签_你的答案"_s), u"B"_s) << "revisited: the stored answer";
    EXPECT_EQ(resultCaption(u"标签_本题得分"_s), u"1.5"_s);
    EXPECT_TRUE(resultShows(u"exam-tick.png"_s));

    // A question answered in an earlier sitting is judged by what is stored.
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='C' where ID=2"_s));
    click(u"按钮_下一题1"_s);
    click(u"按钮_答题解析"_s);
    EXPECT_EQ(resultCaption(u"标签_你的答案"_s), u"C"_s);

    const QList<std::tuple<int, QString, QString, QString>> cases = {
        {25, u"选择框_A"_s, u"多选题 题号：25"_s, u"0"_s},
        {38, u"单选框_正确"_s, u"判断题 题号：38"_s, u"1"_s},
        {48, u"选择框_C"_s, u"不定项选择题 题号：48"_s, u"0"_s},
    };
    for (const auto& [k, option, title, points] : cases) {
        clickItem(k);
        choose(option);
        click(u"按钮_答题解析"_s);
        EXPECT_EQ(resultCaption(u"标签_当前题"_s), title);
        EXPECT_EQ(resultCaption(u"标签_本题得分"_s), points) << k;
    }
    clickItem(25); // A is preset from the stored answer; AC is right
    choose(u"选择框_C"_s);
    click(u"按钮_答题解析"_s);
    EXPECT_EQ(resultCaption(u"标签_本题得分"_s), u"2"_s);
    EXPECT_TRUE(resultShows(u"exam-tick.png"_s));

    int resultWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->title() == u"答题解析"_s)
            ++resultWindows;
    }
    EXPECT_EQ(resultWindows, 1) << "asking again refreshes the open window";
}

} // namespace
} // namespace mirevo
