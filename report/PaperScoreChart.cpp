#include "PaperScoreChart.h"

#include "BankSchema.h"
#include "ReportStyle.h"
#include "StudyReport.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace mirevo {

using namespace Qt::StringLiterals;

PaperScoreChart::PaperScoreChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(u"图表_试卷得分"_s);
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    reportStyle::applyChartLook(chart, u"各套试卷最近一次得分"_s);

    m_passed = new QBarSet(u"及格"_s);
    m_passed->setColor(reportStyle::pass);
    m_passed->setBorderColor(reportStyle::pass);
    m_failed = new QBarSet(u"未及格"_s);
    m_failed->setColor(reportStyle::fail);
    m_failed->setBorderColor(reportStyle::fail);
    QStringList papers;
    for (int paper = 1; paper <= paperCount; ++paper) {
        papers.append(QString::number(paper));
        m_passed->append(0);
        m_failed->append(0);
    }
    // One of the two sets holds each paper's score; the other stays at 0 beneath it.
    auto* bars = new QStackedBarSeries;
    bars->setObjectName(u"试卷得分"_s);
    bars->append(m_passed);
    bars->append(m_failed);
    bars->setBarWidth(0.62);
    bars->setLabelsVisible(true);
    bars->setLabelsFormat(u"@value"_s);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(bars);

    auto* passLine = new QLineSeries;
    passLine->setObjectName(u"及格线"_s);
    passLine->setName(u"及格线 %1 分"_s.arg(reportStyle::passScore));
    passLine->append(-0.5, reportStyle::passScore);
    passLine->append(paperCount - 0.5, reportStyle::passScore);
    passLine->setPen(QPen(reportStyle::passLine, 1.5, Qt::DashLine));
    chart->addSeries(passLine);

    auto* paperAxis = new QBarCategoryAxis;
    paperAxis->append(papers);
    paperAxis->setTitleText(u"试卷（套）"_s);
    auto* scoreAxis = new QValueAxis;
    scoreAxis->setRange(0, 100);
    scoreAxis->setTickCount(6);
    scoreAxis->setLabelFormat(u"%d"_s);
    scoreAxis->setTitleText(u"得分"_s);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(paperAxis), static_cast<QAbstractAxis*>(scoreAxis)}) {
        QFont font = axis->labelsFont();
        font.setPixelSize(11);
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
    chart->addAxis(paperAxis, Qt::AlignBottom);
    chart->addAxis(scoreAxis, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(passLine)}) {
        series->attachAxis(paperAxis);
        series->attachAxis(scoreAxis);
    }
    setChart(chart);
}

void PaperScoreChart::showScores(const QList<PaperScore>& papers, bool read)
{
    for (int i = 0; i < paperCount; ++i) {
        const std::optional<double> score = read && i < papers.size() ? papers[i].score : std::nullopt;
        const double value = score.value_or(0);
        m_passed->replace(i, score && value >= reportStyle::passScore ? value : 0);
        m_failed->replace(i, score && value < reportStyle::passScore ? value : 0);
    }
}

} // namespace mirevo
