#pragma once

#include "BankSchema.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace mirevo {

// What the program relies on in a question bank, in one place for the builder, the importer
// and the checker.

enum class QuestionType
{
    Single,
    Multiple,
    TrueFalse,
    Indefinite
};

enum class TableKind
{
    Chapter,
    Paper
};

// The TX text of a type: "单选题", "多选题", "判断题", "不定项选择题".
QString questionTypeText(QuestionType type);
// The type whose TX text is exactly text.
std::optional<QuestionType> questionTypeFromText(const QString& text);
bool isChoiceType(QuestionType type);

// The number of chapters in the subject's catalogue (10 and 7); 0 for any other subject.
int chapterCount(int subject);

struct PaperSection
{
    QuestionType type;
    int count;
};

// The sections of every mock paper, in the order of their ascending IDs.
inline constexpr std::array<PaperSection, 4> paperSections{{{QuestionType::Single, 24},
                                                            {QuestionType::Multiple, 12},
                                                            {QuestionType::TrueFalse, 10},
                                                            {QuestionType::Indefinite, 15}}};
inline constexpr int paperQuestionCount = 24 + 12 + 10 + 15;

// A fault of one column of a question row.
struct QuestionProblem
{
    QString column; // TM, TX, XXA … XXD, DA or zj
    QString text;
};

// Why the answer text is not a valid answer of the type; empty when it is.
QString answerProblem(QuestionType type, const QString& answer);

// Every fault of a question row of a chapter or paper table of the subject, apart from its
// ID: zj within the catalogue (chapter tables), a type allowed in the table, a stem, the four
// options of a choice question and an answer valid for the type.
QList<QuestionProblem> questionProblems(const BankQuestion& question, int subject, TableKind kind);

} // namespace mirevo
