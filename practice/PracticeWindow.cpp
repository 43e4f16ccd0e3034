#include "PracticeWindow.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "Button.h"
#include "ControlProperties.h"
#include "EditBox.h"
#include "Label.h"
#include "PictureButton.h"
#include "PracticeCard.h"
#include "PracticeControls.h"
#include "PracticeKeys.h"
#include "PracticeRecording.h"
#include "PracticeStatements.h"
#include "PracticeWindowDescription.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "Settings.h"
#include "Timer.h"
#include "ValueText.h"
#include "Window.h"

#include <QAbstractButton>
#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;
using namespace practiceControls;

namespace {

constexpr int answerHiddenHeight = 100;
constexpr int answerShownHeight = 310;
constexpr int clockInterval = 999;

const QString questionEdit = u"编辑框1"_s;
const QString answerPanel = u"外形框_通用"_s;
const QString explanationEdit = u"编辑框_答案解析"_s;
const QString answerButton = u"按钮_显示答案"_s;
const QString favouriteButton = u"按钮_收藏本题"_s;
const QString showAnswerCaption = u"显示答案"_s;
const QString hideAnswerCaption = u"隐藏答案"_s;
const QString markCaption = u"收藏本题"_s;
const QString unmarkCaption = u"取消收藏"_s;

void setLeft(QWidget* widget, int left)
{
    widget->move(left, widget->y());
}

void setWidth(QWidget* widget, int width)
{
    widget->resize(width, widget->height());
}

void setHeight(QWidget* widget, int height)
{
    widget->resize(widget->width(), height);
}

} // namespace

PracticeWindow::PracticeWindow(Window& mainWindow, ProgramState& state, Services services, Settings& settings,
                               QObject* parent)
    : QObject(parent), m_mainWindow(&mainWindow), m_state(state), m_services(services), m_settings(settings),
      m_window(new Window(practiceWindowDescription())), m_clock(services.clock)
{
    m_card = std::make_unique<PracticeCard>(*m_window);
    m_recording = std::make_unique<PracticeRecording>(*m_window, *m_card, m_state, m_services.messageBox,
                                                      m_services.wallClock, m_practiceQuestionIds);
    connect(m_window, &Window::created, this, &PracticeWindow::openingSequence);
    connect(m_window, &Window::sizeChanged, this, &PracticeWindow::layoutPracticeWindow);
    connect(m_window, &Window::aboutToBeDestroyed, this, &PracticeWindow::closingSequence);
    connect(m_window, &QObject::destroyed, this, &QObject::deleteLater);
    bindHandlers();
}

PracticeWindow::~PracticeWindow()
{
    if (m_window) {
        disconnect(m_window, nullptr, this, nullptr);
        delete m_window;
    }
}

void PracticeWindow::setQuestionList(const QList<qint64>& ids)
{
    m_listQuery = questionListQuery(m_state.currentSubject, ids);
}

bool PracticeWindow::open(bool modal)
{
    return m_window && m_window->open(modal);
}

bool PracticeWindow::isRunning() const
{
    return m_window && !m_window->isClosing();
}

template <class T> T* PracticeWindow::get(const QString& name) const
{
    return m_window->control<T>(name);
}

void PracticeWindow::bindHandlers()
{
    Window& w = *m_window;
    w.bind(u"按钮_上一题"_s, ControlEvent::Clicked, [this] { previousQuestion(); });
    w.bind(u"按钮_下一题"_s, ControlEvent::Clicked, [this] { nextQuestion(); });
    w.bind(answerButton, ControlEvent::Clicked, [this] { toggleAnswer(); });
    w.bind(favouriteButton, ControlEvent::Clicked, [this] { toggleFavourite(); });
    w.bind(u"按钮_计算器"_s, ControlEvent::Clicked, [this] { m_services.process.startCalculator(); });
    w.bind(u"按钮_结束答题"_s, ControlEvent::Clicked, [this] { m_window->closeWindow(); });
    w.bind(u"时钟1"_s, ControlEvent::TimerTick, [this] { updateClock(); });
    // Bound on the template before the card is built, so that every cell inherits it.
    w.bind(u"超级按钮_通用"_s, ControlEvent::Clicked, [this] { cardCellClicked(); });
    m_recording->bindOptions();
    bindPracticeKeys(w);
}

