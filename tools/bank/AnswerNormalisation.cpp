#include "AnswerNormalisation.h"

#include "BankRules.h"

#include <QStringList>
#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Full-width letters, digits and punctuation as their ASCII forms.
QString compatibilityForm(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

bool isLetterSeparator(QChar c)
{
    return c.isSpace() || c == u',' || c == u'、' || c == u';' || c == u'/' || c == u'|';
}

QString normalisedLetters(const QString& answer)
{
    QString letters;
    for (const QChar c : compatibilityForm(answer)) {
        if (!isLetterSeparator(c))
            letters += c.toUpper();
    }
    QString sorted = letters;
    std::sort(sorted.begin(), sorted.end());
    const bool allLetters =
        std::all_of(sorted.cbegin(), sorted.cend(), [](QChar c) { return c >= u'A' && c <= u'D'; });
    // a repeated letter is left for the rules to reject: it is more likely a slip than intended
    if (allLetters && std::adjacent_find(sorted.cbegin(), sorted.cend()) == sorted.cend())
        return sorted;
    return letters;
}

QString normalisedTrueFalse(const QString& answer)
{
    static const QStringList right{u"正确"_s, u"对"_s, u"√"_s, u"✓"_s, u"✔"_s, u"T"_s, u"TRUE"_s};
    static const QStringList wrong{u"错误"_s, u"错"_s, u"×"_s, u"✗"_s, u"✘"_s, u"F"_s, u"FALSE"_s};
    const QString text = compatibilityForm(answer).toUpper();
    if (right.contains(text))
        return u"正确"_s;
    if (wrong.contains(text))
        return u"错误"_s;
    return answer.trimmed();
}

} // namespace

QString normalisedTypeText(const QString& text)
{
    const QString trimmed = compatibilityForm(text);
    const QList<std::pair<QuestionType, QStringList>> spellings{
        {QuestionType::Single, {u"单选"_s, u"单选题"_s, u"单项选择"_s, u"单项选择题"_s}},
        {QuestionType::Multiple, {u"多选"_s, u"多选题"_s, u"多项选择"_s, u"多项选择题"_s}},
        {QuestionType::TrueFalse, {u"判断"_s, u"判断题"_s}},
        {QuestionType::Indefinite, {u"不定项"_s, u"不定项选择"_s, u"不定项选择题"_s}}};
    for (const auto& [type, names] : spellings) {
        if (names.contains(trimmed))
            return questionTypeText(type);
    }
    return text.trimmed();
}

QString normalisedAnswer(const QString& type, const QString& answer)
{
    const std::optional<QuestionType> known = questionTypeFromText(type);
    if (!known)
        return answer.trimmed();
    return *known == QuestionType::TrueFalse ? normalisedTrueFalse(answer) : normalisedLetters(answer);
}

QString normalisedChapter(const QString& chapter)
{
    QString digits = compatibilityForm(chapter);
    const bool allDigits = !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(),
                                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits)
        return chapter.trimmed();
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits;
}

} // namespace mirevo
