#pragma once

#include "PaperPage.h"
#include "Services.h"
#include "Window.h"

#include <QPointer>

namespace mirevo {

class Settings;
struct ProgramState;

// What the exam windows reach beyond themselves: the main window they hide and show again,
// the program-wide state, the services, the settings and the paper catalogue they refresh.
struct ExamContext
{
    QPointer<Window> mainWindow;
    ProgramState& state;
    Services services;
    Settings& settings;
    QPointer<PaperPage> paperPage;
};

} // namespace mirevo
