#include "GuidePage.h"

#include "HtmlViewer.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

bool hasClass(const QDomElement& element, const QString& name)
{
    return element.attribute(u"class"_s).split(u' ', Qt::SkipEmptyParts).contains(name);
}

QList<QDomElement> childElements(const QDomElement& parent, const QString& tag, const QString& cssClass = {})
{
    QList<QDomElement> found;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag)) {
        if (cssClass.isEmpty() || hasClass(e, cssClass))
            found.append(e);
    }
    return found;
}

QList<QDomElement> descendants(const QDomElement& root, const QString& tag)
{
    QList<QDomElement> found;
    const QDomNodeList nodes = root.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        found.append(nodes.at(i).toElement());
    return found;
}

// The document, decoded and parsed as XML: XHTML must be well-formed.
class GuidePageDocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bytes = guidePageDocument();
        ASSERT_FALSE(bytes.isEmpty());
        QStringDecoder decoder("GBK");
        ASSERT_TRUE(decoder.isValid());
        text = decoder.decode(bytes);
        ASSERT_FALSE(decoder.hasError());
        QString error;
        int line = 0;
        ASSERT_TRUE(document.setContent(text, &error, &line)) << error.toStdString() << " at line " << line;
        html = document.documentElement();
        head = html.firstChildElement(u"head"_s);
        body = html.firstChildElement(u"body"_s);
    }

    QList<QDomElement> sections() const
    {
        const QDomElement column = childElements(body, u"div"_s, u"right"_s).value(0);
        QList<QDomElement> all;
        for (const QString& box : {u"rtbox1"_s, u"rtbox2"_s})
            all += childElements(childElements(column, u"div"_s, box).value(0), u"div"_s, u"txt1"_s);
        return all;
    }

    // The numbers of the bold "宝典N" tips of a section, in order, with the tag of each tip's parent.
    static QList<std::pair<int, QString>> tipsOf(const QDomElement& section)
    {
        static const QRegularExpression tip(u"^宝典(\\d+)"_s);
        QList<std::pair<int, QString>> tips;
        for (const QString& tag : {u"strong"_s, u"b"_s}) {
            for (const QDomElement& bold : descendants(section, tag)) {
                const QRegularExpressionMatch m = tip.match(bold.text());
                if (m.hasMatch())
                    tips.append({m.captured(1).toInt(), bold.parentNode().toElement().tagName()});
            }
        }
        return tips;
    }

    QByteArray bytes;
    QString text;
    QDomDocument document;
    QDomElement html, head, body;
};

TEST_F(GuidePageDocumentTest, IsGbkXhtmlTransitionalDeclaringItsCharset)
{
    QStringEncoder encoder("GBK");
    EXPECT_EQ(QByteArray(encoder.encode(text)), bytes) << "every character survives GBK";
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    EXPECT_TRUE(utf8.hasError()) << "the Chinese text is stored in GBK, not UTF-8";

    EXPECT_EQ(document.doctype().publicId(), u"-//W3C//DTD XHTML 1.0 Transitional//EN"_s);
    EXPECT_EQ(html.attribute(u"xmlns"_s), u"http://www.w3.org/1999/xhtml"_s);
    const QDomElement meta = head.firstChildElement(u"meta"_s);
    EXPECT_EQ(meta.attribute(u"http-equiv"_s), u"Content-Type"_s);
    EXPECT_EQ(meta.attribute(u"content"_s), u"text/html; charset=GBK"_s);

    // The viewer picks its decoder from the meta element: it must find GBK there.
    QStringDecoder forHtml = QStringDecoder::decoderForHtml(bytes);
    EXPECT_EQ(QString(forHtml.decode(bytes)), text);
}