void PracticeWindow::openingSequence()
{
    m_window->setTitle(u" 章节练习-"_s + subjectName(m_state.currentSubject));
    m_window->setPosition(int(m_settings.readNumber(PracticeWindowState)));
    if (m_mainWindow)
        m_mainWindow->hide();
    m_practiceQuestionIds.clear();
    m_clock.start();
    get<Timer>(u"时钟1"_s)->setInterval(clockInterval);

    // Codes 1 … 5 are 11 … 15 points; any other value keeps the designed font.
    const double fontCode = m_settings.readNumber(AnswerFontCode);
    for (int code = 1; code <= 5; ++code) {
        if (fontCode == code)
            setFontSubField(get<QWidget>(questionEdit), FontPointSize, 10 + code);
    }

    if (!m_listQuery.isEmpty()) {
        loadPracticeList(m_listQuery);
        return;
    }
    loadPracticeList(m_state.favouritesMode ? favouritesQuery(m_state.currentSubject)
                                            : chapterQuery(m_state.currentSubject, m_state.currentChapter));
}

void PracticeWindow::loadPracticeList(const QString& query)
{
    const int recordSet = openQuery(m_state, query);
    if (recordSet == 0) {
        get<Label>(numberLabel)->setCaption(u"-1"_s);
        // An empty card: neither the template cell nor the scroll bar is left to act on.
        m_card->build(0);
        showNoQuestion();
        return;
    }
    struct Listed
    {
        qint64 id;
        bool answered;
        bool right;
    };
    QList<Listed> listed;
    QuestionBank& bank = *m_state.questionBank;
    for (; !bank.IsEOF(recordSet); bank.MoveNext(recordSet)) {
        // A row whose ID is no positive integer cannot be addressed exactly: it is passed over.
        const std::optional<qint64> id = readColumnInteger(m_state, u"ID"_s);
        if (!id || *id <= 0)
            continue;
        const QString stored = readColumnText(m_state, u"XXDA"_s);
        listed.append({*id, !stored.isEmpty(), stored == readColumnText(m_state, u"DA"_s)});
    }
    bank.CloseTable(recordSet);
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) { return a.id < b.id; });
    for (const Listed& question : std::as_const(listed))
        m_practiceQuestionIds.append(question.id);

    showPracticeQuestion(1);
    m_card->build(int(m_practiceQuestionIds.size()));
    // The card opens with what the bank holds: every stored answer marked and coloured.
    for (int k = 1; k <= listed.size(); ++k) {
        if (!listed.at(k - 1).answered)
            continue;
        m_card->markAnswered(k);
        m_card->setColour(k,
                          listed.at(k - 1).right ? PracticeCard::Colour::Right : PracticeCard::Colour::Wrong);
    }
    m_card->setColour(1, PracticeCard::Colour::Current);
    get<Label>(numberLabel)->setCaption(u"1"_s);
    if (m_practiceQuestionIds.isEmpty())
        showNoQuestion();
}

void PracticeWindow::showNoQuestion()
{
    // Nothing to answer or to mark: no option controls, and a toggle that cannot be pressed.
    for (const QString& name : allOptions())
        get<QWidget>(name)->hide();
    get<QWidget>(favouriteButton)->setEnabled(false);
}

