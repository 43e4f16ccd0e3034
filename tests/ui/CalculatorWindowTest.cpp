#include "CalculatorWindow.h"

#include "SystemServices.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class CalculatorWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Where no calculator program can be started, the built-in one opens.
        SystemProcessService({u"mirevo-no-such-calculator"_s}).startCalculator();
        calculator = qobject_cast<CalculatorWindow*>(QApplication::activeWindow());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<CalculatorWindow*>(widget))
                calculator = found;
        }
        ASSERT_NE(calculator, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(calculator));
        click(u"C"_s);
    }
    void TearDown() override
    {
        if (calculator)
            calculator->close();
    }

    void click(const QString& key)
    {
        auto* button = calculator->findChild<QPushButton*>(key);
        ASSERT_NE(button, nullptr) << key.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickAll(const QStringList& keys)
    {
        for (const QString& key : keys)
            click(key);
    }

    QPointer<CalculatorWindow> calculator;
};

TEST_F(CalculatorWindowTest, WorksOutTheOperationsInTheOrderKeyed)
{
    clickAll({u"1"_s, u"2"_s, u"+"_s, u"3"_s, u"×"_s, u"2"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"30"_s) << "(12 + 3) × 2, as a desk calculator works";
    clickAll({u"C"_s, u"2"_s, u"0"_s, u"0"_s, u"×"_s, u"1"_s, u"7"_s, u"%"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"34"_s);
    clickAll({u"C"_s, u"0"_s, u"."_s, u"1"_s, u"+"_s, u"0"_s, u"."_s, u"2"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"0.3"_s) << "no binary rounding shows";
    clickAll({u"C"_s, u"1"_s, u"0"_s, u"0"_s, u"+"_s, u"1"_s, u"0"_s, u"%"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"110"_s) << "a percent of the running total";
}

TEST_F(CalculatorWindowTest, EditingKeysAndDivisionByZero)
{
    clickAll({u"1"_s, u"2"_s, u"."_s, u"."_s, u"5"_s});
    EXPECT_EQ(calculator->display(), u"12.5"_s) << "one decimal point";
    click(u"←"_s);
    click(u"←"_s);
    EXPECT_EQ(calculator->display(), u"12"_s);
    click(u"±"_s);
    EXPECT_EQ(calculator->display(), u"-12"_s);
    clickAll({u"÷"_s, u"0"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"除数不能为零"_s);
    clickAll({u"7"_s, u"÷"_s, u"2"_s, u"="_s});
    EXPECT_EQ(calculator->display(), u"3.5"_s) << "the error leaves a clear calculator";
}

TEST_F(CalculatorWindowTest, TakesTheKeyboardAndStaysOneWindow)
{
    for (const Qt::Key key : {Qt::Key_9, Qt::Key_Minus, Qt::Key_4, Qt::Key_Return})
        QTest::keyClick(calculator, key);
    EXPECT_EQ(calculator->display(), u"5"_s);
    SystemProcessService(QStringList()).startCalculator();
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows += qobject_cast<CalculatorWindow*>(widget) && widget->isVisible();
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(calculator->display(), u"5"_s) << "asking again brings the same window";
}

} // namespace
} // namespace mirevo
