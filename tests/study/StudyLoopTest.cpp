#include "CheckBox.h"
#include "EditBox.h"
#include "StudyLog.h"
#include "StudyLoopFixture.h"
#include "Timer.h"

#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedBarSeries>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

enum ChapterColumn : int
{
    Name,
    Count,
    Answered,
    Right,
    Accuracy,
    Wrong
};

// The standard answers of the test paper: 24 single, 12 multiple, 10 judgement and 15
// indefinite choice questions.
QString paperType(int k)
{
    return k <= 24 ? u"单选题"_s : k <= 36 ? u"多选题"_s : k <= 46 ? u"判断题"_s : u"不定项选择题"_s;
}

QString paperAnswer(int k)
{
    if (k <= 24)
        return QString(QChar(u'A' + k % 4));
    if (k <= 36 || k > 46)
        return u"AC"_s;
    return k % 2 == 0 ? u"正确"_s : u"错误"_s;
}

class StudyLoopTest : public StudyLoopFixture
{
protected:
    void SetUp() override
    {
        StudyLoopFixture::SetUp();
        insert(u"swzj"_s, {question(1, 1), question(2, 1), question(3, 1), question(4, 2)});
        insert(u"jczj"_s, {question(1, 1, u"判断题"_s, u"正确"_s)});
        QList<BankQuestion> paper;
        for (int k = 1; k <= 61; ++k)
            paper << TempProgramDir::question(k, {}, paperType(k), paperAnswer(k));
        insert(u"sw1"_s, paper);
    }

    // Sits paper 1 of the current subject from the mock page.
    Window* sitPaper()
    {
        clickMain(u"超级按钮_模拟"_s);
        pressGridRow(u"高级表格2"_s, 1);
        clickMain(u"超级按钮_模拟考场"_s);
        Window* login = topLevel(u"考生登录"_s);
        if (!login)
            return nullptr;
        click(login, u"按钮_登录"_s);
        Window* exam = topLevel(u"Mirevo"_s);
        // The countdown stands still while a test runs, so the seconds used are known.
        if (exam)
            exam->control<Timer>(u"时钟1"_s)->setInterval(0);
        return exam;
    }
    void handIn(Window* exam)
    {
        fakes.messageBox.answers = {ButtonYes};
        click(exam, u"按钮_交卷"_s);
    }
    void leaveExam(Window* exam)
    {
        exam->closeWindow();
        settle();
    }
    QString practiceQuestionText(Window* window) const
    {
        return window->control<EditBox>(u"编辑框1"_s)->content();
    }
};

TEST_F(StudyLoopTest, AWrongPracticeAnswerEntersTheBookAndTheReportShowsIt)
{
    start();
    Window* window = openChapter(1);
    ASSERT_TRUE(window);
    choose(window, u"单选框_单选B"_s);
    click(window, u"按钮_下一题"_s);
    choose(window, u"单选框_单选A"_s);
    closePractice();

    const QList<QVariantList> rows = logFile().rows(
        u"SELECT subject, chapter, question, answer, correct, chosen FROM practice_answer ORDER BY id"_s);
    ASSERT_EQ(rows.size(), 3) << "question 1 was stored again as it was left";
    EXPECT_EQ(rows[0], (QVariantList{1, 1, 1, u"B"_s, 0, 1}));
    EXPECT_EQ(rows[1], (QVariantList{1, 1, 1, u"B"_s, 0, 0}));
    EXPECT_EQ(rows[2], (QVariantList{1, 1, 2, u"A"_s, 1, 1}));
    ASSERT_TRUE(state.studyLog);
    EXPECT_EQ(state.studyLog->wrongAnswers(1), QList<qint64>{1});

    showReport();
    EXPECT_EQ(main->control<PageControl>(u"高级选择夹1"_s)->currentPage(), 5);
    EXPECT_EQ(chapterCell(1, Name), u"第一章  资产"_s);
    EXPECT_EQ(chapterCell(1, Count), u"113"_s);
    EXPECT_EQ(chapterCell(1, Answered), u"2"_s);
    EXPECT_EQ(chapterCell(1, Right), u"1"_s);
    EXPECT_EQ(chapterCell(1, Accuracy), u"50%"_s);
    EXPECT_EQ(chapterCell(1, Wrong), u"1"_s);
    EXPECT_EQ(chapterCell(2, Answered), u"0"_s);
    EXPECT_EQ(summary(), u"今日练习 2 题 · 本周 2 题 · 累计 2 题 · 连续学习 1 天"_s);
    EXPECT_TRUE(notice().isEmpty());
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(StudyLoopTest, TwoRightAnswersInARetryTakeTheQuestionOutOfTheBook)
{
    start();
    Window* window = openChapter(1);
    choose(window, u"单选框_单选B"_s);
    click(window, u"按钮_下一题"_s);
    choose(window, u"单选框_单选C"_s);
    closePractice();

    showReport();
    QTableWidget* table = reportTable(u"表格_章节进度"_s);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(0, 0)).center());
    QTest::mouseClick(report()->findChild<QWidget*>(u"按钮_本章错题重练"_s), Qt::LeftButton);
    Window* retry = practice();
    ASSERT_TRUE(retry);
    EXPECT_EQ(retry->title(), u" 错题重练-初级会计实务"_s);
    EXPECT_TRUE(cell(retry, 2) && !cell(retry, 3)) << "the two questions of the book";
    EXPECT_TRUE(practiceQuestionText(retry).startsWith(u"第1题"_s));
    EXPECT_EQ(cell(retry, 1)->backColour(), QColor(255, 255, 0)) << "the card as for a chapter";

    choose(retry, u"单选框_单选A"_s);
    EXPECT_EQ(bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"A"_s);
    EXPECT_EQ(cell(retry, 1)->backColour(), QColor(0, 255, 255));
    EXPECT_EQ(state.studyLog->wrongAnswers(1), (QList<qint64>{1, 2})) << "one right answer";
    click(retry, u"按钮_下一题"_s);
    click(retry, u"按钮_上一题"_s);
    choose(retry, u"单选框_单选A"_s);
    EXPECT_EQ(state.studyLog->wrongAnswers(1), QList<qint64>{2});
    closePractice();

    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(chapterCell(1, Wrong), u"1"_s) << "the report is read again when it shows";
    EXPECT_EQ(chapterCell(1, Right), u"1"_s);
}

