#pragma once

#include "FakeServices.h"
#include "Grid.h"
#include "Label.h"
#include "MainWindow.h"
#include "PageControl.h"
#include "PictureButton.h"
#include "PracticeCardCells.h"
#include "ProgramState.h"
#include "ReportPage.h"
#include "SettingsFile.h"
#include "StudyLogFile.h"
#include "TempProgramDir.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace mirevo::test {

// The whole program in a temporary program directory: its bank, its settings file and its
// study log, the main window started as the program starts it, and helpers that drive the
// windows with real mouse input. The bank and the log file are the oracle.
class StudyLoopFixture : public ::testing::Test
{
public:
    static void click(Window* window, const QString& name)
    {
        QTest::mouseClick(window->control<QWidget>(name), Qt::LeftButton);
    }
    // A press and release on the option box itself, as a user's click lands.
    static void choose(Window* window, const QString& name)
    {
        QWidget* box = window->control<QWidget>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    }
    // The card cell of question k in the practice window.
    static PictureButton* cell(Window* window, int k) { return cardCell(window, k); }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        ASSERT_EQ(createDefaultSettingsFile(dir.filePath(QStringLiteral("配置文件.ini"))), 0);
    }
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget); window && window != main)
                window->closeWindow();
        }
        settle();
        mainWindow.reset();
        settle();
    }

    void start()
    {
        mainWindow = std::make_unique<MainWindow>(state, fakes.services(), dir.path());
        ASSERT_TRUE(mainWindow->open());
        main = mainWindow->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    QString logPath() const { return dir.filePath(QStringLiteral("学习记录.db")); }
    StudyLogFile logFile() const { return StudyLogFile(logPath()); }
    int logCount(const QString& where) const
    {
        return logFile().value(QStringLiteral("SELECT count(*) FROM ") + where).toInt();
    }
    QVariant bankValue(const QString& sql) const { return dir.bankValue(sql); }

    void insert(const QString& table, const QList<BankQuestion>& questions)
    {
        ASSERT_TRUE(dir.insertQuestions(table, questions)) << dir.error().toStdString();
    }
    static BankQuestion question(qint64 id, int chapter, const QString& type = QStringLiteral("单选题"),
                                 const QString& answer = QStringLiteral("A"))
    {
        return TempProgramDir::question(id, QString::number(chapter), type, answer);
    }

    void clickMain(const QString& name) { click(main, name); }

    static Window* topLevel(const QString& title)
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && window->title() == title && !window->isClosing())
                return window;
        }
        return nullptr;
    }
    Window* practice() const
    {
        for (const QString& title :
             {QStringLiteral(" 章节练习-初级会计实务"), QStringLiteral(" 章节练习-经济法基础"),
              QStringLiteral(" 错题重练-初级会计实务"), QStringLiteral(" 错题重练-经济法基础")}) {
            if (Window* window = topLevel(title))
                return window;
        }
        return nullptr;
    }

    void pressGridRow(const QString& gridName, int row)
    {
        auto* grid = main->control<Grid>(gridName);
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // The chapter page, chapter `chapter` pressed, and 进入答题.
    Window* openChapter(int chapter)
    {
        clickMain(QStringLiteral("超级按钮_章节"));
        pressGridRow(QStringLiteral("高级表格1"), chapter);
        clickMain(QStringLiteral("超级按钮_章节练习"));
        return practice();
    }
    void closePractice()
    {
        click(practice(), QStringLiteral("按钮_结束答题"));
        settle();
    }

    ReportPage* report() const { return main->findChild<ReportPage*>(); }
    void showReport() { clickMain(QStringLiteral("超级按钮_学习报告")); }
    QTableWidget* reportTable(const QString& name) const { return report()->findChild<QTableWidget*>(name); }
    QString chapterCell(int chapter, int column) const
    {
        return reportTable(QStringLiteral("表格_章节进度"))->item(chapter - 1, column)->text();
    }
    QString summary() const { return report()->findChild<QLabel*>(QStringLiteral("标签_学习概况"))->text(); }
    QString notice() const { return report()->findChild<QLabel*>(QStringLiteral("标签_读取提示"))->text(); }

    TempProgramDir dir;
    FakeServices fakes;
    ProgramState state;
    std::unique_ptr<MainWindow> mainWindow;
    QPointer<Window> main;
};

} // namespace mirevo::test
