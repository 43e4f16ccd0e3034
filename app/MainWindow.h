#pragma once

#include "ChapterPages.h"
#include "PaperPage.h"
#include "QuestionBank.h"
#include "Services.h"
#include "Settings.h"
#include "StudyLoop.h"
#include "Window.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace mirevo {

struct ProgramState;

// The main window's handlers: start-up, navigation, the subject buttons, minimize and exit.
class MainWindow : public QObject
{
    Q_OBJECT
public:
    MainWindow(ProgramState& state, Services services, QString programDirectory);
    ~MainWindow() override;

    // Opens the main window; its created event runs the whole start-up before it is shown.
    bool open();
    Window* window() const { return m_window; }

    void refreshSubject(int subject);

signals:
    // The main window has been destroyed: the program ends.
    void closed();

private:
    void bindHandlers();
    void startUp();
    bool openSettings();
    void showPage(int page);
    void showGuidePage();
    void fillGrids();
    void showClearedRecords();
    void exitProgram();
    void closeData();
    QString programFile(const QString& fileName) const;

    ProgramState& m_state;
    Services m_services;
    QString m_programDirectory;
    QuestionBank m_questionBank; // the window's database component 外部数据库1
    Settings m_settings;
    QPointer<Window> m_window;
    std::unique_ptr<ChapterPages> m_chapterPages;
    std::unique_ptr<PaperPage> m_paperPage;
    std::unique_ptr<StudyLoop> m_studyLoop;
};

} // namespace mirevo
