#pragma once

#include <QList>
#include <QWidget>

class QChartView;
class QLineSeries;
class QTableWidget;
class QValueAxis;

namespace mirevo {

struct HandIn;

// Every hand-in of the subject as a line of scores over time, with the pass line, and the
// last ten hand-ins listed beside it (paper, score, date, minutes used), the latest first.
class HandInTrendView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int listedHandIns = 10;

    explicit HandInTrendView(QWidget* parent = nullptr);

    void showHandIns(const QList<HandIn>& handIns);

private:
    QChartView* m_view = nullptr;
    QLineSeries* m_scores = nullptr;
    QLineSeries* m_passLine = nullptr;
    QValueAxis* m_countAxis = nullptr;
    QTableWidget* m_list = nullptr;
};

} // namespace mirevo
