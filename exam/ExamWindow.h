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

    // Shows question k (1-based); "最后一题！" beyond the paper. Leaves 标签_题号 alone.
    void showExamQuestion(int k);

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
    void leaveQuestion(const QString& newNumber, int itemLeft, int itemEntered);
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
