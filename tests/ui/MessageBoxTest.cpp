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
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(box->standardButton(button));
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

} // namespace
} // namespace mirevo
