#pragma once

#include <QColor>
#include <QString>

class QChart;

namespace mirevo::reportStyle {

// The colours of the report, in the program's blue.
inline const QColor blue(0, 169, 225);
inline const QColor deepBlue(0, 120, 180);
inline const QColor weakBack(255, 227, 222);
inline const QColor weakText(176, 58, 46);
inline const QColor pass(46, 158, 91);
inline const QColor fail(240, 138, 36);
inline const QColor passLine(214, 48, 49);

inline constexpr int rowHeight = 26;
inline constexpr double passScore = 60;

QString actionButtonSheet();
QString progressBarSheet();
// A plain white chart in the program's fonts, without animation.
void applyChartLook(QChart* chart, const QString& title);

} // namespace mirevo::reportStyle
