// The chapter page promises a number of questions per chapter; practice offers exactly that
// many in the bank the program ships.
#include "ChapterCatalogue.h"
#include "PracticeFixture.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

class ShippedChaptersTest : public PracticeFixture
{
protected:
    void SetUp() override
    {
        PracticeFixture::SetUp();
        ASSERT_TRUE(QFile::remove(dir.bankPath()));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MIREVO_SHIPPED_BANK), dir.bankPath()));
        QFile::setPermissions(dir.bankPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
};

TEST_F(ShippedChaptersTest, EveryChapterOffersTheCountTheChapterPageShows)
{
    for (int subject = 1; subject <= 2; ++subject) {
        start(subject);
        const QList<ChapterEntry>& chapters = chapterCatalogue(subject);
        ASSERT_EQ(main->control<Grid>(u"高级表格1"_s)->gridRowCount(), chapters.size() + 1);
        for (int chapter = 1; chapter <= chapters.size(); ++chapter) {
            SCOPED_TRACE(chapters.at(chapter - 1).name.toStdString());
            EXPECT_EQ(main->control<Grid>(u"高级表格1"_s)->cell(chapter, 1), chapters.at(chapter - 1).count);
            ASSERT_NE(openChapter(chapter), nullptr);
            EXPECT_EQ(QString::number(cellCount()), chapters.at(chapter - 1).count);
            EXPECT_EQ(caption(u"透明标签_题型"_s).isEmpty(), false) << "the first question is shown";
            closePractice();
        }
        stop();
    }
}

} // namespace
} // namespace mirevo::test
