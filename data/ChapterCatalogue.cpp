#include "ChapterCatalogue.h"

namespace mirevo {

using namespace Qt::StringLiterals;

const QList<ChapterEntry>& chapterCatalogue(int subject)
{
    static const QList<ChapterEntry> accounting = {
        {u"第一章  资产"_s, u"113"_s},
        {u"第二章  负债"_s, u"100"_s},
        {u"第三章  所有者权益"_s, u"80"_s},
        {u"第四章  收入"_s, u"73"_s},
        {u"第五章  费用"_s, u"76"_s},
        {u"第六章  利润"_s, u"81"_s},
        {u"第七章  财务报告"_s, u"119"_s},
        {u"第八章  产品成本核算"_s, u"85"_s},
        {u"第九章  产品成本计算与分析"_s, u"86"_s},
        {u"第十章  事业单位会计基础"_s, u"102"_s},
    };
    // The first name ends in a space, as it always has on the page.
    static const QList<ChapterEntry> law = {
        {u"第一章  总论 "_s, u"134"_s},
        {u"第二章  劳动合同与社会保险法律制度"_s, u"123"_s},
        {u"第三章  支付结算法律制度"_s, u"131"_s},
        {u"第四章  增值税、消费税法律制度"_s, u"119"_s},
        {u"第五章  企业所得税、个人所得税法律制度"_s, u"120"_s},
        {u"第六章  其他税收法律制度"_s, u"115"_s},
        {u"第七章  税收征收管理法律制度"_s, u"115"_s},
    };
    static const QList<ChapterEntry> none;
    switch (subject) {
    case 1:
        return accounting;
    case 2:
        return law;
    default:
        return none;
    }
}

} // namespace mirevo
