#pragma once

#include "Services.h"

#include <QObject>
#include <QPointer>

namespace mirevo {

class Settings;
class Window;
struct ProgramState;

// The mock-examination page of the main window: the catalogue of the subject's 20 papers with
// their last scores, the choice of a paper and the way into the examination.
class PaperPage : public QObject
{
    Q_OBJECT
public:
    // Binds the paper grid's cell-pressed event and the enter button of the main window.
    PaperPage(Window& mainWindow, ProgramState& state, Services services, Settings& settings);

    // Rebuilds the paper grid 高级表格2 for currentSubject.
    void fillPaperCatalogue();

private:
    void enterExamination();

    QPointer<Window> m_mainWindow;
    ProgramState& m_state;
    Services m_services;
    Settings& m_settings;
};

} // namespace mirevo
