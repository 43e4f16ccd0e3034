#include "RadioBox.h"

#include "CheckBox.h"
#include "Window.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

// The practice window's answer panel: six radio boxes and four check boxes on one shape box.
WindowDescription answerPanel()
{
    WindowDescription d{.title = u"panel"_s, .size = {400, 200}};
    d.controls.append(
        {.name = u"外形框_通用"_s, .kind = ControlKind::ShapeBox, .geometry = {0, 0, 400, 200}});
    const QStringList radios = {u"单选框_单选A"_s, u"单选框_单选B"_s,    u"单选框_单选C"_s,
                                u"单选框_单选D"_s, u"单选框_判断正确"_s, u"单选框_判断错误"_s};
    for (int i = 0; i < radios.size(); ++i)
        d.controls.append({.name = radios[i],
                           .kind = ControlKind::RadioBox,
                           .parent = u"外形框_通用"_s,
                           .geometry = {10 + 60 * i, 20, 50, 20},
                           .caption = radios[i].right(1)});
    for (int i = 0; i < 4; ++i)
        d.controls.append({.name = u"选择框_多选"_s + QChar(u'A' + i),
                           .kind = ControlKind::CheckBox,
                           .parent = u"外形框_通用"_s,
                           .geometry = {10 + 60 * i, 60, 50, 20},
                           .caption = QString(QChar(u'A' + i))});
    d.controls.append(
        {.name = u"单选框_别处"_s, .kind = ControlKind::RadioBox, .geometry = {10, 120, 80, 20}});
    return d;
}

class RadioBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<Window>(answerPanel());
        window->open(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    RadioBox* radio(const QString& name) { return window->control<RadioBox>(name); }
    CheckBox* check(const QString& name) { return window->control<CheckBox>(name); }
    void checkAll()
    {
        for (RadioBox* box : window->findChildren<RadioBox*>())
            box->setChecked(true);
        for (CheckBox* box : window->findChildren<CheckBox*>())
            box->setChecked(true);
    }

    std::unique_ptr<Window> window;
};

TEST_F(RadioBoxTest, UserClickUnchecksTheOtherRadioBoxesOfTheSameParentOnly)
{
    checkAll();
    QTest::mouseClick(radio(u"单选框_单选B"_s), Qt::LeftButton);

    EXPECT_TRUE(radio(u"单选框_单选B"_s)->isChecked());
    for (const QString& name : {u"单选框_单选A"_s, u"单选框_单选C"_s, u"单选框_单选D"_s, u"单选框_判断正确"_s,
                                u"单选框_判断错误"_s})
        EXPECT_FALSE(radio(name)->isChecked()) << name.toStdString();
    for (const QString& name : {u"选择框_多选A"_s, u"选择框_多选B"_s, u"选择框_多选C"_s, u"选择框_多选D"_s})
        EXPECT_TRUE(check(name)->isChecked()) << name.toStdString();
    EXPECT_TRUE(radio(u"单选框_别处"_s)->isChecked()) << "a radio box of another parent is another group";
}

TEST_F(RadioBoxTest, WritingCheckedChangesOnlyThatBoxAndRaisesNoClick)
{
    int clicks = 0;
    window->bind(u"单选框_单选B"_s, ControlEvent::Clicked, [&] { ++clicks; });
    radio(u"单选框_单选A"_s)->setChecked(true);
    radio(u"单选框_单选B"_s)->setChecked(true);

    EXPECT_TRUE(radio(u"单选框_单选A"_s)->isChecked());
    EXPECT_TRUE(radio(u"单选框_单选B"_s)->isChecked());
    EXPECT_EQ(clicks, 0);

    radio(u"单选框_单选A"_s)->setChecked(false);
    radio(u"单选框_单选B"_s)->setChecked(false);
    EXPECT_FALSE(radio(u"单选框_单选A"_s)->isChecked()) << "every box of a group can be unchecked";
}

TEST_F(RadioBoxTest, ClickingACheckedRadioBoxKeepsItCheckedAndRaisesClicked)
{
    int clicks = 0;
    window->bind(u"单选框_单选C"_s, ControlEvent::Clicked, [&] { ++clicks; });
    QTest::mouseClick(radio(u"单选框_单选C"_s), Qt::LeftButton);
    QTest::mouseClick(radio(u"单选框_单选C"_s), Qt::LeftButton);
    EXPECT_TRUE(radio(u"单选框_单选C"_s)->isChecked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(RadioBoxTest, PressedIsRaisedBeforeClickedAndTheGroupIsSettledWhenClickedRuns)
{
    QStringList order;
    radio(u"单选框_单选A"_s)->setChecked(true);
    window->bind(u"单选框_单选D"_s, ControlEvent::LeftButtonPressed, [&] { order.append(u"pressed"_s); });
    window->bind(u"单选框_单选D"_s, ControlEvent::Clicked, [&] {
        order.append(radio(u"单选框_单选A"_s)->isChecked() ? u"clicked, A still checked"_s : u"clicked"_s);
    });
    QTest::mouseClick(radio(u"单选框_单选D"_s), Qt::LeftButton);
    EXPECT_EQ(order, (QStringList{u"pressed"_s, u"clicked"_s}));
}

TEST_F(RadioBoxTest, ReleasingOutsideMarksThePressButStoresNothing)
{
    int presses = 0;
    int clicks = 0;
    window->bind(u"单选框_单选A"_s, ControlEvent::LeftButtonPressed, [&] { ++presses; });
    window->bind(u"单选框_单选A"_s, ControlEvent::Clicked, [&] { ++clicks; });
    RadioBox* a = radio(u"单选框_单选A"_s);
    QTest::mousePress(a, Qt::LeftButton);
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(a->width() + 30, a->height() + 30));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(a->isChecked());
}

TEST_F(RadioBoxTest, ArrowKeysChooseTheNextBoxOfTheGroupWithoutAPress)
{
    int presses = 0;
    QStringList clicked;
    for (RadioBox* box : window->findChildren<RadioBox*>()) {
        window->bind(box, ControlEvent::LeftButtonPressed, [&] { ++presses; });
        window->bind(box, ControlEvent::Clicked, [&, box] { clicked.append(box->objectName()); });
    }
    radio(u"单选框_单选A"_s)->setFocus();
    QTest::keyClick(radio(u"单选框_单选A"_s), Qt::Key_Down);

    EXPECT_TRUE(radio(u"单选框_单选B"_s)->isChecked());
    EXPECT_EQ(clicked, QStringList{u"单选框_单选B"_s});
    EXPECT_EQ(presses, 0);

    QTest::keyClick(radio(u"单选框_单选B"_s), Qt::Key_Space);
    EXPECT_EQ(clicked.size(), 2) << "the space bar chooses the focused box";
}

} // namespace
} // namespace mirevo
