#pragma once

namespace mirevo {

// Where a practice question stands in the wrong-answer book (错题本) after its attempts so far.
struct BookStanding
{
    bool inBook = false;
    int rightInARow = 0;

    bool operator==(const BookStanding&) const = default;
};

// Right answers in a row after which a question leaves the book.
inline constexpr int rightAnswersToLeaveTheBook = 2;

// The standing after one more attempt: a wrong answer puts the question in the book (again),
// the second right answer in a row since takes it out.
BookStanding afterAttempt(BookStanding before, bool correct);

} // namespace mirevo
