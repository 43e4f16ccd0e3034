#pragma once

#include <QString>

namespace mirevo {

// The spellings that spreadsheets and teachers use, turned into the bank's own. Each function
// returns its input trimmed when it knows no better spelling; the validity rules then judge it.

// "单选", "单项选择题" … → "单选题"; likewise for 多选题, 判断题 and 不定项选择题.
QString normalisedTypeText(const QString& text);

// For the TX text type: letters in A–D order without separators and in capitals ("A,C",
// "CA", "ca" → "AC"; full-width letters too); 对/错, √/×, T/F, true/false → "正确"/"错误".
QString normalisedAnswer(const QString& type, const QString& answer);

// A chapter number without blanks or leading zeros ("03" → "3").
QString normalisedChapter(const QString& chapter);

} // namespace mirevo
