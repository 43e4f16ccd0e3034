#pragma once

namespace mirevo {

struct ProgramState;

// The parts of the study log that record clearing takes with the bank's records, for
// state.currentSubject. True when there is nothing to clear (no log open).

// With the recorded practice answers: the subject's practice entries and wrong-answer book.
bool clearPracticeLog(ProgramState& state);
// With the paper scores: the subject's hand-in history.
bool clearHandInLog(ProgramState& state);

} // namespace mirevo
