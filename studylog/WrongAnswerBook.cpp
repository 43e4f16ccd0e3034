#include "WrongAnswerBook.h"

namespace mirevo {

BookStanding afterAttempt(BookStanding before, bool correct)
{
    if (!correct)
        return {true, 0};
    const int inARow = before.rightInARow + 1;
    return {before.inBook && inARow < rightAnswersToLeaveTheBook, inARow};
}

} // namespace mirevo
