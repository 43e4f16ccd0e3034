#include "ExamWindow.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "Button.h"
#include "ButtonFace.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlProperties.h"
#include "EditBox.h"
#include "ExamKeys.h"
#include "ExamLayout.h"
#include "ExamStatements.h"
#include "ExamWindowDescriptions.h"
#include "Label.h"
#include "PaperPage.h"
#include "PaperQuery.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "RadioBox.h"
#include "ResultWindow.h"
#include "Settings.h"
#include "Timer.h"
#include "ValueText.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QStringList letters = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
const QString rightWord = u"正确"_s;
const QString wrongWord = u"错误"_s;
constexpr int singleChoiceCount = 24;

const QString singleType = u"单选题"_s;
const QString multipleType = u"多选题"_s;
const QString judgementType = u"判断题"_s;
const QString indefiniteType = u"不定项选择题"_s;

const QString singleHeader = u"一、单项选择题(本类题共24小题，每小题1.5分，共36分。)"_s;
const QString multipleHeader =
    u"二、多项选择题(本类题共12小题，每小题2分，共24分。多选、少选、错选、不选均不得分)"_s;
const QString judgementHeader = u"三、判断题(本类题共10小题，每小题1分，共10分。)"_s;
const QString indefiniteHeader =
    u"四、不定项选择题(本类题共15小题，每小题2分，共30分。多选、少选、错选、不选均不得分)"_s;

QStringList optionControlNames()
{
    QStringList names;
    for (const QString& letter : letters)
        names << u"单选框_"_s + letter;
    for (const QString& letter : letters)
        names << u"选择框_"_s + letter;
    names << u"单选框_"_s + rightWord << u"单选框_"_s + wrongWord;
    return names;
}

} // namespace

ExamWindow::ExamWindow(const ExamContext& context, Window* loginWindow)
    : QObject(new Window(examWindowDescription())), m_context(context), m_loginWindow(loginWindow),
      m_session(*window(), context.state, context.services), m_recording(m_session), m_scoring(m_session)
{
    showPictureAsFace(window()->control<Button>(u"按钮_交卷"_s), u"exam-hand-in.png"_s, Qt::white);
    // The section captions stand a little off the edge of their bars.
    for (const QString& name : {u"标签37"_s, u"标签1"_s, u"标签2"_s, u"标签3"_s})
        window()->control<Label>(name)->setIndent(5);
    bindHandlers();
}

Window* ExamWindow::window() const
{
    return static_cast<Window*>(parent());
}

bool ExamWindow::open()
{
    return window()->open(false);
}

void ExamWindow::bindHandlers()
{
    Window& w = *window();
    connect(&w, &Window::created, this, &ExamWindow::created);
    connect(&w, &Window::aboutToBeDestroyed, this, &ExamWindow::closing);
    // A move or a resize alone may change the size the layout follows.
    connect(&w, &Window::positionChanged, this, [this] { layoutExamWindow(*window()); });
    connect(&w, &Window::sizeChanged, this, [this] { layoutExamWindow(*window()); });

    w.bind(u"时钟1"_s, ControlEvent::TimerTick, [this] { countdownTick(); });
    w.bind(u"按钮_上一题1"_s, ControlEvent::Clicked, [this] { previousQuestion(); });
    w.bind(u"按钮_下一题1"_s, ControlEvent::Clicked, [this] { nextQuestion(); });
    w.bind(u"组合框_字体设置"_s, ControlEvent::SelectionChanged, [this] { fontChosen(); });
    w.bind(u"按钮2"_s, ControlEvent::Clicked, [this] { m_context.services.process.startCalculator(); });
    w.bind(u"按钮_交卷"_s, ControlEvent::Clicked, [this] { m_scoring.submitPaper(); });
    w.bind(u"按钮_答题解析"_s, ControlEvent::Clicked, [this] { openResultWindow(); });
    w.bind(u"选择框_标记"_s, ControlEvent::Clicked, [this] { markClicked(); });
    w.bind(u"按钮1"_s, ControlEvent::Clicked, [this] { cardItemClicked(); });
    // Leaving a sitting that has not been handed in loses nothing, but is asked first.
    w.setCloseGuard([this] {
        return m_scoring.hasHandedIn() ||
               m_context.services.messageBox.show(u"考试尚未交卷，确定要退出吗？"_s, StyleYesNo) == ButtonYes;
    });

    for (const QString& name : optionControlNames())
        w.bind(name, ControlEvent::LeftButtonPressed, [this] { m_recording.optionPressed(); });
    for (const QString& letter : letters) {
        w.bind(u"单选框_"_s + letter, ControlEvent::Clicked,
               [this, letter] { m_recording.singleChoiceClicked(letter); });
        w.bind(u"选择框_"_s + letter, ControlEvent::Clicked, [this] { m_recording.multipleChoiceClicked(); });
    }
    for (const QString& word : {rightWord, wrongWord})
        w.bind(u"单选框_"_s + word, ControlEvent::Clicked,
               [this, word] { m_recording.judgementClicked(word); });
    bindExamKeys(w);
}

