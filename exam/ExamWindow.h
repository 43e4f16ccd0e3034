#pragma once

#include "ExamContext.h"
#include "ExamRecording.h"
#include "ExamSession.h"
#include "Scoring.h"

#include <QObject>
#include <QPointer>

namespace mirevo {

class ResultWindow;
class Window;

// The examination window: one paper of currentSubject / currentPaper, question by question
// under its section header, with the answer card, the two-hour countdown, the toolbar and the
// hand-in. Closing it closes the login window, shows the main window and refreshes the paper
// catalogue.
class ExamWindow : public QObject
{
    Q_OBJECT
public:
    // Creates the window (not yet open); the object belongs to it.
    ExamWindow(const ExamContext& context, Window* loginWindow);

    Window* window() const;
    bool open();
    const ExamSession& session() const { return m_session; }

    // Shows question k (1-based); "最后一题！" beyond the paper. Leaves 标签_题号 alone. False,
    // with the question on display left as it is, when question k cannot be read.
    bool showExamQuestion(int k);

private:
    void bindHandlers();
    void created();
    void closing();
    void initExamClock();
    void applyFontSize(int code);
    void loadExamPaper();
    void countdownTick();
    void previousQuestion();
    void nextQuestion();
    void goToQuestion(int from, int to);
    void stayOnQuestion(int k, const ExamCard::Snapshot& card);
    bool leaveQuestion(const QString& newNumber, int itemLeft, int itemEntered);
    void cardItemClicked();
    void markClicked();
    void fontChosen();
    void openResultWindow();

    ExamContext m_context;
    QPointer<Window> m_loginWindow;
    ExamSession m_session;
    ExamRecording m_recording;
    Scoring m_scoring;
    QPointer<ResultWindow> m_resultWindow;
};

} // namespace mirevo
