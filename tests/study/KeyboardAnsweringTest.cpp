#include "ControlProperties.h"
#include "StudyLoopFixture.h"
#include "Timer.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

// What the user sees of a window after a step: the card, the question number, the options.
using Snapshot = QStringList;

// One step done once with the mouse, once with a key.
struct Step
{
    std::function<void(Window*)> mouse;
    int key;
};

std::function<void(Window*)> chooseWith(const QString& name)
{
    return [name](Window* window) {
        StudyLoopFixture::choose(window, name);
    };
}

std::function<void(Window*)> clickOn(const QString& name)
{
    return [name](Window* window) {
        StudyLoopFixture::click(window, name);
    };
}

// A key goes to the widget with the focus, as a user's key does.
void pressKey(Window* window, int key)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == window ? target : window, Qt::Key(key));
}

class KeyboardAnsweringTest : public StudyLoopFixture
{
public:
    static QString buttonLook(const PictureButton* button)
    {
        return button->backColour().name() + u"/"_s + QString::number(button->buttonStyle());
    }
    static QString checkedOptions(Window* window, const QStringList& names)
    {
        QString checked;
        for (const QString& name : names) {
            if (window->control<QAbstractButton>(name)->isChecked())
                checked += name.mid(4);
        }
        return checked;
    }

protected:
    // Runs the steps in this program and returns what was seen after each.
    QList<Snapshot> run(Window* window, const QList<Step>& steps, bool keys,
                        const std::function<Snapshot(Window*)>& look)
    {
        QList<Snapshot> seen;
        for (const Step& step : steps) {
            if (keys)
                pressKey(window, step.key);
            else
                step.mouse(window);
            seen.append(look(window));
        }
        return seen;
    }