TEST_F(StudyLoopTest, TheChapterPageRetriesTheSelectedChapterAndSaysSoWhenItHasNoWrongAnswer)
{
    start();
    Window* window = openChapter(2);
    choose(window, u"单选框_单选D"_s);
    closePractice();

    clickMain(u"超级按钮_章节"_s);
    pressGridRow(u"高级表格1"_s, 1);
    clickMain(u"超级按钮_错题重练"_s);
    EXPECT_EQ(practice(), nullptr);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"本章暂无错题"_s});

    pressGridRow(u"高级表格1"_s, 2);
    clickMain(u"超级按钮_错题重练"_s);
    Window* retry = practice();
    ASSERT_TRUE(retry);
    EXPECT_TRUE(practiceQuestionText(retry).startsWith(u"第4题"_s));
    EXPECT_FALSE(main->isVisible());
    closePractice();

    clickMain(u"超级按钮_经济法基础1"_s);
    showReport();
    QTest::mouseClick(report()->findChild<QWidget*>(u"按钮_全部错题重练"_s), Qt::LeftButton);
    EXPECT_EQ(practice(), nullptr);
    EXPECT_EQ(fakes.messageBox.texts().last(), u"暂无错题"_s);
    QTest::mouseClick(report()->findChild<QWidget*>(u"按钮_本章错题重练"_s), Qt::LeftButton);
    EXPECT_EQ(fakes.messageBox.texts().last(), u"请选择"_s);
}

TEST_F(StudyLoopTest, FavouritesPracticeIsLoggedWithTheQuestionsOwnChapter)
{
    ASSERT_TRUE(dir.execute(u"update swzj set shucang='YES' where ID=4"_s));
    start();
    clickMain(u"超级按钮_收藏"_s);
    clickMain(u"超级按钮_错题重做"_s);
    Window* window = practice();
    ASSERT_TRUE(window);
    choose(window, u"单选框_单选B"_s);
    closePractice();
    EXPECT_EQ(logFile().rows(u"SELECT chapter, question, correct FROM practice_answer"_s),
              (QList<QVariantList>{{2, 4, 0}}));
    EXPECT_EQ(state.studyLog->wrongAnswers(1, 2), QList<qint64>{4});
}

TEST_F(StudyLoopTest, AnAnswerTheBankDidNotKeepIsNotLogged)
{
    start();
    Window* window = openChapter(1);
    ASSERT_TRUE(
        dir.execute(u"CREATE TRIGGER refuse BEFORE UPDATE ON swzj BEGIN SELECT RAISE(ABORT, 'no'); END"_s));
    choose(window, u"单选框_单选B"_s);
    EXPECT_FALSE(fakes.messageBox.shown.isEmpty()) << "the answer was said not stored";
    EXPECT_EQ(logCount(u"practice_answer"_s), 0);
    closePractice();
}

