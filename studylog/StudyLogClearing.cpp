#include "StudyLogClearing.h"

#include "ProgramState.h"
#include "StudyLog.h"

namespace mirevo {

bool clearPracticeLog(ProgramState& state)
{
    return !state.studyLog || !state.studyLog->isOpen() ||
           state.studyLog->clearPracticeAnswers(state.currentSubject);
}

bool clearHandInLog(ProgramState& state)
{
    return !state.studyLog || !state.studyLog->isOpen() || state.studyLog->clearHandIns(state.currentSubject);
}

} // namespace mirevo