void ExamWindow::created()
{
    Window& w = *window();
    w.setPosition(int(m_context.settings.readNumber(ExamWindowState)));
    initExamClock();
    w.control<Label>(u"透明标签2"_s)
        ->setCaption(u"无纸化考试系统--"_s + subjectName(m_context.state.currentSubject));
    const int code = int(m_context.settings.readNumber(AnswerFontCode));
    applyFontSize(code);
    // A code outside the list selects its empty item, as its fonts are the designed ones.
    w.control<ComboBox>(u"组合框_字体设置"_s)->setSelectedIndex(code >= 0 && code <= 4 ? code : 0);
    m_session.examQuestionIds.clear();
    ProgramState& state = m_context.state;
    if (state.currentSubject != 1 && state.currentSubject != 2)
        return;
    state.currentSql = paperStatement(state.currentSubject, state.currentPaper);
    loadExamPaper();
}

void ExamWindow::closing()
{
    window()->control<Timer>(u"时钟1"_s)->setInterval(0);
    if (m_resultWindow)
        m_resultWindow->window()->closeWindow();
    if (m_loginWindow)
        m_loginWindow->closeWindow();
    if (m_context.mainWindow)
        m_context.mainWindow->showRestored();
    if (m_context.paperPage)
        m_context.paperPage->fillPaperCatalogue();
}

void ExamWindow::initExamClock()
{
    m_session.examClock.initExamClock(m_context.state.currentSubject);
    window()->control<Timer>(u"时钟1"_s)->setInterval(1000);
}

void ExamWindow::applyFontSize(int code)
{
    if (code < 1 || code > 4)
        return;
    Window& w = *window();
    setFontSubField(w.control<QWidget>(u"编辑框_tm"_s), FontPointSize, 10 + code);
    for (const QString& name : optionControlNames())
        setFontSubField(w.control<QWidget>(name), FontPointSize, 10 + code);
}

void ExamWindow::loadExamPaper()
{
    ProgramState& state = m_context.state;
    auto* number = window()->control<Label>(u"标签_题号"_s);
    if (!readPaperIds(state, m_session.examQuestionIds)) {
        number->setCaption(u"-1"_s);
        return;
    }
    const int subject = state.currentSubject;
    const int paper = state.currentPaper;
    const int multipleCount = countPaperRows(state, paperTypeStatement(subject, paper, multipleType));
    const int judgementCount = countPaperRows(state, paperTypeStatement(subject, paper, judgementType));
    const int indefiniteCount = countPaperRows(state, paperTypeStatement(subject, paper, indefiniteType));
    showExamQuestion(1);
    m_session.answerCard.buildAnswerCard(singleChoiceCount, multipleCount, judgementCount, indefiniteCount);
    m_session.answerCard.setColour(1, ExamCard::current);
    number->setCaption(u"1"_s);
}

