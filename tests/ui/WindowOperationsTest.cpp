#include "Label.h"
#include "PictureButton.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

WindowDescription cardWindow(bool dragAnywhere = false)
{
    WindowDescription d{
        .title = u"card"_s, .size = {300, 300}, .place = {100, 100}, .dragAnywhere = dragAnywhere};
    d.controls.append(
        {.name = u"图片框_通用"_s, .kind = ControlKind::PictureBox, .geometry = {0, 0, 200, 200}});
    d.controls.append({.name = u"超级按钮_通用"_s,
                       .kind = ControlKind::PictureButton,
                       .parent = u"图片框_通用"_s,
                       .geometry = {8, 8, 25, 25},
                       .caption = u"1"_s,
                       .backColour = QColor(255, 255, 255)});
    d.controls.append({.name = u"标签_其后"_s,
                       .kind = ControlKind::Label,
                       .parent = u"图片框_通用"_s,
                       .geometry = {100, 100, 60, 20},
                       .caption = u"其后"_s});
    d.controls.append({.name = u"标签_窗口"_s, .kind = ControlKind::Label, .geometry = {10, 250, 80, 20}});
    d.controls.append({.name = u"按钮_普通"_s, .kind = ControlKind::Button, .geometry = {150, 250, 80, 30}});
    return d;
}

// Window pointers are owned by the window itself once opened: closing deletes it.
Window* openCard(bool dragAnywhere = false)
{
    auto* window = new Window(cardWindow(dragAnywhere));
    window->open(false);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return window;
}

TEST(WindowOperationsTest, CloneInheritsPropertiesAndBindingsAndTheHandlerKnowsItsSource)
{
    QPointer<Window> window = openCard();
    auto* source = window->control<PictureButton>(u"超级按钮_通用"_s);
    QStringList clicked;
    window->bind(source, ControlEvent::Clicked,
                 [&] { clicked.append(static_cast<PictureButton*>(window->eventSource())->caption()); });

    auto* clone = qobject_cast<PictureButton*>(window->cloneControl(source));
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->parentWidget(), source->parentWidget());
    EXPECT_EQ(clone->size(), QSize(25, 25));
    EXPECT_EQ(clone->backColour(), QColor(255, 255, 255));
    clone->setCaption(u"2"_s);
    clone->move(44, 8);

    QTest::mouseClick(clone, Qt::LeftButton);
    QTest::mouseClick(source, Qt::LeftButton);
    EXPECT_EQ(clicked, (QStringList{u"2"_s, u"1"_s}));
    EXPECT_EQ(window->eventSource(), nullptr) << "the event source is only valid inside a handler";
    window->closeWindow();
    test::settle();
}

TEST(WindowOperationsTest, PictureButtonWithAFocusColourShowsItWhileItKeepsTheFocus)
{
    QPointer<Window> window = openCard();
    auto* source = window->control<PictureButton>(u"超级按钮_通用"_s);
    source->setFocusBackColour(QColor(255, 255, 0));
    auto* clone = qobject_cast<PictureButton*>(window->cloneControl(source));
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->focusBackColour(), QColor(255, 255, 0));

    QTest::mouseClick(clone, Qt::LeftButton);
    EXPECT_TRUE(clone->hasFocus()) << "a click gives a button with a focus colour the focus";
    const QImage focused = clone->grab().toImage();
    EXPECT_EQ(focused.pixelColor(2, 2), QColor(255, 255, 0));

    window->control<QWidget>(u"按钮_普通"_s)->setFocus();
    EXPECT_EQ(clone->grab().toImage().pixelColor(2, 2), QColor(255, 255, 255));
    window->closeWindow();
    test::settle();
}

TEST(WindowOperationsTest, CloneIsPlacedJustAfterItsSourceInTheDrawingOrder)
{
    QPointer<Window> window = openCard();
    auto* source = window->control<QWidget>(u"超级按钮_通用"_s);
    QWidget* first = window->cloneControl(source);
    QWidget* second = window->cloneControl(source);
    const QObjectList order = source->parentWidget()->children();
    EXPECT_EQ(order.indexOf(second), order.indexOf(source) + 1);
    EXPECT_EQ(order.indexOf(first), order.indexOf(source) + 2);
    EXPECT_LT(order.indexOf(first), order.indexOf(window->control(u"标签_其后"_s)));
    window->closeWindow();
    test::settle();
}

