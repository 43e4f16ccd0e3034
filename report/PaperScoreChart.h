#pragma once

#include <QChartView>
#include <QList>

class QBarSet;

namespace mirevo {

struct PaperScore;

// The last score of each of the 20 mock papers as a bar, green from the pass line of 60
// points up, orange below it; a paper never handed in has no bar.
class PaperScoreChart : public QChartView
{
    Q_OBJECT
public:
    explicit PaperScoreChart(QWidget* parent = nullptr);

    void showScores(const QList<PaperScore>& papers, bool read);

private:
    QBarSet* m_passed = nullptr;
    QBarSet* m_failed = nullptr;
};

} // namespace mirevo
