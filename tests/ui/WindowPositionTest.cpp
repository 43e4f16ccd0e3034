#include "Window.h"
#include "WindowTestSupport.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

QRect workArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

WindowDescription describedWindow(int border, int startPosition)
{
    return {.title = u"w"_s,
            .size = {300, 200},
            .place = {40, 30},
            .border = border,
            .startPosition = startPosition};
}

struct Opened
{
    std::unique_ptr<Window> window;
    bool visibleInCreated = true;
    bool visibleInSizeChanged = true;
    QSize sizeInSizeChanged;
    QStringList events;
};

// Opens a window whose created handler writes `writtenPosition` (when not negative).
Opened openWindow(int border, int startPosition, int writtenPosition)
{
    Opened o;
    o.window = std::make_unique<Window>(describedWindow(border, startPosition));
    Window* w = o.window.get();
    QObject::connect(w, &Window::created, w, [&o, w, writtenPosition] {
        o.events.append(u"created"_s);
        o.visibleInCreated = w->isVisible();
        if (writtenPosition >= 0)
            w->setPosition(writtenPosition);
    });
    QObject::connect(w, &Window::positionChanged, w, [&o] { o.events.append(u"position"_s); });
    QObject::connect(w, &Window::sizeChanged, w, [&o, w] {
        o.events.append(u"size"_s);
        if (w->isOpening()) {
            o.visibleInSizeChanged = w->isVisible();
            o.sizeInSizeChanged = w->frameGeometry().size();
        }
    });
    w->open(false);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    test::settle();
    return o;
}

TEST(WindowPositionTest, OpeningRunsCreatedPositionAndSizeBeforeTheFirstShowing)
{
    Opened o = openWindow(BorderFixed, PositionNormal, -1);
    ASSERT_GE(o.events.size(), 3);
    EXPECT_EQ(o.events.mid(0, 3), (QStringList{u"created"_s, u"position"_s, u"size"_s}));
    EXPECT_FALSE(o.visibleInCreated);
    EXPECT_FALSE(o.visibleInSizeChanged)
        << "a layout done on size changed is in place before the window shows";
    EXPECT_TRUE(o.window->isVisible());
}

TEST(WindowPositionTest, FixedWindowDesignedMaximizedAndWrittenCentredStaysAtItsDesignedPlace)
{
    Opened o = openWindow(BorderFixed, PositionMaximized, PositionCentred);
    EXPECT_EQ(o.window->pos(), QPoint(40, 30));
    EXPECT_EQ(o.window->size(), QSize(300, 200));
}

TEST(WindowPositionTest, FixedWindowWrittenMaximizedFillsTheWorkArea)
{
    Opened o = openWindow(BorderFixed, PositionMaximized, PositionMaximized);
    EXPECT_EQ(o.window->frameGeometry(), workArea());
    EXPECT_EQ(o.events.count(u"size"_s), 2) << "maximizing raises size changed as the user's action would";
}

TEST(WindowPositionTest, WindowDesignedCentredStartsCentredByItsOuterSize)
{
    Opened o = openWindow(BorderFixed, PositionCentred, -1);
    EXPECT_EQ(o.window->frameGeometry().center(), workArea().center());
}

TEST(WindowPositionTest, ResizableWindowCreatedMaximizedStaysMaximizedWhenCentredIsWritten)
{
    Opened o = openWindow(BorderResizable, PositionMaximized, PositionCentred);
    EXPECT_EQ(o.sizeInSizeChanged, workArea().size()) << "created maximized: the handlers see the work area";
    EXPECT_EQ(o.window->frameGeometry().size(), workArea().size());
}

TEST(WindowPositionTest, WritingCentredToAShownMaximizedWindowRestoresAndCentresIt)
{
    Opened o = openWindow(BorderFixed, PositionNormal, PositionMaximized);
    ASSERT_EQ(o.window->frameGeometry(), workArea());

    o.window->setPosition(PositionCentred);
    test::settle();
    EXPECT_EQ(o.window->size(), QSize(300, 200));
    EXPECT_EQ(o.window->frameGeometry().center(), workArea().center());
    EXPECT_EQ(o.window->position(), PositionCentred);
}

TEST(WindowPositionTest, WritingNormalToAShownMaximizedWindowRestoresItsPlace)
{
    Opened o = openWindow(BorderFixed, PositionNormal, PositionMaximized);
    o.window->setPosition(PositionNormal);
    test::settle();
    EXPECT_EQ(o.window->pos(), QPoint(40, 30));
    EXPECT_EQ(o.window->size(), QSize(300, 200));
}

TEST(WindowPositionTest, WritingMaximizedToAShownWindowFillsTheWorkAreaAndRaisesSizeChanged)
{
    Opened o = openWindow(BorderFixed, PositionNormal, -1);
    const qsizetype before = o.events.count(u"size"_s);
    o.window->setPosition(PositionMaximized);
    test::settle();
    EXPECT_EQ(o.window->frameGeometry(), workArea());
    EXPECT_EQ(o.events.count(u"size"_s), before + 1);
}

} // namespace
} // namespace mirevo