TEST_F(StudyLoopTest, AHandInAppearsInTheHistoryAndTheCharts)
{
    start();
    Window* exam = sitPaper();
    ASSERT_TRUE(exam);
    choose(exam, u"单选框_B"_s);
    handIn(exam);
    const QList<QVariantList> rows = logFile().rows(
        u"SELECT subject, paper, score, single_points, multiple_points, timed_out, seconds_used FROM hand_in"_s);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QVariantList{1, 1, 1.5, 1.5, 0.0, 0, 0}));
    leaveExam(exam);

    showReport();
    auto* tabs = report()->findChild<QTabWidget*>(u"分页_学习报告"_s);
    tabs->setCurrentIndex(2);
    auto* trend = report()->findChild<QChartView*>(u"图表_成绩走势"_s);
    QLineSeries* scores = nullptr;
    for (QAbstractSeries* series : trend->chart()->series()) {
        if (series->objectName() == u"成绩走势"_s)
            scores = qobject_cast<QLineSeries*>(series);
    }
    ASSERT_TRUE(scores);
    EXPECT_EQ(scores->points(), (QList<QPointF>{{1, 1.5}}));
    QTableWidget* list = reportTable(u"表格_最近交卷"_s);
    EXPECT_EQ(list->item(0, 0)->text(), u"第1套"_s);
    EXPECT_EQ(list->item(0, 1)->text(), u"1.5"_s);
    EXPECT_EQ(list->item(0, 2)->text(), u"05-15 09:30"_s);
    EXPECT_TRUE(list->item(1, 0)->text().isEmpty());

    auto* bars = report()->findChild<QChartView*>(u"图表_试卷得分"_s);
    auto* series = qobject_cast<QStackedBarSeries*>(bars->chart()->series().first());
    ASSERT_TRUE(series);
    QBarSet* failed = series->barSets().at(1);
    EXPECT_EQ(failed->label(), u"未及格"_s);
    EXPECT_DOUBLE_EQ(failed->at(0), 1.5) << "the score the bank holds for paper 1";
    EXPECT_DOUBLE_EQ(series->barSets().at(0)->at(0), 0);
}

TEST_F(StudyLoopTest, AHandInAfterTheClockWasSetBackHasNoNegativeDuration)
{
    start();
    Window* exam = sitPaper();
    ASSERT_TRUE(exam);
    fakes.wallClock.time = fakes.wallClock.time.addSecs(-2 * 3600);
    handIn(exam);
    leaveExam(exam);
    EXPECT_EQ(logFile().value(u"SELECT seconds_used FROM hand_in"_s).toInt(), 0);
    EXPECT_LT(logFile().value(u"SELECT ended_at FROM hand_in"_s).toLongLong(),
              logFile().value(u"SELECT started_at FROM hand_in"_s).toLongLong())
        << "the times are what the clock said";
    showReport();
    EXPECT_TRUE(summary().endsWith(u"连续学习 1 天"_s));
    EXPECT_EQ(reportTable(u"表格_最近交卷"_s)->item(0, 3)->text(), u"<1 分钟"_s);
}