    void practiseChapterOne()
    {
        insert(u"swzj"_s, {question(1, 1, u"单选题"_s, u"A"_s), question(2, 1, u"多选题"_s, u"AC"_s),
                           question(3, 1, u"判断题"_s, u"正确"_s), question(4, 1, u"单选题"_s, u"D"_s)});
        start();
        window = openChapter(1);
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    Window* window = nullptr;
};

const QStringList practiceOptions = {
    u"单选框_单选A"_s, u"单选框_单选B"_s, u"单选框_单选C"_s, u"单选框_单选D"_s,    u"选择框_多选A"_s,
    u"选择框_多选B"_s, u"选择框_多选C"_s, u"选择框_多选D"_s, u"单选框_判断正确"_s, u"单选框_判断错误"_s};

const QList<Step> practiceSteps = {
    {chooseWith(u"单选框_单选B"_s), Qt::Key_B},    {clickOn(u"按钮_下一题"_s), Qt::Key_PageDown},
    {chooseWith(u"选择框_多选A"_s), Qt::Key_1},    {chooseWith(u"选择框_多选C"_s), Qt::Key_C},
    {chooseWith(u"选择框_多选D"_s), Qt::Key_4},    {chooseWith(u"选择框_多选D"_s), Qt::Key_D},
    {clickOn(u"按钮_下一题"_s), Qt::Key_Return},   {chooseWith(u"单选框_判断错误"_s), Qt::Key_2},
    {chooseWith(u"单选框_判断正确"_s), Qt::Key_Y}, {chooseWith(u"单选框_判断错误"_s), Qt::Key_N},
    {clickOn(u"按钮_下一题"_s), Qt::Key_Enter},    {chooseWith(u"单选框_单选D"_s), Qt::Key_4},
    {clickOn(u"按钮_显示答案"_s), Qt::Key_Space},  {clickOn(u"按钮_上一题"_s), Qt::Key_PageUp},
    {chooseWith(u"单选框_判断正确"_s), Qt::Key_1}, {clickOn(u"按钮_显示答案"_s), Qt::Key_Space},
};

Snapshot practiceLook(Window* window)
{
    Snapshot look{window->control<Label>(u"标签_通用号"_s)->caption(),
                  KeyboardAnsweringTest::checkedOptions(window, practiceOptions),
                  QString::number(window->control<QWidget>(u"外形框_通用"_s)->height())};
    for (int k = 1; k <= 4; ++k)
        look.append(KeyboardAnsweringTest::buttonLook(StudyLoopFixture::cell(window, k)));
    return look;
}

// The same steps, in two program directories of their own, by mouse and by keyboard.
class PracticeKeysMatchTheMouse : public KeyboardAnsweringTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(PracticeKeysMatchTheMouse, StepByStep)
{
    practiseChapterOne();
    const QList<Snapshot> seen = run(window, practiceSteps, GetParam(), practiceLook);
    const QList<Snapshot> expected = {
        {u"1"_s, u"单选B"_s, u"100"_s, u"#ff00ff/1"_s, u"#ffffff/0"_s, u"#ffffff/0"_s, u"#ffffff/0"_s},
        {u"2"_s, u""_s, u"100"_s, u"#ff00ff/1"_s, u"#ffff00/0"_s, u"#ffffff/0"_s, u"#ffffff/0"_s},
        {u"2"_s, u"多选A"_s, u"100"_s, u"#ff00ff/1"_s, u"#ff00ff/1"_s, u"#ffffff/0"_s, u"#ffffff/0"_s},
        {u"2"_s, u"多选A多选C"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ffffff/0"_s, u"#ffffff/0"_s},
        {u"2"_s, u"多选A多选C多选D"_s, u"100"_s, u"#ff00ff/1"_s, u"#ff00ff/1"_s, u"#ffffff/0"_s,
         u"#ffffff/0"_s},
        {u"2"_s, u"多选A多选C"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ffffff/0"_s, u"#ffffff/0"_s},
        {u"3"_s, u""_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ffff00/0"_s, u"#ffffff/0"_s},
        {u"3"_s, u"判断错误"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ff00ff/1"_s, u"#ffffff/0"_s},
        {u"3"_s, u"判断正确"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#00ffff/1"_s, u"#ffffff/0"_s},
        {u"3"_s, u"判断错误"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ff00ff/1"_s, u"#ffffff/0"_s},
        {u"4"_s, u""_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ff00ff/1"_s, u"#ffff00/0"_s},
        {u"4"_s, u"单选D"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s},
        {u"4"_s, u"单选D"_s, u"310"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s},
        {u"3"_s, u"判断错误"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#ffff00/1"_s, u"#00ffff/1"_s},
        {u"3"_s, u"判断正确"_s, u"100"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#00ffff/1"_s, u"#00ffff/1"_s},
        {u"3"_s, u"判断正确"_s, u"310"_s, u"#ff00ff/1"_s, u"#00ffff/1"_s, u"#00ffff/1"_s, u"#00ffff/1"_s},
    };
    ASSERT_EQ(seen.size(), expected.size());
    for (qsizetype i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], expected[i]) << "after step " << i + 1;

    // What the bank holds and what the log says, whichever way the steps were taken.
    QStringList stored;
    for (int id = 1; id <= 4; ++id)
        stored << bankValue(u"select XXDA from swzj where ID=%1"_s.arg(id)).toString();
    EXPECT_EQ(stored, (QStringList{u"B"_s, u"AC"_s, u"正确"_s, u"D"_s}));
    const QList<QVariantList> logged = logFile().rows(
        u"SELECT question, answer, correct, chosen, attempt FROM practice_answer ORDER BY id"_s);
    const QList<QVariantList> expectedLog = {
        {1, u"B"_s, 0, 1, 1},    {1, u"B"_s, 0, 0, 1},    {2, u"A"_s, 0, 1, 2},    {2, u"AC"_s, 1, 1, 2},
        {2, u"ACD"_s, 0, 1, 2},  {2, u"AC"_s, 1, 1, 2},   {2, u"AC"_s, 1, 0, 2},   {3, u"错误"_s, 0, 1, 3},
        {3, u"正确"_s, 1, 1, 3}, {3, u"错误"_s, 0, 1, 3}, {3, u"错误"_s, 0, 0, 3}, {4, u"D"_s, 1, 1, 4},
        {4, u"D"_s, 1, 0, 4},    {3, u"正确"_s, 1, 1, 5},
    };
    EXPECT_EQ(logged, expectedLog);
    EXPECT_EQ(state.studyLog->wrongAnswers(1), (QList<qint64>{1, 3}))
        << "question 3's first attempt ended wrong; its second is one right answer";
}

INSTANTIATE_TEST_SUITE_P(MouseAndKeys, PracticeKeysMatchTheMouse, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Keys" : "Mouse");
                         });

TEST_F(KeyboardAnsweringTest, AKeyForAnOptionTheQuestionDoesNotShowDoesNothing)
{
    practiseChapterOne();
    pressKey(window, Qt::Key_Y);
    pressKey(window, Qt::Key_N);
    EXPECT_TRUE(bankValue(u"select XXDA from swzj where ID=1"_s).toString().isEmpty());
    click(window, u"按钮_下一题"_s);
    click(window, u"按钮_下一题"_s);
    pressKey(window, Qt::Key_C);
    pressKey(window, Qt::Key_3);
    EXPECT_TRUE(bankValue(u"select XXDA from swzj where ID=3"_s).toString().isEmpty());
    EXPECT_EQ(logCount(u"practice_answer"_s), 0);
}

TEST_F(KeyboardAnsweringTest, TheDesignedKeysStayAsTheyWere)
{
    practiseChapterOne();
    auto* a = window->control<QWidget>(u"单选框_单选A"_s);
    a->setFocus();
    pressKey(window, Qt::Key_Down);
    EXPECT_TRUE(window->control<QAbstractButton>(u"单选框_单选B"_s)->isChecked())
        << "arrows move among the radios";
    EXPECT_EQ(bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"B"_s);
    pressKey(window, Qt::Key_Escape);
    settle();
    EXPECT_EQ(practice(), nullptr) << "Esc closes the window";
    EXPECT_TRUE(main->isVisible());
}

TEST_F(KeyboardAnsweringTest, EveryPracticeButtonNamesItsKey)
{
    practiseChapterOne();
    const QList<std::pair<QString, QString>> tips = {
        {u"单选框_单选A"_s, u"快捷键：A 或 1"_s},
        {u"选择框_多选D"_s, u"快捷键：D 或 4"_s},
        {u"单选框_判断正确"_s, u"快捷键：1 或 Y"_s},
        {u"单选框_判断错误"_s, u"快捷键：2 或 N"_s},
        {u"按钮_下一题"_s, u"快捷键：PageDown 或 Enter"_s},
        {u"按钮_上一题"_s, u"快捷键：PageUp"_s},
        {u"按钮_显示答案"_s, u"快捷键：空格"_s},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(window->control<QWidget>(name)->toolTip(), tip) << name.toStdString();
}

class ExamKeysTest : public KeyboardAnsweringTest
{
protected:
    void SetUp() override
    {
        KeyboardAnsweringTest::SetUp();
        QList<BankQuestion> paper;
        for (int k = 1; k <= 61; ++k) {
            const QString type = k <= 24   ? u"单选题"_s
                                 : k <= 36 ? u"多选题"_s
                                 : k <= 46 ? u"判断题"_s
                                           : u"不定项选择题"_s;
            paper << TempProgramDir::question(k, {}, type, k <= 24 ? u"C"_s : k <= 36 ? u"AC"_s : u"正确"_s);
        }
        insert(u"sw1"_s, paper);
    }

    // Starts the program and sits paper 1, its countdown standing still.
    Window* sit()
    {
        start();
        clickMain(u"超级按钮_模拟"_s);
        pressGridRow(u"高级表格2"_s, 1);
        clickMain(u"超级按钮_模拟考场"_s);
        click(topLevel(u"考生登录"_s), u"按钮_登录"_s);
        Window* exam = topLevel(u"Mirevo"_s);
        if (exam) {
            exam->control<Timer>(u"时钟1"_s)->setInterval(0);
            EXPECT_TRUE(QTest::qWaitForWindowActive(exam));
        }
        return exam;
    }
    // The program ends; the next one starts on a bank without the paper's answers.
    void endProgram()
    {
        TearDown();
        ASSERT_TRUE(dir.execute(u"update sw1 set XXDA=''"_s));
        state = ProgramState();
    }

    static Snapshot look(Window* window)
    {
        static const QStringList options = {u"单选框_A"_s,    u"单选框_B"_s,   u"单选框_C"_s, u"单选框_D"_s,
                                            u"选择框_A"_s,    u"选择框_B"_s,   u"选择框_C"_s, u"选择框_D"_s,
                                            u"单选框_正确"_s, u"单选框_错误"_s};
        Snapshot seen{window->control<Label>(u"标签_题号"_s)->caption(),
                      window->control<Label>(u"标签_你的答案"_s)->caption(), checkedOptions(window, options)};
        QStringList items;
        for (PictureButton* button : window->findChildren<PictureButton*>()) {
            if (button->isVisible() && !controlTag(button).isEmpty())
                items.append(controlTag(button).rightJustified(2, u'0') + u":"_s + buttonLook(button));
        }
        items.sort();
        return seen + items;
    }

    // Card jumps are mouse clicks in both runs: there is no key for them.
    QList<Snapshot> sitting(Window* exam, bool keys)
    {
        const QList<Step> steps = {
            {chooseWith(u"单选框_C"_s), Qt::Key_C},         {clickOn(u"选择框_标记"_s), Qt::Key_M},
            {clickOn(u"按钮_下一题1"_s), Qt::Key_PageDown}, {chooseWith(u"单选框_A"_s), Qt::Key_1},
            {clickOn(u"按钮_下一题1"_s), Qt::Key_Return},   {chooseWith(u"单选框_D"_s), Qt::Key_4},
            {clickOn(u"按钮_上一题1"_s), Qt::Key_PageUp},   {clickOn(u"选择框_标记"_s), Qt::Key_M},
            {clickOn(u"选择框_标记"_s), Qt::Key_M},
        };
        QList<Snapshot> seen = run(exam, steps, keys, look);
        jumpTo(exam, 25);
        seen += run(exam, {{chooseWith(u"选择框_A"_s), Qt::Key_A}, {chooseWith(u"选择框_C"_s), Qt::Key_3}},
                    keys, look);
        jumpTo(exam, 37);
        seen +=
            run(exam, {{chooseWith(u"单选框_正确"_s), Qt::Key_Y}, {chooseWith(u"单选框_错误"_s), Qt::Key_2}},
                keys, look);
        return seen;
    }
    QStringList storedAnswers() const
    {
        QStringList stored;
        for (int id : {1, 2, 3, 25, 37})
            stored << bankValue(u"select XXDA from sw1 where ID=%1"_s.arg(id)).toString();
        return stored;
    }

    static void jumpTo(Window* exam, int item)
    {
        for (PictureButton* button : exam->findChildren<PictureButton*>()) {
            if (button->isVisible() && controlTag(button) == QString::number(item))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    }
};

TEST_F(ExamKeysTest, KeysStoreAndPaintWhatTheMouseDoes)
{
    Window* exam = sit();
    ASSERT_TRUE(exam);
    const QList<Snapshot> byMouse = sitting(exam, false);
    const QStringList storedByMouse = storedAnswers();
    EXPECT_EQ(storedByMouse, (QStringList{u"C"_s, u"A"_s, u"D"_s, u"AC"_s, u"错误"_s}));
    EXPECT_EQ(byMouse[0].mid(0, 3), (QStringList{u"1"_s, u"C"_s, u"C"_s}));
    EXPECT_TRUE(byMouse[1].contains(u"01:#ffa8ff/2"_s)) << "marked";
    EXPECT_TRUE(byMouse[2].contains(u"01:#ff0000/2"_s)) << "marked and left";

    endProgram();
    exam = sit();
    ASSERT_TRUE(exam);
    const QList<Snapshot> byKeys = sitting(exam, true);
    ASSERT_EQ(byKeys.size(), byMouse.size());
    for (qsizetype i = 0; i < byKeys.size(); ++i)
        EXPECT_EQ(byKeys[i], byMouse[i]) << "after step " << i + 1;
    EXPECT_EQ(storedAnswers(), storedByMouse);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(ExamKeysTest, EveryExaminationButtonNamesItsKey)
{
    Window* exam = sit();
    ASSERT_TRUE(exam);
    const QList<std::pair<QString, QString>> tips = {
        {u"单选框_B"_s, u"快捷键：B 或 2"_s},
        {u"选择框_C"_s, u"快捷键：C 或 3"_s},
        {u"单选框_正确"_s, u"快捷键：1 或 Y"_s},
        {u"单选框_错误"_s, u"快捷键：2 或 N"_s},
        {u"按钮_下一题1"_s, u"快捷键：PageDown 或 Enter"_s},
        {u"按钮_上一题1"_s, u"快捷键：PageUp"_s},
        {u"选择框_标记"_s, u"快捷键：M"_s},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(exam->control<QWidget>(name)->toolTip(), tip) << name.toStdString();
}

} // namespace
} // namespace mirevo::test
