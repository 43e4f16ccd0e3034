#pragma once

namespace mirevo {

struct ProgramState;

// The clearing walks of the record-clearing window, for state.currentSubject. Each one walks
// the rows that hold the record and clears them one update at a time, through currentSql and
// currentRecordSet. False as soon as the open or an update fails; the rows cleared before
// stay cleared.

// The recorded practice answers of every chapter.
bool clearPracticeAnswers(ProgramState& state);
// The favourite marks.
bool clearFavouriteMarks(ProgramState& state);
// The stored scores of the mock papers.
bool clearPaperScores(ProgramState& state);
// The recorded answers of the paper state.currentPaper.
bool clearPaperAnswers(ProgramState& state);

} // namespace mirevo