TEST_F(StudyLoopTest, ClearingTakesTheMatchingPartsOfTheLog)
{
    start();
    Window* window = openChapter(1);
    choose(window, u"单选框_单选B"_s);
    closePractice();
    Window* exam = sitPaper();
    ASSERT_TRUE(exam);
    choose(exam, u"单选框_B"_s);
    handIn(exam);
    leaveExam(exam);
    clickMain(u"超级按钮_首页"_s);
    clickMain(u"超级按钮_经济法基础"_s);
    window = openChapter(1);
    choose(window, u"单选框_判断错误"_s);
    closePractice();
    clickMain(u"超级按钮_会计实务1"_s);
    ASSERT_EQ(logCount(u"practice_answer WHERE subject=1"_s), 1);
    ASSERT_EQ(logCount(u"hand_in"_s), 1);

    const auto clear = [this](const QStringList& boxes) {
        clickMain(u"超级按钮_首页"_s);
        clickMain(u"超级按钮_清除记录"_s);
        Window* clearing = topLevel(u"清除记录"_s);
        ASSERT_TRUE(clearing);
        for (const QString& box : boxes) {
            auto* check = clearing->control<CheckBox>(box);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        }
        fakes.messageBox.answers = {ButtonYes};
        click(clearing, u"按钮_确定"_s);
        EXPECT_EQ(fakes.messageBox.texts().last(), u"清除完毕！"_s);
        clearing->closeWindow();
        settle();
    };

    clear({u"选择框_考试做题记录"_s});
    EXPECT_EQ(bankValue(u"select count(*) from sw1 where xxda<>''"_s).toInt(), 0);
    EXPECT_EQ(logCount(u"practice_answer"_s), 2) << "a paper's answers are not in the log";
    EXPECT_EQ(logCount(u"hand_in"_s), 1);

    clear({u"选择框_章节做题记录"_s});
    EXPECT_EQ(logCount(u"practice_answer WHERE subject=1"_s), 0);
    EXPECT_EQ(logCount(u"practice_answer WHERE subject=2"_s), 1);
    EXPECT_TRUE(state.studyLog->wrongAnswers(1).isEmpty());
    EXPECT_EQ(state.studyLog->wrongAnswers(2), QList<qint64>{1});
    EXPECT_EQ(logCount(u"hand_in"_s), 1);

    clear({u"选择框_考试得分记录"_s});
    EXPECT_EQ(logCount(u"hand_in"_s), 0);
    EXPECT_EQ(logCount(u"practice_answer WHERE subject=2"_s), 1);

    showReport();
    EXPECT_EQ(chapterCell(1, Wrong), u"0"_s);
    EXPECT_EQ(chapterCell(1, Answered), u"0"_s);
}

TEST_F(StudyLoopTest, AFailedClearingOfTheBankLeavesTheLogAsItWas)
{
    start();
    Window* window = openChapter(1);
    choose(window, u"单选框_单选B"_s);
    closePractice();
    ASSERT_TRUE(
        dir.execute(u"CREATE TRIGGER refuse BEFORE UPDATE ON swzj BEGIN SELECT RAISE(ABORT, 'no'); END"_s));
    clickMain(u"超级按钮_首页"_s);
    clickMain(u"超级按钮_清除记录"_s);
    Window* clearing = topLevel(u"清除记录"_s);
    auto* check = clearing->control<CheckBox>(u"选择框_章节做题记录"_s);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    fakes.messageBox.answers = {ButtonYes};
    click(clearing, u"按钮_确定"_s);
    EXPECT_EQ(fakes.messageBox.texts().last(), u"错误代码！"_s);
    EXPECT_EQ(logCount(u"practice_answer"_s), 1);
    EXPECT_EQ(state.studyLog->wrongAnswers(1), QList<qint64>{1});
}

TEST_F(StudyLoopTest, ADamagedLogIsSaidOnceSetAsideAndTheProgramGoesOn)
{
    QFile damaged(logPath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(5000, 'z'));
    damaged.close();
    start();
    EXPECT_EQ(fakes.messageBox.texts(),
              QStringList{u"无法打开学习记录："_s + QDir::toNativeSeparators(logPath())});
    const QString aside = dir.filePath(u"学习记录.损坏-20240515-093000.db"_s);
    ASSERT_TRUE(QFile::exists(aside));
    EXPECT_EQ(QFileInfo(aside).size(), 5000);
    EXPECT_EQ(state.currentSubject, 1) << "start-up went on";

    Window* window = openChapter(1);
    ASSERT_TRUE(window);
    choose(window, u"单选框_单选C"_s);
    closePractice();
    EXPECT_EQ(bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"C"_s);
    EXPECT_EQ(logCount(u"practice_answer"_s), 1) << "the new log records";
    EXPECT_EQ(fakes.messageBox.shown.size(), 1);
}