bool PracticeWindow::showPracticeQuestion(int number)
{
    if (number > m_practiceQuestionIds.size()) {
        m_services.messageBox.show(u"最后一题！"_s);
        return false;
    }
    if (number < 1)
        return false;
    // A question that cannot be read leaves the one on display as it is.
    const int recordSet =
        openQuery(m_state, questionQuery(m_state.currentSubject, m_practiceQuestionIds[number - 1]));
    if (recordSet == 0 || m_state.questionBank->IsEOF(recordSet)) {
        m_services.messageBox.show(notReadMessage(m_state));
        if (recordSet != 0)
            m_state.questionBank->CloseTable(recordSet);
        return false;
    }
    get<Button>(answerButton)->setCaption(showAnswerCaption);
    auto* explanation = get<EditBox>(explanationEdit);
    explanation->setContent(QString());
    for (const QString& name : allOptions())
        get<QAbstractButton>(name)->setChecked(false);
    setHeight(get<QWidget>(answerPanel), answerHiddenHeight);
    auto* question = get<EditBox>(questionEdit);
    question->setContent(QString());

    QStringList texts{readColumnText(m_state, u"TM"_s) + u"\r\n\r\n\r\n"_s};
    const QString type = readColumnText(m_state, u"TX"_s);
    get<Label>(u"透明标签_题型"_s)->setCaption(type);
    if (type != u"判断题"_s) {
        for (const QString& letter : letters)
            texts.append(letter + u'.' + trimmedBlanks(readColumnText(m_state, u"XX"_s + letter)) +
                         u"\r\n"_s);
    }
    question->appendText(texts);
    get<Label>(standardAnswerLabel)->setCaption(readColumnText(m_state, u"DA"_s));
    explanation->setContent(readColumnText(m_state, u"JX"_s));
    get<Button>(favouriteButton)
        ->setCaption(readColumnText(m_state, u"shucang"_s).isEmpty() ? markCaption : unmarkCaption);
    const QString stored = readColumnText(m_state, u"XXDA"_s);
    presetOptions(type, stored);
    m_recording->questionShown(stored, readColumnText(m_state, u"zj"_s));
    m_state.questionBank->CloseTable(recordSet);
    return true;
}

void PracticeWindow::presetOptions(const QString& type, const QString& storedAnswer)
{
    const auto showGroup = [this](bool single, bool multiple, bool trueFalse) {
        for (const QString& letter : letters) {
            get<QWidget>(singleRadio(letter))->setVisible(single);
            get<QWidget>(multipleBox(letter))->setVisible(multiple);
        }
        get<QWidget>(trueRadio)->setVisible(trueFalse);
        get<QWidget>(falseRadio)->setVisible(trueFalse);
    };
    if (type == u"单选题"_s)
        showGroup(true, false, false);
    else if (type == u"多选题"_s)
        showGroup(false, true, false);
    else if (type == u"判断题"_s)
        showGroup(false, false, true);
    checkAnswer(*m_window, type, storedAnswer);
}

int PracticeWindow::displayedIndex() const
{
    const QString shown = get<Label>(numberLabel)->caption();
    for (int i = 1; i <= m_practiceQuestionIds.size(); ++i) {
        if (QString::number(i) == shown)
            return i;
    }
    return 0;
}

void PracticeWindow::previousQuestion()
{
    const int i = displayedIndex();
    if (i == 0)
        return;
    if (i == 1) {
        m_services.messageBox.show(u"第一题"_s);
        return;
    }
    goToQuestion(i, i - 1);
}

void PracticeWindow::nextQuestion()
{
    const int i = displayedIndex();
    if (i == 0)
        return;
    if (i + 1 > m_practiceQuestionIds.size()) {
        m_services.messageBox.show(u"最后题"_s);
        return;
    }
    goToQuestion(i, i + 1);
}

void PracticeWindow::goToQuestion(int from, int to)
{
    const QList<QColor> colours = m_card->colours();
    if (!switchPracticeQuestion(QString::number(to), from, to))
        return;
    if (showPracticeQuestion(to))
        return;
    // The question on display stays: so do its number and the card's colours.
    get<Label>(numberLabel)->setCaption(QString::number(from));
    m_card->restoreColours(colours);
}

bool PracticeWindow::resaveDisplayedAnswer()
{
    if (get<QWidget>(multipleBox(letters.front()))->isHidden())
        return m_recording->resavePracticeSingle() && m_recording->resavePracticeTrueFalse();
    return m_recording->savePracticeMultiple();
}

