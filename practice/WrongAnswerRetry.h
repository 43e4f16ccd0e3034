#pragma once

#include "Services.h"

#include <QObject>
#include <QPointer>

namespace mirevo {

class PracticeWindow;
class Settings;
class Window;
struct ProgramState;

// Retry wrong (错题重练): the practice window over the wrong-answer book of a chapter or of the
// whole current subject, in ascending ID order, with its card, clock and recording exactly as
// for a chapter. One practice at a time.
class WrongAnswerRetry : public QObject
{
    Q_OBJECT
public:
    WrongAnswerRetry(Window& mainWindow, ProgramState& state, Services services, Settings& settings);

    // Chapter 0 is the whole subject. An empty book is said so ("本章暂无错题" / "暂无错题")
    // and nothing opens; false then.
    bool retry(int chapter);
    PracticeWindow* practice() const;

private:
    Window& m_mainWindow;
    ProgramState& m_state;
    Services m_services;
    Settings& m_settings;
    QPointer<PracticeWindow> m_practice;
};

} // namespace mirevo
