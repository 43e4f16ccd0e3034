#include "BankRules.h"

#include "BankSchema.h"
#include "ChapterCatalogue.h"

#include <utility>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

bool isAnswerLetter(QChar c)
{
    return c >= u'A' && c <= u'D';
}

// Distinct letters A–D in ascending order, at least minimum of them.
QString lettersProblem(const QString& answer, int minimum)
{
    for (const QChar c : answer) {
        if (!isAnswerLetter(c))
            return u"\"%1\" holds \"%2\", which is not one of the letters A, B, C, D"_s.arg(answer, c);
    }
    for (qsizetype i = 1; i < answer.size(); ++i) {
        if (answer.indexOf(answer.at(i)) < i)
            return u"\"%1\" names the letter %2 twice"_s.arg(answer, answer.at(i));
        if (answer.at(i) < answer.at(i - 1))
            return u"\"%1\" is not in the order A, B, C, D"_s.arg(answer);
    }
    if (answer.size() < minimum)
        return minimum == 1 ? u"is empty"_s
                            : u"\"%1\" names fewer than %2 letters: a multiple-choice question has at "
                              u"least two right options"_s.arg(answer)
                                  .arg(minimum);
    return {};
}

} // namespace

QString questionTypeText(QuestionType type)
{
    switch (type) {
    case QuestionType::Single:
        return u"单选题"_s;
    case QuestionType::Multiple:
        return u"多选题"_s;
    case QuestionType::TrueFalse:
        return u"判断题"_s;
    case QuestionType::Indefinite:
        return u"不定项选择题"_s;
    }
    return {};
}

std::optional<QuestionType> questionTypeFromText(const QString& text)
{
    for (const QuestionType type :
         {QuestionType::Single, QuestionType::Multiple, QuestionType::TrueFalse, QuestionType::Indefinite}) {
        if (text == questionTypeText(type))
            return type;
    }
    return std::nullopt;
}

bool isChoiceType(QuestionType type)
{
    return type != QuestionType::TrueFalse;
}

int chapterCount(int subject)
{
    return int(chapterCatalogue(subject).size());
}

int chapterNumber(const QString& zj, int subject)
{
    const int chapter = zj.toInt();
    return chapter >= 1 && chapter <= chapterCount(subject) && zj == QString::number(chapter) ? chapter : 0;
}

ChapterSizes catalogueSizes()
{
    ChapterSizes sizes;
    for (int subject = 1; subject <= 2; ++subject) {
        for (const ChapterEntry& chapter : chapterCatalogue(subject))
            sizes.at(subject - 1) << chapter.count.toInt();
    }
    return sizes;
}

QString stemKey(const QString& stem)
{
    QString key;
    for (const QChar c : stem) {
        if (!c.isSpace() && !c.isPunct())
            key += c;
    }
    return key;
}

QString answerProblem(QuestionType type, const QString& answer)
{
    switch (type) {
    case QuestionType::Single:
        if (answer.size() == 1 && isAnswerLetter(answer.front()))
            return {};
        return answer.isEmpty() ? u"is empty"_s
                                : u"\"%1\" is not one of the letters A, B, C, D"_s.arg(answer);
    case QuestionType::Multiple:
        return lettersProblem(answer, 2);
    case QuestionType::Indefinite:
        return lettersProblem(answer, 1);
    case QuestionType::TrueFalse:
        if (answer == u"正确"_s || answer == u"错误"_s)
            return {};
        return answer.isEmpty() ? u"is empty"_s : u"\"%1\" is neither 正确 nor 错误"_s.arg(answer);
    }
    return {};
}

QList<QuestionProblem> questionProblems(const BankQuestion& question, int subject, TableKind kind)
{
    QList<QuestionProblem> problems;
    if (kind == TableKind::Chapter && chapterNumber(question.zj, subject) == 0)
        problems.append({u"zj"_s, u"\"%1\" is not a chapter of %2 (1 to %3, without leading zeros)"_s
                                      .arg(question.zj, subjectName(subject))
                                      .arg(chapterCount(subject))});
    if (question.tm.trimmed().isEmpty())
        problems.append({u"TM"_s, u"the stem is empty"_s});
    const std::optional<QuestionType> type = questionTypeFromText(question.tx);
    if (!type) {
        problems.append(
            {u"TX"_s, u"\"%1\" is not one of 单选题, 多选题, 判断题, 不定项选择题"_s.arg(question.tx)});
        return problems;
    }
    if (*type == QuestionType::Indefinite && kind == TableKind::Chapter)
        problems.append({u"TX"_s, u"不定项选择题 belongs in the papers only"_s});
    const std::array<std::pair<QString, const QString*>, 4> options{{{u"XXA"_s, &question.xxa},
                                                                     {u"XXB"_s, &question.xxb},
                                                                     {u"XXC"_s, &question.xxc},
                                                                     {u"XXD"_s, &question.xxd}}};
    if (isChoiceType(*type)) {
        for (const auto& [column, text] : options) {
            if (text->trimmed().isEmpty())
                problems.append({column, u"the option is empty"_s});
        }
    }
    if (const QString problem = answerProblem(*type, question.da); !problem.isEmpty()) {
        problems.append({u"DA"_s, problem});
    } else if (isChoiceType(*type)) {
        // a valid choice answer holds letters A–D only
        for (const QChar letter : question.da) {
            if (options.at(letter.unicode() - u'A').second->trimmed().isEmpty())
                problems.append({u"DA"_s, u"names the option %1, which is empty"_s.arg(letter)});
        }
    }
    if (question.jx.trimmed().isEmpty())
        problems.append({u"JX"_s, u"the explanation is empty"_s});
    return problems;
}

} // namespace mirevo
