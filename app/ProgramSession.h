#pragma once

#include "MainWindow.h"
#include "ProgramState.h"
#include "Services.h"
#include "SingleInstance.h"

#include <QObject>
#include <QString>
#include <memory>

namespace mirevo {

// One run of the program: the data directory chosen at start-up and held against a second
// start, and the main window working on the files in it.
class ProgramSession : public QObject
{
    Q_OBJECT
public:
    explicit ProgramSession(Services services);
    ~ProgramSession() override;

    // Chooses the data directory (chosenDataDirectory, given on the command line, wins), claims
    // it, fills it from the shipped files, says once which files take no writes and opens the
    // main window. False when the program ends at once, with exitCode(): another start holds
    // the directory and was brought to the front (0), or the directory cannot be used (1, after
    // a message).
    bool start(const QString& executableDirectory, const QString& chosenDataDirectory = {});
    int exitCode() const { return m_exitCode; }

    QString dataDirectory() const { return m_dataDirectory; }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }

signals:
    // The main window has been destroyed: the program ends.
    void closed();

private:
    bool fail(const QString& message);

    Services m_services;
    ProgramState m_state;
    QString m_dataDirectory;
    int m_exitCode = 0;
    // Released after the main window has closed the files.
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace mirevo
