#include "StudyRecords.h"

namespace mirevo {

using namespace Qt::StringLiterals;

void SectionPoints::add(const QString& questionType, double points)
{
    if (questionType == u"单选题"_s)
        single += points;
    else if (questionType == u"多选题"_s)
        multiple += points;
    else if (questionType == u"判断题"_s)
        judgement += points;
    else if (questionType == u"不定项选择题"_s)
        indefinite += points;
}

} // namespace mirevo