bool ExamWindow::showExamQuestion(int k)
{
    if (k > m_session.examQuestionIds.size()) {
        m_context.services.messageBox.show(u"最后一题！"_s);
        return false;
    }
    Window& w = *window();
    ProgramState& state = m_context.state;
    // A question that cannot be read leaves the one on display as it is.
    const int handle = openQuery(
        state, paperQuestionStatement(state.currentSubject, state.currentPaper, m_session.questionId(k)));
    if (handle == 0 || state.questionBank->IsEOF(handle)) {
        m_context.services.messageBox.show(notReadMessage(state));
        if (handle != 0)
            state.questionBank->CloseTable(handle);
        return false;
    }
    // The mark box shows the question's mark, so that a click visibly takes it off again.
    w.control<CheckBox>(u"选择框_标记"_s)->setChecked(m_session.answerCard.state(k) == ExamCard::Marked);
    w.control<Label>(u"标签_你的答案"_s)->setCaption({});
    // The explanation carrier is written from the question's row below, empty when there is none.
    auto* explanation = w.control<EditBox>(u"编辑框_答题解析"_s);
    const QStringList options = optionControlNames();
    for (const QString& name : options)
        w.control<QAbstractButton>(name)->setChecked(false);
    auto* text = w.control<EditBox>(u"编辑框_tm"_s);
    text->setContent({});

    text->appendText(readColumnText(state, u"TM"_s) + u"\r\n\r\n\r\n"_s);
    m_session.currentQuestionType = readColumnText(state, u"TX"_s);
    w.control<Label>(u"标签_答案"_s)->setCaption(readColumnText(state, u"DA"_s));
    const QString stored = readColumnText(state, u"XXDA"_s);
    m_session.displayedAnswer = stored;
    explanation->setContent(readColumnText(state, u"JX"_s));

    const QString& type = m_session.currentQuestionType;
    const bool choice = type == singleType;
    const bool multiple = type == multipleType || type == indefiniteType;
    const bool judgement = type == judgementType;
    if (choice || multiple || judgement) {
        for (const QString& letter : letters) {
            auto* radio = w.control<RadioBox>(u"单选框_"_s + letter);
            auto* box = w.control<CheckBox>(u"选择框_"_s + letter);
            radio->setVisible(choice);
            box->setVisible(multiple);
            const QString caption = letter + u"."_s + trimmedBlanks(readColumnText(state, u"XX"_s + letter));
            if (choice) {
                radio->setCaption(caption);
                radio->setChecked(stored.contains(letter));
            } else if (multiple) {
                box->setCaption(caption);
                box->setChecked(stored.contains(letter));
            }
        }
        auto* right = w.control<RadioBox>(u"单选框_"_s + rightWord);
        auto* wrong = w.control<RadioBox>(u"单选框_"_s + wrongWord);
        right->setVisible(judgement);
        wrong->setVisible(judgement);
        if (judgement) {
            if (stored == rightWord)
                right->setChecked(true);
            else if (stored == wrongWord)
                wrong->setChecked(true);
        }
        auto* header = w.control<Label>(u"标签_题型"_s);
        if (choice)
            header->setCaption(singleHeader);
        else if (judgement)
            header->setCaption(judgementHeader);
        else
            header->setCaption(type == multipleType ? multipleHeader : indefiniteHeader);
    }
    state.questionBank->CloseTable(handle);
    return true;
}

void ExamWindow::countdownTick()
{
    ExamClock& clock = m_session.examClock;
    window()->control<Label>(u"标签_倒计时"_s)->setCaption(clock.displayText());
    if (clock.countDown())
        return;
    // Time is up while a hand-in waits for its message boxes: the next tick hands in.
    if (m_scoring.isRunning())
        return;
    window()->control<Timer>(u"时钟1"_s)->setInterval(0);
    m_scoring.submitPaper();
}

