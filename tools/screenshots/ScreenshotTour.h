#pragma once

#include "MainWindow.h"
#include "ProgramState.h"
#include "QuietServices.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class QWidget;

namespace mirevo {

class Window;

// Walks through the program as a candidate would, with real mouse and wheel input, in a
// program directory of its own, and saves each window worth seeing as a PNG file.
class ScreenshotTour
{
public:
    ScreenshotTour(QString bankFile, const QString& outputDirectory);
    ~ScreenshotTour();

    bool run();
    QString error() const { return m_error; }

private:
    bool prepareProgramDirectory();
    bool mainPages();
    bool practice();
    bool examination();
    bool resultWindow(const QString& name);
    bool settingsAndClearing();
    bool learningReport();
    bool restartOnAFreshBank();
    bool practiseChapter(int chapter, int questions, int wrongEvery);
    bool sitAndHandIn(int paper, int questions, int wrongEvery);

    bool shoot(QWidget* widget, const QString& name);
    bool click(Window* window, const QString& control);
    bool fail(const QString& message);
    Window* topLevel(const QString& title) const;
    Window* otherThanMain() const;
    QString standardAnswer(const QString& table, int id) const;

    QString m_bankFile;
    QDir m_output;
    QTemporaryDir m_programDirectory;
    QString m_error;
    QuietServices m_quiet;
    ProgramState m_state;
    std::unique_ptr<MainWindow> m_mainWindow;
    Window* m_main = nullptr;
};

} // namespace mirevo
