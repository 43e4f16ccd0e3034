#include "GuidePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// The document as text; it is stored in GBK, as its meta element declares. The title bars
// carry their colours in style attributes because the stylesheet it links is not shipped.
const QString guidePageSource =
    uR"html(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">
<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=GBK" />
<title>初级会计职称备考宝典_Mirevo</title>
<link href="master.css" rel="stylesheet" type="text/css" />
<style type="text/css">
.STYLE1 { font-size: 16px; }
.STYLE2 { color: #FFFFFF; }
</style>
<script type="text/javascript">
document.oncontextmenu = function () { return false; };
document.onselectstart = function () { return false; };
</script>
</head>
<body>
<div class="right">
<div class="rtbox1">
<h2 class="STYLE1">初级会计职称</h2>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">01</p><h3 style="color: #00A9E1;">考试简介</h3></div>
<p>初级会计专业技术资格考试（通常称为“初级会计职称考试”）由财政部、人力资源和社会保障部共同组织，实行全国统一大纲、统一命题、统一合格标准的考试制度。考试合格即可取得初级会计专业技术资格证书，这是走上会计专业道路的第一步。</p>
<p>考试采用无纸化方式，也就是常说的机考：考生在考点的计算机上登录考试系统，在屏幕上阅读试题，用鼠标选择答案，系统随时保存作答结果，交卷后统一评分。机考省去了填涂答题卡的环节，却要求考生熟练操作考试系统，并在屏幕前把握好答题节奏。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">02</p><h3 style="color: #00A9E1;">考试时间及科目</h3></div>
<p>考试科目为《初级会计实务》和《经济法基础》两科，两科在同一场次内连续进行，总时长三个半小时：《初级会计实务》2小时，《经济法基础》1.5小时。考试一般在每年上半年分批次举行，具体日期、批次和报名要求以当年官方发布的考试公告为准。</p>
<p>每科满分100分，合格标准一般为60分。初级资格须在一个考试年度内通过全部科目才能取得，只通过一科的成绩不能保留到下一年，所以两科都要认真准备，不能偏科。</p>
<p><strong>宝典1：</strong>先考《初级会计实务》，交卷后进入《经济法基础》，已经交卷的科目不能再返回修改。实务科目计算量大，要用足时间、仔细演算，同时给检查留出十分钟左右；进入经济法后调整节奏，记忆类题目快速作答，把时间留给案例分析。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">03</p><h3 style="color: #00A9E1;">考试心态</h3></div>
<p>考试检验的是平时的积累，也考验临场的稳定。准备充分的考生往往不是输在知识上，而是输在紧张和慌乱上。</p>
<p><strong>宝典2：</strong>考前一晚保证睡眠，考试当天提前到达考点，带齐准考证和有效身份证件。开考后先深呼吸，遇到一时想不起来的题目不要纠缠，先做标记后跳过，把会做的分数拿到手。一道题的得失决定不了成败，心态平稳才能发挥出真实水平。</p>
</div>
</div>
<div class="rtbox2">
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">04</p><h3 style="color: #00A9E1;">考试难度</h3></div>
<p>初级会计职称是会计专业技术资格中的入门级考试，题目以教材的基础知识为主，但考点覆盖面广，几乎每一章都会出题，计算细节和法条中的限定条件也常常设有陷阱。</p>
<p><strong>宝典3：</strong>复习以教材和考试大纲为本，先按章节系统练习，再集中攻克重点：《初级会计实务》中的资产、负债、收入、费用和利润以及财务报表，《经济法基础》中的会计法律制度、支付结算和各个税种。做错的题目收藏起来反复重做，直到真正弄懂为止。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">05</p><h3 style="color: #00A9E1;">熟悉考试系统</h3></div>
<p>机考的界面和纸质试卷不同，熟悉考试系统能省下宝贵的答题时间，也能避免因操作失误而丢分。</p>
<p><strong>宝典4：</strong>考前用本软件的“模拟考场”完整地做几套试卷，熟悉登录、答题卡、上一题和下一题、标记以及交卷等操作，正式考试时就不会在界面上浪费时间。</p>
<p><strong>宝典5：</strong>入座登录后，先核对屏幕上显示的姓名、准考证号、身份证号和照片，如有不符立即举手向监考老师反映；开考前认真阅读考试须知和各题型的答题说明。</p>
<p><strong>宝典6：</strong>考试系统带有计算器，考场也会提供草稿纸。遇到计算题，先在草稿纸上写出算式或会计分录，再用计算器核算；屏幕上的计算器最好在模拟练习时就用熟，以免考试时手忙脚乱。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">06</p><h3 style="color: #00A9E1;">考试方式</h3></div>
<p>试卷由单项选择题、多项选择题、判断题和不定项选择题组成，各题型的评分规则不同，作答策略也应有所区别。</p>
<p><strong>宝典7：</strong>单项选择题只有一个正确答案。拿不准时用排除法，先去掉明显错误的选项，再在剩下的选项中比较；不要留空，选一个答案总比不答强。</p>
<p><strong>宝典8：</strong>多项选择题有两个或两个以上正确答案，多选、少选、错选、不选均不得分。每个选项都要逐一判断，把握大的选项都要选上，拿不准的选项结合题干反复推敲后再定。</p>
<p><strong>宝典9：</strong>判断题要看清题干中的“应当”“可以”“必须”“不得”等关键词，一字之差，结论往往相反。判断题答错是否扣分以当年试卷上的说明为准，作答前先看清楚。</p>
<p><strong>宝典10：</strong>不定项选择题以案例形式出现，每小题有一个或一个以上正确答案。本系统按全部选对才得分评分：选对全部正确答案得2分，多选、少选、错选、不选均不得分。先读问题，再回到资料中找依据，逐项判断每个选项，不要只凭印象选一两个。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">07</p><h3 style="color: #00A9E1;">考试检查</h3></div>
<p>时间安排上要为检查留出余地，检查的重点是漏答的题目和做过标记的难题，而不是把整张试卷从头再做一遍。</p>
<p><strong>宝典11：</strong>全部题目做完后，利用答题卡检查：未作答的题号和标记过的题号一目了然。先补齐漏答的题，再复查标记过的题；计算题重点核对数字和方向，经过认真思考的第一遍答案不要轻易推翻。</p>
</div>
<div class="txt1">
<div class="txt-title"><p class="STYLE2" style="background-color: #00A9E1;">08</p><h3 style="color: #00A9E1;">交卷</h3></div>
<p>交卷是考试的最后一步，也是最容易因匆忙而出错的一步。</p>
<ul>
<li><strong>宝典12：</strong>确认所有题目都已作答后再点击“交卷”，系统要求确认时再核对一遍。在本系统中交卷后仍可查看答题解析、修改答案并再次交卷，每次交卷都按当时保存的答案重新评分，得分以最后一次为准；正式考试交卷后则不能再修改。考试时间结束时系统会自动交卷，不要等到倒计时只剩几分钟才去补做空题。</li>
</ul>
<p>交卷后按监考老师的指示有序离开考场，考试成绩以官方公布的结果为准。祝你顺利通过考试！</p>
</div>
</div>
</div>
<div class="footer"></div>
</body>
</html>
)html"_s;

QByteArray encodeGbk(const QString& text)
{
    QStringEncoder gbk("GBK");
    if (!gbk.isValid())
        return {};
    QByteArray bytes = gbk.encode(text);
    return gbk.hasError() ? QByteArray() : bytes;
}

void markReadOnly(const QString& path)
{
#ifdef Q_OS_WIN
    SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
#else
    // Hidden and system have no equivalent here: the file is only made read-only.
    QFile::setPermissions(path,
                          QFile::permissions(path) & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                       QFileDevice::WriteGroup | QFileDevice::WriteOther));
#endif
}

} // namespace

QByteArray guidePageDocument()
{
    static const QByteArray document = encodeGbk(guidePageSource);
    return document;
}

void writeGuidePageIfMissing(const QString& programDirectory)
{
    const QString path = QDir(programDirectory).filePath(u"BaoDian.html"_s);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return;
    const QByteArray document = guidePageDocument();
    if (document.isEmpty())
        return;
    // Written whole or not at all: a half-written page would stay for good.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit())
        return;
    markReadOnly(path);
}

} // namespace mirevo
