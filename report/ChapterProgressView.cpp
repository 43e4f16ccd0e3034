#include "ChapterProgressView.h"

#include "ReportStyle.h"
#include "StudyReport.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

enum Column : int
{
    NameColumn,
    CountColumn,
    AnsweredColumn,
    RightColumn,
    AccuracyColumn,
    WrongColumn,
    ProgressColumn,
    ColumnCount
};

const QString unknown = u"—"_s;

QString percent(double fraction)
{
    return QString::number(qRound(fraction * 100)) + u"%"_s;
}

} // namespace

ChapterProgressView::ChapterProgressView(QWidget* parent) : QWidget(parent)
{
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(u"表格_章节进度"_s);
    m_table->setHorizontalHeaderLabels(
        {u"章节名称"_s, u"题量"_s, u"已做"_s, u"做对"_s, u"正确率"_s, u"错题"_s, u"完成进度"_s});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(reportStyle::rowHeight);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int column = CountColumn; column < ProgressColumn; ++column)
        header->resizeSection(column, column == AccuracyColumn ? 56 : 46);
    header->resizeSection(ProgressColumn, 132);
    header->setHighlightSections(false);

    m_legend = new QLabel(this);
    m_legend->setObjectName(u"标签_薄弱章节"_s);
    m_legend->setText(u"浅红底色：正确率最低的三章（已做 %1 题以上）"_s.arg(weakChapterMinimumAnswered));
    m_legend->setStyleSheet(u"color: %1;"_s.arg(reportStyle::weakText.name()));
    m_retryChapter = new QPushButton(u"本章错题重练"_s, this);
    m_retryChapter->setObjectName(u"按钮_本章错题重练"_s);
    m_retryChapter->setToolTip(u"在上表选一章，按错题本重练该章的错题"_s);
    m_retryAll = new QPushButton(u"全部错题重练"_s, this);
    m_retryAll->setObjectName(u"按钮_全部错题重练"_s);
    m_retryAll->setToolTip(u"按错题本重练本科目的全部错题"_s);
    for (QPushButton* button : {m_retryChapter, m_retryAll}) {
        button->setStyleSheet(reportStyle::actionButtonSheet());
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedSize(112, 30);
    }
    connect(m_retryChapter, &QPushButton::clicked, this, &ChapterProgressView::retryChapterClicked);
    connect(m_retryAll, &QPushButton::clicked, this, &ChapterProgressView::retryAllClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_legend);
    buttons->addStretch();
    buttons->addWidget(m_retryChapter);
    buttons->addWidget(m_retryAll);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
}

void ChapterProgressView::setRowCount(int rows)
{
    if (m_table->rowCount() == rows)
        return;
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = NameColumn; column < ProgressColumn; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(column == NameColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            m_table->setItem(row, column, item);
        }
        auto* cell = new QWidget;
        auto* cellLayout = new QHBoxLayout(cell);
        cellLayout->setContentsMargins(6, 5, 6, 5);
        auto* bar = new QProgressBar;
        bar->setRange(0, 100);
        bar->setStyleSheet(reportStyle::progressBarSheet());
        cellLayout->addWidget(bar);
        m_table->setCellWidget(row, ProgressColumn, cell);
    }
}

void ChapterProgressView::showReport(const StudyReport& report)
{
    setRowCount(int(report.chapters.size()));
    for (int row = 0; row < report.chapters.size(); ++row) {
        const ChapterProgress& chapter = report.chapters[row];
        const bool answered = report.answersRead;
        const QStringList texts = {chapter.name,
                                   QString::number(chapter.catalogueCount),
                                   answered ? QString::number(chapter.answered) : unknown,
                                   answered ? QString::number(chapter.right) : unknown,
                                   answered && chapter.answered > 0 ? percent(chapter.accuracy()) : unknown,
                                   report.logOpen ? QString::number(chapter.wrongAnswers) : unknown};
        for (int column = NameColumn; column < ProgressColumn; ++column) {
            QTableWidgetItem* item = m_table->item(row, column);
            item->setText(texts[column]);
            item->setBackground(chapter.weak ? reportStyle::weakBack : QBrush());
            item->setForeground(chapter.weak ? reportStyle::weakText : QBrush());
            item->setToolTip(chapter.weak ? u"正确率最低的三章之一"_s : QString());
        }
        auto* bar = m_table->cellWidget(row, ProgressColumn)->findChild<QProgressBar*>();
        const int done = chapter.catalogueCount > 0
                             ? qMin(100, qRound(100.0 * chapter.answered / chapter.catalogueCount))
                             : 0;
        bar->setValue(answered ? done : 0);
        bar->setFormat(answered ? u"%p%"_s : unknown);
    }
}

int ChapterProgressView::selectedChapter() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    return ranges.isEmpty() ? 0 : ranges.first().topRow() + 1;
}

} // namespace mirevo