TEST_F(GuidePageDocumentTest, HeadHasTitleStylesheetLinkClassesAndTheScript)
{
    const QString title = head.firstChildElement(u"title"_s).text();
    EXPECT_TRUE(title.startsWith(u"初级会计职称备考宝典_"_s)) << title.toStdString();
    EXPECT_GT(title.size(), u"初级会计职称备考宝典_"_s.size()) << "the brand follows the underscore";

    const QDomElement link = head.firstChildElement(u"link"_s);
    EXPECT_EQ(link.attribute(u"rel"_s), u"stylesheet"_s);
    EXPECT_EQ(link.attribute(u"href"_s), u"master.css"_s);

    const QString style = head.firstChildElement(u"style"_s).text();
    EXPECT_TRUE(style.contains(QRegularExpression(u"\\.STYLE1\\s*\\{[^}]*font-size:\\s*16px"_s)));
    EXPECT_TRUE(style.contains(QRegularExpression(u"\\.STYLE2\\s*\\{[^}]*color:\\s*#FFFFFF"_s,
                                                  QRegularExpression::CaseInsensitiveOption)));

    const QString script = head.firstChildElement(u"script"_s).text();
    EXPECT_TRUE(script.contains(QRegularExpression(u"document\\.oncontextmenu\\s*=.*return false"_s)));
    EXPECT_TRUE(script.contains(QRegularExpression(u"document\\.onselectstart\\s*=.*return false"_s)));
}

TEST_F(GuidePageDocumentTest, BodyHasOneColumnWithTwoBoxesAndAnEmptyFooter)
{
    const QList<QDomElement> columns = childElements(body, u"div"_s, u"right"_s);
    ASSERT_EQ(columns.size(), 1);
    const QList<QDomElement> boxes = childElements(columns[0], u"div"_s);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(hasClass(boxes[0], u"rtbox1"_s));
    EXPECT_TRUE(hasClass(boxes[1], u"rtbox2"_s));

    const QDomElement opening = boxes[0].firstChildElement();
    EXPECT_TRUE(hasClass(opening, u"STYLE1"_s));
    EXPECT_EQ(opening.text(), u"初级会计职称"_s);
    EXPECT_EQ(childElements(boxes[0], u"div"_s, u"txt1"_s).size(), 3);
    EXPECT_EQ(childElements(boxes[1], u"div"_s, u"txt1"_s).size(), 5);

    const QList<QDomElement> footers = childElements(body, u"div"_s, u"footer"_s);
    ASSERT_EQ(footers.size(), 1);
    EXPECT_FALSE(footers[0].hasChildNodes());
    EXPECT_EQ(body.lastChildElement(), footers[0]);
}

TEST_F(GuidePageDocumentTest, EightNumberedSectionsWithTheirHeadingsAndAdvice)
{
    const QStringList headings = {u"考试简介"_s,     u"考试时间及科目"_s, u"考试心态"_s, u"考试难度"_s,
                                  u"熟悉考试系统"_s, u"考试方式"_s,       u"考试检查"_s, u"交卷"_s};
    const QList<QDomElement> all = sections();
    ASSERT_EQ(all.size(), headings.size());
    for (int i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(headings[i].toStdString());
        const QDomElement titleBar = all[i].firstChildElement();
        ASSERT_TRUE(hasClass(titleBar, u"txt-title"_s));
        EXPECT_EQ(titleBar.firstChildElement(u"p"_s).text(), u"%1"_s.arg(i + 1, 2, 10, QChar(u'0')));
        EXPECT_EQ(titleBar.firstChildElement(u"h3"_s).text(), headings[i]);
        const QList<QDomElement> paragraphs = childElements(all[i], u"p"_s);
        ASSERT_FALSE(paragraphs.isEmpty());
        EXPECT_GE(paragraphs[0].text().size(), 20) << "a real paragraph of advice";
    }
    const QString introduction = all[0].text();
    EXPECT_TRUE(introduction.contains(u"无纸化"_s) || introduction.contains(u"机考"_s));
    const QString timesAndSubjects = all[1].text();
    EXPECT_TRUE(timesAndSubjects.contains(u"初级会计实务"_s));
    EXPECT_TRUE(timesAndSubjects.contains(u"经济法基础"_s));
    EXPECT_TRUE(timesAndSubjects.contains(u"三个半小时"_s));
}

