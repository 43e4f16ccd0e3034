#pragma once

#include "Services.h"
#include "StudyLog.h"
#include "WrongAnswerRetry.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

namespace mirevo {

class ReportPage;
class Settings;
class Window;
struct ProgramState;

// The learning loop beside the main window's own pages: the study log 学习记录.db in the
// program directory, the retry of a chapter's wrong answers (错题重练) from the chapter page,
// and the learning-report page with its navigation button and subject buttons.
class StudyLoop : public QObject
{
    Q_OBJECT
public:
    // Binds the new buttons of the main window; `refreshSubject` switches the subject as the
    // other pages' subject buttons do.
    StudyLoop(Window& mainWindow, ProgramState& state, Services services, Settings& settings,
              std::function<void(int)> refreshSubject);
    ~StudyLoop() override;

    // Opens the log beside the bank. One that cannot be opened is said once; the program goes
    // on without it (a damaged one is set aside and a new one started).
    void openLog(const QString& programDirectory);
    void closeLog();
    // The report follows a subject switch and a record clearing at once when it is shown.
    void subjectChanged();
    void recordsCleared();

    ReportPage* reportPage() const;
    WrongAnswerRetry& retry() { return m_retry; }

private:
    void bindButtons();
    void retrySelectedChapter();
    void retryReportChapter();

    Window& m_mainWindow;
    ProgramState& m_state;
    Services m_services;
    std::function<void(int)> m_refreshSubject;
    StudyLog m_log;
    WrongAnswerRetry m_retry;
    QPointer<ReportPage> m_reportPage;
};

} // namespace mirevo
