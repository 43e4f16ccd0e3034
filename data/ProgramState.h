#pragma once

#include <QString>

namespace mirevo {

class QuestionBank;
class StudyLog;

// The program-wide state shared by every window, one instance for the process, touched only
// on the user-interface thread.
struct ProgramState
{
    int currentSubject = 0;
    int currentChapter = 0;
    bool favouritesMode = false;
    int currentPaper = 0;
    QuestionBank* questionBank = nullptr;
    QString currentSql;
    int currentRecordSet = 0;
    // The study log beside the bank; none while it could not be opened.
    StudyLog* studyLog = nullptr;
};

} // namespace mirevo
