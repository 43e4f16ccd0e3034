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
// The chapter of the subject that a zj text names, 1 … chapterCount, written without blanks or
// leading zeros; 0 when it names none.
int chapterNumber(const QString& zj, int subject);

// The number of questions of each chapter, chapter 1 first, of subject 1 and of subject 2.
using ChapterSizes = std::array<QList<int>, 2>;
// The sizes the program's chapter catalogue lists: what the shipped bank holds.
ChapterSizes catalogueSizes();

// The type mix of every chapter: each type's share of its questions, in per cent, within
// typeShareTolerance points.
struct TypeShare
{
    QuestionType type;
    int percent;
};
inline constexpr std::array<TypeShare, 3> chapterTypeShares{
    {{QuestionType::Single, 50}, {QuestionType::Multiple, 25}, {QuestionType::TrueFalse, 25}}};
inline constexpr int typeShareTolerance = 5;

// The stem without spaces and punctuation: two stems with the same key are the same question.
QString stemKey(const QString& stem);

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
inline constexpr int paperChapterQuestionCount = 24 + 12 + 10;

// How the papers of a subject share what they draw from the chapters and the case pools.
inline constexpr int papersPerSource = 2;     // papers a chapter question or a case is in, at most
inline constexpr int sharedQuestionLimit = 6; // chapter questions two papers share, at most
inline constexpr int sharedCaseLimit = 1;     // cases two papers share, at most
// A paper holds paperChapterQuestionCount × size / subject total questions of a chapter, within
// this many.
inline constexpr int chapterShareTolerance = 2;

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
// options of a choice question, an answer valid for the type naming no empty option and an
// explanation.
QList<QuestionProblem> questionProblems(const BankQuestion& question, int subject, TableKind kind);

} // namespace mirevo