void ExamWindow::previousQuestion()
{
    const int k = m_session.currentQuestion();
    if (k == 0)
        return;
    if (k == 1) {
        m_context.services.messageBox.show(u"第一题"_s);
        return;
    }
    goToQuestion(k, k - 1);
}

void ExamWindow::nextQuestion()
{
    const int k = m_session.currentQuestion();
    if (k == 0)
        return;
    if (k == m_session.examQuestionIds.size()) {
        m_context.services.messageBox.show(u"最后题"_s);
        return;
    }
    goToQuestion(k, k + 1);
}

void ExamWindow::goToQuestion(int from, int to)
{
    const ExamCard::Snapshot before = m_session.answerCard.snapshot();
    if (!leaveQuestion(QString::number(to), from, to))
        return;
    if (!showExamQuestion(to))
        stayOnQuestion(from, before);
}

void ExamWindow::stayOnQuestion(int k, const ExamCard::Snapshot& card)
{
    window()->control<Label>(u"标签_题号"_s)->setCaption(QString::number(k));
    m_session.answerCard.restore(card);
}

bool ExamWindow::leaveQuestion(const QString& newNumber, int itemLeft, int itemEntered)
{
    Window& w = *window();
    ExamCard& card = m_session.answerCard;
    if (card.state(itemLeft) == ExamCard::Marked) {
        card.setColour(itemLeft, ExamCard::wrong);
    } else {
        // An answer that could not be stored again keeps its question on display.
        bool kept = true;
        if (w.control<QWidget>(u"单选框_A"_s)->isVisibleTo(&w))
            kept = m_recording.saveSingleChoice();
        else if (w.control<QWidget>(u"单选框_"_s + rightWord)->isVisibleTo(&w))
            kept = m_recording.saveJudgement();
        else if (w.control<QWidget>(u"选择框_A"_s)->isVisibleTo(&w))
            kept = m_recording.saveMultipleChoice();
        if (!kept)
            return false;
        if (card.state(itemLeft) == ExamCard::Untouched)
            card.setColour(itemLeft, ExamCard::notAnswered);
    }
    w.control<Label>(u"标签_题号"_s)->setCaption(newNumber);
    card.setColour(itemEntered, ExamCard::current);
    return true;
}

void ExamWindow::cardItemClicked()
{
    const int shown = m_session.currentQuestion();
    const ExamCard::Snapshot before = m_session.answerCard.snapshot();
    const QString tag = controlTag(window()->eventSource());
    window()->control<Label>(u"标签_题号"_s)->setCaption(tag);
    m_session.answerCard.clearCurrent(int(m_session.examQuestionIds.size()));
    if (!showExamQuestion(int(textToNumber(tag))) && shown != 0)
        stayOnQuestion(shown, before);
}

void ExamWindow::markClicked()
{
    m_session.answerCard.toggleMark(m_session.shownNumber(), !m_session.displayedAnswer.isEmpty());
}

void ExamWindow::fontChosen()
{
    auto* fonts = window()->control<ComboBox>(u"组合框_字体设置"_s);
    const int index = fonts->selectedIndex();
    applyFontSize(index);
    if (m_context.settings.writeNumber(AnswerFontCode, fonts->itemDataAt(index)) != 0 &&
        m_context.settings.isReadOnly())
        m_context.services.messageBox.show(u"配置文件是只读的，字体设置未保存。"_s);
}

void ExamWindow::openResultWindow()
{
    // One result window at a time: asking again takes a new snapshot in the open one.
    if (m_resultWindow && !m_resultWindow->window()->isClosing()) {
        m_resultWindow->refresh();
        return;
    }
    m_resultWindow = new ResultWindow(m_session);
    m_resultWindow->open();
}

} // namespace mirevo
