#pragma once

#include "BankAccess.h"
#include "ExamWindow.h"
#include "FakeServices.h"
#include "Grid.h"
#include "LoginWindow.h"
#include "MainWindowDescription.h"
#include "PaperPage.h"
#include "PictureButton.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "RecordDatabase.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TempProgramDir.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace mirevo::test {

// The standard answers of the test paper: question k (ID k) of 24 single, 12 multiple, 10
// judgement and 15 indefinite choice questions.
inline QString questionType(int k)
{
    if (k <= 24)
        return QStringLiteral("单选题");
    if (k <= 36)
        return QStringLiteral("多选题");
    if (k <= 46)
        return QStringLiteral("判断题");
    return QStringLiteral("不定项选择题");
}

inline QString standardAnswer(int k)
{
    static const QStringList single = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                       QStringLiteral("D")};
    static const QStringList multiple = {QStringLiteral("ABD"), QStringLiteral("AC"), QStringLiteral("BCD")};
    if (k <= 24)
        return single[k % 4];
    if (k <= 36 || k > 46)
        return multiple[k % 3];
    return k % 2 == 0 ? QStringLiteral("正确") : QStringLiteral("错误");
}

// The fake message box, with a hook that runs while a box is open (as a nested event loop
// would run timer ticks).
class HookedMessageBox final : public MessageBoxService
{
public:
    explicit HookedMessageBox(FakeMessageBox& inner) : m_inner(inner) {}
    int show(const QString& text, int style, const QString& title) override
    {
        const int answer = m_inner.show(text, style, title);
        if (whileOpen)
            whileOpen(text);
        return answer;
    }
    std::function<void(const QString&)> whileOpen;

private:
    FakeMessageBox& m_inner;
};

// A temporary program directory with a bank, a settings file and the main window with its
// paper page; papers are sat through the real windows.
class ExamTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        settingsPath = dir.filePath(QStringLiteral("配置文件.ini"));
        ASSERT_EQ(createDefaultSettingsFile(settingsPath), 0);
        ASSERT_EQ(settings.open(settingsPath), 0);
        state.questionBank = &bank;
        ASSERT_TRUE(openQuestionBank(state, dir.path()));
        state.currentSubject = 1;
        mainWindow = new Window(mainWindowDescription());
        page = std::make_unique<PaperPage>(*mainWindow, state, services(), settings);
        ASSERT_TRUE(mainWindow->open(false));
        page->fillPaperCatalogue();
    }

    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget); window && window != mainWindow)
                window->closeWindow();
        }
        settle();
        delete mainWindow;
        page.reset();
        settle();
        bank.CloseDatabase();
        settings.close();
    }

    // Paper `paper` of subject 1 with the standard composition and answers.
    void fillStandardPaper(int paper = 1, const QString& prefix = QStringLiteral("sw"))
    {
        QList<BankQuestion> questions;
        for (int k = 1; k <= 61; ++k)
            questions << TempProgramDir::question(k, {}, questionType(k), standardAnswer(k));
        ASSERT_TRUE(dir.insertQuestions(prefix + QString::number(paper), questions))
            << dir.error().toStdString();
    }

    static Window* topLevel(const QString& title)
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && window->title() == title && !window->isClosing())
                return window;
        }
        return nullptr;
    }

    Window* loginWindow() const { return topLevel(QStringLiteral("考生登录")); }
    Window* examWindow() const { return topLevel(QStringLiteral("Mirevo")); }
    Window* resultWindow() const { return topLevel(QStringLiteral("答题解析")); }

    // Chooses the paper's row on the mock page and enters the examination.
    Window* enterLogin(int paper = 1)
    {
        auto* grid = mainWindow->control<Grid>(QStringLiteral("高级表格2"));
        const QRect cell = grid->visualRect(grid->model()->index(paper - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseClick(mainWindow->control<QWidget>(QStringLiteral("超级按钮_模拟考场")), Qt::LeftButton);
        return loginWindow();
    }

    // Logs in: the examination window of paper `paper`, open.
    Window* sitPaper(int paper = 1)
    {
        Window* login = enterLogin(paper);
        if (!login)
            return nullptr;
        QTest::mouseClick(login->control<QWidget>(QStringLiteral("按钮_登录")), Qt::LeftButton);
        exam = examWindow();
        return exam;
    }

    ExamWindow* examiner() const { return exam->findChild<ExamWindow*>(); }
    const ExamSession& session() const { return examiner()->session(); }

    template <class T> T* get(const QString& name) const { return exam->control<T>(name); }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    // A press and release on the box itself, as a user's click lands.
    void choose(const QString& name)
    {
        QWidget* box = get<QWidget>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    }

    QVariant storedAnswer(int id, int paper = 1) const
    {
        return dir.bankValue(QStringLiteral("select XXDA from sw%1 where ID=%2").arg(paper).arg(id));
    }

    Services services()
    {
        return {messageBox, fakes.process, fakes.address, fakes.http, fakes.clock, fakes.wallClock};
    }

    TempProgramDir dir;
    FakeServices fakes;
    HookedMessageBox messageBox{fakes.messageBox};
    QString settingsPath;
    Settings settings{RecordDatabase::processTables()};
    QuestionBank bank;
    ProgramState state;
    Window* mainWindow = nullptr;
    std::unique_ptr<PaperPage> page;
    QPointer<Window> exam;
};

} // namespace mirevo::test
