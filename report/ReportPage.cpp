#include "ReportPage.h"

#include "ChapterProgressView.h"
#include "Fonts.h"
#include "HandInTrendView.h"
#include "PaperScoreChart.h"
#include "ReportStyle.h"
#include "StudyReport.h"
#include "WallClock.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString summaryText(const StudyReport& report)
{
    if (!report.logOpen)
        return u"今日练习 — 题 · 本周 — 题 · 累计 — 题 · 连续学习 — 天"_s;
    const StudyActivity& a = report.activity;
    return u"今日练习 %1 题 · 本周 %2 题 · 累计 %3 题 · 连续学习 %4 天"_s.arg(a.today)
        .arg(a.thisWeek)
        .arg(a.total)
        .arg(a.daysInARow);
}

QString noticeText(const StudyReport& report)
{
    QStringList notices;
    for (const QString& table : report.unreadableTables) {
        notices.append(table.endsWith(u"zj"_s)
                           ? u"无法读取题库表 %1：各章已做、做对与正确率未统计"_s.arg(table)
                           : u"无法读取题库表 %1：试卷得分未显示"_s.arg(table));
    }
    if (!report.logOpen)
        notices.append(u"学习记录不可用：错题、练习量与交卷记录未统计"_s);
    return notices.join(u"；"_s);
}

} // namespace

ReportPage::ReportPage(ProgramState& state, WallClock& clock, QWidget* parent)
    : QWidget(parent), m_state(state), m_clock(clock)
{
    setObjectName(u"学习报告"_s);
}

void ReportPage::build()
{
    QFont summaryFont = defaultGuiFont();
    summaryFont.setPixelSize(14);
    summaryFont.setBold(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"标签_学习概况"_s);
    m_summary->setFont(summaryFont);
    m_summary->setStyleSheet(u"color: %1;"_s.arg(reportStyle::deepBlue.name()));
    m_notice = new QLabel(this);
    m_notice->setObjectName(u"标签_读取提示"_s);
    m_notice->setStyleSheet(u"color: %1;"_s.arg(reportStyle::weakText.name()));
    m_notice->setWordWrap(true);

    m_chapters = new ChapterProgressView;
    m_scores = new PaperScoreChart;
    m_trend = new HandInTrendView;
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"分页_学习报告"_s);
    m_tabs->addTab(m_chapters, u"章节进度"_s);
    m_tabs->addTab(m_scores, u"试卷得分"_s);
    m_tabs->addTab(m_trend, u"成绩走势"_s);
    connect(m_chapters, &ChapterProgressView::retryChapterClicked, this, &ReportPage::retryChapterClicked);
    connect(m_chapters, &ChapterProgressView::retryAllClicked, this, &ReportPage::retryAllClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_summary);
    layout->addWidget(m_notice);
    layout->addWidget(m_tabs, 1);
}

void ReportPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void ReportPage::refresh()
{
    if (!isVisible())
        return;
    if (!m_tabs)
        build();
    const StudyReport report = collectStudyReport(m_state, m_clock.now().date());
    m_summary->setText(summaryText(report));
    const QString notice = noticeText(report);
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    m_chapters->showReport(report);
    m_scores->showScores(report.papers, report.scoresRead);
    m_trend->showHandIns(report.handIns);
}

int ReportPage::selectedChapter() const
{
    return m_chapters ? m_chapters->selectedChapter() : 0;
}

} // namespace mirevo