bool PracticeWindow::switchPracticeQuestion(const QString& newNumber, int oldCell, int newCell)
{
    // An answer that could not be stored again keeps its question on display.
    if (!resaveDisplayedAnswer())
        return false;
    if (!m_card->isMarkedAnswered(oldCell))
        m_card->setColour(oldCell, PracticeCard::Colour::NotAnswered);
    get<Label>(numberLabel)->setCaption(newNumber);
    m_card->setColour(newCell, PracticeCard::Colour::Current);
    return true;
}

void PracticeWindow::toggleAnswer()
{
    auto* button = get<Button>(answerButton);
    if (button->caption() == showAnswerCaption) {
        button->setCaption(hideAnswerCaption);
        setHeight(get<QWidget>(answerPanel), answerShownHeight);
    } else if (button->caption() == hideAnswerCaption) {
        button->setCaption(showAnswerCaption);
        setHeight(get<QWidget>(answerPanel), answerHiddenHeight);
    }
}

void PracticeWindow::toggleFavourite()
{
    const int number = displayedNumber(*m_window);
    if (number < 1 || number > m_practiceQuestionIds.size())
        return;
    auto* button = get<Button>(favouriteButton);
    const bool marking = button->caption() == markCaption;
    if (!marking && button->caption() != unmarkCaption)
        return;
    // The caption follows the bank: it changes only when the mark was written.
    if (!runUpdate(m_state,
                   favouriteUpdate(m_state.currentSubject, marking, m_practiceQuestionIds[number - 1]))) {
        m_services.messageBox.show(
            writeFailureMessage(m_state, marking ? u"收藏未保存。"_s : u"收藏未取消。"_s));
        return;
    }
    button->setCaption(marking ? unmarkCaption : markCaption);
}

void PracticeWindow::cardCellClicked()
{
    const int k = m_card->cellNumber(m_window->eventSource());
    if (k == 0)
        return;
    // Every type is stored again, so that the cell left keeps its colour.
    const int shown = displayedIndex();
    if (!resaveDisplayedAnswer())
        return;
    const QList<QColor> colours = m_card->colours();
    const QString tag = controlTag(m_card->cell(k));
    get<Label>(numberLabel)->setCaption(tag);
    m_card->whitenCurrentCells();
    m_card->setColour(k, PracticeCard::Colour::Current);
    if (showPracticeQuestion(int(textToNumber(tag))))
        return;
    // The question on display stays: so do its number and the card's colours.
    get<Label>(numberLabel)->setCaption(QString::number(shown));
    m_card->restoreColours(colours);
}

void PracticeWindow::updateClock()
{
    const QString text = m_clock.update();
    auto* label = get<Label>(u"标签_通用答题时间"_s);
    if (text != label->caption())
        label->setCaption(text);
}

void PracticeWindow::layoutPracticeWindow()
{
    const int w = m_window->outerWidth();
    const int h = m_window->outerHeight();
    auto* type = get<QWidget>(u"透明标签_题型"_s);
    auto* side = get<QWidget>(u"画板4"_s);
    auto* viewport = get<QWidget>(u"画板_通用"_s);
    auto* scrollBar = get<QWidget>(u"纵向滚动条_通用"_s);
    auto* explanation = get<QWidget>(explanationEdit);
    setLeft(type, w / 2);
    setLeft(get<QWidget>(numberLabel), w / 2 + type->width());
    setWidth(get<QWidget>(u"图片框1"_s), w);
    setLeft(side, w - side->width() - 10);
    setHeight(side, h - side->y() - 35);
    setWidth(get<QWidget>(questionEdit), w - side->width() - 15);
    setHeight(viewport, side->height() - viewport->y() - 10);
    setHeight(scrollBar, side->height() - scrollBar->y() - 5);
    setWidth(explanation, get<QWidget>(answerPanel)->width() - explanation->x() - 10);
}

void PracticeWindow::closingSequence()
{
    if (m_state.questionBank)
        m_state.questionBank->CloseTable(m_state.currentRecordSet);
    m_clock.reset();
    if (m_mainWindow)
        m_mainWindow->showRestored();
}

} // namespace mirevo