TEST(WindowOperationsTest, CloseIsQueuedUntilTheRunningHandlerReturns)
{
    QPointer<Window> window = openCard();
    int destroyedEvents = 0;
    bool aliveAfterClose = false;
    QObject::connect(window, &Window::aboutToBeDestroyed, [&] { ++destroyedEvents; });
    window->bind(u"超级按钮_通用"_s, ControlEvent::Clicked, [&] {
        window->closeWindow();
        window->closeWindow();
        aliveAfterClose = window && window->isVisible();
    });
    QTest::mouseClick(window->control<QWidget>(u"超级按钮_通用"_s), Qt::LeftButton);
    EXPECT_TRUE(aliveAfterClose);
    test::settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(destroyedEvents, 1);
}

TEST(WindowOperationsTest, EscClosesTheWindowWithItsAboutToBeDestroyedEvent)
{
    QPointer<Window> window = openCard();
    bool destroyedEvent = false;
    QObject::connect(window, &Window::aboutToBeDestroyed, [&] { destroyedEvent = true; });
    window->activateWindow();
    QTest::keyClick(window, Qt::Key_Escape);
    test::settle();
    EXPECT_TRUE(destroyedEvent);
    EXPECT_TRUE(window.isNull());
}

TEST(WindowOperationsTest, ModalWindowReturnsAtOnceAndBlocksTheOthersUntilItCloses)
{
    QPointer<Window> owner = openCard();
    auto* modal = new Window(cardWindow());
    EXPECT_TRUE(modal->open(true));
    EXPECT_TRUE(modal->isVisible()) << "open returns as soon as the window is shown";
    EXPECT_EQ(QApplication::activeModalWidget(), modal);

    int clicks = 0;
    owner->bind(u"按钮_普通"_s, ControlEvent::Clicked, [&] { ++clicks; });
    // Clicks through the window system, where modality is enforced.
    auto clickButton = [&] {
        auto* button = owner->control<QWidget>(u"按钮_普通"_s);
        QTest::mouseClick(owner->windowHandle(), Qt::LeftButton, {}, button->mapTo(owner, QPoint(5, 5)));
    };
    clickButton();
    EXPECT_EQ(clicks, 0) << "while the modal window is open the others take no input";

    modal->closeWindow();
    test::settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    clickButton();
    EXPECT_EQ(clicks, 1);
    owner->closeWindow();
    test::settle();
}

TEST(WindowOperationsTest, WindowClosedByItsCreatedHandlerIsNeverShown)
{
    auto* window = new Window(cardWindow());
    QPointer<Window> guard(window);
    QStringList events;
    QObject::connect(window, &Window::created, [&] {
        events.append(u"created"_s);
        window->closeWindow();
    });
    QObject::connect(window, &Window::sizeChanged, [&] { events.append(u"size"_s); });
    EXPECT_TRUE(window->open(false));
    EXPECT_FALSE(window->isVisible());
    test::settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(events, QStringList{u"created"_s});
}

TEST(WindowOperationsTest, DragAnywhereMovesTheWindowFromLabelsAndPicturesButNotFromButtons)
{
    QPointer<Window> window = openCard(true);
    int releases = 0;
    window->bind(u"标签_窗口"_s, ControlEvent::LeftButtonReleased, [&] { ++releases; });
    auto* label = window->control<QWidget>(u"标签_窗口"_s);
    const QPoint start = window->pos();

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(label, QPoint(45, 25));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(45, 25));
    test::settle();
    EXPECT_EQ(window->pos(), start + QPoint(40, 20));
    EXPECT_EQ(releases, 0) << "a press that dragged the window is not a click on the label";

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(releases, 1);

    const QPoint afterLabel = window->pos();
    auto* button = window->control<QWidget>(u"按钮_普通"_s);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(45, 25));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(45, 25));
    test::settle();
    EXPECT_EQ(window->pos(), afterLabel);
    window->closeWindow();
    test::settle();
}

} // namespace
} // namespace mirevo