TEST_F(StudyLoopTest, ALogHeldByAnotherProgramIsLeftAloneAndTheProgramPractisesWithoutIt)
{
    StudyLog earlier;
    ASSERT_EQ(earlier.open(logPath(), fakes.wallClock.time), StudyLog::Opening::Created);
    earlier.close();
    QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mirevo.test.holder"_s);
    other.setDatabaseName(logPath());
    ASSERT_TRUE(other.open());
    QSqlQuery(other).exec(u"PRAGMA locking_mode=EXCLUSIVE"_s);
    QSqlQuery(other).exec(u"BEGIN EXCLUSIVE"_s);
    start();
    QSqlQuery(other).exec(u"ROLLBACK"_s);
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"mirevo.test.holder"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"学习记录正被其他程序使用，本次不记录学习情况："_s +
                                                    QDir::toNativeSeparators(logPath())});
    EXPECT_EQ(QDir(dir.path()).entryList({u"学习记录*.db"_s}), QStringList{u"学习记录.db"_s});
    EXPECT_EQ(state.studyLog, nullptr);
    Window* window = openChapter(1);
    choose(window, u"单选框_单选B"_s);
    EXPECT_EQ(bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"B"_s);
    closePractice();
    showReport();
    EXPECT_EQ(chapterCell(1, Answered), u"1"_s);
    EXPECT_EQ(chapterCell(1, Wrong), u"—"_s);
    EXPECT_EQ(notice(), u"学习记录不可用：错题、练习量与交卷记录未统计"_s);
    clickMain(u"超级按钮_章节"_s);
    pressGridRow(u"高级表格1"_s, 1);
    clickMain(u"超级按钮_错题重练"_s);
    EXPECT_EQ(practice(), nullptr);
    EXPECT_EQ(logCount(u"practice_answer"_s), 0);
}

TEST_F(StudyLoopTest, AReportOverBrokenBankTablesSaysWhichCouldNotBeRead)
{
    ASSERT_TRUE(dir.execute(u"DROP TABLE swdeifen"_s));
    ASSERT_TRUE(dir.execute(u"ALTER TABLE jczj RENAME COLUMN XXDA TO answer"_s));
    start();
    showReport();
    EXPECT_EQ(notice(), u"无法读取题库表 swdeifen：试卷得分未显示"_s);
    EXPECT_EQ(chapterCell(1, Answered), u"0"_s);
    clickMain(u"超级按钮_经济法基础3"_s);
    EXPECT_EQ(notice(), u"无法读取题库表 jczj：各章已做、做对与正确率未统计"_s);
    EXPECT_EQ(chapterCell(1, Answered), u"—"_s);
    EXPECT_EQ(chapterCell(1, Count), u"134"_s);
}

TEST_F(StudyLoopTest, TheReportFollowsTheSubjectButtonsOfEveryPage)
{
    start();
    showReport();
    auto* accounting = main->control<PictureButton>(u"超级按钮_会计实务3"_s);
    auto* law = main->control<PictureButton>(u"超级按钮_经济法基础3"_s);
    EXPECT_FALSE(accounting->isEnabled());
    EXPECT_TRUE(law->isEnabled());
    EXPECT_EQ(main->control<Label>(u"标签_报告科目"_s)->caption(), u"当前科目:初级会计实务"_s);
    EXPECT_EQ(reportTable(u"表格_章节进度"_s)->rowCount(), 10);

    clickMain(u"超级按钮_经济法基础3"_s);
    EXPECT_EQ(state.currentSubject, 2);
    EXPECT_EQ(main->control<PageControl>(u"高级选择夹1"_s)->currentPage(), 5) << "the page stays";
    EXPECT_EQ(reportTable(u"表格_章节进度"_s)->rowCount(), 7);
    EXPECT_EQ(main->control<Label>(u"标签_报告科目"_s)->caption(), u"当前科目:经济法基础"_s);
    EXPECT_EQ(main->control<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:经济法基础"_s);
    EXPECT_FALSE(main->control<QWidget>(u"超级按钮_经济法基础1"_s)->isEnabled());
    EXPECT_TRUE(accounting->isEnabled());
    EXPECT_FALSE(law->isEnabled());

    clickMain(u"超级按钮_模拟"_s);
    clickMain(u"超级按钮_会计实务2"_s);
    EXPECT_FALSE(accounting->isEnabled());
    showReport();
    EXPECT_EQ(reportTable(u"表格_章节进度"_s)->rowCount(), 10);
}

TEST_F(StudyLoopTest, TheSixthNavigationButtonLooksLikeTheOtherFive)
{
    start();
    auto* report = main->control<PictureButton>(u"超级按钮_学习报告"_s);
    auto* exam = main->control<PictureButton>(u"超级按钮_模拟"_s);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->geometry(), exam->geometry().translated(87, 0));
    EXPECT_EQ(report->lookPicture(PictureButton::Normal).deviceIndependentSize(),
              exam->lookPicture(PictureButton::Normal).deviceIndependentSize());
    EXPECT_FALSE(report->lookPicture(PictureButton::Hover).isNull());
    EXPECT_EQ(report->cursor().shape(), exam->cursor().shape());
}

} // namespace
} // namespace mirevo::test