TEST_F(GuidePageDocumentTest, TwelveBoldTipsDistributedOverSectionsTwoToEight)
{
    const QList<int> tipsPerSection = {0, 1, 1, 1, 3, 4, 1, 1};
    const QList<QDomElement> all = sections();
    ASSERT_EQ(all.size(), tipsPerSection.size());
    int next = 1;
    for (int i = 0; i < all.size(); ++i) {
        const auto tips = tipsOf(all[i]);
        EXPECT_EQ(tips.size(), tipsPerSection[i]) << "section " << i + 1;
        for (const auto& [number, parent] : tips) {
            EXPECT_EQ(number, next++) << "section " << i + 1;
            EXPECT_EQ(parent, i == 7 ? u"li"_s : u"p"_s) << "tip " << number;
        }
    }
    EXPECT_EQ(next, 13);
    const auto lastTip = tipsOf(all[7]);
    ASSERT_EQ(lastTip.size(), 1);
    const QDomElement item = descendants(all[7], u"li"_s).value(0);
    EXPECT_TRUE(item.parentNode().nodeName() == u"ul"_s || item.parentNode().nodeName() == u"ol"_s);
}

// The tips describe the program the candidate uses: case questions scored all or nothing, a
// paper that can be handed in again.
TEST_F(GuidePageDocumentTest, TipsAgreeWithHowTheProgramScoresAndHandsIn)
{
    const auto tipText = [&](int number) {
        for (const QDomElement& section : sections()) {
            for (const QString& tag : {u"p"_s, u"li"_s}) {
                for (const QDomElement& element : descendants(section, tag)) {
                    if (element.text().startsWith(u"宝典%1："_s.arg(number)))
                        return element.text();
                }
            }
        }
        return QString();
    };
    const QString indefinite = tipText(10);
    ASSERT_FALSE(indefinite.isEmpty());
    EXPECT_FALSE(indefinite.contains(u"少选得相应分值"_s));
    EXPECT_TRUE(indefinite.contains(u"少选"_s) && indefinite.contains(u"均不得分"_s));
    EXPECT_FALSE(indefinite.contains(u"宁少勿多"_s)) << "choosing fewer never scores";
    const QString handIn = tipText(12);
    ASSERT_FALSE(handIn.isEmpty());
    EXPECT_TRUE(handIn.contains(u"再次交卷"_s));
    EXPECT_FALSE(handIn.contains(u"交卷后答案不能再修改"_s));
}

TEST_F(GuidePageDocumentTest, ViewerShowsTheTextButNotTheScriptOrTheStyles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeGuidePageIfMissing(dir.path());
    HtmlViewer viewer;
    ASSERT_TRUE(viewer.navigate(dir.filePath(u"BaoDian.html"_s)));
    const QString shown = viewer.toPlainText();
    EXPECT_TRUE(shown.contains(u"初级会计职称"_s));
    EXPECT_TRUE(shown.contains(u"宝典12"_s));
    EXPECT_TRUE(shown.contains(u"熟悉考试系统"_s));
    EXPECT_FALSE(shown.contains(u"oncontextmenu"_s));
    EXPECT_FALSE(shown.contains(u"STYLE1"_s));
    EXPECT_EQ(viewer.documentTitle(), head.firstChildElement(u"title"_s).text());
}

class GuidePageFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString guidePath() const { return dir.filePath(u"BaoDian.html"_s); }
    QByteArray guideBytes() const
    {
        QFile file(guidePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeGuide(const QByteArray& content) const
    {
        QFile file(guidePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
    }

    // The mode bits; the "user" flags describe the running user's access, which root always has.
    static constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

    QTemporaryDir dir;
};

TEST_F(GuidePageFileTest, MissingPageIsWrittenOnceAndMadeReadOnly)
{
    writeGuidePageIfMissing(dir.path());
    EXPECT_EQ(guideBytes(), guidePageDocument());
    EXPECT_FALSE(QFile::permissions(guidePath()) & anyWrite);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left";
}

TEST_F(GuidePageFileTest, ExistingPageIsLeftAsItIsEvenWhenEmpty)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("<html>own page</html>")}) {
        writeGuide(content);
        const QFileDevice::Permissions before = QFile::permissions(guidePath());
        writeGuidePageIfMissing(dir.path());
        EXPECT_EQ(guideBytes(), content);
        EXPECT_EQ(QFile::permissions(guidePath()), before) << "not marked again";
        ASSERT_TRUE(QFile::remove(guidePath()));
    }
}

TEST_F(GuidePageFileTest, UnwritableLocationLeavesNoFileAndNoComplaint)
{
    const QString missingDirectory = dir.filePath(u"no-such-directory"_s);
    writeGuidePageIfMissing(missingDirectory);
    EXPECT_FALSE(QFileInfo::exists(missingDirectory));
}

} // namespace
} // namespace mirevo
