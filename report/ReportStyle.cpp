#include "ReportStyle.h"

#include "Fonts.h"

#include <QChart>
#include <QLegend>

namespace mirevo::reportStyle {

using namespace Qt::StringLiterals;

QString actionButtonSheet()
{
    return u"QPushButton { color: white; background: %1; border: none; border-radius: 4px; font-weight: "
           u"bold; }"
           "QPushButton:hover { background: %2; }"
           "QPushButton:pressed { background: %3; }"_s.arg(blue.name(), blue.lighter(115).name(),
                                                           deepBlue.name());
}

QString progressBarSheet()
{
    return u"QProgressBar { border: 1px solid %1; border-radius: 3px; background: white; text-align: center; "
           u"}"
           "QProgressBar::chunk { background: %2; border-radius: 2px; }"_s.arg(blue.lighter(150).name(),
                                                                               blue.lighter(125).name());
}

void applyChartLook(QChart* chart, const QString& title)
{
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    QFont titleFont = defaultGuiFont();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitle(title);
    QFont legendFont = defaultGuiFont();
    legendFont.setPixelSize(12);
    chart->legend()->setFont(legendFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

} // namespace mirevo::reportStyle
