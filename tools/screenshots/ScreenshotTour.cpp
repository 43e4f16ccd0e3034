#include "ScreenshotTour.h"

#include "ControlProperties.h"
#include "Grid.h"
#include "Label.h"
#include "PictureButton.h"
#include "SettingsFile.h"
#include "Window.h"
#include "WindowDescription.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Runs queued closes, deferred deletions and pending paints until nothing is left.
void settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void pressGridRow(Grid* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Turns the mouse wheel towards the user over a control, `notches` times.
void wheelDown(QWidget* widget, int notches)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    for (int i = 0; i < notches; ++i) {
        QWheelEvent wheel(centre, widget->mapToGlobal(centre), {},
                          QPoint(0, -QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }
}

} // namespace

ScreenshotTour::ScreenshotTour(QString bankFile, const QString& outputDirectory)
    : m_bankFile(std::move(bankFile)), m_output(outputDirectory)
{}

ScreenshotTour::~ScreenshotTour()
{
    m_mainWindow.reset();
    settle();
}

bool ScreenshotTour::run()
{
    if (!prepareProgramDirectory())
        return false;
    m_mainWindow = std::make_unique<MainWindow>(m_state, m_quiet.services(), m_programDirectory.path());
    if (!m_mainWindow->open())
        return fail(u"the main window did not open"_s);
    m_main = m_mainWindow->window();
    settle();
    return mainPages() && practice() && examination() && settingsAndClearing() && learningReport();
}

bool ScreenshotTour::prepareProgramDirectory()
{
    if (!m_programDirectory.isValid() || !m_output.mkpath(u"."_s))
        return fail(u"cannot create the program or output directory"_s);
    const QString bank = m_programDirectory.filePath(u"mini.dll"_s);
    if (!QFile::copy(m_bankFile, bank))
        return fail(u"cannot copy the question bank "_s + m_bankFile);
    QFile::setPermissions(bank, QFile::ReadOwner | QFile::WriteOwner);
    if (createDefaultSettingsFile(m_programDirectory.filePath(u"配置文件.ini"_s)) != 0)
        return fail(u"cannot write the settings file"_s);
    // Chapters 1 and 2 together: enough questions that the practice card has to scroll.
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mirevo.screenshots"_s);
    db.setDatabaseName(bank);
    const bool merged = db.open() && QSqlQuery(db).exec(u"update swzj set zj='1' where zj='2'"_s);
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(u"mirevo.screenshots"_s);
    return merged || fail(u"cannot prepare the question bank"_s);
}

bool ScreenshotTour::mainPages()
{
    const QStringList pages = {u"首页"_s, u"备考宝典"_s, u"章节"_s, u"收藏"_s, u"模拟"_s};
    const QStringList files = {u"home"_s, u"guide"_s, u"chapters"_s, u"favourites"_s, u"exam"_s};
    const QStringList subjects = {u"超级按钮_会计实务"_s, u"超级按钮_经济法基础"_s};
    for (int subject = 0; subject < 2; ++subject) {
        if (!click(m_main, u"超级按钮_首页"_s) || !click(m_main, subjects[subject]))
            return false;
        for (int page = 0; page < pages.size(); ++page) {
            if (!click(m_main, u"超级按钮_"_s + pages[page]) ||
                !shoot(m_main, u"main-subject%1-%2"_s.arg(subject + 1).arg(files[page])))
                return false;
        }
    }
    return click(m_main, u"超级按钮_首页"_s) && click(m_main, subjects[0]);
}

bool ScreenshotTour::practice()
{
    if (!click(m_main, u"超级按钮_章节"_s))
        return false;
    pressGridRow(m_main->control<Grid>(u"高级表格1"_s), 0);
    if (!click(m_main, u"超级按钮_章节练习"_s))
        return false;
    settle();
    Window* window = otherThanMain();
    if (!window)
        return fail(u"the practice window did not open"_s);
    window->setPosition(PositionCentred);
    settle();
    if (!shoot(window, u"practice-designed"_s) || !click(window, u"按钮_显示答案"_s) ||
        !shoot(window, u"practice-designed-answer"_s))
        return false;
    wheelDown(window->control<QWidget>(u"画板_通用"_s), 2);
    if (!shoot(window, u"practice-designed-card-scrolled"_s))
        return false;
    window->setPosition(PositionMaximized);
    settle();
    if (!shoot(window, u"practice-maximized-answer"_s) || !click(window, u"按钮_显示答案"_s) ||
        !shoot(window, u"practice-maximized"_s) || !click(window, u"按钮_结束答题"_s))
        return false;
    settle();
    return otherThanMain() == nullptr || fail(u"the practice window did not close"_s);
}

bool ScreenshotTour::examination()
{
    if (!click(m_main, u"超级按钮_模拟"_s))
        return false;
    pressGridRow(m_main->control<Grid>(u"高级表格2"_s), 0);
    if (!click(m_main, u"超级按钮_模拟考场"_s))
        return false;
    settle();
    Window* login = topLevel(u"考生登录"_s);
    if (!login)
        return fail(u"the login window did not open"_s);
    if (!shoot(login, u"exam-login"_s) || !click(login, u"按钮_登录"_s))
        return false;
    settle();
    Window* exam = topLevel(u"Mirevo"_s);
    if (!exam)
        return fail(u"the examination window did not open"_s);
    // The countdown shows from the first tick of its timer on.
    QTest::qWait(1100);
    exam->setPosition(PositionCentred);
    settle();
    if (!shoot(exam, u"exam-centred"_s))
        return false;
    exam->setPosition(PositionMaximized);
    settle();

    auto item = [exam](int slot) -> QWidget* {
        for (PictureButton* button : exam->findChildren<PictureButton*>()) {
            if (button->isVisible() && controlTag(button) == QString::number(slot))
                return button;
        }
        return nullptr;
    };
    auto choose = [exam](const QString& name) {
        QWidget* box = exam->control<QWidget>(name);
        if (box)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
        return box != nullptr;
    };
    const QString table = u"sw1"_s;
    const QString first = standardAnswer(table, 1);
    const QString wrong = standardAnswer(table, 2) == u"A"_s ? u"B"_s : u"A"_s;
    if (first.isEmpty() || !choose(u"单选框_"_s + first.left(1)) ||
        !shoot(exam, u"exam-maximized-single"_s) || !resultWindow(u"result-tick"_s))
        return false;
    const QList<std::pair<int, QString>> sections = {
        {2, u"single-second"_s}, {25, u"multiple"_s}, {37, u"judgement"_s}, {47, u"indefinite"_s}};
    for (const auto& [slot, name] : sections) {
        QWidget* cell = item(slot);
        if (!cell)
            return fail(u"answer card item %1 is missing"_s.arg(slot));
        QTest::mouseClick(cell, Qt::LeftButton);
        settle();
        if (slot == 2 && !(choose(u"单选框_"_s + wrong) && resultWindow(u"result-cross"_s)))
            return false;
        if (slot == 25 && !(choose(u"选择框_A"_s) && choose(u"选择框_C"_s)))
            return false;
        if (!shoot(exam, u"exam-maximized-"_s + name))
            return false;
    }
    if (!click(exam, u"按钮_交卷"_s))
        return false;
    settle();
    if (!shoot(exam, u"exam-handed-in"_s))
        return false;

    exam->closeWindow();
    settle();
    return true;
}

bool ScreenshotTour::resultWindow(const QString& name)
{
    Window* exam = topLevel(u"Mirevo"_s);
    if (!exam || !click(exam, u"按钮_答题解析"_s))
        return false;
    settle();
    Window* result = topLevel(u"答题解析"_s);
    if (!result)
        return fail(u"the result window did not open"_s);
    const bool shot = shoot(result, name);
    result->closeWindow();
    settle();
    return shot;
}

bool ScreenshotTour::settingsAndClearing()
{
    if (!click(m_main, u"超级按钮_首页"_s) || !click(m_main, u"超级按钮_系统设置"_s))
        return false;
    settle();
    Window* settings = topLevel(u"系统设置"_s);
    if (!settings || !shoot(settings, u"settings"_s))
        return settings != nullptr || fail(u"the settings window did not open"_s);
    settings->closeWindow();
    if (!click(m_main, u"超级按钮_清除记录"_s))
        return false;
    settle();
    Window* clearing = topLevel(u"清除记录"_s);
    if (!clearing)
        return fail(u"the clearing window did not open"_s);
    const bool shot = shoot(clearing, u"clearing"_s);
    clearing->closeWindow();
    settle();
    return shot;
}

bool ScreenshotTour::learningReport()
{
    if (!restartOnAFreshBank())
        return false;
    // A week of study of both subjects: chapters practised with a wrong answer now and then,
    // papers handed in; the last days in a row.
    struct Session
    {
        int day;
        int subject;
        QList<int> chapters;
        QList<int> papers;
    };
    const QList<Session> week = {
        {0, 1, {1, 2}, {1}},    {0, 2, {1}, {}},        {1, 1, {3}, {}},         {1, 2, {3}, {1}},
        {2, 1, {4, 7}, {2, 3}}, {3, 2, {2, 4}, {2, 3}}, {4, 1, {5, 1}, {4}},     {4, 2, {5}, {}},
        {5, 1, {8}, {}},        {5, 2, {6}, {4, 5}},    {6, 1, {10, 2}, {5, 6}}, {6, 2, {1, 7}, {}},
    };
    constexpr int days = 7;
    const QStringList subjects = {u"超级按钮_会计实务"_s, u"超级按钮_经济法基础"_s};
    const QDateTime start = m_quiet.wallClock.time.addDays(1 - days);
    for (const Session& session : week) {
        m_quiet.wallClock.time = start.addDays(session.day);
        if (!click(m_main, u"超级按钮_首页"_s) || !click(m_main, subjects[session.subject - 1]))
            return false;
        for (const int chapter : session.chapters) {
            if (!practiseChapter(chapter, 8 + (chapter * 3 + session.day) % 9,
                                 2 + (chapter + session.day) % 4))
                return false;
        }
        for (const int paper : session.papers) {
            if (!sitAndHandIn(paper, 45 + (paper * 7 + session.day * 5) % 17, 3 + (paper + session.day) % 4))
                return false;
        }
    }
    for (int subject = 0; subject < 2; ++subject) {
        if (!click(m_main, u"超级按钮_首页"_s) || !click(m_main, subjects[subject]) ||
            !click(m_main, u"超级按钮_学习报告"_s))
            return false;
        auto* tabs = m_main->findChild<QTabWidget*>(u"分页_学习报告"_s);
        if (!tabs)
            return fail(u"the learning report has no tabs"_s);
        const QStringList names = {u"chapters"_s, u"scores"_s, u"trend"_s};
        for (int tab = 0; tab < names.size(); ++tab) {
            tabs->setCurrentIndex(tab);
            if (!shoot(m_main, u"report-subject%1-%2"_s.arg(subject + 1).arg(names[tab])))
                return false;
        }
        tabs->setCurrentIndex(0);
    }
    return true;
}

bool ScreenshotTour::restartOnAFreshBank()
{
    m_mainWindow.reset();
    settle();
    const QString bank = m_programDirectory.filePath(u"mini.dll"_s);
    QFile::remove(m_programDirectory.filePath(u"学习记录.db"_s));
    if (!QFile::remove(bank) || !QFile::copy(m_bankFile, bank))
        return fail(u"cannot copy the question bank again"_s);
    QFile::setPermissions(bank, QFile::ReadOwner | QFile::WriteOwner);
    m_state = ProgramState();
    m_mainWindow = std::make_unique<MainWindow>(m_state, m_quiet.services(), m_programDirectory.path());
    if (!m_mainWindow->open())
        return fail(u"the main window did not open again"_s);
    m_main = m_mainWindow->window();
    settle();
    return true;
}

namespace {

// The option controls to click for an answer: right, or wrong on purpose.
QStringList choicesFor(const QString& type, const QString& standard, bool wrong, const QString& singlePrefix,
                       const QString& multiplePrefix, const QString& judgementPrefix)
{
    if (type == u"判断题"_s) {
        const bool right = standard == u"正确"_s;
        return {judgementPrefix + (right != wrong ? u"正确"_s : u"错误"_s)};
    }
    if (type == u"单选题"_s) {
        const QString letter = standard.left(1);
        return {singlePrefix + (wrong ? (letter == u"A"_s ? u"B"_s : u"A"_s) : letter)};
    }
    QString letters = standard;
    if (wrong)
        letters = standard.size() > 1 ? standard.left(1) : (standard == u"A"_s ? u"AB"_s : u"A"_s);
    QStringList boxes;
    for (const QChar letter : std::as_const(letters))
        boxes.append(multiplePrefix + letter);
    return boxes;
}

void clickOption(Window* window, const QString& name)
{
    if (QWidget* box = window->control<QWidget>(name))
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
}

// Clicks the options into the answer: a radio box once, each check box whose mark differs
// (a question practised before shows its stored answer).
void answer(Window* window, const QStringList& wanted, const QString& multiplePrefix)
{
    bool boxes = false;
    for (const QString& letter : {u"A"_s, u"B"_s, u"C"_s, u"D"_s}) {
        const QString name = multiplePrefix + letter;
        auto* box = window->control<QAbstractButton>(name);
        if (!box || !box->isVisible())
            continue;
        boxes = true;
        if (box->isChecked() != wanted.contains(name))
            clickOption(window, name);
    }
    if (!boxes && !wanted.isEmpty())
        clickOption(window, wanted.first());
}

} // namespace

bool ScreenshotTour::practiseChapter(int chapter, int questions, int wrongEvery)
{
    if (!click(m_main, u"超级按钮_章节"_s))
        return false;
    pressGridRow(m_main->control<Grid>(u"高级表格1"_s), chapter - 1);
    if (!click(m_main, u"超级按钮_章节练习"_s))
        return false;
    Window* window = otherThanMain();
    if (!window)
        return fail(u"the practice window did not open for the report"_s);
    for (int k = 1; k <= questions; ++k) {
        const QString type = window->control<Label>(u"透明标签_题型"_s)->caption();
        const QString standard = window->control<Label>(u"标签_单选答案"_s)->caption();
        answer(window,
               choicesFor(type, standard, k % wrongEvery == 0, u"单选框_单选"_s, u"选择框_多选"_s,
                          u"单选框_判断"_s),
               u"选择框_多选"_s);
        if (k < questions && !click(window, u"按钮_下一题"_s))
            return false;
    }
    if (!click(window, u"按钮_结束答题"_s))
        return false;
    settle();
    return otherThanMain() == nullptr || fail(u"the practice window did not close"_s);
}

bool ScreenshotTour::sitAndHandIn(int paper, int questions, int wrongEvery)
{
    if (!click(m_main, u"超级按钮_模拟"_s))
        return false;
    pressGridRow(m_main->control<Grid>(u"高级表格2"_s), paper - 1);
    if (!click(m_main, u"超级按钮_模拟考场"_s))
        return false;
    Window* login = topLevel(u"考生登录"_s);
    if (!login || !click(login, u"按钮_登录"_s))
        return login != nullptr || fail(u"the login window did not open for the report"_s);
    Window* exam = topLevel(u"Mirevo"_s);
    if (!exam)
        return fail(u"the examination window did not open for the report"_s);
    for (int k = 1; k <= questions; ++k) {
        const QString standard = exam->control<Label>(u"标签_答案"_s)->caption();
        QString type = u"多选题"_s;
        if (exam->control<QWidget>(u"单选框_A"_s)->isVisible())
            type = u"单选题"_s;
        else if (exam->control<QWidget>(u"单选框_正确"_s)->isVisible())
            type = u"判断题"_s;
        answer(exam,
               choicesFor(type, standard, k % wrongEvery == 0, u"单选框_"_s, u"选择框_"_s, u"单选框_"_s),
               u"选择框_"_s);
        if (!click(exam, u"按钮_下一题1"_s))
            return false;
    }
    if (!click(exam, u"按钮_交卷"_s))
        return false;
    exam->closeWindow();
    settle();
    return true;
}

bool ScreenshotTour::shoot(QWidget* widget, const QString& name)
{
    settle();
    const QString path = m_output.filePath(name + u".png"_s);
    if (!widget->grab().save(path))
        return fail(u"cannot write "_s + path);
    return true;
}

bool ScreenshotTour::click(Window* window, const QString& control)
{
    auto* widget = window ? window->control<QWidget>(control) : nullptr;
    if (!widget)
        return fail(u"no control "_s + control);
    QTest::mouseClick(widget, Qt::LeftButton);
    settle();
    return true;
}

bool ScreenshotTour::fail(const QString& message)
{
    m_error = message;
    return false;
}

Window* ScreenshotTour::topLevel(const QString& title) const
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window->title() == title && !window->isClosing())
            return window;
    }
    return nullptr;
}

Window* ScreenshotTour::otherThanMain() const
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window != m_main && !window->isClosing() && window->isVisible())
            return window;
    }
    return nullptr;
}

QString ScreenshotTour::standardAnswer(const QString& table, int id) const
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mirevo.screenshots.answer"_s);
        db.setDatabaseName(m_programDirectory.filePath(u"mini.dll"_s));
        const bool open = db.open();
        QSqlQuery query(db);
        if (open && query.exec(u"select DA from %1 where ID=%2"_s.arg(table).arg(id)) && query.next())
            answer = query.value(0).toString().trimmed();
    }
    QSqlDatabase::removeDatabase(u"mirevo.screenshots.answer"_s);
    return answer;
}

} // namespace mirevo
