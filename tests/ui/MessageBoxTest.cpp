#include "SystemServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

struct Seen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QStringList buttonTexts;
};

// Shows a box and presses `press` on it from the event loop, as a user would.
int showAndPress(int style, QMessageBox::StandardButton press, Seen& seen,
                 const QString& title = defaultMessageBoxTitle())
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(box->standardButton(button));
            seen.buttonTexts.append(button->text());
        }
        QTest::mouseClick(box->button(press), Qt::LeftButton);
    });
    QtMessageBoxService service;
    return service.show(u"确定要交卷吗？"_s, style, title);
}

TEST(MessageBoxTest, StyleZeroIsOkOnlyWithTheDefaultTitle)
{
    Seen seen;
    EXPECT_EQ(showAndPress(StyleOk, QMessageBox::Ok, seen), ButtonOk);
    EXPECT_EQ(seen.title, u"信息："_s);
    EXPECT_EQ(seen.text, u"确定要交卷吗？"_s);
    EXPECT_EQ(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST(MessageBoxTest, StyleFourAnswersYesOrNo)
{
    Seen yes;
    EXPECT_EQ(showAndPress(StyleYesNo, QMessageBox::Yes, yes), ButtonYes);
    EXPECT_EQ(yes.buttons.size(), 2);
    Seen no;
    EXPECT_EQ(showAndPress(StyleYesNo, QMessageBox::No, no), ButtonNo);
}

TEST(MessageBoxTest, StyleSixtyFourHasTheInformationIconAndItsOwnTitle)
{
    Seen seen;
    EXPECT_EQ(showAndPress(StyleIconInformation, QMessageBox::Ok, seen, u"评分"_s), ButtonOk);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.title, u"评分"_s);
}

// The buttons speak the program's language, not Qt's English.
TEST(MessageBoxTest, ButtonsReadChinese)
{
    Seen ok;
    showAndPress(StyleOk, QMessageBox::Ok, ok);
    EXPECT_EQ(ok.buttonTexts, QStringList{u"确定"_s});
    Seen yesNo;
    showAndPress(StyleYesNo, QMessageBox::Yes, yesNo);
    ASSERT_EQ(yesNo.buttonTexts.size(), 2);
    EXPECT_TRUE(yesNo.buttonTexts.at(0).startsWith(u"是"_s)) << yesNo.buttonTexts.at(0).toStdString();
    EXPECT_TRUE(yesNo.buttonTexts.at(1).startsWith(u"否"_s)) << yesNo.buttonTexts.at(1).toStdString();
}

// A message that quotes a name with markup in it shows the markup as text.
TEST(MessageBoxTest, TextIsNeverMarkup)
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QtMessageBoxService service;
    service.show(u"<b>R&D</b>"_s, StyleOk, defaultMessageBoxTitle());
}

} // namespace
} // namespace mirevo
