#pragma once

#include "PracticeClock.h"
#include "Services.h"
#include "Window.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace mirevo {

class PracticeCard;
class PracticeRecording;
class Settings;
struct ProgramState;

// One practice: the window over the questions of a chapter or over the favourites, built when
// it opens and gone when it closes (the object deletes itself once its window is destroyed).
// It hides the main window while it is open.
class PracticeWindow : public QObject
{
    Q_OBJECT
public:
    PracticeWindow(Window& mainWindow, ProgramState& state, Services services, Settings& settings,
                   QObject* parent = nullptr);
    ~PracticeWindow() override;

    // Runs over these questions (a wrong-answer retry) instead of the chapter or the favourites;
    // called before open().
    void setQuestionList(const QList<qint64>& ids);
    // Runs the opening sequence and shows the window; returns at once.
    bool open(bool modal);
    Window* window() const { return m_window; }
    // Open and not on its way out.
    bool isRunning() const;

    // Shows question n (1-based) with the answer hidden and its stored answer preset; false,
    // with the question on display left as it is, when question n cannot be read.
    bool showPracticeQuestion(int number);
    // Leaves the question on display for the one numbered newNumber: stores the shown answer
    // again and moves the current-question colour from oldCell to newCell. False, with nothing
    // changed, when the shown answer could not be stored.
    bool switchPracticeQuestion(const QString& newNumber, int oldCell, int newCell);

private:
    void bindHandlers();
    void openingSequence();
    void loadPracticeList(const QString& query);
    void showNoQuestion();
    void presetOptions(const QString& type, const QString& storedAnswer);
    int displayedIndex() const;
    void previousQuestion();
    void nextQuestion();
    void goToQuestion(int from, int to);
    bool resaveDisplayedAnswer();
    void toggleAnswer();
    void toggleFavourite();
    void cardCellClicked();
    void updateClock();
    void layoutPracticeWindow();
    void closingSequence();
    template <class T> T* get(const QString& name) const;

    QPointer<Window> m_mainWindow;
    ProgramState& m_state;
    Services m_services;
    Settings& m_settings;
    QPointer<Window> m_window;
    QList<qint64> m_practiceQuestionIds;
    QString m_listQuery;
    PracticeClock m_clock;
    std::unique_ptr<PracticeCard> m_card;
    std::unique_ptr<PracticeRecording> m_recording;
};

} // namespace mirevo
