#pragma once

#include "BankAccess.h"
#include "Button.h"
#include "ChapterPages.h"
#include "EditBox.h"
#include "FakeServices.h"
#include "Grid.h"
#include "Label.h"
#include "MainWindowDescription.h"
#include "PageControl.h"
#include "PictureButton.h"
#include "PracticeCardCells.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "RecordDatabase.h"
#include "ScrollBar.h"
#include "Settings.h"
#include "TempProgramDir.h"
#include "Timer.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace mirevo::test {

inline const QColor white(255, 255, 255);
inline const QColor yellow(255, 255, 0);
inline const QColor cyan(0, 255, 255);
inline const QColor magenta(255, 0, 255);

// A program directory with a bank and a settings file, the main window on its chapter page with
// the chapter pages bound, and helpers that drive the practice window with real input.
class PracticeFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        ASSERT_EQ(createDefaultSettingsFile(dir.filePath(QStringLiteral("配置文件.ini"))), 0);
    }
    void TearDown() override
    {
        stop();
        settings.close();
    }

    void start(int subject = 1)
    {
        if (!settings.isOpen()) {
            ASSERT_EQ(settings.open(dir.filePath(QStringLiteral("配置文件.ini"))), 0);
        }
        state.questionBank = &bank;
        ASSERT_TRUE(openQuestionBank(state, dir.path()));
        state.currentSubject = subject;
        main = new Window(mainWindowDescription());
        pages = std::make_unique<ChapterPages>(*main, state, fakes.services(), settings);
        ASSERT_TRUE(main->open(false));
        main->control<PageControl>(QStringLiteral("高级选择夹1"))->setCurrentPage(2);
        pages->fillChapterGrid();
    }
    // Program exit: every window goes and the bank is closed.
    void stop()
    {
        pages.reset();
        delete main.data();
        settle();
        bank.CloseDatabase();
    }

    void insert(const QList<BankQuestion>& questions, const QString& table = QStringLiteral("swzj"))
    {
        ASSERT_TRUE(dir.insertQuestions(table, questions)) << dir.error().toStdString();
    }

    void pressChapter(int chapter)
    {
        auto* grid = main->control<Grid>(QStringLiteral("高级表格1"));
        const QRect cell = grid->visualRect(grid->model()->index(chapter - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    Window* openChapter(int chapter = 1)
    {
        pressChapter(chapter);
        click(main, QStringLiteral("超级按钮_章节练习"));
        return practice();
    }
    // The practice window that is open, if any.
    Window* practice() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && window != main && !window->isClosing())
                return window;
        }
        return nullptr;
    }
    void closePractice()
    {
        click(practice(), QStringLiteral("按钮_结束答题"));
        settle();
    }

    template <class T> T* get(const QString& name) const { return practice()->control<T>(name); }
    static void click(Window* window, const QString& name)
    {
        QTest::mouseClick(window->control<QWidget>(name), Qt::LeftButton);
    }
    void click(const QString& name) const { click(practice(), name); }
    QString caption(const QString& name) const { return get<Label>(name)->caption(); }
    bool checked(const QString& name) const { return get<QAbstractButton>(name)->isChecked(); }

    PictureButton* cell(int k) const { return cardCell(practice(), k); }
    int cellCount() const
    {
        int count = 0;
        while (cell(count + 1))
            ++count;
        return count;
    }
    bool raised(int k) const { return cell(k)->buttonStyle() == PictureButton::Raised; }

    QVariant bankValue(const QString& column, qint64 id, const QString& table = QStringLiteral("swzj")) const
    {
        return dir.bankValue(QStringLiteral("select %1 from %2 where ID=%3").arg(column, table).arg(id));
    }
    // Every later update of the table fails in the bank.
    void refuseUpdates(const QString& table = QStringLiteral("swzj"))
    {
        ASSERT_TRUE(dir.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON %1 "
                                               "BEGIN SELECT RAISE(ABORT, 'locked'); END")
                                    .arg(table)));
    }

    static BankQuestion question(qint64 id, const QString& type = QStringLiteral("单选题"),
                                 const QString& answer = QStringLiteral("A"),
                                 const QString& chapter = QStringLiteral("1"))
    {
        return TempProgramDir::question(id, chapter, type, answer);
    }

    TempProgramDir dir;
    FakeServices fakes;
    ProgramState state;
    QuestionBank bank;
    Settings settings{RecordDatabase::processTables()};
    QPointer<Window> main;
    std::unique_ptr<ChapterPages> pages;
};

} // namespace mirevo::test
