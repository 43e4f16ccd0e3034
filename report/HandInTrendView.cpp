#include "HandInTrendView.h"

#include "ReportStyle.h"
#include "StudyRecords.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <cmath>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Whole hand-ins between ticks: at most about eight ticks along the axis.
double tickInterval(int count)
{
    const double raw = std::max(1.0, count / 8.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * magnitude >= raw)
            return step * magnitude;
    }
    return 10 * magnitude;
}

// Minutes begun, so that a sitting of 45 minutes and a few seconds reads 46.
QString minutesText(int seconds)
{
    if (seconds < 60)
        return u"<1 分钟"_s;
    return u"%1 分钟"_s.arg((seconds + 59) / 60);
}

} // namespace

HandInTrendView::HandInTrendView(QWidget* parent) : QWidget(parent)
{
    auto* chart = new QChart;
    reportStyle::applyChartLook(chart, u"历次交卷得分"_s);
    m_scores = new QLineSeries;
    m_scores->setObjectName(u"成绩走势"_s);
    m_scores->setName(u"得分"_s);
    m_scores->setPen(QPen(reportStyle::blue, 2));
    m_scores->setMarkerSize(4);
    m_passLine = new QLineSeries;
    m_passLine->setObjectName(u"及格线"_s);
    m_passLine->setName(u"及格线 %1 分"_s.arg(reportStyle::passScore));
    m_passLine->setPen(QPen(reportStyle::passLine, 1.5, Qt::DashLine));
    chart->addSeries(m_scores);
    chart->addSeries(m_passLine);

    m_countAxis = new QValueAxis;
    m_countAxis->setLabelFormat(u"%d"_s);
    m_countAxis->setTickType(QValueAxis::TicksDynamic);
    m_countAxis->setTickAnchor(1);
    m_countAxis->setTitleText(u"第几次交卷"_s);
    auto* scoreAxis = new QValueAxis;
    scoreAxis->setRange(0, 100);
    scoreAxis->setTickCount(6);
    scoreAxis->setLabelFormat(u"%d"_s);
    scoreAxis->setTitleText(u"得分"_s);
    for (QValueAxis* axis : {m_countAxis, scoreAxis}) {
        QFont font = axis->labelsFont();
        font.setPixelSize(11);
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
    chart->addAxis(m_countAxis, Qt::AlignBottom);
    chart->addAxis(scoreAxis, Qt::AlignLeft);
    for (QLineSeries* series : {m_scores, m_passLine}) {
        series->attachAxis(m_countAxis);
        series->attachAxis(scoreAxis);
    }
    m_view = new QChartView(chart, this);
    m_view->setObjectName(u"图表_成绩走势"_s);
    m_view->setRenderHint(QPainter::Antialiasing);

    m_list = new QTableWidget(listedHandIns, 4, this);
    m_list->setObjectName(u"表格_最近交卷"_s);
    m_list->setHorizontalHeaderLabels({u"试卷"_s, u"得分"_s, u"交卷时间"_s, u"用时"_s});
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(reportStyle::rowHeight);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {48, 44, 86, 56};
    for (int column = 0; column < 4; ++column)
        m_list->horizontalHeader()->resizeSection(column, widths[column]);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setFixedWidth(252);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < listedHandIns; ++row) {
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            m_list->setItem(row, column, item);
        }
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 6, 6);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_list);
}

void HandInTrendView::showHandIns(const QList<HandIn>& handIns)
{
    const int count = int(handIns.size());
    QList<QPointF> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append({double(i + 1), handIns[i].score});
    m_scores->replace(points);
    m_scores->setPointsVisible(count <= 40);
    // Half a hand-in beyond either end, so that the first and last points show whole.
    const double first = 0.5;
    const double last = std::max(1, count) + 0.5;
    m_countAxis->setRange(first, last);
    m_countAxis->setTickInterval(tickInterval(count));
    m_passLine->replace({{first, reportStyle::passScore}, {last, reportStyle::passScore}});
    m_view->chart()->setTitle(count == 0 ? u"历次交卷得分（暂无交卷记录）"_s
                                         : u"历次交卷得分（共 %1 次）"_s.arg(count));

    for (int row = 0; row < listedHandIns; ++row) {
        const int index = count - 1 - row;
        QStringList texts(4);
        if (index >= 0) {
            const HandIn& handIn = handIns[index];
            texts = {u"第%1套"_s.arg(handIn.paper), QString::number(handIn.score),
                     handIn.endedAt.toLocalTime().toString(u"MM-dd HH:mm"_s),
                     minutesText(handIn.secondsUsed)};
        }
        for (int column = 0; column < 4; ++column) {
            QTableWidgetItem* item = m_list->item(row, column);
            item->setText(texts[column]);
            item->setToolTip(index >= 0 && handIns[index].timedOut ? u"时间到，自动交卷"_s : QString());
        }
    }
}

} // namespace mirevo
