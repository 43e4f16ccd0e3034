#pragma once

#include <QWidget>

class QLabel;
class QTabWidget;

namespace mirevo {

class ChapterProgressView;
class HandInTrendView;
class PaperScoreChart;
class WallClock;
struct ProgramState;

// The learning report (学习报告) of the current subject, the sixth page of the main window: a
// summary line (questions practised today, this week, in total; days studied in a row), the
// chapters' progress, the papers' last scores and every hand-in. It reads the bank and the
// study log afresh whenever it is shown, and says which bank table it could not read. Its
// widgets are made when it is first shown, so that start-up does not pay for the charts.
class ReportPage : public QWidget
{
    Q_OBJECT
public:
    ReportPage(ProgramState& state, WallClock& clock, QWidget* parent);

    // Reads and shows the report now; nothing while the page is hidden.
    void refresh();
    // The chapter of the selected row of the chapter table; 0 when none is selected.
    int selectedChapter() const;

signals:
    void retryChapterClicked();
    void retryAllClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();

    ProgramState& m_state;
    WallClock& m_clock;
    QLabel* m_summary = nullptr;
    QLabel* m_notice = nullptr;
    QTabWidget* m_tabs = nullptr;
    ChapterProgressView* m_chapters = nullptr;
    PaperScoreChart* m_scores = nullptr;
    HandInTrendView* m_trend = nullptr;
};

} // namespace mirevo
